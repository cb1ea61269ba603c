#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QTcpServer>
#include <QUrl>

class QTcpSocket;

// A loopback listener for what a real server never does on request: it
// answers every request with one fixed raw HTTP response (a redirect, for
// instance), or with nothing at all while keeping the connection open.
// Records the head of each request it received.
class CannedHttpServer : public QObject
{
    Q_OBJECT

public:
    explicit CannedHttpServer(QObject *parent = nullptr);

    bool listen();
    QUrl url(const QString &path) const;
    // Empty: accept and never answer.
    void setResponse(const QByteArray &rawResponse) { m_response = rawResponse; }
    QList<QByteArray> requests() const { return m_requests; }

private:
    void onConnection();
    void onData(QTcpSocket *socket);

    QTcpServer m_server;
    QByteArray m_response;
    QList<QByteArray> m_requests;
};
