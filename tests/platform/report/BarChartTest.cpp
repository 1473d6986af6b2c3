#include "platform/report/BarChart.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace drav::report {
namespace {

BarChart harvestChart() {
    BarChart chart;
    chart.title = QStringLiteral("Comparativo de Produtividade por Gleba - Safra 2023/2024");
    chart.addSeries(QStringLiteral("Safra 2023"), Qt::red);
    chart.addSeries(QStringLiteral("Safra 2024"), QColor(0, 128, 0));
    chart.addCategory(QStringLiteral("GLEBA 1"), {200, 150});
    chart.addCategory(QStringLiteral("GLEBA 2"), {80, 120.5});
    chart.addCategory(QStringLiteral("GLEBA 3"), {0, 40});
    return chart;
}

int countColour(const QImage &image, const QRect &area, const QColor &colour) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += QColor(image.pixel(x, y)) == colour;
    return n;
}

TEST(BarChart, OldLayoutColourValuesAreBlueGreenRed) {
    EXPECT_EQ(BarChart::fromBgr(4227327), QColor(255, 128, 64));  // orange
    EXPECT_EQ(BarChart::fromBgr(8404992), QColor(0, 64, 128));   // dark blue
}

TEST(BarChart, TwoSeriesSideBySideWithValueMarks) {
    const BarChart chart = harvestChart();
    QImage image(900, 600, QImage::Format_RGB32);
    const ChartGeometry g = chart.geometry(QRectF(0, 0, 900, 600), &image);

    ASSERT_EQ(g.bars.size(), 6u);
    QStringList marks;
    for (const auto &m : g.marks)
        marks << m.text;
    EXPECT_EQ(marks, (QStringList{"200", "150", "80", "120,5", "0", "40"}));
    // Side by side in each slot, taking half of it together, the taller bar higher.
    const double slot = g.plot.width() / 3;
    for (int c = 0; c < 3; ++c) {
        const auto &a = g.bars[std::size_t(2 * c)].rect;
        const auto &b = g.bars[std::size_t(2 * c + 1)].rect;
        EXPECT_NEAR(a.right(), b.left(), 1e-6);
        EXPECT_NEAR(a.width() + b.width(), slot / 2, 1e-6);
        EXPECT_NEAR(a.bottom(), g.baseline, 1e-6);
    }
    EXPECT_LT(g.bars[0].rect.top(), g.bars[1].rect.top());
    EXPECT_EQ(g.bars[4].rect.height(), 0.0);
    // Every mark sits over its bar; the scale leaves room for the highest.
    for (std::size_t i = 0; i < g.marks.size(); ++i) {
        EXPECT_LE(g.marks[i].rect.bottom(), g.bars[i].rect.top() + 1e-6);
        EXPECT_GE(g.marks[i].rect.top(), g.plot.top() - 1e-6);
    }
    // Legend at the bottom, in series order.
    ASSERT_EQ(g.legend.size(), 2u);
    EXPECT_EQ(g.legend[0].name, "Safra 2023");
    EXPECT_EQ(g.legend[1].name, "Safra 2024");
    EXPECT_GT(g.legend[0].swatch.top(), g.plot.bottom());
    EXPECT_LT(g.title.bottom(), g.plot.top());
}

TEST(BarChart, PaintsBarsAndLegendInTheSeriesColours) {
    const BarChart chart = harvestChart();
    QImage image(900, 600, QImage::Format_RGB32);
    image.fill(Qt::black);
    {
        QPainter p(&image);
        chart.paint(p, image.rect());
    }
    const ChartGeometry g = chart.geometry(image.rect(), &image);
    const QRect plot = g.plot.toRect();
    EXPECT_GT(countColour(image, plot, Qt::red), 1000);
    EXPECT_GT(countColour(image, plot, QColor(0, 128, 0)), 1000);
    const QRect legend(0, int(g.legend[0].swatch.top()), 900, int(g.legend[0].swatch.height()));
    EXPECT_GT(countColour(image, legend, Qt::red), 10);
    EXPECT_GT(countColour(image, legend, QColor(0, 128, 0)), 10);
    if (qEnvironmentVariableIsSet("DRAV_REPORT_SNAPSHOT"))
        image.save(qEnvironmentVariable("DRAV_REPORT_SNAPSHOT") + QStringLiteral("/chart.png"));
}

TEST(BarChart, LongNamesStandUpright) {
    BarChart chart = harvestChart();
    for (int i = 0; i < 30; ++i)
        chart.addCategory(QStringLiteral("COLABORADOR COM NOME LONGO %1").arg(i), {1.0 * i, 2.0 * i});
    QImage image(900, 600, QImage::Format_RGB32);
    const ChartGeometry g = chart.geometry(image.rect(), &image);
    ASSERT_FALSE(g.labels.empty());
    EXPECT_TRUE(g.labels[0].rotated);
    EXPECT_GT(g.plot.height(), 200);
}

TEST(BarChart, ClearKeepsTheSeries) {
    BarChart chart = harvestChart();
    chart.clear();
    EXPECT_TRUE(chart.isEmpty());
    ASSERT_EQ(chart.series.size(), 2u);
    EXPECT_TRUE(chart.series[0].values.empty());
    QImage image(400, 300, QImage::Format_RGB32);
    QPainter p(&image);
    chart.paint(p, image.rect());  // an empty chart draws its frame only
}

} // namespace
} // namespace drav::report
