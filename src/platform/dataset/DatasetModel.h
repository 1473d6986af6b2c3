#pragma once
// A table model over a dataset for the grids: one column per visible field,
// one row per row of the dataset plus the row being inserted. It follows the
// dataset's opening, state and current row; display text goes through each
// field's display format.

#include "platform/dataset/Dataset.h"

#include <QAbstractTableModel>
#include <QPointer>

#include <vector>

namespace drav::ds {

class DatasetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Role { CurrentRowRole = Qt::UserRole + 1 };

    explicit DatasetModel(Dataset *dataset, QObject *parent = nullptr);

    Dataset *dataset() const { return dataset_; }
    Field *fieldAt(int column) const;
    int columnOf(const Field *field) const;
    int currentRow() const { return dataset_ ? dataset_->currentIndex() : -1; }
    // A row picked in the grid becomes the dataset's current row.
    void setCurrentRow(int row);
    // Columns again from the fields (after visibility changes).
    void reset();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // Editing a cell puts the row in edit mode and assigns the typed text.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

Q_SIGNALS:
    void currentRowChanged(int row);

private:
    void rebuild();
    void onRowInserted(int row);
    void onRowRemoved(int row);
    void onRowChanged(int row);

    QPointer<Dataset> dataset_;
    std::vector<int> columns_;  // field index of each column
    int rows_ = 0;
};

} // namespace drav::ds
