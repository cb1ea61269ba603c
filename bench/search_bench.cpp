// Transaction search over 1,000,000 generated transactions: SearchService
// against the raw SQLite C API running the same search as one statement
// (the kept rows' keys chosen and ordered, then every column of those rows
// read with their category and account names; sqlite3_prepare_v2/bind/step,
// every column of every row read), medians of alternating runs, CPU and
// wall time. The screen's cases: a two-word prefix, a one-letter prefix that
// matches a large share of the rows, no text at all (the newest rows), no
// text with an account and a year, and a report figure's filters (category
// by name, expenses only, one year).
//
// Usage: bench_search [text in the names of the cases to run]

#include "bench/benchsupport.h"
#include "data/database.h"
#include "data/timestamps.h"
#include "data/transactionrepository.h"
#include "services/searchservice.h"

#include <QCoreApplication>
#include <QLoggingCategory>

#include <sqlite3.h>

#include <cstdio>

namespace {

// The whole search as one statement: %1 is the key query (WHERE clause
// included), as the service builds it.
const char *const kFullSql =
    "SELECT t.id, t.account_id, t.date, t.payee, t.memo, t.amount, t.category_id, t.check_number, "
    "t.cleared, t.reconciled, t.transfer_link_id, t.transfer_dest_account_id, t.is_split, "
    "t.recurring_id, t.version, t.sync_status, t.server_id, t.created_at, t.updated_at, "
    "t.deleted_at, CASE WHEN c.parent_id IS NOT NULL AND (SELECT COUNT(*) FROM categories cc "
    "WHERE cc.name = c.name AND cc.deleted_at IS NULL) > 1 THEN COALESCE((SELECT p.name FROM "
    "categories p WHERE p.id = c.parent_id), '') || ' > ' || c.name ELSE c.name END AS "
    "category_name, a.name, a.currency FROM (%1) h JOIN transactions t ON t.id = h.id "
    "LEFT JOIN categories c ON t.category_id = c.id LEFT JOIN accounts a ON a.id = t.account_id "
    "ORDER BY t.date DESC, t.created_at DESC";

class RawDb
{
public:
    explicit RawDb(const QString &path)
    {
        if (sqlite3_open_v2(path.toUtf8().constData(), &m_db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
            qFatal("cannot open %s", qPrintable(path));
    }
    ~RawDb() { sqlite3_close(m_db); }

    // Binds texts and integers in order, reads every column of every row.
    qint64 run(const QByteArray &sql, const QVariantList &binds)
    {
        sqlite3_stmt *stmt = nullptr;
        if (sqlite3_prepare_v2(m_db, sql.constData(), -1, &stmt, nullptr) != SQLITE_OK)
            qFatal("prepare failed: %s", sqlite3_errmsg(m_db));
        QList<QByteArray> texts;
        for (int i = 0; i < binds.size(); ++i) {
            if (binds[i].typeId() == QMetaType::QString) {
                texts.append(binds[i].toString().toUtf8());
                sqlite3_bind_text(stmt, i + 1, texts.last().constData(), int(texts.last().size()),
                                  SQLITE_TRANSIENT);
            } else {
                sqlite3_bind_int64(stmt, i + 1, binds[i].toLongLong());
            }
        }
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

    QString firstText(const char *sql)
    {
        sqlite3_stmt *stmt = nullptr;
        sqlite3_prepare_v2(m_db, sql, -1, &stmt, nullptr);
        QString text;
        if (sqlite3_step(stmt) == SQLITE_ROW)
            text = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(stmt, 0)));
        sqlite3_finalize(stmt);
        return text;
    }

private:
    sqlite3 *m_db = nullptr;
    quint64 m_sink = 0;
};

struct Case
{
    const char *name;
    SearchQuery query;
    QString keySql;       // the key query the raw side runs
    QVariantList binds;
};

const char *const kKeyColumns = "SELECT t.id AS id FROM transactions t ";

QString keySql(const QString &joins, const QString &where)
{
    return QLatin1String(kKeyColumns) + joins + QStringLiteral("WHERE t.deleted_at IS NULL") + where
           + QStringLiteral(" ORDER BY t.date DESC, t.created_at DESC LIMIT 200");
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("*.info=false"));
    const QString path = Bench::cachedDataSet(DataGeneratorOptions());
    if (path.isEmpty())
        return 1;
    Database database;
    if (!database.open(path))
        return 1;
    SearchService service(&database);
    RawDb raw(path);
    const QString account = raw.firstText("SELECT id FROM accounts ORDER BY sort_order, name LIMIT 1");
    const QDate yearStart(2025, 1, 1);
    const QDate yearEnd(2025, 12, 31);
    const QString fts = QStringLiteral("JOIN transactions_fts fts ON fts.rowid = t.rowid ");

    QList<Case> cases;
    {
        Case c{"two-word prefix 'Corner Gro'", {}, {}, {}};
        c.query.text = QStringLiteral("Corner Gro");
        c.keySql = keySql(fts, QStringLiteral(" AND transactions_fts MATCH ?"));
        c.binds = {TransactionRepository::fullTextQuery(c.query.text)};
        cases.append(c);
    }
    {
        Case c{"one-letter prefix 's'", {}, {}, {}};
        c.query.text = QStringLiteral("s");
        c.keySql = keySql(fts, QStringLiteral(" AND transactions_fts MATCH ?"));
        c.binds = {TransactionRepository::fullTextQuery(c.query.text)};
        cases.append(c);
    }
    {
        Case c{"no text, no filter (newest rows)", {}, {}, {}};
        c.keySql = keySql(QString(), QString());
        cases.append(c);
    }
    {
        Case c{"no text, one account, one year", {}, {}, {}};
        c.query.filter.accountId = account;
        c.query.filter.dateFrom = yearStart;
        c.query.filter.dateTo = yearEnd;
        c.keySql = keySql(QString(), QStringLiteral(" AND t.account_id = ? AND t.date >= ? AND t.date <= ?"));
        c.binds = {account, dateToText(yearStart), dateToText(yearEnd)};
        cases.append(c);
    }
    {
        Case c{"report figure: category by name, expenses, one year", {}, {}, {}};
        c.query.categoryName = QStringLiteral("Groceries");
        c.query.maximumAmount = -1;
        c.query.filter.dateFrom = yearStart;
        c.query.filter.dateTo = yearEnd;
        c.keySql = keySql(QStringLiteral("LEFT JOIN categories c ON t.category_id = c.id "),
                          QStringLiteral(" AND t.date >= ? AND t.date <= ? AND COALESCE(c.name, 'Uncategorized') = ?"
                                         " AND t.amount <= ?"));
        c.binds = {dateToText(yearStart), dateToText(yearEnd), QStringLiteral("Groceries"), qint64(-1)};
        cases.append(c);
    }

    constexpr int kRounds = 5;
    bool ok = true;
    const QString only = app.arguments().value(1);
    for (const Case &c : std::as_const(cases)) {
        if (!QString::fromLatin1(c.name).contains(only))
            continue;
        const QByteArray sql = QString::fromLatin1(kFullSql).arg(c.keySql).toUtf8();
        qsizetype ourRows = 0;
        qint64 rawRows = 0;
        const Bench::Comparison result = Bench::compare(
            kRounds,
            [&] {
                const Result<QList<SearchResult>> found = service.search(c.query);
                ourRows = found ? found->size() : -1;
            },
            [&] { rawRows = raw.run(sql, c.binds); });
        std::printf("%s: ours %lld rows, raw %lld rows\n", c.name, qint64(ourRows), rawRows);
        if (ourRows != rawRows) {
            std::printf("  row counts differ\n");
            ok = false;
        }
        ok = Bench::report(c.name, result, 1.5) && ok;
    }
    return ok ? 0 : 1;
}
