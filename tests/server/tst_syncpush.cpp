#include "syncchanges.h"
#include "syncclient.h"
#include "syncservers.h"

#include <QDateTime>
#include <QJsonArray>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

using namespace SyncChanges;

namespace {

QStringList sortedKeys(const QJsonObject &object)
{
    QStringList keys = object.keys();
    std::sort(keys.begin(), keys.end());
    return keys;
}

// The keys a pulled object carries: the pushed payload's without
// "server_id", plus "id" and "version".
QStringList expectedPulledKeys(const QJsonObject &change)
{
    QJsonObject payload = change.value(QStringLiteral("payload")).toObject();
    payload.remove(QStringLiteral("server_id"));
    payload.insert(QStringLiteral("id"), QString());
    payload.insert(QStringLiteral("version"), 0);
    return sortedKeys(payload);
}

QString arrayOf(const QJsonObject &change)
{
    const QString type = change.value(QStringLiteral("entity_type")).toString();
    if (type == QLatin1String("recurring"))
        return QStringLiteral("recurring_transactions");
    return type == QLatin1String("category") ? QStringLiteral("categories") : type + QLatin1Char('s');
}

} // namespace

// Push and pull of one user's data set against real server processes: every
// entity type, idempotent re-sends, versions, conflicts, deletes, cursors and
// pages closed under references.
class TestSyncPush : public QObject
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

    void init()
    {
        m_user = m_servers.addUser(QStringLiteral("pusher"));
        QVERIFY(!m_user.id.isEmpty());
    }

    void everyEntityTypeComesBackWithItsKeys_data()
    {
        QTest::addColumn<QJsonObject>("change");
        QTest::newRow("account") << account(QStringLiteral("acc-main"));
        QTest::newRow("category") << category(QStringLiteral("cat-food"), QStringLiteral("Food"));
        QTest::newRow("subcategory") << category(QStringLiteral("cat-snacks"), QStringLiteral("Snacks"), QStringLiteral("cat-food"));
        QTest::newRow("recurring") << recurring(QStringLiteral("rec-rent"), QStringLiteral("acc-main"), QStringLiteral("cat-food"));
        QTest::newRow("recurring without end date")
            << withPayload(recurring(QStringLiteral("rec-open"), QStringLiteral("acc-main"), QString()), QStringLiteral("end_date"), QJsonValue::Undefined);
        QTest::newRow("transaction") << transaction(QStringLiteral("txn-1"), QStringLiteral("acc-main"), QStringLiteral("cat-food"));
        QTest::newRow("split transaction")
            << splitTransaction(QStringLiteral("txn-split"), QStringLiteral("acc-main"), {QStringLiteral("cat-food"), QStringLiteral("cat-snacks")});
        QTest::newRow("reconciliation") << reconciliation(QStringLiteral("recon-feb"), QStringLiteral("acc-main"));
        QTest::newRow("deleted transaction") << deleted(transaction(QStringLiteral("txn-gone"), QStringLiteral("acc-main"), QString()));
    }

    void everyEntityTypeComesBackWithItsKeys()
    {
        QFETCH(QJsonObject, change);
        SyncClient device(m_servers, m_user);
        const QJsonArray parents = list({account(QStringLiteral("acc-main")), category(QStringLiteral("cat-food"), QStringLiteral("Food")),
                                         category(QStringLiteral("cat-snacks"), QStringLiteral("Snacks"), QStringLiteral("cat-food"))});
        QCOMPARE(device.push(parents).status, 200);
        const auto pushed = device.push(list({change}));
        QCOMPARE(pushed.status, 200);
        const QJsonObject result = pushed.json.value(QStringLiteral("results")).toArray().first().toObject();
        QCOMPARE(result.value(QStringLiteral("status")).toString(), QStringLiteral("ok"));
        QCOMPARE(result.value(QStringLiteral("entity_type")).toString(), change.value(QStringLiteral("entity_type")).toString());
        QCOMPARE(result.value(QStringLiteral("entity_id")).toString(), change.value(QStringLiteral("entity_id")).toString());
        const QString serverId = result.value(QStringLiteral("server_id")).toString();
        QVERIFY(!serverId.isEmpty());

        SyncReplica replica;
        QVERIFY(device.pullInto(replica));
        QVERIFY2(replica.refused().isEmpty(), qPrintable(replica.refused().join(QLatin1Char(' '))));
        // A deleted row unknown to a new installation is skipped there, so
        // read the page itself.
        QJsonObject pulled;
        const auto page = device.pull();
        for (const QJsonValue &value : page.json.value(arrayOf(change)).toArray()) {
            if (value.toObject().value(QStringLiteral("client_id")) == change.value(QStringLiteral("entity_id")))
                pulled = value.toObject();
        }
        QCOMPARE(sortedKeys(pulled), expectedPulledKeys(change));
        QCOMPARE(pulled.value(QStringLiteral("id")).toString(), serverId);
        QCOMPARE(pulled.value(QStringLiteral("version")).toInteger(), result.value(QStringLiteral("version")).toInteger());
        const QJsonObject payload = change.value(QStringLiteral("payload")).toObject();
        for (auto it = payload.constBegin(); it != payload.constEnd(); ++it) {
            if (it.key() != QLatin1String("version"))
                QCOMPARE(pulled.value(it.key()), it.value());
        }
    }

    void aResentChangeKeepsItsServerId()
    {
        SyncClient device(m_servers, m_user);
        const QJsonArray batch = list({account(QStringLiteral("acc-1")), transaction(QStringLiteral("txn-1"), QStringLiteral("acc-1"), QString())});
        const auto first = device.push(batch);
        QCOMPARE(first.status, 200);
        // The answer was lost: the installation sends the same batch again.
        const auto again = device.push(batch);
        QCOMPARE(again.status, 200);
        for (const QString &id : {QStringLiteral("acc-1"), QStringLiteral("txn-1")}) {
            QCOMPARE(SyncClient::resultFor(again, id).value(QStringLiteral("server_id")), SyncClient::resultFor(first, id).value(QStringLiteral("server_id")));
            QCOMPARE(SyncClient::resultFor(again, id).value(QStringLiteral("status")).toString(), QStringLiteral("ok"));
        }
        const auto page = device.pull();
        QCOMPARE(page.json.value(QStringLiteral("accounts")).toArray().size(), 1);
        QCOMPARE(page.json.value(QStringLiteral("transactions")).toArray().size(), 1);
    }

    void versionsOnlyGrow_data()
    {
        QTest::addColumn<qint64>("firstVersion");
        QTest::addColumn<qint64>("secondVersion");
        QTest::addColumn<qint64>("expected");
        QTest::newRow("higher pushed version is taken") << qint64(3) << qint64(10) << qint64(10);
        QTest::newRow("same version goes one up") << qint64(5) << qint64(5) << qint64(6);
        QTest::newRow("lower version goes one up") << qint64(7) << qint64(2) << qint64(8);
        QTest::newRow("zero") << qint64(0) << qint64(0) << qint64(1);
    }

    void versionsOnlyGrow()
    {
        QFETCH(qint64, firstVersion);
        QFETCH(qint64, secondVersion);
        QFETCH(qint64, expected);
        SyncClient device(m_servers, m_user);
        const auto first = device.push(list({withVersion(account(QStringLiteral("acc-v")), firstVersion)}));
        QCOMPARE(SyncClient::resultFor(first, QStringLiteral("acc-v")).value(QStringLiteral("version")).toInteger(), firstVersion);
        const auto second = device.push(list({withVersion(account(QStringLiteral("acc-v"), QStringLiteral("Renamed")), secondVersion)}));
        QCOMPARE(SyncClient::resultFor(second, QStringLiteral("acc-v")).value(QStringLiteral("version")).toInteger(), expected);
        const QJsonObject pulled = device.pull().json.value(QStringLiteral("accounts")).toArray().first().toObject();
        QCOMPARE(pulled.value(QStringLiteral("version")).toInteger(), expected);
    }

    void theLaterArrivalWinsTheWholeRow()
    {
        SyncClient laptop(m_servers, m_user);
        SyncClient desktop(m_servers, m_servers.signInAgain(m_user));
        QCOMPARE(laptop.push(list({account(QStringLiteral("acc-1"))})).status, 200);
        QJsonObject fromLaptop = transaction(QStringLiteral("txn-1"), QStringLiteral("acc-1"), QString(), -100, QStringLiteral("Laptop payee"), 4);
        fromLaptop = withPayload(fromLaptop, QStringLiteral("memo"), QStringLiteral("laptop memo"));
        QJsonObject fromDesktop = transaction(QStringLiteral("txn-1"), QStringLiteral("acc-1"), QString(), -200, QStringLiteral("Desktop payee"), 2);
        fromDesktop = withPayload(fromDesktop, QStringLiteral("memo"), QString());
        QCOMPARE(laptop.push(list({fromLaptop})).status, 200);
        const auto later = desktop.push(list({fromDesktop}));
        QCOMPARE(SyncClient::resultFor(later, QStringLiteral("txn-1")).value(QStringLiteral("version")).toInteger(), 5);

        SyncReplica replica;
        QVERIFY(laptop.pullInto(replica));
        const QJsonObject row = replica.row(QStringLiteral("transactions"), QStringLiteral("txn-1"));
        QCOMPARE(row.value(QStringLiteral("payee")).toString(), QStringLiteral("Desktop payee"));
        QCOMPARE(row.value(QStringLiteral("memo")).toString(), QString());
        QCOMPARE(row.value(QStringLiteral("amount")).toInteger(), -200);
        QCOMPARE(row.value(QStringLiteral("version")).toInteger(), 5);
    }

    void pagesAreClosedUnderReferences_data()
    {
        QTest::addColumn<QList<QJsonArray>>("pushes");
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("transactions");
        QTest::addColumn<int>("categories");

        QTest::newRow("child category before its parent")
            << QList<QJsonArray>{list({category(QStringLiteral("cat-child"), QStringLiteral("Child"), QStringLiteral("cat-parent"))}),
                                 list({category(QStringLiteral("cat-parent"), QStringLiteral("Parent"), QStringLiteral("cat-root"))}),
                                 list({category(QStringLiteral("cat-root"), QStringLiteral("Root"))})}
            << 1 << 0 << 3;
        QTest::newRow("transaction before its category")
            << QList<QJsonArray>{list({account(QStringLiteral("acc-1"))}),
                                 list({transaction(QStringLiteral("txn-1"), QStringLiteral("acc-1"), QStringLiteral("cat-late"))}),
                                 list({category(QStringLiteral("cat-late"), QStringLiteral("Late"))})}
            << 1 << 1 << 1;
        QTest::newRow("category and account changed after the transaction")
            << QList<QJsonArray>{list({account(QStringLiteral("acc-1")), category(QStringLiteral("cat-1"), QStringLiteral("One")),
                                       transaction(QStringLiteral("txn-1"), QStringLiteral("acc-1"), QStringLiteral("cat-1"))}),
                                 list({account(QStringLiteral("acc-1"), QStringLiteral("Renamed"), 2), category(QStringLiteral("cat-1"), QStringLiteral("Uno"), {}, 2)})}
            << 1 << 1 << 1;
        QJsonArray many{account(QStringLiteral("acc-1")), category(QStringLiteral("cat-a"), QStringLiteral("A")),
                        category(QStringLiteral("cat-b"), QStringLiteral("B"), QStringLiteral("cat-a"))};
        QJsonArray later;
        for (int i = 0; i < 30; ++i) {
            const QString category = i % 2 ? QStringLiteral("cat-b") : QStringLiteral("cat-c");
            (i < 15 ? many : later).append(transaction(QStringLiteral("txn-%1").arg(i), QStringLiteral("acc-1"), category));
        }
        later.append(category(QStringLiteral("cat-c"), QStringLiteral("C"), QStringLiteral("cat-b")));
        later.append(splitTransaction(QStringLiteral("txn-split"), QStringLiteral("acc-1"), {QStringLiteral("cat-a"), QStringLiteral("cat-c")}));
        QTest::newRow("several pages") << QList<QJsonArray>{many, later} << 7 << 31 << 3;
    }

    void pagesAreClosedUnderReferences()
    {
        QFETCH(QList<QJsonArray>, pushes);
        QFETCH(int, limit);
        QFETCH(int, transactions);
        QFETCH(int, categories);
        SyncClient device(m_servers, m_user);
        for (const QJsonArray &push : pushes) {
            const auto reply = device.push(push);
            QCOMPARE(reply.status, 200);
            for (const QJsonValue &result : reply.json.value(QStringLiteral("results")).toArray())
                QCOMPARE(result.toObject().value(QStringLiteral("status")).toString(), QStringLiteral("ok"));
        }
        // A new installation, a page at a time, with foreign keys on.
        SyncReplica replica;
        QVERIFY(device.pullInto(replica, limit));
        QVERIFY2(replica.refused().isEmpty(), qPrintable(replica.refused().join(QLatin1Char(' '))));
        QCOMPARE(replica.liveIds(QStringLiteral("transactions")).size(), transactions);
        QCOMPARE(replica.liveIds(QStringLiteral("categories")).size(), categories);
        QVERIFY(replica.pages() > 1);
        QCOMPARE(replica.lastCategoryCount(), categories);
    }

    void aRowPulledBeforeItsCategoryArrivedComesAgain()
    {
        SyncClient device(m_servers, m_user);
        QCOMPARE(device.push(list({account(QStringLiteral("acc-1")), category(QStringLiteral("cat-child"), QStringLiteral("Child"), QStringLiteral("cat-late")),
                                   transaction(QStringLiteral("txn-1"), QStringLiteral("acc-1"), QStringLiteral("cat-late"))}))
                     .status,
                 200);
        // Another installation pulls now: it must refuse the rows whose
        // category is not there yet, and its cursor moves past them.
        SyncReplica replica;
        QVERIFY(device.pullInto(replica));
        QCOMPARE(replica.refused(), QStringList({QStringLiteral("categories/cat-child"), QStringLiteral("transactions/txn-1")}));
        QCOMPARE(device.push(list({category(QStringLiteral("cat-late"), QStringLiteral("Late"))})).status, 200);
        QVERIFY(device.pullInto(replica));
        QVERIFY(replica.isLive(QStringLiteral("transactions"), QStringLiteral("txn-1")));
        QVERIFY(replica.isLive(QStringLiteral("categories"), QStringLiteral("cat-child")));
    }

    void aCursorCoversEveryLaterChangeAndPagesEndOnce()
    {
        SyncClient device(m_servers, m_user);
        QJsonArray batch{account(QStringLiteral("acc-1"))};
        for (int i = 0; i < 4; ++i)
            batch.append(transaction(QStringLiteral("txn-%1").arg(i), QStringLiteral("acc-1"), QString()));
        QCOMPARE(device.push(batch).status, 200);

        QString cursor;
        int pages = 0;
        int rows = 0;
        for (bool more = true; more; ++pages) {
            QVERIFY(pages < 10);
            const auto page = device.pull(cursor, 2);
            QCOMPARE(page.status, 200);
            more = page.json.value(QStringLiteral("has_more")).toBool();
            cursor = page.json.value(QStringLiteral("cursor")).toString();
            QVERIFY(!cursor.isEmpty());
            QCOMPARE(page.json.contains(QStringLiteral("integrity")), !more);
            rows += page.json.value(QStringLiteral("transactions")).toArray().size();
        }
        QCOMPARE(pages, 3);
        QCOMPARE(rows, 4);

        // Nothing new: an empty page. A later change, the installation's own
        // included, comes after the cursor.
        const auto empty = device.pull(cursor);
        QCOMPARE(empty.json.value(QStringLiteral("transactions")).toArray().size(), 0);
        QCOMPARE(empty.json.value(QStringLiteral("has_more")).toBool(), false);
        QCOMPARE(device.push(list({transaction(QStringLiteral("txn-1"), QStringLiteral("acc-1"), QString(), -7, QStringLiteral("Edited"), 2)})).status, 200);
        const auto next = device.pull(empty.json.value(QStringLiteral("cursor")).toString());
        const QJsonArray changed = next.json.value(QStringLiteral("transactions")).toArray();
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed.first().toObject().value(QStringLiteral("payee")).toString(), QStringLiteral("Edited"));
        // The account was sent before and is not sent again.
        QCOMPARE(next.json.value(QStringLiteral("accounts")).toArray().size(), 0);
    }

    void aCursorSkipsNothingWhileOthersPush()
    {
        SyncClient device(m_servers, m_user);
        QCOMPARE(device.push(list({account(QStringLiteral("acc-1"))})).status, 200);
        // Several installations push at once, to every server process,
        // while another pulls a little at a time.
        constexpr int Writers = 4;
        constexpr int Pushes = 8;
        constexpr int Rows = 5;
        std::vector<std::thread> writers;
        std::atomic_int failures{0};
        for (int writer = 0; writer < Writers; ++writer) {
            const int port = m_servers.nextPort();
            const SyncTestUser installation = m_servers.signInAgain(m_user);
            writers.emplace_back([=, &failures] {
                ApiTestClient client(port);
                client.setBearer(installation.accessToken);
                for (int push = 0; push < Pushes; ++push) {
                    QJsonArray changes;
                    for (int row = 0; row < Rows; ++row)
                        changes.append(transaction(QStringLiteral("txn-%1-%2-%3").arg(writer).arg(push).arg(row), QStringLiteral("acc-1"), QString()));
                    if (client.post(QStringLiteral("/quillby/v1/sync/push"), {{QStringLiteral("changes"), changes}}).status != 200)
                        ++failures;
                }
            });
        }
        SyncReplica replica;
        for (int round = 0; round < 40; ++round)
            QVERIFY(device.pullInto(replica, 3));
        for (std::thread &writer : writers)
            writer.join();
        QCOMPARE(failures.load(), 0);
        QVERIFY(device.pullInto(replica, 3));
        QCOMPARE(replica.liveIds(QStringLiteral("transactions")).size(), Writers * Pushes * Rows);
    }

    void deletesAndUndeletesAreDelivered()
    {
        SyncClient device(m_servers, m_user);
        const QJsonObject live = transaction(QStringLiteral("txn-1"), QStringLiteral("acc-1"), QStringLiteral("cat-1"));
        QCOMPARE(device.push(list({account(QStringLiteral("acc-1")), category(QStringLiteral("cat-1"), QStringLiteral("One")), live})).status, 200);
        SyncReplica replica;
        QVERIFY(device.pullInto(replica));
        QVERIFY(replica.isLive(QStringLiteral("transactions"), QStringLiteral("txn-1")));
        QCOMPARE(replica.lastCategoryCount(), 1);

        QCOMPARE(device.push(list({deleted(withVersion(live, 2)), deleted(category(QStringLiteral("cat-1"), QStringLiteral("One"), {}, 2))})).status, 200);
        QVERIFY(device.pullInto(replica));
        QVERIFY(!replica.isLive(QStringLiteral("transactions"), QStringLiteral("txn-1")));
        QCOMPARE(replica.row(QStringLiteral("transactions"), QStringLiteral("txn-1")).value(QStringLiteral("deleted_at")).toString(),
                 QStringLiteral("2026-03-05T12:00:00Z"));
        QCOMPARE(replica.lastCategoryCount(), 0);

        QCOMPARE(device.push(list({withVersion(live, 3)})).status, 200);
        const auto page = device.pull(replica.cursor());
        const QJsonObject back = page.json.value(QStringLiteral("transactions")).toArray().first().toObject();
        QVERIFY(!back.contains(QStringLiteral("deleted_at")));
        QCOMPARE(back.value(QStringLiteral("version")).toInteger(), 3);
    }

    void aDeleteWithoutATimeGetsOne()
    {
        SyncClient device(m_servers, m_user);
        QJsonObject change = withPayload(deleted(account(QStringLiteral("acc-1"))), QStringLiteral("deleted_at"), QJsonValue::Undefined);
        QCOMPARE(SyncClient::resultFor(device.push(list({change})), QStringLiteral("acc-1")).value(QStringLiteral("status")).toString(), QStringLiteral("ok"));
        const QJsonObject pulled = device.pull().json.value(QStringLiteral("accounts")).toArray().first().toObject();
        QVERIFY(pulled.value(QStringLiteral("deleted_at")).toString().endsWith(QLatin1Char('Z')));
    }

    void sqliteStyleTimestampsComeBackAsIso()
    {
        SyncClient device(m_servers, m_user);
        const QJsonObject change = withPayload(account(QStringLiteral("acc-1")), QStringLiteral("updated_at"), QStringLiteral("2026-03-04 05:06:07"));
        QCOMPARE(device.push(list({change})).status, 200);
        const QJsonObject pulled = device.pull().json.value(QStringLiteral("accounts")).toArray().first().toObject();
        QCOMPARE(pulled.value(QStringLiteral("updated_at")).toString(), QStringLiteral("2026-03-04T05:06:07Z"));
    }

    void badPullParametersAreRefused_data()
    {
        QTest::addColumn<QString>("query");
        QTest::newRow("limit zero") << QStringLiteral("limit=0");
        QTest::newRow("limit too high") << QStringLiteral("limit=501");
        QTest::newRow("limit not a number") << QStringLiteral("limit=ten");
        QTest::newRow("cursor not base64") << QStringLiteral("cursor=%25%25%25");
        QTest::newRow("cursor not json") << QStringLiteral("cursor=bm90IGpzb24");
        QTest::newRow("cursor with negative position") << QStringLiteral("cursor=eyJ1IjoieCIsIm8iOi0xfQ");
    }

    void badPullParametersAreRefused()
    {
        QFETCH(QString, query);
        SyncClient device(m_servers, m_user);
        QCOMPARE(device.get(QStringLiteral("/quillby/v1/sync/pull?") + query).status, 400);
    }

    void anotherUsersCursorStartsOver()
    {
        SyncClient device(m_servers, m_user);
        QCOMPARE(device.push(list({account(QStringLiteral("acc-1"))})).status, 200);
        const QString cursor = device.pull().json.value(QStringLiteral("cursor")).toString();
        const SyncTestUser other = m_servers.addUser(QStringLiteral("other"));
        SyncClient otherDevice(m_servers, other);
        QCOMPARE(otherDevice.push(list({account(QStringLiteral("acc-2"))})).status, 200);
        const auto page = otherDevice.pull(cursor);
        QCOMPARE(page.status, 200);
        const QJsonArray accounts = page.json.value(QStringLiteral("accounts")).toArray();
        QCOMPARE(accounts.size(), 1);
        QCOMPARE(accounts.first().toObject().value(QStringLiteral("client_id")).toString(), QStringLiteral("acc-2"));
    }

    void syncRequiresSignIn()
    {
        SyncTestUser nobody = m_user;
        nobody.accessToken = QStringLiteral("not.a.token");
        SyncClient device(m_servers, nobody);
        QCOMPARE(device.push(list({account(QStringLiteral("acc-1"))})).status, 401);
        QCOMPARE(device.pull().status, 401);
    }

    void pushAndPullNoteTheDeviceSyncTime()
    {
        // The session registered a device (the account API's business; the
        // row is made here directly).
        const QString device = QStringLiteral("dev-") + m_user.sessionId;
        QVERIFY(runSql(QStringLiteral("INSERT INTO devices (id, user_id, fingerprint, created_at) VALUES ('%1', '%2', 'fp', 0)").arg(device, m_user.id)));
        QVERIFY(runSql(QStringLiteral("UPDATE sessions SET device_id = '%1' WHERE id = '%2'").arg(device, m_user.sessionId)));
        const QString read = QStringLiteral("SELECT COALESCE(last_sync_at, 0) FROM devices WHERE id = '%1'").arg(device);
        QCOMPARE(querySql(read), 0);
        const qint64 before = QDateTime::currentSecsSinceEpoch();
        SyncClient client(m_servers, m_user);
        QCOMPARE(client.push(list({account(QStringLiteral("acc-1"))})).status, 200);
        QVERIFY(querySql(read) >= before);
        QVERIFY(runSql(QStringLiteral("UPDATE devices SET last_sync_at = 5 WHERE id = '%1'").arg(device)));
        QCOMPARE(client.pull().status, 200);
        QVERIFY(querySql(read) >= before);
    }

private:
    // Statements on the servers' database beside them.
    bool runSql(const QString &sql)
    {
        bool ok = false;
        {
            QSqlDatabase db;
            if (m_servers.openDatabase(db, QStringLiteral("beside"))) {
                QSqlQuery query(db);
                ok = query.exec(sql);
            }
        }
        QSqlDatabase::removeDatabase(QStringLiteral("beside"));
        return ok;
    }

    qint64 querySql(const QString &sql)
    {
        qint64 value = -1;
        {
            QSqlDatabase db;
            if (m_servers.openDatabase(db, QStringLiteral("beside"))) {
                QSqlQuery query(db);
                if (query.exec(sql) && query.next())
                    value = query.value(0).toLongLong();
            }
        }
        QSqlDatabase::removeDatabase(QStringLiteral("beside"));
        return value;
    }

    SyncServers m_servers;
    SyncTestUser m_user;
};

QTEST_GUILESS_MAIN(TestSyncPush)
#include "tst_syncpush.moc"
