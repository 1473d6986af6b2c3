#include "data/TdmDados.h"

#include "data/CifraSenha.h"
#include "data/sql/SqlScripts.h"
#include "platform/dialogs/Dialogs.h"

#include <QDir>
#include <QFileInfo>

TdmDados *dmDados = nullptr;

namespace dlg = drav::dlg;
using drav::db::DbError;

namespace {

void mostraErro(const QString &texto) {
    dlg::message(QStringLiteral("DravTolvera"), texto, dlg::Icon::Critical, dlg::Ok);
}

QString identificador(const QString &nome) {
    QString n = nome;
    return u'`' + n.replace(u'`', QStringLiteral("``")) + u'`';
}

} // namespace

#define DATASET(nome) nome(ConexaoBD, QStringLiteral(#nome))

TdmDados::TdmDados(QString pastaPrograma)
    : PastaPrograma(std::move(pastaPrograma)),
      DATASET(TbUsuario),
      DATASET(TbEmpresa),
      DATASET(TbGleba),
      DATASET(TbTurma),
      DATASET(TbColaborador),
      DATASET(TbGrupo),
      DATASET(TbOperacao),
      DATASET(TbTurmaOrdem),
      DATASET(TbProducao),
      DATASET(TbEventos),
      DATASET(TbLancamento),
      DATASET(qySQL),
      DATASET(TbFrentista),
      DATASET(TbCombustivel),
      DATASET(TbGrupoVeiculo),
      DATASET(TbMarca),
      DATASET(TbVeiculo),
      DATASET(TbAbastece),
      DATASET(TbOperador),
      DATASET(TbFornecedor),
      DATASET(TbFoneFornecedor),
      DATASET(TbPagar),
      DATASET(TbCliente),
      DATASET(TbFoneCliente),
      DATASET(TbUnidade),
      DATASET(TbItemEstoque),
      DATASET(TbReceber),
      DATASET(TbPais),
      DATASET(TbEstado),
      DATASET(TbCidade),
      DATASET(TbBanco),
      DATASET(TbConta),
      DATASET(TbGrEstoque),
      DATASET(TbSbgEstoque),
      DATASET(TbMovimento),
      DATASET(TbServico),
      DATASET(TbManutencao),
      DATASET(TbManutProducao),
      DATASET(qyMaxidOrdem),
      DATASET(TbSafra),
      DATASET(TbVerSafra),
      DATASET(QyProdSafra),
      DATASET(TbVariedade),
      DATASET(TbOrdem),
      DATASET(TbVerParametro),
      DATASET(TbAtestado) {
    dmDados = this;
    configuraDatasets();
}

#undef DATASET

std::vector<TdmDados::Dataset *> TdmDados::datasets() {
    return {&TbUsuario, &TbEmpresa, &TbGleba, &TbTurma, &TbColaborador, &TbGrupo, &TbOperacao, &TbTurmaOrdem, &TbProducao, &TbEventos, &TbLancamento, &qySQL, &TbFrentista, &TbCombustivel, &TbGrupoVeiculo, &TbMarca, &TbVeiculo, &TbAbastece, &TbOperador, &TbFornecedor, &TbFoneFornecedor, &TbPagar, &TbCliente, &TbFoneCliente, &TbUnidade, &TbItemEstoque, &TbReceber, &TbPais, &TbEstado, &TbCidade, &TbBanco, &TbConta, &TbGrEstoque, &TbSbgEstoque, &TbMovimento, &TbServico, &TbManutencao, &TbManutProducao, &qyMaxidOrdem, &TbSafra, &TbVerSafra, &QyProdSafra, &TbVariedade, &TbOrdem, &TbVerParametro, &TbAtestado};
}

qint64 TdmDados::proximaOrdem() {
    qyMaxidOrdem.close();
    qyMaxidOrdem.setParam(QStringLiteral("pidempresa"), EmpresaAtual);
    qyMaxidOrdem.open();
    return qyMaxidOrdem.fieldByName(QStringLiteral("maxidordem")).asInteger() + 1;
}

qint64 TdmDados::LitrosPorUnidade(const QString &unidade, const QDate &data) {
    TbVerParametro.close();
    TbVerParametro.setParam(QStringLiteral("Pidempresa"), EmpresaAtual);
    TbVerParametro.setParam(QStringLiteral("Pidsafra"), SafraAtual);
    TbVerParametro.setParam(QStringLiteral("Pidunidade"), unidade);
    TbVerParametro.setParam(QStringLiteral("Pdataproducao"), data);
    TbVerParametro.open();
    return TbVerParametro.isEmpty() ? 0 : TbVerParametro.fieldByName(QStringLiteral("qtdlitro")).asInteger();
}

void TdmDados::PreparaMonitor() {
    const QString pasta = PastaPrograma + QStringLiteral("Monitora/");
    const QString nome = pasta + UsuarioAtual + QDate::currentDate().toString(QStringLiteral("yyyyMMdd"));
    if (!QFileInfo::exists(nome))
        QDir().mkpath(pasta);
    Monitor.setFileName(nome);
    Monitor.attach(ConexaoBD);
}

TdmDados::~TdmDados() {
    if (dmDados == this)
        dmDados = nullptr;
}

TdmDados::Conexao TdmDados::conecta(InterfaceConexao &ui) {
    ArquivoConfig = std::make_unique<drav::IniFile>(PastaPrograma + QStringLiteral("BdMysql.ini"));
    static_cast<ConfiguracaoBanco &>(*this) = ConfiguracaoBanco::ler(*ArquivoConfig);

    paramsBD_.host = ServidorBanco;
    paramsBD_.user = UsuarioBanco;
    paramsBD_.database = NomeBanco;
    paramsBD_.password = DecifraSenha(SenhaBanco);
    paramsBD_.port = PortaBanco == 3306 ? 0 : PortaBanco;
    try {
        ConexaoBD.connect(paramsBD_);
        return Conexao::Conectado;
    } catch (const DbError &) {
        dlg::message(QStringLiteral("Aviso"),
                     QStringLiteral("Problemas de conexão ao servidor!\rÉ preciso informar o local do banco de dados."),
                     dlg::Icon::Information, dlg::Ok);
    }
    return conectaPeloDialogo(ui);
}

TdmDados::Conexao TdmDados::conectaPeloDialogo(InterfaceConexao &ui) {
    const std::optional<DadosConexao> dados = ui.pedeConexao();
    if (!dados)
        return Conexao::Encerrar;

    bool numero = true;
    const int porta = dados->porta == u"3306" ? 3306 : dados->porta.trimmed().toInt(&numero);
    if (!numero) {
        mostraErro(QStringLiteral("'%1' não é um valor inteiro válido").arg(dados->porta));
        return Conexao::SemConexao;
    }
    paramsBD_.database = dados->database;
    paramsBD_.user = dados->user;
    paramsBD_.host = dados->host;
    paramsBD_.password = dados->password;
    paramsBD_.port = porta == 3306 ? 0 : porta;
    try {
        ConexaoBD.connect(paramsBD_);
    } catch (const DbError &) {
        return CriaBanco(ui, *dados, porta);
    }
    gravaBdados(*ArquivoConfig, *dados, porta);
    return Conexao::Conectado;
}

TdmDados::Conexao TdmDados::CriaBanco(InterfaceConexao &ui, const DadosConexao &dados, int porta) {
    if (!dlg::pergunta(QStringLiteral("Banco de dados não encontrado, Deseja criar novo banco?")))
        return Conexao::Encerrar;

    drav::db::ConnectParams semBanco = paramsBD_;
    semBanco.database.clear();
    bool criado = false;
    try {
        ConexaoDump.connect(semBanco);
        // The name is an identifier, never part of the statement's text.
        ConexaoDump.execute(QStringLiteral("CREATE DATABASE ") + identificador(paramsBD_.database));
        criado = true;
        ConexaoDump.disconnect();
        ConexaoDump.connect(paramsBD_);
        executaCriacao(ui);
    } catch (const DbError &e) {
        // A half-built database would be taken for a good one at the next
        // start: drop what this run created.
        if (criado) {
            try {
                if (!ConexaoDump.isConnected())
                    ConexaoDump.connect(semBanco);
                ConexaoDump.execute(QStringLiteral("DROP DATABASE IF EXISTS ") + identificador(paramsBD_.database));
            } catch (const DbError &) {
            }
        }
        ConexaoDump.disconnect();
        ui.escondeProgresso();
        mostraErro(e.message());
        return Conexao::SemConexao;
    }
    ConexaoDump.disconnect();
    dlg::message(QStringLiteral("Aviso"), QStringLiteral("Banco de dados criado com Sucesso !!!"),
                 dlg::Icon::Information, dlg::Ok);
    gravaBdados(*ArquivoConfig, dados, porta);
    ui.escondeProgresso();
    try {
        ConexaoBD.connect(paramsBD_);
    } catch (const DbError &e) {
        mostraErro(e.message());
        return Conexao::SemConexao;
    }
    return Conexao::Criado;
}

void TdmDados::executaCriacao(InterfaceConexao &ui) {
    ui.mostraProgresso(0);
    ConexaoDump.executeScript(drav::data::schemaScript());
    ui.mostraProgresso(10);
    executaTempoLimite();
    for (int parte = 1; parte <= drav::data::kCityScriptCount; ++parte) {
        // One transaction per script: hundreds of rows in one commit.
        ConexaoDump.begin();
        ConexaoDump.executeScript(drav::data::cityScript(parte));
        ConexaoDump.commit();
        ui.mostraProgresso(10 + parte * 10);
    }
}

void TdmDados::executaTempoLimite() {
    // The global setting needs a privilege many accounts lack; without it
    // the database is still complete, so only warn.
    try {
        ConexaoDump.execute(QStringLiteral("SET GLOBAL wait_timeout=84600"));
    } catch (const DbError &e) {
        dlg::message(QStringLiteral("Aviso"),
                     QStringLiteral("Não foi possível alterar o tempo limite global das conexões "
                                    "(wait_timeout):\r%1")
                         .arg(e.message()),
                     dlg::Icon::Warning, dlg::Ok);
    }
    ConexaoDump.executeScript(QStringLiteral("SET SESSION wait_timeout=84600;"
                                             "SET SESSION AUTO_INCREMENT_increment=1;"
                                             "SET SESSION AUTO_INCREMENT_offset=1;"
                                             "SET lc_time_names = 'pt_PT';"));
}
