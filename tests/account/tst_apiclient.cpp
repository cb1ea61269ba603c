#include "account/apiclient.h"
#include "account/tokenmanager.h"

#include <QDateTime>
#include <QJsonArray>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <map>

using namespace OrlAccount;

namespace {

class MemoryTokenStore : public TokenStore
{
public:
    std::optional<QString> load(const QString &) override { return std::nullopt; }
    bool save(const QString &, const QString &) override { return true; }
    bool remove(const QString &) override { return true; }
};

QString tokenExpiringIn(qint64 seconds)
{
    const auto options = QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals;
    const QByteArray payload = QStringLiteral(R"({"exp":%1,"sub":"u"})").arg(QDateTime::currentSecsSinceEpoch() + seconds).toUtf8();
    return QStringLiteral("e30.") + QString::fromLatin1(payload.toBase64(options)) + QStringLiteral(".sig");
}

// A loopback peer that records each request and answers as told: the
// faults a real network produces (silence, dropped connections, huge or
// malformed answers) on demand.
class ScriptedPeer : public QObject
{
public:
    enum class Behaviour { Answer, Silent, Drop, Huge };

    ScriptedPeer()
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onData(socket); });
        });
    }

    QUrl url(const QString &path = {}) const { return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path)); }

    Behaviour behaviour = Behaviour::Answer;
    int status = 200;
    QByteArray body = "{}";
    QList<QByteArray> requests; // head and body as received

private:
    void onData(QTcpSocket *socket)
    {
        QByteArray &buffer = m_buffers[socket];
        buffer += socket->readAll();
        const int headEnd = buffer.indexOf("\r\n\r\n");
        if (headEnd < 0)
            return;
        int length = 0;
        for (const QByteArray &line : buffer.left(headEnd).split('\n')) {
            if (line.toLower().startsWith("content-length:"))
                length = line.mid(15).trimmed().toInt();
        }
        if (buffer.size() < headEnd + 4 + length)
            return;
        requests << buffer.left(headEnd + 4 + length);
        buffer.clear();
        switch (behaviour) {
        case Behaviour::Silent:
            return;
        case Behaviour::Drop:
            socket->abort();
            return;
        case Behaviour::Huge: {
            const qint64 size = ApiClient::MaxResponseBytes + 1024 * 1024;
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: application/json\r\nContent-Length: " + QByteArray::number(size) + "\r\n\r\n");
            const QByteArray chunk(1024 * 1024, ' ');
            for (qint64 sent = 0; sent < size && socket->state() == QAbstractSocket::ConnectedState; sent += chunk.size()) {
                socket->write(chunk);
                socket->waitForBytesWritten(1000);
            }
            return;
        }
        case Behaviour::Answer:
            socket->write("HTTP/1.1 " + QByteArray::number(status) + " X\r\nContent-Type: application/json\r\nContent-Length: "
                          + QByteArray::number(body.size()) + "\r\n\r\n" + body);
            return;
        }
    }

    QTcpServer m_server;
    std::map<QTcpSocket *, QByteArray> m_buffers;
};

struct Outcome
{
    bool done = false;
    bool ok = false;
    int status = -1;
    QJsonObject body;
};

ResponseCallback recordInto(Outcome &outcome)
{
    return [&outcome](bool ok, int status, const QJsonObject &body) {
        outcome = {true, ok, status, body};
    };
}

} // namespace

class TestApiClient : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void headersAndBody()
    {
        ScriptedPeer peer;
        TokenManager tokens(std::make_unique<MemoryTokenStore>());
        tokens.setTokens(tokenExpiringIn(900), QStringLiteral("r"));
        ApiClient client(&tokens);
        client.setBaseUrl(peer.url(QStringLiteral("/api/v1/realms/orlindo")));
        client.setAppInfo(QStringLiteral("org.example.quillby"), QStringLiteral("1.1.2"), QStringLiteral("linux"));
        Outcome outcome;
        client.post(QStringLiteral("/auth/logout"), {}, recordInto(outcome));
        QTRY_VERIFY(outcome.done);
        QVERIFY(outcome.ok);
        const QByteArray request = peer.requests.value(0);
        QVERIFY2(request.startsWith("POST /api/v1/realms/orlindo/auth/logout HTTP/1.1"), request.constData());
        QVERIFY(request.contains("Content-Type: application/json"));
        QVERIFY(request.contains("Content-Length: 0"));
        QVERIFY(request.contains("X-App-Id: org.example.quillby"));
        QVERIFY(request.contains("X-Platform: linux"));
        QVERIFY(request.contains("Authorization: Bearer " + tokens.accessToken().toLatin1()));
    }

    void noTokensMeansNoAuthorizationHeader()
    {
        ScriptedPeer peer;
        TokenManager tokens(std::make_unique<MemoryTokenStore>());
        ApiClient client(&tokens);
        client.setBaseUrl(peer.url());
        Outcome outcome;
        client.get(QStringLiteral("/profile"), recordInto(outcome));
        QTRY_VERIFY(outcome.done);
        QVERIFY(!peer.requests.value(0).contains("Authorization"));
        QVERIFY(peer.requests.value(0).contains("Content-Type: application/json"));
    }

    void answersAreReadAsObjects_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("keys");
        QTest::newRow("object") << 200 << QByteArray(R"({"a":1,"b":2})") << true << 2;
        QTest::newRow("array") << 200 << QByteArray("[1,2]") << true << 0;
        QTest::newRow("not json") << 200 << QByteArray("<html>") << true << 0;
        QTest::newRow("empty") << 204 << QByteArray() << true << 0;
        QTest::newRow("server error with body") << 500 << QByteArray(R"({"error":"x"})") << false << 1;
        QTest::newRow("malformed json") << 200 << QByteArray(R"({"a":)") << true << 0;
    }

    void answersAreReadAsObjects()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(bool, ok);
        QFETCH(int, keys);
        ScriptedPeer peer;
        peer.status = status;
        peer.body = body;
        TokenManager tokens(std::make_unique<MemoryTokenStore>());
        ApiClient client(&tokens);
        client.setBaseUrl(peer.url());
        Outcome outcome;
        client.getPublic(QStringLiteral("/x"), recordInto(outcome));
        QTRY_VERIFY(outcome.done);
        QCOMPARE(outcome.ok, ok);
        QCOMPARE(outcome.status, status);
        QCOMPARE(outcome.body.size(), keys);
    }

    void networkFaultsReportStatusZero_data()
    {
        QTest::addColumn<int>("behaviour");
        QTest::newRow("no answer within the time limit") << int(ScriptedPeer::Behaviour::Silent);
        QTest::newRow("connection dropped") << int(ScriptedPeer::Behaviour::Drop);
        QTest::newRow("answer too large") << int(ScriptedPeer::Behaviour::Huge);
    }

    void networkFaultsReportStatusZero()
    {
        QFETCH(int, behaviour);
        ScriptedPeer peer;
        peer.behaviour = ScriptedPeer::Behaviour(behaviour);
        TokenManager tokens(std::make_unique<MemoryTokenStore>());
        ApiClient client(&tokens);
        client.setBaseUrl(peer.url());
        client.setTimeoutMs(1500);
        QSignalSpy errors(&client, &ApiClient::networkError);
        Outcome outcome;
        client.getPublic(QStringLiteral("/x"), recordInto(outcome));
        QTRY_VERIFY_WITH_TIMEOUT(outcome.done, 20000);
        QVERIFY(!outcome.ok);
        QCOMPARE(outcome.status, 0);
        QCOMPARE(errors.count(), 1);
    }

    void anUnknownMethodSendsNothing()
    {
        ScriptedPeer peer;
        TokenManager tokens(std::make_unique<MemoryTokenStore>());
        ApiClient client(&tokens);
        client.setBaseUrl(peer.url());
        Outcome outcome;
        client.sendRequest(QStringLiteral("BREW"), QStringLiteral("/pot"), {}, recordInto(outcome), {}, false);
        QVERIFY(outcome.done);
        QCOMPARE(outcome.status, 0);
        QTest::qWait(100);
        QVERIFY(peer.requests.isEmpty());
    }

    void tokensGoOnlyToEncryptedOrLoopbackAddresses_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("allowed");
        QTest::newRow("https") << "https://sync.example.org/quillby/v1" << true;
        QTest::newRow("plain http elsewhere") << "http://sync.example.org/quillby/v1" << false;
        QTest::newRow("loopback v4") << "http://127.0.0.1:8640" << true;
        QTest::newRow("loopback v4 other") << "http://127.1.2.3:8640" << true;
        QTest::newRow("loopback v6") << "http://[::1]:8640" << true;
        QTest::newRow("localhost") << "http://localhost:8640" << true;
        QTest::newRow("localhost lookalike") << "http://localhost.example.org" << false;
        QTest::newRow("ftp") << "ftp://127.0.0.1" << false;
    }

    void tokensGoOnlyToEncryptedOrLoopbackAddresses()
    {
        QFETCH(QString, url);
        QFETCH(bool, allowed);
        QCOMPARE(ApiClient::mayCarryToken(QUrl(url)), allowed);
    }

    void aTokenIsNotSentOverPlainHttp()
    {
        TokenManager tokens(std::make_unique<MemoryTokenStore>());
        tokens.setTokens(tokenExpiringIn(900), QStringLiteral("r"));
        ApiClient client(&tokens);
        client.setBaseUrl(QUrl(QStringLiteral("http://sync.example.invalid/quillby/v1")));
        QSignalSpy errors(&client, &ApiClient::networkError);
        Outcome outcome;
        client.get(QStringLiteral("/sync/pull"), recordInto(outcome));
        QVERIFY(outcome.done); // refused before anything is sent
        QCOMPARE(outcome.status, 0);
        QCOMPARE(errors.count(), 1);
    }
};

QTEST_GUILESS_MAIN(TestApiClient)
#include "tst_apiclient.moc"
