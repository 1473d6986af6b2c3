// The standard maintenance form on the shared team register: its actions in
// every state, the transaction from the start of a change to its end, the
// questions and the keys.

#include "forms/TFPai.h"
#include "forms/RotinasForm.h"
#include "platform/SilentAbort.h"
#include "platform/shell/Application.h"
#include "platform/widgets/DbEdit.h"

#include "TFPaiFixture.h"

#include <QApplication>
#include <QFormLayout>
#include <QToolBar>

#include <gtest/gtest.h>

namespace dlg = drav::dlg;
namespace ui = drav::ui;
using drav::ds::State;
using drav::test::dialogs;

namespace {

// A register form as the program's own are written.
class TFTurmaTeste : public TFPai {
public:
    TFTurmaTeste() {
        Label2->setText(QStringLiteral("Cadastro de Turmas"));
        DtsPadrao->setDataset(&dmDados->TbTurma);
        auto *campos = new QFormLayout(Painel);
        EdtCodigo = campo(QStringLiteral("idturma"));
        EdtNome = campo(QStringLiteral("nome"));
        EdtNome->setCharCase(ui::CharCase::Upper);
        EdtResponsavel = campo(QStringLiteral("responsavel"));
        campos->addRow(QStringLiteral("Código"), EdtCodigo);
        campos->addRow(QStringLiteral("Nome"), EdtNome);
        campos->addRow(QStringLiteral("Responsável"), EdtResponsavel);
    }
    void ActLocalizarExecute() override { ++localizacoes; }

    ui::DbEdit *EdtCodigo, *EdtNome, *EdtResponsavel;
    int localizacoes = 0;

private:
    ui::DbEdit *campo(const QString &nome) {
        auto *edit = new ui::DbEdit(Painel);
        edit->setDataSource(DtsPadrao);
        edit->setDataField(nome);
        return edit;
    }
};

class TFPaiTest : public FormsDbTest {
protected:
    void SetUp() override {
        FormsDbTest::SetUp();
        if (IsSkipped())
            return;
        form = std::make_unique<TFTurmaTeste>();
    }
    void TearDown() override {
        form.reset();
        FormsDbTest::TearDown();
    }
    // Shows the form on team `idturma` of company 1 (none: empty).
    void mostra(std::optional<int> idturma) {
        if (idturma) {
            dm->TbTurma.setParam(QStringLiteral("Pidturma"), *idturma);
            dm->TbTurma.setParam(QStringLiteral("Pidempresa"), 1);
        }
        form->show();
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    // Types `texto` into `edit` as the user does (ASCII only).
    void digita(ui::DbEdit *edit, const QString &texto) {
        edit->setFocus();
        QTest::keyClicks(edit, texto);
    }
    bool habilitadas(std::initializer_list<bool> esperado) {
        const QAction *acoes[] = {form->ActIncluir, form->ActAlterar,   form->ActExcluir, form->ActGravar,
                                  form->ActCancelar, form->ActLocalizar, form->ActSair};
        std::size_t i = 0;
        for (bool e : esperado)
            if (acoes[i++]->isEnabled() != e)
                return false;
        return true;
    }
    // No transaction left: the program's connection has none and another
    // connection writes the team rows without waiting for a lock.
    void semTransacao() {
        EXPECT_FALSE(dm->ConexaoBD.inTransaction());
        EXPECT_FALSE(form->transacaoPendente());
        auto outra = database->openConnection();
        outra->execute(QStringLiteral("SET SESSION innodb_lock_wait_timeout = 1"));
        EXPECT_NO_THROW(outra->execute(QStringLiteral("UPDATE tbturma SET responsavel = responsavel")));
    }
    qint64 turmas() { return contaFora(QStringLiteral("SELECT COUNT(*) FROM tbturma WHERE idempresa = 1")); }

    std::unique_ptr<TFTurmaTeste> form;
};

TEST_F(TFPaiTest, TheToolBarHasTheSevenActionsInOrder) {
    TFPai pai;
    EXPECT_EQ(pai.Label2->text(), "Formulário Padrão");
    EXPECT_EQ(pai.windowTitle(), drav::Application::title());
    QStringList textos;
    for (const QAction *a : pai.ToolBar1->actions())
        textos << (a->isSeparator() ? QStringLiteral("|") : a->text());
    EXPECT_EQ(textos, QStringList({"&Incluir", "&Alterar", "&Excluir", "&Gravar", "&Cancelar", "|", "&Localizar", "|",
                                   "&Fechar"}));
    EXPECT_EQ(pai.ActLocalizar->shortcut(), QKeySequence(Qt::Key_F3));
    for (QAction *a : {pai.ActIncluir, pai.ActAlterar, pai.ActExcluir, pai.ActGravar, pai.ActCancelar})
        EXPECT_TRUE(a->shortcut().isEmpty()) << a->text().toStdString();
    EXPECT_EQ(pai.ActionList1->actions().size(), 7);
}

TEST_F(TFPaiTest, EnabledActionsFollowTheDatasetState) {
    //                      Incl   Alt    Excl   Grav   Canc   Loc    Fechar
    EXPECT_TRUE(habilitadas({false, false, false, false, false, false, true})) << "closed";
    mostra(1);
    EXPECT_EQ(dm->TbTurma.state(), State::Browse);
    EXPECT_TRUE(habilitadas({true, true, true, false, false, true, true})) << "browsing";
    form->ActAlterarExecute();
    EXPECT_EQ(dm->TbTurma.state(), State::Edit);
    EXPECT_TRUE(habilitadas({false, false, false, true, true, false, true})) << "editing";
    form->ActCancelarExecute();
    form->ActIncluirExecute();
    EXPECT_EQ(dm->TbTurma.state(), State::Insert);
    EXPECT_TRUE(habilitadas({false, false, false, true, true, false, true})) << "inserting";
    form->ActCancelarExecute();
    EXPECT_TRUE(habilitadas({true, true, true, false, false, true, true})) << "browsing again";
}

TEST_F(TFPaiTest, ShowOpensTheDatasetEmptyWithoutParameters) {
    mostra(std::nullopt);
    EXPECT_TRUE(dm->TbTurma.isActive());
    EXPECT_TRUE(dm->TbTurma.isEmpty());
}

TEST_F(TFPaiTest, InsertAndSaveCommitTheTypedRow) {
    mostra(std::nullopt);
    form->ActIncluirExecute();
    EXPECT_TRUE(dm->ConexaoBD.inTransaction());
    EXPECT_EQ(dm->TbTurma.fieldByName("idempresa").asInteger(), 1) << "the new-row defaults apply";
    digita(form->EdtCodigo, "7");
    digita(form->EdtNome, "turma nova");
    digita(form->EdtResponsavel, "Joao");
    EXPECT_EQ(form->EdtNome->text(), "TURMA NOVA");
    form->ActGravarExecute();  // the control still holding the focus writes first
    EXPECT_EQ(dm->TbTurma.state(), State::Browse);
    EXPECT_EQ(contaFora("SELECT COUNT(*) FROM tbturma WHERE idturma = 7 AND idempresa = 1 AND nome = 'TURMA NOVA'"
                        " AND responsavel = 'Joao'"),
              1);
    semTransacao();
}

TEST_F(TFPaiTest, CancelRollsBackTheChange) {
    mostra(1);
    form->ActAlterarExecute();
    digita(form->EdtNome, "X");
    form->ActCancelarExecute();
    EXPECT_EQ(dm->TbTurma.state(), State::Browse);
    EXPECT_EQ(form->EdtNome->text(), "COLHEITA");
    EXPECT_EQ(contaFora("SELECT COUNT(*) FROM tbturma WHERE nome = 'COLHEITA'"), 1);
    semTransacao();
}

TEST_F(TFPaiTest, DeleteAsksWithNoPreselected) {
    struct Caso {
        int resposta;
        qint64 turmasDepois;
    };
    for (const Caso c : {Caso{dlg::No, 3}, Caso{dlg::Yes, 2}}) {
        SCOPED_TRACE(c.resposta);
        mostra(2);
        dialogs().answer(c.resposta);
        form->ActExcluirExecute();
        ASSERT_EQ(dialogs().shown().size(), 1u);
        const dlg::Message &m = dialogs().last().message;
        EXPECT_EQ(m.text, "Confirma a Exclusão do Registro !!");
        EXPECT_EQ(m.title, "Aviso");
        EXPECT_EQ(m.icon, dlg::Icon::Question);
        EXPECT_EQ(m.buttons, dlg::Yes | dlg::No);
        EXPECT_EQ(m.defaultButton, dlg::No);
        EXPECT_EQ(turmas(), c.turmasDepois);
        EXPECT_EQ(dm->TbTurma.state(), State::Browse);
        semTransacao();
        dialogs().reset();
        form->hide();
    }
}

TEST_F(TFPaiTest, DeleteOnAnEmptyDatasetAsksNothing) {
    mostra(std::nullopt);
    form->ActExcluirExecute();
    EXPECT_TRUE(dialogs().shown().empty());
    semTransacao();
}

TEST_F(TFPaiTest, ADuplicateKeyLeavesTheRowInEditWithTheTransactionOpen) {
    mostra(std::nullopt);
    form->ActIncluirExecute();
    digita(form->EdtCodigo, "1");
    digita(form->EdtNome, "REPETIDA");
    digita(form->EdtResponsavel, "ANA");
    dialogs().answer(dlg::Ok);
    EXPECT_THROW(form->ActGravarExecute(), drav::SilentAbort);
    EXPECT_EQ(dialogs().messages().join(u'|').toStdString(), "Erro de Chave Primária, Código já Existe !!!");
    EXPECT_EQ(dm->TbTurma.state(), State::Insert);
    EXPECT_TRUE(form->ActGravar->isEnabled());
    EXPECT_TRUE(form->ActCancelar->isEnabled());
    EXPECT_TRUE(form->transacaoPendente());
    EXPECT_TRUE(dm->ConexaoBD.inTransaction());

    // The user corrects the code and saves in the same transaction.
    form->EdtCodigo->setFocus();
    form->EdtCodigo->selectAll();
    QTest::keyClicks(form->EdtCodigo, "9");
    form->ActGravarExecute();
    EXPECT_EQ(contaFora("SELECT COUNT(*) FROM tbturma WHERE idturma = 9 AND nome = 'REPETIDA'"), 1);
    semTransacao();
}

TEST_F(TFPaiTest, FecharWhileInsertingAsksWithYesPreselected) {
    struct Caso {
        int resposta;
        qint64 gravadas;
    };
    for (const Caso c : {Caso{dlg::Yes, 1}, Caso{dlg::No, 0}}) {
        SCOPED_TRACE(c.resposta);
        form = std::make_unique<TFTurmaTeste>();
        mostra(std::nullopt);
        form->ActIncluirExecute();
        const QString codigo = c.resposta == dlg::Yes ? "5" : "6";
        digita(form->EdtCodigo, codigo);
        digita(form->EdtNome, "FECHADA");
        digita(form->EdtResponsavel, "ANA");
        dialogs().answer(c.resposta);
        form->ActSairExecute();
        const dlg::Message &m = dialogs().last().message;
        EXPECT_EQ(m.text, "Salvar as alterações ?");
        EXPECT_EQ(m.title, "Aviso");
        EXPECT_EQ(m.icon, dlg::Icon::Question);
        EXPECT_EQ(m.defaultButton, dlg::Yes);
        EXPECT_EQ(contaFora("SELECT COUNT(*) FROM tbturma WHERE nome = 'FECHADA' AND idturma = " + codigo), c.gravadas);
        EXPECT_FALSE(form->isVisible());
        EXPECT_FALSE(dm->TbTurma.isActive());
        semTransacao();
        dialogs().reset();
    }
}

TEST_F(TFPaiTest, FecharWhileBrowsingAsksNothing) {
    mostra(1);
    form->ActSairExecute();
    EXPECT_TRUE(dialogs().shown().empty());
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(dm->TbTurma.isActive());
}

TEST_F(TFPaiTest, TheCloseBoxDiscardsTheChangesWithoutAQuestion) {
    mostra(1);
    form->ActAlterarExecute();
    digita(form->EdtNome, "PERDIDA");
    form->close();
    EXPECT_TRUE(dialogs().shown().empty());
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(dm->TbTurma.isActive());
    EXPECT_EQ(contaFora("SELECT COUNT(*) FROM tbturma WHERE nome = 'PERDIDA'"), 0);
    semTransacao();
}

TEST_F(TFPaiTest, F3SearchesFromAnyControlWhileBrowsing) {
    mostra(1);
    form->EdtNome->setFocus();
    QTest::keyClick(form->EdtNome, Qt::Key_F3);
    EXPECT_EQ(form->localizacoes, 1);
    form->ActAlterarExecute();
    QTest::keyClick(form->EdtNome, Qt::Key_F3);
    EXPECT_EQ(form->localizacoes, 1) << "disabled while editing";
    form->ActCancelarExecute();
}

TEST_F(TFPaiTest, WindowKeysActOnlyWhenTheWindowItselfHasTheFocus) {
    mostra(1);
    form->EdtNome->setFocus();
    QTest::keyClick(form->EdtNome, Qt::Key_Insert);
    EXPECT_EQ(dm->TbTurma.state(), State::Browse) << "a control has the focus";

    form->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), form.get());
    QTest::keyClick(form.get(), Qt::Key_Insert);
    EXPECT_EQ(dm->TbTurma.state(), State::Insert);
    QTest::keyClick(form.get(), Qt::Key_Escape);
    EXPECT_EQ(dm->TbTurma.state(), State::Browse);
    EXPECT_TRUE(form->isVisible()) << "Escape never closes a register form";
    QTest::keyClick(form.get(), Qt::Key_F3);
    EXPECT_EQ(form->localizacoes, 1);
    semTransacao();
}

TEST_F(TFPaiTest, AtribuiFonteAcoesRebindsTheDatasetActionsOnly) {
    mostra(1);
    ui::DataSource outra(&dm->TbEmpresa);
    AtribuiFonteAcoes(&outra, form->ActionList1);
    for (auto *a : {form->ActIncluir, form->ActAlterar, form->ActExcluir, form->ActGravar, form->ActCancelar,
                    form->ActLocalizar})
        EXPECT_EQ(a->dataSource(), &outra);
    EXPECT_FALSE(form->ActIncluir->isEnabled()) << "the companies are not open";
    dm->TbEmpresa.setParam(QStringLiteral("pidempresa"), 2);
    dm->TbEmpresa.open();
    EXPECT_TRUE(form->ActIncluir->isEnabled());
    form->ActAlterarExecute();
    EXPECT_EQ(dm->TbEmpresa.state(), State::Edit);
    EXPECT_EQ(dm->TbTurma.state(), State::Browse);
    form->ActCancelarExecute();
    EXPECT_EQ(dm->TbEmpresa.state(), State::Browse);
    semTransacao();
}

} // namespace
