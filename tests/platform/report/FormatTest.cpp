#include "platform/report/Format.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

#include <gtest/gtest.h>

namespace drav::report {
namespace {

TEST(ReportFormat, MasksWithDecimalComma) {
    EXPECT_EQ(formatValue("R$0.00", 35.0), "R$35,00");
    EXPECT_EQ(formatValue("R$ 0.00", 25.0), "R$ 25,00");
    EXPECT_EQ(formatValue("0.000", 2.5), "2,500");
    EXPECT_EQ(formatValue("0.0000", 0.12345), "0,1235");
    EXPECT_EQ(formatValue("0.0", 40.0), "40,0");
    EXPECT_EQ(formatValue("0", 7.0 / 2), "4");
    EXPECT_EQ(formatValue("0", 0.4), "0");
}

TEST(ReportFormat, LeadingZerosAndThousands) {
    EXPECT_EQ(formatValue("000000", 7), "000007");
    EXPECT_EQ(formatValue("00000000", 1234), "00001234");
    EXPECT_EQ(formatValue("#,##0.00", 1234567.891), "1.234.567,89");
    EXPECT_EQ(formatValue("#,##0.###", 1500.5), "1.500,5");
    EXPECT_EQ(formatValue("#,##0.###", 200.0), "200");
}

TEST(ReportFormat, RoundsHalfAwayFromZeroAsWritten) {
    EXPECT_EQ(formatValue("0.00", 1.005), "1,01");
    EXPECT_EQ(formatValue("0.00", 2.675), "2,68");
    EXPECT_EQ(formatValue("0", 2.5), "3");
    EXPECT_EQ(formatValue("0.00", -133.3333), "-133,33");
    EXPECT_EQ(formatValue("0.00", -0.001), "0,00");
    EXPECT_EQ(formatValue("R$0.00", -5.0), "-R$5,00");
}

TEST(ReportFormat, WithoutMask) {
    EXPECT_EQ(formatValue({}, 12.5), "12,5");
    EXPECT_EQ(formatValue({}, 14.0), "14");
    EXPECT_EQ(formatValue({}, 42), "42");
    EXPECT_EQ(formatValue({}, QString("ANA")), "ANA");
    EXPECT_EQ(formatValue("0.00", QVariant()), "");
    EXPECT_EQ(formatValue("0.00", QString("2.5")), "2,50");
}

TEST(ReportFormat, DatesAndTimes) {
    EXPECT_EQ(formatValue({}, QDate(2024, 3, 4)), "04/03/2024");
    EXPECT_EQ(formatValue("dd/mm/yyyy", QDate(2024, 3, 4)), "04/03/2024");
    EXPECT_EQ(formatValue({}, QTime(7, 5, 9)), "07:05:09");
    EXPECT_EQ(formatValue("hh:mm", QTime(7, 5, 9)), "07:05");
    EXPECT_EQ(formatValue({}, QDateTime(QDate(2024, 3, 4), QTime(7, 5, 9))), "04/03/2024 07:05:09");
}

} // namespace
} // namespace drav::report
