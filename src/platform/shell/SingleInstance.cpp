#include "platform/shell/SingleInstance.h"

#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

namespace drav {

namespace {

const QByteArray PedidoAtivacao = QByteArrayLiteral("ativar\n");
constexpr int EsperaConexaoMs = 2000;

QString usuario() {
    QString nome = qEnvironmentVariable("USER");
    if (nome.isEmpty())
        nome = QString::number(::getuid());
    return nome;
}

} // namespace

SingleInstance::SingleInstance(const QString &nome, QObject *parent)
    : QObject(parent), nomeServidor_(nome + QStringLiteral(" - ") + usuario()) {}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::inicia() {
    if (avisaCopiaEmExecucao())
        return false;
    // Nobody answered: whatever socket file is there was left by a copy that
    // ended without closing it.
    QLocalServer::removeServer(nomeServidor_);
    servidor_ = new QLocalServer(this);
    servidor_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!servidor_->listen(nomeServidor_)) {
        // Another copy took the name between the two steps.
        delete servidor_;
        servidor_ = nullptr;
        return !avisaCopiaEmExecucao();
    }
    connect(servidor_, &QLocalServer::newConnection, this, &SingleInstance::recebeConexoes);
    return true;
}

bool SingleInstance::avisaCopiaEmExecucao() {
    QLocalSocket socket;
    socket.connectToServer(nomeServidor_);
    if (!socket.waitForConnected(EsperaConexaoMs))
        return false;
    socket.write(PedidoAtivacao);
    socket.waitForBytesWritten(EsperaConexaoMs);
    socket.disconnectFromServer();
    return true;
}

void SingleInstance::recebeConexoes() {
    while (QLocalSocket *socket = servidor_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (socket->readAll().contains(PedidoAtivacao))
                Q_EMIT ativacaoPedida();
        });
        // The request may have come with the connection itself.
        if (socket->bytesAvailable() > 0 && socket->readAll().contains(PedidoAtivacao))
            Q_EMIT ativacaoPedida();
    }
}

} // namespace drav
