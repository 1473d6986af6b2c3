#pragma once
// The link between a dataset and the controls and actions that show it.
//
// A data source relays the dataset's signals to everything bound to it, so a
// form can point all its controls at another dataset by changing one object.
// `autoEdit` (off by default) lets typing in a control put a browsed row in
// edit mode; with it off, a control only accepts typing while the dataset
// already edits or inserts a row.

#include "platform/dataset/Dataset.h"

#include <QObject>
#include <QPointer>

namespace drav::ui {

class DataSource : public QObject {
    Q_OBJECT
public:
    explicit DataSource(QObject *parent = nullptr);
    explicit DataSource(ds::Dataset *dataset, QObject *parent = nullptr);

    ds::Dataset *dataset() const { return dataset_; }
    void setDataset(ds::Dataset *dataset);

    bool autoEdit() const { return autoEdit_; }
    void setAutoEdit(bool autoEdit) { autoEdit_ = autoEdit; }

    ds::State state() const { return dataset_ ? dataset_->state() : ds::State::Inactive; }
    bool isEditing() const { return dataset_ && dataset_->isEditing(); }
    // True when a control may write its field now, putting the row in edit
    // mode first when automatic edit allows it.
    bool ensureEditing();
    // Asks every bound control to write what it holds into its field (before
    // a post, say).
    void updateRecord();

Q_SIGNALS:
    void datasetChanged(drav::ds::Dataset *dataset);
    void stateChanged(drav::ds::State state);
    void currentChanged();
    void fieldChanged(drav::ds::Field *field);
    void updateRecordRequested();

private:
    QPointer<ds::Dataset> dataset_;
    QList<QMetaObject::Connection> links_;
    bool autoEdit_ = false;
};

} // namespace drav::ui
