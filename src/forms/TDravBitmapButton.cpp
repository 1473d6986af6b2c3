#include "forms/TDravBitmapButton.h"

#include "forms/AparenciaBotao.h"

#include <QMouseEvent>
#include <QPainter>

namespace ap = drav::aparencia;

TDravBitmapButton::TDravBitmapButton(QWidget *parent) : QWidget(parent) {
    setMouseTracking(true);
    setBitmap(bitmapPadrao());
    // From here on the control keeps one pixel more than its picture each
    // way, room for the pressed look drawn at (1, 1).
    carregado_ = true;
}

QImage TDravBitmapButton::bitmapPadrao() {
    QImage imagem(24, 24, QImage::Format_RGB32);
    imagem.fill(Qt::white);
    QPainter p(&imagem);
    p.fillRect(1, 1, 22, 22, QColor(128, 128, 128));
    return imagem;
}

void TDravBitmapButton::setBitmap(const QImage &imagem) {
    bitmap_ = ap::em24Bits(imagem);
    setFixedSize(tamanhoDevido());
    constroiAparencias();
    update();
}

void TDravBitmapButton::constroiAparencias() {
    const QRgb t = ap::corTransparente(bitmap_);
    quente_ = ap::quente(bitmap_, t);
    pressionada_ = ap::pressionada(bitmap_, t);
    desabilitada_ = ap::desabilitada(bitmap_);
    desenhoNormal_ = ap::comTransparencia(bitmap_, t);
    desenhoQuente_ = ap::comTransparencia(quente_, t);
    desenhoPressionada_ = ap::comTransparencia(pressionada_, t);
    desenhoDesabilitada_ = ap::comTransparencia(desabilitada_, ap::corTransparente(desabilitada_));
}

QSize TDravBitmapButton::tamanhoDevido() const {
    if (!carregado_)
        return bitmap_.size();
    return bitmap_.size() + QSize(1, 1);
}

void TDravBitmapButton::setDown(bool valor) {
    down_ = latching_ && valor;
    update();
}

void TDravBitmapButton::setLatching(bool valor) {
    latching_ = valor;
    if (!latching_) {
        down_ = false;
        update();
    }
}

TDravBitmapButton::Aparencia TDravBitmapButton::aparenciaAtual() const {
    if (!isEnabled())
        return Aparencia::Desabilitada;
    if (pressionado_ || down_)
        return Aparencia::Pressionada;
    if (mouseDentro_ && hotTrack_)
        return Aparencia::Quente;
    return Aparencia::Normal;
}

QPoint TDravBitmapButton::origemDesenho() const {
    return aparenciaAtual() == Aparencia::Pressionada ? QPoint(1, 1) : QPoint(0, 0);
}

const QImage &TDravBitmapButton::imagemDe(Aparencia aparencia) const {
    switch (aparencia) {
    case Aparencia::Quente: return quente_;
    case Aparencia::Pressionada: return pressionada_;
    case Aparencia::Desabilitada: return desabilitada_;
    case Aparencia::Normal: break;
    }
    return bitmap_;
}

void TDravBitmapButton::paintEvent(QPaintEvent *) {
    const QImage *desenho = &desenhoNormal_;
    switch (aparenciaAtual()) {
    case Aparencia::Quente: desenho = &desenhoQuente_; break;
    case Aparencia::Pressionada: desenho = &desenhoPressionada_; break;
    case Aparencia::Desabilitada: desenho = &desenhoDesabilitada_; break;
    case Aparencia::Normal: break;
    }
    QPainter p(this);
    p.drawImage(origemDesenho(), *desenho);
}

bool TDravBitmapButton::sobrePicture(QPoint ponto) const { return ap::pixelOpaco(bitmap_, ponto); }

void TDravBitmapButton::mousePressEvent(QMouseEvent *evento) {
    pressionado_ = sobrePicture(evento->position().toPoint());
    if (evento->button() == Qt::LeftButton)
        clicando_ = true;
    repaint();
    Q_EMIT onmousedown(evento);
}

void TDravBitmapButton::mouseReleaseEvent(QMouseEvent *evento) {
    pressionado_ = false;
    down_ = latching_ && !down_;
    repaint();
    Q_EMIT onmouseup(evento);
    const bool clicou = clicando_ && evento->button() == Qt::LeftButton &&
                        rect().contains(evento->position().toPoint());
    if (evento->button() == Qt::LeftButton)
        clicando_ = false;
    if (clicou)
        Q_EMIT onclick();
}

void TDravBitmapButton::mouseMoveEvent(QMouseEvent *evento) {
    const bool dentro = sobrePicture(evento->position().toPoint());
    if (dentro != mouseDentro_) {
        mouseDentro_ = dentro;
        update();
    }
    QWidget::mouseMoveEvent(evento);
}

void TDravBitmapButton::leaveEvent(QEvent *evento) {
    mouseDentro_ = false;
    update();
    QWidget::leaveEvent(evento);
}

void TDravBitmapButton::changeEvent(QEvent *evento) {
    if (evento->type() == QEvent::EnabledChange)
        update();
    QWidget::changeEvent(evento);
}
