#include "RelatoriosFixture.h"

#include <QFile>
#include <QStringList>

namespace drav::test {

void RelatoriosTest::SetUp() {
    DataModuleTest::SetUp();
    if (IsSkipped())
        return;
    conn().executeScript(QStringLiteral(
        "INSERT INTO tbcidade (idcidade, nomecidade, idpais, idestado) VALUES (1, 'BELO HORIZONTE', 'BRA', "
        "'MG');"
        "INSERT INTO tbempresa (idempresa, nome, endereco, idcidade) VALUES (1, 'FAZENDA UM', 'RUA A', 1),"
        " (2, 'FAZENDA DOIS', 'RUA B', 1), (3, 'FAZENDA TRÊS', 'RUA C', 1);"
        "INSERT INTO tbsafra VALUES (2009, 'SAFRA DO ANO DE 2009', 1), (2010, 'SAFRA DO ANO DE 2010', 1);"
        "INSERT INTO tbvariedade (idvariedade, descricao, idempresa) VALUES (1, 'CATUAÍ VERMELHO', 1),"
        " (2, 'MUNDO NOVO', 1), (1, 'BOURBON AMARELO', 2);"
        "INSERT INTO tbturma (idturma, nome, idempresa, responsavel) VALUES (0, 'MENSALISTA', 1, 'DRAVOLTA'),"
        " (1, 'TURMA DO JOÃO', 1, 'JOÃO DA SILVA'), (12, 'TURMA DA ANA', 1, 'ANA PAULA');"
        "INSERT INTO tbgleba (idgleba, nomegleba, idempresa, qtdplantas, dataplantio, idvariedade, "
        "qtdhectare)"
        " VALUES (1, 'GLEBA DO CÓRREGO', 1, 12000, '2001-10-15', 1, 12.50),"
        " (2, 'GLEBA ALTA', 1, 8500, '1998-03-01', 2, 7.25),"
        " (3, 'GLEBA SEM VARIEDADE', 1, 100, '2005-01-01', 9, 1.00),"
        " (4, 'GLEBA DA FAZENDA DOIS', 2, 50, '2003-05-05', 1, 2.00);"
        "INSERT INTO tbgrupoopera (idgrupo, nomegrupo, idempresa) VALUES (1, 'COLHEITA', 1),"
        " (2, 'TRATOS CULTURAIS', 1), (3, 'PLANTIO', 2);"
        "INSERT INTO tboperacao (idoperacao, nomeoperacao, idempresa, idgrupo) VALUES (1, 'DERRIÇA NO PANO', "
        "1, 1),"
        " (2, 'ADUBAÇÃO', 1, 2), (3, 'ARRUAÇÃO', 1, 3), (1, 'COVEAMENTO', 2, 3);"));
    trabalhaEm(1, QStringLiteral("FAZENDA UM"), 2009);
}

void RelatoriosTest::TearDown() {
    DataModuleTest::TearDown();
}

void RelatoriosTest::trabalhaEm(int empresa, const QString &nome, int safra) {
    dm->EmpresaAtual = empresa;
    dm->NomeEmpresaAtual = nome;
    dm->SafraAtual = safra;
}

void RelatoriosTest::criaTurmas(int empresa, int quantas) {
    QStringList linhas;
    for (int i = 1; i <= quantas; ++i)
        linhas << QStringLiteral("(%1, 'TURMA %1', %2, 'RESPONSÁVEL %1')").arg(i).arg(empresa);
    conn().execute(QStringLiteral("INSERT INTO tbturma (idturma, nome, idempresa, responsavel) VALUES ") +
                   linhas.join(u','));
}

QDateTime agoraFixo() {
    return QDateTime(QDate(2024, 3, 5), QTime(14, 30, 15));
}

QString golden(const QString &nome, const QString &atual) {
    const QString caminho = QStringLiteral(DRAV_REPORTS_GOLDEN_DIR) + u'/' + nome;
    if (qEnvironmentVariableIntValue("DRAV_UPDATE_GOLDEN") == 1) {
        QFile saida(caminho);
        if (saida.open(QIODevice::WriteOnly | QIODevice::Truncate))
            saida.write(atual.toUtf8());
    }
    QFile entrada(caminho);
    if (!entrada.open(QIODevice::ReadOnly))
        return QStringLiteral("<falta o arquivo %1>").arg(caminho);
    return QString::fromUtf8(entrada.readAll());
}

} // namespace drav::test
