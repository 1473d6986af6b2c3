#include "app/TfmLogin.h"

#include "data/TdmDados.h"
#include "platform/dialogs/Dialogs.h"

#include "forms/PainelCabecalho.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace dlg = drav::dlg;

int TfmLogin::TentativasLogin = 0;

namespace {

// Forces what is typed to capitals, keeping the cursor where it was.
QLineEdit *caixaMaiusculas(int maximo) {
    auto *edit = new QLineEdit;
    edit->setMaxLength(maximo);
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString &texto) {
        const QString upper = texto.toUpper();
        if (upper != texto) {
            const int pos = edit->cursorPosition();
            edit->setText(upper);
            edit->setCursorPosition(pos);
        }
    });
    return edit;
}

} // namespace

TfmLogin::TfmLogin(TdmDados &dados, QWidget *parent) : QDialog(parent), dados_(dados) {
    setObjectName(QStringLiteral("fmLogin"));
    setWindowTitle(QStringLiteral("DravTolvera"));
    // A dialog border without the system buttons: closing is Cancelar's job.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    edLogin = caixaMaiusculas(10);
    edSenha = caixaMaiusculas(10);
    edSenha->setEchoMode(QLineEdit::Password);
    btConfirma = new QPushButton(QStringLiteral("&OK"));
    btConfirma->setDefault(true);
    btCancela = new QPushButton(QStringLiteral("&Cancelar"));
    connect(btConfirma, &QPushButton::clicked, this, &TfmLogin::btConfirmaClick);
    connect(btCancela, &QPushButton::clicked, this, &QDialog::reject);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("LOGIN"), edLogin);
    form->addRow(QStringLiteral("SENHA"), edSenha);
    auto *botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(btConfirma);
    botoes->addWidget(btCancela);
    auto *corpo = new QVBoxLayout;
    corpo->setContentsMargins(16, 12, 16, 12);
    corpo->addLayout(form);
    corpo->addLayout(botoes);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new PainelCabecalho(QStringLiteral("Acesso ao sistema")));
    layout->addLayout(corpo);
    setFixedSize(sizeHint().expandedTo(QSize(320, 0)));
}

void TfmLogin::showEvent(QShowEvent *evento) {
    QDialog::showEvent(evento);
    edLogin->setFocus();
}

void TfmLogin::btConfirmaClick() {
    if (TentativasLogin <= 3) {
        auto &usuarios = dados_.TbUsuario;
        usuarios.close();
        usuarios.setParam(QStringLiteral("Pidusuario"), edLogin->text());
        usuarios.open();
        if (usuarios.isEmpty()) {
            dlg::message(QStringLiteral("Aviso"), QStringLiteral("Usuário ou Senha Não Identificados, Verifique !!!"),
                         dlg::Icon::Information, dlg::Ok);
            dados_.LoginAceito = false;
        } else {
            dados_.LoginAceito = usuarios.fieldByName(QStringLiteral("senha")).asString() == edSenha->text();
            dados_.UsuarioAtual = usuarios.fieldByName(QStringLiteral("idusuario")).asString();
        }
        if (!dados_.LoginAceito) {
            falhou();
            return;
        }
    }
    if (TentativasLogin >= 3) {
        dlg::message(QStringLiteral("Aviso"), QStringLiteral("Sistema Abortado, Usuário sem permissão de Acesso !!!"),
                     dlg::Icon::Information, dlg::Ok);
        dados_.LoginAceito = false;
        reject();
        return;
    }
    accept();
}

void TfmLogin::falhou() {
    ++TentativasLogin;
    edLogin->clear();
    edSenha->clear();
    edLogin->setFocus();
}
