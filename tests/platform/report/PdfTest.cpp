#include "Fixture.h"

#include "platform/report/Render.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace drav::report::test {
namespace {

// pdftotext is optional on a developer machine; without it only the file is checked.
std::optional<QString> pdfText(const QString &path) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty())
        return std::nullopt;
    QProcess p;
    p.start(tool, {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), path,
                   QStringLiteral("-")});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

TEST(ReportPdf, WritesTheTextsOfEveryPage) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    auto rows = numberedRows(130, 50);
    Report r;
    buildListing(r, *rows);
    const Document doc = r.generate();
    const QString path = dir.filePath(QStringLiteral("listagem.pdf"));

    QString error;
    ASSERT_TRUE(writePdf(doc, path, &error)) << error.toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5) == "%PDF-");
    if (qEnvironmentVariableIsSet("DRAV_REPORT_SNAPSHOT"))
        QFile::copy(path, qEnvironmentVariable("DRAV_REPORT_SNAPSHOT") + QStringLiteral("/listagem.pdf"));

    const auto text = pdfText(path);
    if (!text)
        GTEST_SKIP() << "pdftotext not installed";
    EXPECT_TRUE(text->contains(QStringLiteral("RELAÇÃO DE PRODUÇÃO")));
    EXPECT_TRUE(text->contains(QStringLiteral("Página: 3")));
    EXPECT_TRUE(text->contains(QStringLiteral("COLABORADOR 00130")));
    EXPECT_TRUE(text->contains(QStringLiteral("TOTAL DE PRODUÇÕES")));
    EXPECT_TRUE(text->contains(QStringLiteral("R$2,50")));
    EXPECT_EQ(text->count(u'\f'), doc.pageCount());
}

TEST(ReportPdf, UnwritablePathIsReportedAndNothingIsLeft) {
    QTemporaryDir dir;
    auto rows = productionRows();
    Report r;
    buildListing(r, *rows);
    const QString path = dir.filePath(QStringLiteral("no/such/folder/x.pdf"));
    QString error;
    EXPECT_FALSE(writePdf(r.generate(), path, &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("Não foi possível gravar o arquivo")));
    EXPECT_FALSE(QFile::exists(path));
}

TEST(ReportPdf, PageImageShowsTheShading) {
    auto rows = productionRows();
    Report r;
    buildListing(r, *rows);
    const Document doc = r.generate();
    const QImage page = renderPage(doc, 0, 96);
    EXPECT_EQ(page.size(), QSize(794, 1123));
    // The first detail band is grey; sample it where the worker column has no text.
    const PlacedBand *first = doc.bandsOf(BandKind::Detail)[0];
    const double k = 96 / 25.4;
    const QPoint probe(int((first->box.left() + 90) * k), int(first->box.center().y() * k));
    EXPECT_EQ(QColor(page.pixel(probe)), kShadeGrey);
    if (qEnvironmentVariableIsSet("DRAV_REPORT_SNAPSHOT"))
        page.save(qEnvironmentVariable("DRAV_REPORT_SNAPSHOT") + QStringLiteral("/page1.png"));
}

} // namespace
} // namespace drav::report::test
