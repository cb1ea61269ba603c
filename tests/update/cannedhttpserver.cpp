#include "cannedhttpserver.h"

#include <QHostAddress>
#include <QTcpSocket>

CannedHttpServer::CannedHttpServer(QObject *parent)
    : QObject(parent)
{
    connect(&m_server, &QTcpServer::newConnection, this, &CannedHttpServer::onConnection);
}

bool CannedHttpServer::listen()
{
    return m_server.listen(QHostAddress::LocalHost, 0);
}

QUrl CannedHttpServer::url(const QString &path) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path));
}

void CannedHttpServer::onConnection()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        socket->setParent(this);
        socket->setProperty("head", QByteArray());
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onData(socket); });
    }
}

void CannedHttpServer::onData(QTcpSocket *socket)
{
    QByteArray head = socket->property("head").toByteArray() + socket->readAll();
    socket->setProperty("head", head);
    if (!head.contains("\r\n\r\n"))
        return;
    m_requests.append(head.left(head.indexOf("\r\n\r\n")));
    socket->setProperty("head", QByteArray());
    if (!m_response.isEmpty()) {
        socket->write(m_response);
        socket->disconnectFromHost();
    }
}
