#include "common/testdatabase.h"
#include "services/backupservice.h"

#include "data/changejournal.h"

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

#include <zip.h>

#include <limits>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

const QStringList kTables{"accounts", "categories", "transactions", "split_lines", "recurring_transactions",
                          "reconciliations"};
const QString kStamp = QStringLiteral("2024-03-01T10:00:00Z");
using Entries = QList<std::pair<QString, QByteArray>>;
using Counts = std::array<int, 6>;   // accounts, categories, transactions, split lines, recurring, reconciliations

// A manifest as the exporter writes it, with the row counts given.
QByteArray manifest(const Counts &counts, int version = 1)
{
    const char *keys[] = {"accountCount", "categoryCount", "transactionCount", "splitLineCount", "recurringCount",
                          "reconciliationCount"};
    QJsonObject object{{"version", version}, {"exportedAt", "2024-03-01T10:00:00Z"}};
    for (int i = 0; i < 6; ++i)
        object.insert(keys[i], counts[i]);
    return QJsonDocument(object).toJson();
}

// Builds an archive with libzip itself, entries in the given order, each
// deflated or stored.
QByteArray makeArchive(const Entries &entries, bool compress = true)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *out = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_t *archive = zip_open_from_source(out, ZIP_TRUNCATE, &error);
    zip_error_fini(&error);
    if (!archive)
        return {};
    zip_source_keep(out);
    for (const auto &[name, data] : entries) {
        zip_source_t *source = zip_source_buffer(archive, data.constData(), zip_uint64_t(data.size()), 0);
        const zip_int64_t index = zip_file_add(archive, name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8);
        if (index < 0) {
            zip_source_free(source);
            continue;
        }
        zip_set_file_compression(archive, zip_uint64_t(index), compress ? ZIP_CM_DEFLATE : ZIP_CM_STORE, 0);
    }
    QByteArray bytes;
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_close(archive) == 0 && zip_source_stat(out, &stat) == 0 && zip_source_open(out) == 0) {
        bytes.resize(qsizetype(stat.size));
        zip_source_read(out, bytes.data(), stat.size);
        zip_source_close(out);
    } else {
        zip_discard(archive);
    }
    zip_source_free(out);
    return bytes;
}

// Every entry of an archive, in order, read by libzip with its checks on;
// an empty list when libzip refuses it.
Entries readArchive(const QByteArray &bytes)
{
    Entries entries;
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *source = zip_source_buffer_create(bytes.constData(), zip_uint64_t(bytes.size()), 0, &error);
    zip_t *archive = zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error);
    zip_error_fini(&error);
    if (!archive) {
        zip_source_free(source);
        return entries;
    }
    for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i) {
        zip_stat_t stat;
        zip_stat_index(archive, zip_uint64_t(i), 0, &stat);
        QByteArray data(qsizetype(stat.size), Qt::Uninitialized);
        zip_file_t *file = zip_fopen_index(archive, zip_uint64_t(i), 0);
        const zip_int64_t got = file ? zip_fread(file, data.data(), stat.size) : -1;
        if (file)
            zip_fclose(file);
        entries.append({QString::fromUtf8(stat.name), got == zip_int64_t(stat.size) ? data : QByteArray("<unreadable>")});
    }
    zip_discard(archive);
    return entries;
}

QByteArray entryData(const Entries &entries, const QString &name)
{
    for (const auto &[entryName, data] : entries) {
        if (entryName == name)
            return data;
    }
    return {};
}

quint16 u16(const QByteArray &data, qsizetype pos)
{
    return quint16(uchar(data[pos]) | (uchar(data[pos + 1]) << 8));
}

quint32 u32(const QByteArray &data, qsizetype pos)
{
    const auto *p = reinterpret_cast<const uchar *>(data.constData() + pos);
    return quint32(p[0]) | (quint32(p[1]) << 8) | (quint32(p[2]) << 16) | (quint32(p[3]) << 24);
}

void put32(QByteArray &data, qsizetype pos, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        data[pos + i] = char((value >> (8 * i)) & 0xFF);
}

enum class Headers { Central, Local, Both };

// Calls `patch(archive, headerStart, nameStart, isCentral)` for the records
// of every entry whose name starts with `prefix`, in the central directory,
// the local headers or both, as damage or a crafted archive would change
// them. Archives of fewer than 65,535 entries without a comment.
template <typename Patch>
void patchRecords(QByteArray &zip, const QString &prefix, Headers which, Patch patch)
{
    const qsizetype end = zip.size() - 22;
    qsizetype pos = u32(zip, end + 16);
    while (pos < end && u32(zip, pos) == 0x02014b50) {
        const int nameLength = u16(zip, pos + 28);
        const int rest = u16(zip, pos + 30) + u16(zip, pos + 32);
        if (QString::fromUtf8(zip.mid(pos + 46, nameLength)).startsWith(prefix)) {
            const qsizetype local = u32(zip, pos + 42);
            if (which != Headers::Local)
                patch(zip, pos, pos + 46, true);
            if (which != Headers::Central)
                patch(zip, local, local + 30, false);
        }
        pos += 46 + nameLength + rest;
    }
}

// Declares another uncompressed size for the entries under `prefix`.
void declareSize(QByteArray &zip, const QString &prefix, quint32 size, Headers which = Headers::Both)
{
    patchRecords(zip, prefix, which, [size](QByteArray &bytes, qsizetype header, qsizetype, bool central) {
        put32(bytes, header + (central ? 24 : 22), size);
    });
}

// Overwrites the start of the names under `prefix` with `replacement` (of
// the same length).
void rename(QByteArray &zip, const QString &prefix, const QByteArray &replacement, Headers which)
{
    patchRecords(zip, prefix, which, [&replacement](QByteArray &bytes, qsizetype, qsizetype name, bool) {
        bytes.replace(name, replacement.size(), replacement);
    });
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
    void importIdsSurviveRestore();
    void roundTripThroughFiles();
    void archiveOfEarlierVersionRestoresExactly();
    void exportKeepsTheEarlierFormat();
    void rowFilesMatchQtJsonText_data();
    void rowFilesMatchQtJsonText();
    void emptyDatabaseExportsOnlyManifest();
    void failedExportQueryWritesTheRest();
    void restoreAnnouncesOneChangeSet();
    void modes_data();
    void modes();
    void refusedArchives_data();
    void refusedArchives();
    void refusedArchiveFiles_data();
    void refusedArchiveFiles();
    void damagedEntryRestoresNothing();
    void hostileRows_data();
    void hostileRows();
    void foldersAndNames();
    void zipBombs_data();
    void zipBombs();
    void tooManyEntries();
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

    // libzip, checking every local header, sees the layout and the counts.
    const Entries entries = readArchive(archive);
    QCOMPARE(entries.size(), 3 + 3 + 6 + 2 + 1 + 1 + 1);
    QCOMPARE(entries.last().first, QStringLiteral("manifest.json"));
    QVERIFY(!entryData(entries, "recurring/rec-1.json").isEmpty());
    const QJsonObject manifest = QJsonDocument::fromJson(entryData(entries, "manifest.json")).object();
    QCOMPARE(manifest.value("version").toInt(), 1);
    QCOMPARE(manifest.value("accountCount").toInt(), 3);
    QCOMPARE(manifest.value("categoryCount").toInt(), 3);
    QCOMPARE(manifest.value("transactionCount").toInt(), 6);
    QCOMPARE(manifest.value("splitLineCount").toInt(), 2);
    QCOMPARE(manifest.value("recurringCount").toInt(), 1);
    QCOMPARE(manifest.value("reconciliationCount").toInt(), 1);
    const QJsonObject account = QJsonDocument::fromJson(entryData(entries, "accounts/acc-1.json")).object();
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

// A restored file keeps the import ids, so importing the same statement
// again still finds the rows it already holds.
void tst_BackupService::importIdsSurviveRestore()
{
    buildFixture();
    exec("UPDATE transactions SET fitid = 'BANK-0001' WHERE id = 'tx-pay'");
    const QByteArray archive = m_service->exportBackup();
    const Entries entries = readArchive(archive);
    QVERIFY(!entryData(entries, "transactions/tx-pay.json").contains("\"fitid\": null"));
    QVERIFY(entryData(entries, "transactions/tx-pay.json").contains("\"fitid\": \"BANK-0001\""));
    for (const auto &[name, data] : entries)
        QVERIFY2(name == "transactions/tx-pay.json" || !data.contains("fitid"), qPrintable(name));

    freshDatabase();
    const BackupImportResult result = m_service->importBackup(archive, BackupImportMode::SkipExisting);
    QCOMPARE(result.errors, QStringList());
    QCOMPARE(m_db->scalar("SELECT fitid FROM transactions WHERE id = 'tx-pay'").toString(),
             QStringLiteral("BANK-0001"));
    QCOMPARE(m_db->scalar("SELECT COUNT(*) FROM transactions WHERE fitid IS NOT NULL").toInt(), 1);
}

void tst_BackupService::roundTripThroughFiles()
{
    buildFixture();
    const QStringList expected = dump(true);
    const QString path = m_db->folder() + "/round trip.zip";
    QString error;
    QVERIFY2(m_service->exportBackupToFile(path, &error), qPrintable(error));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const Entries fromFile = readArchive(file.readAll());
    file.close();
    QCOMPARE(fromFile.size(), 17);
    QCOMPARE(fromFile.mid(0, 16), readArchive(m_service->exportBackup()).mid(0, 16));

    const QString kept = QDir::temp().filePath(QStringLiteral("quillby-roundtrip-%1.zip").arg(QCoreApplication::applicationPid()));
    QFile::remove(kept);
    QVERIFY(QFile::copy(path, kept));
    freshDatabase();
    const BackupImportResult result = m_service->importBackupFile(kept, BackupImportMode::SkipExisting);
    QFile::remove(kept);
    QCOMPARE(result.errors, QStringList());
    QCOMPARE(result.totalImported(), 16);
    QCOMPARE(dump(), expected);
}

// The fixture was written by the exporter that came before libzip (Qt's
// ZIP writer: stored rows, a deflated manifest) from the rows
// buildFixture() inserts.
void tst_BackupService::archiveOfEarlierVersionRestoresExactly()
{
    QFile fixture(QFINDTESTDATA("../fixtures/backup-v1.zip"));
    QVERIFY(fixture.open(QIODevice::ReadOnly));
    const QByteArray archive = fixture.readAll();

    buildFixture();
    const QStringList expected = dump(true);
    freshDatabase();
    const BackupImportResult result = m_service->importBackup(archive, BackupImportMode::SkipExisting);
    QCOMPARE(result.errors, QStringList());
    QCOMPARE(result.imported, (std::array<int, 6>{3, 3, 6, 2, 1, 1}));
    QCOMPARE(dump(), expected);
    QCOMPARE(m_db->scalar("SELECT amount FROM transactions WHERE id = 'tx-big'").toLongLong(),
             Q_INT64_C(9007199254740993));
    QCOMPARE(m_db->scalar("SELECT name FROM accounts WHERE id = 'acc-2'").toString(),
             QStringLiteral("Épargne \"joint\""));
    QCOMPARE(m_db->scalar("SELECT deleted_at FROM accounts WHERE id = 'acc-3'").toString(),
             QStringLiteral("2024-02-01T00:00:00Z"));
}

// Existing backups and whatever reads them rely on the layout: the same
// entries in the same order, the same bytes in every row file, rows stored
// and the manifest deflated.
void tst_BackupService::exportKeepsTheEarlierFormat()
{
    QFile fixture(QFINDTESTDATA("../fixtures/backup-v1.zip"));
    QVERIFY(fixture.open(QIODevice::ReadOnly));
    const Entries earlier = readArchive(fixture.readAll());
    QCOMPARE(earlier.size(), 17);

    buildFixture();
    const QByteArray archive = m_service->exportBackup();
    Entries now = readArchive(archive);
    QCOMPARE(now.size(), earlier.size());
    QCOMPARE(now.mid(0, 16), earlier.mid(0, 16));
    QJsonObject manifest = QJsonDocument::fromJson(now.last().second).object();
    QJsonObject earlierManifest = QJsonDocument::fromJson(earlier.last().second).object();
    manifest.remove("exportedAt");
    earlierManifest.remove("exportedAt");
    QCOMPARE(manifest, earlierManifest);

    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *source = zip_source_buffer_create(archive.constData(), zip_uint64_t(archive.size()), 0, &error);
    zip_t *zip = zip_open_from_source(source, ZIP_RDONLY, &error);
    QVERIFY(zip);
    for (zip_int64_t i = 0; i < zip_get_num_entries(zip, 0); ++i) {
        zip_stat_t stat;
        zip_stat_index(zip, zip_uint64_t(i), 0, &stat);
        QCOMPARE(stat.comp_method, zip_uint16_t(i + 1 == zip_get_num_entries(zip, 0) ? ZIP_CM_DEFLATE : ZIP_CM_STORE));
    }
    zip_discard(zip);
    zip_error_fini(&error);
}

void tst_BackupService::rowFilesMatchQtJsonText_data()
{
    QTest::addColumn<QString>("column");   // of the transaction row
    QTest::addColumn<QVariant>("value");

    QTest::newRow("plain") << "memo" << QVariant("Weekly groceries");
    QTest::newRow("null") << "memo" << QVariant();
    QTest::newRow("empty") << "memo" << QVariant("");
    QTest::newRow("quotesAndBackslashes") << "memo" << QVariant(R"(say "hi" \ C:\path\)");
    QTest::newRow("controlCharacters") << "memo"
                                       << QVariant(QString::fromUtf8("tab\there\nnew\rret\bbs\fff\x01\x1f end"));
    QTest::newRow("nulCharacter") << "memo" << QVariant(QString(QChar(0)) + "after nul");
    QTest::newRow("delete") << "memo" << QVariant(QString::fromUtf8("\x7f"));
    QTest::newRow("accents") << "payee" << QVariant("Épargne à côté");
    QTest::newRow("emoji") << "payee" << QVariant(QString::fromUtf8("coffee \xe2\x98\x95 \xf0\x9f\x8d\xa9"));
    QTest::newRow("invalidUtf8Blob") << "memo" << QVariant(QByteArray("bad \xff\xfe bytes \xc3"));
    QTest::newRow("smallestInteger") << "amount" << QVariant(std::numeric_limits<qint64>::min());
    QTest::newRow("largestInteger") << "amount" << QVariant(std::numeric_limits<qint64>::max());
    QTest::newRow("real") << "amount" << QVariant(0.1);
    QTest::newRow("hugeReal") << "amount" << QVariant(1e300);
    QTest::newRow("negativeReal") << "amount" << QVariant(-2.5e-7);
    QTest::newRow("numberInTextColumn") << "memo" << QVariant(42.5);
    QTest::newRow("importId") << "fitid" << QVariant("20240101-FITID-7");
}

// Each row file is exactly the text QJsonDocument makes of the row read
// through Qt's SQL driver, as earlier versions wrote it.
void tst_BackupService::rowFilesMatchQtJsonText()
{
    QFETCH(QString, column);
    QFETCH(QVariant, value);
    exec("INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('acc', 'Acc', ?, ?)", {kStamp, kStamp});
    exec("INSERT INTO transactions (id, account_id, date, payee, amount, created_at, updated_at) "
         "VALUES ('tx', 'acc', '2024-01-01', 'Shop', 5, ?, ?)",
         {kStamp, kStamp});
    QSqlQuery update(m_db->database()->connection());
    QVERIFY(update.prepare(QStringLiteral("UPDATE transactions SET %1 = %2 WHERE id = 'tx'")
                               .arg(column, value.typeId() == QMetaType::QByteArray ? "CAST(? AS BLOB)" : "?")));
    update.addBindValue(value);
    QVERIFY(update.exec());

    QSqlQuery query(m_db->database()->connection());
    QVERIFY(query.exec("SELECT * FROM transactions WHERE id = 'tx'") && query.next());
    QJsonObject object;
    const QSqlRecord record = query.record();
    for (int i = 0; i < record.count(); ++i) {
        const QVariant cell = query.value(i);
        // The import id came after the archive layout: written only when set.
        if (record.fieldName(i) == QLatin1String("fitid") && cell.isNull())
            continue;
        QJsonValue json;
        if (cell.isNull())
            json = QJsonValue(QJsonValue::Null);
        else if (cell.typeId() == QMetaType::LongLong || cell.typeId() == QMetaType::Int)
            json = QJsonValue(cell.toLongLong());
        else if (cell.typeId() == QMetaType::Double)
            json = QJsonValue(cell.toDouble());
        else
            json = QJsonValue(cell.toString());
        object.insert(record.fieldName(i), json);
    }
    const QByteArray expected = QJsonDocument(object).toJson(QJsonDocument::Indented);

    const Entries entries = readArchive(m_service->exportBackup());
    QCOMPARE(QString::fromUtf8(entryData(entries, "transactions/tx.json")), QString::fromUtf8(expected));
    QCOMPARE(entryData(entries, "transactions/tx.json"), expected);
}

void tst_BackupService::emptyDatabaseExportsOnlyManifest()
{
    const Entries entries = readArchive(m_service->exportBackup());
    QCOMPARE(entries.size(), 1);
    const QJsonObject manifest = QJsonDocument::fromJson(entryData(entries, "manifest.json")).object();
    QCOMPARE(manifest.keys(), (QStringList{"accountCount", "categoryCount", "exportedAt", "reconciliationCount",
                                           "recurringCount", "splitLineCount", "transactionCount", "version"}));
    for (const QString &key : manifest.keys()) {
        if (key.endsWith("Count"))
            QCOMPARE(manifest.value(key).toInt(-1), 0);
    }
    QVERIFY(QRegularExpression("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\dZ$")
                .match(manifest.value("exportedAt").toString())
                .hasMatch());

    const BackupImportResult result = m_service->importBackup(m_service->exportBackup(), BackupImportMode::ReplaceAll);
    QCOMPARE(result.errors, QStringList());
    QCOMPARE(result.totalImported() + result.totalSkipped(), 0);
}

void tst_BackupService::failedExportQueryWritesTheRest()
{
    buildFixture();
    exec("PRAGMA foreign_keys = OFF");
    exec("DROP TABLE reconciliations");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^BackupService export query failed: "));
    const Entries entries = readArchive(m_service->exportBackup());
    const QJsonObject manifest = QJsonDocument::fromJson(entryData(entries, "manifest.json")).object();
    QCOMPARE(manifest.value("reconciliationCount").toInt(-1), 0);
    QCOMPARE(manifest.value("transactionCount").toInt(), 6);
    QCOMPARE(entries.size(), 3 + 3 + 6 + 2 + 1 + 1);
}

void tst_BackupService::restoreAnnouncesOneChangeSet()
{
    buildFixture();
    const QByteArray archive = m_service->exportBackup();
    freshDatabase();
    ChangeJournal *journal = m_db->database()->changes();
    QVERIFY(journal);
    QList<ChangeSet> committed;
    connect(journal, &ChangeJournal::committed, this, [&committed](const ChangeSet &changes) { committed.append(changes); });

    // A refused archive announces nothing.
    QByteArray damaged = archive;
    rename(damaged, "accounts/acc-1", "accounts/acc-9", Headers::Central);
    QCOMPARE(m_service->importBackup(damaged, BackupImportMode::ReplaceAll).totalImported(), 0);
    QCOMPARE(committed.count(), 0);

    QCOMPARE(m_service->importBackup(archive, BackupImportMode::ReplaceAll).errors, QStringList());
    QCOMPARE(committed.count(), 1);
    const ChangeSet &changes = committed.first();
    for (ChangeSet::Entity entity : {ChangeSet::Entity::Account, ChangeSet::Entity::Category,
                                     ChangeSet::Entity::Transaction, ChangeSet::Entity::Recurring,
                                     ChangeSet::Entity::Reconciliation})
        QVERIFY(changes.contains(entity));
    QVERIFY(changes.allRegisters());

    // Restoring it again over the same rows writes nothing and says so.
    QCOMPARE(m_service->importBackup(archive, BackupImportMode::SkipExisting).totalImported(), 0);
    QCOMPARE(committed.count(), 1);
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
                                         {"manifest.json", manifest({2, 0, 0, 0, 0, 0})}});
    QByteArray random(4096, Qt::Uninitialized);
    QRandomGenerator generator(20240301);
    for (char &byte : random)
        byte = char(generator.bounded(256));
    const QByteArray oneAccount = json(accountRow("a", "A"));

    const QString notZip = QStringLiteral("Failed to open ZIP archive");
    const QString damagedDirectory = QStringLiteral(
        "The backup is damaged: the archive's table of contents does not match its entries. Nothing was restored.");
    QTest::newRow("empty") << QByteArray() << notZip;
    QTest::newRow("randomBytes") << random << notZip;
    QTest::newRow("text") << QByteArray("accounts/a.json,manifest.json\n") << notZip;
    QTest::newRow("truncatedHalf") << good.left(good.size() / 2) << notZip;
    QTest::newRow("truncatedDirectory") << good.left(good.size() - 30) << notZip;
    QTest::newRow("lastByteMissing") << good.chopped(1) << notZip;
    QTest::newRow("missingManifest")
        << makeArchive({{"accounts/a.json", oneAccount}}) << "Invalid backup: missing manifest.json";
    QTest::newRow("emptyManifest") << makeArchive({{"accounts/a.json", oneAccount}, {"manifest.json", {}}})
                                   << "Invalid backup: missing manifest.json";
    QTest::newRow("version2") << makeArchive({{"accounts/a.json", oneAccount},
                                              {"manifest.json", manifest({1, 0, 0, 0, 0, 0}, 2)}})
                              << "Unsupported backup version: 2";
    QTest::newRow("versionMissing") << makeArchive({{"accounts/a.json", oneAccount},
                                                    {"manifest.json", R"({"accountCount": 1})"}})
                                    << "Unsupported backup version: 0";
    QTest::newRow("versionText") << makeArchive({{"manifest.json", R"({"version": "1"})"}})
                                 << "Unsupported backup version: 0";
    QTest::newRow("manifestNotJson") << makeArchive({{"manifest.json", "version=1"}})
                                     << "Unsupported backup version: 0";

    // The manifest's counts against the entries found per table.
    QTest::newRow("countsMissing") << makeArchive({{"accounts/a.json", oneAccount},
                                                   {"manifest.json", R"({"version": 1})"}})
                                   << "Invalid backup: manifest.json gives no row count for \"accounts\"";
    QTest::newRow("countAsText")
        << makeArchive({{"accounts/a.json", oneAccount},
                        {"manifest.json", R"({"version": 1, "accountCount": "1", "categoryCount": 0,
                                             "transactionCount": 0, "splitLineCount": 0, "recurringCount": 0,
                                             "reconciliationCount": 0})"}})
        << "Invalid backup: manifest.json gives no row count for \"accounts\"";
    QTest::newRow("rowMissing") << makeArchive({{"accounts/a.json", oneAccount},
                                                {"manifest.json", manifest({2, 0, 0, 0, 0, 0})}})
                                << "The backup is damaged: manifest.json lists 2 rows in \"accounts\" but the "
                                   "archive holds 1. Nothing was restored.";
    QTest::newRow("rowAdded") << makeArchive({{"accounts/a.json", oneAccount},
                                              {"recurring/r.json", json({{"id", "r"}})},
                                              {"manifest.json", manifest({1, 0, 0, 0, 0, 0})}})
                              << "The backup is damaged: manifest.json lists 0 rows in \"recurring\" but the "
                                 "archive holds 1. Nothing was restored.";

    // A name damaged in the central directory only: libzip's comparison
    // with the local header catches it, whatever the name became.
    QByteArray movedOut = good;
    rename(movedOut, "accounts/b", "xccounts/b", Headers::Central);
    QTest::newRow("nameDamagedInDirectory") << movedOut << damagedDirectory;
    QByteArray movedIn = good;
    rename(movedIn, "accounts/b", "accounts/c", Headers::Central);
    QTest::newRow("nameDamagedWithinFolder") << movedIn << damagedDirectory;
    QByteArray localOnly = good;
    rename(localOnly, "accounts/a", "accounts/z", Headers::Local);
    QTest::newRow("nameDamagedInLocalHeader") << localOnly << damagedDirectory;
    QByteArray duplicate = good;
    rename(duplicate, "accounts/b", "accounts/a", Headers::Both);
    QTest::newRow("twoEntriesOneName") << duplicate << damagedDirectory;
    // Both headers agree on a name outside the folders: the manifest's
    // count shows the row that would have been skipped.
    QByteArray renamedBoth = good;
    rename(renamedBoth, "accounts/b", "xccounts/b", Headers::Both);
    QTest::newRow("rowMovedOutOfItsFolder") << renamedBoth
                                            << "The backup is damaged: manifest.json lists 2 rows in \"accounts\" "
                                               "but the archive holds 1. Nothing was restored.";
    QByteArray sizeLies = good;
    declareSize(sizeLies, "accounts/a", 10, Headers::Central);
    QTest::newRow("sizeDamagedInDirectory") << sizeLies << damagedDirectory;
}

void tst_BackupService::refusedArchives()
{
    QFETCH(QByteArray, archive);
    QFETCH(QString, error);

    buildFixture();
    const QStringList before = dump();
    for (BackupImportMode mode :
         {BackupImportMode::SkipExisting, BackupImportMode::ReplaceAll, BackupImportMode::KeepNewer}) {
        const BackupImportResult result = m_service->importBackup(archive, mode);
        QCOMPARE(result.errors, QStringList{error});
        QCOMPARE(result.totalImported() + result.totalSkipped(), 0);
        QCOMPARE(dump(), before);
    }
}

void tst_BackupService::refusedArchiveFiles_data()
{
    QTest::addColumn<QByteArray>("contents");   // empty for a file that does not exist
    QTest::addColumn<QString>("error");

    const QByteArray good = makeArchive({{"accounts/a.json", json(accountRow("a", "A"))},
                                         {"manifest.json", manifest({1, 0, 0, 0, 0, 0})}});
    QTest::newRow("missing") << QByteArray() << "Failed to open ZIP archive";
    QTest::newRow("truncated") << good.left(good.size() - 10) << "Failed to open ZIP archive";
    QTest::newRow("notZip") << QByteArray("%PDF-1.7\n") << "Failed to open ZIP archive";
}

void tst_BackupService::refusedArchiveFiles()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, error);

    const QString path = m_db->folder() + "/restore.zip";
    if (!contents.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }
    buildFixture();
    const QStringList before = dump();
    const BackupImportResult result = m_service->importBackupFile(path, BackupImportMode::ReplaceAll);
    QCOMPARE(result.errors, QStringList{error});
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
                                      {"manifest.json", manifest({1, 0, 1, 0, 0, 0})}},
                                     false);
    const qsizetype at = archive.indexOf("Corruptible");
    QVERIFY(at > 0);
    archive[at] = 'X';

    const BackupImportResult result = m_service->importBackup(archive, BackupImportMode::ReplaceAll);
    QCOMPARE(result.errors, QStringList{"transactions/t.json: damaged entry (CRC error); nothing was restored"});
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
                                            {"manifest.json", manifest({1, 0, 1, 0, 0, 0})}});
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
        {"manifest.json", manifest({1, 0, 0, 0, 1, 0})},
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

    // Declares 100 MiB for one entry, in both its headers.
    QByteArray oneHuge = makeArchive({{"accounts/bomb.json", zeros}, {"manifest.json", manifest({1, 0, 0, 0, 0, 0})}});
    declareSize(oneHuge, "accounts/", 100u << 20);
    QTest::newRow("entryOver64MiB") << oneHuge
                                    << "accounts/bomb.json is too large to restore (104857600 bytes uncompressed)";

    // Twenty entries of 60 MiB each stay under the entry limit but not the total.
    Entries many;
    for (int i = 0; i < 20; ++i)
        many.append({QStringLiteral("transactions/t%1.json").arg(i), zeros});
    many.append({"manifest.json", manifest({0, 0, 20, 0, 0, 0})});
    QByteArray totalHuge = makeArchive(many);
    declareSize(totalHuge, "transactions/", 60u << 20);
    QTest::newRow("totalOver1GiB")
        << totalHuge << "Backup is too large to restore (more than 1073741824 bytes uncompressed)";

    QByteArray hugeManifest = makeArchive({{"manifest.json", manifest({0, 0, 0, 0, 0, 0})}});
    declareSize(hugeManifest, "manifest", 0xFFFFFFF0u);
    QTest::newRow("manifestOver64MiB") << hugeManifest
                                       << "manifest.json is too large to restore (4294967280 bytes uncompressed)";

    // Declares less than the data inflates to: refused while inflating,
    // within the declared size, and the rows before it are rolled back.
    QByteArray lying = makeArchive({{"accounts/acc.json", json(accountRow("acc", "Acc"))},
                                    {"transactions/bomb.json", zeros},
                                    {"manifest.json", manifest({1, 0, 1, 0, 0, 0})}});
    declareSize(lying, "transactions/", 100);
    QTest::newRow("declaresLessThanItHolds")
        << lying << "transactions/bomb.json: damaged entry (entry data does not match its declared size); "
                    "nothing was restored";
    // Declares more than it holds: the data ends early.
    QByteArray short_ = makeArchive({{"accounts/acc.json", json(accountRow("acc", "Acc"))},
                                     {"transactions/short.json", zeros},
                                     {"manifest.json", manifest({1, 0, 1, 0, 0, 0})}});
    declareSize(short_, "transactions/", (1 << 20) + 1);
    QTest::newRow("declaresMoreThanItHolds")
        << short_ << "transactions/short.json: damaged entry (entry data does not match its declared size); "
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

void tst_BackupService::tooManyEntries()
{
    Entries entries;
    for (int i = 0; i < 10; ++i)
        entries.append({QStringLiteral("accounts/a%1.json").arg(i), json(accountRow(QStringLiteral("a%1").arg(i), "A"))});
    entries.append({"manifest.json", manifest({10, 0, 0, 0, 0, 0})});
    const QByteArray archive = makeArchive(entries);

    BackupService::Limits limits;
    limits.entries = 10;
    m_service->setLimits(limits);
    BackupImportResult result = m_service->importBackup(archive, BackupImportMode::ReplaceAll);
    QCOMPARE(result.errors, QStringList{"Backup has too many entries (more than 10)"});
    QCOMPARE(result.totalImported(), 0);
    QCOMPARE(count("accounts"), 0);

    limits.entries = 11;
    m_service->setLimits(limits);
    result = m_service->importBackup(archive, BackupImportMode::ReplaceAll);
    QCOMPARE(result.errors, QStringList());
    QCOMPARE(count("accounts"), 10);
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
