#include "account/apiclient.h"
#include "account/tokenmanager.h"
#include "apitestclient.h"
#include "common/memorytokenstore.h"
#include "common/servicefixture.h"
#include "common/testdatabase.h"
#include "data/accountrepository.h"
#include "data/sqltransaction.h"
#include "data/transactionrepository.h"
#include "serverprocess.h"
#include "services/accountservice.h"
#include "services/syncengine.h"
#include "services/transactionservice.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <functional>
#include <memory>

using OrlAccount::ApiClient;
using OrlAccount::TokenManager;

namespace {

const QString Password = QStringLiteral("correct horse battery staple");

// One installation of the program: its own database file, the write path
// over it, and a sync engine signed in as a user of the server.
struct Installation
{
    Installation(const QString &name, const QString &syncUrl, const QString &access, const QString &refresh)
        : fixture(name)
        , tokens(std::make_unique<MemoryTokenStore>(access, refresh))
        , api(&tokens)
    {
        tokens.loadTokens();
        api.setBaseUrl(QUrl(syncUrl));
        engine = std::make_unique<SyncEngine>(*fixture.db().database(), api);
    }

    // Runs one sync to its end; false when it failed or never ended.
    bool sync(int timeoutMs = 30000)
    {
        QSignalSpy finished(engine.get(), &SyncEngine::syncFinished);
        engine->sync();
        if (!finished.wait(timeoutMs))
            return false;
        return finished.first().first().toBool();
    }

    QVariant scalar(const QString &sql, const QVariantList &binds = {}) { return fixture.db().scalar(sql, binds); }
    int pending()
    {
        int total = 0;
        for (const char *table : {"accounts", "categories", "transactions", "recurring_transactions", "reconciliations"})
            total += scalar(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE sync_status = 'pending'").arg(QLatin1String(table)))
                         .toInt();
        return total;
    }

    // The user's data without the sync bookkeeping, for comparing installations.
    QString userData()
    {
        QStringList out;
        const QList<QPair<QString, QString>> tables = {
            {QStringLiteral("accounts"), QStringLiteral("id, name, account_type, currency, starting_balance, deleted_at")},
            {QStringLiteral("categories"), QStringLiteral("id, name, category_type, parent_id, deleted_at")},
            {QStringLiteral("transactions"),
             QStringLiteral("id, account_id, date, payee, memo, amount, category_id, cleared, transfer_link_id, "
                            "transfer_dest_account_id, is_split, deleted_at")},
            {QStringLiteral("split_lines"), QStringLiteral("transaction_id, category_id, amount, memo")},
        };
        for (const auto &[table, columns] : tables) {
            QSqlQuery query(fixture.db().database()->connection());
            if (!query.exec(QStringLiteral("SELECT %1 FROM %2 ORDER BY %1").arg(columns, table)))
                return QStringLiteral("unreadable ") + table;
            while (query.next()) {
                QStringList values;
                for (int i = 0; i < query.record().count(); ++i)
                    values << query.value(i).toString();
                out << table + QLatin1Char(':') + values.join(QLatin1Char('|'));
            }
        }
        return out.join(QLatin1Char('\n'));
    }

    ServiceFixture fixture;
    TokenManager tokens;
    ApiClient api;
    std::unique_ptr<SyncEngine> engine;
};

TransactionDraft draft(const QString &accountId, qint64 amount, const QString &payee)
{
    TransactionDraft d;
    d.accountId = accountId;
    d.date = QDate(2026, 3, 1);
    d.payee = payee;
    d.amount = amount;
    return d;
}

// A loopback HTTP server that answers from a script, for the answers a real
// server never gives: broken pages, stalls, results for rows never sent.
class ScriptedServer : public QObject
{
public:
    // path (without query) → status and body; a missing entry never answers.
    std::function<std::optional<std::pair<int, QByteArray>>(const QString &path, const QByteArray &body)> answer;
    QStringList requests;

    bool listen() { return m_server.listen(QHostAddress::LocalHost); }
    QString url() const { return QStringLiteral("http://127.0.0.1:%1/quillby/v1").arg(m_server.serverPort()); }

    ScriptedServer()
    {
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection()) {
                socket->setParent(this);
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { read(socket); });
            }
        });
    }

private:
    void read(QTcpSocket *socket)
    {
        QByteArray &buffer = m_buffers[socket];
        buffer += socket->readAll();
        const qsizetype headerEnd = buffer.indexOf("\r\n\r\n");
        if (headerEnd < 0)
            return;
        const QByteArray head = buffer.left(headerEnd);
        qsizetype length = 0;
        for (const QByteArray &line : head.split('\n')) {
            if (line.toLower().startsWith("content-length:"))
                length = line.mid(15).trimmed().toLongLong();
        }
        if (buffer.size() < headerEnd + 4 + length)
            return;
        const QByteArray body = buffer.mid(headerEnd + 4, length);
        const QString path = QString::fromLatin1(head.split(' ').value(1)).section(QLatin1Char('?'), 0, 0);
        buffer.clear();
        requests << path;
        const auto reply = answer ? answer(path, body) : std::nullopt;
        if (!reply)
            return; // stalls
        socket->write("HTTP/1.1 " + QByteArray::number(reply->first) + " X\r\nContent-Type: application/json\r\n"
                      "Content-Length: " + QByteArray::number(reply->second.size()) + "\r\nConnection: close\r\n\r\n"
                      + reply->second);
        socket->disconnectFromHost();
    }

    QTcpServer m_server;
    QHash<QTcpSocket *, QByteArray> m_buffers;
};

QByteArray json(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

QJsonObject pulledAccount(const QString &id, qint64 version)
{
    return {{QStringLiteral("id"), QStringLiteral("srv-") + id}, {QStringLiteral("client_id"), id},
            {QStringLiteral("name"), QStringLiteral("Everyday")}, {QStringLiteral("account_type"), QStringLiteral("checking")},
            {QStringLiteral("currency"), QStringLiteral("EUR")}, {QStringLiteral("starting_balance"), 1000},
            {QStringLiteral("version"), version}, {QStringLiteral("created_at"), QStringLiteral("2026-03-01T09:00:00Z")},
            {QStringLiteral("updated_at"), QStringLiteral("2026-03-01T09:00:00Z")}};
}

QJsonObject pulledTransaction(const QString &id, const QString &accountId, const QString &date)
{
    return {{QStringLiteral("id"), QStringLiteral("srv-") + id}, {QStringLiteral("client_id"), id},
            {QStringLiteral("account_id"), accountId}, {QStringLiteral("date"), date},
            {QStringLiteral("payee"), QStringLiteral("Grocer")}, {QStringLiteral("amount"), -1250},
            {QStringLiteral("version"), 1}, {QStringLiteral("created_at"), QStringLiteral("2026-03-01T09:00:00Z")},
            {QStringLiteral("updated_at"), QStringLiteral("2026-03-01T09:00:00Z")}};
}

} // namespace

class tst_SyncEngine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void stateTexts_data();
    void stateTexts();

    void twoInstallationsConverge();
    void editDuringPushStaysPendingAndWins();
    void pulledDeletionKeepsItsTimeAndIsNotSentBack();
    void undeleteAndMoveArrive();
    void sampleRowsAreNeverSent();
    void forceFullSyncSendsDeletedRowsAndKeepsNewerEdits();

    void brokenAnswers_data();
    void brokenAnswers();
    void stalledServerEndsInError();
    void resultsForRowsNotSentAreIgnored();
    void waitingForAnotherWriteIsNotAStall();
    void rowsWithBrokenDatesAreSkipped();

private:
    std::unique_ptr<Installation> install(const QString &name, const QString &email);
    std::unique_ptr<Installation> installFor(const QString &name, const QString &syncUrl);

    ServerProcess m_server;
    bool m_haveServer = false;
    QString m_email;
    int m_count = 0;
    int m_connections = 0;
};

void tst_SyncEngine::initTestCase()
{
    QString error;
    m_haveServer = m_server.start(&error);
    if (!m_haveServer)
        qWarning("quillby-server did not start (%s); the tests that need it will skip", qPrintable(error));
}

void tst_SyncEngine::init()
{
    m_email = QStringLiteral("sync.%1@example.org").arg(++m_count);
    if (m_haveServer)
        m_server.addUser(m_email, Password);
}

void tst_SyncEngine::cleanup()
{
}

std::unique_ptr<Installation> tst_SyncEngine::install(const QString &name, const QString &email)
{
    const BrowserSignIn signIn = BrowserSignIn::run(m_server.port(), email, Password);
    if (signIn.accessToken.isEmpty())
        return nullptr;
    return std::make_unique<Installation>(name + QString::number(++m_connections),
                                          m_server.baseUrl() + QStringLiteral("/quillby/v1"), signIn.accessToken,
                                          signIn.refreshToken);
}

std::unique_ptr<Installation> tst_SyncEngine::installFor(const QString &name, const QString &syncUrl)
{
    // A token the stub never checks, valid for an hour so no refresh is tried.
    const qint64 exp = QDateTime::currentSecsSinceEpoch() + 3600;
    const QByteArray payload = QJsonDocument(QJsonObject{{QStringLiteral("sub"), QStringLiteral("u")},
                                                         {QStringLiteral("exp"), exp}})
                                   .toJson(QJsonDocument::Compact)
                                   .toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
    const QString token = QStringLiteral("eyJhbGciOiJIUzI1NiJ9.") + QString::fromLatin1(payload) + QStringLiteral(".c2ln");
    return std::make_unique<Installation>(name + QString::number(++m_connections), syncUrl, token, QStringLiteral("r"));
}

#define NEED_SERVER() \
    if (!m_haveServer) \
        QSKIP("quillby-server could not be started here");

void tst_SyncEngine::stateTexts_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("text");
    QTest::newRow("idle") << int(SyncEngine::Idle) << QStringLiteral("Synced");
    QTest::newRow("syncing") << int(SyncEngine::Syncing) << QStringLiteral("Syncing...");
    QTest::newRow("error") << int(SyncEngine::Error) << QStringLiteral("Sync error");
    QTest::newRow("offline") << int(SyncEngine::Offline) << QStringLiteral("Offline");
    QTest::newRow("out of range") << 17 << QStringLiteral("Unknown");
}

void tst_SyncEngine::stateTexts()
{
    QFETCH(int, state);
    QFETCH(QString, text);
    QCOMPARE(SyncEngine::stateText(state), text);
}

void tst_SyncEngine::twoInstallationsConverge()
{
    NEED_SERVER();
    auto laptop = install(QStringLiteral("laptop"), m_email);
    auto desktop = install(QStringLiteral("desktop"), m_email);
    QVERIFY(laptop && desktop);

    ServiceFixture &a = laptop->fixture;
    const QString checking = a.addAccount(QStringLiteral("Checking"), Currency::EUR, 150000);
    const QString savings = a.addAccount(QStringLiteral("Savings"));
    const QString food = a.addCategory(QStringLiteral("Food"));
    const QString home = a.addCategory(QStringLiteral("Home"));
    a.addTransaction(checking, -4250, QStringLiteral("Market"));
    a.addTransfer(checking, savings, -20000);
    a.addSplit(checking, {{food, -3000}, {home, -1500}});
    QVERIFY(laptop->sync());
    QCOMPARE(laptop->pending(), 0);

    QVERIFY(desktop->sync());
    QCOMPARE(desktop->userData(), laptop->userData());
    QCOMPARE(desktop->pending(), 0);

    // Edits on both sides, then both sync twice.
    ServiceFixture &b = desktop->fixture;
    const Transaction bought = b.addTransaction(savings, 9900, QStringLiteral("Interest"));
    QVERIFY(a.transactionService()->create(draft(checking, -700, QStringLiteral("Bakery"))).ok());
    QVERIFY(b.transactionService()->remove(bought.id).ok());
    for (Installation *side : {laptop.get(), desktop.get(), laptop.get(), desktop.get()})
        QVERIFY(side->sync());
    QCOMPARE(desktop->userData(), laptop->userData());
    QCOMPARE(laptop->pending() + desktop->pending(), 0);
}

void tst_SyncEngine::editDuringPushStaysPendingAndWins()
{
    NEED_SERVER();
    auto laptop = install(QStringLiteral("laptop"), m_email);
    auto desktop = install(QStringLiteral("desktop"), m_email);
    QVERIFY(laptop && desktop);
    const QString account = laptop->fixture.addAccount(QStringLiteral("Checking"));
    const Transaction row = laptop->fixture.addTransaction(account, -1000, QStringLiteral("Before"));
    QVERIFY(laptop->sync());
    QVERIFY(desktop->sync());

    // The desktop changes the row on the server first.
    QVERIFY(desktop->fixture.transactionService()->edit(row.id, draft(account, -1000, QStringLiteral("Desktop"))).ok());
    QVERIFY(desktop->sync());

    // The laptop starts a sync (its batch is read and sent at once) and the
    // row is edited before the answer arrives.
    const Transaction other = laptop->fixture.addTransaction(account, -5, QStringLiteral("Other"));
    QSignalSpy finished(laptop->engine.get(), &SyncEngine::syncFinished);
    laptop->engine->sync();
    QVERIFY(laptop->fixture.transactionService()->edit(row.id, draft(account, -1000, QStringLiteral("Laptop"))).ok());
    QVERIFY(finished.wait(30000));
    QVERIFY(finished.first().first().toBool());

    // Neither the answer to the push nor the pulled desktop copy touched it.
    QCOMPARE(laptop->fixture.transaction(row.id)->payee, QStringLiteral("Laptop"));
    QCOMPARE(laptop->scalar(QStringLiteral("SELECT sync_status FROM transactions WHERE id = ?"), {row.id}).toString(),
             QStringLiteral("pending"));
    QCOMPARE(laptop->scalar(QStringLiteral("SELECT sync_status FROM transactions WHERE id = ?"), {other.id}).toString(),
             QStringLiteral("synced"));

    // The next sync sends it, and it wins as the later change everywhere.
    QVERIFY(laptop->sync());
    QVERIFY(desktop->sync());
    QCOMPARE(desktop->fixture.transaction(row.id)->payee, QStringLiteral("Laptop"));
    QCOMPARE(desktop->userData(), laptop->userData());
}

void tst_SyncEngine::pulledDeletionKeepsItsTimeAndIsNotSentBack()
{
    NEED_SERVER();
    auto laptop = install(QStringLiteral("laptop"), m_email);
    auto desktop = install(QStringLiteral("desktop"), m_email);
    QVERIFY(laptop && desktop);
    const QString account = laptop->fixture.addAccount(QStringLiteral("Checking"));
    const Transaction row = laptop->fixture.addTransaction(account, -1000);
    QVERIFY(laptop->sync());
    QVERIFY(desktop->sync());

    QVERIFY(laptop->fixture.transactionService()->remove(row.id).ok());
    const QString deletedAt =
        laptop->scalar(QStringLiteral("SELECT deleted_at FROM transactions WHERE id = ?"), {row.id}).toString();
    QVERIFY(!deletedAt.isEmpty());
    QVERIFY(laptop->sync());

    QTest::qWait(1100); // a new deletion time would differ by at least a second
    QVERIFY(desktop->sync());
    QCOMPARE(desktop->scalar(QStringLiteral("SELECT deleted_at FROM transactions WHERE id = ?"), {row.id}).toString(),
             deletedAt);
    QCOMPARE(desktop->pending(), 0);
}

void tst_SyncEngine::undeleteAndMoveArrive()
{
    NEED_SERVER();
    auto laptop = install(QStringLiteral("laptop"), m_email);
    auto desktop = install(QStringLiteral("desktop"), m_email);
    QVERIFY(laptop && desktop);
    ServiceFixture &a = laptop->fixture;
    const QString checking = a.addAccount(QStringLiteral("Checking"));
    const QString cash = a.addAccount(QStringLiteral("Cash"));
    const Transaction row = a.addTransaction(checking, -1000);
    const TransactionSnapshot before = a.transactionService()->capture({row.id});
    QVERIFY(a.transactionService()->remove(row.id).ok());
    QVERIFY(laptop->sync());
    QVERIFY(desktop->sync());
    QVERIFY(!desktop->fixture.isLive(QStringLiteral("transactions"), row.id));

    // Undo the deletion, then move the row to the other account, as a
    // client that can move rows between accounts sends it.
    QVERIFY(a.transactionService()->restore(before).ok());
    QVERIFY(a.db().exec(QStringLiteral("UPDATE transactions SET account_id = ?, version = version + 1, "
                                       "sync_status = 'pending' WHERE id = ?"),
                        {cash, row.id}));
    QVERIFY(laptop->sync());
    QVERIFY(desktop->sync());
    QVERIFY(desktop->fixture.isLive(QStringLiteral("transactions"), row.id));
    QCOMPARE(desktop->fixture.transaction(row.id)->accountId, cash);
    QCOMPARE(desktop->fixture.accounts()->balance(checking).value_or(-1), 0);
    QCOMPARE(desktop->fixture.accounts()->balance(cash).value_or(-1), -1000);
}

void tst_SyncEngine::sampleRowsAreNeverSent()
{
    NEED_SERVER();
    auto laptop = install(QStringLiteral("laptop"), m_email);
    auto desktop = install(QStringLiteral("desktop"), m_email);
    QVERIFY(laptop && desktop);
    const QString real = laptop->fixture.addAccount(QStringLiteral("Checking"));
    QVERIFY(laptop->fixture.db().exec(
        QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('sample-checking', 'Sample', "
                       "'2026-01-01T00:00:00Z', '2026-01-01T00:00:00Z')")));
    QVERIFY(laptop->sync());
    QVERIFY(desktop->sync());
    QVERIFY(desktop->fixture.account(real).has_value());
    QVERIFY(!desktop->fixture.account(QStringLiteral("sample-checking")).has_value());
    QCOMPARE(laptop->scalar(QStringLiteral("SELECT sync_status FROM accounts WHERE id = 'sample-checking'")).toString(),
             QStringLiteral("pending"));
}

void tst_SyncEngine::forceFullSyncSendsDeletedRowsAndKeepsNewerEdits()
{
    NEED_SERVER();
    auto laptop = install(QStringLiteral("laptop"), m_email);
    auto desktop = install(QStringLiteral("desktop"), m_email);
    QVERIFY(laptop && desktop);
    const QString account = laptop->fixture.addAccount(QStringLiteral("Checking"));
    const Transaction kept = laptop->fixture.addTransaction(account, -1000, QStringLiteral("Old"));
    const Transaction gone = laptop->fixture.addTransaction(account, -2000);
    QVERIFY(laptop->fixture.transactionService()->remove(gone.id).ok());
    QVERIFY(laptop->sync());
    QVERIFY(desktop->sync());
    QVERIFY(desktop->fixture.transactionService()->edit(kept.id, draft(account, -1000, QStringLiteral("New"))).ok());
    QVERIFY(desktop->sync());

    // The laptop has not pulled the desktop's edit; a full sync must not
    // send its older copy over it.
    QSignalSpy finished(laptop->engine.get(), &SyncEngine::syncFinished);
    QVERIFY(laptop->engine->forceFullSync());
    QVERIFY(!laptop->engine->forceFullSync()); // refused while it runs
    QVERIFY(finished.wait(30000));
    QCOMPARE(finished.size(), 1);
    QVERIFY(finished.first().first().toBool());
    QCOMPARE(laptop->fixture.transaction(kept.id)->payee, QStringLiteral("New"));
    QCOMPARE(laptop->pending(), 0);
    QVERIFY(laptop->scalar(QStringLiteral("SELECT COUNT(*) FROM preferences WHERE key = 'lastSyncTimestamp'")).toInt() == 1);

    QVERIFY(desktop->sync());
    QCOMPARE(desktop->fixture.transaction(kept.id)->payee, QStringLiteral("New"));
    QVERIFY(!desktop->fixture.isLive(QStringLiteral("transactions"), gone.id));
    QCOMPARE(desktop->userData(), laptop->userData());
}

void tst_SyncEngine::brokenAnswers_data()
{
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("error");

    const QJsonObject account = pulledAccount(QStringLiteral("acc-1"), 1);
    QTest::newRow("more pages without a position")
        << json({{QStringLiteral("accounts"), QJsonArray{account}}, {QStringLiteral("has_more"), true},
                 {QStringLiteral("cursor"), QString()}})
        << 200 << QStringLiteral("no position to continue from");
    QTest::newRow("transaction in an account that never arrived")
        << json({{QStringLiteral("accounts"), QJsonArray{account}},
                 {QStringLiteral("transactions"),
                  QJsonArray{pulledTransaction(QStringLiteral("tx-1"), QStringLiteral("acc-missing"), QStringLiteral("2026-03-01"))}},
                 {QStringLiteral("cursor"), QStringLiteral("c2")}, {QStringLiteral("has_more"), false}})
        << 200 << QStringLiteral("refer to records that are missing");
    QTest::newRow("server error") << QByteArray("{}") << 500 << QStringLiteral("Pull failed (HTTP 500)");
}

void tst_SyncEngine::brokenAnswers()
{
    QFETCH(QByteArray, page);
    QFETCH(int, status);
    QFETCH(QString, error);

    ScriptedServer server;
    QVERIFY(server.listen());
    server.answer = [&](const QString &path, const QByteArray &) -> std::optional<std::pair<int, QByteArray>> {
        if (path.endsWith(QLatin1String("/sync/pull")))
            return std::make_pair(status, page);
        return std::make_pair(200, QByteArray("{\"results\":[]}"));
    };
    auto installation = installFor(QStringLiteral("stub"), server.url());
    QVERIFY(installation->fixture.db().exec(
        QStringLiteral("INSERT INTO preferences (key, value) VALUES ('syncCursor', 'c1')")));

    QSignalSpy failed(installation->engine.get(), &SyncEngine::syncFailed);
    QVERIFY(!installation->sync());
    QCOMPARE(installation->engine->state(), SyncEngine::Error);
    QCOMPARE(failed.size(), 1);
    QVERIFY2(installation->engine->lastError().contains(error), qPrintable(installation->engine->lastError()));
    // Nothing of the page is stored and the position stays where it was.
    QCOMPARE(installation->scalar(QStringLiteral("SELECT COUNT(*) FROM accounts")).toInt(), 0);
    QCOMPARE(installation->scalar(QStringLiteral("SELECT value FROM preferences WHERE key = 'syncCursor'")).toString(),
             QStringLiteral("c1"));
}

void tst_SyncEngine::stalledServerEndsInError()
{
    ScriptedServer server;
    QVERIFY(server.listen());
    server.answer = [](const QString &, const QByteArray &) { return std::optional<std::pair<int, QByteArray>>(); };
    auto installation = installFor(QStringLiteral("stalled"), server.url());
    installation->engine->setRequestTimeout(500);
    QVERIFY(!installation->sync(15000));
    QCOMPARE(installation->engine->state(), SyncEngine::Error);

    // A later sync against a server that answers again succeeds.
    server.answer = [](const QString &path, const QByteArray &) -> std::optional<std::pair<int, QByteArray>> {
        if (path.endsWith(QLatin1String("/sync/pull")))
            return std::make_pair(200, QByteArray("{\"cursor\":\"c9\",\"has_more\":false}"));
        return std::make_pair(200, QByteArray("{\"results\":[]}"));
    };
    QSignalSpy states(installation->engine.get(), &SyncEngine::stateChanged);
    QVERIFY(installation->sync());
    QCOMPARE(installation->engine->state(), SyncEngine::Idle);
    QCOMPARE(states.last().first().value<SyncEngine::SyncState>(), SyncEngine::Idle);
}

void tst_SyncEngine::resultsForRowsNotSentAreIgnored()
{
    ScriptedServer server;
    QVERIFY(server.listen());
    auto installation = installFor(QStringLiteral("results"), server.url());
    const QString sent = installation->fixture.addAccount(QStringLiteral("Sent"));
    const QString sample = QStringLiteral("sample-acc");
    QVERIFY(installation->fixture.db().exec(
        QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) VALUES (?, 'Sample', "
                       "'2026-01-01T00:00:00Z', '2026-01-01T00:00:00Z')"),
        {sample}));
    QJsonArray changes;
    server.answer = [&](const QString &path, const QByteArray &body) -> std::optional<std::pair<int, QByteArray>> {
        if (path.endsWith(QLatin1String("/sync/pull")))
            return std::make_pair(200, QByteArray("{\"cursor\":\"c1\",\"has_more\":false}"));
        changes = QJsonDocument::fromJson(body).object().value(QStringLiteral("changes")).toArray();
        // An answer for the sent row, and one for a row that was never sent.
        QJsonArray results;
        for (const QString &id : {sent, sample})
            results.append(QJsonObject{{QStringLiteral("entity_type"), QStringLiteral("account")},
                                       {QStringLiteral("entity_id"), id}, {QStringLiteral("server_id"), QStringLiteral("s-") + id},
                                       {QStringLiteral("status"), QStringLiteral("ok")}, {QStringLiteral("version"), 1}});
        return std::make_pair(200, json({{QStringLiteral("results"), results}}));
    };
    QVERIFY(installation->sync());
    QCOMPARE(changes.size(), 1);
    QCOMPARE(changes.first().toObject().value(QStringLiteral("entity_id")).toString(), sent);
    QCOMPARE(installation->scalar(QStringLiteral("SELECT sync_status FROM accounts WHERE id = ?"), {sent}).toString(),
             QStringLiteral("synced"));
    QCOMPARE(installation->scalar(QStringLiteral("SELECT sync_status FROM accounts WHERE id = ?"), {sample}).toString(),
             QStringLiteral("pending"));
}

void tst_SyncEngine::waitingForAnotherWriteIsNotAStall()
{
    ScriptedServer server;
    QVERIFY(server.listen());
    auto installation = installFor(QStringLiteral("busy"), server.url());
    const QString account = installation->fixture.addAccount(QStringLiteral("Checking"));
    server.answer = [&](const QString &path, const QByteArray &) -> std::optional<std::pair<int, QByteArray>> {
        if (path.endsWith(QLatin1String("/sync/pull")))
            return std::make_pair(200, QByteArray("{\"cursor\":\"c1\",\"has_more\":false}"));
        return std::make_pair(200, json({{QStringLiteral("results"),
                                          QJsonArray{QJsonObject{{QStringLiteral("entity_type"), QStringLiteral("account")},
                                                                 {QStringLiteral("entity_id"), account},
                                                                 {QStringLiteral("server_id"), QStringLiteral("s1")},
                                                                 {QStringLiteral("status"), QStringLiteral("ok")}}}}}));
    };
    installation->engine->setRequestTimeout(300);
    QSignalSpy finished(installation->engine.get(), &SyncEngine::syncFinished);

    // The push goes out, then an import opens its transaction before the
    // answer is taken in: the engine waits for it, however long it takes.
    installation->engine->sync();
    auto import = std::make_unique<SqlTransaction>(installation->fixture.db().database()->connection());
    QVERIFY(import->isActive());
    QTest::qWait(1500);
    QCOMPARE(finished.size(), 0);
    QCOMPARE(installation->engine->state(), SyncEngine::Syncing);
    import->rollback();
    import.reset();

    QVERIFY(finished.wait(5000));
    QVERIFY(finished.first().first().toBool());
    QCOMPARE(installation->scalar(QStringLiteral("SELECT sync_status FROM accounts WHERE id = ?"), {account}).toString(),
             QStringLiteral("synced"));
}

void tst_SyncEngine::rowsWithBrokenDatesAreSkipped()
{
    ScriptedServer server;
    QVERIFY(server.listen());
    const QByteArray page =
        json({{QStringLiteral("accounts"), QJsonArray{pulledAccount(QStringLiteral("acc-1"), 1)}},
              {QStringLiteral("transactions"),
               QJsonArray{pulledTransaction(QStringLiteral("tx-old"), QStringLiteral("acc-1"), QStringLiteral("1999-12-31")),
                          pulledTransaction(QStringLiteral("tx-bad"), QStringLiteral("acc-1"), QStringLiteral("31.12.2026")),
                          pulledTransaction(QStringLiteral("tx-ok"), QStringLiteral("acc-1"), QStringLiteral("2026-03-01T10:00:00Z"))}},
              {QStringLiteral("cursor"), QStringLiteral("c2")}, {QStringLiteral("has_more"), false}});
    server.answer = [&](const QString &path, const QByteArray &) -> std::optional<std::pair<int, QByteArray>> {
        if (path.endsWith(QLatin1String("/sync/pull")))
            return std::make_pair(200, page);
        return std::make_pair(200, QByteArray("{\"results\":[]}"));
    };
    auto installation = installFor(QStringLiteral("dates"), server.url());
    QVERIFY(installation->sync());
    QCOMPARE(installation->scalar(QStringLiteral("SELECT group_concat(id || '=' || date) FROM transactions")).toString(),
             QStringLiteral("tx-ok=2026-03-01"));
    QCOMPARE(installation->scalar(QStringLiteral("SELECT value FROM preferences WHERE key = 'syncCursor'")).toString(),
             QStringLiteral("c2"));
}

QTEST_GUILESS_MAIN(tst_SyncEngine)
#include "tst_syncengine.moc"
