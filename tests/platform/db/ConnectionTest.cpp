#include "platform/db/Connection.h"

#include "TestDatabase.h"

#include <gtest/gtest.h>

using drav::db::Connection;
using drav::db::DbError;
using drav::db::Param;
using drav::test::DbTest;

namespace {

class ConnectionTest : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        if (IsSkipped())
            return;
        conn().executeScript(QStringLiteral(R"(
            CREATE TABLE tbpai (idpai INT NOT NULL PRIMARY KEY, nome VARCHAR(40)) ENGINE=InnoDB DEFAULT CHARSET=latin1;
            CREATE TABLE tbfilho (idfilho INT NOT NULL AUTO_INCREMENT PRIMARY KEY, idpai INT NOT NULL,
                texto VARCHAR(60), valor DECIMAL(15,2), dia DATE, hora TIME, real_ DOUBLE,
                CONSTRAINT fk_filho_pai FOREIGN KEY (idpai) REFERENCES tbpai (idpai)) ENGINE=InnoDB DEFAULT CHARSET=latin1;
            INSERT INTO tbpai VALUES (1, 'UM'), (2, 'DOIS');
        )"));
    }
    qint64 count(const QString &table) {
        return conn().query(QStringLiteral("SELECT COUNT(*) FROM ") + table).integer(0, 0);
    }
};

TEST_F(ConnectionTest, ParametersMatchInAnyLetterCaseAndKeepTheirTypes) {
    conn().execute(QStringLiteral("INSERT INTO tbfilho (idpai, texto, valor, dia, hora, real_) "
                                  "VALUES (:PIDPAI, :ptexto, :PValor, :pDia, :phora, :preal)"),
                   {{QStringLiteral("pidpai"), 1},
                    {QStringLiteral("PTEXTO"), QStringLiteral("Ação São João ç")},
                    {QStringLiteral("pvalor"), QStringLiteral("1234.56")},
                    {QStringLiteral("PDIA"), QDate(2009, 9, 5)},
                    {QStringLiteral("PHORA"), QTime(7, 3, 9)},
                    {QStringLiteral("preal"), 0.125}});
    const auto r = conn().query(QStringLiteral("SELECT * FROM tbfilho WHERE idpai = :p"), {{QStringLiteral("P"), 1}});
    ASSERT_EQ(r.rowCount(), 1);
    EXPECT_EQ(r.text(0, QStringLiteral("TEXTO")), QStringLiteral("Ação São João ç"));
    EXPECT_EQ(r.value(0, QStringLiteral("valor")).toString(), QStringLiteral("1234.56"));
    EXPECT_EQ(r.value(0, QStringLiteral("dia")).toDate(), QDate(2009, 9, 5));
    EXPECT_EQ(r.value(0, QStringLiteral("hora")).toTime(), QTime(7, 3, 9));
    EXPECT_DOUBLE_EQ(r.value(0, QStringLiteral("real_")).toDouble(), 0.125);
    EXPECT_EQ(r.value(0, QStringLiteral("idfilho")).typeId(), QMetaType::LongLong);
    EXPECT_EQ(conn().lastInsertId(), 1u);
}

TEST_F(ConnectionTest, NullsAndZeroDatesReadAsSuch) {
    conn().execute(QStringLiteral("INSERT INTO tbfilho (idpai, texto, dia) VALUES (1, :t, :d)"),
                   {{QStringLiteral("t"), QVariant()}, {QStringLiteral("d"), QVariant()}});
    const auto r = conn().query(QStringLiteral("SELECT texto, dia, valor FROM tbfilho"));
    EXPECT_TRUE(r.isNull(0, 0));
    EXPECT_TRUE(r.value(0, 1).isNull());
    EXPECT_EQ(r.integer(0, 2), 0);
    const auto z = conn().query(QStringLiteral("SELECT CAST('0000-00-00' AS DATE) IS NULL, DATE('2007-03-07')"));
    EXPECT_EQ(z.date(0, 1), QDate(2007, 3, 7));
}

TEST_F(ConnectionTest, HostileTextIsStoredVerbatimAndChangesNoStatement) {
    const QStringList hostile = {QStringLiteral("x'; DROP TABLE tbpai; --"), QStringLiteral("a\\'b"),
                                 QStringLiteral(":pidpai"), QStringLiteral("\"; DELETE FROM tbpai; #"),
                                 QStringLiteral("100% _ \\% \\_")};
    for (const QString &text : hostile) {
        conn().execute(QStringLiteral("INSERT INTO tbfilho (idpai, texto) VALUES (:pidpai, :ptexto)"),
                       {{QStringLiteral("pidpai"), 2}, {QStringLiteral("ptexto"), text}});
        const auto r = conn().query(QStringLiteral("SELECT texto FROM tbfilho WHERE idfilho = LAST_INSERT_ID()"));
        EXPECT_EQ(r.text(0, 0), text);
    }
    EXPECT_EQ(count(QStringLiteral("tbpai")), 2);
}

TEST_F(ConnectionTest, ServerErrorsCarryNumberMessageAndSqlState) {
    struct Case {
        const char *sql;
        unsigned code;
        const char *state;
    } cases[] = {
        {"INSERT INTO tbpai VALUES (1, 'DUP')", 1062, "23000"},
        {"INSERT INTO tbfilho (idpai) VALUES (99)", 1452, "23000"},
        {"DELETE FROM tbpai WHERE idpai = 1", 0, ""},  // no child yet: works
        {"INSERT INTO tbfilho (idpai) VALUES (2)", 0, ""},
        {"DELETE FROM tbpai WHERE idpai = 2", 1451, "23000"},
        {"INSERT INTO tbfilho (idpai) VALUES (NULL)", 1048, "23000"},
        {"SELEC 1", 1064, "42000"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.sql);
        try {
            conn().execute(QString::fromLatin1(c.sql));
            EXPECT_EQ(c.code, 0u) << "no error raised";
        } catch (const DbError &e) {
            EXPECT_EQ(e.code(), c.code);
            EXPECT_EQ(e.sqlState(), QString::fromLatin1(c.state));
            EXPECT_FALSE(e.message().isEmpty());
        }
    }
}

TEST_F(ConnectionTest, RollbackUndoesAndCommitKeeps) {
    auto other = database->openConnection();
    conn().begin();
    EXPECT_TRUE(conn().inTransaction());
    conn().execute(QStringLiteral("INSERT INTO tbpai VALUES (3, 'TRES')"));
    // Read committed: the other connection does not see it yet.
    EXPECT_EQ(other->query(QStringLiteral("SELECT COUNT(*) FROM tbpai")).integer(0, 0), 2);
    conn().rollback();
    EXPECT_FALSE(conn().inTransaction());
    EXPECT_EQ(count(QStringLiteral("tbpai")), 2);
    conn().begin();
    conn().execute(QStringLiteral("INSERT INTO tbpai VALUES (3, 'TRES')"));
    conn().commit();
    EXPECT_EQ(other->query(QStringLiteral("SELECT COUNT(*) FROM tbpai")).integer(0, 0), 3);
}

TEST_F(ConnectionTest, ScriptsSplitOnlyAtStatementSemicolons) {
    const int n = conn().executeScript(QStringLiteral(
        "INSERT INTO tbpai VALUES (10, 'A;B');\n"
        "-- a comment; with a semicolon\n"
        "INSERT INTO tbpai VALUES (11, 'it\\'s; fine');\n"
        "/* block; comment */ INSERT INTO tbpai VALUES (12, 'don''t; stop');\n"
        "INSERT INTO tbpai VALUES (13, \"dq;\");  # trailing; comment\n"
        "INSERT INTO tbpai VALUES (14, ':nome is no parameter')\n"));
    EXPECT_EQ(n, 5);
    const auto r = conn().query(QStringLiteral("SELECT nome FROM tbpai WHERE idpai >= 10 ORDER BY idpai"));
    ASSERT_EQ(r.rowCount(), 5);
    EXPECT_EQ(r.text(0, 0), QStringLiteral("A;B"));
    EXPECT_EQ(r.text(1, 0), QStringLiteral("it's; fine"));
    EXPECT_EQ(r.text(2, 0), QStringLiteral("don't; stop"));
    EXPECT_EQ(r.text(3, 0), QStringLiteral("dq;"));
    EXPECT_EQ(r.text(4, 0), QStringLiteral(":nome is no parameter"));
}

TEST_F(ConnectionTest, SessionIsReadCommittedWithoutStrictGroupingOrAnsiQuotes) {
    const auto r = conn().query(QStringLiteral("SELECT @@SESSION.tx_isolation, @@SESSION.sql_mode"));
    EXPECT_EQ(r.text(0, 0), QStringLiteral("READ-COMMITTED"));
    EXPECT_FALSE(r.text(0, 1).contains(QStringLiteral("ONLY_FULL_GROUP_BY")));
    EXPECT_FALSE(r.text(0, 1).contains(QStringLiteral("ANSI_QUOTES")));
}

TEST_F(ConnectionTest, KeyZeroIsStoredAsZeroAndNullGeneratesTheNext) {
    conn().execute(QStringLiteral("INSERT INTO tbfilho (idfilho, idpai) VALUES (0, 1)"));
    conn().execute(QStringLiteral("INSERT INTO tbfilho (idfilho, idpai) VALUES (NULL, 1)"));
    const auto r = conn().query(QStringLiteral("SELECT idfilho FROM tbfilho ORDER BY idfilho"));
    ASSERT_EQ(r.rowCount(), 2);
    EXPECT_EQ(r.integer(0, 0), 0);
    EXPECT_EQ(r.integer(1, 0), 1);
}

TEST(ConnectionOffline, ConnectFailureRaisesAndUnknownParameterIsRefused) {
    Connection c;
    drav::db::ConnectParams p;
    p.host = QStringLiteral("127.0.0.1");
    p.port = 1;  // nothing listens there
    EXPECT_THROW(c.connect(p), DbError);
    EXPECT_FALSE(c.isConnected());
    EXPECT_THROW(c.bind(QStringLiteral("SELECT :x"), {}), DbError);
    EXPECT_EQ(c.bind(QStringLiteral("SELECT ':x', `:x`, :X"), {{QStringLiteral("x"), 5}}),
              QStringLiteral("SELECT ':x', `:x`, 5"));
}

TEST(ScriptSplitting, StatementsAreTakenLiterally) {
    const auto parts = drav::db::splitScript(QStringLiteral("A ';' ; B \"x\\\";\" ;; C `a;b`"));
    ASSERT_EQ(parts.size(), 3u);
    EXPECT_EQ(parts[0], QStringLiteral("A ';'"));
    EXPECT_EQ(parts[1], QStringLiteral("B \"x\\\";\""));
    EXPECT_EQ(parts[2], QStringLiteral("C `a;b`"));
}

} // namespace
