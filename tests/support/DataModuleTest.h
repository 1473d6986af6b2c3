#pragma once
// A fresh database with the whole schema and a data module connected to it:
// the ground of every test of a screen or a dataset of the data module.

#include "data/TdmDados.h"
#include "data/sql/SqlScripts.h"

#include "TestDatabase.h"

#include <QTemporaryDir>

#include <memory>

namespace drav::test {

class DataModuleTest : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        if (IsSkipped())
            return;
        conn().executeScript(data::schemaScript());
        dm = std::make_unique<TdmDados>(pasta.path() + u'/');
        dm->ConexaoBD.connect(database->params());
    }
    void TearDown() override {
        dm.reset();
        DbTest::TearDown();
    }
    qint64 conta(const QString &sql) { return conn().query(sql).integer(0, 0); }

    QTemporaryDir pasta;  // the program folder
    std::unique_ptr<TdmDados> dm;
};

} // namespace drav::test
