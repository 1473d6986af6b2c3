#pragma once
// Failures of the dataset layer. Database errors keep their own type
// (db::DbError); everything else the datasets refuse is a DatasetError.

#include <QString>

#include <stdexcept>

namespace drav::ds {

class Field;

class DatasetError : public std::runtime_error {
public:
    explicit DatasetError(const QString &message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString &message() const { return message_; }

private:
    QString message_;
};

// A required field left empty at post. The text is the platform's standard
// one, which the shared post-error handler recognises and turns into its
// Portuguese message: Field '<label or name>' must have a value.
class RequiredFieldError : public DatasetError {
public:
    RequiredFieldError(const Field &field, const QString &displayName)
        : DatasetError(QStringLiteral("Field '%1' must have a value").arg(displayName)), field_(&field) {}
    const Field &field() const { return *field_; }

private:
    const Field *field_;
};

// An update or delete that found no row to touch: someone else changed or
// removed it, or the row's old values do not identify it.
class RowNotFoundError : public DatasetError {
public:
    RowNotFoundError()
        : DatasetError(QStringLiteral("O registro não foi encontrado: foi alterado ou excluído por outro usuário.")) {}
};

// A text or value that the field's type cannot take.
class ConversionError : public DatasetError {
public:
    using DatasetError::DatasetError;
};

} // namespace drav::ds
