#include "platform/collector/DriverConfig.h"
#include "platform/collector/CollectorPorts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace drav::collector;

namespace {

void writeFile(const QString &path, const QByteArray &text) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

} // namespace

TEST(DriverConfig, ReadsPortsAndTimingAndIgnoresTheRest) {
    const auto config = parseDriverConfig("# terminal of the packing shed\r\n"
                                          "COM1=/dev/ttyUSB0\r\n"
                                          "  com10 = /tmp/term 10  \n"
                                          "timeout=250\nRETRIES=1\nBaud=19200\n"
                                          "COM0=/dev/ignored\nCOMx=/dev/ignored\nCOM2=\nnonsense\n");
    EXPECT_EQ(config.ports, (std::map<int, std::string>{{1, "/dev/ttyUSB0"}, {10, "/tmp/term 10"}}));
    EXPECT_EQ(config.timeoutMs, 250);
    EXPECT_EQ(config.retries, 1);
    EXPECT_EQ(config.baud, 19200);
}

TEST(DriverConfig, KeepsDefaultsForValuesOutOfRange) {
    for (const char *text : {"Timeout=0\nRetries=-1\nBaud=12345\n", "Timeout=abc\nRetries=99\nBaud=\n", ""}) {
        const auto config = parseDriverConfig(text);
        EXPECT_EQ(config.timeoutMs, 1000) << text;
        EXPECT_EQ(config.retries, 3) << text;
        EXPECT_EQ(config.baud, 9600) << text;
    }
}

TEST(DriverConfig, UnmappedPortsFallBackToTheStandardSerialDevices) {
    const auto config = parseDriverConfig("COM2=/dev/ttyUSB0\n");
    const std::vector<std::pair<int, std::string>> cases{
        {1, "/dev/ttyS0"}, {2, "/dev/ttyUSB0"}, {10, "/dev/ttyS9"}, {0, ""}, {-3, ""}};
    for (const auto &[port, device] : cases)
        EXPECT_EQ(config.deviceFor(port), device) << port;
}

TEST(CollectorPorts, ListsMappedAndPresentStandardPortsInOrder) {
    QTemporaryDir dir;
    const QString dev = dir.filePath("dev");
    const QString sys = dir.filePath("sys");
    writeFile(dir.filePath("minidrav.cfg"), "COM7=/dev/ttyUSB0\nCOM3=/dev/ttyACM0\n");
    writeFile(dev + "/ttyS0", "");
    writeFile(dev + "/ttyS1", ""); // registered, but the kernel found no UART
    writeFile(sys + "/ttyS1/type", "0\n");
    writeFile(dev + "/ttyS3", "");
    writeFile(sys + "/ttyS3/type", "4\n");
    EXPECT_EQ(collectorPortNames(dir.path(), dev, sys), (QStringList{"COM1", "COM3", "COM4", "COM7"}));
}

TEST(CollectorPorts, ThePortNumberIsTheNumberAfterCom) {
    const std::vector<std::pair<QString, qint32>> cases{
        {"COM1", 1},  {"COM10", 10}, {"COM", 0}, {"COMx", 0}, {"COM3a", 0}, {"COM-1", 0},
        {"COM+2", 0}, {"LPT1", 0},   {"", 0},    {"com2", 0}, {"COM0", 0}};
    for (const auto &[name, number] : cases)
        EXPECT_EQ(portNumberFromName(name), number) << name.toStdString();
}
