#include "Fixture.h"

#include "ScriptedDialogs.h"
#include "platform/report/BarChartWidget.h"
#include "platform/report/Preview.h"

#include <QAction>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryDir>
#include <QToolBar>

#include <gtest/gtest.h>

namespace drav::report::test {
namespace {

using drav::test::dialogs;

TEST(ReportPreview, OpensModallyFittedToTheWindowWithEveryPage) {
    auto rows = numberedRows(130, 50);
    Report r;
    buildListing(r, *rows);
    int pages = -1;
    QPrintPreviewWidget::ZoomMode zoom = QPrintPreviewWidget::CustomZoom;
    QString title;
    dialogs().answerModal([&](QDialog *d) {
        title = d->windowTitle();
        auto *view = d->findChild<QPrintPreviewWidget *>();
        if (!view)
            return int(QDialog::Rejected);
        view->updatePreview();
        pages = view->pageCount();
        zoom = view->zoomMode();
        return int(QDialog::Accepted);
    });
    preview(r);

    EXPECT_EQ(dialogs().last().objectName, "QPrintPreviewDialog");
    EXPECT_EQ(title, "Relação de Produção");
    EXPECT_EQ(pages, 3);
    EXPECT_EQ(zoom, QPrintPreviewWidget::FitInView);
}

TEST(ReportPreview, SavesAsPdfFromTheToolbar) {
    QTemporaryDir dir;
    const QString chosen = dir.filePath(QStringLiteral("relatorio"));  // no extension typed
    auto rows = productionRows();
    Report r;
    buildListing(r, *rows);
    bool onToolbar = false;
    dialogs().answerModal([&](QDialog *d) {
        auto *action = d->findChild<QAction *>(QString::fromLatin1(kSavePdfAction));
        if (!action)
            return int(QDialog::Rejected);
        for (QToolBar *bar : d->findChildren<QToolBar *>())
            onToolbar = onToolbar || bar->actions().contains(action);
        dialogs().answerFile(chosen);
        action->trigger();
        return int(QDialog::Rejected);
    });
    preview(r);

    EXPECT_TRUE(onToolbar);
    EXPECT_TRUE(QFile::exists(chosen + ".pdf"));
    EXPECT_TRUE(dialogs().messages().isEmpty());
}

TEST(ReportPreview, SaveFailureIsShownNotSwallowed) {
    QTemporaryDir dir;
    auto rows = productionRows();
    Report r;
    buildListing(r, *rows);
    dialogs().answerFile(dir.filePath(QStringLiteral("falta/pasta.pdf"))).answer(dlg::Ok);
    EXPECT_FALSE(savePdfAs(r));
    ASSERT_EQ(dialogs().messages().size(), 1);
    EXPECT_TRUE(dialogs().messages()[0].startsWith(QStringLiteral("Não foi possível gravar o arquivo")));
}

TEST(ReportPreview, CancelledSaveDoesNothing) {
    auto rows = productionRows();
    Report r;
    buildListing(r, *rows);
    dialogs().answerFile(QString());
    EXPECT_FALSE(savePdfAs(r));
    EXPECT_TRUE(dialogs().messages().isEmpty());
}

TEST(ReportPreview, PrintsOnAPrinterInTheReportsOrientation) {
    QTemporaryDir dir;
    auto rows = productionRows();
    Report r;
    buildListing(r, *rows);
    r.setLandscape();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("impresso.pdf")));
    ASSERT_TRUE(print(r, printer));
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_GT(QFileInfo(printer.outputFileName()).size(), 1000);
}

TEST(BarChartWidget, ShowsTheChart) {
    BarChartWidget widget;
    BarChart chart;
    chart.title = QStringLiteral("Comparativo de Produtividade por Colaborador - Safra 2023/2024");
    chart.addSeries(QStringLiteral("Safra 2023"), BarChart::fromBgr(4227327));
    chart.addSeries(QStringLiteral("Safra 2024"), BarChart::fromBgr(8404992));
    chart.addCategory(QStringLiteral("ANA"), {200, 150});
    widget.setChart(chart);
    widget.resize(640, 400);
    const QImage shot = widget.grab().toImage();
    int orange = 0, blue = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) {
            const QColor c(shot.pixel(x, y));
            orange += c == QColor(255, 128, 64);
            blue += c == QColor(0, 64, 128);
        }
    EXPECT_GT(orange, 500);
    EXPECT_GT(blue, 500);
}

} // namespace
} // namespace drav::report::test
