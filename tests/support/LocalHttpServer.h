#pragma once

#include <QHash>
#include <QTcpServer>
#include <QTcpSocket>

// A small HTTP server on 127.0.0.1 for the tests: each path answers with the raw response
// given for it; a path answered with the empty response never answers at all.
class LocalHttpServer : public QObject
{
public:
    LocalHttpServer()
    {
        m_server.listen(QHostAddress::LocalHost);
        QObject::connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { answer(socket); });
                QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }

    QString address(const QString& path = {}) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path);
    }

    // A complete 200 response with the body and its length.
    static QByteArray ok(const QByteArray& body)
    {
        return "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: "
            + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
    }

    QHash<QString, QByteArray> responses;
    int requests = 0;

private:
    void answer(QTcpSocket* socket)
    {
        QByteArray& request = m_pending[socket];
        request += socket->readAll();
        if (!request.contains("\r\n\r\n"))
            return;
        ++requests;
        const QString path = QString::fromLatin1(request.split(' ').value(1));
        m_pending.remove(socket);
        const QByteArray response = responses.value(
            path, "HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\nConnection: close\r\n\r\nNo existe");
        if (response.isEmpty())
            return;
        socket->write(response);
        socket->disconnectFromHost();
    }

    QTcpServer m_server;
    QHash<QTcpSocket*, QByteArray> m_pending;
};
