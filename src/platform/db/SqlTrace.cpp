#include "platform/db/SqlTrace.h"

#include <QDateTime>
#include <QSaveFile>

namespace drav::db {

void SqlTrace::attach(Connection &connection) {
    connection.setStatementObserver([this](const QString &sql) { record(sql); });
}

void SqlTrace::record(const QString &sql) {
    if (!active_)
        return;
    statements_.push_back(QDateTime::currentDateTime().toString(QStringLiteral("dd/MM/yyyy hh:mm:ss.zzz ")) + sql);
    if (statements_.size() > kKept)
        statements_.pop_front();
    save();
}

void SqlTrace::save() const {
    if (fileName_.isEmpty())
        return;
    QSaveFile f(fileName_);
    if (!f.open(QIODevice::WriteOnly))
        return;  // a trace must never stop the program
    for (const QString &s : statements_)
        f.write(s.toUtf8() + "\r\n");
    f.commit();
}

} // namespace drav::db
