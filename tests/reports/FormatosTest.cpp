// The values and lines every report prints.

#include "reports/TFormRelatorio.h"

#include "platform/format/Formats.h"

#include "RelatoriosFixture.h"

#include <gtest/gtest.h>

namespace rel = drav::relatorios;

TEST(FormatosRelatorio, NumbersOfZerosAgreeWithFormatFloat) {
    for (const QString &mascara : {QStringLiteral("0"), QStringLiteral("000"), QStringLiteral("000000")})
        for (const qint64 valor : {qint64(0), qint64(1), qint64(-1), qint64(42), qint64(999999),
                                   qint64(1234567), qint64(-98765)}) {
            SCOPED_TRACE(mascara.toStdString() + " " + std::to_string(valor));
            EXPECT_EQ(rel::formataValor(mascara, valor), drav::FormatFloat(mascara, double(valor)));
        }
}

TEST(FormatosRelatorio, ProgramFormats) {
    EXPECT_EQ(rel::formataValor(rel::kMascaraDinheiro, 1234.5), QStringLiteral("R$1234,50"));
    EXPECT_EQ(rel::formataValor(QStringLiteral("0.000"), QStringLiteral("2.5")), QStringLiteral("2,500"));
    EXPECT_EQ(rel::formataValor({}, 12.5), QStringLiteral("12,5"));
    EXPECT_EQ(rel::formataValor({}, qint64(12000)), QStringLiteral("12000"));
    EXPECT_EQ(rel::formataValor({}, QDate(2001, 10, 5)), QStringLiteral("05/10/2001"));
    EXPECT_EQ(rel::formataValor({}, QTime(7, 5, 3)), QStringLiteral("07:05:03"));
    EXPECT_EQ(rel::formataValor({}, QDateTime(QDate(2024, 3, 5), QTime(14, 30, 15))),
              QStringLiteral("05/03/2024 14:30:15"));
    EXPECT_EQ(rel::formataValor({}, QVariant()), QString());
    EXPECT_EQ(rel::formataValor({}, QStringLiteral("TURMA")), QStringLiteral("TURMA"));
}

TEST(FormatosRelatorio, CompanyAndPeriodLines) {
    EXPECT_EQ(rel::linhaEmpresa(QStringLiteral("FAZENDA UM"), 2009),
              QStringLiteral("FAZENDA UM - SAFRA 2009"));
    EXPECT_EQ(rel::linhaPeriodo(QDate(2024, 3, 1), QDate(2024, 3, 31)),
              QStringLiteral("Período: 01/03/2024 a 31/03/2024"));
}
