#include "platform/ini/IniFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using drav::IniFile;

namespace {

class IniFileTest : public ::testing::Test {
protected:
    QString write(const QByteArray &content) {
        QFile f(path());
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
        return path();
    }
    QByteArray read() {
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QString path() const { return dir.filePath(QStringLiteral("BdMysql.ini")); }
    QTemporaryDir dir;
};

TEST_F(IniFileTest, MissingFileReadsDefaultsAndIsCreatedOnWrite) {
    IniFile ini(path());
    EXPECT_EQ(ini.readString(QStringLiteral("BDADOS"), QStringLiteral("HostName"), QStringLiteral("x")),
              QStringLiteral("x"));
    EXPECT_EQ(ini.readInteger(QStringLiteral("BDADOS"), QStringLiteral("Port"), 0), 0);
    ini.writeString(QStringLiteral("BDADOS"), QStringLiteral("HostName"), QStringLiteral("srv"));
    ini.writeInteger(QStringLiteral("BDADOS"), QStringLiteral("Port"), 3306);
    EXPECT_EQ(read(), QByteArray("[BDADOS]\r\nHostName=srv\r\nPort=3306\r\n"));
}

TEST_F(IniFileTest, NamesAreCaseInsensitiveAndValuesRaw) {
    write("[bdados]\nhostname = 10.0.0.1 \nPASSWORD=a%b,c\"d'e\n[Outro]\nX=1\n");
    IniFile ini(path());
    EXPECT_EQ(ini.readString(QStringLiteral("BDADOS"), QStringLiteral("HostName")), QStringLiteral("10.0.0.1"));
    EXPECT_EQ(ini.readString(QStringLiteral("BDados"), QStringLiteral("Password")), QStringLiteral("a%b,c\"d'e"));
    EXPECT_TRUE(ini.sectionExists(QStringLiteral("OUTRO")));
    EXPECT_FALSE(ini.valueExists(QStringLiteral("Outro"), QStringLiteral("Y")));
}

TEST_F(IniFileTest, WritesKeepOtherLinesAndTheirOrder) {
    write("; comentário\r\n[DRAVOLTA]\r\nHost=relogio\r\n\r\n[BDADOS]\r\nPort=12\r\nlixo sem igual\r\n\r\n[MINIDRAVO]\r\nCOM=2\r\n");
    IniFile ini(path());
    ini.writeString(QStringLiteral("BDADOS"), QStringLiteral("HostName"), QStringLiteral("h"));
    ini.writeInteger(QStringLiteral("bdados"), QStringLiteral("PORT"), 3309);
    ini.writeInteger(QStringLiteral("MINIDRAVO"), QStringLiteral("COM"), 0);
    ini.writeString(QStringLiteral("NOVA"), QStringLiteral("K"), QStringLiteral("v"));
    EXPECT_EQ(read(), QByteArray("; comentário\r\n[DRAVOLTA]\r\nHost=relogio\r\n\r\n[BDADOS]\r\nPORT=3309\r\n"
                                 "lixo sem igual\r\nHostName=h\r\n\r\n[MINIDRAVO]\r\nCOM=0\r\n[NOVA]\r\nK=v\r\n"));
}

TEST_F(IniFileTest, IntegersFallBackToTheDefaultWhenNotNumbers) {
    write("[S]\nA=3306\nB=abc\nC=\nD= 7 \n");
    IniFile ini(path());
    EXPECT_EQ(ini.readInteger(QStringLiteral("S"), QStringLiteral("A"), 0), 3306);
    EXPECT_EQ(ini.readInteger(QStringLiteral("S"), QStringLiteral("B"), 5), 5);
    EXPECT_EQ(ini.readInteger(QStringLiteral("S"), QStringLiteral("C"), 5), 5);
    EXPECT_EQ(ini.readInteger(QStringLiteral("S"), QStringLiteral("D"), 5), 7);
    EXPECT_EQ(ini.readInteger(QStringLiteral("S"), QStringLiteral("Z"), 0), 0);
}

TEST_F(IniFileTest, AnsiFilesWrittenByHandAreRead) {
    write("[S]\nNome=S\xe3o Jo\xe3o\n");  // latin1
    IniFile ini(path());
    EXPECT_EQ(ini.readString(QStringLiteral("S"), QStringLiteral("Nome")), QStringLiteral("São João"));
}

} // namespace
