#include "apitestclient.h"
#include "serverprocess.h"

#include <QJsonDocument>
#include <QTest>

// The browser sign-in against a real server process.
class TestLogin : public QObject
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

    void signInRedirectsToTheLoopbackListenerWithBothTokens()
    {
        const auto signIn = BrowserSignIn::run(m_server.port(), QStringLiteral("Ada@Example.org"), QStringLiteral("correct horse"));
        QCOMPARE(signIn.status, 303);
        QVERIFY2(signIn.location.startsWith(QLatin1String("http://127.0.0.1:19876/callback?")), qPrintable(signIn.location));
        QCOMPARE(signIn.state, QStringLiteral("state-0123456789abcdef"));
        QVERIFY(!signIn.refreshToken.isEmpty());
        const QByteArray payload = signIn.accessToken.toLatin1().split('.').value(1);
        const QJsonObject claims = QJsonDocument::fromJson(QByteArray::fromBase64(payload, QByteArray::Base64UrlEncoding)).object();
        QCOMPARE(claims.value(QStringLiteral("sub")).toString(), m_userId);
        QVERIFY(claims.value(QStringLiteral("exp")).toInteger() > QDateTime::currentSecsSinceEpoch());
    }

    void wrongCredentialsStayOnThePage_data()
    {
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("password");
        QTest::newRow("wrong password") << QStringLiteral("ada@example.org") << QStringLiteral("wrong horse");
        QTest::newRow("unknown user") << QStringLiteral("bob@example.org") << QStringLiteral("correct horse");
        QTest::newRow("empty password") << QStringLiteral("ada@example.org") << QString();
    }

    void wrongCredentialsStayOnThePage()
    {
        QFETCH(QString, email);
        QFETCH(QString, password);
        const auto signIn = BrowserSignIn::run(m_server.port(), email, password);
        QCOMPARE(signIn.status, 401);
        QVERIFY(signIn.location.isEmpty());
        QVERIFY(signIn.accessToken.isEmpty());
        QVERIFY(signIn.page.contains("wrong"));
    }

    void onlyLoopbackCallbacksReceiveTokens_data()
    {
        QTest::addColumn<QString>("redirectUri");
        QTest::addColumn<QString>("state");
        const QString state = QStringLiteral("state-0123456789abcdef");
        QTest::newRow("another host") << QStringLiteral("http://evil.example/callback") << state;
        QTest::newRow("https elsewhere") << QStringLiteral("https://127.0.0.1.evil.example:19876/callback") << state;
        QTest::newRow("user info") << QStringLiteral("http://evil@127.0.0.1:19876/callback") << state;
        QTest::newRow("other path") << QStringLiteral("http://127.0.0.1:19876/steal") << state;
        QTest::newRow("no port") << QStringLiteral("http://127.0.0.1/callback") << state;
        QTest::newRow("with query") << QStringLiteral("http://127.0.0.1:19876/callback?x=1") << state;
        QTest::newRow("javascript") << QStringLiteral("javascript:alert(1)") << state;
        QTest::newRow("short state") << QStringLiteral("http://127.0.0.1:19876/callback") << QStringLiteral("abc");
        QTest::newRow("state with markup") << QStringLiteral("http://127.0.0.1:19876/callback") << QStringLiteral("\"><script>alert(1)</script>");
    }

    void onlyLoopbackCallbacksReceiveTokens()
    {
        QFETCH(QString, redirectUri);
        QFETCH(QString, state);
        const auto signIn = BrowserSignIn::run(m_server.port(), QStringLiteral("ada@example.org"), QStringLiteral("correct horse"), redirectUri, state);
        QCOMPARE(signIn.status, 400);
        QVERIFY(signIn.location.isEmpty());
        QVERIFY(!signIn.page.contains("<script>"));
    }

    void localhostCallbackIsAccepted()
    {
        const auto signIn = BrowserSignIn::run(m_server.port(), QStringLiteral("ada@example.org"), QStringLiteral("correct horse"),
                                               QStringLiteral("http://localhost:40123/callback"));
        QCOMPARE(signIn.status, 303);
        QVERIFY(signIn.location.startsWith(QLatin1String("http://localhost:40123/callback?access_token=")));
    }

    void aFormPostWithoutItsCookieIsRefused()
    {
        ApiTestClient client(m_server.port());
        const QByteArray form = "client_id=0123456789abcdef0123456789abcdef&redirect_uri=http%3A%2F%2F127.0.0.1%3A19876%2Fcallback"
                                "&state=state-0123456789abcdef&form_token=9999999999.AAAA&email=ada%40example.org&password=correct+horse";
        const auto reply = client.send("POST", QStringLiteral("/orlindo/account/login"), form, "application/x-www-form-urlencoded");
        QCOMPARE(reply.status, 400);
        QVERIFY(reply.header("Location").isEmpty());
    }

    void healthAndUnknownPaths()
    {
        ApiTestClient client(m_server.port());
        const auto health = client.get(QStringLiteral("/healthz"));
        QCOMPARE(health.status, 200);
        QCOMPARE(health.json.value(QStringLiteral("status")).toString(), QStringLiteral("ok"));
        const auto missing = client.get(QStringLiteral("/no/such/path"));
        QCOMPARE(missing.status, 404);
        QVERIFY(missing.json.contains(QStringLiteral("error")));
    }

    void theLogHoldsNoTokensOrPasswords()
    {
        const auto signIn = BrowserSignIn::run(m_server.port(), QStringLiteral("ada@example.org"), QStringLiteral("correct horse"));
        QCOMPARE(signIn.status, 303);
        QTest::qWait(100);
        const QByteArray log = m_server.standardError();
        QVERIFY(log.contains("\"event\":\"login\""));
        QVERIFY(!log.contains(signIn.refreshToken.toLatin1()));
        QVERIFY(!log.contains(signIn.accessToken.toLatin1().split('.').value(2)));
        QVERIFY(!log.contains("correct horse"));
        QVERIFY(!log.contains("state-0123456789abcdef"));
    }

    void registrationIsClosedUnlessOpened()
    {
        ApiTestClient client(m_server.port());
        const QString query = QStringLiteral("?client_id=0123456789abcdef0123456789abcdef&redirect_uri=http%3A%2F%2F127.0.0.1%3A19876%2Fcallback"
                                             "&state=state-0123456789abcdef");
        QCOMPARE(client.get(QStringLiteral("/orlindo/account/register") + query).status, 404);
        const QByteArray form = "client_id=0123456789abcdef0123456789abcdef&redirect_uri=http%3A%2F%2F127.0.0.1%3A19876%2Fcallback"
                                "&state=state-0123456789abcdef&email=eve%40example.org&password=correct+horse&confirmation=correct+horse";
        QCOMPARE(client.send("POST", QStringLiteral("/orlindo/account/register"), form, "application/x-www-form-urlencoded").status, 404);
        const auto page = client.get(QStringLiteral("/orlindo/account/login") + query);
        QCOMPARE(page.status, 200);
        QVERIFY(page.body.contains("name=\"form_token\""));
        QVERIFY(!page.body.contains("/account/register"));
    }

    void thePageIsStyledWithoutScripts()
    {
        ApiTestClient client(m_server.port());
        const auto page = client.get(QStringLiteral("/orlindo/account/login?client_id=0123456789abcdef0123456789abcdef"
                                                    "&redirect_uri=http%3A%2F%2F127.0.0.1%3A19876%2Fcallback&state=state-0123456789abcdef"));
        QCOMPARE(page.status, 200);
        QVERIFY(page.header("Content-Security-Policy").contains(QLatin1String("default-src 'none'")));
        QVERIFY(!page.body.contains("<script"));
        QVERIFY(page.body.contains("prefers-color-scheme:dark"));
        QVERIFY(page.body.contains("<label for=\"email\">"));
        QVERIFY(page.body.contains("<label for=\"password\">"));
        QVERIFY(page.body.contains(":focus"));
    }

    // Failures are counted in the database per e-mail address: the fifth in
    // a row locks the address, the right password included, across a restart
    // of the server; other addresses are not affected.
    void repeatedFailuresAreSlowedDown()
    {
        ServerProcess server;
        QString error;
        QVERIFY2(server.start(&error), qPrintable(error));
        QVERIFY(!server.addUser(QStringLiteral("grace@example.org"), QStringLiteral("correct horse")).isEmpty());
        QVERIFY(!server.addUser(QStringLiteral("alan@example.org"), QStringLiteral("correct horse")).isEmpty());
        for (int attempt = 1; attempt < 5; ++attempt)
            QCOMPARE(BrowserSignIn::run(server.port(), QStringLiteral("grace@example.org"), QStringLiteral("wrong horse")).status, 401);
        const auto fifth = BrowserSignIn::run(server.port(), QStringLiteral("Grace@Example.org"), QStringLiteral("wrong horse"));
        QCOMPARE(fifth.status, 429);
        QVERIFY(fifth.page.contains(QStringLiteral("Too many attempts — try again in 1 minute.").toUtf8()));
        QVERIFY(fifth.page.contains("name=\"form_token\""));

        const auto locked = BrowserSignIn::run(server.port(), QStringLiteral("grace@example.org"), QStringLiteral("correct horse"));
        QCOMPARE(locked.status, 429);
        QVERIFY(locked.location.isEmpty());
        QVERIFY(locked.accessToken.isEmpty());
        QCOMPARE(BrowserSignIn::run(server.port(), QStringLiteral("alan@example.org"), QStringLiteral("correct horse")).status, 303);

        QCOMPARE(server.stop(), 0);
        QVERIFY2(server.start(&error), qPrintable(error));
        QCOMPARE(BrowserSignIn::run(server.port(), QStringLiteral("grace@example.org"), QStringLiteral("correct horse")).status, 429);
    }

    void anAddressWithoutAnAccountIsLockedAlike()
    {
        ServerProcess server;
        QString error;
        QVERIFY2(server.start(&error), qPrintable(error));
        for (int attempt = 1; attempt < 5; ++attempt)
            QCOMPARE(BrowserSignIn::run(server.port(), QStringLiteral("nobody@example.org"), QStringLiteral("wrong horse")).status, 401);
        QCOMPARE(BrowserSignIn::run(server.port(), QStringLiteral("nobody@example.org"), QStringLiteral("wrong horse")).status, 429);
    }

    void aSuccessClearsTheCount()
    {
        ServerProcess server;
        QString error;
        QVERIFY2(server.start(&error), qPrintable(error));
        QVERIFY(!server.addUser(QStringLiteral("grace@example.org"), QStringLiteral("correct horse")).isEmpty());
        for (int round = 0; round < 2; ++round) {
            for (int attempt = 1; attempt < 5; ++attempt)
                QCOMPARE(BrowserSignIn::run(server.port(), QStringLiteral("grace@example.org"), QStringLiteral("wrong horse")).status, 401);
            QCOMPARE(BrowserSignIn::run(server.port(), QStringLiteral("grace@example.org"), QStringLiteral("correct horse")).status, 303);
        }
    }

    void cleanupTestCase()
    {
        // SIGTERM ends the server cleanly.
        QCOMPARE(m_server.stop(), 0);
    }

private:
    ServerProcess m_server;
    QString m_userId;
};

QTEST_GUILESS_MAIN(TestLogin)
#include "tst_login.moc"
