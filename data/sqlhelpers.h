#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <initializer_list>

// The prepare/bind/execute steps every repository repeats. Each repository
// still owns its SQL text; these only keep the mechanics in one place.
namespace Sql {

// Prepares `sql` on `db` and binds `binds` positionally. A prepare failure
// is kept in the query's lastError() and surfaces when exec() fails.
QSqlQuery prepare(const QSqlDatabase &db, const QString &sql, std::initializer_list<QVariant> binds = {});
QSqlQuery prepare(const QSqlDatabase &db, const QString &sql, const QVariantList &binds);

// Executes a prepared query. On failure it logs "<operation> failed: <driver
// text>" as a warning when `operation` is not empty, and returns false.
bool exec(QSqlQuery &query, const char *operation = nullptr);

// Executes a write statement (INSERT, UPDATE, DELETE) through a prepared
// statement kept per SQL text and per connection, so bulk writers skip
// SQLite's parse and plan on every row. The statement is bound afresh with
// exactly `binds`, executed and finished before this returns; it never hands
// out the query, so no caller can iterate a statement another call reuses.
// Not for SELECTs. Fails and logs like exec(); a failed statement is dropped
// from the cache and prepared anew next time. `rowsAffected`, when given,
// receives the changed row count on success.
bool execCached(const QSqlDatabase &db, const QString &sql, std::initializer_list<QVariant> binds,
                const char *operation = nullptr, int *rowsAffected = nullptr);
bool execCached(const QSqlDatabase &db, const QString &sql, const QVariantList &binds,
                const char *operation = nullptr, int *rowsAffected = nullptr);

// Drops the cached statements of the connection with that name. Called
// whenever the connection closes or is replaced; a statement must not
// outlive the connection it was prepared on.
void clearStatementCache(const QString &connectionName);
// How many statements are cached for the connection, for tests.
int cachedStatementCount(const QString &connectionName);

} // namespace Sql
