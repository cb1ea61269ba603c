#include "sharestore.h"

#include "syncsql.h"

#include <QUuid>

ShareStore::ShareStore(SyncSql &sql)
    : m_sql(sql)
{
}

QList<AccountShare> ShareStore::read(const QString &where, const QVariantList &values)
{
    QList<AccountShare> shares;
    QSqlQuery *query = m_sql.exec(QStringLiteral("SELECT owner_id, account_id, member_id, role, stream_id, created_at, revoked_at, was_revoked "
                                                 "FROM account_shares WHERE ")
                                      + where + QStringLiteral(" ORDER BY created_at, stream_id"),
                                  values);
    while (query && query->next()) {
        AccountShare share;
        share.ownerId = query->value(0).toString();
        share.accountId = query->value(1).toString();
        share.memberId = query->value(2).toString();
        share.role = query->value(3).toString();
        share.streamId = query->value(4).toString();
        share.createdAt = query->value(5).toLongLong();
        share.revokedAt = query->value(6).isNull() ? 0 : query->value(6).toLongLong();
        share.wasRevoked = query->value(7).toInt() != 0;
        shares.append(share);
    }
    if (query)
        query->finish();
    return shares;
}

QList<AccountShare> ShareStore::sharesForMember(const QString &memberId)
{
    return read(QStringLiteral("member_id = ?"), {memberId});
}

QList<AccountShare> ShareStore::liveSharesOf(const QString &ownerId, const QString &accountId)
{
    return read(QStringLiteral("owner_id = ? AND account_id = ? AND revoked_at IS NULL"), {ownerId, accountId});
}

std::optional<AccountShare> ShareStore::find(const QString &ownerId, const QString &accountId, const QString &memberId)
{
    const QList<AccountShare> shares = read(QStringLiteral("owner_id = ? AND account_id = ? AND member_id = ?"), {ownerId, accountId, memberId});
    if (shares.isEmpty())
        return std::nullopt;
    return shares.first();
}

std::optional<AccountShare> ShareStore::share(const QString &ownerId, const QString &accountId, const QString &memberId, const QString &role, qint64 now)
{
    const auto existing = find(ownerId, accountId, memberId);
    if (existing && existing->isLive())
        return existing;
    if (m_sql.failed())
        return std::nullopt;
    const QString streamId = QUuid::createUuid().toString(QUuid::WithoutBraces);
    const bool stored = existing
        ? m_sql.exec(QStringLiteral("UPDATE account_shares SET role = ?, stream_id = ?, created_at = ?, revoked_at = NULL, was_revoked = 1 "
                                    "WHERE owner_id = ? AND account_id = ? AND member_id = ?"),
                     {role, streamId, now, ownerId, accountId, memberId})
        : m_sql.exec(QStringLiteral("INSERT INTO account_shares (owner_id, account_id, member_id, role, stream_id, created_at) VALUES (?, ?, ?, ?, ?, ?)"),
                     {ownerId, accountId, memberId, role, streamId, now});
    if (!stored)
        return std::nullopt;
    return find(ownerId, accountId, memberId);
}

bool ShareStore::revoke(const QString &ownerId, const QString &accountId, const QString &memberId, qint64 now)
{
    return m_sql.exec(QStringLiteral("UPDATE account_shares SET revoked_at = ? WHERE owner_id = ? AND account_id = ? AND member_id = ? AND revoked_at IS NULL"),
                      {now, ownerId, accountId, memberId});
}
