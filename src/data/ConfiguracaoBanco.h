#pragma once
// The connection settings of BdMysql.ini, as read at start.

#include "platform/ini/IniFile.h"

#include <QString>

// What the connection dialog returns.
struct DadosConexao {
    QString host;
    QString database;
    QString user;
    QString password;  // as typed (plain)
    QString porta;     // as typed
};

struct ConfiguracaoBanco {
    QString ServidorBanco;
    QString UsuarioBanco;
    QString NomeBanco;
    QString SenhaBanco;  // scrambled, as stored
    int PortaBanco = 0;
    QString ServidorDravolta;
    QString UsuarioDravolta;
    QString SenhaDravolta;
    QString PortaDravolta;

    // Reads the nine keys, with their defaults for absent ones.
    static ConfiguracaoBanco ler(const drav::IniFile &ini);
};

// The MySQL superuser account name, default user of both sections.
inline const QString kSuperusuario = QStringLiteral("root");

// Writes section BDADOS from the dialog's texts, in the order HostName, User,
// Database, Password (scrambled), Port (as an integer).
void gravaBdados(drav::IniFile &ini, const DadosConexao &dados, int porta);
