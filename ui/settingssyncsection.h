#pragma once

#include "ui/screens/replyguard.h"

#include <QWidget>

class PreferencesRepository;
class QLabel;
class QPushButton;
class SyncEngine;

namespace OrlAccount {
class AuthClient;
}

// The Sync section of the Data & Sync page: who is signed in, the sync
// engine's state and the last sync, and Sync Now and Force Full Sync.
// Signed out, it only says how to sign in. It follows the engine's state
// while it exists; the user's name is fetched at most once per showing
// (refresh()), so a user without a name or address never sets off a chain
// of requests, and an answer that arrives after the window closed is
// dropped. A full sync is refused while a sync runs.
class SettingsSyncSection : public QWidget
{
    Q_OBJECT

public:
    // Answers go through `guard`, which the window invalidates when it closes.
    SettingsSyncSection(OrlAccount::AuthClient *auth, SyncEngine *engine, PreferencesRepository *preferences,
                        const ReplyGuard *guard, QWidget *parent = nullptr);

    // Shows the current state and, when the user's name is not known yet,
    // asks the service for it once.
    void refresh();

    QLabel *statusLabel() const { return m_status; }
    QLabel *lastSyncLabel() const { return m_lastSync; }
    QPushButton *syncNowButton() const { return m_syncNow; }
    QPushButton *forceFullSyncButton() const { return m_forceFull; }
    QWidget *buttonRow() const { return m_buttonRow; }

    // The last-sync line for a stored time ("" for never).
    static QString lastSyncText(const QString &stored);

public Q_SLOTS:
    void onSyncNow();
    void onForceFullSync();

private:
    // The display only; never asks the service.
    void showState();
    void onEngineStateChanged(int state);
    void setWaiting(bool waiting);
    bool signedIn() const;

    OrlAccount::AuthClient *m_auth;
    SyncEngine *m_engine;
    PreferencesRepository *m_preferences;
    const ReplyGuard *m_guard;
    QLabel *m_status;
    QLabel *m_lastSync;
    QWidget *m_buttonRow;
    QPushButton *m_syncNow;
    QPushButton *m_forceFull;
    // A sync started here is under way; the buttons wait for its end.
    bool m_waiting = false;
    bool m_userAsked = false;
};
