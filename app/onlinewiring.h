#pragma once

#include <QObject>

#include <functional>

namespace OrlAccount {
class Client;
}
class SyncControl;
class SyncOwnership;

// What sign-in, sign-out and the start-up token refresh set going: device
// registration after each sign-in, and automatic sync while signed in.
class OnlineWiring : public QObject
{
    Q_OBJECT

public:
    static constexpr int AutoSyncIntervalMs = 300000;

    OnlineWiring(OrlAccount::Client *client, SyncOwnership *ownership, SyncControl *sync, QObject *parent = nullptr);

    // Asked when an account other than the file's own signs in: true uploads
    // this file to the new account, false keeps it on this machine only
    // (nothing syncs until the person decides otherwise). Without a chooser
    // the file stays local.
    void setOwnerChangeChooser(std::function<bool()> chooser) { m_chooseUpload = std::move(chooser); }
    bool maySync() const;

    // Connects the sign-in signals and, when tokens were loaded, runs the
    // start-up refresh. Call after the client's initialize().
    void connectSignals();

Q_SIGNALS:
    // A step after sign-in failed; the text is for the person.
    void problem(const QString &message);

private:
    void onLoginSucceeded();
    // Whose file this is, then syncing when it is the signed-in user's.
    void settleOwnership();
    void onStartupRefresh(bool refreshed);
    void startSyncing();

    OrlAccount::Client *m_client;
    SyncOwnership *m_ownership;
    SyncControl *m_sync;
    std::function<bool()> m_chooseUpload;
};
