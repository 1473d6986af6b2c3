#pragma once
// The number and date conventions of the whole program: Brazilian Portuguese,
// thousands ".", decimal ",", dates dd/MM/yyyy. Masks are written in the
// program's own notation ("0.00", "R$0.00", "#,##0.00", "dd/mm/yyyy") and
// always give the Brazilian separators, whatever the machine's settings.

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QTime>

namespace drav {

// The locale of every form and report (pt_BR).
QLocale programLocale();

// Makes the program's locale the default of the process, so that Qt's own
// number and date editors and QLocale() follow it. Called once at start.
void applyProgramFormats();

// The short date format of the program, "dd/MM/yyyy" (Qt notation).
QString shortDateFormat();

// A number under a display mask. Mask characters:
//   0  a digit, always written (leading or trailing zeros fill the place)
//   #  a digit, written only when significant
//   .  the place of the decimal separator (the first one counts), written ","
//   ,  anywhere before the decimal point: group the integer digits by
//      thousands with "."
//   '...' or "..."  literal text; any other character is literal as well
//   ;  separates the sections for positive;negative;zero values. With a
//      negative section the value is written without its sign; a missing or
//      empty section falls back to the first one.
// The value is rounded half away from zero on its decimal digits (15
// significant, as the value was typed), so 2.675 under "0.00" is "2,68".
// A negative value under the first section gets a leading "-", unless it
// rounds to zero. An empty mask writes up to 15 significant digits.
QString FormatFloat(const QString &mask, double value);

// A date or time under a mask in the program's notation, case-insensitive:
//   d dd ddd dddd  day, two digits, short and long day name
//   m mm mmm mmmm  month, two digits, short and long month name; right after
//                  an hour specifier "m"/"mm" is the minute ("hh:mm", "hhmm")
//   yy yyyy        year, two or four digits
//   h hh  n nn  s ss  zzz   hour (0-23), minute, second, millisecond
//   '...' or "..."  literal text; any other character is written as is
// Names come from the program's locale. An invalid date or time gives "".
QString FormatDateTime(const QString &mask, const QDateTime &moment);
QString FormatDate(const QString &mask, const QDate &date);  // the time is 00:00:00
QString FormatTime(const QString &mask, const QTime &time);  // for masks of time specifiers only

} // namespace drav
