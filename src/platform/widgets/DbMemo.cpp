#include "platform/widgets/DbMemo.h"

#include "platform/widgets/DbEdit.h"

#include <QKeyEvent>

namespace drav::ui {

DbMemo::DbMemo(QWidget *parent) : QPlainTextEdit(parent), link_(new FieldLink(this)) {
    connect(link_, &FieldLink::refresh, this, &DbMemo::refresh);
    connect(link_, &FieldLink::updateRecord, this, &DbMemo::writeField);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!loading_)
            modified_ = true;
    });
    refresh();
}

void DbMemo::setDataReadOnly(bool readOnly) {
    dataReadOnly_ = readOnly;
    refresh();
}

void DbMemo::refresh() {
    const ds::Field *f = field();
    loading_ = true;
    setPlainText(f ? f->asString() : QString());
    loading_ = false;
    modified_ = false;
    setReadOnly(dataReadOnly_ || !link_->isEditing());
}

void DbMemo::writeField() {
    if (!modified_)
        return;
    modified_ = false;
    if (ds::Field *f = field(); f && link_->isEditing())
        f->setAsString(toPlainText());
}

void DbMemo::focusOutEvent(QFocusEvent *event) {
    QPlainTextEdit::focusOutEvent(event);
    writeField();
}

void DbMemo::keyPressEvent(QKeyEvent *event) {
    if (isReadOnly() && !dataReadOnly_ && isEditingKey(event) && link_->ensureEditing())
        refresh();
    QPlainTextEdit::keyPressEvent(event);
}

} // namespace drav::ui
