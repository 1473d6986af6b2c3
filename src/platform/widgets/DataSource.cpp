#include "platform/widgets/DataSource.h"

namespace drav::ui {

DataSource::DataSource(QObject *parent) : QObject(parent) {}

DataSource::DataSource(ds::Dataset *dataset, QObject *parent) : QObject(parent) { setDataset(dataset); }

void DataSource::setDataset(ds::Dataset *dataset) {
    if (dataset_ == dataset)
        return;
    for (const auto &link : links_)
        disconnect(link);
    links_.clear();
    dataset_ = dataset;
    if (dataset) {
        links_ << connect(dataset, &ds::Dataset::stateChanged, this, &DataSource::stateChanged)
               << connect(dataset, &ds::Dataset::currentChanged, this, &DataSource::currentChanged)
               << connect(dataset, &ds::Dataset::opened, this, &DataSource::currentChanged)
               << connect(dataset, &ds::Dataset::closed, this, &DataSource::currentChanged)
               << connect(dataset, &ds::Dataset::fieldChanged, this, &DataSource::fieldChanged)
               << connect(dataset, &QObject::destroyed, this, [this] { Q_EMIT datasetChanged(nullptr); });
    }
    Q_EMIT datasetChanged(dataset);
    Q_EMIT stateChanged(state());
}

bool DataSource::ensureEditing() {
    if (!dataset_ || !dataset_->isActive() || dataset_->isReadOnly())
        return false;
    if (dataset_->isEditing())
        return true;
    if (!autoEdit_)
        return false;
    dataset_->edit();
    return dataset_->isEditing();
}

void DataSource::updateRecord() {
    if (isEditing())
        Q_EMIT updateRecordRequested();
}

} // namespace drav::ui
