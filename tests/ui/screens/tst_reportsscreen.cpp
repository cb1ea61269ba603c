#include "common/testappstate.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/clock.h"
#include "data/transactionrepository.h"
#include "data/uuids.h"
#include "services/reportservice.h"
#include "ui/mainwindow.h"
#include "ui/messagebox.h"
#include "ui/screens/matchingtransactionsdialog.h"
#include "ui/screens/reportchartview.h"
#include "ui/screens/reportpage.h"
#include "ui/screens/reportperiods.h"
#include "ui/screens/reportsection.h"
#include "ui/screens/reportsscreen.h"
#include "ui/screens/reporttablemodel.h"
#include "ui/thememanager.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineSeries>
#include <QMenuBar>
#include <QSettings>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <QValueAxis>

Q_DECLARE_METATYPE(TransactionMatch)

using Range = std::optional<DateRange>;
using StoredRange = std::optional<std::pair<QDate, QDate>>;

// Fixture, on 15 June 2025 ("This Month" is 1 to 15 June): a dollar and a
// euro account; in June the dollar account has groceries under "Food Shop"
// (two, same payee), fuel under "Fuel Stop" and a salary, the euro account
// a bakery purchase and a salary. The dollar account also holds a purchase
// in 1995 and one planned for 2030.
class tst_ReportsScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void periodPresets_data();
    void periodPresets();
    void comparePresets_data();
    void comparePresets();
    void customKeepsThePreviousDates();
    void allTimeSpansTheStoredDates();
    void sectionPerCurrency_data();
    void sectionPerCurrency();
    void oneAccountOneSection();
    void sectionModelsBehave();
    void csvNeutralizesFormulas_data();
    void csvNeutralizesFormulas();
    void csvKeepsEveryCurrencyApart();
    void exportFailureIsShown_data();
    void exportFailureIsShown();
    void emptyTabExportsNothing();
    void chartSwitchIsRemembered();
    void clickOnCategoryListsItsTransactions();
    void listenerTakesTheRequestInstead();
    void yearOverYearBarListsThatPeriod();
    void hoverShowsTheFigure();
    void namesThatLookLikeMarkupStayText();
    void chartsFollowThemeAndFontScale();
    void committedChangesRefreshOnlyWhileVisible();
    void viewMenuOpensReports();

private:
    QString addAccount(const QString &id, const QString &name, Currency currency, int sortOrder);
    void addCategory(const QString &id, const QString &name, CategoryType type);
    void addTransaction(const QString &account, const QDate &date, const QString &payee, qint64 amount,
                        const QString &category);
    void makeScreen();
    // The displayed text of a cell of a tab's section.
    QString cell(int tab, int section, int row, int column) const;
    QList<MatchingTransactionsDialog *> dialogs() const;
    // As a person does it: the first click selects, the second opens.
    static void doubleClick(QTableView *table, const QPoint &where);

    std::unique_ptr<TestAppState> m_state;
    std::unique_ptr<ReportService> m_service;
    std::unique_ptr<ReportsScreen> m_screen;
    QList<MessageBox::Request> m_boxes;
    QString m_exportPath;
    int m_chooserCalls = 0;
    QString m_chooserDefaultName;
    const QDate m_today{2025, 6, 15};
};

void tst_ReportsScreen::initTestCase()
{
    TestAppState::redirectSettings();
    QCoreApplication::setOrganizationName("Orlindo");
    QCoreApplication::setApplicationName("QuillbyTest");
    MessageBox::setResponder([this](const MessageBox::Request &request) {
        m_boxes.append(request);
        return QMessageBox::Ok;
    });
}

void tst_ReportsScreen::init()
{
    QSettings().clear();
    Clock::setToday(m_today);
    QApplication::setPalette(ThemeManager::lightPalette());
    setFontScalePercent(100);
    m_boxes.clear();
    m_chooserCalls = 0;
    m_state = std::make_unique<TestAppState>();
    QVERIFY(m_state->initialize());
    m_service = std::make_unique<ReportService>(m_state->database());

    addAccount("acc-usd", "Checking", Currency::USD, 0);
    addAccount("acc-eur", "Euro Konto", Currency::EUR, 1);
    addCategory("cat-food", "Food Shop", CategoryType::Expense);
    addCategory("cat-fuel", "Fuel Stop", CategoryType::Expense);
    addCategory("cat-pay", "Pay", CategoryType::Income);
    addTransaction("acc-usd", QDate(2025, 6, 2), "Grocer", -1250, "cat-food");
    addTransaction("acc-usd", QDate(2025, 6, 3), "Employer", 250000, "cat-pay");
    addTransaction("acc-usd", QDate(2025, 6, 5), "Grocer", -750, "cat-food");
    addTransaction("acc-usd", QDate(2025, 6, 7), "Gas", -3000, "cat-fuel");
    addTransaction("acc-eur", QDate(2025, 6, 4), QString::fromUtf8("Bäckerei"), -480, "cat-food");
    addTransaction("acc-eur", QDate(2025, 6, 6), "Arbeitgeber", 180000, "cat-pay");
    addTransaction("acc-usd", QDate(1995, 3, 4), "Old Shop", -100, "cat-food");
    addTransaction("acc-usd", QDate(2030, 1, 2), "Planned", -200, "cat-food");
    makeScreen();
}

void tst_ReportsScreen::cleanup()
{
    m_screen.reset();
    m_service.reset();
    m_state.reset();
    Clock::setToday(QDate());
    setFontScalePercent(100);
}

QString tst_ReportsScreen::addAccount(const QString &id, const QString &name, Currency currency, int sortOrder)
{
    Account account;
    account.id = id;
    account.name = name;
    account.currency = currency;
    account.sortOrder = sortOrder;
    account.createdAt = account.updatedAt = QDateTime::currentDateTimeUtc();
    if (!m_state->accountRepository()->insert(account))
        qFatal("cannot insert account");
    return id;
}

void tst_ReportsScreen::addCategory(const QString &id, const QString &name, CategoryType type)
{
    Category category;
    category.id = id;
    category.name = name;
    category.type = type;
    category.createdAt = category.updatedAt = QDateTime::currentDateTimeUtc();
    if (!m_state->categoryRepository()->insert(category))
        qFatal("cannot insert category");
}

void tst_ReportsScreen::addTransaction(const QString &account, const QDate &date, const QString &payee,
                                       qint64 amount, const QString &category)
{
    Transaction t;
    t.id = newUuid();
    t.accountId = account;
    t.date = date;
    t.payee = payee;
    t.amount = amount;
    t.categoryId = category;
    t.createdAt = t.updatedAt = QDateTime::currentDateTimeUtc();
    if (!m_state->transactionRepository()->insert(t))
        qFatal("cannot insert transaction");
}

void tst_ReportsScreen::makeScreen()
{
    m_screen = std::make_unique<ReportsScreen>(m_state.get(), m_service.get());
    m_screen->setSaveFileChooser([this](QWidget *, const QString &, const QString &defaultName, const QString &) {
        ++m_chooserCalls;
        m_chooserDefaultName = defaultName;
        return m_exportPath;
    });
    m_screen->resize(1000, 700);
    m_screen->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_screen.get()));
    m_screen->refresh();
    // Lays out the sections the first run made.
    QCoreApplication::processEvents();
}

QString tst_ReportsScreen::cell(int tab, int section, int row, int column) const
{
    const ReportSection *shown = m_screen->page(tab)->section(section);
    if (!shown)
        return QStringLiteral("<no section %1>").arg(section);
    return shown->model()->index(row, column).data().toString();
}

QList<MatchingTransactionsDialog *> tst_ReportsScreen::dialogs() const
{
    return m_screen->findChildren<MatchingTransactionsDialog *>();
}

void tst_ReportsScreen::doubleClick(QTableView *table, const QPoint &where)
{
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, where);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, where);
}

void tst_ReportsScreen::periodPresets_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<int>("preset");
    QTest::addColumn<StoredRange>("stored");
    QTest::addColumn<Range>("expected");

    const QDate midMay(2025, 5, 15);
    const StoredRange none;
    QTest::newRow("thisMonth") << midMay << int(ReportPeriods::ThisMonth) << none
                               << Range(DateRange{QDate(2025, 5, 1), midMay});
    QTest::newRow("thisQuarterMidMay") << midMay << int(ReportPeriods::ThisQuarter) << none
                                       << Range(DateRange{QDate(2025, 4, 1), midMay});
    QTest::newRow("lastQuarterMidMay") << midMay << int(ReportPeriods::LastQuarter) << none
                                       << Range(DateRange{QDate(2025, 1, 1), QDate(2025, 3, 31)});
    QTest::newRow("lastQuarterInJanuary") << QDate(2025, 1, 10) << int(ReportPeriods::LastQuarter) << none
                                          << Range(DateRange{QDate(2024, 10, 1), QDate(2024, 12, 31)});
    QTest::newRow("lastMonthMidMay") << midMay << int(ReportPeriods::LastMonth) << none
                                     << Range(DateRange{QDate(2025, 4, 1), QDate(2025, 4, 30)});
    QTest::newRow("lastMonthEndOfMarch") << QDate(2025, 3, 31) << int(ReportPeriods::LastMonth) << none
                                         << Range(DateRange{QDate(2025, 2, 1), QDate(2025, 2, 28)});
    QTest::newRow("lastMonthEndOfMarchLeapYear") << QDate(2024, 3, 31) << int(ReportPeriods::LastMonth) << none
                                                 << Range(DateRange{QDate(2024, 2, 1), QDate(2024, 2, 29)});
    QTest::newRow("lastMonthInJanuary") << QDate(2025, 1, 10) << int(ReportPeriods::LastMonth) << none
                                        << Range(DateRange{QDate(2024, 12, 1), QDate(2024, 12, 31)});
    QTest::newRow("lastYear") << midMay << int(ReportPeriods::LastYear) << none
                              << Range(DateRange{QDate(2024, 1, 1), QDate(2024, 12, 31)});
    QTest::newRow("last30DaysSpans31") << midMay << int(ReportPeriods::Last30Days) << none
                                       << Range(DateRange{QDate(2025, 4, 15), midMay});
    QTest::newRow("last12MonthsFromLeapDay") << QDate(2028, 2, 29) << int(ReportPeriods::Last12Months) << none
                                             << Range(DateRange{QDate(2027, 2, 28), QDate(2028, 2, 29)});
    QTest::newRow("allTimeIsTheStoredSpan")
        << midMay << int(ReportPeriods::AllTime) << StoredRange({QDate(1987, 6, 1), QDate(2031, 2, 28)})
        << Range(DateRange{QDate(1987, 6, 1), QDate(2031, 2, 28)});
    QTest::newRow("allTimeWithoutData") << midMay << int(ReportPeriods::AllTime) << none
                                        << Range(DateRange{midMay, midMay});
    QTest::newRow("customHasNoDates") << midMay << int(ReportPeriods::Custom) << none << Range();
    QTest::newRow("outOfRange") << midMay << int(ReportPeriods::PresetCount) << none << Range();
    QTest::newRow("negative") << midMay << -1 << none << Range();
}

void tst_ReportsScreen::periodPresets()
{
    QFETCH(QDate, today);
    QFETCH(int, preset);
    QFETCH(StoredRange, stored);
    QFETCH(Range, expected);

    const Range range = ReportPeriods::preset(preset, today, stored);
    QCOMPARE(range.has_value(), expected.has_value());
    if (expected) {
        QCOMPARE(range->from, expected->from);
        QCOMPARE(range->to, expected->to);
    }
}

void tst_ReportsScreen::comparePresets_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<int>("preset");
    QTest::addColumn<QList<QDate>>("expected");

    const QDate midMay(2025, 5, 15);
    QTest::newRow("thisYearVsLastYear") << midMay << int(ReportPeriods::ThisYearVsLastYear)
                                        << QList<QDate>{QDate(2024, 1, 1), QDate(2024, 12, 31), QDate(2025, 1, 1), midMay};
    QTest::newRow("lastYearVsYearBefore")
        << midMay << int(ReportPeriods::LastYearVsYearBefore)
        << QList<QDate>{QDate(2023, 1, 1), QDate(2023, 12, 31), QDate(2024, 1, 1), QDate(2024, 12, 31)};
    QTest::newRow("thisQuarterVsLastQuarter")
        << midMay << int(ReportPeriods::ThisQuarterVsLastQuarter)
        << QList<QDate>{QDate(2025, 1, 1), QDate(2025, 3, 31), QDate(2025, 4, 1), midMay};
    QTest::newRow("quarterAcrossNewYear")
        << QDate(2025, 2, 1) << int(ReportPeriods::ThisQuarterVsLastQuarter)
        << QList<QDate>{QDate(2024, 10, 1), QDate(2024, 12, 31), QDate(2025, 1, 1), QDate(2025, 2, 1)};
    QTest::newRow("custom") << midMay << int(ReportPeriods::CompareCustom) << QList<QDate>{};
}

void tst_ReportsScreen::comparePresets()
{
    QFETCH(QDate, today);
    QFETCH(int, preset);
    QFETCH(QList<QDate>, expected);

    const auto periods = ReportPeriods::compare(preset, today);
    QList<QDate> dates;
    if (periods)
        dates = {periods->first.from, periods->first.to, periods->second.from, periods->second.to};
    QCOMPARE(dates, expected);
}

void tst_ReportsScreen::customKeepsThePreviousDates()
{
    auto *period = m_screen->findChild<QComboBox *>("periodCombo");
    auto *from = m_screen->findChild<QDateEdit *>("fromDate");
    auto *to = m_screen->findChild<QDateEdit *>("toDate");
    QVERIFY(period && from && to);
    QVERIFY(!from->isVisible());

    period->setCurrentIndex(ReportPeriods::LastMonth);
    period->setCurrentIndex(ReportPeriods::Custom);
    QVERIFY(from->isVisible());
    QVERIFY(to->isVisible());
    QCOMPARE(from->date(), QDate(2025, 5, 1));
    QCOMPARE(to->date(), QDate(2025, 5, 31));

    // A date typed in the custom fields runs the reports at once.
    from->setDate(QDate(2025, 6, 5));
    to->setDate(QDate(2025, 6, 7));
    QCOMPARE(cell(ReportsScreen::CategorySpendingTab, 0, 0, 0), QString("Fuel Stop"));
    QCOMPARE(m_screen->page(ReportsScreen::CategorySpendingTab)->section(0)->model()->dataRowCount(), 2);
}

void tst_ReportsScreen::allTimeSpansTheStoredDates()
{
    auto *period = m_screen->findChild<QComboBox *>("periodCombo");
    auto *range = m_screen->findChild<QLabel *>("rangeLabel");
    period->setCurrentIndex(ReportPeriods::AllTime);

    // From the 1995 purchase to the one planned for 2030, not 2000 to today.
    const ReportSection *dollars = m_screen->page(ReportsScreen::TransactionsTab)->section(0);
    QCOMPARE(dollars->model()->currency(), Currency::USD);
    QCOMPARE(dollars->model()->dataRowCount(), 6);
    QCOMPARE(cell(ReportsScreen::TransactionsTab, 0, 0, 2), QString("Old Shop"));
    QCOMPARE(cell(ReportsScreen::TransactionsTab, 0, 5, 2), QString("Planned"));
    const QLocale locale = QLocale::system();
    QCOMPARE(range->text(), QString::fromUtf8("%1 – %2")
                                .arg(locale.toString(QDate(1995, 3, 4), QLocale::ShortFormat),
                                     locale.toString(QDate(2030, 1, 2), QLocale::ShortFormat)));
    QCOMPARE(m_screen->findChild<QDateEdit *>("fromDate")->date(), QDate(1995, 3, 4));

    // A refresh follows the data: an older row moves the start.
    addTransaction("acc-eur", QDate(1982, 11, 30), "Ancient", -1, "cat-food");
    m_screen->refresh();
    QCOMPARE(m_screen->findChild<QDateEdit *>("fromDate")->date(), QDate(1982, 11, 30));
    QCOMPARE(m_screen->findChild<QDateEdit *>("toDate")->date(), QDate(2030, 1, 2));
}

void tst_ReportsScreen::sectionPerCurrency_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QStringList>("cells");   // "section,row,column=text"

    const int C = ReportsScreen::CategorySpendingTab;
    QTest::newRow("categorySpending")
        << C << QStringList{"0,0,0=Fuel Stop", "0,0,1=-$30.00", "0,1,0=Food Shop", "0,1,1=-$20.00",
                            "1,0,0=Food Shop", "1,0,1=-€4.80"};
    QTest::newRow("payeeSummary") << int(ReportsScreen::PayeeSummaryTab)
                                  << QStringList{"0,1,0=Grocer", "0,1,1=-$20.00", "0,1,2=2",
                                                 "0,2,1=$2,500.00", "1,1,0=Arbeitgeber", "1,1,1=€1,800.00"};
    // Each currency has its own total row; nothing adds dollars to euros.
    QTest::newRow("incomeVsExpenses")
        << int(ReportsScreen::IncomeVsExpensesTab)
        << QStringList{"0,0,0=2025-06", "0,0,1=$2,500.00", "0,0,2=-$50.00", "0,0,3=$2,450.00", "0,1,0=Total",
                       "0,1,3=$2,450.00", "1,0,3=€1,795.20", "1,1,0=Total", "1,1,1=€1,800.00"};
    QTest::newRow("cashFlow") << int(ReportsScreen::CashFlowTab)
                              << QStringList{"0,1,2=-$50.00", "1,1,2=-€4.80"};
    QTest::newRow("accountSummary") << int(ReportsScreen::AccountSummaryTab)
                                    << QStringList{"0,0,0=Checking", "0,0,1=Checking", "0,0,4=$2,447.00",
                                                   "1,0,0=Euro Konto", "1,0,4=€1,795.20"};
    QTest::newRow("transactions") << int(ReportsScreen::TransactionsTab)
                                  << QStringList{"0,0,2=Grocer", "0,0,5=-$12.50", "1,0,2=Bäckerei",
                                                 "1,0,5=-€4.80"};
}

void tst_ReportsScreen::sectionPerCurrency()
{
    QFETCH(int, tab);
    QFETCH(QStringList, cells);

    ReportPage *page = m_screen->page(tab);
    m_screen->tabs()->setCurrentIndex(tab);
    QCOMPARE(page->sectionCount(), 2);
    QCOMPARE(page->section(0)->heading(), QString("USD ($)"));
    QCOMPARE(page->section(1)->heading(), QString::fromUtf8("EUR (€)"));
    QCOMPARE(page->section(0)->model()->currency(), Currency::USD);
    QCOMPARE(page->section(1)->model()->currency(), Currency::EUR);
    if (page->hasChart()) {
        QCOMPARE(page->section(0)->chartView()->data().currency, Currency::USD);
        QCOMPARE(page->section(1)->chartView()->data().currency, Currency::EUR);
    }
    for (const QString &spec : std::as_const(cells)) {
        const QStringList where = spec.section('=', 0, 0).split(',');
        QCOMPARE(cell(tab, where[0].toInt(), where[1].toInt(), where[2].toInt()), spec.section('=', 1));
    }
}

void tst_ReportsScreen::oneAccountOneSection()
{
    auto *account = m_screen->findChild<QComboBox *>("accountCombo");
    QCOMPARE(account->itemText(0), QString("All Accounts"));
    account->setCurrentIndex(account->findData("acc-eur"));

    const ReportPage *page = m_screen->page(ReportsScreen::CategorySpendingTab);
    QCOMPARE(page->sectionCount(), 1);
    QVERIFY(page->section(0)->heading().isEmpty());
    QCOMPARE(cell(ReportsScreen::CategorySpendingTab, 0, 0, 1), QString::fromUtf8("-€4.80"));

    // A period without rows still shows its empty table in the account's currency.
    m_screen->findChild<QComboBox *>("periodCombo")->setCurrentIndex(ReportPeriods::LastYear);
    QCOMPARE(page->sectionCount(), 1);
    QCOMPARE(page->section(0)->model()->rowCount(), 0);
    QCOMPARE(page->section(0)->model()->currency(), Currency::EUR);
    // No total row for an empty monthly report.
    QCOMPARE(m_screen->page(ReportsScreen::IncomeVsExpensesTab)->section(0)->model()->rowCount(), 0);
}

void tst_ReportsScreen::sectionModelsBehave()
{
    QAbstractItemModelTester dollars(m_screen->page(ReportsScreen::IncomeVsExpensesTab)->section(0)->model(),
                                     QAbstractItemModelTester::FailureReportingMode::QtTest);
    auto *account = m_screen->findChild<QComboBox *>("accountCombo");
    account->setCurrentIndex(account->findData("acc-usd"));
    m_screen->findChild<QComboBox *>("periodCombo")->setCurrentIndex(ReportPeriods::AllTime);
    const ReportTableModel *model = m_screen->page(ReportsScreen::IncomeVsExpensesTab)->section(0)->model();
    // 1995-03, 2025-06, 2030-01 and the total.
    QCOMPARE(model->rowCount(), 4);
    QCOMPARE(model->index(3, 3).data().toString(), QString("$2,447.00"));
    QCOMPARE(model->index(3, 0).data(Qt::FontRole).value<QFont>().bold(), true);
    QCOMPARE(model->index(0, 0).data(Qt::FontRole).isValid(), false);
    QCOMPARE(model->index(0, 1).data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
             Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    QCOMPARE(model->exportText(3, 3), QString("2447.00"));
    QCOMPARE(model->exportText(0, 2), QString("-1.00"));
}

void tst_ReportsScreen::csvNeutralizesFormulas_data()
{
    QTest::addColumn<QString>("payee");
    QTest::addColumn<QString>("line");

    QTest::newRow("equals") << "=1+2" << "\"'=1+2\",\"-12.34\",\"1\",\"USD\"";
    QTest::newRow("plus") << "+1 555" << "\"'+1 555\",\"-12.34\",\"1\",\"USD\"";
    QTest::newRow("minus") << "-cmd" << "\"'-cmd\",\"-12.34\",\"1\",\"USD\"";
    QTest::newRow("at") << "@SUM(A1)" << "\"'@SUM(A1)\",\"-12.34\",\"1\",\"USD\"";
    QTest::newRow("tab") << "\tTab" << "\"'\tTab\",\"-12.34\",\"1\",\"USD\"";
    QTest::newRow("carriageReturn") << "\rCR" << "\"'\rCR\",\"-12.34\",\"1\",\"USD\"";
    QTest::newRow("quoteInFormula") << "=HYPERLINK(\"x\")" << "\"'=HYPERLINK(\"\"x\"\")\",\"-12.34\",\"1\",\"USD\"";
    QTest::newRow("harmless") << "Shop = Fun" << "\"Shop = Fun\",\"-12.34\",\"1\",\"USD\"";
}

void tst_ReportsScreen::csvNeutralizesFormulas()
{
    QFETCH(QString, payee);
    QFETCH(QString, line);

    addTransaction("acc-usd", QDate(2025, 6, 9), payee, -1234, "cat-food");
    m_screen->refresh();
    m_screen->tabs()->setCurrentIndex(ReportsScreen::PayeeSummaryTab);
    QTemporaryDir dir;
    m_exportPath = dir.filePath("payees.csv");
    m_screen->exportCurrentTab();
    QCOMPARE(m_chooserCalls, 1);
    QCOMPARE(m_chooserDefaultName, QString("payee_summary.csv"));
    QVERIFY(m_boxes.isEmpty());

    QFile file(m_exportPath);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    QVERIFY(text.startsWith("\"Payee\",\"Total\",\"Count\",\"Currency\"\n"));
    QVERIFY2(text.contains("\n" + line + "\n"), qPrintable(text));
    // The amounts of the other rows are plain numbers too.
    QVERIFY(text.contains("\n\"Employer\",\"2500.00\",\"1\",\"USD\"\n"));
}

void tst_ReportsScreen::csvKeepsEveryCurrencyApart()
{
    m_screen->tabs()->setCurrentIndex(ReportsScreen::IncomeVsExpensesTab);
    QTemporaryDir dir;
    const QString path = dir.filePath("income.csv");
    QVERIFY(m_screen->exportCurrentTabTo(path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(file.readAll()),
             QString::fromUtf8("\"Month\",\"Income\",\"Expenses\",\"Net\",\"Currency\"\n"
                               "\"2025-06\",\"2500.00\",\"-50.00\",\"2450.00\",\"USD\"\n"
                               "\"Total\",\"2500.00\",\"-50.00\",\"2450.00\",\"USD\"\n"
                               "\"2025-06\",\"1800.00\",\"-4.80\",\"1795.20\",\"EUR\"\n"
                               "\"Total\",\"1800.00\",\"-4.80\",\"1795.20\",\"EUR\"\n"));
}

void tst_ReportsScreen::exportFailureIsShown_data()
{
    QTest::addColumn<QString>("where");
    QTest::newRow("missingFolder") << "no/such/folder/report.csv";
    QTest::newRow("pathIsAFolder") << "folder";
}

void tst_ReportsScreen::exportFailureIsShown()
{
    QFETCH(QString, where);

    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("folder"));
    m_exportPath = dir.filePath(where);
    m_screen->tabs()->setCurrentIndex(ReportsScreen::TransactionsTab);
    m_screen->exportCurrentTab();

    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.first().icon, QMessageBox::Warning);
    QCOMPARE(m_boxes.first().title, QString("Export CSV"));
    QVERIFY2(m_boxes.first().text.contains(QDir::toNativeSeparators(m_exportPath)),
             qPrintable(m_boxes.first().text));
    QVERIFY(QFileInfo(m_exportPath).isDir() || !QFileInfo::exists(m_exportPath));
    // Nothing half-written lies around next to the target.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 0);
}

void tst_ReportsScreen::emptyTabExportsNothing()
{
    m_screen->findChild<QComboBox *>("periodCombo")->setCurrentIndex(ReportPeriods::LastYear);
    m_screen->tabs()->setCurrentIndex(ReportsScreen::CategorySpendingTab);
    QTemporaryDir dir;
    m_exportPath = dir.filePath("empty.csv");
    m_screen->exportCurrentTab();
    QCOMPARE(m_chooserCalls, 0);
    QVERIFY(!QFile::exists(m_exportPath));

    // Cancelling the dialog writes nothing either.
    m_screen->findChild<QComboBox *>("periodCombo")->setCurrentIndex(ReportPeriods::ThisMonth);
    m_exportPath.clear();
    m_screen->exportCurrentTab();
    QCOMPARE(m_chooserCalls, 1);
    QVERIFY(m_boxes.isEmpty());
}

void tst_ReportsScreen::chartSwitchIsRemembered()
{
    ReportPage *spending = m_screen->page(ReportsScreen::CategorySpendingTab);
    m_screen->tabs()->setCurrentIndex(ReportsScreen::CategorySpendingTab);
    QVERIFY(spending->chartSwitch());
    QVERIFY(spending->chartSwitch()->isChecked());
    QVERIFY(spending->section(0)->chartView()->isVisible());
    // Reports without a chart have no switch.
    QVERIFY(!m_screen->page(ReportsScreen::PayeeSummaryTab)->chartSwitch());
    QVERIFY(!m_screen->page(ReportsScreen::TransactionsTab)->chartSwitch());

    spending->chartSwitch()->click();
    QVERIFY(!spending->section(0)->chartView()->isVisible());
    QVERIFY(!spending->section(1)->chartView()->isVisible());
    QCOMPARE(QSettings().value(ReportPage::chartSettingKey("categorySpending")).toBool(), false);

    // A new screen (the next start) remembers it, for that report only.
    makeScreen();
    spending = m_screen->page(ReportsScreen::CategorySpendingTab);
    m_screen->tabs()->setCurrentIndex(ReportsScreen::CategorySpendingTab);
    QVERIFY(!spending->chartSwitch()->isChecked());
    QVERIFY(!spending->section(0)->chartView()->isVisible());
    QVERIFY(spending->section(0)->table()->isVisible());
    m_screen->tabs()->setCurrentIndex(ReportsScreen::CashFlowTab);
    QVERIFY(m_screen->page(ReportsScreen::CashFlowTab)->chartSwitch()->isChecked());
    QVERIFY(m_screen->page(ReportsScreen::CashFlowTab)->section(0)->chartView()->isVisible());

    m_screen->tabs()->setCurrentIndex(ReportsScreen::CategorySpendingTab);
    spending->chartSwitch()->click();
    QVERIFY(spending->section(0)->chartView()->isVisible());
    QCOMPARE(QSettings().value(ReportPage::chartSettingKey("categorySpending")).toBool(), true);
}

void tst_ReportsScreen::clickOnCategoryListsItsTransactions()
{
    m_screen->tabs()->setCurrentIndex(ReportsScreen::CategorySpendingTab);
    ReportSection *dollars = m_screen->page(ReportsScreen::CategorySpendingTab)->section(0);
    const QList<QBarSet *> sets = dollars->chartView()->barSets();
    QCOMPARE(sets.size(), 1);
    // Largest spending on top: the bottom bar (drawn first) is "Food Shop".
    QCOMPARE(sets.first()->count(), 2);
    QCOMPARE(sets.first()->at(0), 20.0);
    QCOMPARE(sets.first()->at(1), 30.0);
    Q_EMIT sets.first()->clicked(0);

    QCOMPARE(dialogs().size(), 1);
    MatchingTransactionsDialog *dialog = dialogs().first();
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->sections().size(), 1);
    const ReportTableModel *rows = dialog->sections().first()->model();
    // The two groceries in dollars; not the euro bakery, not the 1995 row.
    QCOMPARE(rows->dataRowCount(), 2);
    QCOMPARE(rows->index(0, 2).data().toString(), QString("Grocer"));
    QCOMPARE(rows->index(0, 5).data().toString(), QString("-$12.50"));
    QCOMPARE(rows->index(2, 5).data().toString(), QString("-$20.00"));
    dialog->close();
    QTRY_COMPARE(dialogs().size(), 0);

    // A double-click on a table row does the same for its category.
    QTableView *table = dollars->table();
    const QRect rect = table->visualRect(table->model()->index(0, 0));
    doubleClick(table, rect.center());
    QCOMPARE(dialogs().size(), 1);
    const ReportTableModel *fuel = dialogs().first()->sections().first()->model();
    QCOMPARE(fuel->dataRowCount(), 1);
    QCOMPARE(fuel->index(0, 2).data().toString(), QString("Gas"));

    // Payees work the same way, in their own currency.
    m_screen->tabs()->setCurrentIndex(ReportsScreen::PayeeSummaryTab);
    QTableView *payees = m_screen->page(ReportsScreen::PayeeSummaryTab)->section(1)->table();
    doubleClick(payees, payees->visualRect(payees->model()->index(0, 0)).center());
    QCOMPARE(dialogs().size(), 2);
    const ReportTableModel *bakeryRows = dialogs().last()->sections().first()->model();
    QCOMPARE(bakeryRows->dataRowCount(), 1);
    QCOMPARE(bakeryRows->index(0, 5).data().toString(), QString::fromUtf8("-€4.80"));
}

void tst_ReportsScreen::listenerTakesTheRequestInstead()
{
    QSignalSpy requests(m_screen.get(), &ReportsScreen::transactionsRequested);
    m_screen->tabs()->setCurrentIndex(ReportsScreen::CategorySpendingTab);
    ReportSection *euros = m_screen->page(ReportsScreen::CategorySpendingTab)->section(1);
    Q_EMIT euros->chartView()->barSets().first()->clicked(0);

    QCOMPARE(dialogs().size(), 0);
    QCOMPARE(requests.size(), 1);
    const auto match = requests.first().first().value<TransactionMatch>();
    QCOMPARE(match.categoryName.value_or(QString()), QString("Food Shop"));
    QCOMPARE(match.currency.value_or(Currency::USD), Currency::EUR);
    QVERIFY(match.expensesOnly);
    QCOMPARE(match.from, QDate(2025, 6, 1));
    QCOMPARE(match.to, m_today);
    QVERIFY(match.accountId.isEmpty());
    QVERIFY(requests.first().at(1).toString().contains("Food Shop"));
}

void tst_ReportsScreen::yearOverYearBarListsThatPeriod()
{
    // This year vs last year: nothing in 2024, June 2025 in period 2.
    addTransaction("acc-usd", QDate(2024, 8, 1), "Grocer", -999, "cat-food");
    m_screen->refresh();
    m_screen->tabs()->setCurrentIndex(ReportsScreen::YearOverYearTab);
    ReportChartView *chart = m_screen->page(ReportsScreen::YearOverYearTab)->section(0)->chartView();
    QCOMPARE(chart->barSets().size(), 2);
    const int foodAt = int(chart->data().categories.size()) - 1 - int(chart->data().categories.indexOf("Food Shop"));
    Q_EMIT chart->barSets().at(0)->clicked(foodAt);
    QCOMPARE(dialogs().size(), 1);
    const ReportTableModel *lastYear = dialogs().first()->sections().first()->model();
    QCOMPARE(lastYear->dataRowCount(), 1);
    QCOMPARE(lastYear->index(0, 5).data().toString(), QString("-$9.99"));

    Q_EMIT chart->barSets().at(1)->clicked(foodAt);
    QCOMPARE(dialogs().size(), 2);
    QCOMPARE(dialogs().last()->sections().first()->model()->dataRowCount(), 2);
}

void tst_ReportsScreen::hoverShowsTheFigure()
{
    m_screen->tabs()->setCurrentIndex(ReportsScreen::IncomeVsExpensesTab);
    ReportChartView *euros = m_screen->page(ReportsScreen::IncomeVsExpensesTab)->section(1)->chartView();
    QCOMPARE(euros->barSets().size(), 2);
    QVERIFY(euros->lineSeries());
    Q_EMIT euros->barSets().at(0)->hovered(true, 0);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), QString::fromUtf8("2025-06\nIncome: €1,800.00"));
    Q_EMIT euros->barSets().at(0)->hovered(false, 0);
    QTRY_VERIFY(!QToolTip::isVisible());
    Q_EMIT euros->lineSeries()->hovered(QPointF(0, 1795.2), true);
    QTRY_COMPARE(QToolTip::text(), QString::fromUtf8("2025-06\nNet: €1,795.20"));

    // A spending bar keeps its sign in the tip though it is drawn as a length.
    m_screen->tabs()->setCurrentIndex(ReportsScreen::CategorySpendingTab);
    ReportChartView *dollars = m_screen->page(ReportsScreen::CategorySpendingTab)->section(0)->chartView();
    Q_EMIT dollars->barSets().first()->hovered(true, 1);
    QTRY_COMPARE(QToolTip::text(), QString("Fuel Stop: -$30.00"));
    QToolTip::hideText();
}

void tst_ReportsScreen::namesThatLookLikeMarkupStayText()
{
    // Labels and tips of Qt Charts take HTML; a category from someone
    // else's file must not restyle the chart or load anything.
    const QString name = "<img src=x><b>Big</b>";
    addCategory("cat-html", name, CategoryType::Expense);
    addTransaction("acc-usd", QDate(2025, 6, 8), "Odd", -99999, "cat-html");
    m_screen->refresh();
    m_screen->tabs()->setCurrentIndex(ReportsScreen::CategorySpendingTab);
    ReportChartView *chart = m_screen->page(ReportsScreen::CategorySpendingTab)->section(0)->chartView();
    auto *names = qobject_cast<QBarCategoryAxis *>(chart->chart()->axes(Qt::Vertical).value(0));
    QVERIFY(names);
    QVERIFY(names->categories().contains(name.toHtmlEscaped()));
    QVERIFY(!names->categories().contains(name));

    // Largest spending on top: the last drawn bar.
    QCOMPARE(chart->data().categories.first(), name);
    Q_EMIT chart->barSets().first()->hovered(true, int(chart->data().categories.size()) - 1);
    QTRY_VERIFY(QToolTip::isVisible());
    QVERIFY(QToolTip::text().contains(name.toHtmlEscaped()));
    QVERIFY(!QToolTip::text().contains("<img"));
    QToolTip::hideText();

    // The table shows the name as written.
    QCOMPARE(cell(ReportsScreen::CategorySpendingTab, 0, 0, 0), name);
}

void tst_ReportsScreen::chartsFollowThemeAndFontScale()
{
    ThemeManager theme(m_state->preferencesRepository());
    m_screen->followTheme(&theme);
    m_screen->tabs()->setCurrentIndex(ReportsScreen::CashFlowTab);
    const ReportChartView *view = m_screen->page(ReportsScreen::CashFlowTab)->section(0)->chartView();

    const struct
    {
        ThemeManager::Theme theme;
        QColor base, text, positive, negative;
    } looks[] = {
        {ThemeManager::Theme::Dark, "#152420", "#D8E8DF", "#66BB6A", "#FF8A80"},
        {ThemeManager::Theme::Light, "#FFFFFF", "#1B2D26", "#2E7D32", "#C62828"},
    };
    for (const auto &look : looks) {
        theme.setTheme(look.theme);
        // At once, and again once the widgets have heard of the palette.
        for (int pass = 0; pass < 2; ++pass) {
            QChart *chart = view->chart();
            QCOMPARE(chart->backgroundBrush().color(), look.base);
            QCOMPARE(chart->legend()->labelColor(), look.text);
            QCOMPARE(view->barSets().at(0)->color(), look.positive);
            QCOMPARE(view->barSets().at(1)->color(), look.negative);
            QCOMPARE(view->lineSeries()->pen().color(), look.text);
            for (QAbstractAxis *axis : chart->axes())
                QCOMPARE(axis->labelsBrush().color(), look.text);
            QCoreApplication::processEvents();
        }
    }

    const int before = view->chart()->axes().first()->labelsFont().pointSize();
    theme.setFontScale(150);
    const int after = view->chart()->axes().first()->labelsFont().pointSize();
    QCOMPARE(after, fontForRole(FontRole::Caption).pointSize());
    QVERIFY2(after > before, qPrintable(QStringLiteral("%1 -> %2").arg(before).arg(after)));
    QCOMPARE(view->chart()->legend()->font().pointSize(), fontForRole(FontRole::Body).pointSize());
}

void tst_ReportsScreen::committedChangesRefreshOnlyWhileVisible()
{
    QCOMPARE(cell(ReportsScreen::CategorySpendingTab, 0, 1, 1), QString("-$20.00"));
    addTransaction("acc-usd", QDate(2025, 6, 10), "Grocer", -500, "cat-food");
    QCOMPARE(cell(ReportsScreen::CategorySpendingTab, 0, 1, 1), QString("-$25.00"));

    m_screen->hide();
    addTransaction("acc-usd", QDate(2025, 6, 11), "Grocer", -500, "cat-food");
    QCOMPARE(cell(ReportsScreen::CategorySpendingTab, 0, 1, 1), QString("-$25.00"));
    m_screen->show();
    m_screen->refresh();
    QCOMPARE(cell(ReportsScreen::CategorySpendingTab, 0, 1, 1), QString("-$30.00"));
}

void tst_ReportsScreen::viewMenuOpensReports()
{
    m_screen.reset();
    MainWindow window(m_state.get());
    QAction *reports = nullptr;
    for (QAction *menu : window.menuBar()->actions()) {
        for (QAction *action : menu->menu() ? menu->menu()->actions() : QList<QAction *>()) {
            if (action->text() == QLatin1String("&Reports"))
                reports = action;
        }
    }
    QVERIFY(reports);
    QVERIFY(reports->isEnabled());
    QCOMPARE(reports->shortcut(), QKeySequence("Ctrl+2"));
    reports->trigger();
    auto *screen = window.findChild<ReportsScreen *>();
    QVERIFY(screen);
    QVERIFY(screen->isVisible());
    QCOMPARE(screen->windowTitle(), QString("Reports"));
    QCOMPARE(screen->size(), QSize(800, 600));
    QCOMPARE(screen->page(ReportsScreen::CategorySpendingTab)->sectionCount(), 2);

    // The same window comes back, at the size the user gave it.
    screen->resize(900, 650);
    screen->close();
    reports->trigger();
    QCOMPARE(window.findChildren<ReportsScreen *>().size(), 1);
    QVERIFY(screen->isVisible());
    QCOMPARE(screen->size(), QSize(900, 650));
}

QTEST_MAIN(tst_ReportsScreen)
#include "tst_reportsscreen.moc"
