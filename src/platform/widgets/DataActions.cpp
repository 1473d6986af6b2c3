#include "platform/widgets/DataActions.h"

namespace drav::ui {

bool enabledIn(EnabledWhen rule, ds::State state) {
    switch (rule) {
    case EnabledWhen::Browsing:
        return state == ds::State::Browse;
    case EnabledWhen::Editing:
        return state == ds::State::Edit || state == ds::State::Insert;
    }
    return false;
}

DatasetAction::DatasetAction(const QString &text, EnabledWhen rule, QObject *parent)
    : QAction(text, parent), rule_(rule) {
    updateEnabled();
}

void DatasetAction::setDataSource(DataSource *source) {
    if (source_)
        disconnect(source_, nullptr, this, nullptr);
    source_ = source;
    if (source) {
        connect(source, &DataSource::stateChanged, this, &DatasetAction::updateEnabled);
        connect(source, &DataSource::datasetChanged, this, &DatasetAction::updateEnabled);
        connect(source, &QObject::destroyed, this, &DatasetAction::updateEnabled);
    }
    updateEnabled();
}

void DatasetAction::updateEnabled() { setEnabled(enabledIn(rule_, source_ ? source_->state() : ds::State::Inactive)); }

} // namespace drav::ui
