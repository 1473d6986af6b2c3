// The driver library end to end: loaded through the loader from a folder of
// its own (with its settings file), talking to the simulator over a
// pseudo-terminal pair.

#include "RecordGenerator.h"
#include "TerminalSimulator.h"

#include "platform/collector/CollectedFile.h"
#include "platform/collector/CollectorDriver.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>

using namespace drav;
using collector::CollectorDriver;
using collector::Record;
namespace status = collector::status;

namespace {

constexpr qint32 kSimulatorPort = 3;
constexpr qint32 kMissingPort = 9;
constexpr qint32 kNotATerminalPort = 5;

// Every kind of record the terminal keeps, in the order the field keys them.
const std::vector<Record> kFieldDay{
    {"20240506060000", '3', "00012"}, // service order 12
    {"20240506060510", 'F', "A1B2C"}, // iButton ...
    {"20240506060512", '4', "00005"}, // ... and its quantity
    {"20240506061000", 'F', "0B77E"}, // punch: followed by another iButton
    {"20240506061005", 'F', "C0FFE"}, {"20240506061009", '4', "00017"},
    {"20240506062000", '3', "00000"},                                   // certificate order
    {"20240506062010", 'F', "A1B2C"}, {"20240506062011", '4', "01503"}, // certificate of 15 March
    {"20240506063000", '3', "00044"}, {"20240506070000", 'F', "D00D5"}, // punch as the last line
};

class DriverTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        const QString library = folder.filePath(CollectorDriver::libraryFileName());
        ASSERT_TRUE(QFile::copy(QStringLiteral(MINIDRAV_LIBRARY), library));
        simulator = std::make_unique<terminalsim::TerminalSimulator>(kFieldDay);
        const std::string device = simulator->openPseudoTerminal();
        writeConfig("COM" + std::to_string(kSimulatorPort) + "=" + device + "\n" + "COM" +
                    std::to_string(kMissingPort) + "=" + folder.filePath("no-such-device").toStdString() +
                    "\n" + "COM" + std::to_string(kNotATerminalPort) + "=/dev/null\n" +
                    "Timeout=300\nRetries=2\n");
        simulator->start();
        driver = std::make_unique<CollectorDriver>(library);
    }

    void writeConfig(const std::string &text) {
        QFile file(folder.filePath("minidrav.cfg"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.c_str());
    }

    QString dataFile() const { return folder.filePath("DATAMD.TMD"); }

    std::string dataFileText() const {
        QFile file(dataFile());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << "no data file";
        return file.readAll().toStdString();
    }

    static std::string fileOf(const std::vector<Record> &records) {
        std::string text;
        for (const Record &record : records)
            text += collector::formatLine(record) + "\r\n";
        return text;
    }

    QTemporaryDir folder;
    std::unique_ptr<terminalsim::TerminalSimulator> simulator;
    std::unique_ptr<CollectorDriver> driver;
};

using Operation = std::function<qint32(const CollectorDriver &, qint32)>;
const std::vector<std::pair<const char *, Operation>> kOperations{
    {"test", &CollectorDriver::testaComunicacao},
    {"collect", &CollectorDriver::coletaDados},
    {"erase", &CollectorDriver::apagaDados},
    {"clock", &CollectorDriver::enviaDataHora},
};

} // namespace

TEST_F(DriverTest, TheDataFileLiesBesideTheLibrary) {
    EXPECT_EQ(driver->dataFilePath().toStdString(),
              (QFileInfo(folder.path()).canonicalFilePath() + "/DATAMD.TMD").toStdString());
}

TEST_F(DriverTest, TestCommunicationFindsTheTerminal) {
    EXPECT_EQ(driver->testaComunicacao(kSimulatorPort), status::Done);
}

TEST_F(DriverTest, CollectWritesExactlyTheTerminalsRecordsInTheLayout) {
    ASSERT_EQ(driver->coletaDados(kSimulatorPort), status::Done);
    EXPECT_EQ(dataFileText(), fileOf(kFieldDay));
    EXPECT_EQ(dataFileText().substr(0, 33), " 20240506060000          300012\r\n");
    EXPECT_EQ(simulator->records(), kFieldDay) << "collecting must not erase the terminal";
}

TEST_F(DriverTest, CollectGetsTheWholeMemoryAcrossManyChunks) {
    const auto full = terminalsim::generateRecords({collector::kTerminalCapacity, 5});
    simulator->setRecords(full);
    ASSERT_EQ(driver->coletaDados(kSimulatorPort), status::Done);
    std::vector<Record> written;
    std::string error;
    ASSERT_TRUE(collector::readCollectedFile(dataFile().toStdString(), written, error)) << error;
    EXPECT_EQ(written, full);
}

TEST_F(DriverTest, EraseEmptiesTheTerminalSoTheNextCollectGivesAnEmptyFile) {
    ASSERT_EQ(driver->coletaDados(kSimulatorPort), status::Done);
    ASSERT_EQ(driver->apagaDados(kSimulatorPort), status::Done);
    EXPECT_TRUE(simulator->records().empty());
    ASSERT_EQ(driver->coletaDados(kSimulatorPort), status::Done);
    EXPECT_EQ(dataFileText(), "");
}

TEST_F(DriverTest, SendDateTimeSetsTheTerminalClockToTheHostClock) {
    simulator->setClockOffset(-3 * 24 * 3600 - 1234);
    ASSERT_EQ(driver->enviaDataHora(kSimulatorPort), status::Done);
    EXPECT_LE(std::labs(static_cast<long>(simulator->clock() - std::time(nullptr))), 1);
}

TEST_F(DriverTest, ASilentTerminalDoesNotAnswerAnyOperation) {
    simulator->setSilent(true);
    QFile::remove(dataFile());
    for (const auto &[name, operation] : kOperations)
        EXPECT_EQ(operation(*driver, kSimulatorPort), status::NoAnswer) << name;
    EXPECT_FALSE(QFile::exists(dataFile()));
    EXPECT_EQ(simulator->records(), kFieldDay);
}

TEST_F(DriverTest, APortThatCannotBeOpenedIsReportedForEveryOperation) {
    for (qint32 port : {kMissingPort, kNotATerminalPort, 0, -1}) {
        for (const auto &[name, operation] : kOperations)
            EXPECT_EQ(operation(*driver, port), status::PortUnavailable) << name << " on port " << port;
    }
    EXPECT_EQ(simulator->stats().requests, 0u);
}

TEST_F(DriverTest, DamagedRepliesAreAskedForAgainAndNeverReachTheFile) {
    const auto full = terminalsim::generateRecords({400, 9});
    simulator->setRecords(full);
    for (auto mode : {terminalsim::Corruption::Flip, terminalsim::Corruption::Truncate}) {
        for (int every : {2, 3}) {
            SCOPED_TRACE(every);
            simulator->setCorruption(every, mode);
            const auto before = simulator->stats().corruptedReplies;
            ASSERT_EQ(driver->coletaDados(kSimulatorPort), status::Done);
            EXPECT_GT(simulator->stats().corruptedReplies, before);
            EXPECT_EQ(dataFileText(), fileOf(full));
        }
    }
}

TEST_F(DriverTest, AFailedCollectLeavesThePreviousFileUntouched) {
    ASSERT_EQ(driver->coletaDados(kSimulatorPort), status::Done);
    const std::string previous = dataFileText();
    simulator->setRecords(terminalsim::generateRecords({200, 2}));
    simulator->setCorruption(1); // every reply damaged
    EXPECT_EQ(driver->coletaDados(kSimulatorPort), status::NoAnswer);
    EXPECT_EQ(dataFileText(), previous);
    EXPECT_EQ(QDir(folder.path()).entryList({"DATAMD.TMD*"}, QDir::Files), QStringList{"DATAMD.TMD"});
}

TEST_F(DriverTest, APseudoTerminalThatIsGoneCannotBeOpened) {
    simulator->stop();
    simulator.reset(); // closes both ends of the pseudo-terminal
    EXPECT_EQ(driver->testaComunicacao(kSimulatorPort), status::PortUnavailable);
}
