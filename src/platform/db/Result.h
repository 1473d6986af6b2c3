#pragma once
// A fully stored result set. Cells are kept in the connector's own buffers
// (no copy per cell); typed reads convert on demand.

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>
#include <QVariant>

#include <memory>
#include <vector>

struct st_mysql_res;

namespace drav::db {

enum class ColumnType { Integer, Decimal, Real, Text, Blob, Date, Time, DateTime, Other };

struct Column {
    QString name;       // the column's label in the result
    QString table;      // the table it comes from (empty for expressions)
    QString orgName;    // the column's name in that table
    ColumnType type = ColumnType::Other;
    unsigned long length = 0;  // declared length in characters (text) or digits
    unsigned decimals = 0;
    bool notNull = false;
    bool primaryKey = false;
    bool autoIncrement = false;
    bool isUnsigned = false;
};

class Result {
public:
    Result() = default;
    explicit Result(st_mysql_res *res);  // takes ownership
    Result(Result &&) noexcept = default;
    Result &operator=(Result &&) noexcept = default;

    int rowCount() const { return static_cast<int>(rows_.size()); }
    int columnCount() const { return static_cast<int>(columns_.size()); }
    const std::vector<Column> &columns() const { return columns_; }
    // Column index by name, case-insensitively; -1 when absent.
    int columnIndex(const QString &name) const;

    bool isNull(int row, int col) const { return rows_[row][col] == nullptr; }
    // Raw text of a cell as the server sent it (UTF-8), nullptr for NULL.
    const char *raw(int row, int col) const { return rows_[row][col]; }
    unsigned long rawLength(int row, int col) const { return lengths_[std::size_t(row) * columns_.size() + col]; }

    QString text(int row, int col) const;
    qint64 integer(int row, int col) const;   // NULL reads as 0
    double real(int row, int col) const;      // NULL reads as 0
    QDate date(int row, int col) const;       // NULL or zero date: invalid QDate
    QTime time(int row, int col) const;
    QDateTime dateTime(int row, int col) const;
    // The cell converted by its column type (null QVariant for NULL).
    // Decimals come as QString to keep their exact digits.
    QVariant value(int row, int col) const;

    // Convenience by column name (throws std::out_of_range if absent).
    QVariant value(int row, const QString &column) const;
    QString text(int row, const QString &column) const;
    qint64 integer(int row, const QString &column) const;

private:
    int requireColumn(const QString &name) const;

    struct ResDeleter {
        void operator()(st_mysql_res *r) const;
    };
    std::unique_ptr<st_mysql_res, ResDeleter> res_;
    std::vector<Column> columns_;
    std::vector<char **> rows_;
    std::vector<unsigned long> lengths_;
};

} // namespace drav::db
