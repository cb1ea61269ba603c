// Imports generated CSV and QIF files of 100,000 records each into an empty
// database through ImportService, and inserts the same rows through the raw
// SQLite C API in one transaction (one prepared statement, same table, same
// full-text triggers) as the baseline measured in the same run. Prints both
// times and their ratio; exits non-zero when an import did not store every row.

#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/splitlinerepository.h"
#include "data/sqltransaction.h"
#include "data/timestamps.h"
#include "data/transactionrepository.h"
#include "data/uuids.h"
#include "services/importservice.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <cstdio>
#include <ctime>
#include <memory>

namespace {

constexpr int kRecords = 100000;
const char *const kCheckingId = "acc-checking";
const char *const kSavingsId = "acc-savings";

// A fixed linear congruential sequence, so every run reads the same files.
class Sequence
{
public:
    quint32 next(quint32 bound)
    {
        m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
        return quint32(m_state >> 33) % bound;
    }

private:
    quint64 m_state = 20240301;
};

// Wall time is at the mercy of whatever else the machine runs; process CPU
// time (user and system) is what the ratio is taken over.
struct Timing
{
    double wallMs = -1;
    double cpuMs = -1;
};

class Stopwatch
{
public:
    Stopwatch()
    {
        m_wall.start();
        m_cpu = cpuNow();
    }
    Timing elapsed() const { return {m_wall.nsecsElapsed() / 1e6, (cpuNow() - m_cpu) * 1e3}; }

private:
    static double cpuNow()
    {
        timespec now{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
        return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
    }

    QElapsedTimer m_wall;
    double m_cpu = 0;
};

struct Row
{
    QString account;
    QDate date;
    QString payee;
    QString memo;
    qint64 amount = 0;
    QString transferLink;   // index of the partner as text until ids are given
    QString transferDest;
};

QString money(qint64 cents)
{
    const qint64 magnitude = cents < 0 ? -cents : cents;
    return QStringLiteral("%1%2.%3")
        .arg(cents < 0 ? QStringLiteral("-") : QString())
        .arg(magnitude / 100)
        .arg(magnitude % 100, 2, 10, QLatin1Char('0'));
}

const QStringList &payees()
{
    static const QStringList list = {"Corner Grocer", "City Power", "Fuel Stop", "Book Nook", "Cafe Aroma",
                                     "Pharmacy", "Hardware Hub", "Bakery", "Cinema", "Water Works"};
    return list;
}

QList<Row> csvRows()
{
    Sequence sequence;
    QList<Row> rows;
    rows.reserve(kRecords);
    const QDate start(2018, 1, 1);
    for (int i = 0; i < kRecords; ++i) {
        Row row;
        row.account = QLatin1String(kCheckingId);
        row.date = start.addDays(i / 40);
        // Unique payees per day keep every row out of the duplicate check.
        row.payee = QStringLiteral("%1 #%2").arg(payees()[sequence.next(10)]).arg(i);
        row.memo = sequence.next(4) == 0 ? QStringLiteral("receipt %1").arg(i) : QString();
        row.amount = -qint64(sequence.next(50000) + 1);
        rows.append(row);
    }
    return rows;
}

QByteArray csvFile(const QList<Row> &rows)
{
    QString text = QStringLiteral("Date,Payee,Amount,Memo\r\n");
    for (const Row &row : rows)
        text += QStringLiteral("%1,\"%2\",%3,%4\r\n").arg(dateToText(row.date), row.payee, money(row.amount), row.memo);
    return text.toUtf8();
}

// Checking holds most records; every tenth one is a transfer to Savings,
// whose file holds the other halves and its own deposits.
QList<Row> qifRows()
{
    Sequence sequence;
    QList<Row> checking;
    QList<Row> savings;
    const QDate start(2018, 1, 1);
    int i = 0;
    while (checking.size() + savings.size() < kRecords) {
        Row row;
        row.account = QLatin1String(kCheckingId);
        row.date = start.addDays(i / 30);
        row.payee = QStringLiteral("%1 #%2").arg(payees()[sequence.next(10)]).arg(i);
        row.amount = -qint64(sequence.next(50000) + 1);
        if (i % 10 == 0 && checking.size() + savings.size() + 2 <= kRecords) {
            row.payee = QStringLiteral("Transfer #%1").arg(i);
            Row other = row;
            other.account = QLatin1String(kSavingsId);
            other.amount = -row.amount;
            row.transferLink = QString::number(savings.size());
            other.transferLink = QString::number(checking.size());
            row.transferDest = QLatin1String(kSavingsId);
            other.transferDest = QLatin1String(kCheckingId);
            savings.append(other);
        } else if (i % 10 == 5) {
            row.account = QLatin1String(kSavingsId);
            row.amount = qint64(sequence.next(5000) + 1);
            row.payee = QStringLiteral("Interest #%1").arg(i);
            savings.append(row);
            ++i;
            continue;
        }
        checking.append(row);
        ++i;
    }
    // Partner positions become positions in the combined list.
    const qsizetype offset = checking.size();
    for (Row &row : checking) {
        if (!row.transferLink.isEmpty())
            row.transferLink = QString::number(offset + row.transferLink.toLongLong());
    }
    return checking + savings;
}

QByteArray qifFile(const QList<Row> &rows, const QString &accountId, const QString &name, const QString &other)
{
    QString text = QStringLiteral("!Account\nN%1\nTBank\n^\n!Type:Bank\n").arg(name);
    for (const Row &row : rows) {
        if (row.account != accountId)
            continue;
        text += QStringLiteral("D%1\nT%2\nP%3\n").arg(row.date.toString(QStringLiteral("MM/dd/yyyy")),
                                                       money(row.amount), row.payee);
        if (!row.transferLink.isEmpty())
            text += QStringLiteral("L[%1]\n").arg(other);
        else
            text += QStringLiteral("LHousehold\n");
        text += QStringLiteral("^\n");
    }
    return text.toUtf8();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool createDatabase(const QString &path)
{
    Database database;
    if (!database.open(path) || !database.runMigrations())
        return false;
    QSqlQuery query(database.connection());
    for (const char *id : {kCheckingId, kSavingsId}) {
        query.prepare(QStringLiteral("INSERT INTO accounts (id, name, account_type, created_at, updated_at) "
                                     "VALUES (?, ?, 'checking', ?, ?)"));
        query.addBindValue(QLatin1String(id));
        query.addBindValue(QLatin1String(id));
        query.addBindValue(nowTimestamp());
        query.addBindValue(nowTimestamp());
        if (!query.exec())
            return false;
    }
    query.prepare(QStringLiteral("INSERT INTO categories (id, name, category_type, created_at, updated_at) "
                                 "VALUES ('cat-household', 'Household', 'expense', ?, ?)"));
    query.addBindValue(nowTimestamp());
    query.addBindValue(nowTimestamp());
    return query.exec();
}

// Runs one import on a fresh database and returns its time; negative when
// it did not store every row.
template<typename Import>
Timing timeImport(const QString &dbPath, Import import)
{
    if (!createDatabase(dbPath))
        return {};
    Database database;
    if (!database.open(dbPath))
        return {};
    TransactionRepository transactions(&database);
    CategoryRepository categories(&database);
    SplitLineRepository splitLines(&database);
    ImportService service(&transactions, &categories, &splitLines);
    const Stopwatch watch;
    const ImportResult result = import(service);
    const Timing timing = watch.elapsed();
    if (result.aborted || result.imported != kRecords) {
        std::fprintf(stderr, "import stored %d of %d rows\n", result.imported, kRecords);
        return {};
    }
    return timing;
}

// The repository's insert alone, called once per row inside one
// transaction: the share of the import that is storage through the
// repository rather than reading files.
Timing timeRepositoryInserts(const QString &dbPath, const QList<Row> &rows)
{
    if (!createDatabase(dbPath))
        return {};
    Database database;
    if (!database.open(dbPath))
        return {};
    TransactionRepository repository(&database);
    QList<Transaction> list;
    list.reserve(rows.size());
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (const Row &row : rows) {
        Transaction t;
        t.id = newUuid();
        t.accountId = row.account;
        t.date = row.date;
        t.payee = row.payee;
        t.memo = row.memo;
        t.amount = row.amount;
        t.createdAt = now;
        t.updatedAt = now;
        list.append(t);
    }
    const Stopwatch watch;
    SqlTransaction transaction(database.connection());
    for (const Transaction &t : std::as_const(list)) {
        if (!repository.insert(t))
            return {};
    }
    if (!transaction.commit())
        return {};
    return watch.elapsed();
}

bool step(sqlite3 *db, const char *sql)
{
    char *error = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &error) == SQLITE_OK)
        return true;
    std::fprintf(stderr, "%s: %s\n", sql, error);
    sqlite3_free(error);
    return false;
}

// The same rows through one prepared statement in one transaction.
Timing timeRaw(const QString &dbPath, const QList<Row> &rows)
{
    if (!createDatabase(dbPath))
        return {};
    // Values are prepared before the clock starts: the baseline is the
    // storage cost alone.
    QList<QByteArray> ids;
    ids.reserve(rows.size());
    for (qsizetype i = 0; i < rows.size(); ++i)
        ids.append(newUuid().toUtf8());
    struct Texts
    {
        QByteArray account, date, payee, memo, link, dest;
    };
    QList<Texts> texts;
    texts.reserve(rows.size());
    for (const Row &row : rows) {
        const QByteArray link = row.transferLink.isEmpty() ? QByteArray() : ids[row.transferLink.toLongLong()];
        texts.append({row.account.toUtf8(), dateToText(row.date).toUtf8(), row.payee.toUtf8(), row.memo.toUtf8(),
                      link, row.transferDest.toUtf8()});
    }
    const QByteArray now = nowTimestamp().toUtf8();

    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(dbPath.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
        return {};
    Timing timing;
    sqlite3_stmt *insert = nullptr;
    if (step(db, "PRAGMA journal_mode=WAL") && step(db, "PRAGMA foreign_keys=ON")) {
        const Stopwatch watch;
        bool ok = step(db, "BEGIN")
                  && sqlite3_prepare_v2(db,
                                        "INSERT INTO transactions (id, account_id, date, payee, memo, amount, "
                                        "category_id, check_number, cleared, reconciled, transfer_link_id, "
                                        "transfer_dest_account_id, is_split, recurring_id, version, sync_status, "
                                        "server_id, created_at, updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                                        "?, ?, ?, ?, ?, ?, ?, ?, ?)",
                                        -1, &insert, nullptr)
                         == SQLITE_OK;
        for (qsizetype i = 0; ok && i < rows.size(); ++i) {
            const Texts &t = texts[i];
            const auto text = [&](int column, const QByteArray &value) {
                sqlite3_bind_text(insert, column, value.constData(), int(value.size()), SQLITE_STATIC);
            };
            text(1, ids[i]);
            text(2, t.account);
            text(3, t.date);
            text(4, t.payee);
            text(5, t.memo);
            sqlite3_bind_int64(insert, 6, rows[i].amount);
            sqlite3_bind_null(insert, 7);
            text(8, QByteArray(""));
            sqlite3_bind_int(insert, 9, 0);
            sqlite3_bind_int(insert, 10, 0);
            text(11, t.link);
            text(12, t.dest);
            sqlite3_bind_int(insert, 13, 0);
            text(14, QByteArray(""));
            sqlite3_bind_int(insert, 15, 1);
            sqlite3_bind_text(insert, 16, "pending", -1, SQLITE_STATIC);
            text(17, QByteArray(""));
            text(18, now);
            text(19, now);
            ok = sqlite3_step(insert) == SQLITE_DONE && sqlite3_reset(insert) == SQLITE_OK;
        }
        sqlite3_finalize(insert);
        if (ok && step(db, "COMMIT"))
            timing = watch.elapsed();
    }
    sqlite3_close(db);
    return timing;
}

bool report(const char *name, const Timing &ours, const Timing &baseline)
{
    if (ours.cpuMs < 0 || baseline.cpuMs < 0) {
        std::printf("%s: failed\n", name);
        return false;
    }
    std::printf("%s\n  ours       %9.1f ms CPU  %9.1f ms wall\n  raw SQLite %9.1f ms CPU  %9.1f ms wall\n"
                "  ratio      %9.2f CPU  %9.2f wall   (goal <= 2.00)\n",
                name, ours.cpuMs, ours.wallMs, baseline.cpuMs, baseline.wallMs, ours.cpuMs / baseline.cpuMs,
                ours.wallMs / baseline.wallMs);
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    // "csv" or "qif" runs only that half, for profiling.
    const QString only = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (only == QLatin1String("csv")) {
        const QList<Row> csv = csvRows();
        const QString csvPath = dir.filePath(QStringLiteral("statement.csv"));
        CsvMapping mapping;
        mapping.memoColumn = 3;
        mapping.amountColumn = 2;
        if (!writeFile(csvPath, csvFile(csv)))
            return 1;
        return timeImport(dir.filePath(QStringLiteral("csv-ours.db")), [&](ImportService &service) {
            return service.importCsv(csvPath, QLatin1String(kCheckingId), mapping);
        }).cpuMs < 0;
    }

    const QList<Row> csv = csvRows();
    const QString csvPath = dir.filePath(QStringLiteral("statement.csv"));
    if (!writeFile(csvPath, csvFile(csv)))
        return 1;
    CsvMapping mapping;
    mapping.dateColumn = 0;
    mapping.payeeColumn = 1;
    mapping.amountColumn = 2;
    mapping.memoColumn = 3;
    const Timing csvOurs = timeImport(dir.filePath(QStringLiteral("csv-ours.db")), [&](ImportService &service) {
        return service.importCsv(csvPath, QLatin1String(kCheckingId), mapping);
    });
    const Timing csvRaw = timeRaw(dir.filePath(QStringLiteral("csv-raw.db")), csv);
    const Timing csvRepository = timeRepositoryInserts(dir.filePath(QStringLiteral("csv-repo.db")), csv);

    const QList<Row> qif = qifRows();
    const QString checkingPath = dir.filePath(QStringLiteral("checking.qif"));
    const QString savingsPath = dir.filePath(QStringLiteral("savings.qif"));
    if (!writeFile(checkingPath, qifFile(qif, QLatin1String(kCheckingId), QStringLiteral("Checking"),
                                         QStringLiteral("Savings")))
        || !writeFile(savingsPath, qifFile(qif, QLatin1String(kSavingsId), QStringLiteral("Savings"),
                                           QStringLiteral("Checking"))))
        return 1;
    const QMap<QString, QString> accounts = {{QStringLiteral("Checking"), QLatin1String(kCheckingId)},
                                             {QStringLiteral("Savings"), QLatin1String(kSavingsId)}};
    const Timing qifOurs = timeImport(dir.filePath(QStringLiteral("qif-ours.db")), [&](ImportService &service) {
        return service.importQif({checkingPath, savingsPath}, accounts);
    });
    const Timing qifRaw = timeRaw(dir.filePath(QStringLiteral("qif-raw.db")), qif);

    std::printf("%d records per file\n", kRecords);
    bool ok = report("CSV import into an empty account", csvOurs, csvRaw);
    ok = report("QIF import of two files with transfers", qifOurs, qifRaw) && ok;
    ok = report("TransactionRepository::insert per row, same CSV rows", csvRepository, csvRaw) && ok;
    return ok ? 0 : 1;
}
