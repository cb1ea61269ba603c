#include "services/reportservice.h"

#include "data/database.h"
#include "data/sqlhelpers.h"
#include "data/timestamps.h"

#include <QMap>
#include <QRegularExpression>
#include <QSqlQuery>

#include <array>
#include <iterator>
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

// The currency of the account `a`, read as currencyFromString reads it: a
// text it does not know, or no account row at all, counts as its fallback.
const QString &currencyOfAccount()
{
    static const QString expression = [] {
        QStringList known;
        for (const Currency currency : kAllCurrencies)
            known << QLatin1Char('\'') + currencyToString(currency) + QLatin1Char('\'');
        return QStringLiteral("CASE WHEN a.currency IN (%1) THEN a.currency ELSE '%2' END")
            .arg(known.join(QLatin1String(", ")), currencyToString(currencyFromString(QString())));
    }();
    return expression;
}

const QString kCurrencyJoin = QStringLiteral(" LEFT JOIN accounts a ON a.id = t.account_id");

// Rows collected per currency as the query hands them over, so each
// section keeps the order of the statement.
template<typename Row>
class Sections
{
public:
    void add(const QString &currencyText, Row row)
    {
        m_rows[static_cast<size_t>(currencyFromString(currencyText))].append(std::move(row));
    }

    QList<CurrencySection<Row>> take()
    {
        QList<CurrencySection<Row>> sections;
        for (const Currency currency : kAllCurrencies) {
            QList<Row> &rows = m_rows[static_cast<size_t>(currency)];
            if (!rows.isEmpty())
                sections.append({currency, std::move(rows)});
        }
        return sections;
    }

private:
    std::array<QList<Row>, std::size(kAllCurrencies)> m_rows;
};

template<typename Row>
QList<CurrencySection<Row>> oneSection(Currency currency, QList<Row> rows)
{
    if (rows.isEmpty())
        return {};
    return {{currency, std::move(rows)}};
}

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

void appendCsvLine(QString &out, const QStringList &fields, const QList<int> *numberColumns = nullptr)
{
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += QLatin1Char(',');
        appendCsvField(out, numberColumns ? ReportService::neutralizedCell(fields.at(i), numberColumns->contains(int(i)))
                                          : fields.at(i));
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

QString ReportService::toCsv(const QStringList &headers, const QList<QStringList> &rows,
                             const QList<int> &numberColumns)
{
    QString out;
    // Header labels are quoted like any cell, so a label with a quote in a
    // translation cannot break the file.
    appendCsvLine(out, headers);
    for (const QStringList &row : rows)
        appendCsvLine(out, row, &numberColumns);
    return out;
}

QString ReportService::neutralizedCell(const QString &cell, bool numberColumn)
{
    static const QRegularExpression plainNumber(QStringLiteral("^-?[0-9]+(\\.[0-9]+)?$"));
    if (cell.isEmpty())
        return cell;
    if (numberColumn && plainNumber.match(cell).hasMatch())
        return cell;
    // Payees and memos come from bank files and other people's exports: a
    // spreadsheet must show them, never run them.
    switch (cell.front().unicode()) {
    case '=':
    case '+':
    case '-':
    case '@':
    case '\t':
    case '\r':
        return QLatin1Char('\'') + cell;
    default:
        return cell;
    }
}

std::optional<Currency> ReportService::onlyCurrency(const QString &accountId) const
{
    // Every transaction has its account row (a foreign key), deleted or
    // not, so the accounts with live transactions name every currency
    // the rows can be in.
    QSqlQuery query;
    if (accountId.isEmpty()) {
        query = Sql::prepare(m_database->connection(),
                             QStringLiteral("SELECT DISTINCT %1 FROM accounts a WHERE EXISTS (SELECT 1 FROM "
                                            "transactions t WHERE t.account_id = a.id AND t.deleted_at IS NULL)")
                                 .arg(currencyOfAccount()));
    } else {
        query = Sql::prepare(m_database->connection(),
                             QStringLiteral("SELECT %1 FROM accounts a WHERE a.id = ?").arg(currencyOfAccount()), {accountId});
    }
    if (!Sql::exec(query, "ReportService::currencies"))
        return std::nullopt;
    std::optional<Currency> only;
    while (query.next()) {
        const Currency currency = currencyFromString(query.value(0).toString());
        if (only && *only != currency)
            return std::nullopt;
        only = currency;
    }
    return only.value_or(currencyFromString(QString()));
}

QList<CurrencySection<CategoryTotal>> ReportService::categorySpendingByCurrency(const QDate &from, const QDate &to,
                                                                                const QString &accountId) const
{
    if (const std::optional<Currency> only = onlyCurrency(accountId))
        return oneSection(*only, categorySpending(from, to, accountId));

    const QString statement = QStringLiteral(
        "SELECT %1, COALESCE(c.name, 'Uncategorized'), SUM(t.amount) FROM transactions t%2 "
        "LEFT JOIN categories c ON t.category_id = c.id "
        "WHERE t.deleted_at IS NULL AND t.amount < 0 AND t.date >= ? AND t.date <= ?")
        .arg(currencyOfAccount(), kCurrencyJoin);
    static const QString tail = QStringLiteral(" GROUP BY 1, 2 ORDER BY SUM(t.amount) ASC");

    Sections<CategoryTotal> sections;
    QSqlQuery query;
    if (!run(query, "ReportService::categorySpending", statement, tail, from, to, QString()))
        return {};
    while (query.next())
        sections.add(query.value(0).toString(), {query.value(1).toString(), query.value(2).toLongLong()});
    return sections.take();
}

QList<CurrencySection<PayeeTotal>> ReportService::payeeSummaryByCurrency(const QDate &from, const QDate &to,
                                                                         const QString &accountId) const
{
    if (const std::optional<Currency> only = onlyCurrency(accountId))
        return oneSection(*only, payeeSummary(from, to, accountId));

    const QString statement = QStringLiteral(
        "SELECT %1, t.payee, SUM(t.amount), COUNT(*) FROM transactions t%2 "
        "WHERE t.deleted_at IS NULL AND t.date >= ? AND t.date <= ?")
        .arg(currencyOfAccount(), kCurrencyJoin);
    static const QString tail = QStringLiteral(" GROUP BY 1, t.payee ORDER BY SUM(t.amount) ASC");

    Sections<PayeeTotal> sections;
    QSqlQuery query;
    if (!run(query, "ReportService::payeeSummary", statement, tail, from, to, QString()))
        return {};
    while (query.next()) {
        sections.add(query.value(0).toString(),
                     {query.value(1).toString(), query.value(2).toLongLong(), query.value(3).toInt()});
    }
    return sections.take();
}

QList<CurrencySection<TaxLine>> ReportService::taxReportByCurrency(const QDate &from, const QDate &to) const
{
    if (const std::optional<Currency> only = onlyCurrency(QString()))
        return oneSection(*only, taxReport(from, to));

    const QString statement = QStringLiteral(
        "SELECT %1, c.name, c.tax_category, SUM(t.amount) FROM transactions t%2 "
        "JOIN categories c ON t.category_id = c.id "
        "WHERE t.deleted_at IS NULL AND c.is_tax_relevant = 1 AND t.date >= ? AND t.date <= ? "
        "GROUP BY 1, c.name, c.tax_category ORDER BY c.tax_category, c.name")
        .arg(currencyOfAccount(), kCurrencyJoin);

    Sections<TaxLine> sections;
    QSqlQuery query;
    if (!run(query, "ReportService::taxReport", statement, QString(), from, to, QString()))
        return {};
    while (query.next()) {
        sections.add(query.value(0).toString(),
                     {query.value(1).toString(), query.value(2).toString(), query.value(3).toLongLong()});
    }
    return sections.take();
}

QList<CurrencySection<PeriodTotals>> ReportService::monthlyTotalsByCurrency(const char *operation,
                                                                            const QString &statement,
                                                                            const QDate &from,
                                                                            const QDate &to) const
{
    static const QString tail = QStringLiteral(" GROUP BY 1, month ORDER BY month");
    Sections<PeriodTotals> sections;
    QSqlQuery query;
    if (!run(query, operation, statement, tail, from, to, QString()))
        return {};
    while (query.next()) {
        const qint64 in = query.value(2).toLongLong();
        const qint64 out = query.value(3).toLongLong();
        sections.add(query.value(0).toString(), {query.value(1).toString(), in, out, in + out});
    }
    return sections.take();
}

QList<CurrencySection<PeriodTotals>> ReportService::incomeVsExpensesByCurrency(const QDate &from, const QDate &to,
                                                                               const QString &accountId) const
{
    if (const std::optional<Currency> only = onlyCurrency(accountId))
        return oneSection(*only, incomeVsExpenses(from, to, accountId));

    const QString statement = QStringLiteral(
        "SELECT %1, strftime('%Y-%m', t.date) AS month, "
        "SUM(CASE WHEN t.amount > 0 THEN t.amount ELSE 0 END) AS income, "
        "SUM(CASE WHEN t.amount < 0 THEN t.amount ELSE 0 END) AS expenses "
        "FROM transactions t%2 WHERE t.deleted_at IS NULL "
        "AND (t.transfer_link_id IS NULL OR t.transfer_link_id = '') "
        "AND t.date >= ? AND t.date <= ?")
        .arg(currencyOfAccount(), kCurrencyJoin);
    return monthlyTotalsByCurrency("ReportService::incomeVsExpenses", statement, from, to);
}

QList<CurrencySection<PeriodTotals>> ReportService::cashFlowByCurrency(const QDate &from, const QDate &to,
                                                                       const QString &accountId) const
{
    if (const std::optional<Currency> only = onlyCurrency(accountId))
        return oneSection(*only, cashFlow(from, to, accountId));

    const QString statement = QStringLiteral(
        "SELECT %1, strftime('%Y-%m', t.date) AS month, "
        "SUM(CASE WHEN t.amount > 0 THEN t.amount ELSE 0 END) AS inflows, "
        "SUM(CASE WHEN t.amount < 0 THEN t.amount ELSE 0 END) AS outflows "
        "FROM transactions t%2 WHERE t.deleted_at IS NULL AND t.date >= ? AND t.date <= ?")
        .arg(currencyOfAccount(), kCurrencyJoin);
    return monthlyTotalsByCurrency("ReportService::cashFlow", statement, from, to);
}

QList<CurrencySection<PeriodTotals>> ReportService::yearOverYearByCurrency(const QDate &period1From,
                                                                           const QDate &period1To,
                                                                           const QDate &period2From,
                                                                           const QDate &period2To,
                                                                           const QString &accountId) const
{
    if (const std::optional<Currency> only = onlyCurrency(accountId))
        return oneSection(*only, yearOverYear(period1From, period1To, period2From, period2To, accountId));

    const QString statement = QStringLiteral(
        "SELECT %1, COALESCE(c.name, 'Uncategorized'), SUM(t.amount) FROM transactions t%2 "
        "LEFT JOIN categories c ON t.category_id = c.id "
        "WHERE t.deleted_at IS NULL AND t.date >= ? AND t.date <= ?")
        .arg(currencyOfAccount(), kCurrencyJoin);
    static const QString tail = QStringLiteral(" GROUP BY 1, 2");

    // Per currency, as yearOverYear does it for all: category name to the
    // two periods' totals, in QMap's UTF-16 order.
    std::array<QMap<QString, std::pair<qint64, qint64>>, std::size(kAllCurrencies)> totals;
    const std::pair<QDate, QDate> periods[2] = {{period1From, period1To}, {period2From, period2To}};
    for (int period = 0; period < 2; ++period) {
        QSqlQuery query;
        if (!run(query, "ReportService::yearOverYear", statement, tail, periods[period].first,
                 periods[period].second, QString()))
            return {};
        while (query.next()) {
            auto &byName = totals[static_cast<size_t>(currencyFromString(query.value(0).toString()))];
            std::pair<qint64, qint64> &entry = byName[query.value(1).toString()];
            (period == 0 ? entry.first : entry.second) = query.value(2).toLongLong();
        }
    }

    QList<CurrencySection<PeriodTotals>> sections;
    for (const Currency currency : kAllCurrencies) {
        const auto &byName = totals[static_cast<size_t>(currency)];
        if (byName.isEmpty())
            continue;
        CurrencySection<PeriodTotals> section{currency, {}};
        section.rows.reserve(byName.size());
        for (auto it = byName.cbegin(); it != byName.cend(); ++it)
            section.rows.append({it.key(), it->first, it->second, it->second - it->first});
        sections.append(std::move(section));
    }
    return sections;
}

QList<CurrencySection<AccountSummaryRow>> ReportService::accountSummaryByCurrency() const
{
    const QString statement = QStringLiteral(
        "SELECT a.name, a.account_type, a.starting_balance, "
        "COALESCE(SUM(CASE WHEN t.cleared = 1 THEN t.amount ELSE 0 END), 0) AS cleared_sum, "
        "COALESCE(SUM(CASE WHEN t.cleared = 0 THEN t.amount ELSE 0 END), 0) AS uncleared_sum, "
        "COALESCE(SUM(t.amount), 0) AS total_sum, %1 "
        "FROM accounts a LEFT JOIN transactions t ON t.account_id = a.id AND t.deleted_at IS NULL "
        "WHERE a.deleted_at IS NULL GROUP BY a.id ORDER BY a.sort_order, a.name")
        .arg(currencyOfAccount());

    Sections<AccountSummaryRow> sections;
    QSqlQuery query = Sql::prepare(m_database->connection(), statement);
    if (!Sql::exec(query, "ReportService::accountSummary"))
        return {};
    while (query.next()) {
        const qint64 starting = query.value(2).toLongLong();
        sections.add(query.value(6).toString(),
                     {query.value(0).toString(), query.value(1).toString(), starting + query.value(3).toLongLong(),
                      query.value(4).toLongLong(), starting + query.value(5).toLongLong()});
    }
    return sections.take();
}

QList<CurrencySection<TransactionReportRow>> ReportService::transactionListByCurrency(const QDate &from,
                                                                                      const QDate &to,
                                                                                      const QString &accountId,
                                                                                      const QString &categoryId) const
{
    if (const std::optional<Currency> only = onlyCurrency(accountId))
        return oneSection(*only, transactionList(from, to, accountId, categoryId));

    const QString statement = QStringLiteral(
        "SELECT t.date, a.name, t.payee, COALESCE(c.name, ''), COALESCE(t.memo, ''), t.amount, %1 "
        "FROM transactions t LEFT JOIN accounts a ON t.account_id = a.id "
        "LEFT JOIN categories c ON t.category_id = c.id "
        "WHERE t.deleted_at IS NULL AND t.date >= ? AND t.date <= ?")
        .arg(currencyOfAccount());
    static const QString tail = QStringLiteral(" ORDER BY t.date, t.payee");

    Sections<TransactionReportRow> collected;
    QSqlQuery query;
    if (!run(query, "ReportService::transactionList", statement, tail, from, to, QString(), categoryId))
        return {};
    while (query.next()) {
        collected.add(query.value(6).toString(),
                      {dateFromText(query.value(0).toString()), query.value(1).toString(), query.value(2).toString(),
                       query.value(3).toString(), query.value(4).toString(), query.value(5).toLongLong()});
    }
    return collected.take();
}

QList<CurrencySection<TransactionReportRow>> ReportService::matchingTransactions(const TransactionMatch &match) const
{
    QString sql = QStringLiteral(
        "SELECT t.date, a.name, t.payee, COALESCE(c.name, ''), COALESCE(t.memo, ''), t.amount, %1 "
        "FROM transactions t LEFT JOIN accounts a ON t.account_id = a.id "
        "LEFT JOIN categories c ON t.category_id = c.id "
        "WHERE t.deleted_at IS NULL AND t.date >= ? AND t.date <= ?")
        .arg(currencyOfAccount());
    QVariantList binds{dateToText(match.from), dateToText(match.to)};
    if (!match.accountId.isEmpty()) {
        sql += QStringLiteral(" AND t.account_id = ?");
        binds.append(match.accountId);
    }
    if (match.currency) {
        sql += QStringLiteral(" AND %1 = ?").arg(currencyOfAccount());
        binds.append(currencyToString(*match.currency));
    }
    if (match.categoryName) {
        sql += QStringLiteral(" AND COALESCE(c.name, 'Uncategorized') = ?");
        binds.append(*match.categoryName);
    }
    if (match.payee) {
        sql += QStringLiteral(" AND t.payee = ?");
        binds.append(*match.payee);
    }
    if (match.expensesOnly)
        sql += QStringLiteral(" AND t.amount < 0");
    sql += QStringLiteral(" ORDER BY t.date, t.payee");

    Sections<TransactionReportRow> sections;
    QSqlQuery query = Sql::prepare(m_database->connection(), sql, binds);
    if (!Sql::exec(query, "ReportService::matchingTransactions"))
        return {};
    while (query.next()) {
        sections.add(query.value(6).toString(),
                     {dateFromText(query.value(0).toString()), query.value(1).toString(), query.value(2).toString(),
                      query.value(3).toString(), query.value(4).toString(), query.value(5).toLongLong()});
    }
    return sections.take();
}

std::optional<std::pair<QDate, QDate>> ReportService::storedDateRange() const
{
    // Each end walks the date index from its side and stops at the first
    // live row that holds a date; text that is no date is skipped.
    auto end = [this](const char *order) -> QDate {
        QSqlQuery query = Sql::prepare(
            m_database->connection(),
            QStringLiteral("SELECT date FROM transactions WHERE deleted_at IS NULL "
                           "AND date GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' ORDER BY date %1 LIMIT 1")
                .arg(QLatin1String(order)));
        if (!Sql::exec(query, "ReportService::storedDateRange") || !query.next())
            return QDate();
        return dateFromText(query.value(0).toString());
    };
    const QDate first = end("ASC");
    const QDate last = end("DESC");
    if (!first.isValid() || !last.isValid())
        return std::nullopt;
    return std::make_pair(first, last);
}
