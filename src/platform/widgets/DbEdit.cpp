#include "platform/widgets/DbEdit.h"

#include <QKeyEvent>

namespace drav::ui {

bool isEditingKey(const QKeyEvent *event) {
    if (event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Cut) ||
        event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo))
        return true;
    if (event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete)
        return true;
    const QString text = event->text();
    return !text.isEmpty() && text.at(0).isPrint() && !(event->modifiers() & Qt::ControlModifier);
}

QString applyCharCase(const QString &text, CharCase charCase) {
    switch (charCase) {
    case CharCase::Upper:
        return text.toUpper();
    case CharCase::Lower:
        return text.toLower();
    case CharCase::Normal:
        break;
    }
    return text;
}

DbEdit::DbEdit(QWidget *parent) : QLineEdit(parent), link_(new FieldLink(this)) {
    connect(link_, &FieldLink::refresh, this, &DbEdit::refresh);
    connect(link_, &FieldLink::updateRecord, this, &DbEdit::writeField);
    connect(this, &QLineEdit::textEdited, this, &DbEdit::onTextEdited);
    refresh();
}

void DbEdit::setCharCase(CharCase charCase) {
    charCase_ = charCase;
    refresh();
}

void DbEdit::setDataReadOnly(bool readOnly) {
    dataReadOnly_ = readOnly;
    refresh();
}

void DbEdit::setMaxTextLength(int length) {
    maxTextLength_ = length;
    refresh();
}

bool DbEdit::showsEditText() const { return hasFocus() && link_->isEditing(); }

void DbEdit::refresh() {
    const ds::Field *f = field();
    const bool editing = showsEditText();
    modified_ = false;
    applyLimits(f, editing);
    if (!f)
        setText(QString());
    else
        setText(editing ? f->editText() : f->displayText());
    setReadOnly(dataReadOnly_ || !link_->isEditing());
    if (f && (f->dataType() == ds::FieldType::Integer || f->dataType() == ds::FieldType::Float))
        setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    else
        setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void DbEdit::applyLimits(const ds::Field *f, bool editing) {
    const QString mask = f && editing ? f->mask().inputMask() : QString();
    if (inputMask() != mask)
        setInputMask(mask);
    // The limit applies to what is typed; a display text may be longer.
    int length = maxTextLength_;
    if (length == 0 && f && f->dataType() == ds::FieldType::String && f->mask().isEmpty())
        length = f->size();
    setMaxLength(editing && length > 0 ? length : 32767);
}

QString DbEdit::typedText() const {
    // Under a mask the field wants every position, blanks included.
    return inputMask().isEmpty() ? text() : displayText();
}

void DbEdit::writeField() {
    if (!modified_)
        return;
    ds::Field *f = field();
    if (!f || !link_->isEditing()) {
        modified_ = false;
        return;
    }
    f->setText(typedText());
    modified_ = false;
}

void DbEdit::onTextEdited(const QString &text) {
    modified_ = true;
    const QString forced = applyCharCase(text, charCase_);
    if (forced != text) {
        const int cursor = cursorPosition();
        setText(forced);
        setCursorPosition(cursor);
    }
}

void DbEdit::focusInEvent(QFocusEvent *event) {
    QLineEdit::focusInEvent(event);
    if (link_->isEditing())
        refresh();
}

void DbEdit::focusOutEvent(QFocusEvent *event) {
    QLineEdit::focusOutEvent(event);
    try {
        writeField();
    } catch (...) {
        // The value was refused: the user corrects it where it was typed.
        setFocus();
        selectAll();
        throw;
    }
    refresh();
}

void DbEdit::keyPressEvent(QKeyEvent *event) {
    if (isReadOnly() && !dataReadOnly_ && isEditingKey(event) && link_->ensureEditing())
        refresh();
    QLineEdit::keyPressEvent(event);
}

} // namespace drav::ui
