#pragma once
// A data module on a fresh database with two companies in two cities and a
// few harvests, the program's formats installed, company 1 and harvest 2010
// current; helpers to show a register form and to answer its searches.

#include "forms/TFPesquisa2.h"
#include "platform/widgets/DbEdit.h"
#include "platform/widgets/ProgramFormats.h"

#include "DataModuleTest.h"
#include "ScriptedDialogs.h"

#include <QApplication>
#include <QtTest/QTest>

class CadastroTest : public drav::test::DataModuleTest {
protected:
    void SetUp() override {
        DataModuleTest::SetUp();
        if (IsSkipped())
            return;
        drav::installProgramFormats();
        conn().executeScript(QStringLiteral(
            "INSERT INTO tbcidade (idcidade, nomecidade, idpais, idestado) VALUES (1, 'BELO HORIZONTE', "
            "'BRA', 'MG'),"
            " (2, 'VITORIA', 'BRA', 'ES');"
            "INSERT INTO tbempresa (idempresa, nome, endereco, idcidade) VALUES (1, 'FAZENDA UM', 'RUA A', "
            "1),"
            " (2, 'FAZENDA DOIS', 'RUA B', 2);"
            "INSERT INTO tbsafra (idsafra, descricao, idempresa) VALUES (2009, 'SAFRA 2009', 1),"
            " (2010, 'SAFRA 2010', 1), (2010, 'SAFRA DA DOIS', 2);"));
        dm->EmpresaAtual = 1;
        dm->SafraAtual = 2010;
        // Where the login leaves the shared company and harvest.
        dm->TbEmpresa.setParam(QStringLiteral("pidempresa"), 1);
        dm->TbSafra.setParam(QStringLiteral("pidempresa"), 1);
        dm->TbSafra.setParam(QStringLiteral("pidsafra"), 2010);
    }

    void mostra(QDialog *form) {
        form->show();
        QApplication::setActiveWindow(form);
        ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    }
    // Types `texto` into `edit` as the user does (ASCII only).
    static void digita(QWidget *edit, const QString &texto) {
        edit->setFocus();
        QTest::keyClicks(edit, texto);
    }
    static void apaga(QLineEdit *edit) {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
    }
    // The next search dialog must carry `titulo`; it is confirmed on the row
    // whose `coluna` holds `valor`.
    static void escolhe(const QString &titulo, const QString &coluna, const QVariant &valor) {
        drav::test::dialogs().answerModal([=](QDialog *d) {
            auto *pesquisa = qobject_cast<TFPesquisa2 *>(d);
            EXPECT_NE(pesquisa, nullptr);
            if (!pesquisa)
                return int(QDialog::Rejected);
            EXPECT_EQ(pesquisa->Label1->text(), titulo);
            EXPECT_TRUE(pesquisa->QyPesquisa.locate(coluna, valor)) << coluna.toStdString();
            return int(QDialog::Accepted);
        });
    }
    // A count seen from outside the program's connection (committed rows only).
    qint64 contaFora(const QString &sql) { return database->openConnection()->query(sql).integer(0, 0); }
    // No transaction left on the program's connection.
    void semTransacao() { EXPECT_FALSE(dm->ConexaoBD.inTransaction()); }
    static QWidget *foco() { return QApplication::focusWidget(); }
};
