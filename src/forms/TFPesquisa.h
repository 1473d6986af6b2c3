#pragma once
// The search dialogs: the user types the start of a value, the dialog reruns
// its statement 200 ms after the last keystroke and lists the rows; OK leaves
// the chosen row current in QyPesquisa, where the caller reads its columns by
// name, e.g. QyPesquisa.fieldByName("idgleba").asInteger().
//
//   TFPesquisa2 pesquisa;
//   pesquisa.Label1->setText("Pesquisa de Glebas");
//   pesquisa.Consultas = {{"Nome da Gleba", "nomegleba", "tbgleba", "N"}, {"Gleba", "idgleba", "tbgleba", "N"}};
//   pesquisa.Prepara();
//   if (drav::dlg::service().execModal(&pesquisa) == QDialog::Accepted)
//       ... pesquisa.QyPesquisa.fieldByName("idgleba").asInteger() ...
//
// TFPesquisaBase holds what both dialogs share; TFPesquisa is the older
// dialog, described by lists of captions and columns.

#include "forms/ConsultaPesquisa.h"
#include "platform/dataset/Dataset.h"
#include "platform/widgets/DataSource.h"
#include "platform/widgets/DbGrid.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

// A drop-down list that says when its list closes.
class CaixaEscolha : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;
    void hidePopup() override;
Q_SIGNALS:
    void fechada();
};

class TFPesquisaBase : public QDialog {
    Q_OBJECT
public:
    explicit TFPesquisaBase(QWidget *parent = nullptr);
    ~TFPesquisaBase() override;

    // The built statement for `texto` with the chosen key field.
    virtual QString montaSql(const QString &texto) const = 0;
    // Runs the statement again for `texto`.
    void Pesquisa(const QString &texto);

    QLabel *Label1;
    QLineEdit *EdtIncremental;
    drav::ui::DbGrid *DBGrid1;
    CaixaEscolha *ComboBox1;
    QPushButton *BtnFechar;
    QTimer Timer1;
    drav::ds::Dataset QyPesquisa;
    drav::ui::DataSource DtsPesquisa;

protected:
    // Grid columns and key choices again; the first choice selected.
    void montaEscolhas(const QStringList &titulos, std::vector<drav::ui::GridColumn> colunas);
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool teclaDaPesquisa(const QKeyEvent *tecla);
    void Timer1Timer();
    void DBGrid1DblClick();
};

class TFPesquisa : public TFPesquisaBase {
    Q_OBJECT
public:
    explicit TFPesquisa(QWidget *parent = nullptr);

    QStringList Titulos;
    QStringList Campos;
    QString Tabela;
    QString TabelaJuncao1, CampoJuncao1;
    QString TabelaJuncao2, CampoJuncao2;

    // Builds the grid and the choices and lists every row the filter allows.
    void Prepara();
    // The same without running the search.
    void PreparaSemPesquisar();
    ConfigPesquisa config() const;
    QString montaSql(const QString &texto) const override;
};
