#include "common/servicefixture.h"
#include "data/changejournal.h"
#include "data/clock.h"
#include "data/database.h"
#include "services/categoryservice.h"
#include "services/sampledataservice.h"
#include "services/transactionservice.h"

#include <QSqlQuery>
#include <QTimeZone>
#include <QTest>

namespace {

const QString kChecking = QStringLiteral("sample-acct-checking");
const QString kSavings = QStringLiteral("sample-acct-savings");
const QString kVisa = QStringLiteral("sample-acct-visa");

// A table's rows whose ids do not begin with "sample-": the user's.
QList<QVariantMap> usersRows(const QList<QVariantMap> &rows)
{
    QList<QVariantMap> kept;
    for (const QVariantMap &row : rows) {
        if (!row.value("id").toString().startsWith("sample-"))
            kept.append(row);
    }
    return kept;
}

ServiceFixture::State usersState(const ServiceFixture::State &state)
{
    ServiceFixture::State users;
    for (auto it = state.cbegin(); it != state.cend(); ++it)
        users.insert(it.key(), usersRows(it.value()));
    return users;
}

} // namespace

// Loading is checked on 31 May 2024 over the default categories, clearing
// against rows of the user's that refer to sample rows in every way the
// schema allows.
class tst_SampleDataService : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void loadInsertsTheDataSet();
    void loadFindsCategoriesByName_data();
    void loadFindsCategoriesByName();
    void transferHalvesNameEachOther();
    void loadTwiceIsRefused();
    void loadLeavesUserRowsAlone();
    void failedLoadWritesNothing();
    void clearWithoutUserReferences();
    void clearKeepsWhatUserRowsReferTo_data();
    void clearKeepsWhatUserRowsReferTo();
    void failedClearRemovesNothing();
    void loadAndClearAnnounceOneChangeSetEach();

private:
    QVariant scalar(const QString &sql, const QVariantList &binds = {}) { return m_fixture->db().scalar(sql, binds); }
    QStringList column(const QString &sql, const QVariantList &binds = {});
    int sampleRows();

    std::unique_ptr<ServiceFixture> m_fixture;
    std::unique_ptr<SampleDataService> m_service;
};

void tst_SampleDataService::init()
{
    Clock::setToday(QDate(2024, 5, 31));
    Clock::setNow(QDateTime(QDate(2024, 5, 31), QTime(14, 30), QTimeZone::utc()));
    m_fixture = std::make_unique<ServiceFixture>();
    CategoryService(m_fixture->categories()).ensureDefaultCategories();
    m_service = std::make_unique<SampleDataService>(m_fixture->db().database());
}

void tst_SampleDataService::cleanup()
{
    m_service.reset();
    m_fixture.reset();
    Clock::setToday(QDate());
    Clock::setNow(QDateTime());
}

QStringList tst_SampleDataService::column(const QString &sql, const QVariantList &binds)
{
    QStringList values;
    QSqlQuery query(m_fixture->db().database()->connection());
    query.prepare(sql);
    for (const QVariant &bind : binds)
        query.addBindValue(bind);
    if (!query.exec())
        return {QStringLiteral("query failed: ") + sql};
    while (query.next())
        values.append(query.value(0).isNull() ? QStringLiteral("NULL") : query.value(0).toString());
    return values;
}

int tst_SampleDataService::sampleRows()
{
    int total = 0;
    for (const char *table : {"accounts", "transactions", "recurring_transactions", "split_lines", "reconciliations"})
        total += scalar(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE id LIKE 'sample-%'").arg(table)).toInt();
    return total;
}

void tst_SampleDataService::loadInsertsTheDataSet()
{
    QVERIFY(!m_service->hasSampleData());
    const Result<int> loaded = m_service->loadSampleData();
    QVERIFY2(loaded.ok(), qPrintable(loaded.error()));
    QCOMPARE(loaded.value(), 3 + 49 + 3);
    QVERIFY(m_service->hasSampleData());
    QCOMPARE(sampleRows(), 55);

    QCOMPARE(column("SELECT name || '|' || account_type || '|' || starting_balance || '|' || sort_order FROM accounts "
                    "ORDER BY sort_order"),
             (QStringList{"Main Checking|checking|250000|0", "Savings|savings|1000000|1",
                          "Visa Rewards|credit_card|0|2"}));
    QCOMPARE(column("SELECT COUNT(*) || '|' || MIN(date) || '|' || MAX(date) FROM transactions "
                    "GROUP BY account_id ORDER BY account_id"),
             (QStringList{"33|2024-04-01|2024-05-31", "4|2024-04-16|2024-05-31", "12|2024-04-06|2024-05-29"}));
    QCOMPARE(scalar("SELECT starting_balance + SUM(amount) FROM accounts a JOIN transactions t ON t.account_id = a.id "
                    "WHERE a.id = ?",
                    {kChecking})
                 .toLongLong(),
             1125960);
    // Statuses: reconciled up to 30 days ago in checking, then cleared, then neither.
    QCOMPARE(column("SELECT cleared || reconciled || '|' || COUNT(*) FROM transactions WHERE account_id = ? "
                    "GROUP BY cleared, reconciled ORDER BY cleared, reconciled",
                    {kChecking}),
             (QStringList{"00|7", "10|10", "11|16"}));
    QCOMPARE(column("SELECT check_number FROM transactions WHERE check_number IS NOT NULL ORDER BY date"),
             (QStringList{"1041", "1042", "1043"}));

    // Every row new and unsynced, stamped once.
    for (const char *table : {"accounts", "transactions", "recurring_transactions"}) {
        QCOMPARE(column(QStringLiteral("SELECT DISTINCT version || '|' || sync_status || '|' || created_at || '|' || "
                                       "updated_at FROM %1")
                            .arg(table)),
                 QStringList{"1|pending|2024-05-31T14:30:00Z|2024-05-31T14:30:00Z"});
    }
    QCOMPARE(scalar("SELECT COUNT(*) FROM transactions WHERE id GLOB 'sample-txn-[0-9a-f][0-9a-f][0-9a-f][0-9a-f]"
                    "[0-9a-f][0-9a-f][0-9a-f][0-9a-f]'")
                 .toInt(),
             49);

    QCOMPARE(column("SELECT payee || '|' || amount || '|' || frequency || '|' || start_date || '|' || next_due_date || "
                    "'|' || auto_post || is_active || '|' || account_id FROM recurring_transactions "
                    "WHERE id GLOB 'sample-rec-*' ORDER BY next_due_date, payee"),
             (QStringList{"Pinecrest Apartments|-145000|monthly|2024-04-01|2024-06-01|01|sample-acct-checking",
                          "Transfer to Savings|-50000|monthly|2024-04-01|2024-06-01|01|sample-acct-checking",
                          "Brightpath Inc|285000|biweekly|2024-04-01|2024-06-08|01|sample-acct-checking"}));
}

void tst_SampleDataService::loadFindsCategoriesByName_data()
{
    QTest::addColumn<QString>("setup");              // run before loading
    QTest::addColumn<QStringList>("categories");     // of checking's first five rows and of the card's phone case

    QTest::newRow("defaults") << QString()
                              << QStringList{"Salary / Wages", "Housing/Rent/Mortgage Payment", "Groceries",
                                             "Transportation/Gas/Fuel", "Utilities/Electric", "Shopping/Electronics"};
    QTest::newRow("deletedCategory") << "UPDATE categories SET deleted_at = '2024-01-01T00:00:00Z' WHERE name = "
                                        "'Groceries'"
                                     << QStringList{"Salary / Wages", "Housing/Rent/Mortgage Payment", "NULL",
                                                    "Transportation/Gas/Fuel", "Utilities/Electric",
                                                    "Shopping/Electronics"};
    QTest::newRow("noCategories") << "DELETE FROM categories"
                                  << QStringList{"NULL", "NULL", "NULL", "NULL", "NULL", "NULL"};
}

void tst_SampleDataService::loadFindsCategoriesByName()
{
    QFETCH(QString, setup);
    QFETCH(QStringList, categories);
    if (!setup.isEmpty())
        QVERIFY(m_fixture->db().exec(setup));
    QVERIFY(m_service->loadSampleData().ok());
    const QString name = QStringLiteral(
        "SELECT COALESCE((SELECT COALESCE(p.name || '/', '') || c.name FROM categories c "
        "LEFT JOIN categories p ON c.parent_id = p.id WHERE c.id = t.category_id), 'NULL') FROM transactions t ");
    QStringList actual = column(name + "WHERE t.account_id = ? ORDER BY t.date LIMIT 5", {kChecking});
    actual += column(name + "WHERE t.memo = 'Phone case'");
    QCOMPARE(actual, categories);
    // Transfers and card payments are uncategorised whatever the categories.
    QCOMPARE(scalar("SELECT COUNT(*) FROM transactions WHERE category_id IS NULL AND (transfer_link_id IS NOT NULL OR "
                    "payee = 'Payment - Thank You')")
                 .toInt(),
             6);
}

void tst_SampleDataService::transferHalvesNameEachOther()
{
    QVERIFY(m_service->loadSampleData().ok());
    QCOMPARE(column("SELECT o.date || '|' || o.account_id || '>' || o.transfer_dest_account_id || '|' || o.amount || '|' "
                    "|| o.cleared || o.reconciled || '|' || i.account_id || '>' || i.transfer_dest_account_id || '|' || "
                    "i.amount || '|' || i.cleared || i.reconciled FROM transactions o JOIN transactions i "
                    "ON o.transfer_link_id = i.id AND i.transfer_link_id = o.id WHERE o.account_id = ? ORDER BY o.date",
                    {kChecking}),
             (QStringList{"2024-05-01|sample-acct-checking>sample-acct-savings|-50000|11|sample-acct-savings>"
                          "sample-acct-checking|50000|10",
                          "2024-05-31|sample-acct-checking>sample-acct-savings|-50000|00|sample-acct-savings>"
                          "sample-acct-checking|50000|00"}));
    QCOMPARE(scalar("SELECT COUNT(*) FROM transactions WHERE transfer_link_id IS NOT NULL").toInt(), 4);

    // The register's own transfer handling sees them as pairs: deleting one
    // half through the service deletes the other.
    const QString half = scalar("SELECT id FROM transactions WHERE account_id = ? AND date = '2024-05-31' "
                                "AND transfer_link_id IS NOT NULL",
                                {kSavings})
                             .toString();
    QVERIFY(m_fixture->transactionService()->remove(half).ok());
    QCOMPARE(scalar("SELECT COUNT(*) FROM transactions WHERE transfer_link_id IS NOT NULL AND deleted_at IS NULL")
                 .toInt(),
             2);
}

void tst_SampleDataService::loadTwiceIsRefused()
{
    QVERIFY(m_service->loadSampleData().ok());
    const ServiceFixture::State before = m_fixture->state();
    const Result<int> again = m_service->loadSampleData();
    QVERIFY(!again.ok());
    QCOMPARE(again.error(), QStringLiteral("Sample data is already loaded."));
    QCOMPARE(ServiceFixture::differences(before, m_fixture->state()), QString());
}

void tst_SampleDataService::loadLeavesUserRowsAlone()
{
    const QString account = m_fixture->addAccount("My bank", Currency::EUR, 777);
    m_fixture->addTransaction(account, -1234, "Baker");
    m_fixture->addSplit(account, {{m_fixture->addCategory("Mine"), -500}, {m_fixture->addCategory("Also"), -250}});
    m_fixture->addRecurring(account);
    m_fixture->addReconciliation(account);
    const ServiceFixture::State before = m_fixture->state();

    QVERIFY(m_service->loadSampleData().ok());
    QCOMPARE(ServiceFixture::differences(before, usersState(m_fixture->state())), QString());
    QCOMPARE(scalar("SELECT COUNT(*) FROM categories").toInt(), before.value("categories").size());
}

void tst_SampleDataService::failedLoadWritesNothing()
{
    const ServiceFixture::State before = m_fixture->state();
    // The last statement of the load fails: the rows before it go too.
    QVERIFY(m_fixture->refuse("BEFORE INSERT ON recurring_transactions", "NEW.frequency = 'biweekly'"));
    const Result<int> loaded = m_service->loadSampleData();
    QVERIFY(!loaded.ok());
    QCOMPARE(loaded.error(), QStringLiteral("Sample data could not be loaded: refused"));
    QCOMPARE(ServiceFixture::differences(before, m_fixture->state()), QString());
    QVERIFY(!m_service->hasSampleData());
}

void tst_SampleDataService::clearWithoutUserReferences()
{
    const QString account = m_fixture->addAccount("My bank");
    m_fixture->addTransaction(account, -1234, "Baker");
    QVERIFY(m_service->loadSampleData().ok());
    const ServiceFixture::State users = usersState(m_fixture->state());
    QVERIFY(m_fixture->db().exec("INSERT INTO sync_queue (entity_type, entity_id, action, created_at) VALUES "
                                 "('account', ?, 'create', 'x'), ('account', ?, 'create', 'x')",
                                 {kVisa, account}));

    const Result<SampleDataClearReport> cleared = m_service->clearSampleData();
    QVERIFY2(cleared.ok(), qPrintable(cleared.error()));
    QCOMPARE(cleared->removed, 55);
    QCOMPARE(cleared->stayed, QStringList());
    QCOMPARE(sampleRows(), 0);
    QVERIFY(!m_service->hasSampleData());
    QCOMPARE(ServiceFixture::differences(users, m_fixture->state()), QString());
    QCOMPARE(column("SELECT entity_id FROM sync_queue"), QStringList{account});
    QCOMPARE(scalar("SELECT COUNT(*) FROM transactions_fts WHERE transactions_fts MATCH 'Greenleaf'").toInt(), 0);

    // A second clear finds nothing to do.
    const Result<SampleDataClearReport> again = m_service->clearSampleData();
    QVERIFY(again.ok());
    QCOMPARE(again->removed, 0);
    QCOMPARE(again->stayed, QStringList());
}

void tst_SampleDataService::clearKeepsWhatUserRowsReferTo_data()
{
    QTest::addColumn<QString>("reference");   // what the user's rows do, see below
    QTest::addColumn<QStringList>("stayed");
    QTest::addColumn<QStringList>("remaining");   // sample ids left, sorted; "txn" and "rec" for any such id

    QTest::newRow("transactionInSampleAccount")
        << "transaction" << QStringList{"1 sample account(s) stay because your transactions use them"}
        << QStringList{kVisa};
    QTest::newRow("transferIntoSampleAccount")
        << "transfer" << QStringList{"1 sample account(s) stay because your transactions use them"}
        << QStringList{kSavings};
    QTest::newRow("splitOfSampleTransaction")
        << "split"
        << QStringList{"1 sample account(s) stay because other sample rows that stay use them",
                       "1 sample transaction(s) stay because your split lines belong to them"}
        << QStringList{kVisa, "txn"};
    QTest::newRow("enteredFromSampleTemplate")
        << "posted"
        << QStringList{"1 sample account(s) stay because other sample rows that stay use them",
                       "1 sample recurring transaction(s) stay because your transactions use them"}
        << QStringList{"rec", kChecking};
    QTest::newRow("partnerOfSampleTransaction")
        << "partner"
        << QStringList{"2 sample account(s) stay because other sample rows that stay use them",
                       "1 sample transaction(s) stay because your transactions use them",
                       "1 sample transaction(s) stay because other sample rows that stay use them"}
        << QStringList{kChecking, kSavings, "txn", "txn"};
    QTest::newRow("recurringOnSampleAccount")
        << "recurring" << QStringList{"1 sample account(s) stay because your recurring transactions use them"}
        << QStringList{kChecking};
    QTest::newRow("reconciliationOfSampleAccount")
        << "reconciliation" << QStringList{"1 sample account(s) stay because your reconciliations use them"}
        << QStringList{kSavings};
    QTest::newRow("softDeletedUserTransaction")
        << "deleted" << QStringList{"1 sample account(s) stay because your transactions use them"}
        << QStringList{kVisa};
}

void tst_SampleDataService::clearKeepsWhatUserRowsReferTo()
{
    QFETCH(QString, reference);
    QFETCH(QStringList, stayed);
    QFETCH(QStringList, remaining);

    const QString mine = m_fixture->addAccount("My bank");
    QVERIFY(m_service->loadSampleData().ok());
    const QString cardRow = scalar("SELECT id FROM transactions WHERE account_id = ? ORDER BY date LIMIT 1", {kVisa})
                                .toString();
    const QString rent = scalar("SELECT id FROM recurring_transactions WHERE payee = 'Pinecrest Apartments'").toString();
    TestDatabase &db = m_fixture->db();
    const QString stamp = QStringLiteral("2024-05-31T15:00:00Z");
    if (reference == "transaction" || reference == "deleted") {
        const Transaction t = m_fixture->addTransaction(kVisa, -999, "My purchase");
        if (reference == "deleted")
            QVERIFY(db.exec("UPDATE transactions SET deleted_at = ? WHERE id = ?", {stamp, t.id}));
    } else if (reference == "transfer") {
        m_fixture->addTransfer(mine, kSavings, -2500);
    } else if (reference == "split") {
        QVERIFY(db.exec("INSERT INTO split_lines (id, transaction_id, category_id, amount, created_at, updated_at) "
                        "VALUES ('my-split', ?, ?, -100, ?, ?)",
                        {cardRow, m_fixture->addCategory("Mine"), stamp, stamp}));
    } else if (reference == "posted") {
        const Transaction t = m_fixture->addTransaction(mine, -145000, "Pinecrest Apartments");
        QVERIFY(db.exec("UPDATE transactions SET recurring_id = ? WHERE id = ?", {rent, t.id}));
    } else if (reference == "partner") {
        // The user's row names a sample transfer half as its partner; that
        // half names its own partner in turn.
        const QString half = scalar("SELECT id FROM transactions WHERE account_id = ? AND transfer_link_id IS NOT NULL "
                                    "ORDER BY date LIMIT 1",
                                    {kChecking})
                                 .toString();
        const Transaction t = m_fixture->addTransaction(mine, 50000, "Odd link");
        QVERIFY(db.exec("UPDATE transactions SET transfer_link_id = ? WHERE id = ?", {half, t.id}));
    } else if (reference == "recurring") {
        m_fixture->addRecurring(kChecking);
    } else if (reference == "reconciliation") {
        m_fixture->addReconciliation(kSavings);
    }
    const ServiceFixture::State users = usersState(m_fixture->state());

    const Result<SampleDataClearReport> cleared = m_service->clearSampleData();
    QVERIFY2(cleared.ok(), qPrintable(cleared.error()));
    QCOMPARE(cleared->stayed, stayed);
    QCOMPARE(cleared->removed, 55 - remaining.size());
    QStringList left = column("SELECT CASE WHEN id GLOB 'sample-txn-*' THEN 'txn' WHEN id GLOB 'sample-rec-*' THEN "
                              "'rec' ELSE id END FROM (SELECT id FROM accounts UNION ALL SELECT id FROM transactions "
                              "UNION ALL SELECT id FROM recurring_transactions) WHERE id GLOB 'sample-*'");
    left.sort();
    QCOMPARE(left, remaining);
    QCOMPARE(ServiceFixture::differences(users, usersState(m_fixture->state())), QString());
    QCOMPARE(column("PRAGMA foreign_key_check"), QStringList());
    QVERIFY(m_service->hasSampleData());
}

void tst_SampleDataService::failedClearRemovesNothing()
{
    QVERIFY(m_service->loadSampleData().ok());
    const ServiceFixture::State before = m_fixture->state();
    QVERIFY(m_fixture->refuse("BEFORE DELETE ON accounts", "OLD.id = 'sample-acct-visa'"));
    const Result<SampleDataClearReport> cleared = m_service->clearSampleData();
    QVERIFY(!cleared.ok());
    QCOMPARE(cleared.error(), QStringLiteral("Sample data could not be cleared: refused"));
    QCOMPARE(ServiceFixture::differences(before, m_fixture->state()), QString());
}

void tst_SampleDataService::loadAndClearAnnounceOneChangeSetEach()
{
    QList<ChangeSet> announced;
    connect(m_fixture->db().database()->changes(), &ChangeJournal::committed, this,
            [&announced](const ChangeSet &changes) { announced.append(changes); });
    QVERIFY(m_service->loadSampleData().ok());
    QCOMPARE(announced.size(), 1);
    QCOMPARE(announced.first().ids(ChangeSet::Entity::Account), (QSet<QString>{kChecking, kSavings, kVisa}));
    QCOMPARE(announced.first().ids(ChangeSet::Entity::Transaction).size(), 49);
    QCOMPARE(announced.first().ids(ChangeSet::Entity::Recurring).size(), 3);
    QVERIFY(announced.first().affectsRegister(kVisa));

    QVERIFY(m_service->clearSampleData().ok());
    QCOMPARE(announced.size(), 2);
    QCOMPARE(announced.last().ids(ChangeSet::Entity::Account), (QSet<QString>{kChecking, kSavings, kVisa}));
    QCOMPARE(announced.last().ids(ChangeSet::Entity::Transaction).size(), 49);
}

QTEST_GUILESS_MAIN(tst_SampleDataService)
#include "tst_sampledataservice.moc"
