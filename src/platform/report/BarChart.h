#pragma once
// A bar chart of a few series side by side per category, with the value
// over each bar, a title on top and the legend at the bottom. It draws with
// QPainter onto any device (a widget, a printer, an image); geometry() tells
// where everything goes, so tests can check the layout without pixels.

#include "platform/report/PageModel.h"

#include <QColor>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QPainter;
class QPaintDevice;
class QPagedPaintDevice;

namespace drav::report {

struct BarSeries {
    QString name;
    QColor color;
    std::vector<double> values;  // one per category
};

struct ChartGeometry {
    struct Bar {
        int series = 0;
        int category = 0;
        double value = 0;
        QRectF rect;
    };
    struct Mark {
        int series = 0;
        int category = 0;
        QString text;
        QRectF rect;
    };
    struct Tick {
        double value = 0;
        double y = 0;
        QString text;
    };
    struct LegendEntry {
        QString name;
        QColor color;
        QRectF swatch;
        QRectF text;
    };
    struct CategoryLabel {
        QString text;
        QRectF rect;
        bool rotated = false;
    };

    QRectF title;
    QRectF plot;
    double baseline = 0;  // y of the value 0
    std::vector<Bar> bars;
    std::vector<Mark> marks;
    std::vector<Tick> ticks;
    std::vector<CategoryLabel> labels;
    std::vector<LegendEntry> legend;
};

class BarChart {
public:
    QString title;
    QStringList categories;
    std::vector<BarSeries> series;
    // The text of a value mark; default "#,##0.###" with decimal comma.
    std::function<QString(double)> markText;
    Font titleFont{QString::fromLatin1(kDefaultFontFamily), 12, true, false};
    Font textFont{QString::fromLatin1(kDefaultFontFamily), 8, false, false};
    // Share of a category's slot the bars of all series take together.
    double barGroupWidth = 0.5;

    BarChart();

    // A colour value of the old layouts, stored as 0x00BBGGRR.
    static QColor fromBgr(quint32 bgr);

    // Adds a series; returns its index.
    int addSeries(const QString &name, const QColor &color);
    // Adds a category with one value per series (missing ones are 0).
    void addCategory(const QString &label, const std::vector<double> &values);
    // Empties categories and values; series keep their names and colours.
    void clear();
    bool isEmpty() const { return categories.isEmpty(); }

    // `area` in the device's pixels; `device` gives the font metrics.
    ChartGeometry geometry(const QRectF &area, QPaintDevice *device) const;
    void paint(QPainter &painter, const QRectF &area) const;
};

// Prints the chart on one landscape A4 page with 10 mm margins; false when
// the device could not be opened.
bool printChart(const BarChart &chart, QPagedPaintDevice &device);

} // namespace drav::report
