#pragma once
// Report rows straight from an open dataset: the engine walks the dataset's
// own cursor (hooks that read the dataset see the row being printed) and the
// values come from the stored result without a copy per row.

#include "platform/dataset/Dataset.h"
#include "platform/report/RowSource.h"

#include <QHash>
#include <vector>

namespace drav::report {

class DatasetSource final : public RowSource {
public:
    explicit DatasetSource(ds::Dataset &dataset) : dataset_(dataset) {}

    ds::Dataset &dataset() const { return dataset_; }

    bool first() override;
    bool next() override;
    QStringList fields() const override;
    // Decimals come as numbers, so that they print with the decimal comma and
    // take numeric masks; a zero date prints empty.
    QVariant value(const QString &field) const override;

private:
    // The fields change when the statement changes: read them again at
    // every walk.
    void indexFields() const;
    int indexOf(const QString &field) const;

    ds::Dataset &dataset_;
    mutable QStringList names_;
    mutable QHash<QString, int> exact_; // names as fields() gives them: the engine's lookups
    mutable QHash<QString, int> lower_; // any other letter case
    mutable std::vector<db::ColumnType> types_;
    mutable int nextGuess_ = 0;
};

} // namespace drav::report
