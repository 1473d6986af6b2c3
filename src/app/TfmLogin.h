#pragma once
// The login dialog: a user and password checked against the users table.
// It closes with Accepted only for an accepted user; Rejected means the
// program ends (cancelled, or too many failed attempts).

#include <QDialog>

class QLineEdit;
class QPushButton;
class TdmDados;

class TfmLogin : public QDialog {
    Q_OBJECT
public:
    explicit TfmLogin(TdmDados &dados, QWidget *parent = nullptr);

    // Failed attempts of this run; never goes back to 0.
    static int TentativasLogin;

    void btConfirmaClick();

    QLineEdit *edLogin;
    QLineEdit *edSenha;
    QPushButton *btConfirma;
    QPushButton *btCancela;

protected:
    void showEvent(QShowEvent *evento) override;

private:
    void falhou();
    TdmDados &dados_;
};
