// Storage figures against the raw SQLite C API running the same statements
// in the same process (sqlite3_prepare_v2/bind/step/column_*, every column of
// every row read), medians of alternating runs, CPU and wall time:
//
//   register  TransactionRepository::findRegisterRows of one account holding
//             100,000 transactions (goal <= 2.0)
//   search    TransactionRepository::search, two-word prefix query over
//             1,000,000 transactions (goal <= 1.5)
//   balances  AccountRepository::balances over 20 accounts and 1,000,000
//             transactions (goal <= 1.5)
//   startup   Database::open + runMigrations + the repositories +
//             CategoryService::ensureDefaultCategories on the 1,000,000-row
//             database and on a new file: time and peak memory, each start in
//             a child process of its own
//
// Data sets come from DataGenerator and are cached in $TMPDIR between runs.
// Usage: bench_storage [register|search|balances|startup]...

#include "bench/benchsupport.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/preferencesrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "services/categoryservice.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QProcess>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

// The register statement, as TransactionRepository runs it.
const char *const kRegisterSql =
    "SELECT t.id, t.account_id, t.date, t.payee, t.memo, t.amount, t.category_id, t.check_number, "
    "t.cleared, t.reconciled, t.transfer_link_id, t.transfer_dest_account_id, t.is_split, "
    "t.recurring_id, t.version, t.sync_status, t.server_id, t.created_at, t.updated_at, "
    "t.deleted_at, CASE WHEN c.parent_id IS NOT NULL AND (SELECT COUNT(*) FROM categories cc "
    "WHERE cc.name = c.name AND cc.deleted_at IS NULL) > 1 THEN COALESCE((SELECT p.name FROM "
    "categories p WHERE p.id = c.parent_id), '') || ' > ' || c.name ELSE c.name END AS "
    "category_name FROM transactions t "
    "LEFT JOIN categories c ON t.category_id = c.id WHERE t.account_id = ? AND t.deleted_at IS NULL "
    "ORDER BY t.date ASC, t.created_at ASC";

// The search statement for a text without filters.
const char *const kSearchSql =
    "SELECT t.id, t.account_id, t.date, t.payee, t.memo, t.amount, t.category_id, t.check_number, "
    "t.cleared, t.reconciled, t.transfer_link_id, t.transfer_dest_account_id, t.is_split, "
    "t.recurring_id, t.version, t.sync_status, t.server_id, t.created_at, t.updated_at, "
    "t.deleted_at, CASE WHEN c.parent_id IS NOT NULL AND (SELECT COUNT(*) FROM categories cc "
    "WHERE cc.name = c.name AND cc.deleted_at IS NULL) > 1 THEN COALESCE((SELECT p.name FROM "
    "categories p WHERE p.id = c.parent_id), '') || ' > ' || c.name ELSE c.name END AS "
    "category_name FROM transactions t "
    "JOIN transactions_fts fts ON fts.rowid = t.rowid LEFT JOIN "
    "categories c ON t.category_id = c.id WHERE t.deleted_at IS NULL "
    "AND transactions_fts MATCH ? ORDER BY t.date DESC, t.created_at DESC LIMIT 200";

const char *const kBalancesSql =
    "SELECT a.id, a.starting_balance + COALESCE(SUM(t.amount), 0) FROM accounts a "
    "LEFT JOIN transactions t ON t.account_id = a.id AND t.deleted_at IS NULL "
    "WHERE a.deleted_at IS NULL GROUP BY a.id";

const QString kSearchText = QStringLiteral("Corner Gro");

class RawDb
{
public:
    explicit RawDb(const QString &path)
    {
        if (sqlite3_open_v2(path.toUtf8().constData(), &m_db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
            qFatal("cannot open %s", qPrintable(path));
        sqlite3_exec(m_db, "PRAGMA foreign_keys=ON", nullptr, nullptr, nullptr);
    }
    ~RawDb() { sqlite3_close(m_db); }

    // Prepares, binds the texts, steps through every row reading every
    // column by its type, and finalizes. Returns the row count.
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

    sqlite3 *handle() const { return m_db; }
    quint64 sink() const { return m_sink; }

private:
    sqlite3 *m_db = nullptr;
    quint64 m_sink = 0;
};

QString firstAccount(const QString &path)
{
    RawDb raw(path);
    sqlite3_stmt *stmt = nullptr;
    sqlite3_prepare_v2(raw.handle(),
                       "SELECT account_id, COUNT(*) FROM transactions WHERE deleted_at IS NULL GROUP BY account_id "
                       "ORDER BY 2 DESC LIMIT 1",
                       -1, &stmt, nullptr);
    QString id;
    if (sqlite3_step(stmt) == SQLITE_ROW) {
        id = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(stmt, 0)));
        std::printf("register account holds %lld live transactions\n", sqlite3_column_int64(stmt, 1));
    }
    sqlite3_finalize(stmt);
    return id;
}

bool benchRegister(int rounds)
{
    DataGeneratorOptions options;
    options.accounts = 1;
    options.transactions = 100000;
    const QString path = Bench::cachedDataSet(options);
    if (path.isEmpty())
        return false;
    const QString account = firstAccount(path);
    Database database;
    if (!database.open(path))
        return false;
    TransactionRepository repository(&database);
    RawDb raw(path);
    const QByteArray accountBytes = account.toUtf8();
    qsizetype ourRows = 0;
    qint64 rawRows = 0;
    const Bench::Comparison result = Bench::compare(
        rounds, [&] { ourRows = repository.findRegisterRows(account).size(); },
        [&] {
            raw.run("SELECT starting_balance FROM accounts WHERE id = ?", {accountBytes});
            rawRows = raw.run(kRegisterSql, {accountBytes});
        });
    std::printf("register rows: ours %lld (with any opening row), raw %lld\n", qint64(ourRows), rawRows);
    return Bench::report("findRegisterRows, one account of 100,000 transactions", result, 2.0);
}

bool benchSearch(int rounds, const QString &path)
{
    Database database;
    if (!database.open(path))
        return false;
    TransactionRepository repository(&database);
    RawDb raw(path);
    const QByteArray match = TransactionRepository::fullTextQuery(kSearchText).toUtf8();
    qsizetype ourRows = 0;
    qint64 rawRows = 0;
    const Bench::Comparison result = Bench::compare(
        rounds, [&] { ourRows = repository.search(kSearchText, SearchFilter()).size(); },
        [&] { rawRows = raw.run(kSearchSql, {match}); });
    std::printf("search '%s' (MATCH %s): ours %lld rows, raw %lld rows\n", qPrintable(kSearchText),
                match.constData(), qint64(ourRows), rawRows);
    return Bench::report("search, two-word prefix query over 1,000,000 transactions", result, 1.5);
}

bool benchBalances(int rounds, const QString &path)
{
    Database database;
    if (!database.open(path))
        return false;
    AccountRepository repository(&database);
    RawDb raw(path);
    qsizetype ours = 0;
    qint64 rawRows = 0;
    const Bench::Comparison result = Bench::compare(
        rounds, [&] { ours = repository.balances().size(); }, [&] { rawRows = raw.run(kBalancesSql, {}); });
    std::printf("balances: ours %lld accounts, raw %lld rows\n", qint64(ours), rawRows);
    return Bench::report("AccountRepository::balances, 20 accounts, 1,000,000 transactions", result, 1.5);
}

// One start, in this process: prints "wall cpu peakMiB".
int startOnce(const QString &path)
{
    QLoggingCategory::setFilterRules(QStringLiteral("*.info=false"));
    const double rssBefore = Bench::peakRssMiB();
    const Bench::Stopwatch watch;
    Database database;
    if (!database.open(path) || !database.runMigrations())
        return 1;
    AccountRepository accounts(&database);
    TransactionRepository transactions(&database);
    CategoryRepository categories(&database);
    PreferencesRepository preferences(&database);
    SplitLineRepository splitLines(&database);
    RecurringRepository recurring(&database);
    ReconciliationRepository reconciliations(&database);
    CategoryService categoryService(&categories);
    categoryService.ensureDefaultCategories();
    const Bench::Timing timing = watch.elapsed();
    std::printf("%f %f %f %f\n", timing.wallMs, timing.cpuMs, Bench::peakRssMiB(), rssBefore);
    return 0;
}

bool benchStartup(int rounds, const QString &bigPath)
{
    QTemporaryDir dir;
    // A copy, so the start-up's own writes never change the cached data set.
    const QString existing = dir.filePath(QStringLiteral("existing.db"));
    if (!QFile::copy(bigPath, existing))
        return false;
    const QString fresh = dir.filePath(QStringLiteral("new.db"));
    const auto start = [&](const QString &path, std::vector<Bench::Timing> &times, std::vector<double> &peaks,
                           std::vector<double> &bases) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--start-once"), path});
        child.waitForFinished(-1);
        const QList<QByteArray> fields = child.readAllStandardOutput().trimmed().split(' ');
        if (child.exitCode() != 0 || fields.size() != 4)
            return false;
        times.push_back({fields[0].toDouble(), fields[1].toDouble()});
        peaks.push_back(fields[2].toDouble());
        bases.push_back(fields[3].toDouble());
        return true;
    };
    std::vector<Bench::Timing> bigTimes, newTimes;
    std::vector<double> bigPeaks, newPeaks, bigBases, newBases;
    for (int i = 0; i < rounds; ++i) {
        for (const char *suffix : {"", "-wal", "-shm"})
            QFile::remove(fresh + QLatin1String(suffix));
        if (!start(existing, bigTimes, bigPeaks, bigBases) || !start(fresh, newTimes, newPeaks, newBases))
            return false;
    }
    const auto middle = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    const Bench::Timing big = Bench::median(bigTimes);
    const Bench::Timing empty = Bench::median(newTimes);
    std::printf("start-up: open + migrations + repositories + default categories (median of %d child processes)\n"
                "  1,000,000 transactions %9.1f ms CPU  %9.1f ms wall  peak RSS %6.1f MiB (%.1f MiB before opening)\n"
                "  new file               %9.1f ms CPU  %9.1f ms wall  peak RSS %6.1f MiB (%.1f MiB before opening)\n",
                rounds, big.cpuMs, big.wallMs, middle(bigPeaks), middle(bigBases), empty.cpuMs, empty.wallMs,
                middle(newPeaks), middle(newBases));
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--start-once") == 0) {
        QCoreApplication app(argc, argv);
        return startOnce(QString::fromLocal8Bit(argv[2]));
    }
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("*.info=false"));
    QStringList parts = app.arguments().mid(1);
    if (parts.isEmpty())
        parts = {QStringLiteral("register"), QStringLiteral("search"), QStringLiteral("balances"),
                 QStringLiteral("startup")};
    constexpr int kRounds = 5;
    QString bigPath;
    if (parts.size() > 1 || parts.first() != QLatin1String("register")) {
        bigPath = Bench::cachedDataSet(DataGeneratorOptions());
        if (bigPath.isEmpty())
            return 1;
    }
    bool ok = true;
    for (const QString &part : std::as_const(parts)) {
        if (part == QLatin1String("register"))
            ok = benchRegister(kRounds) && ok;
        else if (part == QLatin1String("search"))
            ok = benchSearch(kRounds, bigPath) && ok;
        else if (part == QLatin1String("balances"))
            ok = benchBalances(kRounds, bigPath) && ok;
        else if (part == QLatin1String("startup"))
            ok = benchStartup(kRounds, bigPath) && ok;
    }
    return ok ? 0 : 1;
}
