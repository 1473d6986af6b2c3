#include "platform/report/BarChart.h"

#include "platform/report/Format.h"
#include "platform/report/Render.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace drav::report {

namespace {

// 1, 2 or 5 times a power of ten, at least `raw`.
double niceStep(double raw) {
    if (raw <= 0)
        return 1;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (m * magnitude >= raw * (1 - 1e-9))
            return m * magnitude;
    return 10 * magnitude;
}

struct Range {
    double low = 0, high = 1, step = 1;
};

// The value axis always holds 0 and leaves room over the highest bar for its mark.
Range valueRange(const std::vector<BarSeries> &series) {
    double low = 0, high = 0;
    for (const BarSeries &s : series)
        for (double v : s.values) {
            low = std::min(low, v);
            high = std::max(high, v);
        }
    if (high - low <= 0)
        high = 1;
    const double step = niceStep((high - low) * 1.1 / 5);
    return {std::floor(low / step) * step, std::ceil(high * 1.1 / step) * step, step};
}

} // namespace

BarChart::BarChart() : markText([](double v) { return formatNumber(QStringLiteral("#,##0.###"), v); }) {}

QColor BarChart::fromBgr(quint32 bgr) { return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF)); }

int BarChart::addSeries(const QString &name, const QColor &color) {
    series.push_back({name, color, std::vector<double>(std::size_t(categories.size()), 0.0)});
    return int(series.size()) - 1;
}

void BarChart::addCategory(const QString &label, const std::vector<double> &values) {
    categories << label;
    for (std::size_t i = 0; i < series.size(); ++i)
        series[i].values.push_back(i < values.size() ? values[i] : 0.0);
}

void BarChart::clear() {
    categories.clear();
    for (BarSeries &s : series)
        s.values.clear();
}

ChartGeometry BarChart::geometry(const QRectF &area, QPaintDevice *device) const {
    ChartGeometry g;
    const QFontMetricsF titleFm(toQFont(titleFont), device);
    const QFontMetricsF fm(toQFont(textFont), device);
    const double u = fm.height();
    const int n = int(categories.size());

    g.title = QRectF(area.left(), area.top(), area.width(), titleFm.height() * 1.8);
    const double legendHeight = u * 2;
    const QRectF legendRow(area.left(), area.bottom() - legendHeight, area.width(), legendHeight);

    const Range range = valueRange(series);
    double tickWidth = 0;
    for (double v = range.low; v <= range.high + range.step / 2; v += range.step) {
        g.ticks.push_back({v, 0, markText(v)});
        tickWidth = std::max(tickWidth, fm.horizontalAdvance(g.ticks.back().text));
    }

    // Category labels go under the axis, turned upright when they do not fit their slot.
    const double plotLeft = area.left() + tickWidth + u;
    const double plotRight = area.right() - u;
    const double slot = n > 0 ? (plotRight - plotLeft) / n : plotRight - plotLeft;
    double widest = 0;
    for (const QString &c : categories)
        widest = std::max(widest, fm.horizontalAdvance(c));
    const bool rotated = widest > slot * 0.95;
    const double labelsHeight = rotated ? std::min(widest + u * 0.5, area.height() * 0.3) : u * 1.5;

    const double plotTop = g.title.bottom() + u;
    const double plotBottom = legendRow.top() - labelsHeight;
    g.plot = QRectF(QPointF(plotLeft, plotTop), QPointF(plotRight, plotBottom));
    const auto yOf = [&](double v) {
        return plotBottom - (v - range.low) / (range.high - range.low) * (plotBottom - plotTop);
    };
    g.baseline = yOf(0);
    for (ChartGeometry::Tick &t : g.ticks)
        t.y = yOf(t.value);

    const int seriesCount = std::max<int>(1, int(series.size()));
    const double barWidth = slot * barGroupWidth / seriesCount;
    for (int c = 0; c < n; ++c) {
        const double slotLeft = plotLeft + c * slot;
        const double groupLeft = slotLeft + slot * (1 - barGroupWidth) / 2;
        for (int s = 0; s < int(series.size()); ++s) {
            const double v = std::size_t(c) < series[std::size_t(s)].values.size()
                                 ? series[std::size_t(s)].values[std::size_t(c)]
                                 : 0.0;
            const double x = groupLeft + s * barWidth;
            const QRectF bar = QRectF(QPointF(x, yOf(v)), QPointF(x + barWidth, g.baseline)).normalized();
            g.bars.push_back({s, c, v, bar});
            const QString text = markText(v);
            const double markWidth = fm.horizontalAdvance(text) + u * 0.4;
            const double markTop = v >= 0 ? bar.top() - u * 1.2 : bar.bottom() + u * 0.1;
            g.marks.push_back({s, c, text, QRectF(bar.center().x() - markWidth / 2, markTop, markWidth, u * 1.1)});
        }
        if (rotated)
            g.labels.push_back({categories[c], QRectF(slotLeft, plotBottom + u * 0.3, slot, labelsHeight - u * 0.3), true});
        else
            g.labels.push_back({categories[c], QRectF(slotLeft, plotBottom + u * 0.2, slot, u * 1.2), false});
    }

    // Legend: swatch and name per series, the row centred.
    double rowWidth = 0;
    for (const BarSeries &s : series)
        rowWidth += u * 1.4 + fm.horizontalAdvance(s.name) + u * 1.5;
    double x = legendRow.center().x() - rowWidth / 2;
    for (const BarSeries &s : series) {
        const QRectF swatch(x, legendRow.center().y() - u * 0.4, u * 0.8, u * 0.8);
        const QRectF text(x + u * 1.2, legendRow.center().y() - u * 0.6, fm.horizontalAdvance(s.name) + u * 0.2, u * 1.2);
        g.legend.push_back({s.name, s.color, swatch, text});
        x = text.right() + u * 1.5;
    }
    return g;
}

void BarChart::paint(QPainter &p, const QRectF &area) const {
    const ChartGeometry g = geometry(area, p.device());
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(area, Qt::white);

    p.setFont(toQFont(titleFont));
    p.setPen(Qt::black);
    p.drawText(g.title, Qt::AlignCenter | Qt::TextSingleLine, title);

    const QFont text = toQFont(textFont);
    p.setFont(text);
    const QFontMetricsF fm(text, p.device());
    for (const ChartGeometry::Tick &t : g.ticks) {
        p.setPen(QColor(0xD0, 0xD0, 0xD0));
        p.drawLine(QPointF(g.plot.left(), t.y), QPointF(g.plot.right(), t.y));
        p.setPen(Qt::black);
        p.drawText(QRectF(area.left(), t.y - fm.height() / 2, g.plot.left() - area.left() - fm.height() * 0.3,
                          fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter, t.text);
    }
    p.setPen(Qt::black);
    p.drawLine(g.plot.bottomLeft(), g.plot.topLeft());
    p.drawLine(QPointF(g.plot.left(), g.baseline), QPointF(g.plot.right(), g.baseline));

    for (const ChartGeometry::Bar &b : g.bars) {
        p.setPen(series[std::size_t(b.series)].color.darker(150));
        p.setBrush(series[std::size_t(b.series)].color);
        p.drawRect(b.rect);
    }
    for (const ChartGeometry::Mark &m : g.marks) {
        p.setPen(QColor(0x80, 0x80, 0x80));
        p.setBrush(Qt::white);
        p.drawRect(m.rect);
        p.setPen(Qt::black);
        p.drawText(m.rect, Qt::AlignCenter | Qt::TextSingleLine, m.text);
    }
    for (const ChartGeometry::CategoryLabel &l : g.labels) {
        if (!l.rotated) {
            p.drawText(l.rect, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine,
                       fm.elidedText(l.text, Qt::ElideRight, l.rect.width()));
            continue;
        }
        p.save();
        p.translate(l.rect.center().x(), l.rect.top());
        p.rotate(-90);
        const QRectF upright(-l.rect.height(), -l.rect.width() / 2, l.rect.height(), l.rect.width());
        p.drawText(upright, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine,
                   fm.elidedText(l.text, Qt::ElideRight, l.rect.height()));
        p.restore();
    }
    for (const ChartGeometry::LegendEntry &e : g.legend) {
        p.setPen(e.color.darker(150));
        p.setBrush(e.color);
        p.drawRect(e.swatch);
        p.setPen(Qt::black);
        p.drawText(e.text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, e.name);
    }
    p.restore();
}

bool printChart(const BarChart &chart, QPagedPaintDevice &device) {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0),
                                     QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const double k = device.logicalDpiX() / 25.4;
    chart.paint(painter, QRectF(10 * k, 10 * k, 277 * k, 190 * k));
    return painter.end();
}

} // namespace drav::report
