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

} // namespace Sql
