#include "app/ConexaoInterativa.h"
#include "app/TfmConfigDB.h"
#include "app/TfmSplash.h"

#include "ScriptedDialogs.h"

#include <QApplication>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using drav::test::dialogs;

namespace {

// Types text as a user would, one key event per character (accents included).
void digita(QWidget *w, const QString &texto) {
    for (const QChar c : texto)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

TEST(TfmConfigDB, InitialTextsLimitsAndEcho) {
    TfmConfigDB d;
    EXPECT_EQ(d.windowTitle(), QStringLiteral("DravTolvera"));
    struct Caso {
        QLineEdit *edit;
        const char *texto;
        int maximo;
    } casos[] = {
        {d.edHost, "Localhost", 32767}, {d.edDatabase, "DravoltaTolvera", 20}, {d.edUser, "root", 20},
        {d.edPassword, "kzqm", 20},     {d.Edporta, "3309", 20},
    };
    for (const Caso &c : casos) {
        EXPECT_EQ(c.edit->text(), QString::fromLatin1(c.texto));
        EXPECT_EQ(c.edit->maxLength(), c.maximo) << c.texto;
    }
    EXPECT_EQ(d.edPassword->echoMode(), QLineEdit::Password);
    EXPECT_EQ(d.BtOk->text(), QStringLiteral("&OK"));
    EXPECT_EQ(d.BtCancelar->text(), QStringLiteral("&Cancelar"));
}

TEST(TfmConfigDB, UserPasswordAndPortAreForcedToLowerCase) {
    TfmConfigDB d;
    d.show();
    for (QLineEdit *e : {d.edUser, d.edPassword, d.Edporta, d.edHost}) {
        e->clear();
        digita(e, QStringLiteral("AbÇ1"));
    }
    EXPECT_EQ(d.edUser->text(), QStringLiteral("abç1"));
    EXPECT_EQ(d.edPassword->text(), QStringLiteral("abç1"));
    EXPECT_EQ(d.Edporta->text(), QStringLiteral("abç1"));
    EXPECT_EQ(d.edHost->text(), QStringLiteral("AbÇ1"));  // the host keeps what is typed
}

TEST(TfmConfigDB, TabOrderEndsWithThePort) {
    TfmConfigDB d;
    const QList<QWidget *> esperado = {d.edHost, d.edDatabase, d.edUser, d.edPassword, d.BtOk, d.BtCancelar, d.Edporta};
    d.show();
    QApplication::setActiveWindow(&d);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
    d.edHost->setFocus();
    for (int i = 1; i < esperado.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), esperado[i]) << i;
    }
}

TEST(ConexaoInterativa, TheDialogIsShownThroughTheSeamAndItsTextsReturned) {
    TfmSplash splash;
    ConexaoInterativa ui(splash);
    dialogs().answerModal([](QDialog *dlg) {
        auto *d = qobject_cast<TfmConfigDB *>(dlg);
        d->edDatabase->setText(QStringLiteral("fazenda"));
        d->Edporta->setText(QStringLiteral("3306"));
        return int(QDialog::Accepted);
    });
    const auto dados = ui.pedeConexao();
    ASSERT_TRUE(dados.has_value());
    EXPECT_EQ(dados->database, QStringLiteral("fazenda"));
    EXPECT_EQ(dados->porta, QStringLiteral("3306"));
    EXPECT_EQ(dados->password, QStringLiteral("kzqm"));

    dialogs().answerModal([](QDialog *) { return int(QDialog::Rejected); });
    EXPECT_FALSE(ui.pedeConexao().has_value());
}

TEST(TfmSplash, ProgressBarShowsOnlyDuringCreation) {
    TfmSplash splash;
    splash.show();
    EXPECT_EQ(splash.size(), QSize(500, 350));
    EXPECT_FALSE(splash.ProgressBar->isVisible());
    splash.mostraProgresso(30);
    EXPECT_TRUE(splash.ProgressBar->isVisible());
    EXPECT_EQ(splash.ProgressBar->value(), 30);
    EXPECT_EQ(splash.ProgressBar->height(), 18);
    EXPECT_EQ(splash.ProgressBar->format(), QStringLiteral("Criando Banco de Dados..."));
    splash.escondeProgresso();
    EXPECT_FALSE(splash.isVisible());
}

} // namespace
