#pragma once
// The looks of the launcher button, built from its one picture. Pure pixel
// rules, kept apart from the widget so they can be checked on tiny images.

#include <QColor>
#include <QImage>
#include <QPoint>

namespace drav::aparencia {

// The picture's transparent colour: its bottom-left pixel.
QRgb corTransparente(const QImage &imagem);

// The picture as 24-bit colour (no alpha channel).
QImage em24Bits(const QImage &imagem);

// 20 % of the way towards white; pixels of `transparente` are copied.
QImage quente(const QImage &imagem, QRgb transparente);
// 70 % of each channel, an exact half rounded to even; pixels of
// `transparente` are copied.
QImage pressionada(const QImage &imagem, QRgb transparente);
// Every pixel, the transparent ones included, turns into a light grey.
QImage desabilitada(const QImage &imagem);

// The channel rules themselves.
int canalQuente(int v);
int canalPressionado(int v);
int cinzaDesabilitado(int r, int g, int b);

// A copy with alpha in which every pixel of `transparente` is see-through.
QImage comTransparencia(const QImage &imagem, QRgb transparente);

// Whether `ponto` lies on the picture and is not of its transparent colour.
bool pixelOpaco(const QImage &imagem, QPoint ponto);

} // namespace drav::aparencia
