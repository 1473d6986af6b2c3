#include "app/TfmMain.h"

#include "app/CatalogoTelas.h"
#include "app/DataExtenso.h"
#include "data/TdmDados.h"
#include "forms/TDravBitmapButton.h"

#include "ScriptedDialogs.h"

#include <QContextMenuEvent>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using drav::test::dialogs;

namespace {

// The menu as text: one line per entry, two blanks of indent per submenu
// level, "---" for a separator, "(oculta)" after a hidden entry.
void despeja(const QMenu *menu, int nivel, QStringList &linhas) {
    for (const QAction *a : menu->actions()) {
        const QString recuo(nivel * 2, u' ');
        if (a->isSeparator())
            linhas << recuo + QStringLiteral("---");
        else
            linhas << recuo + a->text() + (a->isVisible() ? QString() : QStringLiteral(" (oculta)"));
        if (a->menu())
            despeja(a->menu(), nivel + 1, linhas);
    }
}

QString despeja(const QMenu *menu) {
    QStringList linhas;
    despeja(menu, 0, linhas);
    return linhas.join(u'\n');
}

QAction *entrada(QMenu *menu, const QStringList &caminho) {
    for (QAction *a : menu->actions()) {
        if (a->text() != caminho.first())
            continue;
        if (caminho.size() == 1)
            return a;
        return a->menu() ? entrada(a->menu(), caminho.mid(1)) : nullptr;
    }
    return nullptr;
}

// A form that notes what it saw when created and when shown.
class FormFalso : public QDialog {
public:
    FormFalso(QWidget *dono, int &opcaoNaCriacao, bool *destruido = nullptr)
        : QDialog(dono), destruido_(destruido) {
        opcaoNaCriacao = dmDados->OpcaoRelatorio;
    }
    ~FormFalso() override {
        if (destruido_)
            *destruido_ = true;
    }

private:
    bool *destruido_;
};

struct Principal : ::testing::Test {
    QTemporaryDir pasta;
    TdmDados dados{pasta.path() + u'/'};
    std::unique_ptr<TfmMain> main;
    QStringList registradas;

    void SetUp() override {
        CatalogoTelas::instancia().limpa();
        main = std::make_unique<TfmMain>(dados);
    }
    void TearDown() override {
        CatalogoTelas::instancia().limpa();
        main.reset();
    }
    void registra(const QString &classe, CatalogoTelas::Criacao cria, CatalogoTelas::Preparo prepara = {}) {
        CatalogoTelas::instancia().registraForm(classe, std::move(cria), std::move(prepara));
        registradas << classe;
        main->atualizaEntradas();
    }
};

} // namespace

TEST_F(Principal, WindowShape) {
    EXPECT_EQ(main->windowTitle(), QStringLiteral("DravTolvera"));
    EXPECT_EQ(main->size(), QSize(659, 459));
    EXPECT_EQ(main->minimumSize(), main->maximumSize());
    EXPECT_FALSE(main->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(main->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(main->centralWidget()->palette().color(QPalette::Window), QColor(Qt::white));
    auto *titulo = main->findChild<QLabel *>(QStringLiteral("lbTitulo"));
    ASSERT_NE(titulo, nullptr);
    EXPECT_EQ(titulo->text(), QStringLiteral("Controle de Tolvera"));
    EXPECT_TRUE(titulo->font().bold());
    EXPECT_TRUE(titulo->font().italic());
}

TEST_F(Principal, LauncherGroups) {
    const std::tuple<QToolButton *, TDravBitmapButton *, const char *> grupos[] = {
        {main->spCadastros, main->ImgCadastro, "&Cadastros"},
        {main->spRelatorios, main->imgRelatorios, "&Relatórios"},
        {main->spUtilitarios, main->imgUtilitarios, "&Utilitários"},
        {main->spAbastece, main->imgAbastece, "&Abastecimento"},
        {main->spFinanceiro, main->imgFinanceiro, "&Financeiro"},
        {main->spMini, main->imgMini, "&Mini-dravolta"},
    };
    int anterior = -1;
    for (const auto &[legenda, imagem, texto] : grupos) {
        EXPECT_EQ(legenda->text(), QString::fromUtf8(texto));
        EXPECT_EQ(legenda->size(), QSize(82, 25));
        EXPECT_EQ(legenda->cursor().shape(), Qt::PointingHandCursor);
        EXPECT_EQ(imagem->cursor().shape(), Qt::PointingHandCursor);
        EXPECT_TRUE(imagem->HotTrack());
        EXPECT_FALSE(imagem->Latching());
        EXPECT_FALSE(imagem->Bitmap().isNull());
        EXPECT_GT(legenda->y(), imagem->y() + imagem->height() - 1) << "caption under its picture";
        const int ordem = imagem->y() * 1000 + imagem->x();
        EXPECT_GT(ordem, anterior) << texto;
        anterior = ordem;
    }
    EXPECT_EQ(main->ImgCadastro->y(), main->imgUtilitarios->y());
    EXPECT_LT(main->ImgCadastro->y(), main->imgAbastece->y());
}

TEST_F(Principal, MenuTree) {
    const std::pair<QMenu *, const char *> menus[] = {
        {main->pmCadastros, R"(&Empresa/Safra
---
&Turmas
&Colaboradores
---
&Variedades de Café
&Glebas
---
&Grupos de Operações
&Operações
---
Eventos
&Ordens de Serviço
&Produção
---
Lançamentos)"},
        {main->pmRelatorios, R"(&Cadastros
  &Variedades de Café
  &Turmas
  &Glebas
  &Operações
  &Colaboradores
  Ordens de &Serviço
    &Analítico
    &Descritivo
&Produções
  Por &Turma
    Diário &Sintético
    Diário &Analítico
    &Separado Por Ordem de Produção
  Por &Colaborador
    &Empresa
    E&xtra Empresa
      &Por Período Sintético
      Por Período &Analítico
      &Separado Por Ordem de Produção
    &Gleba
  &Por Gleba
  Por &Ordem de Serviço
  Por Período
C&omparativo entre Safras
  &Relatórios de Produtividade
    Por &Gleba
    Por &Colaborador
  &Gráficos de Produtividade
    Por &Gleba
    Por &Colaborador
&Resumo Pagamento Bruto
  &Sintético
  &Analítico
  ---
  Analitico Total
  Valor Bruto Total
  Por &Operação
  Por &Turma
Resumo de O&rdem
A&testado Médico
---
&Abastecimento
  &Marcas
  Gr&upo de Veículos
  &Veículos
  ---
  &Operadores
  &Frentistas
  &Combustíveis
  ---
  &Abastecimentos
---
&Financeiro
  &Bancos
  &Contas
  C&lientes
  &Fornecedores
  Estoque
    &Grupos
    &SubGrupos
    &Ítens
  C&ontas
    A &Pagar
    A &Receber
&Manutenção de Produção)"},
        {main->pmUtilitarios, R"(&Parâmetro
&Usuarios
&Exportação
  &Folha de Pagamento
&Ficha Financeira (oculta)
&Backup do sistema
Tro&car de Empresa
&Transferência de Button
&Importação do MiniTolvera
---
&Sobre)"},
        {main->pmAbastece, R"(&Marca
&Grupo de Veículo
&Operador
&Veículo
---
&Frentista
&Combustível
---
&Abastecimentos)"},
        {main->pmFinanceiro, R"(&Bancos
&Cidades
---
&Fornecedores
C&lientes
&Estoques
  &Unidades
  &Grupos
  &Ítem de Estoque
---
Contas a &Pagar
Contas a &Receber
&Movimentação
---
&Serviço
Ma&nutenção)"},
    };
    for (const auto &[menu, esperado] : menus)
        EXPECT_EQ(despeja(menu), QString::fromUtf8(esperado)) << menu->objectName().toStdString();
    EXPECT_EQ(main->pmCadastros->objectName(), QStringLiteral("pmCadastros"));
    EXPECT_EQ(main->pmFinanceiro->objectName(), QStringLiteral("pmFinanceiro"));
}

TEST_F(Principal, EntriesWithoutTheirScreenAreDisabled) {
    QAction *glebas = entrada(main->pmCadastros, {QStringLiteral("&Glebas")});
    ASSERT_NE(glebas, nullptr);
    EXPECT_FALSE(glebas->isEnabled());
    int opcao = 0;
    CatalogoTelas::instancia().registraForm(QStringLiteral("TFGleba"), [&](QWidget *dono) {
        return std::make_unique<FormFalso>(dono, opcao);
    });
    registradas << QStringLiteral("TFGleba");
    Q_EMIT main->pmCadastros->aboutToShow();  // screens registered later show up when the menu opens
    EXPECT_TRUE(glebas->isEnabled());

    QAction *sobre = entrada(main->pmUtilitarios, {QStringLiteral("&Sobre")});
    registraTelasDoSistema();
    main->atualizaEntradas();
    EXPECT_TRUE(sobre->isEnabled());
    dialogs().answerModal([](QDialog *d) {
        EXPECT_EQ(d->objectName(), QStringLiteral("fmSobre"));
        return int(QDialog::Accepted);
    });
    sobre->trigger();
}

TEST_F(Principal, ReportOptionIsWrittenAfterCreationAndBeforeShowing) {
    struct Caso {
        QStringList caminho;
        const char *classe;
        int opcao;
    };
    const Caso casos[] = {
        {{"&Produções", "Por &Turma", "Diário &Sintético"}, "TFrProducao", 1},
        {{"&Produções", "Por &Turma", "Diário &Analítico"}, "TFrProducao", 3},
        {{"&Produções", "Por &Turma", "&Separado Por Ordem de Produção"}, "TFrProducao", 2},
        {{"&Produções", "Por &Colaborador", "E&xtra Empresa", "Por Período &Analítico"}, "TFrPeriodoColaborador", 3},
        {{"&Resumo Pagamento Bruto", "&Sintético"}, "TFrResumoPagto", 0},
        {{"&Resumo Pagamento Bruto", "Valor Bruto Total"}, "TFrResumoPagto", 5},
        {{"&Resumo Pagamento Bruto", "Por &Turma"}, "TFrResumoPagto", 3},
        {{"&Financeiro", "C&lientes"}, "TFFiltroClieFornec", 1},
        {{"&Financeiro", "&Fornecedores"}, "TFFiltroClieFornec", 2},
        {{"&Financeiro", "C&ontas", "A &Receber"}, "TFFiltroContas", 2},
    };
    for (const Caso &c : casos) {
        int naCriacao = -1, noPreparo = -1, opcaoDoPreparo = -99, aoMostrar = -1;
        bool destruido = false;
        registra(
            QString::fromLatin1(c.classe),
            [&](QWidget *dono) { return std::make_unique<FormFalso>(dono, naCriacao, &destruido); },
            [&](QDialog &, int opcao) {
                noPreparo = dados.OpcaoRelatorio;
                opcaoDoPreparo = opcao;
            });
        dados.OpcaoRelatorio = 77;
        dialogs().answerModal([&](QDialog *) {
            aoMostrar = dados.OpcaoRelatorio;
            return int(QDialog::Rejected);
        });
        QAction *a = entrada(main->pmRelatorios, c.caminho);
        ASSERT_NE(a, nullptr) << c.caminho.join(u'/').toStdString();
        ASSERT_TRUE(a->isEnabled());
        a->trigger();
        EXPECT_EQ(naCriacao, 77) << c.classe;
        EXPECT_EQ(noPreparo, c.opcao) << c.classe;
        EXPECT_EQ(opcaoDoPreparo, c.opcao) << c.classe;
        EXPECT_EQ(aoMostrar, c.opcao) << c.classe;
        EXPECT_TRUE(destruido) << "form destroyed after the modal call";
    }
}

TEST_F(Principal, EntryWithoutOptionLeavesItAlone) {
    int naCriacao = -1;
    registra(QStringLiteral("TFrResumoOrdem"),
             [&](QWidget *dono) { return std::make_unique<FormFalso>(dono, naCriacao); });
    dados.OpcaoRelatorio = 4;
    dialogs().answerModal([](QDialog *) { return int(QDialog::Accepted); });
    entrada(main->pmRelatorios, {QStringLiteral("Resumo de O&rdem")})->trigger();
    EXPECT_EQ(dados.OpcaoRelatorio, 4);
}

TEST_F(Principal, FormIsDestroyedWhenAnExceptionPasses) {
    bool destruido = false;
    int opcao = 0;
    registra(QStringLiteral("TFGleba"),
             [&](QWidget *dono) { return std::make_unique<FormFalso>(dono, opcao, &destruido); });
    dialogs().answerModal([](QDialog *) -> int { throw std::runtime_error("falha na tela"); });
    EXPECT_THROW(main->abreTela(QStringLiteral("TFGleba")), std::runtime_error);
    EXPECT_TRUE(destruido);
}

TEST_F(Principal, ListingReportGetsItsEmptyMessage) {
    QString recebida;
    CatalogoTelas::instancia().registraListagem(
        QStringLiteral("TFrTurma"), [&](QWidget *, const QString &vazia) { recebida = vazia; });
    registradas << QStringLiteral("TFrTurma");
    main->atualizaEntradas();
    entrada(main->pmRelatorios, {QStringLiteral("&Cadastros"), QStringLiteral("&Turmas")})->trigger();
    EXPECT_EQ(recebida, QStringLiteral("Não há turma cadastrada!"));
}

TEST_F(Principal, PopupOpensAtPictureOffsetFromTheWholeWindow) {
    main->move(20, 10);
    main->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main.get()));
    const std::tuple<QToolButton *, TDravBitmapButton *, QMenu *, QPoint> casos[] = {
        {main->spCadastros, main->ImgCadastro, main->pmCadastros, {60, 60}},
        {main->spRelatorios, main->imgRelatorios, main->pmRelatorios, {60, 80}},
        {main->spUtilitarios, main->imgUtilitarios, main->pmUtilitarios, {60, 80}},
        {main->spAbastece, main->imgAbastece, main->pmAbastece, {60, 60}},
        {main->spFinanceiro, main->imgFinanceiro, main->pmFinanceiro, {80, 80}},
    };
    for (const auto &[legenda, imagem, menu, desvio] : casos) {
        const QPoint esperado = main->frameGeometry().topLeft() + imagem->pos() + desvio;
        EXPECT_EQ(main->posicaoMenu(imagem, desvio), esperado);
        legenda->click();
        EXPECT_TRUE(menu->isVisible()) << menu->objectName().toStdString();
        menu->hide();
        QTest::mouseClick(imagem, Qt::LeftButton, {}, QPoint(0, 0));  // even on a transparent pixel
        EXPECT_TRUE(menu->isVisible()) << menu->objectName().toStdString();
        EXPECT_EQ(menu->pos().x(), esperado.x());
        menu->hide();
    }
    EXPECT_EQ(main->ImgCadastro->mapTo(main.get(), QPoint(0, 0)), main->ImgCadastro->pos());
}

TEST_F(Principal, CaptionButtonsCarryTheirMenuAsContextMenu) {
    main->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main.get()));
    const std::pair<QToolButton *, QMenu *> casos[] = {
        {main->spCadastros, main->pmCadastros},     {main->spRelatorios, main->pmRelatorios},
        {main->spUtilitarios, main->pmUtilitarios}, {main->spAbastece, main->pmAbastece},
        {main->spFinanceiro, main->pmFinanceiro},
    };
    for (const auto &[legenda, menu] : casos) {
        QContextMenuEvent clique(QContextMenuEvent::Mouse, QPoint(5, 5), legenda->mapToGlobal(QPoint(5, 5)));
        QCoreApplication::sendEvent(legenda, &clique);
        EXPECT_TRUE(menu->isVisible()) << menu->objectName().toStdString();
        menu->hide();
    }
    EXPECT_EQ(main->spMini->contextMenuPolicy(), Qt::DefaultContextMenu);
}

TEST_F(Principal, MiniOpensTheCollectorDirectly) {
    EXPECT_FALSE(main->imgMini->isEnabled());
    int opcao = 0;
    registra(QStringLiteral("TfmMinidravTolvera"),
             [&](QWidget *dono) { return std::make_unique<FormFalso>(dono, opcao); });
    EXPECT_TRUE(main->imgMini->isEnabled());
    dialogs().answerModal([](QDialog *) { return int(QDialog::Rejected); });
    main->spMini->click();
    EXPECT_EQ(dialogs().shown().size(), 1u);
}

TEST_F(Principal, StatusBarPanels) {
    const QWidget *barra = main->StatusBar1;
    EXPECT_EQ(barra->height(), 22);
    EXPECT_EQ(barra->geometry().bottom(), main->height() - 1);
    EXPECT_EQ(barra->palette().color(QPalette::Window), QColor::fromRgb(14012624 & 0xff, (14012624 >> 8) & 0xff,
                                                                        (14012624 >> 16) & 0xff));
    const int larguras[] = {200, 150, 120, 200};
    int x = 0;
    for (int i = 0; i < 4; ++i) {
        auto *painel = barra->findChild<QLabel *>(QStringLiteral("Panel%1").arg(i + 1));
        ASSERT_NE(painel, nullptr);
        EXPECT_EQ(painel->x(), x);
        EXPECT_EQ(painel->width(), larguras[i]);
        EXPECT_TRUE(painel->alignment() & Qt::AlignHCenter);
        x += larguras[i];
    }
    dados.NomeEmpresaAtual = QStringLiteral("FAZENDA SÃO JOÃO");
    dados.SafraAtual = 2009;
    dados.UsuarioAtual = QStringLiteral("ADMIN");
    main->atualizaPaineis();
    EXPECT_EQ(main->painel(1), QStringLiteral("FAZENDA SÃO JOÃO"));
    EXPECT_EQ(main->painel(2), QStringLiteral("2009"));
    EXPECT_EQ(main->painel(3), QStringLiteral("ADMIN"));
}

TEST_F(Principal, StartWithoutLoginScreenFillsThePanels) {
    dados.NomeEmpresaAtual = QStringLiteral("FAZENDA BOA VISTA");
    dados.SafraAtual = 2008;
    dados.UsuarioAtual = QStringLiteral("JOSE");
    EXPECT_TRUE(main->inicia());
    EXPECT_EQ(main->painel(1), QStringLiteral("FAZENDA BOA VISTA"));
    EXPECT_EQ(main->painel(2), QStringLiteral("2008"));
    EXPECT_EQ(main->painel(3), QStringLiteral("JOSE"));
    EXPECT_EQ(main->painel(4), DataPorExtenso(QDate::currentDate()));
}

TEST_F(Principal, StartRunsLoginThenCompanyDialog) {
    QStringList ordem;
    int opcao = 0;
    registra(QStringLiteral("TfmLogin"), [&](QWidget *dono) {
        ordem << QStringLiteral("login");
        return std::make_unique<FormFalso>(dono, opcao);
    });
    registra(QStringLiteral("TFLoginEmpresa"), [&](QWidget *dono) {
        ordem << QStringLiteral("empresa");
        return std::make_unique<FormFalso>(dono, opcao);
    });
    dialogs().answerModal([&](QDialog *) {
        dados.LoginAceito = true;
        dados.UsuarioAtual = QStringLiteral("MARIA");
        return int(QDialog::Accepted);
    });
    dialogs().answerModal([&](QDialog *) {
        dados.NomeEmpresaAtual = QStringLiteral("SITIO ALEGRE");
        dados.SafraAtual = 2007;
        return int(QDialog::Accepted);
    });
    EXPECT_TRUE(main->inicia());
    EXPECT_EQ(ordem, (QStringList{QStringLiteral("login"), QStringLiteral("empresa")}));
    EXPECT_EQ(main->painel(1), QStringLiteral("SITIO ALEGRE"));
    EXPECT_EQ(main->painel(2), QStringLiteral("2007"));
    EXPECT_EQ(main->painel(3), QStringLiteral("MARIA"));
}

TEST_F(Principal, RefusedLoginEndsTheStart) {
    int opcao = 0;
    bool empresa = false;
    registra(QStringLiteral("TfmLogin"), [&](QWidget *dono) { return std::make_unique<FormFalso>(dono, opcao); });
    registra(QStringLiteral("TFLoginEmpresa"), [&](QWidget *dono) {
        empresa = true;
        return std::make_unique<FormFalso>(dono, opcao);
    });
    dados.LoginAceito = false;
    dialogs().answerModal([](QDialog *) { return int(QDialog::Rejected); });
    EXPECT_FALSE(main->inicia());
    EXPECT_FALSE(empresa);
}

TEST_F(Principal, ChangingCompanyRefillsPanelsOneToThree) {
    dados.NomeEmpresaAtual = QStringLiteral("ANTIGA");
    dados.SafraAtual = 2008;
    dados.UsuarioAtual = QStringLiteral("JOSE");
    ASSERT_TRUE(main->inicia());
    const QString data = main->painel(4);
    int opcao = 0;
    registra(QStringLiteral("TFLoginEmpresa"), [&](QWidget *dono) { return std::make_unique<FormFalso>(dono, opcao); });
    dialogs().answerModal([&](QDialog *) {
        dados.NomeEmpresaAtual = QStringLiteral("NOVA");
        dados.SafraAtual = 2009;
        return int(QDialog::Accepted);
    });
    entrada(main->pmUtilitarios, {QStringLiteral("Tro&car de Empresa")})->trigger();
    EXPECT_EQ(main->painel(1), QStringLiteral("NOVA"));
    EXPECT_EQ(main->painel(2), QStringLiteral("2009"));
    EXPECT_EQ(main->painel(3), QStringLiteral("JOSE"));
    EXPECT_EQ(main->painel(4), data);
}

TEST_F(Principal, ExitQuestionNoKeepsTheWindow) {
    dados.ArquivoConfig = std::make_unique<drav::IniFile>(pasta.path() + QStringLiteral("/BdMysql.ini"));
    main->show();
    dialogs().answer(drav::dlg::No);
    EXPECT_FALSE(main->close());
    EXPECT_TRUE(main->isVisible());
    EXPECT_NE(dados.ArquivoConfig, nullptr);
    ASSERT_EQ(dialogs().shown().size(), 1u);
    const drav::dlg::Message &m = dialogs().last().message;
    EXPECT_EQ(m.text, QStringLiteral("Deseja sair do sistema ?"));
    EXPECT_EQ(m.title, QStringLiteral("Aviso"));
    EXPECT_EQ(m.icon, drav::dlg::Icon::Question);
    EXPECT_EQ(m.buttons, drav::dlg::Yes | drav::dlg::No);
}

TEST_F(Principal, ExitQuestionYesFreesTheSettingsAndCloses) {
    dados.ArquivoConfig = std::make_unique<drav::IniFile>(pasta.path() + QStringLiteral("/BdMysql.ini"));
    main->show();
    dialogs().answer(drav::dlg::Yes);
    EXPECT_TRUE(main->close());
    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(dados.ArquivoConfig, nullptr);
    EXPECT_FALSE(dados.ConexaoBD.isConnected());
}
