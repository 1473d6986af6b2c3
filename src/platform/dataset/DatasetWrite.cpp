// Writing a dataset's row: through its explicit statements, or through
// statements made for its table from the table's primary key.

#include "platform/dataset/Dataset.h"

#include <algorithm>

namespace drav::ds {

namespace {

QString quoted(const QString &identifier) {
    return u'`' + QString(identifier).replace(u'`', QStringLiteral("``")) + u'`';
}

bool isNullValue(const QVariant &v) { return !v.isValid() || v.isNull(); }

} // namespace

void Dataset::setUpdateTable(const QString &table) {
    updateTable_ = table;
    primaryKey_.reset();
}

QString Dataset::updateTable() const {
    if (!updateTable_.isEmpty())
        return updateTable_;
    for (const auto &f : fields_)
        if (!f->column().table.isEmpty())
            return f->column().table;
    return {};
}

void Dataset::write(Write kind, const std::vector<QVariant> &values, const std::vector<QVariant> &old) {
    if (updateSql_)
        writeExplicit(kind, values, old);
    else
        writeGenerated(kind, values, old);
    if (kind == Write::Insert)
        readBackKey();
}

// `:name` takes the new value, `:OLD_name` the value read.
void Dataset::writeExplicit(Write kind, const std::vector<QVariant> &values, const std::vector<QVariant> &old) {
    const QString &sql = kind == Write::Insert   ? updateSql_->insertSql
                         : kind == Write::Modify ? updateSql_->modifySql
                                                 : updateSql_->deleteSql;
    if (sql.trimmed().isEmpty())
        throw DatasetError(QStringLiteral("%1 não tem comando para gravar esta alteração").arg(objectName()));
    db::Params params;
    params.reserve(fields_.size() * 2);
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        params.push_back({fields_[i]->fieldName(), values[i]});
        params.push_back({QStringLiteral("OLD_") + fields_[i]->fieldName(), old[i]});
    }
    conn_->execute(sql, params);
    if (kind != Write::Insert && conn_->lastMatchedRows() == 0)
        throw RowNotFoundError();
}

// The fields of the update table's own columns that are written back.
std::vector<Field *> Dataset::ownFields() const {
    const QString table = updateTable();
    std::vector<Field *> own;
    for (const auto &f : fields_)
        if (f->isWritten() && !f->column().orgName.isEmpty() &&
            f->column().table.compare(table, Qt::CaseInsensitive) == 0)
            own.push_back(f.get());
    return own;
}

const QStringList &Dataset::primaryKey() {
    if (!primaryKey_)
        primaryKey_ = conn_->primaryKeyColumns(updateTable());
    if (primaryKey_->isEmpty())
        throw DatasetError(QStringLiteral("A tabela %1 não tem chave primária").arg(updateTable()));
    return *primaryKey_;
}

void Dataset::writeGenerated(Write kind, const std::vector<QVariant> &values, const std::vector<QVariant> &old) {
    const QString table = updateTable();
    if (table.isEmpty())
        throw DatasetError(QStringLiteral("%1 não tem tabela para gravar").arg(objectName()));
    const std::vector<Field *> own = ownFields();
    db::Params params;
    QStringList columns, marks;
    // Inserted rows name only the columns given a value, so the table's
    // defaults (and its auto-increment) fill the rest.
    for (Field *f : own) {
        const std::size_t i = std::size_t(f->index());
        const bool give = kind == Write::Insert ? assigned_[i] || !isNullValue(values[i])
                                                : kind == Write::Modify && assigned_[i];
        if (!give)
            continue;
        const QString mark = QStringLiteral("v%1").arg(params.size());
        columns << quoted(f->column().orgName);
        marks << u':' + mark;
        params.push_back({mark, values[i]});
    }
    if (kind == Write::Insert) {
        conn_->execute(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                           .arg(quoted(table), columns.join(u','), marks.join(u',')),
                       params);
        return;
    }
    if (kind == Write::Modify && columns.isEmpty())
        return;  // nothing of the table changed
    QStringList where;
    for (const QString &key : primaryKey()) {
        const auto it = std::find_if(own.begin(), own.end(), [&](const Field *f) {
            return f->column().orgName.compare(key, Qt::CaseInsensitive) == 0;
        });
        if (it == own.end())
            throw DatasetError(QStringLiteral("A chave %1 de %2 não está entre os campos").arg(key, table));
        const QString mark = QStringLiteral("k%1").arg(params.size());
        where << quoted(key) + QStringLiteral(" = :") + mark;
        params.push_back({mark, old[std::size_t((*it)->index())]});
    }
    QString sql;
    if (kind == Write::Modify) {
        QStringList sets;
        for (int i = 0; i < columns.size(); ++i)
            sets << columns[i] + u'=' + marks[i];
        sql = QStringLiteral("UPDATE %1 SET %2 WHERE %3").arg(quoted(table), sets.join(u','), where.join(" AND "));
    } else {
        sql = QStringLiteral("DELETE FROM %1 WHERE %2").arg(quoted(table), where.join(" AND "));
    }
    conn_->execute(sql, params);
    if (conn_->lastMatchedRows() == 0)
        throw RowNotFoundError();
}

// The key the server generated for an inserted row goes into its field.
void Dataset::readBackKey() {
    const QString table = updateTable();
    for (const auto &f : fields_) {
        const db::Column &c = f->column();
        if (!c.autoIncrement || c.table.compare(table, Qt::CaseInsensitive) != 0)
            continue;
        QVariant &v = editBuf_[std::size_t(f->index())];
        const quint64 generated = conn_->lastInsertId();
        if (generated != 0 && (isNullValue(v) || v.toLongLong() == 0))
            v = qint64(generated);
        return;
    }
}

} // namespace drav::ds
