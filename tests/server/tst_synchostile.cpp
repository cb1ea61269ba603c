#include "syncchanges.h"
#include "syncclient.h"
#include "syncservers.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>

using namespace SyncChanges;

namespace {

QByteArray body(const QJsonArray &changes)
{
    return QJsonDocument(QJsonObject{{QStringLiteral("changes"), changes}}).toJson(QJsonDocument::Compact);
}

QByteArray bodyWith(const QJsonObject &change)
{
    return body(QJsonArray{change});
}

QJsonObject tx(const QString &id)
{
    return transaction(id, QStringLiteral("acc-base"), QString());
}

} // namespace

// Hostile and malformed pushes: each is answered with the exact status, a
// refused change stores nothing, and the server keeps serving.
class TestSyncHostile : public QObject
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
        m_user = m_servers.addUser(QStringLiteral("hostile"));
        QVERIFY(!m_user.id.isEmpty());
        SyncClient device(m_servers, m_user);
        QCOMPARE(device.push(list({account(QStringLiteral("acc-base"))})).status, 200);
    }

    void hostilePushes_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("changeStatus"); // of the one result, when answered 200
        QTest::addColumn<QByteArray>("marker");    // appears in a later pull only when stored
        QTest::addColumn<bool>("stored");

        QByteArray huge = body({tx(QStringLiteral("mark-huge"))});
        huge.insert(1, "\"padding\":\"" + QByteArray(9 * 1024 * 1024, 'x') + "\",");
        QTest::newRow("huge body") << huge << 413 << QString() << QByteArray("mark-huge") << false;
        QByteArray deep = "{\"changes\":[" + bodyWith(tx(QStringLiteral("mark-deep"))).mid(12).chopped(2) + "," + QByteArray(200, '[')
                          + QByteArray(200, ']') + "]}";
        QTest::newRow("deep JSON") << deep << 400 << QString() << QByteArray("mark-deep") << false;
        QTest::newRow("not JSON") << QByteArray("{\"changes\": [mark-notjson") << 400 << QString() << QByteArray("mark-notjson") << false;
        QTest::newRow("changes not an array") << QByteArray(R"({"changes":{"entity_id":"mark-object"}})") << 400 << QString() << QByteArray("mark-object")
                                              << false;
        QJsonArray tooMany;
        for (int i = 0; i < 501; ++i)
            tooMany.append(tx(QStringLiteral("mark-many-%1").arg(i)));
        QTest::newRow("501 changes") << body(tooMany) << 400 << QString() << QByteArray("mark-many-") << false;

        const auto refused = [](const char *name, const QJsonObject &change, const char *marker) {
            QTest::newRow(name) << bodyWith(change) << 200 << QStringLiteral("error") << QByteArray(marker) << false;
        };
        QJsonObject unknownType = tx(QStringLiteral("mark-type"));
        unknownType.insert(QStringLiteral("entity_type"), QStringLiteral("budget"));
        refused("unknown entity type", unknownType, "mark-type");
        QJsonObject badAction = tx(QStringLiteral("mark-action"));
        badAction.insert(QStringLiteral("action"), QStringLiteral("merge"));
        refused("unknown action", badAction, "mark-action");
        QJsonObject arrayPayload = tx(QStringLiteral("mark-payload"));
        arrayPayload.insert(QStringLiteral("payload"), QJsonArray{QStringLiteral("mark-payload")});
        refused("payload not an object", arrayPayload, "mark-payload");
        QJsonObject slash = withPayload(tx(QStringLiteral("mark/slash")), QStringLiteral("client_id"), QStringLiteral("mark/slash"));
        slash.insert(QStringLiteral("entity_id"), QStringLiteral("mark/slash"));
        refused("id with a slash", slash, "mark/slash");
        QJsonObject dots = withPayload(tx(QStringLiteral("mark..dots")), QStringLiteral("client_id"), QStringLiteral("mark..dots"));
        refused("id with dots", dots, "mark..dots");
        const QString longId = QStringLiteral("mark-long-") + QString(55, QLatin1Char('x'));
        refused("65-character id", tx(longId), "mark-long-");
        refused("65-character reference", withPayload(tx(QStringLiteral("mark-ref")), QStringLiteral("category_id"), longId), "mark-ref");
        refused("reference with dots", withPayload(tx(QStringLiteral("mark-refdots")), QStringLiteral("category_id"), QStringLiteral("../etc")),
                "mark-refdots");
        refused("amount as text", withPayload(tx(QStringLiteral("mark-amount")), QStringLiteral("amount"), QStringLiteral("12.50")), "mark-amount");
        refused("amount with a fraction", withPayload(tx(QStringLiteral("mark-fraction")), QStringLiteral("amount"), 12.5), "mark-fraction");
        refused("amount too large", withPayload(tx(QStringLiteral("mark-big")), QStringLiteral("amount"), 1e300), "mark-big");
        refused("flag as text", withPayload(tx(QStringLiteral("mark-flag")), QStringLiteral("cleared"), QStringLiteral("yes")), "mark-flag");
        refused("flag as two", withPayload(tx(QStringLiteral("mark-two")), QStringLiteral("cleared"), 2), "mark-two");
        refused("payee as number", withPayload(tx(QStringLiteral("mark-payee")), QStringLiteral("payee"), 7), "mark-payee");
        refused("payee as null", withPayload(tx(QStringLiteral("mark-null")), QStringLiteral("payee"), QJsonValue::Null), "mark-null");
        refused("required key missing", withPayload(tx(QStringLiteral("mark-missing")), QStringLiteral("date"), QJsonValue::Undefined), "mark-missing");
        refused("account missing", withPayload(tx(QStringLiteral("mark-noaccount")), QStringLiteral("account_id"), QString()), "mark-noaccount");
        refused("account of nobody", withPayload(tx(QStringLiteral("mark-foreign")), QStringLiteral("account_id"), QStringLiteral("acc-elsewhere")),
                "mark-foreign");
        refused("version negative", withVersion(tx(QStringLiteral("mark-negative")), -1), "mark-negative");
        QJsonObject textVersion = tx(QStringLiteral("mark-vtext"));
        textVersion.insert(QStringLiteral("version"), QStringLiteral("1"));
        refused("version as text", textVersion, "mark-vtext");
        refused("client id differs", withPayload(tx(QStringLiteral("mark-differs")), QStringLiteral("client_id"), QStringLiteral("other")), "mark-differs");
        refused("split lines not an array",
                withPayload(withPayload(tx(QStringLiteral("mark-split")), QStringLiteral("is_split"), true), QStringLiteral("split_lines"), QStringLiteral("x")),
                "mark-split");
        refused("split line without category",
                withPayload(withPayload(tx(QStringLiteral("mark-line")), QStringLiteral("is_split"), true), QStringLiteral("split_lines"),
                            QJsonArray{QJsonObject{{QStringLiteral("amount"), 1}, {QStringLiteral("memo"), QString()}}}),
                "mark-line");
        refused("category its own parent", category(QStringLiteral("mark-self"), QStringLiteral("Self"), QStringLiteral("mark-self")), "mark-self");
        refused("memo too long", withPayload(tx(QStringLiteral("mark-memo")), QStringLiteral("memo"), QString(5000, QLatin1Char('m'))), "mark-memo");
        QTest::newRow("change not an object") << QByteArray(R"({"changes":["mark-string"]})") << 200 << QStringLiteral("error")
                                              << QByteArray("mark-string") << false;

        // Text that looks like SQL or markup is data: stored and returned as sent.
        const QString sql = QStringLiteral("Robert'); DROP TABLE sync_rows;-- \" OR 1=1 <script>");
        QTest::newRow("SQL-looking payee") << bodyWith(withPayload(tx(QStringLiteral("mark-sql")), QStringLiteral("payee"), sql)) << 200
                                           << QStringLiteral("ok") << QByteArray("DROP TABLE sync_rows") << true;
        QTest::newRow("unknown keys are dropped")
            << bodyWith(withPayload(tx(QStringLiteral("mark-extra")), QStringLiteral("mark_unknown_key"), QStringLiteral("kept?"))) << 200
            << QStringLiteral("ok") << QByteArray("mark_unknown_key") << false;
    }

    void hostilePushes()
    {
        QFETCH(QByteArray, request);
        QFETCH(int, status);
        QFETCH(QString, changeStatus);
        QFETCH(QByteArray, marker);
        QFETCH(bool, stored);
        SyncClient device(m_servers, m_user);
        const auto reply = device.send("POST", QStringLiteral("/quillby/v1/sync/push"), request);
        QCOMPARE(reply.status, status);
        if (status == 200) {
            const QJsonArray results = reply.json.value(QStringLiteral("results")).toArray();
            QCOMPARE(results.size(), 1);
            QCOMPARE(results.first().toObject().value(QStringLiteral("status")).toString(), changeStatus);
            if (changeStatus == QLatin1String("error"))
                QVERIFY(!results.first().toObject().value(QStringLiteral("message")).toString().isEmpty());
        } else {
            QVERIFY(!reply.json.value(QStringLiteral("error")).toString().isEmpty());
        }
        SyncReplica replica;
        QVERIFY(device.pullInto(replica, 500));
        QCOMPARE(everything(device).contains(marker), stored);
        if (stored) {
            // Returned exactly as sent.
            const QJsonObject sent = QJsonDocument::fromJson(request).object().value(QStringLiteral("changes")).toArray().first().toObject();
            const QJsonObject row = replica.row(QStringLiteral("transactions"), sent.value(QStringLiteral("entity_id")).toString());
            QCOMPARE(row.value(QStringLiteral("payee")), sent.value(QStringLiteral("payload")).toObject().value(QStringLiteral("payee")));
        }
        QCOMPARE(ApiTestClient(m_servers.nextPort()).get(QStringLiteral("/healthz")).status, 200);
    }

    void aRefusedChangeLeavesTheOthersOfItsPush()
    {
        SyncClient device(m_servers, m_user);
        const auto reply = device.push(list({tx(QStringLiteral("good-1")), withPayload(tx(QStringLiteral("bad-1")), QStringLiteral("amount"), QStringLiteral("x")),
                                             tx(QStringLiteral("good-2"))}));
        QCOMPARE(reply.status, 200);
        const QJsonArray results = reply.json.value(QStringLiteral("results")).toArray();
        QCOMPARE(results.size(), 3);
        QCOMPARE(results.at(0).toObject().value(QStringLiteral("status")).toString(), QStringLiteral("ok"));
        QCOMPARE(results.at(1).toObject().value(QStringLiteral("status")).toString(), QStringLiteral("error"));
        QCOMPARE(results.at(1).toObject().value(QStringLiteral("entity_id")).toString(), QStringLiteral("bad-1"));
        QCOMPARE(results.at(2).toObject().value(QStringLiteral("status")).toString(), QStringLiteral("ok"));
        const QByteArray pulled = everything(device);
        QVERIFY(pulled.contains("good-1"));
        QVERIFY(pulled.contains("good-2"));
        QVERIFY(!pulled.contains("bad-1"));
    }

    void fiveHundredChangesFit()
    {
        SyncClient device(m_servers, m_user);
        QJsonArray changes;
        for (int i = 0; i < 500; ++i)
            changes.append(tx(QStringLiteral("bulk-%1").arg(i)));
        const auto reply = device.push(changes);
        QCOMPARE(reply.status, 200);
        QCOMPARE(reply.json.value(QStringLiteral("results")).toArray().size(), 500);
    }

private:
    // Every page of a pull from the start, as text.
    static QByteArray everything(SyncClient &device)
    {
        QByteArray all;
        QString cursor;
        for (int page = 0; page < 100; ++page) {
            const auto reply = device.pull(cursor, 500);
            all += reply.body;
            cursor = reply.json.value(QStringLiteral("cursor")).toString();
            if (reply.status != 200 || !reply.json.value(QStringLiteral("has_more")).toBool())
                break;
        }
        return all;
    }

    SyncServers m_servers;
    SyncTestUser m_user;
};

QTEST_GUILESS_MAIN(TestSyncHostile)
#include "tst_synchostile.moc"
