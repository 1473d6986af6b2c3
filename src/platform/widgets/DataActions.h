#pragma once
// Actions bound to a data source: their enabled state follows the state of
// the source's dataset. What they do is up to whoever handles triggered().
// An ActionList groups the actions of a window so that they can be pointed at
// another data source together.

#include "platform/widgets/DataSource.h"

#include <QAction>
#include <QList>
#include <QPointer>

namespace drav::ui {

// When a dataset action is enabled.
enum class EnabledWhen {
    Browsing,  // the dataset is open and a row is browsed (not edited)
    Editing,   // the dataset edits or inserts a row
};

bool enabledIn(EnabledWhen rule, ds::State state);

class DatasetAction : public QAction {
    Q_OBJECT
public:
    DatasetAction(const QString &text, EnabledWhen rule, QObject *parent = nullptr);

    DataSource *dataSource() const { return source_; }
    void setDataSource(DataSource *source);
    ds::Dataset *dataset() const { return source_ ? source_->dataset() : nullptr; }
    EnabledWhen rule() const { return rule_; }
    void updateEnabled();

private:
    QPointer<DataSource> source_;
    EnabledWhen rule_;
};

class ActionList : public QObject {
    Q_OBJECT
public:
    explicit ActionList(QObject *parent = nullptr) : QObject(parent) {}
    void add(QAction *action) { actions_.append(action); }
    const QList<QPointer<QAction>> &actions() const { return actions_; }

private:
    QList<QPointer<QAction>> actions_;
};

} // namespace drav::ui
