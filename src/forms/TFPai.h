#pragma once
// The base window of every register form: a header with the form's title,
// the form's data source (DtsPadrao) and a tool bar of seven actions that
// insert, edit, delete, save and cancel the row, search for another one and
// close the form, with one transaction from the start of a change to its
// save or cancel.
//
// A descendant sets its title and dataset, lays out its data-aware controls
// in Painel and overrides the Execute steps it extends, calling the inherited
// step where the base behaviour should run:
//
//   void TFTurma::ActGravarExecute() {
//       if (EdtNome->text().trimmed().isEmpty()) { ...message...; return; }
//       TFPai::ActGravarExecute();
//   }
//
// The dataset actions act on the dataset of their own data source, so a form
// with several panels points them at another one with AtribuiFonteAcoes.

#include "platform/dataset/Transaction.h"
#include "platform/widgets/DataActions.h"
#include "platform/widgets/DataSource.h"

#include <QDialog>
#include <QLabel>
#include <QToolBar>

#include <map>
#include <memory>

class TFPai : public QDialog {
    Q_OBJECT
public:
    explicit TFPai(QWidget *parent = nullptr);
    ~TFPai() override;

    // Steps a descendant extends; each acts on its action's dataset.
    virtual void FormShow();
    virtual void FormClose();
    virtual void ActIncluirExecute();
    virtual void ActAlterarExecute();
    virtual void ActExcluirExecute();
    virtual void ActGravarExecute();
    virtual void ActCancelarExecute();
    // No behaviour of its own: every descendant gives it its search.
    virtual void ActLocalizarExecute();
    virtual void ActSairExecute();

    QWidget *PainelCabecalho;
    QLabel *Label2;
    // Where the descendant lays out its controls.
    QWidget *Painel;
    QToolBar *ToolBar1;
    drav::ui::DataSource *DtsPadrao;
    drav::ui::ActionList *ActionList1;
    drav::ui::DatasetAction *ActIncluir;
    drav::ui::DatasetAction *ActAlterar;
    drav::ui::DatasetAction *ActExcluir;
    drav::ui::DatasetAction *ActGravar;
    drav::ui::DatasetAction *ActCancelar;
    drav::ui::DatasetAction *ActLocalizar;
    QAction *ActSair;

    // The transaction the form keeps for changes on `connection`.
    drav::ds::FormTransaction &transacao(drav::db::Connection &connection);
    bool transacaoPendente() const;

public Q_SLOTS:
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    // The dataset an action acts on; null when its source has none.
    static drav::ds::Dataset *datasetDe(const drav::ui::DatasetAction *acao);

private:
    void montaCabecalho();
    void montaAcoes();
    drav::ui::DatasetAction *novaAcao(const QString &texto, drav::ui::EnabledWhen quando);
    void dispara(QAction *acao, void (TFPai::*passo)());
    static bool executaSeHabilitada(QAction *acao);

    std::map<const drav::db::Connection *, std::unique_ptr<drav::ds::FormTransaction>> transacoes_;
    bool mostrada_ = false;
};
