#include "data/accountrepository.h"

#include "data/changejournal.h"
#include "data/database.h"
#include "data/sqlhelpers.h"
#include "data/sqltransaction.h"
#include "data/rowstamp.h"
#include "data/timestamps.h"

#include <QSqlQuery>

namespace {

const QString kColumns = QStringLiteral(
    "id, name, account_type, currency, institution, account_number_last4, starting_balance, "
    "sort_order, is_shared, version, sync_status, server_id, created_at, updated_at, deleted_at");

QString withColumns(const char *sql)
{
    return QString::fromLatin1(sql).arg(kColumns);
}

Account accountFromRow(const QSqlQuery &query)
{
    Account a;
    a.id = query.value(0).toString();
    a.name = query.value(1).toString();
    a.type = accountTypeFromString(query.value(2).toString());
    a.currency = currencyFromString(query.value(3).toString());
    a.institution = query.value(4).toString();
    a.accountNumberLast4 = query.value(5).toString();
    a.startingBalance = query.value(6).toLongLong();
    a.sortOrder = query.value(7).toInt();
    a.isShared = query.value(8).toBool();
    a.version = query.value(9).toInt();
    a.syncStatus = syncStatusFromString(query.value(10).toString());
    a.serverId = query.value(11).toString();
    a.createdAt = timestampFromText(query.value(12).toString());
    a.updatedAt = timestampFromText(query.value(13).toString());
    a.deletedAt = optionalTimestampFromText(query.value(14).toString());
    return a;
}

} // namespace

AccountRepository::AccountRepository(Database *database, QObject *parent)
    : QObject(parent)
    , m_database(database)
{
    connect(m_database->changes(), &ChangeJournal::committed, this, [this](const ChangeSet &changes) {
        if (changes.contains(ChangeSet::Entity::Account))
            Q_EMIT accountsChanged();
    });
}

QList<Account> AccountRepository::findList(const QString &sql) const
{
    QList<Account> accounts;
    QSqlQuery query = Sql::prepare(m_database->connection(), sql);
    if (!Sql::exec(query))
        return accounts;
    while (query.next())
        accounts.append(accountFromRow(query));
    return accounts;
}

QList<Account> AccountRepository::findAll() const
{
    return findList(withColumns("SELECT %1 FROM accounts WHERE deleted_at IS NULL ORDER BY sort_order, name"));
}

std::optional<Account> AccountRepository::findById(const QString &id) const
{
    QSqlQuery query = Sql::prepare(m_database->connection(),
                                   withColumns("SELECT %1 FROM accounts WHERE id = ?"), {id});
    if (!Sql::exec(query) || !query.next())
        return std::nullopt;
    return accountFromRow(query);
}

QList<Account> AccountRepository::findDeleted() const
{
    return findList(withColumns("SELECT %1 FROM accounts WHERE deleted_at IS NOT NULL ORDER BY name"));
}

QList<Account> AccountRepository::findPendingSync() const
{
    return findList(withColumns("SELECT %1 FROM accounts WHERE sync_status = 'pending'"));
}

QHash<QString, qint64> AccountRepository::balances() const
{
    QHash<QString, qint64> result;
    QSqlQuery query = Sql::prepare(
        m_database->connection(),
        QStringLiteral("SELECT a.id, a.starting_balance + COALESCE(SUM(t.amount), 0) FROM accounts a "
                       "LEFT JOIN transactions t ON t.account_id = a.id AND t.deleted_at IS NULL "
                       "WHERE a.deleted_at IS NULL GROUP BY a.id"));
    if (!Sql::exec(query))
        return result;
    while (query.next())
        result.insert(query.value(0).toString(), query.value(1).toLongLong());
    return result;
}

std::optional<qint64> AccountRepository::balance(const QString &accountId) const
{
    QSqlQuery query = Sql::prepare(
        m_database->connection(),
        QStringLiteral("SELECT a.starting_balance + COALESCE((SELECT SUM(t.amount) FROM transactions t "
                       "WHERE t.account_id = a.id AND t.deleted_at IS NULL), 0) FROM accounts a "
                       "WHERE a.id = ? AND a.deleted_at IS NULL"),
        {accountId});
    if (!Sql::exec(query) || !query.next())
        return std::nullopt;
    return query.value(0).toLongLong();
}

bool AccountRepository::insert(const Account &a)
{
    QSqlQuery query = Sql::prepare(
        m_database->connection(),
        QStringLiteral("INSERT INTO accounts (id, name, account_type, currency, institution, "
                       "account_number_last4, starting_balance, sort_order, is_shared, version, "
                       "sync_status, server_id, created_at, updated_at) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        {a.id, a.name, accountTypeToString(a.type), currencyToString(a.currency), a.institution,
         a.accountNumberLast4, a.startingBalance, a.sortOrder, a.isShared ? 1 : 0, a.version,
         syncStatusToString(a.syncStatus), a.serverId, timestampToText(a.createdAt),
         timestampToText(a.updatedAt)});
    if (!Sql::exec(query, "AccountRepository::insert"))
        return false;
    m_database->changes()->record(ChangeSet::Entity::Account, a.id);
    return true;
}

bool AccountRepository::update(const Account &a)
{
    QSqlQuery query = Sql::prepare(
        m_database->connection(),
        QStringLiteral("UPDATE accounts SET name=?, account_type=?, currency=?, institution=?, "
                       "account_number_last4=?, starting_balance=?, sort_order=?, is_shared=?, version=?, "
                       "sync_status=?, server_id=?, updated_at=? WHERE id=?"),
        {a.name, accountTypeToString(a.type), currencyToString(a.currency), a.institution,
         a.accountNumberLast4, a.startingBalance, a.sortOrder, a.isShared ? 1 : 0, a.version,
         syncStatusToString(a.syncStatus), a.serverId, timestampToText(a.updatedAt), a.id});
    if (!Sql::exec(query, "AccountRepository::update"))
        return false;
    m_database->changes()->record(ChangeSet::Entity::Account, a.id);
    return true;
}

bool AccountRepository::softDelete(const QString &id)
{
    const QString now = nowTimestamp();
    QSqlQuery query = Sql::prepare(
        m_database->connection(),
        QLatin1String("UPDATE accounts SET deleted_at = ?, ") + RowStamp::sqlAssignments()
            + QLatin1String(" WHERE id = ?"),
        {now, now, id});
    if (!Sql::exec(query, "AccountRepository::softDelete"))
        return false;
    m_database->changes()->record(ChangeSet::Entity::Account, id);
    return true;
}

bool AccountRepository::restore(const QString &id)
{
    QSqlQuery query = Sql::prepare(
        m_database->connection(),
        QLatin1String("UPDATE accounts SET deleted_at = NULL, ") + RowStamp::sqlAssignments()
            + QLatin1String(" WHERE id = ?"),
        {nowTimestamp(), id});
    if (!Sql::exec(query, "AccountRepository::restore"))
        return false;
    m_database->changes()->record(ChangeSet::Entity::Account, id);
    return true;
}

int AccountRepository::markAllPendingForResync()
{
    QSqlQuery query = Sql::prepare(
        m_database->connection(),
        QStringLiteral("UPDATE accounts SET sync_status = 'pending' "
                       "WHERE deleted_at IS NULL AND sync_status != 'pending'"));
    if (!Sql::exec(query, "AccountRepository::markAllPendingForResync"))
        return 0;
    const int changed = query.numRowsAffected();
    if (changed <= 0)
        return 0;
    m_database->changes()->record(ChangeSet::Entity::Account, QString());
    return changed;
}

bool AccountRepository::markSynced(const QString &id, const QString &serverId)
{
    QSqlQuery query = Sql::prepare(m_database->connection(),
                                   QStringLiteral("UPDATE accounts SET sync_status='synced', server_id=? WHERE id=?"),
                                   {serverId, id});
    return Sql::exec(query);
}

bool AccountRepository::updateSortOrders(const QList<QPair<QString, int>> &order)
{
    SqlTransaction transaction(m_database->connection());
    if (!transaction.isActive())
        return false;
    for (const QPair<QString, int> &entry : order) {
        QSqlQuery query = Sql::prepare(m_database->connection(),
                                       QStringLiteral("UPDATE accounts SET sort_order=?, updated_at=? WHERE id=?"),
                                       {entry.second, nowTimestamp(), entry.first});
        if (!Sql::exec(query))
            return false;   // the transaction rolls back every earlier pair
    }
    // The order is this installation's own arrangement: it changes no
    // version and is not sent by sync. Listeners still reorder their lists.
    m_database->changes()->record(ChangeSet::Entity::Account, QString());
    return transaction.commit();
}

QSqlDatabase AccountRepository::connection() const
{
    return m_database->connection();
}
