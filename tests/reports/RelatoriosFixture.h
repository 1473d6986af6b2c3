#pragma once
// Two farms with a few registers each, a data module on them working in the
// first one, and the golden files of the report pages.

#include "DataModuleTest.h"

#include <QDateTime>

namespace drav::test {

class RelatoriosTest : public DataModuleTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // The session of the company and harvest dialog.
    void trabalhaEm(int empresa, const QString &nome, int safra);
    // `quantas` teams numbered from 1 in `empresa`.
    void criaTurmas(int empresa, int quantas);
};

// The moment printed in "Data/Hora: " by the tests.
QDateTime agoraFixo();

// The stored page dump `nome`; DRAV_UPDATE_GOLDEN=1 rewrites it with `atual`.
QString golden(const QString &nome, const QString &atual);

} // namespace drav::test

#include <ostream>

inline void PrintTo(const QString &s, std::ostream *os) {
    *os << '"' << s.toStdString() << '"';
}
