#include "common/memorytokenstore.h"
#include "account/apiclient.h"
#include "account/authclient.h"
#include "account/client.h"
#include "account/tokenmanager.h"

#include "apitestclient.h"
#include "serverprocess.h"

#include <QDateTime>
#include <QJsonArray>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

using namespace OrlAccount;

namespace {


// An access token the client reads as expiring at `exp`; its signature is
// not the server's, so the server refuses it.
QString unsignedToken(qint64 exp)
{
    const auto options = QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals;
    const QByteArray payload = QStringLiteral(R"({"exp":%1,"sub":"someone"})").arg(exp).toUtf8();
    return QStringLiteral("eyJhbGciOiJIUzI1NiJ9.") + QString::fromLatin1(payload.toBase64(options)) + QStringLiteral(".forged");
}

// Answers every request with one fixed status, as a failing refresh
// endpoint would.
class FixedStatusPeer : public QObject
{
public:
    explicit FixedStatusPeer(int status)
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        connect(&m_server, &QTcpServer::newConnection, this, [this, status] {
            while (QTcpSocket *socket = m_server.nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, socket, [socket, status] {
                    socket->readAll();
                    socket->write("HTTP/1.1 " + QByteArray::number(status) + " X\r\nContent-Length: 2\r\nConnection: close\r\n\r\n{}");
                    socket->disconnectFromHost();
                });
            }
        });
    }
    QUrl url() const { return QUrl(QStringLiteral("http://127.0.0.1:%1/api/v1/realms/orlindo").arg(m_server.serverPort())); }

private:
    QTcpServer m_server;
};

struct Outcome
{
    bool done = false;
    bool ok = false;
    int status = -1;
    QJsonObject body;
};

} // namespace

// Token refresh against a real server: before a request whose token has
// expired, after a 401, shared by concurrent requests, and a dead refresh
// token signing the user out.
class TestRefresh : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QString error;
        QVERIFY2(m_server.start(&error), qPrintable(error));
        QVERIFY(!m_server.addUser(QStringLiteral("ada@example.org"), QStringLiteral("correct horse")).isEmpty());
    }

    void init()
    {
        ClientConfig config;
        config.authBaseUrl = m_server.baseUrl();
        config.realmSlug = QStringLiteral("orlindo");
        config.accountApiUrl = m_server.baseUrl() + QStringLiteral("/account/v1");
        config.clientId = QStringLiteral("0123456789abcdef0123456789abcdef");
        config.appId = QStringLiteral("org.example.quillby");
        config.appVersion = QStringLiteral("1.1.2");
        m_client = std::make_unique<Client>(config, std::make_unique<MemoryTokenStore>());
        const auto signIn = BrowserSignIn::run(m_server.port(), QStringLiteral("ada@example.org"), QStringLiteral("correct horse"));
        QCOMPARE(signIn.status, 303);
        m_refreshToken = signIn.refreshToken;
        m_accessToken = signIn.accessToken;
    }

    void concurrentRequestsWithAnExpiredTokenShareOneRefresh()
    {
        // The server rotates refresh tokens and revokes the session when a
        // rotated one comes back, so three separate refreshes would fail.
        m_client->tokenManager()->setTokens(unsignedToken(QDateTime::currentSecsSinceEpoch() - 60), m_refreshToken);
        QList<Outcome> outcomes(3);
        for (Outcome &outcome : outcomes) {
            m_client->authApi()->get(QStringLiteral("/users/me"), [&outcome](bool ok, int status, const QJsonObject &body) {
                outcome = {true, ok, status, body};
            });
        }
        QTRY_VERIFY(outcomes[0].done && outcomes[1].done && outcomes[2].done);
        for (const Outcome &outcome : outcomes) {
            QVERIFY2(outcome.ok, qPrintable(QString::number(outcome.status)));
            QCOMPARE(outcome.body.value(QStringLiteral("email")).toString(), QStringLiteral("ada@example.org"));
        }
        QVERIFY(m_client->tokenManager()->storedRefreshToken() != m_refreshToken);
    }

    void a401IsRefreshedAndRetriedOnce()
    {
        // Unexpired as far as the client can tell, refused by the server.
        m_client->tokenManager()->setTokens(unsignedToken(QDateTime::currentSecsSinceEpoch() + 600), m_refreshToken);
        Outcome outcome;
        m_client->authApi()->get(QStringLiteral("/users/me/sessions"), [&outcome](bool ok, int status, const QJsonObject &body) {
            outcome = {true, ok, status, body};
        });
        QTRY_VERIFY(outcome.done);
        QVERIFY(outcome.ok);
        QVERIFY(!outcome.body.value(QStringLiteral("sessions")).toArray().isEmpty());
    }

    void aDeadRefreshTokenSignsOut()
    {
        // The session ends elsewhere (signed out from another installation).
        ApiTestClient other(m_server.port());
        other.setBearer(m_accessToken);
        QCOMPARE(other.post(QStringLiteral("/api/v1/realms/orlindo/auth/logout"), {}).status, 200);

        m_client->tokenManager()->setTokens(unsignedToken(QDateTime::currentSecsSinceEpoch() - 60), m_refreshToken);
        QSignalSpy required(m_client->authApi(), &ApiClient::authenticationRequired);
        Outcome outcome;
        m_client->authApi()->get(QStringLiteral("/users/me"), [&outcome](bool ok, int status, const QJsonObject &body) {
            outcome = {true, ok, status, body};
        });
        QTRY_VERIFY(outcome.done);
        QCOMPARE(outcome.status, 401);
        QCOMPARE(required.count(), 1);

        // The forced refresh of the account screen signs the user out.
        bool refreshed = true;
        bool called = false;
        m_client->authClient()->refreshToken([&](bool result) {
            refreshed = result;
            called = true;
        });
        QTRY_VERIFY(called);
        QVERIFY(!refreshed);
        QCOMPARE(m_client->authClient()->state(), AuthState::SignedOut);
        QVERIFY(m_client->tokenManager()->storedRefreshToken().isEmpty());
    }

    void onlyARefusalOfTheTokenCountsAsRejected_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<RefreshResult>("expected");
        QTest::newRow("400") << 400 << RefreshResult::Rejected;
        QTest::newRow("401") << 401 << RefreshResult::Rejected;
        QTest::newRow("408") << 408 << RefreshResult::TransientFailure;
        QTest::newRow("429") << 429 << RefreshResult::TransientFailure;
        QTest::newRow("500") << 500 << RefreshResult::TransientFailure;
        QTest::newRow("503") << 503 << RefreshResult::TransientFailure;
    }

    void onlyARefusalOfTheTokenCountsAsRejected()
    {
        QFETCH(int, status);
        QFETCH(RefreshResult, expected);
        FixedStatusPeer peer(status);
        m_client->authApi()->setBaseUrl(peer.url());
        m_client->tokenManager()->setTokens(unsignedToken(QDateTime::currentSecsSinceEpoch() - 60), m_refreshToken);
        RefreshResult result = RefreshResult::Refreshed;
        bool called = false;
        m_client->tokenManager()->refresh([&](RefreshResult r) {
            result = r;
            called = true;
        });
        QTRY_VERIFY(called);
        QCOMPARE(result, expected);
        QCOMPARE(m_client->tokenManager()->storedRefreshToken(), m_refreshToken);
    }

    void startUpWhileOfflineStaysSignedIn()
    {
        FixedStatusPeer peer(503);
        ClientConfig config;
        config.authBaseUrl = peer.url().adjusted(QUrl::RemovePath).toString();
        config.realmSlug = QStringLiteral("orlindo");
        Client offline(config, std::make_unique<MemoryTokenStore>(unsignedToken(QDateTime::currentSecsSinceEpoch() - 60), m_refreshToken));
        offline.initialize();
        QCOMPARE(offline.authClient()->state(), AuthState::Initial);
        QTRY_COMPARE(offline.authClient()->state(), AuthState::SignedIn);
        QCOMPARE(offline.tokenManager()->storedRefreshToken(), m_refreshToken);
    }

    void startUpWithARefusedTokenSignsOut()
    {
        Client client(m_client->config(), std::make_unique<MemoryTokenStore>(unsignedToken(QDateTime::currentSecsSinceEpoch() - 60),
                                                                             QStringLiteral("not-a-token-the-server-issued")));
        client.initialize();
        QTRY_COMPARE(client.authClient()->state(), AuthState::SignedOut);
        QVERIFY(client.tokenManager()->storedRefreshToken().isEmpty());
    }

private:
    ServerProcess m_server;
    std::unique_ptr<Client> m_client;
    QString m_refreshToken;
    QString m_accessToken;
};

QTEST_GUILESS_MAIN(TestRefresh)
#include "tst_refresh.moc"
