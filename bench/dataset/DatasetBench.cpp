// Opening a 100,000-row read-only dataset and walking it (first..eof reading
// two fields) against the connector's bare fetch of the same rows
// (Connection::query + a loop over the Result). Prints both times and the
// ratio; the target is at most 1.5.
// The server comes from DRAV_TEST_HOST/PORT/USER/PASSWORD; the rows go into a
// database of the benchmark's own, dropped at the end.

#include "platform/dataset/Dataset.h"
#include "platform/db/Connection.h"

#include "../support/BenchServer.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>

using drav::db::Connection;

namespace {

const int kRows = 100000;
const int kRounds = 3;
const QString kDatabase = QStringLiteral("drav_bench_dataset");
const QString kSelect = QStringLiteral("select idproducao, idempresa, nome, qtdunit, data from tbproducao");

void createRows(Connection &conn) {
    conn.execute(QStringLiteral("CREATE TABLE tbproducao (idproducao INT NOT NULL PRIMARY KEY, idempresa INT NOT NULL, "
                                "nome VARCHAR(40), qtdunit DECIMAL(15,2), data DATE) DEFAULT CHARSET=latin1"));
    conn.begin();
    for (int start = 1; start <= kRows; start += 1000) {
        QStringList values;
        for (int i = start; i < start + 1000; ++i)
            values << QStringLiteral("(%1, 1, 'Colaborador número %1', %2, '2009-03-05')").arg(i).arg(i % 97 + 0.5);
        conn.execute(QStringLiteral("INSERT INTO tbproducao VALUES ") + values.join(u','));
    }
    conn.commit();
}

// Milliseconds of the best of the rounds.
template <class F> double best(F run) {
    double ms = 1e18;
    for (int r = 0; r < kRounds; ++r) {
        QElapsedTimer t;
        t.start();
        run();
        ms = std::min(ms, t.nsecsElapsed() / 1e6);
    }
    return ms;
}

qint64 sink = 0;
int walked = 0;

void bare(Connection &conn) {
    const drav::db::Result r = conn.query(kSelect);
    const int id = r.columnIndex(QStringLiteral("idproducao"));
    const int nome = r.columnIndex(QStringLiteral("nome"));
    for (int i = 0; i < r.rowCount(); ++i)
        sink += r.integer(i, id) + r.text(i, nome).size();
}

void dataset(Connection &conn) {
    drav::ds::Dataset d(conn, QStringLiteral("qyBench"));
    d.setReadOnly(true);
    d.setSql(kSelect);
    d.open();
    const auto &id = d.fieldByName(QStringLiteral("idproducao"));
    const auto &nome = d.fieldByName(QStringLiteral("nome"));
    walked = 0;
    for (d.first(); !d.eof(); d.next()) {
        sink += id.asInteger() + nome.asString().size();
        ++walked;
    }
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    drav::bench::recreateDatabase(kDatabase);
    Connection conn;
    conn.connect(drav::bench::server(kDatabase));
    createRows(conn);

    // Rounds alternate, so the server's caches favour neither side.
    double bareMs = 1e18, datasetMs = 1e18;
    for (int r = 0; r < kRounds; ++r) {
        bareMs = std::min(bareMs, best([&] { bare(conn); }));
        datasetMs = std::min(datasetMs, best([&] { dataset(conn); }));
    }
    if (walked != kRows) {
        std::printf("the dataset walked %d rows of %d\n", walked, kRows);
        return 1;
    }
    std::printf("%d rows, best of %d rounds\n", kRows, kRounds * kRounds);
    std::printf("bare fetch (query + Result loop): %8.1f ms\n", bareMs);
    std::printf("dataset (open + first..eof):      %8.1f ms\n", datasetMs);
    std::printf("ratio dataset / bare:             %8.2f  (target <= 1.50)\n", datasetMs / bareMs);

    drav::bench::dropDatabase(kDatabase);
    return sink == 0 ? 1 : 0;
}
