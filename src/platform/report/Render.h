#pragma once
// Draws a laid-out Document onto any paint device: the preview and the
// printer (through QPrinter), PDF files and images.

#include "platform/report/PageModel.h"

#include <QFont>
#include <QImage>

class QPainter;
class QPagedPaintDevice;

namespace drav::report {

QFont toQFont(const Font &font);

// Draws one page with the paper's top-left corner at the painter's origin,
// `pxPerMm` device pixels to the millimetre.
void paintPage(QPainter &painter, const Page &page, double pxPerMm);

// Gives the device the document's paper and orientation, without margins
// (the layout carries its own).
void setupPageLayout(const Document &doc, QPagedPaintDevice &device);

// Draws every page on a paged device already set up; false when the device
// could not be opened.
bool render(const Document &doc, QPagedPaintDevice &device);

// Writes the document as a PDF file, replacing the file only on success.
bool writePdf(const Document &doc, const QString &path, QString *error = nullptr);

// One page as an image, white background.
QImage renderPage(const Document &doc, int pageIndex, double dpi = 96);

} // namespace drav::report
