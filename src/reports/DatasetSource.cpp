#include "reports/DatasetSource.h"

namespace drav::report {

namespace {

QVariant storedValue(const db::Result &r, int row, int col, db::ColumnType type) {
    if (r.isNull(row, col))
        return {};
    switch (type) {
    case db::ColumnType::Integer:
        return r.integer(row, col);
    case db::ColumnType::Decimal:
    case db::ColumnType::Real:
        return r.real(row, col);
    case db::ColumnType::Date: {
        const QDate d = r.date(row, col);
        return d.isValid() ? QVariant(d) : QVariant();
    }
    case db::ColumnType::DateTime: {
        const QDateTime d = r.dateTime(row, col);
        return d.isValid() ? QVariant(d) : QVariant();
    }
    case db::ColumnType::Time:
        return r.time(row, col);
    default:
        return r.value(row, col);
    }
}

// A buffered value (a row posted or being edited) holds what was assigned;
// numeric text of a decimal column still prints as a number.
QVariant bufferedValue(const QVariant &v, db::ColumnType type) {
    if ((type == db::ColumnType::Decimal || type == db::ColumnType::Real) &&
        v.typeId() == QMetaType::QString) {
        bool ok = false;
        const double d = v.toString().toDouble(&ok);
        return ok ? QVariant(d) : v;
    }
    return v;
}

} // namespace

bool DatasetSource::first() {
    indexFields();
    if (!dataset_.isActive())
        return false;
    dataset_.first();
    return !dataset_.eof();
}

bool DatasetSource::next() {
    dataset_.next();
    return !dataset_.eof();
}

QStringList DatasetSource::fields() const {
    if (int(names_.size()) != dataset_.fieldCount())
        indexFields();
    return names_;
}

void DatasetSource::indexFields() const {
    names_.clear();
    exact_.clear();
    lower_.clear();
    types_.clear();
    for (int i = 0; i < dataset_.fieldCount(); ++i) {
        const ds::Field &f = dataset_.field(i);
        names_ << f.fieldName();
        exact_.insert(f.fieldName(), i);
        lower_.insert(f.fieldName().toLower(), i);
        types_.push_back(f.column().type);
    }
}

int DatasetSource::indexOf(const QString &field) const {
    // The engine asks for every field of a row in the order of fields(), with
    // the very strings it got from there: try the place after the last one.
    const int guess = nextGuess_ < int(names_.size()) ? nextGuess_ : 0;
    if (guess < int(names_.size()) && names_[guess].constData() == field.constData()) {
        nextGuess_ = guess + 1;
        return guess;
    }
    const auto it = exact_.constFind(field);
    if (it != exact_.constEnd())
        return *it;
    return lower_.value(field.toLower(), -1);
}

QVariant DatasetSource::value(const QString &field) const {
    const int col = indexOf(field);
    if (col < 0)
        return {};
    const ds::Cell c = dataset_.cellAt(dataset_.currentIndex(), col);
    const db::ColumnType type = types_[std::size_t(col)];
    if (c.value)
        return bufferedValue(*c.value, type);
    if (!c.result)
        return {};
    return storedValue(*c.result, c.row, c.col, type);
}

} // namespace drav::report
