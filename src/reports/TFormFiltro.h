#pragma once
// The filter dialog every printed report starts from: a header strip, an
// optional period with two date pickers, selection groups ("TODOS"/"TODAS"
// or a name chosen through a search), and "Imprimir" / "Cancelar".
//
// "Imprimir" runs the print sequence; a concrete dialog fills in its steps:
//
//     class TFrGlebas : public TFormFiltro {
//     public:
//         TFrGlebas(TdmDados &dados, QWidget *dono) : TFormFiltro(dados, "Relatório", dono) {
//             adicionaPeriodo("Período");
//             gbGleba = adicionaSelecao("Gleba", "TODAS");
//             gbGleba->setPesquisa([this] { return pesquisaGleba(); });   // a search dialog
//         }
//     protected:
//         std::unique_ptr<TFormRelatorio> criaRelatorio() override { return std::make_unique<...>(dados()); }
//         void preparaConsulta(TFormRelatorio &r) override {
//             TFormFiltro::preparaConsulta(r);                             // pdataini, pdatafim
//             if (!gbGleba->todos()) { r.QyRelatorio.addSql(" and g.idgleba = :pidgleba");
//                                      r.QyRelatorio.setParam("pidgleba", *gbGleba->id()); }
//         }
//     };

#include "reports/TFormRelatorio.h"

#include <QDialog>
#include <QGroupBox>

#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QVBoxLayout;
class TdmDados;

namespace drav::ui {
class DateEdit;
}

// A choice made through a search dialog.
struct Escolha {
    QString nome;
    qint64 id = 0;
};

// A read-only name box showing the choice or "TODOS"/"TODAS", a "..." button
// that runs the search, and the chosen id. A double-click on the box goes
// back to all.
class TGrupoSelecao : public QGroupBox {
    Q_OBJECT
public:
    // Runs the search; nothing when the user cancelled it.
    using Pesquisa = std::function<std::optional<Escolha>()>;

    TGrupoSelecao(const QString &legenda, const QString &todos, QWidget *parent = nullptr);

    void setPesquisa(Pesquisa pesquisa) { pesquisa_ = std::move(pesquisa); }
    // The "..." button: a cancelled search keeps the previous choice.
    void pesquisa();
    void escolhe(const Escolha &escolha);
    // Back to all, with no id.
    void limpa();

    bool todos() const { return !id_.has_value(); }
    std::optional<qint64> id() const { return id_; }
    QString nome() const;

    QLineEdit *edNome;
    QToolButton *btPesquisa;

Q_SIGNALS:
    void escolhaFeita();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString todos_;
    std::optional<qint64> id_;
    Pesquisa pesquisa_;
};

class TFormFiltro : public QDialog {
    Q_OBJECT
public:
    TFormFiltro(TdmDados &dados, const QString &titulo, QWidget *parent = nullptr);
    ~TFormFiltro() override;

    // The print sequence: period check, the dialog's own checks, a new report
    // form, its query, the empty message or the modal preview. `BtImprime` is
    // off while it runs and back on however it ends; a failing query shows
    // the database's message.
    void BtImprimeClick();

    TdmDados &dados() const { return dados_; }

    QLabel *lbTitulo;
    QPushButton *BtImprime;
    QPushButton *BtCancela;
    QGroupBox *gbPeriodo = nullptr;
    drav::ui::DateEdit *JvDtPInicial = nullptr;
    drav::ui::DateEdit *JvDtPFinal = nullptr;

protected:
    struct OpcoesPeriodo {
        bool verifica = true;      // "Data final menor que data inicial!"
        bool hojeAoMostrar = true; // both pickers := today when the dialog shows
    };
    QGroupBox *adicionaPeriodo(const QString &legenda, OpcoesPeriodo opcoes);
    QGroupBox *adicionaPeriodo(const QString &legenda) { return adicionaPeriodo(legenda, OpcoesPeriodo{}); }
    TGrupoSelecao *adicionaSelecao(const QString &legenda, const QString &todos = QStringLiteral("TODOS"));
    // Where concrete dialogs put their other groups (radio groups, ...).
    QVBoxLayout *corpo() const { return corpo_; }

    // The choices a report needs: false after showing the report's message.
    virtual bool escolhasCompletas() { return true; }
    // A new report form for this print (by OpcaoRelatorio or an option).
    virtual std::unique_ptr<TFormRelatorio> criaRelatorio() = 0;
    // Parameters and conditions. By default the period goes into `pdataini`
    // and `pdatafim` when the statement has them.
    virtual void preparaConsulta(TFormRelatorio &relatorio);
    virtual QString mensagemVazia(const TFormRelatorio &relatorio) const { return relatorio.mensagemVazia(); }
    // Labels that depend on the choices; by default the period line.
    virtual void preencheRotulos(TFormRelatorio &relatorio);

    void showEvent(QShowEvent *event) override;

private:
    bool periodoEmOrdem();
    void imprime();

    TdmDados &dados_;
    QVBoxLayout *corpo_;
    OpcoesPeriodo periodo_;
};
