#include "forms/TFPai.h"

#include "forms/PainelCabecalho.h"

#include "platform/dialogs/Dialogs.h"
#include "platform/shell/Application.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

namespace ds = drav::ds;
namespace ui = drav::ui;
namespace dlg = drav::dlg;

TFPai::TFPai(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      DtsPadrao(new ui::DataSource(this)), ActionList1(new ui::ActionList(this)) {
    setWindowTitle(drav::Application::title());
    auto *coluna = new QVBoxLayout(this);
    coluna->setContentsMargins(0, 0, 0, 0);
    coluna->setSpacing(0);
    coluna->setSizeConstraint(QLayout::SetFixedSize);  // a fixed border, as the layout sizes it
    montaCabecalho();
    coluna->addWidget(PainelCabecalho);
    Painel = new QWidget(this);
    Painel->setObjectName(QStringLiteral("Painel"));
    coluna->addWidget(Painel, 1);
    montaAcoes();
    coluna->addWidget(ToolBar1);
}

TFPai::~TFPai() = default;

void TFPai::montaCabecalho() {
    auto *cabecalho = new ::PainelCabecalho(QStringLiteral("Formulário Padrão"), this);
    PainelCabecalho = cabecalho;
    Label2 = cabecalho->titulo();
    Label2->setObjectName(QStringLiteral("Label2"));
}

ui::DatasetAction *TFPai::novaAcao(const QString &texto, ui::EnabledWhen quando) {
    auto *acao = new ui::DatasetAction(texto, quando, this);
    acao->setDataSource(DtsPadrao);
    ActionList1->add(acao);
    return acao;
}

void TFPai::montaAcoes() {
    using W = ui::EnabledWhen;
    ActIncluir = novaAcao(QStringLiteral("&Incluir"), W::Browsing);
    ActAlterar = novaAcao(QStringLiteral("&Alterar"), W::Browsing);
    ActExcluir = novaAcao(QStringLiteral("&Excluir"), W::Browsing);
    ActGravar = novaAcao(QStringLiteral("&Gravar"), W::Editing);
    ActCancelar = novaAcao(QStringLiteral("&Cancelar"), W::Editing);
    ActLocalizar = novaAcao(QStringLiteral("&Localizar"), W::Browsing);
    ActLocalizar->setShortcut(QKeySequence(Qt::Key_F3));
    ActLocalizar->setShortcutContext(Qt::WindowShortcut);
    ActSair = new QAction(QStringLiteral("&Fechar"), this);
    ActionList1->add(ActSair);

    const QStyle *s = style();
    ActIncluir->setIcon(s->standardIcon(QStyle::SP_FileIcon));
    ActAlterar->setIcon(s->standardIcon(QStyle::SP_FileDialogDetailedView));
    ActExcluir->setIcon(s->standardIcon(QStyle::SP_TrashIcon));
    ActGravar->setIcon(s->standardIcon(QStyle::SP_DialogSaveButton));
    ActCancelar->setIcon(s->standardIcon(QStyle::SP_DialogCancelButton));
    ActLocalizar->setIcon(s->standardIcon(QStyle::SP_FileDialogContentsView));
    ActSair->setIcon(s->standardIcon(QStyle::SP_DialogCloseButton));

    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    ToolBar1->setMovable(false);
    ToolBar1->addActions({ActIncluir, ActAlterar, ActExcluir, ActGravar, ActCancelar});
    ToolBar1->addSeparator();
    ToolBar1->addAction(ActLocalizar);
    ToolBar1->addSeparator();
    ToolBar1->addAction(ActSair);

    dispara(ActIncluir, &TFPai::ActIncluirExecute);
    dispara(ActAlterar, &TFPai::ActAlterarExecute);
    dispara(ActExcluir, &TFPai::ActExcluirExecute);
    dispara(ActGravar, &TFPai::ActGravarExecute);
    dispara(ActCancelar, &TFPai::ActCancelarExecute);
    dispara(ActLocalizar, &TFPai::ActLocalizarExecute);
    dispara(ActSair, &TFPai::ActSairExecute);
}

void TFPai::dispara(QAction *acao, void (TFPai::*passo)()) {
    // Through the pointer the descendant's override runs.
    connect(acao, &QAction::triggered, this, [this, passo] { (this->*passo)(); });
}

ds::Dataset *TFPai::datasetDe(const ui::DatasetAction *acao) { return acao ? acao->dataset() : nullptr; }

ds::FormTransaction &TFPai::transacao(drav::db::Connection &connection) {
    auto &t = transacoes_[&connection];
    if (!t)
        t = std::make_unique<ds::FormTransaction>(connection);
    return *t;
}

bool TFPai::transacaoPendente() const {
    for (const auto &[conexao, t] : transacoes_)
        if (t->isPending())
            return true;
    return false;
}

// ---- steps ----

void TFPai::FormShow() {
    if (ds::Dataset *ds = DtsPadrao->dataset(); ds && !ds->isActive())
        ds->open();
}

void TFPai::FormClose() {
    if (ds::Dataset *ds = DtsPadrao->dataset())
        ds->close();
    if (ds::Dataset *atual = datasetDe(ActGravar); atual && atual->isEditing())
        atual->cancel();
    // Whatever change was left unsaved goes with its transaction.
    for (auto &[conexao, t] : transacoes_)
        if (t->isPending())
            t->cancel([] {});
}

void TFPai::ActIncluirExecute() {
    if (ds::Dataset *ds = datasetDe(ActIncluir))
        transacao(ds->connection()).start([ds] { ds->append(); });
}

void TFPai::ActAlterarExecute() {
    if (ds::Dataset *ds = datasetDe(ActAlterar))
        transacao(ds->connection()).start([ds] { ds->edit(); });
}

void TFPai::ActExcluirExecute() {
    ds::Dataset *ds = datasetDe(ActExcluir);
    if (!ds)
        return;
    ds::TransactionGuard guard(ds->connection());
    if (ds->currentIndex() < 0)
        return;  // nothing to delete; the guard ends the transaction it opened
    if (dlg::pergunta(QStringLiteral("Confirma a Exclusão do Registro !!"))) {
        ds->remove();
        guard.commit();
    } else {
        ds->cancel();
    }
}

void TFPai::ActGravarExecute() {
    ds::Dataset *ds = datasetDe(ActGravar);
    if (!ds)
        return;
    ActGravar->dataSource()->updateRecord();
    transacao(ds->connection()).save(*ds, [ds] { ds->post(); });
}

void TFPai::ActCancelarExecute() {
    if (ds::Dataset *ds = datasetDe(ActCancelar))
        transacao(ds->connection()).cancel([ds] { ds->cancel(); });
}

void TFPai::ActLocalizarExecute() {}

void TFPai::ActSairExecute() {
    if (ds::Dataset *ds = datasetDe(ActGravar); ds && ds->isEditing()) {
        if (dlg::pergunta(QStringLiteral("Salvar as alterações ?"), true))
            ActGravarExecute();  // a refused save ends here, the form stays open
        else
            ActCancelarExecute();
    }
    FormClose();
    close();
}

// ---- window ----

void TFPai::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (!mostrada_ && !event->spontaneous()) {
        mostrada_ = true;
        FormShow();
    }
}

void TFPai::done(int result) {
    FormClose();
    QDialog::done(result);
}

bool TFPai::executaSeHabilitada(QAction *acao) {
    if (acao->isEnabled())
        acao->trigger();
    return true;
}

void TFPai::keyPressEvent(QKeyEvent *event) {
    // Only keys the window gets while no control of it has the focus; the
    // dialog's own Escape (close) never applies to a register form.
    const QWidget *foco = QApplication::focusWidget();
    const bool daJanela = !foco || foco == this;
    switch (event->key()) {
    case Qt::Key_Escape:
        if (daJanela)
            executaSeHabilitada(ActCancelar);
        return;
    case Qt::Key_Insert:
        if (daJanela)
            executaSeHabilitada(ActIncluir);
        return;
    case Qt::Key_F3:
        if (daJanela)
            executaSeHabilitada(ActLocalizar);
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}
