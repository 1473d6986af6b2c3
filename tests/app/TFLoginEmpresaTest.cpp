#include "app/CatalogoTelas.h"
#include "app/TFLoginEmpresa.h"
#include "forms/TFPesquisa.h"

#include "DataModuleTest.h"
#include "ScriptedDialogs.h"

#include <QDate>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace dlg = drav::dlg;
using drav::test::dialogs;

namespace {

const int kAno = QDate::currentDate().year();

class TFLoginEmpresaTest : public drav::test::DataModuleTest {
protected:
    void SetUp() override {
        DataModuleTest::SetUp();
        if (IsSkipped())
            return;
        conn().execute(QStringLiteral(
            "INSERT INTO tbcidade (idcidade, nomecidade, idpais, idestado) VALUES (1, 'LAVRAS', 'BRA', 'MG')"));
        CatalogoTelas::instancia().limpa();
    }
    void TearDown() override {
        dialogo.reset();
        CatalogoTelas::instancia().limpa();
        DataModuleTest::TearDown();
    }
    void empresa(int id, const char *nome) {
        conn().execute(QStringLiteral("INSERT INTO tbempresa (idempresa, nome, idcidade) VALUES (:id, :nome, 1)"),
                       {{QStringLiteral("id"), id}, {QStringLiteral("nome"), QString::fromUtf8(nome)}});
    }
    void safra(int ano, int idempresa) {
        conn().execute(QStringLiteral("INSERT INTO tbsafra VALUES (:ano, 'SAFRA', :emp)"),
                       {{QStringLiteral("ano"), ano}, {QStringLiteral("emp"), idempresa}});
    }
    void abre() {
        dialogo = std::make_unique<TFLoginEmpresa>(*dm);
        dialogo->encerraAplicacao = [this] { ++encerramentos; };
        dialogo->show();
    }
    qint64 turmasZero(int idempresa) {
        return conta(QStringLiteral("SELECT COUNT(*) FROM tbturma WHERE idturma = 0 AND idempresa = %1").arg(idempresa));
    }

    std::unique_ptr<TFLoginEmpresa> dialogo;
    int encerramentos = 0;
};

TEST_F(TFLoginEmpresaTest, ShowingSelectsTheFirstCompanyByNameAndItsFirstHarvest) {
    empresa(1, "FAZENDA ZETA");
    empresa(2, "FAZENDA ALFA");
    safra(2008, 2);
    safra(2009, 2);
    abre();
    EXPECT_FALSE(dialogo->btNovaEmpresa->isVisible());
    EXPECT_TRUE(dialogo->btConfirma->isVisible());
    EXPECT_EQ(dm->EmpresaAtual, 2);
    EXPECT_EQ(dm->NomeEmpresaAtual, QStringLiteral("FAZENDA ALFA"));
    EXPECT_EQ(dialogo->edEmpresa->text(), QStringLiteral("FAZENDA ALFA"));
    EXPECT_EQ(dm->SafraAtual, 2008);

    // Down moves to the next company and selects it; it has no harvest, so
    // the current harvest stays.
    QTest::keyClick(dialogo->DBGrid1, Qt::Key_Down);
    EXPECT_EQ(dm->EmpresaAtual, 1);
    EXPECT_EQ(dm->SafraAtual, 2008);
}

TEST_F(TFLoginEmpresaTest, ConfirmingCreatesTeamZeroAndThisYearsHarvestKeepingTheOldest) {
    empresa(1, "FAZENDA UM");
    safra(kAno - 1, 1);
    abre();
    dialogo->btConfirmaClick();
    EXPECT_EQ(dialogo->result(), QDialog::Accepted);
    EXPECT_EQ(turmasZero(1), 1);
    const auto turma = conn().query(QStringLiteral("SELECT nome, responsavel FROM tbturma WHERE idempresa = 1"));
    EXPECT_EQ(turma.text(0, 0), QStringLiteral("MENSALISTA"));
    EXPECT_EQ(turma.text(0, 1), QStringLiteral("DRAVOLTA"));
    const auto nova = conn().query(QStringLiteral("SELECT descricao FROM tbsafra WHERE idsafra = %1").arg(kAno));
    ASSERT_EQ(nova.rowCount(), 1);
    EXPECT_EQ(nova.text(0, 0), QStringLiteral("SAFRA DO ANO DE %1").arg(kAno));
    EXPECT_EQ(dm->SafraAtual, kAno - 1);
    EXPECT_FALSE(dm->ConexaoBD.inTransaction());

    // A second confirmation adds nothing.
    abre();
    dialogo->btConfirmaClick();
    EXPECT_EQ(turmasZero(1), 1);
    EXPECT_EQ(conta(QStringLiteral("SELECT COUNT(*) FROM tbsafra")), 2);
}

TEST_F(TFLoginEmpresaTest, AnExistingHarvestOfTheYearKeepsTheOneChosenInTheGrid) {
    empresa(1, "FAZENDA UM");
    safra(kAno - 2, 1);
    safra(kAno, 1);
    abre();
    QTest::keyClick(dialogo->DBGrid2, Qt::Key_Down);
    ASSERT_EQ(dm->SafraAtual, kAno);
    dialogo->btConfirmaClick();
    EXPECT_EQ(dm->SafraAtual, kAno);
    EXPECT_EQ(dialogo->edSafra->text(), QString::number(kAno));
}

TEST_F(TFLoginEmpresaTest, NewCompanyOpensTheRegisterAndConfirms) {
    abre();
    EXPECT_TRUE(dialogo->btNovaEmpresa->isVisible());
    EXPECT_FALSE(dialogo->btConfirma->isVisible());
    EXPECT_FALSE(dialogo->BitBtn3->isVisible());
    CatalogoTelas::instancia().registraForm(QStringLiteral("TFEmpresa"),
                                            [](QWidget *dono) { return std::make_unique<QDialog>(dono); });
    dialogs().answerModal([this](QDialog *) {
        empresa(7, "NOVA FAZENDA");
        return int(QDialog::Accepted);
    });
    dialogo->btNovaEmpresaClick();
    EXPECT_EQ(dm->EmpresaAtual, 7);
    EXPECT_EQ(dm->NomeEmpresaAtual, QStringLiteral("NOVA FAZENDA"));
    EXPECT_EQ(turmasZero(7), 1);
    EXPECT_EQ(dm->SafraAtual, kAno);
    EXPECT_EQ(dialogo->result(), QDialog::Accepted);
}

TEST_F(TFLoginEmpresaTest, ARefusedTeamZeroIsUndoneAndTheNextOkDoesNotStackInserts) {
    abre();
    CatalogoTelas::instancia().registraForm(QStringLiteral("TFEmpresa"),
                                            [](QWidget *dono) { return std::make_unique<QDialog>(dono); });
    // The register closes without saving: company 0 does not exist.
    dialogs().answerModal([](QDialog *) { return int(QDialog::Rejected); });
    dialogs().answer(dlg::Ok);
    dialogo->btNovaEmpresaClick();
    EXPECT_EQ(dialogs().messages(), QStringList{QStringLiteral("Código de Chave Estrangeira Inválido !!!")});
    EXPECT_EQ(dm->TbTurma.state(), drav::ds::State::Browse);
    EXPECT_FALSE(dm->ConexaoBD.inTransaction());
    EXPECT_NE(dialogo->result(), QDialog::Accepted);

    dialogs().reset();
    dialogs().answer(dlg::Ok);
    dialogo->btConfirmaClick();
    EXPECT_EQ(dialogs().messages(), QStringList{QStringLiteral("Código de Chave Estrangeira Inválido !!!")});
    EXPECT_EQ(conta(QStringLiteral("SELECT COUNT(*) FROM tbturma")), 0);
    EXPECT_EQ(encerramentos, 0);
}

TEST_F(TFLoginEmpresaTest, TheCompanySearchTakesTheChosenCompany) {
    empresa(1, "FAZENDA ALFA");
    empresa(2, "FAZENDA BETA");
    abre();
    ASSERT_EQ(dm->EmpresaAtual, 1);
    dialogs().answerModal([](QDialog *d) {
        auto *pesquisa = qobject_cast<TFPesquisa *>(d);
        EXPECT_EQ(pesquisa->QyPesquisa.recordCount(), 2);
        EXPECT_TRUE(pesquisa->QyPesquisa.locate(QStringLiteral("idempresa"), 2));
        return int(QDialog::Accepted);
    });
    dialogo->BitBtn3Click();
    EXPECT_EQ(dm->EmpresaAtual, 2);
    EXPECT_EQ(dm->NomeEmpresaAtual, QStringLiteral("FAZENDA BETA"));
    EXPECT_EQ(dialogo->QyEmpresas.fieldByName(QStringLiteral("idempresa")).asInteger(), 2);
}

TEST_F(TFLoginEmpresaTest, CancelFreesTheSettingsDisconnectsAndEnds) {
    empresa(1, "FAZENDA UM");
    dm->ArquivoConfig = std::make_unique<drav::IniFile>(pasta.filePath(QStringLiteral("BdMysql.ini")));
    abre();
    dialogo->BitBtn2Click();
    EXPECT_EQ(encerramentos, 1);
    EXPECT_EQ(dm->ArquivoConfig, nullptr);
    EXPECT_FALSE(dm->ConexaoBD.isConnected());
    EXPECT_EQ(dialogo->result(), QDialog::Rejected);
}

TEST_F(TFLoginEmpresaTest, EnterOnTheHarvestGridClosesOnlyWithAHarvest) {
    empresa(1, "FAZENDA UM");
    safra(2009, 1);
    abre();
    QTest::keyClick(dialogo->DBGrid2, Qt::Key_Return);
    EXPECT_EQ(dialogo->result(), QDialog::Accepted);
    EXPECT_EQ(turmasZero(1), 0);  // Enter skips the confirmation steps

    conn().execute(QStringLiteral("DELETE FROM tbsafra"));
    dm->SafraAtual = 0;
    abre();
    QTest::keyClick(dialogo->DBGrid2, Qt::Key_Return);
    EXPECT_EQ(encerramentos, 1);
}

} // namespace
