#pragma once
// An optional trace of the statements a connection sends: the last 100 are
// kept and, while the trace is active, saved to its file after each one.

#include "platform/db/Connection.h"

#include <QString>

#include <deque>

namespace drav::db {

class SqlTrace {
public:
    static constexpr std::size_t kKept = 100;

    // Observes every statement of `connection` from now on.
    void attach(Connection &connection);
    void setFileName(const QString &fileName) { fileName_ = fileName; }
    const QString &fileName() const { return fileName_; }
    void setActive(bool active) { active_ = active; }
    bool isActive() const { return active_; }
    const std::deque<QString> &statements() const { return statements_; }

    void record(const QString &sql);

private:
    void save() const;

    QString fileName_;
    bool active_ = false;
    std::deque<QString> statements_;
};

} // namespace drav::db
