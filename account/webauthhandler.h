#pragma once

#include <QObject>
#include <QUrl>

class QTcpServer;
class QTcpSocket;
class QTimer;

namespace OrlAccount {

// The loopback listener the browser is sent back to after sign-in. It
// answers only "GET /callback" carrying the state this sign-in sent, reads
// at most 8 KiB of a request head, answers anything else with 404 and goes
// on waiting, and gives up after a time limit.
class WebAuthHandler : public QObject
{
    Q_OBJECT

public:
    static constexpr quint16 PreferredPort = 19876;
    static constexpr int MaxHeadBytes = 8 * 1024;
    static constexpr int DefaultTimeoutMs = 10 * 60 * 1000;
    static constexpr int SocketTimeoutMs = 10 * 1000;

    explicit WebAuthHandler(QString expectedState, QObject *parent = nullptr);
    ~WebAuthHandler() override;

    // Listens on 127.0.0.1 (19876, else any free port) and returns the
    // redirect address, or an empty string when no port could be opened.
    QString start(int timeoutMs = DefaultTimeoutMs);
    bool isListening() const;
    quint16 port() const { return m_port; }

Q_SIGNALS:
    void callbackReceived(const QUrl &url);
    void timedOut();

private:
    void accept();
    void readFrom(QTcpSocket *socket);
    void stop();

    QString m_expectedState;
    QTcpServer *m_server;
    QTimer *m_timeout;
    quint16 m_port = 0;
};

} // namespace OrlAccount
