#include "platform/format/Formats.h"

#include <QList>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace drav {

QLocale programLocale() { return QLocale(QLocale::Portuguese, QLocale::Brazil); }

void applyProgramFormats() { QLocale::setDefault(programLocale()); }

QString shortDateFormat() { return QStringLiteral("dd/MM/yyyy"); }

namespace {

constexpr QChar kDecimalSeparator = u',';
constexpr QChar kThousandsSeparator = u'.';

bool isQuote(QChar c) { return c == u'\'' || c == u'"'; }

// The text of a quoted literal starting at `at` (the opening quote); `at`
// ends on the closing quote. An unclosed quote runs to the end of the mask.
QString takeQuoted(const QString &mask, qsizetype &at) {
    const QChar quote = mask[at];
    const qsizetype close = mask.indexOf(quote, at + 1);
    const qsizetype end = close < 0 ? mask.size() : close;
    const QString text = mask.mid(at + 1, end - at - 1);
    at = end;
    return text;
}

// ---------------------------------------------------------------- numbers

// The decimal digits of a non-negative value, rounded to a number of places.
struct Digits {
    QString integer;   // without leading zeros; empty for a zero integer part
    QString fraction;  // exactly the places asked for
    bool isZero() const {
        const auto zero = [](QChar c) { return c == u'0'; };
        return std::all_of(integer.begin(), integer.end(), zero)
               && std::all_of(fraction.begin(), fraction.end(), zero);
    }
};

// Adds one unit in the last place of the digit string, carrying leftwards.
void incrementLastPlace(QString &digits) {
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        if (digits[i] != u'9') {
            digits[i] = QChar(digits[i].unicode() + 1);
            return;
        }
        digits[i] = u'0';
    }
    digits.prepend(u'1');
}

// Rounds half away from zero on the value's 15 significant decimal digits:
// a double holds 2.675 as 2.67499999..., yet the value meant is 2.675.
Digits roundedDigits(double magnitude, int places) {
    const QString scientific = QString::number(magnitude, 'e', 14);  // d.dddddddddddddde±XX
    const qsizetype e = scientific.indexOf(u'e');
    const QString significant = scientific.left(1) + scientific.mid(2, e - 2);
    const int pointAt = scientific.mid(e + 1).toInt() + 1;  // digits before the point

    QString all = significant;  // integer and fraction digits together
    int integerDigits = pointAt;
    if (pointAt <= 0) {
        all.prepend(QString(1 - pointAt, u'0'));
        integerDigits = 1;
    } else if (pointAt > all.size()) {
        all.append(QString(pointAt - all.size(), u'0'));
    }
    const qsizetype kept = integerDigits + places;
    const bool roundUp = kept < all.size() && all[kept] >= u'5';
    all = all.left(kept).leftJustified(kept, u'0');
    if (roundUp)
        incrementLastPlace(all);

    Digits d;
    d.integer = all.left(all.size() - places);
    d.fraction = all.right(places);
    while (d.integer.startsWith(u'0'))
        d.integer.remove(0, 1);
    return d;
}

struct Token {
    enum Kind { Literal, IntegerDigit, Point, FractionDigit } kind;
    QString text;  // for Literal
};

struct NumberLayout {
    QList<Token> tokens;
    int integerSlots = 0;
    int minIntegerDigits = 0;
    int fractionSlots = 0;
    int minFractionDigits = 0;
    bool grouping = false;
};

QStringList splitSections(const QString &mask) {
    QStringList sections(QString{});
    for (qsizetype i = 0; i < mask.size(); ++i) {
        if (isQuote(mask[i])) {
            const qsizetype start = i;
            takeQuoted(mask, i);
            sections.last() += mask.mid(start, i - start + 1);
        } else if (mask[i] == u';') {
            sections.append(QString{});
        } else {
            sections.last() += mask[i];
        }
    }
    return sections;
}

NumberLayout parseNumberMask(const QString &section) {
    NumberLayout l;
    bool afterPoint = false;
    int firstIntegerZero = -1;
    for (qsizetype i = 0; i < section.size(); ++i) {
        const QChar c = section[i];
        if (isQuote(c)) {
            l.tokens.append(Token{Token::Literal, takeQuoted(section, i)});
        } else if ((c == u'0' || c == u'#') && !afterPoint) {
            if (c == u'0' && firstIntegerZero < 0)
                firstIntegerZero = l.integerSlots;
            ++l.integerSlots;
            l.tokens.append(Token{Token::IntegerDigit, {}});
        } else if (c == u'0' || c == u'#') {
            ++l.fractionSlots;
            if (c == u'0')
                l.minFractionDigits = l.fractionSlots;
            l.tokens.append(Token{Token::FractionDigit, {}});
        } else if (c == u'.' && !afterPoint) {
            afterPoint = true;
            l.tokens.append(Token{Token::Point, {}});
        } else if (c == u',') {
            l.grouping = l.grouping || !afterPoint;
        } else {
            l.tokens.append(Token{Token::Literal, QString(c)});
        }
    }
    if (firstIntegerZero >= 0)
        l.minIntegerDigits = l.integerSlots - firstIntegerZero;
    return l;
}

// Writes the digits into the mask: integer digits aligned to the right of
// the integer places, the ones that do not fit go at the first place.
QString renderNumber(const NumberLayout &l, const Digits &d) {
    const QString integer = d.integer.rightJustified(l.minIntegerDigits, u'0');
    QString fraction = d.fraction;
    while (fraction.size() > l.minFractionDigits && fraction.endsWith(u'0'))
        fraction.chop(1);

    const qsizetype n = integer.size();
    qsizetype next = 0, fractionAt = 0;
    int slot = 0;
    QString out;
    const auto writeIntegerUpTo = [&](qsizetype end) {
        for (; next < end; ++next) {
            if (l.grouping && next > 0 && (n - next) % 3 == 0)
                out += kThousandsSeparator;
            out += integer[next];
        }
    };
    for (const Token &t : l.tokens) {
        switch (t.kind) {
        case Token::Literal:
            out += t.text;
            break;
        case Token::IntegerDigit:
            ++slot;
            writeIntegerUpTo(n - (l.integerSlots - slot));
            break;
        case Token::Point:
            writeIntegerUpTo(n);  // a mask like ".00" has no integer places
            if (!fraction.isEmpty())
                out += kDecimalSeparator;
            break;
        case Token::FractionDigit:
            if (fractionAt < fraction.size())
                out += fraction[fractionAt];
            ++fractionAt;
            break;
        }
    }
    return out;
}

QString generalNumber(double value) {
    QString text = QString::number(value, 'g', 15);
    text.replace(u'.', kDecimalSeparator);
    return text;
}

QString nonFinite(double value) {
    if (std::isnan(value))
        return QStringLiteral("NAN");
    return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

} // namespace

QString FormatFloat(const QString &mask, double value) {
    if (!std::isfinite(value))
        return nonFinite(value);
    if (mask.isEmpty())
        return generalNumber(value);

    const QStringList sections = splitSections(mask);
    int section = 0;
    if (value < 0 && sections.size() > 1 && !sections[1].isEmpty())
        section = 1;
    else if (value == 0 && sections.size() > 2 && !sections[2].isEmpty())
        section = 2;

    const NumberLayout layout = parseNumberMask(sections[section]);
    const Digits digits = roundedDigits(std::fabs(value), layout.fractionSlots);
    const QString text = renderNumber(layout, digits);
    const bool withSign = value < 0 && section == 0 && !digits.isZero();
    return withSign ? QLatin1Char('-') + text : text;
}

// ---------------------------------------------------------------- dates

namespace {

qsizetype runLength(const QString &mask, qsizetype at) {
    const QChar c = mask[at].toLower();
    qsizetype end = at;
    while (end < mask.size() && mask[end].toLower() == c)
        ++end;
    return end - at;
}

QString twoDigits(int n) { return QString::number(n).rightJustified(2, u'0'); }

QString formatDay(int count, const QDate &date) {
    const QLocale locale = programLocale();
    switch (count) {
    case 1: return QString::number(date.day());
    case 2: return twoDigits(date.day());
    case 3: return locale.dayName(date.dayOfWeek(), QLocale::ShortFormat);
    default: return locale.dayName(date.dayOfWeek(), QLocale::LongFormat);
    }
}

QString formatMonth(int count, const QDate &date) {
    const QLocale locale = programLocale();
    switch (count) {
    case 1: return QString::number(date.month());
    case 2: return twoDigits(date.month());
    case 3: return locale.monthName(date.month(), QLocale::ShortFormat);
    default: return locale.monthName(date.month(), QLocale::LongFormat);
    }
}

QString formatYear(int count, const QDate &date) {
    if (count <= 2)
        return twoDigits(date.year() % 100);
    return QString::number(date.year()).rightJustified(4, u'0');
}

QString formatNumberField(int count, int value) {
    return count == 1 ? QString::number(value) : twoDigits(value);
}

QString formatMilliseconds(int count, int value) {
    return count < 3 ? QString::number(value) : QString::number(value).rightJustified(3, u'0');
}

// Formats one specifier run (at most four letters of it are taken); returns
// how many characters of the mask it used.
qsizetype formatSpecifier(const QString &mask, qsizetype at, bool afterHour, const QDate &date,
                          const QTime &time, QString &out) {
    const QChar c = mask[at].toLower();
    const qsizetype run = runLength(mask, at);
    const auto take = [&](qsizetype most) { return int(std::min(run, most)); };
    int used = 1;
    if (c == u'm' && afterHour) {
        used = take(2);
        out += formatNumberField(used, time.minute());
    } else if (c == u'd') {
        out += formatDay(used = take(4), date);
    } else if (c == u'm') {
        out += formatMonth(used = take(4), date);
    } else if (c == u'y') {
        out += formatYear(used = take(4), date);
    } else if (c == u'h') {
        out += formatNumberField(used = take(2), time.hour());
    } else if (c == u'n') {
        out += formatNumberField(used = take(2), time.minute());
    } else if (c == u's') {
        out += formatNumberField(used = take(2), time.second());
    } else if (c == u'z') {
        out += formatMilliseconds(used = take(3), time.msec());
    } else {
        out += mask[at];
    }
    return used;
}

QString formatMoment(const QString &mask, const QDate &date, const QTime &time) {
    QString out;
    bool afterHour = false;  // "mm" right after "hh" is the minute
    for (qsizetype i = 0; i < mask.size();) {
        const QChar c = mask[i];
        if (isQuote(c)) {
            out += takeQuoted(mask, i);
            ++i;
            continue;
        }
        i += formatSpecifier(mask, i, afterHour, date, time, out);
        if (c.isLetter())
            afterHour = c.toLower() == u'h';
    }
    return out;
}

} // namespace

QString FormatDateTime(const QString &mask, const QDateTime &moment) {
    return moment.isValid() ? formatMoment(mask, moment.date(), moment.time()) : QString();
}

QString FormatDate(const QString &mask, const QDate &date) {
    return date.isValid() ? formatMoment(mask, date, QTime(0, 0)) : QString();
}

QString FormatTime(const QString &mask, const QTime &time) {
    return time.isValid() ? formatMoment(mask, QDate(), time) : QString();
}

} // namespace drav
