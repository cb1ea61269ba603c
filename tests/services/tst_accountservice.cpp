#include "common/servicefixture.h"
#include "data/accountrepository.h"
#include "data/changejournal.h"
#include "data/clock.h"
#include "data/reconciliationrepository.h"
#include "data/sqltransaction.h"
#include "data/recurringrepository.h"
#include "data/timestamps.h"
#include "data/transactionrepository.h"
#include "services/accountservice.h"
#include "services/transactionservice.h"
#include "services/undohistory.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

class tst_AccountService : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void createWithOpeningBalance_data();
    void createWithOpeningBalance();
    void createRefused_data();
    void createRefused();
    void createFailureStoresNeither();
    void createWithinFollowsTheCallersTransaction_data();
    void createWithinFollowsTheCallersTransaction();

    void editStamps();
    void editRefused_data();
    void editRefused();
    void reorderKeepsVersions();
    void reorderFailureChangesNone();

    void removeCascades();
    void removeRefusesGoneAccount_data();
    void removeRefusesGoneAccount();
    void removeFailureLeavesEverything_data();
    void removeFailureLeavesEverything();

    void undoRemoveBringsBackWhatItTook();
    void undoRemoveInTheSameSecond();
    void quickUndoAndRedoKeepTransfersWhole();
    void undoCreateAndEdit();

private:
    AccountService *service() const { return m_fixture->accountService(); }
    QDateTime later();
    int liveRows(const QString &table, const QString &accountId) const;
    // The state without the account and the rows that belong to it.
    static ServiceFixture::State without(const ServiceFixture::State &state, const QString &accountId);

    std::unique_ptr<ServiceFixture> m_fixture;
    QString m_checking;
    QString m_savings;
};

void tst_AccountService::init()
{
    Clock::setNow(QDateTime(QDate(2024, 5, 1), QTime(12, 0), Qt::UTC));
    Clock::setToday(QDate(2024, 5, 1));
    m_fixture = std::make_unique<ServiceFixture>();
    m_checking = m_fixture->addAccount("Checking");
    m_savings = m_fixture->addAccount("Savings");
}

void tst_AccountService::cleanup()
{
    m_fixture.reset();
    Clock::setNow(QDateTime());
    Clock::setToday(QDate());
}

QDateTime tst_AccountService::later()
{
    const QDateTime next = Clock::now().addSecs(60);
    Clock::setNow(next);
    return next;
}

int tst_AccountService::liveRows(const QString &table, const QString &accountId) const
{
    return m_fixture->db()
        .scalar(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE account_id = ? AND deleted_at IS NULL").arg(table),
                {accountId})
        .toInt();
}

ServiceFixture::State tst_AccountService::without(const ServiceFixture::State &state, const QString &accountId)
{
    ServiceFixture::State rest;
    for (auto table = state.cbegin(); table != state.cend(); ++table) {
        QList<QVariantMap> &rows = rest[table.key()];
        for (const QVariantMap &row : table.value()) {
            if (row.value("account_id").toString() != accountId && row.value("id").toString() != accountId)
                rows.append(row);
        }
    }
    return rest;
}

void tst_AccountService::createWithOpeningBalance_data()
{
    QTest::addColumn<qint64>("opening");
    QTest::addColumn<QDate>("openingDate");
    QTest::addColumn<QDate>("expectedDate");
    QTest::newRow("deposit") << qint64(125050) << QDate(2024, 1, 31) << QDate(2024, 1, 31);
    QTest::newRow("overdrawn") << qint64(-500) << QDate(2023, 12, 1) << QDate(2023, 12, 1);
    QTest::newRow("noDateMeansCreationDay") << qint64(700) << QDate() << QDate(2024, 5, 1);
    QTest::newRow("zeroStoresNoTransaction") << qint64(0) << QDate(2024, 1, 31) << QDate();
}

void tst_AccountService::createWithOpeningBalance()
{
    QFETCH(qint64, opening);
    QFETCH(QDate, openingDate);
    QFETCH(QDate, expectedDate);
    const QDateTime now = later();
    Account draft;
    draft.name = QStringLiteral("  Travel fund ");
    draft.type = AccountType::Savings;
    draft.currency = Currency::EUR;
    draft.startingBalance = 999;   // an opening amount is a transaction, never a starting balance
    QSignalSpy announced(m_fixture->db().database()->changes(), &ChangeJournal::committed);

    const Result<Account> created = service()->create(draft, opening, openingDate);
    QVERIFY2(created.ok(), qPrintable(created.error()));
    QCOMPARE(announced.count(), 1);

    const Account account = *m_fixture->account(created->id);
    QCOMPARE(account.name, QStringLiteral("Travel fund"));
    QCOMPARE(account.type, AccountType::Savings);
    QCOMPARE(account.currency, Currency::EUR);
    QCOMPARE(account.startingBalance, 0);
    QCOMPARE(account.version, 1);
    QCOMPARE(account.syncStatus, SyncStatus::Pending);
    QCOMPARE(account.createdAt, now);
    QCOMPARE(account.updatedAt, now);
    QCOMPARE(m_fixture->accounts()->balances().value(account.id), opening);

    const QList<Transaction> rows = m_fixture->transactions()->findByAccount(account.id);
    QCOMPARE(rows.size(), opening == 0 ? 0 : 1);
    if (opening == 0)
        return;
    const Transaction t = rows.first();
    QCOMPARE(t.payee, QStringLiteral("Opening Balance"));
    QCOMPARE(t.amount, opening);
    QCOMPARE(t.date, expectedDate.isValid() ? expectedDate : now.toLocalTime().date());
    QVERIFY(t.cleared);
    QVERIFY(t.reconciled);
    QVERIFY(t.transferLinkId.isEmpty());
    QCOMPARE(t.version, 1);
    QCOMPARE(t.syncStatus, SyncStatus::Pending);
    QCOMPARE(t.createdAt, now);
}

void tst_AccountService::createRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << QString();
    QTest::newRow("blank") << "  \t ";
}

void tst_AccountService::createRefused()
{
    QFETCH(QString, name);
    const ServiceFixture::State before = m_fixture->state();
    Account draft;
    draft.name = name;
    const Result<Account> created = service()->create(draft, 500, QDate(2024, 1, 1));
    QVERIFY(!created.ok());
    QCOMPARE(created.error(), QStringLiteral("Account name is required"));
    const QString changed = ServiceFixture::differences(before, m_fixture->state());
    QVERIFY2(changed.isEmpty(), qPrintable(changed));
}

void tst_AccountService::createFailureStoresNeither()
{
    QVERIFY(m_fixture->refuse("BEFORE INSERT ON transactions"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^TransactionRepository::insert failed: .*refused"));
    const ServiceFixture::State before = m_fixture->state();
    QSignalSpy accountList(m_fixture->accounts(), &AccountRepository::accountsChanged);
    Account draft;
    draft.name = QStringLiteral("Broker");

    const Result<Account> created = service()->create(draft, 100, QDate(2024, 1, 1));
    QVERIFY(!created.ok());
    QCOMPARE(created.error(), QStringLiteral("Could not create the account"));
    const QString changed = ServiceFixture::differences(before, m_fixture->state());
    QVERIFY2(changed.isEmpty(), qPrintable(changed));
    QCOMPARE(accountList.count(), 0);
}

void tst_AccountService::createWithinFollowsTheCallersTransaction_data()
{
    QTest::addColumn<bool>("commit");
    QTest::newRow("committed") << true;
    QTest::newRow("rolledBack") << false;
}

void tst_AccountService::createWithinFollowsTheCallersTransaction()
{
    QFETCH(bool, commit);
    UndoHistory history;
    service()->setUndoHistory(&history);
    const ServiceFixture::State before = m_fixture->state();
    Account draft;
    draft.name = QStringLiteral("  Imported  ");
    QString id;
    {
        SqlTransaction outer;
        QVERIFY(outer.isActive());
        const Result<Account> created = service()->createWithin(draft, 2500, QDate(2024, 1, 1));
        QVERIFY(created.ok());
        QCOMPARE(created->name, QStringLiteral("Imported"));
        id = created->id;
        QVERIFY(m_fixture->isLive(QStringLiteral("accounts"), id));
        if (commit)
            QVERIFY(outer.commit());
        else
            outer.rollback();
    }
    QCOMPARE(m_fixture->isLive(QStringLiteral("accounts"), id), commit);
    QCOMPARE(liveRows(QStringLiteral("transactions"), id), commit ? 1 : 0);
    if (!commit) {
        const QString changed = ServiceFixture::differences(before, m_fixture->state());
        QVERIFY2(changed.isEmpty(), qPrintable(changed));
    }
    // The caller's operation owns the account: no undo step of its own.
    QVERIFY(!history.canUndo());
    service()->setUndoHistory(nullptr);
}

void tst_AccountService::editStamps()
{
    QVERIFY(m_fixture->db().exec("UPDATE accounts SET server_id = 'srv-1', is_shared = 1, sync_status = 'synced' "
                                 "WHERE id = ?",
                                 {m_checking}));
    const Account before = *m_fixture->account(m_checking);
    const QDateTime now = later();
    Account changed = before;
    changed.name = QStringLiteral(" Everyday ");
    changed.type = AccountType::Cash;
    changed.currency = Currency::GBP;
    changed.institution = QStringLiteral("Town bank");
    changed.accountNumberLast4 = QStringLiteral("4321");
    changed.startingBalance = 1500;
    changed.sortOrder = 7;
    // Whatever the caller passes for these, they are not the editor's to change.
    changed.version = 40;
    changed.serverId = QStringLiteral("forged");
    changed.isShared = false;
    changed.createdAt = now.addYears(-3);

    const Result<Account> result = service()->edit(changed);
    QVERIFY2(result.ok(), qPrintable(result.error()));
    const Account after = *m_fixture->account(m_checking);
    QCOMPARE(after.name, QStringLiteral("Everyday"));
    QCOMPARE(after.type, AccountType::Cash);
    QCOMPARE(after.currency, Currency::GBP);
    QCOMPARE(after.institution, QStringLiteral("Town bank"));
    QCOMPARE(after.accountNumberLast4, QStringLiteral("4321"));
    QCOMPARE(after.startingBalance, 1500);
    QCOMPARE(after.sortOrder, 7);
    QCOMPARE(after.version, before.version + 1);
    QCOMPARE(after.syncStatus, SyncStatus::Pending);
    QCOMPARE(after.updatedAt, now);
    QCOMPARE(after.createdAt, before.createdAt);
    QCOMPARE(after.serverId, QStringLiteral("srv-1"));
    QVERIFY(after.isShared);
    QCOMPARE(result->version, after.version);
}

void tst_AccountService::editRefused_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::newRow("blankName") << "live" << "   " << "Account name is required";
    QTest::newRow("deletedAccount") << "deleted" << "Renamed" << "The account no longer exists";
    QTest::newRow("unknownAccount") << "unknown" << "Renamed" << "The account no longer exists";
}

void tst_AccountService::editRefused()
{
    QFETCH(QString, which);
    QFETCH(QString, name);
    QFETCH(QString, message);
    if (which == "deleted")
        QVERIFY(m_fixture->accounts()->softDelete(m_checking));
    Account changed = *m_fixture->account(m_checking);
    if (which == "unknown")
        changed.id = QStringLiteral("no-such-account");
    changed.name = name;
    const ServiceFixture::State before = m_fixture->state();

    const Result<Account> result = service()->edit(changed);
    QVERIFY(!result.ok());
    QCOMPARE(result.error(), message);
    const QString differences = ServiceFixture::differences(before, m_fixture->state());
    QVERIFY2(differences.isEmpty(), qPrintable(differences));
}

void tst_AccountService::reorderKeepsVersions()
{
    // The order of the sidebar is this installation's own: it is stored,
    // announced and dated, but it makes no new version for sync.
    const Account checking = *m_fixture->account(m_checking);
    const QDateTime now = later();
    QSignalSpy accountList(m_fixture->accounts(), &AccountRepository::accountsChanged);
    QVERIFY(service()->reorder({{m_savings, 0}, {m_checking, 1}}).ok());
    QCOMPARE(accountList.count(), 1);
    const QList<Account> ordered = m_fixture->accounts()->findAll();
    QCOMPARE(ordered.size(), 2);
    QCOMPARE(ordered.at(0).id, m_savings);
    QCOMPARE(ordered.at(1).id, m_checking);
    QCOMPARE(ordered.at(1).version, checking.version);
    QCOMPARE(ordered.at(1).updatedAt, now);
    QCOMPARE(ordered.at(1).syncStatus, checking.syncStatus);
}

void tst_AccountService::reorderFailureChangesNone()
{
    QVERIFY(m_fixture->refuse("BEFORE UPDATE ON accounts", QStringLiteral("NEW.id = '%1'").arg(m_checking)));
    const ServiceFixture::State before = m_fixture->state();
    QSignalSpy accountList(m_fixture->accounts(), &AccountRepository::accountsChanged);
    const Result<void> result = service()->reorder({{m_savings, 0}, {m_checking, 1}});
    QVERIFY(!result.ok());
    QCOMPARE(result.error(), QStringLiteral("Could not save the order of the accounts"));
    const QString changed = ServiceFixture::differences(before, m_fixture->state());
    QVERIFY2(changed.isEmpty(), qPrintable(changed));
    QCOMPARE(accountList.count(), 0);
}

void tst_AccountService::removeCascades()
{
    const Transaction earlier = m_fixture->addTransaction(m_checking, -10, "Deleted long ago");
    QVERIFY(m_fixture->transactions()->softDelete(earlier.id));
    const QString earlierDeletedAt = m_fixture->db().scalar("SELECT deleted_at FROM transactions WHERE id = ?",
                                                            {earlier.id}).toString();
    m_fixture->addTransaction(m_checking, -20);
    m_fixture->addTransaction(m_checking, -30);
    m_fixture->addRecurring(m_checking);
    m_fixture->addReconciliation(m_checking);
    m_fixture->addTransaction(m_savings, 40);
    m_fixture->addRecurring(m_savings);
    m_fixture->addReconciliation(m_savings);
    const ServiceFixture::State before = m_fixture->state();
    const QDateTime now = later();
    QSignalSpy accountList(m_fixture->accounts(), &AccountRepository::accountsChanged);
    QSignalSpy registers(m_fixture->transactions(), &TransactionRepository::transactionsChanged);
    QSignalSpy recurring(m_fixture->recurring(), &RecurringRepository::recurringChanged);
    QSignalSpy reconciliations(m_fixture->reconciliations(), &ReconciliationRepository::reconciliationsChanged);

    const Result<void> removed = service()->remove(m_checking);
    QVERIFY2(removed.ok(), qPrintable(removed.error()));

    QVERIFY(!m_fixture->isLive("accounts", m_checking));
    for (const char *table : {"transactions", "recurring_transactions", "reconciliations"}) {
        QCOMPARE(liveRows(table, m_checking), 0);
        QCOMPARE(liveRows(table, m_savings), 1);
        // Every row the delete took is stamped so sync sends the deletion.
        QCOMPARE(m_fixture->db()
                     .scalar(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE account_id = ? AND deleted_at = ? AND "
                                            "updated_at = ? AND version = 2 AND sync_status = 'pending'")
                                 .arg(table),
                             {m_checking, timestampToText(now), timestampToText(now)})
                     .toInt(),
                 QString(table) == "transactions" ? 2 : 1);
    }
    QCOMPARE(m_fixture->db().scalar("SELECT deleted_at FROM transactions WHERE id = ?", {earlier.id}).toString(),
             earlierDeletedAt);
    QCOMPARE(m_fixture->account(m_checking)->version, 2);
    QCOMPARE(m_fixture->accounts()->findAll().size(), 1);
    // The other account's rows are exactly as they were.
    const QString untouched = ServiceFixture::differences(without(before, m_checking),
                                                          without(m_fixture->state(), m_checking));
    QVERIFY2(untouched.isEmpty(), qPrintable(untouched));
    QCOMPARE(accountList.count(), 1);
    QCOMPARE(registers.count(), 1);
    QCOMPARE(registers.first().first().toString(), m_checking);
    QCOMPARE(recurring.count(), 1);
    QCOMPARE(reconciliations.count(), 1);
}

void tst_AccountService::removeRefusesGoneAccount_data()
{
    QTest::addColumn<QString>("id");
    QTest::newRow("empty") << QString();
    QTest::newRow("unknown") << "no-such-account";
    QTest::newRow("deleted") << "deleted";
}

void tst_AccountService::removeRefusesGoneAccount()
{
    QFETCH(QString, id);
    if (id == "deleted") {
        QVERIFY(service()->remove(m_savings).ok());
        id = m_savings;
    }
    const ServiceFixture::State before = m_fixture->state();
    const Result<void> result = service()->remove(id);
    QVERIFY(!result.ok());
    QCOMPARE(result.error(), QStringLiteral("The account no longer exists"));
    const QString changed = ServiceFixture::differences(before, m_fixture->state());
    QVERIFY2(changed.isEmpty(), qPrintable(changed));
}

void tst_AccountService::removeFailureLeavesEverything_data()
{
    QTest::addColumn<QString>("when");
    QTest::addColumn<QString>("warning");
    // The account goes first and the reconciliations last: each row fails
    // the cascade at another point.
    QTest::newRow("accountItself") << "BEFORE UPDATE ON accounts" << "AccountRepository::softDelete";
    QTest::newRow("reconciliations") << "BEFORE UPDATE ON reconciliations"
                                     << "ReconciliationRepository::softDeleteByAccount";
    QTest::newRow("recurring") << "BEFORE UPDATE ON recurring_transactions"
                               << "RecurringRepository::softDeleteByAccount";
    QTest::newRow("transactions") << "BEFORE UPDATE ON transactions" << "TransactionRepository::softDeleteByAccount";
}

void tst_AccountService::removeFailureLeavesEverything()
{
    QFETCH(QString, when);
    QFETCH(QString, warning);
    m_fixture->addTransaction(m_checking, -20);
    m_fixture->addTransfer(m_checking, m_savings, -300);
    m_fixture->addRecurring(m_checking);
    m_fixture->addReconciliation(m_checking);
    QVERIFY(m_fixture->refuse(when));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^%1 failed: .*refused").arg(warning)));
    UndoHistory history;
    service()->setUndoHistory(&history);
    const ServiceFixture::State before = m_fixture->state();
    QSignalSpy announced(m_fixture->db().database()->changes(), &ChangeJournal::committed);
    later();

    const Result<void> result = service()->remove(m_checking);
    QVERIFY(!result.ok());
    QCOMPARE(result.error(), QStringLiteral("Could not delete the account"));
    const QString changed = ServiceFixture::differences(before, m_fixture->state());
    QVERIFY2(changed.isEmpty(), qPrintable(changed));
    QCOMPARE(announced.count(), 0);
    QVERIFY(!history.canUndo());
    QVERIFY(!m_fixture->db().database()->changes()->isWriting());
}

void tst_AccountService::undoRemoveBringsBackWhatItTook()
{
    UndoHistory history;
    service()->setUndoHistory(&history);
    const Transaction earlier = m_fixture->addTransaction(m_checking, -10, "Deleted before");
    QVERIFY(m_fixture->transactions()->softDelete(earlier.id));
    const QString earlierRecurring = m_fixture->addRecurring(m_checking);
    QVERIFY(m_fixture->recurring()->softDelete(earlierRecurring));
    m_fixture->addTransaction(m_checking, -20);
    const Transaction transfer = m_fixture->addTransfer(m_checking, m_savings, -300);
    m_fixture->addRecurring(m_checking);
    m_fixture->addReconciliation(m_checking);
    m_fixture->addTransaction(m_savings, 40);
    later();
    const ServiceFixture::State before = m_fixture->state();

    QVERIFY(service()->remove(m_checking).ok());
    const ServiceFixture::State removed = m_fixture->state();
    QCOMPARE(history.undoText(), QStringLiteral("Delete Account"));
    // The other half of the transfer lives on in Savings.
    QVERIFY(m_fixture->isLive("transactions", transfer.transferLinkId));
    later();

    const Result<void> undone = history.undo();
    QVERIFY2(undone.ok(), qPrintable(undone.error()));
    const ServiceFixture::State restored = m_fixture->state();
    // Same rows, live where they were live, stamped anew where the undo wrote.
    for (const QString &table : before.keys()) {
        const QList<QVariantMap> expectedRows = before.value(table);
        const QList<QVariantMap> actualRows = restored.value(table);
        QCOMPARE(actualRows.size(), expectedRows.size());
        for (qsizetype i = 0; i < expectedRows.size(); ++i) {
            QVariantMap expected = expectedRows.at(i);
            QVariantMap actual = actualRows.at(i);
            const bool rewritten = actual.value("updated_at") != expected.value("updated_at");
            if (rewritten) {
                QCOMPARE(actual.value("updated_at").toString(), timestampToText(Clock::now()));
                QCOMPARE(actual.value("sync_status").toString(), QStringLiteral("pending"));
                QVERIFY(actual.value("version").toInt() > expected.value("version").toInt());
                for (const char *stamp : {"updated_at", "version", "sync_status"}) {
                    expected.remove(stamp);
                    actual.remove(stamp);
                }
            }
            QVERIFY2(actual == expected, qPrintable(ServiceFixture::differences({{table, {expectedRows.at(i)}}},
                                                                                {{table, {actualRows.at(i)}}})));
        }
    }
    QCOMPARE(history.redoText(), QStringLiteral("Delete Account"));

    later();
    QVERIFY(history.redo().ok());
    for (const char *table : {"transactions", "recurring_transactions", "reconciliations"})
        QCOMPARE(liveRows(table, m_checking), 0);
    QVERIFY(!m_fixture->isLive("accounts", m_checking));
    QCOMPARE(m_fixture->state().value("transactions").size(), removed.value("transactions").size());
}

void tst_AccountService::undoCreateAndEdit()
{
    UndoHistory history;
    service()->setUndoHistory(&history);
    Account draft;
    draft.name = QStringLiteral("Wallet");
    const Result<Account> created = service()->create(draft, 2000, QDate(2024, 4, 1));
    QVERIFY(created.ok());
    QCOMPARE(history.undoText(), QStringLiteral("New Account"));
    Account renamed = created.value();
    renamed.name = QStringLiteral("Purse");
    later();
    QVERIFY(service()->edit(renamed).ok());
    QCOMPARE(history.undoText(), QStringLiteral("Edit Account"));

    later();
    QVERIFY(history.undo().ok());
    QCOMPARE(m_fixture->account(created->id)->name, QStringLiteral("Wallet"));
    later();
    QVERIFY(history.undo().ok());
    QVERIFY(!m_fixture->isLive("accounts", created->id));
    QCOMPARE(liveRows("transactions", created->id), 0);
    QVERIFY(!m_fixture->accounts()->balances().contains(created->id));

    later();
    QVERIFY(history.redo().ok());
    QVERIFY(m_fixture->isLive("accounts", created->id));
    QCOMPARE(m_fixture->accounts()->balances().value(created->id), 2000);
    later();
    QVERIFY(history.redo().ok());
    QCOMPARE(m_fixture->account(created->id)->name, QStringLiteral("Purse"));
    QVERIFY(!history.canRedo());
}

void tst_AccountService::undoRemoveInTheSameSecond()
{
    // The clock stays put: the person deletes a row and then its account
    // within one second.
    UndoHistory history;
    service()->setUndoHistory(&history);
    m_fixture->transactionService()->setUndoHistory(&history);
    const Transaction kept = m_fixture->addTransaction(m_checking, -20);
    const Transaction removedFirst = m_fixture->addTransaction(m_checking, -10);
    QVERIFY(m_fixture->transactionService()->remove(removedFirst.id).ok());
    QVERIFY(service()->remove(m_checking).ok());

    QVERIFY(history.undo().ok());
    QVERIFY(m_fixture->isLive("accounts", m_checking));
    QVERIFY(m_fixture->isLive("transactions", kept.id));
    QVERIFY(!m_fixture->isLive("transactions", removedFirst.id));
    QCOMPARE(m_fixture->accounts()->balances().value(m_checking), -20);
    QVERIFY(history.undo().ok());
    QVERIFY(m_fixture->isLive("transactions", removedFirst.id));
}

void tst_AccountService::quickUndoAndRedoKeepTransfersWhole()
{
    UndoHistory history;
    service()->setUndoHistory(&history);
    m_fixture->transactionService()->setUndoHistory(&history);
    Account draft;
    draft.name = QStringLiteral("Wallet");
    const Result<Account> wallet = service()->create(draft);
    QVERIFY(wallet.ok());
    TransactionDraft transfer;
    transfer.accountId = wallet->id;
    transfer.transferAccountId = m_checking;
    transfer.date = QDate(2024, 4, 30);
    transfer.amount = -1500;
    const Result<Transaction> half = m_fixture->transactionService()->create(transfer);
    QVERIFY(half.ok());

    // Undo twice and redo once within the same second.
    QVERIFY(history.undo().ok());
    QVERIFY(history.undo().ok());
    QVERIFY(history.redo().ok());
    QVERIFY(m_fixture->isLive("accounts", wallet->id));
    QCOMPARE(history.redoText(), QStringLiteral("New Transaction"));
    // The account comes back as it was created: without the transfer, so
    // neither half is live on its own.
    QVERIFY(!m_fixture->isLive("transactions", half->id));
    QVERIFY(!m_fixture->isLive("transactions", half->transferLinkId));
    QCOMPARE(m_fixture->accounts()->balances().value(wallet->id), 0);

    QVERIFY(history.redo().ok());
    QVERIFY(m_fixture->isLive("transactions", half->id));
    QVERIFY(m_fixture->isLive("transactions", half->transferLinkId));
}

QTEST_GUILESS_MAIN(tst_AccountService)
#include "tst_accountservice.moc"
