#include "common/testdatabase.h"
#include "data/accountrepository.h"
#include "data/changejournal.h"
#include "data/clock.h"
#include "data/rowstamp.h"
#include "data/sqltransaction.h"
#include "data/transactionrepository.h"
#include "data/uuids.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

class tst_ChangeJournal : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void journalOfTheConnection();
    void announcedOnceAfterOutermostCommit();
    void rollbackAnnouncesNothing_data();
    void rollbackAnnouncesNothing();
    void nestedRollbackDropsOnlyItsOwn();
    void writeOutsideTransactionAnnouncedAtOnce();
    void refusedWriteAnnouncesNothing();
    void bulkChangeAnnouncesAnyRegister();
    void balanceDeltas_data();
    void balanceDeltas();

    void whenIdleRunsAtOnceWhenIdle();
    void whenIdleWaitsForOutermostEnd_data();
    void whenIdleWaitsForOutermostEnd();
    void deferredWorkWritesAndIsAnnounced();
    void deferredWorkOfDeletedContextDropped_data();
    void deferredWorkOfDeletedContextDropped();

private:
    ChangeJournal *journal() const { return m_db->database()->changes(); }
    QSqlDatabase connection() const { return m_db->database()->connection(); }
    QString addAccount(const QString &name);
    QString addTransaction(const QString &accountId, qint64 amount);
    // The account ids of the transactionsChanged emissions, sorted.
    static QStringList announcedAccounts(const QSignalSpy &spy);

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<AccountRepository> m_accounts;
    std::unique_ptr<TransactionRepository> m_transactions;
    QList<ChangeSet> m_committed;
    QString m_checking;
    QString m_savings;
};

void tst_ChangeJournal::init()
{
    Clock::setNow(QDateTime(QDate(2024, 5, 1), QTime(12, 0), Qt::UTC));
    m_db = std::make_unique<TestDatabase>();
    m_accounts = std::make_unique<AccountRepository>(m_db->database());
    m_transactions = std::make_unique<TransactionRepository>(m_db->database());
    m_checking = addAccount("Checking");
    m_savings = addAccount("Savings");
    m_committed.clear();
    connect(journal(), &ChangeJournal::committed, this, [this](const ChangeSet &changes) {
        m_committed.append(changes);
    });
}

void tst_ChangeJournal::cleanup()
{
    m_transactions.reset();
    m_accounts.reset();
    m_db.reset();
    Clock::setNow(QDateTime());
}

QString tst_ChangeJournal::addAccount(const QString &name)
{
    Account account;
    account.id = newUuid();
    account.name = name;
    RowStamp::fresh(account);
    if (!m_accounts->insert(account))
        qFatal("cannot insert account");
    return account.id;
}

QString tst_ChangeJournal::addTransaction(const QString &accountId, qint64 amount)
{
    Transaction t;
    t.id = newUuid();
    t.accountId = accountId;
    t.date = QDate(2024, 4, 2);
    t.payee = QStringLiteral("Grocer");
    t.amount = amount;
    RowStamp::fresh(t);
    return m_transactions->insert(t) ? t.id : QString();
}

QStringList tst_ChangeJournal::announcedAccounts(const QSignalSpy &spy)
{
    QStringList ids;
    for (const QList<QVariant> &arguments : spy)
        ids.append(arguments.at(0).toString());
    ids.sort();
    return ids;
}

void tst_ChangeJournal::journalOfTheConnection()
{
    QCOMPARE(ChangeJournal::forConnection(connection()), journal());
    QVERIFY(!journal()->isWriting());
    SqlTransaction work(connection());
    QVERIFY(journal()->isWriting());
    QVERIFY(work.commit());
    QVERIFY(!journal()->isWriting());
}

void tst_ChangeJournal::announcedOnceAfterOutermostCommit()
{
    QSignalSpy registers(m_transactions.get(), &TransactionRepository::transactionsChanged);
    QSignalSpy accounts(m_accounts.get(), &AccountRepository::accountsChanged);
    QString third;
    QStringList written;
    {
        SqlTransaction outer(connection());
        third = addAccount("Cash");
        written.append(addTransaction(m_checking, -100));
        {
            SqlTransaction inner(connection());
            written.append(addTransaction(m_savings, 200));
            written.append(addTransaction(m_checking, -300));
            QVERIFY(inner.commit());
        }
        QCOMPARE(m_committed.size(), 0);
        QCOMPARE(registers.count(), 0);
        QCOMPARE(accounts.count(), 0);
        QVERIFY(outer.commit());
    }

    QCOMPARE(m_committed.size(), 1);
    const ChangeSet &changes = m_committed.first();
    QVERIFY(changes.contains(ChangeSet::Entity::Account));
    QCOMPARE(changes.ids(ChangeSet::Entity::Account), QSet<QString>{third});
    QCOMPARE(changes.ids(ChangeSet::Entity::Transaction), QSet<QString>(written.cbegin(), written.cend()));
    QCOMPARE(changes.registerAccounts(), (QSet<QString>{m_checking, m_savings}));
    QVERIFY(!changes.allRegisters());
    QVERIFY(!changes.contains(ChangeSet::Entity::Category));
    QCOMPARE(accounts.count(), 1);
    // One reload per register however many of its rows changed.
    QStringList expected{m_checking, m_savings};
    expected.sort();
    QCOMPARE(announcedAccounts(registers), expected);
}

void tst_ChangeJournal::rollbackAnnouncesNothing_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("rolledBack") << "rollback";
    QTest::newRow("leftUncommitted") << "destroy";
    QTest::newRow("innerCommittedOuterRolledBack") << "outerAfterInner";
}

void tst_ChangeJournal::rollbackAnnouncesNothing()
{
    QFETCH(QString, how);
    QSignalSpy registers(m_transactions.get(), &TransactionRepository::transactionsChanged);
    QSignalSpy accounts(m_accounts.get(), &AccountRepository::accountsChanged);
    {
        SqlTransaction outer(connection());
        addAccount("Cash");
        QVERIFY(!addTransaction(m_checking, -100).isEmpty());
        if (how == "outerAfterInner") {
            SqlTransaction inner(connection());
            QVERIFY(!addTransaction(m_savings, 200).isEmpty());
            QVERIFY(inner.commit());
        }
        if (how != "destroy")
            outer.rollback();
    }
    QVERIFY(!journal()->isWriting());
    QCOMPARE(m_committed.size(), 0);
    QCOMPARE(registers.count(), 0);
    QCOMPARE(accounts.count(), 0);

    // What the rolled back transaction recorded must not ride along with the
    // next change either.
    QVERIFY(!addTransaction(m_savings, 5).isEmpty());
    QCOMPARE(m_committed.size(), 1);
    QCOMPARE(m_committed.first().registerAccounts(), QSet<QString>{m_savings});
    QVERIFY(!m_committed.first().contains(ChangeSet::Entity::Account));
}

void tst_ChangeJournal::nestedRollbackDropsOnlyItsOwn()
{
    QSignalSpy registers(m_transactions.get(), &TransactionRepository::transactionsChanged);
    QString kept;
    QString dropped;
    {
        SqlTransaction outer(connection());
        kept = addTransaction(m_checking, -100);
        {
            SqlTransaction inner(connection());
            dropped = addTransaction(m_savings, 200);
            addAccount("Cash");
            inner.rollback();
        }
        QVERIFY(journal()->isWriting());
        QVERIFY(outer.commit());
    }
    QCOMPARE(m_committed.size(), 1);
    const ChangeSet &changes = m_committed.first();
    QCOMPARE(changes.ids(ChangeSet::Entity::Transaction), QSet<QString>{kept});
    QCOMPARE(changes.registerAccounts(), QSet<QString>{m_checking});
    QVERIFY(!changes.contains(ChangeSet::Entity::Account));
    QCOMPARE(announcedAccounts(registers), QStringList{m_checking});
    QCOMPARE(m_db->scalar("SELECT COUNT(*) FROM transactions WHERE id = ?", {dropped}).toInt(), 0);
}

void tst_ChangeJournal::writeOutsideTransactionAnnouncedAtOnce()
{
    QSignalSpy registers(m_transactions.get(), &TransactionRepository::transactionsChanged);
    const QString first = addTransaction(m_checking, -100);
    QCOMPARE(m_committed.size(), 1);
    QCOMPARE(announcedAccounts(registers), QStringList{m_checking});
    QVERIFY(m_transactions->softDelete(first));
    QCOMPARE(m_committed.size(), 2);
    QCOMPARE(m_committed.last().ids(ChangeSet::Entity::Transaction), QSet<QString>{first});
    QCOMPARE(registers.count(), 2);
}

void tst_ChangeJournal::refusedWriteAnnouncesNothing()
{
    QVERIFY(m_db->exec("CREATE TRIGGER refuse BEFORE INSERT ON transactions BEGIN SELECT RAISE(ABORT, 'refused'); END"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("TransactionRepository::insert failed:.*refused"));
    QSignalSpy registers(m_transactions.get(), &TransactionRepository::transactionsChanged);
    QVERIFY(addTransaction(m_checking, -100).isEmpty());
    QCOMPARE(m_committed.size(), 0);
    QCOMPARE(registers.count(), 0);
}

void tst_ChangeJournal::bulkChangeAnnouncesAnyRegister()
{
    addTransaction(m_checking, -100);
    addTransaction(m_savings, 100);
    m_committed.clear();
    QSignalSpy registers(m_transactions.get(), &TransactionRepository::transactionsChanged);
    {
        SqlTransaction work(connection());
        QVERIFY(m_transactions->softDelete(addTransaction(m_checking, -7)));
        QCOMPARE(m_transactions->markAllPendingForResync(), 0);   // everything is pending already
        QCOMPARE(m_db->exec("UPDATE transactions SET sync_status = 'synced'"), true);
        QCOMPARE(m_transactions->markAllPendingForResync(), 2);
        QVERIFY(work.commit());
    }
    QCOMPARE(m_committed.size(), 1);
    QVERIFY(m_committed.first().allRegisters());
    QVERIFY(m_committed.first().affectsRegister(newUuid()));
    // "Any register" stands for every account: one emission with no account.
    QCOMPARE(announcedAccounts(registers), QStringList{QString()});
}

void tst_ChangeJournal::whenIdleRunsAtOnceWhenIdle()
{
    QObject context;
    int runs = 0;
    journal()->whenIdle(&context, [&runs] { ++runs; });
    QCOMPARE(runs, 1);
}

void tst_ChangeJournal::whenIdleWaitsForOutermostEnd_data()
{
    QTest::addColumn<bool>("commit");
    QTest::newRow("afterCommit") << true;
    QTest::newRow("afterRollback") << false;
}

void tst_ChangeJournal::whenIdleWaitsForOutermostEnd()
{
    QFETCH(bool, commit);
    QObject context;
    QStringList events;
    connect(journal(), &ChangeJournal::committed, &context, [&events] { events.append("committed"); });
    {
        SqlTransaction outer(connection());
        addTransaction(m_checking, -100);
        {
            SqlTransaction inner(connection());
            journal()->whenIdle(&context, [this, &events] {
                events.append(journal()->isWriting() ? "ran while writing" : "ran");
            });
            QVERIFY(inner.commit());
        }
        QCoreApplication::processEvents();
        QVERIFY(events.isEmpty());
        if (commit)
            QVERIFY(outer.commit());
        else
            outer.rollback();
        // Not from inside the commit: listeners of the commit come first.
        QCOMPARE(events, commit ? QStringList{"committed"} : QStringList());
    }
    QTRY_COMPARE(events, commit ? (QStringList{"committed", "ran"}) : QStringList{"ran"});
}

void tst_ChangeJournal::deferredWorkWritesAndIsAnnounced()
{
    QObject context;
    QSignalSpy registers(m_transactions.get(), &TransactionRepository::transactionsChanged);
    QString posted;
    {
        SqlTransaction outer(connection());
        journal()->whenIdle(&context, [this, &posted] {
            SqlTransaction own(connection());
            posted = addTransaction(m_savings, 900);
            own.commit();
        });
        addTransaction(m_checking, -100);
        QVERIFY(outer.commit());
    }
    QCOMPARE(announcedAccounts(registers), QStringList{m_checking});
    QTRY_VERIFY(!posted.isEmpty());
    QCOMPARE(m_committed.size(), 2);
    QCOMPARE(m_committed.last().ids(ChangeSet::Entity::Transaction), QSet<QString>{posted});
    QStringList expected{m_checking, m_savings};
    expected.sort();
    QCOMPARE(announcedAccounts(registers), expected);
}

void tst_ChangeJournal::deferredWorkOfDeletedContextDropped_data()
{
    QTest::addColumn<bool>("deleteWhileWriting");
    QTest::newRow("deletedWhileWriting") << true;
    QTest::newRow("deletedBeforeEventLoop") << false;
}

void tst_ChangeJournal::deferredWorkOfDeletedContextDropped()
{
    QFETCH(bool, deleteWhileWriting);
    auto gone = std::make_unique<QObject>();
    QObject kept;
    int goneRuns = 0;
    int keptRuns = 0;
    {
        SqlTransaction outer(connection());
        journal()->whenIdle(gone.get(), [&goneRuns] { ++goneRuns; });
        journal()->whenIdle(&kept, [&keptRuns] { ++keptRuns; });
        if (deleteWhileWriting)
            gone.reset();
        QVERIFY(outer.commit());
    }
    gone.reset();
    // The surviving task runs, so the event loop has had its chance.
    QTRY_COMPARE(keptRuns, 1);
    QCoreApplication::processEvents();
    QCOMPARE(goneRuns, 0);
}

void tst_ChangeJournal::balanceDeltas_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<bool>("known");
    QTest::addColumn<qint64>("delta");
    QTest::newRow("insert") << "insert" << true << qint64(-700);
    QTest::newRow("amountEdit") << "edit" << true << qint64(-250);
    QTest::newRow("softDelete") << "delete" << true << qint64(500);
    QTest::newRow("deleteAndRestore") << "deleteRestore" << true << qint64(0);
    QTest::newRow("editThenInsert") << "editInsert" << true << qint64(-950);
    QTest::newRow("bulkDelete") << "bulk" << false << qint64(0);
}

void tst_ChangeJournal::balanceDeltas()
{
    QFETCH(QString, operation);
    QFETCH(bool, known);
    QFETCH(qint64, delta);
    const QString id = addTransaction(m_checking, -500);
    m_committed.clear();
    {
        SqlTransaction work(connection());
        Transaction t = *m_transactions->findById(id);
        if (operation == "insert") {
            QVERIFY(!addTransaction(m_checking, -700).isEmpty());
        } else if (operation == "edit" || operation == "editInsert") {
            t.amount = -750;
            QVERIFY(m_transactions->update(t));
            if (operation == "editInsert")
                QVERIFY(!addTransaction(m_checking, -700).isEmpty());
        } else if (operation == "delete" || operation == "deleteRestore") {
            QVERIFY(m_transactions->softDelete(id));
            if (operation == "deleteRestore")
                QVERIFY(m_transactions->restore(id));
        } else {
            QVERIFY(m_transactions->softDeleteByAccount(m_checking) > 0);
        }
        QVERIFY(work.commit());
    }
    QCOMPARE(m_committed.size(), 1);
    const std::optional<qint64> moved = m_committed.at(0).balanceDelta(m_checking);
    QCOMPARE(moved.has_value(), known);
    if (known)
        QCOMPARE(*moved, delta);
    // What the delta says is what adding up the account again gives.
    if (known)
        QCOMPARE(m_accounts->balances().value(m_checking), qint64(-500) + delta);
    QVERIFY(!m_committed.at(0).balanceDelta(m_savings).has_value());
}

QTEST_GUILESS_MAIN(tst_ChangeJournal)
#include "tst_changejournal.moc"
