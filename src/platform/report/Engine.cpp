// The layout engine: walks the rows once, prints the bands in report order
// and breaks pages, collecting the result as a Document.

#include "platform/report/Report.h"

#include <map>

namespace drav::report {

namespace {

constexpr double kEpsilon = 1e-6;

bool isPageBand(BandKind k) { return k == BandKind::PageHeader || k == BandKind::PageFooter; }

bool resetsByDefault(BandKind k) {
    return k == BandKind::GroupHeader || k == BandKind::GroupFooter || k == BandKind::SubDetailFooter;
}

bool isLess(const QVariant &a, const QVariant &b) {
    return QVariant::compare(a, b) == QPartialOrdering::Less;
}

} // namespace

class Engine {
public:
    explicit Engine(Report &report) : r_(report) {}
    Document run();

private:
    using RowNumber = int;

    std::vector<Band *> allBands();
    void resetRunningValues();
    void mainRows();
    void subDetailRows(SubDetail &s);
    void closeGroups(std::size_t level, const Row &last);
    void openGroups(std::size_t level, const Row &row, std::vector<QVariant> &keys);

    bool printBand(Band &band, const Row &row, RowNumber rowNumber = 0);
    std::optional<QColor> shade(const Band &band, RowNumber rowNumber);
    void evaluate(Band &band, const Row &row);
    QVariant fieldValue(Element &e, const Row &row);
    void feed(const Band &band, const Row &row);
    QVariant aggregateValue(const Element &e) const;
    QString textOf(const Element &e) const;
    void place(const Band &band, const std::optional<QColor> &fill);
    void resetAfterPrint(Band &band);

    bool fits(double height) const;
    void startPage();
    void finishPage();
    void newPage();
    Page &page() { return doc_.pages.back(); }

    Report &r_;
    Document doc_;
    QDateTime now_;
    double y_ = 0;
    bool bodyOnPage_ = false;
    int detailCount_ = 0;
    Row noRow_;
    Row lastRow_;                   // the row that printed last
    const Row *current_ = &noRow_;  // the row page headers and footers see
    std::map<const Band *, bool> shadeGrey_;
    std::map<const Band *, std::vector<Element *>> fedBy_;
};

Document Report::generate() { return Engine(*this).run(); }

Document Engine::run() {
    resetRunningValues();
    if (r_.beforeGenerate)
        r_.beforeGenerate();
    now_ = r_.clock ? r_.clock() : QDateTime::currentDateTime();
    doc_.caption = r_.caption;
    doc_.orientation = r_.page.orientation;
    doc_.pageSize = r_.page.size();

    startPage();
    mainRows();
    for (SubDetail &s : r_.subDetails())
        if (!s.perDetailRow)
            subDetailRows(s);
    if (r_.summaryOnNewPage && bodyOnPage_)
        newPage();
    printBand(r_.summary, *current_);
    finishPage();
    return std::move(doc_);
}

std::vector<Band *> Engine::allBands() {
    std::vector<Band *> bands{&r_.title, &r_.pageHeader, &r_.columnHeader, &r_.detail, &r_.summary, &r_.pageFooter};
    for (Group &g : r_.groups()) {
        bands.push_back(&g.header);
        bands.push_back(&g.footer);
    }
    for (SubDetail &s : r_.subDetails()) {
        bands.push_back(&s.header);
        bands.push_back(&s.detail);
        bands.push_back(&s.footer);
    }
    return bands;
}

void Engine::resetRunningValues() {
    for (Band *band : allBands())
        for (Element &e : band->elements_) {
            if (e.kind_ == Element::Kind::Aggregate) {
                e.running_ = {};
                fedBy_[e.feeder_ ? e.feeder_ : &r_.detail].push_back(&e);
            }
            if (e.kind_ != Element::Kind::Label)
                e.value_ = QVariant();
        }
}

void Engine::mainRows() {
    RowSource *src = r_.source();
    if (!src || !src->first())
        return;
    const QStringList fields = src->fields();
    const auto index = Row::indexOf(fields);
    std::vector<QVariant> keys(r_.groups().size());
    RowNumber number = 0;
    do {
        const Row row(*src, index, fields);
        ++number;
        std::size_t level = 0;
        if (number > 1) {
            level = keys.size();
            for (std::size_t i = 0; i < keys.size(); ++i)
                if (r_.groups()[i].key(row) != keys[i]) {
                    level = i;
                    break;
                }
            closeGroups(level, lastRow_);
        }
        current_ = &row;
        openGroups(level, row, keys);
        if (printBand(r_.detail, row, number))
            for (SubDetail &s : r_.subDetails())
                if (s.perDetailRow)
                    subDetailRows(s);
        lastRow_ = row;
        current_ = &lastRow_;
    } while (src->next());
    closeGroups(0, lastRow_);
}

void Engine::closeGroups(std::size_t level, const Row &last) {
    for (std::size_t i = r_.groups().size(); i-- > level;)
        printBand(r_.groups()[i].footer, last);
}

void Engine::openGroups(std::size_t level, const Row &row, std::vector<QVariant> &keys) {
    for (std::size_t i = level; i < keys.size(); ++i) {
        Group &g = r_.groups()[i];
        keys[i] = g.key(row);
        if (g.newPage && bodyOnPage_)
            newPage();
        printBand(g.header, row);
    }
}

void Engine::subDetailRows(SubDetail &s) {
    if (!s.source || !s.source->first())
        return;
    const QStringList fields = s.source->fields();
    const auto index = Row::indexOf(fields);
    Row row(*s.source, index, fields);
    printBand(s.header, row);
    RowNumber number = 0;
    do {
        row = Row(*s.source, index, fields);
        printBand(s.detail, row, ++number);
    } while (s.source->next());
    printBand(s.footer, row);
}

// Runs the band's hooks and places it; false when the hook left it out.
bool Engine::printBand(Band &band, const Row &row, RowNumber rowNumber) {
    BandEvent ev{band, row, page().number, detailCount_, rowNumber};
    ev.fill = shade(band, rowNumber);
    if (band.beforePrint)
        band.beforePrint(ev);
    if (!ev.print) {
        resetAfterPrint(band);
        return false;
    }
    if (band.kind() == BandKind::Detail)
        ++detailCount_;
    const double height = band.height();
    if (height > 0 && !isPageBand(band.kind()) && !fits(height) && bodyOnPage_)
        newPage();
    evaluate(band, row);
    if (height > 0)
        place(band, ev.fill);
    ev.page = page().number;
    ev.detailCount = detailCount_;
    if (band.afterPrint)
        band.afterPrint(ev);
    resetAfterPrint(band);
    return true;
}

std::optional<QColor> Engine::shade(const Band &band, RowNumber rowNumber) {
    switch (band.shading()) {
    case Shading::Alternate: {
        // The colour switches before each band, starting from white.
        bool &grey = shadeGrey_[&band];
        grey = !grey;
        return grey ? kShadeGrey : QColor(Qt::white);
    }
    case Shading::ByRowNumber:
        return rowNumber % 2 == 1 ? QColor(Qt::white) : kButtonFace;
    case Shading::None:
        break;
    }
    return band.color_;
}

void Engine::evaluate(Band &band, const Row &row) {
    for (Element &e : band.elements_) {
        switch (e.kind_) {
        case Element::Kind::Field:
            e.value_ = fieldValue(e, row);
            break;
        case Element::Kind::Computed:
            e.value_ = e.compute_(row);
            break;
        case Element::Kind::System:
            switch (e.system_) {
            case SystemField::Date:
                e.value_ = now_.date();
                break;
            case SystemField::Time:
                e.value_ = now_.time();
                break;
            case SystemField::DateTime:
                e.value_ = now_;
                break;
            case SystemField::PageNumber:
                e.value_ = page().number;
                break;
            case SystemField::DetailCount:
                e.value_ = detailCount_;
                break;
            }
            break;
        default:
            break;
        }
    }
    feed(band, row);
    for (Element &e : band.elements_)
        if (e.kind_ == Element::Kind::Aggregate)
            e.value_ = aggregateValue(e);
}

// Rows of one walk share their layout: a field is looked up once per walk.
QVariant Engine::fieldValue(Element &e, const Row &row) {
    if (e.fieldLayout_ != row.layout()) {
        e.fieldLayout_ = row.layout();
        e.fieldPos_ = row.position(e.field_);
    }
    return e.fieldPos_ >= 0 ? row.at(e.fieldPos_) : row.value(e.field_);
}

void Engine::feed(const Band &band, const Row &row) {
    const auto it = fedBy_.find(&band);
    if (it == fedBy_.end())
        return;
    for (Element *e : it->second) {
        Element::Running &run = e->running_;
        if (e->aggregate_ == AggregateKind::Count) {
            ++run.count;
            continue;
        }
        const QVariant v = e->compute_(row);
        if (!v.isValid() || v.isNull())
            continue;
        ++run.count;
        run.sum += v.toDouble();
        if (!run.min.isValid() || isLess(v, run.min))
            run.min = v;
        if (!run.max.isValid() || isLess(run.max, v))
            run.max = v;
    }
}

QVariant Engine::aggregateValue(const Element &e) const {
    const Element::Running &run = e.running_;
    switch (e.aggregate_) {
    case AggregateKind::Sum:
        return run.sum;
    case AggregateKind::Count:
        return run.count;
    case AggregateKind::Min:
        return run.min;
    case AggregateKind::Max:
        return run.max;
    case AggregateKind::Average:
        return run.count > 0 ? QVariant(run.sum / run.count) : QVariant();
    }
    return {};
}

QString Engine::textOf(const Element &e) const {
    const bool hasValue = e.value_.isValid();
    QString body = hasValue ? r_.formatter(e.mask_, e.value_) : e.text_;
    if (e.prefix_.isEmpty() && e.suffix_.isEmpty())
        return body;
    return e.prefix_ + body + e.suffix_;
}

void Engine::place(const Band &band, const std::optional<QColor> &fill) {
    const double left = r_.page.marginLeft;
    const double width = r_.page.contentWidth();
    const double height = band.height();
    PlacedBand placed{band.kind(), band.name(), QRectF(left, y_, width, height), fill, {}};
    placed.items.reserve(band.elements_.size());
    for (const Element &e : band.elements_) {
        if (!e.visible_)
            continue;
        const Box &b = e.box_;
        const QRectF box(left + b.x, y_ + b.y, b.w < 0 ? width : b.w, b.h < 0 ? height - b.y : b.h);
        switch (e.kind_) {
        case Element::Kind::Line: {
            const double x2 = e.to_.x() < 0 ? left + width : left + e.to_.x();
            placed.items.push_back(LineItem{box.topLeft(), QPointF(x2, y_ + e.to_.y()), e.pen_, e.color_});
            break;
        }
        case Element::Kind::Frame:
            placed.items.push_back(RectItem{box, e.pen_, e.color_});
            break;
        case Element::Kind::Chart:
            placed.items.push_back(ChartItem{box, e.chart_});
            break;
        default:
            placed.items.push_back(TextItem{box, textOf(e), e.font_, e.align_, e.wrap_, e.color_});
            break;
        }
    }
    page().bands.push_back(std::move(placed));
    y_ += height;
    if (!isPageBand(band.kind()) && band.kind() != BandKind::ColumnHeader && band.kind() != BandKind::Title)
        bodyOnPage_ = true;
}

void Engine::resetAfterPrint(Band &band) {
    for (Element &e : band.elements_)
        if (e.kind_ == Element::Kind::Aggregate && e.resetAfterPrint_.value_or(resetsByDefault(band.kind())))
            e.running_ = {};
}

bool Engine::fits(double height) const {
    const double bottom = r_.page.size().height() - r_.page.marginBottom - std::max(0.0, r_.pageFooter.height());
    return y_ + height <= bottom + kEpsilon;
}

void Engine::startPage() {
    Page p;
    p.number = int(doc_.pages.size()) + 1;
    // Pages of a listing hold about as many bands as the one before: growing
    // each page's list band by band would copy it over and over.
    p.bands.reserve(doc_.pages.empty() ? 16 : doc_.pages.back().bands.size() + 1);
    doc_.pages.push_back(std::move(p));
    y_ = r_.page.marginTop;
    bodyOnPage_ = false;
    printBand(r_.pageHeader, *current_);
    if (page().number == 1)
        printBand(r_.title, *current_);
    printBand(r_.columnHeader, *current_);
}

void Engine::finishPage() {
    if (r_.pageFooter.height() <= 0)
        return;
    y_ = r_.page.size().height() - r_.page.marginBottom - r_.pageFooter.height();
    printBand(r_.pageFooter, *current_);
}

void Engine::newPage() {
    finishPage();
    startPage();
}

} // namespace drav::report
