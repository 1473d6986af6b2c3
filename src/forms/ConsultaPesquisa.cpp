#include "forms/ConsultaPesquisa.h"

#include "platform/dataset/DatasetError.h"

namespace {

QString num(int valor) { return QString::number(valor); }

// MariaDB takes \ as the escape of LIKE and of string literals alike.
QString escapaPadrao(const QString &texto) {
    QString saida;
    saida.reserve(texto.size() + 4);
    for (QChar c : texto) {
        if (c == u'\\' || c == u'%' || c == u'_')
            saida += u'\\';
        saida += c;
    }
    return saida;
}

QString escapaLiteral(const QString &texto) {
    QString saida;
    saida.reserve(texto.size() + 4);
    for (QChar c : texto) {
        if (c == u'\\')
            saida += QStringLiteral("\\\\");
        else if (c == u'\'')
            saida += QStringLiteral("''");
        else if (c == QChar(0))
            saida += QStringLiteral("\\0");
        else
            saida += c;
    }
    return saida;
}

[[noreturn]] void semChave(int chave) {
    throw drav::ds::DatasetError(QStringLiteral("Campo chave %1 inexistente na pesquisa").arg(chave));
}

bool semFiltroDeEmpresa2(const QString &tabela) {
    static const QStringList tabelas{QStringLiteral("tbpais"), QStringLiteral("tbcidade"),
                                     QStringLiteral("tbempresa"), QStringLiteral("tbestado"),
                                     QStringLiteral("tbusuario")};
    return tabelas.contains(tabela);
}

QString filtro2(const ConfigPesquisa2 &config, const QString &principal, int empresaAtual) {
    if (semFiltroDeEmpresa2(principal))
        return QStringLiteral(" WHERE ");
    QString filtro = QStringLiteral(" WHERE ") + principal + QStringLiteral(".idempresa = ") + num(empresaAtual) +
                     QStringLiteral(" AND ");
    if (principal == QLatin1String("tbcolaborador") && !config.MostraDemitidos)
        filtro += principal + QStringLiteral(".demitido <> 'S' AND ");
    return filtro;
}

QString juncao2(const TCampos &c, const QString &principal) {
    QString sql = QStringLiteral(" INNER JOIN ") + c.Tabela + QStringLiteral(" ON ") + c.Tabela + u'.' + c.Campo +
                  QStringLiteral(" = ") + principal + u'.' + c.Campo;
    if (c.JuntaPorEmpresa)
        sql += QStringLiteral(" and ") + c.Tabela + QStringLiteral(".idempresa = ") + principal +
               QStringLiteral(".idempresa");
    return sql;
}

} // namespace

const QString &TCampos::operator[](int posicao) const {
    switch (posicao) {
    case 0:
        return Titulo;
    case 1:
        return Campo;
    case 2:
        return Tabela;
    case 3:
        return Tipo;
    }
    throw drav::ds::DatasetError(QStringLiteral("Posição %1 inexistente num critério de pesquisa").arg(posicao));
}

QString testeLike(const QString &texto) {
    return QStringLiteral(" LIKE '") + escapaLiteral(escapaPadrao(texto)) + QStringLiteral("%'");
}

QString semTabela(const QString &campo) {
    const qsizetype ponto = campo.indexOf(u'.');
    return ponto < 0 ? campo : campo.mid(ponto + 1);
}

QString SqlPesquisa2(const ConfigPesquisa2 &config, int empresaAtual, int chave, const QString &texto) {
    const TConsulta &campos = config.Consultas;
    if (chave < 0 || chave >= int(campos.size()))
        semChave(chave);
    const QString &principal = campos.front().Tabela;

    QStringList colunas;
    for (const TCampos &c : campos)
        colunas << c.Tabela + u'.' + c.Campo;
    QString sql = (config.Distinto ? QStringLiteral("SELECT DISTINCT ") : QStringLiteral("SELECT ")) +
                  colunas.join(u',') + QStringLiteral(" FROM ") + principal;
    for (const TCampos &c : campos)
        if (c.juncao())
            sql += juncao2(c, principal);
    sql += filtro2(config, principal, empresaAtual);
    sql += config.CondicaoExtra;
    const TCampos &chaveEscolhida = campos[std::size_t(chave)];
    return sql + chaveEscolhida.Tabela + u'.' + chaveEscolhida.Campo + testeLike(texto);
}

namespace {

QString colunas1(const ConfigPesquisa &config) {
    QStringList colunas;
    for (const QString &campo : config.Campos)
        colunas << (campo == config.CampoJuncao1 && !campo.contains(u'.') ? config.Tabela + u'.' + campo : campo);
    return colunas.join(u',');
}

QString juncao1(const QString &principal, const QString &tabela, const QString &campo) {
    if (tabela.isEmpty() || campo.isEmpty())
        return {};
    return QStringLiteral(" INNER JOIN ") + tabela + QStringLiteral(" ON ") + tabela + u'.' + campo +
           QStringLiteral(" = ") + principal + u'.' + campo;
}

QString filtro1(const ConfigPesquisa &config, int empresaAtual, int empresaDoCadastro) {
    const QString &t = config.Tabela;
    const QString &j1 = config.TabelaJuncao1;
    if (t == QLatin1String("tbcidade") || t == QLatin1String("tbempresa") || t == QLatin1String("tbestado"))
        return QStringLiteral(" WHERE ");
    if (j1 == QLatin1String("tbcolaborador") && t == QLatin1String("tbproducao"))
        return QStringLiteral(" WHERE ") + t + QStringLiteral(".idempresacolaborador = ") + j1 +
               QStringLiteral(".idempresa AND ") + t + QStringLiteral(".idempresa = ") + num(empresaAtual) +
               QStringLiteral(" AND ");
    if (t == QLatin1String("tbsafra") && j1 == QLatin1String("tbempresa"))
        return QStringLiteral(" WHERE ") + t + QStringLiteral(".idempresa = ") + num(empresaDoCadastro) +
               QStringLiteral(" AND ");
    return QStringLiteral(" WHERE ") + t + QStringLiteral(".idempresa = ") + num(empresaAtual) +
           QStringLiteral(" AND ");
}

// The column the LIKE tests. A worker's name lives in the joined worker
// table; an entry already qualified by its table is taken as it stands.
QString colunaChave1(const ConfigPesquisa &config, const QString &campo) {
    if (config.TabelaJuncao1 == QLatin1String("tbcolaborador") && semTabela(campo) == QLatin1String("nome"))
        return config.TabelaJuncao1 + u'.' + semTabela(campo);
    if (campo.contains(u'.'))
        return campo;
    return config.Tabela + u'.' + campo;
}

} // namespace

QString SqlPesquisa(const ConfigPesquisa &config, int empresaAtual, int empresaDoCadastro, int chave,
                    const QString &texto) {
    if (chave < 0 || chave >= config.Campos.size())
        semChave(chave);
    const QString colunas = colunas1(config);
    QString sql = QStringLiteral("SELECT ") + colunas + QStringLiteral(" FROM ") + config.Tabela;
    sql += juncao1(config.Tabela, config.TabelaJuncao1, config.CampoJuncao1);
    sql += juncao1(config.Tabela, config.TabelaJuncao2, config.CampoJuncao2);
    sql += filtro1(config, empresaAtual, empresaDoCadastro);
    sql += colunaChave1(config, config.Campos.at(chave)) + testeLike(texto);
    if (config.TabelaJuncao1 == QLatin1String("tboperacao") && config.TabelaJuncao2 == QLatin1String("tbgleba"))
        sql += QStringLiteral(" group by ") + colunas;
    return sql;
}
