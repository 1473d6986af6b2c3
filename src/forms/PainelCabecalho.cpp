#include "forms/PainelCabecalho.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>

PainelCabecalho::PainelCabecalho(const QString &titulo, QWidget *parent)
    : QWidget(parent), fundo_(QStringLiteral(":/imagens/cabecalho.png")) {
    setFixedHeight(51);
    auto *linha = new QHBoxLayout(this);
    linha->setContentsMargins(12, 0, 8, 0);
    titulo_ = new QLabel(titulo, this);
    QFont fonte = titulo_->font();
    fonte.setPointSize(fonte.pointSize() + 6);
    fonte.setBold(true);
    titulo_->setFont(fonte);
    titulo_->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    linha->addWidget(titulo_, 1);
    auto *logo = new QLabel(this);
    const QPixmap imagem(QStringLiteral(":/imagens/logo.png"));
    if (!imagem.isNull())
        logo->setPixmap(imagem.scaledToHeight(45, Qt::SmoothTransformation));
    linha->addWidget(logo, 0, Qt::AlignRight | Qt::AlignVCenter);
}

void PainelCabecalho::paintEvent(QPaintEvent *) {
    QPainter p(this);
    if (!fundo_.isNull()) {
        p.drawPixmap(rect(), fundo_);
        return;
    }
    QLinearGradient g(0, 0, width(), 0);
    g.setColorAt(0, QColor(0x1f, 0x4e, 0x2c));
    g.setColorAt(1, QColor(0x8a, 0x5a, 0x2b));
    p.fillRect(rect(), g);
}
