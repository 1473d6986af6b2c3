#pragma once
// The connection dialog: where the MySQL server and database are.

#include "data/ConfiguracaoBanco.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

class TfmConfigDB : public QDialog {
    Q_OBJECT
public:
    explicit TfmConfigDB(QWidget *parent = nullptr);

    DadosConexao dados() const;

    QLineEdit *edHost;
    QLineEdit *edDatabase;
    QLineEdit *edUser;
    QLineEdit *edPassword;
    QLineEdit *Edporta;
    QPushButton *BtOk;
    QPushButton *BtCancelar;
};
