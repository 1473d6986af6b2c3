#include "platform/widgets/FieldLink.h"

namespace drav::ui {

FieldLink::FieldLink(QObject *owner) : QObject(owner) {}

void FieldLink::setDataSource(DataSource *source) {
    for (const auto &link : links_)
        disconnect(link);
    links_.clear();
    source_ = source;
    if (source) {
        links_ << connect(source, &DataSource::datasetChanged, this, &FieldLink::refresh)
               << connect(source, &DataSource::stateChanged, this, &FieldLink::refresh)
               << connect(source, &DataSource::currentChanged, this, &FieldLink::refresh)
               << connect(source, &DataSource::fieldChanged, this, &FieldLink::onFieldChanged)
               << connect(source, &DataSource::updateRecordRequested, this, &FieldLink::updateRecord)
               << connect(source, &QObject::destroyed, this, &FieldLink::refresh);
    }
    Q_EMIT refresh();
}

void FieldLink::setFieldName(const QString &name) {
    fieldName_ = name;
    Q_EMIT refresh();
}

ds::Field *FieldLink::field() const {
    ds::Dataset *ds = dataset();
    if (!ds || !ds->isActive() || fieldName_.isEmpty())
        return nullptr;
    return ds->findField(fieldName_);
}

bool FieldLink::ensureEditing() { return field() && source_->ensureEditing(); }

void FieldLink::onFieldChanged(ds::Field *changed) {
    if (changed && changed == field())
        Q_EMIT refresh();
}

} // namespace drav::ui
