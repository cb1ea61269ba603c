#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QRandomGenerator>
#include <QString>

#include <array>

class QTcpServer;
class QTcpSocket;
class QTimer;

// A loopback HTTP/1.1 proxy in front of one upstream port, for tests that
// need a network that misbehaves the same way on every run with the same
// seed. Each complete request gets one of four fates, drawn from the rates
// (or taken from a queue of forced fates first):
//   Pass      forwarded, the answer relayed;
//   Fail500   answered 500 without forwarding;
//   Drop      forwarded and its whole answer read, then the client's
//             connection is closed unanswered: the server applied it, the
//             client never hears;
//   Stall     never forwarded, never answered: the client's own time limit
//             has to end it.
// Requests are read by Content-Length (a chunked request body is refused
// with 501); every upstream exchange is one connection with "Connection:
// close", and every answer tells the client to close too, so no connection
// carries a second request whose framing could go wrong. Headers are capped
// at 64 KiB and bodies at 64 MiB; anything bigger is refused. Nothing of a
// request or answer is logged.
class FaultProxy : public QObject
{
    Q_OBJECT

public:
    enum class Fate { Pass, Fail500, Drop, Stall };
    Q_ENUM(Fate)

    explicit FaultProxy(quint64 seed, QObject *parent = nullptr);
    ~FaultProxy() override;

    // Listens on 127.0.0.1 at a free port.
    bool listen(QString *error = nullptr);
    quint16 port() const;
    QString baseUrl() const;

    void setUpstreamPort(quint16 port) { m_upstreamPort = port; }
    quint16 upstreamPort() const { return m_upstreamPort; }

    // Chances (0..1) per request; what is left passes.
    void setRates(double fail500, double drop, double stall);
    // While on, every request passes whatever the rates (forced fates too).
    void setPassAll(bool on) { m_passAll = on; }
    bool passAll() const { return m_passAll; }
    // The next requests get these fates, in order, before the rates count.
    void force(const QList<Fate> &fates) { m_forced += fates; }

    int count(Fate fate) const { return m_counts.at(size_t(fate)); }
    int requests() const { return m_requests; }
    // Closes every stalled client connection (the clients see them end).
    void releaseStalled();

Q_SIGNALS:
    // A whole request arrived and got its fate; emitted before it is
    // forwarded or answered, so a handler runs while the client waits.
    void requestArrived(const QByteArray &method, const QByteArray &target, FaultProxy::Fate fate, const QByteArray &body);

private:
    struct Exchange;

    void accept();
    void readClient(QTcpSocket *client);
    void handle(QTcpSocket *client, const QByteArray &head, const QByteArray &body);
    Fate decide();
    void forward(QTcpSocket *client, const QByteArray &request, Fate fate);
    void answer(QTcpSocket *client, int status, const QByteArray &reason);
    static void finishClient(QTcpSocket *client);

    QTcpServer *m_server;
    QRandomGenerator m_random;
    quint16 m_upstreamPort = 0;
    double m_fail500 = 0;
    double m_drop = 0;
    double m_stall = 0;
    bool m_passAll = false;
    QList<Fate> m_forced;
    std::array<int, 4> m_counts{};
    int m_requests = 0;
    QHash<QTcpSocket *, QByteArray> m_buffers;
    QList<QPointer<QTcpSocket>> m_stalled;
};
