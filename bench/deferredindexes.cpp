#include "bench/deferredindexes.h"

#include "data/sqltransaction.h"

#include <QDebug>
#include <QSqlError>
#include <QSqlQuery>

DeferredIndexes::DeferredIndexes(const QSqlDatabase &db)
    : m_db(db)
{
}

DeferredIndexes::~DeferredIndexes()
{
    if (!m_saved.isEmpty() && !restore())
        qWarning().noquote() << "DeferredIndexes: cannot restore the transactions indexes:" << m_error;
}

bool DeferredIndexes::setAside()
{
    SqlTransaction transaction(m_db);
    QList<Item> items;
    {
        QSqlQuery query(m_db);
        if (!query.exec(QStringLiteral("SELECT type, name, sql FROM sqlite_master WHERE tbl_name = 'transactions' "
                                       "AND type IN ('index', 'trigger') AND sql IS NOT NULL ORDER BY type, name")))
            return failed(query.lastError().text());
        while (query.next())
            items.append({query.value(0).toString(), query.value(1).toString(), query.value(2).toString()});
    }
    QSqlQuery drop(m_db);
    for (const Item &item : std::as_const(items)) {
        const QString kind = item.type == QLatin1String("trigger") ? QStringLiteral("TRIGGER") : QStringLiteral("INDEX");
        if (!drop.exec(QStringLiteral("DROP %1 \"%2\"").arg(kind, item.name)))
            return failed(drop.lastError().text());
    }
    if (!transaction.commit())
        return failed(transaction.errorText());
    m_saved = items;
    return true;
}

bool DeferredIndexes::restore()
{
    if (m_saved.isEmpty())
        return true;
    SqlTransaction transaction(m_db);
    {
        QSqlQuery query(m_db);
        for (const Item &item : std::as_const(m_saved)) {
            if (!query.exec(item.sql))
                return failed(query.lastError().text());
        }
        if (!query.exec(QStringLiteral("INSERT INTO transactions_fts(transactions_fts) VALUES('rebuild')")))
            return failed(query.lastError().text());
    }
    if (!transaction.commit())
        return failed(transaction.errorText());
    m_saved.clear();
    return true;
}

bool DeferredIndexes::failed(const QString &error)
{
    m_error = error;
    return false;
}
