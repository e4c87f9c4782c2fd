#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

namespace {

constexpr int ConnectWaitMs = 500;

} // namespace

SingleInstance::SingleInstance(const QString& databaseFile, QObject* parent)
    : QObject(parent)
{
    const QByteArray key = (QDir::homePath() + u'|' + QDir::cleanPath(databaseFile)).toUtf8();
    m_name = QStringLiteral("trevalia-")
        + QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(20));
}

bool SingleInstance::handOver() const
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(ConnectWaitMs))
        return false;
    socket.write("mostrar\n");
    socket.waitForBytesWritten(ConnectWaitMs);
    socket.disconnectFromServer();
    return true;
}

void SingleInstance::listen()
{
    m_server = new QLocalServer(this);
    // A copy that ended without closing its server leaves the name behind on Unix.
    QLocalServer::removeServer(m_name);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    m_server->listen(m_name);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            Q_EMIT activated();
        }
    });
}
