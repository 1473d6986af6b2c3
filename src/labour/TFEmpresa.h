#pragma once
// The company and harvest register: the companies on the "Empresa" tab and,
// on the "Safra" tab, the harvests of the company shown. The tool bar acts on
// the dataset of the active tab; leaving a tab first saves its pending edit.

#include "forms/TFPai.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace drav::ui {
class DbEdit;
}

class TFEmpresa : public TFPai {
    Q_OBJECT
public:
    explicit TFEmpresa(QWidget *parent = nullptr);

    void FormShow() override;
    void FormClose() override;
    void ActIncluirExecute() override;
    void ActGravarExecute() override;
    void ActExcluirExecute() override;
    void ActCancelarExecute() override;
    void ActLocalizarExecute() override;
    void PageControl1Change(int aba);
    void Button1Click();

    QTabWidget *PageControl1;
    QWidget *TabEmpresa;
    QWidget *TabSafra;
    drav::ui::DataSource *DtsEmpresa; // the standard source, on the companies
    drav::ui::DataSource *DtsSafra;

    drav::ui::DbEdit *EdtCodigo;
    drav::ui::DbEdit *EdtNome;
    drav::ui::DbEdit *EdtEndereco;
    drav::ui::DbEdit *EdtIdCidade;
    QLineEdit *EdtCidade;
    QPushButton *Button1;
    QLineEdit *EdtUF;
    QLineEdit *EdtPais;

    QLabel *LblEmpresa;
    drav::ui::DbEdit *EdtSafra;
    drav::ui::DbEdit *EdtDescricao;

    bool naAbaEmpresa() const;

private:
    void montaAbaEmpresa();
    void montaAbaSafra();
    drav::ui::DbEdit *campo(QWidget *dono, drav::ui::DataSource *fonte, const QString &nome);

    void gravaEmpresa();
    void gravaSafra();
    void excluiEmpresa();
    void excluiSafra();
    void pesquisaEmpresa();
    void pesquisaSafra();
    // Saves the pending edit of the tab being left; false when it was refused.
    bool gravaPendente(drav::ui::DataSource *fonte);
    // Shows another tab without running the change handler.
    void mudaAba(int aba);
    void excluiSafrasDe(int idempresa);
    void entraNaSafra();
    void reabreEmpresa(int idempresa);
    void reabreSafras();
    int empresaMostrada() const;
    // City, state and country of the company row shown (empty when none).
    void mostraCidade();
    void limpaCidade();
    void mostraNomeEmpresa();

    int abaAtual_ = 0;
    bool trocandoAba_ = false;
};
