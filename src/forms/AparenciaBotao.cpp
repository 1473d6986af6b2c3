#include "forms/AparenciaBotao.h"

namespace drav::aparencia {

namespace {

QRgb semAlfa(QRgb c) { return c | 0xff000000u; }

template <typename Regra>
QImage porCanal(const QImage &imagem, QRgb transparente, Regra regra) {
    QImage saida = em24Bits(imagem);
    const QRgb t = semAlfa(transparente);
    for (int y = 0; y < saida.height(); ++y) {
        auto *linha = reinterpret_cast<QRgb *>(saida.scanLine(y));
        for (int x = 0; x < saida.width(); ++x) {
            const QRgb c = linha[x];
            if (c == t)
                continue;
            linha[x] = qRgb(regra(qRed(c)), regra(qGreen(c)), regra(qBlue(c)));
        }
    }
    return saida;
}

} // namespace

QRgb corTransparente(const QImage &imagem) {
    if (imagem.isNull())
        return qRgb(0, 0, 0);
    return semAlfa(imagem.pixel(0, imagem.height() - 1));
}

QImage em24Bits(const QImage &imagem) { return imagem.convertToFormat(QImage::Format_RGB32); }

int canalQuente(int v) {
    // (255 - v) * 4 / 5 never ends in an exact half, so plain rounding is exact.
    return 255 - ((255 - v) * 8 + 5) / 10;
}

int canalPressionado(int v) {
    const int dez = v * 7;
    int q = dez / 10;
    const int resto = dez % 10;
    if (resto > 5 || (resto == 5 && q % 2 == 1))
        ++q;
    return q;
}

int cinzaDesabilitado(int r, int g, int b) { return ((r + g + b) / 3) / 2 + 96; }

QImage quente(const QImage &imagem, QRgb transparente) {
    return porCanal(imagem, transparente, canalQuente);
}

QImage pressionada(const QImage &imagem, QRgb transparente) {
    return porCanal(imagem, transparente, canalPressionado);
}

QImage desabilitada(const QImage &imagem) {
    QImage saida = em24Bits(imagem);
    for (int y = 0; y < saida.height(); ++y) {
        auto *linha = reinterpret_cast<QRgb *>(saida.scanLine(y));
        for (int x = 0; x < saida.width(); ++x) {
            const int g = cinzaDesabilitado(qRed(linha[x]), qGreen(linha[x]), qBlue(linha[x]));
            linha[x] = qRgb(g, g, g);
        }
    }
    return saida;
}

QImage comTransparencia(const QImage &imagem, QRgb transparente) {
    QImage saida = imagem.convertToFormat(QImage::Format_ARGB32);
    const QRgb t = semAlfa(transparente);
    for (int y = 0; y < saida.height(); ++y) {
        auto *linha = reinterpret_cast<QRgb *>(saida.scanLine(y));
        for (int x = 0; x < saida.width(); ++x)
            if (semAlfa(linha[x]) == t)
                linha[x] = 0;
    }
    return saida;
}

bool pixelOpaco(const QImage &imagem, QPoint ponto) {
    if (!imagem.valid(ponto))
        return false;
    return semAlfa(imagem.pixel(ponto)) != corTransparente(imagem);
}

} // namespace drav::aparencia
