#include "sessionstore.h"

#include "storage.h"
#include "writetransaction.h"

#include <QSqlQuery>
#include <QUuid>

SessionStore::SessionStore(Storage &storage, const TokenService &tokens)
    : m_storage(storage)
    , m_tokens(tokens)
{
}

std::optional<TokenPair> SessionStore::start(const QString &userId, const QString &userAgent, const QString &ipAddress)
{
    const QString sessionId = QUuid::createUuid().toString(QUuid::WithoutBraces);
    const QString refresh = TokenService::newOpaqueToken();
    const qint64 now = Storage::now();
    QSqlDatabase db = m_storage.connection();
    WriteTransaction transaction(m_storage, db);
    QSqlQuery query(db);
    if (!transaction.isOpen()
        || !Storage::run(query,
                         QStringLiteral("INSERT INTO sessions (id, user_id, refresh_hash, user_agent, ip_address, created_at, last_active_at, expires_at) "
                                        "VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                         {sessionId, userId, TokenService::hashToken(refresh), userAgent.left(300), ipAddress.left(64), now, now,
                          now + RefreshLifetimeSeconds})
        // Signing in again cancels a scheduled deletion of the account.
        || !Storage::run(query, QStringLiteral("UPDATE users SET deletion_scheduled_at = NULL, status = 'active' WHERE id = ? AND status = 'deletion_scheduled'"),
                         {userId}))
        return std::nullopt;
    const AccessClaims claims = claimsFor(userId, sessionId);
    if (!transaction.commit())
        return std::nullopt;
    return TokenPair{m_tokens.issueAccessToken(claims), refresh};
}

bool SessionStore::isLive(const QString &sessionId, const QString &userId)
{
    const qint64 now = Storage::now();
    QSqlDatabase db = m_storage.connection();
    QSqlQuery query(db);
    if (!Storage::run(query,
                      QStringLiteral("SELECT s.last_active_at FROM sessions s JOIN users u ON u.id = s.user_id "
                                     "WHERE s.id = ? AND s.user_id = ? AND s.revoked_at IS NULL AND s.expires_at > ? AND u.status <> 'deleted'"),
                      {sessionId, userId, now})
        || !query.next())
        return false;
    const qint64 lastActive = query.value(0).toLongLong();
    query.finish();
    if (now - lastActive >= 60)
        Storage::run(query, QStringLiteral("UPDATE sessions SET last_active_at = ? WHERE id = ?"), {now, sessionId});
    return true;
}

AccessClaims SessionStore::claimsFor(const QString &userId, const QString &sessionId)
{
    AccessClaims claims;
    claims.userId = userId;
    claims.sessionId = sessionId;
    claims.issuedAt = Storage::now();
    claims.expiresAt = claims.issuedAt + TokenService::AccessLifetimeSeconds;
    QSqlQuery query(m_storage.connection());
    if (Storage::run(query, QStringLiteral("SELECT group_id, role FROM group_members WHERE user_id = ?"), {userId}) && query.next()) {
        claims.groupId = query.value(0).toString();
        claims.role = query.value(1).toString();
    }
    return claims;
}
