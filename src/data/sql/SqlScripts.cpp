#include "data/sql/SqlScripts.h"

#include <QFile>

#include <mutex>
#include <stdexcept>

// The resources live in a static library: registering them explicitly keeps
// the linker from dropping them.
static void registerSqlResources() {
    static std::once_flag once;
    std::call_once(once, [] { Q_INIT_RESOURCE(sql); });
}

namespace drav::data {

QString sqlScript(const QString &fileName) {
    registerSqlResources();
    QFile file(QStringLiteral(":/sql/") + fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("SQL script not found: " + fileName.toStdString());
    return QString::fromUtf8(file.readAll());
}

QString schemaScript() { return sqlScript(QStringLiteral("schema.sql")); }

QString cityScript(int part) {
    if (part < 1 || part > kCityScriptCount)
        throw std::out_of_range("city script part out of range: " + std::to_string(part));
    return sqlScript(QStringLiteral("cidades%1.sql").arg(part));
}

} // namespace drav::data
