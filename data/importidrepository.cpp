#include "data/importidrepository.h"

#include "data/database.h"
#include "data/sqlhelpers.h"

#include <QSqlQuery>

ImportIdRepository::ImportIdRepository(Database *database)
    : m_database(database)
{
}

QHash<QString, QString> ImportIdRepository::findByAccount(const QString &accountId) const
{
    QHash<QString, QString> ids;
    QSqlQuery query = Sql::prepare(m_database->connection(),
                                   QStringLiteral("SELECT id, fitid FROM transactions WHERE account_id = ? AND "
                                                  "fitid IS NOT NULL AND deleted_at IS NULL"),
                                   {accountId});
    if (!Sql::exec(query, "ImportIdRepository::findByAccount"))
        return ids;
    while (query.next())
        ids.insert(query.value(0).toString(), query.value(1).toString());
    return ids;
}

bool ImportIdRepository::set(const QString &transactionId, const QString &importId)
{
    int changed = 0;
    if (!Sql::execCached(m_database->connection(),
                         QStringLiteral("UPDATE transactions SET fitid = ? WHERE id = ?"),
                         {importId.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(importId),
                          transactionId},
                         "ImportIdRepository::set", &changed))
        return false;
    return changed == 1;
}
