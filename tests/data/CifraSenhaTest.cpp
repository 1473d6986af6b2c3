#include "data/CifraSenha.h"
#include "data/ConfiguracaoBanco.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(CifraSenha, DigitsBecomeFixedCapitalsAndBack) {
    struct Case {
        const char *plain, *scrambled;
    } cases[] = {
        {"0123456789", "ZLGOSYEUAC"},
        {"kzqm", "kzqm"},
        {"abc123", "abcLGO"},
        {"", ""},
        {"a-b_9 0", "a-b_C Z"},
    };
    for (const Case &c : cases) {
        const QString plain = QString::fromUtf8(c.plain), scrambled = QString::fromUtf8(c.scrambled);
        EXPECT_EQ(CifraSenha(plain), scrambled) << c.plain;
        EXPECT_EQ(DecifraSenha(scrambled), plain) << c.scrambled;
    }
}

TEST(CifraSenha, UnscramblingIsCaseSensitiveAndKeepsOtherCapitals) {
    // A password stored by hand: only the ten letters turn into digits.
    EXPECT_EQ(DecifraSenha(QStringLiteral("SOLzoB")), QStringLiteral("431zoB"));
    EXPECT_EQ(DecifraSenha(QStringLiteral("zlgosyeuac")), QStringLiteral("zlgosyeuac"));
    EXPECT_EQ(DecifraSenha(QStringLiteral("ÁÉZ")), QStringLiteral("ÁÉ0"));
}

class Configuracao : public ::testing::Test {
protected:
    ConfiguracaoBanco ler(const QByteArray &conteudo) {
        if (!conteudo.isNull()) {
            QFile f(caminho());
            EXPECT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(conteudo);
        }
        return ConfiguracaoBanco::ler(drav::IniFile(caminho()));
    }
    QString caminho() const { return dir.filePath(QStringLiteral("BdMysql.ini")); }
    QTemporaryDir dir;
};

TEST_F(Configuracao, AbsentFileAndSectionsGiveTheDefaults) {
    const ConfiguracaoBanco c = ler(QByteArray());
    EXPECT_EQ(c.ServidorBanco, QString());
    EXPECT_EQ(c.UsuarioBanco, QStringLiteral("root"));
    EXPECT_EQ(c.NomeBanco, QStringLiteral("tolvera"));
    EXPECT_EQ(c.SenhaBanco, QString());
    EXPECT_EQ(c.PortaBanco, 0);
    EXPECT_EQ(c.ServidorDravolta, QString());
    EXPECT_EQ(c.UsuarioDravolta, QStringLiteral("root"));
    EXPECT_EQ(c.PortaDravolta, QStringLiteral("3309"));
    EXPECT_EQ(c.SenhaDravolta, QString());
}

TEST_F(Configuracao, ValuesAreReadAsStored) {
    const ConfiguracaoBanco c = ler("[BDADOS]\r\nHostName=srv\r\nUser=u\r\nDatabase=db\r\nPassword=SOL\r\nPort=3306\r\n"
                                    "[DRAVOLTA]\r\nHost=h2\r\nUser=u2\r\nPort=abc\r\nPassword=SOL\r\n");
    EXPECT_EQ(c.ServidorBanco, QStringLiteral("srv"));
    EXPECT_EQ(c.SenhaBanco, QStringLiteral("SOL"));  // kept scrambled
    EXPECT_EQ(c.PortaBanco, 3306);
    EXPECT_EQ(c.PortaDravolta, QStringLiteral("abc"));
    EXPECT_EQ(c.SenhaDravolta, QStringLiteral("SOL"));  // used as stored
}

TEST_F(Configuracao, BdadosIsWrittenInOrderWithTheScrambledPassword) {
    drav::IniFile ini(caminho());
    gravaBdados(ini, DadosConexao{QStringLiteral("Localhost"), QStringLiteral("DravoltaTolvera"),
                                  QStringLiteral("root"), QStringLiteral("abc0123"), QStringLiteral("3306")},
                3306);
    QFile f(caminho());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("[BDADOS]\r\nHostName=Localhost\r\nUser=root\r\nDatabase=DravoltaTolvera\r\n"
                                      "Password=abcZLGO\r\nPort=3306\r\n"));
}

} // namespace
