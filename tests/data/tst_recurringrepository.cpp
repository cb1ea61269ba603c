#include "common/testdatabase.h"
#include "data/recurringrepository.h"
#include "data/timestamps.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

class tst_RecurringRepository : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void insertRoundTripsEveryField();
    void nullableColumns_data();
    void nullableColumns();
    void updateStoresTheRecordAsGiven();
    void findAllOrdersActiveThenDueThenPayee();
    void findDueOnFixedDay();
    void findDueUsesTodaysDate();
    void brokenDueDateIsWarnedAndSaved_data();
    void brokenDueDateIsWarnedAndSaved();
    void validDueDateIsNotWarned();
    void softDeleteKeepsTheRow();
    void softDeleteAndRestoreByAccount();
    void markAllPendingForResyncSkipsDeletedAndPending();
    void markSyncedAndPendingSync();
    void failedWritesWarnAndEmitNothing_data();
    void failedWritesWarnAndEmitNothing();
    void silentFailures();

private:
    RecurringTransaction makeTemplate(const QString &id, const QString &payee, const QDate &nextDue,
                                      const QString &accountId = QStringLiteral("acc-1")) const;
    std::optional<QDateTime> deletedAtOf(const QString &id) const;

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<RecurringRepository> m_repo;
    QDateTime m_stamp;
};

void tst_RecurringRepository::init()
{
    m_db = std::make_unique<TestDatabase>();
    m_repo = std::make_unique<RecurringRepository>(m_db->database());
    m_stamp = QDateTime(QDate(2024, 3, 5), QTime(9, 5, 3), Qt::UTC);
    const QString accounts = QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) "
                                            "VALUES (?, ?, '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')");
    QVERIFY(m_db->exec(accounts, {"acc-1", "Checking"}));
    QVERIFY(m_db->exec(accounts, {"acc-2", "Savings"}));
    QVERIFY(m_db->exec("INSERT INTO categories (id, name, created_at, updated_at) "
                       "VALUES ('cat-1', 'Rent', '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')"));
}

void tst_RecurringRepository::cleanup()
{
    m_repo.reset();
    m_db.reset();
}

RecurringTransaction tst_RecurringRepository::makeTemplate(const QString &id, const QString &payee,
                                                           const QDate &nextDue, const QString &accountId) const
{
    RecurringTransaction r;
    r.id = id;
    r.accountId = accountId;
    r.payee = payee;
    r.amount = -150000;
    r.startDate = QDate(2024, 1, 1);
    r.nextDueDate = nextDue;
    r.createdAt = m_stamp;
    r.updatedAt = m_stamp;
    return r;
}

std::optional<QDateTime> tst_RecurringRepository::deletedAtOf(const QString &id) const
{
    const std::optional<RecurringTransaction> r = m_repo->findById(id);
    return r ? r->deletedAt : std::nullopt;
}

void tst_RecurringRepository::insertRoundTripsEveryField()
{
    RecurringTransaction r = makeTemplate("r1", "Landlord", QDate(2024, 7, 1));
    r.memo = "Flat 3";
    r.categoryId = "cat-1";
    r.frequency = Frequency::Quarterly;
    r.endDate = QDate(2026, 12, 31);
    r.autoPost = true;
    r.leadDays = 5;
    r.isActive = false;
    r.transferDestAccountId = "acc-2";
    r.version = 4;
    r.syncStatus = SyncStatus::Synced;
    r.serverId = "srv-9";
    r.updatedAt = m_stamp.addSecs(60);

    QSignalSpy changed(m_repo.get(), &RecurringRepository::recurringChanged);
    QVERIFY(m_repo->insert(r));
    QCOMPARE(changed.size(), 1);

    const std::optional<RecurringTransaction> read = m_repo->findById("r1");
    QVERIFY(read.has_value());
    QCOMPARE(read->id, r.id);
    QCOMPARE(read->accountId, r.accountId);
    QCOMPARE(read->payee, r.payee);
    QCOMPARE(read->memo, r.memo);
    QCOMPARE(read->amount, r.amount);
    QCOMPARE(read->categoryId, r.categoryId);
    QCOMPARE(read->frequency, r.frequency);
    QCOMPARE(read->startDate, r.startDate);
    QCOMPARE(read->endDate, r.endDate);
    QCOMPARE(read->nextDueDate, r.nextDueDate);
    QCOMPARE(read->autoPost, true);
    QCOMPARE(read->leadDays, 5);
    QCOMPARE(read->isActive, false);
    QCOMPARE(read->transferDestAccountId, r.transferDestAccountId);
    QCOMPARE(read->version, 4);
    QCOMPARE(read->syncStatus, SyncStatus::Synced);
    QCOMPARE(read->serverId, r.serverId);
    QCOMPARE(read->createdAt, m_stamp);
    QCOMPARE(read->updatedAt, m_stamp.addSecs(60));
    QVERIFY(!read->deletedAt.has_value());
    QCOMPARE(m_db->scalar("SELECT created_at FROM recurring_transactions WHERE id = 'r1'").toString(),
             QStringLiteral("2024-03-05T09:05:03Z"));
    QCOMPARE(m_db->scalar("SELECT frequency FROM recurring_transactions WHERE id = 'r1'").toString(),
             QStringLiteral("quarterly"));
}

void tst_RecurringRepository::nullableColumns_data()
{
    QTest::addColumn<QString>("categoryId");
    QTest::addColumn<QDate>("endDate");
    QTest::addColumn<QString>("categoryType");
    QTest::addColumn<QString>("endDateType");

    QTest::newRow("neither") << QString() << QDate() << "null" << "null";
    QTest::newRow("emptyButNotNullCategory") << QString("") << QDate() << "null" << "null";
    QTest::newRow("categoryOnly") << QString("cat-1") << QDate() << "text" << "null";
    QTest::newRow("endDateOnly") << QString() << QDate(2025, 6, 30) << "null" << "text";
}

void tst_RecurringRepository::nullableColumns()
{
    QFETCH(QString, categoryId);
    QFETCH(QDate, endDate);
    QFETCH(QString, categoryType);
    QFETCH(QString, endDateType);

    RecurringTransaction r = makeTemplate("r1", QString(), QDate(2024, 7, 1));
    r.categoryId = categoryId;
    if (endDate.isValid())
        r.endDate = endDate;
    // An unknown category would break the foreign key unless empty is NULL.
    QVERIFY(m_repo->insert(r));

    const QString types = QStringLiteral(
        "SELECT typeof(category_id) || ',' || typeof(end_date) || ',' || typeof(payee) || ',' || typeof(memo) "
        "|| ',' || typeof(server_id) FROM recurring_transactions WHERE id = 'r1'");
    QCOMPARE(m_db->scalar(types).toString(), categoryType + ',' + endDateType + ",text,text,text");

    const std::optional<RecurringTransaction> read = m_repo->findById("r1");
    QVERIFY(read.has_value());
    QCOMPARE(read->categoryId, categoryId.isEmpty() ? QString() : categoryId);
    QCOMPARE(read->endDate.has_value(), endDate.isValid());
    if (endDate.isValid())
        QCOMPARE(*read->endDate, endDate);
    QVERIFY(read->payee.isEmpty());

    // The update clears both back to NULL.
    r.categoryId.clear();
    r.endDate.reset();
    QVERIFY(m_repo->update(r));
    QCOMPARE(m_db->scalar(types).toString(), QStringLiteral("null,null,text,text,text"));
}

void tst_RecurringRepository::updateStoresTheRecordAsGiven()
{
    QVERIFY(m_repo->insert(makeTemplate("r1", "Gym", QDate(2024, 7, 1))));

    RecurringTransaction r = makeTemplate("r1", "Gym Plus", QDate(2024, 8, 1), "acc-2");
    r.memo = "upgraded";
    r.amount = -4999;
    r.categoryId = "cat-1";
    r.frequency = Frequency::Biweekly;
    r.leadDays = 3;
    r.version = 7;
    r.syncStatus = SyncStatus::Conflict;
    r.serverId = "srv-1";
    r.createdAt = m_stamp.addDays(100);
    r.updatedAt = m_stamp.addDays(2);

    QSignalSpy changed(m_repo.get(), &RecurringRepository::recurringChanged);
    QVERIFY(m_repo->update(r));
    QCOMPARE(changed.size(), 1);

    const std::optional<RecurringTransaction> read = m_repo->findById("r1");
    QVERIFY(read.has_value());
    QCOMPARE(read->payee, QStringLiteral("Gym Plus"));
    QCOMPARE(read->memo, QStringLiteral("upgraded"));
    QCOMPARE(read->amount, qint64(-4999));
    QCOMPARE(read->categoryId, QStringLiteral("cat-1"));
    QCOMPARE(read->frequency, Frequency::Biweekly);
    QCOMPARE(read->nextDueDate, QDate(2024, 8, 1));
    QCOMPARE(read->leadDays, 3);
    // Stored unchanged: no version bump, no forced status.
    QCOMPARE(read->version, 7);
    QCOMPARE(read->syncStatus, SyncStatus::Conflict);
    QCOMPARE(read->serverId, QStringLiteral("srv-1"));
    QCOMPARE(read->updatedAt, m_stamp.addDays(2));
    // The account and the creation time are not rewritten by an update.
    QCOMPARE(read->accountId, QStringLiteral("acc-1"));
    QCOMPARE(read->createdAt, m_stamp);
}

void tst_RecurringRepository::findAllOrdersActiveThenDueThenPayee()
{
    RecurringTransaction inactive = makeTemplate("r-inactive", "Aardvark Club", QDate(2024, 1, 1));
    inactive.isActive = false;
    QVERIFY(m_repo->insert(inactive));
    QVERIFY(m_repo->insert(makeTemplate("r-banana", "Banana", QDate(2024, 6, 1))));
    QVERIFY(m_repo->insert(makeTemplate("r-apple", "apple", QDate(2024, 6, 1))));
    QVERIFY(m_repo->insert(makeTemplate("r-early", "Zoo", QDate(2024, 5, 1))));
    QVERIFY(m_repo->insert(makeTemplate("r-gone", "Gone", QDate(2024, 5, 1))));
    QVERIFY(m_repo->softDelete("r-gone"));

    QStringList ids;
    for (const RecurringTransaction &r : m_repo->findAll())
        ids << r.id;
    QCOMPARE(ids, QStringList({"r-early", "r-apple", "r-banana", "r-inactive"}));
}

void tst_RecurringRepository::findDueOnFixedDay()
{
    QVERIFY(m_repo->insert(makeTemplate("due-today", "Today", QDate(2024, 6, 30))));
    QVERIFY(m_repo->insert(makeTemplate("due-earlier", "Earlier", QDate(2024, 6, 1))));
    QVERIFY(m_repo->insert(makeTemplate("due-tomorrow", "Tomorrow", QDate(2024, 7, 1))));
    RecurringTransaction inactive = makeTemplate("inactive", "Inactive", QDate(2024, 6, 1));
    inactive.isActive = false;
    QVERIFY(m_repo->insert(inactive));
    QVERIFY(m_repo->insert(makeTemplate("deleted", "Deleted", QDate(2024, 6, 1))));
    QVERIFY(m_repo->softDelete("deleted"));

    QStringList ids;
    for (const RecurringTransaction &r : m_repo->findDue(QDate(2024, 6, 30)))
        ids << r.id;
    ids.sort();
    QCOMPARE(ids, QStringList({"due-earlier", "due-today"}));
}

void tst_RecurringRepository::findDueUsesTodaysDate()
{
    const QDate today = QDate::currentDate();
    QVERIFY(m_repo->insert(makeTemplate("today", "Today", today)));
    QVERIFY(m_repo->insert(makeTemplate("next-week", "Next week", today.addDays(7))));

    const QList<RecurringTransaction> due = m_repo->findDue();
    QCOMPARE(due.size(), 1);
    QCOMPARE(due.first().id, QStringLiteral("today"));
}

void tst_RecurringRepository::brokenDueDateIsWarnedAndSaved_data()
{
    QTest::addColumn<bool>("viaUpdate");
    QTest::addColumn<QDate>("nextDue");
    QTest::addColumn<QString>("stored");

    QTest::newRow("insertBefore2000") << false << QDate(1999, 12, 31) << "1999-12-31";
    QTest::newRow("insertInvalid") << false << QDate() << "";
    QTest::newRow("updateBefore2000") << true << QDate(1999, 12, 31) << "1999-12-31";
    QTest::newRow("updateInvalid") << true << QDate() << "";
}

void tst_RecurringRepository::brokenDueDateIsWarnedAndSaved()
{
    QFETCH(bool, viaUpdate);
    QFETCH(QDate, nextDue);
    QFETCH(QString, stored);

    if (viaUpdate)
        QVERIFY(m_repo->insert(makeTemplate("r1", "Rent", QDate(2024, 7, 1))));

    RecurringTransaction r = makeTemplate("r1", "Rent", nextDue);
    r.frequency = Frequency::Monthly;
    const QString op = viaUpdate ? QStringLiteral("update") : QStringLiteral("insert");
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^RecurringRepository::%1 saving recurring with broken "
                                                           "nextDueDate: id= r1 payee= Rent nextDueDate= .*%2.* "
                                                           "startDate= .*2024-01-01.* frequency= 3$")
                                                .arg(op, stored)));
    QSignalSpy changed(m_repo.get(), &RecurringRepository::recurringChanged);
    QVERIFY(viaUpdate ? m_repo->update(r) : m_repo->insert(r));
    QCOMPARE(changed.size(), 1);
    QCOMPARE(m_db->scalar("SELECT next_due_date FROM recurring_transactions WHERE id = 'r1'").toString(), stored);
    QCOMPARE(m_db->scalar("SELECT payee || amount FROM recurring_transactions WHERE id = 'r1'").toString(),
             QStringLiteral("Rent-150000"));
}

void tst_RecurringRepository::validDueDateIsNotWarned()
{
    QTest::failOnWarning(QRegularExpression("broken nextDueDate"));
    QVERIFY(m_repo->insert(makeTemplate("r1", "Rent", QDate(2000, 1, 1))));
    QVERIFY(m_repo->update(makeTemplate("r1", "Rent", QDate(2000, 1, 1))));
}

void tst_RecurringRepository::softDeleteKeepsTheRow()
{
    RecurringTransaction r = makeTemplate("r1", "Rent", QDate(2024, 7, 1));
    r.syncStatus = SyncStatus::Synced;
    QVERIFY(m_repo->insert(r));

    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-1);
    QSignalSpy changed(m_repo.get(), &RecurringRepository::recurringChanged);
    QVERIFY(m_repo->softDelete("r1"));
    QCOMPARE(changed.size(), 1);

    QVERIFY(m_repo->findAll().isEmpty());
    const std::optional<RecurringTransaction> read = m_repo->findById("r1");
    QVERIFY(read.has_value());
    QVERIFY(read->deletedAt.has_value());
    QVERIFY(*read->deletedAt >= before);
    QCOMPARE(read->updatedAt, *read->deletedAt);
    QCOMPARE(read->syncStatus, SyncStatus::Pending);
}

void tst_RecurringRepository::softDeleteAndRestoreByAccount()
{
    QVERIFY(m_repo->insert(makeTemplate("a1", "Rent", QDate(2024, 7, 1))));
    QVERIFY(m_repo->insert(makeTemplate("a2", "Gym", QDate(2024, 7, 1))));
    QVERIFY(m_repo->insert(makeTemplate("a-old", "Old", QDate(2024, 7, 1))));
    QVERIFY(m_repo->insert(makeTemplate("b1", "Savings plan", QDate(2024, 7, 1), "acc-2")));
    // Deleted by the user long before the account was.
    QVERIFY(m_db->exec("UPDATE recurring_transactions SET deleted_at = '2020-01-01T00:00:00Z', "
                       "sync_status = 'synced' WHERE id = 'a-old'"));

    QSignalSpy changed(m_repo.get(), &RecurringRepository::recurringChanged);
    QCOMPARE(m_repo->softDeleteByAccount("acc-1"), 2);
    QCOMPARE(changed.size(), 1);
    const std::optional<QDateTime> deletedAt = deletedAtOf("a1");
    QVERIFY(deletedAt.has_value());
    QCOMPARE(deletedAtOf("a2"), deletedAt);
    QCOMPARE(deletedAtOf("a-old"), std::optional<QDateTime>(QDateTime(QDate(2020, 1, 1), QTime(0, 0), Qt::UTC)));
    QVERIFY(!deletedAtOf("b1").has_value());
    QCOMPARE(m_repo->findAll().size(), 1);

    // Nothing left to delete: no rows, no signal.
    QCOMPARE(m_repo->softDeleteByAccount("acc-1"), 0);
    QCOMPARE(changed.size(), 1);

    const QString since = timestampToText(deletedAt->addSecs(-5));
    QCOMPARE(m_repo->restoreByAccount("acc-1", since), 2);
    QCOMPARE(changed.size(), 2);
    QVERIFY(!deletedAtOf("a1").has_value());
    QVERIFY(!deletedAtOf("a2").has_value());
    QVERIFY(deletedAtOf("a-old").has_value());
    QCOMPARE(m_repo->findById("a1")->syncStatus, SyncStatus::Pending);
    QCOMPARE(m_repo->findById("a-old")->syncStatus, SyncStatus::Synced);

    QCOMPARE(m_repo->restoreByAccount("acc-1", since), 0);
    QCOMPARE(m_repo->restoreByAccount("acc-2", since), 0);
    QCOMPARE(changed.size(), 2);
}

void tst_RecurringRepository::markAllPendingForResyncSkipsDeletedAndPending()
{
    RecurringTransaction synced = makeTemplate("synced", "A", QDate(2024, 7, 1));
    synced.syncStatus = SyncStatus::Synced;
    QVERIFY(m_repo->insert(synced));
    RecurringTransaction conflict = makeTemplate("conflict", "B", QDate(2024, 7, 1));
    conflict.syncStatus = SyncStatus::Conflict;
    QVERIFY(m_repo->insert(conflict));
    QVERIFY(m_repo->insert(makeTemplate("pending", "C", QDate(2024, 7, 1))));
    QVERIFY(m_db->exec("INSERT INTO recurring_transactions (id, account_id, payee, amount, start_date, "
                       "next_due_date, sync_status, created_at, updated_at, deleted_at) VALUES ('gone', 'acc-1', "
                       "'D', 1, '2024-01-01', '2024-07-01', 'synced', 'x', 'x', '2024-02-01T00:00:00Z')"));

    QSignalSpy changed(m_repo.get(), &RecurringRepository::recurringChanged);
    QCOMPARE(m_repo->markAllPendingForResync(), 2);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(m_repo->findById("synced")->syncStatus, SyncStatus::Pending);
    QCOMPARE(m_repo->findById("conflict")->syncStatus, SyncStatus::Pending);
    QCOMPARE(m_repo->findById("gone")->syncStatus, SyncStatus::Synced);

    QCOMPARE(m_repo->markAllPendingForResync(), 0);
    QCOMPARE(changed.size(), 1);
}

void tst_RecurringRepository::markSyncedAndPendingSync()
{
    QVERIFY(m_repo->insert(makeTemplate("r1", "A", QDate(2024, 7, 1))));
    QVERIFY(m_repo->insert(makeTemplate("r2", "B", QDate(2024, 7, 1))));
    QVERIFY(m_repo->insert(makeTemplate("r3", "C", QDate(2024, 7, 1))));
    QVERIFY(m_repo->softDelete("r3"));

    QSignalSpy changed(m_repo.get(), &RecurringRepository::recurringChanged);
    QVERIFY(m_repo->markSynced("r1", "srv-1"));
    QCOMPARE(changed.size(), 0);
    QCOMPARE(m_repo->findById("r1")->serverId, QStringLiteral("srv-1"));

    QStringList pending;
    for (const RecurringTransaction &r : m_repo->findPendingSync())
        pending << r.id;
    pending.sort();
    // A deletion not yet pushed is still pending.
    QCOMPARE(pending, QStringList({"r2", "r3"}));
}

void tst_RecurringRepository::failedWritesWarnAndEmitNothing_data()
{
    QTest::addColumn<QString>("op");
    QTest::addColumn<bool>("dropTable");

    QTest::newRow("insertUnknownAccount") << "insert" << false;
    QTest::newRow("insertUnknownCategory") << "insertCategory" << false;
    QTest::newRow("insertDuplicateId") << "insertDuplicate" << false;
    QTest::newRow("update") << "update" << true;
    QTest::newRow("softDeleteByAccount") << "softDeleteByAccount" << true;
    QTest::newRow("restoreByAccount") << "restoreByAccount" << true;
    QTest::newRow("markAllPendingForResync") << "markAllPendingForResync" << true;
}

void tst_RecurringRepository::failedWritesWarnAndEmitNothing()
{
    QFETCH(QString, op);
    QFETCH(bool, dropTable);

    QVERIFY(m_repo->insert(makeTemplate("r1", "Rent", QDate(2024, 7, 1))));
    if (dropTable)
        QVERIFY(m_db->exec("DROP TABLE recurring_transactions"));

    const QString logged = op.startsWith("insert") ? QStringLiteral("insert") : op;
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^RecurringRepository::%1 failed: \\S").arg(logged)));
    QSignalSpy changed(m_repo.get(), &RecurringRepository::recurringChanged);

    if (op == "insert") {
        QVERIFY(!m_repo->insert(makeTemplate("r2", "Rent", QDate(2024, 7, 1), "no-such-account")));
    } else if (op == "insertCategory") {
        RecurringTransaction r = makeTemplate("r2", "Rent", QDate(2024, 7, 1));
        r.categoryId = "no-such-category";
        QVERIFY(!m_repo->insert(r));
    } else if (op == "insertDuplicate") {
        QVERIFY(!m_repo->insert(makeTemplate("r1", "Other", QDate(2024, 8, 1))));
        QCOMPARE(m_repo->findById("r1")->payee, QStringLiteral("Rent"));
    } else if (op == "update") {
        QVERIFY(!m_repo->update(makeTemplate("r1", "Rent", QDate(2024, 8, 1))));
    } else if (op == "softDeleteByAccount") {
        QCOMPARE(m_repo->softDeleteByAccount("acc-1"), -1);
    } else if (op == "restoreByAccount") {
        QCOMPARE(m_repo->restoreByAccount("acc-1", "2000-01-01T00:00:00Z"), -1);
    } else {
        QCOMPARE(m_repo->markAllPendingForResync(), -1);
    }
    QCOMPARE(changed.size(), 0);
    if (!dropTable)
        QCOMPARE(m_db->scalar("SELECT COUNT(*) FROM recurring_transactions").toInt(), 1);
}

void tst_RecurringRepository::silentFailures()
{
    QVERIFY(m_repo->insert(makeTemplate("r1", "Rent", QDate(2024, 7, 1))));
    QVERIFY(m_db->exec("DROP TABLE recurring_transactions"));
    QTest::failOnWarning(QRegularExpression("."));
    QSignalSpy changed(m_repo.get(), &RecurringRepository::recurringChanged);

    QVERIFY(!m_repo->softDelete("r1"));
    QVERIFY(!m_repo->markSynced("r1", "srv"));
    QVERIFY(m_repo->findAll().isEmpty());
    QVERIFY(!m_repo->findById("r1").has_value());
    QVERIFY(m_repo->findDue(QDate(2030, 1, 1)).isEmpty());
    QVERIFY(m_repo->findPendingSync().isEmpty());
    QCOMPARE(changed.size(), 0);
}

QTEST_GUILESS_MAIN(tst_RecurringRepository)
#include "tst_recurringrepository.moc"
