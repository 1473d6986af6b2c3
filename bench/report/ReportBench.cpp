// Lays out a 10,000-row listing from memory and prints rows per second for
// the layout alone and for layout plus PDF. Run by hand; numbers go to stdout.

#include "platform/report/Render.h"
#include "platform/report/Report.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>

using namespace drav::report;

namespace {

std::unique_ptr<MemoryRowSource> rows(int count) {
    auto src = std::make_unique<MemoryRowSource>(QStringList{"idturma", "nome", "data", "qtd", "preco", "total"});
    for (int i = 1; i <= count; ++i) {
        const double qtd = i % 37 + 0.5;
        src->append({i / 250, QStringLiteral("COLABORADOR %1").arg(i), QDate(2024, 1, 1).addDays(i % 300), qtd, 2.5,
                     qtd * 2.5});
    }
    return src;
}

void build(Report &r, RowSource &src) {
    r.setSource(src);
    r.pageHeader.setHeight(20);
    r.pageHeader.frame({0, 0, 190, 18});
    r.pageHeader.label({0, 1, 190, 7}, QStringLiteral("PRODUÇÃO POR PERÍODO")).bold().center().size(12);
    r.pageHeader.system({2, 8, 80, 5}, SystemField::DateTime, QStringLiteral("Data/Hora: "));
    r.pageHeader.system({140, 8, 48, 5}, SystemField::PageNumber, QStringLiteral("Página: ")).right();
    r.columns({{QStringLiteral("Colaborador"), QStringLiteral("nome"), 70},
               {QStringLiteral("Data"), QStringLiteral("data"), 25},
               {QStringLiteral("Quantidade"), QStringLiteral("qtd"), 30, Align::Right, QStringLiteral("0.0")},
               {QStringLiteral("Preço"), QStringLiteral("preco"), 30, Align::Right, QStringLiteral("0.0000")},
               {QStringLiteral("Valor"), QStringLiteral("total"), 35, Align::Right, QStringLiteral("R$0.00")}});
    r.detail.setShading(Shading::Alternate);
    Group &g = r.group(QStringLiteral("idturma"));
    g.header.setHeight(6).field({0, 60}, QStringLiteral("idturma")).prefix(QStringLiteral("TURMA: "));
    g.footer.setHeight(6).sum({125, 65}, QStringLiteral("total")).mask(QStringLiteral("R$0.00")).right();
    r.summary.setHeight(6).sum({125, 65}, QStringLiteral("total")).mask(QStringLiteral("R$0.00")).right();
}

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int count = 10000;
    auto src = rows(count);
    Report report;
    build(report, *src);

    QElapsedTimer timer;
    timer.start();
    const Document doc = report.generate();
    const double layoutSeconds = timer.nsecsElapsed() / 1e9;
    std::printf("layout: %d rows, %d pages, %.3f s, %.0f rows/s\n", count, doc.pageCount(), layoutSeconds,
                count / layoutSeconds);

    QTemporaryDir dir;
    timer.restart();
    writePdf(report.generate(), dir.filePath(QStringLiteral("bench.pdf")));
    const double pdfSeconds = timer.nsecsElapsed() / 1e9;
    std::printf("layout + pdf: %.3f s, %.0f rows/s\n", pdfSeconds, count / pdfSeconds);
    return 0;
}
