#include "bench/bulkloadsettings.h"

#include <QSqlQuery>
#include <QVariant>

BulkLoadSettings::BulkLoadSettings(const QSqlDatabase &db)
    : m_db(db)
{
    m_synchronous = pragmaValue(QStringLiteral("PRAGMA synchronous"));
    m_cacheSize = pragmaValue(QStringLiteral("PRAGMA cache_size"));
    QSqlQuery query(m_db);
    query.exec(QStringLiteral("PRAGMA synchronous=OFF"));
    query.exec(QStringLiteral("PRAGMA cache_size=-262144"));
}

BulkLoadSettings::~BulkLoadSettings()
{
    QSqlQuery query(m_db);
    if (!m_synchronous.isEmpty())
        query.exec(QStringLiteral("PRAGMA synchronous=%1").arg(m_synchronous.toInt()));
    if (!m_cacheSize.isEmpty())
        query.exec(QStringLiteral("PRAGMA cache_size=%1").arg(m_cacheSize.toInt()));
}

QString BulkLoadSettings::pragmaValue(const QString &pragma) const
{
    QSqlQuery query(m_db);
    return query.exec(pragma) && query.next() ? query.value(0).toString() : QString();
}
