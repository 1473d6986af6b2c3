#include "platform/report/RowSource.h"

#include <stdexcept>

namespace drav::report {

MemoryRowSource::MemoryRowSource(QStringList fields, std::vector<QVariantList> rows)
    : fields_(std::move(fields)) {
    for (int i = 0; i < fields_.size(); ++i)
        index_.insert(fields_[i].toLower(), i);
    for (QVariantList &row : rows)
        append(std::move(row));
}

void MemoryRowSource::append(QVariantList row) {
    if (row.size() != fields_.size())
        throw std::invalid_argument("MemoryRowSource: a row has " + std::to_string(row.size()) +
                                    " values for " + std::to_string(fields_.size()) + " fields");
    rows_.push_back(std::move(row));
}

bool MemoryRowSource::first() {
    current_ = 0;
    return !rows_.empty();
}

bool MemoryRowSource::next() {
    if (current_ < int(rows_.size()))
        ++current_;
    return current_ < int(rows_.size());
}

QVariant MemoryRowSource::value(const QString &field) const {
    const auto it = index_.constFind(field.toLower());
    if (it == index_.constEnd() || current_ < 0 || current_ >= int(rows_.size()))
        return {};
    return rows_[std::size_t(current_)][*it];
}

Row::Row(const RowSource &source, std::shared_ptr<const QHash<QString, int>> index,
         const QStringList &fields)
    : index_(std::move(index)) {
    values_.reserve(fields.size());
    for (const QString &f : fields)
        values_.push_back(source.value(f));
}

bool Row::has(const QString &field) const { return index_ && index_->contains(field.toLower()); }

int Row::position(const QString &field) const {
    if (!index_)
        return -1;
    // Report fields are mostly written in lower case already: look them up
    // as given first, to spare a lower-cased copy.
    auto it = index_->constFind(field);
    if (it == index_->constEnd())
        it = index_->constFind(field.toLower());
    return it == index_->constEnd() || *it >= values_.size() ? -1 : *it;
}

QVariant Row::value(const QString &field) const {
    if (!index_)
        return {};
    const int pos = position(field);
    if (pos < 0)
        throw std::invalid_argument("campo inexistente na fonte do relatório: " + field.toStdString());
    return values_[pos];
}

std::shared_ptr<const QHash<QString, int>> Row::indexOf(const QStringList &fields) {
    auto index = std::make_shared<QHash<QString, int>>();
    for (int i = 0; i < fields.size(); ++i)
        index->insert(fields[i].toLower(), i);
    return index;
}

} // namespace drav::report
