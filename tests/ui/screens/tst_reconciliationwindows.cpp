#include "app/appstate.h"
#include "common/testappstate.h"
#include "data/accountrepository.h"
#include "data/reconciliationrepository.h"
#include "data/rowstamp.h"
#include "data/transactionrepository.h"
#include "data/uuids.h"
#include "services/accountservice.h"
#include "services/transactionservice.h"
#include "ui/mainwindow.h"
#include "ui/messagebox.h"
#include "ui/register/registerscreen.h"
#include "ui/register/smartamountfield.h"
#include "ui/screens/reconciliationhistoryscreen.h"
#include "ui/screens/reconciliationmodel.h"
#include "ui/screens/reconciliationscreen.h"
#include "ui/screens/reconciliationwindows.h"
#include "ui/statusbar.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

class tst_ReconciliationWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void oneWindowPerAccount();
    void askingAgainKeepsTheTicks();
    void windowTitleAndSize();
    void finishedOrCancelledWindowsGo_data();
    void finishedOrCancelledWindowsGo();
    void aClosedWindowIsNotReused();
    void aDeletedAccountClosesItsWindow();
    void unknownAccountOpensNothing();
    void screensGoBeforeTheirService();
    void historyIsOneWindowForTheAskedAccount();
    void mainWindowOpensForTheCurrentAccount();
    void mainWindowWithoutAnAccountSaysSo();

private:
    QString addAccount(const QString &name, int sortOrder = 0);
    QList<ReconciliationScreen *> openScreens() const;

    std::unique_ptr<TestAppState> m_state;
    std::unique_ptr<QWidget> m_host;
    ReconciliationWindows *m_windows = nullptr;
    QList<MessageBox::Request> m_boxes;
    QString m_checking;
    QString m_savings;
};

void tst_ReconciliationWindows::initTestCase()
{
    TestAppState::redirectSettings();
    QCoreApplication::setOrganizationName("Orlindo");
    QCoreApplication::setApplicationName("QuillbyTest");
    MessageBox::setResponder([this](const MessageBox::Request &request) {
        m_boxes.append(request);
        return QMessageBox::Ok;
    });
}

void tst_ReconciliationWindows::init()
{
    QSettings().clear();
    m_boxes.clear();
    m_state = std::make_unique<TestAppState>();
    QVERIFY(m_state->initialize());
    m_checking = addAccount("Checking", 0);
    m_savings = addAccount("Savings", 1);
    m_host = std::make_unique<QWidget>();
    m_host->resize(400, 300);
    m_host->show();
    m_windows = new ReconciliationWindows(m_state.get(), m_host.get());
}

void tst_ReconciliationWindows::cleanup()
{
    m_host.reset();
    m_state.reset();
}

QString tst_ReconciliationWindows::addAccount(const QString &name, int sortOrder)
{
    Account account;
    account.id = newUuid();
    account.name = name;
    account.sortOrder = sortOrder;
    account.startingBalance = 10000;
    RowStamp::fresh(account);
    if (!m_state->accountRepository()->insert(account))
        qFatal("cannot insert an account");
    Transaction t;
    t.id = newUuid();
    t.accountId = account.id;
    t.date = QDate(2024, 5, 1);
    t.payee = "Grocer";
    t.amount = -2000;
    t.cleared = true;
    RowStamp::fresh(t);
    if (!m_state->transactionRepository()->insert(t))
        qFatal("cannot insert a transaction");
    return account.id;
}

QList<ReconciliationScreen *> tst_ReconciliationWindows::openScreens() const
{
    QList<ReconciliationScreen *> open;
    for (ReconciliationScreen *screen : m_host->findChildren<ReconciliationScreen *>()) {
        if (screen->isVisible())
            open.append(screen);
    }
    return open;
}

void tst_ReconciliationWindows::oneWindowPerAccount()
{
    ReconciliationScreen *first = m_windows->openReconciliation(m_checking);
    QVERIFY(first);
    QVERIFY(first->isWindow());
    QVERIFY(first->isVisible());
    QCOMPARE(m_windows->openReconciliation(m_checking), first);
    QCOMPARE(openScreens().size(), 1);

    ReconciliationScreen *other = m_windows->openReconciliation(m_savings);
    QVERIFY(other);
    QVERIFY(other != first);
    QCOMPARE(other->accountId(), m_savings);
    QCOMPARE(openScreens().size(), 2);
    QCOMPARE(m_windows->reconciliationFor(m_checking), first);
    QCOMPARE(m_windows->reconciliationFor(m_savings), other);
}

void tst_ReconciliationWindows::askingAgainKeepsTheTicks()
{
    ReconciliationScreen *screen = m_windows->openReconciliation(m_checking);
    QVERIFY(screen->model()->isTicked(0));
    screen->model()->setTicked(0, false);
    screen->showMinimized();
    QCOMPARE(m_windows->openReconciliation(m_checking), screen);
    QVERIFY(!screen->isMinimized());
    QVERIFY(!screen->model()->isTicked(0));
}

void tst_ReconciliationWindows::windowTitleAndSize()
{
    ReconciliationScreen *screen = m_windows->openReconciliation(m_checking);
    QCOMPARE(screen->windowTitle(), QStringLiteral("Reconcile — Checking"));
    QCOMPARE(screen->parentWidget(), m_host.get());
    // The default size, unless the screen is smaller: then the whole window,
    // frame included, fits on it.
    const QRect area = m_host->screen()->availableGeometry();
    const QSize frame = screen->frameGeometry().size() - screen->geometry().size();
    QCOMPARE(screen->size(), ReconciliationWindows::kReconciliationSize.boundedTo(area.size() - frame));
    QVERIFY(area.contains(screen->frameGeometry()));
    QVERIFY(screen->testAttribute(Qt::WA_DeleteOnClose));
}

void tst_ReconciliationWindows::finishedOrCancelledWindowsGo_data()
{
    QTest::addColumn<bool>("finish");
    QTest::newRow("finished") << true;
    QTest::newRow("cancelled") << false;
}

void tst_ReconciliationWindows::finishedOrCancelledWindowsGo()
{
    QFETCH(bool, finish);
    QPointer<ReconciliationScreen> screen = m_windows->openReconciliation(m_checking);
    if (finish) {
        screen->statementBalanceField()->setValue(80.0);
        QVERIFY(screen->finishButton()->isEnabled());
        QTest::mouseClick(screen->finishButton(), Qt::LeftButton);
        QVERIFY(m_state->reconciliationRepository()->findLatest(m_checking));
    } else {
        QTest::mouseClick(screen->findChild<QPushButton *>("cancelButton"), Qt::LeftButton);
        QVERIFY(!m_state->reconciliationRepository()->findLatest(m_checking));
    }
    QVERIFY(!m_windows->reconciliationFor(m_checking));
    QTRY_VERIFY(!screen);
}

void tst_ReconciliationWindows::aClosedWindowIsNotReused()
{
    QPointer<ReconciliationScreen> closing = m_windows->openReconciliation(m_checking);
    closing->close();
    // Asked again before the closed one is gone: a new window.
    ReconciliationScreen *fresh = m_windows->openReconciliation(m_checking);
    QVERIFY(fresh);
    QVERIFY(fresh != closing.data());
    QVERIFY(fresh->isVisible());
    QTRY_VERIFY(!closing);
    QCOMPARE(m_windows->reconciliationFor(m_checking), fresh);
}

void tst_ReconciliationWindows::aDeletedAccountClosesItsWindow()
{
    QPointer<ReconciliationScreen> screen = m_windows->openReconciliation(m_checking);
    QVERIFY(m_state->accountService());
    QVERIFY(m_state->accountService()->remove(m_checking).ok());
    QTRY_VERIFY(!screen);
}

void tst_ReconciliationWindows::unknownAccountOpensNothing()
{
    QVERIFY(!m_windows->openReconciliation(newUuid()));
    QVERIFY(!m_windows->openReconciliation(QString()));
    QVERIFY(!m_windows->openHistory(newUuid()));
    QVERIFY(openScreens().isEmpty());
}

void tst_ReconciliationWindows::screensGoBeforeTheirService()
{
    QPointer<ReconciliationScreen> first = m_windows->openReconciliation(m_checking);
    QPointer<ReconciliationScreen> second = m_windows->openReconciliation(m_savings);
    delete m_windows;
    m_windows = nullptr;
    QVERIFY(!first);
    QVERIFY(!second);
    // A change committed afterwards reaches no screen of a service that is gone.
    QVERIFY(m_state->transactionService()->setCleared(
        m_state->transactionRepository()->findByAccount(m_checking).at(0).id, false).ok());
}

void tst_ReconciliationWindows::historyIsOneWindowForTheAskedAccount()
{
    ReconciliationHistoryScreen *history = m_windows->openHistory(m_checking);
    QVERIFY(history);
    QVERIFY(history->isVisible());
    QCOMPARE(history->windowTitle(), QStringLiteral("Reconciliation History"));
    QCOMPARE(history->accountId(), m_checking);
    QCOMPARE(m_windows->openHistory(m_savings), history);
    QCOMPARE(history->accountId(), m_savings);
    QCOMPARE(history->titleLabel()->text(), QStringLiteral("Reconciliation History — Savings"));
    QCOMPARE(m_host->findChildren<ReconciliationHistoryScreen *>().size(), 1);
}

void tst_ReconciliationWindows::mainWindowOpensForTheCurrentAccount()
{
    MainWindow window(m_state.get());
    window.show();
    window.selectAccount(m_savings);
    QTest::mouseClick(window.registerScreen()->reconcileButton(), Qt::LeftButton);
    ReconciliationScreen *screen = window.reconciliationWindows()->reconciliationFor(m_savings);
    QVERIFY(screen);
    QVERIFY(screen->isVisible());

    // The Account menu's entry reaches the same window.
    QAction *reconcile = nullptr;
    for (QAction *menu : window.menuBar()->actions()) {
        if (!menu->menu())
            continue;
        for (QAction *action : menu->menu()->actions()) {
            if (action->text() == "&Reconcile...")
                reconcile = action;
        }
    }
    QVERIFY(reconcile);
    QVERIFY(reconcile->isEnabled());
    QCOMPARE(reconcile->shortcut(), QKeySequence("Ctrl+R"));
    reconcile->trigger();
    QCOMPARE(window.findChildren<ReconciliationScreen *>().size(), 1);
    window.showReconciliationHistoryWindow();
    QCOMPARE(window.reconciliationWindows()->openHistory(m_savings)->accountId(), m_savings);
}

void tst_ReconciliationWindows::mainWindowWithoutAnAccountSaysSo()
{
    MainWindow window(m_state.get());
    m_state->setCurrentAccountId(QString());
    window.showReconciliationWindow();
    QCOMPARE(window.statusBarWidget()->currentMessage(), QStringLiteral("Select an account first"));
    window.statusBarWidget()->clearMessage();
    window.showReconciliationHistoryWindow();
    QCOMPARE(window.statusBarWidget()->currentMessage(), QStringLiteral("Select an account first"));
    QVERIFY(window.findChildren<ReconciliationScreen *>().isEmpty());
    QVERIFY(window.findChildren<ReconciliationHistoryScreen *>().isEmpty());
}

QTEST_MAIN(tst_ReconciliationWindows)
#include "tst_reconciliationwindows.moc"
