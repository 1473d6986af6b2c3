#include "platform/shell/EnterAsTab.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

// Counts the Enter presses a widget receives itself.
class ContaEnter : public QObject {
public:
    int enters = 0;
    bool eventFilter(QObject *, QEvent *e) override {
        if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(e)->key() == Qt::Key_Return)
            ++enters;
        return false;
    }
};

struct Janela : ::testing::Test {
    QWidget janela;
    QLineEdit *a = new QLineEdit(&janela);
    QLineEdit *b = new QLineEdit(&janela);
    QPushButton *botao = new QPushButton(QStringLiteral("&OK"), &janela);
    QLineEdit *c = new QLineEdit(&janela);

    void SetUp() override {
        drav::EnterAsTab::instala();
        auto *layout = new QVBoxLayout(&janela);
        for (QWidget *w : {static_cast<QWidget *>(a), static_cast<QWidget *>(b), static_cast<QWidget *>(botao),
                           static_cast<QWidget *>(c)})
            layout->addWidget(w);
        botao->setFocusPolicy(Qt::StrongFocus);
        janela.show();
        QApplication::setActiveWindow(&janela);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&janela));
        a->setFocus();
    }
    void enter() {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCoreApplication::processEvents();
    }
};

} // namespace

TEST_F(Janela, EnterMovesThroughTheControlsAndWraps) {
    const std::vector<QWidget *> ordem = {b, botao, c, a, b};
    for (QWidget *esperado : ordem) {
        enter();
        EXPECT_EQ(QApplication::focusWidget(), esperado) << esperado->metaObject()->className();
    }
}

TEST_F(Janela, EnterStillReachesTheFocusedControlOnce) {
    ContaEnter conta;
    botao->installEventFilter(&conta);
    botao->setFocus();
    enter();
    EXPECT_EQ(conta.enters, 1);
    EXPECT_EQ(QApplication::focusWidget(), c);
    // The line edit sees its Enter before the focus moves on.
    int confirmados = 0;
    QObject::connect(c, &QLineEdit::returnPressed, [&] { ++confirmados; });
    enter();
    EXPECT_EQ(confirmados, 1);
    EXPECT_EQ(QApplication::focusWidget(), a);
}

TEST_F(Janela, KeypadEnterCountsToo) {
    QTest::keyClick(a, Qt::Key_Enter, Qt::KeypadModifier);
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), b);
}

TEST_F(Janela, OtherKeysAreLeftAlone) {
    QTest::keyClick(a, Qt::Key_X);
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), a);
    EXPECT_EQ(a->text(), QStringLiteral("x"));
}

TEST(EnterAsTab, WorksInDialogsToo) {
    drav::EnterAsTab::instala();
    QDialog dialogo;
    auto *layout = new QVBoxLayout(&dialogo);
    auto *x = new QLineEdit(&dialogo);
    auto *y = new QLineEdit(&dialogo);
    layout->addWidget(x);
    layout->addWidget(y);
    dialogo.show();
    QApplication::setActiveWindow(&dialogo);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialogo));
    y->setFocus();
    QTest::keyClick(y, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), x);
}
