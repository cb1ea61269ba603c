#include "app/onlinewiring.h"

#include "account/accountclient.h"
#include "account/authclient.h"
#include "account/client.h"
#include "app/synccontrol.h"
#include "data/changejournal.h"
#include "services/syncownership.h"

#include <QDebug>
#include <QSettings>
#include <QSqlDatabase>

OnlineWiring::OnlineWiring(OrlAccount::Client *client, SyncOwnership *ownership, SyncControl *sync, QObject *parent)
    : QObject(parent)
    , m_client(client)
    , m_ownership(ownership)
    , m_sync(sync)
{
    if (m_sync)
        m_sync->setCanSync([this] { return maySync(); });
}

bool OnlineWiring::maySync() const
{
    // Signed in, and as the account this file belongs to.
    return m_client->isAuthenticated() && m_ownership->maySyncAs(m_client->authClient()->userId());
}

void OnlineWiring::connectSignals()
{
    OrlAccount::AuthClient *auth = m_client->authClient();
    connect(auth, &OrlAccount::AuthClient::loginSucceeded, this, &OnlineWiring::onLoginSucceeded);
    connect(auth, &OrlAccount::AuthClient::logoutCompleted, this, [this] {
        if (m_sync)
            m_sync->stopAutoSync();
    });
    if (m_client->isAuthenticated())
        auth->refreshToken([this](bool refreshed) { onStartupRefresh(refreshed); });
}

void OnlineWiring::onLoginSucceeded()
{
    QSettings().setValue(QStringLiteral("auth/hasSignedInBefore"), true);
    m_client->accountClient()->registerDevice();
    settleOwnership();
}

void OnlineWiring::settleOwnership()
{
    // An import or restore has its transaction open and lets the event loop
    // run: taking or handing over the file now would write into it, and its
    // rollback would undo the hand-over. Wait until that work has ended.
    if (ChangeJournal *journal = ChangeJournal::forConnection(QSqlDatabase::database());
        journal && journal->isWriting()) {
        journal->whenIdle(this, [this] {
            if (m_client->isAuthenticated())
                settleOwnership();
        });
        return;
    }
    const QString userId = m_client->authClient()->userId();
    if (m_ownership->noteSignIn(userId) == SyncOwnership::SignIn::OtherOwner) {
        // Never merged silently into another person's account.
        if (!m_chooseUpload || !m_chooseUpload()) {
            qInfo() << "loginSucceeded: this file belongs to another account; it stays local";
            return;
        }
        if (const Result<void> handed = m_ownership->handOver(userId); !handed) {
            Q_EMIT problem(handed.error());
            return;
        }
    }
    qInfo() << "loginSucceeded: starting auto-sync + immediate sync";
    startSyncing();
}

void OnlineWiring::onStartupRefresh(bool refreshed)
{
    qInfo() << "Startup token refresh:" << (refreshed ? "ok" : "failed") << "— authenticated=" << m_client->isAuthenticated();
    if (!m_client->isAuthenticated())
        return;
    qInfo() << "Startup: starting auto-sync + immediate sync";
    startSyncing();
}

void OnlineWiring::startSyncing()
{
    if (!m_sync)
        return;
    m_sync->startAutoSync(AutoSyncIntervalMs);
    m_sync->scheduleSync();
}
