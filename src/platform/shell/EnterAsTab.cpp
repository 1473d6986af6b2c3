#include "platform/shell/EnterAsTab.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace drav {

namespace {
const QEvent::Type TabPendente = static_cast<QEvent::Type>(QEvent::registerEventType());
}

EnterAsTab::EnterAsTab(QObject *parent) : QObject(parent) {}

void EnterAsTab::instala() {
    static EnterAsTab *filtro = nullptr;
    if (filtro)
        return;
    filtro = new EnterAsTab(qApp);
    qApp->installEventFilter(filtro);
}

bool EnterAsTab::ehEnter(QEvent *evento) {
    if (evento->type() != QEvent::KeyPress)
        return false;
    const int tecla = static_cast<QKeyEvent *>(evento)->key();
    return tecla == Qt::Key_Return || tecla == Qt::Key_Enter;
}

// A key press visits the window and then each parent of the focused control;
// only its first delivery to a widget counts.
bool EnterAsTab::ehAlvoDoTeclado(QObject *alvo) {
    if (!alvo->isWidgetType())
        return false;
    QWidget *foco = QApplication::focusWidget();
    return foco ? alvo == foco : static_cast<QWidget *>(alvo)->isWindow();
}

bool EnterAsTab::eventFilter(QObject *alvo, QEvent *evento) {
    if (ehEnter(evento) && ehAlvoDoTeclado(alvo))
        QCoreApplication::postEvent(this, new QEvent(TabPendente));
    return false;  // the Enter itself goes on to the control
}

// The queued Tab goes to whichever control has the focus once the Enter has
// been handled, as a key typed by the user would.
void EnterAsTab::customEvent(QEvent *evento) {
    if (evento->type() != TabPendente)
        return;
    QWidget *foco = QApplication::focusWidget();
    if (!foco)
        return;
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
    QCoreApplication::sendEvent(foco, &tab);
}

} // namespace drav
