#include "platform/dataset/DatasetModel.h"

namespace drav::ds {

DatasetModel::DatasetModel(Dataset *dataset, QObject *parent) : QAbstractTableModel(parent), dataset_(dataset) {
    connect(dataset, &Dataset::opened, this, &DatasetModel::reset);
    connect(dataset, &Dataset::closed, this, &DatasetModel::reset);
    connect(dataset, &Dataset::rowInserted, this, &DatasetModel::onRowInserted);
    connect(dataset, &Dataset::rowRemoved, this, &DatasetModel::onRowRemoved);
    connect(dataset, &Dataset::rowChanged, this, &DatasetModel::onRowChanged);
    connect(dataset, &Dataset::currentChanged, this, &DatasetModel::currentRowChanged);
    connect(dataset, &QObject::destroyed, this, &DatasetModel::reset);
    rebuild();
}

void DatasetModel::rebuild() {
    columns_.clear();
    rows_ = 0;
    if (!dataset_ || !dataset_->isActive())
        return;
    for (int i = 0; i < dataset_->fieldCount(); ++i)
        if (dataset_->field(i).visible())
            columns_.push_back(i);
    rows_ = dataset_->displayRowCount();
}

void DatasetModel::reset() {
    beginResetModel();
    rebuild();
    endResetModel();
}

void DatasetModel::onRowInserted(int row) {
    beginInsertRows({}, row, row);
    rows_ = dataset_->displayRowCount();
    endInsertRows();
}

void DatasetModel::onRowRemoved(int row) {
    beginRemoveRows({}, row, row);
    rows_ = dataset_->displayRowCount();
    endRemoveRows();
}

void DatasetModel::onRowChanged(int row) {
    if (row < 0 || row >= rows_ || columns_.empty())
        return;
    Q_EMIT dataChanged(index(row, 0), index(row, int(columns_.size()) - 1));
}

Field *DatasetModel::fieldAt(int column) const {
    if (!dataset_ || column < 0 || column >= int(columns_.size()))
        return nullptr;
    return &dataset_->field(columns_[std::size_t(column)]);
}

int DatasetModel::columnOf(const Field *field) const {
    for (std::size_t i = 0; i < columns_.size(); ++i)
        if (fieldAt(int(i)) == field)
            return int(i);
    return -1;
}

void DatasetModel::setCurrentRow(int row) {
    if (dataset_ && row != dataset_->currentIndex())
        dataset_->setRecNo(row + 1);
}

int DatasetModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : rows_; }

int DatasetModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : int(columns_.size());
}

QVariant DatasetModel::data(const QModelIndex &index, int role) const {
    const Field *field = fieldAt(index.column());
    if (!field || index.row() < 0 || index.row() >= rows_)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return field->displayTextAt(index.row());
    case Qt::EditRole:
        return field->editTextAt(index.row());
    case Qt::TextAlignmentRole: {
        const bool number = field->dataType() == FieldType::Integer || field->dataType() == FieldType::Float;
        return int((number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    }
    case CurrentRowRole:
        return index.row() == dataset_->currentIndex();
    default:
        return {};
    }
}

QVariant DatasetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    const Field *field = fieldAt(section);
    return field ? QVariant(field->displayName()) : QVariant();
}

Qt::ItemFlags DatasetModel::flags(const QModelIndex &index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (dataset_ && !dataset_->isReadOnly() && fieldAt(index.column()))
        f |= Qt::ItemIsEditable;
    return f;
}

bool DatasetModel::setData(const QModelIndex &index, const QVariant &value, int role) {
    Field *field = fieldAt(index.column());
    if (role != Qt::EditRole || !field || !(flags(index) & Qt::ItemIsEditable))
        return false;
    if (index.row() != dataset_->currentIndex())
        setCurrentRow(index.row());
    dataset_->edit();
    field->setText(value.toString());
    return true;
}

} // namespace drav::ds
