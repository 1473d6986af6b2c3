#pragma once
// A data module on a fresh test database with two companies, for the tests
// of the maintenance form and the search dialogs.

#include "data/TdmDados.h"
#include "data/sql/SqlScripts.h"
#include "platform/widgets/ProgramFormats.h"

#include "ScriptedDialogs.h"
#include "TestDatabase.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include <memory>

class FormsDbTest : public drav::test::DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        if (IsSkipped())
            return;
        drav::installProgramFormats();
        conn().executeScript(drav::data::schemaScript());
        conn().executeScript(QStringLiteral(
            "INSERT INTO tbcidade (idcidade, nomecidade, idpais, idestado) VALUES (1, 'BELO HORIZONTE', 'BRA', 'MG');"
            "INSERT INTO tbempresa (idempresa, nome, endereco, idcidade) VALUES (1, 'FAZENDA UM', 'RUA', 1),"
            " (2, 'FAZENDA DOIS', 'RUA', 1);"
            "INSERT INTO tbturma (idturma, nome, idempresa, responsavel) VALUES (0, 'MENSALISTA', 1, 'DRAVOLTA'),"
            " (0, 'MENSALISTA', 2, 'DRAVOLTA'), (1, 'COLHEITA', 1, 'JOSE'), (2, 'CAPINA', 1, 'MARIA');"));
        dm = std::make_unique<TdmDados>(pasta.path() + u'/');
        dm->ConexaoBD.connect(database->params());
        dm->EmpresaAtual = 1;
        dm->SafraAtual = 2009;
    }
    void TearDown() override {
        dm.reset();
        DbTest::TearDown();
    }
    // A count seen from outside the program's connection (committed rows only).
    qint64 contaFora(const QString &sql) {
        auto outra = database->openConnection();
        return outra->query(sql).integer(0, 0);
    }

    QTemporaryDir pasta;
    std::unique_ptr<TdmDados> dm;
};
