#pragma once
// Controls that store one of a fixed list of values in a field: a drop-down
// list and a group of radio buttons. Each item has the text shown and,
// optionally, the value stored; without values the shown text is stored.
// A stored value that is not in the list shows no item.

#include "platform/widgets/FieldLink.h"

#include <QComboBox>
#include <QGroupBox>
#include <QStringList>

class QAbstractButton;
class QButtonGroup;
class QGridLayout;

namespace drav::ui {

// Items and their stored values.
class ChoiceList {
public:
    void set(const QStringList &items, const QStringList &values);
    const QStringList &items() const { return items_; }
    const QStringList &values() const { return values_; }
    // The item index of a stored value; -1 when none.
    int indexOf(const QString &value) const;
    QString valueAt(int index) const;

private:
    QStringList items_;
    QStringList values_;
};

class DbComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit DbComboBox(QWidget *parent = nullptr);

    void setDataSource(DataSource *source) { link_->setDataSource(source); }
    DataSource *dataSource() const { return link_->dataSource(); }
    void setDataField(const QString &name) { link_->setFieldName(name); }
    const QString &dataField() const { return link_->fieldName(); }
    ds::Field *field() const { return link_->field(); }

    // `values` empty: the shown text is stored. Otherwise one value per item.
    void setChoices(const QStringList &items, const QStringList &values = {});
    const ChoiceList &choices() const { return choices_; }
    void refresh();

Q_SIGNALS:
    void hidden();  // the list closed

protected:
    void hidePopup() override;

private:
    void onActivated(int index);

    FieldLink *link_;
    ChoiceList choices_;
};

class DbRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit DbRadioGroup(QWidget *parent = nullptr);
    explicit DbRadioGroup(const QString &title, QWidget *parent = nullptr);

    void setDataSource(DataSource *source) { link_->setDataSource(source); }
    DataSource *dataSource() const { return link_->dataSource(); }
    void setDataField(const QString &name) { link_->setFieldName(name); }
    const QString &dataField() const { return link_->fieldName(); }
    ds::Field *field() const { return link_->field(); }

    void setChoices(const QStringList &items, const QStringList &values = {});
    const ChoiceList &choices() const { return choices_; }
    void setColumns(int columns);
    // The checked item; -1 when none.
    int itemIndex() const;
    QAbstractButton *button(int index) const;
    void refresh();

private:
    void build();
    void check(int index);
    void onClicked(int index);

    FieldLink *link_;
    ChoiceList choices_;
    int columns_ = 1;
    QButtonGroup *group_;
    QGridLayout *grid_;
};

} // namespace drav::ui
