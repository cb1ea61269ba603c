// libFuzzer target: the bytes of a backup archive restored in each import
// mode into an in-memory database that already holds a few rows with the
// same ids. Every restore runs inside an outer savepoint that is rolled back,
// so each input starts from the same data.
//
// An input that starts with "ENTRIES\n" is not an archive but a list of
// entries, each "name\x01data" and separated by "\x00", which the target
// zips itself, with the manifest's row counts set to match the entries.
// Mutations of raw archives almost always break a CRC and stop at the
// reader; this form reaches the manifest and row handling.
//
// Run with QUILLBY_FUZZ_WRITE_SEEDS=<folder> to write a few valid archives
// into that folder and exit; fuzz.sh uses them as the starting corpus.

#include "data/database.h"
#include "data/sqltransaction.h"
#include "services/backupservice.h"
#include "services/ziparchivereader.h"
#include "services/ziparchivewriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlQuery>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

QCoreApplication *g_app = nullptr;
Database *g_database = nullptr;
BackupService *g_service = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg) {
        fprintf(stderr, "qFatal: %s\n", qPrintable(message));
        abort();
    }
}

bool exec(const QString &sql)
{
    QSqlQuery query(g_database->connection());
    if (!query.exec(sql)) {
        fprintf(stderr, "setup statement failed: %s\n", qPrintable(sql));
        return false;
    }
    return true;
}

// One row in each restored table, linked as real data is.
bool populate()
{
    const QString stamp = QStringLiteral("'2024-03-01T10:00:00Z'");
    return exec(QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) VALUES "
                               "('a1', 'Checking', %1, %1), ('a2', 'Savings', %1, %1)")
                    .arg(stamp))
        && exec(QStringLiteral("INSERT INTO categories (id, name, created_at, updated_at) VALUES "
                               "('c1', 'Food', %1, %1)")
                    .arg(stamp))
        && exec(QStringLiteral("INSERT INTO categories (id, name, parent_id, created_at, updated_at) VALUES "
                               "('c2', 'Groceries', 'c1', %1, %1)")
                    .arg(stamp))
        && exec(QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, amount, category_id, "
                               "is_split, created_at, updated_at) VALUES "
                               "('t1', 'a1', '2024-02-29', 'Market', -1250, NULL, 1, %1, %1)")
                    .arg(stamp))
        && exec(QStringLiteral("INSERT INTO split_lines (id, transaction_id, category_id, amount, created_at, "
                               "updated_at) VALUES ('s1', 't1', 'c2', -1250, %1, %1)")
                    .arg(stamp))
        && exec(QStringLiteral("INSERT INTO recurring_transactions (id, account_id, payee, amount, start_date, "
                               "next_due_date, created_at, updated_at) VALUES "
                               "('r1', 'a1', 'Rent', -90000, '2024-01-01', '2024-04-01', %1, %1)")
                    .arg(stamp))
        && exec(QStringLiteral("INSERT INTO reconciliations (id, account_id, statement_date, statement_balance, "
                               "reconciled_balance, completed_at) VALUES "
                               "('k1', 'a1', '2024-02-29', 5000, 5000, %1)")
                    .arg(stamp));
}

using Entries = QList<std::pair<QByteArray, QByteArray>>;

Entries readEntries(const QByteArray &archive)
{
    Entries entries;
    ZipArchiveReader reader;
    if (reader.open(archive) != ZipArchiveReader::OpenStatus::Opened)
        return entries;
    for (qint64 i = 0; i < reader.count(); ++i) {
        QByteArray data;
        if (!reader.read(i, BackupService::Limits().entrySize, &data))
            return {};
        entries.append({reader.entry(i).name, data});
    }
    return entries;
}

QByteArray zip(const Entries &entries, ZipArchiveWriter::Compression compression)
{
    ZipArchiveWriter writer;
    if (!writer.openBuffer())
        return QByteArray();
    for (const auto &[name, data] : entries)
        writer.addData(name, data, compression);   // a repeated name is left out
    return writer.close() ? writer.takeBuffer() : QByteArray();
}

// The same entries again, stored rather than deflated, so that mutations
// reach the JSON text directly.
QByteArray storedCopy(const QByteArray &archive)
{
    const Entries entries = readEntries(archive);
    return entries.isEmpty() ? QByteArray() : zip(entries, ZipArchiveWriter::Compression::Store);
}

const QByteArray kEntriesMagic = QByteArrayLiteral("ENTRIES\n");

// The restore refuses a manifest whose row counts differ from the entries
// found, which a mutation of the list almost always causes: the counts of a
// manifest that is a JSON object are set to match, so the rows are reached.
void matchCounts(Entries &entries)
{
    const std::pair<const char *, const char *> tables[] = {
        {"accounts/", "accountCount"},   {"categories/", "categoryCount"}, {"transactions/", "transactionCount"},
        {"split_lines/", "splitLineCount"}, {"recurring/", "recurringCount"}, {"reconciliations/", "reconciliationCount"}};
    for (auto &[name, data] : entries) {
        if (name != "manifest.json")
            continue;
        QJsonObject manifest = QJsonDocument::fromJson(data).object();
        if (manifest.isEmpty())
            return;
        for (const auto &[prefix, key] : tables) {
            int count = 0;
            for (const auto &[other, otherData] : entries)
                count += other.startsWith(prefix) && other.endsWith(".json") ? 1 : 0;
            manifest.insert(QLatin1String(key), count);
        }
        data = QJsonDocument(manifest).toJson();
        return;
    }
}

QByteArray zipEntries(const QByteArray &list)
{
    Entries entries;
    for (const QByteArray &item : list.split('\0')) {
        const qsizetype separator = item.indexOf('\x01');
        if (separator >= 0)
            entries.append({item.first(separator), item.sliced(separator + 1)});
    }
    matchCounts(entries);
    return zip(entries, ZipArchiveWriter::Compression::Deflate);
}

QByteArray entryList(const QByteArray &archive)
{
    const Entries entries = readEntries(archive);
    if (entries.isEmpty())
        return QByteArray();
    QByteArray list = kEntriesMagic;
    for (const auto &[name, data] : entries) {
        if (list.size() > kEntriesMagic.size())
            list.append('\0');
        list.append(name).append('\x01').append(data);
    }
    return list;
}

int writeSeeds(const QString &folder)
{
    QDir().mkpath(folder);
    const QByteArray deflated = g_service->exportBackup();
    const QByteArray stored = storedCopy(deflated);
    const QByteArray list = entryList(deflated);
    if (deflated.isEmpty() || stored.isEmpty() || list.isEmpty()) {
        fprintf(stderr, "could not build the seed archives\n");
        return 1;
    }
    const std::pair<const char *, QByteArray> seeds[] = {{"export-deflated.zip", deflated},
                                                          {"export-stored.zip", stored},
                                                          {"export-entries.txt", list}};
    for (const auto &[name, bytes] : seeds) {
        QFile file(QDir(folder).filePath(QString::fromLatin1(name)));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            fprintf(stderr, "could not write %s\n", name);
            return 1;
        }
    }
    printf("wrote 3 seed archives to %s\n", qPrintable(folder));
    return 0;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    const bool verbose = qEnvironmentVariableIsSet("QUILLBY_FUZZ_VERBOSE");
    if (!verbose)
        qInstallMessageHandler(quietHandler);
    g_app = new QCoreApplication(*argc, *argv);

    g_database = new Database;
    if (!g_database->open(QStringLiteral(":memory:")) || !g_database->runMigrations() || !populate()) {
        fprintf(stderr, "could not prepare the database\n");
        exit(1);
    }
    g_service = new BackupService(g_database);

    const QString seedFolder = qEnvironmentVariable("QUILLBY_FUZZ_WRITE_SEEDS");
    if (!seedFolder.isEmpty())
        exit(writeSeeds(seedFolder));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray archive(reinterpret_cast<const char *>(data), qsizetype(size));
    if (archive.startsWith(kEntriesMagic))
        archive = zipEntries(archive.sliced(kEntriesMagic.size()));
    for (BackupImportMode mode :
         {BackupImportMode::SkipExisting, BackupImportMode::ReplaceAll, BackupImportMode::KeepNewer}) {
        SqlTransaction scope(g_database->connection());
        if (!scope.isActive())
            abort();
        const BackupImportResult result = g_service->importBackup(archive, mode);
        if (result.totalImported() < 0 || result.totalSkipped() < 0)
            abort();
        scope.rollback();
    }
    return 0;
}
