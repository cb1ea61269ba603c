#include "common/testappstate.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/clock.h"
#include "data/rowstamp.h"
#include "data/transactionrepository.h"
#include "data/uuids.h"
#include "services/accountservice.h"
#include "services/reportservice.h"
#include "services/transactionservice.h"
#include "ui/mainwindow.h"
#include "ui/messagebox.h"
#include "ui/register/registermodel.h"
#include "ui/register/registerscreen.h"
#include "ui/register/registertableview.h"
#include "ui/screens/reportsscreen.h"
#include "ui/screens/searchresultsmodel.h"
#include "ui/screens/searchscreen.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <memory>

// Fixture, on 15 June 2025: a dollar checking account and a euro account.
// Checking holds "Corner Grocer" on 2 June (Groceries, cleared), "Corner
// Grocer" on 9 June (Groceries), "Fuel Stop" on 10 June (no category) and
// "Salary" on 1 June (+); the euro account holds "Boulangerie Paul" on
// 5 June (Groceries). Each memo names its row: a, b, c, d, e.
class tst_SearchScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void firstShowingListsNewestFirst();
    void filterListsFollowTheData();
    void typingSearchesOnceAfterThePause();
    void filtersSearchAtOnce_data();
    void filtersSearchAtOnce();
    void dateFieldsFollowTheirBox();
    void hostileTextIsShownNotFatal_data();
    void hostileTextIsShownNotFatal();
    void resultsFollowCommittedChanges();
    void hiddenScreenCatchesUpWhenShown();
    void activatingAResultAsksForIt();
    void reportFigureNarrowsUntilCleared();
    void findOpensTheScreenAndAResultOpensTheRegister();
    void reportClickOpensTheSearch();

private:
    Transaction store(const QString &accountId, const QDate &date, const QString &payee, qint64 amount,
                      const QString &memo, const QString &categoryId = QString(), bool cleared = false);
    QString addAccount(const QString &name, Currency currency, int sortOrder);
    QStringList memos() const;
    static QAction *menuAction(MainWindow &window, const QString &text);

    std::unique_ptr<TestAppState> m_state;
    std::unique_ptr<SearchScreen> m_screen;
    QString m_checking;
    QString m_euro;
    QString m_groceries;
    QString m_idB;
};

void tst_SearchScreen::initTestCase()
{
    TestAppState::redirectSettings();
    QCoreApplication::setOrganizationName("Orlindo");
    QCoreApplication::setApplicationName("QuillbyTest");
    MessageBox::setResponder([](const MessageBox::Request &) { return QMessageBox::Ok; });
}

void tst_SearchScreen::init()
{
    QSettings().clear();
    Clock::setToday(QDate(2025, 6, 15));
    m_state = std::make_unique<TestAppState>();
    QVERIFY(m_state->initialize());
    m_checking = addAccount(QStringLiteral("Checking"), Currency::USD, 0);
    m_euro = addAccount(QStringLiteral("Euro Account"), Currency::EUR, 1);
    for (const Category &category : m_state->categoryRepository()->findAll()) {
        if (category.name == QLatin1String("Groceries"))
            m_groceries = category.id;
    }
    QVERIFY(!m_groceries.isEmpty());
    store(m_checking, QDate(2025, 6, 2), QStringLiteral("Corner Grocer"), -3000, QStringLiteral("a"), m_groceries,
          true);
    m_idB = store(m_checking, QDate(2025, 6, 9), QStringLiteral("Corner Grocer"), -1500, QStringLiteral("b"),
                  m_groceries).id;
    store(m_checking, QDate(2025, 6, 10), QStringLiteral("Fuel Stop"), -4000, QStringLiteral("c"));
    store(m_checking, QDate(2025, 6, 1), QStringLiteral("Salary"), 250000, QStringLiteral("d"));
    store(m_euro, QDate(2025, 6, 5), QStringLiteral("Boulangerie Paul"), -450, QStringLiteral("e"), m_groceries);
    m_screen = std::make_unique<SearchScreen>(m_state.get());
    new QAbstractItemModelTester(m_screen->model(), QAbstractItemModelTester::FailureReportingMode::QtTest,
                                 m_screen.get());
}

void tst_SearchScreen::cleanup()
{
    m_screen.reset();
    m_state.reset();
    Clock::setToday(QDate());
}

Transaction tst_SearchScreen::store(const QString &accountId, const QDate &date, const QString &payee,
                                    qint64 amount, const QString &memo, const QString &categoryId, bool cleared)
{
    Transaction t;
    t.id = newUuid();
    t.accountId = accountId;
    t.date = date;
    t.payee = payee;
    t.amount = amount;
    t.memo = memo;
    t.categoryId = categoryId;
    t.cleared = cleared;
    RowStamp::fresh(t);
    if (!m_state->transactionRepository()->insert(t))
        qFatal("cannot store a transaction");
    return t;
}

QString tst_SearchScreen::addAccount(const QString &name, Currency currency, int sortOrder)
{
    Account account;
    account.id = newUuid();
    account.name = name;
    account.currency = currency;
    account.sortOrder = sortOrder;
    RowStamp::fresh(account);
    if (!m_state->accountRepository()->insert(account))
        qFatal("cannot store an account");
    return account.id;
}

QStringList tst_SearchScreen::memos() const
{
    QStringList found;
    for (const SearchResult &result : m_screen->model()->results())
        found.append(result.row.memo);
    return found;
}

QAction *tst_SearchScreen::menuAction(MainWindow &window, const QString &text)
{
    for (QAction *menu : window.menuBar()->actions()) {
        for (QAction *action : menu->menu() ? menu->menu()->actions() : QList<QAction *>()) {
            if (action->text() == text)
                return action;
        }
    }
    return nullptr;
}

void tst_SearchScreen::firstShowingListsNewestFirst()
{
    QCOMPARE(m_screen->searchCount(), 0);
    m_screen->show();
    QCOMPARE(m_screen->searchCount(), 1);
    QCOMPARE(memos(), (QStringList{"c", "b", "e", "a", "d"}));
    QCOMPARE(m_screen->statusLabel()->text(), QString("5 transaction(s) found."));
    // Each row in its own account's currency.
    const QModelIndex euroAmount = m_screen->model()->index(2, SearchResultsModel::Amount);
    QVERIFY(euroAmount.data().toString().contains(QChar(0x20AC)));
    QCOMPARE(m_screen->model()->index(2, SearchResultsModel::Account).data().toString(), QString("Euro Account"));
    QCOMPARE(m_screen->model()->index(3, SearchResultsModel::Cleared).data().toString(), QString("C"));
    QCOMPARE(m_screen->model()->index(0, SearchResultsModel::Category).data().toString(), QString());
}

void tst_SearchScreen::filterListsFollowTheData()
{
    m_screen->show();
    QComboBox *accounts = m_screen->accountCombo();
    QCOMPARE(accounts->count(), 3);
    QCOMPARE(accounts->itemText(0), QString("All Accounts"));
    QCOMPARE(accounts->itemText(1), QString("Checking"));
    QCOMPARE(accounts->itemText(2), QString("Euro Account"));
    QComboBox *categories = m_screen->categoryCombo();
    QCOMPARE(categories->itemText(0), QString("All Categories"));
    // The two default "Maintenance" subcategories are told apart.
    QVERIFY(categories->findText("Housing > Maintenance") > 0);
    QVERIFY(categories->findText("Transportation > Maintenance") > 0);
    for (int i = 2; i < categories->count(); ++i)
        QVERIFY2(categories->itemText(i - 1).compare(categories->itemText(i), Qt::CaseInsensitive) <= 0,
                 qPrintable(categories->itemText(i)));

    // A chosen account that goes away stops filtering.
    accounts->setCurrentIndex(2);
    QCOMPARE(memos(), QStringList{"e"});
    QVERIFY(m_state->accountService()->remove(m_euro));
    QCOMPARE(accounts->count(), 2);
    QCOMPARE(accounts->currentIndex(), 0);
    QCOMPARE(memos(), (QStringList{"c", "b", "a", "d"}));
}

void tst_SearchScreen::typingSearchesOnceAfterThePause()
{
    m_screen->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_screen.get()));
    const int before = m_screen->searchCount();
    QCOMPARE(m_screen->typingTimer()->interval(), 300);
    QTest::keyClicks(m_screen->searchField(), "groce");
    QCOMPARE(m_screen->searchCount(), before);
    QVERIFY(m_screen->typingTimer()->isActive());
    QTRY_COMPARE(m_screen->searchCount(), before + 1);
    QCOMPARE(memos(), (QStringList{"b", "a"}));
    QTest::qWait(400);
    QCOMPARE(m_screen->searchCount(), before + 1);

    // Return searches at once.
    QTest::keyClicks(m_screen->searchField(), "r fuel");
    QTest::keyClick(m_screen->searchField(), Qt::Key_Return);
    QCOMPARE(m_screen->searchCount(), before + 2);
    QVERIFY(!m_screen->typingTimer()->isActive());
    QCOMPARE(memos(), QStringList{});
    QCOMPARE(m_screen->statusLabel()->text(), QString("No transactions match."));
}

void tst_SearchScreen::filtersSearchAtOnce_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("account");  // combo index
    QTest::addColumn<bool>("groceries");
    QTest::addColumn<bool>("dated");
    QTest::addColumn<bool>("clearedOnly");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("account") << "" << 1 << false << false << false << QStringList{"c", "b", "a", "d"};
    QTest::newRow("category") << "" << 0 << true << false << false << QStringList{"b", "e", "a"};
    QTest::newRow("accountAndCategory") << "" << 1 << true << false << false << QStringList{"b", "a"};
    QTest::newRow("datesFrom3To9June") << "" << 0 << false << true << false << QStringList{"b", "e"};
    QTest::newRow("clearedOnly") << "" << 0 << false << false << true << QStringList{"a"};
    QTest::newRow("textAndDates") << "corner" << 1 << true << true << false << QStringList{"b"};
    QTest::newRow("allAtOnce") << "grocer" << 1 << true << false << true << QStringList{"a"};
}

void tst_SearchScreen::filtersSearchAtOnce()
{
    QFETCH(QString, text);
    QFETCH(int, account);
    QFETCH(bool, groceries);
    QFETCH(bool, dated);
    QFETCH(bool, clearedOnly);
    QFETCH(QStringList, expected);

    m_screen->show();
    m_screen->searchField()->setText(text);
    m_screen->performSearch();
    m_screen->fromEdit()->setDate(QDate(2025, 6, 3));
    m_screen->toEdit()->setDate(QDate(2025, 6, 9));
    // No timer is waited for: each filter searches as it changes.
    m_screen->accountCombo()->setCurrentIndex(account);
    if (groceries)
        m_screen->categoryCombo()->setCurrentIndex(m_screen->categoryCombo()->findData(m_groceries));
    m_screen->dateRangeCheck()->setChecked(dated);
    m_screen->clearedOnlyCheck()->setChecked(clearedOnly);
    QVERIFY(!m_screen->typingTimer()->isActive());
    QCOMPARE(memos(), expected);
}

void tst_SearchScreen::dateFieldsFollowTheirBox()
{
    m_screen->show();
    QCOMPARE(m_screen->fromEdit()->date(), QDate(2025, 5, 15));
    QCOMPARE(m_screen->toEdit()->date(), QDate(2025, 6, 15));
    QCOMPARE(m_screen->fromEdit()->displayFormat(), QString("MM/dd/yyyy"));
    QVERIFY(!m_screen->fromEdit()->isEnabled());
    QVERIFY(!m_screen->toEdit()->isEnabled());

    // A date changed while the range is off does not search.
    const int before = m_screen->searchCount();
    m_screen->fromEdit()->setDate(QDate(2025, 6, 6));
    QCOMPARE(m_screen->searchCount(), before);
    m_screen->dateRangeCheck()->setChecked(true);
    QVERIFY(m_screen->fromEdit()->isEnabled());
    QVERIFY(m_screen->toEdit()->isEnabled());
    QCOMPARE(memos(), (QStringList{"c", "b"}));
    m_screen->toEdit()->setDate(QDate(2025, 6, 9));
    QCOMPARE(m_screen->searchCount(), before + 2);
    QCOMPARE(memos(), QStringList{"b"});
}

void tst_SearchScreen::hostileTextIsShownNotFatal_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<bool>("refused");

    QTest::newRow("quotes") << "\"corner\" \"" << QStringList{"b", "a"} << false;
    QTest::newRow("star") << "*" << QStringList{"c", "b", "e", "a", "d"} << false;
    QTest::newRow("columnFilter") << "payee:fuel" << QStringList{} << false;
    QTest::newRow("nearParens") << "NEAR(corner grocer)" << QStringList{} << false;
    QTest::newRow("minusCaret") << "-^fuel" << QStringList{"c"} << false;
    QTest::newRow("accentFolded") << QString::fromUtf8("BOULANGÉRIE") << QStringList{"e"} << false;
    QTest::newRow("cjk") << QString::fromUtf8("食料品") << QStringList{} << false;
    QTest::newRow("tooManyWords") << QStringLiteral("a ").repeated(40) << QStringList{} << true;
}

void tst_SearchScreen::hostileTextIsShownNotFatal()
{
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    QFETCH(bool, refused);

    m_screen->show();
    QTest::failOnWarning(QRegularExpression(".*"));
    m_screen->searchField()->setText(text);
    m_screen->performSearch();
    QCOMPARE(memos(), expected);
    QCOMPARE(m_screen->statusLabel()->text().startsWith("Search for at most"), refused);
    // The field never takes more than the service reads.
    m_screen->searchField()->setText(QString(SearchService::kMaxTextLength + 50, QLatin1Char('x')));
    QCOMPARE(m_screen->searchField()->text().size(), SearchService::kMaxTextLength);
}

void tst_SearchScreen::resultsFollowCommittedChanges()
{
    m_screen->show();
    m_screen->searchField()->setText("grocer");
    m_screen->performSearch();
    m_screen->resultsView()->setCurrentIndex(m_screen->model()->index(0, SearchResultsModel::Payee));
    QCOMPARE(memos(), (QStringList{"b", "a"}));

    // A write through the service, committed once: the list follows without
    // a search being asked for, and the current row stays on its transaction.
    TransactionDraft draft;
    draft.accountId = m_checking;
    draft.date = QDate(2025, 6, 12);
    draft.payee = QStringLiteral("Corner Grocer");
    draft.amount = -999;
    draft.memo = QStringLiteral("f");
    const Result<Transaction> created = m_state->transactionService()->create(draft);
    QVERIFY2(created, qPrintable(created.error()));
    QCOMPARE(memos(), (QStringList{"f", "b", "a"}));
    QCOMPARE(m_screen->resultsView()->currentIndex().row(), 1);

    QVERIFY(m_state->transactionService()->remove(m_idB));
    QCOMPARE(memos(), (QStringList{"f", "a"}));
}

void tst_SearchScreen::hiddenScreenCatchesUpWhenShown()
{
    m_screen->show();
    m_screen->hide();
    const int before = m_screen->searchCount();
    store(m_checking, QDate(2025, 6, 14), QStringLiteral("Late Entry"), -1, QStringLiteral("g"));
    QCOMPARE(m_screen->searchCount(), before);
    m_screen->show();
    QCOMPARE(m_screen->searchCount(), before + 1);
    QCOMPARE(memos().first(), QString("g"));
}

void tst_SearchScreen::activatingAResultAsksForIt()
{
    m_screen->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_screen.get()));
    QSignalSpy requests(m_screen.get(), &SearchScreen::editTransactionRequested);
    QTableView *view = m_screen->resultsView();
    const QString idOfRow1 = m_screen->model()->resultAt(1)->row.id;
    QCOMPARE(idOfRow1, m_idB);

    const QRect cell = view->visualRect(m_screen->model()->index(1, SearchResultsModel::Payee));
    // A double click as a person makes it: press and release, then the second press.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.at(0).at(0).toString(), m_idB);

    view->setFocus();
    view->setCurrentIndex(m_screen->model()->index(4, SearchResultsModel::Payee));
    QTest::keyClick(view, Qt::Key_Return);
    QCOMPARE(requests.size(), 2);
    QCOMPARE(requests.at(1).at(0).toString(), m_screen->model()->resultAt(4)->row.id);

    // From the search field: type, Down into the results (searching what was
    // typed first), Return opens the row.
    m_screen->activateWindow();
    m_screen->searchField()->setFocus();
    view->setCurrentIndex(QModelIndex());
    QTest::keyClicks(m_screen->searchField(), "fuel");
    QTest::keyClick(m_screen->searchField(), Qt::Key_Down);
    QVERIFY(view->hasFocus());
    QCOMPARE(memos(), QStringList{"c"});
    QTest::keyClick(view, Qt::Key_Return);
    QCOMPARE(requests.size(), 3);
    QCOMPARE(requests.at(2).at(0).toString(), m_screen->model()->resultAt(0)->row.id);
}

void tst_SearchScreen::reportFigureNarrowsUntilCleared()
{
    m_screen->show();
    TransactionMatch match;
    match.from = QDate(2025, 6, 1);
    match.to = QDate(2025, 6, 30);
    match.accountId = m_checking;
    match.currency = Currency::USD;
    match.categoryName = QStringLiteral("Groceries");
    match.expensesOnly = true;
    m_screen->searchField()->setText("leftover");
    m_screen->showReportMatch(match, QStringLiteral("Groceries, June"));
    QCOMPARE(m_screen->searchField()->text(), QString());
    QCOMPARE(m_screen->accountCombo()->currentData().toString(), m_checking);
    QVERIFY(m_screen->dateRangeCheck()->isChecked());
    QCOMPARE(m_screen->fromEdit()->date(), match.from);
    QCOMPARE(m_screen->toEdit()->date(), match.to);
    QCOMPARE(memos(), (QStringList{"b", "a"}));
    QVERIFY(m_screen->narrowingLabel()->isVisible());
    QVERIFY(m_screen->narrowingLabel()->text().contains("Groceries"));
    QVERIFY(m_screen->narrowingLabel()->text().contains("expenses only"));

    // Widening the account keeps the report's other filters; the button drops them.
    m_screen->accountCombo()->setCurrentIndex(0);
    QCOMPARE(memos(), (QStringList{"b", "a"}));
    match.currency.reset();
    match.accountId.clear();
    match.categoryName.reset();
    match.payee = QStringLiteral("Fuel Stop");
    m_screen->showReportMatch(match, QString());
    QCOMPARE(memos(), QStringList{"c"});
    m_screen->dropNarrowingButton()->click();
    QVERIFY(!m_screen->narrowingLabel()->isVisible());
    QCOMPARE(memos(), (QStringList{"c", "b", "e", "a", "d"}));
}

void tst_SearchScreen::findOpensTheScreenAndAResultOpensTheRegister()
{
    m_screen.reset();
    MainWindow window(m_state.get());
    window.show();
    QAction *find = menuAction(window, QStringLiteral("&Find..."));
    QVERIFY(find);
    QVERIFY(find->isEnabled());
    QCOMPARE(find->shortcut(), QKeySequence(QKeySequence::Find));
    find->trigger();
    auto *screen = window.findChild<SearchScreen *>();
    QVERIFY(screen);
    QVERIFY(screen->isVisible());
    QCOMPARE(screen->windowTitle(), QString("Search Transactions"));
    QCOMPARE(screen->size(), QSize(800, 550));
    QCOMPARE(screen->model()->rowCount(), 5);

    // Shown again: the same window, its text selected for typing over.
    screen->searchField()->setText("corner");
    screen->close();
    find->trigger();
    QCOMPARE(window.findChildren<SearchScreen *>().size(), 1);
    QVERIFY(screen->searchField()->hasSelectedText());
    QCOMPARE(screen->searchField()->selectedText(), QString("corner"));

    // The euro row opens the euro register at that transaction.
    screen->searchField()->setText("boulangerie");
    screen->performSearch();
    QCOMPARE(screen->model()->rowCount(), 1);
    Q_EMIT screen->resultsView()->activated(screen->model()->index(0, 0));
    QCOMPARE(m_state->currentAccountId(), m_euro);
    RegisterScreen *registerScreen = window.registerScreen();
    QCOMPARE(registerScreen->accountId(), m_euro);
    const RegisterRow *current = registerScreen->model()->rowAt(registerScreen->view()->currentIndex().row());
    QVERIFY(current);
    QCOMPARE(current->payee, QString("Boulangerie Paul"));

    // A result deleted meanwhile opens nothing.
    const QString gone = screen->model()->resultAt(0)->row.id;
    QVERIFY(m_state->transactionRepository()->softDelete(gone));
    window.showTransaction(gone);
    QCOMPARE(registerScreen->accountId(), m_euro);
}

void tst_SearchScreen::reportClickOpensTheSearch()
{
    m_screen.reset();
    MainWindow window(m_state.get());
    window.show();
    QAction *reports = menuAction(window, QStringLiteral("&Reports"));
    QVERIFY(reports);
    reports->trigger();
    auto *reportsScreen = window.findChild<ReportsScreen *>();
    QVERIFY(reportsScreen);
    TransactionMatch match;
    match.from = QDate(2025, 6, 1);
    match.to = QDate(2025, 6, 30);
    match.payee = QStringLiteral("Corner Grocer");
    Q_EMIT reportsScreen->transactionsRequested(match, QStringLiteral("Corner Grocer"));
    auto *screen = window.findChild<SearchScreen *>();
    QVERIFY(screen);
    QVERIFY(screen->isVisible());
    QCOMPARE(screen->model()->rowCount(), 2);
    QVERIFY(screen->narrowingLabel()->text().contains("Corner Grocer"));
}

QTEST_MAIN(tst_SearchScreen)
#include "tst_searchscreen.moc"
