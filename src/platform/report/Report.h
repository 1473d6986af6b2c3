#pragma once
// A report described in code: page setup, bands and their elements. The
// engine (generate()) walks the row source and lays the bands out into a
// Document; Render.h draws that onto a printer, a PDF or an image.
//
// Geometry is in millimetres. An element's box is relative to its band: x
// from the left margin, y from the band's top. A box given as {x, w} takes
// the band's whole height.
//
//     Report r;
//     r.setSource(rows);
//     r.pageHeader.setHeight(12);
//     r.pageHeader.label({0, 0, 190, 6}, "RELAÇÃO DE TURMAS").bold().center().size(11);
//     r.pageHeader.system({150, 6, 40, 5}, SystemField::PageNumber, "Página: ").right();
//     r.columns({{"Turma", "idturma", 20, Align::Left, "000000"}, {"Nome", "nome", 80}});
//     r.detail.setShading(Shading::Alternate);
//     r.summary.setHeight(6);
//     r.summary.sum({150, 40}, "valor").mask("R$0.00").right();

#include "platform/report/Format.h"
#include "platform/report/PageModel.h"
#include "platform/report/RowSource.h"

#include <QDateTime>

#include <deque>
#include <functional>
#include <memory>

namespace drav::report {

class Band;
class Element;

// Light grey of the alternating shade, and the window system's button face
// used by the reports that shade by row number.
inline const QColor kShadeGrey{0xF3, 0xF3, 0xF3};
inline const QColor kButtonFace{0xF0, 0xF0, 0xF0};

struct PageSetup {
    Orientation orientation = Orientation::Portrait;
    QSizeF paper{210, 297};  // A4, portrait
    double marginLeft = 10, marginTop = 10, marginRight = 10, marginBottom = 10;

    QSizeF size() const;  // oriented
    double contentWidth() const { return size().width() - marginLeft - marginRight; }
};

struct Box {
    double x = 0, y = 0, w = 0, h = -1;  // h < 0: the band's height
    Box(double x_, double y_, double w_, double h_) : x(x_), y(y_), w(w_), h(h_) {}
    Box(double x_, double w_) : x(x_), w(w_) {}
};

enum class SystemField { Date, Time, DateTime, PageNumber, DetailCount };
enum class AggregateKind { Sum, Count, Min, Max, Average };
enum class Shading { None, Alternate, ByRowNumber };

using ValueFn = std::function<QVariant(const Row &)>;

// What a band's hooks see. The before-print hook may set `print` to false to
// leave the band out, change `fill`, and set texts and values of elements.
struct BandEvent {
    Band &band;
    const Row &row;      // the row the band prints (for a group footer: the group's last row)
    int page = 0;        // current page number, from 1
    int detailCount = 0; // detail bands printed so far
    int rowNumber = 0;   // number of the current row of its source, from 1
    bool print = true;
    std::optional<QColor> fill;
};
using BandHook = std::function<void(BandEvent &)>;

class Element {
public:
    enum class Kind { Label, Field, Computed, System, Aggregate, Line, Frame, Chart };

    Kind kind() const { return kind_; }

    // Appearance.
    Element &font(const Font &f) { font_ = f; return *this; }
    Element &size(double points) { font_.points = points; return *this; }
    Element &bold(bool on = true) { font_.bold = on; return *this; }
    Element &italic(bool on = true) { font_.italic = on; return *this; }
    Element &align(Align a) { align_ = a; return *this; }
    Element &left() { return align(Align::Left); }
    Element &center() { return align(Align::Center); }
    Element &right() { return align(Align::Right); }
    Element &wrap(bool on = true) { wrap_ = on; return *this; }
    Element &color(const QColor &c) { color_ = c; return *this; }
    Element &pen(double mm) { pen_ = mm; return *this; }
    Element &mask(const QString &m) { mask_ = m; return *this; }
    // Text printed before / after the value ("Página: ", " %").
    Element &prefix(const QString &p) { prefix_ = p; return *this; }
    Element &suffix(const QString &s) { suffix_ = s; return *this; }
    Element &setVisible(bool on) { visible_ = on; return *this; }

    // Aggregates. Fed by the main detail band unless told otherwise.
    Element &feedBy(const Band &band) { feeder_ = &band; return *this; }
    // Start again after the element's band printed. Default: on in group
    // headers and footers, off elsewhere (a summary covers the report).
    Element &resetAfterPrint(bool on) { resetAfterPrint_ = on; return *this; }

    // Labels: set by code before the preview or in a before-print hook.
    Element &setText(const QString &t) { text_ = t; value_ = QVariant(); return *this; }
    // A value printed through the element's mask.
    Element &setValue(const QVariant &v) { value_ = v; text_.clear(); return *this; }

    QString text() const { return text_; }
    // Fields and aggregates: the value last printed (or being printed).
    QVariant value() const { return value_; }
    bool visible() const { return visible_; }
    QString field() const { return field_; }
    const QString &maskText() const { return mask_; }

private:
    friend class Band;
    friend class Engine;

    Kind kind_ = Kind::Label;
    Box box_{0, 0};
    QPointF to_;  // lines: the end point
    Font font_;
    Align align_ = Align::Left;
    bool wrap_ = false;
    QColor color_ = Qt::black;
    double pen_ = 0.2;
    QString mask_, prefix_, suffix_;
    bool visible_ = true;

    QString text_;
    QVariant value_;
    QString field_;
    // Fields: the position in the rows of `fieldLayout_`, held so that no
    // other walk's layout can take its place in memory.
    std::shared_ptr<const QHash<QString, int>> fieldLayout_;
    int fieldPos_ = -1;
    ValueFn compute_;
    SystemField system_ = SystemField::Date;
    std::shared_ptr<const BarChart> chart_;

    AggregateKind aggregate_ = AggregateKind::Sum;
    const Band *feeder_ = nullptr;
    std::optional<bool> resetAfterPrint_;
    struct Running {
        double sum = 0;
        int count = 0;
        QVariant min, max;
    } running_;
};

class Band {
public:
    explicit Band(BandKind kind, double height = 0) : kind_(kind), height_(height) {}
    Band(const Band &) = delete;
    Band &operator=(const Band &) = delete;

    BandKind kind() const { return kind_; }
    // A band of height 0 is not printed.
    double height() const { return height_; }
    Band &setHeight(double mm) { height_ = mm; return *this; }
    // Shown in dumps, to tell bands of the same kind apart.
    Band &setName(const QString &name) { name_ = name; return *this; }
    const QString &name() const { return name_; }
    Band &setShading(Shading s) { shading_ = s; return *this; }
    Shading shading() const { return shading_; }
    // A fixed background (no shading).
    Band &setColor(const QColor &c) { color_ = c; return *this; }

    BandHook beforePrint;
    BandHook afterPrint;

    Element &label(const Box &box, const QString &text);
    Element &field(const Box &box, const QString &fieldName);
    // A value computed from the row ("total / colab").
    Element &compute(const Box &box, ValueFn fn);
    Element &system(const Box &box, SystemField what, const QString &prefix = {});
    Element &aggregate(const Box &box, AggregateKind kind, ValueFn fn);
    Element &aggregate(const Box &box, AggregateKind kind, const QString &fieldName);
    // Aggregate over the value another element printed (one set in a hook).
    Element &aggregate(const Box &box, AggregateKind kind, const Element &source);
    Element &sum(const Box &box, const QString &f) { return aggregate(box, AggregateKind::Sum, f); }
    Element &min(const Box &box, const QString &f) { return aggregate(box, AggregateKind::Min, f); }
    Element &max(const Box &box, const QString &f) { return aggregate(box, AggregateKind::Max, f); }
    Element &average(const Box &box, const QString &f) { return aggregate(box, AggregateKind::Average, f); }
    // Number of bands printed by the feeder (the main detail by default).
    Element &count(const Box &box);
    Element &line(QPointF from, QPointF to);
    // A horizontal rule across the content width at `y`.
    Element &rule(double y);
    Element &frame(const Box &box);
    Element &chart(const Box &box, std::shared_ptr<const BarChart> chart);

    std::deque<Element> &elements() { return elements_; }
    const std::deque<Element> &elements() const { return elements_; }

private:
    friend class Engine;
    Element &add(Element::Kind kind, const Box &box);

    BandKind kind_;
    double height_;
    QString name_;
    Shading shading_ = Shading::None;
    std::optional<QColor> color_;
    std::deque<Element> elements_;  // deque: references handed out stay valid
};

struct Group {
    ValueFn key;                // a new group starts when it changes
    Band header{BandKind::GroupHeader};
    Band footer{BandKind::GroupFooter};
    bool newPage = false;       // each group starts on a new page
};

// Rows of a second source printed under their own header: after all the main
// details (the default), or after each detail row (`perDetailRow`; the
// detail's hooks reposition the source for the row).
struct SubDetail {
    RowSource *source = nullptr;
    Band header{BandKind::SubDetailHeader};
    Band detail{BandKind::SubDetail};
    Band footer{BandKind::SubDetailFooter};
    bool perDetailRow = false;
};

// One column of a listing: a caption in the column header band over a field
// in the detail band.
struct Column {
    QString caption;
    QString field;  // empty: a caption without a field
    double width = 20;
    Align align = Align::Left;
    QString mask;
};

class Report {
public:
    Report();
    Report(const Report &) = delete;
    Report &operator=(const Report &) = delete;

    PageSetup page;
    QString caption;  // the preview window's title and the PDF's title
    Formatter formatter = formatValue;
    // The clock of the date and time fields; tests pin it.
    std::function<QDateTime()> clock = [] { return QDateTime::currentDateTime(); };
    // Runs at the start of every generation: reset the report's own running
    // values here, as the preview lays the report out again to print it.
    std::function<void()> beforeGenerate;

    Band title{BandKind::Title};              // once, on the first page
    Band pageHeader{BandKind::PageHeader};    // every page, the first too
    Band columnHeader{BandKind::ColumnHeader};// every page, below the header
    Band detail{BandKind::Detail};            // one per row
    Band summary{BandKind::Summary};          // once, at the end
    Band pageFooter{BandKind::PageFooter};    // at the bottom of every page, the last too
    bool summaryOnNewPage = false;

    void setSource(RowSource &source) { source_ = &source; }
    RowSource *source() const { return source_; }
    void setLandscape(bool on = true) { page.orientation = on ? Orientation::Landscape : Orientation::Portrait; }

    // Groups nest in the order they are added (outermost first).
    Group &group(const QString &keyField);
    Group &group(ValueFn key);
    SubDetail &subDetail(RowSource &source);
    std::deque<Group> &groups() { return groups_; }
    std::deque<SubDetail> &subDetails() { return subDetails_; }

    // Lays columns out left to right from `x`, captions into the column
    // header (height 5 mm unless set) and fields into the detail band (the
    // same); returns the detail elements in order.
    std::vector<Element *> columns(const std::vector<Column> &cols, double x = 0);

    // Lays the report out from the first row. Every running value (totals,
    // counts, shading) starts again, so two generations give the same pages.
    Document generate();

private:
    RowSource *source_ = nullptr;
    std::deque<Group> groups_;
    std::deque<SubDetail> subDetails_;
};

} // namespace drav::report
