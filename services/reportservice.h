#pragma once

#include <QDate>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantList>

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

    // Every field is enclosed in double quotes with inner quotes doubled, so
    // commas, quotes and line breaks inside a cell survive; lines end in LF.
    static QString toCsv(const QStringList &headers, const QList<QStringList> &rows);

private:
    // Runs statement + optional account/category clauses + tail, bound with
    // the ISO date range first. False (and a warning) when it fails.
    bool run(QSqlQuery &query, const char *operation, const QString &statement, const QString &tail,
             const QDate &from, const QDate &to, const QString &accountId,
             const QString &categoryId = QString()) const;
    QList<PeriodTotals> monthlyTotals(const char *operation, const QString &statement,
                                      const QDate &from, const QDate &to, const QString &accountId) const;

    Database *m_database;
};
