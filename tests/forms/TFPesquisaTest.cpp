// The search dialogs on a real database: the first list, the rerun 200 ms
// after the last keystroke, the keys of the search box, the filters and texts
// that must stay literals.

#include "forms/TFPesquisa2.h"
#include "platform/shell/Application.h"

#include "TFPaiFixture.h"

#include <QApplication>

#include <gtest/gtest.h>

using drav::test::dialogs;

namespace {

class TFPesquisaTest : public FormsDbTest {
protected:
    void SetUp() override {
        FormsDbTest::SetUp();
        if (IsSkipped())
            return;
        conn().executeScript(QStringLiteral(
            "INSERT INTO tbgleba (idgleba, nomegleba, idempresa, qtdplantas, dataplantio, idvariedade, qtdhectare)"
            " VALUES (1, 'CAFEZAL', 1, 10, '2001-01-01', 1, 1), (2, 'CANAVIAL', 1, 10, '2001-01-01', 1, 1),"
            " (3, 'MORRO', 1, 10, '2001-01-01', 1, 1), (4, 'CAPOEIRA', 2, 10, '2001-01-01', 1, 1);"
            "INSERT INTO tbcolaborador (idcolaborador, nome, idempresa, idturma, demitido) VALUES"
            " (1, 'JOAO', 1, 0, 'N'), (2, 'JOSE', 1, 0, 'S'), (3, 'D''AVILA', 1, 1, 'N'),"
            " (4, '100% CAFE', 1, 1, 'N'), (5, 'A_B', 1, 1, 'N'), (6, 'AXB', 1, 1, 'N'), (7, 'C:\\\\X', 1, 1, 'N'),"
            " (1, 'PEDRO', 2, 0, 'N');"));
        dm->ConexaoBD.setStatementObserver([this](const QString &sql) {
            if (sql.startsWith(QLatin1String("SELECT"))) {
                ++consultas;
                ultima = sql;
            }
        });
    }
    void TearDown() override {
        if (dm)
            dm->ConexaoBD.setStatementObserver(nullptr);
        FormsDbTest::TearDown();
    }
    static void glebas(TFPesquisa2 &p) {
        p.Label1->setText(QStringLiteral("Pesquisa de Glebas"));
        p.Consultas = {{"Nome da Gleba", "nomegleba", "tbgleba", "N"}, {"Gleba", "idgleba", "tbgleba", "N"}};
    }
    static void colaboradores(TFPesquisa2 &p) {
        p.Consultas = {{"Nome", "nome", "tbcolaborador", "N"}, {"Código", "idcolaborador", "tbcolaborador", "N"}};
    }
    static QStringList nomes(TFPesquisaBase &p, const QString &campo = QStringLiteral("nome")) {
        QStringList lista;
        for (p.QyPesquisa.first(); !p.QyPesquisa.eof(); p.QyPesquisa.next())
            lista << p.QyPesquisa.fieldByName(campo).asString();
        return lista;
    }
    // Waits, within bounds, for the debounced search to run.
    bool esperaConsulta(int quantas) {
        return QTest::qWaitFor([&] { return consultas >= quantas; }, 3000);
    }

    int consultas = 0;
    QString ultima;
};

TEST_F(TFPesquisaTest, PreparaListsEveryRowTheFilterAllows) {
    TFPesquisa2 p;
    EXPECT_EQ(p.windowTitle(), drav::Application::title());
    EXPECT_EQ(p.DBGrid1->toolTip(), "Duplo clique para confirmar o valor da pesquisa");
    glebas(p);
    p.Prepara();
    EXPECT_EQ(consultas, 1);
    EXPECT_EQ(ultima, "SELECT tbgleba.nomegleba,tbgleba.idgleba FROM tbgleba WHERE tbgleba.idempresa = 1 AND "
                      "tbgleba.nomegleba LIKE '%'");
    EXPECT_EQ(nomes(p, "nomegleba"), QStringList({"CAFEZAL", "CANAVIAL", "MORRO"}));
    ASSERT_EQ(p.ComboBox1->count(), 2);
    EXPECT_EQ(p.ComboBox1->itemText(0), "Nome da Gleba");
    EXPECT_EQ(p.ComboBox1->currentIndex(), 0);
    EXPECT_EQ(p.DBGrid1->rowCount(), 3);
    auto *modelo = p.DBGrid1->gridModel();
    EXPECT_EQ(modelo->headerData(0, Qt::Horizontal).toString(), "Nome da Gleba");
    EXPECT_EQ(modelo->headerData(0, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignCenter);
}

TEST_F(TFPesquisaTest, ThreeQuickKeystrokesRunTheSearchOnce) {
    TFPesquisa2 p;
    glebas(p);
    p.Prepara();
    p.show();
    consultas = 0;
    QTest::keyClicks(p.EdtIncremental, "caf");
    EXPECT_EQ(p.EdtIncremental->text(), "CAF") << "the search box forces upper case";
    EXPECT_TRUE(p.Timer1.isActive());
    EXPECT_EQ(consultas, 0);
    ASSERT_TRUE(esperaConsulta(1));
    QTest::qWait(400);
    EXPECT_EQ(consultas, 1);
    EXPECT_TRUE(ultima.endsWith("tbgleba.nomegleba LIKE 'CAF%'")) << ultima.toStdString();
    EXPECT_EQ(nomes(p, "nomegleba"), QStringList{"CAFEZAL"});
}

TEST_F(TFPesquisaTest, EnterReturnsOkEvenWithNoRows) {
    TFPesquisa2 p;
    glebas(p);
    p.Prepara();
    p.show();
    QTest::keyClicks(p.EdtIncremental, "ZZZ");
    ASSERT_TRUE(esperaConsulta(2));
    EXPECT_TRUE(p.QyPesquisa.isEmpty());
    QTest::keyClick(p.EdtIncremental, Qt::Key_Return);
    EXPECT_EQ(p.result(), QDialog::Accepted);
    EXPECT_FALSE(p.isVisible());
    EXPECT_EQ(p.QyPesquisa.fieldByName("idgleba").asInteger(), 0) << "the caller reads empty values";
}

TEST_F(TFPesquisaTest, ArrowKeysMoveTheRowThatOkReturns) {
    TFPesquisa2 p;
    glebas(p);
    p.Prepara();
    p.show();
    QTest::keyClick(p.EdtIncremental, Qt::Key_Down);
    QTest::keyClick(p.EdtIncremental, Qt::Key_Right);
    EXPECT_EQ(p.QyPesquisa.recNo(), 3);
    EXPECT_EQ(p.DBGrid1->currentIndex().row(), 2);
    QTest::keyClick(p.EdtIncremental, Qt::Key_Up);
    QTest::keyClick(p.EdtIncremental, Qt::Key_Enter);
    EXPECT_EQ(p.result(), QDialog::Accepted);
    EXPECT_EQ(p.QyPesquisa.fieldByName("idgleba").asInteger(), 2);
    EXPECT_EQ(p.QyPesquisa.fieldByName("nomegleba").asString(), "CANAVIAL");
}

TEST_F(TFPesquisaTest, EscapeTheCloseButtonAndDoubleClicksOnAnEmptyGridCancel) {
    struct Caso {
        const char *nome;
        const char *texto;
        std::function<void(TFPesquisa2 &)> acao;
        int resultado;
    };
    const Caso casos[] = {
        {"Escape", "", [](TFPesquisa2 &p) { QTest::keyClick(p.EdtIncremental, Qt::Key_Escape); }, QDialog::Rejected},
        {"Fechar", "", [](TFPesquisa2 &p) { p.BtnFechar->click(); }, QDialog::Rejected},
        {"double click on rows", "",
         [](TFPesquisa2 &p) { QTest::mouseDClick(p.DBGrid1->viewport(), Qt::LeftButton, {}, QPoint(5, 5)); },
         QDialog::Accepted},
        {"double click on no rows", "ZZZ",
         [](TFPesquisa2 &p) { QTest::mouseDClick(p.DBGrid1->viewport(), Qt::LeftButton, {}, QPoint(5, 5)); },
         QDialog::Rejected},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nome);
        TFPesquisa2 p;
        glebas(p);
        p.Prepara();
        p.Pesquisa(c.texto);
        p.show();
        p.setResult(-1);
        c.acao(p);
        EXPECT_EQ(p.result(), c.resultado);
        EXPECT_FALSE(p.isVisible());
    }
}

TEST_F(TFPesquisaTest, DismissedWorkersAreListedUnlessLeftOut) {
    for (bool mostra : {true, false}) {
        SCOPED_TRACE(mostra);
        TFPesquisa2 p;
        colaboradores(p);
        p.MostraDemitidos = mostra;
        p.Prepara();
        EXPECT_EQ(nomes(p).contains("JOSE"), mostra);
        EXPECT_TRUE(nomes(p).contains("JOAO"));
        p.Pesquisa("JO");
        EXPECT_EQ(nomes(p).size(), mostra ? 2 : 1) << "every list the dialog shows";
    }
}

TEST_F(TFPesquisaTest, TheSearchTextIsAlwaysALiteralPrefix) {
    TFPesquisa2 p;
    colaboradores(p);
    p.Prepara();
    const struct {
        QString texto;
        QStringList achados;
    } casos[] = {
        {"D'", {"D'AVILA"}},           {"100%", {"100% CAFE"}}, {"%", {}},
        {"A_", {"A_B"}},               {"C:\\", {"C:\\X"}},     {"' OR 1=1 -- ", {}},
        {"') OR ('1'='1", {}},         {":Pidempresa", {}},      {"\\", {}},
    };
    for (const auto &c : casos) {
        SCOPED_TRACE(c.texto.toStdString());
        EXPECT_NO_THROW(p.Pesquisa(c.texto));
        EXPECT_EQ(nomes(p), c.achados);
    }
}

TEST_F(TFPesquisaTest, AJoinOnTheCompanyListsEachWorkerOnce) {
    // Team 0 exists in both companies: a join on the team id alone doubles
    // the workers of team 0.
    for (bool porEmpresa : {false, true}) {
        SCOPED_TRACE(porEmpresa);
        TFPesquisa2 p;
        colaboradores(p);
        p.Consultas.push_back({"", "idturma", "tbturma", "J", porEmpresa});
        p.Prepara();
        EXPECT_EQ(nomes(p).count("JOAO"), porEmpresa ? 1 : 2);
        EXPECT_EQ(p.ComboBox1->count(), 2) << "a joined column is not offered";
        EXPECT_TRUE(p.DBGrid1->isColumnHidden(p.DBGrid1->gridModel()->columnOf(&p.QyPesquisa.fieldByName("idturma"))));
    }
}

TEST_F(TFPesquisaTest, TheKeyChoiceBoxHandsTheFocusOn) {
    TFPesquisa2 p;
    glebas(p);
    p.Prepara();
    p.show();
    QApplication::setActiveWindow(&p);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&p));
    EXPECT_EQ(QApplication::focusWidget(), p.EdtIncremental) << "focused when shown";
    p.ComboBox1->setFocus();
    QTest::keyClick(p.ComboBox1, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), p.DBGrid1);
    p.ComboBox1->showPopup();
    p.ComboBox1->hidePopup();
    EXPECT_EQ(QApplication::focusWidget(), p.EdtIncremental);
}

TEST_F(TFPesquisaTest, TheOlderDialogListsCompaniesOfEveryCompany) {
    TFPesquisa p;
    EXPECT_EQ(p.Label1->text(), "Título");
    p.Titulos = QStringList{"Código", "Empresa"};
    p.Campos = QStringList{"tbempresa.idempresa", "nome"};
    p.Tabela = QStringLiteral("tbempresa");
    p.PreparaSemPesquisar();
    EXPECT_EQ(consultas, 0);
    EXPECT_FALSE(p.QyPesquisa.isActive());
    EXPECT_EQ(p.ComboBox1->currentIndex(), 0);
    p.Prepara();
    EXPECT_EQ(nomes(p), QStringList({"FAZENDA UM", "FAZENDA DOIS"}));
    EXPECT_EQ(p.DBGrid1->gridModel()->headerData(0, Qt::Horizontal).toString(), "Código");
    p.ComboBox1->setCurrentIndex(1);
    p.Pesquisa("FAZENDA D");
    EXPECT_EQ(nomes(p), QStringList{"FAZENDA DOIS"});
}

} // namespace
