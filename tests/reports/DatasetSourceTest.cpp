// Report rows read straight from a dataset.

#include "reports/DatasetSource.h"

#include "platform/report/Report.h"

#include "RelatoriosFixture.h"

#include <gtest/gtest.h>

using drav::ds::Dataset;
using drav::report::DatasetSource;
using drav::report::Report;

namespace {

class FonteDataset : public drav::test::RelatoriosTest {};

TEST_F(FonteDataset, ValuesComeTypedForPrinting) {
    conn().execute(QStringLiteral("UPDATE tbgleba SET dataplantio = '0000-00-00' WHERE idgleba = 2"));
    Dataset q(dm->ConexaoBD);
    q.setSql(QStringLiteral("select idgleba, nomegleba, dataplantio, qtdhectare, null as nada from tbgleba"
                            " where idempresa = 1 order by idgleba"));
    q.open();
    DatasetSource fonte(q);
    ASSERT_TRUE(fonte.first());
    EXPECT_EQ(fonte.fields(), QStringList({"idgleba", "nomegleba", "dataplantio", "qtdhectare", "nada"}));
    EXPECT_EQ(fonte.value(QStringLiteral("idgleba")).typeId(), QMetaType::LongLong);
    EXPECT_EQ(fonte.value(QStringLiteral("NomeGleba")).toString(), QStringLiteral("GLEBA DO CÓRREGO"));
    EXPECT_EQ(fonte.value(QStringLiteral("dataplantio")).toDate(), QDate(2001, 10, 15));
    // A decimal is a number, not the server's text "12.50".
    EXPECT_EQ(fonte.value(QStringLiteral("qtdhectare")).typeId(), QMetaType::Double);
    EXPECT_DOUBLE_EQ(fonte.value(QStringLiteral("qtdhectare")).toDouble(), 12.5);
    EXPECT_TRUE(fonte.value(QStringLiteral("nada")).isNull());
    EXPECT_FALSE(fonte.value(QStringLiteral("naoexiste")).isValid());
    ASSERT_TRUE(fonte.next());
    EXPECT_TRUE(fonte.value(QStringLiteral("dataplantio")).isNull()) << "a zero date prints empty";
    ASSERT_TRUE(fonte.next());
    EXPECT_FALSE(fonte.next());
}

TEST_F(FonteDataset, TheDatasetCursorFollowsThePrintedRow) {
    Dataset q(dm->ConexaoBD);
    q.setSql(QStringLiteral("select idturma, nome from tbturma where idempresa = 1 order by idturma"));
    q.open();
    DatasetSource fonte(q);
    Report r;
    r.setSource(fonte);
    r.detail.setHeight(5).field({0, 50}, QStringLiteral("nome"));
    QStringList vistos;
    r.detail.beforePrint = [&](drav::report::BandEvent &) { vistos << q.fieldByName("nome").asString(); };
    const auto doc = r.generate();
    EXPECT_EQ(vistos, QStringList({"MENSALISTA", "TURMA DO JOÃO", "TURMA DA ANA"}));
    EXPECT_EQ(doc.texts(), vistos);
}

TEST_F(FonteDataset, ANewStatementGivesItsOwnFields) {
    Dataset q(dm->ConexaoBD);
    q.setSql(QStringLiteral("select idturma, nome from tbturma where idempresa = 1 order by idturma"));
    q.open();
    DatasetSource fonte(q);
    ASSERT_TRUE(fonte.first());
    q.setSql(QStringLiteral(
        "select descricao, idvariedade from tbvariedade where idempresa = 1 order by idvariedade"));
    q.open();
    ASSERT_TRUE(fonte.first());
    EXPECT_EQ(fonte.fields(), QStringList({"descricao", "idvariedade"}));
    EXPECT_EQ(fonte.value(QStringLiteral("descricao")).toString(), QStringLiteral("CATUAÍ VERMELHO"));
    q.close();
    EXPECT_FALSE(fonte.first()) << "a closed dataset has no rows";
}

} // namespace

namespace {

TEST_F(FonteDataset, ALayoutAfterTheStatementChangedReadsTheNewColumns) {
    Dataset q(dm->ConexaoBD);
    DatasetSource fonte(q);
    Report r;
    r.setSource(fonte);
    r.detail.setHeight(5).field({0, 50}, QStringLiteral("nome"));
    q.setSql(QStringLiteral("select idturma, nome from tbturma where idempresa = 1 order by idturma"));
    q.open();
    EXPECT_EQ(r.generate().texts(), QStringList({"MENSALISTA", "TURMA DO JOÃO", "TURMA DA ANA"}));
    q.setSql(QStringLiteral("select responsavel, nome from tbturma where idempresa = 1 order by idturma"));
    q.open();
    EXPECT_EQ(r.generate().texts(), QStringList({"MENSALISTA", "TURMA DO JOÃO", "TURMA DA ANA"}));
}

} // namespace
