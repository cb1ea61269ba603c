#include "apitestclient.h"
#include "serverprocess.h"
#include "tokenservice.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QTest>

#include <sodium.h>

#include <latch>
#include <thread>

// Token refresh with rotation and reuse detection, sign-out, and the 401s of
// every authenticated route, against a real server process.
class TestAuthTokens : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(sodium_init() >= 0);
        QString error;
        QVERIFY2(m_server.start(&error), qPrintable(error));
        m_userId = m_server.addUser(QStringLiteral("ada@example.org"), Password);
        QVERIFY(!m_userId.isEmpty());
    }

    void refreshRotatesThePair()
    {
        const auto signIn = BrowserSignIn::run(m_server.port(), QStringLiteral("ada@example.org"), Password);
        QCOMPARE(signIn.status, 303);
        const auto first = refresh(signIn.refreshToken);
        QCOMPARE(first.status, 200);
        const QString access = first.json.value(QStringLiteral("access_token")).toString();
        const QString rotated = first.json.value(QStringLiteral("refresh_token")).toString();
        QVERIFY(!access.isEmpty());
        QVERIFY(!rotated.isEmpty());
        QVERIFY(rotated != signIn.refreshToken);
        QCOMPARE(first.header("Cache-Control"), QStringLiteral("no-store"));
        const QJsonObject claims = claimsOf(access);
        QCOMPARE(claims.value(QStringLiteral("sub")).toString(), m_userId);
        // Same session as the sign-in's token, fresh expiry.
        QCOMPARE(claims.value(QStringLiteral("sid")).toString(), claimsOf(signIn.accessToken).value(QStringLiteral("sid")).toString());
        QVERIFY(claims.value(QStringLiteral("exp")).toInteger() > QDateTime::currentSecsSinceEpoch() + 14 * 60);
        QCOMPARE(meStatus(access), 200);
        // The rotated token refreshes again, and so on.
        const auto second = refresh(rotated);
        QCOMPARE(second.status, 200);
        QVERIFY(second.json.value(QStringLiteral("refresh_token")).toString() != rotated);
    }

    void aRotatedTokenPresentedAgainEndsTheSession()
    {
        const auto signIn = BrowserSignIn::run(m_server.port(), QStringLiteral("ada@example.org"), Password);
        QCOMPARE(signIn.status, 303);
        const auto rotation = refresh(signIn.refreshToken);
        QCOMPARE(rotation.status, 200);
        const QString newestAccess = rotation.json.value(QStringLiteral("access_token")).toString();
        const QString newestRefresh = rotation.json.value(QStringLiteral("refresh_token")).toString();
        QCOMPARE(meStatus(newestAccess), 200);

        QCOMPARE(refresh(signIn.refreshToken).status, 401);
        // The whole session is gone: the newest pair too.
        QCOMPARE(meStatus(newestAccess), 401);
        QCOMPARE(meStatus(signIn.accessToken), 401);
        QCOMPARE(refresh(newestRefresh).status, 401);
    }

    void reuseEndsOnlyThatSession()
    {
        const auto other = BrowserSignIn::run(m_server.port(), QStringLiteral("ada@example.org"), Password);
        const auto victim = BrowserSignIn::run(m_server.port(), QStringLiteral("ada@example.org"), Password);
        QCOMPARE(other.status, 303);
        QCOMPARE(victim.status, 303);
        QCOMPARE(refresh(victim.refreshToken).status, 200);
        QCOMPARE(refresh(victim.refreshToken).status, 401);
        QCOMPARE(meStatus(other.accessToken), 200);
        QCOMPARE(refresh(other.refreshToken).status, 200);
    }

    void twoRefreshesWithOneTokenHaveOneWinner()
    {
        for (int round = 0; round < 3; ++round) {
            const auto signIn = BrowserSignIn::run(m_server.port(), QStringLiteral("ada@example.org"), Password);
            QCOMPARE(signIn.status, 303);
            std::latch ready(2);
            int statuses[2] = {0, 0};
            const auto race = [&](int index) {
                ready.arrive_and_wait();
                statuses[index] = refresh(signIn.refreshToken).status;
            };
            std::thread first(race, 0);
            std::thread second(race, 1);
            first.join();
            second.join();
            QCOMPARE(std::min(statuses[0], statuses[1]), 200);
            QCOMPARE(std::max(statuses[0], statuses[1]), 401);
        }
    }

    void refreshRefusesTokensItDoesNotKnow_data()
    {
        QTest::addColumn<QString>("token");
        QTest::newRow("random") << TokenService::newOpaqueToken();
        QTest::newRow("an access token") << QStringLiteral("eyJhbGciOiJIUzI1NiJ9.eyJzdWIiOiJ4In0.c2ln");
        QTest::newRow("unicode") << QStringLiteral("jeton-\u00e9\u4e2d");
    }

    void refreshRefusesTokensItDoesNotKnow()
    {
        QFETCH(QString, token);
        const auto reply = refresh(token);
        QCOMPARE(reply.status, 401);
        QVERIFY(!reply.json.value(QStringLiteral("error")).toString().isEmpty());
        QVERIFY(!reply.json.contains(QStringLiteral("access_token")));
    }

    void refreshRefusesMalformedBodies_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::newRow("not JSON") << QByteArray("refresh_token=abc");
        QTest::newRow("truncated") << QByteArray("{\"refresh_token\": \"abc");
        QTest::newRow("array") << QByteArray("[\"abc\"]");
        QTest::newRow("string") << QByteArray("\"abc\"");
        QTest::newRow("zero-length") << QByteArray();
        QTest::newRow("missing field") << QByteArray("{\"token\": \"abc\"}");
        QTest::newRow("number") << QByteArray("{\"refresh_token\": 12345}");
        QTest::newRow("null") << QByteArray("{\"refresh_token\": null}");
        QTest::newRow("object") << QByteArray("{\"refresh_token\": {\"value\": \"abc\"}}");
        QTest::newRow("empty string") << QByteArray("{\"refresh_token\": \"\"}");
        QTest::newRow("huge string") << QByteArray("{\"refresh_token\": \"" + QByteArray(1 << 20, 'a') + "\"}");
        QTest::newRow("too deep") << QByteArray(40, '[') + QByteArray(40, ']');
    }

    void refreshRefusesMalformedBodies()
    {
        QFETCH(QByteArray, body);
        ApiTestClient client(m_server.port());
        const auto reply = client.send("POST", api("/auth/token/refresh"), body);
        QCOMPARE(reply.status, 400);
        QVERIFY(!reply.json.value(QStringLiteral("error")).toString().isEmpty());
    }

    void signingOutEndsTheSessionAtOnce()
    {
        const auto leaving = BrowserSignIn::run(m_server.port(), QStringLiteral("ada@example.org"), Password);
        const auto staying = BrowserSignIn::run(m_server.port(), QStringLiteral("ada@example.org"), Password);
        QCOMPARE(leaving.status, 303);
        QCOMPARE(staying.status, 303);
        ApiTestClient client(m_server.port());
        client.setBearer(leaving.accessToken);
        QCOMPARE(client.post(api("/auth/logout"), {}).status, 200);
        QCOMPARE(meStatus(leaving.accessToken), 401);
        QCOMPARE(refresh(leaving.refreshToken).status, 401);
        // A second sign-out with the dead token is just another 401.
        QCOMPARE(client.post(api("/auth/logout"), {}).status, 401);
        QCOMPARE(meStatus(staying.accessToken), 200);
    }

    // Every authenticated route with every kind of bad token.
    void authenticatedRoutesAnswer401_data()
    {
        QTest::addColumn<QByteArray>("method");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("header");

        const auto live = BrowserSignIn::run(m_server.port(), QStringLiteral("ada@example.org"), Password);
        const auto ended = BrowserSignIn::run(m_server.port(), QStringLiteral("ada@example.org"), Password);
        QCOMPARE(live.status, 303);
        QCOMPARE(ended.status, 303);
        ApiTestClient client(m_server.port());
        client.setBearer(ended.accessToken);
        QCOMPARE(client.post(api("/auth/logout"), {}).status, 200);

        // Tokens made with the server's own secret, for the live session but
        // out of date, and with a secret of our own.
        QFile secretFile(QDir(m_server.dataDirectory()).filePath(QStringLiteral("server.secret")));
        QVERIFY(secretFile.open(QIODevice::ReadOnly));
        const TokenService serverTokens(secretFile.readAll());
        const TokenService otherTokens(QByteArray(32, 'x'));
        const qint64 now = QDateTime::currentSecsSinceEpoch();
        const QJsonObject liveClaims = claimsOf(live.accessToken);
        AccessClaims claims{m_userId, liveClaims.value(QStringLiteral("sid")).toString(), {}, {}, now - 1000, now - 60};
        const QString expired = serverTokens.issueAccessToken(claims);
        claims.issuedAt = now;
        claims.expiresAt = now + 600;
        const QString forged = otherTokens.issueAccessToken(claims);
        QVERIFY(serverTokens.verifyAccessToken(serverTokens.issueAccessToken(claims), now)); // the secret is the server's
        const QByteArray parts = live.accessToken.toLatin1();
        const QString unsignedToken = QString::fromLatin1(QByteArray("eyJhbGciOiJub25lIiwidHlwIjoiSldUIn0.") + parts.split('.').value(1) + '.');
        const QString otherSubject = serverTokens.issueAccessToken(
            AccessClaims{QStringLiteral("00000000-0000-0000-0000-000000000000"), claims.sessionId, {}, {}, now, now + 600});

        const QList<QPair<const char *, QString>> headers{
            {"no header", QString()},
            {"empty bearer", QStringLiteral("Bearer ")},
            {"basic scheme", QStringLiteral("Basic ") + live.accessToken},
            {"garbage", QStringLiteral("Bearer not.a.token")},
            {"expired", QStringLiteral("Bearer ") + expired},
            {"forged", QStringLiteral("Bearer ") + forged},
            {"alg none", QStringLiteral("Bearer ") + unsignedToken},
            {"another user's session", QStringLiteral("Bearer ") + otherSubject},
            {"signed out", QStringLiteral("Bearer ") + ended.accessToken},
        };
        const QList<QPair<QByteArray, QString>> routes{
            {"POST", QStringLiteral("/auth/logout")},
            {"GET", QStringLiteral("/users/me")},
            {"PATCH", QStringLiteral("/users/me")},
            {"POST", QStringLiteral("/users/me/password")},
            {"GET", QStringLiteral("/users/me/sessions")},
            {"DELETE", QStringLiteral("/users/me/sessions/") + liveClaims.value(QStringLiteral("sid")).toString()},
        };
        for (const auto &[method, path] : routes) {
            for (const auto &[name, header] : headers)
                QTest::addRow("%s %s, %s", method.constData(), qPrintable(path.section(QLatin1Char('/'), 0, 3)), name) << method << api(path) << header;
        }
        m_liveAccess = live.accessToken;
    }

    void authenticatedRoutesAnswer401()
    {
        QFETCH(QByteArray, method);
        QFETCH(QString, path);
        QFETCH(QString, header);
        ApiTestClient client(m_server.port());
        std::map<std::string, std::string> extra;
        if (!header.isNull())
            extra.emplace("Authorization", header.toStdString());
        const QByteArray body = method == "GET" || method == "DELETE" ? QByteArray() : QByteArray("{\"display_name\":\"Mallory\"}");
        const auto reply = client.send(method, path, body, "application/json", extra);
        QCOMPARE(reply.status, 401);
        QCOMPARE(reply.header("WWW-Authenticate"), QStringLiteral("Bearer"));
        // Nothing happened: the live session is still there and unchanged.
        client.setBearer(m_liveAccess);
        const auto me = client.get(api("/users/me"));
        QCOMPARE(me.status, 200);
        QVERIFY(me.json.value(QStringLiteral("display_name")).toString() != QLatin1String("Mallory"));
    }

    void cleanupTestCase()
    {
        QCOMPARE(m_server.stop(), 0);
    }

private:
    static inline const QString Password = QStringLiteral("correct horse");

    static QString api(const QString &path) { return QStringLiteral("/api/v1/realms/orlindo") + path; }

    static QJsonObject claimsOf(const QString &accessToken)
    {
        const QByteArray payload = accessToken.toLatin1().split('.').value(1);
        return QJsonDocument::fromJson(QByteArray::fromBase64(payload, QByteArray::Base64UrlEncoding)).object();
    }

    ApiTestClient::Reply refresh(const QString &refreshToken) const
    {
        ApiTestClient client(m_server.port());
        return client.post(api("/auth/token/refresh"), {{QStringLiteral("refresh_token"), refreshToken}});
    }

    int meStatus(const QString &accessToken) const
    {
        ApiTestClient client(m_server.port());
        client.setBearer(accessToken);
        return client.get(api("/users/me")).status;
    }

    ServerProcess m_server;
    QString m_userId;
    QString m_liveAccess;
};

QTEST_GUILESS_MAIN(TestAuthTokens)
#include "tst_authtokens.moc"
