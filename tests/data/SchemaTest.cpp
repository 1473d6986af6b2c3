#include "data/sql/SqlScripts.h"
#include "platform/db/Connection.h"

#include "TestDatabase.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <utility>
#include <vector>

using drav::data::cityScript;
using drav::data::kCityScriptCount;
using drav::data::schemaScript;
using drav::db::Connection;
using drav::db::DbError;
using drav::db::Params;
using drav::test::DbTest;

namespace {

// The database structure as read back from information_schema, one line per
// table, column, key and foreign key, in a fixed order.
QString dumpSchema(Connection &c) {
    const Params db{{QStringLiteral("db"), c.params().database}};
    QStringList out;

    const auto tables = c.query(QStringLiteral(
        "SELECT t.TABLE_NAME, t.ENGINE, t.TABLE_COLLATION, cs.CHARACTER_SET_NAME "
        "FROM information_schema.TABLES t "
        "JOIN information_schema.COLLATIONS cs ON cs.COLLATION_NAME = t.TABLE_COLLATION "
        "WHERE t.TABLE_SCHEMA = :db ORDER BY t.TABLE_NAME"), db);
    for (int t = 0; t < tables.rowCount(); ++t) {
        const QString table = tables.text(t, 0);
        const Params tp{{QStringLiteral("db"), c.params().database}, {QStringLiteral("t"), table}};
        out << QStringLiteral("table %1 engine=%2 charset=%3 collation=%4")
                   .arg(table, tables.text(t, 1), tables.text(t, 3), tables.text(t, 2));

        const auto cols = c.query(QStringLiteral(
            "SELECT COLUMN_NAME, COLUMN_TYPE, IS_NULLABLE, COLUMN_DEFAULT, EXTRA, CHARACTER_SET_NAME "
            "FROM information_schema.COLUMNS WHERE TABLE_SCHEMA = :db AND TABLE_NAME = :t "
            "ORDER BY ORDINAL_POSITION"), tp);
        for (int i = 0; i < cols.rowCount(); ++i) {
            QString line = QStringLiteral("  column %1 %2 %3 default=%4")
                               .arg(cols.text(i, 0), cols.text(i, 1),
                                    cols.text(i, 2) == QLatin1String("YES") ? QStringLiteral("null")
                                                                             : QStringLiteral("not-null"),
                                    cols.isNull(i, 3) ? QStringLiteral("(none)") : cols.text(i, 3));
            if (!cols.text(i, 4).isEmpty())
                line += QStringLiteral(" ") + cols.text(i, 4);
            if (!cols.isNull(i, 5))
                line += QStringLiteral(" charset=") + cols.text(i, 5);
            out << line;
        }

        const auto keys = c.query(QStringLiteral(
            "SELECT INDEX_NAME, NON_UNIQUE, GROUP_CONCAT(COLUMN_NAME ORDER BY SEQ_IN_INDEX SEPARATOR ',') "
            "FROM information_schema.STATISTICS WHERE TABLE_SCHEMA = :db AND TABLE_NAME = :t "
            "GROUP BY INDEX_NAME, NON_UNIQUE ORDER BY INDEX_NAME <> 'PRIMARY', INDEX_NAME"), tp);
        for (int i = 0; i < keys.rowCount(); ++i) {
            const QString name = keys.text(i, 0);
            if (name == QLatin1String("PRIMARY"))
                out << QStringLiteral("  primary key (%1)").arg(keys.text(i, 2));
            else
                out << QStringLiteral("  %1 %2 (%3)")
                           .arg(keys.integer(i, 1) ? QStringLiteral("index") : QStringLiteral("unique"), name,
                                keys.text(i, 2));
        }

        const auto fks = c.query(QStringLiteral(
            "SELECT k.CONSTRAINT_NAME, "
            "  GROUP_CONCAT(k.COLUMN_NAME ORDER BY k.ORDINAL_POSITION SEPARATOR ','), "
            "  k.REFERENCED_TABLE_NAME, "
            "  GROUP_CONCAT(k.REFERENCED_COLUMN_NAME ORDER BY k.ORDINAL_POSITION SEPARATOR ','), "
            "  r.UPDATE_RULE, r.DELETE_RULE "
            "FROM information_schema.KEY_COLUMN_USAGE k "
            "JOIN information_schema.REFERENTIAL_CONSTRAINTS r "
            "  ON r.CONSTRAINT_SCHEMA = k.CONSTRAINT_SCHEMA AND r.CONSTRAINT_NAME = k.CONSTRAINT_NAME "
            " AND r.TABLE_NAME = k.TABLE_NAME "
            "WHERE k.TABLE_SCHEMA = :db AND k.TABLE_NAME = :t AND k.REFERENCED_TABLE_NAME IS NOT NULL "
            "GROUP BY k.CONSTRAINT_NAME, k.REFERENCED_TABLE_NAME, r.UPDATE_RULE, r.DELETE_RULE "
            "ORDER BY k.CONSTRAINT_NAME"), tp);
        for (int i = 0; i < fks.rowCount(); ++i)
            out << QStringLiteral("  foreign key %1 (%2) references %3 (%4) on update %5 on delete %6")
                       .arg(fks.text(i, 0), fks.text(i, 1), fks.text(i, 2), fks.text(i, 3), fks.text(i, 4),
                            fks.text(i, 5));
    }
    return out.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString readFile(const QString &path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

class SchemaTest : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        if (IsSkipped())
            return;
        conn().executeScript(schemaScript());
    }
    void loadCities() {
        for (int part = 1; part <= kCityScriptCount; ++part)
            conn().executeScript(cityScript(part));
    }
    qint64 scalar(const QString &sql, const Params &params = {}) { return conn().query(sql, params).integer(0, 0); }
};

TEST_F(SchemaTest, StructureMatchesTheReviewedDump) {
    const QString actual = dumpSchema(conn());
    const QString goldenPath = QStringLiteral(DRAV_SCHEMA_GOLDEN);
    if (qEnvironmentVariableIsSet("DRAV_UPDATE_GOLDEN")) {
        QFile f(goldenPath);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(actual.toUtf8());
        GTEST_SKIP() << "golden file rewritten: " << goldenPath.toStdString();
    }
    const QString golden = readFile(goldenPath);
    ASSERT_FALSE(golden.isEmpty()) << "missing golden file " << goldenPath.toStdString();

    const QStringList want = golden.split(QLatin1Char('\n'));
    const QStringList got = actual.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < std::max(want.size(), got.size()); ++i) {
        const QString w = i < want.size() ? want[i] : QStringLiteral("<end>");
        const QString g = i < got.size() ? got[i] : QStringLiteral("<end>");
        ASSERT_EQ(g.toStdString(), w.toStdString()) << "first difference at line " << i + 1;
    }
}

TEST_F(SchemaTest, HasTheFortyOneTablesAndChecksForeignKeysAgain) {
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM information_schema.TABLES WHERE TABLE_SCHEMA = :db"),
                     {{QStringLiteral("db"), conn().params().database}}),
              41);
    EXPECT_EQ(scalar(QStringLiteral("SELECT @@SESSION.foreign_key_checks")), 1);
}

TEST_F(SchemaTest, SeedsTheUserTheCountryAndTheStatesWithTheirAccents) {
    const auto users = conn().query(QStringLiteral("SELECT IDUSUARIO, SENHA, nomeusuario FROM tbusuario"));
    ASSERT_EQ(users.rowCount(), 1);
    EXPECT_EQ(users.text(0, 0), QStringLiteral("DRAVOLTA"));
    EXPECT_EQ(users.text(0, 1), QStringLiteral("QWEMBRXT"));
    EXPECT_EQ(users.text(0, 2), QStringLiteral("DRAVOLTA"));

    const auto countries = conn().query(QStringLiteral("SELECT Idpais, nome FROM tbpais"));
    ASSERT_EQ(countries.rowCount(), 1);
    EXPECT_EQ(countries.text(0, 0), QStringLiteral("BRA"));
    EXPECT_EQ(countries.text(0, 1), QStringLiteral("BRASIL"));

    const std::map<QString, QString> expected{
        {QStringLiteral("AC"), QStringLiteral("Acre")},
        {QStringLiteral("AL"), QStringLiteral("Alagoas")},
        {QStringLiteral("AM"), QStringLiteral("Amazonas")},
        {QStringLiteral("AP"), QStringLiteral("Amapá")},
        {QStringLiteral("BA"), QStringLiteral("Bahia")},
        {QStringLiteral("CE"), QStringLiteral("Ceará")},
        {QStringLiteral("DF"), QStringLiteral("Distrito Federal")},
        {QStringLiteral("ES"), QStringLiteral("Espírito Santo")},
        {QStringLiteral("GO"), QStringLiteral("Goiás")},
        {QStringLiteral("MA"), QStringLiteral("Maranhão")},
        {QStringLiteral("MG"), QStringLiteral("Minas Gerais")},
        {QStringLiteral("MS"), QStringLiteral("Mato Grosso do Sul")},
        {QStringLiteral("MT"), QStringLiteral("Mato Grosso")},
        {QStringLiteral("PA"), QStringLiteral("Pará")},
        {QStringLiteral("PB"), QStringLiteral("Paraíba")},
        {QStringLiteral("PE"), QStringLiteral("Pernambuco")},
        {QStringLiteral("PI"), QStringLiteral("Piauí")},
        {QStringLiteral("PR"), QStringLiteral("Paraná")},
        {QStringLiteral("RJ"), QStringLiteral("Rio de Janeiro")},
        {QStringLiteral("RN"), QStringLiteral("Rio Grande do Norte")},
        {QStringLiteral("RO"), QStringLiteral("Rondônia")},
        {QStringLiteral("RR"), QStringLiteral("Roraima")},
        {QStringLiteral("RS"), QStringLiteral("Rio Grande do Sul")},
        {QStringLiteral("SC"), QStringLiteral("Santa Catarina")},
        {QStringLiteral("SE"), QStringLiteral("Sergipe")},
        {QStringLiteral("SP"), QStringLiteral("São Paulo")},
        {QStringLiteral("TO"), QStringLiteral("Tocantins")},
    };
    const auto states = conn().query(QStringLiteral("SELECT idestado, nome, Idpais FROM tbestado ORDER BY idestado"));
    std::map<QString, QString> got;
    for (int i = 0; i < states.rowCount(); ++i) {
        got[states.text(i, 0)] = states.text(i, 1);
        EXPECT_EQ(states.text(i, 2), QStringLiteral("BRA")) << states.text(i, 0).toStdString();
    }
    EXPECT_EQ(got, expected);
    // Stored as latin1, one byte per accented letter.
    EXPECT_EQ(conn().query(QStringLiteral("SELECT HEX(nome) FROM tbestado WHERE idestado = 'SP'")).text(0, 0),
              QStringLiteral("53E36F205061756C6F"));

    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM tbcidade")), 0);
}

TEST_F(SchemaTest, EachCityScriptLoadsInOneGoAndContinuesTheIds) {
    qint64 previousMax = 0;
    qint64 smallest = -1, largest = 0;
    for (int part = 1; part <= kCityScriptCount; ++part) {
        SCOPED_TRACE(part);
        EXPECT_GE(conn().executeScript(cityScript(part)), 1);
        const auto r = conn().query(QStringLiteral("SELECT MIN(idcidade), MAX(idcidade), COUNT(*) FROM tbcidade "
                                                   "WHERE idcidade > :prev"),
                                    {{QStringLiteral("prev"), previousMax}});
        EXPECT_EQ(r.integer(0, 0), previousMax + 1);
        EXPECT_EQ(r.integer(0, 1) - r.integer(0, 0) + 1, r.integer(0, 2));
        const qint64 rows = r.integer(0, 2);
        smallest = smallest < 0 ? rows : std::min(smallest, rows);
        largest = std::max(largest, rows);
        previousMax = r.integer(0, 1);
    }
    // The parts are of nearly equal size.
    EXPECT_LE(largest - smallest, 1);
}

TEST_F(SchemaTest, CityListIsAlphabeticalUpperCaseWithThePlaceholderLast) {
    loadCities();
    const auto rows = conn().query(QStringLiteral("SELECT idcidade, nomecidade, Idpais, idestado FROM tbcidade "
                                                  "ORDER BY idcidade"));
    const int n = rows.rowCount();
    // Brazil has some 5,570 municipalities; a truncated list would show here.
    ASSERT_GE(n, 5570);

    std::set<QString> stateCodes;
    {
        const auto states = conn().query(QStringLiteral("SELECT idestado FROM tbestado"));
        for (int i = 0; i < states.rowCount(); ++i)
            stateCodes.insert(states.text(i, 0));
    }
    const QRegularExpression plainUpper(QStringLiteral("^[A-Z]([A-Z '-]*[A-Z])?$"));
    std::set<QString> statesWithCities;
    std::pair<QString, QString> previous;
    for (int i = 0; i < n; ++i) {
        const QString name = rows.text(i, 1);
        const QString state = rows.text(i, 3);
        SCOPED_TRACE(name.toStdString() + " " + state.toStdString());
        ASSERT_EQ(rows.integer(i, 0), i + 1);
        EXPECT_EQ(rows.text(i, 2), QStringLiteral("BRA"));
        EXPECT_TRUE(stateCodes.count(state));
        if (i == n - 1)
            break;
        EXPECT_TRUE(plainUpper.match(name).hasMatch());
        std::pair<QString, QString> key{name, state};
        if (i > 0) {
            EXPECT_LT(previous, key);
        }
        previous = std::move(key);
        statesWithCities.insert(state);
    }
    EXPECT_EQ(statesWithCities, stateCodes);

    EXPECT_EQ(rows.text(n - 1, 1), QStringLiteral("NÃO CADASTRADA"));
    EXPECT_EQ(rows.text(n - 1, 3), QStringLiteral("MG"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM tbcidade WHERE nomecidade = :n"),
                     {{QStringLiteral("n"), QStringLiteral("NÃO CADASTRADA")}}),
              1);

    // The server's own name order (latin1 collation) is the id order, so a
    // list sorted by name shows the cities in the same order.
    const auto byName = conn().query(QStringLiteral("SELECT idcidade FROM tbcidade WHERE idcidade < :last "
                                                    "ORDER BY nomecidade, idestado"),
                                     {{QStringLiteral("last"), n}});
    ASSERT_EQ(byName.rowCount(), n - 1);
    for (int i = 0; i < byName.rowCount(); ++i)
        ASSERT_EQ(byName.integer(i, 0), i + 1);
}

TEST_F(SchemaTest, CityNamesWithApostrophesRoundTrip) {
    loadCities();
    const std::pair<const char *, const char *> cases[] = {
        {"ALTA FLORESTA D'OESTE", "RO"}, {"SANT'ANA DO LIVRAMENTO", "RS"}, {"OLHOS-D'AGUA", "MG"},
        {"PAU D'ARCO", "PA"},            {"PAU D'ARCO", "TO"},             {"DIAS D'AVILA", "BA"},
    };
    for (const auto &[name, state] : cases) {
        SCOPED_TRACE(name);
        const auto r = conn().query(QStringLiteral("SELECT nomecidade FROM tbcidade WHERE nomecidade = :n "
                                                   "AND idestado = :uf"),
                                    {{QStringLiteral("n"), QString::fromUtf8(name)},
                                     {QStringLiteral("uf"), QString::fromUtf8(state)}});
        ASSERT_EQ(r.rowCount(), 1);
        EXPECT_EQ(r.text(0, 0), QString::fromUtf8(name));
    }
    EXPECT_GT(scalar(QStringLiteral("SELECT COUNT(*) FROM tbcidade WHERE nomecidade LIKE '%''%'")), 30);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM tbcidade WHERE LOCATE(CHAR(92), nomecidade) > 0")), 0);
}

// How keys and foreign keys treat the rows the program writes. Every case
// starts from two companies (1 and 2), a city, an operation and a plot, runs
// its own statements in order, and the last statement gives the expected
// server error (0: accepted).
struct KeyCase {
    const char *name;
    std::vector<const char *> before;
    const char *statement;
    unsigned error;
};

class SchemaKeysTest : public SchemaTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(SchemaKeysTest, BehavesAsTheProgramExpects) {
    const KeyCase &c = GetParam();
    conn().executeScript(QStringLiteral(
        "INSERT INTO tbcidade (idcidade, nomecidade, idpais, idestado) VALUES (1, 'TESTE', 'BRA', 'MG');"
        "INSERT INTO tbempresa (idempresa, nome, idcidade) VALUES (1, 'FAZENDA UM', 1), (2, 'FAZENDA DOIS', 1);"
        "INSERT INTO tbgrupoopera (idgrupo, nomegrupo, idempresa) VALUES (1, 'COLHEITA', 1);"
        "INSERT INTO tboperacao (idoperacao, nomeoperacao, idempresa, idgrupo) VALUES (1, 'DERRIÇA', 1, 1);"
        "INSERT INTO tbgleba (idgleba, nomegleba, idempresa, qtdplantas, dataplantio, idvariedade, qtdhectare) "
        "  VALUES (1, 'TALHÃO 1', 1, 1000, '2001-10-01', 1, 2.5);"));
    for (const char *sql : c.before)
        conn().execute(QString::fromUtf8(sql));
    unsigned error = 0;
    try {
        conn().execute(QString::fromUtf8(c.statement));
    } catch (const DbError &e) {
        error = e.code();
    }
    EXPECT_EQ(error, c.error);
}

constexpr const char *kTeams = "INSERT INTO tbturma (idturma, nome, idempresa) VALUES (1, 'A', 1), (1, 'A', 2)";

INSTANTIATE_TEST_SUITE_P(
    Cases, SchemaKeysTest,
    ::testing::Values(
        KeyCase{"TeamWorkerAndEventOneInEachCompany",
                {kTeams,
                 "INSERT INTO tbeventos (idevento, descricao, idempresa) VALUES (1, 'PRODUCAO', 1), (1, 'PRODUCAO', 2)",
                 "INSERT INTO tbcolaborador (idcolaborador, nome, idempresa, idturma) VALUES (1, 'JOSE', 1, 1)"},
                "INSERT INTO tbcolaborador (idcolaborador, nome, idempresa, idturma) VALUES (1, 'JOSE', 2, 1)",
                0},
        KeyCase{"ProductionEntryNumberIsOneForAllCompanies",
                {kTeams,
                 "INSERT INTO tbcolaborador (idcolaborador, nome, idempresa, idturma) VALUES (1, 'JOSE', 1, 1), "
                 "(1, 'JOSE', 2, 1)",
                 "INSERT INTO tbordem (idordem, idempresa, idturma, idoperacao, idgleba, idsafra, status) "
                 "VALUES (5, 1, 1, 1, 1, 2009, 'A'), (5, 2, 1, 1, 1, 2009, 'A')",
                 "INSERT INTO tbproducao (idproducao, idempresa, idordem, idcolaborador, idsafra) "
                 "VALUES (1, 1, 5, 1, 2009)"},
                "INSERT INTO tbproducao (idproducao, idempresa, idordem, idcolaborador, idsafra) "
                "VALUES (1, 2, 5, 1, 2009)",
                1062},
        KeyCase{"SameAccountInAnotherCompany",
                {"INSERT INTO tbbanco (idbanco, nomebanco, idempresa) VALUES (1, 'BANCO', 1), (1, 'BANCO', 2)",
                 "INSERT INTO tbconta (idbanco, agencia, conta, titular, pessoafj, idempresa) "
                 "VALUES (1, '0001', '123', 'A', 'F', 1)"},
                "INSERT INTO tbconta (idbanco, agencia, conta, titular, pessoafj, idempresa) "
                "VALUES (1, '0001', '123', 'B', 'F', 2)",
                1062},
        KeyCase{"SecondTelephoneOfAClient",
                {"INSERT INTO tbcliente (idcliente, nome, razaosocial, idempresa, idcidade) "
                 "VALUES (1, 'C', 'C', 1, 1)",
                 "INSERT INTO tbfonecliente (idcliente, telefone, idempresa) VALUES (1, '1111', 1)"},
                "INSERT INTO tbfonecliente (idcliente, telefone, idempresa) VALUES (1, '2222', 1)",
                1062},
        KeyCase{"SecondTelephoneOfASupplier",
                {"INSERT INTO tbfornecedor (idfornecedor, idcidade, idempresa, razaosocial) VALUES (1, 1, 1, 'F')",
                 "INSERT INTO tbfonefornecedor (telefone, local, idfornecedor, idempresa) VALUES ('1111', 'X', 1, 1)"},
                "INSERT INTO tbfonefornecedor (telefone, local, idfornecedor, idempresa) VALUES ('2222', 'Y', 1, 1)",
                0},
        KeyCase{"DeleteCompanyStillReferenced",
                {kTeams},
                "DELETE FROM tbempresa WHERE idempresa = 2",
                1451},
        KeyCase{"DeleteTeamStillReferenced",
                {kTeams,
                 "DELETE FROM tbturma WHERE idempresa = 2",
                 "INSERT INTO tbcolaborador (idcolaborador, nome, idempresa, idturma) VALUES (1, 'JOSE', 1, 1)"},
                "DELETE FROM tbturma WHERE idturma = 1",
                1451},
        KeyCase{"WorkerOfAMissingTeam",
                {},
                "INSERT INTO tbcolaborador (idcolaborador, nome, idempresa, idturma) VALUES (1, 'JOSE', 1, 7)",
                1452},
        KeyCase{"OrderOfTeamZeroWithoutAnyTeamZero",
                {},
                "INSERT INTO tbordem (idordem, idempresa, idturma, idoperacao, idgleba, idsafra) VALUES (1, 1, 0, 1, 1, 2009)",
                1452},
        KeyCase{"OrderOfTeamZeroOnceSomeCompanyHasIt",
                {"INSERT INTO tbturma (idturma, nome, idempresa) VALUES (0, 'MENSALISTA', 2)"},
                "INSERT INTO tbordem (idordem, idempresa, idturma, idoperacao, idgleba, idsafra) VALUES (1, 1, 0, 1, 1, 2009)",
                0},
        KeyCase{"CityOfAnUnknownState",
                {},
                "INSERT INTO tbcidade (idcidade, nomecidade, idpais, idestado) VALUES (99999, 'X', 'BRA', 'XX')",
                1452},
        KeyCase{"SecondUserOfTheSameLogin",
                {},
                "INSERT INTO tbusuario (IDUSUARIO, SENHA, nomeusuario) VALUES ('DRAVOLTA', 'X', 'OUTRO')",
                0}),
    [](const ::testing::TestParamInfo<KeyCase> &p) { return std::string(p.param.name); });

TEST_F(SchemaTest, LitresAreWholeAndPricesKeepTwoDecimals) {
    conn().executeScript(QStringLiteral(
        "INSERT INTO tbempresa (idempresa, nome) VALUES (1, 'FAZENDA');"
        "INSERT INTO tboperador (idoperador, nomeoperador, idempresa) VALUES (1, 'O', 1);"
        "INSERT INTO tbfrentista (idfrentista, nomefrentista, senhafrentista, idempresa) VALUES (1, 'F', '1', 1);"
        "INSERT INTO tbmarca (idmarca, nomemarca, idempresa) VALUES (1, 'M', 1);"
        "INSERT INTO tbgrupoveiculo (idgrupoveiculo, descricao, idempresa) VALUES (1, 'G', 1);"
        "INSERT INTO tbveiculo (idveiculo, idmarca, idgrupoveiculo, idoperador, idempresa) VALUES (1, 1, 1, 1, 1);"
        "INSERT INTO tbcombustivel (idcombustivel, nomecombustivel, idempresa, VLitro) VALUES (1, 'DIESEL', 1, 3.456);"
        "INSERT INTO tbabastece (data, hora, qtdlitros, idfrentista, idveiculo, idoperador, idcombustivel, "
        "  idempresa, VLitro) VALUES ('2009-09-05', '07:30:00', 12.5, 1, 1, 1, 1, 1, 3.45);"));
    const auto r = conn().query(QStringLiteral("SELECT a.qtdlitros, a.VLitro, c.VLitro FROM tbabastece a "
                                               "JOIN tbcombustivel c ON c.idcombustivel = a.idcombustivel"));
    ASSERT_EQ(r.rowCount(), 1);
    EXPECT_EQ(r.text(0, 0), QStringLiteral("13"));
    EXPECT_EQ(r.text(0, 1), QStringLiteral("3.45"));
    EXPECT_EQ(r.text(0, 2), QStringLiteral("3.46"));
}

} // namespace
