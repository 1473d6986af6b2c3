#pragma once
// One running copy per user session, under a name. The first copy listens on
// a local socket of that name; a later copy finds it there, asks it to come
// to the front and gives up. A socket left behind by a copy that crashed
// answers nobody and does not count.

#include <QObject>
#include <QString>

class QLocalServer;

namespace drav {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString &nome, QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when this is the only copy (it now holds the name); false when
    // another copy runs (it was asked to come to the front).
    bool inicia();

    // The socket name: the given name and the user's.
    const QString &nomeServidor() const { return nomeServidor_; }

Q_SIGNALS:
    // A later copy asked this one to bring its window to the front.
    void ativacaoPedida();

private:
    bool avisaCopiaEmExecucao();
    void recebeConexoes();

    QString nomeServidor_;
    QLocalServer *servidor_ = nullptr;
};

} // namespace drav
