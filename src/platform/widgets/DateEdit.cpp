#include "platform/widgets/DateEdit.h"

#include "platform/dataset/DatasetError.h"
#include "platform/widgets/DbEdit.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyle>
#include <QToolButton>

namespace drav::ui {

namespace {
const QString dateFormat = QStringLiteral("dd/MM/yyyy");
const QString dateMask = QStringLiteral("99/99/9999;_");
} // namespace

DateEdit::DateEdit(QWidget *parent)
    : QWidget(parent), editor_(new QLineEdit(this)), button_(new QToolButton(this)) {
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    row->addWidget(editor_);
    row->addWidget(button_);
    editor_->setInputMask(dateMask);
    editor_->installEventFilter(this);
    button_->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    button_->setFocusPolicy(Qt::NoFocus);
    setFocusProxy(editor_);
    setFocusPolicy(Qt::StrongFocus);
    connect(button_, &QToolButton::clicked, this, &DateEdit::showCalendar);
    connect(editor_, &QLineEdit::textEdited, this, &DateEdit::dateEdited);
}

bool DateEdit::isEmpty() const {
    const QString shown = editor_->displayText();
    for (QChar c : shown)
        if (c.isDigit())
            return false;
    return true;
}

QDate DateEdit::typedDate() const {
    if (isEmpty())
        return {};
    const QDate d = QDate::fromString(editor_->displayText(), dateFormat);
    if (!d.isValid())
        throw ds::ConversionError(QStringLiteral("'%1' não é uma data válida").arg(editor_->displayText()));
    return d;
}

QDate DateEdit::date() const {
    const QDate d = typedDate();
    return d.isValid() ? d : zeroDate();
}

void DateEdit::showDate(const QDate &date) {
    editor_->setText(date.isValid() ? date.toString(dateFormat) : QString());
}

void DateEdit::setDate(const QDate &date) { showDate(date == zeroDate() ? QDate() : date); }

void DateEdit::clear() { showDate({}); }

void DateEdit::setReadOnly(bool readOnly) {
    readOnly_ = readOnly;
    editor_->setReadOnly(readOnly);
    button_->setEnabled(!readOnly);
}

void DateEdit::showCalendar() {
    if (!acceptsEdit())
        return;
    if (!calendar_) {
        calendar_ = new QCalendarWidget(this);
        calendar_->setWindowFlags(Qt::Popup);
        calendar_->setGridVisible(true);
        connect(calendar_, &QCalendarWidget::clicked, this, &DateEdit::pick);
        connect(calendar_, &QCalendarWidget::activated, this, &DateEdit::pick);
    }
    QDate shown;
    try {
        shown = typedDate();
    } catch (const ds::ConversionError &) {
        // A half-typed text: the calendar opens on today.
    }
    calendar_->setSelectedDate(shown.isValid() ? shown : QDate::currentDate());
    calendar_->move(mapToGlobal(QPoint(0, height())));
    calendar_->show();
    calendar_->setFocus();
}

void DateEdit::pick(const QDate &date) {
    if (calendar_)
        calendar_->hide();
    editor_->setFocus();
    if (!acceptsEdit())
        return;
    showDate(date);
    Q_EMIT dateEdited();
}

bool DateEdit::eventFilter(QObject *watched, QEvent *event) {
    if (watched == editor_) {
        if (event->type() == QEvent::FocusOut && !(calendar_ && calendar_->isVisible()))
            leave();
        else if (event->type() == QEvent::KeyPress) {
            auto *key = static_cast<QKeyEvent *>(event);
            if (key->key() == Qt::Key_Down && (key->modifiers() & Qt::AltModifier)) {
                showCalendar();
                return true;
            }
            if (isEditingKey(key) && !acceptsEdit())
                return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void DateEdit::leave() {
    try {
        (void)typedDate();
    } catch (...) {
        editor_->setFocus();
        editor_->selectAll();
        throw;
    }
}

// ---- bound ----

DbDateEdit::DbDateEdit(QWidget *parent) : DateEdit(parent), link_(new FieldLink(this)) {
    connect(link_, &FieldLink::refresh, this, &DbDateEdit::refresh);
    connect(link_, &FieldLink::updateRecord, this, &DbDateEdit::writeField);
    connect(this, &DateEdit::dateEdited, this, [this] { modified_ = true; });
    refresh();
}

void DbDateEdit::setDataReadOnly(bool readOnly) {
    dataReadOnly_ = readOnly;
    refresh();
}

void DbDateEdit::refresh() {
    const ds::Field *f = field();
    showDate(f ? f->asDate() : QDate());
    modified_ = false;
    lineEdit()->setReadOnly(dataReadOnly_ || !link_->isEditing());
    button()->setEnabled(!dataReadOnly_ && link_->field());
}

bool DbDateEdit::acceptsEdit() {
    if (dataReadOnly_ || !link_->ensureEditing())
        return false;
    lineEdit()->setReadOnly(false);
    return true;
}

void DbDateEdit::writeField() {
    if (!modified_)
        return;
    ds::Field *f = field();
    if (!f || !link_->isEditing()) {
        modified_ = false;
        return;
    }
    const QDate d = typedDate();  // throws on a text that is no date
    modified_ = false;
    if (d.isValid())
        f->setAsDate(d);
    else
        f->clear();
}

void DbDateEdit::leave() {
    try {
        writeField();
    } catch (...) {
        lineEdit()->setFocus();
        lineEdit()->selectAll();
        throw;
    }
    refresh();
}

} // namespace drav::ui
