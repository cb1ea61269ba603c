#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QVariantList>

#include <atomic>

class QSqlQuery;

// The server's database: an SQLite file in WAL mode, or PostgreSQL for
// several server processes. Worker threads each get their own connection, so
// handlers never share one; nothing that matters between requests lives in
// the process.
class Storage
{
public:
    enum class Engine { Sqlite, Postgres };

    Storage() = default;
    Storage(const Storage &) = delete;
    Storage &operator=(const Storage &) = delete;
    ~Storage();

    // Opens a first connection (checking the address) and applies the
    // migrations not yet applied. On failure returns false with the reason.
    bool open(const QString &sqliteFile, const QString &postgresUrl, QString &error);

    Engine engine() const { return m_engine; }
    bool isPostgres() const { return m_engine == Engine::Postgres; }

    // This thread's connection, opened on first use; invalid when it can't open.
    QSqlDatabase connection();

    // " FOR UPDATE" on PostgreSQL, nothing on SQLite (whose write
    // transactions already hold the file's write lock).
    QString forUpdate() const;

    // Prepares, binds in order and executes; logs the driver's message (never
    // the values) on failure. A null QString binds as ''; QVariant() binds NULL.
    static bool run(QSqlQuery &query, const QString &sql, const QVariantList &values = {});

    // Unix seconds now.
    static qint64 now();

private:
    bool configure(QSqlDatabase &db, QString &error) const;
    bool migrate(QString &error);

    Engine m_engine = Engine::Sqlite;
    QString m_sqliteFile;
    QString m_pgHost, m_pgUser, m_pgPassword, m_pgDatabase, m_pgOptions;
    int m_pgPort = -1;
    QString m_prefix;
    static std::atomic_int s_instances;
};
