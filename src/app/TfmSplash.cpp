#include "app/TfmSplash.h"

#include "app/Imagens.h"

#include <QApplication>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QScreen>

TfmSplash::TfmSplash(QWidget *parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("fmSplash"));
    setFixedSize(500, 350);
    carregaImagens();
    auto *imagem = new QLabel(this);
    imagem->setGeometry(0, 0, 500, 350);
    imagem->setPixmap(QPixmap(QStringLiteral(":/imagens/splash.png")).scaled(500, 350));
    imagem->setStyleSheet(QStringLiteral("background: #2e6b30;"));

    ProgressBar = new QProgressBar(this);
    ProgressBar->setGeometry(0, 350 - 18, 500, 18);
    ProgressBar->setRange(0, 100);
    ProgressBar->setAlignment(Qt::AlignCenter);
    ProgressBar->setFormat(QStringLiteral("Criando Banco de Dados..."));
    ProgressBar->setStyleSheet(QStringLiteral(
        "QProgressBar { background: silver; border: none; color: white; font-weight: bold; }"
        "QProgressBar::chunk { background: navy; }"));
    ProgressBar->hide();
    if (QScreen *s = QApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
}

void TfmSplash::mostraProgresso(int posicao) {
    show();
    ProgressBar->setValue(posicao);
    ProgressBar->show();
    repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TfmSplash::escondeProgresso() {
    ProgressBar->hide();
    hide();
}
