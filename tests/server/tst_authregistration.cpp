#include "apitestclient.h"
#include "serverprocess.h"

#include <QJsonDocument>
#include <QRegularExpression>
#include <QTest>
#include <QUrl>
#include <QUrlQuery>

#include <httplib.h>

// The registration page of a server started with --open-registration. (That
// it is absent otherwise is checked with the sign-in.)
class TestAuthRegistration : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        m_server.setExtraArguments({QStringLiteral("--open-registration")});
        QString error;
        QVERIFY2(m_server.start(&error), qPrintable(error));
        QVERIFY(!m_server.addUser(QStringLiteral("ada@example.org"), QStringLiteral("correct horse")).isEmpty());
    }

    void theSignInPageLinksToIt()
    {
        ApiTestClient client(m_server.port());
        const auto page = client.get(QStringLiteral("/orlindo/account/login?") + linkQuery());
        QCOMPARE(page.status, 200);
        static const QRegularExpression link(QStringLiteral("href=\"(/orlindo/account/register\\?[^\"]+)\""));
        QString href = link.match(QString::fromUtf8(page.body)).captured(1);
        QVERIFY(!href.isEmpty());
        // The link carries the program's parameters on to the registration page.
        const auto target = client.get(QUrl(href.replace(QStringLiteral("&amp;"), QStringLiteral("&"))).toString(QUrl::FullyEncoded));
        QCOMPARE(target.status, 200);
        QVERIFY(target.body.contains("value=\"state-0123456789abcdef\""));
        QVERIFY(target.body.contains("name=\"confirmation\""));
    }

    void aNewAccountIsSignedIn()
    {
        const Outcome outcome = registerAccount(QStringLiteral("  Eve@Example.org "), QStringLiteral("battery staple"), QStringLiteral("battery staple"));
        QCOMPARE(outcome.status, 303);
        QVERIFY2(outcome.location.startsWith(QLatin1String("http://127.0.0.1:19876/callback?")), qPrintable(outcome.location));
        const QUrlQuery redirect(QUrl(outcome.location).query());
        QCOMPARE(redirect.queryItemValue(QStringLiteral("state")), QStringLiteral("state-0123456789abcdef"));
        QVERIFY(!redirect.queryItemValue(QStringLiteral("refresh_token")).isEmpty());
        ApiTestClient client(m_server.port());
        client.setBearer(redirect.queryItemValue(QStringLiteral("access_token")));
        const auto me = client.get(QStringLiteral("/api/v1/realms/orlindo/users/me"));
        QCOMPARE(me.status, 200);
        QCOMPARE(me.json.value(QStringLiteral("email")).toString(), QStringLiteral("eve@example.org"));
        // The account signs in like any other.
        QCOMPARE(BrowserSignIn::run(m_server.port(), QStringLiteral("eve@example.org"), QStringLiteral("battery staple")).status, 303);
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("confirmation");
        QTest::addColumn<bool>("withCookie");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        const QString good = QStringLiteral("battery staple");
        QTest::newRow("passwords differ") << QStringLiteral("frank@example.org") << good << QStringLiteral("battery stapler") << true << 400
                                          << QStringLiteral("The two passwords differ.");
        QTest::newRow("weak password") << QStringLiteral("frank@example.org") << QStringLiteral("short") << QStringLiteral("short") << true << 400
                                       << QStringLiteral("at least 8 characters");
        QTest::newRow("not an address") << QStringLiteral("frank") << good << good << true << 400 << QStringLiteral("not an e-mail address");
        QTest::newRow("empty address") << QString() << good << good << true << 400 << QStringLiteral("not an e-mail address");
        QTest::newRow("taken, other case") << QStringLiteral("ADA@example.org") << good << good << true << 409 << QStringLiteral("already an account");
        QTest::newRow("no form cookie") << QStringLiteral("frank@example.org") << good << good << false << 400 << QStringLiteral("expired");
        QTest::newRow("markup in the address") << QStringLiteral("<script>@x") << good << QStringLiteral("other") << true << 400
                                               << QStringLiteral("&lt;script&gt;@x");
    }

    void refusals()
    {
        QFETCH(QString, email);
        QFETCH(QString, password);
        QFETCH(QString, confirmation);
        QFETCH(bool, withCookie);
        QFETCH(int, status);
        QFETCH(QString, message);
        const Outcome outcome = registerAccount(email, password, confirmation, withCookie);
        QCOMPARE(outcome.status, status);
        QVERIFY(outcome.location.isEmpty());
        QVERIFY2(outcome.page.contains(message.toUtf8()), outcome.page.constData());
        QVERIFY(!outcome.page.contains("<script>"));
        // Nothing was created: the address cannot sign in.
        if (!email.contains(QLatin1String("ada")))
            QCOMPARE(BrowserSignIn::run(m_server.port(), email, password).status, 401);
    }

    void aBadLinkIsRefused()
    {
        ApiTestClient client(m_server.port());
        const auto page = client.get(QStringLiteral("/orlindo/account/register?client_id=0123456789abcdef0123456789abcdef"
                                                    "&redirect_uri=http%3A%2F%2Fevil.example%2Fcallback&state=state-0123456789abcdef"));
        QCOMPARE(page.status, 400);
        QVERIFY(!page.body.contains("name=\"password\""));
    }

    void cleanupTestCase()
    {
        QCOMPARE(m_server.stop(), 0);
    }

private:
    struct Outcome
    {
        int status = 0;
        QString location;
        QByteArray page;
    };

    static QString linkQuery()
    {
        return QStringLiteral("client_id=0123456789abcdef0123456789abcdef&redirect_uri=http%3A%2F%2F127.0.0.1%3A19876%2Fcallback"
                              "&state=state-0123456789abcdef");
    }

    // Plays the browser: fetches the form (its token and cookie), then posts it.
    Outcome registerAccount(const QString &email, const QString &password, const QString &confirmation, bool withCookie = true) const
    {
        Outcome outcome;
        httplib::Client client("127.0.0.1", m_server.port());
        client.set_read_timeout(30, 0);
        const auto page = client.Get(("/orlindo/account/register?" + linkQuery()).toStdString());
        if (!page || page->status != 200)
            return outcome;
        static const QRegularExpression tokenField(QStringLiteral("name=\"form_token\" value=\"([^\"]+)\""));
        const QString formToken = tokenField.match(QString::fromStdString(page->body)).captured(1);
        const std::string cookie = QString::fromStdString(page->get_header_value("Set-Cookie")).section(QLatin1Char(';'), 0, 0).toStdString();
        httplib::Params form{{"client_id", "0123456789abcdef0123456789abcdef"},
                             {"redirect_uri", "http://127.0.0.1:19876/callback"},
                             {"state", "state-0123456789abcdef"},
                             {"form_token", formToken.toStdString()},
                             {"email", email.toStdString()},
                             {"password", password.toStdString()},
                             {"confirmation", confirmation.toStdString()}};
        httplib::Headers headers;
        if (withCookie)
            headers.emplace("Cookie", cookie);
        const auto posted = client.Post("/orlindo/account/register", headers, form);
        if (!posted)
            return outcome;
        outcome.status = posted->status;
        outcome.location = QString::fromStdString(posted->get_header_value("Location"));
        outcome.page = QByteArray::fromStdString(posted->body);
        return outcome;
    }

    ServerProcess m_server;
};

QTEST_GUILESS_MAIN(TestAuthRegistration)
#include "tst_authregistration.moc"
