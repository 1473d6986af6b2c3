// The statements of the two search dialogs, from the callers' descriptions.

#include "forms/ConsultaPesquisa.h"
#include "platform/dataset/DatasetError.h"

#include <gtest/gtest.h>

namespace {

const TCampos nomeGleba{"Nome da Gleba", "nomegleba", "tbgleba", "N"};
const TCampos idGleba{"Gleba", "idgleba", "tbgleba", "N"};

ConfigPesquisa2 com(TConsulta campos) {
    ConfigPesquisa2 c;
    c.Consultas = std::move(campos);
    return c;
}

struct Caso2 {
    const char *nome;
    ConfigPesquisa2 config;
    int chave;
    QString texto;
    QString esperado;
};

ConfigPesquisa2 ordens(bool porEmpresa) {
    ConfigPesquisa2 c = com({{"Ordem", "idordem", "tbordem", "N"},
                             {"Operação", "nomeoperacao", "tboperacao", "N"},
                             {"Gleba", "nomegleba", "tbgleba", "N"},
                             {"", "idoperacao", "tboperacao", "J", porEmpresa},
                             {"", "idgleba", "tbgleba", "J", porEmpresa}});
    c.Distinto = true;
    return c;
}

ConfigPesquisa2 colaboradores(bool mostraDemitidos, QString extra = {}) {
    ConfigPesquisa2 c = com({{"Nome", "nome", "tbcolaborador", "N"}, {"Código", "idcolaborador", "tbcolaborador", "N"}});
    c.MostraDemitidos = mostraDemitidos;
    c.CondicaoExtra = std::move(extra);
    return c;
}

TEST(SqlPesquisa2, StatementsOfTheCallers) {
    const Caso2 casos[] = {
        {"the plot search of the example", com({nomeGleba, idGleba}), 0, "CA",
         "SELECT tbgleba.nomegleba,tbgleba.idgleba FROM tbgleba WHERE tbgleba.idempresa = 3 AND "
         "tbgleba.nomegleba LIKE 'CA%'"},
        {"second key field, empty text", com({nomeGleba, idGleba}), 1, "",
         "SELECT tbgleba.nomegleba,tbgleba.idgleba FROM tbgleba WHERE tbgleba.idempresa = 3 AND "
         "tbgleba.idgleba LIKE '%'"},
        {"a table of every company", com({{"Cidade", "nomecidade", "tbcidade", "N"}}), 0, "BE",
         "SELECT tbcidade.nomecidade FROM tbcidade WHERE tbcidade.nomecidade LIKE 'BE%'"},
        {"users belong to no company", com({{"Usuário", "idusuario", "tbusuario", "N"}}), 0, "",
         "SELECT tbusuario.idusuario FROM tbusuario WHERE tbusuario.idusuario LIKE '%'"},
        {"dismissed workers listed by default", colaboradores(true), 0, "JO",
         "SELECT tbcolaborador.nome,tbcolaborador.idcolaborador FROM tbcolaborador WHERE "
         "tbcolaborador.idempresa = 3 AND tbcolaborador.nome LIKE 'JO%'"},
        {"dismissed workers left out", colaboradores(false), 0, "JO",
         "SELECT tbcolaborador.nome,tbcolaborador.idcolaborador FROM tbcolaborador WHERE "
         "tbcolaborador.idempresa = 3 AND tbcolaborador.demitido <> 'S' AND tbcolaborador.nome LIKE 'JO%'"},
        {"extra condition before the key test", colaboradores(true, "tbcolaborador.idturma = 2 and "), 1, "1",
         "SELECT tbcolaborador.nome,tbcolaborador.idcolaborador FROM tbcolaborador WHERE "
         "tbcolaborador.idempresa = 3 AND tbcolaborador.idturma = 2 and tbcolaborador.idcolaborador LIKE '1%'"},
        {"orders: distinct, two joins on the column", ordens(false), 2, "CA",
         "SELECT DISTINCT tbordem.idordem,tboperacao.nomeoperacao,tbgleba.nomegleba,tboperacao.idoperacao,"
         "tbgleba.idgleba FROM tbordem INNER JOIN tboperacao ON tboperacao.idoperacao = tbordem.idoperacao "
         "INNER JOIN tbgleba ON tbgleba.idgleba = tbordem.idgleba WHERE tbordem.idempresa = 3 AND "
         "tbgleba.nomegleba LIKE 'CA%'"},
        {"orders: joins on the company too", ordens(true), 0, "",
         "SELECT DISTINCT tbordem.idordem,tboperacao.nomeoperacao,tbgleba.nomegleba,tboperacao.idoperacao,"
         "tbgleba.idgleba FROM tbordem INNER JOIN tboperacao ON tboperacao.idoperacao = tbordem.idoperacao "
         "and tboperacao.idempresa = tbordem.idempresa INNER JOIN tbgleba ON tbgleba.idgleba = tbordem.idgleba "
         "and tbgleba.idempresa = tbordem.idempresa WHERE tbordem.idempresa = 3 AND tbordem.idordem LIKE '%'"},
        {"table names compare by case", com({{"Cidade", "nomecidade", "TbCidade", "N"}}), 0, "",
         "SELECT TbCidade.nomecidade FROM TbCidade WHERE TbCidade.idempresa = 3 AND TbCidade.nomecidade LIKE '%'"},
    };
    for (const Caso2 &c : casos) {
        SCOPED_TRACE(c.nome);
        EXPECT_EQ(SqlPesquisa2(c.config, 3, c.chave, c.texto).toStdString(), c.esperado.toStdString());
    }
}

TEST(SqlPesquisa2, AKeyOutsideTheCriteriaIsRefused) {
    EXPECT_THROW(SqlPesquisa2(com({nomeGleba}), 3, 1, ""), drav::ds::DatasetError);
    EXPECT_THROW(SqlPesquisa2(com({}), 3, 0, ""), drav::ds::DatasetError);
}

TEST(TCampos, PositionsAreCaptionColumnTableKind) {
    const TCampos c{"Nome da Gleba", "nomegleba", "tbgleba", "N"};
    EXPECT_EQ(c[0], "Nome da Gleba");
    EXPECT_EQ(c[1], "nomegleba");
    EXPECT_EQ(c[2], "tbgleba");
    EXPECT_EQ(c[3], "N");
    EXPECT_THROW((void)c[4], drav::ds::DatasetError);
}

TEST(TesteLike, TheTextStaysALiteralPrefix) {
    const struct {
        QString texto;
        QString esperado;
    } casos[] = {
        {"CA", " LIKE 'CA%'"},
        {"", " LIKE '%'"},
        {"D'AVILA", " LIKE 'D''AVILA%'"},
        {"100%", " LIKE '100\\\\%%'"},
        {"A_B", " LIKE 'A\\\\_B%'"},
        {"C:\\", " LIKE 'C:\\\\\\\\%'"},
        {"' OR 1=1 -- ", " LIKE ''' OR 1=1 -- %'"},
        {QString("A") + QChar(0) + "B", " LIKE 'A\\0B%'"},
    };
    for (const auto &c : casos) {
        SCOPED_TRACE(c.texto.toStdString());
        EXPECT_EQ(testeLike(c.texto).toStdString(), c.esperado.toStdString());
    }
}

struct Caso1 {
    const char *nome;
    ConfigPesquisa config;
    int chave;
    QString esperado;
};

TEST(SqlPesquisa, StatementsOfTheCallers) {
    const Caso1 casos[] = {
        {"plain table", {{"Turma", "Nome"}, {"idturma", "nome"}, "tbturma"}, 1,
         "SELECT idturma,nome FROM tbturma WHERE tbturma.idempresa = 3 AND tbturma.nome LIKE 'AB%'"},
        {"companies of every company", {{"Código", "Empresa"}, {"idempresa", "nome"}, "tbempresa"}, 1,
         "SELECT idempresa,nome FROM tbempresa WHERE tbempresa.nome LIKE 'AB%'"},
        {"harvests of the company register's row",
         {{"Safra", "Empresa"}, {"idsafra", "tbempresa.nome", "idempresa"}, "tbsafra", "tbempresa", "idempresa"}, 0,
         "SELECT idsafra,tbempresa.nome,tbsafra.idempresa FROM tbsafra INNER JOIN tbempresa ON "
         "tbempresa.idempresa = tbsafra.idempresa WHERE tbsafra.idempresa = 7 AND tbsafra.idsafra LIKE 'AB%'"},
        {"production by worker name",
         {{"Nome", "Código"}, {"tbcolaborador.nome", "idcolaborador"}, "tbproducao", "tbcolaborador", "idcolaborador"},
         0,
         "SELECT tbcolaborador.nome,tbproducao.idcolaborador FROM tbproducao INNER JOIN tbcolaborador ON "
         "tbcolaborador.idcolaborador = tbproducao.idcolaborador WHERE tbproducao.idempresacolaborador = "
         "tbcolaborador.idempresa AND tbproducao.idempresa = 3 AND tbcolaborador.nome LIKE 'AB%'"},
        {"orders grouped by operation and plot",
         {{"Ordem", "Operação", "Gleba"},
          {"idordem", "tboperacao.nomeoperacao", "tbgleba.nomegleba"},
          "tbordem",
          "tboperacao",
          "idoperacao",
          "tbgleba",
          "idgleba"},
         0,
         "SELECT idordem,tboperacao.nomeoperacao,tbgleba.nomegleba FROM tbordem INNER JOIN tboperacao ON "
         "tboperacao.idoperacao = tbordem.idoperacao INNER JOIN tbgleba ON tbgleba.idgleba = tbordem.idgleba "
         "WHERE tbordem.idempresa = 3 AND tbordem.idordem LIKE 'AB%' group by idordem,tboperacao.nomeoperacao,"
         "tbgleba.nomegleba"},
        {"a qualified key entry stands as it is",
         {{"Ordem", "Operação"}, {"idordem", "tboperacao.nomeoperacao"}, "tbordem", "tboperacao", "idoperacao"}, 1,
         "SELECT idordem,tboperacao.nomeoperacao FROM tbordem INNER JOIN tboperacao ON tboperacao.idoperacao = "
         "tbordem.idoperacao WHERE tbordem.idempresa = 3 AND tboperacao.nomeoperacao LIKE 'AB%'"},
    };
    for (const Caso1 &c : casos) {
        SCOPED_TRACE(c.nome);
        EXPECT_EQ(SqlPesquisa(c.config, 3, 7, c.chave, "AB").toStdString(), c.esperado.toStdString());
    }
}

TEST(SemTabela, DropsTheTablePrefix) {
    EXPECT_EQ(semTabela("tbcolaborador.nome"), "nome");
    EXPECT_EQ(semTabela("nome"), "nome");
}

} // namespace
