#include "Fixture.h"

#include <gtest/gtest.h>

namespace drav::report::test {
namespace {

QStringList lines(const std::vector<const PlacedBand *> &bands) {
    QStringList out;
    for (const PlacedBand *b : bands)
        out << b->line();
    return out;
}

TEST(ReportEngine, GroupStartsWhenTheKeyChanges) {
    auto rows = productionRows();
    Report r;
    buildListing(r, *rows);
    const Document doc = r.generate();

    EXPECT_EQ(lines(doc.bandsOf(BandKind::GroupHeader)),
              (QStringList{"TURMA: | ALFA", "TURMA: | BETA", "TURMA: | GAMA"}));
    // Bands in order: header, details of the group, footer.
    QStringList order;
    for (const PlacedBand &b : doc.pages[0].bands)
        order << bandKindName(b.kind);
    EXPECT_EQ(order.join(u' '), "pageHeader columnHeader groupHeader detail detail groupFooter groupHeader detail "
                                "groupFooter groupHeader detail detail detail groupFooter summary");
}

TEST(ReportEngine, GroupFooterSumsStartAgainForEachGroup) {
    auto rows = productionRows();
    Report r;
    buildListing(r, *rows);
    const Document doc = r.generate();

    EXPECT_EQ(lines(doc.bandsOf(BandKind::GroupFooter)),
              (QStringList{"Total da Turma: | 14,0 | R$35,00", "Total da Turma: | 7,5 | R$18,75",
                           "Total da Turma: | 6,0 | R$15,00"}));
}

TEST(ReportEngine, SummarySumsTheWholeReportAndCountsDetails) {
    auto rows = productionRows();
    Report r;
    buildListing(r, *rows);
    const Document doc = r.generate();

    ASSERT_EQ(doc.bandsOf(BandKind::Summary).size(), 1u);
    EXPECT_EQ(doc.bandsOf(BandKind::Summary)[0]->line(), "TOTAL DE PRODUÇÕES | 6 | TOTAL | 27,5 | R$68,75");
}

TEST(ReportEngine, MinMaxAverageAndCountOverTheGroup) {
    auto rows = productionRows();
    Report r;
    buildListing(r, *rows);
    Band &f = r.groups()[0].footer;
    f.elements().clear();
    f.count({0, 20});
    f.min({20, 30}, "valor").mask("R$ 0.00");
    f.max({50, 30}, "valor").mask("R$ 0.00");
    f.average({80, 30}, "valor").mask("R$ 0.00");
    const Document doc = r.generate();

    EXPECT_EQ(lines(doc.bandsOf(BandKind::GroupFooter)),
              (QStringList{"2 | R$ 10,00 | R$ 25,00 | R$ 17,50", "1 | R$ 18,75 | R$ 18,75 | R$ 18,75",
                           "3 | R$ 2,50 | R$ 7,50 | R$ 5,00"}));
}

TEST(ReportEngine, FooterTotalsCanRunOverTheReport) {
    auto rows = productionRows();
    Report r;
    buildListing(r, *rows);
    Band &f = r.groups()[0].footer;
    f.elements().clear();
    f.sum({0, 30}, "qtd").resetAfterPrint(false);
    const Document doc = r.generate();

    EXPECT_EQ(lines(doc.bandsOf(BandKind::GroupFooter)), (QStringList{"14", "21,5", "27,5"}));
}

TEST(ReportEngine, EachGroupOnANewPage) {
    auto rows = productionRows();
    Report r;
    buildListing(r, *rows);
    r.groups()[0].newPage = true;
    const Document doc = r.generate();

    ASSERT_EQ(doc.pageCount(), 3);
    for (const Page &p : doc.pages) {
        EXPECT_EQ(p.bands.front().kind, BandKind::PageHeader);
        EXPECT_EQ(p.count(BandKind::GroupHeader), 1);
        EXPECT_EQ(p.count(BandKind::ColumnHeader), 1);
    }
    EXPECT_EQ(doc.pages[1].bandsOf(BandKind::GroupHeader)[0]->line(), "TURMA: | BETA");
    EXPECT_EQ(doc.pages[2].count(BandKind::Summary), 1);
}

TEST(ReportEngine, SummaryOnANewPage) {
    auto rows = productionRows();
    Report r;
    buildListing(r, *rows);
    r.summaryOnNewPage = true;
    const Document doc = r.generate();

    ASSERT_EQ(doc.pageCount(), 2);
    EXPECT_EQ(doc.pages[1].count(BandKind::Summary), 1);
    EXPECT_EQ(doc.pages[1].count(BandKind::Detail), 0);
    EXPECT_EQ(doc.pages[1].bands.front().kind, BandKind::PageHeader);
}

TEST(ReportEngine, SubDetailRowsFollowTheMainDetails) {
    auto rows = productionRows();
    MemoryRowSource orders({"idordem", "total"}, {{5, 14.0}, {9, 13.5}});
    Report r;
    buildListing(r, *rows);
    SubDetail &s = r.subDetail(orders);
    s.header.setHeight(5).label({0, 60}, "ORDEM DE SERVIÇO");
    s.detail.setHeight(5);
    s.detail.field({0, 30}, "idordem").mask("00000");
    s.detail.field({30, 30}, "total").mask("0.0");
    s.footer.setHeight(5);
    s.footer.sum({30, 30}, "total").feedBy(s.detail).mask("0.0");
    const Document doc = r.generate();

    QStringList tail;
    const auto &bands = doc.pages.back().bands;
    for (auto it = bands.end() - 5; it != bands.end(); ++it)
        tail << bandKindName(it->kind) + u'=' + it->line();
    EXPECT_EQ(tail, (QStringList{"subDetailHeader=ORDEM DE SERVIÇO", "subDetail=00005 | 14,0", "subDetail=00009 | 13,5",
                                 "subDetailFooter=27,5", "summary=TOTAL DE PRODUÇÕES | 6 | TOTAL | 27,5 | R$68,75"}));
}

TEST(ReportEngine, SubDetailPerDetailRowIsRepositionedByTheDetailHook) {
    MemoryRowSource master({"idordem"}, {{1}, {2}});
    MemoryRowSource workers({"nome"});
    Report r;
    r.setSource(master);
    r.detail.setHeight(5).field({0, 20}, "idordem");
    r.detail.beforePrint = [&](BandEvent &ev) {
        const int order = ev.row["idordem"].toInt();
        workers = MemoryRowSource({"nome"}, order == 1 ? std::vector<QVariantList>{{"ANA"}, {"BIA"}}
                                                       : std::vector<QVariantList>{{"CAIO"}});
    };
    SubDetail &s = r.subDetail(workers);
    s.perDetailRow = true;
    s.detail.setHeight(5).field({20, 40}, "nome");
    const Document doc = r.generate();

    QStringList order;
    for (const PlacedBand &b : doc.pages[0].bands)
        order << b.line();
    EXPECT_EQ(order, (QStringList{"1", "ANA", "BIA", "2", "CAIO"}));
}

TEST(ReportEngine, LandscapePage) {
    auto rows = productionRows();
    Report r;
    buildListing(r, *rows);
    r.setLandscape();
    const Document doc = r.generate();

    EXPECT_EQ(doc.orientation, Orientation::Landscape);
    EXPECT_EQ(doc.pageSize, QSizeF(297, 210));
    EXPECT_EQ(doc.pages[0].bands[0].box, QRectF(10, 10, 277, 20));
}

TEST(ReportEngine, SecondGenerationGivesTheSamePages) {
    auto rows = numberedRows(120, 25);
    Report r;
    buildListing(r, *rows);
    // A running value of the report's own, reset where every generation starts.
    double runningAverage = 0;
    r.beforeGenerate = [&] { runningAverage = 0; };
    Element &avg = r.summary.label({150, 1, 40, 5}, {}).mask("0.00");
    r.detail.afterPrint = [&](BandEvent &ev) { runningAverage += ev.row["qtd"].toDouble() / 2; };
    r.summary.beforePrint = [&](BandEvent &) { avg.setValue(runningAverage); };

    const QString first = r.generate().dump();
    const QString second = r.generate().dump();
    EXPECT_EQ(first, second);
    EXPECT_TRUE(first.contains("\"TOTAL DE PRODUÇÕES\""));
    EXPECT_TRUE(first.contains("\"179,00\"")) << "sum of qtd/2 over 120 rows";
}

TEST(ReportEngine, PageHeaderOnEveryPageWithItsNumber) {
    auto rows = numberedRows(150);
    Report r;
    buildListing(r, *rows, false);
    const Document doc = r.generate();

    ASSERT_GT(doc.pageCount(), 2);
    for (const Page &p : doc.pages) {
        ASSERT_EQ(p.bands[0].kind, BandKind::PageHeader);
        EXPECT_EQ(p.bands[0].texts(), (QStringList{"RELAÇÃO DE PRODUÇÃO", "Data/Hora: 14/03/2024 09:30:05",
                                                   QStringLiteral("Página: %1").arg(p.number),
                                                   "FAZENDA MODELO - SAFRA 2024"}));
        EXPECT_EQ(p.bands[1].kind, BandKind::ColumnHeader);
        // Nothing crosses the bottom margin.
        EXPECT_LE(p.bands.back().box.bottom(), 287.0 + 1e-6);
    }
}

TEST(ReportEngine, PageFooterAtTheBottomOfEveryPageTheLastToo) {
    auto rows = numberedRows(80);
    Report r;
    buildListing(r, *rows, false);
    r.pageFooter.setHeight(5).system({0, 190}, SystemField::PageNumber).right();
    const Document doc = r.generate();

    ASSERT_EQ(doc.pageCount(), 2);
    for (const Page &p : doc.pages) {
        const PlacedBand &last = p.bands.back();
        EXPECT_EQ(last.kind, BandKind::PageFooter);
        EXPECT_EQ(last.box, QRectF(10, 282, 190, 5));
        EXPECT_EQ(last.line(), QString::number(p.number));
        for (const PlacedBand &b : p.bands) {
            if (b.kind != BandKind::PageFooter) {
                EXPECT_LE(b.box.bottom(), 282.0 + 1e-6);
            }
        }
    }
}

TEST(ReportEngine, AlternateShadingRunsOnAcrossPages) {
    auto rows = numberedRows(120);
    Report r;
    buildListing(r, *rows, false);
    r.title.setHeight(5).label({0, 190}, "Período: 01/03/2024 a 14/03/2024");
    const Document doc = r.generate();

    ASSERT_GT(doc.pageCount(), 1);
    const auto details = doc.bandsOf(BandKind::Detail);
    ASSERT_EQ(details.size(), 120u);
    for (std::size_t i = 0; i < details.size(); ++i)
        ASSERT_EQ(details[i]->fill, i % 2 == 0 ? kShadeGrey : QColor(Qt::white)) << "detail " << i;
    // The title makes room for an odd count of rows on the first page, so a
    // pattern restarted per page would show here.
    EXPECT_EQ(doc.pages[0].count(BandKind::Detail) % 2, 1);
    EXPECT_EQ(doc.pages[1].bandsOf(BandKind::Detail)[0]->fill, QColor(Qt::white));
}

TEST(ReportEngine, ShadingByRowNumber) {
    auto rows = productionRows();
    Report r;
    buildListing(r, *rows);
    r.detail.setShading(Shading::ByRowNumber);
    const Document doc = r.generate();

    const auto details = doc.bandsOf(BandKind::Detail);
    ASSERT_EQ(details.size(), 6u);
    for (std::size_t i = 0; i < details.size(); ++i)
        EXPECT_EQ(details[i]->fill, i % 2 == 0 ? QColor(Qt::white) : kButtonFace);
}

TEST(ReportEngine, HookLeavesABandOutAndItIsNeitherCountedNorSummed) {
    auto rows = productionRows();
    Report r;
    buildListing(r, *rows);
    r.detail.beforePrint = [](BandEvent &ev) { ev.print = ev.row["qtd"].toDouble() >= 3; };
    const Document doc = r.generate();

    EXPECT_EQ(doc.bandsOf(BandKind::Detail).size(), 4u);
    EXPECT_EQ(doc.bandsOf(BandKind::Summary)[0]->line(), "TOTAL DE PRODUÇÕES | 4 | TOTAL | 24,5 | R$61,25");
}

TEST(ReportEngine, ComputedLabelsAndAggregatesOverThem) {
    // The "Média" column of a summary per order: total / colab, 0 without entries.
    MemoryRowSource rows({"idordem", "total", "colab"}, {{5, 75.0, 3}, {6, 10.0, 0}});
    Report r;
    r.setSource(rows);
    r.detail.setHeight(5);
    Element &media = r.detail.label({0, 30}, {}).mask("R$ 0.00");
    r.detail.beforePrint = [&](BandEvent &ev) {
        const int colab = ev.row["colab"].toInt();
        media.setValue(colab == 0 ? 0.0 : ev.row["total"].toDouble() / colab);
    };
    r.detail.compute({30, 30}, [](const Row &row) { return row["total"].toDouble() * 2; }).mask("0.0");
    r.summary.setHeight(5).aggregate({0, 30}, AggregateKind::Sum, media).mask("R$ 0.00");
    const Document doc = r.generate();

    EXPECT_EQ(lines(doc.bandsOf(BandKind::Detail)), (QStringList{"R$ 25,00 | 150,0", "R$ 0,00 | 20,0"}));
    EXPECT_EQ(doc.bandsOf(BandKind::Summary)[0]->line(), "R$ 25,00");
}

TEST(ReportEngine, TitleOnlyOnTheFirstPage) {
    auto rows = numberedRows(100);
    Report r;
    buildListing(r, *rows, false);
    r.title.setHeight(8).label({0, 190}, "Período: 01/03/2024 a 14/03/2024");
    const Document doc = r.generate();

    ASSERT_GT(doc.pageCount(), 1);
    EXPECT_EQ(doc.pages[0].count(BandKind::Title), 1);
    EXPECT_EQ(doc.pages[1].count(BandKind::Title), 0);
}

TEST(ReportEngine, MisspeltFieldIsAnError) {
    auto rows = productionRows();
    Report r;
    buildListing(r, *rows);
    r.detail.field({0, 10}, "quantidade");
    EXPECT_THROW(r.generate(), std::invalid_argument);
}

TEST(ReportEngine, BandTallerThanAPageDoesNotLoop) {
    auto rows = productionRows();
    Report r;
    buildListing(r, *rows, false);
    r.detail.setHeight(400);
    const Document doc = r.generate();
    EXPECT_EQ(doc.bandsOf(BandKind::Detail).size(), 6u);
    EXPECT_LE(doc.pageCount(), 7);
}

TEST(ReportEngine, EmptySourcePrintsHeaderAndSummary) {
    MemoryRowSource none({"idturma", "turma", "nome", "qtd", "valor"});
    Report r;
    buildListing(r, none);
    const Document doc = r.generate();
    ASSERT_EQ(doc.pageCount(), 1);
    EXPECT_EQ(doc.bandsOf(BandKind::Summary)[0]->line(), "TOTAL DE PRODUÇÕES | 0 | TOTAL | 0,0 | R$0,00");
}

TEST(ReportEngine, GoldenThreePageListing) {
    auto rows = numberedRows(130, 50);
    Report r;
    buildListing(r, *rows);
    r.pageFooter.setHeight(5).label({0, 190}, "DravTolvera").italic().size(7);
    const Document doc = r.generate();

    ASSERT_EQ(doc.pageCount(), 3);
    const QString dump = doc.dump();
    EXPECT_EQ(dump, golden("three-page-listing.txt", dump));
}

} // namespace
} // namespace drav::report::test
