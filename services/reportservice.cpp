#include "services/reportservice.h"

#include "data/database.h"
#include "data/sqlhelpers.h"
#include "data/timestamps.h"

#include <QMap>
#include <QSqlQuery>

#include <utility>

namespace {

const QString kAccountClause = QStringLiteral(" AND t.account_id = ?");
const QString kCategoryClause = QStringLiteral(" AND t.category_id = ?");
const QString kMonthlyTail = QStringLiteral(" GROUP BY month ORDER BY month");

const QString kCategoryNetStatement = QStringLiteral(
    "SELECT COALESCE(c.name, 'Uncategorized'), SUM(t.amount) FROM transactions t "
    "LEFT JOIN categories c ON t.category_id = c.id "
    "WHERE t.deleted_at IS NULL AND t.date >= ? AND t.date <= ?");
const QString kCategoryNetTail = QStringLiteral(" GROUP BY COALESCE(c.name, 'Uncategorized')");

void appendCsvField(QString &out, const QString &field)
{
    out += QLatin1Char('"');
    if (field.contains(QLatin1Char('"'))) {
        QString doubled = field;
        doubled.replace(QLatin1String("\""), QLatin1String("\"\""));
        out += doubled;
    } else {
        out += field;
    }
    out += QLatin1Char('"');
}

void appendCsvLine(QString &out, const QStringList &fields)
{
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += QLatin1Char(',');
        appendCsvField(out, fields.at(i));
    }
    out += QLatin1Char('\n');
}

} // namespace

ReportService::ReportService(Database *database, QObject *parent)
    : QObject(parent)
    , m_database(database)
{
}

bool ReportService::run(QSqlQuery &query, const char *operation, const QString &statement, const QString &tail,
                        const QDate &from, const QDate &to, const QString &accountId,
                        const QString &categoryId) const
{
    QString sql = statement;
    QVariantList binds{dateToText(from), dateToText(to)};
    if (!accountId.isEmpty()) {
        sql += kAccountClause;
        binds.append(accountId);
    }
    if (!categoryId.isEmpty()) {
        sql += kCategoryClause;
        binds.append(categoryId);
    }
    sql += tail;
    query = Sql::prepare(m_database->connection(), sql, binds);
    return Sql::exec(query, operation);
}

QList<CategoryTotal> ReportService::categorySpending(const QDate &from, const QDate &to,
                                                     const QString &accountId) const
{
    static const QString statement = QStringLiteral(
        "SELECT COALESCE(c.name, 'Uncategorized'), SUM(t.amount) FROM transactions t "
        "LEFT JOIN categories c ON t.category_id = c.id "
        "WHERE t.deleted_at IS NULL AND t.amount < 0 AND t.date >= ? AND t.date <= ?");
    static const QString tail = QStringLiteral(
        " GROUP BY COALESCE(c.name, 'Uncategorized') ORDER BY SUM(t.amount) ASC");

    QList<CategoryTotal> rows;
    QSqlQuery query;
    if (!run(query, "ReportService::categorySpending", statement, tail, from, to, accountId))
        return rows;
    while (query.next())
        rows.append({query.value(0).toString(), query.value(1).toLongLong()});
    return rows;
}

QList<PayeeTotal> ReportService::payeeSummary(const QDate &from, const QDate &to, const QString &accountId) const
{
    static const QString statement = QStringLiteral(
        "SELECT t.payee, SUM(t.amount), COUNT(*) FROM transactions t "
        "WHERE t.deleted_at IS NULL AND t.date >= ? AND t.date <= ?");
    static const QString tail = QStringLiteral(" GROUP BY t.payee ORDER BY SUM(t.amount) ASC");

    QList<PayeeTotal> rows;
    QSqlQuery query;
    if (!run(query, "ReportService::payeeSummary", statement, tail, from, to, accountId))
        return rows;
    while (query.next())
        rows.append({query.value(0).toString(), query.value(1).toLongLong(), query.value(2).toInt()});
    return rows;
}

QList<TaxLine> ReportService::taxReport(const QDate &from, const QDate &to) const
{
    static const QString statement = QStringLiteral(
        "SELECT c.name, c.tax_category, SUM(t.amount) FROM transactions t "
        "JOIN categories c ON t.category_id = c.id "
        "WHERE t.deleted_at IS NULL AND c.is_tax_relevant = 1 AND t.date >= ? AND t.date <= ? "
        "GROUP BY c.name, c.tax_category ORDER BY c.tax_category, c.name");

    QList<TaxLine> rows;
    QSqlQuery query;
    if (!run(query, "ReportService::taxReport", statement, QString(), from, to, QString()))
        return rows;
    while (query.next())
        rows.append({query.value(0).toString(), query.value(1).toString(), query.value(2).toLongLong()});
    return rows;
}

QList<PeriodTotals> ReportService::monthlyTotals(const char *operation, const QString &statement,
                                                 const QDate &from, const QDate &to,
                                                 const QString &accountId) const
{
    QList<PeriodTotals> rows;
    QSqlQuery query;
    if (!run(query, operation, statement, kMonthlyTail, from, to, accountId))
        return rows;
    while (query.next()) {
        const qint64 in = query.value(1).toLongLong();
        const qint64 out = query.value(2).toLongLong();
        rows.append({query.value(0).toString(), in, out, in + out});
    }
    return rows;
}

QList<PeriodTotals> ReportService::incomeVsExpenses(const QDate &from, const QDate &to,
                                                    const QString &accountId) const
{
    // Transfers only move money between the user's own accounts.
    static const QString statement = QStringLiteral(
        "SELECT strftime('%Y-%m', t.date) AS month, "
        "SUM(CASE WHEN t.amount > 0 THEN t.amount ELSE 0 END) AS income, "
        "SUM(CASE WHEN t.amount < 0 THEN t.amount ELSE 0 END) AS expenses "
        "FROM transactions t WHERE t.deleted_at IS NULL "
        "  AND (t.transfer_link_id IS NULL OR t.transfer_link_id = '') "
        "  AND t.date >= ? AND t.date <= ?");
    return monthlyTotals("ReportService::incomeVsExpenses", statement, from, to, accountId);
}

QList<PeriodTotals> ReportService::cashFlow(const QDate &from, const QDate &to, const QString &accountId) const
{
    static const QString statement = QStringLiteral(
        "SELECT strftime('%Y-%m', t.date) AS month, "
        "SUM(CASE WHEN t.amount > 0 THEN t.amount ELSE 0 END) AS inflows, "
        "SUM(CASE WHEN t.amount < 0 THEN t.amount ELSE 0 END) AS outflows "
        "FROM transactions t WHERE t.deleted_at IS NULL AND t.date >= ? AND t.date <= ?");
    return monthlyTotals("ReportService::cashFlow", statement, from, to, accountId);
}

QList<PeriodTotals> ReportService::yearOverYear(const QDate &period1From, const QDate &period1To,
                                                const QDate &period2From, const QDate &period2To,
                                                const QString &accountId) const
{
    // QMap orders QString keys by UTF-16 code units, case-sensitively.
    QMap<QString, std::pair<qint64, qint64>> totals;
    const std::pair<QDate, QDate> periods[2] = {{period1From, period1To}, {period2From, period2To}};
    for (int period = 0; period < 2; ++period) {
        QSqlQuery query;
        if (!run(query, "ReportService::yearOverYear", kCategoryNetStatement, kCategoryNetTail,
                 periods[period].first, periods[period].second, accountId))
            return {};
        while (query.next()) {
            std::pair<qint64, qint64> &entry = totals[query.value(0).toString()];
            (period == 0 ? entry.first : entry.second) = query.value(1).toLongLong();
        }
    }

    QList<PeriodTotals> rows;
    rows.reserve(totals.size());
    for (auto it = totals.cbegin(); it != totals.cend(); ++it)
        rows.append({it.key(), it->first, it->second, it->second - it->first});
    return rows;
}

QList<AccountSummaryRow> ReportService::accountSummary() const
{
    static const QString statement = QStringLiteral(
        "SELECT a.name, a.account_type, a.starting_balance, "
        "COALESCE(SUM(CASE WHEN t.cleared = 1 THEN t.amount ELSE 0 END), 0) AS cleared_sum, "
        "COALESCE(SUM(CASE WHEN t.cleared = 0 THEN t.amount ELSE 0 END), 0) AS uncleared_sum, "
        "COALESCE(SUM(t.amount), 0) AS total_sum "
        "FROM accounts a LEFT JOIN transactions t ON t.account_id = a.id AND t.deleted_at IS NULL "
        "WHERE a.deleted_at IS NULL GROUP BY a.id ORDER BY a.sort_order, a.name");

    QList<AccountSummaryRow> rows;
    QSqlQuery query = Sql::prepare(m_database->connection(), statement);
    if (!Sql::exec(query, "ReportService::accountSummary"))
        return rows;
    while (query.next()) {
        const qint64 starting = query.value(2).toLongLong();
        rows.append({query.value(0).toString(), query.value(1).toString(),
                     starting + query.value(3).toLongLong(), query.value(4).toLongLong(),
                     starting + query.value(5).toLongLong()});
    }
    return rows;
}

QList<TransactionReportRow> ReportService::transactionList(const QDate &from, const QDate &to,
                                                           const QString &accountId,
                                                           const QString &categoryId) const
{
    static const QString statement = QStringLiteral(
        "SELECT t.date, a.name AS account_name, t.payee, "
        "       COALESCE(c.name, '') AS category_name, "
        "       COALESCE(t.memo, ''), t.amount "
        "FROM transactions t LEFT JOIN accounts a ON t.account_id = a.id "
        "LEFT JOIN categories c ON t.category_id = c.id "
        "WHERE t.deleted_at IS NULL AND t.date >= ? AND t.date <= ?");
    static const QString tail = QStringLiteral(" ORDER BY t.date, t.payee");

    QList<TransactionReportRow> rows;
    QSqlQuery query;
    if (!run(query, "ReportService::transactionList", statement, tail, from, to, accountId, categoryId))
        return rows;
    while (query.next()) {
        rows.append({dateFromText(query.value(0).toString()), query.value(1).toString(),
                     query.value(2).toString(), query.value(3).toString(), query.value(4).toString(),
                     query.value(5).toLongLong()});
    }
    return rows;
}

QString ReportService::toCsv(const QStringList &headers, const QList<QStringList> &rows)
{
    QString out;
    // Header labels are quoted like any cell, so a label with a quote in a
    // translation cannot break the file.
    appendCsvLine(out, headers);
    for (const QStringList &row : rows)
        appendCsvLine(out, row);
    return out;
}
