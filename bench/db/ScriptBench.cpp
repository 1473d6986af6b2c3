// Loads the same statements through our connection layer and through the
// mariadb command-line client, side by side, and prints the ratio.
//   1. a 5,000-row script of single-row INSERTs (autocommit, as the client does)
//   2. database creation: the schema and the nine city scripts
// The server comes from DRAV_TEST_HOST/PORT/USER/PASSWORD (scripts/bench-env).

#include "data/sql/SqlScripts.h"
#include "platform/db/Connection.h"

#include "../support/BenchServer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <cstdio>

using drav::db::Connection;
using drav::db::ConnectParams;

namespace {

// Runs the mariadb client on `file` in database `db`; returns milliseconds.
double clientLoad(const QString &db, const QString &file) {
    const ConnectParams p = drav::bench::server();
    QProcess proc;
    auto env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("MYSQL_PWD"), p.password);
    proc.setProcessEnvironment(env);
    proc.setStandardInputFile(file);
    QElapsedTimer t;
    t.start();
    proc.start(QStringLiteral("mariadb"), {QStringLiteral("--no-defaults"), QStringLiteral("-h"), p.host,
                                            QStringLiteral("-P"), QString::number(p.port), QStringLiteral("-u"),
                                            p.user, db});
    proc.waitForFinished(-1);
    const double ms = drav::bench::milliseconds(t);
    if (proc.exitCode() != 0)
        std::fprintf(stderr, "mariadb failed: %s\n", proc.readAllStandardError().constData());
    return ms;
}

void writeFile(const QString &path, const QString &text) {
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(text.toUtf8());
}

void report(const char *what, double ours, double client) {
    std::printf("%-28s ours %8.1f ms   mariadb client %8.1f ms   ratio %.2f\n", what, ours, client, ours / client);
}

void benchRows(const QTemporaryDir &dir) {
    QString script = QStringLiteral("CREATE TABLE t (id INT PRIMARY KEY, nome VARCHAR(50), valor DECIMAL(15,2)) "
                                    "ENGINE=InnoDB DEFAULT CHARSET=latin1;\n");
    for (int i = 1; i <= 5000; ++i)
        script += QStringLiteral("INSERT INTO t VALUES (%1,'NOME ''%1'' JOÃO',%1.25);\n").arg(i);
    const QString file = dir.filePath(QStringLiteral("rows.sql"));
    writeFile(file, script);
    const QString db = QStringLiteral("drav_bench_rows");

    drav::bench::recreateDatabase(db);
    QElapsedTimer t;
    t.start();
    Connection c;
    c.connect(drav::bench::server(db));
    c.executeScript(script);
    const double ours = drav::bench::milliseconds(t);

    drav::bench::recreateDatabase(db);
    const double client = clientLoad(db, file);
    drav::bench::dropDatabase(db);
    report("5,000-row script", ours, client);
}

void benchCreation(const QTemporaryDir &dir) {
    QString all = drav::data::schemaScript();
    for (int i = 1; i <= drav::data::kCityScriptCount; ++i)
        all += u'\n' + drav::data::cityScript(i);
    const QString file = dir.filePath(QStringLiteral("creation.sql"));
    writeFile(file, all);
    const QString db = QStringLiteral("drav_bench_creation");

    drav::bench::recreateDatabase(db);
    QElapsedTimer t;
    t.start();
    Connection c;
    c.connect(drav::bench::server(db));
    c.executeScript(drav::data::schemaScript());
    for (int i = 1; i <= drav::data::kCityScriptCount; ++i) {
        c.begin();
        c.executeScript(drav::data::cityScript(i));
        c.commit();
    }
    const double ours = drav::bench::milliseconds(t);

    drav::bench::recreateDatabase(db);
    const double client = clientLoad(db, file);
    drav::bench::dropDatabase(db);
    report("database creation", ours, client);
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    for (int round = 0; round < 3; ++round) {
        benchRows(dir);
        benchCreation(dir);
    }
    return 0;
}
