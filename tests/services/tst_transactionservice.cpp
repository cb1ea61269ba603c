#include "common/servicefixture.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/changejournal.h"
#include "data/clock.h"
#include "data/splitlinerepository.h"
#include "data/timestamps.h"
#include "data/transactionrepository.h"
#include "data/uuids.h"
#include "services/accountservice.h"
#include "services/transactionservice.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <limits>

namespace {

// A draft that is wrong in one way.
enum class Flaw {
    BlankPayee,
    InvalidDate,
    UnknownAccount,
    DeletedAccount,
    UnknownCategory,
    DeletedCategory,
    TransferToSameAccount,
    TransferToOtherCurrency,
    TransferToUnknownAccount,
    TransferToDeletedAccount,
    SplitLineWithoutCategory,
    SplitLinesOverflow,
    TransferOfLowestAmount,
};

// One write through the service, for the tables that check what every
// operation does on failure and what it announces.
enum class Operation {
    CreatePlain,
    CreateTransfer,
    EditPlain,
    EditTransferAmount,
    EditTransferMemo,
    RetargetTransfer,
    ClearTransferTarget,
    PlainBecomesTransfer,
    RemovePlain,
    RemoveTransfer,
    SetCleared,
    SetClearedOnTransfer,
    ReplaceSplitLines,
    SplitTransferHalf,
};

SplitLine line(const QString &categoryId, qint64 amount, const QString &memo = QString())
{
    SplitLine l;
    l.categoryId = categoryId;
    l.amount = amount;
    l.memo = memo;
    return l;
}

} // namespace

Q_DECLARE_METATYPE(Flaw)
Q_DECLARE_METATYPE(Operation)

class tst_TransactionService : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void createPlainStoresAndStamps();
    void createTransferWritesBothHalves_data();
    void createTransferWritesBothHalves();
    void createSplitTakesSumOfLines();
    void splitAmountChangesOnlyWithItsLines_data();
    void splitAmountChangesOnlyWithItsLines();
    void refusals_data();
    void refusals();
    void goneTransaction_data();
    void goneTransaction();

    void editStampsAndKeepsCreation();
    void editTransferMirrors_data();
    void editTransferMirrors();
    void retargetReplacesOtherHalf_data();
    void retargetReplacesOtherHalf();
    void clearingTargetMakesPlainRow();
    void plainRowBecomesTransfer();
    void halfOfDeletedAccount_data();
    void halfOfDeletedAccount();
    void otherHalfSplit_data();
    void otherHalfSplit();

    void removeTakesBothHalves_data();
    void removeTakesBothHalves();

    void setClearedStamps_data();
    void setClearedStamps();
    void replaceSplitLinesStamps_data();
    void replaceSplitLinesStamps();

    void failureLeavesEverything_data();
    void failureLeavesEverything();
    void announcedPerTouchedAccount_data();
    void announcedPerTouchedAccount();

private:
    TransactionService *service() const { return m_fixture->transactionService(); }
    Transaction stored(const QString &id) const { return m_fixture->transaction(id).value_or(Transaction()); }
    TransactionDraft plainDraft(const QString &accountId) const;
    TransactionDraft transferDraft(const QString &from, const QString &to, qint64 amount) const;
    TransactionDraft flawed(Flaw flaw, const QString &accountId);
    // Moves the pinned clock on, so stamps written from here differ from the fixture's.
    QDateTime later();
    Result<void> run(Operation operation);
    qint64 balance(const QString &accountId) const;

    std::unique_ptr<ServiceFixture> m_fixture;
    QString m_checking;
    QString m_savings;
    QString m_cash;
    QString m_yen;
    QString m_food;
    QString m_rent;
    Transaction m_transfer;   // checking -2500 to savings
    Transaction m_split;      // checking: food -1000, rent -2000
    Transaction m_plain;      // cash -450
};

void tst_TransactionService::init()
{
    Clock::setNow(QDateTime(QDate(2024, 5, 1), QTime(12, 0), Qt::UTC));
    Clock::setToday(QDate(2024, 5, 1));
    m_fixture = std::make_unique<ServiceFixture>();
    m_checking = m_fixture->addAccount("Checking");
    m_savings = m_fixture->addAccount("Savings");
    m_cash = m_fixture->addAccount("Cash");
    m_yen = m_fixture->addAccount("Yen", Currency::JPY);
    m_food = m_fixture->addCategory("Food");
    m_rent = m_fixture->addCategory("Rent");
    m_transfer = m_fixture->addTransfer(m_checking, m_savings, -2500);
    m_split = m_fixture->addSplit(m_checking, {{m_food, -1000}, {m_rent, -2000}});
    m_plain = m_fixture->addTransaction(m_cash, -450);
}

void tst_TransactionService::cleanup()
{
    m_fixture.reset();
    Clock::setNow(QDateTime());
    Clock::setToday(QDate());
}

TransactionDraft tst_TransactionService::plainDraft(const QString &accountId) const
{
    TransactionDraft draft;
    draft.accountId = accountId;
    draft.date = QDate(2024, 4, 20);
    draft.payee = QStringLiteral("  Bakery ");
    draft.memo = QStringLiteral(" bread ");
    draft.checkNumber = QStringLiteral(" 101 ");
    draft.amount = -725;
    draft.categoryId = m_food;
    return draft;
}

TransactionDraft tst_TransactionService::transferDraft(const QString &from, const QString &to, qint64 amount) const
{
    TransactionDraft draft;
    draft.accountId = from;
    draft.date = QDate(2024, 4, 21);
    draft.amount = amount;
    draft.memo = QStringLiteral("moving");
    draft.cleared = true;
    draft.transferAccountId = to;
    return draft;
}

TransactionDraft tst_TransactionService::flawed(Flaw flaw, const QString &accountId)
{
    TransactionDraft draft = plainDraft(accountId);
    switch (flaw) {
    case Flaw::BlankPayee:
        draft.payee = QStringLiteral("   ");
        break;
    case Flaw::InvalidDate:
        draft.date = QDate();
        break;
    case Flaw::UnknownAccount:
        draft.accountId = newUuid();
        break;
    case Flaw::DeletedAccount:
        if (!m_fixture->accounts()->softDelete(accountId))
            qFatal("cannot delete what the flaw needs gone");
        break;
    case Flaw::UnknownCategory:
        draft.categoryId = newUuid();
        break;
    case Flaw::DeletedCategory:
        if (!m_fixture->categories()->softDelete(m_food))
            qFatal("cannot delete what the flaw needs gone");
        break;
    case Flaw::TransferToSameAccount:
        draft.transferAccountId = accountId;
        break;
    case Flaw::TransferToOtherCurrency:
        draft.transferAccountId = m_yen;
        break;
    case Flaw::TransferToUnknownAccount:
        draft.transferAccountId = newUuid();
        break;
    case Flaw::TransferToDeletedAccount:
        if (!m_fixture->accounts()->softDelete(m_savings))
            qFatal("cannot delete what the flaw needs gone");
        draft.transferAccountId = m_savings;
        break;
    case Flaw::SplitLineWithoutCategory:
        draft.splitLines = QList<SplitLine>{line(m_rent, -100), line(QString(), -200)};
        break;
    case Flaw::SplitLinesOverflow:
        draft.splitLines = QList<SplitLine>{line(m_rent, std::numeric_limits<qint64>::max()), line(m_food, 1)};
        break;
    case Flaw::TransferOfLowestAmount:
        draft.transferAccountId = m_savings;
        draft.amount = std::numeric_limits<qint64>::min();
        break;
    }
    return draft;
}

QDateTime tst_TransactionService::later()
{
    const QDateTime next = Clock::now().addSecs(3600);
    Clock::setNow(next);
    return next;
}

qint64 tst_TransactionService::balance(const QString &accountId) const
{
    return m_fixture->accounts()->balances().value(accountId);
}

Result<void> tst_TransactionService::run(Operation operation)
{
    const auto done = [](const auto &result) {
        return result ? Result<void>() : Result<void>::failure(result.error());
    };
    TransactionDraft draft;
    switch (operation) {
    case Operation::CreatePlain:
        return done(service()->create(plainDraft(m_cash)));
    case Operation::CreateTransfer:
        return done(service()->create(transferDraft(m_checking, m_cash, -900)));
    case Operation::EditPlain:
        draft = TransactionDraft::fromTransaction(m_plain);
        draft.amount = -990;
        return done(service()->edit(m_plain.id, draft));
    case Operation::EditTransferAmount:
        draft = TransactionDraft::fromTransaction(m_transfer);
        draft.amount = -3100;
        return done(service()->edit(m_transfer.id, draft));
    case Operation::EditTransferMemo:
        draft = TransactionDraft::fromTransaction(m_transfer);
        draft.memo = QStringLiteral("rainy day");
        return done(service()->edit(m_transfer.id, draft));
    case Operation::RetargetTransfer:
        draft = TransactionDraft::fromTransaction(m_transfer);
        draft.transferAccountId = m_cash;
        return done(service()->edit(m_transfer.id, draft));
    case Operation::ClearTransferTarget:
        draft = TransactionDraft::fromTransaction(m_transfer);
        draft.transferAccountId.clear();
        return done(service()->edit(m_transfer.id, draft));
    case Operation::PlainBecomesTransfer:
        draft = TransactionDraft::fromTransaction(m_plain);
        draft.transferAccountId = m_savings;
        return done(service()->edit(m_plain.id, draft));
    case Operation::RemovePlain:
        return service()->remove(m_plain.id);
    case Operation::RemoveTransfer:
        return service()->remove(m_transfer.id);
    case Operation::SetCleared:
        return done(service()->setCleared(m_split.id, true));
    case Operation::SetClearedOnTransfer:
        return done(service()->setCleared(m_transfer.transferLinkId, true));
    case Operation::ReplaceSplitLines:
        return done(service()->replaceSplitLines(m_split.id, {line(m_food, -111), line(m_rent, -222)}));
    case Operation::SplitTransferHalf:
        return done(service()->replaceSplitLines(m_transfer.id, {line(m_food, -1500), line(m_rent, -1600)}));
    }
    return Result<void>::failure(QStringLiteral("unknown operation"));
}

void tst_TransactionService::createPlainStoresAndStamps()
{
    const QDateTime now = later();
    const Result<Transaction> created = service()->create(plainDraft(m_cash));
    QVERIFY2(created.ok(), qPrintable(created.error()));

    const Transaction t = stored(created->id);
    QCOMPARE(t.accountId, m_cash);
    QCOMPARE(t.date, QDate(2024, 4, 20));
    QCOMPARE(t.payee, QStringLiteral("Bakery"));
    QCOMPARE(t.memo, QStringLiteral("bread"));
    QCOMPARE(t.checkNumber, QStringLiteral("101"));
    QCOMPARE(t.amount, -725);
    QCOMPARE(t.categoryId, m_food);
    QVERIFY(t.transferLinkId.isEmpty());
    QVERIFY(!t.isSplit);
    QCOMPARE(t.version, 1);
    QCOMPARE(t.syncStatus, SyncStatus::Pending);
    QCOMPARE(t.createdAt, now);
    QCOMPARE(t.updatedAt, now);
    QVERIFY(!t.deletedAt);
    QCOMPARE(created->payee, t.payee);
    QCOMPARE(balance(m_cash), -450 - 725);
}

void tst_TransactionService::createTransferWritesBothHalves_data()
{
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<bool>("cleared");
    QTest::newRow("payment") << qint64(-5000) << true;
    QTest::newRow("deposit") << qint64(5000) << false;
    QTest::newRow("zero") << qint64(0) << false;
    QTest::newRow("largest") << std::numeric_limits<qint64>::max() << true;
}

void tst_TransactionService::createTransferWritesBothHalves()
{
    QFETCH(qint64, amount);
    QFETCH(bool, cleared);
    TransactionDraft draft = transferDraft(m_checking, m_cash, amount);
    draft.payee = QStringLiteral("typed by hand");
    draft.cleared = cleared;
    draft.categoryId = m_food;
    const Result<Transaction> created = service()->create(draft);
    QVERIFY2(created.ok(), qPrintable(created.error()));

    const Transaction source = stored(created->id);
    const Transaction other = stored(source.transferLinkId);
    QCOMPARE(source.accountId, m_checking);
    QCOMPARE(source.payee, QStringLiteral("Transfer to Cash"));
    QCOMPARE(source.amount, amount);
    QCOMPARE(source.transferDestAccountId, m_cash);
    QCOMPARE(other.accountId, m_cash);
    QCOMPARE(other.payee, QStringLiteral("Transfer from Checking"));
    QCOMPARE(other.amount, -amount);
    QCOMPARE(other.transferLinkId, source.id);
    QCOMPARE(other.transferDestAccountId, m_checking);
    QCOMPARE(other.date, source.date);
    QCOMPARE(other.cleared, cleared);
    QCOMPARE(other.reconciled, source.reconciled);
    QVERIFY(other.categoryId.isEmpty());
    QVERIFY(other.memo.isEmpty());
    QCOMPARE(other.version, 1);
    QCOMPARE(other.syncStatus, SyncStatus::Pending);
    QCOMPARE(other.createdAt, Clock::now());
    QCOMPARE(m_fixture->db().scalar("SELECT COUNT(*) FROM transactions WHERE deleted_at IS NULL").toInt(), 6);
}

void tst_TransactionService::createSplitTakesSumOfLines()
{
    TransactionDraft draft = plainDraft(m_cash);
    draft.amount = 1;   // the lines decide
    draft.splitLines = QList<SplitLine>{line(m_food, -300, "lunch"), line(m_rent, -1200)};
    const Result<Transaction> created = service()->create(draft);
    QVERIFY2(created.ok(), qPrintable(created.error()));

    const Transaction t = stored(created->id);
    QVERIFY(t.isSplit);
    QCOMPARE(t.amount, -1500);
    QVERIFY(t.categoryId.isEmpty());
    const QList<SplitLine> lines = m_fixture->splitLines()->findByTransaction(t.id);
    QCOMPARE(lines.size(), 2);
    qint64 sum = 0;
    for (const SplitLine &l : lines) {
        QCOMPARE(l.transactionId, t.id);
        QVERIFY(!l.id.isEmpty());
        QCOMPARE(l.createdAt, Clock::now());
        sum += l.amount;
    }
    QCOMPARE(sum, -1500);
}

void tst_TransactionService::splitAmountChangesOnlyWithItsLines_data()
{
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("memoOnly") << qint64(-3000) << true;
    QTest::newRow("newAmount") << qint64(-3500) << false;
}

void tst_TransactionService::splitAmountChangesOnlyWithItsLines()
{
    QFETCH(qint64, amount);
    QFETCH(bool, accepted);
    const Transaction before = stored(m_split.id);
    TransactionDraft draft = TransactionDraft::fromTransaction(before);
    draft.memo = QStringLiteral("edited in the register");
    draft.amount = amount;
    const Result<Transaction> edited = service()->edit(m_split.id, draft);
    QCOMPARE(edited.ok(), accepted);
    const Transaction after = stored(m_split.id);
    // The lines keep adding up to the stored amount either way.
    qint64 sum = 0;
    for (const SplitLine &l : m_fixture->splitLines()->findByTransaction(m_split.id))
        sum += l.amount;
    QCOMPARE(sum, after.amount);
    QCOMPARE(after.amount, qint64(-3000));
    QVERIFY(after.isSplit);
    if (accepted)
        QCOMPARE(after.memo, QStringLiteral("edited in the register"));
    else
        QCOMPARE(edited.error(), QStringLiteral("This transaction is split; change its amount in the split editor"));
}

void tst_TransactionService::refusals_data()
{
    QTest::addColumn<Flaw>("flaw");
    QTest::addColumn<bool>("onEdit");
    QTest::addColumn<QString>("message");
    const struct
    {
        const char *name;
        Flaw flaw;
        const char *message;
    } cases[] = {
        {"blankPayee", Flaw::BlankPayee, "Payee is required"},
        {"invalidDate", Flaw::InvalidDate, "Enter a valid date"},
        {"unknownAccount", Flaw::UnknownAccount, "The account no longer exists"},
        {"deletedAccount", Flaw::DeletedAccount, "The account no longer exists"},
        {"unknownCategory", Flaw::UnknownCategory, "The category no longer exists"},
        {"deletedCategory", Flaw::DeletedCategory, "The category no longer exists"},
        {"transferToSameAccount", Flaw::TransferToSameAccount, "A transfer needs two different accounts"},
        {"transferToOtherCurrency", Flaw::TransferToOtherCurrency,
         "Transfers require both accounts to use the same currency"},
        {"transferToUnknownAccount", Flaw::TransferToUnknownAccount, "Transfer account not found"},
        {"transferToDeletedAccount", Flaw::TransferToDeletedAccount, "Transfer account not found"},
        {"splitLineWithoutCategory", Flaw::SplitLineWithoutCategory, "Each split line needs a category"},
        {"splitLinesOverflow", Flaw::SplitLinesOverflow, "The split lines add up to more than an amount can hold"},
        {"transferOfLowestAmount", Flaw::TransferOfLowestAmount, "The amount is too large"},
    };
    for (const auto &c : cases) {
        QTest::addRow("create/%s", c.name) << c.flaw << false << QString::fromLatin1(c.message);
        QTest::addRow("edit/%s", c.name) << c.flaw << true << QString::fromLatin1(c.message);
    }
}

void tst_TransactionService::refusals()
{
    QFETCH(Flaw, flaw);
    QFETCH(bool, onEdit);
    QFETCH(QString, message);
    const TransactionDraft draft = flawed(flaw, m_cash);
    const ServiceFixture::State before = m_fixture->state();
    QSignalSpy announced(m_fixture->db().database()->changes(), &ChangeJournal::committed);

    const Result<Transaction> result = onEdit ? service()->edit(m_plain.id, draft) : service()->create(draft);
    QVERIFY(!result.ok());
    QCOMPARE(result.error(), message);
    const QString changed = ServiceFixture::differences(before, m_fixture->state());
    QVERIFY2(changed.isEmpty(), qPrintable(changed));
    QCOMPARE(announced.count(), 0);
}

void tst_TransactionService::goneTransaction_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<bool>("removedFirst");
    for (const char *operation : {"edit", "remove", "setCleared", "replaceSplitLines"}) {
        QTest::addRow("%s/removed", operation) << QString::fromLatin1(operation) << true;
        QTest::addRow("%s/unknown", operation) << QString::fromLatin1(operation) << false;
    }
    QTest::newRow("remove/emptyId") << "remove" << false;
}

void tst_TransactionService::goneTransaction()
{
    QFETCH(QString, operation);
    QFETCH(bool, removedFirst);
    QString id = QTest::currentDataTag() == QByteArray("remove/emptyId") ? QString() : newUuid();
    if (removedFirst) {
        QVERIFY(m_fixture->transactions()->softDelete(m_plain.id));
        id = m_plain.id;
    }
    const ServiceFixture::State before = m_fixture->state();

    QString error;
    if (operation == "edit")
        error = service()->edit(id, plainDraft(m_cash)).error();
    else if (operation == "remove")
        error = service()->remove(id).error();
    else if (operation == "setCleared")
        error = service()->setCleared(id, true).error();
    else
        error = service()->replaceSplitLines(id, {line(m_food, -5)}).error();
    QCOMPARE(error, QStringLiteral("The transaction no longer exists"));
    const QString changed = ServiceFixture::differences(before, m_fixture->state());
    QVERIFY2(changed.isEmpty(), qPrintable(changed));
}

void tst_TransactionService::editStampsAndKeepsCreation()
{
    const QDateTime now = later();
    TransactionDraft draft = TransactionDraft::fromTransaction(m_plain);
    draft.payee = QStringLiteral(" Corner shop ");
    draft.amount = 3300;
    draft.categoryId = m_rent;
    draft.date = QDate(2024, 2, 29);
    const Result<Transaction> edited = service()->edit(m_plain.id, draft);
    QVERIFY2(edited.ok(), qPrintable(edited.error()));

    const Transaction t = stored(m_plain.id);
    QCOMPARE(t.payee, QStringLiteral("Corner shop"));
    QCOMPARE(t.amount, 3300);
    QCOMPARE(t.categoryId, m_rent);
    QCOMPARE(t.date, QDate(2024, 2, 29));
    QCOMPARE(t.version, m_plain.version + 1);
    QCOMPARE(t.syncStatus, SyncStatus::Pending);
    QCOMPARE(t.updatedAt, now);
    QCOMPARE(t.createdAt, m_plain.createdAt);
    QCOMPARE(edited->version, t.version);
}

void tst_TransactionService::editTransferMirrors_data()
{
    QTest::addColumn<bool>("editDestination");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<bool>("partnerChanges");
    for (bool destination : {false, true}) {
        const char *side = destination ? "destination" : "source";
        // The stored amount of the edited side: -2500 at the source, 2500 at the destination.
        const qint64 sign = destination ? 1 : -1;
        QTest::addRow("%s/newAmount", side) << destination << QDate(2024, 3, 2) << qint64(sign * 4000) << true;
        QTest::addRow("%s/newDate", side) << destination << QDate(2024, 3, 9) << qint64(sign * 2500) << true;
        QTest::addRow("%s/directionFlipped", side) << destination << QDate(2024, 3, 2) << qint64(-sign * 2500)
                                                   << true;
        QTest::addRow("%s/memoOnly", side) << destination << QDate(2024, 3, 2) << qint64(sign * 2500) << false;
    }
}

void tst_TransactionService::editTransferMirrors()
{
    QFETCH(bool, editDestination);
    QFETCH(QDate, date);
    QFETCH(qint64, amount);
    QFETCH(bool, partnerChanges);
    const Transaction edited = stored(editDestination ? m_transfer.transferLinkId : m_transfer.id);
    const Transaction partnerBefore = stored(edited.transferLinkId);
    const QDateTime now = later();
    TransactionDraft draft = TransactionDraft::fromTransaction(edited);
    draft.date = date;
    draft.amount = amount;
    draft.memo = QStringLiteral("edited");
    QVERIFY2(service()->edit(edited.id, draft).ok(), "edit refused");

    const Transaction row = stored(edited.id);
    const Transaction partner = stored(edited.transferLinkId);
    QCOMPARE(row.memo, QStringLiteral("edited"));
    QCOMPARE(row.amount, amount);
    QCOMPARE(row.transferLinkId, partner.id);
    QCOMPARE(partner.transferLinkId, row.id);
    QCOMPARE(partner.date, date);
    QCOMPARE(partner.amount, -amount);
    QCOMPARE(partner.memo, partnerBefore.memo);
    QCOMPARE(partner.payee, partnerBefore.payee);
    QCOMPARE(partner.version, partnerBefore.version + (partnerChanges ? 1 : 0));
    QCOMPARE(partner.updatedAt, partnerChanges ? now : partnerBefore.updatedAt);
    QCOMPARE(balance(m_checking) + balance(m_savings), -3000);   // the split row; transfers net out
}

void tst_TransactionService::retargetReplacesOtherHalf_data()
{
    QTest::addColumn<bool>("editDestination");
    QTest::newRow("fromSource") << false;
    QTest::newRow("fromDestination") << true;
}

void tst_TransactionService::retargetReplacesOtherHalf()
{
    QFETCH(bool, editDestination);
    const Transaction edited = stored(editDestination ? m_transfer.transferLinkId : m_transfer.id);
    const Transaction oldPartner = stored(edited.transferLinkId);
    const QString editedAccountName = m_fixture->account(edited.accountId)->name;
    const QDateTime now = later();
    TransactionDraft draft = TransactionDraft::fromTransaction(edited);
    draft.transferAccountId = m_cash;
    const Result<Transaction> result = service()->edit(edited.id, draft);
    QVERIFY2(result.ok(), qPrintable(result.error()));

    const Transaction row = stored(edited.id);
    const Transaction gone = stored(oldPartner.id);
    const Transaction fresh = stored(row.transferLinkId);
    QVERIFY(gone.deletedAt.has_value());
    QCOMPARE(*gone.deletedAt, now);
    QCOMPARE(gone.version, oldPartner.version + 1);
    QCOMPARE(gone.syncStatus, SyncStatus::Pending);
    QVERIFY(fresh.id != oldPartner.id);
    QVERIFY(!fresh.deletedAt);
    QCOMPARE(fresh.accountId, m_cash);
    QCOMPARE(fresh.amount, -row.amount);
    QCOMPARE(fresh.date, row.date);
    QCOMPARE(fresh.transferLinkId, row.id);
    QCOMPARE(fresh.transferDestAccountId, row.accountId);
    QCOMPARE(fresh.payee, QStringLiteral("Transfer from %1").arg(editedAccountName));
    QCOMPARE(row.transferDestAccountId, m_cash);
    QCOMPARE(row.payee, QStringLiteral("Transfer to Cash"));
    QCOMPARE(row.version, edited.version + 1);
    QCOMPARE(balance(oldPartner.accountId), editDestination ? -3000 : 0);
    QCOMPARE(balance(m_cash), -450 - row.amount);
}

void tst_TransactionService::clearingTargetMakesPlainRow()
{
    TransactionDraft draft = TransactionDraft::fromTransaction(m_transfer);
    draft.transferAccountId.clear();
    draft.payee = QStringLiteral("Kept for myself");
    const Result<Transaction> result = service()->edit(m_transfer.id, draft);
    QVERIFY2(result.ok(), qPrintable(result.error()));

    const Transaction row = stored(m_transfer.id);
    QVERIFY(row.transferLinkId.isEmpty());
    QVERIFY(row.transferDestAccountId.isEmpty());
    QCOMPARE(row.payee, QStringLiteral("Kept for myself"));
    QCOMPARE(row.amount, -2500);
    QVERIFY(!m_fixture->isLive("transactions", m_transfer.transferLinkId));
    QCOMPARE(balance(m_savings), 0);
}

void tst_TransactionService::plainRowBecomesTransfer()
{
    TransactionDraft draft = TransactionDraft::fromTransaction(m_plain);
    draft.transferAccountId = m_savings;
    const Result<Transaction> result = service()->edit(m_plain.id, draft);
    QVERIFY2(result.ok(), qPrintable(result.error()));

    const Transaction row = stored(m_plain.id);
    const Transaction other = stored(row.transferLinkId);
    QCOMPARE(row.payee, QStringLiteral("Transfer to Savings"));
    QCOMPARE(row.transferDestAccountId, m_savings);
    QCOMPARE(other.accountId, m_savings);
    QCOMPARE(other.payee, QStringLiteral("Transfer from Cash"));
    QCOMPARE(other.amount, 450);
    QCOMPARE(other.transferLinkId, row.id);
    QCOMPARE(balance(m_savings), 2500 + 450);
}

void tst_TransactionService::halfOfDeletedAccount_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("message");
    QTest::newRow("setCleared") << "setCleared" << QString();
    QTest::newRow("memo") << "memo" << QString();
    QTest::newRow("remove") << "remove" << QString();
    QTest::newRow("retarget") << "retarget" << QString();
    // The other half would come back with its account and must still agree.
    QTest::newRow("amount") << "amount" << "Transfer account not found";
    QTest::newRow("date") << "date" << "Transfer account not found";
}

void tst_TransactionService::halfOfDeletedAccount()
{
    QFETCH(QString, change);
    QFETCH(QString, message);
    // Deleting Savings takes its half along and leaves the Checking half.
    QVERIFY(m_fixture->accountService()->remove(m_savings).ok());
    const Transaction half = stored(m_transfer.id);
    const Transaction deadHalf = stored(m_transfer.transferLinkId);
    QVERIFY(deadHalf.deletedAt.has_value());
    const ServiceFixture::State before = m_fixture->state();

    TransactionDraft draft = TransactionDraft::fromTransaction(half);
    QString error;
    if (change == "setCleared") {
        error = service()->setCleared(half.id, true).error();
    } else if (change == "remove") {
        error = service()->remove(half.id).error();
    } else {
        if (change == "memo")
            draft.memo = QStringLiteral("noted");
        else if (change == "retarget")
            draft.transferAccountId = m_cash;
        else if (change == "amount")
            draft.amount = -99;
        else
            draft.date = QDate(2024, 4, 4);
        error = service()->edit(half.id, draft).error();
    }
    QCOMPARE(error, message);

    const Transaction row = stored(half.id);
    if (!message.isEmpty()) {
        const QString changed = ServiceFixture::differences(before, m_fixture->state());
        QVERIFY2(changed.isEmpty(), qPrintable(changed));
        return;
    }
    // The dead half is left alone, whatever happened to the live one.
    QCOMPARE(stored(deadHalf.id).version, deadHalf.version);
    if (change == "remove") {
        QVERIFY(row.deletedAt.has_value());
    } else if (change == "retarget") {
        QCOMPARE(stored(row.transferLinkId).accountId, m_cash);
        QCOMPARE(stored(row.transferLinkId).amount, 2500);
    } else {
        // Still linked, so restoring Savings brings the transfer back whole.
        QCOMPARE(row.transferLinkId, deadHalf.id);
        QCOMPARE(row.cleared, change == "setCleared");
        QCOMPARE(row.memo, change == "memo" ? QStringLiteral("noted") : half.memo);
        QCOMPARE(m_fixture->db().scalar("SELECT COUNT(*) FROM transactions WHERE account_id = ?", {m_savings}).toInt(),
                 1);
    }
}

void tst_TransactionService::otherHalfSplit_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("message");
    const QString refused = QStringLiteral("The other side of this transfer is split; edit its splits to change the amount");
    QTest::newRow("amount") << "amount" << refused;
    QTest::newRow("splitLinesOfOtherSum") << "lines" << refused;
    QTest::newRow("date") << "date" << QString();
    QTest::newRow("memo") << "memo" << QString();
    QTest::newRow("splitLinesOfSameSum") << "sameSumLines" << QString();
    QTest::newRow("retarget") << "retarget" << QString();
}

void tst_TransactionService::otherHalfSplit()
{
    QFETCH(QString, change);
    QFETCH(QString, message);
    QVERIFY(service()->replaceSplitLines(m_transfer.id, {line(m_food, -1000), line(m_rent, -1500)}).ok());
    const Transaction half = stored(m_transfer.transferLinkId);
    QCOMPARE(half.amount, 2500);
    const ServiceFixture::State before = m_fixture->state();

    TransactionDraft draft = TransactionDraft::fromTransaction(half);
    QString error;
    if (change == "lines" || change == "sameSumLines") {
        error = service()
                    ->replaceSplitLines(half.id, {line(m_food, change == "lines" ? 2600 : 2000), line(m_rent, 500)})
                    .error();
    } else {
        if (change == "amount")
            draft.amount = 3000;
        else if (change == "date")
            draft.date = QDate(2024, 3, 20);
        else if (change == "memo")
            draft.memo = QStringLiteral("noted");
        else
            draft.transferAccountId = m_cash;
        error = service()->edit(half.id, draft).error();
    }
    QCOMPARE(error, message);
    if (!message.isEmpty()) {
        const QString changed = ServiceFixture::differences(before, m_fixture->state());
        QVERIFY2(changed.isEmpty(), qPrintable(changed));
        return;
    }
    // Whatever was allowed kept the split half's lines adding up to its amount.
    const Transaction split = stored(m_transfer.id);
    qint64 sum = 0;
    for (const SplitLine &l : m_fixture->splitLines()->findByTransaction(split.id))
        sum += l.amount;
    QCOMPARE(sum, split.amount);
    if (change == "date")
        QCOMPARE(split.date, QDate(2024, 3, 20));
    if (change == "retarget")
        QVERIFY(split.deletedAt.has_value());
}

void tst_TransactionService::removeTakesBothHalves_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<int>("removedRows");
    QTest::newRow("plain") << "plain" << 1;
    QTest::newRow("split") << "split" << 1;
    QTest::newRow("transferSource") << "source" << 2;
    QTest::newRow("transferDestination") << "destination" << 2;
}

void tst_TransactionService::removeTakesBothHalves()
{
    QFETCH(QString, which);
    QFETCH(int, removedRows);
    const QString id = which == "plain"    ? m_plain.id
                       : which == "split"  ? m_split.id
                       : which == "source" ? m_transfer.id
                                           : m_transfer.transferLinkId;
    const int liveBefore = m_fixture->db().scalar("SELECT COUNT(*) FROM transactions WHERE deleted_at IS NULL").toInt();
    const QDateTime now = later();
    const Result<void> removed = service()->remove(id);
    QVERIFY2(removed.ok(), qPrintable(removed.error()));

    QCOMPARE(m_fixture->db().scalar("SELECT COUNT(*) FROM transactions WHERE deleted_at IS NULL").toInt(),
             liveBefore - removedRows);
    QCOMPARE(m_fixture->db().scalar("SELECT COUNT(*) FROM transactions WHERE deleted_at = ? AND version = 2 "
                                    "AND sync_status = 'pending' AND updated_at = deleted_at",
                                    {timestampToText(now)})
                 .toInt(),
             removedRows);
    QVERIFY(!m_fixture->isLive("transactions", id));
    if (removedRows == 2)
        QVERIFY(!m_fixture->isLive("transactions", stored(id).transferLinkId));
}

void tst_TransactionService::setClearedStamps_data()
{
    QTest::addColumn<bool>("clearedBefore");
    QTest::addColumn<bool>("reconciledBefore");
    QTest::addColumn<bool>("cleared");
    QTest::addColumn<bool>("reconciledAfter");
    QTest::newRow("clear") << false << false << true << false;
    QTest::newRow("unclear") << true << false << false << false;
    // The reconciliation mark stays: unclearing is no undoing of a reconciliation.
    QTest::newRow("unclearReconciled") << true << true << false << true;
    QTest::newRow("clearAgainKeepsReconciled") << true << true << true << true;
}

void tst_TransactionService::setClearedStamps()
{
    QFETCH(bool, clearedBefore);
    QFETCH(bool, reconciledBefore);
    QFETCH(bool, cleared);
    QFETCH(bool, reconciledAfter);
    QVERIFY(m_fixture->db().exec("UPDATE transactions SET cleared = ?, reconciled = ? WHERE id = ?",
                                 {clearedBefore ? 1 : 0, reconciledBefore ? 1 : 0, m_split.id}));
    const Transaction before = stored(m_split.id);
    const QList<SplitLine> linesBefore = m_fixture->splitLines()->findByTransaction(m_split.id);
    const QDateTime now = later();

    const Result<Transaction> result = service()->setCleared(m_split.id, cleared);
    QVERIFY2(result.ok(), qPrintable(result.error()));

    const Transaction t = stored(m_split.id);
    QCOMPARE(t.cleared, cleared);
    QCOMPARE(t.reconciled, reconciledAfter);
    QCOMPARE(t.version, before.version + 1);
    QCOMPARE(t.syncStatus, SyncStatus::Pending);
    QCOMPARE(t.updatedAt, now);
    QCOMPARE(t.createdAt, before.createdAt);
    QCOMPARE(t.amount, before.amount);
    QVERIFY(t.isSplit);
    const QList<SplitLine> lines = m_fixture->splitLines()->findByTransaction(m_split.id);
    QCOMPARE(lines.size(), linesBefore.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QCOMPARE(lines.at(i).id, linesBefore.at(i).id);
        QCOMPARE(lines.at(i).updatedAt, linesBefore.at(i).updatedAt);
    }
}

void tst_TransactionService::replaceSplitLinesStamps_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QList<qint64>>("amounts");
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<bool>("isSplit");
    QTest::newRow("plainBecomesSplit") << "plain" << QList<qint64>{-200, -250, 50} << qint64(-400) << true;
    QTest::newRow("splitReplaced") << "split" << QList<qint64>{-3300} << qint64(-3300) << true;
    QTest::newRow("emptyMakesPlain") << "split" << QList<qint64>{} << qint64(-3000) << false;
    QTest::newRow("transferHalf") << "transfer" << QList<qint64>{-700, -800} << qint64(-1500) << true;
}

void tst_TransactionService::replaceSplitLinesStamps()
{
    QFETCH(QString, which);
    QFETCH(QList<qint64>, amounts);
    QFETCH(qint64, amount);
    QFETCH(bool, isSplit);
    const Transaction before = which == "plain" ? m_plain : which == "split" ? m_split : m_transfer;
    QList<SplitLine> lines;
    for (qint64 each : amounts)
        lines.append(line(lines.size() % 2 ? m_rent : m_food, each, QStringLiteral("line %1").arg(lines.size())));
    const QDateTime now = later();

    const Result<Transaction> result = service()->replaceSplitLines(before.id, lines);
    QVERIFY2(result.ok(), qPrintable(result.error()));

    const Transaction t = stored(before.id);
    QCOMPARE(t.amount, amount);
    QCOMPARE(t.isSplit, isSplit);
    QCOMPARE(t.version, before.version + 1);
    QCOMPARE(t.syncStatus, SyncStatus::Pending);
    QCOMPARE(t.updatedAt, now);
    if (isSplit)
        QVERIFY(t.categoryId.isEmpty());
    const QList<SplitLine> storedLines = m_fixture->splitLines()->findByTransaction(before.id);
    QCOMPARE(storedLines.size(), amounts.size());
    QList<qint64> storedAmounts;
    for (const SplitLine &l : storedLines) {
        QCOMPARE(l.transactionId, before.id);
        QCOMPARE(l.createdAt, now);
        QCOMPARE(l.updatedAt, now);
        QVERIFY(!l.categoryId.isEmpty());
        storedAmounts.append(l.amount);
    }
    std::sort(storedAmounts.begin(), storedAmounts.end());
    std::sort(amounts.begin(), amounts.end());
    QCOMPARE(storedAmounts, amounts);
    if (which == "transfer") {
        const Transaction partner = stored(t.transferLinkId);
        QCOMPARE(partner.amount, -amount);
        QCOMPARE(partner.version, 2);
    }
}

void tst_TransactionService::failureLeavesEverything_data()
{
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<QString>("when");
    QTest::addColumn<QString>("condition");
    QTest::addColumn<QString>("message");
    const QString saved = QStringLiteral("The transaction could not be saved");
    const QString lines = QStringLiteral("The split lines could not be saved");
    QTest::newRow("splitLines/firstInsert") << Operation::ReplaceSplitLines << "BEFORE INSERT ON split_lines"
                                            << QString() << lines;
    QTest::newRow("splitLines/secondInsert") << Operation::ReplaceSplitLines << "BEFORE INSERT ON split_lines"
                                             << "NEW.amount = -222" << lines;
    QTest::newRow("splitLines/rowUpdate") << Operation::ReplaceSplitLines << "BEFORE UPDATE ON transactions"
                                          << QString() << saved;
    QTest::newRow("createTransfer/otherHalf") << Operation::CreateTransfer << "BEFORE INSERT ON transactions"
                                              << "NEW.account_id = '%cash'" << saved;
    QTest::newRow("editTransfer/thisHalfAfterMirror") << Operation::EditTransferAmount << "BEFORE UPDATE ON transactions"
                                                      << "NEW.id = '%source'" << saved;
    QTest::newRow("retarget/newHalf") << Operation::RetargetTransfer << "BEFORE INSERT ON transactions"
                                      << "NEW.account_id = '%cash'" << saved;
    QTest::newRow("retarget/thisHalf") << Operation::RetargetTransfer << "BEFORE UPDATE ON transactions"
                                       << "NEW.id = '%source'" << saved;
    QTest::newRow("clearTarget/thisHalf") << Operation::ClearTransferTarget << "BEFORE UPDATE ON transactions"
                                          << "NEW.id = '%source'" << saved;
    QTest::newRow("plainToTransfer/newHalf") << Operation::PlainBecomesTransfer << "BEFORE INSERT ON transactions"
                                             << QString() << saved;
    QTest::newRow("splitTransferHalf/lines") << Operation::SplitTransferHalf << "BEFORE INSERT ON split_lines"
                                             << "NEW.amount = -1600" << lines;
    QTest::newRow("removeTransfer/secondHalf") << Operation::RemoveTransfer << "BEFORE UPDATE ON transactions"
                                               << "NEW.id = '%partner'"
                                               << "The transaction could not be deleted";
}

void tst_TransactionService::failureLeavesEverything()
{
    QFETCH(Operation, operation);
    QFETCH(QString, when);
    QFETCH(QString, condition);
    QFETCH(QString, message);
    condition.replace("%cash", m_cash).replace("%source", m_transfer.id).replace("%partner", m_transfer.transferLinkId);
    QVERIFY(m_fixture->refuse(when, condition));
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression("^(TransactionRepository|SplitLineRepository)::\\w+ failed: .*refused"));
    const ServiceFixture::State before = m_fixture->state();
    QSignalSpy announced(m_fixture->db().database()->changes(), &ChangeJournal::committed);
    QSignalSpy registers(m_fixture->transactions(), &TransactionRepository::transactionsChanged);
    later();

    const Result<void> result = run(operation);
    QVERIFY(!result.ok());
    QCOMPARE(result.error(), message);
    const QString changed = ServiceFixture::differences(before, m_fixture->state());
    QVERIFY2(changed.isEmpty(), qPrintable(changed));
    QCOMPARE(announced.count(), 0);
    QCOMPARE(registers.count(), 0);
    QVERIFY(!m_fixture->db().database()->changes()->isWriting());

    // Nothing is left half-open: the same operation goes through once the fault is gone.
    m_fixture->dropRefusals();
    const Result<void> retried = run(operation);
    QVERIFY2(retried.ok(), qPrintable(retried.error()));
}

void tst_TransactionService::announcedPerTouchedAccount_data()
{
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<QStringList>("accounts");   // names, resolved in the test
    QTest::newRow("createPlain") << Operation::CreatePlain << QStringList{"cash"};
    QTest::newRow("createTransfer") << Operation::CreateTransfer << QStringList{"checking", "cash"};
    QTest::newRow("editPlain") << Operation::EditPlain << QStringList{"cash"};
    QTest::newRow("editTransferAmount") << Operation::EditTransferAmount << QStringList{"checking", "savings"};
    QTest::newRow("editTransferMemo") << Operation::EditTransferMemo << QStringList{"checking"};
    QTest::newRow("retarget") << Operation::RetargetTransfer << QStringList{"checking", "savings", "cash"};
    QTest::newRow("clearTarget") << Operation::ClearTransferTarget << QStringList{"checking", "savings"};
    QTest::newRow("plainToTransfer") << Operation::PlainBecomesTransfer << QStringList{"cash", "savings"};
    QTest::newRow("removePlain") << Operation::RemovePlain << QStringList{"cash"};
    QTest::newRow("removeTransfer") << Operation::RemoveTransfer << QStringList{"checking", "savings"};
    QTest::newRow("setCleared") << Operation::SetCleared << QStringList{"checking"};
    QTest::newRow("setClearedOnTransfer") << Operation::SetClearedOnTransfer << QStringList{"savings"};
    QTest::newRow("replaceSplitLines") << Operation::ReplaceSplitLines << QStringList{"checking"};
    QTest::newRow("splitTransferHalf") << Operation::SplitTransferHalf << QStringList{"checking", "savings"};
}

void tst_TransactionService::announcedPerTouchedAccount()
{
    QFETCH(Operation, operation);
    QFETCH(QStringList, accounts);
    const QHash<QString, QString> ids{{"checking", m_checking}, {"savings", m_savings}, {"cash", m_cash}};
    QStringList expected;
    for (const QString &name : accounts)
        expected.append(ids.value(name));
    expected.sort();
    QSignalSpy announced(m_fixture->db().database()->changes(), &ChangeJournal::committed);
    QSignalSpy registers(m_fixture->transactions(), &TransactionRepository::transactionsChanged);
    QSignalSpy accountList(m_fixture->accounts(), &AccountRepository::accountsChanged);

    const Result<void> result = run(operation);
    QVERIFY2(result.ok(), qPrintable(result.error()));
    QCOMPARE(announced.count(), 1);
    QStringList reloaded;
    for (const QList<QVariant> &arguments : registers)
        reloaded.append(arguments.at(0).toString());
    reloaded.sort();
    QCOMPARE(reloaded, expected);
    QCOMPARE(accountList.count(), 0);
}

QTEST_GUILESS_MAIN(tst_TransactionService)
#include "tst_transactionservice.moc"
