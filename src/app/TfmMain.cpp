#include "app/TfmMain.h"

#include "app/CatalogoTelas.h"
#include "app/DataExtenso.h"
#include "app/Imagens.h"
#include "data/TdmDados.h"
#include "forms/TDravBitmapButton.h"
#include "platform/shell/Application.h"
#include "platform/shell/EnterAsTab.h"
#include "platform/widgets/ProgramFormats.h"
#include "platform/dialogs/Dialogs.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QScreen>
#include <QToolButton>

namespace dlg = drav::dlg;

namespace {

// One line of a menu. `nivel` 0 is the popup itself, 1 its submenus, and so
// on; an entry followed by a deeper one opens a submenu. "-" is a separator.
struct EntradaMenu {
    int nivel;
    const char *legenda;
    const char *tela = nullptr;
    int opcao = -1;
    const char *vazia = nullptr;  // message of a listing report with no rows
    bool oculta = false;
    bool refazPaineis = false;  // the screen may change the company or harvest
};

const EntradaMenu Cadastros[] = {
    {0, "&Empresa/Safra", "TFEmpresa"},
    {0, "-"},
    {0, "&Turmas", "TFTurmas"},
    {0, "&Colaboradores", "TFColaborador"},
    {0, "-"},
    {0, "&Variedades de Café", "TFVariedade"},
    {0, "&Glebas", "TFGleba"},
    {0, "-"},
    {0, "&Grupos de Operações", "TFGrupoOpera"},
    {0, "&Operações", "TFOperacoes"},
    {0, "-"},
    {0, "Eventos", "TFEvento"},
    {0, "&Ordens de Serviço", "TFOrdem"},
    {0, "&Produção", "TFProducao"},
    {0, "-"},
    {0, "Lançamentos", "TFExporta"},
};

const EntradaMenu Relatorios[] = {
    {0, "&Cadastros"},
    {1, "&Variedades de Café", "TFrVariedade", -1, "Não há variedade de café cadastrada!"},
    {1, "&Turmas", "TFrTurma", -1, "Não há turma cadastrada!"},
    {1, "&Glebas", "TFrGleba", -1, "Não há gleba cadastrada!"},
    {1, "&Operações", "TFrOperacao", -1, "Não há operação cadastrada!"},
    {1, "&Colaboradores", "TFrFiltroColaborador"},
    {1, "Ordens de &Serviço"},
    {2, "&Analítico", "TFrPeriodo"},
    {2, "&Descritivo", "TFrOrdemDesc"},
    {0, "&Produções"},
    {1, "Por &Turma"},
    {2, "Diário &Sintético", "TFrProducao", 1},
    {2, "Diário &Analítico", "TFrProducao", 3},
    {2, "&Separado Por Ordem de Produção", "TFrProducao", 2},
    {1, "Por &Colaborador"},
    {2, "&Empresa", "TFrProducaoColaborador"},
    {2, "E&xtra Empresa"},
    {3, "&Por Período Sintético", "TFrPeriodoColaborador", 1},
    {3, "Por Período &Analítico", "TFrPeriodoColaborador", 3},
    {3, "&Separado Por Ordem de Produção", "TFrPeriodoColaborador", 2},
    {2, "&Gleba", "TFrProducaoGleba"},
    {1, "&Por Gleba", "TFrProducaoGlebaTotal"},
    {1, "Por &Ordem de Serviço", "TFrProducaoOrdem"},
    {1, "Por Período", "TFrProducaoPeriodo"},
    {0, "C&omparativo entre Safras"},
    {1, "&Relatórios de Produtividade"},
    {2, "Por &Gleba", "TFrProdSafraGleba"},
    {2, "Por &Colaborador", "TFrProdSafraColab"},
    {1, "&Gráficos de Produtividade"},
    {2, "Por &Gleba", "TFrGrafSafraGleba"},
    {2, "Por &Colaborador", "TFrGrafSafraColab"},
    {0, "&Resumo Pagamento Bruto"},
    {1, "&Sintético", "TFrResumoPagto", 0},
    {1, "&Analítico", "TFrResumoPagto", 1},
    {1, "-"},
    {1, "Analitico Total", "TFrResumoPagto", 4},
    {1, "Valor Bruto Total", "TFrResumoPagto", 5},
    {1, "Por &Operação", "TFrResumoPagto", 2},
    {1, "Por &Turma", "TFrResumoPagto", 3},
    {0, "Resumo de O&rdem", "TFrResumoOrdem"},
    {0, "A&testado Médico", "TFrAtestado"},
    {0, "-"},
    {0, "&Abastecimento"},
    {1, "&Marcas", "TFrMarcas", -1, "Não há marca cadastrada!"},
    {1, "Gr&upo de Veículos", "TFrGrupoVeiculo", -1, "Não há grupo de veículo cadastrado!"},
    {1, "&Veículos", "TFFiltroVeiculo"},
    {1, "-"},
    {1, "&Operadores", "TFrOperadores", -1, "Não há operador cadastrado!"},
    {1, "&Frentistas", "TFrFrentista", -1, "Não há frentista cadastrado!"},
    {1, "&Combustíveis", "TFrCombustivel", -1, "Não há combustível cadastrado!"},
    {1, "-"},
    {1, "&Abastecimentos", "TFFiltroAbastece"},
    {0, "-"},
    {0, "&Financeiro"},
    {1, "&Bancos", "TFrBanco", -1, "Não há banco cadastrado!"},
    {1, "&Contas", "TFFiltroConta"},
    {1, "C&lientes", "TFFiltroClieFornec", 1},
    {1, "&Fornecedores", "TFFiltroClieFornec", 2},
    {1, "Estoque"},
    {2, "&Grupos", "TFrGrEstoque", -1, "Não há grupo de estoque cadastrado!"},
    {2, "&SubGrupos", "TFFiltroSbgestoque"},
    {2, "&Ítens", "TFFiltroItemEst"},
    {1, "C&ontas"},
    {2, "A &Pagar", "TFFiltroContas", 1},
    {2, "A &Receber", "TFFiltroContas", 2},
    {0, "&Manutenção de Produção", "TFManutProducao"},
};

const EntradaMenu Utilitarios[] = {
    {0, "&Parâmetro", "TFParametro"},
    {0, "&Usuarios", "TFUsuarios"},
    {0, "&Exportação"},
    {1, "&Folha de Pagamento", "TFExportaFolha"},
    {0, "&Ficha Financeira", "TFFichaFinanceira", -1, nullptr, true},
    {0, "&Backup do sistema", "TfmBackup"},
    {0, "Tro&car de Empresa", "TFLoginEmpresa", -1, nullptr, false, true},
    {0, "&Transferência de Button", "TFTransfereButton"},
    {0, "&Importação do MiniTolvera", "TFImporta"},
    {0, "-"},
    {0, "&Sobre", "TfmSobre"},
};

const EntradaMenu Abastece[] = {
    {0, "&Marca", "TFMarca"},
    {0, "&Grupo de Veículo", "TFGrupoVeiculo"},
    {0, "&Operador", "TFOperador"},
    {0, "&Veículo", "TFVeiculo"},
    {0, "-"},
    {0, "&Frentista", "TFFrentista"},
    {0, "&Combustível", "TFCombustivel"},
    {0, "-"},
    {0, "&Abastecimentos", "TFAbastece"},
};

const EntradaMenu Financeiro[] = {
    {0, "&Bancos", "TFBanco"},
    {0, "&Cidades", "TFCidades"},
    {0, "-"},
    {0, "&Fornecedores", "TFFornecedor"},
    {0, "C&lientes", "TFClientes"},
    {0, "&Estoques"},
    {1, "&Unidades", "TFUnidEstoque"},
    {1, "&Grupos", "TFGrupos"},
    {1, "&Ítem de Estoque", "TFItemEstoque"},
    {0, "-"},
    {0, "Contas a &Pagar", "TFPagar"},
    {0, "Contas a &Receber", "TFReceber"},
    {0, "&Movimentação", "TFMovimento"},
    {0, "-"},
    {0, "&Serviço", "TFServicos"},
    {0, "Ma&nutenção", "TFManutencao"},
};

// Properties a menu entry carries to abreEntrada().
constexpr const char *PropTela = "tela";
constexpr const char *PropOpcao = "opcaoRelatorio";
constexpr const char *PropVazia = "mensagemVazia";
constexpr const char *PropRefaz = "refazPaineis";

template <std::size_t N>
QMenu *criaMenu(QWidget *dono, const char *nome, const EntradaMenu (&entradas)[N]) {
    auto *raiz = new QMenu(dono);
    raiz->setObjectName(QString::fromLatin1(nome));
    std::vector<QMenu *> niveis{raiz};
    for (std::size_t i = 0; i < N; ++i) {
        const EntradaMenu &e = entradas[i];
        niveis.resize(e.nivel + 1);
        QMenu *menu = niveis.back();
        const QString legenda = QString::fromUtf8(e.legenda);
        if (legenda == u"-") {
            menu->addSeparator();
        } else if (i + 1 < N && entradas[i + 1].nivel > e.nivel) {
            niveis.push_back(menu->addMenu(legenda));
        } else {
            QAction *a = menu->addAction(legenda);
            a->setProperty(PropTela, QString::fromLatin1(e.tela));
            a->setProperty(PropOpcao, e.opcao);
            a->setProperty(PropVazia, QString::fromUtf8(e.vazia ? e.vazia : ""));
            a->setProperty(PropRefaz, e.refazPaineis);
            a->setVisible(!e.oculta);
        }
    }
    return raiz;
}

void entradasDe(QMenu *menu, std::vector<QAction *> &saida) {
    for (QAction *a : menu->actions()) {
        if (a->menu())
            entradasDe(a->menu(), saida);
        else if (!a->isSeparator())
            saida.push_back(a);
    }
}

// Tahoma where it exists, else a sans-serif of similar width: the captions
// and panels were measured for it.
QFont fonteTahoma(int pontos) {
    QFont fonte;
    fonte.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                       QStringLiteral("Nimbus Sans")});
    fonte.setStyleHint(QFont::SansSerif);
    fonte.setPointSize(pontos);
    return fonte;
}

QImage figura(const char *nome) {
    return QImage(QStringLiteral(":/imagens/%1.png").arg(QLatin1String(nome)));
}

} // namespace

TfmMain::TfmMain(TdmDados &dados, QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      dados_(dados) {
    setObjectName(QStringLiteral("fmMain"));
    setWindowTitle(QStringLiteral("DravTolvera"));
    setFont(fonteTahoma(8));
    carregaImagens();
    auto *cliente = new QWidget(this);
    cliente->setObjectName(QStringLiteral("cliente"));
    cliente->setAutoFillBackground(true);
    QPalette branco = cliente->palette();
    branco.setColor(QPalette::Window, Qt::white);
    cliente->setPalette(branco);
    setCentralWidget(cliente);
    setFixedSize(659, 459);

    montaCabecalho(cliente);
    montaMenus();
    montaLancadores(cliente);
    montaRodape(cliente);
    montaStatusBar(cliente);
    atualizaEntradas();
    if (QScreen *tela = screen())
        move(tela->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

void TfmMain::montaCabecalho(QWidget *cliente) {
    auto *fundo = new QLabel(cliente);
    fundo->setObjectName(QStringLiteral("imgCabecalho"));
    fundo->setGeometry(0, 0, 659, 51);
    fundo->setPixmap(QPixmap(QStringLiteral(":/imagens/cabecalho.png")));
    fundo->setScaledContents(true);

    auto *logo = new QLabel(cliente);
    logo->setObjectName(QStringLiteral("imgLogo"));
    logo->setPixmap(QPixmap(QStringLiteral(":/imagens/logo.png")));
    logo->setGeometry(659 - 48 - 6, 2, 48, 48);

    auto *titulo = new QLabel(QStringLiteral("Controle de Tolvera"), cliente);
    titulo->setObjectName(QStringLiteral("lbTitulo"));
    QFont fonte;
    fonte.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                       QStringLiteral("Nimbus Roman")});
    fonte.setStyleHint(QFont::Serif);
    fonte.setPixelSize(27);
    fonte.setBold(true);
    fonte.setItalic(true);
    titulo->setFont(fonte);
    QPalette p = titulo->palette();
    p.setColor(QPalette::WindowText, Qt::white);
    titulo->setPalette(p);
    titulo->setGeometry(12, 8, 400, 36);
}

void TfmMain::montaMenus() {
    pmCadastros = criaMenu(this, "pmCadastros", Cadastros);
    pmRelatorios = criaMenu(this, "pmRelatorios", Relatorios);
    pmUtilitarios = criaMenu(this, "pmUtilitarios", Utilitarios);
    pmAbastece = criaMenu(this, "pmAbastece", Abastece);
    pmFinanceiro = criaMenu(this, "pmFinanceiro", Financeiro);
    menus_ = {pmCadastros, pmRelatorios, pmUtilitarios, pmAbastece, pmFinanceiro};
    for (QMenu *m : menus_) {
        connect(m, &QMenu::triggered, this, &TfmMain::abreEntrada);
        // Screens registered after the window was built become available too.
        connect(m, &QMenu::aboutToShow, this, &TfmMain::atualizaEntradas);
    }
}

void TfmMain::montaLancadores(QWidget *cliente) {
    const Lancador lancadores[] = {
        {ImgCadastro, spCadastros, "ImgCadastro", "spCadastros", "&Cadastros", "cadastros", pmCadastros,
         {60, 60}},
        {imgRelatorios, spRelatorios, "imgRelatorios", "spRelatorios", "&Relatórios", "relatorios",
         pmRelatorios, {60, 80}},
        {imgUtilitarios, spUtilitarios, "imgUtilitarios", "spUtilitarios", "&Utilitários", "utilitarios",
         pmUtilitarios, {60, 80}},
        {imgAbastece, spAbastece, "imgAbastece", "spAbastece", "&Abastecimento", "abastece", pmAbastece,
         {60, 60}},
        {imgFinanceiro, spFinanceiro, "imgFinanceiro", "spFinanceiro", "&Financeiro", "financeiro",
         pmFinanceiro, {80, 80}},
        {imgMini, spMini, "imgMini", "spMini", "&Mini-dravolta", "mini", nullptr, {}},
    };
    // Two rows of three, the caption under each picture.
    const int colunas[] = {150, 330, 510};
    const int linhas[] = {78, 210};
    for (int i = 0; i < 6; ++i)
        montaLancador(cliente, lancadores[i], QPoint(colunas[i % 3], linhas[i / 3]));
}

void TfmMain::montaLancador(QWidget *cliente, const Lancador &l, QPoint centroTopo) {
    auto *imagem = new TDravBitmapButton(cliente);
    imagem->setObjectName(QString::fromLatin1(l.nomeImagem));
    imagem->setBitmap(figura(l.figura));
    imagem->setHotTrack(true);
    imagem->setLatching(false);
    imagem->setCursor(Qt::PointingHandCursor);
    imagem->move(centroTopo.x() - imagem->width() / 2, centroTopo.y());

    auto *legenda = new QToolButton(cliente);
    legenda->setObjectName(QString::fromLatin1(l.nomeLegenda));
    legenda->setText(QString::fromUtf8(l.texto));
    legenda->setAutoRaise(true);
    legenda->setStyleSheet(QStringLiteral("QToolButton { padding: 0px; }"));
    legenda->setFixedSize(82, 25);
    legenda->setCursor(Qt::PointingHandCursor);
    legenda->move(centroTopo.x() - 41, imagem->geometry().bottom() + 4);

    l.imagem = imagem;
    l.legenda = legenda;
    if (QMenu *menu = l.menu) {
        const QPoint desvio = l.desvio;
        auto abre = [this, menu, imagem, desvio] { abreMenu(menu, imagem, desvio); };
        connect(imagem, &TDravBitmapButton::onclick, this, abre);
        connect(legenda, &QToolButton::clicked, this, abre);
        legenda->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(legenda, &QWidget::customContextMenuRequested, this,
                [menu, legenda](QPoint onde) { menu->popup(legenda->mapToGlobal(onde)); });
    } else {
        auto abre = [this] { abreTela(QStringLiteral("TfmMinidravTolvera")); };
        connect(imagem, &TDravBitmapButton::onclick, this, abre);
        connect(legenda, &QToolButton::clicked, this, abre);
    }
}

void TfmMain::montaRodape(QWidget *cliente) {
    auto *decoracao = new QLabel(cliente);
    decoracao->setObjectName(QStringLiteral("imgDecoracao"));
    decoracao->setPixmap(QPixmap(QStringLiteral(":/imagens/decoracao.png")));
    decoracao->setGeometry(8, 437 - 8 - 110, 130, 110);

    auto *fabricante = new QLabel(cliente);
    fabricante->setObjectName(QStringLiteral("imgFabricante"));
    fabricante->setPixmap(QPixmap(QStringLiteral(":/imagens/logo-fabricante.png")));
    fabricante->setGeometry(659 - 12 - 150, 437 - 30 - 50, 150, 50);

    auto *rotulo = new QLabel(QStringLiteral("Dravolta Razadiva Inteligentes"), cliente);
    rotulo->setObjectName(QStringLiteral("lbFabricante"));
    rotulo->setFont(fonteTahoma(10));
    rotulo->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    rotulo->setGeometry(659 - 12 - 240, 437 - 26, 240, 20);
}

void TfmMain::montaStatusBar(QWidget *cliente) {
    StatusBar1 = new QWidget(cliente);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setGeometry(0, 459 - 22, 659, 22);
    StatusBar1->setAutoFillBackground(true);
    QPalette p = StatusBar1->palette();
    p.setColor(QPalette::Window, QColor(0xD0, 0xD0, 0xD5));  // $00D5D0D0, stored blue-green-red
    StatusBar1->setPalette(p);
    int x = 0;
    for (int largura : {200, 150, 120, 200}) {
        auto *painel = new QLabel(StatusBar1);
        painel->setObjectName(QStringLiteral("Panel%1").arg(paineis_.size() + 1));
        painel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        painel->setAlignment(Qt::AlignCenter);
        painel->setGeometry(x, 2, largura, 20);
        x += largura;
        paineis_.push_back(painel);
    }
}

bool TfmMain::inicia() {
    drav::Application::setTitle(QStringLiteral("DravTolvera"));
    drav::EnterAsTab::instala();

    QApplication::processEvents();
    abreTelaDaSessao(QStringLiteral("TfmLogin"));
    QApplication::processEvents();
    // Without a login screen in the program every start counts as accepted.
    if (drav::Application::terminated() ||
        (CatalogoTelas::instancia().contem(QStringLiteral("TfmLogin")) && !dados_.LoginAceito))
        return false;

    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
    // Thousands ".", decimals ",", dates dd/MM/yyyy for every form and report.
    drav::installProgramFormats();
    paineis_[3]->setText(DataPorExtenso(QDate::currentDate()));

    abreTelaDaSessao(QStringLiteral("TFLoginEmpresa"));
    if (drav::Application::terminated())
        return false;

    QApplication::processEvents();
    dados_.PreparaMonitor();
    atualizaPaineis();
    return true;
}

void TfmMain::abreTelaDaSessao(const QString &classe) {
    if (CatalogoTelas::instancia().contem(classe))
        abreTela(classe);
}

void TfmMain::atualizaPaineis() {
    paineis_[0]->setText(dados_.NomeEmpresaAtual);
    paineis_[1]->setText(QString::number(dados_.SafraAtual));
    paineis_[2]->setText(dados_.UsuarioAtual);
}

QString TfmMain::painel(int numero) const { return paineis_.at(numero - 1)->text(); }

QPoint TfmMain::posicaoMenu(const QWidget *imagem, QPoint desvio) const {
    return imagem->mapTo(this, QPoint(0, 0)) + frameGeometry().topLeft() + desvio;
}

void TfmMain::abreMenu(QMenu *menu, const QWidget *imagem, QPoint desvio) {
    menu->popup(posicaoMenu(imagem, desvio));
}

void TfmMain::atualizaEntradas() {
    const CatalogoTelas &catalogo = CatalogoTelas::instancia();
    std::vector<QAction *> entradas;
    for (QMenu *m : menus_)
        entradasDe(m, entradas);
    for (QAction *a : entradas)
        a->setEnabled(catalogo.contem(a->property(PropTela).toString()));
    const bool temColetor = catalogo.contem(QStringLiteral("TfmMinidravTolvera"));
    imgMini->setEnabled(temColetor);
    spMini->setEnabled(temColetor);
}

void TfmMain::abreEntrada(QAction *entrada) {
    abreTela(entrada->property(PropTela).toString(), entrada->property(PropOpcao).toInt(),
             entrada->property(PropVazia).toString());
    if (entrada->property(PropRefaz).toBool()) {
        QApplication::processEvents();
        atualizaPaineis();
    }
}

void TfmMain::abreTela(const QString &classe, int opcao, const QString &mensagemVazia) {
    const CatalogoTelas::Tela *tela = CatalogoTelas::instancia().tela(classe);
    if (!tela)
        return;
    if (tela->lista) {
        tela->lista(this, mensagemVazia);
        return;
    }
    // Destroyed when the modal call returns or an exception passes.
    std::unique_ptr<QDialog> form = tela->cria(this);
    if (opcao >= 0)
        dados_.OpcaoRelatorio = opcao;
    if (tela->prepara)
        tela->prepara(*form, opcao);
    dlg::service().execModal(form.get());
}

void TfmMain::closeEvent(QCloseEvent *evento) {
    if (!dlg::pergunta(QStringLiteral("Deseja sair do sistema ?"), true)) {
        evento->ignore();
        return;
    }
    dados_.ArquivoConfig.reset();
    dados_.ConexaoBD.disconnect();
    evento->accept();
    QCoreApplication::quit();
}
