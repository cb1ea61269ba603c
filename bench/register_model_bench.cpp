// Switching the register to an account of 100,000 transactions, and sorting
// those rows by payee, each against a baseline measured in the same run:
//
//  (a) TransactionRepository::findRegisterRows + RegisterModel::setRows with
//      the newest-first sort (Date descending), versus the raw SQLite C API
//      preparing the same register statement and reading every column of
//      every row;
//  (b) RegisterModel::sort(Payee) versus a plain std::stable_sort of the same
//      payees' collation keys (QCollator, the order localeAwareCompare gives),
//      built before the clock starts.
//
// Each figure is the median of several runs after a warm-up. Prints both
// times, their ratio and the peak resident memory; exits non-zero when the
// model did not receive every row.

#include "data/database.h"
#include "data/sqltransaction.h"
#include "data/transactionrepository.h"
#include "ui/register/registermodel.h"

#include <QCollator>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <sqlite3.h>
#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kTransactions = 100000;
constexpr int kOtherAccountTransactions = 20000;
constexpr int kRuns = 7;
const char *const kAccountId = "acc-bench";

// The register statement as the repository runs it.
const char *const kRegisterSql =
    "SELECT t.id, t.account_id, t.date, t.payee, t.memo, t.amount, t.category_id, t.check_number, "
    "t.cleared, t.reconciled, t.transfer_link_id, t.transfer_dest_account_id, t.is_split, "
    "t.recurring_id, t.version, t.sync_status, t.server_id, t.created_at, t.updated_at, "
    "t.deleted_at, CASE WHEN c.parent_id IS NOT NULL AND (SELECT COUNT(*) FROM categories cc "
    "WHERE cc.name = c.name AND cc.deleted_at IS NULL) > 1 THEN COALESCE((SELECT p.name FROM "
    "categories p WHERE p.id = c.parent_id), '') || ' > ' || c.name ELSE c.name END AS "
    "category_name FROM transactions t LEFT JOIN categories c ON t.category_id = c.id "
    "WHERE t.account_id = ? AND t.deleted_at IS NULL ORDER BY t.date ASC, t.created_at ASC";

// A fixed linear congruential sequence, so every run builds the same rows.
class Sequence
{
public:
    quint32 next(quint32 bound)
    {
        m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
        return quint32(m_state >> 33) % bound;
    }

private:
    quint64 m_state = 20240615;
};

bool exec(QSqlQuery &query)
{
    if (query.exec())
        return true;
    std::fprintf(stderr, "insert failed: %s\n", qPrintable(query.lastError().text()));
    return false;
}

// Two accounts, a category tree with a repeated subcategory name, and
// 100,000 + 20,000 transactions with a few hundred payees, in one transaction.
bool fillDatabase(Database &database)
{
    const QSqlDatabase db = database.connection();
    SqlTransaction transaction(db);
    const QString stamp = QStringLiteral("2024-01-01T00:00:00Z");

    QSqlQuery account(db);
    account.prepare("INSERT INTO accounts (id, name, starting_balance, created_at, updated_at) "
                    "VALUES (?, ?, ?, ?, ?)");
    for (const auto &[id, name, balance] : {std::tuple{kAccountId, "Checking", 150000},
                                           std::tuple{"acc-other", "Savings", 0}}) {
        account.addBindValue(QString::fromLatin1(id));
        account.addBindValue(QString::fromLatin1(name));
        account.addBindValue(balance);
        account.addBindValue(stamp);
        account.addBindValue(stamp);
        if (!exec(account))
            return false;
    }

    QSqlQuery category(db);
    category.prepare("INSERT INTO categories (id, name, parent_id, created_at, updated_at) "
                     "VALUES (?, ?, ?, ?, ?)");
    const QStringList parents = {"Housing", "Transportation", "Food", "Utilities", "Health", "Income",
                                 "Leisure", "Shopping"};
    const QStringList children = {"Maintenance", "Supplies", "Fees", "Services", "Other", "Insurance"};
    QStringList categoryIds;
    for (const QString &parent : parents) {
        const QString parentId = QStringLiteral("cat-") + parent;
        category.addBindValue(parentId);
        category.addBindValue(parent);
        category.addBindValue(QVariant(QMetaType::fromType<QString>()));
        category.addBindValue(stamp);
        category.addBindValue(stamp);
        if (!exec(category))
            return false;
        categoryIds << parentId;
        for (const QString &child : children) {
            const QString childId = parentId + QLatin1Char('-') + child;
            category.addBindValue(childId);
            category.addBindValue(child);
            category.addBindValue(parentId);
            category.addBindValue(stamp);
            category.addBindValue(stamp);
            if (!exec(category))
                return false;
            categoryIds << childId;
        }
    }

    const QStringList firstWords = {"Corner", "City", "Green", "Blue", "North", "Sunny", "Maple", "River",
                                    "Golden", "Happy", "Quick", "Royal", "Urban", "Little", "Grand",
                                    "Old Town", "Village", "Metro", "Harbor", "Valley"};
    const QStringList secondWords = {"Grocer", "Power", "Fuel", "Books", "Cafe", "Pharmacy", "Hardware",
                                     "Bakery", "Cinema", "Water", "Dental", "Garage", "Market", "Diner",
                                     "Florist", "Gym", "Tailor", "Pet Shop", "Deli", "Bistro"};
    const QStringList memos = {"", "", "", "weekly shop", "monthly bill", "gift", "refund", "card ending 4242",
                               "reimbursable", "split with roommate"};

    QSqlQuery insert(db);
    insert.prepare("INSERT INTO transactions (id, account_id, date, payee, memo, amount, category_id, "
                   "check_number, cleared, reconciled, sync_status, created_at, updated_at) "
                   "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 'synced', ?, ?)");
    Sequence sequence;
    const QDate start(2015, 1, 1);
    const int total = kTransactions + kOtherAccountTransactions;
    for (int i = 0; i < total; ++i) {
        const bool main = i % 6 != 5 || i >= kOtherAccountTransactions * 6;
        const QDate date = start.addDays(qint64(i) * 3650 / total);
        const QString created = QDateTime(date, QTime(8, 0).addSecs(i % 36000), Qt::UTC).toString(Qt::ISODate);
        const bool deposit = sequence.next(10) == 0;
        const qint64 amount = deposit ? qint64(100000 + sequence.next(400000)) : -qint64(100 + sequence.next(30000));
        insert.addBindValue(QStringLiteral("tx-%1").arg(i, 7, 10, QLatin1Char('0')));
        insert.addBindValue(QString::fromLatin1(main ? kAccountId : "acc-other"));
        insert.addBindValue(date.toString(Qt::ISODate));
        insert.addBindValue(firstWords.at(sequence.next(20)) + QLatin1Char(' ') + secondWords.at(sequence.next(20)));
        insert.addBindValue(memos.at(sequence.next(10)));
        insert.addBindValue(amount);
        insert.addBindValue(sequence.next(8) == 0 ? QVariant(QMetaType::fromType<QString>())
                                                  : QVariant(categoryIds.at(sequence.next(categoryIds.size()))));
        insert.addBindValue(sequence.next(12) == 0 ? QString::number(1000 + i % 9000) : QString());
        insert.addBindValue(date < QDate(2024, 1, 1) ? 1 : 0);
        insert.addBindValue(date < QDate(2023, 1, 1) ? 1 : 0);
        insert.addBindValue(created);
        insert.addBindValue(created);
        if (!exec(insert))
            return false;
    }
    if (!transaction.commit()) {
        std::fprintf(stderr, "commit failed: %s\n", qPrintable(transaction.errorText()));
        return false;
    }
    return true;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double timeOnce(const std::function<void()> &prepare, const std::function<void()> &work)
{
    prepare();
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

struct Pair
{
    double ours;
    double baseline;
};

// Median milliseconds of our work and of the baseline, run in turns after a
// warm-up of each, so a busy machine slows both alike. `prepare` is untimed.
Pair measure(const std::function<void()> &prepareOurs, const std::function<void()> &ours,
             const std::function<void()> &prepareBaseline, const std::function<void()> &baseline)
{
    timeOnce(prepareOurs, ours);
    timeOnce(prepareBaseline, baseline);
    std::vector<double> oursTimes;
    std::vector<double> baselineTimes;
    for (int i = 0; i < kRuns; ++i) {
        oursTimes.push_back(timeOnce(prepareOurs, ours));
        baselineTimes.push_back(timeOnce(prepareBaseline, baseline));
    }
    return {median(oursTimes), median(baselineTimes)};
}

void report(const char *name, double ours, const char *baselineName, double baseline, double goal)
{
    const double ratio = ours / baseline;
    std::printf("%s\n  ours     %9.2f ms\n  baseline %9.2f ms  (%s)\n  ratio    %9.2f  (goal <= %.1f%s)\n",
                name, ours, baseline, baselineName, ratio, goal, ratio <= goal ? ", met" : ", NOT met");
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    const QString path = dir.filePath(QStringLiteral("quillby.db"));

    Database database;
    if (!database.open(path) || !database.runMigrations()) {
        std::fprintf(stderr, "cannot create the database\n");
        return 1;
    }
    QElapsedTimer fillTimer;
    fillTimer.start();
    if (!fillDatabase(database))
        return 1;
    std::printf("database: %d + %d transactions written in %.0f ms (%s)\n", kTransactions,
                kOtherAccountTransactions, double(fillTimer.elapsed()), qPrintable(QLocale().name()));

    TransactionRepository repository(&database);
    RegisterModel model;
    model.sort(RegisterModel::Date, Qt::DescendingOrder);

    sqlite3 *raw = nullptr;
    if (sqlite3_open_v2(path.toUtf8().constData(), &raw, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "sqlite3_open_v2 failed\n");
        return 1;
    }
    qint64 checksum = 0;
    int rawRows = 0;
    const auto rawRegister = [&] {
        sqlite3_stmt *statement = nullptr;
        sqlite3_prepare_v2(raw, kRegisterSql, -1, &statement, nullptr);
        sqlite3_bind_text(statement, 1, kAccountId, -1, SQLITE_STATIC);
        rawRows = 0;
        while (sqlite3_step(statement) == SQLITE_ROW) {
            ++rawRows;
            for (int column = 0; column < 21; ++column) {
                if (sqlite3_column_type(statement, column) == SQLITE_INTEGER)
                    checksum += sqlite3_column_int64(statement, column);
                else
                    checksum += sqlite3_column_bytes(statement, column)
                                + (sqlite3_column_text(statement, column) != nullptr);
            }
        }
        sqlite3_finalize(statement);
    };
    const auto nothing = [] {};

    // (a) Switching to the account: query, rows into the model, newest first.
    const Pair switching = measure(nothing, [&] { model.setRows(repository.findRegisterRows(kAccountId)); },
                                   nothing, rawRegister);
    if (model.transactionCount() != kTransactions + 1 || rawRows != kTransactions) {   // the opening row leads
        std::fprintf(stderr, "the model holds %d rows and the raw statement read %d, expected %d + 1\n",
                     model.transactionCount(), rawRows, kTransactions);
        return 1;
    }
    report("(a) switch to a 100,000-transaction register (query + set rows + Date descending)", switching.ours,
           "sqlite3 prepare/step/column_* of every column", switching.baseline, 2.5);

    // The model's share alone: rows fetched beforehand, then handed over and sorted.
    QList<RegisterRow> fetched;
    const Pair modelOnly = measure([&] { fetched = repository.findRegisterRows(kAccountId); },
                                   [&] { model.setRows(std::move(fetched)); }, nothing, nothing);
    std::printf("    (of which set rows + Date descending sort: %.2f ms)\n", modelOnly.ours);

    // The same switch with the Date ascending sort, where the rows arrive in order.
    model.sort(RegisterModel::Date, Qt::AscendingOrder);
    const Pair ascending = measure(nothing, [&] { model.setRows(repository.findRegisterRows(kAccountId)); },
                                   nothing, rawRegister);
    std::printf("    (Date ascending: %.2f ms against %.2f ms, ratio %.2f)\n", ascending.ours, ascending.baseline,
                ascending.ours / ascending.baseline);
    sqlite3_close(raw);

    // (b) Sorting by Payee, starting each time from date order.
    const QCollator collator;
    std::vector<QCollatorSortKey> collationKeys;
    collationKeys.reserve(size_t(kTransactions + 1));
    for (const RegisterRow &row : model.rows())
        collationKeys.push_back(collator.sortKey(row.payee));
    std::vector<QCollatorSortKey> working;
    const Pair sorting = measure([&] { model.sort(RegisterModel::Date, Qt::AscendingOrder); },
                                 [&] { model.sort(RegisterModel::Payee, Qt::AscendingOrder); },
                                 [&] { working = collationKeys; },
                                 [&] {
                                     std::stable_sort(working.begin(), working.end(),
                                                      [](const QCollatorSortKey &a, const QCollatorSortKey &b) {
                                                          return a.compare(b) < 0;
                                                      });
                                 });
    report("(b) sort 100,000 rows by Payee", sorting.ours, "std::stable_sort of precomputed collation keys",
           sorting.baseline, 2.0);

    // For reference: the comparison sort the model avoids.
    std::vector<QString> payees;
    model.sort(RegisterModel::Date, Qt::AscendingOrder);
    for (const RegisterRow &row : model.rows())
        payees.push_back(row.payee);
    std::vector<QString> workingPayees;
    const Pair compareSort = measure(nothing, nothing, [&] { workingPayees = payees; }, [&] {
        std::stable_sort(workingPayees.begin(), workingPayees.end(),
                         [](const QString &a, const QString &b) { return QString::localeAwareCompare(a, b) < 0; });
    });
    std::printf("    (std::stable_sort of QStrings with localeAwareCompare: %.2f ms)\n", compareSort.baseline);

    struct rusage usage = {};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak resident memory: %.1f MiB\n", double(usage.ru_maxrss) / 1024.0);
    return checksum == 0 ? 1 : 0;
}
