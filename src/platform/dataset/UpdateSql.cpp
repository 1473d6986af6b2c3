#include "platform/dataset/UpdateSql.h"

namespace drav::ds {

namespace {

QString params(const QStringList &columns) {
    QStringList out;
    for (const QString &c : columns)
        out << u':' + c;
    return out.join(QStringLiteral(", "));
}

QString assignments(const QStringList &columns) {
    QStringList out;
    for (const QString &c : columns)
        out << c + QStringLiteral(" = :") + c;
    return out.join(QStringLiteral(", "));
}

QString where(const QStringList &keys, UpdateSql::Nulls nulls) {
    const QString op = nulls == UpdateSql::Nulls::Match ? QStringLiteral(" <=> :OLD_") : QStringLiteral(" = :OLD_");
    QStringList out;
    for (const QString &k : keys)
        out << k + op + k;
    return out.join(QStringLiteral(" AND "));
}

} // namespace

UpdateSql UpdateSql::forColumns(const QString &table, const QStringList &columns, const QStringList &keys,
                                Nulls nulls) {
    UpdateSql u;
    u.insertSql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(table, columns.join(QStringLiteral(", ")),
                                                                         params(columns));
    u.modifySql = QStringLiteral("UPDATE %1 SET %2 WHERE %3").arg(table, assignments(columns), where(keys, nulls));
    u.deleteSql = QStringLiteral("DELETE FROM %1 WHERE %2").arg(table, where(keys, nulls));
    return u;
}

} // namespace drav::ds
