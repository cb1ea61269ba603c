#include "app/appstate.h"
#include "common/testappstate.h"
#include "data/accountrepository.h"
#include "data/reconciliationrepository.h"
#include "data/rowstamp.h"
#include "data/uuids.h"
#include "ui/screens/reconciliationhistoryscreen.h"
#include "ui/thememanager.h"

#include <QApplication>
#include <QLabel>
#include <QTableWidget>
#include <QTest>

class tst_ReconciliationHistoryScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void emptyHistoryShowsOnlyTheNote();
    void newestStatementFirst();
    void balancesInTheAccountCurrency_data();
    void balancesInTheAccountCurrency();
    void followsAFinishedReconciliationAndARename();
    void anotherAccountsHistory();

private:
    QString addAccount(const QString &name, Currency currency = Currency::USD);
    void addReconciliation(const QString &accountId, const QDate &statementDate, qint64 statement, qint64 reconciled,
                           const QDateTime &completedAt = QDateTime(QDate(2024, 2, 3), QTime(14, 5), Qt::UTC));
    QStringList column(int column) const;

    std::unique_ptr<TestAppState> m_state;
    std::unique_ptr<ReconciliationHistoryScreen> m_screen;
    QString m_checking;
};

void tst_ReconciliationHistoryScreen::initTestCase()
{
    TestAppState::redirectSettings();
}

void tst_ReconciliationHistoryScreen::init()
{
    QApplication::setPalette(ThemeManager::lightPalette());
    m_state = std::make_unique<TestAppState>();
    QVERIFY(m_state->initialize());
    m_checking = addAccount("Checking");
    m_screen = std::make_unique<ReconciliationHistoryScreen>(m_state.get());
    m_screen->resize(750, 500);
    m_screen->show();
}

void tst_ReconciliationHistoryScreen::cleanup()
{
    m_screen.reset();
    m_state.reset();
}

QString tst_ReconciliationHistoryScreen::addAccount(const QString &name, Currency currency)
{
    Account account;
    account.id = newUuid();
    account.name = name;
    account.currency = currency;
    RowStamp::fresh(account);
    if (!m_state->accountRepository()->insert(account))
        qFatal("cannot insert an account");
    return account.id;
}

void tst_ReconciliationHistoryScreen::addReconciliation(const QString &accountId, const QDate &statementDate,
                                                        qint64 statement, qint64 reconciled,
                                                        const QDateTime &completedAt)
{
    Reconciliation r;
    r.id = newUuid();
    r.accountId = accountId;
    r.statementDate = statementDate;
    r.statementBalance = statement;
    r.reconciledBalance = reconciled;
    r.completedAt = completedAt;
    RowStamp::fresh(r);
    QVERIFY(m_state->reconciliationRepository()->insert(r));
}

QStringList tst_ReconciliationHistoryScreen::column(int column) const
{
    QStringList texts;
    for (int row = 0; row < m_screen->table()->rowCount(); ++row)
        texts.append(m_screen->table()->item(row, column)->text());
    return texts;
}

void tst_ReconciliationHistoryScreen::emptyHistoryShowsOnlyTheNote()
{
    m_screen->setAccount(m_checking);
    QCOMPARE(m_screen->titleLabel()->text(), QStringLiteral("Reconciliation History — Checking"));
    QVERIFY(m_screen->emptyLabel()->isVisible());
    QVERIFY(!m_screen->table()->isVisible());
    QCOMPARE(m_screen->emptyLabel()->text(),
             QStringLiteral("No reconciliations yet. Reconcile your account from the register to see the history "
                            "here."));
}

void tst_ReconciliationHistoryScreen::newestStatementFirst()
{
    addReconciliation(m_checking, QDate(2024, 1, 31), 150000, 150000);
    addReconciliation(m_checking, QDate(2024, 3, 31), 90000, 90000,
                      QDateTime(QDate(2024, 4, 2), QTime(9, 7), Qt::UTC));
    addReconciliation(m_checking, QDate(2024, 2, 29), 120000, 120000);
    m_screen->setAccount(m_checking);
    QVERIFY(m_screen->table()->isVisible());
    QVERIFY(!m_screen->emptyLabel()->isVisible());
    QCOMPARE(column(0), QStringList({"Mar 31, 2024", "Feb 29, 2024", "Jan 31, 2024"}));
    QCOMPARE(column(1), QStringList({"$900.00", "$1,200.00", "$1,500.00"}));
    // Completed shows in local time.
    const QDateTime local = QDateTime(QDate(2024, 4, 2), QTime(9, 7), Qt::UTC).toLocalTime();
    QCOMPARE(column(3).at(0), local.toString("MMM d, yyyy h:mm ap"));
    QVERIFY(column(3).at(0).endsWith(local.time().hour() < 12 ? "am" : "pm"));
    QCOMPARE(m_screen->table()->horizontalHeaderItem(2)->text(), QStringLiteral("Reconciled Balance"));
}

void tst_ReconciliationHistoryScreen::balancesInTheAccountCurrency_data()
{
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("red");
    QTest::newRow("dollars") << Currency::USD << qint64(123456) << "$1,234.56" << false;
    QTest::newRow("overdrawnDollars") << Currency::USD << qint64(-5000) << "-$50.00" << true;
    QTest::newRow("yen") << Currency::JPY << qint64(123456) << "¥123,456" << false;
    QTest::newRow("overdrawnYen") << Currency::JPY << qint64(-120) << "-¥120" << true;
}

void tst_ReconciliationHistoryScreen::balancesInTheAccountCurrency()
{
    QFETCH(Currency, currency);
    QFETCH(qint64, amount);
    QFETCH(QString, text);
    QFETCH(bool, red);
    const QString account = addAccount("Other", currency);
    addReconciliation(account, QDate(2024, 1, 31), amount, amount);
    m_screen->setAccount(account);
    for (int column : {1, 2}) {
        const QTableWidgetItem *item = m_screen->table()->item(0, column);
        QCOMPARE(item->text(), text);
        QCOMPARE(item->textAlignment(), int(Qt::AlignRight | Qt::AlignVCenter));
        QCOMPARE(item->foreground().color() == negativeColor(), red);
    }
}

void tst_ReconciliationHistoryScreen::followsAFinishedReconciliationAndARename()
{
    m_screen->setAccount(m_checking);
    addReconciliation(m_checking, QDate(2024, 1, 31), 100, 100);
    QCOMPARE(m_screen->table()->rowCount(), 1);
    QVERIFY(m_screen->table()->isVisible());
    Account account = *m_state->accountRepository()->findById(m_checking);
    account.name = "Everyday";
    RowStamp::touch(account);
    QVERIFY(m_state->accountRepository()->update(account));
    QCOMPARE(m_screen->titleLabel()->text(), QStringLiteral("Reconciliation History — Everyday"));
}

void tst_ReconciliationHistoryScreen::anotherAccountsHistory()
{
    const QString savings = addAccount("Savings");
    addReconciliation(m_checking, QDate(2024, 1, 31), 100, 100);
    m_screen->setAccount(m_checking);
    QCOMPARE(m_screen->table()->rowCount(), 1);
    m_screen->setAccount(savings);
    QCOMPARE(m_screen->titleLabel()->text(), QStringLiteral("Reconciliation History — Savings"));
    QCOMPARE(m_screen->table()->rowCount(), 0);
    QVERIFY(m_screen->emptyLabel()->isVisible());
}

QTEST_MAIN(tst_ReconciliationHistoryScreen)
#include "tst_reconciliationhistoryscreen.moc"
