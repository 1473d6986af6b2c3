#include "platform/report/Render.h"

#include "platform/report/BarChart.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace drav::report {

QFont toQFont(const Font &font) {
    QFont f(font.family);
    f.setPointSizeF(font.points);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setStyleStrategy(QFont::PreferOutline);
    return f;
}

namespace {

Qt::Alignment toQt(Align a) {
    switch (a) {
    case Align::Left:
        return Qt::AlignLeft;
    case Align::Center:
        return Qt::AlignHCenter;
    case Align::Right:
        return Qt::AlignRight;
    }
    return Qt::AlignLeft;
}

struct ItemPainter {
    QPainter &p;
    double k;  // px per mm

    QRectF px(const QRectF &r) const { return QRectF(r.x() * k, r.y() * k, r.width() * k, r.height() * k); }
    QPen pen(const QColor &c, double mm) const { return QPen(c, std::max(1.0, mm * k)); }

    void operator()(const TextItem &t) const {
        p.setFont(toQFont(t.font));
        p.setPen(t.color);
        const int flags = int(toQt(t.align)) | Qt::AlignVCenter | (t.wrap ? Qt::TextWordWrap : Qt::TextSingleLine);
        p.drawText(px(t.box), flags, t.text);
    }
    void operator()(const LineItem &l) const {
        p.setPen(pen(l.color, l.width));
        p.drawLine(l.from * k, l.to * k);
    }
    void operator()(const RectItem &r) const {
        p.setPen(pen(r.color, r.width));
        p.setBrush(Qt::NoBrush);
        p.drawRect(px(r.box));
    }
    void operator()(const ChartItem &c) const {
        if (c.chart)
            c.chart->paint(p, px(c.box));
    }
};

} // namespace

void paintPage(QPainter &painter, const Page &page, double pxPerMm) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const ItemPainter draw{painter, pxPerMm};
    for (const PlacedBand &band : page.bands) {
        if (band.fill)
            painter.fillRect(draw.px(band.box), *band.fill);
        for (const Item &item : band.items)
            std::visit(draw, item);
    }
    painter.restore();
}

void setupPageLayout(const Document &doc, QPagedPaintDevice &device) {
    const QPageSize size(QSizeF(std::min(doc.pageSize.width(), doc.pageSize.height()),
                                std::max(doc.pageSize.width(), doc.pageSize.height())),
                         QPageSize::Millimeter);
    const auto orientation =
        doc.orientation == Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
    device.setPageLayout(QPageLayout(size, orientation, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
}

bool render(const Document &doc, QPagedPaintDevice &device) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const double pxPerMm = device.logicalDpiX() / 25.4;
    for (std::size_t i = 0; i < doc.pages.size(); ++i) {
        if (i > 0)
            device.newPage();
        paintPage(painter, doc.pages[i], pxPerMm);
    }
    return painter.end();
}

bool writePdf(const Document &doc, const QString &path, QString *error) {
    const auto fail = [&](const QString &why) {
        if (error)
            *error = QStringLiteral("Não foi possível gravar o arquivo \"%1\": %2").arg(path, why);
        return false;
    };
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    {
        QPdfWriter writer(&file);
        writer.setResolution(600);
        writer.setCreator(QStringLiteral("DravTolvera"));
        writer.setTitle(doc.caption);
        setupPageLayout(doc, writer);
        if (!render(doc, writer))
            return fail(QStringLiteral("erro ao desenhar as páginas"));
    }
    if (!file.commit())
        return fail(file.errorString());
    return true;
}

QImage renderPage(const Document &doc, int pageIndex, double dpi) {
    const double pxPerMm = dpi / 25.4;
    QImage image(qRound(doc.pageSize.width() * pxPerMm), qRound(doc.pageSize.height() * pxPerMm),
                 QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    if (pageIndex >= 0 && pageIndex < doc.pageCount()) {
        QPainter painter(&image);
        paintPage(painter, doc.pages[std::size_t(pageIndex)], pxPerMm);
    }
    return image;
}

} // namespace drav::report
