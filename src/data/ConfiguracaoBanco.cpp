#include "data/ConfiguracaoBanco.h"

#include "data/CifraSenha.h"

namespace {
const QString kBdados = QStringLiteral("BDADOS");
const QString kDravolta = QStringLiteral("DRAVOLTA");
} // namespace

ConfiguracaoBanco ConfiguracaoBanco::ler(const drav::IniFile &ini) {
    ConfiguracaoBanco c;
    c.ServidorBanco = ini.readString(kBdados, QStringLiteral("HostName"));
    c.UsuarioBanco = ini.readString(kBdados, QStringLiteral("User"), kSuperusuario);
    c.NomeBanco = ini.readString(kBdados, QStringLiteral("Database"), QStringLiteral("tolvera"));
    c.SenhaBanco = ini.readString(kBdados, QStringLiteral("Password"));
    c.PortaBanco = ini.readInteger(kBdados, QStringLiteral("Port"), 0);
    c.ServidorDravolta = ini.readString(kDravolta, QStringLiteral("Host"));
    c.UsuarioDravolta = ini.readString(kDravolta, QStringLiteral("User"), kSuperusuario);
    c.PortaDravolta = ini.readString(kDravolta, QStringLiteral("Port"), QStringLiteral("3309"));
    c.SenhaDravolta = ini.readString(kDravolta, QStringLiteral("Password"));
    return c;
}

void gravaBdados(drav::IniFile &ini, const DadosConexao &dados, int porta) {
    ini.writeString(kBdados, QStringLiteral("HostName"), dados.host);
    ini.writeString(kBdados, QStringLiteral("User"), dados.user);
    ini.writeString(kBdados, QStringLiteral("Database"), dados.database);
    ini.writeString(kBdados, QStringLiteral("Password"), CifraSenha(dados.password));
    ini.writeInteger(kBdados, QStringLiteral("Port"), porta);
}
