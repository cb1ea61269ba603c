#include "common/faultproxy.h"

#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <memory>

namespace {

// A stand-in upstream that reads each request by its Content-Length and
// answers with the body it got, then closes: enough to see what the proxy
// forwarded.
class EchoUpstream : public QObject
{
public:
    struct Seen
    {
        QByteArray method;
        QByteArray target;
        QByteArray head;
        QByteArray body;
    };

    EchoUpstream()
    {
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection()) {
                auto buffer = std::make_shared<QByteArray>();
                connect(socket, &QTcpSocket::readyRead, this, [this, socket, buffer] {
                    *buffer += socket->readAll();
                    const qsizetype end = buffer->indexOf("\r\n\r\n");
                    if (end < 0)
                        return;
                    const QByteArray head = buffer->left(end + 4);
                    qint64 length = 0;
                    for (const QByteArray &line : head.split('\n')) {
                        if (line.toLower().startsWith("content-length:"))
                            length = line.mid(15).trimmed().toLongLong();
                    }
                    if (buffer->size() - head.size() < length)
                        return;
                    const QList<QByteArray> first = head.left(head.indexOf("\r\n")).split(' ');
                    seen.append({first.value(0), first.value(1), head, buffer->mid(head.size(), length)});
                    const QByteArray body = buffer->mid(head.size(), length);
                    socket->write("HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\nContent-Length: "
                                  + QByteArray::number(body.size()) + "\r\nConnection: keep-alive\r\n\r\n" + body);
                    socket->disconnectFromHost();
                });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }

    bool listen() { return m_server.listen(QHostAddress::LocalHost, 0); }
    quint16 port() const { return m_server.serverPort(); }

    QList<Seen> seen;

private:
    QTcpServer m_server;
};

struct Answer
{
    int status = 0;
    QNetworkReply::NetworkError error = QNetworkReply::NoError;
    QByteArray body;
};

QByteArray randomBody(int size, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray body(size, Qt::Uninitialized);
    for (char &c : body)
        c = char(random.bounded(256));
    return body;
}

} // namespace

// The fault-injecting proxy the sync tests put between the engine and the
// server: every fate does what it says to the client and to the upstream,
// the seed fixes the sequence, bodies cross intact, and malformed requests
// are refused without reaching the upstream.
class tst_FaultProxy : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_upstream = std::make_unique<EchoUpstream>();
        QVERIFY(m_upstream->listen());
        m_proxy = std::make_unique<FaultProxy>(7);
        QVERIFY(m_proxy->listen());
        m_proxy->setUpstreamPort(m_upstream->port());
        m_network = std::make_unique<QNetworkAccessManager>();
    }

    void cleanup()
    {
        m_network.reset();
        m_proxy.reset();
        m_upstream.reset();
    }

    void fates_data()
    {
        QTest::addColumn<FaultProxy::Fate>("fate");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("reachesUpstream");
        QTest::addColumn<bool>("answered");

        QTest::newRow("pass") << FaultProxy::Fate::Pass << 200 << true << true;
        QTest::newRow("500 without forwarding") << FaultProxy::Fate::Fail500 << 500 << false << true;
        QTest::newRow("forwarded, answer dropped") << FaultProxy::Fate::Drop << 0 << true << false;
        QTest::newRow("stalled") << FaultProxy::Fate::Stall << 0 << false << false;
    }

    void fates()
    {
        QFETCH(FaultProxy::Fate, fate);
        QFETCH(int, status);
        QFETCH(bool, reachesUpstream);
        QFETCH(bool, answered);

        // The client may send a request again after a connection closed
        // unanswered; every attempt meets the same fate.
        m_proxy->force({fate, fate, fate, fate});
        const QByteArray body = randomBody(300 * 1024, 1);
        const Answer answer = post("/quillby/v1/sync/push", body, 1500);
        QCOMPARE(answer.status, status);
        QCOMPARE(!m_upstream->seen.isEmpty(), reachesUpstream);
        QVERIFY(m_proxy->count(fate) >= 1);
        QCOMPARE(m_proxy->count(fate), m_proxy->requests());
        if (reachesUpstream) {
            QCOMPARE(m_upstream->seen.first().method, QByteArray("POST"));
            QCOMPARE(m_upstream->seen.first().target, QByteArray("/quillby/v1/sync/push"));
            QVERIFY(m_upstream->seen.first().body == body);
            // One exchange per upstream connection.
            QVERIFY(m_upstream->seen.first().head.toLower().contains("connection: close\r\n"));
        }
        if (answered) {
            QCOMPARE(answer.error == QNetworkReply::NoError, status == 200);
            if (status == 200)
                QVERIFY(answer.body == body);
        } else {
            QVERIFY(answer.error != QNetworkReply::NoError);
        }
    }

    // One client sends request after request: each is read by its own
    // length and answered in full, whatever the client does with its
    // connections.
    void requestsInARow()
    {
        QList<QByteArray> announced;
        connect(m_proxy.get(), &FaultProxy::requestArrived, this,
                [&announced](const QByteArray &, const QByteArray &, FaultProxy::Fate, const QByteArray &body) { announced.append(body); });
        for (int i = 0; i < 6; ++i) {
            const QByteArray body = randomBody(i * 40000 + 1, quint32(i));
            const Answer answer = post("/path/" + QByteArray::number(i), body, 5000);
            QCOMPARE(answer.status, 200);
            QVERIFY(answer.body == body);
        }
        QCOMPARE(m_upstream->seen.size(), 6);
        QCOMPARE(m_upstream->seen.last().target, QByteArray("/path/5"));
        QCOMPARE(announced.size(), 6);
        QVERIFY(announced.at(3) == m_upstream->seen.at(3).body);
        const Answer empty = get("/no-body", 5000);
        QCOMPARE(empty.status, 200);
        QCOMPARE(empty.body, QByteArray());
    }

    void theSeedFixesTheFates()
    {
        const QList<FaultProxy::Fate> first = fatesOf(11, 40);
        QCOMPARE(fatesOf(11, 40), first);
        QVERIFY(fatesOf(12, 40) != first);
        QVERIFY(first.contains(FaultProxy::Fate::Fail500));
        QVERIFY(first.contains(FaultProxy::Fate::Pass));
    }

    void passAllOverridesRatesAndForcedFates()
    {
        m_proxy->setRates(1.0, 0, 0);
        m_proxy->force({FaultProxy::Fate::Stall});
        m_proxy->setPassAll(true);
        QCOMPARE(post("/a", "x", 3000).status, 200);
        QCOMPARE(post("/b", "y", 3000).status, 200);
        m_proxy->setPassAll(false);
        QCOMPARE(post("/c", "z", 3000).status, 500);
        QCOMPARE(m_upstream->seen.size(), 2);
    }

    void aStalledClientIsReleased()
    {
        m_proxy->force({FaultProxy::Fate::Stall});
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, m_proxy->port());
        QVERIFY(socket.waitForConnected(3000));
        socket.write("GET /x HTTP/1.1\r\nHost: a\r\n\r\n");
        QTRY_COMPARE(m_proxy->count(FaultProxy::Fate::Stall), 1);
        QVERIFY(!socket.waitForReadyRead(300));
        m_proxy->releaseStalled();
        QTRY_COMPARE(socket.state(), QAbstractSocket::UnconnectedState);
        QCOMPARE(socket.readAll(), QByteArray());
    }

    void malformedRequestsAreRefused_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<int>("status");

        QTest::newRow("head over 64 KiB") << QByteArray("GET / HTTP/1.1\r\nX-Long: " + QByteArray(70 * 1024, 'a') + "\r\n\r\n") << 431;
        QTest::newRow("chunked body") << QByteArray("POST / HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n1\r\na\r\n0\r\n\r\n") << 501;
        QTest::newRow("length not a number") << QByteArray("POST / HTTP/1.1\r\nContent-Length: ten\r\n\r\n") << 400;
        QTest::newRow("negative length") << QByteArray("POST / HTTP/1.1\r\nContent-Length: -5\r\n\r\n") << 400;
        QTest::newRow("two different lengths") << QByteArray("POST / HTTP/1.1\r\nContent-Length: 1\r\nContent-Length: 2\r\n\r\nab") << 400;
        QTest::newRow("body over 64 MiB") << QByteArray("POST / HTTP/1.1\r\nContent-Length: 99999999999\r\n\r\n") << 413;
        QTest::newRow("no version in the request line") << QByteArray("GET /\r\n\r\n") << 400;
    }

    void malformedRequestsAreRefused()
    {
        QFETCH(QByteArray, request);
        QFETCH(int, status);

        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, m_proxy->port());
        QVERIFY(socket.waitForConnected(3000));
        socket.write(request);
        QByteArray reply;
        QTRY_VERIFY((reply += socket.readAll()).contains("\r\n\r\n"));
        QCOMPARE(reply.left(12), "HTTP/1.1 " + QByteArray::number(status));
        QVERIFY(reply.contains("Connection: close"));
        QCOMPARE(m_upstream->seen.size(), 0);
        QCOMPARE(m_proxy->requests(), 0);
    }

    void anUpstreamThatIsDownIsABadGateway()
    {
        m_upstream.reset();
        QCOMPARE(post("/down", "body", 5000).status, 502);
    }

private:
    Answer send(const QByteArray &method, const QByteArray &path, const QByteArray &body, int timeoutMs)
    {
        QNetworkRequest request(QUrl(m_proxy->baseUrl() + QString::fromLatin1(path)));
        request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArray("application/octet-stream"));
        request.setTransferTimeout(timeoutMs);
        QNetworkReply *reply = m_network->sendCustomRequest(request, method, body);
        QSignalSpy finished(reply, &QNetworkReply::finished);
        if (!finished.wait(timeoutMs * 4 + 2000)) {
            reply->abort();
        }
        Answer answer;
        answer.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        answer.error = reply->error();
        answer.body = reply->isOpen() ? reply->readAll() : QByteArray();
        reply->deleteLater();
        return answer;
    }

    Answer post(const QByteArray &path, const QByteArray &body, int timeoutMs) { return send("POST", path, body, timeoutMs); }
    Answer get(const QByteArray &path, int timeoutMs) { return send("GET", path, QByteArray(), timeoutMs); }

    QList<FaultProxy::Fate> fatesOf(quint64 seed, int requests)
    {
        FaultProxy proxy(seed);
        if (!proxy.listen())
            return {};
        proxy.setUpstreamPort(m_upstream->port());
        proxy.setRates(0.3, 0, 0);
        QList<FaultProxy::Fate> fates;
        connect(&proxy, &FaultProxy::requestArrived, this,
                [&fates](const QByteArray &, const QByteArray &, FaultProxy::Fate fate) { fates.append(fate); });
        for (int i = 0; i < requests; ++i) {
            QNetworkRequest request(QUrl(proxy.baseUrl() + QStringLiteral("/r")));
            request.setTransferTimeout(3000);
            QNetworkReply *reply = m_network->get(request);
            QSignalSpy finished(reply, &QNetworkReply::finished);
            finished.wait(5000);
            reply->deleteLater();
        }
        return fates;
    }

    std::unique_ptr<EchoUpstream> m_upstream;
    std::unique_ptr<FaultProxy> m_proxy;
    std::unique_ptr<QNetworkAccessManager> m_network;
};

QTEST_GUILESS_MAIN(tst_FaultProxy)
#include "tst_faultproxy.moc"
