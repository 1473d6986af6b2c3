// The one transaction guard and the maintenance form's transaction, checked
// from a second connection.

#include "DatasetFixture.h"

#include "platform/SilentAbort.h"
#include "platform/dataset/Transaction.h"

using drav::SilentAbort;
using drav::db::DbError;
using drav::ds::Dataset;
using drav::ds::ErrorAction;
using drav::ds::FormTransaction;
using drav::ds::State;
using drav::ds::TransactionGuard;
using drav::test::DatasetTest;

namespace {

QString f(const char *name) { return QString::fromLatin1(name); }

class TransactionTest : public DatasetTest {
protected:
    void SetUp() override {
        DatasetTest::SetUp();
        if (IsSkipped())
            return;
        other = database->openConnection();
        threadId = conn().query(f("SELECT CONNECTION_ID()")).integer(0, 0);
    }
    // Seen from outside: rows of the group table and whether our connection
    // still holds a transaction on the server.
    qint64 groupsSeen() { return other->query(f("SELECT COUNT(*) FROM tbgrupo")).integer(0, 0); }
    bool transactionOpenOnServer() {
        return other->query(f("SELECT COUNT(*) FROM information_schema.innodb_trx WHERE trx_mysql_thread_id = :id"),
                            {{f("id"), threadId}})
                   .integer(0, 0) > 0;
    }
    void insertGroup(int id) {
        conn().execute(f("INSERT INTO tbgrupo VALUES (:id, 1, 'NOVO')"), {{f("id"), id}});
    }
    // The shared handler's way: a refused write ends the action silently.
    std::unique_ptr<Dataset> grupos() {
        auto d = query(f("select * from tbgrupo where idempresa = 1 order by idgrupo"));
        d->setOnPostError([](Dataset &, const std::exception &) { return ErrorAction::Abort; });
        d->setOnDeleteError([](Dataset &, const std::exception &) { return ErrorAction::Abort; });
        d->open();
        return d;
    }
    void typeGroup(Dataset &d, int id) {
        d.fieldByName(f("idgrupo")).setAsInteger(id);
        d.fieldByName(f("idempresa")).setAsInteger(1);
        d.fieldByName(f("nomegrupo")).setAsString(f("PODA"));
    }

    std::unique_ptr<drav::db::Connection> other;
    qint64 threadId = 0;
};

} // namespace

TEST_F(TransactionTest, GuardCommitsOnSuccessAndRollsBackOtherwise) {
    {
        TransactionGuard guard(conn());
        EXPECT_TRUE(guard.owns());
        insertGroup(7);
        EXPECT_EQ(groupsSeen(), 3);
        guard.commit();
    }
    EXPECT_EQ(groupsSeen(), 4);
    EXPECT_FALSE(conn().inTransaction());

    try {
        TransactionGuard guard(conn());
        insertGroup(8);
        insertGroup(8);  // duplicate: the action fails half-way
        guard.commit();
    } catch (const DbError &e) {
        EXPECT_EQ(e.code(), 1062u);
    }
    EXPECT_EQ(groupsSeen(), 4);
    EXPECT_FALSE(conn().inTransaction());
    EXPECT_FALSE(transactionOpenOnServer());
}

TEST_F(TransactionTest, InnerGuardLeavesTheOuterTransactionToItsOwner) {
    TransactionGuard outer(conn());
    {
        TransactionGuard inner(conn());
        EXPECT_FALSE(inner.owns());
        insertGroup(7);
        inner.commit();
    }
    EXPECT_TRUE(conn().inTransaction());
    EXPECT_EQ(groupsSeen(), 3);
    {
        TransactionGuard inner(conn());  // fails without commit: still the outer's to decide
    }
    EXPECT_TRUE(conn().inTransaction());
    outer.rollback();
    EXPECT_EQ(groupsSeen(), 3);
    EXPECT_FALSE(transactionOpenOnServer());
}

TEST_F(TransactionTest, FormKeepsTheTransactionFromIncluirToGravar) {
    auto d = grupos();
    FormTransaction tx(conn());
    tx.start([&] { d->append(); });
    EXPECT_TRUE(tx.isPending());
    typeGroup(*d, 5);
    tx.save(*d, [&] { d->post(); });
    EXPECT_FALSE(tx.isPending());
    EXPECT_FALSE(conn().inTransaction());
    EXPECT_EQ(groupsSeen(), 4);

    tx.start([&] { d->edit(); });
    d->fieldByName(f("nomegrupo")).setAsString(f("DESBROTA"));
    tx.cancel([&] { d->cancel(); });
    EXPECT_FALSE(conn().inTransaction());
    EXPECT_EQ(other->query(f("SELECT nomegrupo FROM tbgrupo WHERE idgrupo = 5")).text(0, 0), f("PODA"));
}

TEST_F(TransactionTest, RefusedPostKeepsTheRowInEditModeWithItsTransaction) {
    auto d = grupos();
    FormTransaction tx(conn());
    tx.start([&] { d->append(); });
    typeGroup(*d, 1);  // the number of an existing group
    EXPECT_THROW(tx.save(*d, [&] { d->post(); }), SilentAbort);
    EXPECT_EQ(d->state(), State::Insert);
    EXPECT_TRUE(tx.isPending());
    EXPECT_TRUE(conn().inTransaction());

    d->fieldByName(f("idgrupo")).setAsInteger(6);  // corrected, saved again
    tx.save(*d, [&] { d->post(); });
    EXPECT_FALSE(conn().inTransaction());
    EXPECT_EQ(groupsSeen(), 4);
}

TEST_F(TransactionTest, NothingStaysOpenAfterAFailingAction) {
    auto d = grupos();
    FormTransaction tx(conn());
    // A refused delete ends the action and rolls back.
    tx.start([] {});
    EXPECT_THROW(tx.save(*d, [&] { d->remove(); }), SilentAbort);
    EXPECT_FALSE(conn().inTransaction());
    EXPECT_FALSE(transactionOpenOnServer());

    // An error that reaches the caller rolls back what was written.
    tx.start([&] { d->append(); });
    typeGroup(*d, 9);
    EXPECT_THROW(tx.save(*d,
                         [&] {
                             d->post();
                             throw std::runtime_error("falha depois de gravar");
                         }),
                 std::runtime_error);
    EXPECT_FALSE(conn().inTransaction());
    EXPECT_FALSE(transactionOpenOnServer());
    EXPECT_EQ(groupsSeen(), 3);

    // A failing start leaves nothing either.
    d->setReadOnly(true);
    EXPECT_THROW(tx.start([&] { d->edit(); }), drav::ds::DatasetError);
    EXPECT_FALSE(tx.isPending());
    EXPECT_FALSE(conn().inTransaction());
}

TEST_F(TransactionTest, AFormClosedMidEditRollsBack) {
    auto d = grupos();
    {
        FormTransaction tx(conn());
        tx.start([&] { d->append(); });
        typeGroup(*d, 1);
        EXPECT_THROW(tx.save(*d, [&] { d->post(); }), SilentAbort);
        d->close();
    }
    EXPECT_FALSE(conn().inTransaction());
    EXPECT_FALSE(transactionOpenOnServer());
    EXPECT_FALSE(TransactionGuard::isKept(conn()));
}
