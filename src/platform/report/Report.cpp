#include "platform/report/Report.h"

namespace drav::report {

QSizeF PageSetup::size() const {
    const QSizeF portrait(std::min(paper.width(), paper.height()), std::max(paper.width(), paper.height()));
    return orientation == Orientation::Portrait ? portrait : portrait.transposed();
}

Element &Band::add(Element::Kind kind, const Box &box) {
    Element &e = elements_.emplace_back();
    e.kind_ = kind;
    e.box_ = box;
    return e;
}

Element &Band::label(const Box &box, const QString &text) {
    return add(Element::Kind::Label, box).setText(text);
}

Element &Band::field(const Box &box, const QString &fieldName) {
    Element &e = add(Element::Kind::Field, box);
    e.field_ = fieldName;
    return e;
}

Element &Band::compute(const Box &box, ValueFn fn) {
    Element &e = add(Element::Kind::Computed, box);
    e.compute_ = std::move(fn);
    return e;
}

Element &Band::system(const Box &box, SystemField what, const QString &prefix) {
    Element &e = add(Element::Kind::System, box);
    e.system_ = what;
    e.prefix_ = prefix;
    return e;
}

Element &Band::aggregate(const Box &box, AggregateKind kind, ValueFn fn) {
    Element &e = add(Element::Kind::Aggregate, box);
    e.aggregate_ = kind;
    e.compute_ = std::move(fn);
    return e;
}

Element &Band::aggregate(const Box &box, AggregateKind kind, const QString &fieldName) {
    Element &e = aggregate(box, kind, [fieldName](const Row &row) { return row.value(fieldName); });
    e.field_ = fieldName;
    return e;
}

Element &Band::aggregate(const Box &box, AggregateKind kind, const Element &source) {
    const Element *src = &source;
    return aggregate(box, kind, [src](const Row &) { return src->value(); });
}

Element &Band::count(const Box &box) {
    return aggregate(box, AggregateKind::Count, [](const Row &) { return QVariant(1); });
}

Element &Band::line(QPointF from, QPointF to) {
    Element &e = add(Element::Kind::Line, Box(from.x(), from.y(), 0, 0));
    e.to_ = to;
    return e;
}

Element &Band::rule(double y) {
    // The engine stretches a rule of width < 0 across the content width.
    Element &e = add(Element::Kind::Line, Box(0, y, -1, 0));
    e.to_ = QPointF(-1, y);
    return e;
}

Element &Band::frame(const Box &box) { return add(Element::Kind::Frame, box); }

Element &Band::chart(const Box &box, std::shared_ptr<const BarChart> chart) {
    Element &e = add(Element::Kind::Chart, box);
    e.chart_ = std::move(chart);
    return e;
}

Report::Report() = default;

Group &Report::group(const QString &keyField) {
    return group([keyField](const Row &row) { return row.value(keyField); });
}

Group &Report::group(ValueFn key) {
    Group &g = groups_.emplace_back();
    g.key = std::move(key);
    return g;
}

SubDetail &Report::subDetail(RowSource &source) {
    SubDetail &s = subDetails_.emplace_back();
    s.source = &source;
    return s;
}

std::vector<Element *> Report::columns(const std::vector<Column> &cols, double x) {
    if (columnHeader.height() <= 0)
        columnHeader.setHeight(5);
    if (detail.height() <= 0)
        detail.setHeight(5);
    std::vector<Element *> fields;
    for (const Column &c : cols) {
        columnHeader.label({x, c.width}, c.caption).align(c.align).bold();
        if (!c.field.isEmpty())
            fields.push_back(&detail.field({x, c.width}, c.field).align(c.align).mask(c.mask));
        x += c.width;
    }
    return fields;
}

} // namespace drav::report
