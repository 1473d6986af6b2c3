#pragma once
// The data module: the one shared data-access object of the program. It owns
// both connections, the connection settings and the session values; it lives
// from start to end.

#include "data/ConfiguracaoBanco.h"
#include "platform/db/Connection.h"
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

private:
    Conexao conectaPeloDialogo(InterfaceConexao &ui);
    Conexao CriaBanco(InterfaceConexao &ui, const DadosConexao &dados, int porta);
    void executaCriacao(InterfaceConexao &ui);
    void executaTempoLimite();

    drav::db::ConnectParams paramsBD_;
};

// The program's data module (null before it is created).
extern TdmDados *dmDados;
