#include "platform/dialogs/QtDialogService.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace drav::dlg {

namespace {

QMessageBox::Icon toQt(Icon icon) {
    switch (icon) {
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Warning:
        return QMessageBox::Warning;
    case Icon::Critical:
        return QMessageBox::Critical;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

constexpr std::pair<Button, QMessageBox::StandardButton> kButtons[] = {
    {Ok, QMessageBox::Ok},         {Cancel, QMessageBox::Cancel}, {Yes, QMessageBox::Yes},
    {No, QMessageBox::No},         {Abort, QMessageBox::Abort},   {Retry, QMessageBox::Retry},
    {Ignore, QMessageBox::Ignore},
};

} // namespace

int QtDialogService::message(const Message &m) {
    QMessageBox box(toQt(m.icon), m.title, QString(m.text).replace(u'\r', u'\n'), QMessageBox::NoButton,
                    QApplication::activeWindow());
    for (const auto &[ours, qt] : kButtons)
        if (m.buttons & ours)
            box.addButton(qt);
    for (const auto &[ours, qt] : kButtons)
        if (m.defaultButton == ours)
            box.setDefaultButton(qt);
    const int answer = box.exec();
    for (const auto &[ours, qt] : kButtons)
        if (answer == qt)
            return ours;
    // Closed by the window's close box: the "negative" answer among the buttons.
    for (Button b : {Cancel, No, Ok})
        if (m.buttons & b)
            return b;
    return NoButton;
}

std::optional<QString> QtDialogService::inputText(const QString &title, const QString &prompt,
                                                  const QString &initial) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(QApplication::activeWindow(), title, prompt, QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

QString QtDialogService::fileName(const FileRequest &r) {
    QWidget *parent = QApplication::activeWindow();
    return r.save ? QFileDialog::getSaveFileName(parent, r.title, r.directory, r.filter)
                  : QFileDialog::getOpenFileName(parent, r.title, r.directory, r.filter);
}

int QtDialogService::execModal(QDialog *dialog) { return dialog->exec(); }

void QtDialogService::runModal(const QString &, const std::function<void()> &show) { show(); }

} // namespace drav::dlg
