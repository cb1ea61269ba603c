#pragma once

#include <QObject>

namespace OrlAccount {
class Client;
}
class SyncControl;

// What sign-in, sign-out and the start-up token refresh set going: device
// registration after each sign-in, and automatic sync while signed in.
class OnlineWiring : public QObject
{
    Q_OBJECT

public:
    static constexpr int AutoSyncIntervalMs = 300000;

    OnlineWiring(OrlAccount::Client *client, SyncControl *sync, QObject *parent = nullptr);

    // Connects the sign-in signals and, when tokens were loaded, runs the
    // start-up refresh. Call after the client's initialize().
    void connectSignals();

private:
    void onLoginSucceeded();
    void onStartupRefresh(bool refreshed);
    void startSyncing();

    OrlAccount::Client *m_client;
    SyncControl *m_sync;
};
