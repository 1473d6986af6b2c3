#include "ScriptedDialogs.h"

#include <QDialog>
#include <QMetaObject>

#include <gtest/gtest.h>

namespace drav::test {

namespace {
const char *kindName(Shown::Kind k) {
    switch (k) {
    case Shown::Message:
        return "message box";
    case Shown::Input:
        return "input box";
    case Shown::File:
        return "file dialog";
    case Shown::Modal:
        return "modal window";
    }
    return "?";
}
} // namespace

ScriptedDialogs &ScriptedDialogs::answer(int button) {
    answers_.push_back({Shown::Message, button, {}, {}, false});
    return *this;
}

ScriptedDialogs &ScriptedDialogs::answerInput(std::optional<QString> text) {
    answers_.push_back({Shown::Input, 0, std::move(text), {}, false});
    return *this;
}

ScriptedDialogs &ScriptedDialogs::answerFile(QString path) {
    answers_.push_back({Shown::File, 0, std::move(path), {}, false});
    return *this;
}

ScriptedDialogs &ScriptedDialogs::answerModal(std::function<int(QDialog *)> handler) {
    answers_.push_back({Shown::Modal, 0, {}, std::move(handler), false});
    return *this;
}

ScriptedDialogs &ScriptedDialogs::answerRunModal() {
    answers_.push_back({Shown::Modal, 0, {}, {}, true});
    return *this;
}

QStringList ScriptedDialogs::messages() const {
    QStringList out;
    for (const Shown &s : shown_)
        if (s.kind == Shown::Message)
            out << s.message.text;
    return out;
}

const Shown &ScriptedDialogs::last() const {
    static const Shown none;
    return shown_.empty() ? none : shown_.back();
}

void ScriptedDialogs::reset() {
    answers_.clear();
    shown_.clear();
}

std::optional<ScriptedDialogs::Answer> ScriptedDialogs::take(Shown::Kind kind, const QString &what) {
    if (answers_.empty() || answers_.front().kind != kind) {
        ADD_FAILURE() << "unexpected " << kindName(kind) << ": " << what.toStdString()
                      << (answers_.empty() ? " (no answer queued)" : " (another kind of answer queued)");
        return std::nullopt;
    }
    Answer a = std::move(answers_.front());
    answers_.pop_front();
    return a;
}

int ScriptedDialogs::message(const dlg::Message &m) {
    shown_.push_back({Shown::Message, m, {}});
    const auto a = take(Shown::Message, m.title + QStringLiteral(": ") + m.text);
    if (!a) {
        for (int b : {dlg::Cancel, dlg::No, dlg::Ok})
            if (m.buttons & b)
                return b;
        return dlg::NoButton;
    }
    return a->button;
}

std::optional<QString> ScriptedDialogs::inputText(const QString &title, const QString &prompt,
                                                  const QString &) {
    shown_.push_back({Shown::Input, dlg::Message{title, prompt}, {}});
    const auto a = take(Shown::Input, title + QStringLiteral(": ") + prompt);
    return a ? a->text : std::nullopt;
}

QString ScriptedDialogs::fileName(const dlg::FileRequest &r) {
    shown_.push_back({Shown::File, dlg::Message{r.title, r.directory}, {}});
    const auto a = take(Shown::File, r.title);
    return a && a->text ? *a->text : QString();
}

int ScriptedDialogs::execModal(QDialog *dialog) {
    const QString name = QString::fromLatin1(dialog->metaObject()->className());
    shown_.push_back({Shown::Modal, dlg::Message{dialog->windowTitle(), {}}, name});
    const auto a = take(Shown::Modal, name);
    if (!a || a->runModal || !a->modal)
        return QDialog::Rejected;
    const int result = a->modal(dialog);
    dialog->setResult(result);
    return result;
}

void ScriptedDialogs::runModal(const QString &what, const std::function<void()> &) {
    shown_.push_back({Shown::Modal, dlg::Message{what, {}}, what});
    take(Shown::Modal, what);
}

} // namespace drav::test
