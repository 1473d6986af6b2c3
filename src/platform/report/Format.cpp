#include "platform/report/Format.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

#include <cfloat>
#include <cmath>

namespace drav::report {

namespace {

struct NumericMask {
    QString prefix;
    QString suffix;
    int minIntDigits = 0;
    int minDecimals = 0;
    int maxDecimals = 0;
    bool thousands = false;
};

bool isDigitPlaceholder(QChar c) { return c == u'0' || c == u'#'; }

NumericMask parseMask(const QString &mask) {
    NumericMask m;
    qsizetype start = -1, end = -1;
    for (qsizetype i = 0; i < mask.size(); ++i)
        if (isDigitPlaceholder(mask[i])) {
            if (start < 0)
                start = i;
            end = i;
        }
    if (start < 0) {
        m.prefix = mask;
        return m;
    }
    m.prefix = mask.left(start);
    m.suffix = mask.mid(end + 1);
    bool afterPoint = false;
    for (qsizetype i = start; i <= end; ++i) {
        const QChar c = mask[i];
        if (c == u'.')
            afterPoint = true;
        else if (c == u',')
            m.thousands = true;
        else if (afterPoint && isDigitPlaceholder(c)) {
            ++m.maxDecimals;
            if (c == u'0')
                m.minDecimals = m.maxDecimals;
        } else if (c == u'0')
            ++m.minIntDigits;
    }
    return m;
}

QString groupThousands(const QString &digits) {
    QString out;
    const qsizetype n = digits.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += u'.';
        out += digits[i];
    }
    return out;
}

// Half away from zero on the decimal value the user sees: 1.005 is stored a
// hair below, so nudge by a few ulps before rounding.
double roundHalfAway(double v, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return std::round(v * scale * (1.0 + 16 * DBL_EPSILON)) / scale;
}

QString generalNumber(double value) {
    QString s = QString::number(value, 'g', 15);
    s.replace(u'.', u',');
    return s;
}

QString dateMaskToQt(QString mask) {
    mask.replace(u'm', u'M');
    mask.replace(u'n', u'm');  // Delphi writes minutes as "nn"
    return mask;
}

} // namespace

QString formatNumber(const QString &mask, double value) {
    if (mask.isEmpty())
        return generalNumber(value);
    const NumericMask m = parseMask(mask);
    const double rounded = roundHalfAway(std::abs(value), m.maxDecimals);
    QString digits = QString::number(rounded, 'f', m.maxDecimals);
    QString intPart = digits.section(u'.', 0, 0);
    QString decPart = digits.section(u'.', 1, 1);
    while (decPart.size() > m.minDecimals && decPart.endsWith(u'0'))
        decPart.chop(1);
    if (intPart == QLatin1String("0") && m.minIntDigits == 0 && !decPart.isEmpty())
        intPart.clear();
    while (intPart.size() < m.minIntDigits)
        intPart.prepend(u'0');
    if (m.thousands)
        intPart = groupThousands(intPart);
    QString body = intPart;
    if (!decPart.isEmpty())
        body += u',' + decPart;
    const bool negative = value < 0 && rounded != 0.0;
    return (negative ? QStringLiteral("-") : QString()) + m.prefix + body + m.suffix;
}

QString formatValue(const QString &mask, const QVariant &value) {
    if (!value.isValid() || value.isNull())
        return {};
    switch (value.typeId()) {
    case QMetaType::QDate:
        return value.toDate().toString(mask.isEmpty() ? QStringLiteral("dd/MM/yyyy") : dateMaskToQt(mask));
    case QMetaType::QTime:
        // In a time mask "mm" already means minutes.
        return value.toTime().toString(mask.isEmpty() ? QStringLiteral("HH:mm:ss")
                                                      : QString(mask).replace(u'n', u'm'));
    case QMetaType::QDateTime:
        return value.toDateTime().toString(mask.isEmpty() ? QStringLiteral("dd/MM/yyyy HH:mm:ss")
                                                          : dateMaskToQt(mask));
    case QMetaType::Double:
    case QMetaType::Float:
        return formatNumber(mask, value.toDouble());
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return mask.isEmpty() ? value.toString() : formatNumber(mask, value.toDouble());
    default:
        break;
    }
    // Text that holds a number (a decimal column read as text) takes the mask.
    if (!mask.isEmpty()) {
        bool ok = false;
        const double d = value.toString().toDouble(&ok);
        if (ok)
            return formatNumber(mask, d);
    }
    return value.toString();
}

} // namespace drav::report
