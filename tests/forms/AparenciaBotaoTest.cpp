#include "forms/AparenciaBotao.h"

#include <gtest/gtest.h>

namespace ap = drav::aparencia;

namespace {

const QRgb Fundo = qRgb(255, 0, 255);

// 3 x 2: the bottom-left pixel is the background colour, which also appears
// once inside the picture (top right).
QImage amostra() {
    QImage img(3, 2, QImage::Format_RGB32);
    img.setPixel(0, 0, qRgb(0, 5, 255));
    img.setPixel(1, 0, qRgb(15, 25, 100));
    img.setPixel(2, 0, Fundo);
    img.setPixel(0, 1, Fundo);
    img.setPixel(1, 1, qRgb(128, 128, 128));
    img.setPixel(2, 1, qRgb(10, 200, 31));
    return img;
}

} // namespace

TEST(AparenciaBotao, HotChannelGoesAFifthTowardsWhite) {
    const std::pair<int, int> casos[] = {{0, 51}, {255, 255}, {128, 153}, {1, 52}, {2, 53}, {100, 131}, {254, 254}};
    for (auto [v, esperado] : casos)
        EXPECT_EQ(ap::canalQuente(v), esperado) << v;
}

TEST(AparenciaBotao, PressedChannelRoundsHalvesToEven) {
    const std::pair<int, int> casos[] = {{0, 0},   {5, 4},     {15, 10},  {25, 18}, {35, 24},
                                         {1, 1},   {3, 2},     {255, 178}, {128, 90}, {100, 70}};
    for (auto [v, esperado] : casos)
        EXPECT_EQ(ap::canalPressionado(v), esperado) << v;
}

TEST(AparenciaBotao, DisabledGreyRange) {
    EXPECT_EQ(ap::cinzaDesabilitado(0, 0, 0), 96);
    EXPECT_EQ(ap::cinzaDesabilitado(255, 255, 255), 223);
    EXPECT_EQ(ap::cinzaDesabilitado(255, 0, 255), (510 / 3) / 2 + 96);
    EXPECT_EQ(ap::cinzaDesabilitado(1, 1, 0), 96);  // integer division twice
}

TEST(AparenciaBotao, TransparentColourIsBottomLeft) {
    EXPECT_EQ(ap::corTransparente(amostra()), Fundo);
}

TEST(AparenciaBotao, HotAndPressedLeaveTransparentPixelsAlone) {
    const QImage img = amostra();
    const QImage hot = ap::quente(img, Fundo);
    const QImage pressed = ap::pressionada(img, Fundo);
    EXPECT_EQ(hot.pixel(0, 0), qRgb(51, 55, 255));
    EXPECT_EQ(hot.pixel(1, 1), qRgb(153, 153, 153));
    EXPECT_EQ(pressed.pixel(0, 0), qRgb(0, 4, 178));
    EXPECT_EQ(pressed.pixel(1, 0), qRgb(10, 18, 70));
    EXPECT_EQ(pressed.pixel(2, 1), qRgb(7, 140, 22));
    for (QPoint p : {QPoint(2, 0), QPoint(0, 1)}) {
        EXPECT_EQ(hot.pixel(p), Fundo);
        EXPECT_EQ(pressed.pixel(p), Fundo);
    }
    EXPECT_FALSE(hot.hasAlphaChannel());
    EXPECT_EQ(hot.size(), img.size());
}

TEST(AparenciaBotao, DisabledTurnsEveryPixelGrey) {
    const QImage grey = ap::desabilitada(amostra());
    const int g = ap::cinzaDesabilitado(255, 0, 255);
    EXPECT_EQ(grey.pixel(0, 1), qRgb(g, g, g));
    EXPECT_EQ(grey.pixel(2, 0), qRgb(g, g, g));
    EXPECT_EQ(grey.pixel(1, 1), qRgb(160, 160, 160));
    EXPECT_EQ(ap::corTransparente(grey), qRgb(g, g, g));
}

TEST(AparenciaBotao, HitTestingOnOpaquePixelsOnly) {
    const QImage img = amostra();
    EXPECT_TRUE(ap::pixelOpaco(img, {0, 0}));
    EXPECT_TRUE(ap::pixelOpaco(img, {1, 1}));
    EXPECT_FALSE(ap::pixelOpaco(img, {0, 1}));  // the transparent corner
    EXPECT_FALSE(ap::pixelOpaco(img, {2, 0}));  // same colour inside the picture
    EXPECT_FALSE(ap::pixelOpaco(img, {3, 0}));  // outside (the extra pixel of the control)
    EXPECT_FALSE(ap::pixelOpaco(img, {-1, 0}));
}

TEST(AparenciaBotao, PaintingCopyHidesTransparentColour) {
    const QImage pintura = ap::comTransparencia(amostra(), Fundo);
    EXPECT_EQ(qAlpha(pintura.pixel(0, 1)), 0);
    EXPECT_EQ(qAlpha(pintura.pixel(2, 0)), 0);
    EXPECT_EQ(pintura.pixel(1, 1), qRgb(128, 128, 128));
}
