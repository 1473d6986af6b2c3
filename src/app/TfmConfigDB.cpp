#include "app/TfmConfigDB.h"

#include "forms/PainelCabecalho.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Forces what is typed to lower case, keeping the cursor where it was.
void forcaMinusculas(QLineEdit *edit) {
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString &text) {
        const QString lower = text.toLower();
        if (lower != text) {
            const int pos = edit->cursorPosition();
            edit->setText(lower);
            edit->setCursorPosition(pos);
        }
    });
}

QLineEdit *novoEdit(const QString &texto, int maximo, bool minusculas) {
    auto *e = new QLineEdit(texto);
    if (maximo > 0)
        e->setMaxLength(maximo);
    if (minusculas)
        forcaMinusculas(e);
    return e;
}

} // namespace

TfmConfigDB::TfmConfigDB(QWidget *parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("DravTolvera"));
    setObjectName(QStringLiteral("fmConfigDB"));
    edHost = novoEdit(QStringLiteral("Localhost"), 0, false);
    edDatabase = novoEdit(QStringLiteral("DravoltaTolvera"), 20, false);
    edUser = novoEdit(kSuperusuario, 20, true);
    edPassword = novoEdit(QStringLiteral("kzqm"), 20, true);
    edPassword->setEchoMode(QLineEdit::Password);
    Edporta = novoEdit(QStringLiteral("3309"), 20, true);
    BtOk = new QPushButton(QStringLiteral("&OK"));
    BtOk->setDefault(true);
    BtCancelar = new QPushButton(QStringLiteral("&Cancelar"));
    connect(BtOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtCancelar, &QPushButton::clicked, this, &QDialog::reject);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Host"), edHost);
    form->addRow(QStringLiteral("Database"), edDatabase);
    form->addRow(QStringLiteral("User"), edUser);
    form->addRow(QStringLiteral("Password"), edPassword);
    form->addRow(QStringLiteral("Porta"), Edporta);
    auto *botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(BtOk);
    botoes->addWidget(BtCancelar);
    auto *corpo = new QVBoxLayout;
    corpo->setContentsMargins(12, 12, 12, 12);
    corpo->addLayout(form);
    corpo->addLayout(botoes);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new PainelCabecalho(QStringLiteral("Configura MySQL")));
    layout->addLayout(corpo);

    // Host, Database, User, Password, the buttons, and the port last.
    setTabOrder(edHost, edDatabase);
    setTabOrder(edDatabase, edUser);
    setTabOrder(edUser, edPassword);
    setTabOrder(edPassword, BtOk);
    setTabOrder(BtOk, BtCancelar);
    setTabOrder(BtCancelar, Edporta);

    setFixedSize(sizeHint().expandedTo(QSize(340, 0)));
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
}

DadosConexao TfmConfigDB::dados() const {
    return {edHost->text(), edDatabase->text(), edUser->text(), edPassword->text(), Edporta->text()};
}
