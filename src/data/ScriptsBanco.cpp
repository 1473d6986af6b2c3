#include "data/ScriptsBanco.h"

#include <QFile>

#include <stdexcept>

static void initSqlResources() { Q_INIT_RESOURCE(sql); }

namespace {

QString leRecurso(const QString &nome) {
    static const bool iniciado = (initSqlResources(), true);
    (void)iniciado;
    QFile f(QStringLiteral(":/sql/") + nome);
    if (!f.open(QIODevice::ReadOnly))
        throw std::runtime_error("recurso ausente: " + nome.toStdString());
    return QString::fromUtf8(f.readAll());
}

} // namespace

QString scriptEsquema() { return leRecurso(QStringLiteral("schema.sql")); }

QStringList scriptsCidades() {
    QStringList out;
    for (int i = 1; i <= 9; ++i)
        out << leRecurso(QStringLiteral("cidades%1.sql").arg(i));
    return out;
}
