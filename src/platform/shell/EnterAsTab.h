#pragma once
// Application-wide Enter-as-Tab: every Enter key press still reaches the
// focused control, and a Tab press is queued behind it, so Enter also moves
// the focus to the next control of the window (wrapping to the first).

#include <QObject>

namespace drav {

class EnterAsTab : public QObject {
    Q_OBJECT
public:
    explicit EnterAsTab(QObject *parent = nullptr);

    // Installs one filter on the running application; later calls do nothing.
    static void instala();

protected:
    bool eventFilter(QObject *alvo, QEvent *evento) override;
    void customEvent(QEvent *evento) override;

private:
    static bool ehEnter(QEvent *evento);
    static bool ehAlvoDoTeclado(QObject *alvo);
};

} // namespace drav
