// Lays out the team listing over 10,000 rows of one company and compares the
// layout with the bare fetch of the same rows (Connection::query + a loop
// reading every column). Prints both times and the ratio; the target is at
// most 1.3. The first round, while the heap still grows, is printed apart.
// The server comes from DRAV_TEST_HOST/PORT/USER/PASSWORD; the rows go into a
// database of the benchmark's own, dropped at the end.

#include "data/TdmDados.h"
#include "data/sql/SqlScripts.h"
#include "platform/db/Connection.h"
#include "reports/ListagensCadastro.h"

#include "../support/BenchServer.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

using drav::db::Connection;
using drav::db::ConnectParams;

namespace {

const int kRows = 10000;
const int kRounds = 9;
const QString kDatabase = QStringLiteral("drav_bench_listing");
const QString kSelect = QStringLiteral("select * from tbturma where idempresa = 1 order by idturma;");

void createRows(Connection &conn) {
    conn.executeScript(drav::data::schemaScript());
    conn.execute(QStringLiteral("INSERT INTO tbcidade (idcidade, nomecidade, idpais, idestado)"
                                " VALUES (1, 'BELO HORIZONTE', 'BRA', 'MG')"));
    conn.execute(QStringLiteral("INSERT INTO tbempresa (idempresa, nome, endereco, idcidade)"
                                " VALUES (1, 'FAZENDA UM', 'RUA A', 1)"));
    conn.begin();
    for (int start = 1; start <= kRows; start += 1000) {
        QStringList values;
        for (int i = start; i < start + 1000; ++i)
            values << QStringLiteral("(%1, 'TURMA %1', 1, 'RESPONSÁVEL PELA TURMA %1')").arg(i);
        conn.execute(QStringLiteral("INSERT INTO tbturma (idturma, nome, idempresa, responsavel) VALUES ") +
                     values.join(u','));
    }
    conn.commit();
}

template <class F> double millis(F run) {
    QElapsedTimer t;
    t.start();
    run();
    return t.nsecsElapsed() / 1e6;
}

qint64 sink = 0;

void bareFetch(Connection &conn) {
    const drav::db::Result r = conn.query(kSelect);
    for (int i = 0; i < r.rowCount(); ++i)
        for (int c = 0; c < r.columnCount(); ++c)
            sink += r.text(i, c).size();
}

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    drav::bench::recreateDatabase(kDatabase);
    const ConnectParams p = drav::bench::server(kDatabase);
    Connection conn;
    conn.connect(p);
    createRows(conn);

    QTemporaryDir folder;
    TdmDados dados(folder.path() + u'/');
    dados.ConexaoBD.connect(p);
    dados.EmpresaAtual = 1;
    dados.SafraAtual = 2009;
    dados.NomeEmpresaAtual = QStringLiteral("FAZENDA UM");

    // Rounds alternate, so the server's caches favour neither side; the best
    // of each counts.
    double fetchMs = 1e18, openMs = 1e18, layoutMs = 1e18, firstFetchMs = 0, firstLayoutMs = 0;
    int pages = 0, details = 0;
    for (int r = 0; r < kRounds; ++r) {
        const double fetch = millis([&] { bareFetch(conn); });
        TFrTurma form(dados);
        openMs = std::min(openMs, millis([&] { form.abre(); }));
        drav::report::Document doc;
        const double layout = millis([&] { doc = form.QuickRep1.generate(); });
        if (r == 0) {
            firstFetchMs = fetch;
            firstLayoutMs = layout;
        }
        fetchMs = std::min(fetchMs, fetch);
        layoutMs = std::min(layoutMs, layout);
        pages = doc.pageCount();
        details = int(doc.bandsOf(drav::report::BandKind::Detail).size());
    }
    drav::bench::dropDatabase(kDatabase);
    if (details != kRows) {
        std::printf("the listing printed %d rows of %d\n", details, kRows);
        return 1;
    }
    std::printf("%d rows, %d pages, best of %d rounds\n", kRows, pages, kRounds);
    std::printf("fetch (query + Result loop):   %8.1f ms\n", fetchMs);
    std::printf("listing query open:            %8.1f ms\n", openMs);
    std::printf("listing layout (generate):     %8.1f ms\n", layoutMs);
    std::printf("ratio layout / fetch:          %8.2f  (target <= 1.30)\n", layoutMs / fetchMs);
    std::printf("first round: fetch %.1f ms, layout %.1f ms\n", firstFetchMs, firstLayoutMs);
    return sink == 0 ? 1 : 0;
}
