// The company and harvest register: the checks before a save, the city and
// harvest proposals, the tabs, and the delete of a company with its harvests
// in one transaction.

#include "labour/TFEmpresa.h"

#include "app/CatalogoTelas.h"
#include "platform/SilentAbort.h"

#include "CadastroFixture.h"

#include <QDate>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace dlg = drav::dlg;
using drav::ds::State;
using drav::test::dialogs;

namespace {

class TFEmpresaTest : public CadastroTest {
protected:
    void SetUp() override {
        CadastroTest::SetUp();
        if (IsSkipped())
            return;
        form = std::make_unique<TFEmpresa>(nullptr);
    }
    void TearDown() override {
        form.reset();
        CadastroTest::TearDown();
    }
    void abreSafra() {
        form->PageControl1->setCurrentIndex(1);
        ASSERT_FALSE(form->naAbaEmpresa());
    }
    qint64 safrasFora(int idempresa) {
        return contaFora(QStringLiteral("SELECT COUNT(*) FROM tbsafra WHERE idempresa = %1").arg(idempresa));
    }
    void esperaAviso(const QString &texto) {
        ASSERT_FALSE(dialogs().shown().empty());
        const dlg::Message &m = dialogs().last().message;
        EXPECT_EQ(m.text, texto);
        EXPECT_EQ(m.title, "Aviso");
        EXPECT_EQ(m.icon, dlg::Icon::Warning);
        EXPECT_EQ(m.buttons, dlg::Ok);
    }

    std::unique_ptr<TFEmpresa> form;
};

TEST_F(TFEmpresaTest, OpensOnTheCompanyTabWithItsCity) {
    mostra(form.get());
    EXPECT_EQ(form->Label2->text(), "Empresa/Safra");
    EXPECT_EQ(form->PageControl1->tabText(0), "Empresa");
    EXPECT_EQ(form->PageControl1->tabText(1), "Safra");
    EXPECT_EQ(form->PageControl1->currentIndex(), 0);
    EXPECT_EQ(form->EdtCodigo->text(), "0000000001");
    EXPECT_FALSE(form->EdtCodigo->isEnabled());
    EXPECT_EQ(form->EdtNome->text(), "FAZENDA UM");
    EXPECT_EQ(form->EdtCidade->text(), "BELO HORIZONTE");
    EXPECT_EQ(form->EdtUF->text(), "MG");
    EXPECT_EQ(form->EdtPais->text(), "BRA");
    EXPECT_EQ(form->ActIncluir->dataSource(), form->DtsEmpresa);
    EXPECT_TRUE(dm->TbSafra.isActive());
}

TEST_F(TFEmpresaTest, TheNameIsCheckedBeforeTheCity) {
    struct Caso {
        const char *nome;
        const char *mensagem;
    };
    mostra(form.get());
    form->ActIncluirExecute();
    EXPECT_EQ(form->EdtCidade->text(), "") << "a new company starts without a city";
    EXPECT_EQ(form->EdtUF->text(), "");
    for (const Caso c :
         {Caso{"", "Favor informar o nome da empresa"}, Caso{"FAZENDA NOVA", "Favor informar a cidade"}}) {
        SCOPED_TRACE(c.nome);
        apaga(form->EdtNome);
        digita(form->EdtNome, QString::fromLatin1(c.nome));
        dialogs().answer(dlg::Ok);
        form->ActGravarExecute();
        esperaAviso(QString::fromUtf8(c.mensagem));
        EXPECT_EQ(dm->TbEmpresa.state(), State::Insert);
        EXPECT_EQ(foco(), *c.nome ? static_cast<QWidget *>(form->Button1) : form->EdtNome);
        dialogs().reset();
    }
    EXPECT_EQ(contaFora(QStringLiteral("SELECT COUNT(*) FROM tbempresa")), 2);
    EXPECT_TRUE(form->transacaoPendente());
}

TEST_F(TFEmpresaTest, TheCitySearchFillsCityStateAndCountry) {
    mostra(form.get());
    form->ActIncluirExecute();
    digita(form->EdtNome, QStringLiteral("fazenda nova"));
    digita(form->EdtEndereco, QStringLiteral("estrada"));
    escolhe(QStringLiteral("Pesquisa de Cidades"), QStringLiteral("idcidade"), 2);
    form->Button1->click();
    EXPECT_EQ(form->EdtCidade->text(), "VITORIA");
    EXPECT_EQ(form->EdtUF->text(), "ES");
    EXPECT_EQ(form->EdtPais->text(), "BRA");
    EXPECT_EQ(dm->TbEmpresa.fieldByName("idcidade").asInteger(), 2);

    form->ActGravarExecute();
    EXPECT_EQ(dm->TbEmpresa.state(), State::Browse);
    EXPECT_EQ(
        contaFora(QStringLiteral("SELECT COUNT(*) FROM tbempresa WHERE nome = 'FAZENDA NOVA' AND endereco ="
                                 " 'ESTRADA' AND idcidade = 2")),
        1);
    EXPECT_EQ(form->EdtCodigo->text(), "0000000003") << "the code the server gave";
    semTransacao();

    // Changed and cancelled, the saved row still shows its city and saves again.
    form->ActAlterarExecute();
    form->ActCancelarExecute();
    EXPECT_EQ(form->EdtCidade->text(), "VITORIA");
    form->ActAlterarExecute();
    form->ActGravarExecute();
    EXPECT_TRUE(dialogs().shown().size() == 1u) << "only the city search";
    semTransacao();
}

TEST_F(TFEmpresaTest, TheCityButtonDoesNothingWhileBrowsing) {
    mostra(form.get());
    form->Button1->click();
    EXPECT_TRUE(dialogs().shown().empty());
    EXPECT_EQ(form->EdtCidade->text(), "BELO HORIZONTE");
}

TEST_F(TFEmpresaTest, CancelShowsTheCityOfTheRowAgain) {
    mostra(form.get());
    form->ActIncluirExecute();
    EXPECT_EQ(form->EdtCidade->text(), "");
    form->ActCancelarExecute();
    EXPECT_EQ(form->EdtCidade->text(), "BELO HORIZONTE");
    form->ActAlterarExecute();
    form->ActGravarExecute(); // no "Favor informar a cidade"
    EXPECT_TRUE(dialogs().shown().empty());
    EXPECT_EQ(dm->TbEmpresa.state(), State::Browse);
    semTransacao();
}

TEST_F(TFEmpresaTest, ANewHarvestIsProposedWithTheCurrentYear) {
    mostra(form.get());
    abreSafra();
    EXPECT_EQ(form->ActIncluir->dataSource(), form->DtsSafra);
    EXPECT_EQ(form->LblEmpresa->text(), "FAZENDA UM");
    form->ActIncluirExecute();
    const int ano = QDate::currentDate().year();
    EXPECT_EQ(dm->TbSafra.fieldByName("idsafra").asInteger(), ano);
    EXPECT_EQ(form->EdtSafra->text(), QString::number(ano));
    EXPECT_EQ(form->EdtDescricao->text(), "");
    EXPECT_EQ(dm->TbSafra.fieldByName("idempresa").asInteger(), 1);
    EXPECT_EQ(foco(), form->EdtDescricao);

    apaga(form->EdtSafra);
    dialogs().answer(dlg::Ok);
    form->ActGravarExecute();
    esperaAviso(QStringLiteral("Favor informar o nome da safra"));
    EXPECT_EQ(dm->TbSafra.state(), State::Insert);
    EXPECT_EQ(foco(), form->EdtSafra);

    digita(form->EdtSafra, QStringLiteral("2011"));
    digita(form->EdtDescricao, QStringLiteral("safra nova"));
    form->ActGravarExecute();
    EXPECT_EQ(dm->TbSafra.state(), State::Browse);
    EXPECT_EQ(
        contaFora(QStringLiteral("SELECT COUNT(*) FROM tbsafra WHERE idsafra = 2011 AND idempresa = 1 AND"
                                 " descricao = 'SAFRA NOVA'")),
        1);
    semTransacao();
}

TEST_F(TFEmpresaTest, TheHarvestTabFollowsTheCompanyShown) {
    mostra(form.get());
    escolhe(QStringLiteral("Pesquisa de Empresas"), QStringLiteral("idempresa"), 2);
    form->ActLocalizarExecute();
    EXPECT_EQ(form->EdtNome->text(), "FAZENDA DOIS");
    EXPECT_EQ(form->EdtCidade->text(), "VITORIA");
    abreSafra();
    EXPECT_EQ(form->LblEmpresa->text(), "FAZENDA DOIS");
    EXPECT_EQ(dm->TbSafra.paramByName("pidempresa").value().toInt(), 2);
    form->ActIncluirExecute();
    EXPECT_EQ(dm->TbSafra.fieldByName("idempresa").asInteger(), 2) << "a harvest of the company shown";
    form->ActCancelarExecute();
    semTransacao();
}

TEST_F(TFEmpresaTest, LeavingATabSavesItsPendingEdit) {
    mostra(form.get());
    form->ActAlterarExecute();
    apaga(form->EdtNome);
    digita(form->EdtNome, QStringLiteral("FAZENDA RENOMEADA"));
    abreSafra();
    EXPECT_EQ(dm->TbEmpresa.state(), State::Browse);
    EXPECT_EQ(contaFora(QStringLiteral("SELECT COUNT(*) FROM tbempresa WHERE nome = 'FAZENDA RENOMEADA'")),
              1);
    semTransacao();

    // A refused save keeps the tab and the edit.
    form->ActIncluirExecute();
    apaga(form->EdtSafra);
    dialogs().answer(dlg::Ok);
    form->PageControl1->setCurrentIndex(0);
    esperaAviso(QStringLiteral("Favor informar o nome da safra"));
    EXPECT_EQ(form->PageControl1->currentIndex(), 1);
    EXPECT_FALSE(form->naAbaEmpresa());
    EXPECT_EQ(dm->TbSafra.state(), State::Insert);
    form->ActCancelarExecute();
    semTransacao();
}

TEST_F(TFEmpresaTest, DeletingACompanyDeletesItsHarvestsFirstInOneTransaction) {
    mostra(form.get());
    QStringList comandos;
    dm->ConexaoBD.setStatementObserver([&](const QString &sql) {
        const QString s = sql.trimmed().toUpper().remove(u'`');
        if (s.startsWith("DELETE") || s == "START TRANSACTION" || s == "COMMIT" || s == "ROLLBACK")
            comandos << s.section(u' ', 0, 2);
    });
    dialogs().answer(dlg::Yes);
    form->ActExcluirExecute();
    dm->ConexaoBD.setStatementObserver({});
    EXPECT_EQ(dialogs().messages(), QStringList{"Confirma a Exclusão do Registro !!"});
    EXPECT_EQ(dialogs().last().message.defaultButton, dlg::No);
    EXPECT_EQ(
        comandos.join(" | ").toStdString(),
        "START TRANSACTION | DELETE FROM TBSAFRA | DELETE FROM TBSAFRA | DELETE FROM TBEMPRESA | COMMIT");
    EXPECT_EQ(safrasFora(1), 0);
    EXPECT_EQ(contaFora(QStringLiteral("SELECT COUNT(*) FROM tbempresa WHERE idempresa = 1")), 0);
    EXPECT_EQ(safrasFora(2), 1) << "the other company keeps its harvest";
    EXPECT_EQ(form->EdtCidade->text(), "");
    semTransacao();
}

TEST_F(TFEmpresaTest, ARefusedCompanyDeleteBringsItsHarvestsBack) {
    conn().execute(QStringLiteral("INSERT INTO tbturma (idturma, nome, idempresa, responsavel) VALUES (0, "
                                  "'MENSALISTA', 1, 'DRAVOLTA')"));
    mostra(form.get());
    dialogs().answer(dlg::Yes).answer(dlg::Ok);
    EXPECT_THROW(form->ActExcluirExecute(), drav::SilentAbort);
    EXPECT_EQ(dialogs().messages(),
              QStringList({"Confirma a Exclusão do Registro !!",
                           "Este registro esta ligado a outras Tabelas e não pode ser Excluído !!!"}));
    semTransacao();
    EXPECT_EQ(
        dm->ConexaoBD.query(QStringLiteral("SELECT COUNT(*) FROM tbsafra WHERE idempresa = 1")).integer(0, 0),
        2);
    EXPECT_EQ(safrasFora(1), 2);
    EXPECT_EQ(dm->TbEmpresa.recordCount(), 1);
    EXPECT_EQ(form->EdtCidade->text(), "BELO HORIZONTE");
}

TEST_F(TFEmpresaTest, AnsweringNoKeepsTheCompanyAndItsHarvests) {
    mostra(form.get());
    dialogs().answer(dlg::No);
    form->ActExcluirExecute();
    EXPECT_EQ(safrasFora(1), 2);
    EXPECT_EQ(contaFora(QStringLiteral("SELECT COUNT(*) FROM tbempresa")), 2);
    semTransacao();
}

TEST_F(TFEmpresaTest, DeleteWithNothingShownAsksNothing) {
    dm->TbEmpresa.setParam(QStringLiteral("pidempresa"), 99);
    mostra(form.get());
    form->ActExcluirExecute();
    EXPECT_TRUE(dialogs().shown().empty());
    semTransacao();
}

TEST_F(TFEmpresaTest, DeletingAHarvestAsksItsOwnQuestion) {
    struct Caso {
        int resposta;
        qint64 safras;
    };
    mostra(form.get());
    abreSafra();
    for (const Caso c : {Caso{dlg::No, 2}, Caso{dlg::Yes, 1}}) {
        SCOPED_TRACE(c.resposta);
        dialogs().answer(c.resposta);
        form->ActExcluirExecute();
        EXPECT_EQ(dialogs().messages(), QStringList{"Confirma a Exclusão desta Safra !!"});
        EXPECT_EQ(safrasFora(1), c.safras);
        semTransacao();
        dialogs().reset();
    }
    EXPECT_EQ(
        contaFora(QStringLiteral("SELECT COUNT(*) FROM tbsafra WHERE idempresa = 1 AND idsafra = 2010")), 0);
}

TEST_F(TFEmpresaTest, TheHarvestSearchOpensTheChosenHarvestOfTheCurrentCompany) {
    mostra(form.get());
    abreSafra();
    escolhe(QStringLiteral("Pesquisa de Safras"), QStringLiteral("idsafra"), 2009);
    form->ActLocalizarExecute();
    EXPECT_EQ(form->EdtSafra->text(), "2009");
    EXPECT_EQ(form->EdtDescricao->text(), "SAFRA 2009");
}

TEST_F(TFEmpresaTest, WithoutACompanyTheHarvestTabAddsNothingAndSearchesCompanies) {
    dm->EmpresaAtual = 99;
    dm->TbEmpresa.setParam(QStringLiteral("pidempresa"), 99);
    mostra(form.get());
    abreSafra();
    EXPECT_EQ(form->LblEmpresa->text(), "");
    form->ActIncluirExecute();
    EXPECT_EQ(dm->TbSafra.state(), State::Browse) << "no harvest without its company";
    semTransacao();

    escolhe(QStringLiteral("Pesquisa de Empresas"), QStringLiteral("idempresa"), 2);
    form->ActLocalizarExecute();
    EXPECT_TRUE(form->naAbaEmpresa());
    EXPECT_EQ(form->PageControl1->currentIndex(), 0);
    EXPECT_EQ(form->ActIncluir->dataSource(), form->DtsEmpresa);
    EXPECT_EQ(form->EdtNome->text(), "FAZENDA DOIS");
}

TEST_F(TFEmpresaTest, TheCatalogueOpensTheScreen) {
    CatalogoTelas::instancia().limpa();
    registraTelasDoSistema();
    for (const char *classe : {"TFEmpresa", "TFParametro"}) {
        const CatalogoTelas::Tela *tela = CatalogoTelas::instancia().tela(QString::fromLatin1(classe));
        ASSERT_NE(tela, nullptr) << classe;
        EXPECT_TRUE(tela->cria(nullptr)->inherits(classe));
    }
    CatalogoTelas::instancia().limpa();
}

} // namespace
