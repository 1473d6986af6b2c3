#include "platform/dataset/Transaction.h"

#include "platform/SilentAbort.h"
#include "platform/dataset/Dataset.h"

#include <QSet>

namespace drav::ds {

namespace {

// Connections whose open transaction was kept open for a later action.
QSet<const db::Connection *> &kept() {
    static QSet<const db::Connection *> connections;
    return connections;
}

} // namespace

bool TransactionGuard::isKept(const db::Connection &connection) {
    if (!kept().contains(&connection))
        return false;
    if (connection.inTransaction())
        return true;
    kept().remove(&connection);  // ended some other way (disconnected, say)
    return false;
}

TransactionGuard::TransactionGuard(db::Connection &connection) : conn_(connection) {
    if (isKept(conn_)) {
        kept().remove(&conn_);
        owns_ = true;
    } else if (!conn_.inTransaction()) {
        conn_.begin();
        owns_ = true;
    }
}

TransactionGuard::~TransactionGuard() {
    if (done_ || !owns_)
        return;
    try {
        conn_.rollback();
    } catch (...) {
        // The connection is gone; the server has dropped the transaction.
    }
}

void TransactionGuard::commit() {
    if (done_)
        return;
    if (owns_)
        conn_.commit();
    done_ = true;
}

void TransactionGuard::rollback() {
    if (done_)
        return;
    done_ = true;
    if (owns_)
        conn_.rollback();
}

void TransactionGuard::keepOpen() {
    if (done_)
        return;
    done_ = true;
    if (owns_ && conn_.inTransaction())
        kept().insert(&conn_);
}

FormTransaction::~FormTransaction() {
    if (!isPending())
        return;
    TransactionGuard guard(conn_);
}

void FormTransaction::start(const std::function<void()> &change) {
    TransactionGuard guard(conn_);
    change();
    guard.keepOpen();
}

void FormTransaction::save(Dataset &dataset, const std::function<void()> &write) {
    TransactionGuard guard(conn_);
    try {
        write();
    } catch (const SilentAbort &) {
        if (dataset.isEditing())
            guard.keepOpen();
        throw;
    }
    guard.commit();
}

void FormTransaction::cancel(const std::function<void()> &undo) {
    TransactionGuard guard(conn_);
    undo();
    guard.rollback();
}

} // namespace drav::ds
