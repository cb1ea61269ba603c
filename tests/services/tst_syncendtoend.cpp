#include "common/faultproxy.h"
#include "common/syncactions.h"
#include "common/syncinstallation.h"
#include "data/account.h"
#include "data/accountrepository.h"
#include "data/clock.h"
#include "data/rowstamp.h"
#include "data/transaction.h"
#include "data/transactionrepository.h"
#include "services/accountservice.h"
#include "services/syncengine.h"

#include "apitestclient.h"
#include "syncservers.h"

#include <QJsonArray>
#include <QTest>

#include <memory>

using namespace SyncActions;

namespace {

const QStringList SyncedTables{QStringLiteral("accounts"), QStringLiteral("categories"), QStringLiteral("transactions"),
                               QStringLiteral("recurring_transactions"), QStringLiteral("reconciliations")};

int pendingRows(SyncInstallation &at)
{
    int pending = 0;
    for (const QString &table : SyncedTables)
        pending += count(at, QStringLiteral("SELECT COUNT(*) FROM %1 WHERE sync_status = 'pending'").arg(table));
    return pending;
}

enum class Change {
    EditTransaction,
    DeleteTransaction,
    UndeleteTransaction,
    MoveTransaction,
    SplitTransaction,
    UnsplitTransaction,
    AddTransfer,
    DeleteTransfer,
    RenameCategory,
    DeleteCategory,
    RenameAccount,
    DeleteAccount,
};

} // namespace

Q_DECLARE_METATYPE(Change)

#define SYNC_OK(installation)                                                                                                    \
    do {                                                                                                                         \
        const SyncInstallation::SyncOutcome outcome_ = (installation).sync(30000);                                              \
        QVERIFY2(outcome_.ok, qPrintable((installation).name() + QStringLiteral(": ") + outcome_.error));                        \
    } while (false)

#define SAME_DATA(left, right)                                                                                                   \
    do {                                                                                                                         \
        const QString differences_ = SyncInstallation::differences((left).contents(), (right).contents());                      \
        QVERIFY2(differences_.isEmpty(), qPrintable(differences_));                                                              \
    } while (false)

// Installations of one user, each with its own database file and engine,
// against a real quillby-server through a proxy that (here) passes
// everything but lets a test act while a request is on its way.
class tst_SyncEndToEnd : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QString reason;
        bool skip = false;
        if (!m_servers.start(reason, skip)) {
            if (skip)
                QSKIP(qPrintable(reason));
            QSKIP(qPrintable(QStringLiteral("quillby-server could not be started, so nothing can be synced: ") + reason));
        }
    }

    void init()
    {
        Clock::setNow(QDateTime());
        m_proxy = std::make_unique<FaultProxy>(1);
        QVERIFY(m_proxy->listen());
        m_proxy->setUpstreamPort(quint16(m_servers.first().port()));
        m_posts = 0;
        connect(m_proxy.get(), &FaultProxy::requestArrived, this, [this](const QByteArray &method, const QByteArray &, FaultProxy::Fate) {
            if (method == "POST")
                ++m_posts;
        });
        m_user = m_servers.addUser(QStringLiteral("e2e"));
        QVERIFY2(!m_user.id.isEmpty(), "the test user could not sign in");
        m_a = installation(QStringLiteral("first"), m_user);
        m_b = installation(QStringLiteral("second"), m_servers.signInAgain(m_user));
    }

    void cleanup()
    {
        Clock::setNow(QDateTime());
        m_a.reset();
        m_b.reset();
        m_member.reset();
        m_proxy.reset();
    }

    void twoInstallationsConvergeAfterEditsOnBoth()
    {
        const QString checking = addAccount(*m_a, QStringLiteral("Checking"));
        const QString savings = addAccount(*m_a, QStringLiteral("Savings"));
        const QString food = addCategory(*m_a, QStringLiteral("Food"));
        const QString fruit = addCategory(*m_a, QStringLiteral("Fruit"), food);
        const QString rent = addCategory(*m_a, QStringLiteral("Rent"));
        const QString grocer = addTransaction(*m_a, checking, -1250, QStringLiteral("Grocer"), fruit);
        const QString landlord = addTransaction(*m_a, checking, -90000, QStringLiteral("Landlord"), rent);
        const QString market = addTransaction(*m_a, checking, -3000, QStringLiteral("Market"));
        QVERIFY(splitTransaction(*m_a, market, {{food, -2000}, {fruit, -1000}}));
        QVERIFY(!addTransfer(*m_a, checking, savings, -5000).isEmpty());
        SYNC_OK(*m_a);
        QCOMPARE(pendingRows(*m_a), 0);
        SYNC_OK(*m_b);
        SAME_DATA(*m_a, *m_b);
        QCOMPARE(count(*m_b, QStringLiteral("SELECT COUNT(*) FROM split_lines")), 2);

        // Both go on working, on different rows, before either syncs.
        QVERIFY(editTransaction(*m_b, grocer, QStringLiteral("Greengrocer"), -1300, QStringLiteral("apples")));
        QVERIFY(removeTransaction(*m_b, landlord));
        QVERIFY(renameCategory(*m_b, rent, QStringLiteral("Housing")));
        const QString cash = addAccount(*m_b, QStringLiteral("Cash"));
        QVERIFY(!addTransaction(*m_b, cash, -400, QStringLiteral("Kiosk"), food).isEmpty());
        QVERIFY(editTransaction(*m_a, market, QStringLiteral("Farmers market"), 0, QString()));
        QVERIFY(splitTransaction(*m_a, market, {{food, -500}, {fruit, -700}, {rent, -100}}));
        QVERIFY(!addTransfer(*m_a, savings, checking, -2500).isEmpty());
        QVERIFY(renameAccount(*m_a, savings, QStringLiteral("Rainy day")));

        SYNC_OK(*m_a);
        SYNC_OK(*m_b);
        SYNC_OK(*m_a);
        SAME_DATA(*m_a, *m_b);
        QCOMPARE(pendingRows(*m_a), 0);
        QCOMPARE(pendingRows(*m_b), 0);
        QCOMPARE(count(*m_a, QStringLiteral("SELECT COUNT(*) FROM split_lines")), 3);
        QCOMPARE(m_a->scalar(QStringLiteral("SELECT payee FROM transactions WHERE id = ?"), {grocer}).toString(),
                 QStringLiteral("Greengrocer"));
        QVERIFY(!m_a->scalar(QStringLiteral("SELECT deleted_at FROM transactions WHERE id = ?"), {landlord}).isNull());
        QCOMPARE(m_b->scalar(QStringLiteral("SELECT name FROM accounts WHERE id = ?"), {savings}).toString(), QStringLiteral("Rainy day"));
        QCOMPARE(count(*m_a, QStringLiteral("SELECT COUNT(*) FROM transactions WHERE COALESCE(transfer_link_id, '') <> '' AND deleted_at IS NULL")), 4);
    }

    void aChangeArrivesAsItWasMade_data()
    {
        QTest::addColumn<Change>("change");
        QTest::newRow("edit") << Change::EditTransaction;
        QTest::newRow("delete") << Change::DeleteTransaction;
        QTest::newRow("undelete") << Change::UndeleteTransaction;
        QTest::newRow("move to another account") << Change::MoveTransaction;
        QTest::newRow("split") << Change::SplitTransaction;
        QTest::newRow("split undone") << Change::UnsplitTransaction;
        QTest::newRow("new transfer") << Change::AddTransfer;
        QTest::newRow("transfer deleted") << Change::DeleteTransfer;
        QTest::newRow("category renamed") << Change::RenameCategory;
        QTest::newRow("category deleted") << Change::DeleteCategory;
        QTest::newRow("account renamed") << Change::RenameAccount;
        QTest::newRow("account deleted with its rows") << Change::DeleteAccount;
    }

    // A change made on one installation reaches the other exactly: the same
    // rows, versions and times (a pulled deletion keeps the time it was
    // made, not the time it arrived), and the receiver has nothing to send
    // back.
    void aChangeArrivesAsItWasMade()
    {
        QFETCH(Change, change);

        const QString checking = addAccount(*m_a, QStringLiteral("Checking"));
        const QString savings = addAccount(*m_a, QStringLiteral("Savings"));
        const QString food = addCategory(*m_a, QStringLiteral("Food"));
        const QString home = addCategory(*m_a, QStringLiteral("Home"));
        const QString grocer = addTransaction(*m_a, checking, -1250, QStringLiteral("Grocer"), food);
        const QString split = addTransaction(*m_a, checking, -3000, QStringLiteral("Market"));
        QVERIFY(splitTransaction(*m_a, split, {{food, -2000}, {home, -1000}}));
        const QString transfer = addTransfer(*m_a, checking, savings, -5000);
        QVERIFY(!grocer.isEmpty() && !transfer.isEmpty());
        TransactionSnapshot beforeDelete;
        if (change == Change::UndeleteTransaction) {
            QVERIFY(removeTransaction(*m_a, grocer, &beforeDelete));
        }
        SYNC_OK(*m_a);
        SYNC_OK(*m_b);
        SAME_DATA(*m_a, *m_b);

        // The change is made at a time of its own, so a receiver that
        // stamped what it applied would show.
        Clock::setNow(QDateTime(QDate(2031, 1, 2), QTime(3, 4, 5), Qt::UTC));
        QString error;
        bool done = false;
        switch (change) {
        case Change::EditTransaction:
            done = editTransaction(*m_a, grocer, QStringLiteral("Corner shop"), -999, QStringLiteral("bread"), &error);
            break;
        case Change::DeleteTransaction:
            done = removeTransaction(*m_a, grocer, nullptr, &error);
            break;
        case Change::UndeleteTransaction:
            done = restoreTransaction(*m_a, beforeDelete, &error);
            break;
        case Change::MoveTransaction:
            done = moveTransaction(*m_a, grocer, savings, m_servers.first().port(), m_user.accessToken, &error);
            break;
        case Change::SplitTransaction:
            done = splitTransaction(*m_a, grocer, {{food, -1000}, {home, -250}}, &error);
            break;
        case Change::UnsplitTransaction:
            done = splitTransaction(*m_a, split, {}, &error);
            break;
        case Change::AddTransfer:
            done = !addTransfer(*m_a, savings, checking, -700, &error).isEmpty();
            break;
        case Change::DeleteTransfer:
            done = removeTransaction(*m_a, transfer, nullptr, &error);
            break;
        case Change::RenameCategory:
            done = renameCategory(*m_a, food, QStringLiteral("Groceries"), &error);
            break;
        case Change::DeleteCategory:
            done = removeCategory(*m_a, home, &error);
            break;
        case Change::RenameAccount:
            done = renameAccount(*m_a, savings, QStringLiteral("Rainy day"), &error);
            break;
        case Change::DeleteAccount:
            done = removeAccount(*m_a, savings, &error);
            break;
        }
        QVERIFY2(done, qPrintable(error));
        Clock::setNow(QDateTime());

        SYNC_OK(*m_a);
        const int postsBefore = m_posts;
        SYNC_OK(*m_b);
        QCOMPARE(m_posts, postsBefore); // nothing of the pulled change goes back
        QCOMPARE(pendingRows(*m_b), 0);
        SAME_DATA(*m_a, *m_b);

        switch (change) {
        case Change::DeleteTransaction:
            QCOMPARE(m_b->scalar(QStringLiteral("SELECT deleted_at FROM transactions WHERE id = ?"), {grocer}).toString().left(19),
                     QStringLiteral("2031-01-02T03:04:05"));
            break;
        case Change::UndeleteTransaction:
            QVERIFY(m_b->scalar(QStringLiteral("SELECT deleted_at FROM transactions WHERE id = ?"), {grocer}).isNull());
            QCOMPARE(m_b->scalar(QStringLiteral("SELECT payee FROM transactions WHERE id = ?"), {grocer}).toString(), QStringLiteral("Grocer"));
            break;
        case Change::MoveTransaction:
            QCOMPARE(m_b->scalar(QStringLiteral("SELECT account_id FROM transactions WHERE id = ?"), {grocer}).toString(), savings);
            break;
        case Change::SplitTransaction:
            QCOMPARE(count(*m_b, QStringLiteral("SELECT COUNT(*) FROM split_lines WHERE transaction_id = '%1'").arg(grocer)), 2);
            break;
        case Change::UnsplitTransaction:
            QCOMPARE(count(*m_b, QStringLiteral("SELECT COUNT(*) FROM split_lines WHERE transaction_id = '%1'").arg(split)), 0);
            break;
        case Change::DeleteTransfer:
            QCOMPARE(count(*m_b, QStringLiteral("SELECT COUNT(*) FROM transactions WHERE COALESCE(transfer_link_id, '') <> '' AND deleted_at IS NULL")), 0);
            break;
        case Change::DeleteAccount:
            QCOMPARE(count(*m_b, QStringLiteral("SELECT COUNT(*) FROM transactions WHERE account_id = '%1' AND deleted_at IS NULL").arg(savings)), 0);
            break;
        default:
            break;
        }
    }

    // The row edited while its push is on the way is not the version the
    // server got: it has to stay pending and go with the next sync.
    void anEditDuringThePushStaysPending()
    {
        const QString checking = addAccount(*m_a, QStringLiteral("Checking"));
        const QString grocer = addTransaction(*m_a, checking, -1250, QStringLiteral("Grocer"));
        bool edited = false;
        // Edited once the batch that carries it is on its way.
        connect(m_proxy.get(), &FaultProxy::requestArrived, this,
                [&](const QByteArray &method, const QByteArray &target, FaultProxy::Fate, const QByteArray &body) {
                    if (!edited && method == "POST" && target.contains("/sync/push") && body.contains(grocer.toLatin1()))
                        edited = editTransaction(*m_a, grocer, QStringLiteral("Typed meanwhile"), -1300, QString());
                });
        SYNC_OK(*m_a);
        QVERIFY(edited);
        QCOMPARE(syncStatus(*m_a, QStringLiteral("transactions"), grocer), QStringLiteral("pending"));
        QCOMPARE(syncStatus(*m_a, QStringLiteral("accounts"), checking), QStringLiteral("synced"));
        QCOMPARE(m_a->scalar(QStringLiteral("SELECT payee FROM transactions WHERE id = ?"), {grocer}).toString(), QStringLiteral("Typed meanwhile"));

        SYNC_OK(*m_a);
        QCOMPARE(pendingRows(*m_a), 0);
        SYNC_OK(*m_b);
        QCOMPARE(m_b->scalar(QStringLiteral("SELECT payee FROM transactions WHERE id = ?"), {grocer}).toString(), QStringLiteral("Typed meanwhile"));
        SAME_DATA(*m_a, *m_b);
    }

    // A pull that brings a newer server copy of a row edited here meanwhile
    // must not overwrite the edit: it is pushed next and, as the later
    // arrival, wins everywhere.
    void aPendingEditSurvivesAPullAndWins()
    {
        const QString checking = addAccount(*m_a, QStringLiteral("Checking"));
        const QString grocer = addTransaction(*m_a, checking, -1250, QStringLiteral("Grocer"));
        SYNC_OK(*m_a);
        SYNC_OK(*m_b);
        // The first installation's copy reaches the server with a higher
        // version than the second will have.
        for (int i = 1; i <= 3; ++i)
            QVERIFY(editTransaction(*m_a, grocer, QStringLiteral("First %1").arg(i), -1250 - i, QString()));
        SYNC_OK(*m_a);

        bool edited = false;
        connect(m_proxy.get(), &FaultProxy::requestArrived, this, [&](const QByteArray &method, const QByteArray &target, FaultProxy::Fate) {
            if (!edited && SyncInstallation::current() == m_b.get() && method == "GET" && target.contains("/sync/pull"))
                edited = editTransaction(*m_b, grocer, QStringLiteral("Second's word"), -4200, QStringLiteral("kept"));
        });
        SYNC_OK(*m_b);
        QVERIFY(edited);
        QCOMPARE(m_b->scalar(QStringLiteral("SELECT payee FROM transactions WHERE id = ?"), {grocer}).toString(), QStringLiteral("Second's word"));
        QCOMPARE(syncStatus(*m_b, QStringLiteral("transactions"), grocer), QStringLiteral("pending"));

        SYNC_OK(*m_b);
        SYNC_OK(*m_a);
        QCOMPARE(m_a->scalar(QStringLiteral("SELECT payee FROM transactions WHERE id = ?"), {grocer}).toString(), QStringLiteral("Second's word"));
        QCOMPARE(m_a->scalar(QStringLiteral("SELECT amount FROM transactions WHERE id = ?"), {grocer}).toLongLong(), -4200);
        SYNC_OK(*m_b);
        SAME_DATA(*m_a, *m_b);
        QCOMPARE(pendingRows(*m_b), 0);
    }

    void sampleRowsAreNeverPushed()
    {
        const QString checking = addAccount(*m_a, QStringLiteral("Checking"));
        QVERIFY(m_a->open());
        Account sample;
        sample.id = QStringLiteral("sample-checking");
        sample.name = QStringLiteral("Sample Checking");
        RowStamp::fresh(sample);
        QVERIFY(m_a->accounts()->insert(sample));
        Transaction sampleRow;
        sampleRow.id = QStringLiteral("sample-txn-1");
        sampleRow.accountId = sample.id;
        sampleRow.date = QDate(2025, 1, 5);
        sampleRow.payee = QStringLiteral("Sample payee");
        sampleRow.amount = -500;
        RowStamp::fresh(sampleRow);
        QVERIFY(m_a->transactions()->insert(sampleRow));
        QVERIFY(!addTransaction(*m_a, checking, -100, QStringLiteral("Real")).isEmpty());

        SYNC_OK(*m_a);
        SYNC_OK(*m_a);
        SYNC_OK(*m_b);
        QCOMPARE(count(*m_b, QStringLiteral("SELECT COUNT(*) FROM accounts WHERE id LIKE 'sample-%'")), 0);
        QCOMPARE(count(*m_b, QStringLiteral("SELECT COUNT(*) FROM transactions WHERE id LIKE 'sample-%'")), 0);
        QCOMPARE(count(*m_b, QStringLiteral("SELECT COUNT(*) FROM transactions")), 1);
        // Nor does the server hold them.
        ApiTestClient raw(m_servers.first().port());
        raw.setBearer(m_user.accessToken);
        const auto page = raw.get(QStringLiteral("/quillby/v1/sync/pull?limit=200"));
        QCOMPARE(page.status, 200);
        QVERIFY(!page.body.contains("sample-"));
        // The sample rows are still there on the first installation.
        QCOMPARE(count(*m_a, QStringLiteral("SELECT COUNT(*) FROM transactions WHERE id LIKE 'sample-%' AND deleted_at IS NULL")), 1);
    }

    // Sharing through the sync API: the member's installation gets the
    // account with its rows and what they use, edits reach the owner, and
    // an unshare takes everything of the account away from the member.
    void aMemberSeesEditsAndLosesASharedAccount()
    {
        const QString joint = addAccount(*m_a, QStringLiteral("Joint"));
        const QString own = addAccount(*m_a, QStringLiteral("Own"));
        const QString food = addCategory(*m_a, QStringLiteral("Food"));
        const QString rent = addTransaction(*m_a, joint, -90000, QStringLiteral("Landlord"));
        const QString shop = addTransaction(*m_a, joint, -1250, QStringLiteral("Grocer"), food);
        QVERIFY(!addTransaction(*m_a, own, -700, QStringLiteral("Private")).isEmpty());
        SYNC_OK(*m_a);

        const SyncTestUser member = m_servers.addUser(QStringLiteral("member"));
        QVERIFY(!member.id.isEmpty());
        m_member = installation(QStringLiteral("member"), member);
        ApiTestClient owner(m_servers.first().port());
        owner.setBearer(m_user.accessToken);
        const auto shared = owner.post(QStringLiteral("/quillby/v1/accounts/%1/share").arg(joint),
                                       {{QStringLiteral("user_id"), member.email},
                                        {QStringLiteral("email"), member.email},
                                        {QStringLiteral("role"), QStringLiteral("member")}});
        QCOMPARE(shared.status, 200);

        SYNC_OK(*m_member);
        QCOMPARE(count(*m_member, QStringLiteral("SELECT COUNT(*) FROM accounts WHERE deleted_at IS NULL")), 1);
        QCOMPARE(m_member->scalar(QStringLiteral("SELECT id FROM accounts")).toString(), joint);
        QCOMPARE(count(*m_member, QStringLiteral("SELECT COUNT(*) FROM transactions WHERE deleted_at IS NULL")), 2);
        QCOMPARE(m_member->scalar(QStringLiteral("SELECT category_id FROM transactions WHERE id = ?"), {shop}).toString(), food);
        QCOMPARE(count(*m_member, QStringLiteral("SELECT COUNT(*) FROM transactions WHERE payee = 'Private'")), 0);

        QVERIFY(editTransaction(*m_member, rent, QStringLiteral("Landlord, March"), -91000, QString()));
        const QString added = addTransaction(*m_member, joint, -4500, QStringLiteral("Plumber"));
        QVERIFY(!added.isEmpty());
        SYNC_OK(*m_member);
        SYNC_OK(*m_a);
        QCOMPARE(m_a->scalar(QStringLiteral("SELECT payee FROM transactions WHERE id = ?"), {rent}).toString(), QStringLiteral("Landlord, March"));
        QCOMPARE(m_a->scalar(QStringLiteral("SELECT account_id FROM transactions WHERE id = ?"), {added}).toString(), joint);
        QCOMPARE(pendingRows(*m_a), 0);

        const auto unshared = owner.del(QStringLiteral("/quillby/v1/accounts/%1/share/%2").arg(joint, member.id));
        QVERIFY2(unshared.status == 200 || unshared.status == 204, qPrintable(QString::number(unshared.status)));
        SYNC_OK(*m_member);
        QCOMPARE(count(*m_member, QStringLiteral("SELECT COUNT(*) FROM accounts WHERE deleted_at IS NULL")), 0);
        QCOMPARE(count(*m_member, QStringLiteral("SELECT COUNT(*) FROM transactions WHERE deleted_at IS NULL")), 0);
        // The member's loss is not pushed back as deletions of the owner's rows.
        QCOMPARE(pendingRows(*m_member), 0);
        SYNC_OK(*m_a);
        QCOMPARE(count(*m_a, QStringLiteral("SELECT COUNT(*) FROM transactions WHERE account_id = '%1' AND deleted_at IS NULL").arg(joint)), 3);
    }

private:
    std::unique_ptr<SyncInstallation> installation(const QString &name, const SyncTestUser &user)
    {
        auto result = std::make_unique<SyncInstallation>(name);
        result->signIn(m_proxy->baseUrl(), user.accessToken);
        result->setRequestTimeout(15000);
        result->setFastWrites(true);
        return result;
    }

    SyncServers m_servers;
    std::unique_ptr<FaultProxy> m_proxy;
    SyncTestUser m_user;
    std::unique_ptr<SyncInstallation> m_a;
    std::unique_ptr<SyncInstallation> m_b;
    std::unique_ptr<SyncInstallation> m_member;
    int m_posts = 0;
};

QTEST_GUILESS_MAIN(tst_SyncEndToEnd)
#include "tst_syncendtoend.moc"
