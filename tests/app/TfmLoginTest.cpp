#include "app/TfmLogin.h"
#include "data/TdmDados.h"
#include "data/sql/SqlScripts.h"

#include "DataModuleTest.h"
#include "ScriptedDialogs.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace dlg = drav::dlg;
using drav::test::dialogs;

namespace {

const QString kNaoIdentificado = QStringLiteral("Usuário ou Senha Não Identificados, Verifique !!!");
const QString kAbortado = QStringLiteral("Sistema Abortado, Usuário sem permissão de Acesso !!!");

void digita(QWidget *w, const QString &texto) {
    for (const QChar c : texto)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

class TfmLoginTest : public drav::test::DataModuleTest {
protected:
    void SetUp() override {
        DataModuleTest::SetUp();
        if (IsSkipped())
            return;
        conn().execute(QStringLiteral("INSERT INTO tbusuario VALUES ('MINUSC', 'abc', 'SENHA MINÚSCULA')"));
        TfmLogin::TentativasLogin = 0;
        login = std::make_unique<TfmLogin>(*dm);
        login->show();
    }
    void TearDown() override {
        login.reset();
        DataModuleTest::TearDown();
    }
    // Types a login and password as the user would and clicks OK.
    void tenta(const QString &usuario, const QString &senha) {
        login->edLogin->clear();
        login->edSenha->clear();
        digita(login->edLogin, usuario);
        digita(login->edSenha, senha);
        login->btConfirmaClick();
    }

    std::unique_ptr<TfmLogin> login;
};

TEST_F(TfmLoginTest, TheInitialUserTypedInLowerCaseIsAccepted) {
    tenta(QStringLiteral("dravolta"), QStringLiteral("qwembrxt"));
    EXPECT_EQ(login->result(), QDialog::Accepted);
    EXPECT_TRUE(dm->LoginAceito);
    EXPECT_EQ(dm->UsuarioAtual, QStringLiteral("DRAVOLTA"));
    EXPECT_TRUE(dialogs().shown().empty());
}

TEST_F(TfmLoginTest, AnUnknownLoginShowsItsMessageAndCounts) {
    dialogs().answer(dlg::Ok);
    tenta(QStringLiteral("ninguem"), QStringLiteral("x"));
    EXPECT_EQ(dialogs().messages(), QStringList{kNaoIdentificado});
    EXPECT_EQ(dialogs().last().message.title, QStringLiteral("Aviso"));
    EXPECT_EQ(TfmLogin::TentativasLogin, 1);
    EXPECT_TRUE(login->isVisible());
    EXPECT_TRUE(login->edLogin->text().isEmpty());
    EXPECT_TRUE(login->edSenha->text().isEmpty());
}

TEST_F(TfmLoginTest, AWrongPasswordCountsSilently) {
    tenta(QStringLiteral("dravolta"), QStringLiteral("errada"));
    EXPECT_TRUE(dialogs().shown().empty());
    EXPECT_FALSE(dm->LoginAceito);
    EXPECT_EQ(TfmLogin::TentativasLogin, 1);
    // A password stored in lower case can never match: the box sends capitals.
    tenta(QStringLiteral("minusc"), QStringLiteral("abc"));
    EXPECT_FALSE(dm->LoginAceito);
    EXPECT_EQ(TfmLogin::TentativasLogin, 2);
}

TEST_F(TfmLoginTest, ThreeFailuresThenTheRightPasswordEndTheProgram) {
    for (int i = 0; i < 3; ++i)
        tenta(QStringLiteral("dravolta"), QStringLiteral("errada"));
    EXPECT_TRUE(login->isVisible());
    dialogs().answer(dlg::Ok);
    tenta(QStringLiteral("dravolta"), QStringLiteral("qwembrxt"));
    EXPECT_EQ(dialogs().messages(), QStringList{kAbortado});
    EXPECT_EQ(login->result(), QDialog::Rejected);
    EXPECT_FALSE(dm->LoginAceito);
}

TEST_F(TfmLoginTest, AfterAFourthFailureTheNextClickEndsAtOnce) {
    for (int i = 0; i < 4; ++i)
        tenta(QStringLiteral("dravolta"), QStringLiteral("errada"));
    EXPECT_TRUE(dialogs().shown().empty());
    dialogs().answer(dlg::Ok);
    tenta(QStringLiteral("dravolta"), QStringLiteral("qwembrxt"));
    EXPECT_EQ(dialogs().messages(), QStringList{kAbortado});
    EXPECT_EQ(login->result(), QDialog::Rejected);
}

TEST_F(TfmLoginTest, BoxesForceCapitalsAndLimitsAndCancelRejects) {
    digita(login->edLogin, QStringLiteral("abcdefghijklm"));
    EXPECT_EQ(login->edLogin->text(), QStringLiteral("ABCDEFGHIJ"));
    EXPECT_EQ(login->edSenha->echoMode(), QLineEdit::Password);
    EXPECT_EQ(login->edSenha->maxLength(), 10);
    EXPECT_EQ(login->windowTitle(), QStringLiteral("DravTolvera"));
    login->btCancela->click();
    EXPECT_EQ(login->result(), QDialog::Rejected);
}

} // namespace
