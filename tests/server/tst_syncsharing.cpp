#include "syncchanges.h"
#include "syncclient.h"
#include "syncservers.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>

#include <memory>

using namespace SyncChanges;

namespace {

const QString Shared = QStringLiteral("acc-shared");
const QString Private = QStringLiteral("acc-private");

QStringList ids(std::initializer_list<const char *> list)
{
    QStringList out;
    for (const char *id : list)
        out << QString::fromLatin1(id);
    std::sort(out.begin(), out.end());
    return out;
}

QString sharePath(const QString &account = Shared)
{
    return QStringLiteral("/quillby/v1/accounts/%1/share").arg(account);
}

} // namespace

// Sharing an account: what members and strangers see and may do, against
// real server processes.
class TestSyncSharing : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QString reason;
        bool skip = false;
        if (!m_servers.start(reason, skip)) {
            if (skip)
                QSKIP(qPrintable(reason));
            QFAIL(qPrintable(reason));
        }
    }

    // The owner's data set: a shared and a private account, each with
    // rows, and categories used by one, the other or neither.
    void init()
    {
        m_ownerUser = m_servers.addUser(QStringLiteral("owner"));
        m_memberUser = m_servers.addUser(QStringLiteral("member"));
        QVERIFY(!m_ownerUser.id.isEmpty() && !m_memberUser.id.isEmpty());
        m_owner = std::make_unique<SyncClient>(m_servers, m_ownerUser);
        m_member = std::make_unique<SyncClient>(m_servers, m_memberUser);
        const auto reply = m_owner->push(list({
            account(Shared, QStringLiteral("Joint")),
            account(Private, QStringLiteral("Mine")),
            category(QStringLiteral("cat-home"), QStringLiteral("Home")),
            category(QStringLiteral("cat-rent"), QStringLiteral("Rent"), QStringLiteral("cat-home")),
            category(QStringLiteral("cat-fun"), QStringLiteral("Fun")),
            category(QStringLiteral("cat-unused"), QStringLiteral("Unused")),
            transaction(QStringLiteral("txn-s1"), Shared, QStringLiteral("cat-rent")),
            splitTransaction(QStringLiteral("txn-s2"), Shared, {QStringLiteral("cat-rent"), QStringLiteral("cat-home")}),
            recurring(QStringLiteral("rec-s"), Shared, QStringLiteral("cat-rent")),
            reconciliation(QStringLiteral("recon-s"), Shared),
            transaction(QStringLiteral("txn-p1"), Private, QStringLiteral("cat-fun")),
            recurring(QStringLiteral("rec-p"), Private, QStringLiteral("cat-fun")),
            reconciliation(QStringLiteral("recon-p"), Private),
        }));
        QCOMPARE(reply.status, 200);
        for (const QJsonValue &result : reply.json.value(QStringLiteral("results")).toArray())
            QCOMPARE(result.toObject().value(QStringLiteral("status")).toString(), QStringLiteral("ok"));
    }

    void cleanup()
    {
        m_owner.reset();
        m_member.reset();
    }

    void aMemberSeesTheSharedAccountAndWhatItUses()
    {
        QCOMPARE(share(m_memberUser.email).status, 200);
        SyncReplica replica;
        QVERIFY(m_member->pullInto(replica, 3));
        QVERIFY2(replica.refused().isEmpty(), qPrintable(replica.refused().join(QLatin1Char(' '))));
        QCOMPARE(replica.liveIds(QStringLiteral("accounts")), ids({"acc-shared"}));
        QCOMPARE(replica.liveIds(QStringLiteral("categories")), ids({"cat-home", "cat-rent"}));
        QCOMPARE(replica.liveIds(QStringLiteral("transactions")), ids({"txn-s1", "txn-s2"}));
        QCOMPARE(replica.liveIds(QStringLiteral("recurring_transactions")), ids({"rec-s"}));
        QCOMPARE(replica.liveIds(QStringLiteral("reconciliations")), ids({"recon-s"}));
        QCOMPARE(replica.lastCategoryCount(), 2);
        QCOMPARE(replica.row(QStringLiteral("accounts"), Shared).value(QStringLiteral("is_shared")).toBool(), true);

        // The owner's installations learn that the account is shared.
        SyncReplica owner;
        QVERIFY(m_owner->pullInto(owner));
        QCOMPARE(owner.row(QStringLiteral("accounts"), Shared).value(QStringLiteral("is_shared")).toBool(), true);
        QCOMPARE(owner.row(QStringLiteral("accounts"), Shared).value(QStringLiteral("version")).toInteger(), 2);
        QCOMPARE(owner.row(QStringLiteral("accounts"), Private).value(QStringLiteral("is_shared")).toBool(), false);
        QCOMPARE(owner.lastCategoryCount(), 4);
    }

    void membersAreListedOwnerFirst()
    {
        QCOMPARE(share(m_memberUser.email).status, 200);
        for (SyncClient *asker : {m_owner.get(), m_member.get()}) {
            const auto reply = asker->get(QStringLiteral("/quillby/v1/accounts/%1/members").arg(Shared));
            QCOMPARE(reply.status, 200);
            const QJsonArray members = reply.json.value(QStringLiteral("members")).toArray();
            QCOMPARE(members.size(), 2);
            QCOMPARE(members.at(0).toObject().value(QStringLiteral("user_id")).toString(), m_ownerUser.id);
            QCOMPARE(members.at(0).toObject().value(QStringLiteral("role")).toString(), QStringLiteral("owner"));
            const QJsonObject member = members.at(1).toObject();
            QCOMPARE(member.value(QStringLiteral("user_id")).toString(), m_memberUser.id);
            QCOMPARE(member.value(QStringLiteral("email")).toString(), m_memberUser.email);
            QCOMPARE(member.value(QStringLiteral("role")).toString(), QStringLiteral("member"));
            QVERIFY(member.value(QStringLiteral("created_at")).toString().endsWith(QLatin1Char('Z')));
        }
    }

    void onlyTheOwnerSharesAndOthersSeeNothing_data()
    {
        QTest::addColumn<QString>("who");
        QTest::addColumn<QByteArray>("method");
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("status");
        const QString members = QStringLiteral("/quillby/v1/accounts/%1/members");
        QTest::newRow("stranger lists members") << "stranger" << QByteArray("GET") << members.arg(Shared) << 404;
        QTest::newRow("stranger shares") << "stranger" << QByteArray("POST") << sharePath() << 404;
        QTest::newRow("stranger unshares") << "stranger" << QByteArray("DELETE") << sharePath() + QStringLiteral("/MEMBER") << 404;
        QTest::newRow("member shares further") << "member" << QByteArray("POST") << sharePath() << 403;
        QTest::newRow("member unshares") << "member" << QByteArray("DELETE") << sharePath() + QStringLiteral("/MEMBER") << 403;
        QTest::newRow("member lists the private account") << "member" << QByteArray("GET") << members.arg(Private) << 404;
        QTest::newRow("owner unshares a non-member") << "owner" << QByteArray("DELETE") << sharePath() + QStringLiteral("/STRANGER") << 404;
        QTest::newRow("owner lists an account never pushed") << "owner" << QByteArray("GET") << members.arg(QStringLiteral("acc-none")) << 404;
        QTest::newRow("dots in the account id") << "owner" << QByteArray("GET") << members.arg(QStringLiteral("..")) << 400;
        QTest::newRow("bad user id") << "owner" << QByteArray("DELETE") << sharePath() + QStringLiteral("/a..b") << 400;
    }

    void onlyTheOwnerSharesAndOthersSeeNothing()
    {
        QFETCH(QString, who);
        QFETCH(QByteArray, method);
        QFETCH(QString, path);
        QFETCH(int, status);
        const SyncTestUser strangerUser = m_servers.addUser(QStringLiteral("stranger"));
        SyncClient stranger(m_servers, strangerUser);
        QCOMPARE(share(m_memberUser.email).status, 200);
        path.replace(QLatin1String("MEMBER"), m_memberUser.id).replace(QLatin1String("STRANGER"), strangerUser.id);
        SyncClient &asker = who == QLatin1String("stranger") ? stranger : who == QLatin1String("member") ? *m_member : *m_owner;
        const QByteArray body = method == "POST"
            ? QJsonDocument(QJsonObject{{QStringLiteral("user_id"), strangerUser.email}, {QStringLiteral("role"), QStringLiteral("member")}}).toJson()
            : QByteArray();
        QCOMPARE(asker.send(method, path, body).status, status);
        // Nobody new got the account.
        SyncReplica replica;
        QVERIFY(stranger.pullInto(replica));
        QVERIFY(replica.allIds(QStringLiteral("accounts")).isEmpty());
    }

    void nobodyWritesIntoAnAccountNotSharedWithThem()
    {
        const SyncTestUser strangerUser = m_servers.addUser(QStringLiteral("stranger"));
        SyncClient stranger(m_servers, strangerUser);
        QCOMPARE(share(m_memberUser.email).status, 200);
        const auto byStranger = stranger.push(list({transaction(QStringLiteral("txn-x"), Shared, QString()),
                                                    withPayload(transaction(QStringLiteral("txn-s1"), Shared, QString()), QStringLiteral("payee"), QStringLiteral("Hacked"))}));
        QCOMPARE(byStranger.status, 200);
        QCOMPARE(SyncClient::resultFor(byStranger, QStringLiteral("txn-x")).value(QStringLiteral("status")).toString(), QStringLiteral("error"));
        QCOMPARE(SyncClient::resultFor(byStranger, QStringLiteral("txn-s1")).value(QStringLiteral("status")).toString(), QStringLiteral("error"));
        const auto byMember = m_member->push(list({transaction(QStringLiteral("txn-y"), Private, QString())}));
        QCOMPARE(SyncClient::resultFor(byMember, QStringLiteral("txn-y")).value(QStringLiteral("status")).toString(), QStringLiteral("error"));

        SyncReplica owner;
        QVERIFY(m_owner->pullInto(owner));
        QVERIFY(!owner.has(QStringLiteral("transactions"), QStringLiteral("txn-x")));
        QVERIFY(!owner.has(QStringLiteral("transactions"), QStringLiteral("txn-y")));
        QCOMPARE(owner.row(QStringLiteral("transactions"), QStringLiteral("txn-s1")).value(QStringLiteral("payee")).toString(), QStringLiteral("Corner Shop"));
    }

    void aMemberEditsAndAddsRowsAndTheOwnerPullsThem()
    {
        QCOMPARE(share(m_memberUser.email).status, 200);
        SyncReplica member;
        QVERIFY(m_member->pullInto(member));
        const qint64 version = member.row(QStringLiteral("transactions"), QStringLiteral("txn-s1")).value(QStringLiteral("version")).toInteger();
        const auto reply = m_member->push(list({
            category(QStringLiteral("cat-member"), QStringLiteral("Member's own")),
            transaction(QStringLiteral("txn-s1"), Shared, QStringLiteral("cat-rent"), -999, QStringLiteral("Edited by member"), version + 1),
            transaction(QStringLiteral("txn-m1"), Shared, QStringLiteral("cat-member"), -42, QStringLiteral("Added by member")),
        }));
        QCOMPARE(reply.status, 200);
        for (const QJsonValue &result : reply.json.value(QStringLiteral("results")).toArray())
            QCOMPARE(result.toObject().value(QStringLiteral("status")).toString(), QStringLiteral("ok"));
        QCOMPARE(SyncClient::resultFor(reply, QStringLiteral("txn-s1")).value(QStringLiteral("server_id")).toString(),
                 member.row(QStringLiteral("transactions"), QStringLiteral("txn-s1")).value(QStringLiteral("id")).toString());

        // A new installation of the owner gets both, and the member's
        // category the new row uses, in pages it can apply.
        SyncReplica owner;
        QVERIFY(m_owner->pullInto(owner, 2));
        QVERIFY2(owner.refused().isEmpty(), qPrintable(owner.refused().join(QLatin1Char(' '))));
        QCOMPARE(owner.row(QStringLiteral("transactions"), QStringLiteral("txn-s1")).value(QStringLiteral("payee")).toString(), QStringLiteral("Edited by member"));
        QCOMPARE(owner.row(QStringLiteral("transactions"), QStringLiteral("txn-m1")).value(QStringLiteral("payee")).toString(), QStringLiteral("Added by member"));
        QVERIFY(owner.isLive(QStringLiteral("categories"), QStringLiteral("cat-member")));
        // The member's other installation sees the shared rows once.
        SyncReplica memberAgain;
        QVERIFY(m_member->pullInto(memberAgain, 2));
        QVERIFY(memberAgain.refused().isEmpty());
        QCOMPARE(memberAgain.liveIds(QStringLiteral("transactions")), ids({"txn-m1", "txn-s1", "txn-s2"}));
    }

    void aMemberUsesTheOwnersCategoryOnTheirOwnRow()
    {
        QCOMPARE(share(m_memberUser.email).status, 200);
        QCOMPARE(m_member->push(list({account(QStringLiteral("acc-member")),
                                      transaction(QStringLiteral("txn-own"), QStringLiteral("acc-member"), QStringLiteral("cat-rent"))}))
                     .status,
                 200);
        // The member's data set now has the category its row uses: a new
        // installation can apply the row whatever order the pages come in,
        // and keeps it when the account is no longer shared.
        QCOMPARE(m_owner->del(sharePath() + QLatin1Char('/') + m_memberUser.id).status, 200);
        SyncReplica member;
        QVERIFY(m_member->pullInto(member, 1));
        QVERIFY2(member.refused().isEmpty(), qPrintable(member.refused().join(QLatin1Char(' '))));
        QVERIFY(member.isLive(QStringLiteral("transactions"), QStringLiteral("txn-own")));
        QCOMPARE(member.liveIds(QStringLiteral("categories")), ids({"cat-home", "cat-rent"}));
        QVERIFY(member.allIds(QStringLiteral("accounts")).contains(QStringLiteral("acc-member")));
        QVERIFY(!member.has(QStringLiteral("accounts"), Shared));
    }

    void aMemberLeavesTheSharedAccountRowAlone()
    {
        QCOMPARE(share(m_memberUser.email).status, 200);
        SyncReplica member;
        QVERIFY(m_member->pullInto(member));
        const qint64 version = member.row(QStringLiteral("accounts"), Shared).value(QStringLiteral("version")).toInteger();
        const auto renamed = m_member->push(list({account(Shared, QStringLiteral("Renamed by member"), version + 1)}));
        QCOMPARE(SyncClient::resultFor(renamed, Shared).value(QStringLiteral("status")).toString(), QStringLiteral("error"));
        const auto removed = m_member->push(list({deleted(account(Shared, QStringLiteral("Joint"), version + 1))}));
        QCOMPARE(SyncClient::resultFor(removed, Shared).value(QStringLiteral("status")).toString(), QStringLiteral("error"));
        // Sent again unchanged (a full re-send): accepted, nothing changes.
        const auto unchanged = m_member->push(list({withPayload(account(Shared, QStringLiteral("Joint"), version), QStringLiteral("is_shared"), true)}));
        QCOMPARE(SyncClient::resultFor(unchanged, Shared).value(QStringLiteral("status")).toString(), QStringLiteral("ok"));
        QCOMPARE(SyncClient::resultFor(unchanged, Shared).value(QStringLiteral("version")).toInteger(), version);

        SyncReplica owner;
        QVERIFY(m_owner->pullInto(owner));
        QVERIFY(owner.isLive(QStringLiteral("accounts"), Shared));
        QCOMPARE(owner.row(QStringLiteral("accounts"), Shared).value(QStringLiteral("name")).toString(), QStringLiteral("Joint"));
        QCOMPARE(owner.row(QStringLiteral("accounts"), Shared).value(QStringLiteral("version")).toInteger(), version);
    }

    void sharingAfterTheMemberSyncedDeliversAllOfTheAccount()
    {
        QCOMPARE(m_member->push(list({account(QStringLiteral("acc-member")), transaction(QStringLiteral("txn-own"), QStringLiteral("acc-member"), QString())})).status,
                 200);
        SyncReplica member;
        QVERIFY(m_member->pullInto(member));
        QCOMPARE(member.liveIds(QStringLiteral("accounts")), ids({"acc-member"}));
        // The owner's rows are older than anything the member's cursor has
        // passed in other streams; they still all arrive.
        QCOMPARE(share(m_memberUser.id, false).status, 200);
        QVERIFY(m_member->pullInto(member, 2));
        QVERIFY(member.refused().isEmpty());
        QCOMPARE(member.liveIds(QStringLiteral("accounts")), ids({"acc-member", "acc-shared"}));
        QCOMPARE(member.liveIds(QStringLiteral("transactions")), ids({"txn-own", "txn-s1", "txn-s2"}));
        QCOMPARE(member.liveIds(QStringLiteral("recurring_transactions")), ids({"rec-s"}));
        QCOMPARE(member.liveIds(QStringLiteral("reconciliations")), ids({"recon-s"}));
    }

    void laterChangesOfUsedCategoriesReachTheMember()
    {
        QCOMPARE(share(m_memberUser.email).status, 200);
        SyncReplica member;
        QVERIFY(m_member->pullInto(member));
        QCOMPARE(m_owner->push(list({category(QStringLiteral("cat-rent"), QStringLiteral("Housing costs"), QStringLiteral("cat-home"), 2),
                                     category(QStringLiteral("cat-fun"), QStringLiteral("Still private"), {}, 2)}))
                     .status,
                 200);
        QVERIFY(m_member->pullInto(member));
        QCOMPARE(member.row(QStringLiteral("categories"), QStringLiteral("cat-rent")).value(QStringLiteral("name")).toString(), QStringLiteral("Housing costs"));
        QVERIFY(!member.has(QStringLiteral("categories"), QStringLiteral("cat-fun")));
    }

    void aCategoryFirstUsedLaterReachesTheMember()
    {
        QCOMPARE(share(m_memberUser.email).status, 200);
        SyncReplica member;
        QVERIFY(m_member->pullInto(member));
        // The member's cursor has passed the owner's private category; a
        // row of the shared account starts using it.
        QCOMPARE(m_owner->push(list({transaction(QStringLiteral("txn-s3"), Shared, QStringLiteral("cat-fun"))})).status, 200);
        QVERIFY(m_member->pullInto(member, 1));
        QVERIFY2(member.refused().isEmpty(), qPrintable(member.refused().join(QLatin1Char(' '))));
        QVERIFY(member.isLive(QStringLiteral("transactions"), QStringLiteral("txn-s3")));
        QVERIFY(member.isLive(QStringLiteral("categories"), QStringLiteral("cat-fun")));
        // From then on its changes reach the member too.
        QCOMPARE(m_owner->push(list({category(QStringLiteral("cat-fun"), QStringLiteral("Outings"), {}, 2)})).status, 200);
        QVERIFY(m_member->pullInto(member));
        QCOMPARE(member.row(QStringLiteral("categories"), QStringLiteral("cat-fun")).value(QStringLiteral("name")).toString(), QStringLiteral("Outings"));
    }

    void theMembersOwnCategoryOfTheSameIdWins()
    {
        QCOMPARE(m_member->push(list({category(QStringLiteral("cat-home"), QStringLiteral("Member's home"))})).status, 200);
        QCOMPARE(share(m_memberUser.email).status, 200);
        SyncReplica member;
        QVERIFY(m_member->pullInto(member, 1));
        QVERIFY(member.refused().isEmpty());
        QCOMPARE(member.row(QStringLiteral("categories"), QStringLiteral("cat-home")).value(QStringLiteral("name")).toString(), QStringLiteral("Member's home"));
        QCOMPARE(member.liveIds(QStringLiteral("categories")), ids({"cat-home", "cat-rent"}));
        QCOMPARE(member.lastCategoryCount(), 2);
    }

    void unsharingTakesTheAccountAwayFromTheMember()
    {
        QCOMPARE(share(m_memberUser.email).status, 200);
        SyncReplica member;
        QVERIFY(m_member->pullInto(member));
        QCOMPARE(m_owner->del(sharePath() + QLatin1Char('/') + m_memberUser.id).status, 200);

        QVERIFY(m_member->pullInto(member, 2));
        for (const auto &[array, id] : {std::pair{"accounts", "acc-shared"}, {"transactions", "txn-s1"}, {"transactions", "txn-s2"},
                                        {"recurring_transactions", "rec-s"}, {"reconciliations", "recon-s"}})
            QVERIFY2(!member.isLive(QLatin1String(array), QLatin1String(id)), id);
        // The owner's categories stay: they may be the member's own as well.
        QCOMPARE(member.liveIds(QStringLiteral("categories")), ids({"cat-home", "cat-rent"}));
        // Once delivered, the removal is not sent again.
        const auto after = m_member->pull(member.cursor());
        QCOMPARE(after.json.value(QStringLiteral("transactions")).toArray().size(), 0);
        QCOMPARE(after.json.value(QStringLiteral("accounts")).toArray().size(), 0);

        // The installation sends the deletes back: answered, and nothing of
        // the owner's is touched. Edits are refused.
        const QJsonObject tombstone = member.row(QStringLiteral("transactions"), QStringLiteral("txn-s1"));
        const auto echo = m_member->push(list({deleted(withVersion(transaction(QStringLiteral("txn-s1"), Shared, QStringLiteral("cat-rent")),
                                                                   tombstone.value(QStringLiteral("version")).toInteger())),
                                               deleted(account(Shared, QStringLiteral("Joint"), 2))}));
        QCOMPARE(SyncClient::resultFor(echo, QStringLiteral("txn-s1")).value(QStringLiteral("status")).toString(), QStringLiteral("ok"));
        QCOMPARE(SyncClient::resultFor(echo, Shared).value(QStringLiteral("status")).toString(), QStringLiteral("ok"));
        const auto edit = m_member->push(list({transaction(QStringLiteral("txn-s9"), Shared, QString())}));
        QCOMPARE(SyncClient::resultFor(edit, QStringLiteral("txn-s9")).value(QStringLiteral("status")).toString(), QStringLiteral("error"));

        SyncReplica owner;
        QVERIFY(m_owner->pullInto(owner));
        QVERIFY(owner.isLive(QStringLiteral("transactions"), QStringLiteral("txn-s1")));
        QVERIFY(owner.isLive(QStringLiteral("accounts"), Shared));
        QCOMPARE(owner.row(QStringLiteral("accounts"), Shared).value(QStringLiteral("is_shared")).toBool(), false);
        QCOMPARE(m_owner->get(QStringLiteral("/quillby/v1/accounts/%1/members").arg(Shared)).json.value(QStringLiteral("members")).toArray().size(), 1);
        QCOMPARE(m_member->get(QStringLiteral("/quillby/v1/accounts/%1/members").arg(Shared)).status, 404);

        // A new installation of the member never hears of the account.
        SyncReplica fresh;
        QVERIFY(m_member->pullInto(fresh));
        QVERIFY(fresh.allIds(QStringLiteral("accounts")).isEmpty());
        QVERIFY(fresh.allIds(QStringLiteral("transactions")).isEmpty());
    }

    void removalEchoesAfterSharingAgainDeleteNothing()
    {
        QCOMPARE(share(m_memberUser.email).status, 200);
        SyncReplica member;
        QVERIFY(m_member->pullInto(member));
        QCOMPARE(m_owner->del(sharePath() + QLatin1Char('/') + m_memberUser.id).status, 200);
        QVERIFY(m_member->pullInto(member));
        const qint64 removedVersion = member.row(QStringLiteral("transactions"), QStringLiteral("txn-s1")).value(QStringLiteral("version")).toInteger();
        QCOMPARE(share(m_memberUser.email).status, 200);
        // The installation was offline and sends the removal's deletes only now.
        const auto echo =
            m_member->push(list({deleted(withVersion(transaction(QStringLiteral("txn-s1"), Shared, QStringLiteral("cat-rent")), removedVersion))}));
        QCOMPARE(SyncClient::resultFor(echo, QStringLiteral("txn-s1")).value(QStringLiteral("status")).toString(), QStringLiteral("ok"));
        // A delete the member makes later, newer than the row, counts.
        const auto real = m_member->push(list({deleted(withVersion(recurring(QStringLiteral("rec-s"), Shared, QStringLiteral("cat-rent")), 5))}));
        QCOMPARE(SyncClient::resultFor(real, QStringLiteral("rec-s")).value(QStringLiteral("status")).toString(), QStringLiteral("ok"));

        SyncReplica owner;
        QVERIFY(m_owner->pullInto(owner));
        QVERIFY(owner.isLive(QStringLiteral("transactions"), QStringLiteral("txn-s1")));
        QVERIFY(!owner.isLive(QStringLiteral("recurring_transactions"), QStringLiteral("rec-s")));
    }

    void shareRequestsAreChecked_data()
    {
        QTest::addColumn<QString>("identifier");
        QTest::addColumn<QString>("role");
        QTest::addColumn<QString>("account");
        QTest::addColumn<int>("status");
        QTest::newRow("by e-mail") << "MEMBER_EMAIL" << "member" << Shared << 200;
        QTest::newRow("by user id") << "MEMBER_ID" << "member" << Shared << 200;
        QTest::newRow("role left out") << "MEMBER_ID" << "" << Shared << 200;
        QTest::newRow("with yourself") << "OWNER_ID" << "member" << Shared << 400;
        QTest::newRow("unknown address") << "nobody@example.org" << "member" << Shared << 404;
        QTest::newRow("unknown id") << "00000000-0000-0000-0000-000000000000" << "member" << Shared << 404;
        QTest::newRow("id with a slash") << "../etc" << "member" << Shared << 404;
        QTest::newRow("no identifier") << "" << "member" << Shared << 400;
        QTest::newRow("unknown role") << "MEMBER_ID" << "admin" << Shared << 400;
        QTest::newRow("account never pushed") << "MEMBER_ID" << "member" << "acc-none" << 404;
        QTest::newRow("deleted account") << "MEMBER_ID" << "member" << "acc-gone" << 404;
        QTest::newRow("member has an account of that id") << "MEMBER_ID" << "member" << "acc-same" << 409;
    }

    void shareRequestsAreChecked()
    {
        QFETCH(QString, identifier);
        QFETCH(QString, role);
        QFETCH(QString, account);
        QFETCH(int, status);
        QCOMPARE(m_owner->push(list({deleted(SyncChanges::account(QStringLiteral("acc-gone"))), SyncChanges::account(QStringLiteral("acc-same"))})).status, 200);
        QCOMPARE(m_member->push(list({SyncChanges::account(QStringLiteral("acc-same"))})).status, 200);
        identifier.replace(QLatin1String("MEMBER_EMAIL"), m_memberUser.email)
            .replace(QLatin1String("MEMBER_ID"), m_memberUser.id)
            .replace(QLatin1String("OWNER_ID"), m_ownerUser.id);
        QJsonObject body{{QStringLiteral("user_id"), identifier}, {QStringLiteral("role"), role}};
        if (identifier.contains(QLatin1Char('@')))
            body.insert(QStringLiteral("email"), identifier);
        const auto reply = m_owner->post(sharePath(account), body);
        QCOMPARE(reply.status, status);
        if (status != 200)
            QVERIFY(!reply.json.value(QStringLiteral("error")).toString().isEmpty());
        const int members = m_owner->get(QStringLiteral("/quillby/v1/accounts/%1/members").arg(account)).json.value(QStringLiteral("members")).toArray().size();
        QCOMPARE(members, status == 200 ? 2 : account == Shared || account == QLatin1String("acc-same") || account == QLatin1String("acc-gone") ? 1 : 0);
        // Sharing twice changes nothing.
        if (status == 200) {
            QCOMPARE(m_owner->post(sharePath(account), body).status, 200);
            QCOMPARE(m_owner->get(QStringLiteral("/quillby/v1/accounts/%1/members").arg(account)).json.value(QStringLiteral("members")).toArray().size(), 2);
        }
    }

private:
    ApiTestClient::Reply share(const QString &identifier, bool asEmail = true)
    {
        QJsonObject body{{QStringLiteral("user_id"), identifier}, {QStringLiteral("role"), QStringLiteral("member")}};
        if (asEmail)
            body.insert(QStringLiteral("email"), identifier);
        return m_owner->post(sharePath(), body);
    }

    SyncServers m_servers;
    SyncTestUser m_ownerUser;
    SyncTestUser m_memberUser;
    std::unique_ptr<SyncClient> m_owner;
    std::unique_ptr<SyncClient> m_member;
};

QTEST_GUILESS_MAIN(TestSyncSharing)
#include "tst_syncsharing.moc"
