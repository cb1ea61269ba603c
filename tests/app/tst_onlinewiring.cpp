#include "common/memorytokenstore.h"
#include "account/authclient.h"
#include "account/client.h"
#include "account/tokenstore.h"
#include "app/onlinewiring.h"
#include "app/synccontrol.h"
#include "common/servicefixture.h"
#include "data/preferencesrepository.h"
#include "data/sqltransaction.h"
#include "data/transactionrepository.h"
#include "data/accountrepository.h"
#include "services/syncownership.h"

#include "apitestclient.h"
#include "serverprocess.h"

#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QUrlQuery>

using namespace OrlAccount;

namespace {

// Records what the wiring asks of the sync engine.
class RecordingSync : public SyncControl
{
public:
    void setCanSync(std::function<bool()> predicate) override { canSync = std::move(predicate); }
    void startAutoSync(int) override { ++started; }
    void scheduleSync() override { ++scheduled; }
    void stopAutoSync() override { ++stopped; }

    std::function<bool()> canSync;
    int started = 0;
    int scheduled = 0;
    int stopped = 0;
};

} // namespace

// Sign-in as the file's owner starts syncing; sign-in as someone else syncs
// nothing of the file unless the person chooses to hand it over. Against a
// real server, with the test playing the browser.
class TestOnlineWiring : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // The wiring remembers a sign-in in the settings: not the tester's own.
        QStandardPaths::setTestModeEnabled(true);
        QString error;
        if (!m_server.start(&error))
            QSKIP(qPrintable(QStringLiteral("quillby-server could not start: ") + error));
        m_ada = m_server.addUser(QStringLiteral("ada@example.org"), QStringLiteral("correct horse"));
        m_grace = m_server.addUser(QStringLiteral("grace@example.org"), QStringLiteral("battery staple"));
        QVERIFY(!m_ada.isEmpty() && !m_grace.isEmpty());
    }

    void init()
    {
        m_fixture = std::make_unique<ServiceFixture>();
        m_preferences = std::make_unique<PreferencesRepository>(m_fixture->db().database());
        m_ownership = std::make_unique<SyncOwnership>(
            m_fixture->db().database(), m_preferences.get(),
            SyncOwnership::Repositories{m_fixture->accounts(), m_fixture->categories(), m_fixture->transactions(),
                                        m_fixture->recurring(), m_fixture->reconciliations()});
        ClientConfig config;
        config.authBaseUrl = m_server.baseUrl();
        config.realmSlug = QStringLiteral("orlindo");
        config.accountApiUrl = m_server.baseUrl() + QStringLiteral("/account/v1");
        config.clientId = QStringLiteral("0123456789abcdef0123456789abcdef");
        config.appId = QStringLiteral("org.example.quillby");
        config.appVersion = QStringLiteral("1.1.2");
        m_client = std::make_unique<Client>(config, std::make_unique<MemoryTokenStore>());
        m_client->authClient()->setUrlOpener([this](const QUrl &url) {
            m_loginUrl = url;
            return true;
        });
        m_client->initialize();
        m_sync = std::make_unique<RecordingSync>();
        m_wiring = std::make_unique<OnlineWiring>(m_client.get(), m_ownership.get(), m_sync.get());
        m_wiring->connectSignals();
    }

    void cleanup()
    {
        m_wiring.reset();
        m_sync.reset();
        m_client.reset();
        m_ownership.reset();
        m_preferences.reset();
        m_fixture.reset();
    }

    void theOwnersSignInStartsSyncing()
    {
        QVERIFY(m_sync->canSync);
        QVERIFY(!m_sync->canSync());   // signed out
        int asked = 0;
        m_wiring->setOwnerChangeChooser([&] { return ++asked, true; });

        QVERIFY(signIn(QStringLiteral("ada@example.org"), QStringLiteral("correct horse")));
        QCOMPARE(m_ownership->ownerId(), m_ada);
        QCOMPARE(asked, 0);
        QCOMPARE(m_sync->started, 1);
        QCOMPARE(m_sync->scheduled, 1);
        QVERIFY(m_sync->canSync());
    }

    void anotherAccountsSignIn_data()
    {
        QTest::addColumn<bool>("upload");
        QTest::newRow("keptLocal") << false;
        QTest::newRow("handedOver") << true;
    }

    // The file belongs to Ada and holds synced rows; Grace signs in.
    void anotherAccountsSignIn()
    {
        QFETCH(bool, upload);
        const QString account = m_fixture->addAccount(QStringLiteral("Checking"));
        const Transaction spent = m_fixture->addTransaction(account, -500);
        QCOMPARE(m_ownership->noteSignIn(m_ada), SyncOwnership::SignIn::Adopted);
        QVERIFY(m_fixture->accounts()->markSynced(account, QStringLiteral("srv-a")));
        QVERIFY(m_fixture->transactions()->markSynced(spent.id, QStringLiteral("srv-t")));
        m_preferences->set(QStringLiteral("syncCursor"), QStringLiteral("ada-cursor"));

        int asked = 0;
        m_wiring->setOwnerChangeChooser([&] { return ++asked, upload; });
        QVERIFY(signIn(QStringLiteral("grace@example.org"), QStringLiteral("battery staple")));
        QCOMPARE(asked, 1);

        const QString status = m_fixture->db()
                                   .scalar(QStringLiteral("SELECT sync_status FROM transactions WHERE id = ?"), {spent.id})
                                   .toString();
        if (upload) {
            QCOMPARE(m_ownership->ownerId(), m_grace);
            QCOMPARE(status, QStringLiteral("pending"));
            QVERIFY(m_preferences->get(QStringLiteral("syncCursor")).value_or(QString()).isEmpty());
            QCOMPARE(m_sync->started, 1);
            QVERIFY(m_sync->canSync());
        } else {
            // Nothing of Ada's file moves, and nothing syncs while Grace is signed in.
            QCOMPARE(m_ownership->ownerId(), m_ada);
            QCOMPARE(status, QStringLiteral("synced"));
            QCOMPARE(m_preferences->get(QStringLiteral("syncCursor")).value_or(QString()), QStringLiteral("ada-cursor"));
            QCOMPARE(m_sync->started, 0);
            QVERIFY(!m_sync->canSync());
        }
    }

    // Signing in while an import holds its transaction open: nothing is
    // asked or written into the import; the hand-over follows its commit.
    void signInDuringAnImportWaitsForIt()
    {
        const QString account = m_fixture->addAccount(QStringLiteral("Checking"));
        const Transaction spent = m_fixture->addTransaction(account, -500);
        QCOMPARE(m_ownership->noteSignIn(m_ada), SyncOwnership::SignIn::Adopted);
        QVERIFY(m_fixture->transactions()->markSynced(spent.id, QStringLiteral("srv-t")));
        int asked = 0;
        m_wiring->setOwnerChangeChooser([&] { return ++asked, true; });

        auto import = std::make_unique<SqlTransaction>(m_fixture->db().database()->connection());
        QVERIFY(import->isActive());
        QVERIFY(signIn(QStringLiteral("grace@example.org"), QStringLiteral("battery staple")));
        QCOMPARE(asked, 0);
        QCOMPARE(m_ownership->ownerId(), m_ada);
        QCOMPARE(m_sync->started, 0);
        import->rollback();
        import.reset();

        QTRY_COMPARE(asked, 1);
        QCOMPARE(m_ownership->ownerId(), m_grace);
        QCOMPARE(m_fixture->db()
                     .scalar(QStringLiteral("SELECT sync_status FROM transactions WHERE id = ?"), {spent.id})
                     .toString(),
                 QStringLiteral("pending"));
        QCOMPARE(m_sync->started, 1);
    }

private:
    bool signIn(const QString &email, const QString &password)
    {
        QSignalSpy succeeded(m_client->authClient(), &AuthClient::loginSucceeded);
        m_loginUrl.clear();
        m_client->authClient()->login();
        if (!m_loginUrl.isValid())
            return false;
        const QUrlQuery query(m_loginUrl);
        const auto browser = BrowserSignIn::run(m_loginUrl.port(), email, password,
                                                query.queryItemValue(QStringLiteral("redirect_uri"), QUrl::FullyDecoded),
                                                query.queryItemValue(QStringLiteral("state"), QUrl::FullyDecoded));
        if (browser.status != 303 || getFromLoopbackListener(QUrl(browser.location)) != 200)
            return false;
        return succeeded.count() == 1 || succeeded.wait(10000);
    }

    ServerProcess m_server;
    QString m_ada;
    QString m_grace;
    std::unique_ptr<ServiceFixture> m_fixture;
    std::unique_ptr<PreferencesRepository> m_preferences;
    std::unique_ptr<SyncOwnership> m_ownership;
    std::unique_ptr<Client> m_client;
    std::unique_ptr<RecordingSync> m_sync;
    std::unique_ptr<OnlineWiring> m_wiring;
    QUrl m_loginUrl;
};

QTEST_GUILESS_MAIN(TestOnlineWiring)
#include "tst_onlinewiring.moc"
