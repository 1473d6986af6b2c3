#include "reports/TFormFiltro.h"

#include "data/TdmDados.h"
#include "platform/SilentAbort.h"
#include "platform/db/DbError.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/report/Preview.h"
#include "platform/shell/Application.h"
#include "platform/widgets/DateEdit.h"

#include <QEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Turns the print button back on when the print ends, however it ends.
class ReligaAoSair {
public:
    explicit ReligaAoSair(QPushButton *botao) : botao_(botao) { botao_->setEnabled(false); }
    ~ReligaAoSair() { botao_->setEnabled(true); }
    ReligaAoSair(const ReligaAoSair &) = delete;
    ReligaAoSair &operator=(const ReligaAoSair &) = delete;

private:
    QPushButton *botao_;
};

QLabel *faixaDeTitulo(const QString &titulo, QWidget *parent) {
    auto *faixa = new QLabel(titulo, parent);
    faixa->setObjectName(QStringLiteral("lbTitulo"));
    QFont fonte = faixa->font();
    fonte.setPointSize(14);
    fonte.setBold(true);
    fonte.setItalic(true);
    faixa->setFont(fonte);
    faixa->setAutoFillBackground(true);
    QPalette cores = faixa->palette();
    cores.setColor(QPalette::Window, QColor(0, 0, 128));
    cores.setColor(QPalette::WindowText, Qt::white);
    faixa->setPalette(cores);
    faixa->setMargin(8);
    return faixa;
}

} // namespace

TGrupoSelecao::TGrupoSelecao(const QString &legenda, const QString &todos, QWidget *parent)
    : QGroupBox(legenda, parent), edNome(new QLineEdit(todos, this)), btPesquisa(new QToolButton(this)),
      todos_(todos) {
    edNome->setReadOnly(true);
    edNome->installEventFilter(this);
    btPesquisa->setText(QStringLiteral("..."));
    auto *linha = new QHBoxLayout(this);
    linha->addWidget(edNome, 1);
    linha->addWidget(btPesquisa);
    connect(btPesquisa, &QToolButton::clicked, this, &TGrupoSelecao::pesquisa);
}

void TGrupoSelecao::pesquisa() {
    if (!pesquisa_)
        return;
    if (const std::optional<Escolha> escolha = pesquisa_())
        escolhe(*escolha);
}

void TGrupoSelecao::escolhe(const Escolha &escolha) {
    edNome->setText(escolha.nome);
    id_ = escolha.id;
    Q_EMIT escolhaFeita();
}

void TGrupoSelecao::limpa() {
    edNome->setText(todos_);
    id_.reset();
}

QString TGrupoSelecao::nome() const {
    return edNome->text();
}

bool TGrupoSelecao::eventFilter(QObject *watched, QEvent *event) {
    if (watched == edNome && event->type() == QEvent::MouseButtonDblClick) {
        limpa();
        return true;
    }
    return QGroupBox::eventFilter(watched, event);
}

TFormFiltro::TFormFiltro(TdmDados &dados, const QString &titulo, QWidget *parent)
    : QDialog(parent), lbTitulo(faixaDeTitulo(titulo, this)),
      BtImprime(new QPushButton(QStringLiteral("Imprimir"), this)),
      BtCancela(new QPushButton(QStringLiteral("Cancelar"), this)), dados_(dados), corpo_(new QVBoxLayout) {
    setWindowTitle(QStringLiteral("DravTolvera"));
    BtImprime->setObjectName(QStringLiteral("BtImprime"));
    BtCancela->setObjectName(QStringLiteral("BtCancela"));
    BtImprime->setDefault(true);
    auto *botoes = new QHBoxLayout;
    botoes->addStretch(1);
    botoes->addWidget(BtImprime);
    botoes->addWidget(BtCancela);
    auto *tudo = new QVBoxLayout(this);
    tudo->setSizeConstraint(QLayout::SetFixedSize);
    tudo->setContentsMargins(0, 0, 0, 8);
    tudo->addWidget(lbTitulo);
    corpo_->setContentsMargins(8, 4, 8, 4);
    tudo->addLayout(corpo_);
    botoes->setContentsMargins(8, 0, 8, 0);
    tudo->addLayout(botoes);
    connect(BtImprime, &QPushButton::clicked, this, &TFormFiltro::BtImprimeClick);
    connect(BtCancela, &QPushButton::clicked, this, &QDialog::reject);
}

TFormFiltro::~TFormFiltro() = default;

QGroupBox *TFormFiltro::adicionaPeriodo(const QString &legenda, OpcoesPeriodo opcoes) {
    periodo_ = opcoes;
    gbPeriodo = new QGroupBox(legenda, this);
    JvDtPInicial = new drav::ui::DateEdit(gbPeriodo);
    JvDtPFinal = new drav::ui::DateEdit(gbPeriodo);
    JvDtPInicial->setObjectName(QStringLiteral("JvDtPInicial"));
    JvDtPFinal->setObjectName(QStringLiteral("JvDtPFinal"));
    auto *grade = new QGridLayout(gbPeriodo);
    grade->addWidget(new QLabel(QStringLiteral("Inicial"), gbPeriodo), 0, 0);
    grade->addWidget(new QLabel(QStringLiteral("Final"), gbPeriodo), 0, 1);
    grade->addWidget(JvDtPInicial, 1, 0);
    grade->addWidget(JvDtPFinal, 1, 1);
    corpo_->addWidget(gbPeriodo);
    return gbPeriodo;
}

TGrupoSelecao *TFormFiltro::adicionaSelecao(const QString &legenda, const QString &todos) {
    auto *grupo = new TGrupoSelecao(legenda, todos, this);
    corpo_->addWidget(grupo);
    return grupo;
}

void TFormFiltro::showEvent(QShowEvent *event) {
    if (JvDtPInicial && periodo_.hojeAoMostrar) {
        JvDtPInicial->setDate(QDate::currentDate());
        JvDtPFinal->setDate(QDate::currentDate());
    }
    QDialog::showEvent(event);
    if (const QScreen *tela = screen())
        move(tela->availableGeometry().center() - rect().center());
}

bool TFormFiltro::periodoEmOrdem() {
    if (!JvDtPInicial || !periodo_.verifica || JvDtPFinal->date() >= JvDtPInicial->date())
        return true;
    drav::dlg::aviso(QStringLiteral("Data final menor que data inicial!"), drav::dlg::Icon::Warning);
    JvDtPFinal->setFocus();
    return false;
}

void TFormFiltro::preparaConsulta(TFormRelatorio &relatorio) {
    if (!JvDtPInicial)
        return;
    if (drav::ds::Parameter *p = relatorio.QyRelatorio.findParam(QStringLiteral("pdataini")))
        p->setAsDate(JvDtPInicial->date());
    if (drav::ds::Parameter *p = relatorio.QyRelatorio.findParam(QStringLiteral("pdatafim")))
        p->setAsDate(JvDtPFinal->date());
}

void TFormFiltro::preencheRotulos(TFormRelatorio &relatorio) {
    if (JvDtPInicial)
        relatorio.setPeriodo(JvDtPInicial->date(), JvDtPFinal->date());
}

void TFormFiltro::BtImprimeClick() {
    try {
        if (periodoEmOrdem() && escolhasCompletas())
            imprime();
    } catch (const drav::SilentAbort &) {
        // Whoever raised it has told the user already.
    } catch (const drav::db::DbError &e) {
        drav::Application::showError(e.message());
    } catch (const std::exception &e) {
        drav::Application::showError(QString::fromUtf8(e.what()));
    }
}

void TFormFiltro::imprime() {
    const ReligaAoSair religa(BtImprime);
    // Released before the button comes back, on every way out.
    const std::unique_ptr<TFormRelatorio> relatorio = criaRelatorio();
    preparaConsulta(*relatorio);
    if (!relatorio->abre()) {
        drav::dlg::aviso(mensagemVazia(*relatorio), drav::dlg::Icon::Warning);
        return;
    }
    preencheRotulos(*relatorio);
    drav::report::preview(relatorio->QuickRep1, this);
}
