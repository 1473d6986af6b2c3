#include "platform/report/Preview.h"

#include "platform/dialogs/Dialogs.h"
#include "platform/report/Render.h"

#include <QAction>
#include <QDir>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QToolBar>

namespace drav::report {

namespace {

void preparePrinter(const Document &doc, QPrinter &printer) {
    printer.setFullPage(true);  // the layout keeps its own margins
    setupPageLayout(doc, printer);
    printer.setDocName(doc.caption);
}

void fitToWindow(QPrintPreviewDialog &dialog) {
    if (auto *fit = dialog.findChild<QAction *>(QStringLiteral("fitPageAction")))
        fit->trigger();
    else if (auto *widget = dialog.findChild<QPrintPreviewWidget *>())
        widget->setZoomMode(QPrintPreviewWidget::FitInView);
}

void addSavePdf(QPrintPreviewDialog &dialog, Report &report) {
    auto *action = new QAction(QStringLiteral("Salvar como PDF"), &dialog);
    action->setObjectName(QString::fromLatin1(kSavePdfAction));
    action->setToolTip(QStringLiteral("Salvar o relatório em um arquivo PDF"));
    QObject::connect(action, &QAction::triggered, &dialog, [&report] { savePdfAs(report); });
    if (auto *bar = dialog.findChild<QToolBar *>()) {
        bar->addSeparator();
        bar->addAction(action);
    } else {
        dialog.addAction(action);
    }
}

} // namespace

QPrintPreviewDialog *createPreviewDialog(Report &report, QPrinter &printer, QWidget *parent) {
    preparePrinter(report.generate(), printer);
    auto *dialog = new QPrintPreviewDialog(&printer, parent);
    dialog->setWindowTitle(report.caption.isEmpty() ? QStringLiteral("Visualização de Impressão") : report.caption);
    dialog->setWindowState(dialog->windowState() | Qt::WindowMaximized);
    QObject::connect(dialog, &QPrintPreviewDialog::paintRequested, dialog,
                     [&report](QPrinter *target) { render(report.generate(), *target); });
    addSavePdf(*dialog, report);
    fitToWindow(*dialog);
    return dialog;
}

void preview(Report &report, QWidget *parent) {
    QPrinter printer(QPrinter::HighResolution);
    std::unique_ptr<QPrintPreviewDialog> dialog(createPreviewDialog(report, printer, parent));
    dlg::service().execModal(dialog.get());
}

bool print(Report &report, QPrinter &printer) {
    const Document doc = report.generate();
    preparePrinter(doc, printer);
    return render(doc, printer);
}

bool savePdfAs(Report &report) {
    QString path = dlg::service().fileName(
        {QStringLiteral("Salvar como PDF"), QDir::homePath(), QStringLiteral("Arquivos PDF (*.pdf)"), true});
    if (path.isEmpty())
        return false;
    if (!path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        path += QLatin1String(".pdf");
    QString error;
    if (writePdf(report.generate(), path, &error))
        return true;
    dlg::message(QStringLiteral("Aviso"), error, dlg::Icon::Warning);
    return false;
}

} // namespace drav::report
