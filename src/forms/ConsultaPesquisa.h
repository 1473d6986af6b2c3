#pragma once
// The SELECT statements of the two search dialogs, built from the caller's
// description, the current company, the chosen key field and the text typed.
// The text only ever becomes a literal prefix inside the LIKE pattern.

#include <QString>
#include <QStringList>

#include <vector>

// One criterion of the multi-criteria search: by position the caption, the
// column, the table and the kind ("N" shown and offered as key, "J" joined).
struct TCampos {
    QString Titulo;
    QString Campo;
    QString Tabela;
    QString Tipo;
    // Kind "J" only: join on the company as well as on the column, for tables
    // whose ids repeat from one company to the next.
    bool JuntaPorEmpresa = false;

    const QString &operator[](int posicao) const;
    bool mostrado() const { return Tipo == QLatin1String("N"); }
    bool juncao() const { return Tipo == QLatin1String("J"); }
};
using TConsulta = std::vector<TCampos>;

// The settings of TFPesquisa2.
struct ConfigPesquisa2 {
    TConsulta Consultas;
    bool Distinto = false;
    bool MostraDemitidos = true;
    QString CondicaoExtra;  // ends with "and "
};

// The settings of TFPesquisa.
struct ConfigPesquisa {
    QStringList Titulos;
    QStringList Campos;  // "coluna" or "tabela.coluna"
    QString Tabela;
    QString TabelaJuncao1, CampoJuncao1;
    QString TabelaJuncao2, CampoJuncao2;
};

// `chave`: the position of the key field among the criteria.
QString SqlPesquisa2(const ConfigPesquisa2 &config, int empresaAtual, int chave, const QString &texto);

// `empresaDoCadastro`: the company of the current row of the company register,
// which a harvest search joined to the companies filters by.
QString SqlPesquisa(const ConfigPesquisa &config, int empresaAtual, int empresaDoCadastro, int chave,
                    const QString &texto);

// " LIKE '<texto>%'" with the text a literal: its own % and _ match only
// themselves, and quotes and backslashes cannot end the string.
QString testeLike(const QString &texto);

// The column name of an entry, without its table ("tbcolaborador.nome" → "nome").
QString semTabela(const QString &campo);
