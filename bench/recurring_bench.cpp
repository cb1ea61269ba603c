// Catch-up speed of the recurring service: one automatic run over 100 daily
// auto-post templates, each 365 occurrences behind (36,500 postings), against
// the same rows inserted through the SQLite C API in one transaction with one
// prepared statement, into the same schema (full-text triggers included).
//
// Prints the best of a few rounds for both, their ratio, and the longest time
// the event loop waited during the run (the longest single template).

#include "data/accountrepository.h"
#include "data/clock.h"
#include "data/database.h"
#include "data/recurringrepository.h"
#include "data/timestamps.h"
#include "data/transactionrepository.h"
#include "data/uuids.h"
#include "services/recurringservice.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTimer>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

constexpr int kTemplates = 100;
constexpr int kOccurrences = 365;
constexpr int kRounds = 3;
const QDate kToday(2025, 6, 15);

QString templateId(int i)
{
    return QStringLiteral("rec-%1").arg(i, 3, 10, QLatin1Char('0'));
}

bool createSchema(const QString &path)
{
    Database database;
    if (!database.open(path) || !database.runMigrations())
        return false;
    QSqlQuery query(database.connection());
    return query.exec(QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) VALUES "
                                     "('acc-1', 'Checking', '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')"));
}

struct RunResult
{
    double ms = 0;
    double longestTemplateMs = 0;
    int posted = 0;
};

RunResult runService(const QString &path)
{
    RunResult result;
    Database database;
    if (!database.open(path) || !database.runMigrations())
        return result;
    AccountRepository accounts(&database);
    TransactionRepository transactions(&database);
    RecurringRepository recurring(&database);
    RecurringService service(&recurring, &transactions, &accounts);

    QSqlQuery(database.connection())
        .exec(QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) VALUES "
                             "('acc-1', 'Checking', '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')"));
    for (int i = 0; i < kTemplates; ++i) {
        RecurringTransaction r;
        r.id = templateId(i);
        r.accountId = QStringLiteral("acc-1");
        r.payee = QStringLiteral("Payee %1").arg(i);
        r.memo = QStringLiteral("Daily charge");
        r.amount = -(100 + i);
        r.frequency = Frequency::Daily;
        r.startDate = kToday.addDays(-(kOccurrences - 1));
        r.nextDueDate = r.startDate;
        r.autoPost = true;
        r.createdAt = QDateTime::currentDateTimeUtc();
        r.updatedAt = r.createdAt;
        recurring.insert(r);
    }

    // A zero timer runs whenever the service lets the event loop in, so the
    // widest gap between two of its runs is the longest the window would freeze.
    QElapsedTimer gap;
    qint64 widestGapNs = 0;
    QTimer tick;
    tick.setInterval(0);
    QObject::connect(&tick, &QTimer::timeout, &tick, [&] {
        widestGapNs = std::max(widestGapNs, gap.nsecsElapsed());
        gap.restart();
    });
    tick.start();

    QElapsedTimer timer;
    timer.start();
    gap.start();
    result.posted = service.processDue();
    widestGapNs = std::max(widestGapNs, gap.nsecsElapsed());
    result.ms = timer.nsecsElapsed() / 1e6;
    result.longestTemplateMs = widestGapNs / 1e6;
    return result;
}

struct Row
{
    QByteArray id, date, payee, createdAt, recurringId;
    qint64 amount;
};

RunResult runRawSqlite(const QString &path)
{
    RunResult result;
    if (!createSchema(path))
        return result;

    // The rows are built before the clock starts: the baseline is SQLite's
    // own cost of storing them.
    QList<Row> rows;
    rows.reserve(kTemplates * kOccurrences);
    const QByteArray now = timestampToText(QDateTime::currentDateTimeUtc()).toUtf8();
    for (int i = 0; i < kTemplates; ++i) {
        for (int d = 0; d < kOccurrences; ++d) {
            const QDate date = kToday.addDays(d - (kOccurrences - 1));
            rows.append({RecurringService::occurrenceId(templateId(i), date).toUtf8(), dateToText(date).toUtf8(),
                         QStringLiteral("Payee %1").arg(i).toUtf8(), now, templateId(i).toUtf8(), -(100 + i)});
        }
    }

    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
        return result;
    sqlite3_exec(db, "PRAGMA journal_mode=WAL; PRAGMA foreign_keys=ON;", nullptr, nullptr, nullptr);

    QElapsedTimer timer;
    timer.start();
    sqlite3_stmt *stmt = nullptr;
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_prepare_v2(db,
                       "INSERT INTO transactions (id, account_id, date, payee, memo, amount, category_id, "
                       "check_number, cleared, reconciled, transfer_link_id, transfer_dest_account_id, "
                       "is_split, recurring_id, version, sync_status, server_id, created_at, updated_at) "
                       "VALUES (?, 'acc-1', ?, ?, 'Daily charge', ?, NULL, '', 0, 0, '', '', 0, ?, 1, "
                       "'pending', '', ?, ?)",
                       -1, &stmt, nullptr);
    for (const Row &row : std::as_const(rows)) {
        sqlite3_bind_text(stmt, 1, row.id.constData(), int(row.id.size()), SQLITE_STATIC);
        sqlite3_bind_text(stmt, 2, row.date.constData(), int(row.date.size()), SQLITE_STATIC);
        sqlite3_bind_text(stmt, 3, row.payee.constData(), int(row.payee.size()), SQLITE_STATIC);
        sqlite3_bind_int64(stmt, 4, row.amount);
        sqlite3_bind_text(stmt, 5, row.recurringId.constData(), int(row.recurringId.size()), SQLITE_STATIC);
        sqlite3_bind_text(stmt, 6, row.createdAt.constData(), int(row.createdAt.size()), SQLITE_STATIC);
        sqlite3_bind_text(stmt, 7, row.createdAt.constData(), int(row.createdAt.size()), SQLITE_STATIC);
        if (sqlite3_step(stmt) == SQLITE_DONE)
            ++result.posted;
        sqlite3_reset(stmt);
    }
    sqlite3_finalize(stmt);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    result.ms = timer.nsecsElapsed() / 1e6;
    sqlite3_close(db);
    return result;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    Clock::setToday(kToday);

    RunResult ours{1e300, 0, 0};
    RunResult baseline{1e300, 0, 0};
    double longest = 0;
    for (int round = 0; round < kRounds; ++round) {
        QTemporaryDir dirA;
        QTemporaryDir dirB;
        const RunResult b = runRawSqlite(dirB.filePath(QStringLiteral("baseline.db")));
        const RunResult s = runService(dirA.filePath(QStringLiteral("quillby.db")));
        if (s.posted != kTemplates * kOccurrences || b.posted != kTemplates * kOccurrences) {
            std::fprintf(stderr, "bench_recurring: posted %d (service) and %d (baseline), expected %d\n", s.posted,
                         b.posted, kTemplates * kOccurrences);
            return 1;
        }
        std::printf("round %d: processDue %.1f ms, raw SQLite %.1f ms, longest template %.1f ms\n", round + 1,
                    s.ms, b.ms, s.longestTemplateMs);
        ours.ms = std::min(ours.ms, s.ms);
        baseline.ms = std::min(baseline.ms, b.ms);
        longest = std::max(longest, s.longestTemplateMs);
    }

    const double ratio = ours.ms / baseline.ms;
    std::printf("processDue, %d templates x %d postings: %.1f ms (best of %d)\n", kTemplates, kOccurrences,
                ours.ms, kRounds);
    std::printf("baseline, raw SQLite inserts in one transaction: %.1f ms (best of %d)\n", baseline.ms, kRounds);
    std::printf("ratio: %.2f (goal <= 3.00) %s\n", ratio, ratio <= 3.0 ? "OK" : "OVER");
    std::printf("longest single template (event loop wait): %.1f ms (worst of all rounds)\n", longest);
    return 0;
}
