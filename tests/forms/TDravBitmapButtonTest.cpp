#include "forms/TDravBitmapButton.h"

#include "forms/AparenciaBotao.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using Look = TDravBitmapButton::Aparencia;

namespace {

const QRgb Fundo = qRgb(255, 0, 255);

// 10 x 10, background colour all round a red 6 x 6 square from (2, 2); the
// pixel (4, 4) inside the square has the background colour too.
QImage figura() {
    QImage img(10, 10, QImage::Format_RGB32);
    img.fill(Fundo);
    for (int y = 2; y < 8; ++y)
        for (int x = 2; x < 8; ++x)
            img.setPixel(x, y, qRgb(200, 40, 40));
    img.setPixel(4, 4, Fundo);
    return img;
}

struct Botao : ::testing::Test {
    QWidget pai;
    TDravBitmapButton *b = new TDravBitmapButton(&pai);
    void SetUp() override {
        b->setBitmap(figura());
        pai.resize(60, 60);
        pai.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&pai));
    }
    void move(QPoint p) { QTest::mouseMove(b, p); }
};

} // namespace

TEST(TDravBitmapButton, NewControlHasDefaults) {
    TDravBitmapButton b;
    EXPECT_EQ(b.size(), QSize(24, 24));
    EXPECT_EQ(b.Bitmap().size(), QSize(24, 24));
    EXPECT_EQ(b.Bitmap().pixel(1, 1), qRgb(128, 128, 128));
    EXPECT_EQ(b.Bitmap().pixel(22, 22), qRgb(128, 128, 128));
    EXPECT_NE(b.Bitmap().pixel(0, 23), qRgb(128, 128, 128));
    EXPECT_FALSE(b.Down());
    EXPECT_FALSE(b.Latching());
    EXPECT_TRUE(b.HotTrack());
}

TEST_F(Botao, SizeIsPicturePlusOne) {
    EXPECT_EQ(b->size(), QSize(11, 11));
    b->resize(40, 40);
    EXPECT_EQ(b->size(), QSize(11, 11));
    b->setBitmap(QImage(30, 20, QImage::Format_RGB32));
    EXPECT_EQ(b->size(), QSize(31, 21));
}

TEST_F(Botao, HotLookOnlyOverOpaquePixels) {
    move({1, 1});
    EXPECT_EQ(b->aparenciaAtual(), Look::Normal);
    move({3, 3});
    EXPECT_EQ(b->aparenciaAtual(), Look::Quente);
    move({4, 4});  // background colour inside the square
    EXPECT_EQ(b->aparenciaAtual(), Look::Normal);
    move({5, 5});
    EXPECT_EQ(b->aparenciaAtual(), Look::Quente);
    b->setHotTrack(false);
    EXPECT_EQ(b->aparenciaAtual(), Look::Normal);
    b->setHotTrack(true);
    QEvent saida(QEvent::Leave);
    QCoreApplication::sendEvent(b, &saida);
    EXPECT_EQ(b->aparenciaAtual(), Look::Normal);
}

TEST_F(Botao, PressOnTransparentPixelShowsNoPressedLookButClicks) {
    QSignalSpy cliques(b, &TDravBitmapButton::onclick);
    QSignalSpy descidas(b, &TDravBitmapButton::onmousedown);
    QSignalSpy subidas(b, &TDravBitmapButton::onmouseup);
    QTest::mousePress(b, Qt::LeftButton, {}, {0, 9});
    EXPECT_EQ(b->aparenciaAtual(), Look::Normal);
    QTest::mouseRelease(b, Qt::LeftButton, {}, {0, 9});
    EXPECT_EQ(cliques.count(), 1);
    EXPECT_EQ(descidas.count(), 1);
    EXPECT_EQ(subidas.count(), 1);

    QTest::mousePress(b, Qt::LeftButton, {}, {3, 3});
    EXPECT_EQ(b->aparenciaAtual(), Look::Pressionada);
    EXPECT_EQ(b->origemDesenho(), QPoint(1, 1));
    QTest::mouseRelease(b, Qt::LeftButton, {}, {3, 3});
    EXPECT_NE(b->aparenciaAtual(), Look::Pressionada);
    EXPECT_EQ(cliques.count(), 2);
    EXPECT_EQ(descidas.count(), 2);
    EXPECT_EQ(subidas.count(), 2);
}

TEST_F(Botao, DownNeedsLatching) {
    b->setDown(true);
    EXPECT_FALSE(b->Down());
    b->setLatching(true);
    b->setDown(true);
    EXPECT_TRUE(b->Down());
    EXPECT_EQ(b->aparenciaAtual(), Look::Pressionada);
    b->setLatching(false);
    EXPECT_FALSE(b->Down());
}

TEST_F(Botao, LatchingTogglesDownOnEachRelease) {
    b->setLatching(true);
    QTest::mouseClick(b, Qt::LeftButton, {}, {3, 3});
    EXPECT_TRUE(b->Down());
    EXPECT_EQ(b->aparenciaAtual(), Look::Pressionada);
    QTest::mouseClick(b, Qt::LeftButton, {}, {3, 3});
    EXPECT_FALSE(b->Down());
}

TEST_F(Botao, DisabledShowsGreyOnly) {
    b->setLatching(true);
    b->setDown(true);
    move({3, 3});
    b->setEnabled(false);
    EXPECT_EQ(b->aparenciaAtual(), Look::Desabilitada);
    EXPECT_EQ(b->origemDesenho(), QPoint(0, 0));
    const int g = drav::aparencia::cinzaDesabilitado(200, 40, 40);
    EXPECT_EQ(b->imagemDe(Look::Desabilitada).pixel(3, 3), qRgb(g, g, g));
}

TEST_F(Botao, PaintsEachLookTransparently) {
    const auto pixel = [this](QPoint p) { return pai.grab(b->geometry()).toImage().pixel(p); };
    pai.setStyleSheet(QString());
    QPalette fundo = pai.palette();
    fundo.setColor(QPalette::Window, Qt::white);
    pai.setPalette(fundo);
    pai.setAutoFillBackground(true);
    EXPECT_EQ(pixel({0, 0}), qRgb(255, 255, 255));  // parent shows through
    EXPECT_EQ(pixel({4, 4}), qRgb(255, 255, 255));
    EXPECT_EQ(pixel({3, 3}), qRgb(200, 40, 40));
    QTest::mousePress(b, Qt::LeftButton, {}, {3, 3});
    EXPECT_EQ(pixel({3, 3}), b->imagemDe(Look::Pressionada).pixel(2, 2));  // drawn one pixel down-right
    EXPECT_EQ(pixel({2, 2}), qRgb(255, 255, 255));
    QTest::mouseRelease(b, Qt::LeftButton, {}, {3, 3});
}
