#pragma once
// What every benchmark needs of the server: its address, from the same
// DRAV_TEST_* environment the tests use (scripts/bench sets it), and
// databases of the benchmark's own.

#include "platform/db/Connection.h"

#include <QElapsedTimer>
#include <QProcessEnvironment>

namespace drav::bench {

inline db::ConnectParams server(const QString &database = {}) {
    const auto env = QProcessEnvironment::systemEnvironment();
    db::ConnectParams p;
    p.host = env.value(QStringLiteral("DRAV_TEST_HOST"), QStringLiteral("127.0.0.1"));
    p.port = env.value(QStringLiteral("DRAV_TEST_PORT"), QStringLiteral("3306")).toInt();
    p.user = env.value(QStringLiteral("DRAV_TEST_USER"), QStringLiteral("root"));
    p.password = env.value(QStringLiteral("DRAV_TEST_PASSWORD"));
    p.database = database;
    return p;
}

// Drops and creates `database` empty.
inline void recreateDatabase(const QString &database) {
    db::Connection admin;
    admin.connect(server());
    admin.execute(QStringLiteral("DROP DATABASE IF EXISTS `%1`").arg(database));
    admin.execute(QStringLiteral("CREATE DATABASE `%1`").arg(database));
}

inline void dropDatabase(const QString &database) {
    db::Connection admin;
    admin.connect(server());
    admin.execute(QStringLiteral("DROP DATABASE IF EXISTS `%1`").arg(database));
}

inline double milliseconds(const QElapsedTimer &timer) { return double(timer.nsecsElapsed()) / 1e6; }

} // namespace drav::bench
