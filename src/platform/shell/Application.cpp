#include "platform/shell/Application.h"

#include "platform/SilentAbort.h"
#include "platform/db/DbError.h"
#include "platform/dialogs/Dialogs.h"

namespace drav {

namespace {
QString &tituloAtual() {
    static QString titulo;
    return titulo;
}
bool &terminando() {
    static bool valor = false;
    return valor;
}
} // namespace

Application::Application(int &argc, char **argv) : QApplication(argc, argv) {}

bool Application::notify(QObject *receiver, QEvent *event) {
    return deliverGuarded([&] { return QApplication::notify(receiver, event); });
}

bool Application::deliverGuarded(const std::function<bool()> &delivery) {
    try {
        return delivery();
    } catch (const SilentAbort &) {
        // Whoever raised it has told the user already.
    } catch (const db::DbError &e) {
        showError(e.message());
    } catch (const std::exception &e) {
        showError(QString::fromUtf8(e.what()));
    }
    return false;
}

void Application::showError(const QString &text) {
    dlg::message(title(), text, dlg::Icon::Critical, dlg::Ok);
}

QString Application::title() {
    return tituloAtual().isEmpty() ? QCoreApplication::applicationName() : tituloAtual();
}

void Application::setTitle(const QString &title) { tituloAtual() = title; }

void Application::terminate() {
    terminando() = true;
    QCoreApplication::exit(0);
}

bool Application::terminated() { return terminando(); }

} // namespace drav
