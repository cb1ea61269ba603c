// Service figures:
//
//   reports  the eight reports of ReportService over 1,000,000 transactions,
//            all accounts, the whole six calendar years 2021-2026, each
//            against the same statements through the raw SQLite C API (every
//            column of every row read); medians of alternating runs, CPU and
//            wall time (goal < 2.0 each)
//   backup   BackupService over a 100,000-transaction data set: the export
//            to a file against libzip writing the same entries from memory
//            (goal <= 1.5); the restore from that file into a new database
//            against the raw C API inserting the same rows after parsing each
//            with QJsonDocument (goal <= 2.0); and the peak memory of a
//            restore, from the file and from bytes in memory, each in a child
//            process of its own so the peaks do not mix
//
// Data sets come from DataGenerator and are cached in $TMPDIR between runs.
// Usage: bench_services [reports|backup]...

#include "bench/benchsupport.h"
#include "data/database.h"
#include "services/backupservice.h"
#include "services/reportservice.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QProcess>
#include <QTemporaryDir>

#include <sqlite3.h>
#include <sys/resource.h>
#include <zip.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

const QDate kFrom(2021, 1, 1);
const QDate kTo(2026, 12, 31);

class RawDb
{
public:
    explicit RawDb(const QString &path)
    {
        if (sqlite3_open_v2(path.toUtf8().constData(), &m_db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
            qFatal("cannot open %s", qPrintable(path));
    }
    ~RawDb() { sqlite3_close(m_db); }

    qint64 run(const char *sql, const QList<QByteArray> &binds)
    {
        sqlite3_stmt *stmt = nullptr;
        if (sqlite3_prepare_v2(m_db, sql, -1, &stmt, nullptr) != SQLITE_OK)
            qFatal("prepare failed: %s", sqlite3_errmsg(m_db));
        for (int i = 0; i < binds.size(); ++i)
            sqlite3_bind_text(stmt, i + 1, binds[i].constData(), int(binds[i].size()), SQLITE_STATIC);
        qint64 rows = 0;
        const int columns = sqlite3_column_count(stmt);
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            ++rows;
            for (int c = 0; c < columns; ++c) {
                switch (sqlite3_column_type(stmt, c)) {
                case SQLITE_INTEGER:
                    m_sink += sqlite3_column_int64(stmt, c);
                    break;
                case SQLITE_TEXT:
                    m_sink += quint64(sqlite3_column_text(stmt, c)[0]) + quint64(sqlite3_column_bytes(stmt, c));
                    break;
                default:
                    break;
                }
            }
        }
        sqlite3_finalize(stmt);
        return rows;
    }

private:
    sqlite3 *m_db = nullptr;
    quint64 m_sink = 0;
};

struct Report
{
    const char *name;
    std::function<qsizetype(const ReportService &)> ours;
    std::vector<const char *> statements;   // the raw baseline runs each with the date binds
};

QList<Report> reports()
{
    const QByteArray y1From = "2024-01-01", y1To = "2024-12-31";
    return {
        {"categorySpending",
         [](const ReportService &s) { return s.categorySpending(kFrom, kTo, QString()).size(); },
         {"SELECT COALESCE(c.name, 'Uncategorized'), SUM(t.amount) FROM transactions t LEFT JOIN categories c ON "
          "t.category_id = c.id WHERE t.deleted_at IS NULL AND t.amount < 0 AND t.date >= ? AND t.date <= ? GROUP "
          "BY COALESCE(c.name, 'Uncategorized') ORDER BY SUM(t.amount) ASC"}},
        {"payeeSummary", [](const ReportService &s) { return s.payeeSummary(kFrom, kTo, QString()).size(); },
         {"SELECT t.payee, SUM(t.amount), COUNT(*) FROM transactions t WHERE t.deleted_at IS NULL AND t.date >= ? "
          "AND t.date <= ? GROUP BY t.payee ORDER BY SUM(t.amount) ASC"}},
        {"taxReport", [](const ReportService &s) { return s.taxReport(kFrom, kTo).size(); },
         {"SELECT c.name, c.tax_category, SUM(t.amount) FROM transactions t JOIN categories c ON t.category_id = "
          "c.id WHERE t.deleted_at IS NULL AND c.is_tax_relevant = 1 AND t.date >= ? AND t.date <= ? GROUP BY "
          "c.name, c.tax_category ORDER BY c.tax_category, c.name"}},
        {"incomeVsExpenses", [](const ReportService &s) { return s.incomeVsExpenses(kFrom, kTo, QString()).size(); },
         {"SELECT strftime('%Y-%m', t.date) AS month, SUM(CASE WHEN t.amount > 0 THEN t.amount ELSE 0 END) AS "
          "income, SUM(CASE WHEN t.amount < 0 THEN t.amount ELSE 0 END) AS expenses FROM transactions t WHERE "
          "t.deleted_at IS NULL   AND (t.transfer_link_id IS NULL OR t.transfer_link_id = '')   AND t.date >= ? "
          "AND t.date <= ? GROUP BY month ORDER BY month"}},
        {"cashFlow", [](const ReportService &s) { return s.cashFlow(kFrom, kTo, QString()).size(); },
         {"SELECT strftime('%Y-%m', t.date) AS month, SUM(CASE WHEN t.amount > 0 THEN t.amount ELSE 0 END) AS "
          "inflows, SUM(CASE WHEN t.amount < 0 THEN t.amount ELSE 0 END) AS outflows FROM transactions t WHERE "
          "t.deleted_at IS NULL AND t.date >= ? AND t.date <= ? GROUP BY month ORDER BY month"}},
        {"yearOverYear (2024 vs 2025)",
         [](const ReportService &s) {
             return s.yearOverYear(QDate(2024, 1, 1), QDate(2024, 12, 31), QDate(2025, 1, 1), QDate(2025, 12, 31),
                                   QString())
                 .size();
         },
         {"SELECT COALESCE(c.name, 'Uncategorized'), SUM(t.amount) FROM transactions t LEFT JOIN categories c ON "
          "t.category_id = c.id WHERE t.deleted_at IS NULL AND t.date >= ? AND t.date <= ? GROUP BY "
          "COALESCE(c.name, 'Uncategorized')",
          "SELECT COALESCE(c.name, 'Uncategorized'), SUM(t.amount) FROM transactions t LEFT JOIN categories c ON "
          "t.category_id = c.id WHERE t.deleted_at IS NULL AND t.date >= ? AND t.date <= ? GROUP BY "
          "COALESCE(c.name, 'Uncategorized')"}},
        {"accountSummary", [](const ReportService &s) { return s.accountSummary().size(); },
         {"SELECT a.name, a.account_type, a.starting_balance, COALESCE(SUM(CASE WHEN t.cleared = 1 THEN t.amount "
          "ELSE 0 END), 0) AS cleared_sum, COALESCE(SUM(CASE WHEN t.cleared = 0 THEN t.amount ELSE 0 END), 0) AS "
          "uncleared_sum, COALESCE(SUM(t.amount), 0) AS total_sum FROM accounts a LEFT JOIN transactions t ON "
          "t.account_id = a.id AND t.deleted_at IS NULL WHERE a.deleted_at IS NULL GROUP BY a.id ORDER BY "
          "a.sort_order, a.name"}},
        {"transactionList", [](const ReportService &s) { return s.transactionList(kFrom, kTo, {}, {}).size(); },
         {"SELECT t.date, a.name AS account_name, t.payee,        COALESCE(c.name, '') AS category_name,        "
          "COALESCE(t.memo, ''), t.amount FROM transactions t LEFT JOIN accounts a ON t.account_id = a.id LEFT "
          "JOIN categories c ON t.category_id = c.id WHERE t.deleted_at IS NULL AND t.date >= ? AND t.date <= ? "
          "ORDER BY t.date, t.payee"}},
    };
}

bool benchReports(int rounds)
{
    const QString path = Bench::cachedDataSet(DataGeneratorOptions());
    if (path.isEmpty())
        return false;
    Database database;
    if (!database.open(path))
        return false;
    ReportService service(&database);
    RawDb raw(path);
    const QByteArray from = kFrom.toString(Qt::ISODate).toUtf8();
    const QByteArray to = kTo.toString(Qt::ISODate).toUtf8();
    const QList<QList<QByteArray>> yoyBinds = {{"2024-01-01", "2024-12-31"}, {"2025-01-01", "2025-12-31"}};
    bool ok = true;
    for (const Report &report : reports()) {
        qsizetype ourRows = 0;
        qint64 rawRows = 0;
        const Bench::Comparison result = Bench::compare(
            rounds, [&] { ourRows = report.ours(service); },
            [&] {
                rawRows = 0;
                for (size_t i = 0; i < report.statements.size(); ++i) {
                    if (report.statements.size() == 2)
                        rawRows += raw.run(report.statements[i], yoyBinds[int(i)]);
                    else if (std::strstr(report.statements[i], "?"))
                        rawRows += raw.run(report.statements[i], {from, to});
                    else
                        rawRows += raw.run(report.statements[i], {});
                }
            });
        std::printf("%s rows: ours %lld, raw %lld\n", report.name, qint64(ourRows), rawRows);
        ok = Bench::report(report.name, result, 2.0) && ok;
    }
    return ok;
}

// The entries of an archive, as libzip reads them: the baselines' input.
struct ArchiveEntry
{
    QByteArray name;
    QByteArray data;
    bool deflated = false;
};

std::vector<ArchiveEntry> readEntries(const QString &path)
{
    std::vector<ArchiveEntry> entries;
    int code = 0;
    zip_t *archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &code);
    if (!archive)
        return entries;
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t stat;
        zip_stat_index(archive, zip_uint64_t(i), 0, &stat);
        ArchiveEntry entry{QByteArray(stat.name), QByteArray(qsizetype(stat.size), Qt::Uninitialized),
                           stat.comp_method == ZIP_CM_DEFLATE};
        zip_file_t *file = zip_fopen_index(archive, zip_uint64_t(i), 0);
        if (!file || zip_fread(file, entry.data.data(), stat.size) != zip_int64_t(stat.size))
            qFatal("cannot read %s", stat.name);
        zip_fclose(file);
        entries.push_back(std::move(entry));
    }
    zip_discard(archive);
    return entries;
}

// Baseline of the export: libzip writing the same entries, already in
// memory, with the same methods, permissions and timestamp.
bool libzipWrite(const std::vector<ArchiveEntry> &entries, const QString &path)
{
    int code = 0;
    zip_t *archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!archive)
        return false;
    const time_t now = time(nullptr);
    for (const ArchiveEntry &entry : entries) {
        zip_source_t *source = zip_source_buffer(archive, entry.data.constData(), zip_uint64_t(entry.data.size()), 0);
        const zip_int64_t index = zip_file_add(archive, entry.name.constData(), source, ZIP_FL_ENC_UTF_8);
        if (index < 0)
            return false;
        zip_set_file_compression(archive, zip_uint64_t(index), entry.deflated ? ZIP_CM_DEFLATE : ZIP_CM_STORE, 0);
        zip_file_set_external_attributes(archive, zip_uint64_t(index), 0, ZIP_OPSYS_UNIX, (0100600u) << 16);
        zip_file_set_mtime(archive, zip_uint64_t(index), now, 0);
    }
    return zip_close(archive) == 0;
}

// Baseline of the restore: the raw C API inserting the same rows, each
// parsed with QJsonDocument, in one transaction, with one prepared INSERT
// per table. Returns the rows inserted.
qint64 rawRestore(const std::vector<ArchiveEntry> &entries, const QString &path)
{
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
        qFatal("cannot open %s", qPrintable(path));
    sqlite3_exec(db, "PRAGMA foreign_keys=ON; BEGIN", nullptr, nullptr, nullptr);
    const std::pair<const char *, const char *> tables[] = {
        {"accounts/", "accounts"},       {"categories/", "categories"},
        {"transactions/", "transactions"}, {"split_lines/", "split_lines"},
        {"recurring/", "recurring_transactions"}, {"reconciliations/", "reconciliations"}};
    qint64 inserted = 0;
    for (const auto &[prefix, table] : tables) {
        sqlite3_stmt *insert = nullptr;
        for (const ArchiveEntry &entry : entries) {
            if (!entry.name.startsWith(prefix))
                continue;
            const QJsonObject object = QJsonDocument::fromJson(entry.data).object();
            if (!insert) {
                QByteArray sql = QByteArray("INSERT INTO ") + table + " (";
                QByteArray marks;
                for (const QString &key : object.keys()) {
                    sql += (marks.isEmpty() ? "\"" : ", \"") + key.toUtf8() + '"';
                    marks += marks.isEmpty() ? "?" : ", ?";
                }
                sql += ") VALUES (" + marks + ")";
                if (sqlite3_prepare_v2(db, sql.constData(), -1, &insert, nullptr) != SQLITE_OK)
                    qFatal("prepare failed: %s", sqlite3_errmsg(db));
            }
            int column = 1;
            for (auto it = object.constBegin(); it != object.constEnd(); ++it, ++column) {
                const QJsonValue value = it.value();
                if (value.isNull()) {
                    sqlite3_bind_null(insert, column);
                } else if (value.isDouble()) {
                    const QVariant number = value.toVariant();
                    if (number.typeId() == QMetaType::LongLong)
                        sqlite3_bind_int64(insert, column, number.toLongLong());
                    else
                        sqlite3_bind_double(insert, column, value.toDouble());
                } else {
                    const QByteArray text = value.toString().toUtf8();
                    sqlite3_bind_text(insert, column, text.constData(), int(text.size()), SQLITE_TRANSIENT);
                }
            }
            if (sqlite3_step(insert) == SQLITE_DONE)
                ++inserted;
            sqlite3_reset(insert);
        }
        sqlite3_finalize(insert);
    }
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return inserted;
}

bool freshDatabase(const QString &path)
{
    for (const char *suffix : {"", "-wal", "-shm"})
        QFile::remove(path + QLatin1String(suffix));
    Database database;
    return database.open(path) && database.runMigrations();
}

// Child process mode: restores the archive into a new database and prints
// "peakBeforeMiB peakAfterMiB rusageBeforeMiB rusageAfterMiB transactions".
int restoreOnce(const QString &dbPath, const QString &archivePath, bool fromFile)
{
    if (!freshDatabase(dbPath))
        return 1;
    QByteArray archive;
    if (!fromFile) {
        QFile file(archivePath);
        if (!file.open(QIODevice::ReadOnly))
            return 1;
        archive = file.readAll();
    }
    Database database;
    if (!database.open(dbPath))
        return 1;
    BackupService service(&database);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const double rusageBefore = double(usage.ru_maxrss) / 1024.0;
    const double before = Bench::peakRssMiB();
    const BackupImportResult result = fromFile ? service.importBackupFile(archivePath, BackupImportMode::ReplaceAll)
                                               : service.importBackup(archive, BackupImportMode::ReplaceAll);
    if (!result.errors.isEmpty())
        return 1;
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%f %f %f %f %d\n", before, Bench::peakRssMiB(), rusageBefore, double(usage.ru_maxrss) / 1024.0,
                result.imported[BackupImportResult::Transactions]);
    return 0;
}

bool benchBackup(int rounds)
{
    DataGeneratorOptions options;
    options.transactions = 100000;
    const QString dataSet = Bench::cachedDataSet(options);
    if (dataSet.isEmpty())
        return false;
    QTemporaryDir dir;
    const QString archivePath = dir.filePath(QStringLiteral("backup.zip"));
    const QString baselinePath = dir.filePath(QStringLiteral("baseline.zip"));
    bool ok = true;

    {
        Database database;
        if (!database.open(dataSet))
            return false;
        BackupService service(&database);
        QString error;
        if (!service.exportBackupToFile(archivePath, &error)) {
            std::fprintf(stderr, "export failed: %s\n", qPrintable(error));
            return false;
        }
        const std::vector<ArchiveEntry> entries = readEntries(archivePath);
        qint64 largest = 0;
        for (const ArchiveEntry &entry : entries)
            largest = std::max<qint64>(largest, entry.data.size());
        std::printf("backup of 100,000 transactions: %zu entries, archive %lld bytes, largest entry %lld bytes\n",
                    entries.size(), qint64(QFileInfo(archivePath).size()), largest);
        const Bench::Comparison exported = Bench::compare(
            rounds, [&] { ok = service.exportBackupToFile(archivePath) && ok; },
            [&] { ok = libzipWrite(entries, baselinePath) && ok; });
        ok = Bench::report("export to a file (BackupService vs libzip writing the same entries)", exported, 1.5,
                           "libzip") && ok;
    }

    // The restore, against the raw C API inserting the same rows after
    // parsing them with QJsonDocument; each run into a new database made
    // before the clock starts.
    const std::vector<ArchiveEntry> entries = readEntries(archivePath);
    const QString target = dir.filePath(QStringLiteral("restored.db"));
    std::vector<Bench::Timing> ours, raw;
    int restored = 0;
    qint64 rawRows = 0;
    for (int i = 0; i <= rounds; ++i) {   // the first round warms up
        if (!freshDatabase(target))
            return false;
        {
            Database database;
            if (!database.open(target))
                return false;
            BackupService service(&database);
            const Bench::Stopwatch watch;
            const BackupImportResult result = service.importBackupFile(archivePath, BackupImportMode::ReplaceAll);
            const Bench::Timing timing = watch.elapsed();
            if (!result.errors.isEmpty())
                return false;
            restored = result.imported[BackupImportResult::Transactions];
            if (i > 0)
                ours.push_back(timing);
        }
        if (!freshDatabase(target))
            return false;
        const Bench::Stopwatch watch;
        rawRows = rawRestore(entries, target);
        if (i > 0)
            raw.push_back(watch.elapsed());
    }
    std::printf("restore rows: ours %d transactions, raw %lld rows of all tables (%zu entries)\n", restored, rawRows,
                entries.size());
    ok = Bench::report("restore of 100,000 transactions from a file (BackupService vs raw SQLite + QJsonDocument)",
                       {Bench::median(ours), Bench::median(raw)}, 2.0) && ok;

    // Peak memory, each restore in a child process of its own so the peaks
    // do not mix.
    for (const bool fromFile : {true, false}) {
        std::vector<double> growth;
        QList<QByteArray> fields;
        for (int i = 0; i < rounds; ++i) {
            QProcess process;
            process.start(QCoreApplication::applicationFilePath(),
                          {fromFile ? QStringLiteral("--restore-file-once") : QStringLiteral("--restore-bytes-once"),
                           dir.filePath(QStringLiteral("child.db")), archivePath});
            process.waitForFinished(-1);
            fields = process.readAllStandardOutput().trimmed().split(' ');
            if (process.exitCode() != 0 || fields.size() != 5) {
                std::fprintf(stderr, "restore child failed\n");
                return false;
            }
            growth.push_back(fields[1].toDouble() - fields[0].toDouble());
        }
        std::sort(growth.begin(), growth.end());
        std::printf("restore peak memory, archive %s: peak RSS %.1f MiB before the restore, %.1f MiB after "
                    "(ru_maxrss %.1f -> %.1f MiB); growth %.1f MiB (median of %d) against an archive of %.1f MiB\n",
                    fromFile ? "read from its file" : "already in memory", fields[0].toDouble(), fields[1].toDouble(),
                    fields[2].toDouble(), fields[3].toDouble(), growth[growth.size() / 2], rounds,
                    double(QFileInfo(archivePath).size()) / 1048576.0);
    }
    return ok;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("*.info=false"));
    if (argc == 4 && std::strcmp(argv[1], "--restore-file-once") == 0)
        return restoreOnce(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]), true);
    if (argc == 4 && std::strcmp(argv[1], "--restore-bytes-once") == 0)
        return restoreOnce(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]), false);
    QStringList parts = app.arguments().mid(1);
    if (parts.isEmpty())
        parts = {QStringLiteral("reports"), QStringLiteral("backup")};
    bool ok = true;
    for (const QString &part : std::as_const(parts)) {
        if (part == QLatin1String("reports"))
            ok = benchReports(3) && ok;
        else if (part == QLatin1String("backup"))
            ok = benchBackup(3) && ok;
    }
    return ok ? 0 : 1;
}
