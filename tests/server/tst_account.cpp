#include "apitestclient.h"
#include "postgrescluster.h"
#include "serverdatabase.h"
#include "serverprocess.h"
#include "tokenservice.h"

#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTest>
#include <QUuid>

#include <sodium.h>

// The account API's profile, devices and deletion against a real server:
// who may call it, what it refuses, and what it stores.
class TestAccount : public QObject
{
    Q_OBJECT

public:
    enum class Engine { Sqlite, Postgres };
    explicit TestAccount(Engine engine = Engine::Sqlite)
        : m_engine(engine)
    {
    }

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();

    void profileDescribesTheSignedInUser();
    void everyRouteRefusesAMissingOrForgedToken_data();
    void everyRouteRefusesAMissingOrForgedToken();
    void malformedIdsAreRefused_data();
    void malformedIdsAreRefused();
    void malformedDeviceRegistrationsAreRefused_data();
    void malformedDeviceRegistrationsAreRefused();
    void malformedInvitationsAreRefused_data();
    void malformedInvitationsAreRefused();

    void registeringAFingerprintAgainUpdatesTheDevice();
    void registrationBindsTheSessionToTheDevice();
    void devicesBelongToTheirUser();
    void devicesPerUserAreBounded();

    void deletionSignsOutAndSigningInCancelsIt();
    void anOwnerWithMembersCannotAskForDeletion();
    void anOwnerAloneDissolvesTheGroupOnDeletion();
    void thePurgeDeletesDueAccountsEverywhere();

private:
    struct Session
    {
        QString userId;
        QString accessToken;
        QString refreshToken;
        QString sessionId;
    };

    Session signIn(const QString &email, const QString &userId = {});
    Session newUser(const QString &email);
    ApiTestClient clientFor(const Session &session);
    QString tokenFor(const QString &variant);

    static QString path(const QString &tail) { return QStringLiteral("/account/v1") + tail; }
    static QJsonObject payloadOf(const QString &token)
    {
        const QByteArray part = token.toLatin1().split('.').value(1);
        return QJsonDocument::fromJson(QByteArray::fromBase64(part, QByteArray::Base64UrlEncoding)).object();
    }

    const QString m_password = QStringLiteral("correct horse battery");
    const Engine m_engine;
    PostgresCluster m_cluster; // outlives the server
    QString m_databaseUrl;
    ServerProcess m_server;
    QByteArray m_secret;
    Session m_ada;
    Session m_bob;
    Session m_carol;
};

TestAccount::Session TestAccount::signIn(const QString &email, const QString &userId)
{
    const auto signIn = BrowserSignIn::run(m_server.port(), email, m_password);
    Session session;
    session.userId = userId;
    session.accessToken = signIn.accessToken;
    session.refreshToken = signIn.refreshToken;
    session.sessionId = payloadOf(signIn.accessToken).value(QStringLiteral("sid")).toString();
    return session;
}

TestAccount::Session TestAccount::newUser(const QString &email)
{
    const QString id = m_server.addUser(email, m_password);
    if (id.isEmpty())
        return {};
    return signIn(email, id);
}

ApiTestClient TestAccount::clientFor(const Session &session)
{
    ApiTestClient client(m_server.port());
    client.setBearer(session.accessToken);
    return client;
}

void TestAccount::initTestCase()
{
    QVERIFY(sodium_init() >= 0);
    if (m_engine == Engine::Postgres) {
        QString reason;
        if (!m_cluster.start(reason)) {
            if (reason.contains(QLatin1String("not installed")) || reason.contains(QLatin1String("no postgres user")))
                QSKIP(qPrintable(QStringLiteral("PostgreSQL unavailable: ") + reason));
            QFAIL(qPrintable(reason));
        }
        m_databaseUrl = m_cluster.databaseUrl();
        m_server.setDatabaseUrl(m_databaseUrl);
    }
    QString error;
    QVERIFY2(m_server.start(&error), qPrintable(error));
    QFile secret(m_server.dataDirectory() + QStringLiteral("/server.secret"));
    QVERIFY(secret.open(QIODevice::ReadOnly));
    m_secret = secret.readAll();
    m_ada = newUser(QStringLiteral("ada@example.org"));
    m_bob = newUser(QStringLiteral("bob@example.org"));
    m_carol = newUser(QStringLiteral("carol@example.org"));
    QVERIFY(!m_ada.accessToken.isEmpty());
    QVERIFY(!m_carol.accessToken.isEmpty());
    QVERIFY(!m_bob.accessToken.isEmpty());
}

void TestAccount::cleanupTestCase()
{
    QCOMPARE(m_server.stop(), 0);
}

void TestAccount::profileDescribesTheSignedInUser()
{
    auto client = clientFor(m_ada);
    const auto reply = client.get(path(QStringLiteral("/profile")));
    QCOMPARE(reply.status, 200);
    QCOMPARE(reply.json.value(QStringLiteral("id")).toString(), m_ada.userId);
    QCOMPARE(reply.json.value(QStringLiteral("email")).toString(), QStringLiteral("ada@example.org"));
    QCOMPARE(reply.json.value(QStringLiteral("status")).toString(), QStringLiteral("active"));
    for (const char *key : {"display_name", "avatar_url", "language", "timezone"})
        QVERIFY2(reply.json.value(QLatin1String(key)).isString(), key);
    const QDateTime created = QDateTime::fromString(reply.json.value(QStringLiteral("created_at")).toString(), Qt::ISODate);
    QVERIFY(created.isValid());
    QVERIFY(qAbs(created.secsTo(QDateTime::currentDateTimeUtc())) < 600);
    // In no group: no group object at all.
    QVERIFY(!reply.json.contains(QStringLiteral("group")));
}

QString TestAccount::tokenFor(const QString &variant)
{
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    AccessClaims claims{m_ada.userId, m_ada.sessionId, {}, {}, now, now + 600};
    if (variant == QLatin1String("garbage"))
        return QStringLiteral("not.a.token");
    if (variant == QLatin1String("wrong key"))
        return TokenService(QByteArray(32, 'k')).issueAccessToken(claims);
    if (variant == QLatin1String("expired")) {
        claims.issuedAt = now - 3600;
        claims.expiresAt = now - 10;
        return TokenService(m_secret).issueAccessToken(claims);
    }
    if (variant == QLatin1String("unknown session")) {
        claims.sessionId = QUuid::createUuid().toString(QUuid::WithoutBraces);
        return TokenService(m_secret).issueAccessToken(claims);
    }
    if (variant == QLatin1String("session of another user")) {
        claims.userId = m_bob.userId;
        return TokenService(m_secret).issueAccessToken(claims);
    }
    if (variant == QLatin1String("unsigned")) {
        // The real token's header and payload with "alg": "none" and no signature.
        const QByteArray header = QByteArray(R"({"alg":"none","typ":"JWT"})").toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
        return QString::fromLatin1(header + '.' + m_ada.accessToken.toLatin1().split('.').value(1) + '.');
    }
    return {};
}

void TestAccount::everyRouteRefusesAMissingOrForgedToken_data()
{
    QTest::addColumn<QByteArray>("method");
    QTest::addColumn<QString>("route");
    QTest::addColumn<QString>("variant");
    const QList<QPair<QByteArray, QString>> routes{
        {"GET", QStringLiteral("/profile")},
        {"DELETE", QStringLiteral("/profile")},
        {"GET", QStringLiteral("/group")},
        {"POST", QStringLiteral("/group/invite")},
        {"POST", QStringLiteral("/group/join/ABCDEFGH")},
        {"POST", QStringLiteral("/group/leave")},
        {"DELETE", QStringLiteral("/group/members/someone")},
        {"DELETE", QStringLiteral("/group/invitations/some-invitation")},
        {"POST", QStringLiteral("/devices/register")},
        {"GET", QStringLiteral("/devices")},
        {"DELETE", QStringLiteral("/devices/some-device")},
    };
    const QStringList variants{QStringLiteral("none"),         QStringLiteral("garbage"),
                               QStringLiteral("wrong key"),    QStringLiteral("expired"),
                               QStringLiteral("unknown session"), QStringLiteral("session of another user"),
                               QStringLiteral("unsigned")};
    for (const auto &[method, route] : routes) {
        for (const QString &variant : variants)
            QTest::addRow("%s %s, %s", method.constData(), qPrintable(route), qPrintable(variant)) << method << route << variant;
    }
}

void TestAccount::everyRouteRefusesAMissingOrForgedToken()
{
    QFETCH(QByteArray, method);
    QFETCH(QString, route);
    QFETCH(QString, variant);
    ApiTestClient client(m_server.port());
    if (variant != QLatin1String("none")) {
        const QString token = tokenFor(variant);
        QVERIFY(!token.isEmpty());
        client.setBearer(token);
    }
    const QByteArray body = route == QLatin1String("/devices/register") ? QByteArray(R"({"device_fingerprint":"00ff"})") : QByteArray();
    const auto reply = client.send(method, path(route), body);
    QCOMPARE(reply.status, 401);
    QCOMPARE(reply.header("WWW-Authenticate"), QStringLiteral("Bearer"));
    QVERIFY(reply.json.contains(QStringLiteral("error")));
    // Nothing was done on the caller's behalf: the real session still reads an untouched profile.
    auto ada = clientFor(m_ada);
    const auto profile = ada.get(path(QStringLiteral("/profile")));
    QCOMPARE(profile.status, 200);
    QCOMPARE(profile.json.value(QStringLiteral("status")).toString(), QStringLiteral("active"));
}

void TestAccount::malformedIdsAreRefused_data()
{
    QTest::addColumn<QByteArray>("method");
    QTest::addColumn<QString>("route");
    const QList<QPair<QByteArray, QString>> prefixes{
        {"POST", QStringLiteral("/group/join/")},
        {"DELETE", QStringLiteral("/group/members/")},
        {"DELETE", QStringLiteral("/group/invitations/")},
        {"DELETE", QStringLiteral("/devices/")},
    };
    const QList<QPair<const char *, QString>> ids{
        {"empty", QString()},
        {"slash", QStringLiteral("a/b")},
        {"encoded slash", QStringLiteral("a%2Fb")},
        {"dot dot", QStringLiteral("..")},
        {"encoded dot dot", QStringLiteral("%2e%2e")},
        {"dot dot slash", QStringLiteral("../../etc/passwd")},
        {"percent", QStringLiteral("100%25")},
        {"sql", QStringLiteral("x%27%20OR%20%271%27=%271")},
        {"sql drop", QStringLiteral("x;DROP%20TABLE%20users;--")},
        {"nul", QStringLiteral("ab%00cd")},
        {"non-ascii", QStringLiteral("caf%C3%A9")},
        {"65 characters", QString(65, QLatin1Char('a'))},
    };
    for (const auto &[method, prefix] : prefixes) {
        for (const auto &[name, id] : ids)
            QTest::addRow("%s%s: %s", method.constData(), qPrintable(prefix), name) << method << prefix + id;
    }
}

void TestAccount::malformedIdsAreRefused()
{
    QFETCH(QByteArray, method);
    QFETCH(QString, route);
    auto client = clientFor(m_ada);
    const auto reply = client.send(method, path(route), {});
    QCOMPARE(reply.status, 400);
    QVERIFY(!reply.json.value(QStringLiteral("error")).toString().isEmpty());
}

void TestAccount::malformedDeviceRegistrationsAreRefused_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::newRow("not json") << QByteArray("device_fingerprint=00ff");
    QTest::newRow("array") << QByteArray(R"([{"device_fingerprint":"00ff"}])");
    QTest::newRow("truncated") << QByteArray(R"({"device_fingerprint":"00ff")");
    QTest::newRow("nested too deeply") << QByteArray(R"({"a":)") + QByteArray(40, '[') + QByteArray(40, ']') + "}";
    QTest::newRow("empty body") << QByteArray();
    QTest::newRow("no fingerprint") << QByteArray(R"({"device_name":"desk"})");
    QTest::newRow("empty fingerprint") << QByteArray(R"({"device_fingerprint":""})");
    QTest::newRow("uppercase fingerprint") << QByteArray(R"({"device_fingerprint":"00FF"})");
    QTest::newRow("fingerprint not hex") << QByteArray(R"({"device_fingerprint":"00fg"})");
    QTest::newRow("fingerprint path") << QByteArray(R"({"device_fingerprint":"../00ff"})");
    QTest::newRow("fingerprint sql") << QByteArray(R"({"device_fingerprint":"'; DROP TABLE devices; --"})");
    QTest::newRow("fingerprint 65 digits") << "{\"device_fingerprint\":\"" + QByteArray(65, 'a') + "\"}";
    QTest::newRow("fingerprint a number") << QByteArray(R"({"device_fingerprint":1234})");
    QTest::newRow("fingerprint an object") << QByteArray(R"({"device_fingerprint":{"a":"00ff"}})");
    QTest::newRow("name 101 characters") << R"({"device_fingerprint":"00ff","device_name":")" + QByteArray(101, 'n') + "\"}";
    QTest::newRow("name a number") << QByteArray(R"({"device_fingerprint":"00ff","device_name":42})");
    QTest::newRow("name with a control character") << QByteArray(R"({"device_fingerprint":"00ff","device_name":"desk\u0007"})");
    QTest::newRow("platform too long") << R"({"device_fingerprint":"00ff","platform":")" + QByteArray(33, 'p') + "\"}";
    QTest::newRow("app id too long") << R"({"device_fingerprint":"00ff","app_id":")" + QByteArray(101, 'a') + "\"}";
    QTest::newRow("app version an array") << QByteArray(R"({"device_fingerprint":"00ff","app_version":["1"]})");
    QTest::newRow("app version too long") << R"({"device_fingerprint":"00ff","app_version":")" + QByteArray(33, '1') + "\"}";
}

void TestAccount::malformedDeviceRegistrationsAreRefused()
{
    QFETCH(QByteArray, body);
    // One user for every row: none of them may leave a device behind.
    auto client = clientFor(m_carol);
    const auto reply = client.send("POST", path(QStringLiteral("/devices/register")), body);
    QCOMPARE(reply.status, 400);
    QVERIFY(!reply.json.value(QStringLiteral("error")).toString().isEmpty());
    // Nothing half-stored.
    const auto devices = client.get(path(QStringLiteral("/devices")));
    QCOMPARE(devices.status, 200);
    QCOMPARE(devices.json.value(QStringLiteral("devices")).toArray().size(), 0);
}

void TestAccount::malformedInvitationsAreRefused_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::newRow("email a number") << QByteArray(R"({"email":5})");
    QTest::newRow("email null") << QByteArray(R"({"email":null})");
    QTest::newRow("email empty") << QByteArray(R"({"email":"  "})");
    QTest::newRow("no at sign") << QByteArray(R"({"email":"not-an-address"})");
    QTest::newRow("two at signs") << QByteArray(R"({"email":"a@b@example.org"})");
    QTest::newRow("sql with spaces") << QByteArray(R"({"email":"a@b' OR '1'='1"})");
    QTest::newRow("too long") << R"({"email":"a@)" + QByteArray(300, 'b') + ".org\"}";
    QTest::newRow("not an object") << QByteArray(R"("a@example.org")");
}

void TestAccount::malformedInvitationsAreRefused()
{
    QFETCH(QByteArray, body);
    auto client = clientFor(m_carol);
    const auto reply = client.send("POST", path(QStringLiteral("/group/invite")), body);
    QCOMPARE(reply.status, 400);
    // A refused invitation creates no group either.
    const auto group = client.get(path(QStringLiteral("/group")));
    QCOMPARE(group.status, 200);
    QCOMPARE(group.json.value(QStringLiteral("id")).toString(), QString());
}

void TestAccount::registeringAFingerprintAgainUpdatesTheDevice()
{
    const Session erin = newUser(QStringLiteral("erin@example.org"));
    auto client = clientFor(erin);
    const QString fingerprint = QStringLiteral("0123456789abcdef0123456789abcdef");
    const auto first = client.post(path(QStringLiteral("/devices/register")),
                                   {{QStringLiteral("device_name"), QStringLiteral("desk")},
                                    {QStringLiteral("platform"), QStringLiteral("Linux")},
                                    {QStringLiteral("app_id"), QStringLiteral("org.orlindo.quillby")},
                                    {QStringLiteral("app_version"), QStringLiteral("1.1.2")},
                                    {QStringLiteral("device_fingerprint"), fingerprint}});
    QCOMPARE(first.status, 201);
    const QString id = first.json.value(QStringLiteral("id")).toString();
    QVERIFY(!id.isEmpty());
    QCOMPARE(first.json.value(QStringLiteral("device_fingerprint")).toString(), fingerprint);
    QVERIFY(!first.json.contains(QStringLiteral("last_sync_at")));

    const auto again = client.post(path(QStringLiteral("/devices/register")),
                                   {{QStringLiteral("device_name"), QStringLiteral("desk upstairs")},
                                    {QStringLiteral("platform"), QStringLiteral("Linux")},
                                    {QStringLiteral("app_id"), QStringLiteral("org.orlindo.quillby")},
                                    {QStringLiteral("app_version"), QStringLiteral("1.2.0")},
                                    {QStringLiteral("device_fingerprint"), fingerprint}});
    QCOMPARE(again.status, 200);
    QCOMPARE(again.json.value(QStringLiteral("id")).toString(), id);
    QCOMPARE(again.json.value(QStringLiteral("created_at")), first.json.value(QStringLiteral("created_at")));

    const auto other = client.post(path(QStringLiteral("/devices/register")), {{QStringLiteral("device_name"), QStringLiteral("laptop")},
                                                                               {QStringLiteral("device_fingerprint"), QStringLiteral("ffff")}});
    QCOMPARE(other.status, 201);
    QVERIFY(other.json.value(QStringLiteral("id")).toString() != id);

    const auto list = client.get(path(QStringLiteral("/devices")));
    QCOMPARE(list.status, 200);
    const QJsonArray devices = list.json.value(QStringLiteral("devices")).toArray();
    QCOMPARE(devices.size(), 2);
    // Both were made within a second or so: find them by id, not by place.
    const bool deskFirst = devices.at(0).toObject().value(QStringLiteral("id")).toString() == id;
    const QJsonObject desk = devices.at(deskFirst ? 0 : 1).toObject();
    const QJsonObject laptop = devices.at(deskFirst ? 1 : 0).toObject();
    QCOMPARE(desk.value(QStringLiteral("id")).toString(), id);
    QCOMPARE(desk.value(QStringLiteral("device_name")).toString(), QStringLiteral("desk upstairs"));
    QCOMPARE(desk.value(QStringLiteral("app_version")).toString(), QStringLiteral("1.2.0"));
    QCOMPARE(desk.value(QStringLiteral("platform")).toString(), QStringLiteral("Linux"));
    QCOMPARE(desk.value(QStringLiteral("app_id")).toString(), QStringLiteral("org.orlindo.quillby"));
    QVERIFY(QDateTime::fromString(desk.value(QStringLiteral("created_at")).toString(), Qt::ISODate).isValid());
    QCOMPARE(laptop.value(QStringLiteral("id")), other.json.value(QStringLiteral("id")));
    QCOMPARE(laptop.value(QStringLiteral("device_name")).toString(), QStringLiteral("laptop"));
}

void TestAccount::registrationBindsTheSessionToTheDevice()
{
    const Session finn = newUser(QStringLiteral("finn@example.org"));
    const Session finnElsewhere = signIn(QStringLiteral("finn@example.org"), finn.userId);
    auto client = clientFor(finn);
    const auto registered = client.post(path(QStringLiteral("/devices/register")), {{QStringLiteral("device_fingerprint"), QStringLiteral("abcd")}});
    QCOMPARE(registered.status, 201);
    const QString deviceId = registered.json.value(QStringLiteral("id")).toString();

    ServerDatabase db(m_server.dataDirectory(), m_databaseUrl);
    QVERIFY(db.isOpen());
    QCOMPARE(db.value(QStringLiteral("SELECT device_id FROM sessions WHERE id = ?"), {finn.sessionId}).toString(), deviceId);
    // Only the registering session.
    QVERIFY(db.value(QStringLiteral("SELECT device_id FROM sessions WHERE id = ?"), {finnElsewhere.sessionId}).isNull());

    // Removing the device unbinds the session but leaves it signed in.
    QCOMPARE(client.del(path(QStringLiteral("/devices/") + deviceId)).status, 200);
    QVERIFY(db.value(QStringLiteral("SELECT device_id FROM sessions WHERE id = ?"), {finn.sessionId}).isNull());
    QCOMPARE(client.get(path(QStringLiteral("/devices"))).status, 200);
}

void TestAccount::devicesBelongToTheirUser()
{
    const Session gail = newUser(QStringLiteral("gail@example.org"));
    const Session hugo = newUser(QStringLiteral("hugo@example.org"));
    auto gailClient = clientFor(gail);
    auto hugoClient = clientFor(hugo);
    const auto registered = gailClient.post(path(QStringLiteral("/devices/register")), {{QStringLiteral("device_fingerprint"), QStringLiteral("abcdef")}});
    QCOMPARE(registered.status, 201);
    const QString deviceId = registered.json.value(QStringLiteral("id")).toString();

    // The same fingerprint for another user is another device.
    const auto hugoDevice = hugoClient.post(path(QStringLiteral("/devices/register")), {{QStringLiteral("device_fingerprint"), QStringLiteral("abcdef")}});
    QCOMPARE(hugoDevice.status, 201);
    QVERIFY(hugoDevice.json.value(QStringLiteral("id")).toString() != deviceId);
    QCOMPARE(hugoClient.get(path(QStringLiteral("/devices"))).json.value(QStringLiteral("devices")).toArray().size(), 1);

    // Someone else's device reads as unknown and stays.
    QCOMPARE(hugoClient.del(path(QStringLiteral("/devices/") + deviceId)).status, 404);
    QCOMPARE(gailClient.get(path(QStringLiteral("/devices"))).json.value(QStringLiteral("devices")).toArray().size(), 1);

    QCOMPARE(gailClient.del(path(QStringLiteral("/devices/") + deviceId)).status, 200);
    QCOMPARE(gailClient.del(path(QStringLiteral("/devices/") + deviceId)).status, 404);
    QCOMPARE(gailClient.get(path(QStringLiteral("/devices"))).json.value(QStringLiteral("devices")).toArray().size(), 0);
    QCOMPARE(hugoClient.get(path(QStringLiteral("/devices"))).json.value(QStringLiteral("devices")).toArray().size(), 1);
}

void TestAccount::devicesPerUserAreBounded()
{
    const Session ivy = newUser(QStringLiteral("ivy@example.org"));
    auto client = clientFor(ivy);
    for (int i = 0; i < 50; ++i) {
        const auto reply = client.post(path(QStringLiteral("/devices/register")), {{QStringLiteral("device_fingerprint"), QString::number(i, 16)}});
        QCOMPARE(reply.status, 201);
    }
    const auto tooMany = client.post(path(QStringLiteral("/devices/register")), {{QStringLiteral("device_fingerprint"), QStringLiteral("ffffff")}});
    QCOMPARE(tooMany.status, 409);
    // A known device still updates.
    QCOMPARE(client.post(path(QStringLiteral("/devices/register")), {{QStringLiteral("device_fingerprint"), QStringLiteral("0")}}).status, 200);
}

void TestAccount::deletionSignsOutAndSigningInCancelsIt()
{
    const Session jack = newUser(QStringLiteral("jack@example.org"));
    const Session jackElsewhere = signIn(QStringLiteral("jack@example.org"), jack.userId);
    auto client = clientFor(jack);
    const auto scheduled = client.del(path(QStringLiteral("/profile")));
    QCOMPARE(scheduled.status, 200);
    const QDateTime due = QDateTime::fromString(scheduled.json.value(QStringLiteral("deletion_scheduled_at")).toString(), Qt::ISODate);
    QVERIFY(due.isValid());
    QVERIFY(qAbs(QDateTime::currentDateTimeUtc().addDays(30).secsTo(due)) < 600);

    // Every session is signed out.
    QCOMPARE(client.get(path(QStringLiteral("/profile"))).status, 401);
    QCOMPARE(clientFor(jackElsewhere).get(path(QStringLiteral("/devices"))).status, 401);
    ServerDatabase db(m_server.dataDirectory(), m_databaseUrl);
    QCOMPARE(db.value(QStringLiteral("SELECT status FROM users WHERE id = ?"), {jack.userId}).toString(), QStringLiteral("deletion_scheduled"));
    QCOMPARE(db.value(QStringLiteral("SELECT COUNT(*) FROM sessions WHERE user_id = ? AND revoked_at IS NULL"), {jack.userId}).toInt(), 0);

    // Signing in again within the 30 days keeps the account.
    const Session back = signIn(QStringLiteral("jack@example.org"), jack.userId);
    QVERIFY(!back.accessToken.isEmpty());
    const auto profile = clientFor(back).get(path(QStringLiteral("/profile")));
    QCOMPARE(profile.status, 200);
    QCOMPARE(profile.json.value(QStringLiteral("status")).toString(), QStringLiteral("active"));
    QVERIFY(db.value(QStringLiteral("SELECT deletion_scheduled_at FROM users WHERE id = ?"), {jack.userId}).isNull());
}

void TestAccount::anOwnerWithMembersCannotAskForDeletion()
{
    const Session kate = newUser(QStringLiteral("kate@example.org"));
    const Session liam = newUser(QStringLiteral("liam@example.org"));
    auto kateClient = clientFor(kate);
    const auto invitation = kateClient.post(path(QStringLiteral("/group/invite")), {});
    QCOMPARE(invitation.status, 201);
    QCOMPARE(clientFor(liam).post(path(QStringLiteral("/group/join/") + invitation.json.value(QStringLiteral("invite_code")).toString()), {}).status,
             200);

    const auto refused = kateClient.del(path(QStringLiteral("/profile")));
    QCOMPARE(refused.status, 409);
    QVERIFY(refused.json.value(QStringLiteral("error")).toString().contains(QLatin1String("other members")));
    const auto profile = kateClient.get(path(QStringLiteral("/profile")));
    QCOMPARE(profile.status, 200);
    QCOMPARE(profile.json.value(QStringLiteral("status")).toString(), QStringLiteral("active"));

    // A member may ask; the group stays.
    QCOMPARE(clientFor(liam).del(path(QStringLiteral("/profile"))).status, 200);
    QCOMPARE(kateClient.get(path(QStringLiteral("/group"))).json.value(QStringLiteral("members")).toArray().size(), 2);
}

void TestAccount::anOwnerAloneDissolvesTheGroupOnDeletion()
{
    const Session mia = newUser(QStringLiteral("mia@example.org"));
    const Session ned = newUser(QStringLiteral("ned@example.org"));
    const auto invitation = clientFor(mia).post(path(QStringLiteral("/group/invite")), {});
    QCOMPARE(invitation.status, 201);
    QCOMPARE(clientFor(mia).del(path(QStringLiteral("/profile"))).status, 200);
    // Her open invitation went with the group.
    const QString code = invitation.json.value(QStringLiteral("invite_code")).toString();
    QCOMPARE(clientFor(ned).post(path(QStringLiteral("/group/join/") + code), {}).status, 404);
    ServerDatabase db(m_server.dataDirectory(), m_databaseUrl);
    QCOMPARE(db.value(QStringLiteral("SELECT COUNT(*) FROM family_groups WHERE owner_id = ?"), {mia.userId}).toInt(), 0);
}

void TestAccount::thePurgeDeletesDueAccountsEverywhere()
{
    const Session owen = newUser(QStringLiteral("owen@example.org"));     // owns a group, stays
    const Session pia = newUser(QStringLiteral("pia@example.org"));       // member, due for deletion
    const Session quinn = newUser(QStringLiteral("quinn@example.org"));   // scheduled, not yet due
    auto piaClient = clientFor(pia);
    const auto invitation = clientFor(owen).post(path(QStringLiteral("/group/invite")), {});
    QCOMPARE(piaClient.post(path(QStringLiteral("/group/join/") + invitation.json.value(QStringLiteral("invite_code")).toString()), {}).status, 200);
    QCOMPARE(piaClient.post(path(QStringLiteral("/devices/register")), {{QStringLiteral("device_fingerprint"), QStringLiteral("0a0a")}}).status, 201);
    QCOMPARE(piaClient.del(path(QStringLiteral("/profile"))).status, 200);
    QCOMPARE(clientFor(quinn).del(path(QStringLiteral("/profile"))).status, 200);

    {
        ServerDatabase db(m_server.dataDirectory(), m_databaseUrl);
        QCOMPARE(db.exec(QStringLiteral("UPDATE users SET deletion_scheduled_at = ? WHERE id = ?"), {QDateTime::currentSecsSinceEpoch() - 5, pia.userId}),
                 1);
    }
    // The purge runs when the server starts.
    QCOMPARE(m_server.stop(), 0);
    QString error;
    QVERIFY2(m_server.start(&error), qPrintable(error));

    ServerDatabase db(m_server.dataDirectory(), m_databaseUrl);
    for (const char *table : {"users WHERE id", "sessions WHERE user_id", "devices WHERE user_id", "group_members WHERE user_id"}) {
        QCOMPARE(db.value(QStringLiteral("SELECT COUNT(*) FROM %1 = ?").arg(QLatin1String(table)), {pia.userId}).toInt(), 0);
    }
    QCOMPARE(BrowserSignIn::run(m_server.port(), QStringLiteral("pia@example.org"), m_password).status, 401);
    QCOMPARE(db.value(QStringLiteral("SELECT status FROM users WHERE id = ?"), {quinn.userId}).toString(), QStringLiteral("deletion_scheduled"));
    const auto group = clientFor(owen).get(path(QStringLiteral("/group")));
    QCOMPARE(group.status, 200);
    const QJsonArray members = group.json.value(QStringLiteral("members")).toArray();
    QCOMPARE(members.size(), 1);
    QCOMPARE(members.at(0).toObject().value(QStringLiteral("account_id")).toString(), owen.userId);
    QVERIFY(m_server.standardError().contains("\"event\":\"accounts_purged\""));
}

// The same cases once more on PostgreSQL, where concurrent changes take row locks.
class TestAccountOnPostgres : public TestAccount
{
    Q_OBJECT

public:
    TestAccountOnPostgres()
        : TestAccount(Engine::Postgres)
    {
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    TestAccount onSqlite;
    TestAccountOnPostgres onPostgres;
    const int sqliteResult = QTest::qExec(&onSqlite, argc, argv);
    return sqliteResult | QTest::qExec(&onPostgres, argc, argv);
}

#include "tst_account.moc"
