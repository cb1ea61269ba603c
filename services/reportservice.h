#pragma once

#include "data/enums.h"

#include <QDate>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <optional>
#include <utility>

class Database;
class QSqlQuery;

struct CategoryTotal
{
    QString name;
    qint64 total = 0;
};

struct PayeeTotal
{
    QString payee;
    qint64 total = 0;
    int count = 0;
};

struct TaxLine
{
    QString categoryName;
    QString taxCategory;
    qint64 total = 0;
};

// One row of the two monthly reports (label = "yyyy-MM") and of year over
// year (label = category name; first/second = the periods, third = change).
struct PeriodTotals
{
    QString label;
    qint64 first = 0;
    qint64 second = 0;
    qint64 third = 0;
};

struct AccountSummaryRow
{
    QString name;
    QString accountType;
    qint64 cleared = 0;
    qint64 uncleared = 0;
    qint64 balance = 0;
};

struct TransactionReportRow
{
    QDate date;
    QString accountName;
    QString payee;
    QString categoryName;
    QString memo;
    qint64 amount = 0;
};

// One currency's share of a report. Amounts of different currencies are
// never added together, so a report over accounts in several currencies
// comes as one section per currency.
template<typename Row>
struct CurrencySection
{
    Currency currency = Currency::USD;
    QList<Row> rows;
};

// The transactions behind one figure of a report, to list them: a date
// range (both ends inclusive) and the filters that apply. Category names
// match as the reports group them, so "Uncategorized" also takes the rows
// without a category or with one that no longer exists.
struct TransactionMatch
{
    QDate from;
    QDate to;
    QString accountId;                    // empty: every account
    std::optional<Currency> currency;     // only the accounts kept in it
    std::optional<QString> categoryName;
    std::optional<QString> payee;         // exact, case-sensitive, as payees group
    bool expensesOnly = false;            // only amounts below zero, as category spending counts
};

// Computes the reports of the reports screen, each with one grouped query
// over the live transactions, and turns a string table into CSV text.
// It keeps no state and no cache. Split lines are not consulted: a split
// transaction counts once, under its own category. A failing query gives an
// empty list and a warning in the log; the service never shows a message.
class ReportService : public QObject
{
    Q_OBJECT

public:
    explicit ReportService(Database *database, QObject *parent = nullptr);

    QList<CategoryTotal> categorySpending(const QDate &from, const QDate &to, const QString &accountId) const;
    QList<PayeeTotal> payeeSummary(const QDate &from, const QDate &to, const QString &accountId) const;
    QList<TaxLine> taxReport(const QDate &from, const QDate &to) const;
    QList<PeriodTotals> incomeVsExpenses(const QDate &from, const QDate &to, const QString &accountId) const;
    QList<PeriodTotals> cashFlow(const QDate &from, const QDate &to, const QString &accountId) const;
    QList<PeriodTotals> yearOverYear(const QDate &period1From, const QDate &period1To,
                                     const QDate &period2From, const QDate &period2To,
                                     const QString &accountId) const;
    QList<AccountSummaryRow> accountSummary() const;
    QList<TransactionReportRow> transactionList(const QDate &from, const QDate &to,
                                                const QString &accountId, const QString &categoryId) const;

    // The same reports split by the currency of the transactions' accounts,
    // sections in the order of kAllCurrencies, none for a currency without
    // rows. Where every account concerned shares one currency these are the
    // reports above, figure for figure, in one section.
    QList<CurrencySection<CategoryTotal>> categorySpendingByCurrency(const QDate &from, const QDate &to,
                                                                     const QString &accountId) const;
    QList<CurrencySection<PayeeTotal>> payeeSummaryByCurrency(const QDate &from, const QDate &to,
                                                              const QString &accountId) const;
    QList<CurrencySection<TaxLine>> taxReportByCurrency(const QDate &from, const QDate &to) const;
    QList<CurrencySection<PeriodTotals>> incomeVsExpensesByCurrency(const QDate &from, const QDate &to,
                                                                    const QString &accountId) const;
    QList<CurrencySection<PeriodTotals>> cashFlowByCurrency(const QDate &from, const QDate &to,
                                                            const QString &accountId) const;
    QList<CurrencySection<PeriodTotals>> yearOverYearByCurrency(const QDate &period1From, const QDate &period1To,
                                                                const QDate &period2From, const QDate &period2To,
                                                                const QString &accountId) const;
    QList<CurrencySection<AccountSummaryRow>> accountSummaryByCurrency() const;
    QList<CurrencySection<TransactionReportRow>> transactionListByCurrency(const QDate &from, const QDate &to,
                                                                           const QString &accountId,
                                                                           const QString &categoryId) const;
    // The live transactions a report figure stands for, by date then payee.
    QList<CurrencySection<TransactionReportRow>> matchingTransactions(const TransactionMatch &match) const;

    // The first and the last date of the live transactions; empty when
    // there are none (rows whose date is not a date are left out).
    std::optional<std::pair<QDate, QDate>> storedDateRange() const;

    // Every field is enclosed in double quotes with inner quotes doubled, so
    // commas, quotes and line breaks inside a cell survive; lines end in LF.
    // A cell that a spreadsheet would run as a formula (one beginning with
    // =, +, -, @, a tab or a carriage return) gets a leading apostrophe,
    // except in the `numberColumns`, whose cells that are plain decimal
    // numbers ("-1234.56") stay as they are so they still read as numbers.
    static QString toCsv(const QStringList &headers, const QList<QStringList> &rows,
                         const QList<int> &numberColumns = {});
    // The cell as toCsv writes it, before quoting.
    static QString neutralizedCell(const QString &cell, bool numberColumn = false);

private:
    // Runs statement + optional account/category clauses + tail, bound with
    // the ISO date range first. False (and a warning) when it fails.
    bool run(QSqlQuery &query, const char *operation, const QString &statement, const QString &tail,
             const QDate &from, const QDate &to, const QString &accountId,
             const QString &categoryId = QString()) const;
    QList<PeriodTotals> monthlyTotals(const char *operation, const QString &statement,
                                      const QDate &from, const QDate &to, const QString &accountId) const;
    QList<CurrencySection<PeriodTotals>> monthlyTotalsByCurrency(const char *operation, const QString &statement,
                                                                 const QDate &from, const QDate &to) const;
    // The one currency of every account with live transactions (of the
    // account itself when one is given); empty when there are several.
    std::optional<Currency> onlyCurrency(const QString &accountId) const;

    Database *m_database;
};
