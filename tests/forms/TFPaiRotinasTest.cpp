// The tree routines of the register forms over master-detail datasets.

#include "forms/RotinasForm.h"

#include "TFPaiFixture.h"

#include <QApplication>
#include <QTreeWidget>

#include <gtest/gtest.h>

using drav::ds::Dataset;
using drav::test::dialogs;
namespace ui = drav::ui;

namespace {

class ArvoreTest : public FormsDbTest {
protected:
    void SetUp() override {
        FormsDbTest::SetUp();
        if (IsSkipped())
            return;
        conn().executeScript(QStringLiteral(
            "INSERT INTO tbpais VALUES ('ZZA', 'ALFA'), ('ZZB', 'BETA');"
            "INSERT INTO tbestado VALUES ('Z1', 'ZUM', 'ZZA'), ('Z2', 'ZDOIS', 'ZZA');"
            "INSERT INTO tbcidade (nomecidade, idestado, idpais) VALUES ('CIDADE B', 'Z1', 'ZZA'),"
            " ('CIDADE A', 'Z1', 'ZZA'), ('CIDADE C', 'Z2', 'ZZA');"));
        paises = std::make_unique<Dataset>(dm->ConexaoBD, "paises");
        paises->setSql(QStringLiteral("select * from tbpais where idpais like :Pfiltro order by idpais"));
        paises->setParam(QStringLiteral("Pfiltro"), QStringLiteral("ZZ%"));
        estados = std::make_unique<Dataset>(dm->ConexaoBD, "estados");
        estados->setSql(QStringLiteral("select * from tbestado where idpais = :Idpais order by idestado"));
        estados->setMaster(paises.get());
        cidades = std::make_unique<Dataset>(dm->ConexaoBD, "cidades");
        cidades->setSql(QStringLiteral("select * from tbcidade where idestado = :idestado order by nomecidade"));
        cidades->setMaster(estados.get());
        f1.setDataset(paises.get());
        f2.setDataset(estados.get());
        f3.setDataset(cidades.get());
    }
    void TearDown() override {
        cidades.reset();
        estados.reset();
        paises.reset();
        FormsDbTest::TearDown();
    }
    void carrega(const QString &texto3 = QStringLiteral("nomecidade")) {
        CarregaArvore(&arvore, &f1, &f2, &f3, QStringLiteral("idestado"), QStringLiteral("idestado"),
                      QStringLiteral("nome"), QStringLiteral("idestado"), texto3);
    }
    // The tree as text: "node(child,child)" in display order.
    static QString desenho(const QTreeWidgetItem *no) {
        QString s = no->text(0) + u'#' + QString::number(no->data(0, PapelImagem).toInt());
        if (no->childCount() == 0)
            return s;
        QStringList filhos;
        for (int i = 0; i < no->childCount(); ++i)
            filhos << desenho(no->child(i));
        return s + u'(' + filhos.join(u',') + u')';
    }
    QString desenho() const {
        QStringList topo;
        for (int i = 0; i < arvore.topLevelItemCount(); ++i)
            topo << desenho(arvore.topLevelItem(i));
        return topo.join(u' ');
    }

    std::unique_ptr<Dataset> paises, estados, cidades;
    ui::DataSource f1, f2, f3;
    QTreeWidget arvore;
};

TEST_F(ArvoreTest, CarregaArvoreBuildsThreeLevels) {
    carrega();
    EXPECT_EQ(desenho(), "ALFA#1(Z1#2(CIDADE A#2,CIDADE B#2),Z2#2(CIDADE C#2)) BETA#0");
    EXPECT_EQ(paises->recNo(), 1) << "level 1 back on its first row";
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // A node's bookmark brings its dataset to its row.
    paises->gotoBookmark(MarcadorDoNo(arvore.topLevelItem(1)));
    EXPECT_EQ(paises->fieldByName("nome").asString(), "BETA");
}

TEST_F(ArvoreTest, AnEmptyFirstLevelLeavesTheTreeAsItWas) {
    carrega();
    paises->close();
    paises->setParam(QStringLiteral("Pfiltro"), QStringLiteral("NENHUM"));
    carrega();
    EXPECT_EQ(arvore.topLevelItemCount(), 2);
    EXPECT_TRUE(dialogs().shown().empty());
}

TEST_F(ArvoreTest, AFailureShowsItsOneMessage) {
    dialogs().answer(drav::dlg::Ok);
    carrega(QStringLiteral("semcampo"));
    EXPECT_EQ(dialogs().messages(), QStringList{"Falha ao abrir as Tabelas e Carregar a árvore"});
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(ArvoreTest, LocalizaNoFindsTheExactTextInDisplayOrder) {
    EXPECT_EQ(LocalizaNo(&arvore, "ALFA", false), nullptr) << "empty tree";
    carrega();
    QTreeWidgetItem *cidade = LocalizaNo(&arvore, "CIDADE C", true);
    ASSERT_NE(cidade, nullptr);
    EXPECT_EQ(cidade->parent()->text(0), "Z2");
    EXPECT_TRUE(cidade->parent()->isExpanded());
    EXPECT_TRUE(cidade->parent()->parent()->isExpanded());
    EXPECT_EQ(LocalizaNo(&arvore, "cidade c", true), nullptr) << "letter case counts";
    EXPECT_EQ(LocalizaNo(&arvore, "Z1", false)->parent()->text(0), "ALFA");
    EXPECT_FALSE(LocalizaNo(&arvore, "CIDADE A", false)->parent()->isExpanded());
}

} // namespace
