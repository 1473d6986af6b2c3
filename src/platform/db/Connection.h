#pragma once
// Thin RAII wrapper over MariaDB Connector/C.
//
// Values reach the server only through the connector's own escaping
// (mysql_real_escape_string) when named parameters are bound; nothing a
// caller passes as a value is ever spliced raw into a statement.

#include "platform/db/DbError.h"
#include "platform/db/Result.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QStringList>
#include <QTime>
#include <QVariant>

#include <functional>
#include <memory>
#include <vector>

struct st_mysql;

namespace drav::db {

struct ConnectParams {
    QString host;        // empty = localhost
    int port = 0;        // 0 or 3306 = the server's default port
    QString user;
    QString password;
    QString database;    // may be empty: connect to no database
};

// A named parameter: `:Name` in the statement, matched case-insensitively.
// The value is a QVariant: a null QVariant is SQL NULL; integers, doubles,
// QString, QDate, QTime, QDateTime and bool are written as literals of their type.
struct Param {
    QString name;
    QVariant value;
};
using Params = std::vector<Param>;

class Connection {
public:
    Connection();
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    // Connects and prepares the session (read committed, sql_mode without
    // ONLY_FULL_GROUP_BY/ANSI_QUOTES, utf8mb4 client character set).
    // Throws DbError on failure; a connected connection is closed first.
    void connect(const ConnectParams &params);
    void disconnect();
    bool isConnected() const;
    const ConnectParams &params() const { return params_; }

    // Runs one statement that returns no rows; returns the affected rows.
    quint64 execute(const QString &sql, const Params &params = {});
    // Runs one statement and stores its whole result on the client.
    Result query(const QString &sql, const Params &params = {});
    // Runs a ";"-separated script; statements are taken literally (a colon is
    // no parameter marker). Returns the number of statements run.
    int executeScript(const QString &script);

    // Statement text with the parameters replaced by escaped literals.
    QString bind(const QString &sql, const Params &params) const;
    // A value as an SQL literal (quoted and escaped where needed).
    QString literal(const QVariant &value) const;

    quint64 lastInsertId() const;
    // Rows the last UPDATE found, changed or not (the affected rows of any
    // other statement): a row rewritten with its own values still counts.
    quint64 lastMatchedRows() const;
    // The columns of a table's primary key, in key order (empty: no key).
    QStringList primaryKeyColumns(const QString &table);

    void begin();
    void commit();
    void rollback();
    bool inTransaction() const;

    // Observer of every statement sent (the SQL trace hooks in here).
    using StatementObserver = std::function<void(const QString &sql)>;
    void setStatementObserver(StatementObserver observer) { observer_ = std::move(observer); }

    st_mysql *handle() const { return mysql_; }

private:
    void ensureConnected() const;
    void run(const QByteArray &sql);
    [[noreturn]] void raise(const QString &context = {}) const;

    st_mysql *mysql_ = nullptr;
    ConnectParams params_;
    bool inTransaction_ = false;
    StatementObserver observer_;
};

// Walks a statement: `text` receives the pieces between parameters, and
// `parameter` each `:Name` outside quotes (not "::", not a colon inside a word).
void scanParameters(const QString &sql, const std::function<void(QStringView)> &text,
                    const std::function<void(const QString &)> &parameter);
// The parameter names of a statement, each once, in order of appearance.
QStringList parameterNames(const QString &sql);

// Splits a script at ";" outside quotes, backquotes and comments; backslash
// escapes inside quotes are respected. Empty statements are dropped.
std::vector<QString> splitScript(const QString &script);

} // namespace drav::db
