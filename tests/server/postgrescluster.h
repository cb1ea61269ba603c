#pragma once

#include <QString>
#include <QTemporaryDir>

#include <memory>

// A private PostgreSQL cluster in a temporary directory, listening only on a
// Unix socket in that directory, for one test run. As root the cluster runs
// as the `postgres` user (PostgreSQL refuses to run as root).
class PostgresCluster
{
public:
    PostgresCluster();
    ~PostgresCluster();

    // initdb, start, create the database. On failure returns false with the
    // reason (the caller skips with it).
    bool start(QString &reason);
    void stop();

    // postgresql://USER@/DATABASE?host=SOCKET_DIR&port=PORT — for --database.
    QString databaseUrl() const;
    // A fresh, empty database on the same cluster.
    bool createDatabase(const QString &name, QString &reason);
    QString databaseUrl(const QString &name) const;

private:
    static QString binDirectory();
    bool runTool(const QString &tool, const QStringList &arguments, QString &output) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_bin;
    QString m_user;
    int m_port = 0;
    bool m_running = false;
};
