#include "common/testdatabase.h"
#include "data/accountrepository.h"
#include "data/transactionrepository.h"
#include "data/uuids.h"
#include "services/transferwriter.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <limits>

Q_DECLARE_METATYPE(TransferWriter::Result)

class tst_TransferWriter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void insertPairsBothHalves();
    void insertRefused_data();
    void insertRefused();
    void insertFailureLeavesNeither();

    void updateMirrorsDateAndAmount_data();
    void updateMirrorsDateAndAmount();
    void updateFailureLeavesBoth();
    void updateRefusesOtherCurrency();
    void updateLeavesDeletedPartnerAlone();
    void amountWithoutOppositeIsRefused();

    void softDeleteTakesBothHalves();
    void softDeleteFailureLeavesBoth();
    void softDeleteSkipsMissingOrDeadPartner();
    void softDeleteOfUnknownId();

private:
    QString addAccount(const QString &name, Currency currency = Currency::USD);
    Transaction half(const QString &accountId, qint64 amount, const QString &payee) const;
    // A stored transfer of amount out of `from` into `to`; returns the source id.
    QString storePair(const QString &from, const QString &to, qint64 amount);
    Transaction stored(const QString &id) const;
    int liveRows() const;
    void refuseWritesOf(const QString &id, const QString &operation);
    void expectRefusal();

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<AccountRepository> m_accounts;
    std::unique_ptr<TransactionRepository> m_transactions;
    std::unique_ptr<TransferWriter> m_writer;
    QString m_checking;
    QString m_savings;
};

void tst_TransferWriter::init()
{
    m_db = std::make_unique<TestDatabase>();
    m_accounts = std::make_unique<AccountRepository>(m_db->database());
    m_transactions = std::make_unique<TransactionRepository>(m_db->database());
    m_writer = std::make_unique<TransferWriter>(m_accounts.get(), m_transactions.get());
    m_checking = addAccount("Checking");
    m_savings = addAccount("Savings");
}

void tst_TransferWriter::cleanup()
{
    m_writer.reset();
    m_transactions.reset();
    m_accounts.reset();
    m_db.reset();
}

QString tst_TransferWriter::addAccount(const QString &name, Currency currency)
{
    Account account;
    account.id = newUuid();
    account.name = name;
    account.currency = currency;
    account.createdAt = account.updatedAt = QDateTime::currentDateTimeUtc();
    if (!m_accounts->insert(account))
        qFatal("cannot insert account");
    return account.id;
}

Transaction tst_TransferWriter::half(const QString &accountId, qint64 amount, const QString &payee) const
{
    Transaction t;
    t.id = newUuid();
    t.accountId = accountId;
    t.date = QDate(2024, 3, 1);
    t.payee = payee;
    t.amount = amount;
    t.createdAt = t.updatedAt = QDateTime(QDate(2024, 3, 1), QTime(9, 0), Qt::UTC);
    return t;
}

QString tst_TransferWriter::storePair(const QString &from, const QString &to, qint64 amount)
{
    Transaction source = half(from, -amount, "Transfer to other");
    Transaction destination = half(to, amount, "Transfer from other");
    source.transferLinkId = destination.id;
    source.transferDestAccountId = to;
    destination.transferLinkId = source.id;
    destination.transferDestAccountId = from;
    if (!m_transactions->insert(destination) || !m_transactions->insert(source))
        qFatal("cannot store transfer");
    return source.id;
}

Transaction tst_TransferWriter::stored(const QString &id) const
{
    const std::optional<Transaction> t = m_transactions->findById(id);
    return t ? *t : Transaction();
}

int tst_TransferWriter::liveRows() const
{
    return m_db->scalar("SELECT COUNT(*) FROM transactions WHERE deleted_at IS NULL").toInt();
}

// Makes SQLite refuse any write of that row, as a full disk or a constraint would.
void tst_TransferWriter::refuseWritesOf(const QString &id, const QString &operation)
{
    QVERIFY(m_db->exec(QStringLiteral("CREATE TRIGGER refuse_%1 BEFORE %1 ON transactions WHEN NEW.id = '%2' "
                                      "BEGIN SELECT RAISE(ABORT, 'refused'); END")
                           .arg(operation, id)));
}

void tst_TransferWriter::expectRefusal()
{
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("TransactionRepository::.* failed:.*refused"));
}

void tst_TransferWriter::insertPairsBothHalves()
{
    QSignalSpy changed(m_transactions.get(), &TransactionRepository::transactionsChanged);
    Transaction source = half(m_checking, -5000, "Transfer to Savings");
    Transaction destination = half(m_savings, 0, "Transfer from Checking");
    destination.date = QDate(2020, 1, 1);

    QCOMPARE(m_writer->insertTransfer(source, destination), TransferWriter::Result::Written);

    const Transaction a = stored(source.id);
    const Transaction b = stored(destination.id);
    QCOMPARE(a.transferLinkId, destination.id);
    QCOMPARE(a.transferDestAccountId, m_savings);
    QCOMPARE(b.transferLinkId, source.id);
    QCOMPARE(b.transferDestAccountId, m_checking);
    QCOMPARE(a.amount, -5000);
    QCOMPARE(b.amount, 5000);
    QCOMPARE(b.date, QDate(2024, 3, 1));
    QCOMPARE(changed.count(), 2);
    const QStringList announced{changed.at(0).at(0).toString(), changed.at(1).at(0).toString()};
    QVERIFY(announced.contains(m_checking));
    QVERIFY(announced.contains(m_savings));
}

void tst_TransferWriter::insertRefused_data()
{
    QTest::addColumn<bool>("yenDestination");
    QTest::addColumn<bool>("missingDestination");
    QTest::addColumn<TransferWriter::Result>("expected");
    QTest::newRow("otherCurrency") << true << false << TransferWriter::Result::CurrencyMismatch;
    QTest::newRow("noSuchAccount") << false << true << TransferWriter::Result::NotFound;
}

void tst_TransferWriter::insertRefused()
{
    QFETCH(bool, yenDestination);
    QFETCH(bool, missingDestination);
    QFETCH(TransferWriter::Result, expected);
    const QString target = missingDestination ? newUuid() : addAccount("Yen", yenDestination ? Currency::JPY
                                                                                               : Currency::USD);
    QSignalSpy changed(m_transactions.get(), &TransactionRepository::transactionsChanged);

    QCOMPARE(m_writer->insertTransfer(half(m_checking, -5000, "Out"), half(target, 5000, "In")), expected);
    QCOMPARE(liveRows(), 0);
    QCOMPARE(changed.count(), 0);
}

void tst_TransferWriter::insertFailureLeavesNeither()
{
    const Transaction source = half(m_checking, -5000, "Out");
    refuseWritesOf(source.id, "INSERT");
    expectRefusal();
    QSignalSpy changed(m_transactions.get(), &TransactionRepository::transactionsChanged);

    QCOMPARE(m_writer->insertTransfer(source, half(m_savings, 5000, "In")), TransferWriter::Result::Failed);
    QCOMPARE(liveRows(), 0);
    QCOMPARE(changed.count(), 0);
}

void tst_TransferWriter::updateMirrorsDateAndAmount_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<bool>("partnerChanges");
    QTest::newRow("newDate") << QDate(2024, 3, 9) << qint64(-2500) << true;
    QTest::newRow("newAmount") << QDate(2024, 3, 1) << qint64(-4000) << true;
    QTest::newRow("directionFlipped") << QDate(2024, 3, 1) << qint64(2500) << true;
    QTest::newRow("memoOnly") << QDate(2024, 3, 1) << qint64(-2500) << false;
}

void tst_TransferWriter::updateMirrorsDateAndAmount()
{
    QFETCH(QDate, date);
    QFETCH(qint64, amount);
    QFETCH(bool, partnerChanges);
    const QString id = storePair(m_checking, m_savings, 2500);
    Transaction edited = stored(id);
    const Transaction partnerBefore = stored(edited.transferLinkId);
    edited.date = date;
    edited.amount = amount;
    edited.memo = "edited";

    QCOMPARE(m_writer->updateWithPartner(edited), TransferWriter::Result::Written);

    QCOMPARE(stored(id).memo, QStringLiteral("edited"));
    QCOMPARE(stored(id).amount, amount);
    const Transaction partner = stored(edited.transferLinkId);
    QCOMPARE(partner.date, date);
    QCOMPARE(partner.amount, -amount);
    QCOMPARE(partner.memo, partnerBefore.memo);
    QCOMPARE(partner.version, partnerBefore.version + (partnerChanges ? 1 : 0));
    QCOMPARE(partner.updatedAt == partnerBefore.updatedAt, !partnerChanges);
}

void tst_TransferWriter::updateFailureLeavesBoth()
{
    const QString id = storePair(m_checking, m_savings, 2500);
    Transaction edited = stored(id);
    refuseWritesOf(edited.transferLinkId, "UPDATE");
    expectRefusal();
    QSignalSpy changed(m_transactions.get(), &TransactionRepository::transactionsChanged);
    edited.amount = -9900;

    QCOMPARE(m_writer->updateWithPartner(edited), TransferWriter::Result::Failed);
    QCOMPARE(stored(id).amount, -2500);
    QCOMPARE(stored(edited.transferLinkId).amount, 2500);
    QCOMPARE(changed.count(), 0);
}

void tst_TransferWriter::updateRefusesOtherCurrency()
{
    const QString yen = addAccount("Yen", Currency::JPY);
    const QString id = storePair(m_checking, yen, 2500);
    Transaction edited = stored(id);
    edited.amount = -3000;

    QCOMPARE(m_writer->updateWithPartner(edited), TransferWriter::Result::CurrencyMismatch);
    QCOMPARE(stored(id).amount, -2500);
    QCOMPARE(stored(edited.transferLinkId).amount, 2500);
}

void tst_TransferWriter::updateLeavesDeletedPartnerAlone()
{
    const QString id = storePair(m_checking, m_savings, 2500);
    Transaction edited = stored(id);
    QVERIFY(m_transactions->softDelete(edited.transferLinkId));
    edited.amount = -100;

    QCOMPARE(m_writer->updateWithPartner(edited), TransferWriter::Result::Written);
    QCOMPARE(stored(id).amount, -100);
    QCOMPARE(stored(edited.transferLinkId).amount, 2500);
}

void tst_TransferWriter::amountWithoutOppositeIsRefused()
{
    constexpr qint64 kMostNegative = std::numeric_limits<qint64>::min();
    QCOMPARE(m_writer->insertTransfer(half(m_checking, kMostNegative, "Out"), half(m_savings, 0, "In")),
             TransferWriter::Result::Failed);
    QCOMPARE(liveRows(), 0);

    const QString id = storePair(m_checking, m_savings, 2500);
    Transaction edited = stored(id);
    edited.amount = kMostNegative;
    QCOMPARE(m_writer->updateWithPartner(edited), TransferWriter::Result::Failed);
    QCOMPARE(stored(id).amount, -2500);
    QCOMPARE(stored(edited.transferLinkId).amount, 2500);
}

void tst_TransferWriter::softDeleteTakesBothHalves()
{
    const QString id = storePair(m_checking, m_savings, 2500);
    const QString partner = stored(id).transferLinkId;
    QSignalSpy changed(m_transactions.get(), &TransactionRepository::transactionsChanged);

    QCOMPARE(m_writer->softDeleteWithPartner(partner), TransferWriter::Result::Written);
    QVERIFY(stored(id).deletedAt.has_value());
    QVERIFY(stored(partner).deletedAt.has_value());
    QCOMPARE(stored(id).syncStatus, SyncStatus::Pending);
    QCOMPARE(liveRows(), 0);
    QCOMPARE(changed.count(), 2);
}

void tst_TransferWriter::softDeleteFailureLeavesBoth()
{
    const QString id = storePair(m_checking, m_savings, 2500);
    const QString partner = stored(id).transferLinkId;
    // The partner goes first, so refusing this half fails the second write.
    refuseWritesOf(id, "UPDATE");
    expectRefusal();
    QSignalSpy changed(m_transactions.get(), &TransactionRepository::transactionsChanged);

    QCOMPARE(m_writer->softDeleteWithPartner(id), TransferWriter::Result::Failed);
    QVERIFY(!stored(id).deletedAt.has_value());
    QVERIFY(!stored(partner).deletedAt.has_value());
    QCOMPARE(liveRows(), 2);
    QCOMPARE(changed.count(), 0);
}

void tst_TransferWriter::softDeleteSkipsMissingOrDeadPartner()
{
    const QString id = storePair(m_checking, m_savings, 2500);
    const QString partner = stored(id).transferLinkId;
    QVERIFY(m_transactions->softDelete(partner));
    // Any attempt to stamp the dead half again would now fail the whole delete.
    refuseWritesOf(partner, "UPDATE");

    Transaction orphan = half(m_checking, -100, "Transfer to gone");
    orphan.transferLinkId = newUuid();
    QVERIFY(m_transactions->insert(orphan));

    QCOMPARE(m_writer->softDeleteWithPartner(id), TransferWriter::Result::Written);
    QCOMPARE(m_writer->softDeleteWithPartner(orphan.id), TransferWriter::Result::Written);
    QCOMPARE(liveRows(), 0);
}

void tst_TransferWriter::softDeleteOfUnknownId()
{
    QSignalSpy changed(m_transactions.get(), &TransactionRepository::transactionsChanged);
    QCOMPARE(m_writer->softDeleteWithPartner(QString()), TransferWriter::Result::NotFound);
    QCOMPARE(m_writer->softDeleteWithPartner(newUuid()), TransferWriter::Result::NotFound);
    QCOMPARE(changed.count(), 0);
}

QTEST_GUILESS_MAIN(tst_TransferWriter)
#include "tst_transferwriter.moc"
