#include "common/testdatabase.h"
#include "data/accountrepository.h"
#include "data/timestamps.h"
#include "data/transactionrepository.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

class tst_AccountRepository : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void insertRoundTripsEveryField();
    void nullOptionalColumnsReadAsEmpty();
    void findAllOrdersBySortOrderThenName_data();
    void findAllOrdersBySortOrderThenName();
    void softDeleteAndRestore();
    void updateStoresRecordAsGiven();
    void unknownAccountTypeReadsAndWritesAsOther();
    void missingIdChangesNothingButSucceeds();
    void markAllPendingForResync_data();
    void markAllPendingForResync();
    void markSyncedEmitsNothing();
    void updateSortOrdersWritesPositions();
    void updateSortOrdersOfEmptyListStillEmits();
    void updateSortOrdersRollsBackOnFailure();
    void duplicateIdIsRefusedWithWarning();
    void failedWritesWarnAndEmitNothing_data();
    void failedWritesWarnAndEmitNothing();
    void queriesOnBrokenTableAreEmpty();
    void balancesSumLiveTransactionsPerAccount();

private:
    Account makeAccount(const QString &id, const QString &name, int sortOrder = 0,
                        SyncStatus status = SyncStatus::Pending) const;
    bool insertTransaction(const QString &id, const QString &accountId, qint64 amount,
                           const QString &deletedAt = QString()) const;

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<AccountRepository> m_repo;
};

namespace {
const QDateTime kCreated = QDateTime(QDate(2024, 3, 5), QTime(9, 5, 3), Qt::UTC);
const QDateTime kUpdated = QDateTime(QDate(2024, 3, 6), QTime(10, 0, 0), Qt::UTC);
const QString kOldStamp = QStringLiteral("2020-01-01T00:00:00Z");

QStringList names(const QList<Account> &accounts)
{
    QStringList result;
    for (const Account &a : accounts)
        result << a.name;
    return result;
}

QStringList ids(const QList<Account> &accounts)
{
    QStringList result;
    for (const Account &a : accounts)
        result << a.id;
    return result;
}
} // namespace

void tst_AccountRepository::init()
{
    m_db = std::make_unique<TestDatabase>();
    m_repo = std::make_unique<AccountRepository>(m_db->database());
}

void tst_AccountRepository::cleanup()
{
    m_repo.reset();
    m_db.reset();
}

Account tst_AccountRepository::makeAccount(const QString &id, const QString &name, int sortOrder,
                                           SyncStatus status) const
{
    Account a;
    a.id = id;
    a.name = name;
    a.sortOrder = sortOrder;
    a.syncStatus = status;
    a.createdAt = kCreated;
    a.updatedAt = kCreated;
    return a;
}

bool tst_AccountRepository::insertTransaction(const QString &id, const QString &accountId, qint64 amount,
                                              const QString &deletedAt) const
{
    return m_db->exec("INSERT INTO transactions (id, account_id, date, payee, amount, created_at, updated_at, "
                      "deleted_at) VALUES (?, ?, '2024-01-05', 'Payee', ?, ?, ?, ?)",
                      {id, accountId, amount, kOldStamp, kOldStamp,
                       deletedAt.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(deletedAt)});
}

void tst_AccountRepository::insertRoundTripsEveryField()
{
    Account a = makeAccount("acc-1", "Everyday Checking", 4, SyncStatus::Conflict);
    a.type = AccountType::CreditCard;
    a.currency = Currency::JPY;
    a.institution = "First Bank";
    a.accountNumberLast4 = "0042";
    a.startingBalance = Q_INT64_C(9000000000123);
    a.isShared = true;
    a.version = 7;
    a.serverId = "srv-9";
    a.updatedAt = kUpdated;

    QSignalSpy changed(m_repo.get(), &AccountRepository::accountsChanged);
    QVERIFY(m_repo->insert(a));
    QCOMPARE(changed.size(), 1);

    const std::optional<Account> read = m_repo->findById("acc-1");
    QVERIFY(read.has_value());
    QCOMPARE(read->id, a.id);
    QCOMPARE(read->name, a.name);
    QCOMPARE(read->type, AccountType::CreditCard);
    QCOMPARE(read->currency, Currency::JPY);
    QCOMPARE(read->institution, a.institution);
    QCOMPARE(read->accountNumberLast4, a.accountNumberLast4);
    QCOMPARE(read->startingBalance, a.startingBalance);
    QCOMPARE(read->sortOrder, 4);
    QCOMPARE(read->isShared, true);
    QCOMPARE(read->version, 7);
    QCOMPARE(read->syncStatus, SyncStatus::Conflict);
    QCOMPARE(read->serverId, a.serverId);
    QCOMPARE(read->createdAt, kCreated);
    QCOMPARE(read->updatedAt, kUpdated);
    QVERIFY(!read->deletedAt.has_value());

    // Stored texts are the fixed vocabulary, not display names.
    QCOMPARE(m_db->scalar("SELECT account_type || '|' || currency || '|' || sync_status || '|' || is_shared "
                          "|| '|' || created_at FROM accounts WHERE id = 'acc-1'").toString(),
             QStringLiteral("credit_card|JPY|conflict|1|2024-03-05T09:05:03Z"));
    QVERIFY(m_db->scalar("SELECT deleted_at IS NULL FROM accounts WHERE id = 'acc-1'").toBool());
}

void tst_AccountRepository::nullOptionalColumnsReadAsEmpty()
{
    QVERIFY(m_db->exec("INSERT INTO accounts (id, name, created_at, updated_at, deleted_at) "
                       "VALUES ('raw', 'Raw', ?, ?, '')", {kOldStamp, kOldStamp}));
    const std::optional<Account> read = m_repo->findById("raw");
    QVERIFY(read.has_value());
    QVERIFY(read->institution.isEmpty());
    QVERIFY(read->accountNumberLast4.isEmpty());
    QVERIFY(read->serverId.isEmpty());
    // An empty deleted_at reads as no deletion.
    QVERIFY(!read->deletedAt.has_value());
    QVERIFY(!m_repo->findById("absent").has_value());
}

void tst_AccountRepository::findAllOrdersBySortOrderThenName_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<int>>("orders");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("sameOrderByName") << QStringList{"Savings", "Cash", "Brokerage"} << QList<int>{1, 1, 1}
                                     << QStringList{"Brokerage", "Cash", "Savings"};
    QTest::newRow("orderBeatsName") << QStringList{"Alpha", "Beta", "Gamma"} << QList<int>{3, 2, 1}
                                    << QStringList{"Gamma", "Beta", "Alpha"};
    QTest::newRow("newZeroFirst") << QStringList{"Zed", "Checking", "Visa"} << QList<int>{0, 1, 2}
                                  << QStringList{"Zed", "Checking", "Visa"};
    QTest::newRow("mixed") << QStringList{"Visa", "Cash", "Amex", "Loan"} << QList<int>{2, 1, 2, 1}
                           << QStringList{"Cash", "Loan", "Amex", "Visa"};
}

void tst_AccountRepository::findAllOrdersBySortOrderThenName()
{
    QFETCH(QStringList, names);
    QFETCH(QList<int>, orders);
    QFETCH(QStringList, expected);
    for (qsizetype i = 0; i < names.size(); ++i)
        QVERIFY(m_repo->insert(makeAccount(QStringLiteral("id-%1").arg(i), names.at(i), orders.at(i))));
    QCOMPARE(::names(m_repo->findAll()), expected);
}

void tst_AccountRepository::softDeleteAndRestore()
{
    QVERIFY(m_repo->insert(makeAccount("keep", "Keep", 0, SyncStatus::Synced)));
    QVERIFY(m_repo->insert(makeAccount("gone", "Gone", 1, SyncStatus::Synced)));
    QVERIFY(insertTransaction("t1", "gone", 500, kOldStamp));
    QVERIFY(m_repo->findPendingSync().isEmpty());

    QSignalSpy changed(m_repo.get(), &AccountRepository::accountsChanged);
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-1);
    QVERIFY(m_repo->softDelete("gone"));
    QCOMPARE(changed.size(), 1);

    QCOMPARE(names(m_repo->findAll()), QStringList{"Keep"});
    const std::optional<Account> deleted = m_repo->findById("gone");
    QVERIFY(deleted.has_value());
    QVERIFY(deleted->deletedAt.has_value());
    QVERIFY(*deleted->deletedAt >= before);
    QCOMPARE(deleted->updatedAt, *deleted->deletedAt);
    QCOMPARE(deleted->syncStatus, SyncStatus::Pending);
    QCOMPARE(ids(m_repo->findDeleted()), QStringList{"gone"});
    // The deletion still has to reach the server.
    QCOMPARE(ids(m_repo->findPendingSync()), QStringList{"gone"});

    QVERIFY(m_repo->markSynced("gone", "srv-gone"));
    QVERIFY(m_repo->restore("gone"));
    QCOMPARE(changed.size(), 2);
    const std::optional<Account> restored = m_repo->findById("gone");
    QVERIFY(restored.has_value());
    QVERIFY(!restored->deletedAt.has_value());
    QCOMPARE(restored->syncStatus, SyncStatus::Pending);
    QVERIFY(m_repo->findDeleted().isEmpty());
    QCOMPARE(names(m_repo->findAll()), (QStringList{"Keep", "Gone"}));
    // Restoring the account leaves its transactions to the caller.
    QCOMPARE(m_db->scalar("SELECT deleted_at FROM transactions WHERE id = 't1'").toString(), kOldStamp);
}

void tst_AccountRepository::updateStoresRecordAsGiven()
{
    QVERIFY(m_repo->insert(makeAccount("a", "Before", 0, SyncStatus::Synced)));
    QVERIFY(m_repo->softDelete("a"));
    const QString deletedAt = m_db->scalar("SELECT deleted_at FROM accounts WHERE id = 'a'").toString();

    Account edited = *m_repo->findById("a");
    edited.name = "After";
    edited.type = AccountType::Savings;
    edited.currency = Currency::EUR;
    edited.institution.clear();
    edited.startingBalance = -250;
    edited.version = 3;
    edited.syncStatus = SyncStatus::Synced;
    edited.serverId = "srv-a";
    edited.createdAt = kUpdated;     // never written by update
    edited.updatedAt = kUpdated;
    edited.deletedAt.reset();        // never written by update

    QSignalSpy changed(m_repo.get(), &AccountRepository::accountsChanged);
    QVERIFY(m_repo->update(edited));
    QCOMPARE(changed.size(), 1);

    const Account read = *m_repo->findById("a");
    QCOMPARE(read.name, QStringLiteral("After"));
    QCOMPARE(read.type, AccountType::Savings);
    QCOMPARE(read.currency, Currency::EUR);
    QCOMPARE(read.startingBalance, -250);
    QCOMPARE(read.version, 3);
    QCOMPARE(read.syncStatus, SyncStatus::Synced);
    QCOMPARE(read.serverId, QStringLiteral("srv-a"));
    QCOMPARE(read.updatedAt, kUpdated);
    QCOMPARE(read.createdAt, kCreated);
    QVERIFY(read.deletedAt.has_value());
    QCOMPARE(m_db->scalar("SELECT deleted_at FROM accounts WHERE id = 'a'").toString(), deletedAt);
}

void tst_AccountRepository::unknownAccountTypeReadsAndWritesAsOther()
{
    QVERIFY(m_db->exec("INSERT INTO accounts (id, name, account_type, currency, sync_status, created_at, "
                       "updated_at) VALUES ('b', 'Broker', 'brokerage', 'usd', 'weird', ?, ?)",
                       {kOldStamp, kOldStamp}));
    Account a = *m_repo->findById("b");
    QCOMPARE(a.type, AccountType::Other);
    QCOMPARE(a.currency, Currency::USD);
    QCOMPARE(a.syncStatus, SyncStatus::Pending);
    QVERIFY(m_repo->update(a));
    QCOMPARE(m_db->scalar("SELECT account_type || '|' || currency || '|' || sync_status FROM accounts "
                          "WHERE id = 'b'").toString(),
             QStringLiteral("other|USD|pending"));
}

void tst_AccountRepository::missingIdChangesNothingButSucceeds()
{
    QVERIFY(m_repo->insert(makeAccount("a", "Only")));
    QSignalSpy changed(m_repo.get(), &AccountRepository::accountsChanged);
    QVERIFY(m_repo->update(makeAccount("missing", "Ghost")));
    QVERIFY(m_repo->softDelete("missing"));
    QVERIFY(m_repo->restore("missing"));
    QCOMPARE(changed.size(), 3);
    QCOMPARE(m_db->scalar("SELECT COUNT(*) FROM accounts").toInt(), 1);
    QVERIFY(!m_repo->findById("missing").has_value());
}

void tst_AccountRepository::markAllPendingForResync_data()
{
    QTest::addColumn<QStringList>("statuses");   // "synced", "pending", "conflict", "deleted-synced"
    QTest::addColumn<int>("expected");

    QTest::newRow("empty") << QStringList{} << 0;
    QTest::newRow("allPending") << QStringList{"pending", "pending"} << 0;
    QTest::newRow("onlyDeletedSynced") << QStringList{"deleted-synced"} << 0;
    QTest::newRow("mixed") << QStringList{"synced", "pending", "conflict", "deleted-synced"} << 2;
}

void tst_AccountRepository::markAllPendingForResync()
{
    QFETCH(QStringList, statuses);
    QFETCH(int, expected);
    for (qsizetype i = 0; i < statuses.size(); ++i) {
        const QString id = QStringLiteral("a%1").arg(i);
        const QString status = statuses.at(i);
        const bool deleted = status.startsWith("deleted-");
        QVERIFY(m_db->exec("INSERT INTO accounts (id, name, sync_status, created_at, updated_at, deleted_at) "
                           "VALUES (?, ?, ?, ?, ?, ?)",
                           {id, id, deleted ? status.mid(8) : status, kOldStamp, kOldStamp,
                            deleted ? QVariant(kOldStamp) : QVariant(QMetaType::fromType<QString>())}));
    }

    QSignalSpy changed(m_repo.get(), &AccountRepository::accountsChanged);
    QCOMPARE(m_repo->markAllPendingForResync(), expected);
    QCOMPARE(changed.size(), expected > 0 ? 1 : 0);
    QCOMPARE(m_db->scalar("SELECT COUNT(*) FROM accounts WHERE deleted_at IS NULL AND sync_status != 'pending'")
                 .toInt(),
             0);
    // A deleted row keeps its status, and the resync leaves timestamps alone.
    QCOMPARE(m_db->scalar("SELECT COUNT(*) FROM accounts WHERE deleted_at IS NOT NULL AND sync_status = 'synced'")
                 .toInt(),
             int(statuses.count("deleted-synced")));
    QCOMPARE(m_db->scalar("SELECT COUNT(*) FROM accounts WHERE updated_at != ?", {kOldStamp}).toInt(), 0);
}

void tst_AccountRepository::markSyncedEmitsNothing()
{
    QVERIFY(m_repo->insert(makeAccount("a", "A")));
    QSignalSpy changed(m_repo.get(), &AccountRepository::accountsChanged);
    QTest::failOnWarning(QRegularExpression(".*"));
    QVERIFY(m_repo->markSynced("a", "srv-1"));
    QCOMPARE(changed.size(), 0);
    const Account read = *m_repo->findById("a");
    QCOMPARE(read.syncStatus, SyncStatus::Synced);
    QCOMPARE(read.serverId, QStringLiteral("srv-1"));
    QCOMPARE(read.updatedAt, kCreated);
    QVERIFY(m_repo->findPendingSync().isEmpty());
}

void tst_AccountRepository::updateSortOrdersWritesPositions()
{
    const QStringList initial{"a", "b", "c", "d"};
    for (qsizetype i = 0; i < initial.size(); ++i) {
        Account a = makeAccount(initial.at(i), initial.at(i).toUpper(), int(i), SyncStatus::Synced);
        a.version = 5;
        a.updatedAt = timestampFromText(kOldStamp);
        QVERIFY(m_repo->insert(a));
    }

    const QStringList dragged{"c", "a", "d", "b"};
    QList<QPair<QString, int>> order;
    for (qsizetype i = 0; i < dragged.size(); ++i)
        order.append({dragged.at(i), int(i)});

    QSignalSpy changed(m_repo.get(), &AccountRepository::accountsChanged);
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-1);
    QVERIFY(m_repo->updateSortOrders(order));
    QCOMPARE(changed.size(), 1);

    const QList<Account> all = m_repo->findAll();
    QCOMPARE(ids(all), dragged);
    for (qsizetype i = 0; i < all.size(); ++i) {
        QCOMPARE(all.at(i).sortOrder, int(i));
        QVERIFY(all.at(i).updatedAt >= before);
        QCOMPARE(all.at(i).syncStatus, SyncStatus::Synced);
        QCOMPARE(all.at(i).version, 5);
    }
}

void tst_AccountRepository::updateSortOrdersOfEmptyListStillEmits()
{
    QSignalSpy changed(m_repo.get(), &AccountRepository::accountsChanged);
    QVERIFY(m_repo->updateSortOrders({}));
    QCOMPARE(changed.size(), 1);
}

void tst_AccountRepository::updateSortOrdersRollsBackOnFailure()
{
    for (const QString &id : {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}) {
        Account a = makeAccount(id, id.toUpper(), 10, SyncStatus::Synced);
        a.updatedAt = timestampFromText(kOldStamp);
        QVERIFY(m_repo->insert(a));
    }
    // The second of three writes is refused by the database.
    QVERIFY(m_db->exec("CREATE TRIGGER refuse_b BEFORE UPDATE OF sort_order ON accounts WHEN new.id = 'b' "
                       "BEGIN SELECT RAISE(ABORT, 'refused'); END"));

    QSignalSpy changed(m_repo.get(), &AccountRepository::accountsChanged);
    QTest::failOnWarning(QRegularExpression(".*"));
    QVERIFY(!m_repo->updateSortOrders({{"a", 0}, {"b", 1}, {"c", 2}}));
    QCOMPARE(changed.size(), 0);
    QCOMPARE(m_db->scalar("SELECT COUNT(*) FROM accounts WHERE sort_order = 10 AND updated_at = ?", {kOldStamp})
                 .toInt(),
             3);

    // The connection is usable afterwards: no transaction was left open.
    QVERIFY(m_db->exec("DROP TRIGGER refuse_b"));
    QVERIFY(m_repo->updateSortOrders({{"c", 0}, {"b", 1}, {"a", 2}}));
    QCOMPARE(ids(m_repo->findAll()), (QStringList{"c", "b", "a"}));
}

void tst_AccountRepository::duplicateIdIsRefusedWithWarning()
{
    QVERIFY(m_repo->insert(makeAccount("dup", "First")));
    QSignalSpy changed(m_repo.get(), &AccountRepository::accountsChanged);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^AccountRepository::insert failed: .*UNIQUE"));
    QVERIFY(!m_repo->insert(makeAccount("dup", "Second")));
    QCOMPARE(changed.size(), 0);
    QCOMPARE(m_repo->findById("dup")->name, QStringLiteral("First"));
}

void tst_AccountRepository::failedWritesWarnAndEmitNothing_data()
{
    QTest::addColumn<QString>("operation");
    QTest::newRow("insert") << "insert";
    QTest::newRow("update") << "update";
    QTest::newRow("softDelete") << "softDelete";
    QTest::newRow("restore") << "restore";
    QTest::newRow("markAllPendingForResync") << "markAllPendingForResync";
}

void tst_AccountRepository::failedWritesWarnAndEmitNothing()
{
    QFETCH(QString, operation);
    QVERIFY(m_db->exec("DROP TABLE accounts"));
    QSignalSpy changed(m_repo.get(), &AccountRepository::accountsChanged);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(
                                           QStringLiteral("^AccountRepository::%1 failed: .+").arg(operation)));
    const Account a = makeAccount("a", "A");
    if (operation == "insert")
        QVERIFY(!m_repo->insert(a));
    else if (operation == "update")
        QVERIFY(!m_repo->update(a));
    else if (operation == "softDelete")
        QVERIFY(!m_repo->softDelete("a"));
    else if (operation == "restore")
        QVERIFY(!m_repo->restore("a"));
    else
        QCOMPARE(m_repo->markAllPendingForResync(), 0);
    QCOMPARE(changed.size(), 0);
}

void tst_AccountRepository::queriesOnBrokenTableAreEmpty()
{
    QVERIFY(m_db->exec("DROP TABLE accounts"));
    QSignalSpy changed(m_repo.get(), &AccountRepository::accountsChanged);
    QTest::failOnWarning(QRegularExpression(".*"));
    QVERIFY(m_repo->findAll().isEmpty());
    QVERIFY(!m_repo->findById("a").has_value());
    QVERIFY(m_repo->findDeleted().isEmpty());
    QVERIFY(m_repo->findPendingSync().isEmpty());
    QVERIFY(m_repo->balances().isEmpty());
    QVERIFY(!m_repo->markSynced("a", "srv"));
    QVERIFY(!m_repo->updateSortOrders({{"a", 0}}));
    QCOMPARE(changed.size(), 0);
}

void tst_AccountRepository::balancesSumLiveTransactionsPerAccount()
{
    Account checking = makeAccount("checking", "Checking");
    checking.startingBalance = 10000;
    Account card = makeAccount("card", "Card");
    card.startingBalance = -2000;
    Account empty = makeAccount("empty", "Empty");
    empty.startingBalance = 777;
    Account zero = makeAccount("zero", "Zero");
    Account closed = makeAccount("closed", "Closed");
    closed.startingBalance = 5;
    for (const Account &a : {checking, card, empty, zero, closed})
        QVERIFY(m_repo->insert(a));

    QVERIFY(insertTransaction("c1", "checking", 500));
    QVERIFY(insertTransaction("c2", "checking", -2500));
    QVERIFY(insertTransaction("c3", "checking", -99999, kOldStamp));   // deleted: not counted
    QVERIFY(insertTransaction("k1", "card", -1234));
    QVERIFY(insertTransaction("k2", "card", 34));
    QVERIFY(insertTransaction("z1", "zero", -1, kOldStamp));
    QVERIFY(insertTransaction("x1", "closed", 100));
    QVERIFY(m_repo->softDelete("closed"));

    const QHash<QString, qint64> expected{
        {"checking", 8000}, {"card", -3200}, {"empty", 777}, {"zero", 0}};
    QCOMPARE(m_repo->balances(), expected);

    // The sidebar figure is the register's last running balance.
    const TransactionRepository transactions(m_db->database());
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        const QList<RegisterRow> rows = transactions.findRegisterRows(it.key());
        const qint64 registerBalance = rows.isEmpty() ? 0 : rows.last().runningBalance;
        QCOMPARE(registerBalance, it.value());
        // One account on its own gives the same figure.
        QCOMPARE(m_repo->balance(it.key()), std::optional<qint64>(it.value()));
    }
    QCOMPARE(m_repo->balance("closed"), std::optional<qint64>());
    QCOMPARE(m_repo->balance("no-such-account"), std::optional<qint64>());
}

QTEST_GUILESS_MAIN(tst_AccountRepository)
#include "tst_accountrepository.moc"
