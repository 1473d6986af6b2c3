#pragma once
// A tiny production listing used by the report tests: teams as groups,
// one row per worker, quantities and values.

#include "platform/report/Report.h"

#include <memory>

namespace drav::report::test {

// Rows: team id, team name, worker, quantity, value.
std::unique_ptr<MemoryRowSource> productionRows();
// `count` rows over teams of `perTeam` rows each.
std::unique_ptr<MemoryRowSource> numberedRows(int count, int perTeam = 1000000);

// Standard page header, column captions, a shaded detail, group per team
// with sums, summary with sums and the detail count. The clock is pinned.
void buildListing(Report &r, RowSource &rows, bool groupByTeam = true);

QDateTime fixedNow();

// Reads / writes a golden file; DRAV_UPDATE_GOLDEN=1 rewrites it.
QString golden(const QString &name, const QString &actual);

} // namespace drav::report::test

#include <ostream>

// Readable QString and QColor values in failure messages.
inline void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QColor &c, std::ostream *os) { *os << c.name().toStdString(); }
