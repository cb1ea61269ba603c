#include "common/testdatabase.h"
#include "services/reportservice.h"

#include <QRegularExpression>
#include <QTest>

Q_DECLARE_METATYPE(TransactionMatch)

namespace {

const QString kStamp = QStringLiteral("2024-01-01T00:00:00Z");

QString row(const QStringList &cells)
{
    return cells.join(QLatin1Char('|'));
}

} // namespace

// Fixture: four accounts (one closed), categories with two same-named
// "Fuel" subcategories, a soft-deleted category and a category id that no
// longer exists, a transfer pair, a refund, a soft-deleted transaction and a
// year of history before the report year.
class tst_ReportService : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void reports_data();
    void reports();
    void transferInCashFlowButNotIncome();
    void failingQueryGivesEmptyListAndWarning_data();
    void failingQueryGivesEmptyListAndWarning();
    void toCsv_data();
    void toCsv();
    void toCsvNeutralizesFormulas_data();
    void toCsvNeutralizesFormulas();
    void oneCurrencyGivesTheSameFiguresInOneSection_data();
    void oneCurrencyGivesTheSameFiguresInOneSection();
    void sectionsPerCurrency_data();
    void sectionsPerCurrency();
    void matchingTransactions_data();
    void matchingTransactions();
    void storedDateRange();

private:
    // Each row as "currency|cells..." in section order.
    QStringList runReportByCurrency(const QString &report, const QDate &from, const QDate &to,
                                    const QString &accountId, const QString &categoryId) const;
    // A euro account with a salary and groceries (one of them under a payee
    // the dollar accounts share), and an account whose currency text is not
    // one the program knows, which counts in dollars.
    void addSecondCurrency();
    QStringList runReport(const QString &report, const QDate &from, const QDate &to,
                          const QString &accountId, const QString &categoryId) const;
    void addAccount(const QString &id, const QString &name, const QString &type, qint64 starting, int sortOrder,
                    bool deleted = false);
    void addCategory(const QString &id, const QString &name, const QString &parent, bool taxRelevant = false,
                     const QString &taxCategory = QString(), bool deleted = false);
    void addTransaction(const QString &id, const QString &account, const QString &date, const QString &payee,
                        const QString &memo, qint64 amount, const QString &category, bool cleared = false,
                        const QString &link = QString(), bool deleted = false);

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<ReportService> m_service;
};

void tst_ReportService::addAccount(const QString &id, const QString &name, const QString &type, qint64 starting,
                                   int sortOrder, bool deleted)
{
    QVERIFY(m_db->exec(QStringLiteral("INSERT INTO accounts (id, name, account_type, starting_balance, sort_order, "
                                      "created_at, updated_at, deleted_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                       {id, name, type, starting, sortOrder, kStamp, kStamp, deleted ? QVariant(kStamp) : QVariant()}));
}

void tst_ReportService::addCategory(const QString &id, const QString &name, const QString &parent, bool taxRelevant,
                                    const QString &taxCategory, bool deleted)
{
    QVERIFY(m_db->exec(QStringLiteral("INSERT INTO categories (id, name, parent_id, is_tax_relevant, tax_category, "
                                      "created_at, updated_at, deleted_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                       {id, name, parent.isEmpty() ? QVariant() : parent, taxRelevant ? 1 : 0,
                        taxCategory.isEmpty() ? QVariant() : taxCategory, kStamp, kStamp,
                        deleted ? QVariant(kStamp) : QVariant()}));
}

void tst_ReportService::addTransaction(const QString &id, const QString &account, const QString &date,
                                       const QString &payee, const QString &memo, qint64 amount,
                                       const QString &category, bool cleared, const QString &link, bool deleted)
{
    QVERIFY(m_db->exec(QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, memo, amount, "
                                      "category_id, cleared, transfer_link_id, created_at, updated_at, deleted_at) "
                                      "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                       {id, account, date, payee, memo.isEmpty() ? QVariant() : memo, amount,
                        category.isEmpty() ? QVariant() : category, cleared ? 1 : 0,
                        link.isEmpty() ? QVariant() : link, kStamp, kStamp, deleted ? QVariant(kStamp) : QVariant()}));
}

void tst_ReportService::init()
{
    m_db = std::make_unique<TestDatabase>();
    m_service = std::make_unique<ReportService>(m_db->database());

    addAccount("acc-a", "Checking", "checking", 10000, 0);
    addAccount("acc-b", "Savings", "savings", 50000, 1);
    addAccount("acc-c", "Closed", "cash", 700, 2, true);
    addAccount("acc-d", "Wallet", "cash", 2500, 1);

    addCategory("cat-groc", "Groceries", {});
    addCategory("cat-sal", "Salary", {}, true, "W-2");
    addCategory("cat-med", "Medical", {}, true, "Schedule A");
    addCategory("cat-char", "Charity", {}, true, "Schedule A");
    addCategory("cat-hob", "Hobbies", {}, false, {}, true);
    addCategory("cat-car", "Car", {});
    addCategory("cat-fuel1", "Fuel", "cat-car");
    addCategory("cat-boat", "Boat", {});
    addCategory("cat-fuel2", "Fuel", "cat-boat");
    addCategory("cat-apple", "apple", {});

    addTransaction("t01", "acc-a", "2024-01-05", "Grocer", {}, -5000, "cat-groc", true);
    addTransaction("t02", "acc-a", "2024-01-10", "Employer", "January", 300000, "cat-sal", true);
    addTransaction("t03", "acc-a", "2024-01-15", "Grocer", "refund", 1500, "cat-groc");
    addTransaction("t04", "acc-a", "2024-01-20", "Transfer to Savings", {}, -20000, {}, true, "link-1");
    addTransaction("t05", "acc-b", "2024-01-20", "Transfer from Checking", {}, 20000, {}, false, "link-1");
    addTransaction("t06", "acc-a", "2024-01-25", "Clinic", {}, -8500, "cat-med");
    addTransaction("t08", "acc-a", "2024-02-03", "Craft store", {}, -1200, "cat-hob");
    addTransaction("t09", "acc-b", "2024-02-10", "Grocer", {}, -3000, "cat-groc", true);
    addTransaction("t10", "acc-a", "2024-02-12", "Deleted", {}, -99999, "cat-groc", true, {}, true);
    addTransaction("t11", "acc-a", "2024-02-14", "Gas station", {}, -4000, "cat-fuel1");
    addTransaction("t12", "acc-b", "2024-02-15", "Marina", {}, -6000, "cat-fuel2");
    addTransaction("t13", "acc-b", "2024-03-01", "corner shop", {}, -100, {});
    addTransaction("t14", "acc-b", "2024-03-02", "Corner shop", {}, -200, {});
    addTransaction("t15", "acc-a", "2024-03-05", "Donation", {}, -2500, "cat-char");
    addTransaction("t16", "acc-a", "2023-01-10", "Grocer", {}, -4000, "cat-groc");
    addTransaction("t17", "acc-a", "2023-01-12", "Employer", {}, 250000, "cat-sal");
    addTransaction("t18", "acc-a", "2023-02-01", "Misc", {}, -500, {});
    addTransaction("t19", "acc-a", "2023-02-03", "Craft store", {}, -300, "cat-hob");
    addTransaction("t20", "acc-a", "2023-03-01", "Orchard", {}, -50, "cat-apple");
    // A category reference that matches no row, as left by an old sync.
    QVERIFY(m_db->exec("PRAGMA foreign_keys = OFF"));
    addTransaction("t07", "acc-a", "2024-01-28", "Orphan", {}, -700, "cat-gone");
    QVERIFY(m_db->exec("PRAGMA foreign_keys = ON"));
}

void tst_ReportService::cleanup()
{
    m_service.reset();
    m_db.reset();
}

QStringList tst_ReportService::runReport(const QString &report, const QDate &from, const QDate &to,
                                         const QString &accountId, const QString &categoryId) const
{
    QStringList out;
    auto number = [](qint64 value) { return QString::number(value); };
    if (report == QLatin1String("categorySpending")) {
        for (const CategoryTotal &r : m_service->categorySpending(from, to, accountId))
            out << row({r.name, number(r.total)});
    } else if (report == QLatin1String("payeeSummary")) {
        for (const PayeeTotal &r : m_service->payeeSummary(from, to, accountId))
            out << row({r.payee, number(r.total), number(r.count)});
    } else if (report == QLatin1String("taxReport")) {
        for (const TaxLine &r : m_service->taxReport(from, to))
            out << row({r.categoryName, r.taxCategory, number(r.total)});
    } else if (report == QLatin1String("incomeVsExpenses") || report == QLatin1String("cashFlow")
               || report == QLatin1String("yearOverYear")) {
        const QList<PeriodTotals> rows = report == QLatin1String("cashFlow")
            ? m_service->cashFlow(from, to, accountId)
            : report == QLatin1String("incomeVsExpenses")
                ? m_service->incomeVsExpenses(from, to, accountId)
                // Year over year compares the year before `from` with from..to.
                : m_service->yearOverYear(from.addYears(-1), to.addYears(-1), from, to, accountId);
        for (const PeriodTotals &r : rows)
            out << row({r.label, number(r.first), number(r.second), number(r.third)});
    } else if (report == QLatin1String("accountSummary")) {
        for (const AccountSummaryRow &r : m_service->accountSummary())
            out << row({r.name, r.accountType, number(r.cleared), number(r.uncleared), number(r.balance)});
    } else if (report == QLatin1String("transactionList")) {
        for (const TransactionReportRow &r : m_service->transactionList(from, to, accountId, categoryId))
            out << row({r.date.toString(Qt::ISODate), r.accountName, r.payee, r.categoryName, r.memo,
                        number(r.amount)});
    } else {
        qFatal("unknown report %s", qPrintable(report));
    }
    return out;
}

QStringList tst_ReportService::runReportByCurrency(const QString &report, const QDate &from, const QDate &to,
                                                  const QString &accountId, const QString &categoryId) const
{
    QStringList out;
    auto number = [](qint64 value) { return QString::number(value); };
    auto periodRows = [&](const QList<CurrencySection<PeriodTotals>> &sections) {
        for (const auto &section : sections) {
            for (const PeriodTotals &r : section.rows)
                out << row({currencyToString(section.currency), r.label, number(r.first), number(r.second),
                            number(r.third)});
        }
    };
    if (report == QLatin1String("categorySpending")) {
        for (const auto &section : m_service->categorySpendingByCurrency(from, to, accountId))
            for (const CategoryTotal &r : section.rows)
                out << row({currencyToString(section.currency), r.name, number(r.total)});
    } else if (report == QLatin1String("payeeSummary")) {
        for (const auto &section : m_service->payeeSummaryByCurrency(from, to, accountId))
            for (const PayeeTotal &r : section.rows)
                out << row({currencyToString(section.currency), r.payee, number(r.total), number(r.count)});
    } else if (report == QLatin1String("taxReport")) {
        for (const auto &section : m_service->taxReportByCurrency(from, to))
            for (const TaxLine &r : section.rows)
                out << row({currencyToString(section.currency), r.categoryName, r.taxCategory, number(r.total)});
    } else if (report == QLatin1String("incomeVsExpenses")) {
        periodRows(m_service->incomeVsExpensesByCurrency(from, to, accountId));
    } else if (report == QLatin1String("cashFlow")) {
        periodRows(m_service->cashFlowByCurrency(from, to, accountId));
    } else if (report == QLatin1String("yearOverYear")) {
        periodRows(m_service->yearOverYearByCurrency(from.addYears(-1), to.addYears(-1), from, to, accountId));
    } else if (report == QLatin1String("accountSummary")) {
        for (const auto &section : m_service->accountSummaryByCurrency())
            for (const AccountSummaryRow &r : section.rows)
                out << row({currencyToString(section.currency), r.name, r.accountType, number(r.cleared),
                            number(r.uncleared), number(r.balance)});
    } else if (report == QLatin1String("transactionList")) {
        for (const auto &section : m_service->transactionListByCurrency(from, to, accountId, categoryId))
            for (const TransactionReportRow &r : section.rows)
                out << row({currencyToString(section.currency), r.date.toString(Qt::ISODate), r.accountName,
                            r.payee, r.categoryName, r.memo, number(r.amount)});
    } else {
        qFatal("unknown report %s", qPrintable(report));
    }
    return out;
}

void tst_ReportService::addSecondCurrency()
{
    addAccount("acc-e", "Euro", "checking", 1000, 3);
    addAccount("acc-x", "Odd", "checking", 0, 4);
    QVERIFY(m_db->exec("UPDATE accounts SET currency = 'EUR' WHERE id = 'acc-e'"));
    QVERIFY(m_db->exec("UPDATE accounts SET currency = 'XYZ' WHERE id = 'acc-x'"));
    addTransaction("t30", "acc-e", "2024-01-07", "Boulangerie", {}, -1500, "cat-groc");
    addTransaction("t31", "acc-e", "2024-01-31", "Employer", {}, 200000, "cat-sal");
    addTransaction("t32", "acc-e", "2024-02-10", "Grocer", {}, -2500, "cat-groc");
    addTransaction("t33", "acc-e", "2024-02-11", "Deleted", {}, -7777, "cat-groc", false, {}, true);
    addTransaction("t34", "acc-x", "2024-03-03", "Grocer", {}, -100, "cat-groc");
}

void tst_ReportService::reports_data()
{
    QTest::addColumn<QString>("report");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QString>("accountId");
    QTest::addColumn<QString>("categoryId");
    QTest::addColumn<QStringList>("expected");

    const QDate y2024From(2024, 1, 1);
    const QDate y2024To(2024, 12, 31);
    const QDate y2023From(2023, 1, 1);
    const QDate y2023To(2023, 12, 31);

    // Refund t03 does not reduce Groceries; both "Fuel" categories form one
    // row; the transfer, the orphaned reference and uncategorised rows are
    // "Uncategorized"; the deleted category keeps its name; t10 is deleted.
    QTest::newRow("categorySpending/allAccounts")
        << "categorySpending" << y2024From << y2024To << QString() << QString()
        << QStringList{"Uncategorized|-21000", "Fuel|-10000", "Medical|-8500", "Groceries|-8000",
                       "Charity|-2500", "Hobbies|-1200"};
    QTest::newRow("categorySpending/oneAccount")
        << "categorySpending" << y2024From << y2024To << "acc-b" << QString()
        << QStringList{"Fuel|-6000", "Groceries|-3000", "Uncategorized|-300"};
    QTest::newRow("categorySpending/inclusiveEnds")
        << "categorySpending" << QDate(2024, 1, 20) << QDate(2024, 1, 25) << QString() << QString()
        << QStringList{"Uncategorized|-20000", "Medical|-8500"};
    QTest::newRow("categorySpending/emptyRange")
        << "categorySpending" << QDate(2025, 1, 1) << QDate(2025, 12, 31) << QString() << QString()
        << QStringList{};

    QTest::newRow("payeeSummary/january")
        << "payeeSummary" << QDate(2024, 1, 1) << QDate(2024, 1, 31) << QString() << QString()
        << QStringList{"Transfer to Savings|-20000|1", "Clinic|-8500|1", "Grocer|-3500|2", "Orphan|-700|1",
                       "Transfer from Checking|20000|1", "Employer|300000|1"};
    QTest::newRow("payeeSummary/caseSensitivePayees")
        << "payeeSummary" << y2024From << y2024To << "acc-b" << QString()
        << QStringList{"Marina|-6000|1", "Grocer|-3000|1", "Corner shop|-200|1", "corner shop|-100|1",
                       "Transfer from Checking|20000|1"};

    // The orphaned reference is missing (inner join); the order is by tax
    // category, then name.
    QTest::newRow("taxReport/2024")
        << "taxReport" << y2024From << y2024To << QString() << QString()
        << QStringList{"Charity|Schedule A|-2500", "Medical|Schedule A|-8500", "Salary|W-2|300000"};
    QTest::newRow("taxReport/2023")
        << "taxReport" << y2023From << y2023To << QString() << QString() << QStringList{"Salary|W-2|250000"};

    QTest::newRow("incomeVsExpenses/allAccounts")
        << "incomeVsExpenses" << y2024From << y2024To << QString() << QString()
        << QStringList{"2024-01|301500|-14200|287300", "2024-02|0|-14200|-14200", "2024-03|0|-2800|-2800"};
    // January holds only the transfer for Savings, so it has no row.
    QTest::newRow("incomeVsExpenses/oneAccount")
        << "incomeVsExpenses" << y2024From << y2024To << "acc-b" << QString()
        << QStringList{"2024-02|0|-9000|-9000", "2024-03|0|-300|-300"};
    QTest::newRow("cashFlow/allAccounts")
        << "cashFlow" << y2024From << y2024To << QString() << QString()
        << QStringList{"2024-01|321500|-34200|287300", "2024-02|0|-14200|-14200", "2024-03|0|-2800|-2800"};
    QTest::newRow("cashFlow/oneAccount")
        << "cashFlow" << y2024From << y2024To << "acc-b" << QString()
        << QStringList{"2024-01|20000|0|20000", "2024-02|0|-9000|-9000", "2024-03|0|-300|-300"};

    // Net per category: the refund reduces Groceries; "apple" exists only in
    // the first period and sorts after the capitals.
    QTest::newRow("yearOverYear/allAccounts")
        << "yearOverYear" << y2024From << y2024To << QString() << QString()
        << QStringList{"Charity|0|-2500|-2500", "Fuel|0|-10000|-10000", "Groceries|-4000|-6500|-2500",
                       "Hobbies|-300|-1200|-900", "Medical|0|-8500|-8500", "Salary|250000|300000|50000",
                       "Uncategorized|-500|-1000|-500", "apple|-50|0|50"};
    QTest::newRow("yearOverYear/oneAccount")
        << "yearOverYear" << y2024From << y2024To << "acc-b" << QString()
        << QStringList{"Fuel|0|-6000|-6000", "Groceries|0|-3000|-3000", "Uncategorized|0|19700|19700"};

    // The closed account is left out; Wallet has no transactions.
    QTest::newRow("accountSummary")
        << "accountSummary" << QDate() << QDate() << QString() << QString()
        << QStringList{"Checking|checking|285000|229750|514750", "Savings|savings|47000|13700|60700",
                       "Wallet|cash|2500|0|2500"};

    QTest::newRow("transactionList/february")
        << "transactionList" << QDate(2024, 2, 1) << QDate(2024, 2, 29) << QString() << QString()
        << QStringList{"2024-02-03|Checking|Craft store|Hobbies||-1200",
                       "2024-02-10|Savings|Grocer|Groceries||-3000",
                       "2024-02-14|Checking|Gas station|Fuel||-4000", "2024-02-15|Savings|Marina|Fuel||-6000"};
    QTest::newRow("transactionList/accountAndCategory")
        << "transactionList" << QDate(2024, 1, 1) << QDate(2024, 1, 31) << "acc-a" << "cat-groc"
        << QStringList{"2024-01-05|Checking|Grocer|Groceries||-5000",
                       "2024-01-15|Checking|Grocer|Groceries|refund|1500"};
    QTest::newRow("transactionList/categoryOnly")
        << "transactionList" << y2024From << y2024To << QString() << "cat-fuel2"
        << QStringList{"2024-02-15|Savings|Marina|Fuel||-6000"};
    QTest::newRow("transactionList/sameDayByPayeeAndMissingCategory")
        << "transactionList" << QDate(2024, 1, 20) << QDate(2024, 1, 28) << QString() << QString()
        << QStringList{"2024-01-20|Savings|Transfer from Checking|||20000",
                       "2024-01-20|Checking|Transfer to Savings|||-20000",
                       "2024-01-25|Checking|Clinic|Medical||-8500", "2024-01-28|Checking|Orphan|||-700"};
}

void tst_ReportService::reports()
{
    QFETCH(QString, report);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(QString, accountId);
    QFETCH(QString, categoryId);
    QFETCH(QStringList, expected);

    QCOMPARE(runReport(report, from, to, accountId, categoryId), expected);
}

void tst_ReportService::transferInCashFlowButNotIncome()
{
    const QDate from(2024, 1, 20);
    const QDate to(2024, 1, 20);
    // Both sides of the transfer, netting to zero, and nothing else that day.
    const QList<PeriodTotals> flow = m_service->cashFlow(from, to, QString());
    QCOMPARE(flow.size(), 1);
    QCOMPARE(flow.first().first, 20000);
    QCOMPARE(flow.first().second, -20000);
    QCOMPARE(flow.first().third, 0);
    QVERIFY(m_service->incomeVsExpenses(from, to, QString()).isEmpty());

    // An empty link text is not a transfer.
    QVERIFY(m_db->exec("UPDATE transactions SET transfer_link_id = '' WHERE id = 't05'"));
    const QList<PeriodTotals> income = m_service->incomeVsExpenses(from, to, QString());
    QCOMPARE(income.size(), 1);
    QCOMPARE(income.first().first, 20000);
}

void tst_ReportService::failingQueryGivesEmptyListAndWarning_data()
{
    QTest::addColumn<QString>("report");
    QTest::addColumn<QString>("dropTable");

    for (const char *report : {"categorySpending", "payeeSummary", "taxReport", "incomeVsExpenses", "cashFlow",
                               "yearOverYear", "accountSummary", "transactionList"})
        QTest::newRow(report) << QString::fromLatin1(report) << "transactions";
    QTest::newRow("transactionList/noAccountsTable") << "transactionList" << "accounts";
}

void tst_ReportService::failingQueryGivesEmptyListAndWarning()
{
    QFETCH(QString, report);
    QFETCH(QString, dropTable);

    QVERIFY(m_db->exec("PRAGMA foreign_keys = OFF"));
    QVERIFY(m_db->exec("DROP TABLE " + dropTable));
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression("^ReportService::" + report + " failed:"));
    QCOMPARE(runReport(report, QDate(2000, 1, 1), QDate(2099, 12, 31), QString(), QString()), QStringList());
}

void tst_ReportService::toCsv_data()
{
    QTest::addColumn<QStringList>("headers");
    QTest::addColumn<QList<QStringList>>("rows");
    QTest::addColumn<QString>("expected");

    const QStringList headers{"Date", "Payee"};
    QTest::newRow("plain") << headers << QList<QStringList>{{"2024-01-05", "Grocer"}}
                           << "\"Date\",\"Payee\"\n\"2024-01-05\",\"Grocer\"\n";
    QTest::newRow("noRows") << headers << QList<QStringList>{} << "\"Date\",\"Payee\"\n";
    QTest::newRow("comma") << headers << QList<QStringList>{{"a,b", "c"}} << "\"Date\",\"Payee\"\n\"a,b\",\"c\"\n";
    QTest::newRow("quotes") << headers << QList<QStringList>{{"say \"hi\"", "\""}}
                            << "\"Date\",\"Payee\"\n\"say \"\"hi\"\"\",\"\"\"\"\n";
    QTest::newRow("lineBreaks") << headers << QList<QStringList>{{"one\ntwo", "three\r\nfour"}}
                                << "\"Date\",\"Payee\"\n\"one\ntwo\",\"three\r\nfour\"\n";
    QTest::newRow("emptyCells") << headers << QList<QStringList>{{"", ""}, {"x", ""}}
                                << "\"Date\",\"Payee\"\n\"\",\"\"\n\"x\",\"\"\n";
    QTest::newRow("quoteInHeader") << QStringList{"Payee \"name\""} << QList<QStringList>{{"a"}}
                                   << "\"Payee \"\"name\"\"\"\n\"a\"\n";
    QTest::newRow("unicode") << QStringList{"Zahlungsempfänger"} << QList<QStringList>{{"Café 東京"}}
                             << QString::fromUtf8("\"Zahlungsempfänger\"\n\"Café 東京\"\n");
}

void tst_ReportService::toCsv()
{
    QFETCH(QStringList, headers);
    QFETCH(QList<QStringList>, rows);
    QFETCH(QString, expected);

    QCOMPARE(ReportService::toCsv(headers, rows), expected);
}

void tst_ReportService::toCsvNeutralizesFormulas_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<bool>("numberColumn");
    QTest::addColumn<QString>("written");

    QTest::newRow("equals") << "=SUM(A1:A9)" << false << "\"'=SUM(A1:A9)\"";
    QTest::newRow("plus") << "+1 555 0100" << false << "\"'+1 555 0100\"";
    QTest::newRow("minus") << "-2+3" << false << "\"'-2+3\"";
    QTest::newRow("at") << "@SUM(1)" << false << "\"'@SUM(1)\"";
    QTest::newRow("tab") << "\tcmd" << false << "\"'\tcmd\"";
    QTest::newRow("carriageReturn") << "\rcmd" << false << "\"'\rcmd\"";
    QTest::newRow("quotedFormula") << "=HYPERLINK(\"http://x\")" << false
                                   << "\"'=HYPERLINK(\"\"http://x\"\")\"";
    QTest::newRow("signInside") << "AT&T -1" << false << "\"AT&T -1\"";
    QTest::newRow("leadingBlank") << " =1" << false << "\" =1\"";
    QTest::newRow("empty") << "" << false << "\"\"";
    QTest::newRow("negativeTextAmount") << "-$1,234.56" << false << "\"'-$1,234.56\"";
    QTest::newRow("amountNegative") << "-1234.56" << true << "\"-1234.56\"";
    QTest::newRow("amountWhole") << "-1234" << true << "\"-1234\"";
    QTest::newRow("amountPositive") << "99.50" << true << "\"99.50\"";
    QTest::newRow("amountColumnFormula") << "-1+1" << true << "\"'-1+1\"";
    QTest::newRow("amountColumnText") << "=1" << true << "\"'=1\"";
    QTest::newRow("totalLabelInNumberColumn") << "Total" << true << "\"Total\"";
}

void tst_ReportService::toCsvNeutralizesFormulas()
{
    QFETCH(QString, cell);
    QFETCH(bool, numberColumn);
    QFETCH(QString, written);

    // The cell sits in the second column; the first column stays plain.
    const QList<int> numberColumns = numberColumn ? QList<int>{1} : QList<int>{};
    const QString csv = ReportService::toCsv({"Payee", "Amount"}, {{"Shop", cell}}, numberColumns);
    QCOMPARE(csv, "\"Payee\",\"Amount\"\n\"Shop\"," + written + "\n");
}

void tst_ReportService::oneCurrencyGivesTheSameFiguresInOneSection_data()
{
    reports_data();
}

void tst_ReportService::oneCurrencyGivesTheSameFiguresInOneSection()
{
    QFETCH(QString, report);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(QString, accountId);
    QFETCH(QString, categoryId);
    QFETCH(QStringList, expected);

    QStringList inDollars;
    for (const QString &line : std::as_const(expected))
        inDollars << "USD|" + line;
    QCOMPARE(runReportByCurrency(report, from, to, accountId, categoryId), inDollars);

    // The same when every account is kept in euros: one section, in euros.
    QVERIFY(m_db->exec("UPDATE accounts SET currency = 'EUR'"));
    QStringList inEuros;
    for (const QString &line : std::as_const(expected))
        inEuros << "EUR|" + line;
    QCOMPARE(runReportByCurrency(report, from, to, accountId, categoryId), inEuros);
}

void tst_ReportService::sectionsPerCurrency_data()
{
    QTest::addColumn<QString>("report");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QString>("accountId");
    QTest::addColumn<QStringList>("expected");

    const QDate y2024From(2024, 1, 1);
    const QDate y2024To(2024, 12, 31);

    // The unknown currency text counts in dollars (t34 joins Groceries);
    // the euro groceries stay apart.
    QTest::newRow("categorySpending")
        << "categorySpending" << y2024From << y2024To << QString()
        << QStringList{"USD|Uncategorized|-21000", "USD|Fuel|-10000", "USD|Medical|-8500", "USD|Groceries|-8100",
                       "USD|Charity|-2500", "USD|Hobbies|-1200", "EUR|Groceries|-4000"};
    QTest::newRow("categorySpending/euroAccountOnly")
        << "categorySpending" << y2024From << y2024To << "acc-e" << QStringList{"EUR|Groceries|-4000"};
    QTest::newRow("categorySpending/oddCurrencyAccountOnly")
        << "categorySpending" << y2024From << y2024To << "acc-x" << QStringList{"USD|Groceries|-100"};
    // "Employer" and "Grocer" pay in both currencies: one row in each.
    QTest::newRow("payeeSummary/january")
        << "payeeSummary" << QDate(2024, 1, 1) << QDate(2024, 1, 31) << QString()
        << QStringList{"USD|Transfer to Savings|-20000|1", "USD|Clinic|-8500|1", "USD|Grocer|-3500|2",
                       "USD|Orphan|-700|1", "USD|Transfer from Checking|20000|1", "USD|Employer|300000|1",
                       "EUR|Boulangerie|-1500|1", "EUR|Employer|200000|1"};
    QTest::newRow("payeeSummary/february")
        << "payeeSummary" << QDate(2024, 2, 1) << QDate(2024, 2, 29) << QString()
        << QStringList{"USD|Marina|-6000|1", "USD|Gas station|-4000|1", "USD|Grocer|-3000|1",
                       "USD|Craft store|-1200|1", "EUR|Grocer|-2500|1"};
    QTest::newRow("taxReport")
        << "taxReport" << y2024From << y2024To << QString()
        << QStringList{"USD|Charity|Schedule A|-2500", "USD|Medical|Schedule A|-8500", "USD|Salary|W-2|300000",
                       "EUR|Salary|W-2|200000"};
    QTest::newRow("incomeVsExpenses")
        << "incomeVsExpenses" << y2024From << y2024To << QString()
        << QStringList{"USD|2024-01|301500|-14200|287300", "USD|2024-02|0|-14200|-14200",
                       "USD|2024-03|0|-2900|-2900", "EUR|2024-01|200000|-1500|198500", "EUR|2024-02|0|-2500|-2500"};
    QTest::newRow("cashFlow")
        << "cashFlow" << y2024From << y2024To << QString()
        << QStringList{"USD|2024-01|321500|-34200|287300", "USD|2024-02|0|-14200|-14200",
                       "USD|2024-03|0|-2900|-2900", "EUR|2024-01|200000|-1500|198500", "EUR|2024-02|0|-2500|-2500"};
    QTest::newRow("yearOverYear")
        << "yearOverYear" << y2024From << y2024To << QString()
        << QStringList{"USD|Charity|0|-2500|-2500", "USD|Fuel|0|-10000|-10000", "USD|Groceries|-4000|-6600|-2600",
                       "USD|Hobbies|-300|-1200|-900", "USD|Medical|0|-8500|-8500",
                       "USD|Salary|250000|300000|50000", "USD|Uncategorized|-500|-1000|-500", "USD|apple|-50|0|50",
                       "EUR|Groceries|0|-4000|-4000", "EUR|Salary|0|200000|200000"};
    QTest::newRow("accountSummary")
        << "accountSummary" << QDate() << QDate() << QString()
        << QStringList{"USD|Checking|checking|285000|229750|514750", "USD|Savings|savings|47000|13700|60700",
                       "USD|Wallet|cash|2500|0|2500", "USD|Odd|checking|0|-100|-100",
                       "EUR|Euro|checking|1000|196000|197000"};
    QTest::newRow("transactionList")
        << "transactionList" << QDate(2024, 2, 1) << QDate(2024, 2, 29) << QString()
        << QStringList{"USD|2024-02-03|Checking|Craft store|Hobbies||-1200",
                       "USD|2024-02-10|Savings|Grocer|Groceries||-3000",
                       "USD|2024-02-14|Checking|Gas station|Fuel||-4000",
                       "USD|2024-02-15|Savings|Marina|Fuel||-6000", "EUR|2024-02-10|Euro|Grocer|Groceries||-2500"};
}

void tst_ReportService::sectionsPerCurrency()
{
    QFETCH(QString, report);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(QString, accountId);
    QFETCH(QStringList, expected);

    addSecondCurrency();
    QCOMPARE(runReportByCurrency(report, from, to, accountId, QString()), expected);
}

void tst_ReportService::matchingTransactions_data()
{
    QTest::addColumn<TransactionMatch>("match");
    QTest::addColumn<QStringList>("expected");

    TransactionMatch year;
    year.from = QDate(2024, 1, 1);
    year.to = QDate(2024, 12, 31);

    // The rows behind "Groceries" in the dollar section of category
    // spending: no refund, nothing deleted, nothing in euros.
    TransactionMatch groceries = year;
    groceries.currency = Currency::USD;
    groceries.categoryName = "Groceries";
    groceries.expensesOnly = true;
    QTest::newRow("categoryExpensesInDollars")
        << groceries
        << QStringList{"USD|2024-01-05|Checking|Grocer|Groceries||-5000",
                       "USD|2024-02-10|Savings|Grocer|Groceries||-3000",
                       "USD|2024-03-03|Odd|Grocer|Groceries||-100"};
    TransactionMatch withRefund = groceries;
    withRefund.expensesOnly = false;
    withRefund.to = QDate(2024, 1, 31);
    QTest::newRow("categoryWithRefund")
        << withRefund
        << QStringList{"USD|2024-01-05|Checking|Grocer|Groceries||-5000",
                       "USD|2024-01-15|Checking|Grocer|Groceries|refund|1500"};
    TransactionMatch uncategorized = year;
    uncategorized.currency = Currency::USD;
    uncategorized.categoryName = "Uncategorized";
    uncategorized.expensesOnly = true;
    QTest::newRow("uncategorizedTakesMissingAndOrphaned")
        << uncategorized
        << QStringList{"USD|2024-01-20|Checking|Transfer to Savings|||-20000",
                       "USD|2024-01-28|Checking|Orphan|||-700", "USD|2024-03-01|Savings|corner shop|||-100",
                       "USD|2024-03-02|Savings|Corner shop|||-200"};
    TransactionMatch fuel = year;
    fuel.categoryName = "Fuel";
    QTest::newRow("sameNamedCategoriesTogether")
        << fuel
        << QStringList{"USD|2024-02-14|Checking|Gas station|Fuel||-4000",
                       "USD|2024-02-15|Savings|Marina|Fuel||-6000"};
    TransactionMatch euroGrocer = year;
    euroGrocer.currency = Currency::EUR;
    euroGrocer.payee = "Grocer";
    QTest::newRow("payeeInEuros") << euroGrocer << QStringList{"EUR|2024-02-10|Euro|Grocer|Groceries||-2500"};
    TransactionMatch grocerEverywhere = year;
    grocerEverywhere.payee = "Grocer";
    grocerEverywhere.to = QDate(2024, 2, 29);
    QTest::newRow("payeeInEveryCurrency")
        << grocerEverywhere
        << QStringList{"USD|2024-01-05|Checking|Grocer|Groceries||-5000",
                       "USD|2024-01-15|Checking|Grocer|Groceries|refund|1500",
                       "USD|2024-02-10|Savings|Grocer|Groceries||-3000",
                       "EUR|2024-02-10|Euro|Grocer|Groceries||-2500"};
    TransactionMatch payeeCase = year;
    payeeCase.payee = "corner shop";
    QTest::newRow("payeeIsCaseSensitive")
        << payeeCase << QStringList{"USD|2024-03-01|Savings|corner shop|||-100"};
    TransactionMatch oneAccount = year;
    oneAccount.accountId = "acc-b";
    oneAccount.categoryName = "Groceries";
    QTest::newRow("oneAccount") << oneAccount << QStringList{"USD|2024-02-10|Savings|Grocer|Groceries||-3000"};
    TransactionMatch nothing = year;
    nothing.payee = "=cmd|' /C calc'!A0";
    QTest::newRow("hostilePayeeMatchesNothing") << nothing << QStringList{};
}

void tst_ReportService::matchingTransactions()
{
    QFETCH(TransactionMatch, match);
    QFETCH(QStringList, expected);

    addSecondCurrency();
    QStringList out;
    for (const auto &section : m_service->matchingTransactions(match)) {
        for (const TransactionReportRow &r : section.rows)
            out << row({currencyToString(section.currency), r.date.toString(Qt::ISODate), r.accountName, r.payee,
                        r.categoryName, r.memo, QString::number(r.amount)});
    }
    QCOMPARE(out, expected);
}

void tst_ReportService::storedDateRange()
{
    using Range = std::pair<QDate, QDate>;
    QCOMPARE(m_service->storedDateRange(), std::optional<Range>(Range(QDate(2023, 1, 10), QDate(2024, 3, 5))));

    // Deleted rows and texts that are no dates do not stretch the range.
    addTransaction("t40", "acc-a", "1999-12-31", "Old", {}, -1, {}, false, {}, true);
    addTransaction("t41", "acc-a", "garbage", "Broken", {}, -1, {});
    addTransaction("t42", "acc-a", "", "Blank", {}, -1, {});
    QCOMPARE(m_service->storedDateRange(), std::optional<Range>(Range(QDate(2023, 1, 10), QDate(2024, 3, 5))));

    // Live rows far back and ahead do.
    addTransaction("t43", "acc-b", "1987-06-01", "Ancient", {}, -1, {});
    addTransaction("t44", "acc-b", "2031-02-28", "Planned", {}, -1, {});
    QCOMPARE(m_service->storedDateRange(), std::optional<Range>(Range(QDate(1987, 6, 1), QDate(2031, 2, 28))));

    QVERIFY(m_db->exec("UPDATE transactions SET deleted_at = '2024-01-01T00:00:00Z'"));
    QVERIFY(!m_service->storedDateRange().has_value());
}

QTEST_GUILESS_MAIN(tst_ReportService)
#include "tst_reportservice.moc"
