// The connect procedure at start: settings, the connection dialog, and the
// creation of a missing database.

#include "data/TdmDados.h"

#include "ScriptedDialogs.h"
#include "TestDatabase.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace dlg = drav::dlg;
using drav::test::dialogs;

namespace {

// Stands in for the connection dialog and the splash.
class InterfaceFalsa final : public InterfaceConexao {
public:
    std::optional<DadosConexao> resposta;
    int pedidos = 0;
    std::vector<int> progresso;
    bool escondido = false;

    std::optional<DadosConexao> pedeConexao() override {
        ++pedidos;
        return resposta;
    }
    void mostraProgresso(int posicao) override { progresso.push_back(posicao); }
    void escondeProgresso() override { escondido = true; }
};

const QString kSemConexao =
    QStringLiteral("Problemas de conexão ao servidor!\rÉ preciso informar o local do banco de dados.");
const QString kCriar = QStringLiteral("Banco de dados não encontrado, Deseja criar novo banco?");

class ConexaoTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!drav::test::haveServer())
            GTEST_SKIP() << "no test server";
        admin.connect(drav::test::serverParams());
        static int n = 0;
        banco = QStringLiteral("drav_c%1_%2").arg(QCoreApplication::applicationPid()).arg(++n);
    }
    void TearDown() override {
        if (!admin.isConnected())
            return;
        for (const QString &b : criados)
            admin.execute(QStringLiteral("DROP DATABASE IF EXISTS `%1`").arg(QString(b).replace(u'`', QStringLiteral("``"))));
        for (const QString &u : usuarios)
            admin.execute(QStringLiteral("DROP USER IF EXISTS '%1'@'%'").arg(u));
    }

    // The dialog's answer for the test server and database `nome`.
    DadosConexao dialogo(const QString &nome, const QString &usuario = {}, const QString &senha = {}) {
        const auto p = drav::test::serverParams();
        criados << nome;
        return {p.host, nome, usuario.isEmpty() ? p.user : usuario, usuario.isEmpty() ? p.password : senha,
                QString::number(p.port)};
    }
    void escreveIni(const QByteArray &conteudo) {
        QFile f(ini());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(conteudo);
    }
    QByteArray leIni() {
        QFile f(ini());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QString ini() const { return pasta.filePath(QStringLiteral("BdMysql.ini")); }
    bool existe(const QString &nome) {
        return admin.query(QStringLiteral("SELECT 1 FROM information_schema.schemata WHERE schema_name = :n"),
                           {{QStringLiteral("n"), nome}})
                   .rowCount() == 1;
    }
    qint64 conta(const QString &sql) { return admin.query(sql).integer(0, 0); }
    // A server account that may do only `grants` in databases named like ours.
    QString usuarioLimitado(const QString &grants, const QString &nomeBanco) {
        const QString u = QStringLiteral("lim_%1").arg(usuarios.size() + 1) + banco.right(6);
        usuarios << u;
        admin.execute(QStringLiteral("CREATE USER '%1'@'%' IDENTIFIED BY 'senha1'").arg(u));
        admin.execute(QStringLiteral("GRANT %1 ON `%2`.* TO '%3'@'%'").arg(grants, nomeBanco, u));
        return u;
    }

    QTemporaryDir pasta;
    drav::db::Connection admin;
    QString banco;
    QStringList criados, usuarios;
};

TEST_F(ConexaoTest, StoredSettingsConnectWithoutAskingAnything) {
    const auto p = drav::test::serverParams();
    admin.execute(QStringLiteral("CREATE DATABASE ") + banco);
    criados << banco;
    // The password as stored: digits scrambled.
    escreveIni(QStringLiteral("[BDADOS]\r\nHostName=%1\r\nUser=%2\r\nDatabase=%3\r\nPassword=%4\r\nPort=%5\r\n")
                   .arg(p.host, p.user, banco, p.password, QString::number(p.port))
                   .toUtf8());
    TdmDados dm(pasta.path() + u'/');
    InterfaceFalsa ui;
    EXPECT_EQ(dm.conecta(ui), TdmDados::Conexao::Conectado);
    EXPECT_EQ(ui.pedidos, 0);
    EXPECT_TRUE(dm.ConexaoBD.isConnected());
    EXPECT_EQ(dm.NomeBanco, banco);
}

TEST_F(ConexaoTest, MissingDatabaseIsCreatedWithProgressAndTheSettingsWritten) {
    TdmDados dm(pasta.path() + u'/');
    InterfaceFalsa ui;
    ui.resposta = dialogo(banco);
    dialogs().answer(dlg::Ok).answer(dlg::Yes).answer(dlg::Ok);
    ASSERT_EQ(dm.conecta(ui), TdmDados::Conexao::Criado);

    ASSERT_EQ(dialogs().messages(),
              (QStringList{kSemConexao, kCriar, QStringLiteral("Banco de dados criado com Sucesso !!!")}));
    EXPECT_EQ(dialogs().shown()[1].message.defaultButton, dlg::No);
    EXPECT_EQ(dialogs().shown()[1].message.icon, dlg::Icon::Question);
    EXPECT_EQ(ui.progresso, (std::vector<int>{0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
    EXPECT_TRUE(ui.escondido);
    EXPECT_FALSE(dm.ConexaoDump.isConnected());
    EXPECT_TRUE(dm.ConexaoBD.isConnected());

    EXPECT_EQ(conta(QStringLiteral("SELECT COUNT(*) FROM information_schema.tables WHERE table_schema = '%1'").arg(banco)), 41);
    EXPECT_GT(conta(QStringLiteral("SELECT COUNT(*) FROM `%1`.tbcidade").arg(banco)), 5000);
    const auto p = drav::test::serverParams();
    EXPECT_EQ(leIni(), QStringLiteral("[BDADOS]\r\nHostName=%1\r\nUser=%2\r\nDatabase=%3\r\nPassword=%4\r\nPort=%5\r\n")
                           .arg(p.host, p.user, banco, p.password, QString::number(p.port))
                           .toUtf8());
}

TEST_F(ConexaoTest, AnExistingDatabaseFromTheDialogIsStoredWithoutCreation) {
    admin.execute(QStringLiteral("CREATE DATABASE ") + banco);
    TdmDados dm(pasta.path() + u'/');
    InterfaceFalsa ui;
    ui.resposta = dialogo(banco);
    dialogs().answer(dlg::Ok);
    EXPECT_EQ(dm.conecta(ui), TdmDados::Conexao::Conectado);
    EXPECT_TRUE(leIni().contains(QStringLiteral("Database=%1\r\n").arg(banco).toUtf8()));
    EXPECT_TRUE(ui.progresso.empty());
}

TEST_F(ConexaoTest, EndingPathsWriteNothing) {
    struct Caso {
        const char *nome;
        bool cancelaDialogo;
        QString porta;
        int respostaCriar;  // 0 = no question expected
        TdmDados::Conexao esperado;
    } casos[] = {
        {"dialog cancelled", true, {}, 0, TdmDados::Conexao::Encerrar},
        {"port not a number", false, QStringLiteral("33x9"), 0, TdmDados::Conexao::SemConexao},
        {"creation refused", false, {}, dlg::No, TdmDados::Conexao::Encerrar},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nome);
        TdmDados dm(pasta.path() + u'/');
        InterfaceFalsa ui;
        if (!c.cancelaDialogo) {
            ui.resposta = dialogo(banco);
            if (!c.porta.isEmpty())
                ui.resposta->porta = c.porta;
        }
        dialogs().answer(dlg::Ok);
        if (!c.porta.isEmpty())
            dialogs().answer(dlg::Ok);
        if (c.respostaCriar)
            dialogs().answer(c.respostaCriar);
        EXPECT_EQ(dm.conecta(ui), c.esperado);
        EXPECT_FALSE(QFile::exists(ini()));
        EXPECT_FALSE(existe(banco));
        if (!c.porta.isEmpty()) {
            EXPECT_EQ(dialogs().messages().last(), QStringLiteral("'33x9' não é um valor inteiro válido"));
        }
        dialogs().reset();
    }
}

TEST_F(ConexaoTest, AnyDatabaseNameCreatesExactlyThatDatabase) {
    const QString nome = banco.left(10) + QStringLiteral("`x; -- a");
    TdmDados dm(pasta.path() + u'/');
    InterfaceFalsa ui;
    ui.resposta = dialogo(nome);
    dialogs().answer(dlg::Ok).answer(dlg::Yes).answer(dlg::Ok);
    ASSERT_EQ(dm.conecta(ui), TdmDados::Conexao::Criado);
    EXPECT_TRUE(existe(nome));
    EXPECT_FALSE(existe(banco.left(10)));
}

TEST_F(ConexaoTest, AFailureHalfwayDropsTheHalfBuiltDatabase) {
    // May create the database but not insert the seed rows.
    const QString u = usuarioLimitado(QStringLiteral("CREATE, DROP, ALTER, INDEX, REFERENCES, SELECT"), banco);
    TdmDados dm(pasta.path() + u'/');
    InterfaceFalsa ui;
    ui.resposta = dialogo(banco, u, QStringLiteral("senha1"));
    dialogs().answer(dlg::Ok).answer(dlg::Yes).answer(dlg::Ok);
    EXPECT_EQ(dm.conecta(ui), TdmDados::Conexao::SemConexao);
    EXPECT_TRUE(dialogs().messages().last().contains(QStringLiteral("INSERT"), Qt::CaseInsensitive))
        << dialogs().messages().last().toStdString();
    EXPECT_EQ(dialogs().last().message.icon, dlg::Icon::Critical);
    EXPECT_FALSE(existe(banco));
    EXPECT_FALSE(QFile::exists(ini()));
    EXPECT_FALSE(dm.ConexaoDump.isConnected());
    EXPECT_TRUE(ui.escondido);
}

TEST_F(ConexaoTest, WithoutTheGlobalPrivilegeTheTimeoutIsOnlyAWarning) {
    const QString u = usuarioLimitado(QStringLiteral("ALL PRIVILEGES"), banco);
    TdmDados dm(pasta.path() + u'/');
    InterfaceFalsa ui;
    ui.resposta = dialogo(banco, u, QStringLiteral("senha1"));
    dialogs().answer(dlg::Ok).answer(dlg::Yes).answer(dlg::Ok).answer(dlg::Ok);
    EXPECT_EQ(dm.conecta(ui), TdmDados::Conexao::Criado);
    ASSERT_EQ(dialogs().shown().size(), 4u);
    EXPECT_EQ(dialogs().shown()[2].message.icon, dlg::Icon::Warning);
    EXPECT_TRUE(dialogs().shown()[2].message.text.contains(QStringLiteral("wait_timeout")));
    EXPECT_EQ(dialogs().messages().last(), QStringLiteral("Banco de dados criado com Sucesso !!!"));
    // The password typed has digits: stored scrambled.
    EXPECT_TRUE(leIni().contains("Password=senhaL\r\n"));
}

} // namespace
