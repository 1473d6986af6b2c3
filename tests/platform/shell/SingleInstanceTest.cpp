#include "platform/shell/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QSignalSpy>
#include <QUuid>

#include <gtest/gtest.h>

#include <cstring>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

QString nomeUnico() { return QStringLiteral("teste instancia ") + QUuid::createUuid().toString(QUuid::Id128); }

// Leaves a socket file behind as a copy that crashed would: bound once, never
// listened on, never removed.
void deixaSocketAbandonado(const QString &caminho) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un endereco{};
    endereco.sun_family = AF_UNIX;
    const QByteArray bytes = QFile::encodeName(caminho);
    ASSERT_LT(bytes.size(), int(sizeof endereco.sun_path));
    std::memcpy(endereco.sun_path, bytes.constData(), bytes.size());
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr *>(&endereco), sizeof endereco), 0);
    ::close(fd);
}

} // namespace

TEST(SingleInstance, SecondCopyIsRefusedAndWakesTheFirst) {
    const QString nome = nomeUnico();
    drav::SingleInstance primeira(nome);
    ASSERT_TRUE(primeira.inicia());
    QSignalSpy pedidos(&primeira, &drav::SingleInstance::ativacaoPedida);

    drav::SingleInstance segunda(nome);
    EXPECT_FALSE(segunda.inicia());
    ASSERT_TRUE(pedidos.count() > 0 || pedidos.wait(5000));
    EXPECT_EQ(pedidos.count(), 1);

    // The first copy keeps the name: a third start is refused as well.
    drav::SingleInstance terceira(nome);
    EXPECT_FALSE(terceira.inicia());
}

TEST(SingleInstance, NameIsPerUser) {
    drav::SingleInstance i(QStringLiteral("DravTolvera - Controle de Apontamentos"));
    EXPECT_TRUE(i.nomeServidor().startsWith(QStringLiteral("DravTolvera - Controle de Apontamentos - ")));
    EXPECT_GT(i.nomeServidor().size(), QStringLiteral("DravTolvera - Controle de Apontamentos - ").size());
}

TEST(SingleInstance, NameIsFreedWhenTheCopyEnds) {
    const QString nome = nomeUnico();
    {
        drav::SingleInstance primeira(nome);
        ASSERT_TRUE(primeira.inicia());
    }
    drav::SingleInstance depois(nome);
    EXPECT_TRUE(depois.inicia());
}

TEST(SingleInstance, SocketLeftByACrashedCopyDoesNotBlock) {
    const QString nome = nomeUnico();
    drav::SingleInstance nova(nome);
    const QString caminho = QDir::tempPath() + u'/' + nova.nomeServidor();
    deixaSocketAbandonado(caminho);
    ASSERT_TRUE(QFile::exists(caminho));
    EXPECT_TRUE(nova.inicia());

    drav::SingleInstance outra(nome);
    EXPECT_FALSE(outra.inicia());
}
