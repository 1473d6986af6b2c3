#pragma once
// What every data-aware control keeps: its data source and the name of its
// field, and the signals that tell it to show the field again or to write
// what the user typed.

#include "platform/widgets/DataSource.h"

#include <QObject>
#include <QPointer>

namespace drav::ui {

class FieldLink : public QObject {
    Q_OBJECT
public:
    explicit FieldLink(QObject *owner);

    DataSource *dataSource() const { return source_; }
    void setDataSource(DataSource *source);
    const QString &fieldName() const { return fieldName_; }
    void setFieldName(const QString &name);

    ds::Dataset *dataset() const { return source_ ? source_->dataset() : nullptr; }
    // The bound field; null while the dataset is closed or has no such field.
    ds::Field *field() const;
    // True while the row is edited or inserted (the control may write).
    bool isEditing() const { return source_ && source_->isEditing() && field(); }
    // True when the control may write now, starting the edit through
    // automatic edit when that is on.
    bool ensureEditing();

Q_SIGNALS:
    // The control shows the field of the current row again.
    void refresh();
    // The control writes what it holds, if the user changed it.
    void updateRecord();

private:
    void onFieldChanged(ds::Field *changed);

    QPointer<DataSource> source_;
    QString fieldName_;
    QList<QMetaObject::Connection> links_;
};

} // namespace drav::ui
