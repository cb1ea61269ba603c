#include "apitestclient.h"
#include "postgrescluster.h"
#include "serverdatabase.h"
#include "serverprocess.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <thread>

// Family groups through the account API with several users on a real
// server: invitations, joining, leaving, removing, and who may do what.
class TestAccountGroup : public QObject
{
    Q_OBJECT

public:
    enum class Engine { Sqlite, Postgres };
    explicit TestAccountGroup(Engine engine = Engine::Sqlite)
        : m_engine(engine)
    {
    }

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();

    void theFirstInvitationCreatesTheGroup();
    void joinLeaveAndRemoveWithThreeUsers();
    void ownerOnlyActionsAreRefusedToMembers_data();
    void ownerOnlyActionsAreRefusedToMembers();
    void theOwnerCannotLeaveOrRemoveHimselfWhileMembersRemain();
    void aMemberOfOneGroupCannotJoinAnother();
    void unusableCodesAreRefused_data();
    void unusableCodesAreRefused();
    void anEmailInvitationIsForThatAddressOnly();
    void revokedInvitationsAreGone();
    void openInvitationsAreBounded();
    void twoUsersRacingForOneCodeGetItOnce();
    void aRefreshedTokenCarriesTheGroupAndRole();

private:
    struct Session
    {
        QString userId;
        QString email;
        QString accessToken;
        QString refreshToken;
    };

    Session newUser(const QString &name);
    ApiTestClient clientFor(const Session &session) const;
    QJsonObject groupOf(const Session &session) const;
    // A new invitation by code from `owner`; its JSON.
    QJsonObject invite(const Session &owner, const QJsonObject &body = {}) const;
    int join(const Session &session, const QString &code) const;

    static QString path(const QString &tail) { return QStringLiteral("/account/v1") + tail; }
    static QStringList memberIds(const QJsonObject &group);
    static QJsonObject claimsOf(const QString &token);

    const QString m_password = QStringLiteral("correct horse battery");
    const Engine m_engine;
    PostgresCluster m_cluster; // outlives the server
    QString m_databaseUrl;
    ServerProcess m_server;
    // A group that stays as it is: owner, one member, one open invitation.
    Session m_owner;
    Session m_member;
    QString m_groupId;
    QString m_openInvitationId;
};

TestAccountGroup::Session TestAccountGroup::newUser(const QString &name)
{
    Session session;
    session.email = name + QStringLiteral("@example.org");
    session.userId = m_server.addUser(session.email, m_password);
    const auto signIn = BrowserSignIn::run(m_server.port(), session.email, m_password);
    session.accessToken = signIn.accessToken;
    session.refreshToken = signIn.refreshToken;
    return session;
}

ApiTestClient TestAccountGroup::clientFor(const Session &session) const
{
    ApiTestClient client(m_server.port());
    client.setBearer(session.accessToken);
    return client;
}

QJsonObject TestAccountGroup::groupOf(const Session &session) const
{
    return clientFor(session).get(path(QStringLiteral("/group"))).json;
}

QJsonObject TestAccountGroup::invite(const Session &owner, const QJsonObject &body) const
{
    const auto reply = clientFor(owner).post(path(QStringLiteral("/group/invite")), body);
    return reply.status == 201 ? reply.json : QJsonObject{};
}

int TestAccountGroup::join(const Session &session, const QString &code) const
{
    return clientFor(session).post(path(QStringLiteral("/group/join/") + code), {}).status;
}

QStringList TestAccountGroup::memberIds(const QJsonObject &group)
{
    QStringList ids;
    for (const QJsonValue &member : group.value(QStringLiteral("members")).toArray())
        ids << member.toObject().value(QStringLiteral("account_id")).toString();
    return ids;
}

QJsonObject TestAccountGroup::claimsOf(const QString &token)
{
    const QByteArray part = token.toLatin1().split('.').value(1);
    return QJsonDocument::fromJson(QByteArray::fromBase64(part, QByteArray::Base64UrlEncoding))
        .object()
        .value(QStringLiteral("custom"))
        .toObject()
        .value(QStringLiteral("orl"))
        .toObject();
}

void TestAccountGroup::initTestCase()
{
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
    m_owner = newUser(QStringLiteral("owner"));
    m_member = newUser(QStringLiteral("member"));
    QVERIFY(!m_owner.accessToken.isEmpty());
    QVERIFY(!m_member.accessToken.isEmpty());
    const QJsonObject first = invite(m_owner);
    QCOMPARE(join(m_member, first.value(QStringLiteral("invite_code")).toString()), 200);
    m_openInvitationId = invite(m_owner).value(QStringLiteral("id")).toString();
    QVERIFY(!m_openInvitationId.isEmpty());
    m_groupId = groupOf(m_owner).value(QStringLiteral("id")).toString();
    QVERIFY(!m_groupId.isEmpty());
}

void TestAccountGroup::cleanupTestCase()
{
    QCOMPARE(m_server.stop(), 0);
}

void TestAccountGroup::theFirstInvitationCreatesTheGroup()
{
    const Session ada = newUser(QStringLiteral("ada"));
    const QJsonObject none = groupOf(ada);
    QCOMPARE(none.value(QStringLiteral("id")).toString(), QString());
    QCOMPARE(none.value(QStringLiteral("members")).toArray().size(), 0);

    const auto reply = clientFor(ada).post(path(QStringLiteral("/group/invite")), {});
    QCOMPARE(reply.status, 201);
    const QString code = reply.json.value(QStringLiteral("invite_code")).toString();
    static const QRegularExpression unambiguous(QStringLiteral("^[ABCDEFGHJKMNPQRSTUVWXYZ2-9]{8}$"));
    QVERIFY2(unambiguous.match(code).hasMatch(), qPrintable(code));
    QVERIFY(!reply.json.value(QStringLiteral("id")).toString().isEmpty());
    QCOMPARE(reply.json.value(QStringLiteral("invited_email")).toString(), QString());
    QCOMPARE(reply.json.value(QStringLiteral("status")).toString(), QStringLiteral("pending"));
    const QDateTime expires = QDateTime::fromString(reply.json.value(QStringLiteral("expires_at")).toString(), Qt::ISODate);
    QVERIFY(qAbs(QDateTime::currentDateTimeUtc().addDays(7).secsTo(expires)) < 600);

    const QJsonObject group = groupOf(ada);
    QVERIFY(!group.value(QStringLiteral("id")).toString().isEmpty());
    QVERIFY(!group.value(QStringLiteral("name")).toString().isEmpty());
    const QJsonArray members = group.value(QStringLiteral("members")).toArray();
    QCOMPARE(members.size(), 1);
    const QJsonObject owner = members.at(0).toObject();
    QCOMPARE(owner.value(QStringLiteral("account_id")).toString(), ada.userId);
    QCOMPARE(owner.value(QStringLiteral("auth_user_id")).toString(), ada.userId);
    QCOMPARE(owner.value(QStringLiteral("email")).toString(), ada.email);
    QCOMPARE(owner.value(QStringLiteral("role")).toString(), QStringLiteral("owner"));
    QVERIFY(QDateTime::fromString(owner.value(QStringLiteral("joined_at")).toString(), Qt::ISODate).isValid());
    const QJsonArray pending = group.value(QStringLiteral("pending_invitations")).toArray();
    QCOMPARE(pending.size(), 1);
    QCOMPARE(pending.at(0).toObject().value(QStringLiteral("invite_code")).toString(), code);

    const QJsonObject profileGroup = clientFor(ada).get(path(QStringLiteral("/profile"))).json.value(QStringLiteral("group")).toObject();
    QCOMPARE(profileGroup.value(QStringLiteral("id")).toString(), group.value(QStringLiteral("id")).toString());
    QCOMPARE(profileGroup.value(QStringLiteral("name")).toString(), group.value(QStringLiteral("name")).toString());
    QCOMPARE(profileGroup.value(QStringLiteral("role")).toString(), QStringLiteral("owner"));
    QCOMPARE(profileGroup.value(QStringLiteral("member_count")).toInt(), 1);
}

void TestAccountGroup::joinLeaveAndRemoveWithThreeUsers()
{
    const Session ada = newUser(QStringLiteral("ada3"));
    const Session bob = newUser(QStringLiteral("bob3"));
    const Session cyd = newUser(QStringLiteral("cyd3"));
    const QString firstCode = invite(ada).value(QStringLiteral("invite_code")).toString();
    QVERIFY(!firstCode.isEmpty());

    // Typed codes: case and surrounding blanks do not matter.
    const auto joined = clientFor(bob).post(path(QStringLiteral("/group/join/%20") + firstCode.toLower() + QStringLiteral("%20")), {});
    QCOMPARE(joined.status, 200);
    const QString groupId = groupOf(ada).value(QStringLiteral("id")).toString();
    QCOMPARE(joined.json.value(QStringLiteral("id")).toString(), groupId);

    const QJsonObject bobsView = groupOf(bob);
    QCOMPARE(bobsView.value(QStringLiteral("id")).toString(), groupId);
    QCOMPARE(memberIds(bobsView), (QStringList{ada.userId, bob.userId}));
    QCOMPARE(bobsView.value(QStringLiteral("members")).toArray().at(1).toObject().value(QStringLiteral("role")).toString(), QStringLiteral("member"));
    // Codes let people in: a member sees none.
    QCOMPARE(bobsView.value(QStringLiteral("pending_invitations")).toArray().size(), 0);
    // The code is used up.
    QCOMPARE(groupOf(ada).value(QStringLiteral("pending_invitations")).toArray().size(), 0);
    QCOMPARE(join(cyd, firstCode), 404);

    QCOMPARE(join(cyd, invite(ada).value(QStringLiteral("invite_code")).toString()), 200);
    const QJsonObject cydsProfileGroup = clientFor(cyd).get(path(QStringLiteral("/profile"))).json.value(QStringLiteral("group")).toObject();
    QCOMPARE(cydsProfileGroup.value(QStringLiteral("id")).toString(), groupId);
    QCOMPARE(cydsProfileGroup.value(QStringLiteral("role")).toString(), QStringLiteral("member"));
    QCOMPARE(cydsProfileGroup.value(QStringLiteral("member_count")).toInt(), 3);

    // The owner removes Bob.
    QCOMPARE(clientFor(ada).del(path(QStringLiteral("/group/members/") + bob.userId)).status, 200);
    QCOMPARE(groupOf(bob).value(QStringLiteral("id")).toString(), QString());
    QVERIFY(!clientFor(bob).get(path(QStringLiteral("/profile"))).json.contains(QStringLiteral("group")));
    QCOMPARE(memberIds(groupOf(ada)), (QStringList{ada.userId, cyd.userId}));
    QCOMPARE(clientFor(ada).del(path(QStringLiteral("/group/members/") + bob.userId)).status, 404);

    // Cyd leaves.
    QCOMPARE(clientFor(cyd).post(path(QStringLiteral("/group/leave")), {}).status, 200);
    QCOMPARE(groupOf(cyd).value(QStringLiteral("id")).toString(), QString());
    QCOMPARE(clientFor(cyd).post(path(QStringLiteral("/group/leave")), {}).status, 404);

    // The owner, alone now, dissolves the group, open invitations and all.
    const QString lastCode = invite(ada).value(QStringLiteral("invite_code")).toString();
    QCOMPARE(clientFor(ada).post(path(QStringLiteral("/group/leave")), {}).status, 200);
    QCOMPARE(groupOf(ada).value(QStringLiteral("id")).toString(), QString());
    QCOMPARE(join(bob, lastCode), 404);
    ServerDatabase db(m_server.dataDirectory(), m_databaseUrl);
    QCOMPARE(db.value(QStringLiteral("SELECT COUNT(*) FROM family_groups WHERE id = ?"), {groupId}).toInt(), 0);
    QCOMPARE(db.value(QStringLiteral("SELECT COUNT(*) FROM group_invitations WHERE group_id = ?"), {groupId}).toInt(), 0);
}

void TestAccountGroup::ownerOnlyActionsAreRefusedToMembers_data()
{
    QTest::addColumn<QByteArray>("method");
    QTest::addColumn<QString>("route");
    QTest::addColumn<QByteArray>("body");
    QTest::newRow("invite by code") << QByteArray("POST") << QStringLiteral("/group/invite") << QByteArray();
    QTest::newRow("invite by e-mail") << QByteArray("POST") << QStringLiteral("/group/invite") << QByteArray(R"({"email":"someone@example.org"})");
    QTest::newRow("remove the owner") << QByteArray("DELETE") << QStringLiteral("/group/members/{owner}") << QByteArray();
    QTest::newRow("remove an unknown id") << QByteArray("DELETE") << QStringLiteral("/group/members/nobody") << QByteArray();
    QTest::newRow("revoke an invitation") << QByteArray("DELETE") << QStringLiteral("/group/invitations/{invitation}") << QByteArray();
}

void TestAccountGroup::ownerOnlyActionsAreRefusedToMembers()
{
    QFETCH(QByteArray, method);
    QFETCH(QString, route);
    QFETCH(QByteArray, body);
    route.replace(QLatin1String("{owner}"), m_owner.userId).replace(QLatin1String("{invitation}"), m_openInvitationId);
    auto member = clientFor(m_member);
    const auto reply = member.send(method, path(route), body);
    QCOMPARE(reply.status, 403);
    QVERIFY(!reply.json.value(QStringLiteral("error")).toString().isEmpty());
    const QJsonObject group = groupOf(m_owner);
    QCOMPARE(memberIds(group), (QStringList{m_owner.userId, m_member.userId}));
    const QJsonArray pending = group.value(QStringLiteral("pending_invitations")).toArray();
    QCOMPARE(pending.size(), 1);
    QCOMPARE(pending.at(0).toObject().value(QStringLiteral("id")).toString(), m_openInvitationId);
}

void TestAccountGroup::theOwnerCannotLeaveOrRemoveHimselfWhileMembersRemain()
{
    auto owner = clientFor(m_owner);
    const auto leave = owner.post(path(QStringLiteral("/group/leave")), {});
    QCOMPARE(leave.status, 409);
    QVERIFY(!leave.json.value(QStringLiteral("error")).toString().isEmpty());
    QCOMPARE(owner.del(path(QStringLiteral("/group/members/") + m_owner.userId)).status, 400);
    QCOMPARE(memberIds(groupOf(m_owner)), (QStringList{m_owner.userId, m_member.userId}));
}

void TestAccountGroup::aMemberOfOneGroupCannotJoinAnother()
{
    const Session eve = newUser(QStringLiteral("eve"));
    const Session fay = newUser(QStringLiteral("fay"));
    const QString code = invite(eve).value(QStringLiteral("invite_code")).toString();
    const auto refused = clientFor(m_member).post(path(QStringLiteral("/group/join/") + code), {});
    QCOMPARE(refused.status, 409);
    QCOMPARE(groupOf(m_member).value(QStringLiteral("id")).toString(), m_groupId);
    // The refused attempt did not use the code up.
    QCOMPARE(join(fay, code), 200);
    // Nor can an owner join someone else's group.
    QCOMPARE(join(eve, invite(m_owner).value(QStringLiteral("invite_code")).toString()), 409);
}

void TestAccountGroup::unusableCodesAreRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("unknown") << QStringLiteral("unknown");
    QTest::newRow("expired") << QStringLiteral("expired");
    QTest::newRow("revoked") << QStringLiteral("revoked");
    QTest::newRow("for another address") << QStringLiteral("for another address");
    QTest::newRow("sql-looking") << QStringLiteral("sql");
}

void TestAccountGroup::unusableCodesAreRefused()
{
    QFETCH(QString, kind);
    const QString tag = QString::fromLatin1(QTest::currentDataTag()).remove(QLatin1Char(' ')).remove(QLatin1Char('-'));
    const Session owner = newUser(QStringLiteral("owner.") + tag);
    const Session joiner = newUser(QStringLiteral("joiner.") + tag);
    QString code = QStringLiteral("ZZZZZZZZ");
    if (kind == QLatin1String("sql")) {
        code = QStringLiteral("x'%20OR%20'1'='1");
    } else if (kind != QLatin1String("unknown")) {
        const QJsonObject body = kind == QLatin1String("for another address") ? QJsonObject{{QStringLiteral("email"), QStringLiteral("else@example.org")}}
                                                                                  : QJsonObject{};
        const QJsonObject invitation = invite(owner, body);
        code = invitation.value(QStringLiteral("invite_code")).toString();
        const QString id = invitation.value(QStringLiteral("id")).toString();
        if (kind == QLatin1String("expired")) {
            ServerDatabase db(m_server.dataDirectory(), m_databaseUrl);
            QCOMPARE(db.exec(QStringLiteral("UPDATE group_invitations SET expires_at = ? WHERE id = ?"), {QDateTime::currentSecsSinceEpoch() - 1, id}), 1);
        } else if (kind == QLatin1String("revoked")) {
            QCOMPARE(clientFor(owner).del(path(QStringLiteral("/group/invitations/") + id)).status, 200);
        }
    }
    const auto reply = clientFor(joiner).post(path(QStringLiteral("/group/join/") + code), {});
    QVERIFY2(reply.status == 404 || reply.status == 400, qPrintable(QString::number(reply.status)));
    QVERIFY(!reply.json.value(QStringLiteral("error")).toString().isEmpty());
    QCOMPARE(groupOf(joiner).value(QStringLiteral("id")).toString(), QString());
}

void TestAccountGroup::anEmailInvitationIsForThatAddressOnly()
{
    const Session gus = newUser(QStringLiteral("gus"));
    const Session hal = newUser(QStringLiteral("hal"));
    const Session zoe = newUser(QStringLiteral("zoe"));
    const QJsonObject invitation = invite(gus, {{QStringLiteral("email"), QStringLiteral("  Zoe@Example.ORG ")}});
    QCOMPARE(invitation.value(QStringLiteral("invited_email")).toString(), QStringLiteral("zoe@example.org"));
    const QString code = invitation.value(QStringLiteral("invite_code")).toString();
    QVERIFY(!code.isEmpty());
    const QJsonArray pending = groupOf(gus).value(QStringLiteral("pending_invitations")).toArray();
    QCOMPARE(pending.size(), 1);
    QCOMPARE(pending.at(0).toObject().value(QStringLiteral("invited_email")).toString(), QStringLiteral("zoe@example.org"));

    QCOMPARE(join(hal, code), 404);
    QCOMPARE(join(zoe, code), 200);
    // Inviting someone already in the group is refused.
    const auto again = clientFor(gus).post(path(QStringLiteral("/group/invite")), {{QStringLiteral("email"), QStringLiteral("zoe@example.org")}});
    QCOMPARE(again.status, 409);
}

void TestAccountGroup::revokedInvitationsAreGone()
{
    const Session ida = newUser(QStringLiteral("ida"));
    const QString id = invite(ida).value(QStringLiteral("id")).toString();
    // Another owner cannot revoke it.
    QCOMPARE(clientFor(m_owner).del(path(QStringLiteral("/group/invitations/") + id)).status, 404);
    QCOMPARE(groupOf(ida).value(QStringLiteral("pending_invitations")).toArray().size(), 1);
    QCOMPARE(clientFor(ida).del(path(QStringLiteral("/group/invitations/") + id)).status, 200);
    QCOMPARE(groupOf(ida).value(QStringLiteral("pending_invitations")).toArray().size(), 0);
    QCOMPARE(clientFor(ida).del(path(QStringLiteral("/group/invitations/") + id)).status, 404);
}

void TestAccountGroup::openInvitationsAreBounded()
{
    const Session jon = newUser(QStringLiteral("jon"));
    QSet<QString> codes;
    for (int i = 0; i < 20; ++i) {
        const QString code = invite(jon).value(QStringLiteral("invite_code")).toString();
        QVERIFY(!code.isEmpty());
        codes.insert(code);
    }
    QCOMPARE(codes.size(), 20);
    const auto refused = clientFor(jon).post(path(QStringLiteral("/group/invite")), {});
    QCOMPARE(refused.status, 409);
    QCOMPARE(groupOf(jon).value(QStringLiteral("pending_invitations")).toArray().size(), 20);
}

void TestAccountGroup::twoUsersRacingForOneCodeGetItOnce()
{
    const Session kim = newUser(QStringLiteral("kim"));
    const Session lou = newUser(QStringLiteral("lou"));
    const Session max = newUser(QStringLiteral("max"));
    const QString code = invite(kim).value(QStringLiteral("invite_code")).toString();
    int first = 0;
    int second = 0;
    {
        const int port = m_server.port();
        auto race = [port, code](const QString &token, int &status) {
            ApiTestClient client(port);
            client.setBearer(token);
            status = client.post(QStringLiteral("/account/v1/group/join/") + code, {}).status;
        };
        std::thread a(race, lou.accessToken, std::ref(first));
        std::thread b(race, max.accessToken, std::ref(second));
        a.join();
        b.join();
    }
    QCOMPARE(QList<int>({first, second}).count(200), 1);
    QCOMPARE(QList<int>({first, second}).count(404), 1);
    QCOMPARE(groupOf(kim).value(QStringLiteral("members")).toArray().size(), 2);
}

void TestAccountGroup::aRefreshedTokenCarriesTheGroupAndRole()
{
    const Session ned = newUser(QStringLiteral("ned"));
    const Session oli = newUser(QStringLiteral("oli"));
    QCOMPARE(join(oli, invite(ned).value(QStringLiteral("invite_code")).toString()), 200);
    const QString groupId = groupOf(ned).value(QStringLiteral("id")).toString();

    ApiTestClient client(m_server.port());
    const QString refreshPath = QStringLiteral("/api/v1/realms/orlindo/auth/token/refresh");
    const auto refreshed = client.post(refreshPath, {{QStringLiteral("refresh_token"), oli.refreshToken}});
    if (refreshed.status == 404)
        QSKIP("The token refresh endpoint (POST /api/v1/realms/orlindo/auth/token/refresh) is missing in this build.");
    QCOMPARE(refreshed.status, 200);
    QJsonObject claims = claimsOf(refreshed.json.value(QStringLiteral("access_token")).toString());
    QCOMPARE(claims.value(QStringLiteral("group_id")).toString(), groupId);
    QCOMPARE(claims.value(QStringLiteral("role")).toString(), QStringLiteral("member"));

    const auto ownerRefreshed = client.post(refreshPath, {{QStringLiteral("refresh_token"), ned.refreshToken}});
    QCOMPARE(ownerRefreshed.status, 200);
    claims = claimsOf(ownerRefreshed.json.value(QStringLiteral("access_token")).toString());
    QCOMPARE(claims.value(QStringLiteral("group_id")).toString(), groupId);
    QCOMPARE(claims.value(QStringLiteral("role")).toString(), QStringLiteral("owner"));

    // After leaving, the next refresh says no group.
    Session oliNow = oli;
    oliNow.accessToken = refreshed.json.value(QStringLiteral("access_token")).toString();
    QCOMPARE(clientFor(oliNow).post(path(QStringLiteral("/group/leave")), {}).status, 200);
    const auto afterLeave = client.post(refreshPath, {{QStringLiteral("refresh_token"), refreshed.json.value(QStringLiteral("refresh_token")).toString()}});
    QCOMPARE(afterLeave.status, 200);
    claims = claimsOf(afterLeave.json.value(QStringLiteral("access_token")).toString());
    QCOMPARE(claims.value(QStringLiteral("group_id")).toString(), QString());
    QCOMPARE(claims.value(QStringLiteral("role")).toString(), QString());
}

// The same cases once more on PostgreSQL, where concurrent changes take row locks.
class TestAccountGroupOnPostgres : public TestAccountGroup
{
    Q_OBJECT

public:
    TestAccountGroupOnPostgres()
        : TestAccountGroup(Engine::Postgres)
    {
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    TestAccountGroup onSqlite;
    TestAccountGroupOnPostgres onPostgres;
    const int sqliteResult = QTest::qExec(&onSqlite, argc, argv);
    return sqliteResult | QTest::qExec(&onPostgres, argc, argv);
}

#include "tst_accountgroup.moc"
