#pragma once
// The dialog service of the tests: answers from a queue, in order, and keeps
// a record of everything shown. A dialog with no answer queued (or of another
// kind than the answer) fails the current test and is dismissed at once, so a
// test never hangs on a modal window.

#include "platform/dialogs/Dialogs.h"

#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace drav::test {

struct Shown {
    enum Kind { Message, Input, File, Modal };
    Kind kind = Message;
    dlg::Message message;  // for Message; title/text also filled for the other kinds
    QString objectName;    // for Modal: the window's class name / object name
};

class ScriptedDialogs final : public dlg::DialogService {
public:
    // The next message box is answered with `button`.
    ScriptedDialogs &answer(int button);
    // The next input box gets `text` (nullopt = cancelled).
    ScriptedDialogs &answerInput(std::optional<QString> text);
    // The next file dialog returns `path` (empty = cancelled).
    ScriptedDialogs &answerFile(QString path);
    // The next modal window is handed to `handler`, which fills it and returns
    // its result code (QDialog::Accepted / Rejected); the window is not shown.
    ScriptedDialogs &answerModal(std::function<int(QDialog *)> handler);
    // The next modal loop that is not a dialog (a print preview) is skipped.
    ScriptedDialogs &answerRunModal();

    const std::vector<Shown> &shown() const { return shown_; }
    // Texts of the message boxes shown, in order.
    QStringList messages() const;
    const Shown &last() const;
    std::size_t pending() const { return answers_.size(); }
    void reset();

    int message(const dlg::Message &m) override;
    std::optional<QString> inputText(const QString &title, const QString &prompt,
                                     const QString &initial) override;
    QString fileName(const dlg::FileRequest &request) override;
    int execModal(QDialog *dialog) override;
    void runModal(const QString &what, const std::function<void()> &show) override;

private:
    struct Answer {
        Shown::Kind kind;
        int button = 0;
        std::optional<QString> text;
        std::function<int(QDialog *)> modal;
        bool runModal = false;
    };
    std::optional<Answer> take(Shown::Kind kind, const QString &what);

    std::deque<Answer> answers_;
    std::vector<Shown> shown_;
};

// The instance the test mains install for the whole run; checked and reset
// after every test.
ScriptedDialogs &dialogs();

} // namespace drav::test
