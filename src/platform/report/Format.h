#pragma once
// Turning a value and a display mask into the text a report prints.

#include <QString>
#include <QVariant>

#include <functional>

namespace drav::report {

// (mask, value) -> text. The form layer installs its Brazilian FormatFloat;
// reports and tests may pass their own.
using Formatter = std::function<QString(const QString &mask, const QVariant &value)>;

// The default: numbers with decimal comma and "." thousands, masks in the
// "0.00" style ("R$0.00", "000000", "#,##0.0", "0.0000 %"), rounded half away
// from zero; dates dd/MM/yyyy, times HH:mm:ss; null prints empty; text as is.
QString formatValue(const QString &mask, const QVariant &value);

// A number under a numeric mask; an empty mask gives up to 15 significant
// digits without trailing zeros ("12,5").
QString formatNumber(const QString &mask, double value);

} // namespace drav::report
