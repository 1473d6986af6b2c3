#include "data/RotinasComuns.h"

#include "ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace {

using drav::test::dialogs;

const QString kMensagemCEP = QStringLiteral("CEP tem que ser maior que [01000-000]");

TEST(DigitosCPF, StandardModulo11Digits) {
    EXPECT_EQ(DigitosCPF("111444777"), "35");
    EXPECT_EQ(DigitosCPF("123456789"), "09");
    EXPECT_EQ(DigitosCPF("000000000"), "00");
    EXPECT_EQ(DigitosCPF("111111111"), "11");
}

TEST(DigitosCNPJ, WeightsStartAgainAfterNine) {
    EXPECT_EQ(DigitosCNPJ("112223330001"), "81");
    EXPECT_EQ(DigitosCNPJ("000000000000"), "00");
}

TEST(ValidaCPF, ComparesCharactersTenAndElevenWithTheCheckDigits) {
    struct Caso {
        const char *numero;
        bool valido;
    } casos[] = {
        {"11144477735", true},
        {"12345678909", true},
        {"11111111111", true},  // repeated digits are not refused
        {"00000000000", true},
        {"11144477736", false},
        {"11144477753", false},
        {"1114447773", false},   // too short
        {"", false},
        {"111.444.777-35", false},  // the dots shift the positions
        {"111444777-35", false},
        {"111444777351", true},  // the length is not checked
    };
    for (const Caso &c : casos)
        EXPECT_EQ(ValidaCPF(c.numero), c.valido) << c.numero;
}

TEST(ValidaCNPJ, ComparesCharactersThirteenAndFourteen) {
    struct Caso {
        const char *numero;
        bool valido;
    } casos[] = {
        {"11222333000181", true},
        {"00000000000000", true},
        {"11222333000182", false},
        {"1122233300018", false},
        {"11.222.333/0001-81", false},
    };
    for (const Caso &c : casos)
        EXPECT_EQ(ValidaCNPJ(c.numero), c.valido) << c.numero;
}

TEST(ValidaCNH, FirstComputedDigitIsTheLastCharacterSecondTheOneBefore) {
    struct Caso {
        const char *numero;
        bool valido;
    } casos[] = {
        {"98765432092", true},
        {"55500011097", true},
        {"31415926076", true},
        {"98765432029", false},  // the two check digits swapped
        {"98765432093", false},
        {"98765432082", false},
        {"09876543292", true},   // a leading zero is dropped: 10 digits remain
        {"10000006050", true},   // a computed 1 counts as 0
        {"10000209", true},      // eight digits: the check digits are d7 and d8 themselves
        {"10000208", false},
        {"123456780109", false}, // second computed digit 10
    };
    for (const Caso &c : casos)
        EXPECT_EQ(ValidaCNH(c.numero), c.valido) << c.numero;
}

TEST(ValidaCNH, FalseWheneverTheFirstComputedDigitIsTen) {
    for (const char *base : {"10000007", "10000010"})
        for (int antes = 0; antes <= 9; ++antes)
            for (int ultimo = 0; ultimo <= 9; ++ultimo) {
                const QString numero = QString::fromLatin1(base) + "0" + QString::number(antes)
                                       + QString::number(ultimo);
                EXPECT_FALSE(ValidaCNH(numero)) << numero.toStdString();
            }
}

TEST(ValidaCNH, NonDigitsAndShortTextsAreInvalidNotErrors) {
    for (const char *numero : {"", "0", "1234567", "01234567", "9876543209X", "98765432 92", "9876-5432092",
                               "A8765432092", "98765432092 ", "-98765432092"})
        EXPECT_FALSE(ValidaCNH(numero)) << numero;
}

TEST(ValidaEmail, TheStateMachineOfTheAddressSyntax) {
    struct Caso {
        const char *endereco;
        bool valido;
    } casos[] = {
        {"joao@fazenda.com.br", true},
        {"a@b.c", true},
        {"joao.silva@fazenda.com", true},
        {"j+o_a~o@f-a--z.com", true},
        {"\"joao silva\"@fazenda.com", true},
        {"\"jo\\\"ao\"@fazenda.com", true},
        {"\"a\".b@fazenda.com", true},
        {"JOAO@FAZENDA.COM.BR", true},
        {"jo\xc3\xa3o@fazenda.com", true},  // characters 128-255 are atoms
        {"joao@fazenda", false},            // one label
        {"joao@1fazenda.com", false},       // label starting with a digit
        {"joao@fazenda.1com", false},
        {"joao@fazenda.com.", false},       // ends with a dot
        {"joao@fazenda.com-", false},       // ends with a hyphen
        {"joao..silva@fazenda.com", false}, // two dots before the at sign
        {".joao@fazenda.com", false},
        {"joao.@fazenda.com", false},
        {"joao@@fazenda.com", false},
        {"joao@fazenda..com", false},
        {"@fazenda.com", false},
        {"joao", false},
        {"", false},
        {"jo ao@fazenda.com", false},
        {"joao@faz_enda.com", false},
        {"\"jo\rao\"@fazenda.com", false},  // carriage return inside quotes
        {"joao@fazenda.com extra", false},
        {"jo\xe2\x82\xac@fazenda.com", false},  // beyond 255
    };
    for (const Caso &c : casos)
        EXPECT_EQ(ValidaEmail(QString::fromUtf8(c.endereco)), c.valido) << c.endereco;
}

TEST(ValidaCEP, PrefixesOfEachState) {
    struct Caso {
        const char *cep, *uf;
        bool valido;
    } casos[] = {
        {"30130010", "MG", true},  {"30130010", "SP", false}, {"30130010", "mg", false},
        {"01310100", "SP", true},  {"19999999", "SP", true},  {"20000000", "SP", false},
        {"20040020", "RJ", true},  {"28999999", "RJ", true},  {"29000000", "ES", true},
        {"39999999", "MG", true},  {"40000000", "BA", true},  {"49000000", "SE", true},
        {"50000000", "PE", true},  {"56999999", "PE", true},  {"57000000", "AL", true},
        {"58000000", "PB", true},  {"59000000", "RN", true},  {"60000000", "CE", true},
        {"63999999", "CE", true},  {"64000000", "PI", true},  {"65000000", "MA", true},
        {"66000000", "PA", true},  {"68899999", "PA", true},  {"68900000", "AP", true},
        {"69000000", "AM", true},  {"69299999", "AM", true},  {"69300000", "AM", false},
        {"69300000", "RR", true},  {"69400000", "AM", true},  {"69899999", "AM", true},
        {"69900000", "AC", true},  {"77000000", "TO", true},  {"78000000", "MT", true},
        {"78899999", "MT", true},  {"78900000", "RO", true},  {"79000000", "MS", true},
        {"80000000", "PR", true},  {"87999999", "PR", true},  {"88000000", "SC", true},
        {"90000000", "RS", true},  {"99999999", "RS", true},  {"99999999", "XX", false},
        {"30130010", "", false},   {"01000001", "SP", true},  {"74000000", "GO", true},
        {"01000001", "DF", true},  {"99999999", "GO", true},  {"30130010", "DF", true},
        {"7400000", "GO", false},  // 7 digits: characters 6 to 8 are too few
    };
    for (const Caso &c : casos)
        EXPECT_EQ(ValidaCEP(c.cep, c.uf), c.valido) << c.cep << " " << c.uf;
    EXPECT_TRUE(dialogs().shown().empty());
}

TEST(ValidaCEP, BlankCodeIsAccepted) {
    EXPECT_TRUE(ValidaCEP("", "SP"));
    EXPECT_TRUE(ValidaCEP("        ", "MG"));
    EXPECT_TRUE(dialogs().shown().empty());
}

TEST(ValidaCEP, CodesNotAboveTheFirstShowTheMinimumMessage) {
    for (const char *cep : {"01000000", "00999999", "00000001", "00000000", "12", "0100000"}) {
        dialogs().reset();
        dialogs().answer(drav::dlg::Ok);
        EXPECT_FALSE(ValidaCEP(cep, "SP")) << cep;
        ASSERT_EQ(dialogs().messages(), QStringList{kMensagemCEP}) << cep;
        EXPECT_EQ(dialogs().last().message.icon, drav::dlg::Icon::Critical);
        EXPECT_EQ(dialogs().last().message.buttons, drav::dlg::Ok);
    }
}

TEST(ValidaCEP, NonDigitsAreInvalidWithTheRoutinesOwnMessage) {
    for (const char *cep : {"30130-010", "3013001A", "ABC30010", " 3013001", "30130 10", "+3013001", "-3013001"}) {
        dialogs().reset();
        dialogs().answer(drav::dlg::Ok);
        EXPECT_FALSE(ValidaCEP(cep, "MG")) << cep;
        EXPECT_EQ(dialogs().messages(), QStringList{kMensagemCEP}) << cep;
    }
}

TEST(ValidaCEP, OnlyTheFirstEightCharactersCount) {
    EXPECT_TRUE(ValidaCEP("30130010999", "MG"));
}

TEST(DecifraSenha, IsSharedWithTheSettingsFile) {
    EXPECT_EQ(DecifraSenha(CifraSenha("dravolta123")), "dravolta123");
}

} // namespace
