#include "platform/db/Result.h"

#include <mysql.h>

#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace drav::db {

namespace {

ColumnType typeOf(const MYSQL_FIELD &f) {
    switch (f.type) {
    case MYSQL_TYPE_TINY:
    case MYSQL_TYPE_SHORT:
    case MYSQL_TYPE_LONG:
    case MYSQL_TYPE_INT24:
    case MYSQL_TYPE_LONGLONG:
    case MYSQL_TYPE_YEAR:
        return ColumnType::Integer;
    case MYSQL_TYPE_DECIMAL:
    case MYSQL_TYPE_NEWDECIMAL:
        return ColumnType::Decimal;
    case MYSQL_TYPE_FLOAT:
    case MYSQL_TYPE_DOUBLE:
        return ColumnType::Real;
    case MYSQL_TYPE_DATE:
    case MYSQL_TYPE_NEWDATE:
        return ColumnType::Date;
    case MYSQL_TYPE_TIME:
        return ColumnType::Time;
    case MYSQL_TYPE_DATETIME:
    case MYSQL_TYPE_TIMESTAMP:
        return ColumnType::DateTime;
    case MYSQL_TYPE_TINY_BLOB:
    case MYSQL_TYPE_MEDIUM_BLOB:
    case MYSQL_TYPE_LONG_BLOB:
    case MYSQL_TYPE_BLOB:
        return (f.flags & BINARY_FLAG) && f.charsetnr == 63 ? ColumnType::Blob : ColumnType::Text;
    case MYSQL_TYPE_VARCHAR:
    case MYSQL_TYPE_VAR_STRING:
    case MYSQL_TYPE_STRING:
    case MYSQL_TYPE_ENUM:
    case MYSQL_TYPE_SET:
        return ColumnType::Text;
    default:
        return ColumnType::Other;
    }
}

// Parses digits of fixed width; -1 when they are not digits.
int digits(const char *p, int n) {
    int v = 0;
    for (int i = 0; i < n; ++i) {
        if (p[i] < '0' || p[i] > '9')
            return -1;
        v = v * 10 + (p[i] - '0');
    }
    return v;
}

QDate parseDate(const char *p, unsigned long len) {
    if (len < 10)
        return {};
    return QDate(digits(p, 4), digits(p + 5, 2), digits(p + 8, 2));
}

QTime parseTime(const char *p, unsigned long len) {
    if (len < 8)
        return {};
    return QTime(digits(p, 2), digits(p + 3, 2), digits(p + 6, 2));
}

} // namespace

void Result::ResDeleter::operator()(st_mysql_res *r) const { mysql_free_result(r); }

Result::Result(st_mysql_res *res) : res_(res) {
    const unsigned ncol = mysql_num_fields(res);
    MYSQL_FIELD *fields = mysql_fetch_fields(res);
    columns_.reserve(ncol);
    for (unsigned i = 0; i < ncol; ++i) {
        const MYSQL_FIELD &f = fields[i];
        Column c;
        c.name = QString::fromUtf8(f.name, int(f.name_length));
        c.table = QString::fromUtf8(f.org_table, int(f.org_table_length));
        c.orgName = QString::fromUtf8(f.org_name, int(f.org_name_length));
        c.type = typeOf(f);
        // Lengths come in bytes of the client character set (utf8mb4: 4 per character).
        const unsigned mbmax = c.type == ColumnType::Text ? 4 : 1;
        c.length = f.length / mbmax;
        c.decimals = f.decimals;
        c.notNull = f.flags & NOT_NULL_FLAG;
        c.primaryKey = f.flags & PRI_KEY_FLAG;
        c.autoIncrement = f.flags & AUTO_INCREMENT_FLAG;
        c.isUnsigned = f.flags & UNSIGNED_FLAG;
        columns_.push_back(std::move(c));
    }
    const auto nrow = std::size_t(mysql_num_rows(res));
    rows_.reserve(nrow);
    lengths_.reserve(nrow * ncol);
    while (MYSQL_ROW row = mysql_fetch_row(res)) {
        rows_.push_back(row);
        const unsigned long *len = mysql_fetch_lengths(res);
        lengths_.insert(lengths_.end(), len, len + ncol);
    }
}

int Result::columnIndex(const QString &name) const {
    for (int i = 0; i < columnCount(); ++i)
        if (columns_[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int Result::requireColumn(const QString &name) const {
    const int i = columnIndex(name);
    if (i < 0)
        throw std::out_of_range("no column " + name.toStdString());
    return i;
}

QString Result::text(int row, int col) const {
    const char *p = raw(row, col);
    return p ? QString::fromUtf8(p, int(rawLength(row, col))) : QString();
}

qint64 Result::integer(int row, int col) const {
    const char *p = raw(row, col);
    return p ? std::strtoll(p, nullptr, 10) : 0;
}

double Result::real(int row, int col) const {
    const char *p = raw(row, col);
    return p ? std::strtod(p, nullptr) : 0.0;
}

QDate Result::date(int row, int col) const {
    const char *p = raw(row, col);
    return p ? parseDate(p, rawLength(row, col)) : QDate();
}

QTime Result::time(int row, int col) const {
    const char *p = raw(row, col);
    return p ? parseTime(p, rawLength(row, col)) : QTime();
}

QDateTime Result::dateTime(int row, int col) const {
    const char *p = raw(row, col);
    const unsigned long len = p ? rawLength(row, col) : 0;
    if (len < 19)
        return {};
    const QDate d = parseDate(p, len);
    return d.isValid() ? QDateTime(d, parseTime(p + 11, len - 11)) : QDateTime();
}

QVariant Result::value(int row, int col) const {
    if (isNull(row, col))
        return {};
    switch (columns_[col].type) {
    case ColumnType::Integer:
        return QVariant(integer(row, col));
    case ColumnType::Real:
        return QVariant(real(row, col));
    case ColumnType::Date:
        return QVariant(date(row, col));
    case ColumnType::Time:
        return QVariant(time(row, col));
    case ColumnType::DateTime:
        return QVariant(dateTime(row, col));
    case ColumnType::Blob:
        return QVariant(QByteArray(raw(row, col), int(rawLength(row, col))));
    case ColumnType::Decimal:
    case ColumnType::Text:
    case ColumnType::Other:
        break;
    }
    return QVariant(text(row, col));
}

QVariant Result::value(int row, const QString &column) const { return value(row, requireColumn(column)); }
QString Result::text(int row, const QString &column) const { return text(row, requireColumn(column)); }
qint64 Result::integer(int row, const QString &column) const { return integer(row, requireColumn(column)); }

} // namespace drav::db
