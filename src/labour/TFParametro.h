#pragma once
// The parameters register: for the current company and harvest and for one
// unit of measure, the production per bag of coffee, each value in force
// from its date on.

#include "forms/TFPai.h"

#include "platform/dataset/Dataset.h"

class QGroupBox;
class QLineEdit;
class QTabWidget;

namespace drav::ui {
class DbDateEdit;
class DbEdit;
class DbGrid;
} // namespace drav::ui

class TFParametro : public TFPai {
    Q_OBJECT
public:
    explicit TFParametro(QWidget *parent = nullptr);
    ~TFParametro() override;

    void ActIncluirExecute() override;
    void ActGravarExecute() override;
    // F3: the same as the tool bar's button.
    void ActLocalizarExecute() override;
    void ToolButton6Click();
    void TbVerParamAfterInsert(drav::ds::Dataset &dataset);

    // The rows of the unit chosen, for the current company and harvest.
    drav::ds::Dataset TbVerParam;

    QGroupBox *GroupBox1;
    QLineEdit *EdtCodigo;
    QLineEdit *EdtNome;
    QTabWidget *PageControl1;
    QWidget *TabParametros;
    drav::ui::DbEdit *EdtQuantidade;
    drav::ui::DbDateEdit *EdtDataVigor;
    drav::ui::DbGrid *DBGrid1;
    // The tool bar's search: unlike the search action it stays enabled while
    // a row is edited and asks to save it first.
    QAction *ToolButton6;

private:
    void configuraTbVerParam();
    void montaUnidade();
    void montaParametros();
    void trocaBotaoLocalizar();
    void pesquisaUnidade();
    void reabreParametros(const QString &unidade);
    QString unidade() const;
};
