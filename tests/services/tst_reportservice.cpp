#include "common/testdatabase.h"
#include "services/reportservice.h"

#include <QRegularExpression>
#include <QTest>

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

private:
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

QTEST_GUILESS_MAIN(tst_ReportService)
#include "tst_reportservice.moc"
