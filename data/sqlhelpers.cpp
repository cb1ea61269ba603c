#include "data/sqlhelpers.h"

#include <QDebug>
#include <QHash>
#include <QPointer>
#include <QSqlDriver>
#include <QSqlError>

#include <memory>

namespace Sql {

namespace {
QSqlQuery prepared(const QSqlDatabase &db, const QString &sql)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(sql);
    return query;
}
// The prepared statements of one connection. The driver pointer tells a
// connection that was removed and added again under the same name from the
// one the statements were prepared on.
struct ConnectionStatements
{
    QPointer<QSqlDriver> driver;
    QHash<QString, std::shared_ptr<QSqlQuery>> queries;
};

// Connections and statements live on the GUI thread only.
QHash<QString, ConnectionStatements> &statementCache()
{
    static QHash<QString, ConnectionStatements> cache;
    return cache;
}

template<typename Binds>
bool execCachedImpl(const QSqlDatabase &db, const QString &sql, const Binds &binds, const char *operation,
                    int *rowsAffected)
{
    QHash<QString, ConnectionStatements> &cache = statementCache();
    ConnectionStatements &statements = cache[db.connectionName()];
    if (statements.driver != db.driver() || !db.isOpen()) {
        statements.queries.clear();
        statements.driver = db.driver();
    }

    std::shared_ptr<QSqlQuery> &slot = statements.queries[sql];
    // A statement bound with a different number of values than last time is
    // prepared anew, so the driver judges the count exactly as it would for
    // a fresh statement and no value of an earlier call is left behind.
    if (slot && slot->boundValues().size() != qsizetype(binds.size()))
        slot.reset();
    if (!slot) {
        slot = std::make_shared<QSqlQuery>(db);
        slot->setForwardOnly(true);
        slot->prepare(sql);
    }
    // Keep our own handle: a nested call through a signal could rehash the
    // cache while this statement runs.
    const std::shared_ptr<QSqlQuery> query = slot;

    int position = 0;
    for (const QVariant &value : binds)
        query->bindValue(position++, value);

    const bool ok = exec(*query, operation);
    if (ok && rowsAffected)
        *rowsAffected = query->numRowsAffected();
    query->finish();
    if (!ok) {
        auto it = cache.find(db.connectionName());
        if (it != cache.end())
            it->queries.remove(sql);
    }
    return ok;
}

} // namespace

QSqlQuery prepare(const QSqlDatabase &db, const QString &sql, std::initializer_list<QVariant> binds)
{
    QSqlQuery query = prepared(db, sql);
    for (const QVariant &value : binds)
        query.addBindValue(value);
    return query;
}

QSqlQuery prepare(const QSqlDatabase &db, const QString &sql, const QVariantList &binds)
{
    QSqlQuery query = prepared(db, sql);
    for (const QVariant &value : binds)
        query.addBindValue(value);
    return query;
}

bool exec(QSqlQuery &query, const char *operation)
{
    if (query.exec())
        return true;
    if (operation && *operation)
        qWarning().noquote() << QLatin1String(operation) + QLatin1String(" failed:") << query.lastError().text();
    return false;
}

bool execCached(const QSqlDatabase &db, const QString &sql, std::initializer_list<QVariant> binds,
                const char *operation, int *rowsAffected)
{
    return execCachedImpl(db, sql, binds, operation, rowsAffected);
}

bool execCached(const QSqlDatabase &db, const QString &sql, const QVariantList &binds, const char *operation,
                int *rowsAffected)
{
    return execCachedImpl(db, sql, binds, operation, rowsAffected);
}

void clearStatementCache(const QString &connectionName)
{
    statementCache().remove(connectionName);
}

int cachedStatementCount(const QString &connectionName)
{
    const auto it = statementCache().constFind(connectionName);
    return it == statementCache().constEnd() ? 0 : int(it->queries.size());
}

} // namespace Sql
