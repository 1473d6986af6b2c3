#include "app/DataExtenso.h"

#include <array>

QString DataPorExtenso(const QDate &data) {
    if (!data.isValid())
        return {};
    // Sunday first, as the weekday is counted by the status bar.
    static const std::array<QString, 7> dias = {
        QStringLiteral("Domingo"),      QStringLiteral("Segunda-Feira"), QStringLiteral("Terça-Feira"),
        QStringLiteral("Quarta-Feira"), QStringLiteral("Quinta-Feira"),  QStringLiteral("Sexta-Feira"),
        QStringLiteral("Sábado")};
    static const std::array<QString, 12> meses = {
        QStringLiteral(" de Janeiro "),  QStringLiteral(" de Fevereiro "), QStringLiteral(" de Março "),
        QStringLiteral(" de Abril "),    QStringLiteral(" de Maio "),      QStringLiteral(" de Junho "),
        QStringLiteral(" de Julho "),    QStringLiteral(" de Agosto "),    QStringLiteral(" de Setembro "),
        QStringLiteral(" de Outubro "),  QStringLiteral(" de Novembro "),  QStringLiteral(" de Dezembro ")};
    // QDate counts Monday as 1 and Sunday as 7.
    const QString &dia = dias[data.dayOfWeek() % 7];
    return dia + QStringLiteral(", ") + QStringLiteral("%1").arg(data.day(), 2, 10, QLatin1Char('0')) +
           meses[data.month() - 1] + QStringLiteral("%1").arg(data.year(), 4, 10, QLatin1Char('0'));
}
