// Service figures:
//
//   reports  the eight reports of ReportService over 1,000,000 transactions,
//            all accounts, the whole six calendar years 2021-2026, each
//            against the same statements through the raw SQLite C API (every
//            column of every row read); medians of alternating runs, CPU and
//            wall time (goal < 2.0 each)
//   backup   BackupService export of a 100,000-transaction data set and its
//            restore into a new database: time, archive size and peak memory,
//            each in a child process of its own so the peaks do not mix
//
// Data sets come from DataGenerator and are cached in $TMPDIR between runs.
// Usage: bench_services [reports|backup]...

#include "bench/benchsupport.h"
#include "data/database.h"
#include "services/backupservice.h"
#include "services/reportservice.h"

#include <QCoreApplication>
#include <QFile>
#include <QLoggingCategory>
#include <QProcess>
#include <QTemporaryDir>

#include <sqlite3.h>

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

// Child process modes: print "wall cpu peakMiB baseMiB extra".
int exportOnce(const QString &dbPath, const QString &archivePath)
{
    const double base = Bench::peakRssMiB();
    Database database;
    if (!database.open(dbPath))
        return 1;
    BackupService service(&database);
    const Bench::Stopwatch watch;
    const QByteArray archive = service.exportBackup();
    const Bench::Timing timing = watch.elapsed();
    QFile file(archivePath);
    if (archive.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(archive) != archive.size())
        return 1;
    std::printf("%f %f %f %f %lld\n", timing.wallMs, timing.cpuMs, Bench::peakRssMiB(), base,
                qint64(archive.size()));
    return 0;
}

int restoreOnce(const QString &dbPath, const QString &archivePath)
{
    QFile file(archivePath);
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    const QByteArray archive = file.readAll();
    Database database;
    if (!database.open(dbPath) || !database.runMigrations())
        return 1;
    BackupService service(&database);
    const double base = Bench::peakRssMiB();
    const Bench::Stopwatch watch;
    const BackupImportResult result = service.importBackup(archive, BackupImportMode::ReplaceAll);
    const Bench::Timing timing = watch.elapsed();
    if (!result.errors.isEmpty())
        return 1;
    std::printf("%f %f %f %f %d\n", timing.wallMs, timing.cpuMs, Bench::peakRssMiB(), base,
                result.imported[BackupImportResult::Transactions]);
    return 0;
}

bool benchBackup(int rounds)
{
    DataGeneratorOptions options;
    options.transactions = 100000;
    const QString path = Bench::cachedDataSet(options);
    if (path.isEmpty())
        return false;
    QTemporaryDir dir;
    const QString archive = dir.filePath(QStringLiteral("backup.zip"));
    const QString target = dir.filePath(QStringLiteral("restored.db"));
    struct Sample
    {
        std::vector<Bench::Timing> times;
        std::vector<double> peaks, bases;
        QByteArray extra;
    };
    const auto child = [](const QStringList &args, Sample &sample) {
        QProcess process;
        process.start(QCoreApplication::applicationFilePath(), args);
        process.waitForFinished(-1);
        const QList<QByteArray> f = process.readAllStandardOutput().trimmed().split(' ');
        if (process.exitCode() != 0 || f.size() != 5) {
            std::fprintf(stderr, "%s failed\n", qPrintable(args.first()));
            return false;
        }
        sample.times.push_back({f[0].toDouble(), f[1].toDouble()});
        sample.peaks.push_back(f[2].toDouble());
        sample.bases.push_back(f[3].toDouble());
        sample.extra = f[4];
        return true;
    };
    Sample exports, restores;
    for (int i = 0; i < rounds; ++i) {
        for (const char *suffix : {"", "-wal", "-shm"})
            QFile::remove(target + QLatin1String(suffix));
        if (!child({QStringLiteral("--export-once"), path, archive}, exports)
            || !child({QStringLiteral("--restore-once"), target, archive}, restores))
            return false;
    }
    const auto middle = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    const Bench::Timing e = Bench::median(exports.times);
    const Bench::Timing r = Bench::median(restores.times);
    std::printf("backup of 100,000 transactions (median of %d child processes each)\n"
                "  export   %9.1f ms CPU  %9.1f ms wall  peak RSS %6.1f MiB (%.1f before)  archive %s bytes\n"
                "  restore  %9.1f ms CPU  %9.1f ms wall  peak RSS %6.1f MiB (%.1f with the archive read, before "
                "restoring)  %s transactions\n",
                rounds, e.cpuMs, e.wallMs, middle(exports.peaks), middle(exports.bases), exports.extra.constData(),
                r.cpuMs, r.wallMs, middle(restores.peaks), middle(restores.bases), restores.extra.constData());
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("*.info=false"));
    if (argc == 4 && std::strcmp(argv[1], "--export-once") == 0)
        return exportOnce(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    if (argc == 4 && std::strcmp(argv[1], "--restore-once") == 0)
        return restoreOnce(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
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
