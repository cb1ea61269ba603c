#pragma once

#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QUrl>
#include <QUrlQuery>
#include <QVariant>
#include <QVariantList>

#include <atomic>

// Direct access to a test server's database, for what no API shows (the
// device a session is bound to, the day an account is due) and for moving
// times into the past: the SQLite file in the data directory, or the
// PostgreSQL database at `databaseUrl` (postgresql://USER@/NAME?host=DIR&port=N).
class ServerDatabase
{
public:
    explicit ServerDatabase(const QString &dataDirectory, const QString &databaseUrl = {})
        : m_name(QStringLiteral("server-test-%1").arg(s_count.fetch_add(1)))
    {
        if (databaseUrl.isEmpty()) {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
            db.setDatabaseName(QDir(dataDirectory).filePath(QStringLiteral("quillby-server.db")));
            db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
            db.open();
            return;
        }
        const QUrl url(databaseUrl);
        const QUrlQuery query(url);
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), m_name);
        db.setHostName(query.queryItemValue(QStringLiteral("host"), QUrl::FullyDecoded));
        db.setPort(query.queryItemValue(QStringLiteral("port")).toInt());
        db.setUserName(url.userName());
        db.setDatabaseName(url.path().mid(1));
        db.open();
    }
    ServerDatabase(const ServerDatabase &) = delete;
    ServerDatabase &operator=(const ServerDatabase &) = delete;
    ~ServerDatabase()
    {
        QSqlDatabase::database(m_name, false).close();
        QSqlDatabase::removeDatabase(m_name);
    }

    bool isOpen() const { return QSqlDatabase::database(m_name, false).isOpen(); }

    // The first column of the first row; invalid when there is none.
    QVariant value(const QString &sql, const QVariantList &values = {}) const
    {
        QSqlQuery query(QSqlDatabase::database(m_name, false));
        if (!run(query, sql, values) || !query.next())
            return {};
        return query.value(0);
    }

    // The number of rows changed, or -1 when the statement failed.
    int exec(const QString &sql, const QVariantList &values = {}) const
    {
        QSqlQuery query(QSqlDatabase::database(m_name, false));
        return run(query, sql, values) ? query.numRowsAffected() : -1;
    }

private:
    static bool run(QSqlQuery &query, const QString &sql, const QVariantList &values)
    {
        if (!query.prepare(sql))
            return false;
        for (const QVariant &value : values)
            query.addBindValue(value);
        return query.exec();
    }

    QString m_name;
    static inline std::atomic_int s_count{0};
};
