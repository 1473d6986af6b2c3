#pragma once
// The laid-out report: pages of placed bands, each with its text runs,
// lines and frames, positioned in millimetres from the paper's top-left
// corner. Tests read it directly or through dump(); Render.h draws it.

#include <QColor>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <variant>
#include <vector>

namespace drav::report {

class BarChart;

enum class Align { Left, Center, Right };
enum class Orientation { Portrait, Landscape };

enum class BandKind {
    Title,
    PageHeader,
    ColumnHeader,
    GroupHeader,
    Detail,
    SubDetailHeader,
    SubDetail,
    SubDetailFooter,
    GroupFooter,
    Summary,
    PageFooter,
};
QString bandKindName(BandKind kind);

// A fixed family installed everywhere we run (fonts-dejavu-core), so that a
// layout looks the same on the office machines, in CI and in the PDF.
inline constexpr auto kDefaultFontFamily = "DejaVu Sans";

struct Font {
    QString family = QString::fromLatin1(kDefaultFontFamily);
    double points = 8.0;
    bool bold = false;
    bool italic = false;
    bool operator==(const Font &) const = default;
};

struct TextItem {
    QRectF box;
    QString text;
    Font font;
    Align align = Align::Left;
    bool wrap = false;
    QColor color = Qt::black;
};

struct LineItem {
    QPointF from;
    QPointF to;
    double width = 0.2;  // mm
    QColor color = Qt::black;
};

struct RectItem {
    QRectF box;
    double width = 0.2;  // mm
    QColor color = Qt::black;
};

struct ChartItem {
    QRectF box;
    std::shared_ptr<const BarChart> chart;
};

using Item = std::variant<TextItem, LineItem, RectItem, ChartItem>;

struct PlacedBand {
    BandKind kind = BandKind::Detail;
    QString name;
    QRectF box;                  // the band's area on the page
    std::optional<QColor> fill;  // shading, drawn under the items
    std::vector<Item> items;

    QStringList texts() const;
    // The texts joined by " | ", left to right as placed: handy in asserts.
    QString line() const;
};

struct Page {
    int number = 0;
    std::vector<PlacedBand> bands;

    QStringList texts() const;
    std::vector<const PlacedBand *> bandsOf(BandKind kind) const;
    int count(BandKind kind) const { return int(bandsOf(kind).size()); }
};

struct Document {
    QString caption;
    Orientation orientation = Orientation::Portrait;
    QSizeF pageSize{210, 297};  // mm, oriented
    std::vector<Page> pages;

    int pageCount() const { return int(pages.size()); }
    QStringList texts() const;
    std::vector<const PlacedBand *> bandsOf(BandKind kind) const;
    // A stable, line-per-item text form of the whole document for golden tests.
    QString dump() const;
};

} // namespace drav::report
