#include "platform/format/Formats.h"

#include <limits>

#include <gtest/gtest.h>

namespace {

using drav::FormatFloat;

struct NumberCase {
    const char *mask;
    double value;
    const char *text;
};

void expectAll(std::initializer_list<NumberCase> cases) {
    for (const NumberCase &c : cases)
        EXPECT_EQ(FormatFloat(QString::fromUtf8(c.mask), c.value), QString::fromUtf8(c.text))
            << "mask " << c.mask << " value " << c.value;
}

TEST(FormatFloat, PlainMasksUseTheDecimalComma) {
    expectAll({
        {"0", 0, "0"},
        {"0", 7, "7"},
        {"0", 1234567, "1234567"},
        {"0.0", 12.34, "12,3"},
        {"0.00", 0, "0,00"},
        {"0.00", 150.5, "150,50"},
        {"0.00", 0.07, "0,07"},
        {"0.000", 3.14159, "3,142"},
        {"0.0000", 1.5, "1,5000"},
        {"0.0000", 0.00005, "0,0001"},
    });
}

TEST(FormatFloat, HalfwayValuesRoundAwayFromZeroOnTheirDecimalDigits) {
    // Binary doubles hold these just below the half; the typed value decides.
    expectAll({
        {"0.00", 2.675, "2,68"},
        {"0.00", 0.125, "0,13"},
        {"0.00", 1.005, "1,01"},
        {"0.00", 1.015, "1,02"},
        {"0.0", 0.05, "0,1"},
        {"0.0", 0.25, "0,3"},
        {"0", 0.5, "1"},
        {"0", 2.5, "3"},
        {"0", 12.5, "13"},
        {"0", 0.49, "0"},
        {"0.00", 9.995, "10,00"},
        {"0.00", 99.999, "100,00"},
        {"0.00", -2.675, "-2,68"},
        {"0", -0.5, "-1"},
        // A sum that binary arithmetic leaves a hair under the half.
        {"0.00", 0.1 + 0.2 + 0.005, "0,31"},
        {"0.00", 1.1 * 3, "3,30"},
    });
}

TEST(FormatFloat, ZeroFilledMasks) {
    expectAll({
        {"000000", 0, "000000"},
        {"000000", 42, "000042"},
        {"000000", 1234567, "1234567"},  // more digits than places: nothing is cut
        {"0000", 305, "0305"},
        {"0000000000", 17, "0000000017"},
        {"000", 1, "001"},
        {"000000000000.00", 3, "000000000003,00"},
        {"000000000000.00", 150.5, "000000000150,50"},
        {"000000000000.00", 0, "000000000000,00"},
        {"000000000000.00", 1234.565, "000000001234,57"},
    });
}

TEST(FormatFloat, MoneyMasksKeepTheirLiteralText) {
    expectAll({
        {"R$0.00", 35, "R$35,00"},
        {"R$0.00", 0, "R$0,00"},
        {"R$0.00", 1234567.891, "R$1234567,89"},
        {"R$ 0.00", 0, "R$ 0,00"},
        {"R$ 0.00", 2.5, "R$ 2,50"},
        {"R$0.00", -35, "-R$35,00"},
        {"R$ 0.00", -0.125, "-R$ 0,13"},
        {"0.0000 %", 12.5, "12,5000 %"},
        {"'Total: '0.0", 3, "Total: 3,0"},
        {"\"#\"0", 5, "#5"},
    });
}

TEST(FormatFloat, ThousandsGroupsWhereTheMaskHasThem) {
    expectAll({
        {"#,##0.00", 0, "0,00"},
        {"#,##0.00", 999.999, "1.000,00"},
        {"#,##0.00", 1234567.891, "1.234.567,89"},
        {"#,##0.00", -1234.5, "-1.234,50"},
        {"#,##0.00", 12, "12,00"},
        {",0.00", 1234.5, "1.234,50"},
        {",0.00", 123, "123,00"},
        {"#,##0", 1000000, "1.000.000"},
        {"R$ #,##0.00", 98765.4, "R$ 98.765,40"},
        {"#,##0.0", 100, "100,0"},
    });
}

TEST(FormatFloat, OptionalDigitsAndAbsentIntegerPlaces) {
    expectAll({
        {"0.##", 5, "5"},
        {"0.##", 5.1, "5,1"},
        {"0.##", 5.125, "5,13"},
        {"0.0#", 5, "5,0"},
        {"#.##", 0, ""},
        {"#.00", 0.5, ",50"},
        {".00", 12.5, "12,50"},
        {"#", 42, "42"},
    });
}

TEST(FormatFloat, LargeAndTinyValues) {
    expectAll({
        {"0", 1e15, "1000000000000000"},
        {"0.00", 123456789012.345, "123456789012,35"},
        {"#,##0", 1e18, "1.000.000.000.000.000.000"},
        {"0.00", 1e-10, "0,00"},
        {"0.00", -1e-10, "0,00"},  // rounds to zero: no sign
        {"0.00", -0.0, "0,00"},
        {"0.00", -0.004, "0,00"},
        {"0.00", -0.005, "-0,01"},
    });
}

TEST(FormatFloat, SectionsForNegativeAndZeroValues) {
    expectAll({
        {"0.00;(0.00)", -5, "(5,00)"},
        {"0.00;(0.00)", 5, "5,00"},
        {"0.00;(0.00);'zero'", 0, "zero"},
        {"0.00;;'zero'", -5, "-5,00"},  // empty negative section: the first one, with its sign
        {"0.00;'a;b'0", -1, "a;b1"},    // a quoted ";" does not split
    });
}

TEST(FormatFloat, EmptyMaskAndValuesThatAreNotNumbers) {
    expectAll({
        {"", 12.5, "12,5"},
        {"", 0, "0"},
        {"", -3, "-3"},
        {"", 0.1 + 0.2, "0,3"},
    });
    EXPECT_EQ(FormatFloat("0.00", std::numeric_limits<double>::quiet_NaN()), "NAN");
    EXPECT_EQ(FormatFloat("0.00", std::numeric_limits<double>::infinity()), "INF");
    EXPECT_EQ(FormatFloat("0.00", -std::numeric_limits<double>::infinity()), "-INF");
}

TEST(FormatFloat, DoesNotDependOnTheDefaultLocale) {
    const QLocale before;
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(FormatFloat("#,##0.00", 1234.5), "1.234,50");
    QLocale::setDefault(before);
}

TEST(FormatDateTime, MasksOfTheProgram) {
    const QDateTime moment(QDate(2009, 3, 5), QTime(7, 4, 9, 31));
    struct Case {
        const char *mask, *text;
    } cases[] = {
        {"dd/mm/yyyy", "05/03/2009"},
        {"DD/MM/YYYY", "05/03/2009"},
        {"d/m/yy", "5/3/09"},
        {"yyyymmdd", "20090305"},
        {"yyyymmdd hhmm", "20090305 0704"},
        {"yymmddhhmm", "0903050704"},
        {"yyyy-mm-dd", "2009-03-05"},
        {"hh:mm:ss", "07:04:09"},
        {"hh:mm", "07:04"},
        {"h:n:s.zzz", "7:4:9.031"},
        {"hh:nn", "07:04"},
        {"dddd, d 'de' mmmm 'de' yyyy", "quinta-feira, 5 de março de 2009"},
        {"'hh' hh", "hh 07"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(drav::FormatDateTime(QString::fromUtf8(c.mask), moment), QString::fromUtf8(c.text)) << c.mask;
}

TEST(FormatDateTime, DatesTimesAndEmptyValues) {
    EXPECT_EQ(drav::FormatDate("dd/mm/yyyy", QDate(2024, 12, 31)), "31/12/2024");
    EXPECT_EQ(drav::FormatDate("dd/mm/yyyy hh:mm", QDate(2024, 12, 31)), "31/12/2024 00:00");
    EXPECT_EQ(drav::FormatTime("hh:mm:ss", QTime(23, 59, 58)), "23:59:58");
    EXPECT_EQ(drav::FormatDate("dd/mm/yyyy", QDate()), "");
    EXPECT_EQ(drav::FormatTime("hh:mm", QTime()), "");
    EXPECT_EQ(drav::FormatDateTime("dd/mm/yyyy", QDateTime()), "");
}

TEST(ProgramFormats, TheWholeProcessGetsTheBrazilianConventions) {
    const QLocale before;
    QLocale::setDefault(QLocale::c());
    drav::applyProgramFormats();
    const QLocale now;
    EXPECT_EQ(now.decimalPoint(), ",");
    EXPECT_EQ(now.groupSeparator(), ".");
    EXPECT_EQ(now.toString(1234.5, 'f', 2), "1.234,50");
    EXPECT_EQ(now.toString(QDate(2009, 3, 5), drav::shortDateFormat()), "05/03/2009");
    EXPECT_EQ(now.toDouble("1.234,5"), 1234.5);
    QLocale::setDefault(before);
}

} // namespace
