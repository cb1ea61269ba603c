#pragma once

#include "app/synccontrol.h"

#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>

class Database;

namespace OrlAccount {
class ApiClient;
}

// Keeps the local database in step with the sync service for a signed-in
// user: a sync pushes every pending row, then pulls the changes made
// elsewhere page by page after the stored cursor. Rows whose ids begin
// "sample-" are never pushed. The engine never writes while another write
// transaction (an import, a restore) is open; it defers until it closes.
// Applied changes are announced through the database's change journal once
// per pulled page. It does not decide who may sync: the owner installs that
// through setCanSync().
class SyncEngine : public QObject, public SyncControl
{
    Q_OBJECT

public:
    enum SyncState {
        Idle = 0,
        Syncing = 1,
        Error = 2,
        Offline = 3,
    };
    Q_ENUM(SyncState)

    // Neither argument is owned; both must outlive the engine.
    SyncEngine(Database &database, OrlAccount::ApiClient &api, QObject *parent = nullptr);
    ~SyncEngine() override;

    static QString stateText(int state);

    SyncState state() const;
    QString lastError() const;

    // Time limit of each push or pull request (default 30 s); an expired
    // request ends the sync in Error.
    void setRequestTimeout(int milliseconds);
    int requestTimeout() const;

    // SyncControl
    void setCanSync(std::function<bool()> predicate) override;
    void startAutoSync(int intervalMs) override;
    void scheduleSync() override;
    void stopAutoSync() override;

public slots:
    // Starts a sync now; while one runs, another follows when it ends.
    void sync();
    // Same as sync(), under the name the settings screen uses.
    void syncNow();
    // Sends every row again and pulls everything from the start, in one
    // sync: its first round brings this installation up to date, so its
    // copies are the newest when they are sent as the later change; then
    // every row, deleted ones included, is marked pending, the cursor and
    // the last sync time are forgotten, and a second round pushes and pulls
    // everything. Refused (false) while a sync runs.
    bool forceFullSync();

signals:
    void stateChanged(SyncEngine::SyncState state);
    void syncCompleted();
    void syncFailed(const QString &error);
    void dataChanged();
    // Emitted once at the end of every sync, successful or not.
    void syncFinished(bool ok);

private:
    void whenIdle(std::function<void()> work);
    void pushNextBatch();
    void onPushAnswered(bool ok, int status, const QJsonObject &body);
    void pull(const QString &cursor);
    void onPullAnswered(bool ok, int status, const QJsonObject &body);
    void checkIntegrity(const QJsonObject &integrity);
    void complete();
    void markEverythingPending();
    void fail(const QString &message);
    quint64 startRequest();
    bool isCurrent(quint64 request) const;
    void setState(SyncState state);

    struct Private;
    Private *d;
};
