#pragma once
// The company and harvest dialog: sets the current company and harvest of the
// session. Confirming makes sure the company has its team 0 and a harvest
// of the current year.

#include "platform/dataset/Dataset.h"
#include "platform/widgets/DataSource.h"
#include "platform/widgets/DbGrid.h"

#include <QDialog>

#include <functional>

class QLineEdit;
class QPushButton;
class TdmDados;

class TFLoginEmpresa : public QDialog {
    Q_OBJECT
public:
    explicit TFLoginEmpresa(TdmDados &dados, QWidget *parent = nullptr);

    // How the dialog ends the program (Cancelar, no harvest); the
    // application's terminate() by default.
    std::function<void()> encerraAplicacao;

    void selecionaEmpresa();
    void selecionaSafra();
    void BitBtn3Click();  // company search
    void BitBtn1Click();  // harvest search
    void btConfirmaClick();
    void btNovaEmpresaClick();
    void BitBtn2Click();  // Cancelar

    drav::ds::Dataset QyEmpresas;
    drav::ui::DataSource DtsEmpresas;
    drav::ui::DataSource DtsSafras;

    QLineEdit *edEmpresa;
    QLineEdit *edSafra;
    QPushButton *BitBtn3;
    QPushButton *BitBtn1;
    drav::ui::DbGrid *DBGrid1;
    drav::ui::DbGrid *DBGrid2;
    QPushButton *btNovaEmpresa;
    QPushButton *btConfirma;
    QPushButton *BitBtn2;

protected:
    void showEvent(QShowEvent *evento) override;
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void montaTela();
    void abreEmpresas();
    bool garanteTurmaZero();
    bool garanteSafraDoAno();
    void tomaEmpresa(qint64 idempresa);
    void encerra();
    bool teclaDaGrade(drav::ui::DbGrid *grade, int tecla);

    TdmDados &dados_;
};
