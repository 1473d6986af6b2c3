#include "platform/db/Connection.h"

#include <errmsg.h>
#include <mysql.h>

#include <QRegularExpression>

#include <algorithm>

namespace drav::db {

namespace {

QByteArray utf8(const QString &s) { return s.toUtf8(); }

bool isIdentChar(QChar c) { return c.isLetterOrNumber() || c == u'_'; }

// Removes ONLY_FULL_GROUP_BY and ANSI_QUOTES from a sql_mode list: the
// program's grouped queries name non-aggregated columns, and its texts are
// quoted with double quotes in places. Adds NO_AUTO_VALUE_ON_ZERO: key 0 is
// a real row (the certificate order of every company), not "next number".
QString filteredSqlMode(const QString &mode) {
    QStringList kept;
    for (const QString &m : mode.split(u',', Qt::SkipEmptyParts))
        if (m != u"ONLY_FULL_GROUP_BY" && m != u"ANSI_QUOTES" && m != u"ANSI" && m != u"NO_AUTO_VALUE_ON_ZERO")
            kept << m;
    kept << QStringLiteral("NO_AUTO_VALUE_ON_ZERO");
    return kept.join(u',');
}

} // namespace

Connection::Connection() = default;

Connection::~Connection() { disconnect(); }

bool Connection::isConnected() const { return mysql_ != nullptr; }

void Connection::ensureConnected() const {
    if (!mysql_)
        throw DbError(CR_SERVER_GONE_ERROR, QStringLiteral("Not connected"), QStringLiteral("HY000"));
}

void Connection::connect(const ConnectParams &p) {
    disconnect();
    MYSQL *m = mysql_init(nullptr);
    if (!m)
        throw DbError(CR_OUT_OF_MEMORY, QStringLiteral("Out of memory"), QStringLiteral("HY000"));
    mysql_optionsv(m, MYSQL_SET_CHARSET_NAME, "utf8mb4");
    unsigned timeout = 10;
    mysql_optionsv(m, MYSQL_OPT_CONNECT_TIMEOUT, &timeout);
    const QByteArray host = utf8(p.host.isEmpty() ? QStringLiteral("localhost") : p.host);
    const QByteArray user = utf8(p.user), pass = utf8(p.password), db = utf8(p.database);
    const unsigned port = (p.port == 0 || p.port == 3306) ? 0u : unsigned(p.port);
    // The client library takes "localhost" as the local socket and ignores
    // the port; with an explicit port the user means TCP on this machine.
    const bool local = host.compare("localhost", Qt::CaseInsensitive) == 0;
    const char *hostArg = local && port != 0 ? "127.0.0.1" : host.constData();
    if (!mysql_real_connect(m, hostArg, user.constData(), pass.constData(),
                            db.isEmpty() ? nullptr : db.constData(), port, nullptr, 0)) {
        DbError err(mysql_errno(m), QString::fromUtf8(mysql_error(m)), QString::fromLatin1(mysql_sqlstate(m)));
        mysql_close(m);
        throw err;
    }
    mysql_ = m;
    params_ = p;
    inTransaction_ = false;
    try {
        run("SET SESSION TRANSACTION ISOLATION LEVEL READ COMMITTED");
        Result mode = query(QStringLiteral("SELECT @@SESSION.sql_mode"));
        const QString filtered = filteredSqlMode(mode.rowCount() ? mode.text(0, 0) : QString());
        execute(QStringLiteral("SET SESSION sql_mode = :mode"), {{QStringLiteral("mode"), filtered}});
    } catch (...) {
        disconnect();
        throw;
    }
}

void Connection::disconnect() {
    if (mysql_) {
        mysql_close(mysql_);
        mysql_ = nullptr;
    }
    inTransaction_ = false;
}

[[noreturn]] void Connection::raise(const QString &context) const {
    QString msg = QString::fromUtf8(mysql_error(mysql_));
    if (!context.isEmpty() && msg.isEmpty())
        msg = context;
    throw DbError(mysql_errno(mysql_), msg, QString::fromLatin1(mysql_sqlstate(mysql_)));
}

void Connection::run(const QByteArray &sql) {
    ensureConnected();
    if (observer_)
        observer_(QString::fromUtf8(sql));
    if (mysql_real_query(mysql_, sql.constData(), sql.size()) != 0)
        raise();
}

quint64 Connection::execute(const QString &sql, const Params &params) {
    run(utf8(params.empty() ? sql : bind(sql, params)));
    // A statement that returns rows anyway (SHOW, a SELECT run for effect):
    // drain it so the connection stays usable.
    if (MYSQL_RES *res = mysql_store_result(mysql_)) {
        mysql_free_result(res);
        return 0;
    }
    if (mysql_field_count(mysql_) != 0)
        raise();
    const my_ulonglong n = mysql_affected_rows(mysql_);
    return n == my_ulonglong(-1) ? 0 : quint64(n);
}

Result Connection::query(const QString &sql, const Params &params) {
    run(utf8(params.empty() ? sql : bind(sql, params)));
    MYSQL_RES *res = mysql_store_result(mysql_);
    if (!res) {
        if (mysql_field_count(mysql_) != 0)
            raise();
        return Result();
    }
    return Result(res);
}

int Connection::executeScript(const QString &script) {
    int n = 0;
    for (const QString &statement : splitScript(script)) {
        run(utf8(statement));
        if (MYSQL_RES *res = mysql_store_result(mysql_))
            mysql_free_result(res);
        else if (mysql_field_count(mysql_) != 0)
            raise();
        ++n;
    }
    return n;
}

QString Connection::literal(const QVariant &v) const {
    if (!v.isValid() || v.isNull())
        return QStringLiteral("NULL");
    switch (v.typeId()) {
    case QMetaType::Bool:
        return v.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return v.toString();
    case QMetaType::Double:
    case QMetaType::Float:
        return QString::number(v.toDouble(), 'g', 17);
    case QMetaType::QDate: {
        const QDate d = v.toDate();
        return d.isValid() ? u'\'' + d.toString(QStringLiteral("yyyy-MM-dd")) + u'\'' : QStringLiteral("NULL");
    }
    case QMetaType::QTime: {
        const QTime t = v.toTime();
        return t.isValid() ? u'\'' + t.toString(QStringLiteral("HH:mm:ss")) + u'\'' : QStringLiteral("NULL");
    }
    case QMetaType::QDateTime: {
        const QDateTime dt = v.toDateTime();
        return dt.isValid() ? u'\'' + dt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) + u'\''
                            : QStringLiteral("NULL");
    }
    default:
        break;
    }
    const QByteArray text = v.typeId() == QMetaType::QByteArray ? v.toByteArray() : utf8(v.toString());
    QByteArray escaped(text.size() * 2 + 1, Qt::Uninitialized);
    unsigned long len;
    if (mysql_) {
        len = mysql_real_escape_string(mysql_, escaped.data(), text.constData(), text.size());
    } else {
        len = mysql_escape_string(escaped.data(), text.constData(), text.size());
    }
    escaped.truncate(int(len));
    return u'\'' + QString::fromUtf8(escaped) + u'\'';
}

void scanParameters(const QString &sql, const std::function<void(QStringView)> &text,
                    const std::function<void(const QString &)> &parameter) {
    const int n = sql.size();
    int chunk = 0;  // start of the text not yet handed on
    QChar quote;
    for (int i = 0; i < n; ++i) {
        const QChar c = sql[i];
        if (!quote.isNull()) {
            if (c == u'\\')
                ++i;
            else if (c == quote)
                quote = QChar();
            continue;
        }
        if (c == u'\'' || c == u'"' || c == u'`') {
            quote = c;
            continue;
        }
        // ":Name" – but not "::" nor a colon inside a word (times like 10:30 are quoted anyway).
        if (c == u':' && i + 1 < n && (sql[i + 1].isLetter() || sql[i + 1] == u'_') &&
            (i == 0 || (!isIdentChar(sql[i - 1]) && sql[i - 1] != u':'))) {
            int j = i + 1;
            while (j < n && isIdentChar(sql[j]))
                ++j;
            text(QStringView(sql).mid(chunk, i - chunk));
            parameter(sql.mid(i + 1, j - i - 1));
            chunk = j;
            i = j - 1;
        }
    }
    text(QStringView(sql).mid(chunk));
}

QStringList parameterNames(const QString &sql) {
    QStringList names;
    scanParameters(
        sql, [](QStringView) {},
        [&names](const QString &name) {
            if (!names.contains(name, Qt::CaseInsensitive))
                names << name;
        });
    return names;
}

QString Connection::bind(const QString &sql, const Params &params) const {
    QString out;
    out.reserve(sql.size() + 32);
    scanParameters(
        sql, [&out](QStringView chunk) { out += chunk; },
        [&](const QString &name) {
            const auto found = std::find_if(params.begin(), params.end(), [&name](const Param &p) {
                return p.name.compare(name, Qt::CaseInsensitive) == 0;
            });
            if (found == params.end())
                throw DbError(0, QStringLiteral("Parameter '%1' not found").arg(name), QStringLiteral("HY000"));
            out += literal(found->value);
        });
    return out;
}

quint64 Connection::lastInsertId() const {
    ensureConnected();
    return quint64(mysql_insert_id(mysql_));
}

quint64 Connection::lastMatchedRows() const {
    ensureConnected();
    // The server reports "Rows matched: N  Changed: M  Warnings: W" for an UPDATE.
    if (const char *info = mysql_info(mysql_)) {
        static const QRegularExpression matched(QStringLiteral("^Rows matched:\\s*(\\d+)"));
        const auto m = matched.match(QString::fromLatin1(info));
        if (m.hasMatch())
            return m.captured(1).toULongLong();
    }
    const my_ulonglong n = mysql_affected_rows(mysql_);
    return n == my_ulonglong(-1) ? 0 : quint64(n);
}

QStringList Connection::primaryKeyColumns(const QString &table) {
    const Result r = query(QStringLiteral("SELECT COLUMN_NAME FROM information_schema.KEY_COLUMN_USAGE "
                                          "WHERE TABLE_SCHEMA = DATABASE() AND TABLE_NAME = :t "
                                          "AND CONSTRAINT_NAME = 'PRIMARY' ORDER BY ORDINAL_POSITION"),
                           {{QStringLiteral("t"), table}});
    QStringList columns;
    for (int i = 0; i < r.rowCount(); ++i)
        columns << r.text(i, 0);
    return columns;
}

void Connection::begin() {
    run("START TRANSACTION");
    inTransaction_ = true;
}

void Connection::commit() {
    run("COMMIT");
    inTransaction_ = false;
}

void Connection::rollback() {
    // Whatever happens, the transaction is over from our side: a failed
    // rollback means the connection is gone and the server rolled back.
    inTransaction_ = false;
    run("ROLLBACK");
}

bool Connection::inTransaction() const { return mysql_ && inTransaction_; }

std::vector<QString> splitScript(const QString &script) {
    std::vector<QString> out;
    QString current;
    const int n = script.size();
    QChar quote;
    auto flush = [&] {
        const QString s = current.trimmed();
        if (!s.isEmpty())
            out.push_back(s);
        current.clear();
    };
    for (int i = 0; i < n; ++i) {
        const QChar c = script[i];
        if (!quote.isNull()) {
            current += c;
            if (c == u'\\' && quote != u'`' && i + 1 < n) {
                current += script[++i];
            } else if (c == quote) {
                // A doubled quote is an escaped quote, not the end.
                if (i + 1 < n && script[i + 1] == quote) {
                    current += script[++i];
                } else {
                    quote = QChar();
                }
            }
            continue;
        }
        if (c == u'\'' || c == u'"' || c == u'`') {
            quote = c;
            current += c;
        } else if (c == u'-' && i + 2 < n && script[i + 1] == u'-' && script[i + 2].isSpace()) {
            while (i < n && script[i] != u'\n')
                ++i;
            current += u'\n';
        } else if (c == u'#') {
            while (i < n && script[i] != u'\n')
                ++i;
            current += u'\n';
        } else if (c == u'/' && i + 1 < n && script[i + 1] == u'*' && !(i + 2 < n && script[i + 2] == u'!')) {
            const int end = script.indexOf(QStringLiteral("*/"), i + 2);
            i = end < 0 ? n : end + 1;
            current += u' ';
        } else if (c == u';') {
            flush();
        } else {
            current += c;
        }
    }
    flush();
    return out;
}

} // namespace drav::db
