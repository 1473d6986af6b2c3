#pragma once
// Fresh databases on the private test server. scripts/test starts the server
// and passes its address in DRAV_TEST_HOST / DRAV_TEST_PORT / DRAV_TEST_USER /
// DRAV_TEST_PASSWORD.

#include "platform/db/Connection.h"

#include <gtest/gtest.h>

#include <memory>

namespace drav::test {

// The test server's address, with no database selected.
db::ConnectParams serverParams();
// True when the environment names a test server.
bool haveServer();

// Creates an empty database with a unique name; drops it when destroyed.
class TestDatabase {
public:
    TestDatabase();
    ~TestDatabase();
    TestDatabase(const TestDatabase &) = delete;
    TestDatabase &operator=(const TestDatabase &) = delete;

    const QString &name() const { return name_; }
    db::ConnectParams params() const;
    // A connection of its own to this database, opened on first use.
    db::Connection &connection();
    // Another, independent connection (to look from outside a transaction).
    std::unique_ptr<db::Connection> openConnection() const;

private:
    QString name_;
    db::Connection admin_;
    std::unique_ptr<db::Connection> conn_;
};

// A fixture giving each test its own fresh database.
class DbTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    db::Connection &conn() { return database->connection(); }
    std::unique_ptr<TestDatabase> database;
};

} // namespace drav::test
