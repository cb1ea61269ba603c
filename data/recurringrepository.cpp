#include "data/recurringrepository.h"

#include "data/changejournal.h"
#include "data/clock.h"
#include "data/database.h"
#include "data/sqlhelpers.h"
#include "data/rowstamp.h"
#include "data/timestamps.h"

#include <QDebug>

namespace {

const QString kColumns = QStringLiteral(
    "id, account_id, payee, memo, amount, category_id, frequency, start_date, end_date, "
    "next_due_date, auto_post, is_active, transfer_dest_account_id, version, sync_status, "
    "server_id, created_at, updated_at, deleted_at, lead_days");

QString withColumns(const char *sql)
{
    return QString::fromLatin1(sql).arg(kColumns);
}

// The driver writes a null QString as SQL NULL; the NOT NULL text columns
// get the empty string instead. An invalid date is written as "" too, so a
// template with a broken due date is still saved and can be repaired later.
QVariant text(const QString &value)
{
    return value.isNull() ? QVariant(QString(QLatin1String(""))) : QVariant(value);
}

QVariant endDateValue(const std::optional<QDate> &date)
{
    if (!date || !date->isValid())
        return QVariant(QMetaType::fromType<QString>());
    return dateToText(*date);
}

// A broken due date is saved anyway (the recurring service deactivates such
// rows), but the warning records where it entered the table.
void warnIfBrokenDueDate(const char *operation, const RecurringTransaction &r)
{
    if (!isBrokenDate(r.nextDueDate))
        return;
    qWarning().noquote() << QStringLiteral("RecurringRepository::") + QLatin1String(operation)
                         << "saving recurring with broken nextDueDate:"
                         << "id=" << r.id << "payee=" << r.payee << "nextDueDate=" << r.nextDueDate
                         << "startDate=" << r.startDate
                         << "frequency=" << static_cast<int>(r.frequency);
}

} // namespace

RecurringRepository::RecurringRepository(Database *database, QObject *parent)
    : QObject(parent)
    , m_database(database)
{
    connect(m_database->changes(), &ChangeJournal::committed, this, [this](const ChangeSet &changes) {
        if (changes.contains(ChangeSet::Entity::Recurring))
            Q_EMIT recurringChanged();
    });
}

QList<RecurringTransaction> RecurringRepository::findAll() const
{
    QSqlQuery query = Sql::prepare(
        m_database->connection(),
        withColumns("SELECT %1 FROM recurring_transactions WHERE deleted_at IS NULL ORDER BY is_active DESC, "
                    "next_due_date ASC, payee COLLATE NOCASE ASC"));
    return fetchAll(query);
}

std::optional<RecurringTransaction> RecurringRepository::findById(const QString &id) const
{
    QSqlQuery query = Sql::prepare(m_database->connection(),
                                   withColumns("SELECT %1 FROM recurring_transactions WHERE id = ?"), {id});
    if (!Sql::exec(query) || !query.next())
        return std::nullopt;
    return fromRow(query);
}

QList<RecurringTransaction> RecurringRepository::findDue() const
{
    return findDue(Clock::today());
}

QList<RecurringTransaction> RecurringRepository::findDue(const QDate &today) const
{
    QSqlQuery query = Sql::prepare(m_database->connection(),
                                   withColumns("SELECT %1 FROM recurring_transactions WHERE deleted_at IS NULL "
                                               "AND is_active = 1 AND next_due_date <= ?"),
                                   {dateToText(today)});
    return fetchAll(query);
}

QList<RecurringTransaction> RecurringRepository::findPendingSync() const
{
    QSqlQuery query = Sql::prepare(
        m_database->connection(),
        withColumns("SELECT %1 FROM recurring_transactions WHERE sync_status = 'pending'"));
    return fetchAll(query);
}

bool RecurringRepository::insert(const RecurringTransaction &r)
{
    warnIfBrokenDueDate("insert", r);
    QSqlQuery query = Sql::prepare(
        m_database->connection(),
        QStringLiteral("INSERT INTO recurring_transactions (id, account_id, payee, memo, amount, category_id, "
                       "frequency, start_date, end_date, next_due_date, auto_post, is_active, "
                       "transfer_dest_account_id, version, sync_status, server_id, created_at, updated_at, "
                       "lead_days) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        {text(r.id), text(r.accountId), text(r.payee), text(r.memo), r.amount, textOrNull(r.categoryId),
         frequencyToString(r.frequency), text(dateToText(r.startDate)), endDateValue(r.endDate),
         text(dateToText(r.nextDueDate)), r.autoPost ? 1 : 0, r.isActive ? 1 : 0, text(r.transferDestAccountId),
         r.version, syncStatusToString(r.syncStatus), text(r.serverId), timestampToText(r.createdAt),
         timestampToText(r.updatedAt), r.leadDays});
    if (!Sql::exec(query, "RecurringRepository::insert"))
        return false;
    m_database->changes()->record(ChangeSet::Entity::Recurring, r.id);
    return true;
}

bool RecurringRepository::update(const RecurringTransaction &r)
{
    warnIfBrokenDueDate("update", r);
    QSqlQuery query = Sql::prepare(
        m_database->connection(),
        QStringLiteral("UPDATE recurring_transactions SET payee=?, memo=?, amount=?, category_id=?, frequency=?, "
                       "start_date=?, end_date=?, next_due_date=?, auto_post=?, is_active=?, "
                       "transfer_dest_account_id=?, version=?, sync_status=?, server_id=?, updated_at=?, "
                       "lead_days=? WHERE id=?"),
        {text(r.payee), text(r.memo), r.amount, textOrNull(r.categoryId), frequencyToString(r.frequency),
         text(dateToText(r.startDate)), endDateValue(r.endDate), text(dateToText(r.nextDueDate)), r.autoPost ? 1 : 0,
         r.isActive ? 1 : 0, text(r.transferDestAccountId), r.version, syncStatusToString(r.syncStatus),
         text(r.serverId), timestampToText(r.updatedAt), r.leadDays, r.id});
    if (!Sql::exec(query, "RecurringRepository::update"))
        return false;
    m_database->changes()->record(ChangeSet::Entity::Recurring, r.id);
    return true;
}

bool RecurringRepository::softDelete(const QString &id)
{
    const QString now = nowTimestamp();
    QSqlQuery query = Sql::prepare(
        m_database->connection(),
        QLatin1String("UPDATE recurring_transactions SET deleted_at = ?, ") + RowStamp::sqlAssignments()
            + QLatin1String(" WHERE id = ?"),
        {now, now, id});
    if (!Sql::exec(query))
        return false;
    m_database->changes()->record(ChangeSet::Entity::Recurring, id);
    return true;
}

int RecurringRepository::softDeleteByAccount(const QString &accountId)
{
    const QString now = nowTimestamp();
    QSqlQuery query = Sql::prepare(m_database->connection(),
                                   QLatin1String("UPDATE recurring_transactions SET deleted_at = ?, ")
                                       + RowStamp::sqlAssignments()
                                       + QLatin1String(" WHERE account_id = ? AND deleted_at IS NULL"),
                                   {now, now, accountId});
    return execCounted(query, "RecurringRepository::softDeleteByAccount");
}

int RecurringRepository::restoreByAccount(const QString &accountId, const QString &deletedSince)
{
    QSqlQuery query = Sql::prepare(m_database->connection(),
                                   QLatin1String("UPDATE recurring_transactions SET deleted_at = NULL, ")
                                       + RowStamp::sqlAssignments()
                                       + QLatin1String(" WHERE account_id = ? AND deleted_at >= ?"),
                                   {nowTimestamp(), accountId, deletedSince});
    return execCounted(query, "RecurringRepository::restoreByAccount");
}

int RecurringRepository::markAllPendingForResync()
{
    QSqlQuery query = Sql::prepare(m_database->connection(),
                                   QStringLiteral("UPDATE recurring_transactions SET sync_status = 'pending' "
                                                  "WHERE deleted_at IS NULL AND sync_status != 'pending'"));
    return execCounted(query, "RecurringRepository::markAllPendingForResync");
}

bool RecurringRepository::markSynced(const QString &id, const QString &serverId)
{
    QSqlQuery query = Sql::prepare(
        m_database->connection(),
        QStringLiteral("UPDATE recurring_transactions SET sync_status='synced', server_id=? WHERE id=?"),
        {serverId, id});
    return Sql::exec(query);
}

QList<RecurringTransaction> RecurringRepository::fetchAll(QSqlQuery &query) const
{
    QList<RecurringTransaction> result;
    if (!Sql::exec(query))
        return result;
    while (query.next())
        result.append(fromRow(query));
    return result;
}

RecurringTransaction RecurringRepository::fromRow(const QSqlQuery &query)
{
    RecurringTransaction r;
    r.id = query.value(0).toString();
    r.accountId = query.value(1).toString();
    r.payee = query.value(2).toString();
    r.memo = query.value(3).toString();
    r.amount = query.value(4).toLongLong();
    r.categoryId = query.value(5).toString();
    r.frequency = frequencyFromString(query.value(6).toString());
    r.startDate = dateFromText(query.value(7).toString());
    const QString endDate = query.value(8).toString();
    if (!endDate.isEmpty())
        r.endDate = dateFromText(endDate);
    r.nextDueDate = dateFromText(query.value(9).toString());
    r.autoPost = query.value(10).toBool();
    r.isActive = query.value(11).toBool();
    r.transferDestAccountId = query.value(12).toString();
    r.version = query.value(13).toInt();
    r.syncStatus = syncStatusFromString(query.value(14).toString());
    r.serverId = query.value(15).toString();
    r.createdAt = timestampFromText(query.value(16).toString());
    r.updatedAt = timestampFromText(query.value(17).toString());
    r.deletedAt = optionalTimestampFromText(query.value(18).toString());
    r.leadDays = query.value(19).toInt();
    return r;
}

int RecurringRepository::execCounted(QSqlQuery &query, const char *operation)
{
    if (!Sql::exec(query, operation))
        return -1;
    const int changed = query.numRowsAffected();
    if (changed > 0)
        m_database->changes()->record(ChangeSet::Entity::Recurring, QString());
    return qMax(0, changed);
}

QSqlDatabase RecurringRepository::connection() const
{
    return m_database->connection();
}
