#pragma once
// The explicit write statements of a dataset: insert, modify and delete.
// In them `:name` is the field's new value and `:OLD_name` the value the row
// had when it was read (for an inserted row, null).

#include <QString>
#include <QStringList>

namespace drav::ds {

struct UpdateSql {
    QString insertSql;
    QString modifySql;
    QString deleteSql;

    // How the old values identify the row.
    enum class Nulls {
        Differ,  // `col = :OLD_col`: a null old value matches no row
        Match,   // `col <=> :OLD_col`: a null matches a null
    };
    // The usual statements: insert of `columns`, update of the same columns
    // and delete, both identifying the row by the old values of `keys`.
    static UpdateSql forColumns(const QString &table, const QStringList &columns, const QStringList &keys,
                                Nulls nulls = Nulls::Differ);
};

} // namespace drav::ds
