#include "TestDatabase.h"

#include <QCoreApplication>
#include <QProcessEnvironment>

#include <atomic>

namespace drav::test {

namespace {
QString env(const char *name, const QString &fallback = {}) {
    return QProcessEnvironment::systemEnvironment().value(QString::fromLatin1(name), fallback);
}
std::atomic<int> counter{0};
} // namespace

bool haveServer() { return !env("DRAV_TEST_PORT").isEmpty(); }

db::ConnectParams serverParams() {
    db::ConnectParams p;
    p.host = env("DRAV_TEST_HOST", QStringLiteral("127.0.0.1"));
    p.port = env("DRAV_TEST_PORT", QStringLiteral("0")).toInt();
    p.user = env("DRAV_TEST_USER", QStringLiteral("root"));
    p.password = env("DRAV_TEST_PASSWORD");
    return p;
}

TestDatabase::TestDatabase() {
    name_ = QStringLiteral("drav_t%1_%2").arg(QCoreApplication::applicationPid()).arg(++counter);
    admin_.connect(serverParams());
    admin_.execute(QStringLiteral("DROP DATABASE IF EXISTS `%1`").arg(name_));
    admin_.execute(QStringLiteral("CREATE DATABASE `%1` CHARACTER SET latin1").arg(name_));
}

TestDatabase::~TestDatabase() {
    conn_.reset();
    try {
        admin_.execute(QStringLiteral("DROP DATABASE IF EXISTS `%1`").arg(name_));
    } catch (const db::DbError &e) {
        ADD_FAILURE() << "could not drop test database: " << e.what();
    }
}

db::ConnectParams TestDatabase::params() const {
    db::ConnectParams p = serverParams();
    p.database = name_;
    return p;
}

db::Connection &TestDatabase::connection() {
    if (!conn_)
        conn_ = openConnection();
    return *conn_;
}

std::unique_ptr<db::Connection> TestDatabase::openConnection() const {
    auto c = std::make_unique<db::Connection>();
    c->connect(params());
    return c;
}

void DbTest::SetUp() {
    if (!haveServer())
        GTEST_SKIP() << "no test server (run through scripts/test)";
    database = std::make_unique<TestDatabase>();
}

void DbTest::TearDown() { database.reset(); }

} // namespace drav::test
