#pragma once
// Where a report reads its rows from. The report engine walks a source from
// the first row to the last once per generation; it never goes back, so an
// adapter over a database dataset only needs a forward cursor.

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <memory>
#include <vector>

namespace drav::report {

class RowSource {
public:
    virtual ~RowSource() = default;
    // Moves to the first row; false when there is none.
    virtual bool first() = 0;
    // Moves to the next row; false past the last one.
    virtual bool next() = 0;
    // The names of the fields every row carries.
    virtual QStringList fields() const = 0;
    // A field of the current row.
    virtual QVariant value(const QString &field) const = 0;
};

// Rows kept in memory: the tests' fixtures and small computed tables.
class MemoryRowSource final : public RowSource {
public:
    MemoryRowSource() = default;
    MemoryRowSource(QStringList fields, std::vector<QVariantList> rows = {});

    // Values in the order of fields().
    void append(QVariantList row);
    int rowCount() const { return int(rows_.size()); }

    bool first() override;
    bool next() override;
    QStringList fields() const override { return fields_; }
    QVariant value(const QString &field) const override;

private:
    QStringList fields_;
    QHash<QString, int> index_;
    std::vector<QVariantList> rows_;
    int current_ = -1;
};

// A copy of one row's values, taken by the engine so that a group footer can
// still show the row that closed the group after the source moved on.
// Field names compare without regard to case, as the database does.
class Row {
public:
    Row() = default;
    // Copies the current row of `source`; `index` maps lower-case names to
    // positions in source.fields().
    Row(const RowSource &source, std::shared_ptr<const QHash<QString, int>> index,
        const QStringList &fields);

    bool isEmpty() const { return values_.isEmpty(); }
    bool has(const QString &field) const;
    // Throws std::invalid_argument for a field the source does not have: a
    // misspelt name must not print as an empty column.
    QVariant value(const QString &field) const;
    QVariant operator[](const QString &field) const { return value(field); }

    // For the engine, which looks each printed field up once per layout of
    // rows: the position of a field (-1 when absent), the value at a
    // position, and what positions are relative to (rows of one walk share it).
    int position(const QString &field) const;
    const QVariant &at(int position) const { return values_[position]; }
    const std::shared_ptr<const QHash<QString, int>> &layout() const { return index_; }

    static std::shared_ptr<const QHash<QString, int>> indexOf(const QStringList &fields);

private:
    std::shared_ptr<const QHash<QString, int>> index_;
    QVector<QVariant> values_;
};

} // namespace drav::report
