#pragma once
// The modal report preview (Qt's print preview), opened zoomed to fit the
// window, with printing and saving as PDF; and printing without a preview.

#include "platform/report/Report.h"

class QPrinter;
class QPrintPreviewDialog;
class QWidget;

namespace drav::report {

// Object names of what the preview adds, for tests.
inline constexpr auto kSavePdfAction = "actSalvarPdf";

// Lays the report out and shows it modally through the dialog seam. Every
// repaint and the printing lay it out again from the first row.
void preview(Report &report, QWidget *parent = nullptr);

// Prints on `printer` as it is set up (paper and orientation are set from
// the report); false when the printer could not be opened.
bool print(Report &report, QPrinter &printer);

// Asks a file name through the dialog seam and saves the report as PDF;
// failures are shown in an "Aviso" box. False when cancelled or failed.
bool savePdfAs(Report &report);

// The dialog preview() shows; for tests and for callers with their own loop.
QPrintPreviewDialog *createPreviewDialog(Report &report, QPrinter &printer, QWidget *parent = nullptr);

} // namespace drav::report
