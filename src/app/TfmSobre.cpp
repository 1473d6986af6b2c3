#include "app/TfmSobre.h"

#include "app/Imagens.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

TfmSobre::TfmSobre(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("fmSobre"));
    carregaImagens();
    setWindowTitle(QStringLiteral("Sobre"));
    auto *layout = new QVBoxLayout(this);
    auto *logo = new QLabel(this);
    logo->setPixmap(QPixmap(QStringLiteral(":/imagens/logo-fabricante.png")));
    logo->setAlignment(Qt::AlignCenter);
    auto *produto = new QLabel(QStringLiteral("DravTolvera - Controle de Tolvera"), this);
    QFont grande = produto->font();
    grande.setBold(true);
    grande.setPointSize(grande.pointSize() + 4);
    produto->setFont(grande);
    auto *versao = new QLabel(QStringLiteral("Versão 1.7"), this);
    auto *fabricante = new QLabel(QStringLiteral("Dravolta Razadiva Inteligentes"), this);
    auto *ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    for (QLabel *l : {produto, versao, fabricante})
        l->setAlignment(Qt::AlignCenter);
    layout->addWidget(logo);
    layout->addWidget(produto);
    layout->addWidget(versao);
    layout->addWidget(fabricante);
    layout->addWidget(ok, 0, Qt::AlignCenter);
    setFixedSize(sizeHint());
}
