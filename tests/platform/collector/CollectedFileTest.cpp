#include "platform/collector/CollectedFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace drav::collector;

TEST(CollectedFile, PutsEachFieldInItsPositions) {
    const std::string line = formatLine(Record{"20240506071523", '4', "01503"});
    ASSERT_EQ(line.size(), 31u);
    EXPECT_EQ(line.substr(0, 1), " ");                    // 1
    EXPECT_EQ(line.substr(1, 4), "2024");                 // 2-5
    EXPECT_EQ(line.substr(5, 2), "05");                   // 6-7
    EXPECT_EQ(line.substr(7, 2), "06");                   // 8-9
    EXPECT_EQ(line.substr(9, 6), "071523");               // 10-15
    EXPECT_EQ(line.substr(15, 10), std::string(10, ' ')); // 16-25
    EXPECT_EQ(line.substr(25, 1), "4");                   // 26
    EXPECT_EQ(line.substr(26, 5), "01503");               // 27-31
}

TEST(CollectedFile, ParsesWhatItFormatsAndRefusesOtherLines) {
    const Record record{"20240506071523", 'F', "A1B2C"};
    EXPECT_EQ(parseLine(formatLine(record)), record);
    EXPECT_EQ(parseLine(formatLine(record) + "\r"), record);
    for (const std::string &bad : {std::string(), formatLine(record) + " ", formatLine(record).substr(0, 30),
                                   std::string(" 20240506071523          X00001")})
        EXPECT_FALSE(parseLine(bad)) << bad;
}

TEST(CollectedFile, WritesCrLfLinesAndReplacesAnOldFileWhole) {
    QTemporaryDir dir;
    const std::string path = QDir(dir.path()).filePath("DATAMD.TMD").toStdString();
    std::string error;
    ASSERT_TRUE(writeCollectedFile(path,
                                   {{"20240101000000", '3', "00001"},
                                    {"20240101000001", 'F', "00AAA"},
                                    {"20240101000002", '4', "00002"}},
                                   error));
    ASSERT_TRUE(writeCollectedFile(path, {{"20240102000000", '3', "00009"}}, error)) << error;

    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(), " 20240102000000          300009\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"DATAMD.TMD"});

    std::vector<Record> back;
    ASSERT_TRUE(readCollectedFile(path, back, error));
    EXPECT_EQ(back, (std::vector<Record>{{"20240102000000", '3', "00009"}}));
}

TEST(CollectedFile, AFailedWriteLeavesNothingBehind) {
    QTemporaryDir dir;
    const std::string path = QDir(dir.path()).filePath("missing-folder/DATAMD.TMD").toStdString();
    std::string error;
    EXPECT_FALSE(writeCollectedFile(path, {{"20240101000000", '3', "00001"}}, error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

TEST(CollectedFile, ReadingNamesTheFirstBadLine) {
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("records.tmd");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(" 20240101000000          300001\r\n\r\n 2024010100000X          F00AAA\r\n");
    file.close();
    std::vector<Record> records;
    std::string error;
    EXPECT_FALSE(readCollectedFile(path.toStdString(), records, error));
    EXPECT_NE(error.find(":3:"), std::string::npos) << error;
}
