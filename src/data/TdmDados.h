#pragma once
// The data module: the one shared data-access object of the program. It owns
// both connections, the connection settings and the session values; it lives
// from start to end.

#include "data/ConfiguracaoBanco.h"
#include "platform/dataset/Dataset.h"
#include "platform/dataset/UpdateSql.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlTrace.h"
#include "platform/ini/IniFile.h"

#include <memory>
#include <optional>

// What the connect procedure needs from the screen.
class InterfaceConexao {
public:
    virtual ~InterfaceConexao() = default;
    // Shows the connection dialog; nullopt when it was not closed with OK.
    virtual std::optional<DadosConexao> pedeConexao() = 0;
    // Makes the splash visible with its progress bar at `posicao` (0..100).
    virtual void mostraProgresso(int posicao) = 0;
    virtual void escondeProgresso() = 0;
};

class TdmDados : public ConfiguracaoBanco {
public:
    enum class Conexao {
        Conectado,   // ConexaoBD is connected
        Criado,      // the database was just created; ConexaoBD is connected to it
        SemConexao,  // the start goes on without a connection
        Encerrar,    // the program ends at once
    };

    // `pastaPrograma` ends with a separator.
    explicit TdmDados(QString pastaPrograma);
    ~TdmDados();

    // Reads BdMysql.ini and connects, asking through `ui` when needed.
    Conexao conecta(InterfaceConexao &ui);

    QString PastaPrograma;
    std::unique_ptr<drav::IniFile> ArquivoConfig;
    drav::db::Connection ConexaoBD;
    drav::db::Connection ConexaoDump;

    // Session values.
    int EmpresaAtual = 0;
    int SafraAtual = 0;
    QString NomeEmpresaAtual;
    QString UsuarioAtual;
    bool LoginAceito = false;
    int OpcaoRelatorio = 0;

    // The litres per unit of measure in force at `data` for the current
    // company and harvest; 0 when no parameter is in force.
    qint64 LitrosPorUnidade(const QString &unidade, const QDate &data);
    // The number of a new service order: the company's highest plus one.
    qint64 proximaOrdem();
    // Names the SQL trace file of this user and day and makes its folder.
    void PreparaMonitor();
    drav::db::SqlTrace Monitor;

    // The shared datasets, one per register, on ConexaoBD.
    using Dataset = drav::ds::Dataset;
    Dataset TbUsuario, TbEmpresa, TbGleba, TbTurma, TbColaborador, TbGrupo, TbOperacao, TbTurmaOrdem,
        TbProducao, TbEventos, TbLancamento, qySQL, TbFrentista, TbCombustivel, TbGrupoVeiculo, TbMarca,
        TbVeiculo, TbAbastece, TbOperador, TbFornecedor, TbFoneFornecedor, TbPagar, TbCliente, TbFoneCliente,
        TbUnidade, TbItemEstoque, TbReceber, TbPais, TbEstado, TbCidade, TbBanco, TbConta, TbGrEstoque,
        TbSbgEstoque, TbMovimento, TbServico, TbManutencao, TbManutProducao, qyMaxidOrdem, TbSafra, TbVerSafra,
        QyProdSafra, TbVariedade, TbOrdem, TbVerParametro, TbAtestado;

    // Their explicit write statements.
    drav::ds::UpdateSql UpdateEmpresa, UpdateTurma, UpdateColaborador, UpdateOperacao, UpdateProducao,
        UpdateLancamento, UpdateVeiculo, UpdateAbastece, UpdateFornecedor, UpdatePagar, UpdateCliente,
        UpdateItemEstoque, UpdateReceber, UpdateMovimento, UpdateServico, UpdateManutencao, UpdateManutProducao,
        UpdateSafra, UpdateVariedade, UpdateTbOrdem, UpdateAtestado;

    // Every shared dataset, for code that treats them alike.
    std::vector<Dataset *> datasets();

private:
    void configuraDatasets();
    void configuraCadastros();
    void configuraProducao();
    void configuraAbastecimento();
    void configuraFinanceiro();
    void configuraEstoque();
    void ligaManipuladores();

    Conexao conectaPeloDialogo(InterfaceConexao &ui);
    Conexao CriaBanco(InterfaceConexao &ui, const DadosConexao &dados, int porta);
    void executaCriacao(InterfaceConexao &ui);
    void executaTempoLimite();

    drav::db::ConnectParams paramsBD_;
};

// The program's data module (null before it is created).
extern TdmDados *dmDados;
