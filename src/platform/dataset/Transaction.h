#pragma once
// "Start a transaction unless one is open", once for the whole program.
//
// A TransactionGuard belongs to one action. It starts a transaction when none
// is open, or takes over one an earlier action kept open for it (see
// keepOpen); a transaction some outer action owns is left to that owner.
// What the guard owns it commits on commit() and rolls back on rollback(), on
// any exception and on destruction without commit.
//
//   TransactionGuard guard(conn);
//   ...writes...
//   guard.commit();
//
// keepOpen() hands the open transaction on to the next guard of the same
// connection: the maintenance forms keep it from Incluir/Alterar until
// Gravar/Cancelar, and keep it when a post was refused with the row still in
// edit mode. FormTransaction wraps exactly those steps.

#include "platform/db/Connection.h"

#include <functional>

namespace drav::ds {

class Dataset;

class TransactionGuard {
public:
    explicit TransactionGuard(db::Connection &connection);
    ~TransactionGuard();
    TransactionGuard(const TransactionGuard &) = delete;
    TransactionGuard &operator=(const TransactionGuard &) = delete;

    // True when this guard started or took over the transaction.
    bool owns() const { return owns_; }
    void commit();
    void rollback();
    // Leaves the transaction open for the next guard of this connection.
    void keepOpen();

    // True when a transaction of `connection` waits, kept open, for a guard.
    static bool isKept(const db::Connection &connection);

private:
    db::Connection &conn_;
    bool owns_ = false;
    bool done_ = false;
};

// The transaction of a maintenance form, from the action that starts a change
// to the one that saves or cancels it. Each step runs its dataset work inside
// a TransactionGuard; a transaction still kept when the form goes is rolled
// back.
class FormTransaction {
public:
    explicit FormTransaction(db::Connection &connection) : conn_(connection) {}
    ~FormTransaction();
    FormTransaction(const FormTransaction &) = delete;
    FormTransaction &operator=(const FormTransaction &) = delete;

    // Incluir / Alterar: starts a transaction unless one is open, runs the
    // change (append, edit) and keeps the transaction for save or cancel.
    void start(const std::function<void()> &change);
    // Gravar (and a confirmed Excluir): runs the write and commits. A write
    // refused with a SilentAbort while the dataset stays in edit or insert
    // mode keeps the transaction open; any other failure rolls it back.
    void save(Dataset &dataset, const std::function<void()> &write);
    // Cancelar: runs the undo (cancel) and rolls back.
    void cancel(const std::function<void()> &undo);
    // True while a transaction waits for save or cancel.
    bool isPending() const { return TransactionGuard::isKept(conn_); }

private:
    db::Connection &conn_;
};

} // namespace drav::ds
