#include "app/DataExtenso.h"

#include <gtest/gtest.h>

TEST(DataPorExtenso, WeekdayDayMonthAndYear) {
    const std::pair<QDate, const char *> casos[] = {
        {QDate(2007, 3, 7), "Quarta-Feira, 07 de Março 2007"},
        {QDate(2009, 9, 5), "Sábado, 05 de Setembro 2009"},
        {QDate(2009, 9, 6), "Domingo, 06 de Setembro 2009"},
        {QDate(2024, 1, 1), "Segunda-Feira, 01 de Janeiro 2024"},
        {QDate(2024, 2, 29), "Quinta-Feira, 29 de Fevereiro 2024"},
        {QDate(2023, 12, 26), "Terça-Feira, 26 de Dezembro 2023"},
        {QDate(2023, 8, 11), "Sexta-Feira, 11 de Agosto 2023"},
    };
    for (const auto &[data, texto] : casos)
        EXPECT_EQ(DataPorExtenso(data), QString::fromUtf8(texto)) << data.toString(Qt::ISODate).toStdString();
}

TEST(DataPorExtenso, EveryMonthName) {
    const char *meses[] = {"Janeiro", "Fevereiro", "Março",    "Abril",   "Maio",     "Junho",
                           "Julho",   "Agosto",    "Setembro", "Outubro", "Novembro", "Dezembro"};
    for (int m = 1; m <= 12; ++m)
        EXPECT_TRUE(DataPorExtenso(QDate(2010, m, 15))
                        .contains(QStringLiteral(", 15 de %1 2010").arg(QString::fromUtf8(meses[m - 1]))))
            << m;
}

TEST(DataPorExtenso, InvalidDateGivesEmptyText) { EXPECT_TRUE(DataPorExtenso(QDate()).isEmpty()); }
