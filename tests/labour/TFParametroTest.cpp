// The parameters register: the unit chosen by search or typed, the rows of
// the unit by date, the checks, and the litres per unit read back from them.

#include "labour/TFParametro.h"

#include "platform/widgets/DateEdit.h"
#include "platform/widgets/DbGrid.h"

#include "CadastroFixture.h"

#include <QDate>
#include <QLineEdit>
#include <QToolBar>

#include <gtest/gtest.h>

namespace dlg = drav::dlg;
using drav::ds::State;
using drav::test::dialogs;

namespace {

class TFParametroTest : public CadastroTest {
protected:
    void SetUp() override {
        CadastroTest::SetUp();
        if (IsSkipped())
            return;
        conn().execute(QStringLiteral("INSERT INTO tbunidade (idunidade, nomeunidade, idempresa) VALUES"
                                      " ('LT', 'LATA', 1), ('SC', 'SACA', 1), ('LT', 'LATA DA DOIS', 2)"));
        form = std::make_unique<TFParametro>(nullptr);
    }
    void TearDown() override {
        form.reset();
        CadastroTest::TearDown();
    }
    void escolheUnidade(const QString &codigo) {
        escolhe(QStringLiteral("Pesquisa de Unidades"), QStringLiteral("idunidade"), codigo);
        form->ToolButton6->trigger();
    }
    // A new row of `qtd` from `vigor` on, saved.
    void inclui(int qtd, const QDate &vigor) {
        form->ActIncluirExecute();
        ASSERT_EQ(form->TbVerParam.state(), State::Insert);
        digita(form->EdtQuantidade, QString::number(qtd));
        form->TbVerParam.fieldByName("datavigor").setAsDate(vigor);
        form->ActGravarExecute();
        ASSERT_EQ(form->TbVerParam.state(), State::Browse);
    }
    qint64 parametrosFora() { return contaFora(QStringLiteral("SELECT COUNT(*) FROM tbparametro")); }

    std::unique_ptr<TFParametro> form;
};

TEST_F(TFParametroTest, TheToolBarSearchReplacesTheSearchAction) {
    EXPECT_EQ(form->Label2->text(), "Parâmetros");
    const QList<QAction *> acoes = form->ToolBar1->actions();
    EXPECT_TRUE(acoes.contains(form->ToolButton6));
    EXPECT_FALSE(acoes.contains(form->ActLocalizar));
    EXPECT_EQ(form->ToolButton6->text(), "&Localizar");
}

TEST_F(TFParametroTest, IncluirWithNoUnitDoesNothing) {
    mostra(form.get());
    form->ActIncluirExecute();
    EXPECT_EQ(form->TbVerParam.state(), State::Browse);
    semTransacao();
}

TEST_F(TFParametroTest, TheUnitSearchFillsTheBoxesAndListsItsRows) {
    conn().execute(
        QStringLiteral("INSERT INTO tbparametro (qtdlitro, idempresa, idsafra, datavigor, idunidade) VALUES"
                       " (30, 1, 2010, '2010-03-01', 'LT'), (31, 1, 2009, '2009-03-01', 'LT'),"
                       " (32, 1, 2010, '2010-03-01', 'SC')"));
    mostra(form.get());
    escolheUnidade(QStringLiteral("LT"));
    EXPECT_EQ(form->EdtCodigo->text(), "LT");
    EXPECT_EQ(form->EdtNome->text(), "LATA");
    EXPECT_EQ(foco(), form->EdtQuantidade);
    ASSERT_EQ(form->DBGrid1->rowCount(), 1) << "this unit, company and harvest only";
    EXPECT_EQ(form->DBGrid1->cellText(0, 0), "30");
    EXPECT_EQ(form->DBGrid1->cellText(0, 1), "01/03/2010");
}

TEST_F(TFParametroTest, RowsByDateGiveTheLitresInForce) {
    mostra(form.get());
    escolheUnidade(QStringLiteral("LT"));
    form->ActIncluirExecute();
    EXPECT_EQ(form->TbVerParam.fieldByName("datavigor").asDate(), QDate::currentDate());
    EXPECT_EQ(form->EdtDataVigor->lineEdit()->text(), QDate::currentDate().toString("dd/MM/yyyy"));
    EXPECT_EQ(foco(), form->EdtQuantidade);
    form->ActCancelarExecute();

    inclui(20, QDate(2010, 5, 1));
    inclui(25, QDate(2010, 7, 1));
    EXPECT_EQ(
        contaFora(QStringLiteral("SELECT COUNT(*) FROM tbparametro WHERE idunidade = 'LT' AND idempresa = 1"
                                 " AND idsafra = 2010")),
        2);
    EXPECT_EQ(form->DBGrid1->rowCount(), 2);
    semTransacao();

    struct Caso {
        QDate producao;
        qint64 litros;
    };
    for (const Caso c :
         {Caso{QDate(2010, 6, 15), 20}, Caso{QDate(2010, 7, 1), 25}, Caso{QDate(2010, 4, 30), 0}}) {
        SCOPED_TRACE(c.producao.toString().toStdString());
        EXPECT_EQ(dm->LitrosPorUnidade(QStringLiteral("LT"), c.producao), c.litros);
    }
    EXPECT_EQ(dm->LitrosPorUnidade(QStringLiteral("SC"), QDate(2010, 7, 1)), 0) << "another unit";
}

TEST_F(TFParametroTest, GravarWithTheUnitClearedAsksForIt) {
    mostra(form.get());
    escolheUnidade(QStringLiteral("SC"));
    form->ActIncluirExecute();
    digita(form->EdtQuantidade, QStringLiteral("40"));
    form->EdtCodigo->clear();
    dialogs().answer(dlg::Ok);
    form->ActGravarExecute();
    ASSERT_EQ(dialogs().messages(), QStringList{"Favor informar a unidade!"});
    EXPECT_EQ(dialogs().last().message.title, "Aviso");
    EXPECT_EQ(dialogs().last().message.icon, dlg::Icon::Warning);
    EXPECT_EQ(form->TbVerParam.state(), State::Insert);
    EXPECT_EQ(foco(), form->EdtCodigo);
    EXPECT_EQ(parametrosFora(), 0);

    digita(form->EdtCodigo, QStringLiteral("LT")); // typed by hand: the row takes it
    form->ActGravarExecute();
    EXPECT_EQ(contaFora(QStringLiteral(
                  "SELECT COUNT(*) FROM tbparametro WHERE idunidade = 'LT' AND qtdlitro = 40")),
              1);
    semTransacao();
}

TEST_F(TFParametroTest, SearchingWhileARowIsEditedAsksToSaveIt) {
    struct Caso {
        int resposta;
        qint64 gravadas;
    };
    for (const Caso c : {Caso{dlg::No, 0}, Caso{dlg::Yes, 1}}) {
        SCOPED_TRACE(c.resposta);
        form = std::make_unique<TFParametro>(nullptr);
        mostra(form.get());
        escolheUnidade(QStringLiteral("LT"));
        dialogs().reset();
        form->ActIncluirExecute();
        digita(form->EdtQuantidade, QStringLiteral("22"));
        EXPECT_TRUE(form->ToolButton6->isEnabled());
        dialogs().answer(c.resposta);
        if (c.resposta == dlg::Yes)
            escolhe(QStringLiteral("Pesquisa de Unidades"), QStringLiteral("idunidade"),
                    QStringLiteral("SC"));
        form->ToolButton6->trigger();
        EXPECT_EQ(dialogs().shown().front().message.text, "Salvar as alterações ?");
        EXPECT_EQ(dialogs().shown().front().message.title, "Aviso");
        EXPECT_EQ(form->TbVerParam.state(), State::Browse);
        EXPECT_EQ(contaFora(QStringLiteral("SELECT COUNT(*) FROM tbparametro WHERE qtdlitro = 22")),
                  c.gravadas);
        EXPECT_EQ(form->EdtCodigo->text(), c.resposta == dlg::Yes ? "SC" : "LT")
            << "the search runs after a save";
        semTransacao();
        dialogs().reset();
    }
}

} // namespace
