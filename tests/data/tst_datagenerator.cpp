#include "bench/datagenerator.h"
#include "common/testdatabase.h"

#include <QCryptographicHash>
#include <QFile>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

class tst_DataGenerator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void sameSeedGivesIdenticalData();
    void differentSeedOrTodayGivesDifferentData_data();
    void differentSeedOrTodayGivesDifferentData();
    void requestedCountsAndIntegrity_data();
    void requestedCountsAndIntegrity();
    void mixesTypesAndCurrencies();
    void reconciliationsMatchReconciledRows();
    void invalidOptionsWriteNothing_data();
    void invalidOptionsWriteNothing();
    void refusesDatabaseWithAccounts();
    void searchIndexIsRebuilt();
    void failedStatementIsReported();
    void generateFileCreatesAndRefusesExisting();

private:
    static DataGeneratorOptions smallOptions();
    QByteArray contentHash() const;
    qint64 count(const QString &sql) const { return m_db->scalar(sql).toLongLong(); }

    std::unique_ptr<TestDatabase> m_db;
};

void tst_DataGenerator::init()
{
    m_db = std::make_unique<TestDatabase>();
}

void tst_DataGenerator::cleanup()
{
    m_db.reset();
}

DataGeneratorOptions tst_DataGenerator::smallOptions()
{
    DataGeneratorOptions options;
    options.accounts = 12;
    options.transactions = 4000;
    options.years = 2;
    options.seed = 7;
    options.batchSize = 500;
    return options;
}

QByteArray tst_DataGenerator::contentHash() const
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    const QStringList tables = {"accounts", "categories", "transactions", "split_lines", "recurring_transactions",
                                "reconciliations", "preferences"};
    for (const QString &table : tables) {
        QSqlQuery query(m_db->database()->connection());
        const QString order = table == "preferences" ? "key" : "id";
        if (!query.exec(QStringLiteral("SELECT * FROM %1 ORDER BY %2").arg(table, order)))
            return QByteArray();
        hash.addData(table.toUtf8());
        while (query.next()) {
            for (int i = 0; i < query.record().count(); ++i) {
                const QVariant value = query.value(i);
                hash.addData(value.isNull() ? QByteArray("\x01NULL") : value.toString().toUtf8());
                hash.addData(QByteArray(1, '\x1f'));
            }
            hash.addData(QByteArray(1, '\x1e'));
        }
    }
    return hash.result();
}

void tst_DataGenerator::sameSeedGivesIdenticalData()
{
    DataGenerator first(smallOptions());
    QVERIFY2(first.generate(m_db->database()), qPrintable(first.errorText()));
    const QByteArray hash = contentHash();
    QVERIFY(!hash.isEmpty());
    QCOMPARE(count("SELECT COUNT(*) FROM transactions"), qint64(4000));

    m_db.reset();
    m_db = std::make_unique<TestDatabase>();
    DataGenerator second(smallOptions());
    QVERIFY2(second.generate(m_db->database()), qPrintable(second.errorText()));
    QCOMPARE(contentHash(), hash);
    QCOMPARE(second.counts().splitLines, first.counts().splitLines);
    QCOMPARE(second.counts().transfers, first.counts().transfers);
}

void tst_DataGenerator::differentSeedOrTodayGivesDifferentData_data()
{
    QTest::addColumn<quint64>("seed");
    QTest::addColumn<QDate>("today");

    QTest::newRow("otherSeed") << quint64(8) << smallOptions().today;
    QTest::newRow("otherToday") << smallOptions().seed << QDate(2025, 6, 15);
}

void tst_DataGenerator::differentSeedOrTodayGivesDifferentData()
{
    QFETCH(quint64, seed);
    QFETCH(QDate, today);

    DataGenerator reference(smallOptions());
    QVERIFY(reference.generate(m_db->database()));
    const QByteArray hash = contentHash();
    const QString firstAccount = m_db->scalar("SELECT id FROM accounts WHERE sort_order = 0").toString();

    m_db.reset();
    m_db = std::make_unique<TestDatabase>();
    DataGeneratorOptions options = smallOptions();
    options.seed = seed;
    options.today = today;
    DataGenerator other(options);
    QVERIFY2(other.generate(m_db->database()), qPrintable(other.errorText()));
    QVERIFY(contentHash() != hash);
    QCOMPARE(count("SELECT COUNT(*) FROM transactions"), qint64(4000));
    QCOMPARE(m_db->scalar("SELECT id FROM accounts WHERE sort_order = 0").toString() == firstAccount,
             seed == smallOptions().seed);
    QCOMPARE(m_db->scalar("SELECT MAX(date) <= ? FROM transactions", {today.toString(Qt::ISODate)}).toInt(), 1);
}

void tst_DataGenerator::requestedCountsAndIntegrity_data()
{
    QTest::addColumn<int>("accounts");
    QTest::addColumn<qint64>("transactions");
    QTest::addColumn<int>("years");

    QTest::newRow("twentyAccounts") << 20 << qint64(6000) << 3;
    QTest::newRow("oneAccount") << 1 << qint64(300) << 1;
    QTest::newRow("fewerRowsThanTheSchedule") << 10 << qint64(51) << 2;
    QTest::newRow("oddCountWithTransfers") << 4 << qint64(1001) << 1;
    QTest::newRow("noTransactions") << 3 << qint64(0) << 1;
}

void tst_DataGenerator::requestedCountsAndIntegrity()
{
    QFETCH(int, accounts);
    QFETCH(qint64, transactions);
    QFETCH(int, years);

    DataGeneratorOptions options;
    options.accounts = accounts;
    options.transactions = transactions;
    options.years = years;
    options.batchSize = 97;
    DataGenerator generator(options);
    QVERIFY2(generator.generate(m_db->database()), qPrintable(generator.errorText()));

    const DataGeneratorCounts &counts = generator.counts();
    QCOMPARE(count("SELECT COUNT(*) FROM accounts"), qint64(accounts));
    QCOMPARE(count("SELECT COUNT(*) FROM transactions"), transactions);
    QCOMPARE(counts.transactions, transactions);
    QCOMPARE(count("SELECT COUNT(*) FROM split_lines"), counts.splitLines);
    QCOMPARE(count("SELECT COUNT(*) FROM transactions WHERE is_split = 1"), counts.splitTransactions);
    QCOMPARE(count("SELECT COUNT(*) FROM transactions WHERE transfer_link_id != ''"), 2 * counts.transfers);
    QCOMPARE(count("SELECT COUNT(*) FROM recurring_transactions"), qint64(counts.recurring));
    QCOMPARE(count("SELECT COUNT(*) FROM reconciliations"), qint64(counts.reconciliations));
    QCOMPARE(count("SELECT COUNT(*) FROM categories WHERE deleted_at IS NULL"), qint64(56));

    // No row points at a missing parent.
    QSqlQuery check(m_db->database()->connection());
    QVERIFY(check.exec("PRAGMA foreign_key_check"));
    const bool violation = check.next();
    QVERIFY2(!violation, violation ? qPrintable(check.value(0).toString()) : "");

    // Each transfer half names an existing other half in its destination
    // account, of the opposite amount, on the same day, in the same currency.
    QCOMPARE(count("SELECT COUNT(*) FROM transactions a LEFT JOIN transactions b ON b.id = a.transfer_link_id "
                   "LEFT JOIN accounts aa ON aa.id = a.account_id LEFT JOIN accounts ba ON ba.id = b.account_id "
                   "WHERE a.transfer_link_id != '' AND (b.id IS NULL OR b.transfer_link_id != a.id "
                   "OR b.account_id != a.transfer_dest_account_id OR b.amount != -a.amount OR b.date != a.date "
                   "OR aa.currency != ba.currency OR a.category_id IS NOT NULL)"),
             qint64(0));

    // Split lines add up to their transaction, which itself has no category;
    // unsplit rows have no lines.
    QCOMPARE(count("SELECT COUNT(*) FROM transactions t WHERE t.is_split = 1 AND (t.category_id IS NOT NULL "
                   "OR t.amount != (SELECT COALESCE(SUM(s.amount), 0) FROM split_lines s WHERE s.transaction_id = t.id) "
                   "OR (SELECT COUNT(*) FROM split_lines s WHERE s.transaction_id = t.id) < 2)"),
             qint64(0));
    QCOMPARE(count("SELECT COUNT(*) FROM split_lines s JOIN transactions t ON t.id = s.transaction_id "
                   "WHERE t.is_split = 0"),
             qint64(0));

    // Dates lie within the span, every row is live and pending, and the
    // timestamps are those of the row's day.
    const QString start = options.today.addYears(-years).toString(Qt::ISODate);
    const QString today = options.today.toString(Qt::ISODate);
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM transactions WHERE date < '%1' OR date > '%2' "
                                  "OR deleted_at IS NOT NULL OR sync_status != 'pending' "
                                  "OR substr(created_at, 1, 10) != date OR created_at != updated_at "
                                  "OR length(id) != 36")
                       .arg(start, today)),
             qint64(0));
    // Reconciled rows are also cleared.
    QCOMPARE(count("SELECT COUNT(*) FROM transactions WHERE reconciled = 1 AND cleared = 0"), qint64(0));
}

void tst_DataGenerator::mixesTypesAndCurrencies()
{
    DataGeneratorOptions options;
    options.accounts = 20;
    options.transactions = 20000;
    options.years = 5;
    DataGenerator generator(options);
    QVERIFY2(generator.generate(m_db->database()), qPrintable(generator.errorText()));

    QCOMPARE(count("SELECT COUNT(*) FROM accounts WHERE currency = 'JPY'"), qint64(1));
    QVERIFY(count("SELECT COUNT(*) FROM accounts WHERE currency = 'EUR'") >= 1);
    QVERIFY(count("SELECT COUNT(*) FROM accounts WHERE currency = 'GBP'") >= 1);
    QVERIFY(count("SELECT COUNT(*) FROM accounts WHERE currency = 'USD'") > 10);
    QCOMPARE(count("SELECT COUNT(DISTINCT account_type) FROM accounts"), qint64(6));
    QCOMPARE(count("SELECT COUNT(DISTINCT name) FROM accounts"), qint64(20));

    // Every kind of row the register shows turns up.
    QVERIFY(generator.counts().transfers > 100);
    QVERIFY(generator.counts().splitTransactions > 50);
    QVERIFY(count("SELECT COUNT(*) FROM transactions WHERE check_number != ''") > 50);
    QVERIFY(count("SELECT COUNT(*) FROM transactions WHERE memo != ''") > 1000);
    QVERIFY(count("SELECT COUNT(*) FROM transactions WHERE recurring_id != ''") > 50);
    QVERIFY(count("SELECT COUNT(*) FROM transactions WHERE payee = 'Brightpath Inc' AND amount > 0") > 100);
    QVERIFY(count("SELECT COUNT(*) FROM transactions WHERE category_id IS NULL AND transfer_link_id = '' "
                  "AND is_split = 0") == 0);
    QVERIFY(count("SELECT COUNT(*) FROM recurring_transactions WHERE transfer_dest_account_id != ''") >= 1);
    QVERIFY(count("SELECT COUNT(*) FROM recurring_transactions WHERE is_active = 0 AND end_date IS NOT NULL") >= 1);
    QVERIFY(count("SELECT COUNT(*) FROM recurring_transactions WHERE next_due_date > '2026-12-01'") >= 3);

    // Older rows are mostly cleared, the oldest reconciled, recent ones mostly open.
    // The last statement is at least two months old; every row up to it is
    // reconciled and none after it.
    const QString lastStatement = m_db->scalar("SELECT MAX(statement_date) FROM reconciliations").toString();
    QVERIFY(!lastStatement.isEmpty() && lastStatement <= QStringLiteral("2026-10-01"));
    QCOMPARE(count("SELECT COUNT(*) FROM transactions WHERE reconciled = 0 AND date <= " + ("'" + lastStatement + "'")),
             qint64(0));
    QCOMPARE(count("SELECT COUNT(*) FROM transactions WHERE reconciled = 1 AND date > " + ("'" + lastStatement + "'")),
             qint64(0));
    QVERIFY(count("SELECT COUNT(*) FROM transactions WHERE reconciled = 1") > 10000);
    QVERIFY(count("SELECT COUNT(*) FROM transactions WHERE date > '2026-11-24' AND cleared = 0")
            > count("SELECT COUNT(*) FROM transactions WHERE date > '2026-11-24' AND cleared = 1"));

    // Yen amounts are whole yen in a plausible range: a coffee is hundreds of
    // yen, not a few (cents) or hundreds of thousands.
    QVERIFY(count("SELECT MIN(ABS(t.amount)) FROM transactions t JOIN accounts a ON a.id = t.account_id "
                  "WHERE a.currency = 'JPY'") >= 100);
}

void tst_DataGenerator::reconciliationsMatchReconciledRows()
{
    DataGeneratorOptions options = smallOptions();
    DataGenerator generator(options);
    QVERIFY(generator.generate(m_db->database()));
    QVERIFY(generator.counts().reconciliations >= 6);

    QCOMPARE(count("SELECT COUNT(*) FROM reconciliations r JOIN accounts a ON a.id = r.account_id "
                   "WHERE r.statement_balance != r.reconciled_balance OR r.statement_balance != a.starting_balance "
                   "+ (SELECT COALESCE(SUM(t.amount), 0) FROM transactions t WHERE t.account_id = r.account_id "
                   "AND t.date <= r.statement_date AND t.reconciled = 1) "
                   "OR r.completed_at <= r.statement_date OR r.created_at != r.completed_at"),
             qint64(0));
    QCOMPARE(count("SELECT COUNT(DISTINCT statement_date) FROM reconciliations"), qint64(6));
}

void tst_DataGenerator::invalidOptionsWriteNothing_data()
{
    QTest::addColumn<int>("accounts");
    QTest::addColumn<qint64>("transactions");
    QTest::addColumn<int>("years");
    QTest::addColumn<QDate>("today");

    QTest::newRow("noAccounts") << 0 << qint64(10) << 1 << QDate(2026, 12, 1);
    QTest::newRow("negativeTransactions") << 2 << qint64(-1) << 1 << QDate(2026, 12, 1);
    QTest::newRow("noYears") << 2 << qint64(10) << 0 << QDate(2026, 12, 1);
    QTest::newRow("invalidToday") << 2 << qint64(10) << 1 << QDate();
    QTest::newRow("spanBefore2000") << 2 << qint64(10) << 5 << QDate(2003, 1, 1);
}

void tst_DataGenerator::invalidOptionsWriteNothing()
{
    QFETCH(int, accounts);
    QFETCH(qint64, transactions);
    QFETCH(int, years);
    QFETCH(QDate, today);

    DataGeneratorOptions options;
    options.accounts = accounts;
    options.transactions = transactions;
    options.years = years;
    options.today = today;
    DataGenerator generator(options);
    QVERIFY(!generator.generate(m_db->database()));
    QVERIFY(!generator.errorText().isEmpty());
    QCOMPARE(count("SELECT COUNT(*) FROM accounts"), qint64(0));
    QCOMPARE(count("SELECT COUNT(*) FROM categories"), qint64(0));
}

void tst_DataGenerator::refusesDatabaseWithAccounts()
{
    DataGenerator first(smallOptions());
    QVERIFY(first.generate(m_db->database()));
    const QByteArray hash = contentHash();

    DataGeneratorOptions options = smallOptions();
    options.seed = 99;
    DataGenerator second(options);
    QVERIFY(!second.generate(m_db->database()));
    QVERIFY(second.errorText().contains("already holds accounts"));
    QCOMPARE(second.counts().transactions, qint64(0));
    QCOMPARE(contentHash(), hash);
}

void tst_DataGenerator::searchIndexIsRebuilt()
{
    const QString schema = "SELECT group_concat(sql, ';') FROM (SELECT sql FROM sqlite_master "
                           "WHERE tbl_name = 'transactions' ORDER BY name)";
    const QString before = m_db->scalar(schema).toString();
    QVERIFY(before.contains("transactions_ai"));

    DataGenerator generator(smallOptions());
    QVERIFY(generator.generate(m_db->database()));
    QCOMPARE(m_db->scalar(schema).toString(), before);
    QVERIFY(m_db->exec("INSERT INTO transactions_fts(transactions_fts) VALUES('integrity-check')"));
    const qint64 brightpath = count("SELECT COUNT(*) FROM transactions WHERE payee = 'Brightpath Inc'");
    QVERIFY(brightpath > 10);
    QCOMPARE(count("SELECT COUNT(*) FROM transactions_fts WHERE transactions_fts MATCH 'brightpath'"), brightpath);
    QVERIFY(count("SELECT COUNT(*) FROM transactions_fts WHERE transactions_fts MATCH 'groceries'") > 0);
}

void tst_DataGenerator::failedStatementIsReported()
{
    const QString schema = "SELECT group_concat(sql, ';') FROM (SELECT sql FROM sqlite_master "
                           "WHERE tbl_name = 'transactions' ORDER BY name)";
    const QString before = m_db->scalar(schema).toString();
    QVERIFY(m_db->exec("DROP TABLE reconciliations"));
    DataGenerator generator(smallOptions());
    QVERIFY(!generator.generate(m_db->database()));
    QVERIFY2(generator.errorText().contains("reconciliation", Qt::CaseInsensitive), qPrintable(generator.errorText()));
    QVERIFY(generator.errorText().contains("no such table"));

    // The indexes and search triggers set aside for the load are back, and
    // the search index still follows new rows.
    QCOMPARE(m_db->scalar(schema).toString(), before);
    QVERIFY(m_db->exec("INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('acc', 'A', 'x', 'x')"));
    QVERIFY(m_db->exec("INSERT INTO transactions (id, account_id, date, payee, amount, created_at, updated_at) "
                       "VALUES ('t1', 'acc', '2026-01-01', 'Zanzibar Imports', -100, 'x', 'x')"));
    QCOMPARE(count("SELECT COUNT(*) FROM transactions_fts WHERE transactions_fts MATCH 'zanzibar'"), qint64(1));
    QVERIFY(m_db->exec("INSERT INTO transactions_fts(transactions_fts) VALUES('integrity-check')"));
}

void tst_DataGenerator::generateFileCreatesAndRefusesExisting()
{
    m_db.reset(); // the generator opens its own connection
    QTemporaryDir dir;
    const QString path = dir.filePath("nested/folder/quillby.db");

    DataGeneratorOptions options = smallOptions();
    options.transactions = 500;
    DataGenerator generator(options);
    QVERIFY2(generator.generateFile(path), qPrintable(generator.errorText()));
    QVERIFY(QFile::exists(path));
    QCOMPARE(generator.counts().transactions, qint64(500));
    {
        Database database;
        QVERIFY(database.open(path));
        QCOMPARE(database.schemaVersion(), 5);
        QSqlQuery query(database.connection());
        QVERIFY(query.exec("SELECT COUNT(*) FROM transactions") && query.next());
        QCOMPARE(query.value(0).toLongLong(), qint64(500));
    }

    QFile existing(dir.filePath("existing.db"));
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.write("keep me");
    existing.close();
    DataGenerator again(options);
    QVERIFY(!again.generateFile(existing.fileName()));
    QVERIFY(again.errorText().contains("already exists"));
    QVERIFY(existing.open(QIODevice::ReadOnly));
    QCOMPARE(existing.readAll(), QByteArray("keep me"));
}

QTEST_GUILESS_MAIN(tst_DataGenerator)
#include "tst_datagenerator.moc"
