#pragma once

#include "apitestclient.h"
#include "postgrescluster.h"
#include "serverprocess.h"

#include <QSqlDatabase>
#include <QString>

#include <memory>
#include <vector>

// A user of the sync tests, signed in through the browser form.
struct SyncTestUser
{
    QString id;
    QString email;
    QString accessToken;
    QString sessionId; // from the token, for looking at the session's device
};

// The servers a sync test talks to. By default one process on SQLite. With
// QUILLBY_TEST_DATABASE_URL set (a postgresql:// address of an empty
// database), or QUILLBY_TEST_POSTGRES_CLUSTER=1 (a private cluster made for
// the run), two processes on that PostgreSQL database sharing one data
// directory; requests then alternate between them, so the suite shows that
// several processes behave as one.
class SyncServers
{
public:
    SyncServers();
    ~SyncServers();

    // On failure returns false with the reason; `skip` is set when the
    // PostgreSQL asked for is not available on this machine.
    bool start(QString &reason, bool &skip);

    bool isPostgres() const { return !m_databaseUrl.isEmpty(); }
    // The port of the process whose turn it is.
    int nextPort();
    ServerProcess &first() { return *m_processes.front(); }
    // A connection of that name to the servers' database, for looking
    // beside the API; false when it can't open.
    bool openDatabase(QSqlDatabase &db, const QString &connectionName) const;

    // A new user with a unique address, signed in once (a new session);
    // empty id on failure.
    SyncTestUser addUser(const QString &name);
    // Another sign-in of the same user: a second installation.
    SyncTestUser signInAgain(const SyncTestUser &user);

private:
    std::unique_ptr<PostgresCluster> m_cluster;
    std::vector<std::unique_ptr<ServerProcess>> m_processes;
    QString m_databaseUrl;
    QString m_runTag;
    int m_turn = 0;
    int m_users = 0;
};
