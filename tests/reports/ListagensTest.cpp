// The register listings: their pages, the company line, and how the main
// menu opens them.

#include "reports/ListagensCadastro.h"

#include "app/CatalogoTelas.h"
#include "app/TfmMain.h"

#include "RelatoriosFixture.h"
#include "ScriptedDialogs.h"

#include <QAction>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>

#include <gtest/gtest.h>

using drav::report::BandKind;
using drav::report::Document;
using drav::test::agoraFixo;
using drav::test::dialogs;
using drav::test::golden;

namespace {

class Listagens : public drav::test::RelatoriosTest {
protected:
    // Opens the listing's query for the current company and lays it out.
    template <class Relatorio> Document paginas() {
        Relatorio relatorio(*dm);
        relatorio.QuickRep1.clock = agoraFixo;
        EXPECT_TRUE(relatorio.abre());
        return relatorio.QuickRep1.generate();
    }
};

TEST_F(Listagens, Varieties) {
    const QString pagina = paginas<TFrVariedade>().dump();
    EXPECT_EQ(pagina, golden(QStringLiteral("variedades.txt"), pagina));
}

TEST_F(Listagens, Teams) {
    const QString pagina = paginas<TFrTurma>().dump();
    EXPECT_EQ(pagina, golden(QStringLiteral("turmas.txt"), pagina));
}

TEST_F(Listagens, PlotsWithTheVarietyOfTheirOwnCompany) {
    const Document doc = paginas<TFrGleba>();
    const QString pagina = doc.dump();
    EXPECT_EQ(pagina, golden(QStringLiteral("glebas.txt"), pagina));
    // Variety 1 exists in both farms: the plot is listed once, with its own.
    const auto linhas = doc.bandsOf(BandKind::Detail);
    ASSERT_EQ(linhas.size(), 2u) << "the plot without a variety is left out";
    EXPECT_EQ(linhas[0]->line(),
              QStringLiteral("1 | GLEBA DO CÓRREGO | 15/10/2001 | 12000 | 12,5 | CATUAÍ VERMELHO"));
}

TEST_F(Listagens, OperationsWithTheirGroup) {
    const Document doc = paginas<TFrOperacao>();
    const QString pagina = doc.dump();
    EXPECT_EQ(pagina, golden(QStringLiteral("operacoes.txt"), pagina));
    EXPECT_EQ(doc.bandsOf(BandKind::Detail).size(), 2u)
        << "the operation of a group of another farm is left out";
}

TEST_F(Listagens, ALongListingRepeatsTheHeaderOnEveryPage) {
    criaTurmas(2, 130);
    trabalhaEm(2, QStringLiteral("FAZENDA DOIS"), 2010);
    const Document doc = paginas<TFrTurma>();
    const QString pagina = doc.dump();
    EXPECT_EQ(pagina, golden(QStringLiteral("turmas_tres_paginas.txt"), pagina));

    ASSERT_EQ(doc.pageCount(), 3);
    QColor anterior;
    int linhas = 0;
    for (const auto &p : doc.pages) {
        SCOPED_TRACE(p.number);
        ASSERT_EQ(p.count(BandKind::PageHeader), 1);
        const QStringList cabecalho = p.bandsOf(BandKind::PageHeader)[0]->texts();
        EXPECT_EQ(cabecalho,
                  QStringList({"RELAÇÃO DE TURMAS", "Data/Hora: 05/03/2024 14:30:15",
                               QStringLiteral("Página: %1").arg(p.number), "FAZENDA DOIS - SAFRA 2010"}));
        EXPECT_EQ(p.bandsOf(BandKind::ColumnHeader)[0]->texts(),
                  QStringList({"Turma", "Nome", "Responsável"}));
        // The shade goes on alternating across the page break.
        for (const auto *b : p.bandsOf(BandKind::Detail)) {
            ASSERT_TRUE(b->fill.has_value());
            EXPECT_NE(*b->fill, anterior);
            anterior = *b->fill;
            ++linhas;
        }
    }
    EXPECT_EQ(linhas, 130);
}

TEST_F(Listagens, TheCompanyLineIsWrittenWhenTheFormIsCreated) {
    TFrTurma antes(*dm);
    trabalhaEm(2, QStringLiteral("FAZENDA DOIS"), 2010);
    TFrTurma depois(*dm);
    EXPECT_EQ(antes.qrEmpresa->text(), QStringLiteral("FAZENDA UM - SAFRA 2009"));
    EXPECT_EQ(depois.qrEmpresa->text(), QStringLiteral("FAZENDA DOIS - SAFRA 2010"));
    criaTurmas(2, 2);
    ASSERT_TRUE(depois.abre());
    const Document doc = depois.QuickRep1.generate();
    EXPECT_EQ(doc.bandsOf(BandKind::Detail).size(), 2u) << "the rows of the new company";
    EXPECT_EQ(doc.pages[0].bandsOf(BandKind::PageHeader)[0]->texts().value(3),
              QStringLiteral("FAZENDA DOIS - SAFRA 2010"));
}

// The main window's menu entries of the listings.
class MenuListagens : public drav::test::RelatoriosTest {
protected:
    void SetUp() override {
        RelatoriosTest::SetUp();
        if (IsSkipped())
            return;
        CatalogoTelas::instancia().limpa();
        registraTelasDoSistema();
        main = std::make_unique<TfmMain>(*dm);
        main->atualizaEntradas();
    }
    void TearDown() override {
        main.reset();
        CatalogoTelas::instancia().limpa();
        RelatoriosTest::TearDown();
    }
    QAction *cadastro(const QString &texto) {
        for (QAction *a : main->pmRelatorios->actions())
            if (a->text() == QStringLiteral("&Cadastros") && a->menu())
                for (QAction *b : a->menu()->actions())
                    if (b->text() == texto)
                        return b;
        return nullptr;
    }
    std::unique_ptr<TfmMain> main;
};

TEST_F(MenuListagens, TheFourEntriesAreEnabled) {
    for (const char *texto : {"&Variedades de Café", "&Turmas", "&Glebas", "&Operações"}) {
        SCOPED_TRACE(texto);
        QAction *a = cadastro(QString::fromUtf8(texto));
        ASSERT_NE(a, nullptr);
        EXPECT_TRUE(a->isEnabled());
    }
}

TEST_F(MenuListagens, AnEntryPreviewsTheListingOfTheCurrentCompany) {
    criaTurmas(2, 60);
    trabalhaEm(2, QStringLiteral("FAZENDA DOIS"), 2010);
    QString titulo;
    int paginas = 0;
    dialogs().answerModal([&](QDialog *d) {
        titulo = d->windowTitle();
        if (auto *view = d->findChild<QPrintPreviewWidget *>()) {
            view->updatePreview();
            paginas = view->pageCount();
        }
        return int(QDialog::Rejected);
    });
    cadastro(QStringLiteral("&Turmas"))->trigger();
    EXPECT_EQ(dialogs().last().objectName, QStringLiteral("QPrintPreviewDialog"));
    EXPECT_EQ(titulo, QStringLiteral("RELAÇÃO DE TURMAS"));
    EXPECT_EQ(paginas, 2) << "60 teams of the second farm, 50 to a page";
    EXPECT_TRUE(dialogs().messages().isEmpty());
}

TEST_F(MenuListagens, ACompanyWithoutTeamsGetsTheMessageAndNoPreview) {
    trabalhaEm(3, QStringLiteral("FAZENDA TRÊS"), 2009);
    dialogs().answer(drav::dlg::Ok);
    cadastro(QStringLiteral("&Turmas"))->trigger();
    ASSERT_EQ(dialogs().shown().size(), 1u) << "no preview";
    const drav::dlg::Message &m = dialogs().last().message;
    EXPECT_EQ(m.title, QStringLiteral("Aviso"));
    EXPECT_EQ(m.text, QStringLiteral("Não há turma cadastrada!"));
    EXPECT_EQ(m.icon, drav::dlg::Icon::Warning);
}

TEST_F(MenuListagens, EachListingHasItsOwnEmptyMessage) {
    trabalhaEm(3, QStringLiteral("FAZENDA TRÊS"), 2009);
    for (const char *texto : {"&Variedades de Café", "&Glebas", "&Operações"})
        dialogs().answer(drav::dlg::Ok), cadastro(QString::fromUtf8(texto))->trigger();
    EXPECT_EQ(dialogs().messages(), QStringList({"Não há variedade de café cadastrada!",
                                                 "Não há gleba cadastrada!", "Não há operação cadastrada!"}));
}

} // namespace
