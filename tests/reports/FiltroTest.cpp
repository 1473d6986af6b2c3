// The filter dialog every report starts from: the period, the selection
// groups and the print sequence.

#include "reports/TFormFiltro.h"

#include "platform/report/Report.h"
#include "platform/widgets/DateEdit.h"

#include "RelatoriosFixture.h"
#include "ScriptedDialogs.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using drav::report::BandKind;
using drav::test::dialogs;

namespace {

// Plots planted in the period, counting its live instances.
class TFrPlantio : public TFormRelatorio {
public:
    TFrPlantio(TdmDados &dados, int &vivos)
        : TFormRelatorio(dados,
                         {.titulo = QStringLiteral("Plantio no período"),
                          .colunas = {{QStringLiteral("Gleba"), QStringLiteral("idgleba"), 20},
                                      {QStringLiteral("Nome"), QStringLiteral("nomegleba"), 80},
                                      {QStringLiteral("Data Plantio"), QStringLiteral("dataplantio"), 30}},
                          .vazio = QStringLiteral("Não há plantio nesse período!"),
                          .periodo = true}),
          vivos_(vivos) {
        ++vivos_;
        QyRelatorio.setSql(QStringLiteral("select * from tbgleba where idempresa = :pidempresa"
                                          " and dataplantio between :pdataini and :pdatafim"));
    }
    ~TFrPlantio() override { --vivos_; }

private:
    int &vivos_;
};

class TFrFiltroPlantio : public TFormFiltro {
public:
    explicit TFrFiltroPlantio(TdmDados &dados) : TFormFiltro(dados, QStringLiteral("Relatório")) {
        adicionaPeriodo(QStringLiteral("Período"));
        gbVariedade = adicionaSelecao(QStringLiteral("Variedade"));
    }

    TGrupoSelecao *gbVariedade;
    int vivos = 0;
    int criados = 0;
    TFrPlantio *ultimo = nullptr;
    bool quebrada = false; // the query names a table that does not exist

protected:
    std::unique_ptr<TFormRelatorio> criaRelatorio() override {
        auto r = std::make_unique<TFrPlantio>(dados(), vivos);
        ++criados;
        ultimo = r.get();
        if (quebrada)
            r->QyRelatorio.setSql(QStringLiteral("select * from tbnaoexiste where idempresa = :pidempresa"));
        return r;
    }
    void preparaConsulta(TFormRelatorio &r) override {
        TFormFiltro::preparaConsulta(r);
        if (!gbVariedade->todos()) {
            r.QyRelatorio.addSql(QStringLiteral(" and idvariedade = :pidvariedade"));
            r.QyRelatorio.setParam(QStringLiteral("pidvariedade"), *gbVariedade->id());
        }
        r.QyRelatorio.addSql(QStringLiteral(" order by idgleba"));
    }
};

class Filtro : public drav::test::RelatoriosTest {
protected:
    void SetUp() override {
        RelatoriosTest::SetUp();
        if (IsSkipped())
            return;
        dialogo = std::make_unique<TFrFiltroPlantio>(*dm);
        dialogo->show();
        dialogo->JvDtPInicial->setDate(QDate(1990, 1, 1));
        dialogo->JvDtPFinal->setDate(QDate(2010, 12, 31));
    }
    void TearDown() override {
        dialogo.reset();
        RelatoriosTest::TearDown();
    }
    // What the preview shows: the period line and the names listed.
    struct Previa {
        bool botaoLigado = true;
        int vivos = 0;
        QString periodo;
        QStringList nomes;
    };
    void respondePrevia(Previa &p) {
        dialogs().answerModal([this, &p](QDialog *) {
            p.botaoLigado = dialogo->BtImprime->isEnabled();
            p.vivos = dialogo->vivos;
            p.periodo = dialogo->ultimo->qrPeriodo->text();
            const drav::report::Document doc = dialogo->ultimo->QuickRep1.generate();
            for (const auto *b : doc.bandsOf(BandKind::Detail))
                p.nomes << b->texts().value(1);
            return int(QDialog::Rejected);
        });
    }
    std::unique_ptr<TFrFiltroPlantio> dialogo;
};

TEST_F(Filtro, ShapeAndTodayOnShow) {
    TFrFiltroPlantio outro(*dm);
    outro.show();
    EXPECT_EQ(outro.windowTitle(), QStringLiteral("DravTolvera"));
    EXPECT_EQ(outro.lbTitulo->text(), QStringLiteral("Relatório"));
    EXPECT_TRUE(outro.BtImprime->isDefault());
    EXPECT_EQ(outro.BtImprime->text(), QStringLiteral("Imprimir"));
    EXPECT_EQ(outro.gbPeriodo->title(), QStringLiteral("Período"));
    EXPECT_EQ(outro.JvDtPInicial->date(), QDate::currentDate());
    EXPECT_EQ(outro.JvDtPFinal->date(), QDate::currentDate());
    EXPECT_EQ(outro.gbVariedade->nome(), QStringLiteral("TODOS"));
    outro.BtCancela->click();
    EXPECT_EQ(outro.result(), int(QDialog::Rejected));
    EXPECT_FALSE(outro.isVisible());
}

TEST_F(Filtro, FinalDateBeforeInitialStopsWithTheFocusOnIt) {
    dialogo->JvDtPInicial->setDate(QDate(2024, 3, 10));
    dialogo->JvDtPFinal->setDate(QDate(2024, 3, 9));
    dialogo->JvDtPInicial->setFocus();
    dialogs().answer(drav::dlg::Ok);
    dialogo->BtImprime->click();
    ASSERT_EQ(dialogs().shown().size(), 1u) << "no preview";
    const drav::dlg::Message &m = dialogs().last().message;
    EXPECT_EQ(m.title, QStringLiteral("Aviso"));
    EXPECT_EQ(m.text, QStringLiteral("Data final menor que data inicial!"));
    EXPECT_EQ(m.icon, drav::dlg::Icon::Warning);
    EXPECT_EQ(dialogo->focusWidget(), dialogo->JvDtPFinal->lineEdit());
    EXPECT_EQ(dialogo->criados, 0);
    EXPECT_TRUE(dialogo->BtImprime->isEnabled());
}

TEST_F(Filtro, OneDayPeriodPreviewsThatDayWithTheButtonOffMeanwhile) {
    dialogo->JvDtPInicial->setDate(QDate(2001, 10, 15));
    dialogo->JvDtPFinal->setDate(QDate(2001, 10, 15));
    Previa p;
    respondePrevia(p);
    dialogo->BtImprime->click();
    EXPECT_EQ(dialogs().last().objectName, QStringLiteral("QPrintPreviewDialog"));
    EXPECT_FALSE(p.botaoLigado);
    EXPECT_EQ(p.vivos, 1);
    EXPECT_EQ(p.periodo, QStringLiteral("Período: 15/10/2001 a 15/10/2001"));
    EXPECT_EQ(p.nomes, QStringList({"GLEBA DO CÓRREGO"}));
    EXPECT_TRUE(dialogo->BtImprime->isEnabled());
    EXPECT_EQ(dialogo->vivos, 0) << "the report form is released after the preview";
}

TEST_F(Filtro, EmptyResultShowsTheReportsMessage) {
    dialogo->JvDtPInicial->setDate(QDate(2020, 1, 1));
    dialogo->JvDtPFinal->setDate(QDate(2020, 12, 31));
    dialogs().answer(drav::dlg::Ok);
    dialogo->BtImprime->click();
    ASSERT_EQ(dialogs().shown().size(), 1u) << "no preview";
    EXPECT_EQ(dialogs().last().message.title, QStringLiteral("Aviso"));
    EXPECT_EQ(dialogs().last().message.text, QStringLiteral("Não há plantio nesse período!"));
    EXPECT_EQ(dialogs().last().message.icon, drav::dlg::Icon::Warning);
    EXPECT_TRUE(dialogo->BtImprime->isEnabled());
    EXPECT_EQ(dialogo->criados, 1);
    EXPECT_EQ(dialogo->vivos, 0);
}

TEST_F(Filtro, DatabaseErrorShowsItsMessageAndTheDialogPrintsAgain) {
    dialogo->quebrada = true;
    dialogs().answer(drav::dlg::Ok);
    dialogo->BtImprime->click();
    ASSERT_EQ(dialogs().shown().size(), 1u);
    EXPECT_TRUE(dialogs().last().message.text.contains(QStringLiteral("tbnaoexiste")))
        << dialogs().last().message.text.toStdString();
    EXPECT_EQ(dialogs().last().message.icon, drav::dlg::Icon::Critical);
    EXPECT_TRUE(dialogo->BtImprime->isEnabled());
    EXPECT_EQ(dialogo->vivos, 0) << "the report form is released";

    dialogo->quebrada = false;
    Previa p;
    respondePrevia(p);
    dialogo->BtImprime->click();
    EXPECT_EQ(p.nomes.size(), 3);
}

TEST_F(Filtro, SelectionGroupSearchesAndDoubleClickGoesBackToAll) {
    TGrupoSelecao &g = *dialogo->gbVariedade;
    EXPECT_TRUE(g.todos());
    EXPECT_TRUE(g.edNome->isReadOnly());
    std::optional<Escolha> resposta = Escolha{QStringLiteral("MUNDO NOVO"), 2};
    g.setPesquisa([&] { return resposta; });
    g.btPesquisa->click();
    EXPECT_EQ(g.nome(), QStringLiteral("MUNDO NOVO"));
    EXPECT_EQ(g.id(), 2);
    resposta.reset(); // the search cancelled: the choice stays
    g.btPesquisa->click();
    EXPECT_EQ(g.nome(), QStringLiteral("MUNDO NOVO"));

    Previa escolhida;
    respondePrevia(escolhida);
    dialogo->BtImprime->click();
    EXPECT_EQ(escolhida.nomes, QStringList({"GLEBA ALTA"}));

    QTest::mouseDClick(g.edNome, Qt::LeftButton);
    EXPECT_TRUE(g.todos());
    EXPECT_EQ(g.nome(), QStringLiteral("TODOS"));

    // Printed again with a new form: all plots with a planting date in the period.
    Previa todas;
    respondePrevia(todas);
    dialogo->BtImprime->click();
    EXPECT_EQ(todas.nomes, QStringList({"GLEBA DO CÓRREGO", "GLEBA ALTA", "GLEBA SEM VARIEDADE"}));
    EXPECT_EQ(dialogo->criados, 2);
}

} // namespace
