#include "platform/widgets/DbGrid.h"

#include <QHeaderView>

namespace drav::ui {

GridModel::GridModel(ds::Dataset *dataset, const std::vector<GridColumn> *columns, QObject *parent)
    : DatasetModel(dataset, parent), columns_(columns) {}

int GridModel::modelColumn(const GridColumn &column) const {
    ds::Dataset *ds = dataset();
    if (!ds || !ds->isActive())
        return -1;
    const ds::Field *f = column.fieldIndex >= 0 && column.fieldIndex < ds->fieldCount()
                             ? &ds->field(column.fieldIndex)
                             : ds->findField(column.fieldName);
    return f ? columnOf(f) : -1;
}

const GridColumn *GridModel::columnFor(int column) const {
    for (const GridColumn &c : *columns_)
        if (modelColumn(c) == column)
            return &c;
    return nullptr;
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal) {
        if (const GridColumn *c = columnFor(section)) {
            if (role == Qt::DisplayRole)
                return c->title;
            if (role == Qt::TextAlignmentRole)
                return QVariant::fromValue(c->titleAlignment);
        }
    }
    return DatasetModel::headerData(section, orientation, role);
}

DbGrid::DbGrid(QWidget *parent) : QTableView(parent) {
    setEditTriggers(NoEditTriggers);
    setSelectionBehavior(SelectRows);
    setSelectionMode(SingleSelection);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->hide();
}

void DbGrid::setDataSource(DataSource *source) {
    if (source_)
        disconnect(source_, nullptr, this, nullptr);
    source_ = source;
    if (source)
        connect(source, &DataSource::datasetChanged, this, &DbGrid::rebuildModel);
    rebuildModel();
}

void DbGrid::setColumns(std::vector<GridColumn> columns) {
    columns_ = std::move(columns);
    applyColumns();
}

void DbGrid::rebuildModel() {
    GridModel *old = model_;
    model_ = nullptr;
    ds::Dataset *ds = source_ ? source_->dataset() : nullptr;
    if (ds)
        model_ = new GridModel(ds, &columns_, this);
    setModel(model_);
    delete old;
    if (model_) {
        // After the view's own handlers, which show every section again on a reset.
        connect(model_, &QAbstractItemModel::modelReset, this, &DbGrid::applyColumns);
        connect(model_, &ds::DatasetModel::currentRowChanged, this, &DbGrid::followDataset);
        connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this, &DbGrid::onCurrentChanged);
    }
    applyColumns();
}

void DbGrid::applyColumns() {
    if (!model_)
        return;
    QHeaderView *header = horizontalHeader();
    const int count = model_->columnCount();
    for (int i = 0; i < count; ++i)
        setColumnHidden(i, !columns_.empty() && !model_->columnFor(i));
    int visual = 0;
    for (const GridColumn &c : columns_) {
        const int logical = model_->modelColumn(c);
        if (logical < 0)
            continue;
        header->moveSection(header->visualIndex(logical), visual++);
        if (c.width > 0)
            setColumnWidth(logical, c.width);
    }
    followDataset();
}

void DbGrid::followDataset() {
    if (!model_ || following_)
        return;
    following_ = true;
    const int row = model_->currentRow();
    if (row >= 0 && row < model_->rowCount())
        selectionModel()->setCurrentIndex(model_->index(row, 0),
                                          QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    else
        selectionModel()->clearSelection();
    following_ = false;
}

void DbGrid::onCurrentChanged(const QModelIndex &current) {
    if (following_ || !model_ || !current.isValid())
        return;
    following_ = true;
    model_->setCurrentRow(current.row());
    following_ = false;
}

QString DbGrid::cellText(int row, int column) const {
    return model_ ? model_->index(row, column).data().toString() : QString();
}

int DbGrid::rowCount() const { return model_ ? model_->rowCount() : 0; }

void DbGrid::mouseDoubleClickEvent(QMouseEvent *event) {
    QTableView::mouseDoubleClickEvent(event);
    Q_EMIT gridDoubleClicked();
}

} // namespace drav::ui
