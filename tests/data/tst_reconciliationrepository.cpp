#include "common/testdatabase.h"
#include "data/reconciliationrepository.h"
#include "data/timestamps.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

class tst_ReconciliationRepository : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void insertRoundTripsEveryField();
    void insertFillsMissingTimestamps_data();
    void insertFillsMissingTimestamps();
    void updateRewritesTheAccount();
    void findByAccountAndLatest();
    void findLatestOfNeverReconciledAccount();
    void softDeleteAndRestoreByAccount();
    void softDeleteByAccountWithoutRowsEmitsNothing();
    void markAllPendingForResyncSkipsDeletedAndPending();
    void markSyncedAndPendingSync();
    void failedWritesWarnAndEmitNothing_data();
    void failedWritesWarnAndEmitNothing();
    void silentFailures();

private:
    Reconciliation makeReconciliation(const QString &id, const QDate &statementDate,
                                      const QString &accountId = QStringLiteral("acc-1")) const;
    QStringList ids(const QList<Reconciliation> &list) const;

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<ReconciliationRepository> m_repo;
    QDateTime m_stamp;
};

void tst_ReconciliationRepository::init()
{
    m_db = std::make_unique<TestDatabase>();
    m_repo = std::make_unique<ReconciliationRepository>(m_db->database());
    m_stamp = QDateTime(QDate(2024, 3, 5), QTime(9, 5, 3), Qt::UTC);
    const QString accounts = QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) "
                                            "VALUES (?, ?, '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')");
    QVERIFY(m_db->exec(accounts, {"acc-1", "Checking"}));
    QVERIFY(m_db->exec(accounts, {"acc-2", "Savings"}));
}

void tst_ReconciliationRepository::cleanup()
{
    m_repo.reset();
    m_db.reset();
}

Reconciliation tst_ReconciliationRepository::makeReconciliation(const QString &id, const QDate &statementDate,
                                                                const QString &accountId) const
{
    Reconciliation r;
    r.id = id;
    r.accountId = accountId;
    r.statementDate = statementDate;
    r.statementBalance = 123456;
    r.reconciledBalance = 123400;
    r.completedAt = m_stamp;
    r.createdAt = m_stamp;
    r.updatedAt = m_stamp;
    return r;
}

QStringList tst_ReconciliationRepository::ids(const QList<Reconciliation> &list) const
{
    QStringList result;
    for (const Reconciliation &r : list)
        result << r.id;
    return result;
}

void tst_ReconciliationRepository::insertRoundTripsEveryField()
{
    Reconciliation r = makeReconciliation("rc1", QDate(2024, 2, 29));
    r.statementBalance = -5;
    r.reconciledBalance = 9007199254740993LL; // beyond double precision
    r.version = 3;
    r.syncStatus = SyncStatus::Synced;
    r.serverId = "srv-1";
    r.updatedAt = m_stamp.addSecs(30);

    QSignalSpy changed(m_repo.get(), &ReconciliationRepository::reconciliationsChanged);
    QVERIFY(m_repo->insert(r));
    QCOMPARE(changed.size(), 1);

    const std::optional<Reconciliation> read = m_repo->findById("rc1");
    QVERIFY(read.has_value());
    QCOMPARE(read->accountId, QStringLiteral("acc-1"));
    QCOMPARE(read->statementDate, QDate(2024, 2, 29));
    QCOMPARE(read->statementBalance, qint64(-5));
    QCOMPARE(read->reconciledBalance, qint64(9007199254740993LL));
    QCOMPARE(read->completedAt, m_stamp);
    QCOMPARE(read->version, 3);
    QCOMPARE(read->syncStatus, SyncStatus::Synced);
    QCOMPARE(read->serverId, QStringLiteral("srv-1"));
    QCOMPARE(read->createdAt, m_stamp);
    QCOMPARE(read->updatedAt, m_stamp.addSecs(30));
    QVERIFY(!read->deletedAt.has_value());
    QCOMPARE(m_db->scalar("SELECT statement_date || ' ' || completed_at FROM reconciliations").toString(),
             QStringLiteral("2024-02-29 2024-03-05T09:05:03Z"));
}

void tst_ReconciliationRepository::insertFillsMissingTimestamps_data()
{
    QTest::addColumn<bool>("createdValid");
    QTest::addColumn<bool>("updatedValid");

    QTest::newRow("bothMissing") << false << false;
    QTest::newRow("createdMissing") << false << true;
    QTest::newRow("updatedMissing") << true << false;
    QTest::newRow("bothGiven") << true << true;
}

void tst_ReconciliationRepository::insertFillsMissingTimestamps()
{
    QFETCH(bool, createdValid);
    QFETCH(bool, updatedValid);

    Reconciliation r = makeReconciliation("rc1", QDate(2024, 3, 1));
    if (!createdValid)
        r.createdAt = QDateTime();
    if (!updatedValid)
        r.updatedAt = QDateTime();

    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-1);
    QVERIFY(m_repo->insert(r));
    const QDateTime after = QDateTime::currentDateTimeUtc().addSecs(1);

    const std::optional<Reconciliation> read = m_repo->findById("rc1");
    QVERIFY(read.has_value());
    const auto check = [&](bool given, const QDateTime &value) {
        if (given)
            return value == m_stamp;
        return value.isValid() && value >= before && value <= after;
    };
    QVERIFY(check(createdValid, read->createdAt));
    QVERIFY(check(updatedValid, read->updatedAt));
    if (!createdValid && !updatedValid)
        QCOMPARE(read->createdAt, read->updatedAt);
}

void tst_ReconciliationRepository::updateRewritesTheAccount()
{
    QVERIFY(m_repo->insert(makeReconciliation("rc1", QDate(2024, 3, 1))));

    Reconciliation r = makeReconciliation("rc1", QDate(2024, 3, 31), "acc-2");
    r.statementBalance = 1;
    r.reconciledBalance = 2;
    r.completedAt = m_stamp.addDays(1);
    r.version = 5;
    r.syncStatus = SyncStatus::Conflict;
    r.serverId = "srv-2";
    r.createdAt = m_stamp.addDays(50);
    r.updatedAt = m_stamp.addDays(2);

    QSignalSpy changed(m_repo.get(), &ReconciliationRepository::reconciliationsChanged);
    QVERIFY(m_repo->update(r));
    QCOMPARE(changed.size(), 1);

    const std::optional<Reconciliation> read = m_repo->findById("rc1");
    QVERIFY(read.has_value());
    QCOMPARE(read->accountId, QStringLiteral("acc-2"));
    QCOMPARE(read->statementDate, QDate(2024, 3, 31));
    QCOMPARE(read->statementBalance, qint64(1));
    QCOMPARE(read->reconciledBalance, qint64(2));
    QCOMPARE(read->completedAt, m_stamp.addDays(1));
    QCOMPARE(read->version, 5);
    QCOMPARE(read->syncStatus, SyncStatus::Conflict);
    QCOMPARE(read->serverId, QStringLiteral("srv-2"));
    QCOMPARE(read->updatedAt, m_stamp.addDays(2));
    QCOMPARE(read->createdAt, m_stamp);
}

void tst_ReconciliationRepository::findByAccountAndLatest()
{
    QVERIFY(m_repo->insert(makeReconciliation("jan", QDate(2024, 1, 31))));
    QVERIFY(m_repo->insert(makeReconciliation("mar", QDate(2024, 3, 31))));
    QVERIFY(m_repo->insert(makeReconciliation("feb", QDate(2024, 2, 29))));
    QVERIFY(m_repo->insert(makeReconciliation("other", QDate(2024, 4, 30), "acc-2")));
    QVERIFY(m_db->exec("INSERT INTO reconciliations (id, account_id, statement_date, statement_balance, "
                       "reconciled_balance, completed_at, created_at, updated_at, deleted_at) VALUES ('gone', "
                       "'acc-1', '2024-05-31', 0, 0, 'x', 'x', 'x', '2024-06-01T00:00:00Z')"));

    QCOMPARE(ids(m_repo->findByAccount("acc-1")), QStringList({"mar", "feb", "jan"}));
    QCOMPARE(m_repo->findLatest("acc-1")->id, QStringLiteral("mar"));
    QCOMPARE(m_repo->findLatest("acc-2")->id, QStringLiteral("other"));
    QVERIFY(m_repo->findById("gone")->deletedAt.has_value());
}

void tst_ReconciliationRepository::findLatestOfNeverReconciledAccount()
{
    QVERIFY(m_repo->insert(makeReconciliation("rc1", QDate(2024, 1, 31), "acc-2")));
    QVERIFY(!m_repo->findLatest("acc-1").has_value());
    QVERIFY(m_repo->findByAccount("acc-1").isEmpty());
    QVERIFY(!m_repo->findById("no-such-id").has_value());
}

void tst_ReconciliationRepository::softDeleteAndRestoreByAccount()
{
    QVERIFY(m_repo->insert(makeReconciliation("a1", QDate(2024, 1, 31))));
    QVERIFY(m_repo->insert(makeReconciliation("a2", QDate(2024, 2, 29))));
    QVERIFY(m_repo->insert(makeReconciliation("b1", QDate(2024, 2, 29), "acc-2")));
    QVERIFY(m_repo->insert(makeReconciliation("a-old", QDate(2023, 12, 31))));
    QVERIFY(m_db->exec("UPDATE reconciliations SET deleted_at = '2020-01-01T00:00:00Z', sync_status = 'synced' "
                       "WHERE id = 'a-old'"));

    QSignalSpy changed(m_repo.get(), &ReconciliationRepository::reconciliationsChanged);
    QCOMPARE(m_repo->softDeleteByAccount("acc-1"), 2);
    QCOMPARE(changed.size(), 1);
    QVERIFY(m_repo->findByAccount("acc-1").isEmpty());
    QVERIFY(!m_repo->findLatest("acc-1").has_value());
    QCOMPARE(ids(m_repo->findByAccount("acc-2")), QStringList({"b1"}));

    const Reconciliation a1 = *m_repo->findById("a1");
    QVERIFY(a1.deletedAt.has_value());
    QCOMPARE(a1.updatedAt, *a1.deletedAt);
    QCOMPARE(a1.syncStatus, SyncStatus::Pending);
    QCOMPARE(m_repo->findById("a2")->deletedAt, a1.deletedAt);

    QCOMPARE(m_repo->softDeleteByAccount("acc-1"), 0);
    QCOMPARE(changed.size(), 1);

    const QString since = timestampToText(a1.deletedAt->addSecs(-5));
    QCOMPARE(m_repo->restoreByAccount("acc-1", since), 2);
    QCOMPARE(changed.size(), 2);
    QCOMPARE(ids(m_repo->findByAccount("acc-1")), QStringList({"a2", "a1"}));
    QVERIFY(m_repo->findById("a-old")->deletedAt.has_value());

    QCOMPARE(m_repo->restoreByAccount("acc-1", since), 0);
    QCOMPARE(changed.size(), 2);
}

void tst_ReconciliationRepository::softDeleteByAccountWithoutRowsEmitsNothing()
{
    QVERIFY(m_repo->insert(makeReconciliation("b1", QDate(2024, 1, 31), "acc-2")));
    QSignalSpy changed(m_repo.get(), &ReconciliationRepository::reconciliationsChanged);
    QCOMPARE(m_repo->softDeleteByAccount("acc-1"), 0);
    QCOMPARE(changed.size(), 0);
    QVERIFY(!m_repo->findById("b1")->deletedAt.has_value());
}

void tst_ReconciliationRepository::markAllPendingForResyncSkipsDeletedAndPending()
{
    Reconciliation synced = makeReconciliation("synced", QDate(2024, 1, 31));
    synced.syncStatus = SyncStatus::Synced;
    QVERIFY(m_repo->insert(synced));
    QVERIFY(m_repo->insert(makeReconciliation("pending", QDate(2024, 2, 29))));
    Reconciliation gone = makeReconciliation("gone", QDate(2024, 3, 31), "acc-2");
    gone.syncStatus = SyncStatus::Synced;
    QVERIFY(m_repo->insert(gone));
    QVERIFY(m_db->exec("UPDATE reconciliations SET deleted_at = '2024-04-01T00:00:00Z' WHERE id = 'gone'"));

    QSignalSpy changed(m_repo.get(), &ReconciliationRepository::reconciliationsChanged);
    QCOMPARE(m_repo->markAllPendingForResync(), 1);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(m_repo->findById("synced")->syncStatus, SyncStatus::Pending);
    QCOMPARE(m_repo->findById("gone")->syncStatus, SyncStatus::Synced);

    QCOMPARE(m_repo->markAllPendingForResync(), 0);
    QCOMPARE(changed.size(), 1);
}

void tst_ReconciliationRepository::markSyncedAndPendingSync()
{
    QVERIFY(m_repo->insert(makeReconciliation("r1", QDate(2024, 1, 31))));
    QVERIFY(m_repo->insert(makeReconciliation("r2", QDate(2024, 2, 29))));
    QVERIFY(m_repo->insert(makeReconciliation("r3", QDate(2024, 3, 31), "acc-2")));
    QVERIFY(m_repo->softDeleteByAccount("acc-2") == 1);

    QSignalSpy changed(m_repo.get(), &ReconciliationRepository::reconciliationsChanged);
    QVERIFY(m_repo->markSynced("r1", "srv-1"));
    QCOMPARE(changed.size(), 0);
    const Reconciliation r1 = *m_repo->findById("r1");
    QCOMPARE(r1.syncStatus, SyncStatus::Synced);
    QCOMPARE(r1.serverId, QStringLiteral("srv-1"));

    QStringList pending = ids(m_repo->findPendingSync());
    pending.sort();
    QCOMPARE(pending, QStringList({"r2", "r3"}));
}

void tst_ReconciliationRepository::failedWritesWarnAndEmitNothing_data()
{
    QTest::addColumn<QString>("op");
    QTest::addColumn<bool>("dropTable");

    QTest::newRow("insertUnknownAccount") << "insert" << false;
    QTest::newRow("insertDuplicateId") << "insertDuplicate" << false;
    QTest::newRow("updateToUnknownAccount") << "update" << false;
    QTest::newRow("updateDroppedTable") << "update" << true;
    QTest::newRow("softDeleteByAccount") << "softDeleteByAccount" << true;
    QTest::newRow("restoreByAccount") << "restoreByAccount" << true;
    QTest::newRow("markAllPendingForResync") << "markAllPendingForResync" << true;
}

void tst_ReconciliationRepository::failedWritesWarnAndEmitNothing()
{
    QFETCH(QString, op);
    QFETCH(bool, dropTable);

    QVERIFY(m_repo->insert(makeReconciliation("rc1", QDate(2024, 1, 31))));
    if (dropTable)
        QVERIFY(m_db->exec("DROP TABLE reconciliations"));

    const QString logged = op.startsWith("insert") ? QStringLiteral("insert") : op;
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^ReconciliationRepository::%1 failed: \\S").arg(logged)));
    QSignalSpy changed(m_repo.get(), &ReconciliationRepository::reconciliationsChanged);

    if (op == "insert") {
        QVERIFY(!m_repo->insert(makeReconciliation("rc2", QDate(2024, 2, 29), "no-such-account")));
    } else if (op == "insertDuplicate") {
        QVERIFY(!m_repo->insert(makeReconciliation("rc1", QDate(2024, 2, 29))));
    } else if (op == "update") {
        QVERIFY(!m_repo->update(makeReconciliation("rc1", QDate(2024, 2, 29), "no-such-account")));
    } else if (op == "softDeleteByAccount") {
        QCOMPARE(m_repo->softDeleteByAccount("acc-1"), -1);
    } else if (op == "restoreByAccount") {
        QCOMPARE(m_repo->restoreByAccount("acc-1", "2000-01-01T00:00:00Z"), -1);
    } else {
        QCOMPARE(m_repo->markAllPendingForResync(), -1);
    }
    QCOMPARE(changed.size(), 0);
    if (!dropTable) {
        const std::optional<Reconciliation> kept = m_repo->findById("rc1");
        QVERIFY(kept.has_value());
        QCOMPARE(kept->accountId, QStringLiteral("acc-1"));
        QCOMPARE(kept->statementDate, QDate(2024, 1, 31));
        QCOMPARE(m_db->scalar("SELECT COUNT(*) FROM reconciliations").toInt(), 1);
    }
}

void tst_ReconciliationRepository::silentFailures()
{
    QVERIFY(m_repo->insert(makeReconciliation("rc1", QDate(2024, 1, 31))));
    QVERIFY(m_db->exec("DROP TABLE reconciliations"));
    QTest::failOnWarning(QRegularExpression("."));
    QSignalSpy changed(m_repo.get(), &ReconciliationRepository::reconciliationsChanged);

    QVERIFY(!m_repo->markSynced("rc1", "srv"));
    QVERIFY(m_repo->findByAccount("acc-1").isEmpty());
    QVERIFY(!m_repo->findById("rc1").has_value());
    QVERIFY(!m_repo->findLatest("acc-1").has_value());
    QVERIFY(m_repo->findPendingSync().isEmpty());
    QCOMPARE(changed.size(), 0);
}

QTEST_GUILESS_MAIN(tst_ReconciliationRepository)
#include "tst_reconciliationrepository.moc"
