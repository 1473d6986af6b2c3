#include "platform/report/PageModel.h"

#include "platform/report/BarChart.h"

namespace drav::report {

QString bandKindName(BandKind kind) {
    switch (kind) {
    case BandKind::Title:
        return QStringLiteral("title");
    case BandKind::PageHeader:
        return QStringLiteral("pageHeader");
    case BandKind::ColumnHeader:
        return QStringLiteral("columnHeader");
    case BandKind::GroupHeader:
        return QStringLiteral("groupHeader");
    case BandKind::Detail:
        return QStringLiteral("detail");
    case BandKind::SubDetailHeader:
        return QStringLiteral("subDetailHeader");
    case BandKind::SubDetail:
        return QStringLiteral("subDetail");
    case BandKind::SubDetailFooter:
        return QStringLiteral("subDetailFooter");
    case BandKind::GroupFooter:
        return QStringLiteral("groupFooter");
    case BandKind::Summary:
        return QStringLiteral("summary");
    case BandKind::PageFooter:
        return QStringLiteral("pageFooter");
    }
    return QStringLiteral("?");
}

namespace {

QString mm(double v) { return QString::number(v, 'f', 2); }

QString rect(const QRectF &r) {
    return mm(r.x()) + u' ' + mm(r.y()) + u' ' + mm(r.width()) + u' ' + mm(r.height());
}

QString colorName(const QColor &c) { return c.name(QColor::HexRgb); }

QString alignName(Align a) {
    switch (a) {
    case Align::Left:
        return QStringLiteral("left");
    case Align::Center:
        return QStringLiteral("center");
    case Align::Right:
        return QStringLiteral("right");
    }
    return {};
}

QString fontName(const Font &f) {
    QString s = QString::number(f.points, 'g', 4);
    if (f.bold)
        s += u'b';
    if (f.italic)
        s += u'i';
    if (f.family != QLatin1String(kDefaultFontFamily))
        s += u'/' + f.family;
    return s;
}

QString quoted(QString text) {
    text.replace(u'\\', QLatin1String("\\\\")).replace(u'"', QLatin1String("\\\"")).replace(u'\n', QLatin1String("\\n"));
    return u'"' + text + u'"';
}

struct ItemDumper {
    QString operator()(const TextItem &t) const {
        QString s = QStringLiteral("text ") + rect(t.box) + u' ' + alignName(t.align) + u' ' + fontName(t.font);
        if (t.wrap)
            s += QStringLiteral(" wrap");
        if (t.color != Qt::black)
            s += u' ' + colorName(t.color);
        return s + u' ' + quoted(t.text);
    }
    QString operator()(const LineItem &l) const {
        return QStringLiteral("line ") + mm(l.from.x()) + u' ' + mm(l.from.y()) + u' ' + mm(l.to.x()) + u' ' +
               mm(l.to.y()) + QStringLiteral(" pen ") + mm(l.width);
    }
    QString operator()(const RectItem &r) const {
        return QStringLiteral("rect ") + rect(r.box) + QStringLiteral(" pen ") + mm(r.width);
    }
    QString operator()(const ChartItem &c) const {
        return QStringLiteral("chart ") + rect(c.box) + u' ' + quoted(c.chart ? c.chart->title : QString());
    }
};

void appendTexts(const PlacedBand &band, QStringList &out) {
    for (const Item &item : band.items)
        if (const auto *t = std::get_if<TextItem>(&item))
            out << t->text;
}

} // namespace

QStringList PlacedBand::texts() const {
    QStringList out;
    appendTexts(*this, out);
    return out;
}

QString PlacedBand::line() const { return texts().join(QStringLiteral(" | ")); }

QStringList Page::texts() const {
    QStringList out;
    for (const PlacedBand &b : bands)
        appendTexts(b, out);
    return out;
}

std::vector<const PlacedBand *> Page::bandsOf(BandKind kind) const {
    std::vector<const PlacedBand *> out;
    for (const PlacedBand &b : bands)
        if (b.kind == kind)
            out.push_back(&b);
    return out;
}

QStringList Document::texts() const {
    QStringList out;
    for (const Page &p : pages)
        out += p.texts();
    return out;
}

std::vector<const PlacedBand *> Document::bandsOf(BandKind kind) const {
    std::vector<const PlacedBand *> out;
    for (const Page &p : pages)
        for (const PlacedBand *b : p.bandsOf(kind))
            out.push_back(b);
    return out;
}

QString Document::dump() const {
    QString out = QStringLiteral("document ") + quoted(caption) + u' ' +
                  (orientation == Orientation::Portrait ? QStringLiteral("portrait ") : QStringLiteral("landscape ")) +
                  mm(pageSize.width()) + u' ' + mm(pageSize.height()) + u'\n';
    for (const Page &page : pages) {
        out += QStringLiteral("page ") + QString::number(page.number) + u'\n';
        for (const PlacedBand &band : page.bands) {
            out += QStringLiteral("  band ") + bandKindName(band.kind);
            if (!band.name.isEmpty())
                out += u' ' + quoted(band.name);
            out += u' ' + rect(band.box);
            if (band.fill)
                out += QStringLiteral(" fill ") + colorName(*band.fill);
            out += u'\n';
            for (const Item &item : band.items)
                out += QStringLiteral("    ") + std::visit(ItemDumper{}, item) + u'\n';
        }
    }
    return out;
}

} // namespace drav::report
