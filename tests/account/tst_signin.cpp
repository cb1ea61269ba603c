#include "common/memorytokenstore.h"
#include "account/apiclient.h"
#include "account/authclient.h"
#include "account/client.h"
#include "account/tokenmanager.h"
#include "account/webauthhandler.h"

#include "apitestclient.h"
#include "serverprocess.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>
#include <QUrlQuery>

using namespace OrlAccount;

namespace {

} // namespace

// The browser sign-in end to end: the program's loopback listener, a real
// server's login page, and a test playing the browser in between.
class TestSignIn : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QString error;
        QVERIFY2(m_server.start(&error), qPrintable(error));
        m_userId = m_server.addUser(QStringLiteral("ada@example.org"), QStringLiteral("correct horse"));
        QVERIFY(!m_userId.isEmpty());
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
        auto store = std::make_unique<MemoryTokenStore>();
        m_stored = store->values;
        m_client = std::make_unique<Client>(config, std::move(store));
        m_lastLoginUrl.clear();
        m_client->authClient()->setUrlOpener([this](const QUrl &url) {
            m_lastLoginUrl = url;
            return true;
        });
    }

    void cleanup() { m_client.reset(); }

    void signsInThroughTheBrowser()
    {
        QSignalSpy succeeded(m_client->authClient(), &AuthClient::loginSucceeded);
        QSignalSpy states(m_client.get(), &Client::authStateChanged);
        QSignalSpy claims(m_client.get(), &Client::claimsUpdated);
        m_client->initialize();
        QCOMPARE(m_client->authClient()->state(), AuthState::SignedOut);
        m_client->authClient()->login();
        QVERIFY(m_lastLoginUrl.isValid());
        QVERIFY(playBrowser(m_lastLoginUrl, QStringLiteral("ada@example.org"), QStringLiteral("correct horse")));
        QTRY_COMPARE(succeeded.count(), 1);
        QVERIFY(m_client->isAuthenticated());
        QCOMPARE(m_client->authClient()->userId(), m_userId);
        QVERIFY(!(*m_stored)[QStringLiteral("orlindo_refresh_token")].isEmpty());
        QCOMPARE(states.last().at(0).value<AuthState>(), AuthState::SignedIn);
        QCOMPARE(claims.count(), 1);
    }

    void theLoginAddressCarriesTheLoopbackRedirectAndAState()
    {
        m_client->authClient()->login();
        const QUrlQuery query(m_lastLoginUrl);
        QCOMPARE(m_lastLoginUrl.path(), QStringLiteral("/orlindo/account/login"));
        const QUrl redirect(query.queryItemValue(QStringLiteral("redirect_uri"), QUrl::FullyDecoded));
        QCOMPARE(redirect.host(), QStringLiteral("127.0.0.1"));
        QCOMPARE(redirect.path(), QStringLiteral("/callback"));
        // The whole redirect address is percent-encoded, ":" and "/" too.
        QVERIFY(m_lastLoginUrl.toString(QUrl::FullyEncoded).contains(QLatin1String("redirect_uri=http%3A%2F%2F127.0.0.1%3A")));
        QVERIFY(query.queryItemValue(QStringLiteral("state")).size() >= 22);
        // Each sign-in sends a new state.
        const QString first = query.queryItemValue(QStringLiteral("state"));
        m_client->authClient()->login();
        QVERIFY(QUrlQuery(m_lastLoginUrl).queryItemValue(QStringLiteral("state")) != first);
    }

    void strayRequestsDoNotEndTheSignIn_data()
    {
        QTest::addColumn<QString>("pathAndQuery");
        QTest::newRow("site icon") << "/favicon.ico";
        QTest::newRow("callback without state") << "/callback?access_token=a&refresh_token=b";
        QTest::newRow("callback with another state") << "/callback?access_token=a&refresh_token=b&state=not-this-one-0123456789";
        QTest::newRow("other path with the state") << "/steal?state=%STATE%";
    }

    void strayRequestsDoNotEndTheSignIn()
    {
        QFETCH(QString, pathAndQuery);
        QSignalSpy failed(m_client->authClient(), &AuthClient::loginFailed);
        QSignalSpy succeeded(m_client->authClient(), &AuthClient::loginSucceeded);
        m_client->authClient()->login();
        const QUrlQuery query(m_lastLoginUrl);
        const QUrl redirect(query.queryItemValue(QStringLiteral("redirect_uri"), QUrl::FullyDecoded));
        const QString state = query.queryItemValue(QStringLiteral("state"), QUrl::FullyDecoded);
        QUrl stray(QStringLiteral("http://127.0.0.1:%1").arg(redirect.port()) + QString(pathAndQuery).replace(QLatin1String("%STATE%"), state));
        QCOMPARE(getFromLoopbackListener(stray), 404);
        QCOMPARE(failed.count(), 0);
        // The real answer still gets through.
        QVERIFY(playBrowser(m_lastLoginUrl, QStringLiteral("ada@example.org"), QStringLiteral("correct horse")));
        QTRY_COMPARE(succeeded.count(), 1);
    }

    void aCallbackWithoutBothTokensFails()
    {
        QSignalSpy failed(m_client->authClient(), &AuthClient::loginFailed);
        m_client->initialize();
        m_client->authClient()->login();
        const QUrlQuery query(m_lastLoginUrl);
        const QUrl redirect(query.queryItemValue(QStringLiteral("redirect_uri"), QUrl::FullyDecoded));
        QUrl callback = redirect;
        callback.setQuery(QStringLiteral("access_token=abc&state=") + query.queryItemValue(QStringLiteral("state")));
        QCOMPARE(getFromLoopbackListener(callback), 200);
        QTRY_COMPARE(failed.count(), 1);
        QCOMPARE(failed.first().at(0).toString(), QStringLiteral("No tokens received"));
        QCOMPARE(m_client->authClient()->state(), AuthState::SignedOut);
    }

    void aSignInNotCompletedInTimeFails()
    {
        QSignalSpy failed(m_client->authClient(), &AuthClient::loginFailed);
        m_client->authClient()->setLoginTimeoutMs(200);
        m_client->authClient()->login();
        QTRY_COMPARE(failed.count(), 1);
        QVERIFY(!m_client->authClient()->isLoginInProgress());
    }

    void anOccupiedPortGivesAnotherOne()
    {
        QTcpServer squatter;
        const bool holdsPreferred = squatter.listen(QHostAddress::LocalHost, WebAuthHandler::PreferredPort);
        WebAuthHandler handler(QStringLiteral("state-0123456789abcdef"));
        const QString redirect = handler.start();
        QVERIFY(!redirect.isEmpty());
        if (holdsPreferred)
            QVERIFY(handler.port() != WebAuthHandler::PreferredPort);
        QCOMPARE(redirect, QStringLiteral("http://127.0.0.1:%1/callback").arg(handler.port()));
    }

    void signOutWorksOffline()
    {
        signsInThroughTheBrowser();
        QSignalSpy completed(m_client->authClient(), &AuthClient::logoutCompleted);
        m_client->authApi()->setBaseUrl(QUrl(QStringLiteral("http://127.0.0.1:9/api/v1/realms/orlindo")));
        m_client->authClient()->logout();
        QCOMPARE(completed.count(), 1);
        QCOMPARE(m_client->authClient()->state(), AuthState::SignedOut);
        QVERIFY(m_stored->empty());
    }

private:
    // Fetches the login page, posts the form and follows the redirect to the
    // program's listener, as a browser would.
    bool playBrowser(const QUrl &loginUrl, const QString &email, const QString &password)
    {
        const QUrlQuery query(loginUrl);
        const auto signIn = BrowserSignIn::run(loginUrl.port(), email, password, query.queryItemValue(QStringLiteral("redirect_uri"), QUrl::FullyDecoded),
                                               query.queryItemValue(QStringLiteral("state"), QUrl::FullyDecoded));
        if (signIn.status != 303)
            return false;
        return getFromLoopbackListener(QUrl(signIn.location)) == 200;
    }

    ServerProcess m_server;
    QString m_userId;
    std::unique_ptr<Client> m_client;
    std::shared_ptr<std::map<QString, QString>> m_stored;
    QUrl m_lastLoginUrl;
};

QTEST_GUILESS_MAIN(TestSignIn)
#include "tst_signin.moc"
