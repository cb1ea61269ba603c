#include "data/reconciliationrepository.h"

#include "data/changejournal.h"
#include "data/database.h"
#include "data/sqlhelpers.h"
#include "data/rowstamp.h"
#include "data/timestamps.h"

namespace {

const QString kColumns = QStringLiteral(
    "id, account_id, statement_date, statement_balance, reconciled_balance, completed_at, version, "
    "sync_status, server_id, created_at, updated_at, deleted_at");

QString withColumns(const char *sql)
{
    return QString::fromLatin1(sql).arg(kColumns);
}

// The driver writes a null QString as SQL NULL; the NOT NULL text columns
// must get the empty string instead.
QVariant text(const QString &value)
{
    return value.isNull() ? QVariant(QString(QLatin1String(""))) : QVariant(value);
}

} // namespace

ReconciliationRepository::ReconciliationRepository(Database *database, QObject *parent)
    : QObject(parent)
    , m_database(database)
{
    connect(m_database->changes(), &ChangeJournal::committed, this, [this](const ChangeSet &changes) {
        if (changes.contains(ChangeSet::Entity::Reconciliation))
            Q_EMIT reconciliationsChanged();
    });
}

QList<Reconciliation> ReconciliationRepository::findByAccount(const QString &accountId) const
{
    QSqlQuery query = Sql::prepare(m_database->connection(),
                                   withColumns("SELECT %1 FROM reconciliations WHERE account_id = ? AND "
                                               "deleted_at IS NULL ORDER BY statement_date DESC"),
                                   {accountId});
    return fetchAll(query);
}

std::optional<Reconciliation> ReconciliationRepository::findById(const QString &id) const
{
    QSqlQuery query = Sql::prepare(m_database->connection(),
                                   withColumns("SELECT %1 FROM reconciliations WHERE id = ?"), {id});
    if (!Sql::exec(query) || !query.next())
        return std::nullopt;
    return fromRow(query);
}

std::optional<Reconciliation> ReconciliationRepository::findLatest(const QString &accountId) const
{
    QSqlQuery query = Sql::prepare(m_database->connection(),
                                   withColumns("SELECT %1 FROM reconciliations WHERE account_id = ? AND "
                                               "deleted_at IS NULL ORDER BY statement_date DESC LIMIT 1"),
                                   {accountId});
    if (!Sql::exec(query) || !query.next())
        return std::nullopt;
    return fromRow(query);
}

QList<Reconciliation> ReconciliationRepository::findPendingSync() const
{
    QSqlQuery query = Sql::prepare(m_database->connection(),
                                   withColumns("SELECT %1 FROM reconciliations WHERE sync_status = 'pending'"));
    return fetchAll(query);
}

bool ReconciliationRepository::insert(const Reconciliation &r)
{
    const QString now = nowTimestamp();
    const QString createdAt = r.createdAt.isValid() ? timestampToText(r.createdAt) : now;
    const QString updatedAt = r.updatedAt.isValid() ? timestampToText(r.updatedAt) : now;
    QSqlQuery query = Sql::prepare(
        m_database->connection(),
        QStringLiteral("INSERT INTO reconciliations (id, account_id, statement_date, statement_balance, "
                       "reconciled_balance, completed_at, version, sync_status, server_id, created_at, updated_at) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        {text(r.id), text(r.accountId), dateToText(r.statementDate), r.statementBalance, r.reconciledBalance,
         timestampToText(r.completedAt), r.version, syncStatusToString(r.syncStatus), text(r.serverId),
         createdAt, updatedAt});
    if (!Sql::exec(query, "ReconciliationRepository::insert"))
        return false;
    m_database->changes()->record(ChangeSet::Entity::Reconciliation, r.id);
    return true;
}

bool ReconciliationRepository::update(const Reconciliation &r)
{
    QSqlQuery query = Sql::prepare(
        m_database->connection(),
        QStringLiteral("UPDATE reconciliations SET account_id=?, statement_date=?, statement_balance=?, "
                       "reconciled_balance=?, completed_at=?, version=?, sync_status=?, server_id=?, updated_at=? "
                       "WHERE id=?"),
        {text(r.accountId), dateToText(r.statementDate), r.statementBalance, r.reconciledBalance,
         timestampToText(r.completedAt), r.version, syncStatusToString(r.syncStatus), text(r.serverId),
         timestampToText(r.updatedAt), r.id});
    if (!Sql::exec(query, "ReconciliationRepository::update"))
        return false;
    m_database->changes()->record(ChangeSet::Entity::Reconciliation, r.id);
    return true;
}

int ReconciliationRepository::softDeleteByAccount(const QString &accountId)
{
    const QString now = nowTimestamp();
    QSqlQuery query = Sql::prepare(m_database->connection(),
                                   QLatin1String("UPDATE reconciliations SET deleted_at = ?, ")
                                       + RowStamp::sqlAssignments()
                                       + QLatin1String(" WHERE account_id = ? AND deleted_at IS NULL"),
                                   {now, now, accountId});
    return execCounted(query, "ReconciliationRepository::softDeleteByAccount");
}

int ReconciliationRepository::restoreByAccount(const QString &accountId, const QString &deletedSince)
{
    QSqlQuery query = Sql::prepare(m_database->connection(),
                                   QLatin1String("UPDATE reconciliations SET deleted_at = NULL, ")
                                       + RowStamp::sqlAssignments()
                                       + QLatin1String(" WHERE account_id = ? AND deleted_at >= ?"),
                                   {nowTimestamp(), accountId, deletedSince});
    return execCounted(query, "ReconciliationRepository::restoreByAccount");
}

int ReconciliationRepository::markAllPendingForResync()
{
    QSqlQuery query = Sql::prepare(m_database->connection(),
                                   QStringLiteral("UPDATE reconciliations SET sync_status = 'pending' "
                                                  "WHERE deleted_at IS NULL AND sync_status != 'pending'"));
    return execCounted(query, "ReconciliationRepository::markAllPendingForResync");
}

bool ReconciliationRepository::markSynced(const QString &id, const QString &serverId)
{
    QSqlQuery query = Sql::prepare(
        m_database->connection(),
        QStringLiteral("UPDATE reconciliations SET sync_status='synced', server_id=? WHERE id=?"), {serverId, id});
    return Sql::exec(query);
}

QList<Reconciliation> ReconciliationRepository::fetchAll(QSqlQuery &query) const
{
    QList<Reconciliation> result;
    if (!Sql::exec(query))
        return result;
    while (query.next())
        result.append(fromRow(query));
    return result;
}

Reconciliation ReconciliationRepository::fromRow(const QSqlQuery &query)
{
    Reconciliation r;
    r.id = query.value(0).toString();
    r.accountId = query.value(1).toString();
    r.statementDate = dateFromText(query.value(2).toString());
    r.statementBalance = query.value(3).toLongLong();
    r.reconciledBalance = query.value(4).toLongLong();
    r.completedAt = timestampFromText(query.value(5).toString());
    r.version = query.value(6).toInt();
    r.syncStatus = syncStatusFromString(query.value(7).toString());
    r.serverId = query.value(8).toString();
    r.createdAt = timestampFromText(query.value(9).toString());
    r.updatedAt = timestampFromText(query.value(10).toString());
    r.deletedAt = optionalTimestampFromText(query.value(11).toString());
    return r;
}

int ReconciliationRepository::execCounted(QSqlQuery &query, const char *operation)
{
    if (!Sql::exec(query, operation))
        return -1;
    const int changed = query.numRowsAffected();
    if (changed > 0)
        m_database->changes()->record(ChangeSet::Entity::Reconciliation, QString());
    return qMax(0, changed);
}
