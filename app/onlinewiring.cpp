#include "app/onlinewiring.h"

#include "account/accountclient.h"
#include "account/authclient.h"
#include "account/client.h"
#include "app/synccontrol.h"

#include <QDebug>
#include <QSettings>

OnlineWiring::OnlineWiring(OrlAccount::Client *client, SyncControl *sync, QObject *parent)
    : QObject(parent)
    , m_client(client)
    , m_sync(sync)
{
    if (m_sync)
        m_sync->setCanSync([this] { return m_client && m_client->isAuthenticated(); });
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
