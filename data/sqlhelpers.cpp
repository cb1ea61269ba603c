#include "data/sqlhelpers.h"

#include <QDebug>
#include <QSqlError>

namespace Sql {

namespace {
QSqlQuery prepared(const QSqlDatabase &db, const QString &sql)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(sql);
    return query;
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

} // namespace Sql
