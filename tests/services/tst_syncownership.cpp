#include "common/servicefixture.h"
#include "data/accountrepository.h"
#include "data/preferencesrepository.h"
#include "data/transactionrepository.h"
#include "services/syncownership.h"

#include <QTest>

#include <memory>

// Whose online data set a file belongs to, and handing it to another account.
class TestSyncOwnership : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_fixture = std::make_unique<ServiceFixture>();
        m_preferences = std::make_unique<PreferencesRepository>(m_fixture->db().database());
        m_ownership = std::make_unique<SyncOwnership>(
            m_fixture->db().database(), m_preferences.get(),
            SyncOwnership::Repositories{m_fixture->accounts(), m_fixture->categories(), m_fixture->transactions(), m_fixture->recurring(),
                                        m_fixture->reconciliations()});
    }

    void cleanup()
    {
        m_ownership.reset();
        m_preferences.reset();
        m_fixture.reset();
    }

    void theFirstSignInTakesTheFile()
    {
        QVERIFY(m_ownership->maySyncAs(QStringLiteral("alice")));
        QCOMPARE(m_ownership->noteSignIn(QStringLiteral("alice")), SyncOwnership::SignIn::Adopted);
        QCOMPARE(m_ownership->noteSignIn(QStringLiteral("alice")), SyncOwnership::SignIn::SameOwner);
        QVERIFY(m_ownership->maySyncAs(QStringLiteral("alice")));
        QVERIFY(!m_ownership->maySyncAs(QString()));
    }

    void anotherAccountGetsNothingUntilHandedOver()
    {
        const QString account = m_fixture->addAccount(QStringLiteral("Checking"));
        const Transaction spent = m_fixture->addTransaction(account, -500);
        m_ownership->noteSignIn(QStringLiteral("alice"));
        QVERIFY(m_fixture->accounts()->markSynced(account, QStringLiteral("srv-a")));
        QVERIFY(m_fixture->transactions()->markSynced(spent.id, QStringLiteral("srv-t")));
        m_preferences->set(QStringLiteral("syncCursor"), QStringLiteral("alice-cursor"));

        QCOMPARE(m_ownership->noteSignIn(QStringLiteral("bob")), SyncOwnership::SignIn::OtherOwner);
        QVERIFY(!m_ownership->maySyncAs(QStringLiteral("bob")));
        // Nothing changed by merely signing in.
        QCOMPARE(m_ownership->ownerId(), QStringLiteral("alice"));
        QCOMPARE(m_fixture->db().scalar(QStringLiteral("SELECT sync_status FROM transactions WHERE id = ?"), {spent.id}).toString(), QStringLiteral("synced"));

        QVERIFY(m_ownership->handOver(QStringLiteral("bob")).ok());
        QVERIFY(m_ownership->maySyncAs(QStringLiteral("bob")));
        QVERIFY(!m_ownership->maySyncAs(QStringLiteral("alice")));
        QCOMPARE(m_fixture->db().scalar(QStringLiteral("SELECT sync_status FROM transactions WHERE id = ?"), {spent.id}).toString(), QStringLiteral("pending"));
        QCOMPARE(m_fixture->db().scalar(QStringLiteral("SELECT sync_status FROM accounts WHERE id = ?"), {account}).toString(), QStringLiteral("pending"));
        // Bob's data starts from the beginning, not from Alice's cursor.
        QVERIFY(!m_preferences->get(QStringLiteral("syncCursor")));
    }

    void aFailedHandOverChangesNothing()
    {
        const QString account = m_fixture->addAccount(QStringLiteral("Checking"));
        m_ownership->noteSignIn(QStringLiteral("alice"));
        QVERIFY(m_fixture->accounts()->markSynced(account, QStringLiteral("srv-a")));
        // The preferences table can't be written: the hand-over must leave the rows as they were.
        QVERIFY(m_fixture->db().exec(QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON preferences BEGIN SELECT RAISE(ABORT, 'refused'); END")));
        QVERIFY(m_fixture->db().exec(QStringLiteral("CREATE TRIGGER refuse_insert BEFORE INSERT ON preferences BEGIN SELECT RAISE(ABORT, 'refused'); END")));
        QVERIFY(!m_ownership->handOver(QStringLiteral("bob")).ok());
        QCOMPARE(m_ownership->ownerId(), QStringLiteral("alice"));
        QCOMPARE(m_fixture->db().scalar(QStringLiteral("SELECT sync_status FROM accounts WHERE id = ?"), {account}).toString(), QStringLiteral("synced"));
    }

private:
    std::unique_ptr<ServiceFixture> m_fixture;
    std::unique_ptr<PreferencesRepository> m_preferences;
    std::unique_ptr<SyncOwnership> m_ownership;
};

QTEST_GUILESS_MAIN(TestSyncOwnership)
#include "tst_syncownership.moc"
