#include "reports/ListagensCadastro.h"

using drav::report::Align;

TFrVariedade::TFrVariedade(TdmDados &dados)
    : TFormRelatorio(dados, {.titulo = QStringLiteral("RELAÇÃO DE VARIEDADES"),
                             .colunas = {{QStringLiteral("Variedade"), QStringLiteral("idvariedade"), 30},
                                         {QStringLiteral("Descrição"), QStringLiteral("descricao"), 150}},
                             .vazio = QStringLiteral("Não há variedade de café cadastrada!")}) {
    QyRelatorio.setSql(
        QStringLiteral("select * from tbvariedade where idempresa = :pidempresa order by idvariedade;"));
}

TFrTurma::TFrTurma(TdmDados &dados)
    : TFormRelatorio(dados, {.titulo = QStringLiteral("RELAÇÃO DE TURMAS"),
                             .colunas = {{QStringLiteral("Turma"), QStringLiteral("idturma"), 25, Align::Left,
                                          QStringLiteral("000000")},
                                         {QStringLiteral("Nome"), QStringLiteral("nome"), 70},
                                         {QStringLiteral("Responsável"), QStringLiteral("responsavel"), 90}},
                             .vazio = QStringLiteral("Não há turma cadastrada!")}) {
    QyRelatorio.setSql(
        QStringLiteral("select * from tbturma where idempresa = :pidempresa order by idturma;"));
}

TFrGleba::TFrGleba(TdmDados &dados)
    : TFormRelatorio(
          dados, {.titulo = QStringLiteral("RELAÇÃO DE GLEBAS"),
                  .colunas = {{QStringLiteral("Gleba"), QStringLiteral("idgleba"), 15},
                              {QStringLiteral("Nome"), QStringLiteral("nomegleba"), 55},
                              {QStringLiteral("Data Plantio"), QStringLiteral("dataplantio"), 22},
                              {QStringLiteral("Qtd Plantas"), QStringLiteral("qtdplantas"), 22, Align::Right},
                              {QStringLiteral("Qtd Hectare"), QStringLiteral("qtdhectare"), 22, Align::Right},
                              {QString(), QString(), 3}, // keeps the numbers off the name
                              {QStringLiteral("Variedade"), QStringLiteral("descricao"), 49}},
                  .vazio = QStringLiteral("Não há gleba cadastrada!")}) {
    // Variety numbers repeat between companies: the plot's own company's
    // variety is the one that names it.
    QyRelatorio.setSql(QStringLiteral(
        "select g.*, v.descricao from tbgleba g inner join tbvariedade v on v.idvariedade = g.idvariedade"
        " and v.idempresa = g.idempresa where g.idempresa = :pidempresa order by g.idgleba;"));
}

TFrOperacao::TFrOperacao(TdmDados &dados)
    : TFormRelatorio(dados, {.titulo = QStringLiteral("RELAÇÃO DE OPERAÇÕES"),
                             .colunas = {{QStringLiteral("Operação"), QStringLiteral("idoperacao"), 25},
                                         {QStringLiteral("Descrição"), QStringLiteral("nomeoperacao"), 90},
                                         {QStringLiteral("Grupo"), QStringLiteral("nomegrupo"), 73}},
                             .vazio = QStringLiteral("Não há operação cadastrada!")}) {
    QyRelatorio.setSql(QStringLiteral(
        "select o.*, g.nomegrupo from tboperacao as o inner join tbgrupoopera g on g.idgrupo = o.idgrupo"
        " and o.idempresa = g.idempresa where o.idempresa = :pidempresa order by o.idoperacao"));
}
