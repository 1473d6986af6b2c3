#pragma once
// A read-only grid over a data source: one row per dataset row, whole-row
// selection that follows (and moves) the dataset's current row. Columns are
// every visible field, or the list given with setColumns: field, title,
// width and title alignment.

#include "platform/dataset/DatasetModel.h"
#include "platform/widgets/DataSource.h"

#include <QPointer>
#include <QTableView>

#include <vector>

namespace drav::ui {

struct GridColumn {
    QString fieldName;
    QString title;
    int width = 0;  // 0: the view's default
    Qt::Alignment titleAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    int fieldIndex = -1;  // when >= 0, the field by position (names may repeat)
};

// The dataset model with the titles of the grid's columns.
class GridModel : public ds::DatasetModel {
    Q_OBJECT
public:
    GridModel(ds::Dataset *dataset, const std::vector<GridColumn> *columns, QObject *parent);
    // The grid column that shows model column `column`; null when none.
    const GridColumn *columnFor(int column) const;
    // The model column of a grid column; -1 when its field is missing.
    int modelColumn(const GridColumn &column) const;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    const std::vector<GridColumn> *columns_;
};

class DbGrid : public QTableView {
    Q_OBJECT
public:
    explicit DbGrid(QWidget *parent = nullptr);

    DataSource *dataSource() const { return source_; }
    void setDataSource(DataSource *source);
    // An empty list shows every visible field.
    void setColumns(std::vector<GridColumn> columns);
    void clearColumns() { setColumns({}); }
    const std::vector<GridColumn> &columns() const { return columns_; }
    GridModel *gridModel() const { return model_; }
    // The text shown in a cell (tests, exports).
    QString cellText(int row, int column) const;
    int rowCount() const;

Q_SIGNALS:
    // A double click anywhere in the grid, on a row or not.
    void gridDoubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void rebuildModel();
    void applyColumns();
    void followDataset();
    void onCurrentChanged(const QModelIndex &current);

    QPointer<DataSource> source_;
    GridModel *model_ = nullptr;
    std::vector<GridColumn> columns_;
    bool following_ = false;
};

} // namespace drav::ui
