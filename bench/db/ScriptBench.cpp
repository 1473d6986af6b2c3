// Loads the same statements through our connection layer and through the
// mariadb command-line client, side by side, and prints the ratio.
//   1. a 5,000-row script of single-row INSERTs (autocommit, as the client does)
//   2. database creation: the schema and the nine city scripts
// The server comes from DRAV_TEST_HOST/PORT/USER/PASSWORD (scripts/bench-env).

#include "data/sql/SqlScripts.h"
#include "platform/db/Connection.h"

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

ConnectParams server() {
    const auto env = QProcessEnvironment::systemEnvironment();
    ConnectParams p;
    p.host = env.value(QStringLiteral("DRAV_TEST_HOST"), QStringLiteral("127.0.0.1"));
    p.port = env.value(QStringLiteral("DRAV_TEST_PORT"), QStringLiteral("3306")).toInt();
    p.user = env.value(QStringLiteral("DRAV_TEST_USER"), QStringLiteral("root"));
    p.password = env.value(QStringLiteral("DRAV_TEST_PASSWORD"));
    return p;
}

void recreate(const QString &db) {
    Connection admin;
    admin.connect(server());
    admin.execute(QStringLiteral("DROP DATABASE IF EXISTS ") + db);
    admin.execute(QStringLiteral("CREATE DATABASE ") + db);
}

void drop(const QString &db) {
    Connection admin;
    admin.connect(server());
    admin.execute(QStringLiteral("DROP DATABASE IF EXISTS ") + db);
}

// Runs the mariadb client on `file` in database `db`; returns milliseconds.
double clientLoad(const QString &db, const QString &file) {
    const ConnectParams p = server();
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
    const double ms = double(t.nsecsElapsed()) / 1e6;
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

    recreate(db);
    QElapsedTimer t;
    t.start();
    Connection c;
    ConnectParams p = server();
    p.database = db;
    c.connect(p);
    c.executeScript(script);
    const double ours = double(t.nsecsElapsed()) / 1e6;

    recreate(db);
    const double client = clientLoad(db, file);
    drop(db);
    report("5,000-row script", ours, client);
}

void benchCreation(const QTemporaryDir &dir) {
    QString all = drav::data::schemaScript();
    for (int i = 1; i <= drav::data::kCityScriptCount; ++i)
        all += u'\n' + drav::data::cityScript(i);
    const QString file = dir.filePath(QStringLiteral("creation.sql"));
    writeFile(file, all);
    const QString db = QStringLiteral("drav_bench_creation");

    recreate(db);
    QElapsedTimer t;
    t.start();
    Connection c;
    ConnectParams p = server();
    p.database = db;
    c.connect(p);
    c.executeScript(drav::data::schemaScript());
    for (int i = 1; i <= drav::data::kCityScriptCount; ++i) {
        c.begin();
        c.executeScript(drav::data::cityScript(i));
        c.commit();
    }
    const double ours = double(t.nsecsElapsed()) / 1e6;

    recreate(db);
    const double client = clientLoad(db, file);
    drop(db);
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
