#include "platform/dialogs/Dialogs.h"

#include <stdexcept>

namespace drav::dlg {

namespace {

// Until the program or a test installs a service, any dialog is a bug.
class NoDialogService final : public DialogService {
public:
    int message(const Message &m) override { fail(m.text); }
    std::optional<QString> inputText(const QString &, const QString &prompt, const QString &) override {
        fail(prompt);
    }
    QString fileName(const FileRequest &r) override { fail(r.title); }
    int execModal(QDialog *) override { fail(QStringLiteral("modal window")); }
    void runModal(const QString &what, const std::function<void()> &) override { fail(what); }

private:
    [[noreturn]] static void fail(const QString &what) {
        throw std::logic_error("no dialog service installed: " + what.toStdString());
    }
};

std::unique_ptr<DialogService> &current() {
    static std::unique_ptr<DialogService> s = std::make_unique<NoDialogService>();
    return s;
}

} // namespace

DialogService &service() { return *current(); }

std::unique_ptr<DialogService> install(std::unique_ptr<DialogService> s) {
    std::swap(current(), s);
    return s;
}

int message(const QString &title, const QString &text, Icon icon, int buttons, int defaultButton) {
    return service().message(Message{title, text, icon, buttons, defaultButton});
}

void aviso(const QString &text, Icon icon) { message(QStringLiteral("Aviso"), text, icon, Ok); }

bool pergunta(const QString &text, bool defaultYes, const QString &title) {
    return message(title, text, Icon::Question, Yes | No, defaultYes ? Yes : No) == Yes;
}

} // namespace drav::dlg
