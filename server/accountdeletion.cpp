#include "accountdeletion.h"

#include "storage.h"
#include "writetransaction.h"

#include <QSqlQuery>

AccountDeletion::AccountDeletion(Storage &storage)
    : m_storage(storage)
{
}

StoreOutcome AccountDeletion::schedule(const QString &userId, qint64 &dueAt)
{
    const qint64 now = Storage::now();
    QSqlDatabase db = m_storage.connection();
    WriteTransaction transaction(m_storage, db);
    QSqlQuery query(db);
    // User first, then group: the order the group changes lock in.
    if (!transaction.isOpen() || !Storage::run(query, QStringLiteral("SELECT id FROM users WHERE id = ?") + m_storage.forUpdate(), {userId}))
        return StoreOutcome::unavailable();
    if (!query.next())
        return StoreOutcome::refused(StoreOutcome::Kind::NotFound, QStringLiteral("This account does not exist any more."));
    query.finish();
    if (!Storage::run(query, QStringLiteral("SELECT group_id FROM group_members WHERE user_id = ? AND role = 'owner'"), {userId}))
        return StoreOutcome::unavailable();
    if (query.next()) {
        const QString groupId = query.value(0).toString();
        query.finish();
        if (!Storage::run(query, QStringLiteral("SELECT id FROM family_groups WHERE id = ?") + m_storage.forUpdate(), {groupId})
            || !Storage::run(query, QStringLiteral("SELECT COUNT(*) FROM group_members WHERE group_id = ? AND user_id <> ?"), {groupId, userId})
            || !query.next())
            return StoreOutcome::unavailable();
        if (query.value(0).toInt() > 0)
            return StoreOutcome::refused(StoreOutcome::Kind::Conflict,
                                         QStringLiteral("You own a group with other members. Remove them before deleting your account."));
        query.finish();
        if (!Storage::run(query, QStringLiteral("DELETE FROM family_groups WHERE id = ?"), {groupId}))
            return StoreOutcome::unavailable();
    } else {
        query.finish();
    }
    dueAt = now + GraceSeconds;
    if (!Storage::run(query, QStringLiteral("UPDATE users SET status = 'deletion_scheduled', deletion_scheduled_at = ? WHERE id = ?"), {dueAt, userId})
        || !Storage::run(query, QStringLiteral("UPDATE sessions SET revoked_at = ? WHERE user_id = ? AND revoked_at IS NULL"), {now, userId})
        || !transaction.commit())
        return StoreOutcome::unavailable();
    return StoreOutcome::done();
}

int AccountDeletion::purgeDue(qint64 now)
{
    // Sessions, devices, memberships, owned groups and synced rows go with
    // the user through their ON DELETE CASCADE references.
    QSqlQuery query(m_storage.connection());
    if (!Storage::run(query,
                      QStringLiteral("DELETE FROM users WHERE status = 'deletion_scheduled' AND deletion_scheduled_at IS NOT NULL "
                                     "AND deletion_scheduled_at <= ?"),
                      {now}))
        return -1;
    return query.numRowsAffected();
}
