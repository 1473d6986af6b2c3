#pragma once
// The one seam every message box, question, input box, file dialog and
// modal window of the program goes through. Production installs the Qt
// implementation (drav_ui); tests install a scripted responder.
//
// This header needs no QtWidgets, so code of the core layer may ask questions.

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class QDialog;
class QWidget;

namespace drav::dlg {

enum class Icon { None, Information, Warning, Critical, Question };

// Buttons, combinable; the answer of message() is one of them.
enum Button : int {
    NoButton = 0,
    Ok = 0x1,
    Cancel = 0x2,
    Yes = 0x4,
    No = 0x8,
    Abort = 0x10,
    Retry = 0x20,
    Ignore = 0x40,
};

struct Message {
    QString title;
    QString text;  // "\r" is shown as a line break
    Icon icon = Icon::None;
    int buttons = Ok;
    int defaultButton = NoButton;  // NoButton: the first of the buttons
};

struct FileRequest {
    QString title;
    QString directory;
    QString filter;
    bool save = false;
};

class DialogService {
public:
    virtual ~DialogService() = default;
    virtual int message(const Message &m) = 0;
    // nullopt when cancelled.
    virtual std::optional<QString> inputText(const QString &title, const QString &prompt,
                                             const QString &initial) = 0;
    // Empty when cancelled.
    virtual QString fileName(const FileRequest &request) = 0;
    // Shows a modal window and returns its result code (QDialog::exec()).
    virtual int execModal(QDialog *dialog) = 0;
    // Shows a modal window that is not a QDialog (the print preview, say)
    // through a callback that runs its own loop.
    virtual void runModal(const QString &what, const std::function<void()> &show) = 0;
};

// The installed service (never null once the program or a test set it up).
DialogService &service();
// Installs a service; returns the previous one.
std::unique_ptr<DialogService> install(std::unique_ptr<DialogService> s);

// Shorthands used all over the program.
int message(const QString &title, const QString &text, Icon icon = Icon::Information,
            int buttons = Ok, int defaultButton = NoButton);
// "Aviso" information box with OK.
void aviso(const QString &text, Icon icon = Icon::Information);
// "Aviso" Yes/No question; returns true for Yes.
bool pergunta(const QString &text, bool defaultYes = false, const QString &title = QStringLiteral("Aviso"));

} // namespace drav::dlg
