#include "platform/collector/CollectorDriver.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using drav::collector::CollectorDriver;
using drav::collector::DriverLoadError;

namespace {

QString loadError(const QString &path) {
    try {
        CollectorDriver driver(path);
    } catch (const DriverLoadError &error) {
        return error.message();
    }
    return {};
}

} // namespace

TEST(CollectorDriverLoader, LooksBesideTheProgram) {
    EXPECT_TRUE(CollectorDriver::defaultLibraryPath().endsWith("/libminidrav.so"));
}

TEST(CollectorDriverLoader, AMissingLibraryIsReportedInPortuguese) {
    QTemporaryDir dir;
    const QString path = dir.filePath("libminidrav.so");
    const QString message = loadError(path);
    EXPECT_TRUE(message.startsWith("Não foi possível carregar a biblioteca do coletor \"" + path + "\""))
        << message.toStdString();
}

TEST(CollectorDriverLoader, ALibraryWithoutAnOperationIsReportedByName) {
    const QString message = loadError(QStringLiteral(INCOMPLETE_LIBRARY));
    EXPECT_TRUE(message.contains("não contém a função \"ColetaDados\"")) << message.toStdString();
}

TEST(CollectorDriverLoader, TheRealLibraryHasEveryOperation) {
    CollectorDriver driver(QStringLiteral(MINIDRAV_LIBRARY));
    EXPECT_TRUE(driver.dataFilePath().endsWith("/DATAMD.TMD"));
}
