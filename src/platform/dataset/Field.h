#pragma once
// A field of a dataset: one column of its rows, with the declared properties
// the forms rely on (label, required, formats, mask, validation).
//
// Fields are made from the result columns when the dataset opens; a field
// keeps its identity across close and reopen while the column keeps its name.
// Reads on a closed dataset, or with no current row, give null.

#include "platform/dataset/EditMask.h"
#include "platform/db/Result.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>
#include <QVariant>

#include <functional>

namespace drav::ds {

class Dataset;
class Field;

enum class FieldType { Unknown, Integer, Float, String, Date, Time, DateTime, Blob };

// Runs after a value was assigned, seeing the new value. Throwing refuses the
// assignment: the field gets its old value back, unless the validator itself
// assigned the field (cleared it, say), in which case that value stays.
using FieldValidator = std::function<void(Field &)>;

// The declared properties of a field, applied by name over the field made
// from the column. Type and size always come from the column.
struct FieldDef {
    QString name;
    QString displayLabel;
    bool required = false;
    bool written = true;     // false: never written back (joined names, lookups)
    bool visible = true;     // false: not shown in grids
    QString displayFormat;   // number picture for display, e.g. "000000", "0.00"
    QString editFormat;      // number picture while editing (display format when empty)
    QString editMask;        // e.g. "!99/99/0000;1;_"
    bool currency = false;   // shown as money when there is no display format
    FieldValidator validate;
};

// Formats a number by a picture such as "0.00" or "000000". The form
// framework installs its FormatFloat here; until then numbers are shown plain.
using NumberFormatter = std::function<QString(const QString &picture, double value)>;
void setNumberFormatter(NumberFormatter formatter);

// One cell as the dataset holds it: a buffered value (the edited row, a
// posted row) or a place in the stored result. Neither: null.
struct Cell {
    const QVariant *value = nullptr;
    const db::Result *result = nullptr;
    int row = -1;
    int col = -1;
    bool isNull() const;
};

class Field {
public:
    Field(Dataset &dataset, int index, const db::Column &column);
    Field(const Field &) = delete;
    Field &operator=(const Field &) = delete;

    Dataset &dataset() const { return *dataset_; }
    int index() const { return index_; }
    const QString &fieldName() const { return column_.name; }
    FieldType dataType() const { return type_; }
    // Characters of text (digits of numbers) the column takes.
    int size() const { return int(column_.length); }
    const db::Column &column() const { return column_; }

    const QString &displayLabel() const { return def_.displayLabel; }
    void setDisplayLabel(const QString &label) { def_.displayLabel = label; }
    // The label, or the name when there is none.
    QString displayName() const { return def_.displayLabel.isEmpty() ? fieldName() : def_.displayLabel; }
    bool required() const { return def_.required; }
    void setRequired(bool required) { def_.required = required; }
    bool isWritten() const { return def_.written; }
    void setWritten(bool written) { def_.written = written; }
    bool visible() const { return def_.visible; }
    void setVisible(bool visible) { def_.visible = visible; }
    const QString &displayFormat() const { return def_.displayFormat; }
    void setDisplayFormat(const QString &format) { def_.displayFormat = format; }
    const QString &editFormat() const { return def_.editFormat; }
    void setEditFormat(const QString &format) { def_.editFormat = format; }
    const QString &editMask() const { return def_.editMask; }
    void setEditMask(const QString &mask);
    const EditMask &mask() const { return mask_; }
    bool currency() const { return def_.currency; }
    void setCurrency(bool currency) { def_.currency = currency; }
    void setValidator(FieldValidator validator) { def_.validate = std::move(validator); }

    // Reads of the current row.
    bool isNull() const;
    QVariant value() const;        // typed by the field (null QVariant for NULL)
    QString asString() const;      // "" for NULL
    qint64 asInteger() const;      // 0 for NULL
    double asFloat() const;        // 0 for NULL
    QDate asDate() const;          // invalid for NULL
    QTime asTime() const;
    QDateTime asDateTime() const;
    QString displayText() const;   // through the display format
    QString editText() const;      // through the edit format or mask

    // The same reads for any row of the dataset (grids).
    QVariant valueAt(int row) const;
    QString displayTextAt(int row) const;
    QString editTextAt(int row) const;

    // Assignments: only while the dataset edits or inserts a row.
    void setValue(const QVariant &value);
    void setAsString(const QString &text) { setValue(text); }
    void setAsInteger(qint64 value) { setValue(value); }
    void setAsFloat(double value) { setValue(value); }
    void setAsDate(const QDate &date) { setValue(date.isValid() ? QVariant(date) : QVariant()); }
    void setAsTime(const QTime &time) { setValue(time.isValid() ? QVariant(time) : QVariant()); }
    void setAsDateTime(const QDateTime &dt) { setValue(dt.isValid() ? QVariant(dt) : QVariant()); }
    // Text as typed into a control: the mask is taken off, a blank text clears.
    void setText(const QString &text);
    void clear() { setValue(QVariant()); }
    void assign(const Field &source) { setValue(source.value()); }

private:
    friend class Dataset;
    void attach(int index, const db::Column &column);
    void apply(const FieldDef &def);
    Cell cell() const;
    Cell cellAt(int row) const;
    QVariant valueOf(const Cell &c) const;
    QString stringOf(const Cell &c) const;
    QString displayTextOf(const Cell &c) const;
    QString editTextOf(const Cell &c) const;
    QString numberText(const Cell &c, const QString &picture) const;

    Dataset *dataset_;
    int index_;
    db::Column column_;
    FieldType type_;
    FieldDef def_;
    EditMask mask_;
    quint64 assignments_ = 0;
};

// Field type of a result column.
FieldType fieldTypeOf(const db::Column &column);
// A value converted to what a field of `type` holds; throws ConversionError.
QVariant convertValue(FieldType type, const QVariant &value);

} // namespace drav::ds
