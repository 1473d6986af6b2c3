#include "platform/widgets/DbChoices.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

namespace drav::ui {

void ChoiceList::set(const QStringList &items, const QStringList &values) {
    items_ = items;
    values_ = values;
}

int ChoiceList::indexOf(const QString &value) const {
    return int((values_.isEmpty() ? items_ : values_).indexOf(value));
}

QString ChoiceList::valueAt(int index) const {
    const QStringList &stored = values_.isEmpty() ? items_ : values_;
    return stored.value(index);
}

// ---- drop-down list ----

DbComboBox::DbComboBox(QWidget *parent) : QComboBox(parent), link_(new FieldLink(this)) {
    connect(link_, &FieldLink::refresh, this, &DbComboBox::refresh);
    connect(this, &QComboBox::activated, this, &DbComboBox::onActivated);
}

void DbComboBox::setChoices(const QStringList &items, const QStringList &values) {
    choices_.set(items, values);
    const QSignalBlocker blocker(this);
    clear();
    addItems(items);
    refresh();
}

void DbComboBox::refresh() {
    const ds::Field *f = field();
    const QSignalBlocker blocker(this);
    setCurrentIndex(f ? choices_.indexOf(f->asString()) : -1);
}

void DbComboBox::onActivated(int index) {
    if (!link_->ensureEditing()) {
        refresh();  // the row is not being edited: the choice does not stick
        return;
    }
    field()->setText(choices_.valueAt(index));
}

void DbComboBox::hidePopup() {
    QComboBox::hidePopup();
    Q_EMIT hidden();
}

// ---- radio group ----

DbRadioGroup::DbRadioGroup(QWidget *parent) : DbRadioGroup(QString(), parent) {}

DbRadioGroup::DbRadioGroup(const QString &title, QWidget *parent)
    : QGroupBox(title, parent), link_(new FieldLink(this)), group_(new QButtonGroup(this)),
      grid_(new QGridLayout(this)) {
    connect(link_, &FieldLink::refresh, this, &DbRadioGroup::refresh);
    connect(group_, &QButtonGroup::idClicked, this, &DbRadioGroup::onClicked);
}

void DbRadioGroup::setChoices(const QStringList &items, const QStringList &values) {
    choices_.set(items, values);
    build();
}

void DbRadioGroup::setColumns(int columns) {
    columns_ = qMax(1, columns);
    build();
}

void DbRadioGroup::build() {
    for (QAbstractButton *b : group_->buttons()) {
        group_->removeButton(b);
        delete b;
    }
    const int perColumn = int((choices_.items().size() + columns_ - 1) / columns_);
    for (int i = 0; i < choices_.items().size(); ++i) {
        auto *b = new QRadioButton(choices_.items().at(i), this);
        group_->addButton(b, i);
        grid_->addWidget(b, i % qMax(1, perColumn), i / qMax(1, perColumn));
    }
    refresh();
}

QAbstractButton *DbRadioGroup::button(int index) const { return group_->button(index); }

int DbRadioGroup::itemIndex() const { return group_->checkedId(); }

void DbRadioGroup::check(int index) {
    // An exclusive group cannot show "none"; let go of it for a moment.
    group_->setExclusive(false);
    for (QAbstractButton *b : group_->buttons())
        b->setChecked(group_->id(b) == index);
    group_->setExclusive(true);
}

void DbRadioGroup::refresh() {
    const ds::Field *f = field();
    check(f ? choices_.indexOf(f->asString()) : -1);
}

void DbRadioGroup::onClicked(int index) {
    if (!link_->ensureEditing()) {
        refresh();
        return;
    }
    field()->setText(choices_.valueAt(index));
}

} // namespace drav::ui
