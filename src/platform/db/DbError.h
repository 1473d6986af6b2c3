#pragma once

#include <QString>

#include <stdexcept>

namespace drav::db {

// Every failure of the connection layer: the server's (or client's) error
// number, message and SQL state.
class DbError : public std::runtime_error {
public:
    DbError(unsigned code, QString message, QString sqlState)
        : std::runtime_error(message.toStdString()), code_(code), message_(std::move(message)),
          sqlState_(std::move(sqlState)) {}

    unsigned code() const { return code_; }
    const QString &message() const { return message_; }
    const QString &sqlState() const { return sqlState_; }

private:
    unsigned code_;
    QString message_;
    QString sqlState_;
};

} // namespace drav::db
