#include "syncsql.h"

#include "serverlog.h"

#include <QSqlError>

SyncSql &SyncSql::forRequest(const QSqlDatabase &db)
{
    // One set per connection name on this thread; they end with the thread.
    thread_local QHash<QString, std::shared_ptr<SyncSql>> perConnection;
    std::shared_ptr<SyncSql> &sql = perConnection[db.connectionName()];
    if (!sql)
        sql = std::make_shared<SyncSql>(db);
    sql->m_failed = false;
    // No statement stays open between requests (an open one would hold an
    // old snapshot of the database).
    for (const auto &query : std::as_const(sql->m_queries))
        query->finish();
    return *sql;
}

SyncSql::SyncSql(QSqlDatabase db)
    : m_db(std::move(db))
{
}

QSqlQuery *SyncSql::prepared(const QString &sql, bool &fresh)
{
    fresh = false;
    if (const auto it = m_queries.constFind(sql); it != m_queries.constEnd())
        return it.value().get();
    fresh = true;
    auto query = std::make_shared<QSqlQuery>(m_db);
    query->setForwardOnly(true);
    if (!query->prepare(sql)) {
        ServerLog::error(QStringLiteral("sql_prepare_failed"), {{QStringLiteral("reason"), query->lastError().text()}});
        return nullptr;
    }
    return m_queries.insert(sql, std::move(query)).value().get();
}

QSqlQuery *SyncSql::exec(const QString &sql, const QVariantList &values)
{
    for (;;) {
        bool fresh = false;
        QSqlQuery *query = prepared(sql, fresh);
        if (!query)
            break;
        for (qsizetype i = 0; i < values.size(); ++i) {
            const QVariant &value = values.at(i);
            // Qt binds a null QString as NULL; the columns want ''.
            if (value.typeId() == QMetaType::QString && value.toString().isNull())
                query->bindValue(int(i), QStringLiteral(""));
            else
                query->bindValue(int(i), value);
        }
        if (query->exec())
            return query;
        const QString reason = query->lastError().text();
        m_queries.remove(sql);
        // A statement kept from an earlier request may have gone stale (the
        // connection was opened again): it is prepared afresh once.
        if (fresh) {
            ServerLog::error(QStringLiteral("sql_failed"), {{QStringLiteral("reason"), reason}});
            break;
        }
    }
    m_failed = true;
    return nullptr;
}

QString SyncSql::placeholders(qsizetype n)
{
    QString text;
    text.reserve(n * 3);
    for (qsizetype i = 0; i < n; ++i)
        text += i == 0 ? QStringLiteral("?") : QStringLiteral(", ?");
    return text;
}
