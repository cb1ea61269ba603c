#include "common/testdatabase.h"
#include "services/backupservice.h"

#include <QtGui/private/qzipreader_p.h>
#include <QtGui/private/qzipwriter_p.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

const QStringList kTables{"accounts", "categories", "transactions", "split_lines", "recurring_transactions",
                          "reconciliations"};
const QString kStamp = QStringLiteral("2024-03-01T10:00:00Z");
const QByteArray kManifest = R"({"version": 1})";

using Entries = QList<std::pair<QString, QByteArray>>;

QByteArray makeArchive(const Entries &entries, bool compress = true)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QZipWriter writer(&buffer);
    writer.setCompressionPolicy(compress ? QZipWriter::AlwaysCompress : QZipWriter::NeverCompress);
    for (const auto &[name, data] : entries)
        writer.addFile(name, data);
    writer.close();
    return buffer.data();
}

quint32 u32(const QByteArray &data, qsizetype pos)
{
    const auto *p = reinterpret_cast<const uchar *>(data.constData() + pos);
    return quint32(p[0]) | (quint32(p[1]) << 8) | (quint32(p[2]) << 16) | (quint32(p[3]) << 24);
}

// Rewrites the uncompressed size that the central directory declares for
// every entry whose name starts with `prefix`, as a crafted archive would.
void declareSize(QByteArray &zip, const QString &prefix, quint32 size)
{
    const qsizetype end = zip.size() - 22;
    qsizetype pos = u32(zip, end + 16);
    while (pos < end && u32(zip, pos) == 0x02014b50) {
        const int nameLength = uchar(zip[pos + 28]) | (uchar(zip[pos + 29]) << 8);
        const int rest = (uchar(zip[pos + 30]) | (uchar(zip[pos + 31]) << 8))
            + (uchar(zip[pos + 32]) | (uchar(zip[pos + 33]) << 8));
        if (QString::fromUtf8(zip.mid(pos + 46, nameLength)).startsWith(prefix)) {
            for (int i = 0; i < 4; ++i)
                zip[pos + 24 + i] = char((size >> (8 * i)) & 0xFF);
        }
        pos += 46 + nameLength + rest;
    }
}

QByteArray json(const QJsonObject &object)
{
    return QJsonDocument(object).toJson();
}

QJsonObject accountRow(const QString &id, const QString &name)
{
    return {{"id", id}, {"name", name}, {"account_type", "checking"}, {"currency", "USD"},
            {"starting_balance", 100}, {"created_at", kStamp}, {"updated_at", kStamp}};
}

} // namespace

// Fixture: accounts (one soft-deleted, one with a numeric-looking text
// column and sync state), categories where a subcategory precedes its
// re-assigned parent, transactions with a transfer pair, a split with two
// lines, a soft-deleted row and an amount beyond 2^53, a recurring template
// and a reconciliation.
class tst_BackupService : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void roundTripRestoresEveryRowAndColumn();
    void emptyDatabaseExportsOnlyManifest();
    void failedExportQueryWritesTheRest();
    void modes_data();
    void modes();
    void refusedArchives_data();
    void refusedArchives();
    void damagedEntryRestoresNothing();
    void hostileRows_data();
    void hostileRows();
    void foldersAndNames();
    void zipBombs_data();
    void zipBombs();
    void moreThan65535Entries();
    void exportToFile();
    void failedExportToFileKeepsOldFile();

private:
    void buildFixture();
    void exec(const QString &sql, const QVariantList &binds = {});
    QStringList dump(bool asRestored = false) const;
    void freshDatabase();
    int count(const QString &table) const { return m_db->scalar("SELECT COUNT(*) FROM " + table).toInt(); }

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<BackupService> m_service;
};

void tst_BackupService::init()
{
    freshDatabase();
}

void tst_BackupService::cleanup()
{
    m_service.reset();
    m_db.reset();
}

void tst_BackupService::freshDatabase()
{
    m_service.reset();
    m_db.reset();
    m_db = std::make_unique<TestDatabase>();
    m_service = std::make_unique<BackupService>(m_db->database());
}

void tst_BackupService::exec(const QString &sql, const QVariantList &binds)
{
    QVERIFY2(m_db->exec(sql, binds), qPrintable(sql));
}

void tst_BackupService::buildFixture()
{
    const QString account = QStringLiteral(
        "INSERT INTO accounts (id, name, account_type, currency, institution, account_number_last4, "
        "starting_balance, sort_order, is_shared, version, sync_status, server_id, created_at, updated_at, "
        "deleted_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    exec(account, {"acc-1", "Checking", "checking", "USD", "First Bank", "0042", 12345, 0, 1, 7, "synced",
                   "srv-acc-1", kStamp, kStamp, QVariant()});
    exec(account, {"acc-2", "Épargne \"joint\"", "savings", "EUR", QVariant(), QVariant(), -500, 1, 0, 1, "pending",
                   QVariant(), kStamp, "2024-03-02T08:00:00Z", QVariant()});
    exec(account, {"acc-3", "Old card", "credit_card", "USD", QVariant(), QVariant(), 0, 2, 0, 3, "synced",
                   "srv-acc-3", kStamp, kStamp, "2024-02-01T00:00:00Z"});

    const QString category = QStringLiteral(
        "INSERT INTO categories (id, name, category_type, parent_id, is_tax_relevant, tax_category, icon, color, "
        "is_default, version, sync_status, created_at, updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    exec(category, {"cat-child", "Fuel", "expense", QVariant(), 0, QVariant(), "local_gas_station", "#FF8800", 0, 2,
                    "synced", kStamp, kStamp});
    exec(category, {"cat-parent", "Car", "expense", QVariant(), 0, QVariant(), QVariant(), QVariant(), 1, 1,
                    "pending", kStamp, kStamp});
    exec(category, {"cat-salary", "Salary", "income", QVariant(), 1, "W-2", QVariant(), QVariant(), 1, 1, "pending",
                    kStamp, kStamp});
    // The subcategory was moved under a parent created after it.
    exec("UPDATE categories SET parent_id = 'cat-parent' WHERE id = 'cat-child'");

    const QString transaction = QStringLiteral(
        "INSERT INTO transactions (id, account_id, date, payee, memo, amount, category_id, check_number, cleared, "
        "reconciled, transfer_link_id, transfer_dest_account_id, is_split, recurring_id, version, sync_status, "
        "server_id, created_at, updated_at, deleted_at) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    exec(transaction, {"tx-pay", "acc-1", "2024-03-01", "Gas & Go", "line one\nline \"two\"", -4567, "cat-child",
                       "1001", 1, 1, QVariant(), QVariant(), 0, QVariant(), 4, "synced", "srv-tx-pay", kStamp,
                       kStamp, QVariant()});
    exec(transaction, {"tx-out", "acc-1", "2024-03-02", "Transfer to Épargne", QVariant(), -10000, QVariant(),
                       QVariant(), 0, 0, "link-1", "acc-2", 0, QVariant(), 1, "pending", QVariant(), kStamp, kStamp,
                       QVariant()});
    exec(transaction, {"tx-in", "acc-2", "2024-03-02", "Transfer from Checking", QVariant(), 10000, QVariant(),
                       QVariant(), 0, 0, "link-1", "acc-1", 0, QVariant(), 1, "pending", QVariant(), kStamp, kStamp,
                       QVariant()});
    exec(transaction, {"tx-split", "acc-1", "2024-03-03", "Superstore", "", -9000, QVariant(), QVariant(), 0, 0,
                       QVariant(), QVariant(), 1, "rec-1", 1, "pending", QVariant(), kStamp, kStamp, QVariant()});
    exec(transaction, {"tx-big", "acc-2", "2024-03-04", "Lottery", QVariant(), Q_INT64_C(9007199254740993),
                       "cat-salary", QVariant(), 0, 0, QVariant(), QVariant(), 0, QVariant(), 1, "pending",
                       QVariant(), kStamp, kStamp, QVariant()});
    exec(transaction, {"tx-gone", "acc-3", "2024-01-15", "Deleted shop", QVariant(), -1, QVariant(), QVariant(), 0,
                       0, QVariant(), QVariant(), 0, QVariant(), 2, "synced", "srv-tx-gone", kStamp, kStamp,
                       "2024-02-01T00:00:00Z"});

    const QString split = QStringLiteral(
        "INSERT INTO split_lines (id, transaction_id, category_id, amount, memo, created_at, updated_at) "
        "VALUES (?, ?, ?, ?, ?, ?, ?)");
    exec(split, {"split-1", "tx-split", "cat-child", -6000, "fuel", kStamp, kStamp});
    exec(split, {"split-2", "tx-split", "cat-parent", -3000, QVariant(), kStamp, kStamp});

    exec("INSERT INTO recurring_transactions (id, account_id, payee, memo, amount, category_id, frequency, "
         "start_date, end_date, next_due_date, auto_post, is_active, transfer_dest_account_id, version, "
         "sync_status, server_id, created_at, updated_at, deleted_at, lead_days) "
         "VALUES ('rec-1', 'acc-1', 'Superstore', NULL, -9000, NULL, 'biweekly', '2024-01-01', NULL, "
         "'2024-03-17', 1, 1, NULL, 3, 'synced', 'srv-rec-1', ?, ?, NULL, 3)",
         {kStamp, kStamp});
    exec("INSERT INTO reconciliations (id, account_id, statement_date, statement_balance, reconciled_balance, "
         "completed_at, version, sync_status, server_id, created_at, updated_at) "
         "VALUES ('recon-1', 'acc-1', '2024-02-29', 7778, 7778, ?, 2, 'synced', 'srv-recon-1', ?, ?)",
         {kStamp, kStamp, kStamp});
    exec("INSERT INTO preferences (key, value) VALUES ('theme', 'dark')");
}

// Every row of the six tables as "column=type:value" texts, ordered by id.
// With asRestored, the sync columns read as a restore leaves them.
QStringList tst_BackupService::dump(bool asRestored) const
{
    QStringList out;
    for (const QString &table : kTables) {
        QSqlQuery query(m_db->database()->connection());
        if (!query.exec("SELECT * FROM " + table + " ORDER BY id")) {
            out << table + ": query failed";
            continue;
        }
        const QSqlRecord record = query.record();
        while (query.next()) {
            QStringList cells{table};
            for (int i = 0; i < record.count(); ++i) {
                const QString column = record.fieldName(i);
                QVariant value = query.value(i);
                if (asRestored && table != QLatin1String("split_lines")) {
                    if (column == QLatin1String("sync_status"))
                        value = QStringLiteral("pending");
                    else if (column == QLatin1String("server_id"))
                        value = QVariant(QMetaType::fromType<QString>());
                    else if (column == QLatin1String("version"))
                        value = qlonglong(1);
                }
                cells << column + '=' + (value.isNull() ? QStringLiteral("NULL")
                                                        : QString::fromLatin1(value.typeName()) + ':'
                                                              + value.toString());
            }
            out << cells.join(QLatin1Char('|'));
        }
    }
    return out;
}

void tst_BackupService::roundTripRestoresEveryRowAndColumn()
{
    buildFixture();
    const QStringList expected = dump(true);
    const QByteArray archive = m_service->exportBackup();

    // A standard reader sees the layout and the manifest's counts.
    QBuffer buffer;
    buffer.setData(archive);
    buffer.open(QIODevice::ReadOnly);
    QZipReader reader(&buffer);
    QCOMPARE(reader.status(), QZipReader::NoError);
    QCOMPARE(reader.count(), 3 + 3 + 6 + 2 + 1 + 1 + 1);
    QCOMPARE(reader.entryInfoAt(reader.count() - 1).filePath, QStringLiteral("manifest.json"));
    QVERIFY(!reader.fileData("recurring/rec-1.json").isEmpty());
    const QJsonObject manifest = QJsonDocument::fromJson(reader.fileData("manifest.json")).object();
    QCOMPARE(manifest.value("version").toInt(), 1);
    QCOMPARE(manifest.value("accountCount").toInt(), 3);
    QCOMPARE(manifest.value("categoryCount").toInt(), 3);
    QCOMPARE(manifest.value("transactionCount").toInt(), 6);
    QCOMPARE(manifest.value("splitLineCount").toInt(), 2);
    QCOMPARE(manifest.value("recurringCount").toInt(), 1);
    QCOMPARE(manifest.value("reconciliationCount").toInt(), 1);
    const QJsonObject account = QJsonDocument::fromJson(reader.fileData("accounts/acc-1.json")).object();
    QCOMPARE(account.value("starting_balance").toInteger(), 12345);
    QVERIFY(account.value("deleted_at").isNull());
    QCOMPARE(account.value("account_number_last4").toString(), QStringLiteral("0042"));

    freshDatabase();
    const BackupImportResult result = m_service->importBackup(archive, BackupImportMode::SkipExisting);
    QCOMPARE(result.errors, QStringList());
    QCOMPARE(result.imported, (std::array<int, 6>{3, 3, 6, 2, 1, 1}));
    QCOMPARE(result.skipped, (std::array<int, 6>{0, 0, 0, 0, 0, 0}));
    QCOMPARE(dump(), expected);
    QCOMPARE(count("preferences"), 0);
    QCOMPARE(m_db->scalar("SELECT COUNT(*) FROM transactions_fts WHERE transactions_fts MATCH 'Lottery'").toInt(), 1);
}

void tst_BackupService::emptyDatabaseExportsOnlyManifest()
{
    const QByteArray archive = m_service->exportBackup();
    QBuffer buffer;
    buffer.setData(archive);
    buffer.open(QIODevice::ReadOnly);
    QZipReader reader(&buffer);
    QCOMPARE(reader.count(), 1);
    const QJsonObject manifest = QJsonDocument::fromJson(reader.fileData("manifest.json")).object();
    QCOMPARE(manifest.keys(), (QStringList{"accountCount", "categoryCount", "exportedAt", "reconciliationCount",
                                           "recurringCount", "splitLineCount", "transactionCount", "version"}));
    for (const QString &key : manifest.keys()) {
        if (key.endsWith("Count"))
            QCOMPARE(manifest.value(key).toInt(-1), 0);
    }
    QVERIFY(QRegularExpression("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\dZ$")
                .match(manifest.value("exportedAt").toString())
                .hasMatch());

    const BackupImportResult result = m_service->importBackup(archive, BackupImportMode::ReplaceAll);
    QCOMPARE(result.errors, QStringList());
    QCOMPARE(result.totalImported() + result.totalSkipped(), 0);
}

void tst_BackupService::failedExportQueryWritesTheRest()
{
    buildFixture();
    exec("PRAGMA foreign_keys = OFF");
    exec("DROP TABLE reconciliations");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^BackupService export query failed: "));
    const QByteArray archive = m_service->exportBackup();
    QBuffer buffer;
    buffer.setData(archive);
    buffer.open(QIODevice::ReadOnly);
    QZipReader reader(&buffer);
    const QJsonObject manifest = QJsonDocument::fromJson(reader.fileData("manifest.json")).object();
    QCOMPARE(manifest.value("reconciliationCount").toInt(-1), 0);
    QCOMPARE(manifest.value("transactionCount").toInt(), 6);
    QCOMPARE(reader.count(), 3 + 3 + 6 + 2 + 1 + 1);
}

void tst_BackupService::modes_data()
{
    QTest::addColumn<BackupImportMode>("mode");
    QTest::addColumn<QStringList>("names");   // acc-1, acc-2, acc-3, acc-local after the restore
    QTest::addColumn<int>("accountsImported");
    QTest::addColumn<int>("accountsSkipped");

    // acc-1 was changed locally after the backup, acc-2 has an older local
    // time than the backup, acc-3 is unchanged (same updated_at).
    QTest::newRow("skipExisting") << BackupImportMode::SkipExisting
                                  << QStringList{"Local newer", "Local older", "Old card", "Only here"} << 0 << 3;
    QTest::newRow("replaceAll") << BackupImportMode::ReplaceAll
                                << QStringList{"Checking", "Épargne \"joint\"", "Old card", "Only here"} << 3 << 0;
    QTest::newRow("keepNewer") << BackupImportMode::KeepNewer
                               << QStringList{"Local newer", "Épargne \"joint\"", "Old card", "Only here"} << 1 << 2;
}

void tst_BackupService::modes()
{
    QFETCH(BackupImportMode, mode);
    QFETCH(QStringList, names);
    QFETCH(int, accountsImported);
    QFETCH(int, accountsSkipped);

    buildFixture();
    const QByteArray archive = m_service->exportBackup();
    exec("UPDATE accounts SET name = 'Local newer', updated_at = '2030-01-01T00:00:00Z' WHERE id = 'acc-1'");
    exec("UPDATE accounts SET name = 'Local older', updated_at = '2000-01-01T00:00:00Z' WHERE id = 'acc-2'");
    exec("INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('acc-local', 'Only here', ?, ?)",
         {kStamp, kStamp});

    const BackupImportResult result = m_service->importBackup(archive, mode);
    QCOMPARE(result.errors, QStringList());
    QCOMPARE(result.imported[BackupImportResult::Accounts], accountsImported);
    QCOMPARE(result.skipped[BackupImportResult::Accounts], accountsSkipped);
    QCOMPARE(result.totalImported() + result.totalSkipped(), 16);

    QStringList actual;
    QSqlQuery query(m_db->database()->connection());
    QVERIFY(query.exec("SELECT name FROM accounts ORDER BY id"));
    while (query.next())
        actual << query.value(0).toString();
    QCOMPARE(actual, names);
    // An overwritten row is unsynced again; a skipped one keeps its state.
    const bool replaced = mode == BackupImportMode::ReplaceAll;
    QCOMPARE(m_db->scalar("SELECT sync_status FROM accounts WHERE id = 'acc-3'").toString(),
             QString(replaced ? "pending" : "synced"));
}

void tst_BackupService::refusedArchives_data()
{
    QTest::addColumn<QByteArray>("archive");
    QTest::addColumn<QString>("error");

    const QByteArray good = makeArchive({{"accounts/a.json", json(accountRow("a", "A"))},
                                         {"accounts/b.json", json(accountRow("b", "B"))},
                                         {"manifest.json", kManifest}});
    QByteArray random(4096, Qt::Uninitialized);
    QRandomGenerator generator(20240301);
    for (char &byte : random)
        byte = char(generator.bounded(256));

    const QString notZip = QStringLiteral("Failed to open ZIP archive");
    QTest::newRow("empty") << QByteArray() << notZip;
    QTest::newRow("randomBytes") << random << notZip;
    QTest::newRow("truncatedHalf") << good.left(good.size() / 2) << notZip;
    QTest::newRow("lastByteMissing") << good.chopped(1) << notZip;
    QTest::newRow("missingManifest")
        << makeArchive({{"accounts/a.json", json(accountRow("a", "A"))}})
        << "Invalid backup: missing manifest.json";
    QTest::newRow("emptyManifest") << makeArchive({{"accounts/a.json", json(accountRow("a", "A"))},
                                                   {"manifest.json", {}}})
                                   << "Invalid backup: missing manifest.json";
    QTest::newRow("version2") << makeArchive({{"accounts/a.json", json(accountRow("a", "A"))},
                                              {"manifest.json", R"({"version": 2})"}})
                              << "Unsupported backup version: 2";
    QTest::newRow("versionMissing") << makeArchive({{"accounts/a.json", json(accountRow("a", "A"))},
                                                    {"manifest.json", R"({"accountCount": 1})"}})
                                    << "Unsupported backup version: 0";
    QTest::newRow("versionText") << makeArchive({{"manifest.json", R"({"version": "1"})"}})
                                 << "Unsupported backup version: 0";
    QTest::newRow("manifestNotJson") << makeArchive({{"manifest.json", "version=1"}})
                                     << "Unsupported backup version: 0";
}

void tst_BackupService::refusedArchives()
{
    QFETCH(QByteArray, archive);
    QFETCH(QString, error);

    buildFixture();
    const QStringList before = dump();
    const BackupImportResult result = m_service->importBackup(archive, BackupImportMode::ReplaceAll);
    QCOMPARE(result.errors, QStringList{error});
    QCOMPARE(result.totalImported() + result.totalSkipped(), 0);
    QCOMPARE(dump(), before);
}

void tst_BackupService::damagedEntryRestoresNothing()
{
    // Stored entries keep their text in the archive, so one byte of a later
    // row can be altered; the rows restored before it must not survive.
    QByteArray archive = makeArchive({{"accounts/a.json", json(accountRow("a", "Kept out"))},
                                      {"transactions/t.json",
                                       json({{"id", "t"}, {"account_id", "a"}, {"date", "2024-01-01"},
                                             {"payee", "Corruptible"}, {"amount", 1}, {"created_at", kStamp},
                                             {"updated_at", kStamp}})},
                                      {"manifest.json", kManifest}},
                                     false);
    const qsizetype at = archive.indexOf("Corruptible");
    QVERIFY(at > 0);
    archive[at] = 'X';

    const BackupImportResult result = m_service->importBackup(archive, BackupImportMode::ReplaceAll);
    QCOMPARE(result.errors.size(), 1);
    QVERIFY2(result.errors.first().startsWith("transactions/t.json: damaged entry"), qPrintable(result.errors.first()));
    QCOMPARE(result.totalImported(), 0);
    QCOMPARE(count("accounts"), 0);
    QCOMPARE(count("transactions"), 0);
}

void tst_BackupService::hostileRows_data()
{
    QTest::addColumn<QByteArray>("row");      // transactions/x.json, after a valid account "acc"
    QTest::addColumn<bool>("existing");       // a local row with id "x" exists (update path)
    QTest::addColumn<int>("imported");
    QTest::addColumn<int>("skipped");
    QTest::addColumn<QString>("error");       // expected error text, empty for none

    const QJsonObject valid{{"id", "x"}, {"account_id", "acc"}, {"date", "2024-01-01"}, {"payee", "Shop"},
                            {"amount", -100}, {"created_at", kStamp}, {"updated_at", "2099-01-01T00:00:00Z"}};
    auto with = [&valid](const QString &key, const QJsonValue &value) {
        QJsonObject object = valid;
        object.insert(key, value);
        return json(object);
    };
    const QString injection = QStringLiteral("amount) VALUES (1); DROP TABLE accounts; --");
    const QString breakout = QStringLiteral("payee\" = 'x', \"amount");

    QTest::newRow("valid") << json(valid) << false << 1 << 0 << QString();
    QTest::newRow("validUpdate") << json(valid) << true << 1 << 0 << QString();
    QTest::newRow("injectionInsert") << with(injection, 1) << false << 0 << 1
                                     << "transactions/x.json: unknown column \"" + injection + "\"";
    QTest::newRow("injectionUpdate") << with(injection, 1) << true << 0 << 1
                                     << "transactions/x.json: unknown column \"" + injection + "\"";
    QTest::newRow("quoteBreakout") << with(breakout, "y") << true << 0 << 1
                                   << "transactions/x.json: unknown column \"" + breakout + "\"";
    QTest::newRow("unknownColumn") << with("nickname", "n") << false << 0 << 1
                                   << "transactions/x.json: unknown column \"nickname\"";
    QTest::newRow("arrayValue") << with("amount", QJsonArray{1, 2}) << false << 0 << 1
                                << "transactions/x.json: unsupported value for \"amount\"";
    QTest::newRow("objectValue") << with("memo", QJsonObject{{"a", 1}}) << false << 0 << 1
                                 << "transactions/x.json: unsupported value for \"memo\"";
    QTest::newRow("numericId") << with("id", 5) << false << 0 << 1 << QString();
    QTest::newRow("noId") << json(QJsonObject{{"payee", "Shop"}}) << false << 0 << 1 << QString();
    QTest::newRow("foreignKeyViolation") << with("account_id", "nowhere") << false << 0 << 1 << QString();
    QTest::newRow("notNullViolation") << with("payee", QJsonValue::Null) << false << 0 << 1 << QString();
    QTest::newRow("booleanValue") << with("cleared", true) << false << 1 << 0 << QString();
    QTest::newRow("notJson") << QByteArray("not json") << false << 0 << 0 << "transactions/x.json: invalid JSON";
    QTest::newRow("jsonArray") << QByteArray("[1, 2]") << false << 0 << 0 << "transactions/x.json: invalid JSON";
    QTest::newRow("emptyObject") << QByteArray("{}") << false << 0 << 0 << "transactions/x.json: invalid JSON";
}

void tst_BackupService::hostileRows()
{
    QFETCH(QByteArray, row);
    QFETCH(bool, existing);
    QFETCH(int, imported);
    QFETCH(int, skipped);
    QFETCH(QString, error);

    exec("INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('keep', 'Keep me', ?, ?)", {kStamp, kStamp});
    if (existing) {
        exec("INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('acc', 'Local', ?, ?)", {kStamp, kStamp});
        exec("INSERT INTO transactions (id, account_id, date, payee, amount, created_at, updated_at) "
             "VALUES ('x', 'acc', '2023-01-01', 'Before', 5, ?, ?)",
             {kStamp, kStamp});
    }
    const QByteArray archive = makeArchive({{"accounts/acc.json", json(accountRow("acc", "Acc"))},
                                            {"transactions/x.json", row},
                                            {"manifest.json", kManifest}});
    const BackupImportResult result = m_service->importBackup(archive, BackupImportMode::KeepNewer);

    QCOMPARE(result.errors, error.isEmpty() ? QStringList() : QStringList{error});
    QCOMPARE(result.imported[BackupImportResult::Transactions], imported);
    QCOMPARE(result.skipped[BackupImportResult::Transactions], skipped);
    QCOMPARE(result.imported[BackupImportResult::Accounts] + result.skipped[BackupImportResult::Accounts], 1);
    // Whatever the row held, the accounts table is intact and nothing else
    // was touched.
    QCOMPARE(m_db->scalar("SELECT name FROM accounts WHERE id = 'keep'").toString(), QStringLiteral("Keep me"));
    QCOMPARE(count("transactions"), (existing || imported) ? 1 : 0);
    if (existing && !imported)
        QCOMPARE(m_db->scalar("SELECT payee FROM transactions WHERE id = 'x'").toString(), QStringLiteral("Before"));
    if (imported)
        QCOMPARE(m_db->scalar("SELECT amount FROM transactions WHERE id = 'x'").toLongLong(), -100);
}

void tst_BackupService::foldersAndNames()
{
    const QByteArray archive = makeArchive({
        {"accounts/acc.json", json(accountRow("acc", "Acc"))},
        {"recurring/r1.json",
         json({{"id", "r1"}, {"account_id", "acc"}, {"payee", "Rent"}, {"amount", -1000}, {"start_date", "2024-01-01"},
               {"next_due_date", "2024-02-01"}, {"created_at", kStamp}, {"updated_at", kStamp}})},
        {"recurring_transactions/r2.json",
         json({{"id", "r2"}, {"account_id", "acc"}, {"payee", "Ignored"}, {"amount", -1}, {"start_date", "2024-01-01"},
               {"next_due_date", "2024-02-01"}, {"created_at", kStamp}, {"updated_at", kStamp}})},
        {"accounts/other.txt", json(accountRow("other", "Not json name"))},
        {"Accounts/upper.json", json(accountRow("upper", "Wrong case"))},
        {"preferences/theme.json", json({{"key", "theme"}, {"value", "dark"}})},
        {"sqlite_master/x.json", json({{"id", "x"}})},
        {"manifest.json", kManifest},
    });
    const BackupImportResult result = m_service->importBackup(archive, BackupImportMode::SkipExisting);
    QCOMPARE(result.errors, QStringList());
    QCOMPARE(result.imported, (std::array<int, 6>{1, 0, 0, 0, 1, 0}));
    QCOMPARE(count("accounts"), 1);
    QCOMPARE(m_db->scalar("SELECT payee FROM recurring_transactions").toString(), QStringLiteral("Rent"));
    QCOMPARE(count("recurring_transactions"), 1);
    QCOMPARE(count("preferences"), 0);
}

void tst_BackupService::zipBombs_data()
{
    QTest::addColumn<QByteArray>("archive");
    QTest::addColumn<QString>("error");

    const QByteArray zeros(1 << 20, '\0');   // deflates to about a kilobyte

    // Declares 100 MiB for one entry in the central directory.
    QByteArray oneHuge = makeArchive({{"accounts/bomb.json", zeros}, {"manifest.json", kManifest}});
    declareSize(oneHuge, "accounts/", 100u << 20);
    QTest::newRow("entryOver64MiB") << oneHuge
                                    << "accounts/bomb.json is too large to restore (104857600 bytes uncompressed)";

    // Twenty entries of 60 MiB each stay under the entry limit but not the total.
    Entries many;
    for (int i = 0; i < 20; ++i)
        many.append({QStringLiteral("transactions/t%1.json").arg(i), zeros});
    many.append({"manifest.json", kManifest});
    QByteArray totalHuge = makeArchive(many);
    declareSize(totalHuge, "transactions/", 60u << 20);
    QTest::newRow("totalOver1GiB")
        << totalHuge << "Backup is too large to restore (more than 1073741824 bytes uncompressed)";

    QByteArray hugeManifest = makeArchive({{"manifest.json", kManifest}});
    declareSize(hugeManifest, "manifest", 0xFFFFFFF0u);
    QTest::newRow("manifestOver64MiB") << hugeManifest
                                       << "manifest.json is too large to restore (4294967280 bytes uncompressed)";

    // Declares less than the data inflates to: refused while inflating,
    // within the declared size, and the rows before it are rolled back.
    QByteArray lying = makeArchive({{"accounts/acc.json", json(accountRow("acc", "Acc"))},
                                    {"transactions/bomb.json", zeros},
                                    {"manifest.json", kManifest}});
    declareSize(lying, "transactions/", 100);
    QTest::newRow("declaresLessThanItHolds")
        << lying << "transactions/bomb.json: damaged entry (entry data does not match its declared size); "
                    "nothing was restored";
}

void tst_BackupService::zipBombs()
{
    QFETCH(QByteArray, archive);
    QFETCH(QString, error);

    const BackupImportResult result = m_service->importBackup(archive, BackupImportMode::ReplaceAll);
    QCOMPARE(result.errors, QStringList{error});
    QCOMPARE(result.totalImported(), 0);
    QCOMPARE(count("accounts"), 0);
}

void tst_BackupService::moreThan65535Entries()
{
    // Past 65,535 entries the 16-bit counts of the ZIP end record wrap; the
    // archive carries the ZIP64 end record and every row comes back.
    constexpr int rows = 70000;
    exec("INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('acc', 'Acc', ?, ?)", {kStamp, kStamp});
    exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ?) "
         "INSERT INTO reconciliations (id, account_id, statement_date, statement_balance, reconciled_balance, "
         "completed_at, created_at, updated_at) "
         "SELECT printf('r%06d', i), 'acc', '2024-01-01', i, i, ?, ?, ? FROM n",
         {rows, kStamp, kStamp, kStamp});
    const QByteArray archive = m_service->exportBackup();
    QCOMPARE(u32(archive, archive.size() - 22), 0x06054b50u);
    QCOMPARE(u32(archive, archive.size() - 22 - 20), 0x07064b50u);   // ZIP64 locator
    QCOMPARE(u32(archive, archive.size() - 22 - 20 - 56), 0x06064b50u); // ZIP64 end record

    freshDatabase();
    const BackupImportResult result = m_service->importBackup(archive, BackupImportMode::SkipExisting);
    QCOMPARE(result.errors, QStringList());
    QCOMPARE(result.imported[BackupImportResult::Reconciliations], rows);
    QCOMPARE(count("reconciliations"), rows);
    QCOMPARE(m_db->scalar("SELECT SUM(statement_balance) FROM reconciliations").toLongLong(),
             qint64(rows) * (rows + 1) / 2);
}

void tst_BackupService::exportToFile()
{
    buildFixture();
    const QString path = m_db->folder() + "/backup.zip";
    QString error;
    QVERIFY(m_service->exportBackupToFile(path, &error));
    QCOMPARE(error, QString());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray archive = file.readAll();
    file.close();

    const QStringList expected = dump(true);
    freshDatabase();
    const BackupImportResult result = m_service->importBackup(archive, BackupImportMode::SkipExisting);
    QCOMPARE(result.errors, QStringList());
    QCOMPARE(dump(), expected);

    QVERIFY(!m_service->exportBackupToFile(m_db->folder() + "/no/such/folder/backup.zip", &error));
    QVERIFY(!error.isEmpty());
}

void tst_BackupService::failedExportToFileKeepsOldFile()
{
#ifdef Q_OS_UNIX
    buildFixture();
    const QString path = m_db->folder() + "/backup.zip";
    const QByteArray previous = "the previous, good backup";
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(previous);
    }

    // A file size limit makes the disk "full" a few kilobytes in.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit original{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &original), 0);
    rlimit small = original;
    small.rlim_cur = 2048;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    QString error;
    const bool written = m_service->exportBackupToFile(path, &error);
    setrlimit(RLIMIT_FSIZE, &original);

    QVERIFY(!written);
    QVERIFY(!error.isEmpty());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), previous);
    QCOMPARE(QDir(m_db->folder()).entryList({"backup.zip*"}, QDir::Files), QStringList{"backup.zip"});
#else
    QSKIP("needs a file size limit");
#endif
}

QTEST_GUILESS_MAIN(tst_BackupService)
#include "tst_backupservice.moc"
