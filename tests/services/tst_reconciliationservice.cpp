#include "common/servicefixture.h"
#include "data/accountrepository.h"
#include "data/changejournal.h"
#include "data/clock.h"
#include "data/reconciliationrepository.h"
#include "data/rowstamp.h"
#include "data/timestamps.h"
#include "data/transactionrepository.h"
#include "data/uuids.h"
#include "services/reconciliationservice.h"
#include "services/transactionservice.h"
#include "services/undohistory.h"

#include <QSignalSpy>
#include <QTest>

#include <limits>

namespace {

// What happens to the account between opening the screen and finishing.
enum class Meanwhile {
    AmountEdited,
    PayeeEdited,
    ClearedTurnedOff,
    Deleted,
    AmountChangedWithoutStamp,
    MovedToAnotherAccount,
    ReconciledRowArrived,
    StartingBalanceChanged,
};

// A statement that must be refused as it stands.
enum class Flaw {
    OffByOneCent,
    InvalidDate,
    UnknownAccount,
    DeletedAccount,
    TickedTwice,
    RowOfAnotherAccount,
    SumOverflows,
};

struct Row
{
    QDate date;
    qint64 amount = 0;
    bool reconciled = false;
    bool deleted = false;
};

} // namespace

Q_DECLARE_METATYPE(Meanwhile)
Q_DECLARE_METATYPE(Flaw)

class tst_ReconciliationService : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void startFigures_data();
    void startFigures();
    void startListsUnreconciledOldestFirst();
    void startRefusesMissingAccount_data();
    void startRefusesMissingAccount();

    void finishMarksTickedRowsAndRecords();
    void finishWithNothingTicked();
    void finishStopsWhenARowChanged_data();
    void finishStopsWhenARowChanged();
    void finishRefusesAStatementThatDoesNotAddUp_data();
    void finishRefusesAStatementThatDoesNotAddUp();
    void failureRollsBack_data();
    void failureRollsBack();
    void yenAmounts();
    void finishingClearsTheUndoHistory();

private:
    Transaction add(const QString &accountId, const QDate &date, qint64 amount, const QString &payee,
                    bool cleared = false, bool reconciled = false);
    ReconciliationService::Statement statementFor(const QList<Transaction> &ticked, qint64 balance) const;
    QDateTime later();

    std::unique_ptr<ServiceFixture> m_fixture;
    std::unique_ptr<ReconciliationService> m_service;
    QString m_checking;
    QString m_savings;
    Transaction m_deposit;     // +5000, cleared
    Transaction m_payment;     // -2000, cleared
    Transaction m_open;        // -700, not cleared
    Transaction m_old;         // +1000, reconciled long ago
    QDateTime m_now;
};

void tst_ReconciliationService::init()
{
    m_now = QDateTime(QDate(2024, 5, 1), QTime(12, 0), Qt::UTC);
    Clock::setNow(m_now);
    Clock::setToday(m_now.date());
    m_fixture = std::make_unique<ServiceFixture>();
    m_service = std::make_unique<ReconciliationService>(m_fixture->db().database(), m_fixture->accounts(),
                                                        m_fixture->transactions(), m_fixture->reconciliations());
    m_checking = m_fixture->addAccount("Checking", Currency::USD, 10000);
    m_savings = m_fixture->addAccount("Savings");
    m_old = add(m_checking, QDate(2024, 1, 5), 1000, "Old", true, true);
    m_deposit = add(m_checking, QDate(2024, 3, 1), 5000, "Salary", true);
    m_payment = add(m_checking, QDate(2024, 3, 2), -2000, "Grocer", true);
    m_open = add(m_checking, QDate(2024, 3, 3), -700, "Cafe");
}

void tst_ReconciliationService::cleanup()
{
    m_service.reset();
    m_fixture.reset();
    Clock::setNow(QDateTime());
    Clock::setToday(QDate());
}

Transaction tst_ReconciliationService::add(const QString &accountId, const QDate &date, qint64 amount,
                                           const QString &payee, bool cleared, bool reconciled)
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
    if (!m_fixture->transactions()->insert(t))
        qFatal("cannot insert a transaction");
    return t;
}

ReconciliationService::Statement tst_ReconciliationService::statementFor(const QList<Transaction> &ticked,
                                                                          qint64 balance) const
{
    ReconciliationService::Statement statement;
    statement.accountId = m_checking;
    statement.date = QDate(2024, 3, 31);
    statement.balance = balance;
    statement.previousBalance = m_service->start(m_checking)->previousBalance;
    statement.ticked = ticked;
    return statement;
}

QDateTime tst_ReconciliationService::later()
{
    m_now = m_now.addSecs(3600);
    Clock::setNow(m_now);
    return m_now;
}

// ---- start ------------------------------------------------------------------------

void tst_ReconciliationService::startFigures_data()
{
    QTest::addColumn<qint64>("startingBalance");
    QTest::addColumn<QList<Row>>("rows");
    QTest::addColumn<QDate>("lastStatement");
    QTest::addColumn<qint64>("previousBalance");
    QTest::addColumn<QDate>("proposed");

    const QDate none;
    QTest::newRow("neverReconciled") << qint64(10000) << QList<Row>{{QDate(2024, 3, 1), 500}} << none
                                     << qint64(10000) << none;
    QTest::newRow("monthAfterJanuary31") << qint64(0) << QList<Row>{{QDate(2024, 1, 20), 700, true}}
                                         << QDate(2024, 1, 31) << qint64(700) << QDate(2024, 2, 29);
    QTest::newRow("monthAfterJanuary31NotLeapYear") << qint64(0) << QList<Row>{} << QDate(2023, 1, 31)
                                                    << qint64(0) << QDate(2023, 2, 28);
    QTest::newRow("reconciledRowAfterTheStatement")
        << qint64(0) << QList<Row>{{QDate(2024, 2, 10), 700, true}, {QDate(2024, 1, 2), -200, true}}
        << QDate(2024, 1, 31) << qint64(500) << QDate(2024, 3, 10);
    QTest::newRow("reconciledRowsWithoutARecord")
        << qint64(-2500) << QList<Row>{{QDate(2024, 3, 15), 1000, true}, {QDate(2024, 3, 16), 99, false}} << none
        << qint64(-1500) << QDate(2024, 4, 15);
    QTest::newRow("deletedReconciledRowsDoNotCount")
        << qint64(100) << QList<Row>{{QDate(2024, 3, 15), 1000, true, true}, {QDate(2024, 3, 1), 5, true}} << none
        << qint64(105) << QDate(2024, 4, 1);
}

void tst_ReconciliationService::startFigures()
{
    QFETCH(qint64, startingBalance);
    QFETCH(QList<Row>, rows);
    QFETCH(QDate, lastStatement);
    QFETCH(qint64, previousBalance);
    QFETCH(QDate, proposed);

    const QString account = m_fixture->addAccount("Fresh", Currency::USD, startingBalance);
    for (const Row &row : rows) {
        const Transaction t = add(account, row.date, row.amount, "Row", row.reconciled, row.reconciled);
        if (row.deleted)
            QVERIFY(m_fixture->transactions()->softDelete(t.id));
    }
    if (lastStatement.isValid()) {
        Reconciliation r;
        r.id = newUuid();
        r.accountId = account;
        r.statementDate = lastStatement;
        r.completedAt = m_now;
        RowStamp::fresh(r);
        QVERIFY(m_fixture->reconciliations()->insert(r));
    }

    const Result<ReconciliationService::Start> start = m_service->start(account);
    QVERIFY2(start.ok(), qPrintable(start.error()));
    QCOMPARE(start->account.id, account);
    QCOMPARE(start->previousBalance, previousBalance);
    QCOMPARE(start->proposedStatementDate, proposed);
    QCOMPARE(start->latest.has_value(), lastStatement.isValid());
}

void tst_ReconciliationService::startListsUnreconciledOldestFirst()
{
    const Transaction earlier = add(m_checking, QDate(2024, 2, 1), -1, "Earlier");
    const Transaction gone = add(m_checking, QDate(2024, 2, 2), -1, "Gone");
    QVERIFY(m_fixture->transactions()->softDelete(gone.id));
    add(m_savings, QDate(2024, 2, 3), -1, "Elsewhere");
    later();
    const Transaction sameDayLater = add(m_checking, QDate(2024, 3, 1), -1, "Same day, entered later");

    const Result<ReconciliationService::Start> start = m_service->start(m_checking);
    QVERIFY(start.ok());
    QStringList payees;
    for (const Transaction &t : start->rows)
        payees.append(t.payee);
    QCOMPARE(payees, QStringList({"Earlier", "Salary", "Same day, entered later", "Grocer", "Cafe"}));
    QCOMPARE(start->previousBalance, 11000);
    QCOMPARE(start->lastReconciledDate, QDate(2024, 1, 5));
    Q_UNUSED(earlier)
    Q_UNUSED(sameDayLater)
}

void tst_ReconciliationService::startRefusesMissingAccount_data()
{
    QTest::addColumn<QString>("which");
    QTest::newRow("unknown") << "unknown";
    QTest::newRow("empty") << "empty";
    QTest::newRow("deleted") << "deleted";
}

void tst_ReconciliationService::startRefusesMissingAccount()
{
    QFETCH(QString, which);
    QString id = which == "unknown" ? newUuid() : QString();
    if (which == "deleted") {
        id = m_fixture->addAccount("Closed");
        QVERIFY(m_fixture->accounts()->softDelete(id));
    }
    const Result<ReconciliationService::Start> start = m_service->start(id);
    QVERIFY(!start.ok());
    QCOMPARE(start.error(), QStringLiteral("The account no longer exists"));
}

// ---- finish -----------------------------------------------------------------------

void tst_ReconciliationService::finishMarksTickedRowsAndRecords()
{
    const QList<QVariantMap> before = m_fixture->table("transactions");
    const ReconciliationService::Statement statement = statementFor({m_deposit, m_payment}, 14000);
    QCOMPARE(statement.previousBalance, 11000);
    const QDateTime finishedAt = later();
    QList<ChangeSet> announced;
    QObject listener;
    connect(m_fixture->db().database()->changes(), &ChangeJournal::committed, &listener,
            [&announced](const ChangeSet &changes) { announced.append(changes); });

    const Result<Reconciliation> done = m_service->finish(statement);
    QVERIFY2(done.ok(), qPrintable(done.error()));

    // The ticked rows change in their flags and stamp only; the rest not at all.
    const QString stamp = timestampToText(finishedAt);
    QList<QVariantMap> expected = before;
    for (QVariantMap &row : expected) {
        const QString id = row.value("id").toString();
        if (id != m_deposit.id && id != m_payment.id)
            continue;
        row["cleared"] = 1;
        row["reconciled"] = 1;
        row["version"] = row.value("version").toInt() + 1;
        row["updated_at"] = stamp;
        row["sync_status"] = "pending";
    }
    const QList<QVariantMap> after = m_fixture->table("transactions");
    QCOMPARE(after.size(), expected.size());
    for (int i = 0; i < after.size(); ++i) {
        for (auto it = expected.at(i).cbegin(); it != expected.at(i).cend(); ++it)
            QCOMPARE(after.at(i).value(it.key()).toString(), it.value().toString());
    }

    const std::optional<Reconciliation> stored = m_fixture->reconciliations()->findById(done->id);
    QVERIFY(stored);
    QCOMPARE(stored->accountId, m_checking);
    QCOMPARE(stored->statementDate, QDate(2024, 3, 31));
    QCOMPARE(stored->statementBalance, 14000);
    QCOMPARE(stored->reconciledBalance, 14000);
    QCOMPARE(stored->completedAt, finishedAt);
    QCOMPARE(stored->createdAt, finishedAt);
    QCOMPARE(stored->updatedAt, finishedAt);
    QCOMPARE(stored->version, 1);
    QCOMPARE(stored->syncStatus, SyncStatus::Pending);
    QVERIFY(stored->serverId.isEmpty());
    QVERIFY(QUuid::fromString(stored->id).version() == QUuid::Random);

    // All of it was announced once, after the commit.
    QCOMPARE(announced.size(), 1);
    QVERIFY(announced.at(0).ids(ChangeSet::Entity::Reconciliation).contains(done->id));
    QVERIFY(announced.at(0).affectsRegister(m_checking));
    QCOMPARE(announced.at(0).balanceDelta(m_checking), std::optional<qint64>(0));

    // The next reconciliation starts from this one.
    const Result<ReconciliationService::Start> next = m_service->start(m_checking);
    QCOMPARE(next->previousBalance, 14000);
    QCOMPARE(next->rows.size(), 1);
    QCOMPARE(next->rows.at(0).id, m_open.id);
    QCOMPARE(next->proposedStatementDate, QDate(2024, 4, 30));
}

void tst_ReconciliationService::finishWithNothingTicked()
{
    // An unticked cleared row stays cleared and is not reconciled.
    const Result<Reconciliation> done = m_service->finish(statementFor({}, 11000));
    QVERIFY2(done.ok(), qPrintable(done.error()));
    QCOMPARE(done->reconciledBalance, 11000);
    QVERIFY(m_fixture->transaction(m_deposit.id)->cleared);
    QVERIFY(!m_fixture->transaction(m_deposit.id)->reconciled);
    QCOMPARE(m_fixture->transaction(m_deposit.id)->version, m_deposit.version);
}

void tst_ReconciliationService::finishStopsWhenARowChanged_data()
{
    QTest::addColumn<Meanwhile>("meanwhile");
    QTest::addColumn<QString>("message");
    const QString salary = QStringLiteral("The transaction \"Salary\" (03/01/2024) changed while you were "
                                          "reconciling. Nothing was saved; look over the list and finish again.");
    const QString balance = QStringLiteral("The reconciled balance of this account changed while you were "
                                           "reconciling. Nothing was saved; look over the list and finish again.");
    QTest::newRow("amountEdited") << Meanwhile::AmountEdited << salary;
    QTest::newRow("payeeEdited") << Meanwhile::PayeeEdited << salary;
    QTest::newRow("clearedTurnedOff") << Meanwhile::ClearedTurnedOff << salary;
    QTest::newRow("deleted") << Meanwhile::Deleted << salary;
    QTest::newRow("amountChangedWithoutStamp") << Meanwhile::AmountChangedWithoutStamp << salary;
    QTest::newRow("movedToAnotherAccount") << Meanwhile::MovedToAnotherAccount << salary;
    QTest::newRow("reconciledRowArrived") << Meanwhile::ReconciledRowArrived << balance;
    QTest::newRow("startingBalanceChanged") << Meanwhile::StartingBalanceChanged << balance;
}

void tst_ReconciliationService::finishStopsWhenARowChanged()
{
    QFETCH(Meanwhile, meanwhile);
    QFETCH(QString, message);
    const ReconciliationService::Statement statement = statementFor({m_deposit, m_payment}, 14000);
    later();
    TransactionService *transactions = m_fixture->transactionService();
    switch (meanwhile) {
    case Meanwhile::AmountEdited: {
        TransactionDraft draft = TransactionDraft::fromTransaction(m_deposit);
        draft.amount = 5001;
        QVERIFY(transactions->edit(m_deposit.id, draft).ok());
        break;
    }
    case Meanwhile::PayeeEdited: {
        TransactionDraft draft = TransactionDraft::fromTransaction(m_deposit);
        draft.payee = "Bonus";
        QVERIFY(transactions->edit(m_deposit.id, draft).ok());
        break;
    }
    case Meanwhile::ClearedTurnedOff:
        QVERIFY(transactions->setCleared(m_deposit.id, false).ok());
        break;
    case Meanwhile::Deleted:
        QVERIFY(transactions->remove(m_deposit.id).ok());
        break;
    case Meanwhile::AmountChangedWithoutStamp:
        QVERIFY(m_fixture->db().exec("UPDATE transactions SET amount = 6000 WHERE id = ?", {m_deposit.id}));
        break;
    case Meanwhile::MovedToAnotherAccount:
        QVERIFY(m_fixture->db().exec("UPDATE transactions SET account_id = ? WHERE id = ?", {m_savings, m_deposit.id}));
        break;
    case Meanwhile::ReconciledRowArrived:
        add(m_checking, QDate(2024, 2, 1), 300, "Pulled", true, true);
        break;
    case Meanwhile::StartingBalanceChanged: {
        Account account = *m_fixture->account(m_checking);
        account.startingBalance = 9000;
        QVERIFY(m_fixture->accounts()->update(account));
        break;
    }
    }
    const ServiceFixture::State before = m_fixture->state();
    QSignalSpy committed(m_fixture->db().database()->changes(), &ChangeJournal::committed);

    const Result<Reconciliation> done = m_service->finish(statement);
    QVERIFY(!done.ok());
    QCOMPARE(done.error(), message);
    QCOMPARE(ServiceFixture::differences(before, m_fixture->state()), QString());
    QCOMPARE(committed.count(), 0);
}

void tst_ReconciliationService::finishRefusesAStatementThatDoesNotAddUp_data()
{
    QTest::addColumn<Flaw>("flaw");
    QTest::addColumn<QString>("message");
    QTest::newRow("offByOneCent") << Flaw::OffByOneCent
                                  << "The ticked transactions do not add up to the statement balance";
    QTest::newRow("invalidDate") << Flaw::InvalidDate << "Enter a valid statement date";
    QTest::newRow("unknownAccount") << Flaw::UnknownAccount << "The account no longer exists";
    QTest::newRow("deletedAccount") << Flaw::DeletedAccount << "The account no longer exists";
    QTest::newRow("tickedTwice") << Flaw::TickedTwice << "The transaction \"Salary\" (03/01/2024) is ticked twice";
    QTest::newRow("rowOfAnotherAccount")
        << Flaw::RowOfAnotherAccount
        << "The transaction \"Elsewhere\" (03/05/2024) changed while you were reconciling. Nothing was saved; "
           "look over the list and finish again.";
    QTest::newRow("sumOverflows") << Flaw::SumOverflows
                                  << "The ticked transactions add up to more than an amount can hold";
}

void tst_ReconciliationService::finishRefusesAStatementThatDoesNotAddUp()
{
    QFETCH(Flaw, flaw);
    QFETCH(QString, message);
    ReconciliationService::Statement statement = statementFor({m_deposit, m_payment}, 14000);
    switch (flaw) {
    case Flaw::OffByOneCent:
        statement.balance = 14001;
        break;
    case Flaw::InvalidDate:
        statement.date = QDate();
        break;
    case Flaw::UnknownAccount:
        statement.accountId = newUuid();
        break;
    case Flaw::DeletedAccount:
        QVERIFY(m_fixture->accounts()->softDelete(m_checking));
        break;
    case Flaw::TickedTwice:
        statement.ticked.append(m_deposit);
        statement.balance += m_deposit.amount;
        break;
    case Flaw::RowOfAnotherAccount:
        statement.ticked.append(add(m_savings, QDate(2024, 3, 5), 1, "Elsewhere"));
        statement.balance += 1;
        break;
    case Flaw::SumOverflows:
        statement.ticked.append(add(m_checking, QDate(2024, 3, 5), std::numeric_limits<qint64>::max(), "Huge"));
        statement.balance = std::numeric_limits<qint64>::max();
        break;
    }
    const ServiceFixture::State before = m_fixture->state();

    const Result<Reconciliation> done = m_service->finish(statement);
    QVERIFY(!done.ok());
    QCOMPARE(done.error(), message);
    QCOMPARE(ServiceFixture::differences(before, m_fixture->state()), QString());
}

void tst_ReconciliationService::failureRollsBack_data()
{
    QTest::addColumn<QString>("when");
    QTest::addColumn<QString>("condition");
    QTest::newRow("firstRowRefused") << "BEFORE UPDATE ON transactions" << "NEW.payee = 'Salary'";
    QTest::newRow("secondRowRefused") << "BEFORE UPDATE ON transactions" << "NEW.payee = 'Grocer'";
    QTest::newRow("recordRefused") << "BEFORE INSERT ON reconciliations" << QString();
}

void tst_ReconciliationService::failureRollsBack()
{
    QFETCH(QString, when);
    QFETCH(QString, condition);
    const ReconciliationService::Statement statement = statementFor({m_deposit, m_payment}, 14000);
    QVERIFY(m_fixture->refuse(when, condition));
    const ServiceFixture::State before = m_fixture->state();
    QSignalSpy committed(m_fixture->db().database()->changes(), &ChangeJournal::committed);

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("failed:.*refused"));
    const Result<Reconciliation> done = m_service->finish(statement);
    QVERIFY(!done.ok());
    QCOMPARE(done.error(), QStringLiteral("The reconciliation could not be saved"));
    QCOMPARE(ServiceFixture::differences(before, m_fixture->state()), QString());
    QCOMPARE(committed.count(), 0);

    // Nothing was left half open: once the disk takes writes again, the same
    // statement goes through.
    m_fixture->dropRefusals();
    const Result<Reconciliation> again = m_service->finish(statement);
    QVERIFY2(again.ok(), qPrintable(again.error()));
    QVERIFY(m_fixture->transaction(m_deposit.id)->reconciled);
}

void tst_ReconciliationService::yenAmounts()
{
    // Whole yen: the stored integers are yen, with no hundredths anywhere.
    const QString yen = m_fixture->addAccount("Tokyo", Currency::JPY, 1000);
    const Transaction pay = add(yen, QDate(2024, 3, 1), 500, "Pay", true);
    const Transaction lunch = add(yen, QDate(2024, 3, 2), -120, "Lunch", true);
    add(yen, QDate(2024, 3, 3), -80, "Tea");

    const Result<ReconciliationService::Start> start = m_service->start(yen);
    QVERIFY(start.ok());
    QCOMPARE(start->account.currency, Currency::JPY);
    QCOMPARE(start->previousBalance, 1000);

    ReconciliationService::Statement statement;
    statement.accountId = yen;
    statement.date = QDate(2024, 3, 31);
    statement.balance = 1380;
    statement.previousBalance = start->previousBalance;
    statement.ticked = {pay, lunch};
    const Result<Reconciliation> done = m_service->finish(statement);
    QVERIFY2(done.ok(), qPrintable(done.error()));
    QCOMPARE(done->statementBalance, 1380);
    QCOMPARE(done->reconciledBalance, 1380);
    QCOMPARE(m_service->start(yen)->previousBalance, 1380);
}

void tst_ReconciliationService::finishingClearsTheUndoHistory()
{
    UndoHistory history;
    m_fixture->transactionService()->setUndoHistory(&history);
    m_service->setUndoHistory(&history);
    TransactionDraft draft = TransactionDraft::fromTransaction(m_open);
    draft.memo = "noted";
    QVERIFY(m_fixture->transactionService()->edit(m_open.id, draft).ok());
    QVERIFY(history.canUndo());

    // A refused finish leaves the history as it was.
    QVERIFY(!m_service->finish(statementFor({m_deposit}, 1)).ok());
    QVERIFY(history.canUndo());

    const Transaction current = *m_fixture->transaction(m_open.id);
    QVERIFY(m_service->finish(statementFor({current}, 10300)).ok());
    QVERIFY(!history.canUndo());
    QVERIFY(m_fixture->transaction(m_open.id)->reconciled);
    m_fixture->transactionService()->setUndoHistory(nullptr);
}

QTEST_GUILESS_MAIN(tst_ReconciliationService)
#include "tst_reconciliationservice.moc"
