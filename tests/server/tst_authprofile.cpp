#include "apitestclient.h"
#include "serverprocess.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>

// The caller's own user, password and sessions, against a real server process.
class TestAuthProfile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QString error;
        QVERIFY2(m_server.start(&error), qPrintable(error));
        for (const char *name : {"ada", "bob", "carol", "dave"}) {
            const QString id = m_server.addUser(QString::fromLatin1(name) + QStringLiteral("@example.org"), Password);
            QVERIFY(!id.isEmpty());
            m_ids.insert(QString::fromLatin1(name), id);
        }
    }

    void theUserObject()
    {
        ApiTestClient client = signedIn(QStringLiteral("ada"));
        const auto reply = client.get(api("/users/me"));
        QCOMPARE(reply.status, 200);
        QCOMPARE(reply.json.value(QStringLiteral("id")).toString(), m_ids.value(QStringLiteral("ada")));
        QCOMPARE(reply.json.value(QStringLiteral("email")).toString(), QStringLiteral("ada@example.org"));
        for (const char *key : {"display_name", "username", "avatar_url"})
            QVERIFY2(reply.json.value(QLatin1String(key)).isString(), key);
        const QDateTime created = QDateTime::fromString(reply.json.value(QStringLiteral("created_at")).toString(), Qt::ISODate);
        QVERIFY(created.isValid());
        QVERIFY(qAbs(created.secsTo(QDateTime::currentDateTimeUtc())) < 3600);
    }

    void renaming_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("stored"); // for 200
        QTest::newRow("plain") << QStringLiteral("Ada Lovelace") << 200 << QStringLiteral("Ada Lovelace");
        QTest::newRow("trimmed") << QStringLiteral("  Ada \t ") << 200 << QStringLiteral("Ada");
        QTest::newRow("accents and scripts") << QStringLiteral("Zo\u00eb \u674e \u0410\u0434\u0430") << 200 << QStringLiteral("Zo\u00eb \u674e \u0410\u0434\u0430");
        QTest::newRow("100 characters") << QString(100, QChar(0x00e9)) << 200 << QString(100, QChar(0x00e9));
        QTest::newRow("100 characters outside the BMP") << QString::fromUcs4(std::u32string(100, U'\U0001F600').c_str()) << 200
                                                         << QString::fromUcs4(std::u32string(100, U'\U0001F600').c_str());
        QTest::newRow("markup is text") << QStringLiteral("<b>Ada</b>") << 200 << QStringLiteral("<b>Ada</b>");
        QTest::newRow("empty") << QString() << 400 << QString();
        QTest::newRow("spaces only") << QStringLiteral("   ") << 400 << QString();
        QTest::newRow("101 characters") << QString(101, QLatin1Char('a')) << 400 << QString();
        QTest::newRow("line break inside") << QStringLiteral("Ada\nLovelace") << 400 << QString();
        QTest::newRow("tab inside") << QStringLiteral("Ada\tLovelace") << 400 << QString();
        QTest::newRow("nul") << QStringLiteral("Ada") + QChar(0) + QStringLiteral("x") << 400 << QString();
        QTest::newRow("escape") << QStringLiteral("Ada\x1b[31m") << 400 << QString();
        QTest::newRow("line separator") << QStringLiteral("Ada\u2028Lovelace") << 400 << QString();
        QTest::newRow("direction override") << QStringLiteral("Ada\u202Eecalevol") << 400 << QString();
        QTest::newRow("lone surrogate") << QStringLiteral("Ada") + QChar(0xD800) << 400 << QString();
    }

    void renaming()
    {
        QFETCH(QString, given);
        QFETCH(int, status);
        QFETCH(QString, stored);
        ApiTestClient client = signedIn(QStringLiteral("bob"));
        QCOMPARE(client.patch(api("/users/me"), {{QStringLiteral("display_name"), QStringLiteral("Before")}}).status, 200);
        const auto reply = client.patch(api("/users/me"), {{QStringLiteral("display_name"), given}});
        QCOMPARE(reply.status, status);
        const QString expected = status == 200 ? stored : QStringLiteral("Before");
        if (status == 200)
            QCOMPARE(reply.json.value(QStringLiteral("display_name")).toString(), expected);
        else
            QVERIFY(!reply.json.value(QStringLiteral("error")).toString().isEmpty());
        QCOMPARE(client.get(api("/users/me")).json.value(QStringLiteral("display_name")).toString(), expected);
    }

    void malformedBodies_data()
    {
        QTest::addColumn<QByteArray>("method");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("body");
        const QByteArray huge(1 << 20, 'a');
        const QList<QPair<const char *, QByteArray>> anywhere{
            {"not JSON", "display_name=Ada"},
            {"truncated", "{\"display_name\": \"Ada"},
            {"array", "[{\"display_name\": \"Ada\"}]"},
            {"number", "42"},
            {"zero-length", QByteArray()},
            {"empty object", "{}"},
            {"too deep", QByteArray(40, '[') + QByteArray(40, ']')},
        };
        for (const auto &[name, body] : anywhere) {
            QTest::addRow("rename, %s", name) << QByteArray("PATCH") << api("/users/me") << body;
            QTest::addRow("password, %s", name) << QByteArray("POST") << api("/users/me/password") << body;
        }
        QTest::newRow("rename, number") << QByteArray("PATCH") << api("/users/me") << QByteArray("{\"display_name\": 7}");
        QTest::newRow("rename, null") << QByteArray("PATCH") << api("/users/me") << QByteArray("{\"display_name\": null}");
        QTest::newRow("rename, array value") << QByteArray("PATCH") << api("/users/me") << QByteArray("{\"display_name\": [\"Ada\"]}");
        QTest::newRow("rename, huge") << QByteArray("PATCH") << api("/users/me") << QByteArray("{\"display_name\": \"" + huge + "\"}");
        QTest::newRow("password, current missing") << QByteArray("POST") << api("/users/me/password")
                                                   << QByteArray("{\"new_password\": \"a new password\"}");
        QTest::newRow("password, new missing") << QByteArray("POST") << api("/users/me/password")
                                               << QByteArray("{\"current_password\": \"correct horse\"}");
        QTest::newRow("password, number") << QByteArray("POST") << api("/users/me/password")
                                          << QByteArray("{\"current_password\": \"correct horse\", \"new_password\": 12345678}");
        QTest::newRow("password, huge") << QByteArray("POST") << api("/users/me/password")
                                        << QByteArray("{\"current_password\": \"correct horse\", \"new_password\": \"" + huge + "\"}");
        QTest::newRow("password, huge current") << QByteArray("POST") << api("/users/me/password")
                                                << QByteArray("{\"current_password\": \"" + huge + "\", \"new_password\": \"a new password\"}");
    }

    void malformedBodies()
    {
        QFETCH(QByteArray, method);
        QFETCH(QString, path);
        QFETCH(QByteArray, body);
        ApiTestClient client = signedIn(QStringLiteral("ada"));
        const auto reply = client.send(method, path, body);
        QCOMPARE(reply.status, 400);
        QVERIFY(!reply.json.value(QStringLiteral("error")).toString().isEmpty());
        // The password is still the old one.
        QCOMPARE(BrowserSignIn::run(m_server.port(), QStringLiteral("ada@example.org"), Password).status, 303);
    }

    void passwordRefusals_data()
    {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<int>("status");
        QTest::newRow("wrong current") << QStringLiteral("wrong horse") << QStringLiteral("battery staple") << 403;
        QTest::newRow("empty current") << QString() << QStringLiteral("battery staple") << 403;
        QTest::newRow("too short") << Password << QStringLiteral("short") << 400;
        QTest::newRow("empty new") << Password << QString() << 400;
    }

    void passwordRefusals()
    {
        QFETCH(QString, current);
        QFETCH(QString, chosen);
        QFETCH(int, status);
        ApiTestClient client = signedIn(QStringLiteral("ada"));
        const auto reply = client.post(api("/users/me/password"), {{QStringLiteral("current_password"), current}, {QStringLiteral("new_password"), chosen}});
        QCOMPARE(reply.status, status);
        QVERIFY(!reply.json.value(QStringLiteral("error")).toString().isEmpty());
        QCOMPARE(BrowserSignIn::run(m_server.port(), QStringLiteral("ada@example.org"), Password).status, 303);
        QCOMPARE(BrowserSignIn::run(m_server.port(), QStringLiteral("ada@example.org"), chosen).status, 401);
    }

    void changingThePasswordEndsTheOtherSessions()
    {
        const auto elsewhere = BrowserSignIn::run(m_server.port(), QStringLiteral("carol@example.org"), Password);
        const auto here = BrowserSignIn::run(m_server.port(), QStringLiteral("carol@example.org"), Password);
        QCOMPARE(elsewhere.status, 303);
        QCOMPARE(here.status, 303);
        ApiTestClient client(m_server.port());
        client.setBearer(here.accessToken);
        const QString chosen = QStringLiteral("battery staple");
        QCOMPARE(client.post(api("/users/me/password"), {{QStringLiteral("current_password"), Password}, {QStringLiteral("new_password"), chosen}}).status,
                 200);
        // This session goes on; the other one is over, access and refresh.
        QCOMPARE(client.get(api("/users/me")).status, 200);
        QCOMPARE(refreshStatus(here.refreshToken), 200);
        ApiTestClient other(m_server.port());
        other.setBearer(elsewhere.accessToken);
        QCOMPARE(other.get(api("/users/me")).status, 401);
        QCOMPARE(refreshStatus(elsewhere.refreshToken), 401);
        QCOMPARE(BrowserSignIn::run(m_server.port(), QStringLiteral("carol@example.org"), Password).status, 401);
        QCOMPARE(BrowserSignIn::run(m_server.port(), QStringLiteral("carol@example.org"), chosen).status, 303);
    }

    void sessionsListTheLiveOnes()
    {
        const auto first = BrowserSignIn::run(m_server.port(), QStringLiteral("dave@example.org"), Password);
        const auto second = BrowserSignIn::run(m_server.port(), QStringLiteral("dave@example.org"), Password);
        const auto third = BrowserSignIn::run(m_server.port(), QStringLiteral("dave@example.org"), Password);
        for (const auto *signIn : {&first, &second, &third})
            QCOMPARE(signIn->status, 303);
        ApiTestClient client(m_server.port());
        client.setBearer(third.accessToken);
        QCOMPARE(client.post(api("/auth/logout"), {}).status, 200);
        client.setBearer(second.accessToken);
        const auto reply = client.get(api("/users/me/sessions"));
        QCOMPARE(reply.status, 200);
        const QJsonArray sessions = reply.json.value(QStringLiteral("sessions")).toArray();
        QStringList ids;
        for (const QJsonValue &value : sessions) {
            const QJsonObject session = value.toObject();
            ids << session.value(QStringLiteral("id")).toString();
            QCOMPARE(session.value(QStringLiteral("is_current")).toBool(), ids.last() == sessionOf(second.accessToken));
            QCOMPARE(session.value(QStringLiteral("ip_address")).toString(), QStringLiteral("127.0.0.1"));
            QVERIFY(!session.value(QStringLiteral("user_agent")).toString().isEmpty());
            for (const char *key : {"created_at", "last_active_at"})
                QVERIFY2(QDateTime::fromString(session.value(QLatin1String(key)).toString(), Qt::ISODate).isValid(), key);
        }
        ids.sort();
        QStringList expected{sessionOf(first.accessToken), sessionOf(second.accessToken)};
        expected.sort();
        QCOMPARE(ids, expected);
    }

    void revokingASession()
    {
        const auto kept = BrowserSignIn::run(m_server.port(), QStringLiteral("dave@example.org"), Password);
        const auto ended = BrowserSignIn::run(m_server.port(), QStringLiteral("dave@example.org"), Password);
        const auto stranger = BrowserSignIn::run(m_server.port(), QStringLiteral("ada@example.org"), Password);
        for (const auto *signIn : {&kept, &ended, &stranger})
            QCOMPARE(signIn->status, 303);
        ApiTestClient client(m_server.port());
        client.setBearer(kept.accessToken);
        const QString endedId = sessionOf(ended.accessToken);
        QCOMPARE(client.del(api("/users/me/sessions/") + endedId).status, 200);
        QCOMPARE(refreshStatus(ended.refreshToken), 401);
        ApiTestClient endedClient(m_server.port());
        endedClient.setBearer(ended.accessToken);
        QCOMPARE(endedClient.get(api("/users/me")).status, 401);
        QVERIFY(!sessionIds(client).contains(endedId));
        // Gone is gone.
        QCOMPARE(client.del(api("/users/me/sessions/") + endedId).status, 404);
        // Another user's session is not found, and it lives on.
        QCOMPARE(client.del(api("/users/me/sessions/") + sessionOf(stranger.accessToken)).status, 404);
        QCOMPARE(refreshStatus(stranger.refreshToken), 200);
        // Ending one's own current session works like signing out.
        QCOMPARE(client.del(api("/users/me/sessions/") + sessionOf(kept.accessToken)).status, 200);
        QCOMPARE(client.get(api("/users/me")).status, 401);
    }

    void revokingByAMalformedId_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<int>("status");
        QTest::newRow("unknown") << QStringLiteral("0f0e0d0c-0000-4000-8000-000000000000") << 404;
        QTest::newRow("dot") << QStringLiteral("a.b") << 400;
        QTest::newRow("dot dot") << QStringLiteral("..") << 400;
        QTest::newRow("encoded slash") << QStringLiteral("a%2Fb") << 404; // two segments: no such route
        QTest::newRow("encoded space") << QStringLiteral("a%20b") << 400;
        QTest::newRow("encoded percent") << QStringLiteral("a%25b") << 400;
        QTest::newRow("65 characters") << QString(65, QLatin1Char('a')) << 400;
        QTest::newRow("quote") << QStringLiteral("a'b") << 400;
    }

    void revokingByAMalformedId()
    {
        QFETCH(QString, id);
        QFETCH(int, status);
        ApiTestClient client = signedIn(QStringLiteral("bob"));
        const auto reply = client.del(api("/users/me/sessions/") + id);
        QCOMPARE(reply.status, status);
        QVERIFY(!reply.json.value(QStringLiteral("error")).toString().isEmpty());
        QCOMPARE(client.get(api("/users/me")).status, 200);
    }

    void cleanupTestCase()
    {
        QCOMPARE(m_server.stop(), 0);
    }

private:
    static inline const QString Password = QStringLiteral("correct horse");

    static QString api(const QString &path) { return QStringLiteral("/api/v1/realms/orlindo") + path; }

    static QString sessionOf(const QString &accessToken)
    {
        const QByteArray payload = accessToken.toLatin1().split('.').value(1);
        return QJsonDocument::fromJson(QByteArray::fromBase64(payload, QByteArray::Base64UrlEncoding)).object().value(QStringLiteral("sid")).toString();
    }

    // A client holding a fresh session of `name`; without a token when the
    // sign-in failed (the test's next call then fails with 401).
    ApiTestClient signedIn(const QString &name) const
    {
        ApiTestClient client(m_server.port());
        client.setBearer(BrowserSignIn::run(m_server.port(), name + QStringLiteral("@example.org"), Password).accessToken);
        return client;
    }

    int refreshStatus(const QString &refreshToken) const
    {
        ApiTestClient client(m_server.port());
        return client.post(api("/auth/token/refresh"), {{QStringLiteral("refresh_token"), refreshToken}}).status;
    }

    static QStringList sessionIds(ApiTestClient &client)
    {
        QStringList ids;
        for (const QJsonValue &value : client.get(api("/users/me/sessions")).json.value(QStringLiteral("sessions")).toArray())
            ids << value.toObject().value(QStringLiteral("id")).toString();
        return ids;
    }

    ServerProcess m_server;
    QHash<QString, QString> m_ids;
};

QTEST_GUILESS_MAIN(TestAuthProfile)
#include "tst_authprofile.moc"
