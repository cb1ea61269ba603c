#include "common/testdatabase.h"
#include "data/transactionrepository.h"

#include <QRegularExpression>
#include <QSqlRecord>
#include <QSignalSpy>
#include <QTest>

namespace {

const QString kAccountA = QStringLiteral("acc-a");
const QString kAccountB = QStringLiteral("acc-b");

QDateTime at(int secondsAfterNine)
{
    return QDateTime(QDate(2024, 1, 1), QTime(9, 0, 0), Qt::UTC).addSecs(secondsAfterNine);
}

QStringList payeesOf(const QList<RegisterRow> &rows)
{
    QStringList payees;
    for (const RegisterRow &row : rows)
        payees.append(row.payee);
    return payees;
}

QStringList payeesOf(const QList<Transaction> &list)
{
    QStringList payees;
    for (const Transaction &t : list)
        payees.append(t.payee);
    return payees;
}

} // namespace

class tst_TransactionRepository : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void insertRoundTripsEveryField();
    void insertWritesEmptyTextsAndNullCategory();
    void insertFailure_data();
    void insertFailure();
    void updateKeepsAccountAndCreationTime();
    void writeFailureChangesNothing_data();
    void writeFailureChangesNothing();

    void registerRows_data();
    void registerRows();
    void registerOpeningRowWithoutTransactions();
    void registerSameDateRunsInCreationOrder();
    void registerRowsByIds();
    void categoryDisplayName();

    void fullTextQuery_data();
    void fullTextQuery();
    void searchAwkwardText_data();
    void searchAwkwardText();
    void searchFilters_data();
    void searchFilters();
    void searchCapsAt200NewestFirst();
    void searchFindsSplitByOwnFieldsOnly();

    void softDeleteOneRow();
    void softDeleteMissingIdDoesNothing();
    void softDeleteAndRestoreByAccount();
    void markAllPendingForResync();
    void markSyncedEmitsNothing();
    void listQueries();
    void distinctPayeesComparesBytes();
    void queriesOnBrokenTableReturnNothingQuietly();

private:
    void addAccount(const QString &id, qint64 startingBalance = 0);
    void addCategory(const QString &id, const QString &name, const QString &parentId = QString());
    Transaction make(const QString &id, const QString &accountId, const QDate &date, const QString &payee,
                     qint64 amount, int createdOffset = 0) const;
    Transaction insertNew(const QString &id, const QString &accountId, const QDate &date,
                          const QString &payee, qint64 amount, int createdOffset = 0);
    QString snapshot() const;

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<TransactionRepository> m_repo;
};

void tst_TransactionRepository::init()
{
    m_db = std::make_unique<TestDatabase>();
    m_repo = std::make_unique<TransactionRepository>(m_db->database());
    addAccount(kAccountA);
    addAccount(kAccountB);
}

void tst_TransactionRepository::cleanup()
{
    m_repo.reset();
    m_db.reset();
}

void tst_TransactionRepository::addAccount(const QString &id, qint64 startingBalance)
{
    QVERIFY(m_db->exec("INSERT OR REPLACE INTO accounts (id, name, starting_balance, created_at, updated_at) "
                       "VALUES (?, ?, ?, '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')",
                       {id, id, startingBalance}));
}

void tst_TransactionRepository::addCategory(const QString &id, const QString &name, const QString &parentId)
{
    QVERIFY(m_db->exec("INSERT INTO categories (id, name, parent_id, created_at, updated_at) "
                       "VALUES (?, ?, ?, '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')",
                       {id, name, parentId.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : parentId}));
}

Transaction tst_TransactionRepository::make(const QString &id, const QString &accountId, const QDate &date,
                                            const QString &payee, qint64 amount, int createdOffset) const
{
    Transaction t;
    t.id = id;
    t.accountId = accountId;
    t.date = date;
    t.payee = payee;
    t.amount = amount;
    t.createdAt = at(createdOffset);
    t.updatedAt = at(createdOffset);
    return t;
}

Transaction tst_TransactionRepository::insertNew(const QString &id, const QString &accountId, const QDate &date,
                                                 const QString &payee, qint64 amount, int createdOffset)
{
    const Transaction t = make(id, accountId, date, payee, amount, createdOffset);
    if (!m_repo->insert(t))
        qWarning("insert of %s failed", qPrintable(id));
    return t;
}

// Every stored column of every row, to prove a failed write changed nothing.
QString tst_TransactionRepository::snapshot() const
{
    QSqlQuery query(m_db->database()->connection());
    query.exec("SELECT * FROM transactions ORDER BY id");
    QStringList rows;
    while (query.next()) {
        QStringList values;
        for (int i = 0; i < query.record().count(); ++i)
            values.append(query.value(i).isNull() ? QStringLiteral("<null>") : query.value(i).toString());
        rows.append(values.join('|'));
    }
    return rows.join('\n');
}

void tst_TransactionRepository::insertRoundTripsEveryField()
{
    addCategory("cat-1", "Groceries");
    Transaction t = make("t-1", kAccountA, QDate(2024, 3, 5), "Corner Shop", -1234, 5);
    t.memo = "weekly shop";
    t.categoryId = "cat-1";
    t.checkNumber = "1001";
    t.cleared = true;
    t.reconciled = true;
    t.transferLinkId = "t-2";
    t.transferDestAccountId = kAccountB;
    t.isSplit = true;
    t.recurringId = "rec-1";
    t.version = 7;
    t.syncStatus = SyncStatus::Conflict;
    t.serverId = "srv-1";
    t.updatedAt = at(99);

    QSignalSpy changed(m_repo.get(), &TransactionRepository::transactionsChanged);
    QVERIFY(m_repo->insert(t));
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.at(0).at(0).toString(), kAccountA);

    const std::optional<Transaction> read = m_repo->findById("t-1");
    QVERIFY(read.has_value());
    QCOMPARE(read->id, t.id);
    QCOMPARE(read->accountId, t.accountId);
    QCOMPARE(read->date, t.date);
    QCOMPARE(read->payee, t.payee);
    QCOMPARE(read->memo, t.memo);
    QCOMPARE(read->amount, t.amount);
    QCOMPARE(read->categoryId, t.categoryId);
    QCOMPARE(read->checkNumber, t.checkNumber);
    QCOMPARE(read->cleared, true);
    QCOMPARE(read->reconciled, true);
    QCOMPARE(read->transferLinkId, t.transferLinkId);
    QCOMPARE(read->transferDestAccountId, t.transferDestAccountId);
    QCOMPARE(read->isSplit, true);
    QCOMPARE(read->recurringId, t.recurringId);
    QCOMPARE(read->version, 7);
    QCOMPARE(read->syncStatus, SyncStatus::Conflict);
    QCOMPARE(read->serverId, t.serverId);
    QCOMPARE(read->createdAt, t.createdAt);
    QCOMPARE(read->createdAt.timeSpec(), Qt::UTC);
    QCOMPARE(read->updatedAt, t.updatedAt);
    QVERIFY(!read->deletedAt.has_value());
    QCOMPARE(m_db->scalar("SELECT date || ' ' || created_at FROM transactions").toString(),
             QStringLiteral("2024-03-05 2024-01-01T09:00:05Z"));
    QCOMPARE(m_db->scalar("SELECT typeof(cleared) || typeof(amount) FROM transactions").toString(),
             QStringLiteral("integerinteger"));
}

void tst_TransactionRepository::insertWritesEmptyTextsAndNullCategory()
{
    // A record built field by field leaves its texts null; they must still
    // be stored as '' (payee is NOT NULL), and only the category as NULL.
    Transaction t;
    t.id = "t-1";
    t.accountId = kAccountA;
    t.date = QDate(2024, 1, 2);
    t.createdAt = at(0);
    t.updatedAt = at(0);
    QVERIFY(m_repo->insert(t));
    QCOMPARE(m_db->scalar("SELECT COUNT(*) FROM transactions WHERE payee = '' AND memo = '' AND "
                          "check_number = '' AND server_id = '' AND category_id IS NULL")
                 .toInt(),
             1);
    const std::optional<Transaction> read = m_repo->findById("t-1");
    QVERIFY(read.has_value());
    QVERIFY(read->categoryId.isEmpty());
    QCOMPARE(read->syncStatus, SyncStatus::Pending);
    QCOMPARE(read->version, 1);
}

void tst_TransactionRepository::insertFailure_data()
{
    QTest::addColumn<QString>("setupSql");
    QTest::addColumn<QString>("accountId");
    QTest::addColumn<QString>("categoryId");
    QTest::addColumn<QString>("driverText");

    QTest::newRow("unknownAccount") << QString() << "no-such-account" << QString() << "FOREIGN KEY";
    QTest::newRow("unknownCategory") << QString() << kAccountA << "no-such-category" << "FOREIGN KEY";
    QTest::newRow("duplicateId") << QString() << kAccountA << QString() << "UNIQUE";
    QTest::newRow("emptyId") << QString() << kAccountA << QString() << "no id";
    // The index trigger fails after the row itself went in: the statement
    // must still leave no row behind.
    QTest::newRow("indexTriggerFails") << "DROP TABLE transactions_fts" << kAccountA << QString()
                                       << "";
}

void tst_TransactionRepository::insertFailure()
{
    QFETCH(QString, setupSql);
    QFETCH(QString, accountId);
    QFETCH(QString, categoryId);
    QFETCH(QString, driverText);

    insertNew("existing", kAccountB, QDate(2024, 1, 1), "Existing", 100);
    if (!setupSql.isEmpty())
        QVERIFY(m_db->exec(setupSql));
    const QString before = snapshot();

    const QByteArray tag = QTest::currentDataTag();
    const QString id = tag == "duplicateId" ? QStringLiteral("existing") : tag == "emptyId" ? QString() : "t-new";
    Transaction t = make(id, accountId, QDate(2024, 1, 2), "New", -500);
    t.categoryId = categoryId;
    QSignalSpy changed(m_repo.get(), &TransactionRepository::transactionsChanged);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^TransactionRepository::insert failed: .*"
                                                          + QRegularExpression::escape(driverText)));
    QVERIFY(!m_repo->insert(t));
    QCOMPARE(changed.size(), 0);
    QCOMPARE(snapshot(), before);
}

void tst_TransactionRepository::updateKeepsAccountAndCreationTime()
{
    addCategory("cat-1", "Fuel");
    Transaction t = insertNew("t-1", kAccountA, QDate(2024, 1, 1), "Gas Station", -4000);
    t.accountId = kAccountB;            // update never moves a row
    t.createdAt = at(500);
    t.date = QDate(2024, 2, 2);
    t.payee = "Fuel Stop";
    t.amount = -4500;
    t.categoryId = "cat-1";
    t.cleared = true;
    t.version = 3;
    t.syncStatus = SyncStatus::Synced;
    t.serverId = "srv-9";
    t.updatedAt = at(600);

    QSignalSpy changed(m_repo.get(), &TransactionRepository::transactionsChanged);
    QVERIFY(m_repo->update(t));
    QCOMPARE(changed.size(), 1);

    const std::optional<Transaction> read = m_repo->findById("t-1");
    QVERIFY(read.has_value());
    QCOMPARE(read->accountId, kAccountA);
    QCOMPARE(read->createdAt, at(0));
    QCOMPARE(read->date, QDate(2024, 2, 2));
    QCOMPARE(read->payee, QStringLiteral("Fuel Stop"));
    QCOMPARE(read->amount, qint64(-4500));
    QCOMPARE(read->categoryId, QStringLiteral("cat-1"));
    QCOMPARE(read->cleared, true);
    QCOMPARE(read->version, 3);
    QCOMPARE(read->syncStatus, SyncStatus::Synced);
    QCOMPARE(read->serverId, QStringLiteral("srv-9"));
    QCOMPARE(read->updatedAt, at(600));

    // Clearing the category writes NULL again, and the index follows the payee.
    t.categoryId.clear();
    QVERIFY(m_repo->update(t));
    QVERIFY(m_db->scalar("SELECT category_id IS NULL FROM transactions WHERE id = 't-1'").toBool());
    QCOMPARE(payeesOf(m_repo->search("fuel", {})), QStringList{"Fuel Stop"});
    QVERIFY(m_repo->search("gas", {}).isEmpty());
}

void tst_TransactionRepository::writeFailureChangesNothing_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("preparationSql");
    QTest::addColumn<QString>("triggerSql");

    // The trigger refuses the second row of the account, so a bulk statement
    // fails after it has already changed the first.
    const QString refuseSecond = "CREATE TRIGGER refuse_second BEFORE UPDATE ON transactions "
                                 "WHEN old.payee = 'Second' BEGIN SELECT RAISE(ABORT, 'refused by test'); END";
    QTest::newRow("update") << "update" << QString() << refuseSecond;
    QTest::newRow("softDelete") << "softDelete" << QString() << refuseSecond;
    QTest::newRow("softDeleteByAccount") << "softDeleteByAccount" << QString() << refuseSecond;
    QTest::newRow("restoreByAccount")
        << "restoreByAccount"
        << "UPDATE transactions SET deleted_at = '2024-05-01T00:00:00Z', sync_status = 'synced'" << refuseSecond;
    QTest::newRow("markAllPendingForResync")
        << "markAllPendingForResync" << "UPDATE transactions SET sync_status = 'synced'" << refuseSecond;
    // Only payee, memo and check number reach the search index; an edit of
    // them fails whole when the index is gone.
    QTest::newRow("updateSearchIndexGone") << "update" << QString() << "DROP TABLE transactions_fts";
}

void tst_TransactionRepository::writeFailureChangesNothing()
{
    QFETCH(QString, operation);
    QFETCH(QString, preparationSql);
    QFETCH(QString, triggerSql);

    insertNew("t-1", kAccountA, QDate(2024, 1, 1), "First", 100, 1);
    const Transaction second = insertNew("t-2", kAccountA, QDate(2024, 1, 2), "Second", 200, 2);
    insertNew("t-3", kAccountA, QDate(2024, 1, 3), "Third", 300, 3);
    if (!preparationSql.isEmpty())
        QVERIFY(m_db->exec(preparationSql));
    QVERIFY(m_db->exec(triggerSql));
    const QString before = snapshot();

    QSignalSpy changed(m_repo.get(), &TransactionRepository::transactionsChanged);
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression("^TransactionRepository::" + operation + " failed: .+"));
    if (operation == "update") {
        Transaction edited = second;
        edited.payee = "Edited";
        QVERIFY(!m_repo->update(edited));
    } else if (operation == "softDelete") {
        QVERIFY(!m_repo->softDelete("t-2"));
    } else if (operation == "softDeleteByAccount") {
        QCOMPARE(m_repo->softDeleteByAccount(kAccountA), -1);
    } else if (operation == "restoreByAccount") {
        QCOMPARE(m_repo->restoreByAccount(kAccountA, "2024-01-01T00:00:00Z"), -1);
    } else {
        QCOMPARE(m_repo->markAllPendingForResync(), -1);
    }
    QCOMPARE(changed.size(), 0);
    QCOMPARE(snapshot(), before);
}

void tst_TransactionRepository::registerRows_data()
{
    QTest::addColumn<qint64>("startingBalance");
    QTest::addColumn<QStringList>("payees");
    QTest::addColumn<QList<QDate>>("dates");
    QTest::addColumn<QList<qint64>>("balances");

    QTest::newRow("withStartingBalance")
        << qint64(10000) << QStringList{"Opening Balance", "Refund", "Rent"}
        << QList<QDate>{QDate(2024, 1, 3), QDate(2024, 1, 3), QDate(2024, 1, 5)}
        << QList<qint64>{10000, 10500, 8000};
    QTest::newRow("zeroStartingBalance")
        << qint64(0) << QStringList{"Refund", "Rent"} << QList<QDate>{QDate(2024, 1, 3), QDate(2024, 1, 5)}
        << QList<qint64>{500, -2000};
    QTest::newRow("negativeStartingBalance")
        << qint64(-300) << QStringList{"Opening Balance", "Refund", "Rent"}
        << QList<QDate>{QDate(2024, 1, 3), QDate(2024, 1, 3), QDate(2024, 1, 5)}
        << QList<qint64>{-300, 200, -2300};
}

void tst_TransactionRepository::registerRows()
{
    QFETCH(qint64, startingBalance);
    QFETCH(QStringList, payees);
    QFETCH(QList<QDate>, dates);
    QFETCH(QList<qint64>, balances);

    addAccount(kAccountA, startingBalance);
    insertNew("rent", kAccountA, QDate(2024, 1, 5), "Rent", -2500, 1);
    insertNew("refund", kAccountA, QDate(2024, 1, 3), "Refund", 500, 2);
    // Neither another account's rows nor deleted ones take part.
    insertNew("other", kAccountB, QDate(2023, 12, 1), "Elsewhere", 999, 3);
    insertNew("gone", kAccountA, QDate(2023, 12, 2), "Deleted", 777, 4);
    QVERIFY(m_repo->softDelete("gone"));

    QSignalSpy changed(m_repo.get(), &TransactionRepository::transactionsChanged);
    const QList<RegisterRow> rows = m_repo->findRegisterRows(kAccountA);
    QCOMPARE(changed.size(), 0);
    QCOMPARE(payeesOf(rows), payees);
    for (int i = 0; i < rows.size(); ++i) {
        QCOMPARE(rows.at(i).date, dates.at(i));
        QCOMPARE(rows.at(i).runningBalance, balances.at(i));
    }
    if (startingBalance != 0) {
        const RegisterRow &opening = rows.first();
        QVERIFY(opening.id.isEmpty());
        QVERIFY(opening.accountId.isEmpty());
        QVERIFY(opening.categoryName.isEmpty());
        QCOMPARE(opening.amount, startingBalance);
        QVERIFY(opening.cleared);
        QVERIFY(opening.reconciled);
    }
    QCOMPARE(rows.last().id, QStringLiteral("rent"));
    QCOMPARE(rows.last().accountId, kAccountA);
    QCOMPARE(rows.last().amount, qint64(-2500));
}

void tst_TransactionRepository::registerOpeningRowWithoutTransactions()
{
    addAccount(kAccountA, 4200);
    insertNew("gone", kAccountA, QDate(2020, 6, 1), "Deleted", 100);
    QVERIFY(m_repo->softDelete("gone"));

    const QList<RegisterRow> rows = m_repo->findRegisterRows(kAccountA);
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.first().payee, QStringLiteral("Opening Balance"));
    QCOMPARE(rows.first().date, QDate::currentDate());
    QCOMPARE(rows.first().runningBalance, qint64(4200));

    QVERIFY(m_repo->findRegisterRows(kAccountB).isEmpty());
    QVERIFY(m_repo->findRegisterRows("no-such-account").isEmpty());
}

void tst_TransactionRepository::registerSameDateRunsInCreationOrder()
{
    const QDate day(2024, 4, 1);
    // Inserted, and so also by rowid and id, in the opposite order of creation.
    insertNew("a", kAccountA, day, "Created third", 300, 30);
    insertNew("b", kAccountA, day, "Created first", 100, 10);
    insertNew("c", kAccountA, day, "Created second", -50, 20);

    const QList<RegisterRow> rows = m_repo->findRegisterRows(kAccountA);
    QCOMPARE(payeesOf(rows), (QStringList{"Created first", "Created second", "Created third"}));
    QCOMPARE(rows.at(0).runningBalance, qint64(100));
    QCOMPARE(rows.at(1).runningBalance, qint64(50));
    QCOMPARE(rows.at(2).runningBalance, qint64(350));
    QCOMPARE(rows.at(2).createdAt, at(30));

    // A reload sees a row added since, in its place, with balances after it moved on.
    insertNew("d", kAccountA, QDate(2024, 3, 31), "Day before", 1000, 40);
    const QList<RegisterRow> reloaded = m_repo->findRegisterRows(kAccountA);
    QCOMPARE(payeesOf(reloaded), (QStringList{"Day before", "Created first", "Created second", "Created third"}));
    QCOMPARE(reloaded.last().runningBalance, qint64(1350));
}

void tst_TransactionRepository::registerRowsByIds()
{
    addAccount(kAccountA, 5000);
    addCategory("housing", "Housing");
    addCategory("transport", "Transportation");
    addCategory("house-maint", "Maintenance", "housing");
    addCategory("car-maint", "Maintenance", "transport");
    Transaction fix = make("fix", kAccountA, QDate(2024, 1, 2), "Plumber", -4000, 1);
    fix.categoryId = "house-maint";
    QVERIFY(m_repo->insert(fix));
    insertNew("other", kAccountB, QDate(2024, 1, 3), "Elsewhere", 999, 2);
    insertNew("gone", kAccountA, QDate(2024, 1, 4), "Deleted", 777, 3);
    QVERIFY(m_repo->softDelete("gone"));
    // More ids than one statement binds, most of them unknown.
    QStringList ids{"fix", "other", "gone"};
    for (int i = 0; i < 1200; ++i)
        ids << QStringLiteral("unknown-%1").arg(i);
    insertNew("late", kAccountA, QDate(2024, 1, 5), "Last in the list", 10, 4);
    ids << "late";

    const std::optional<QList<RegisterRow>> found = m_repo->findRegisterRowsByIds(ids);
    QVERIFY(found);
    QHash<QString, RegisterRow> byId;
    for (const RegisterRow &row : *found)
        byId.insert(row.id, row);
    QCOMPARE(found->size(), 3);
    QCOMPARE(byId.keys().size(), 3);
    QVERIFY(!byId.contains("gone"));
    // The same columns and category name as the register shows.
    const QList<RegisterRow> shown = m_repo->findRegisterRows(kAccountA);
    const RegisterRow &inRegister = shown.at(1);
    QCOMPARE(inRegister.id, QStringLiteral("fix"));
    const RegisterRow &read = byId.value("fix");
    QCOMPARE(read.categoryName, QStringLiteral("Housing > Maintenance"));
    QCOMPARE(read.categoryName, inRegister.categoryName);
    QCOMPARE(read.amount, inRegister.amount);
    QCOMPARE(read.date, inRegister.date);
    QCOMPARE(read.createdAt, inRegister.createdAt);
    QCOMPARE(read.accountId, kAccountA);
    QCOMPARE(read.runningBalance, qint64(0));
    QCOMPARE(byId.value("other").accountId, kAccountB);
    QCOMPARE(byId.value("late").payee, QStringLiteral("Last in the list"));

    QCOMPARE(m_repo->findRegisterRowsByIds({})->size(), 0);
}

void tst_TransactionRepository::categoryDisplayName()
{
    addCategory("housing", "Housing");
    addCategory("transport", "Transportation");
    addCategory("house-maint", "Maintenance", "housing");
    addCategory("car-maint", "Maintenance", "transport");
    addCategory("groceries", "Groceries");
    addCategory("old", "Old Hobby");

    auto insertWithCategory = [this](const QString &id, const QString &categoryId, int offset) {
        Transaction t = make(id, kAccountA, QDate(2024, 1, 1), "Shop " + id, -100, offset);
        t.categoryId = categoryId;
        QVERIFY(m_repo->insert(t));
    };
    insertWithCategory("house", "house-maint", 1);
    insertWithCategory("food", "groceries", 2);
    insertWithCategory("none", QString(), 3);
    insertWithCategory("hobby", "old", 4);
    QVERIFY(m_db->exec("UPDATE categories SET deleted_at = '2024-02-01T00:00:00Z' WHERE id = 'old'"));

    auto names = [this] {
        QStringList result;
        for (const RegisterRow &row : m_repo->findRegisterRows(kAccountA))
            result.append(row.categoryName);
        return result;
    };
    const QStringList expectedBefore{"Housing > Maintenance", "Groceries", "", "Old Hobby"};
    QCOMPARE(names(), expectedBefore);
    const QList<RegisterRow> found = m_repo->search("shop", {});
    QCOMPARE(found.size(), 4);
    QCOMPARE(found.last().categoryName, QStringLiteral("Housing > Maintenance"));
    QCOMPARE(found.first().categoryName, QStringLiteral("Old Hobby"));

    QVERIFY(m_db->exec("UPDATE categories SET deleted_at = '2024-02-01T00:00:00Z' WHERE id = 'car-maint'"));
    QCOMPARE(names(), (QStringList{"Maintenance", "Groceries", "", "Old Hobby"}));
}

void tst_TransactionRepository::fullTextQuery_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("twoWords") << "coffee shop" << R"("coffee"* "shop"*)";
    QTest::newRow("keepsCase") << "Coffee" << R"("Coffee"*)";
    QTest::newRow("operatorWord") << "AND" << R"("AND"*)";
    QTest::newRow("operatorsOnly") << "NOT OR NEAR" << R"("NOT"* "OR"* "NEAR"*)";
    QTest::newRow("nearCall") << "NEAR(a b)" << R"("NEAR"* "a"* "b"*)";
    QTest::newRow("apostrophe") << "Joe's" << R"("Joe"* "s"*)";
    QTest::newRow("gluedQuote") << "\"quoted" << R"("quoted"*)";
    QTest::newRow("gluedStar") << "star*" << R"("star"*)";
    QTest::newRow("leadingMinus") << "-minus" << R"("minus"*)";
    QTest::newRow("columnFilter") << "payee:rent" << R"("payee"* "rent"*)";
    QTest::newRow("accented") << "Café Müller" << R"("Café"* "Müller"*)";
    QTest::newRow("digits") << "#1042" << R"("1042"*)";
    QTest::newRow("outsideBasicPlane") << QString::fromUtf8("\xF0\x9D\x90\x80x") << QString::fromUtf8("\"\xF0\x9D\x90\x80x\"*");
    QTest::newRow("emojiSeparates") << QString::fromUtf8("tea\xE2\x98\x95" "cake") << R"("tea"* "cake"*)";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("punctuationOnly") << "(( ' \" * - ^ :" << "";
    QTest::newRow("emojiOnly") << QString::fromUtf8("\xF0\x9F\x98\x80") << "";
    QTest::newRow("loneSurrogate") << QString(QChar(0xD83D)) + "x" << R"("x"*)";
}

void tst_TransactionRepository::fullTextQuery()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(TransactionRepository::fullTextQuery(text), expected);
}

void tst_TransactionRepository::searchAwkwardText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");

    const QStringList everything{"Minus Bakery", "Star Cleaners", "Nearby Market", "Coffee or Tea",
                                 "AND Sons Hardware", "Müller GmbH", "Café Luna", "Joe's Diner"};
    QTest::newRow("and") << "AND" << QStringList{"AND Sons Hardware"};
    QTest::newRow("orCoffee") << "or coffee" << QStringList{"Coffee or Tea"};
    QTest::newRow("orUpperCase") << "coffee OR" << QStringList{"Coffee or Tea"};
    QTest::newRow("not") << "NOT" << QStringList{"Nearby Market"};
    QTest::newRow("near") << "near" << QStringList{"Nearby Market"};
    QTest::newRow("nearUpperCase") << "NEAR" << QStringList{"Nearby Market"};
    QTest::newRow("nearCall") << "NEAR(" << QStringList{"Nearby Market"};
    QTest::newRow("gluedQuote") << "\"quoted" << QStringList{"Star Cleaners"};
    QTest::newRow("gluedStar") << "star*" << QStringList{"Star Cleaners"};
    QTest::newRow("cafe") << "Café" << QStringList{"Café Luna"};
    QTest::newRow("mullerLowerCase") << "müller" << QStringList{"Müller GmbH"};
    QTest::newRow("joes") << "Joe's" << QStringList{"Joe's Diner"};
    QTest::newRow("minus") << "-minus" << QStringList{"Minus Bakery"};
    QTest::newRow("checkNumber") << "#104" << QStringList{"Star Cleaners"};
    QTest::newRow("emojiBetweenWords") << QString::fromUtf8("coffee \xE2\x98\x95 tea") << QStringList{"Coffee or Tea"};
    QTest::newRow("everyWordMustMatch") << "coffee market" << QStringList{};
    QTest::newRow("noMatch") << "zzz" << QStringList{};
    QTest::newRow("parentheses") << "((" << everything;
    QTest::newRow("loneApostrophe") << "'" << everything;
    QTest::newRow("loneQuote") << "\"" << everything;
    QTest::newRow("emojiOnly") << QString::fromUtf8("\xF0\x9F\x98\x80") << everything;
}

void tst_TransactionRepository::searchAwkwardText()
{
    QFETCH(QString, text);
    QFETCH(QStringList, expected);

    struct Row { const char *payee; const char *memo; const char *check; };
    const Row rows[] = {
        {"Joe's Diner", "breakfast", ""},
        {"Café Luna", "", ""},
        {"Müller GmbH", "", ""},
        {"AND Sons Hardware", "", ""},
        {"Coffee or Tea", "", ""},
        {"Nearby Market", "NOT groceries", ""},
        {"Star Cleaners", "\"quoted\" receipt", "1042"},
        {"Minus Bakery", "", ""},
    };
    int day = 1;
    for (const Row &row : rows) {
        Transaction t = make(QString::number(day), kAccountA, QDate(2024, 1, day), QString::fromUtf8(row.payee),
                             -100, day);
        t.memo = QString::fromUtf8(row.memo);
        t.checkNumber = QString::fromUtf8(row.check);
        QVERIFY(m_repo->insert(t));
        ++day;
    }

    QTest::failOnWarning(QRegularExpression(".*"));
    QCOMPARE(payeesOf(m_repo->search(text, {})), expected);
}

void tst_TransactionRepository::searchFilters_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("accountId");
    QTest::addColumn<QString>("categoryId");
    QTest::addColumn<QDate>("dateFrom");
    QTest::addColumn<QDate>("dateTo");
    QTest::addColumn<int>("cleared");       // -1 absent, 0 false, 1 true
    QTest::addColumn<QStringList>("expected");

    const QStringList all{"Delta Market", "Gamma Market", "Beta Market", "Alpha Market"};
    QTest::newRow("noFilter") << "" << "" << "" << QDate() << QDate() << -1 << all;
    QTest::newRow("textOnly") << "market" << "" << "" << QDate() << QDate() << -1 << all;
    QTest::newRow("account") << "" << kAccountA << "" << QDate() << QDate() << -1
                             << QStringList{"Beta Market", "Alpha Market"};
    QTest::newRow("accountAndText") << "mark" << kAccountB << "" << QDate() << QDate() << -1
                                    << QStringList{"Delta Market", "Gamma Market"};
    QTest::newRow("category") << "" << "" << "food" << QDate() << QDate() << -1
                              << QStringList{"Gamma Market", "Alpha Market"};
    QTest::newRow("dateFromInclusive") << "" << "" << "" << QDate(2024, 2, 10) << QDate() << -1
                                       << QStringList{"Delta Market", "Gamma Market", "Beta Market"};
    QTest::newRow("dateToInclusive") << "" << "" << "" << QDate() << QDate(2024, 2, 10) << -1
                                     << QStringList{"Beta Market", "Alpha Market"};
    QTest::newRow("dateRange") << "" << "" << "" << QDate(2024, 2, 5) << QDate(2024, 2, 25) << -1
                               << QStringList{"Gamma Market", "Beta Market"};
    QTest::newRow("clearedTrue") << "" << "" << "" << QDate() << QDate() << 1
                                 << QStringList{"Gamma Market", "Alpha Market"};
    QTest::newRow("clearedFalse") << "" << "" << "" << QDate() << QDate() << 0
                                  << QStringList{"Delta Market", "Beta Market"};
    QTest::newRow("everything") << "alpha" << kAccountA << "food" << QDate(2024, 2, 1) << QDate(2024, 2, 1) << 1
                                << QStringList{"Alpha Market"};
    QTest::newRow("textInOtherAccount") << "gamma" << kAccountA << "" << QDate() << QDate() << -1
                                        << QStringList{};
}

void tst_TransactionRepository::searchFilters()
{
    QFETCH(QString, text);
    QFETCH(QString, accountId);
    QFETCH(QString, categoryId);
    QFETCH(QDate, dateFrom);
    QFETCH(QDate, dateTo);
    QFETCH(int, cleared);
    QFETCH(QStringList, expected);

    addCategory("food", "Groceries");
    addCategory("fuel", "Fuel");
    auto add = [this](const QString &payee, const QString &account, const QString &category, const QDate &date,
                      bool isCleared) {
        Transaction t = make(payee, account, date, payee, -100, date.day());
        t.categoryId = category;
        t.cleared = isCleared;
        QVERIFY(m_repo->insert(t));
    };
    add("Alpha Market", kAccountA, "food", QDate(2024, 2, 1), true);
    add("Beta Market", kAccountA, "fuel", QDate(2024, 2, 10), false);
    add("Gamma Market", kAccountB, "food", QDate(2024, 2, 20), true);
    add("Delta Market", kAccountB, QString(), QDate(2024, 3, 1), false);
    add("Deleted Market", kAccountA, "food", QDate(2024, 2, 15), true);
    QVERIFY(m_repo->softDelete("Deleted Market"));

    SearchFilter filter;
    filter.accountId = accountId;
    filter.categoryId = categoryId;
    filter.dateFrom = dateFrom;
    filter.dateTo = dateTo;
    if (cleared >= 0)
        filter.cleared = cleared == 1;
    const QList<RegisterRow> rows = m_repo->search(text, filter);
    QCOMPARE(payeesOf(rows), expected);
    for (const RegisterRow &row : rows)
        QCOMPARE(row.runningBalance, qint64(0));
}

void tst_TransactionRepository::searchCapsAt200NewestFirst()
{
    // 205 rows "Payee 1" .. "Payee 205", one day apart, the last one newest.
    QVERIFY(m_db->exec(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 205) "
        "INSERT INTO transactions (id, account_id, date, payee, amount, created_at, updated_at) "
        "SELECT 'bulk-' || i, ?, date('2023-01-01', '+' || i || ' days'), 'Payee ' || i, -i, "
        "'2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z' FROM n",
        {kAccountA}));
    for (const QString &text : {QStringLiteral(""), QStringLiteral("payee"), QStringLiteral("...")}) {
        const QList<RegisterRow> rows = m_repo->search(text, {});
        QCOMPARE(rows.size(), 200);
        QCOMPARE(rows.first().payee, QStringLiteral("Payee 205"));
        QCOMPARE(rows.last().payee, QStringLiteral("Payee 6"));
    }
}

void tst_TransactionRepository::searchFindsSplitByOwnFieldsOnly()
{
    addCategory("lumber-cat", "Lumber");
    Transaction t = make("split", kAccountA, QDate(2024, 1, 1), "Hardware Store", -9000);
    t.isSplit = true;
    t.memo = "weekend project";
    QVERIFY(m_repo->insert(t));
    QVERIFY(m_db->exec("INSERT INTO split_lines (id, transaction_id, category_id, amount, memo, created_at, "
                       "updated_at) VALUES ('l1', 'split', 'lumber-cat', -9000, 'oak planks', "
                       "'2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')"));
    QCOMPARE(payeesOf(m_repo->search("project", {})), QStringList{"Hardware Store"});
    QCOMPARE(payeesOf(m_repo->search("hardware weekend", {})), QStringList{"Hardware Store"});
    QVERIFY(m_repo->search("oak", {}).isEmpty());
}

void tst_TransactionRepository::softDeleteOneRow()
{
    Transaction t = insertNew("t-1", kAccountB, QDate(2024, 1, 1), "Target", 100);
    insertNew("t-2", kAccountB, QDate(2024, 1, 1), "Bystander", 100);
    QVERIFY(m_repo->markSynced("t-1", "srv-1"));

    QSignalSpy changed(m_repo.get(), &TransactionRepository::transactionsChanged);
    QVERIFY(m_repo->softDelete("t-1"));
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.at(0).at(0).toString(), kAccountB);

    const std::optional<Transaction> read = m_repo->findById("t-1");
    QVERIFY(read.has_value());
    QVERIFY(read->deletedAt.has_value());
    QCOMPARE(*read->deletedAt, read->updatedAt);
    QVERIFY(read->updatedAt > t.updatedAt);
    QCOMPARE(read->syncStatus, SyncStatus::Pending);
    QVERIFY(QRegularExpression("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\dZ$")
                .match(m_db->scalar("SELECT deleted_at FROM transactions WHERE id = 't-1'").toString())
                .hasMatch());
    QCOMPARE(payeesOf(m_repo->findByAccount(kAccountB)), QStringList{"Bystander"});
}

void tst_TransactionRepository::softDeleteMissingIdDoesNothing()
{
    insertNew("t-1", kAccountA, QDate(2024, 1, 1), "Kept", 100);
    const QString before = snapshot();
    QSignalSpy changed(m_repo.get(), &TransactionRepository::transactionsChanged);
    QTest::failOnWarning(QRegularExpression(".*"));
    QVERIFY(!m_repo->softDelete("no-such-id"));
    QVERIFY(!m_repo->softDelete(QString()));   // the register's opening row
    QCOMPARE(changed.size(), 0);
    QCOMPARE(snapshot(), before);
}

void tst_TransactionRepository::softDeleteAndRestoreByAccount()
{
    insertNew("a1", kAccountA, QDate(2024, 1, 1), "A one", 100, 1);
    insertNew("a2", kAccountA, QDate(2024, 1, 2), "A two", 200, 2);
    insertNew("early", kAccountA, QDate(2024, 1, 3), "Deleted earlier", 300, 3);
    insertNew("b1", kAccountB, QDate(2024, 1, 1), "B one", 400, 4);
    QVERIFY(m_db->exec("UPDATE transactions SET deleted_at = '2020-01-01T00:00:00Z', sync_status = 'synced' "
                       "WHERE id = 'early'"));
    QVERIFY(m_db->exec("UPDATE transactions SET sync_status = 'synced'"));

    QSignalSpy changed(m_repo.get(), &TransactionRepository::transactionsChanged);
    QCOMPARE(m_repo->softDeleteByAccount(kAccountA), 2);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.at(0).at(0).toString(), kAccountA);
    QCOMPARE(m_db->scalar("SELECT COUNT(DISTINCT deleted_at) FROM transactions WHERE id IN ('a1', 'a2')").toInt(), 1);
    QCOMPARE(m_db->scalar("SELECT COUNT(*) FROM transactions WHERE id IN ('a1', 'a2') AND deleted_at = updated_at "
                          "AND sync_status = 'pending'").toInt(),
             2);
    QCOMPARE(m_db->scalar("SELECT deleted_at IS NULL AND sync_status = 'synced' FROM transactions "
                          "WHERE id = 'b1'").toInt(),
             1);

    // Everything already deleted: nothing to do and nothing to announce.
    QCOMPARE(m_repo->softDeleteByAccount(kAccountA), 0);
    QCOMPARE(changed.size(), 1);

    // A bound after every deletion restores nothing.
    QCOMPARE(m_repo->restoreByAccount(kAccountA, "2999-01-01T00:00:00Z"), 0);
    QCOMPARE(changed.size(), 1);

    // A bound before the account's deletion but after the user's own earlier
    // delete brings back only what the account deletion took.
    QCOMPARE(m_repo->restoreByAccount(kAccountA, "2021-01-01T00:00:00Z"), 2);
    QCOMPARE(changed.size(), 2);
    QCOMPARE(changed.at(1).at(0).toString(), kAccountA);
    QCOMPARE(payeesOf(m_repo->findByAccount(kAccountA)), (QStringList{"A two", "A one"}));
    QCOMPARE(m_db->scalar("SELECT deleted_at FROM transactions WHERE id = 'early'").toString(),
             QStringLiteral("2020-01-01T00:00:00Z"));
    QCOMPARE(m_db->scalar("SELECT COUNT(*) FROM transactions WHERE sync_status = 'pending'").toInt(), 2);
}

void tst_TransactionRepository::markAllPendingForResync()
{
    insertNew("live-synced", kAccountA, QDate(2024, 1, 1), "One", 1);
    insertNew("live-pending", kAccountA, QDate(2024, 1, 2), "Two", 2);
    insertNew("deleted-synced", kAccountB, QDate(2024, 1, 3), "Three", 3);
    insertNew("live-conflict", kAccountB, QDate(2024, 1, 4), "Four", 4);
    QVERIFY(m_db->exec("UPDATE transactions SET sync_status = 'synced' WHERE id LIKE '%-synced'"));
    QVERIFY(m_db->exec("UPDATE transactions SET sync_status = 'conflict' WHERE id = 'live-conflict'"));
    QVERIFY(m_db->exec("UPDATE transactions SET deleted_at = '2024-01-05T00:00:00Z' WHERE id = 'deleted-synced'"));

    QSignalSpy changed(m_repo.get(), &TransactionRepository::transactionsChanged);
    QCOMPARE(m_repo->markAllPendingForResync(), 2);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.at(0).at(0).toString(), QString());
    QCOMPARE(m_repo->findById("deleted-synced")->syncStatus, SyncStatus::Synced);

    QCOMPARE(m_repo->markAllPendingForResync(), 0);
    QCOMPARE(changed.size(), 1);
}

void tst_TransactionRepository::markSyncedEmitsNothing()
{
    insertNew("t-1", kAccountA, QDate(2024, 1, 1), "One", 1);
    QSignalSpy changed(m_repo.get(), &TransactionRepository::transactionsChanged);
    QVERIFY(m_repo->markSynced("t-1", "srv-42"));
    QCOMPARE(changed.size(), 0);
    const std::optional<Transaction> read = m_repo->findById("t-1");
    QCOMPARE(read->syncStatus, SyncStatus::Synced);
    QCOMPARE(read->serverId, QStringLiteral("srv-42"));
    QVERIFY(m_repo->findPendingSync().isEmpty());
}

void tst_TransactionRepository::listQueries()
{
    insertNew("old", kAccountA, QDate(2024, 1, 1), "Grocer", -100, 1);
    insertNew("new-late", kAccountA, QDate(2024, 1, 9), "Grocer", -300, 9);
    insertNew("new-early", kAccountA, QDate(2024, 1, 9), "Grocer", -200, 5);
    insertNew("other", kAccountB, QDate(2024, 2, 1), "Grocer", -400, 10);
    insertNew("gone", kAccountA, QDate(2024, 3, 1), "Grocer", -500, 11);
    QVERIFY(m_repo->softDelete("gone"));
    Transaction reconciled = make("rec", kAccountA, QDate(2024, 1, 5), "Landlord", -900, 6);
    reconciled.reconciled = true;
    QVERIFY(m_repo->insert(reconciled));
    QVERIFY(m_repo->markSynced("rec", "srv-rec"));

    QStringList ids;
    for (const Transaction &t : m_repo->findByAccount(kAccountA))
        ids.append(t.id);
    QCOMPARE(ids, (QStringList{"new-late", "new-early", "rec", "old"}));

    ids.clear();
    for (const Transaction &t : m_repo->findUnreconciled(kAccountA))
        ids.append(t.id);
    QCOMPARE(ids, (QStringList{"old", "new-early", "new-late"}));

    const std::optional<Transaction> last = m_repo->findLastByPayee("Grocer", kAccountA);
    QVERIFY(last.has_value());
    QCOMPARE(last->id, QStringLiteral("new-late"));
    QVERIFY(!m_repo->findLastByPayee("grocer", kAccountA).has_value());
    QVERIFY(!m_repo->findLastByPayee("Landlord", kAccountB).has_value());

    ids.clear();
    for (const Transaction &t : m_repo->findPendingSync())
        ids.append(t.id);
    ids.sort();
    QCOMPARE(ids, (QStringList{"gone", "new-early", "new-late", "old", "other"}));

    const std::optional<Transaction> deleted = m_repo->findById("gone");
    QVERIFY(deleted.has_value());
    QVERIFY(deleted->deletedAt.has_value());
    QVERIFY(!m_repo->findById("no-such-id").has_value());
}

void tst_TransactionRepository::distinctPayeesComparesBytes()
{
    insertNew("1", kAccountA, QDate(2024, 1, 1), "apple", 1);
    insertNew("2", kAccountB, QDate(2024, 1, 1), "Zebra", 1);
    insertNew("3", kAccountA, QDate(2024, 1, 1), "Zebra", 1);
    insertNew("4", kAccountA, QDate(2024, 1, 1), "", 1);
    insertNew("5", kAccountA, QDate(2024, 1, 1), "Ángel", 1);
    insertNew("6", kAccountA, QDate(2024, 1, 1), "Removed", 1);
    QVERIFY(m_repo->softDelete("6"));
    QCOMPARE(m_repo->distinctPayees(), (QStringList{"Zebra", "apple", "Ángel"}));
}

void tst_TransactionRepository::queriesOnBrokenTableReturnNothingQuietly()
{
    addAccount(kAccountA, 500);
    insertNew("t-1", kAccountA, QDate(2024, 1, 1), "One", 1);
    QVERIFY(m_db->exec("DROP TABLE transactions"));
    QTest::failOnWarning(QRegularExpression(".*"));
    QVERIFY(m_repo->findByAccount(kAccountA).isEmpty());
    QVERIFY(!m_repo->findById("t-1").has_value());
    QVERIFY(m_repo->findPendingSync().isEmpty());
    QVERIFY(m_repo->findUnreconciled(kAccountA).isEmpty());
    QVERIFY(!m_repo->findLastByPayee("One", kAccountA).has_value());
    QVERIFY(m_repo->distinctPayees().isEmpty());
    QVERIFY(m_repo->findRegisterRows(kAccountA).isEmpty());
    QVERIFY(m_repo->search("one", {}).isEmpty());
    QVERIFY(m_repo->search(QString(), {}).isEmpty());
    QVERIFY(!m_repo->markSynced("t-1", "srv"));
}

QTEST_GUILESS_MAIN(tst_TransactionRepository)
#include "tst_transactionrepository.moc"
