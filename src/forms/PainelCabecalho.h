#pragma once
// The header band of the program's windows: the header picture (a gradient
// when the pictures are not loaded), a title in white bold and the logo at
// the right.

#include <QPixmap>
#include <QWidget>

class QLabel;

class PainelCabecalho : public QWidget {
    Q_OBJECT
public:
    explicit PainelCabecalho(const QString &titulo, QWidget *parent = nullptr);

    QLabel *titulo() const { return titulo_; }

protected:
    void paintEvent(QPaintEvent *evento) override;

private:
    QPixmap fundo_;
    QLabel *titulo_;
};
