#pragma once
// A date box that may be left empty: dd/MM/yyyy typed under a mask, or picked
// from a calendar that drops down from its button.
//
// DateEdit is the unbound box of the filter dialogs: an empty box reads as the
// zero date 30/12/1899, the value those dialogs compare against. DbDateEdit is
// bound to a date field: an empty box writes null.
//
// A text that is not a whole, real date is refused when the box loses the
// focus and when it is read.

#include "platform/widgets/FieldLink.h"

#include <QDate>
#include <QWidget>

class QCalendarWidget;
class QLineEdit;
class QToolButton;

namespace drav::ui {

class DateEdit : public QWidget {
    Q_OBJECT
public:
    explicit DateEdit(QWidget *parent = nullptr);

    // 30/12/1899: what an empty unbound box reads as.
    static QDate zeroDate() { return QDate(1899, 12, 30); }

    // The date typed; the zero date when empty. Throws ds::ConversionError
    // when the text is not a date.
    QDate date() const;
    // An invalid or zero date empties the box.
    void setDate(const QDate &date);
    bool isEmpty() const;
    void clear();
    bool isReadOnly() const { return readOnly_; }
    void setReadOnly(bool readOnly);

    QLineEdit *lineEdit() const { return editor_; }
    QToolButton *button() const { return button_; }
    // Opens the calendar under the box.
    void showCalendar();
    QCalendarWidget *calendar() const { return calendar_; }

Q_SIGNALS:
    // The user typed or picked a date.
    void dateEdited();

protected:
    // The typed date; invalid when empty. Throws ds::ConversionError when the
    // text is not a date.
    QDate typedDate() const;
    // Shows `date` (invalid: empty) without signalling an edit.
    void showDate(const QDate &date);
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Runs when the box loses the focus.
    virtual void leave();
    // Whether the user may change the date now (bound boxes ask the dataset).
    virtual bool acceptsEdit() { return !readOnly_; }

private:
    void pick(const QDate &date);

    QLineEdit *editor_;
    QToolButton *button_;
    QCalendarWidget *calendar_ = nullptr;
    bool readOnly_ = false;
};

class DbDateEdit : public DateEdit {
    Q_OBJECT
public:
    explicit DbDateEdit(QWidget *parent = nullptr);

    void setDataSource(DataSource *source) { link_->setDataSource(source); }
    DataSource *dataSource() const { return link_->dataSource(); }
    void setDataField(const QString &name) { link_->setFieldName(name); }
    const QString &dataField() const { return link_->fieldName(); }
    ds::Field *field() const { return link_->field(); }
    void setDataReadOnly(bool readOnly);

    bool isModified() const { return modified_; }
    void writeField();
    void refresh();

protected:
    void leave() override;
    bool acceptsEdit() override;

private:
    FieldLink *link_;
    bool dataReadOnly_ = false;
    bool modified_ = false;
};

} // namespace drav::ui
