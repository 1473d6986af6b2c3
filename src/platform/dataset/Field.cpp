#include "platform/dataset/Field.h"

#include "platform/dataset/Dataset.h"

#include <QLocale>

#include <cmath>

namespace drav::ds {

namespace {

NumberFormatter &numberFormatter() {
    static NumberFormatter formatter;
    return formatter;
}

const QString kDate = QStringLiteral("dd/MM/yyyy");
const QString kTime = QStringLiteral("HH:mm:ss");
const QString kDateTime = QStringLiteral("dd/MM/yyyy HH:mm:ss");

bool isNullValue(const QVariant &v) { return !v.isValid() || v.isNull(); }

// Numbers are written with the decimal comma of the program's formats.
QString plainNumber(double v) { return QString::number(v, 'g', 15).replace(u'.', u','); }

QString plainInteger(const QVariant &v) { return QString::number(v.toLongLong()); }

std::optional<double> parseNumber(QString text) {
    text = text.trimmed();
    if (text.contains(u',')) {
        text.remove(u'.');
        text.replace(u',', u'.');
    }
    bool ok = false;
    const double d = text.toDouble(&ok);
    return ok ? std::optional<double>(d) : std::nullopt;
}

QDate parseDate(const QString &text) {
    const QString t = text.trimmed();
    QDate d = QDate::fromString(t, kDate);
    if (!d.isValid())
        d = QDate::fromString(t, QStringLiteral("d/M/yyyy"));
    if (!d.isValid())
        d = QDate::fromString(t.left(10), Qt::ISODate);
    return d;
}

QTime parseTime(const QString &text) {
    const QString t = text.trimmed();
    QTime time = QTime::fromString(t, kTime);
    if (!time.isValid())
        time = QTime::fromString(t, QStringLiteral("H:mm"));
    if (!time.isValid())
        time = QTime::fromString(t, QStringLiteral("H:mm:ss"));
    return time;
}

QDateTime parseDateTime(const QString &text) {
    const QString t = text.trimmed();
    QDateTime dt = QDateTime::fromString(t, kDateTime);
    if (!dt.isValid())
        dt = QDateTime::fromString(t, Qt::ISODate);
    if (!dt.isValid())
        dt = QDateTime::fromString(t, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!dt.isValid()) {
        const QDate d = parseDate(t);
        if (d.isValid())
            dt = QDateTime(d, QTime(0, 0));
    }
    return dt;
}

[[noreturn]] void notValid(const QString &text, const char *what) {
    throw ConversionError(QStringLiteral("'%1' não é %2").arg(text, QString::fromUtf8(what)));
}

QVariant toInteger(const QVariant &v) {
    switch (v.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
        return qint64(std::llround(v.toDouble()));
    case QMetaType::QString: {
        const QString t = v.toString().trimmed();
        if (t.isEmpty())
            return {};
        bool ok = false;
        const qint64 i = t.toLongLong(&ok);
        if (ok)
            return i;
        if (const auto d = parseNumber(t); d && std::floor(*d) == *d)
            return qint64(*d);
        notValid(t, "um valor inteiro válido");
    }
    default:
        return v.toLongLong();
    }
}

QVariant toFloat(const QVariant &v) {
    if (v.typeId() != QMetaType::QString)
        return v.toDouble();
    const QString t = v.toString().trimmed();
    if (t.isEmpty())
        return {};
    if (const auto d = parseNumber(t))
        return *d;
    notValid(t, "um número válido");
}

QVariant toDate(const QVariant &v) {
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime().date();
    if (v.typeId() == QMetaType::QDate)
        return v.toDate().isValid() ? v : QVariant();
    const QString t = v.toString().trimmed();
    if (t.isEmpty())
        return {};
    const QDate d = parseDate(t);
    if (!d.isValid())
        notValid(t, "uma data válida");
    return d;
}

QVariant toTime(const QVariant &v) {
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime().time();
    if (v.typeId() == QMetaType::QTime)
        return v.toTime().isValid() ? v : QVariant();
    const QString t = v.toString().trimmed();
    if (t.isEmpty())
        return {};
    const QTime time = parseTime(t);
    if (!time.isValid())
        notValid(t, "uma hora válida");
    return time;
}

QVariant toDateTime(const QVariant &v) {
    if (v.typeId() == QMetaType::QDate)
        return v.toDate().isValid() ? QVariant(QDateTime(v.toDate(), QTime(0, 0))) : QVariant();
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime().isValid() ? v : QVariant();
    const QString t = v.toString().trimmed();
    if (t.isEmpty())
        return {};
    const QDateTime dt = parseDateTime(t);
    if (!dt.isValid())
        notValid(t, "uma data e hora válida");
    return dt;
}

// Text of a value held by a field of `type`.
QString textOf(FieldType type, const QVariant &v) {
    if (isNullValue(v))
        return {};
    switch (type) {
    case FieldType::Integer:
        return v.typeId() == QMetaType::QString ? v.toString() : plainInteger(v);
    case FieldType::Float:
        return plainNumber(v.toDouble());
    case FieldType::Date: {
        const QDate d = v.typeId() == QMetaType::QString ? parseDate(v.toString()) : v.toDate();
        return d.isValid() ? d.toString(kDate) : QString();
    }
    case FieldType::Time: {
        const QTime t = v.typeId() == QMetaType::QString ? parseTime(v.toString()) : v.toTime();
        return t.isValid() ? t.toString(kTime) : QString();
    }
    case FieldType::DateTime: {
        const QDateTime dt = v.typeId() == QMetaType::QString ? parseDateTime(v.toString()) : v.toDateTime();
        return dt.isValid() ? dt.toString(kDateTime) : QString();
    }
    default:
        if (v.typeId() == QMetaType::Double)
            return plainNumber(v.toDouble());
        if (v.typeId() == QMetaType::QDate)
            return v.toDate().toString(kDate);
        return v.toString();
    }
}

QString currencyText(double v) {
    const QString digits = QLocale(QLocale::Portuguese, QLocale::Brazil).toString(std::fabs(v), 'f', 2);
    return (v < 0 ? QStringLiteral("-R$ ") : QStringLiteral("R$ ")) + digits;
}

} // namespace

void setNumberFormatter(NumberFormatter formatter) { numberFormatter() = std::move(formatter); }

bool Cell::isNull() const {
    if (value)
        return isNullValue(*value);
    return !result || result->isNull(row, col);
}

FieldType fieldTypeOf(const db::Column &column) {
    switch (column.type) {
    case db::ColumnType::Integer: return FieldType::Integer;
    case db::ColumnType::Decimal:
    case db::ColumnType::Real: return FieldType::Float;
    case db::ColumnType::Text: return FieldType::String;
    case db::ColumnType::Blob: return FieldType::Blob;
    case db::ColumnType::Date: return FieldType::Date;
    case db::ColumnType::Time: return FieldType::Time;
    case db::ColumnType::DateTime: return FieldType::DateTime;
    case db::ColumnType::Other: break;
    }
    return FieldType::String;
}

QVariant convertValue(FieldType type, const QVariant &v) {
    if (isNullValue(v))
        return {};
    switch (type) {
    case FieldType::Integer: return toInteger(v);
    case FieldType::Float: return toFloat(v);
    case FieldType::Date: return toDate(v);
    case FieldType::Time: return toTime(v);
    case FieldType::DateTime: return toDateTime(v);
    case FieldType::Blob: return v.typeId() == QMetaType::QByteArray ? v : QVariant(v.toString().toUtf8());
    case FieldType::String:
    case FieldType::Unknown: break;
    }
    return textOf(FieldType::Unknown, v);
}

Field::Field(Dataset &dataset, int index, const db::Column &column)
    : dataset_(&dataset), index_(index), column_(column), type_(fieldTypeOf(column)) {
    def_.name = column.name;
}

void Field::attach(int index, const db::Column &column) {
    index_ = index;
    column_ = column;
    type_ = fieldTypeOf(column);
}

void Field::apply(const FieldDef &def) {
    def_ = def;
    def_.name = column_.name;
    mask_ = EditMask(def_.editMask);
}

void Field::setEditMask(const QString &mask) {
    def_.editMask = mask;
    mask_ = EditMask(mask);
}

Cell Field::cell() const { return dataset_->cellAt(dataset_->currentIndex(), index_); }
Cell Field::cellAt(int row) const { return dataset_->cellAt(row, index_); }

QVariant Field::valueOf(const Cell &c) const {
    if (c.value)
        return *c.value;
    if (c.isNull())
        return {};
    const QVariant v = c.result->value(c.row, c.col);
    // A zero date has no QDate: keep the server's text, so it is written back as read.
    if ((type_ == FieldType::Date || type_ == FieldType::DateTime || type_ == FieldType::Time) && v.isValid() &&
        !(v.toDate().isValid() || v.toTime().isValid() || v.toDateTime().isValid()))
        return c.result->text(c.row, c.col);
    return v;
}

QString Field::stringOf(const Cell &c) const {
    if (!c.value && c.result && type_ == FieldType::String)
        return c.result->text(c.row, c.col);
    return textOf(type_, valueOf(c));
}

bool Field::isNull() const { return cell().isNull(); }
QVariant Field::value() const { return valueOf(cell()); }
QVariant Field::valueAt(int row) const { return valueOf(cellAt(row)); }
QString Field::asString() const { return stringOf(cell()); }

qint64 Field::asInteger() const {
    const Cell c = cell();
    if (!c.value && c.result && type_ == FieldType::Integer)
        return c.result->integer(c.row, c.col);
    const QVariant v = valueOf(c);
    return isNullValue(v) ? 0 : toInteger(v).toLongLong();
}

double Field::asFloat() const {
    const Cell c = cell();
    if (!c.value && c.result && (type_ == FieldType::Float || type_ == FieldType::Integer))
        return c.result->real(c.row, c.col);
    const QVariant v = valueOf(c);
    return isNullValue(v) ? 0.0 : toFloat(v).toDouble();
}

QDate Field::asDate() const {
    const QVariant v = value();
    if (isNullValue(v))
        return {};
    return v.typeId() == QMetaType::QString ? parseDate(v.toString()) : toDate(v).toDate();
}

QTime Field::asTime() const {
    const QVariant v = value();
    if (isNullValue(v) || (v.typeId() == QMetaType::QString && !parseTime(v.toString()).isValid()))
        return {};
    return toTime(v).toTime();
}

QDateTime Field::asDateTime() const {
    const QVariant v = value();
    if (isNullValue(v) || (v.typeId() == QMetaType::QString && !parseDateTime(v.toString()).isValid()))
        return {};
    return toDateTime(v).toDateTime();
}

QString Field::numberText(const Cell &c, const QString &picture) const {
    const double v = type_ == FieldType::Integer ? double(toInteger(valueOf(c)).toLongLong())
                                                 : toFloat(valueOf(c)).toDouble();
    if (!picture.isEmpty() && numberFormatter())
        return numberFormatter()(picture, v);
    if (picture.isEmpty() && def_.currency)
        return currencyText(v);
    return stringOf(c);
}

QString Field::displayTextOf(const Cell &c) const {
    if (c.isNull())
        return {};
    if (type_ == FieldType::Integer || type_ == FieldType::Float)
        return numberText(c, def_.displayFormat);
    return mask_.isEmpty() ? stringOf(c) : mask_.textOf(stringOf(c));
}

QString Field::editTextOf(const Cell &c) const {
    if (c.isNull())
        return mask_.isEmpty() ? QString() : mask_.textOf(QString());
    if (type_ == FieldType::Integer || type_ == FieldType::Float)
        return numberText(c, def_.editFormat.isEmpty() ? def_.displayFormat : def_.editFormat);
    return mask_.isEmpty() ? stringOf(c) : mask_.textOf(stringOf(c));
}

QString Field::displayText() const { return displayTextOf(cell()); }
QString Field::editText() const { return editTextOf(cell()); }
QString Field::displayTextAt(int row) const { return displayTextOf(cellAt(row)); }
QString Field::editTextAt(int row) const { return editTextOf(cellAt(row)); }

void Field::setValue(const QVariant &value) {
    dataset_->requireEditing();
    QVariant converted = convertValue(type_, value);
    const int index = index_;
    const QVariant before = dataset_->editBuf_[std::size_t(index)];
    const bool wasAssigned = dataset_->assigned_[std::size_t(index)];
    const bool wasModified = dataset_->modified_;
    const quint64 stamp = ++assignments_;
    dataset_->storeValue(index, std::move(converted));
    if (!def_.validate)
        return;
    try {
        def_.validate(*this);
    } catch (...) {
        // Only a validator that left the field alone gets the old value back.
        if (assignments_ == stamp)
            dataset_->restoreValue(index, before, wasAssigned, wasModified);
        throw;
    }
}

void Field::setText(const QString &text) {
    if (mask_.isEmpty() ? text.trimmed().isEmpty() && type_ != FieldType::String : mask_.isBlank(text)) {
        clear();
        return;
    }
    setValue(mask_.isEmpty() ? text : mask_.valueOf(text));
}

} // namespace drav::ds
