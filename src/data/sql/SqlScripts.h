#pragma once
// The SQL scripts compiled into the program (resource folder :/sql): the
// schema script and the city scripts that database creation runs, in this
// order, on the new database.

#include <QString>

namespace drav::data {

// The city list comes in this many scripts, run one per progress step.
inline constexpr int kCityScriptCount = 9;

// The schema: every table, key and seed row (schema.sql).
QString schemaScript();
// One part of the city list, 1 to kCityScriptCount (cidades<part>.sql).
QString cityScript(int part);
// A script of the resource folder by file name, read as UTF-8.
// Throws std::runtime_error when there is no such script.
QString sqlScript(const QString &fileName);

} // namespace drav::data
