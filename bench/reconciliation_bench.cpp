// Opening the reconciliation screen of an account holding 100,000
// transactions, 10,000 of them not yet reconciled (and not cleared), against
// the raw SQLite C API reading the same rows in the same run:
//
//   ours:      ReconciliationService::start (the account, the reconciled
//              balance, the latest reconciliation and the unreconciled rows)
//              and ReconciliationModel::setRows into a fresh model;
//   baseline:  sqlite3_prepare_v2/bind/step/column_* over the same four
//              statements, every column of every row read.
//
// Then, for information and without a baseline, the cost of ticking every
// row one by one in the loaded model and of finishing with all of them
// ticked. The data set is the
// generator's single-account one (cached in $TMPDIR), copied and given its
// reconciled and open rows. Prints ours, the baseline and their ratio
// (goal <= 2.5); exits non-zero when the model did not get every row.

#include "bench/benchsupport.h"
#include "data/accountrepository.h"
#include "data/database.h"
#include "data/reconciliationrepository.h"
#include "data/transactionrepository.h"
#include "services/reconciliationservice.h"
#include "ui/screens/reconciliationmodel.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <cstdio>

namespace {

constexpr qint64 kTransactions = 100000;
constexpr int kOpen = 10000;
constexpr int kRounds = 9;
constexpr double kGoal = 2.5;

const char *const kAccountSql =
    "SELECT id, name, account_type, currency, institution, account_number_last4, starting_balance, sort_order, "
    "is_shared, version, sync_status, server_id, created_at, updated_at, deleted_at FROM accounts WHERE id = ?";
const char *const kReconciledSql =
    "SELECT COALESCE(SUM(amount), 0), MAX(date) FROM transactions "
    "WHERE account_id = ? AND deleted_at IS NULL AND reconciled = 1";
const char *const kLatestSql =
    "SELECT id, account_id, statement_date, statement_balance, reconciled_balance, completed_at, version, "
    "sync_status, server_id, created_at, updated_at, deleted_at FROM reconciliations WHERE account_id = ? AND "
    "deleted_at IS NULL ORDER BY statement_date DESC LIMIT 1";
const char *const kUnreconciledSql =
    "SELECT t.id, t.account_id, t.date, t.payee, t.memo, t.amount, t.category_id, t.check_number, t.cleared, "
    "t.reconciled, t.transfer_link_id, t.transfer_dest_account_id, t.is_split, t.recurring_id, t.version, "
    "t.sync_status, t.server_id, t.created_at, t.updated_at, t.deleted_at FROM transactions t WHERE "
    "t.account_id = ? AND t.deleted_at IS NULL AND t.reconciled = 0 ORDER BY t.date ASC, t.created_at ASC";

class RawDb
{
public:
    explicit RawDb(const QString &path)
    {
        if (sqlite3_open_v2(path.toUtf8().constData(), &m_db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
            qFatal("cannot open %s", qPrintable(path));
    }
    ~RawDb() { sqlite3_close(m_db); }

    // Prepares, binds the text, steps through every row reading every
    // column by its type, and finalizes. Returns the row count.
    qint64 run(const char *sql, const QByteArray &bind)
    {
        sqlite3_stmt *stmt = nullptr;
        if (sqlite3_prepare_v2(m_db, sql, -1, &stmt, nullptr) != SQLITE_OK)
            qFatal("prepare failed: %s", sqlite3_errmsg(m_db));
        sqlite3_bind_text(stmt, 1, bind.constData(), int(bind.size()), SQLITE_STATIC);
        qint64 rows = 0;
        const int columns = sqlite3_column_count(stmt);
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            ++rows;
            for (int c = 0; c < columns; ++c) {
                switch (sqlite3_column_type(stmt, c)) {
                case SQLITE_INTEGER:
                    m_sink += quint64(sqlite3_column_int64(stmt, c));
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

    bool exec(const char *sql, const QByteArray &bind = QByteArray())
    {
        sqlite3_stmt *stmt = nullptr;
        if (sqlite3_prepare_v2(m_db, sql, -1, &stmt, nullptr) != SQLITE_OK)
            return false;
        if (!bind.isNull())
            sqlite3_bind_text(stmt, 1, bind.constData(), int(bind.size()), SQLITE_STATIC);
        const int rc = sqlite3_step(stmt);
        sqlite3_finalize(stmt);
        return rc == SQLITE_DONE || rc == SQLITE_ROW;
    }

    QString firstAccount()
    {
        sqlite3_stmt *stmt = nullptr;
        sqlite3_prepare_v2(m_db,
                           "SELECT account_id, COUNT(*) FROM transactions WHERE deleted_at IS NULL "
                           "GROUP BY account_id ORDER BY 2 DESC LIMIT 1",
                           -1, &stmt, nullptr);
        QString id;
        if (sqlite3_step(stmt) == SQLITE_ROW)
            id = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(stmt, 0)));
        sqlite3_finalize(stmt);
        return id;
    }

    quint64 sink() const { return m_sink; }

private:
    sqlite3 *m_db = nullptr;
    quint64 m_sink = 0;
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);

    DataGeneratorOptions options;
    options.accounts = 1;
    options.transactions = kTransactions;
    const QString cached = Bench::cachedDataSet(options);
    if (cached.isEmpty())
        return 1;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("quillby.db"));
    if (!dir.isValid() || !QFile::copy(cached, path)) {
        std::fprintf(stderr, "cannot copy the data set\n");
        return 1;
    }

    // Everything reconciled but the newest 10,000 rows, which are open and
    // not cleared, so none of them starts ticked.
    QString accountId;
    {
        RawDb raw(path);
        accountId = raw.firstAccount();
        const QByteArray id = accountId.toUtf8();
        if (accountId.isEmpty() || !raw.exec("UPDATE transactions SET cleared = 1, reconciled = 1")
            || !raw.exec("UPDATE transactions SET cleared = 0, reconciled = 0 WHERE id IN (SELECT id FROM "
                         "transactions WHERE account_id = ? AND deleted_at IS NULL ORDER BY date DESC, "
                         "created_at DESC LIMIT 10000)",
                         id)) {
            std::fprintf(stderr, "cannot prepare the data set\n");
            return 1;
        }
    }

    Database database;
    if (!database.open(path) || !database.runMigrations()) {
        std::fprintf(stderr, "cannot open the data set\n");
        return 1;
    }
    AccountRepository accounts(&database);
    TransactionRepository transactions(&database);
    ReconciliationRepository reconciliations(&database);
    ReconciliationService service(&database, &accounts, &transactions, &reconciliations);
    RawDb raw(path);
    const QByteArray rawId = accountId.toUtf8();

    int loaded = 0;
    qint64 rawRows = 0;
    const Bench::Comparison open = Bench::compare(
        kRounds,
        [&] {
            const Result<ReconciliationService::Start> start = service.start(accountId);
            ReconciliationModel model;
            model.setCurrency(start->account.currency);
            model.setRows(start->rows);
            loaded = model.rowCount();
        },
        [&] {
            raw.run(kAccountSql, rawId);
            raw.run(kReconciledSql, rawId);
            raw.run(kLatestSql, rawId);
            rawRows = raw.run(kUnreconciledSql, rawId);
        });

    const qint64 live = raw.run("SELECT id FROM transactions WHERE account_id = ? AND deleted_at IS NULL", rawId);
    std::printf("account of %lld transactions, %d open; model holds %d rows, raw read %lld\n", live, kOpen, loaded,
                rawRows);
    const bool met = Bench::report("open the reconciliation screen (service start + model load)", open, kGoal);

    // Ticking every open row, one tick at a time, as the figures follow.
    {
        const Result<ReconciliationService::Start> start = service.start(accountId);
        ReconciliationModel model;
        model.setRows(start->rows);
        const Bench::Stopwatch watch;
        for (int row = 0; row < model.rowCount(); ++row)
            model.toggle(row);
        const Bench::Timing ticked = watch.elapsed();
        std::printf("tick all %d rows one by one: %.2f ms CPU (%.3f us a tick); deposits %lld, withdrawals %lld\n",
                    model.rowCount(), ticked.cpuMs, ticked.cpuMs * 1000.0 / qMax(1, model.rowCount()),
                    qint64(model.clearedDeposits().value_or(0)), qint64(model.clearedWithdrawals().value_or(0)));
    }

    // Finishing with every open row ticked: each row read again, written
    // and the record stored in one transaction. Run once, at the end, as it
    // reconciles the copy.
    {
        const Result<ReconciliationService::Start> start = service.start(accountId);
        ReconciliationService::Statement statement;
        statement.accountId = accountId;
        statement.date = QDate(2026, 12, 1);
        statement.previousBalance = start->previousBalance;
        statement.balance = start->previousBalance;
        for (const Transaction &t : start->rows)
            statement.balance += t.amount;
        statement.ticked = start->rows;
        const Bench::Stopwatch watch;
        const Result<Reconciliation> done = service.finish(statement);
        const Bench::Timing finished = watch.elapsed();
        std::printf("finish with %lld rows ticked: %.1f ms CPU, %.1f ms wall (%s)\n", qint64(statement.ticked.size()),
                    finished.cpuMs, finished.wallMs, done ? "stored" : qPrintable(done.error()));
    }
    std::printf("peak memory %.1f MiB (sink %llu)\n", Bench::peakRssMiB(), static_cast<unsigned long long>(raw.sink()));

    if (loaded != kOpen || rawRows != kOpen) {
        std::fprintf(stderr, "expected %d open rows\n", kOpen);
        return 1;
    }
    return met ? 0 : 3;
}
