#include "app/appstate.h"
#include "common/testappstate.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/clock.h"
#include "data/database.h"
#include "data/reconciliationrepository.h"
#include "data/rowstamp.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "data/uuids.h"
#include "services/reconciliationservice.h"
#include "services/transactionservice.h"
#include "services/undohistory.h"
#include "ui/messagebox.h"
#include "ui/register/datefield.h"
#include "ui/register/smartamountfield.h"
#include "ui/register/transactionformdialog.h"
#include "ui/screens/reconciliationmodel.h"
#include "ui/screens/reconciliationscreen.h"
#include "ui/thememanager.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QStyle>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>

namespace {

// How a person ticks a row.
enum class Tick { CheckBox, Space, C, R };

} // namespace

Q_DECLARE_METATYPE(Tick)

class tst_ReconciliationScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void figuresAndColours_data();
    void figuresAndColours();
    void tickingUpdatesTheDifference_data();
    void tickingUpdatesTheDifference();
    void tickKeysWithoutACurrentRowDoNothing();
    void proposedStatementDate_data();
    void proposedStatementDate();
    void unknownAccountLeavesTheScreenEmpty();
    void yenAccount();
    void manyRowsTickExactly();

    void finishRecordsAndCloses();
    void failedFinishIsShownNotReported();
    void aChangeElsewhereKeepsTheTicks();

    void addThroughTheForm_data();
    void addThroughTheForm();
    void editATransferHalfMovesBothSides();
    void editKeepsSplitLines();
    void deleteATransferHalf_data();
    void deleteATransferHalf();
    void shortcuts_data();
    void shortcuts();

private:
    QString addAccount(const QString &name, Currency currency = Currency::USD, qint64 startingBalance = 0);
    Transaction addTransaction(const QString &accountId, const QString &payee, qint64 amount, bool cleared = false,
                               const QDate &date = QDate(2024, 5, 1), bool reconciled = false);
    QPair<Transaction, Transaction> addTransfer(const QString &from, const QString &to, qint64 amount);
    void openScreen(const QString &accountId);
    QString text(const char *name) const;
    QString differenceColour() const;
    void setStatement(double value);
    // Runs `fill` on the next transaction form that opens, then accepts it.
    void answerNextForm(const std::function<void(TransactionFormDialog *)> &fill);
    QList<Transaction> stored(const QString &accountId) const;
    void clickTick(int row);
    bool execSql(const QString &sql, const QVariantList &binds = {});

    std::unique_ptr<TestAppState> m_state;
    std::unique_ptr<ReconciliationService> m_service;
    std::unique_ptr<ReconciliationScreen> m_screen;
    QList<MessageBox::Request> m_boxes;
    QMessageBox::StandardButton m_answer = QMessageBox::Yes;
    QString m_checking;
    QString m_savings;
    Transaction m_deposit;   // +50.00 cleared
    Transaction m_payment;   // -20.00 cleared
    Transaction m_open;      // -7.00 not cleared
};

void tst_ReconciliationScreen::initTestCase()
{
    TestAppState::redirectSettings();
    QCoreApplication::setOrganizationName("Orlindo");
    QCoreApplication::setApplicationName("QuillbyTest");
    MessageBox::setResponder([this](const MessageBox::Request &request) {
        m_boxes.append(request);
        return m_answer;
    });
}

void tst_ReconciliationScreen::init()
{
    Clock::setToday(QDate(2024, 6, 15));
    QApplication::setPalette(ThemeManager::lightPalette());
    m_boxes.clear();
    m_answer = QMessageBox::Yes;
    m_state = std::make_unique<TestAppState>();
    QVERIFY(m_state->initialize());
    m_service = std::make_unique<ReconciliationService>(m_state->database(), m_state->accountRepository(),
                                                        m_state->transactionRepository(),
                                                        m_state->reconciliationRepository());
    m_service->setUndoHistory(m_state->undoHistory());
    m_checking = addAccount("Checking", Currency::USD, 10000);
    m_savings = addAccount("Savings");
    m_deposit = addTransaction(m_checking, "Salary", 5000, true, QDate(2024, 5, 1));
    m_payment = addTransaction(m_checking, "Grocer", -2000, true, QDate(2024, 5, 2));
    m_open = addTransaction(m_checking, "Cafe", -700, false, QDate(2024, 5, 3));
}

void tst_ReconciliationScreen::cleanup()
{
    m_screen.reset();
    m_service.reset();
    m_state.reset();
    Clock::setToday(QDate());
}

QString tst_ReconciliationScreen::addAccount(const QString &name, Currency currency, qint64 startingBalance)
{
    Account account;
    account.id = newUuid();
    account.name = name;
    account.currency = currency;
    account.startingBalance = startingBalance;
    RowStamp::fresh(account);
    if (!m_state->accountRepository()->insert(account))
        qFatal("cannot insert an account");
    return account.id;
}

Transaction tst_ReconciliationScreen::addTransaction(const QString &accountId, const QString &payee, qint64 amount,
                                                     bool cleared, const QDate &date, bool reconciled)
{
    Transaction t;
    t.id = newUuid();
    t.accountId = accountId;
    t.date = date;
    t.payee = payee;
    t.amount = amount;
    t.cleared = cleared;
    t.reconciled = reconciled;
    RowStamp::fresh(t);
    if (!m_state->transactionRepository()->insert(t))
        qFatal("cannot insert a transaction");
    return t;
}

QPair<Transaction, Transaction> tst_ReconciliationScreen::addTransfer(const QString &from, const QString &to,
                                                                      qint64 amount)
{
    TransactionDraft draft;
    draft.accountId = from;
    draft.date = QDate(2024, 5, 4);
    draft.amount = amount;
    draft.transferAccountId = to;
    const Result<Transaction> created = m_state->transactionService()->create(draft);
    if (!created)
        qFatal("cannot create a transfer");
    return {created.value(), *m_state->transactionRepository()->findById(created->transferLinkId)};
}

void tst_ReconciliationScreen::openScreen(const QString &accountId)
{
    m_screen = std::make_unique<ReconciliationScreen>(m_state.get(), m_service.get());
    m_screen->resize(1100, 720);
    m_screen->setAccount(accountId);
    m_screen->show();
    m_screen->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_screen.get()));
}

QString tst_ReconciliationScreen::text(const char *name) const
{
    const auto *label = m_screen->findChild<QLabel *>(QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("<no label %1>").arg(QString::fromLatin1(name));
}

QString tst_ReconciliationScreen::differenceColour() const
{
    return m_screen->findChild<QLabel *>("differenceValue")->styleSheet();
}

void tst_ReconciliationScreen::setStatement(double value)
{
    m_screen->statementBalanceField()->setValue(value);
}

void tst_ReconciliationScreen::answerNextForm(const std::function<void(TransactionFormDialog *)> &fill)
{
    QTimer::singleShot(0, this, [fill] {
        auto *dialog = qobject_cast<TransactionFormDialog *>(QApplication::activeModalWidget());
        if (!dialog) {
            if (QWidget *modal = QApplication::activeModalWidget())
                modal->close();
            return;
        }
        fill(dialog);
        dialog->accept();
    });
}

QList<Transaction> tst_ReconciliationScreen::stored(const QString &accountId) const
{
    return m_state->transactionRepository()->findByAccount(accountId);
}

void tst_ReconciliationScreen::clickTick(int row)
{
    QTableView *view = m_screen->view();
    const QRect cell = view->visualRect(m_screen->model()->index(row, ReconciliationModel::TickColumn));
    // The check box sits at the cell's left, after the focus frame margin.
    const int margin = view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
    const int indicator = view->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, view);
    const QPoint at(cell.left() + margin + indicator / 2, cell.center().y());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

bool tst_ReconciliationScreen::execSql(const QString &sql, const QVariantList &binds)
{
    QSqlQuery query(m_state->database()->connection());
    query.prepare(sql);
    for (const QVariant &bind : binds)
        query.addBindValue(bind);
    return query.exec();
}

// ---- figures ------------------------------------------------------------------------

void tst_ReconciliationScreen::figuresAndColours_data()
{
    QTest::addColumn<double>("statement");
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QString>("difference");
    QTest::addColumn<QString>("colour");
    QTest::addColumn<bool>("finishable");
    QTest::newRow("balancedLight") << 130.0 << false << "$0.00" << "#2E7D32" << true;
    QTest::newRow("balancedDark") << 130.0 << true << "$0.00" << "#66BB6A" << true;
    QTest::newRow("oneCentShort") << 129.99 << false << "-$0.01" << "#C62828" << false;
    QTest::newRow("overInDark") << 131.0 << true << "$1.00" << "#FF8A80" << false;
    QTest::newRow("noStatementYet") << 0.0 << false << "-$130.00" << "#C62828" << false;
}

void tst_ReconciliationScreen::figuresAndColours()
{
    QFETCH(double, statement);
    QFETCH(bool, dark);
    QFETCH(QString, difference);
    QFETCH(QString, colour);
    QFETCH(bool, finishable);
    QApplication::setPalette(dark ? ThemeManager::darkPalette() : ThemeManager::lightPalette());
    openScreen(m_checking);
    setStatement(statement);

    QCOMPARE(m_screen->windowTitle(), QStringLiteral("Reconcile — Checking"));
    QCOMPARE(text("previousBalanceValue"), QStringLiteral("$100.00"));
    QCOMPARE(text("clearedDepositsValue"), QStringLiteral("$50.00"));
    QCOMPARE(text("clearedWithdrawalsValue"), QStringLiteral("-$20.00"));
    QCOMPARE(text("clearedBalanceValue"), QStringLiteral("$130.00"));
    QCOMPARE(text("differenceValue"), difference);
    QVERIFY2(differenceColour().contains(colour), qPrintable(differenceColour()));
    QCOMPARE(m_screen->finishButton()->isEnabled(), finishable);
    QCOMPARE(m_screen->model()->rowCount(), 3);
}

void tst_ReconciliationScreen::tickingUpdatesTheDifference_data()
{
    QTest::addColumn<Tick>("tick");
    QTest::newRow("checkBox") << Tick::CheckBox;
    QTest::newRow("space") << Tick::Space;
    QTest::newRow("c") << Tick::C;
    QTest::newRow("r") << Tick::R;
}

void tst_ReconciliationScreen::tickingUpdatesTheDifference()
{
    QFETCH(Tick, tick);
    openScreen(m_checking);
    setStatement(123.0);
    QVERIFY(!m_screen->finishButton()->isEnabled());
    const int row = m_screen->model()->rowOf(m_open.id);
    const auto press = [&] {
        switch (tick) {
        case Tick::CheckBox:
            clickTick(row);
            break;
        case Tick::Space:
        case Tick::C:
        case Tick::R: {
            m_screen->view()->setCurrentIndex(m_screen->model()->index(row, ReconciliationModel::PayeeColumn));
            const Qt::Key key = tick == Tick::Space ? Qt::Key_Space : tick == Tick::C ? Qt::Key_C : Qt::Key_R;
            QTest::keyClick(m_screen->view(), key);
            break;
        }
        }
    };

    press();
    QVERIFY(m_screen->model()->isTicked(row));
    QCOMPARE(text("clearedWithdrawalsValue"), QStringLiteral("-$27.00"));
    QCOMPARE(text("clearedBalanceValue"), QStringLiteral("$123.00"));
    QCOMPARE(text("differenceValue"), QStringLiteral("$0.00"));
    QCOMPARE(m_screen->difference(), std::optional<qint64>(0));
    QVERIFY(m_screen->finishButton()->isEnabled());
    QCOMPARE(m_screen->model()->index(row, ReconciliationModel::TickColumn).data(Qt::CheckStateRole).toInt(),
             int(Qt::Checked));

    press();
    QVERIFY(!m_screen->model()->isTicked(row));
    QCOMPARE(text("differenceValue"), QStringLiteral("-$7.00"));
    QVERIFY(!m_screen->finishButton()->isEnabled());
}

void tst_ReconciliationScreen::tickKeysWithoutACurrentRowDoNothing()
{
    openScreen(m_checking);
    m_screen->view()->setFocus();
    m_screen->view()->setCurrentIndex(QModelIndex());
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_C, Qt::Key_R})
        QTest::keyClick(m_screen->view(), key);
    QCOMPARE(m_screen->model()->tickedCount(), 2);
    QVERIFY(!m_screen->view()->currentIndex().isValid());
}

void tst_ReconciliationScreen::proposedStatementDate_data()
{
    QTest::addColumn<QDate>("lastStatement");
    QTest::addColumn<QDate>("proposed");
    QTest::newRow("neverReconciledTakesToday") << QDate() << QDate(2024, 6, 15);
    QTest::newRow("monthAfterJanuary31") << QDate(2024, 1, 31) << QDate(2024, 2, 29);
}

void tst_ReconciliationScreen::proposedStatementDate()
{
    QFETCH(QDate, lastStatement);
    QFETCH(QDate, proposed);
    if (lastStatement.isValid()) {
        Reconciliation r;
        r.id = newUuid();
        r.accountId = m_checking;
        r.statementDate = lastStatement;
        r.completedAt = QDateTime(lastStatement, QTime(9, 0), Qt::UTC);
        RowStamp::fresh(r);
        QVERIFY(m_state->reconciliationRepository()->insert(r));
    }
    openScreen(m_checking);
    QCOMPARE(m_screen->statementDateField()->date(), proposed);
}

void tst_ReconciliationScreen::unknownAccountLeavesTheScreenEmpty()
{
    openScreen(newUuid());
    QCOMPARE(m_screen->model()->rowCount(), 0);
    QVERIFY(!m_screen->finishButton()->isEnabled());
    QCOMPARE(text("previousBalanceValue"), QStringLiteral("$0.00"));
    QCOMPARE(text("notice"), QStringLiteral("The account no longer exists"));
    QCOMPARE(m_screen->difference(), std::nullopt);
    // The commands have no account to work on.
    m_screen->addTransaction();
    m_screen->editSelectedTransaction();
    m_screen->deleteSelectedTransaction();
    m_screen->finish();
    QVERIFY(m_boxes.isEmpty());
}

void tst_ReconciliationScreen::yenAccount()
{
    const QString yen = addAccount("Tokyo", Currency::JPY, 1000);
    addTransaction(yen, "Pay", 500, true);
    addTransaction(yen, "Lunch", -120, true);
    openScreen(yen);
    SmartAmountField *field = m_screen->statementBalanceField();
    QCOMPARE(field->decimals(), 0);
    QCOMPARE(field->prefix(), QStringLiteral("¥ "));
    QCOMPARE(field->maximum(), 99999999.0);
    QCOMPARE(field->minimum(), -99999999.0);
    QCOMPARE(text("previousBalanceValue"), QStringLiteral("¥1,000"));
    QCOMPARE(text("clearedBalanceValue"), QStringLiteral("¥1,380"));
    QCOMPARE(m_screen->model()->index(1, ReconciliationModel::AmountColumn).data().toString(),
             QStringLiteral("-¥120"));
    setStatement(1380);
    QCOMPARE(text("statementBalanceValue"), QStringLiteral("¥1,380"));
    QCOMPARE(text("differenceValue"), QStringLiteral("¥0"));
    QVERIFY(m_screen->finishButton()->isEnabled());

    QTest::mouseClick(m_screen->finishButton(), Qt::LeftButton);
    const std::optional<Reconciliation> latest = m_state->reconciliationRepository()->findLatest(yen);
    QVERIFY(latest);
    QCOMPARE(latest->statementBalance, 1380);
    QCOMPARE(latest->reconciledBalance, 1380);
}

void tst_ReconciliationScreen::manyRowsTickExactly()
{
    const QString big = addAccount("Busy", Currency::USD, 0);
    {
        QSqlQuery query(m_state->database()->connection());
        QVERIFY(query.exec("BEGIN"));
        query.prepare("INSERT INTO transactions (id, account_id, date, payee, amount, cleared, reconciled, "
                      "created_at, updated_at) VALUES (?, ?, '2024-05-01', 'Row', ?, 0, 0, "
                      "'2024-05-01T00:00:00Z', '2024-05-01T00:00:00Z')");
        for (int i = 0; i < 10000; ++i) {
            query.addBindValue(QStringLiteral("row-%1").arg(i, 5, 10, QLatin1Char('0')));
            query.addBindValue(big);
            query.addBindValue(i % 2 ? -(i + 1) : i + 1);
            QVERIFY(query.exec());
        }
        QVERIFY(query.exec("COMMIT"));
    }
    openScreen(big);
    QCOMPARE(m_screen->model()->rowCount(), 10000);
    QCOMPARE(m_screen->model()->tickedCount(), 0);
    m_screen->view()->scrollToBottom();
    const int last = m_screen->model()->rowOf("row-09999");
    m_screen->view()->setCurrentIndex(m_screen->model()->index(last, ReconciliationModel::PayeeColumn));
    QTest::keyClick(m_screen->view(), Qt::Key_Space);
    const int first = m_screen->model()->rowOf("row-00000");
    m_screen->model()->toggle(first);
    QCOMPARE(text("clearedDepositsValue"), QStringLiteral("$0.01"));
    QCOMPARE(text("clearedWithdrawalsValue"), QStringLiteral("-$100.00"));
    setStatement(-99.99);
    QVERIFY(m_screen->finishButton()->isEnabled());
}

// ---- finishing ------------------------------------------------------------------------

void tst_ReconciliationScreen::finishRecordsAndCloses()
{
    openScreen(m_checking);
    m_screen->model()->setTicked(m_screen->model()->rowOf(m_payment.id), false);
    setStatement(150.0);
    m_screen->statementDateField()->setDate(QDate(2024, 5, 31));
    QSignalSpy completed(m_screen.get(), &ReconciliationScreen::reconciliationCompleted);

    QTest::mouseClick(m_screen->finishButton(), Qt::LeftButton);
    QCOMPARE(completed.count(), 1);
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.at(0).title, QStringLiteral("Reconciliation Complete"));
    QCOMPARE(m_boxes.at(0).text, QStringLiteral("Account reconciled successfully."));

    QVERIFY(m_state->transactionRepository()->findById(m_deposit.id)->reconciled);
    // The cleared row the person unticked stays cleared and open.
    const Transaction payment = *m_state->transactionRepository()->findById(m_payment.id);
    QVERIFY(payment.cleared);
    QVERIFY(!payment.reconciled);
    const std::optional<Reconciliation> latest = m_state->reconciliationRepository()->findLatest(m_checking);
    QVERIFY(latest);
    QCOMPARE(latest->statementDate, QDate(2024, 5, 31));
    QCOMPARE(latest->statementBalance, 15000);
    QCOMPARE(latest->reconciledBalance, 15000);
    // The list already shows what is left.
    QCOMPARE(m_screen->model()->rowCount(), 2);
}

void tst_ReconciliationScreen::failedFinishIsShownNotReported()
{
    openScreen(m_checking);
    setStatement(130.0);
    QVERIFY(execSql("CREATE TRIGGER refuse_record BEFORE INSERT ON reconciliations BEGIN "
                    "SELECT RAISE(ABORT, 'disk full'); END"));
    QSignalSpy completed(m_screen.get(), &ReconciliationScreen::reconciliationCompleted);

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("ReconciliationRepository::insert failed:.*disk full"));
    QTest::mouseClick(m_screen->finishButton(), Qt::LeftButton);
    QCOMPARE(completed.count(), 0);
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.at(0).icon, QMessageBox::Warning);
    QCOMPARE(m_boxes.at(0).title, QStringLiteral("Reconciliation Not Finished"));
    QCOMPARE(m_boxes.at(0).text, QStringLiteral("The reconciliation could not be saved"));
    for (const Transaction &t : stored(m_checking))
        QVERIFY(!t.reconciled);
    QVERIFY(!m_state->reconciliationRepository()->findLatest(m_checking));
    // The ticks are still there to try again.
    QCOMPARE(m_screen->model()->tickedCount(), 2);
    QVERIFY(m_screen->finishButton()->isEnabled());
}

void tst_ReconciliationScreen::aChangeElsewhereKeepsTheTicks()
{
    openScreen(m_checking);
    m_screen->model()->setTicked(m_screen->model()->rowOf(m_deposit.id), false);
    m_screen->model()->setTicked(m_screen->model()->rowOf(m_open.id), true);
    m_screen->view()->setCurrentIndex(m_screen->model()->index(m_screen->model()->rowOf(m_open.id), 2));

    // The register (or sync) changes a row of this account and adds one.
    TransactionDraft draft = TransactionDraft::fromTransaction(m_payment);
    draft.payee = "Corner Grocer";
    QVERIFY(m_state->transactionService()->edit(m_payment.id, draft).ok());
    addTransaction(m_checking, "Pulled", 100, true, QDate(2024, 4, 1));

    ReconciliationModel *model = m_screen->model();
    QCOMPARE(model->rowCount(), 4);
    QCOMPARE(model->transactionAt(model->rowOf(m_payment.id))->payee, QStringLiteral("Corner Grocer"));
    QVERIFY(!model->isTicked(model->rowOf(m_deposit.id)));
    QVERIFY(model->isTicked(model->rowOf(m_open.id)));
    QVERIFY(model->isTicked(model->rowOf(m_payment.id)));
    QCOMPARE(m_screen->view()->currentIndex().row(), model->rowOf(m_open.id));
    QCOMPARE(text("clearedWithdrawalsValue"), QStringLiteral("-$27.00"));
}

// ---- add, edit, delete ----------------------------------------------------------------

void tst_ReconciliationScreen::addThroughTheForm_data()
{
    QTest::addColumn<bool>("cleared");
    QTest::newRow("savedCleared") << true;
    QTest::newRow("savedUncleared") << false;
}

void tst_ReconciliationScreen::addThroughTheForm()
{
    QFETCH(bool, cleared);
    openScreen(m_checking);
    m_screen->model()->setTicked(m_screen->model()->rowOf(m_deposit.id), false);
    answerNextForm([cleared](TransactionFormDialog *form) {
        form->payeeEdit()->setText("Bakery");
        form->paymentButton()->setChecked(true);
        form->clearedBox()->setChecked(cleared);
        // The dialog closes with the focus in its amount field, as after
        // typing the amount and pressing Return.
        form->amountField()->setFocus();
        form->amountField()->selectAll();
        QTest::keyClicks(form->amountField(), "8.25");
    });
    m_screen->addTransaction();

    QList<Transaction> added;
    for (const Transaction &t : stored(m_checking)) {
        if (t.payee == "Bakery")
            added.append(t);
    }
    QCOMPARE(added.size(), 1);
    QCOMPARE(added.at(0).amount, -825);
    ReconciliationModel *model = m_screen->model();
    QCOMPARE(model->rowCount(), 4);
    QCOMPARE(model->isTicked(model->rowOf(added.at(0).id)), cleared);
    QVERIFY(!model->isTicked(model->rowOf(m_deposit.id)));
    QVERIFY(model->isTicked(model->rowOf(m_payment.id)));
    QCOMPARE(m_screen->view()->currentIndex().row(), model->rowOf(added.at(0).id));
    // Recorded like any other entry: it can be undone from the Edit menu.
    QCOMPARE(m_state->undoHistory()->undoText(), QStringLiteral("New Transaction"));
}

void tst_ReconciliationScreen::editATransferHalfMovesBothSides()
{
    const auto [out, in] = addTransfer(m_checking, m_savings, -2500);
    openScreen(m_checking);
    const int row = m_screen->model()->rowOf(out.id);
    QVERIFY(row >= 0);
    m_screen->view()->setCurrentIndex(m_screen->model()->index(row, ReconciliationModel::PayeeColumn));
    answerNextForm([](TransactionFormDialog *form) {
        QVERIFY(form->isEditMode());
        form->amountField()->setValue(40.0);
    });
    m_screen->editSelectedTransaction();

    QCOMPARE(m_state->transactionRepository()->findById(out.id)->amount, -4000);
    const Transaction other = *m_state->transactionRepository()->findById(in.id);
    QCOMPARE(other.amount, 4000);
    QCOMPARE(other.accountId, m_savings);
    QVERIFY(!other.deletedAt);
    QCOMPARE(m_screen->model()->transactionAt(m_screen->model()->rowOf(out.id))->amount, -4000);
}

void tst_ReconciliationScreen::editKeepsSplitLines()
{
    const QList<Category> categories = m_state->categoryRepository()->findAll();
    QVERIFY(categories.size() >= 2);
    TransactionDraft draft;
    draft.accountId = m_checking;
    draft.date = QDate(2024, 5, 5);
    draft.payee = "Market";
    SplitLine food;
    food.categoryId = categories.at(0).id;
    food.amount = -1000;
    SplitLine home;
    home.categoryId = categories.at(1).id;
    home.amount = -2000;
    draft.splitLines = QList<SplitLine>{food, home};
    const Result<Transaction> split = m_state->transactionService()->create(draft);
    QVERIFY(split.ok());
    openScreen(m_checking);
    answerNextForm([](TransactionFormDialog *form) {
        QVERIFY(form->isSplitMode());
        form->memoEdit()->setText("weekly");
    });
    // A double click on the row: press and release, then the second press.
    const QPoint at = m_screen->view()
                          ->visualRect(m_screen->model()->index(m_screen->model()->rowOf(split->id),
                                                                ReconciliationModel::PayeeColumn))
                          .center();
    QTest::mouseClick(m_screen->view()->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(m_screen->view()->viewport(), Qt::LeftButton, Qt::NoModifier, at);

    const Transaction edited = *m_state->transactionRepository()->findById(split->id);
    QCOMPARE(edited.memo, QStringLiteral("weekly"));
    QVERIFY(edited.isSplit);
    QCOMPARE(edited.amount, -3000);
    const QList<SplitLine> lines = m_state->splitLineRepository()->findByTransaction(split->id);
    QCOMPARE(lines.size(), 2);
    QList<qint64> amounts{lines.at(0).amount, lines.at(1).amount};
    std::sort(amounts.begin(), amounts.end());
    QCOMPARE(amounts, QList<qint64>({-2000, -1000}));
}

void tst_ReconciliationScreen::deleteATransferHalf_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<bool>("deleted");
    QTest::newRow("yes") << QMessageBox::Yes << true;
    QTest::newRow("no") << QMessageBox::No << false;
}

void tst_ReconciliationScreen::deleteATransferHalf()
{
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(bool, deleted);
    const auto [out, in] = addTransfer(m_checking, m_savings, -2500);
    openScreen(m_checking);
    m_screen->view()->setCurrentIndex(
        m_screen->model()->index(m_screen->model()->rowOf(out.id), ReconciliationModel::PayeeColumn));
    m_answer = answer;
    m_screen->deleteSelectedTransaction();

    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.at(0).title, QStringLiteral("Delete Transaction"));
    QCOMPARE(m_boxes.at(0).text, QStringLiteral("Delete the transfer for Transfer to Savings?\n\n"
                                                "Both sides of the transfer will be deleted."));
    QCOMPARE(m_boxes.at(0).defaultButton, QMessageBox::No);
    QCOMPARE(m_state->transactionRepository()->findById(out.id)->deletedAt.has_value(), deleted);
    QCOMPARE(m_state->transactionRepository()->findById(in.id)->deletedAt.has_value(), deleted);
    QCOMPARE(m_screen->model()->rowOf(out.id) < 0, deleted);
}

void tst_ReconciliationScreen::shortcuts_data()
{
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<QString>("opens");
    QTest::newRow("new") << QKeySequence(QKeySequence::New) << "new form";
    QTest::newRow("insert") << QKeySequence(Qt::Key_Insert) << "new form";
    QTest::newRow("f2") << QKeySequence(Qt::Key_F2) << "edit form";
    QTest::newRow("delete") << QKeySequence(Qt::Key_Delete) << "Delete Transaction";
}

void tst_ReconciliationScreen::shortcuts()
{
    QFETCH(QKeySequence, key);
    QFETCH(QString, opens);
    openScreen(m_checking);
    m_screen->activateWindow();
    m_screen->view()->setFocus();
    m_screen->view()->setCurrentIndex(
        m_screen->model()->index(m_screen->model()->rowOf(m_open.id), ReconciliationModel::PayeeColumn));
    QString seen;
    QTimer::singleShot(0, this, [&seen] {
        auto *form = qobject_cast<TransactionFormDialog *>(QApplication::activeModalWidget());
        if (form) {
            seen = form->isEditMode() ? "edit form" : "new form";
            form->reject();
        }
    });
    m_answer = QMessageBox::No;
    QTest::keySequence(m_screen->view(), key);
    if (!m_boxes.isEmpty())
        seen = m_boxes.at(0).title;
    QCOMPARE(seen, opens);
    QCOMPARE(stored(m_checking).size(), 3);
}

QTEST_MAIN(tst_ReconciliationScreen)
#include "tst_reconciliationscreen.moc"
