#pragma once
// The picture button of the main window's launchers. It shows one picture in
// four looks (normal, hot, pressed, disabled) built from that picture, treats
// the colour of the picture's bottom-left pixel as transparent and reacts to
// the mouse only over the other pixels. A click anywhere in its rectangle
// still counts as a click.

#include <QImage>
#include <QWidget>

class TDravBitmapButton : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QImage Bitmap READ Bitmap WRITE setBitmap)
    Q_PROPERTY(bool Down READ Down WRITE setDown)
    Q_PROPERTY(bool Latching READ Latching WRITE setLatching)
    Q_PROPERTY(bool HotTrack READ HotTrack WRITE setHotTrack)
public:
    enum class Aparencia { Normal, Quente, Pressionada, Desabilitada };

    explicit TDravBitmapButton(QWidget *parent = nullptr);

    const QImage &Bitmap() const { return bitmap_; }
    void setBitmap(const QImage &imagem);
    bool Down() const { return down_; }
    void setDown(bool valor);
    bool Latching() const { return latching_; }
    void setLatching(bool valor);
    bool HotTrack() const { return hotTrack_; }
    void setHotTrack(bool valor) { hotTrack_ = valor; }

    // The look the next paint draws, and where.
    Aparencia aparenciaAtual() const;
    QPoint origemDesenho() const;
    const QImage &imagemDe(Aparencia aparencia) const;

Q_SIGNALS:
    void onclick();
    void onmousedown(QMouseEvent *evento);
    void onmouseup(QMouseEvent *evento);

protected:
    void paintEvent(QPaintEvent *evento) override;
    void mousePressEvent(QMouseEvent *evento) override;
    void mouseReleaseEvent(QMouseEvent *evento) override;
    void mouseMoveEvent(QMouseEvent *evento) override;
    void leaveEvent(QEvent *evento) override;
    void changeEvent(QEvent *evento) override;

private:
    static QImage bitmapPadrao();
    void constroiAparencias();
    bool sobrePicture(QPoint ponto) const;
    QSize tamanhoDevido() const;

    QImage bitmap_;
    QImage quente_, pressionada_, desabilitada_;
    // The four looks with their transparent pixels see-through, for painting.
    QImage desenhoNormal_, desenhoQuente_, desenhoPressionada_, desenhoDesabilitada_;
    bool down_ = false;
    bool latching_ = false;
    bool hotTrack_ = true;
    bool pressionado_ = false;
    bool mouseDentro_ = false;
    bool clicando_ = false;
    bool carregado_ = false;
};
