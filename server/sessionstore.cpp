#include "sessionstore.h"

#include "storage.h"
#include "syncsql.h"
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
    // Every authenticated request asks this, so the statements are kept
    // prepared on the thread's connection rather than prepared each time.
    const qint64 now = Storage::now();
    SyncSql &sql = SyncSql::forRequest(m_storage.connection());
    QSqlQuery *query = sql.exec(QStringLiteral("SELECT s.last_active_at FROM sessions s JOIN users u ON u.id = s.user_id "
                                               "WHERE s.id = ? AND s.user_id = ? AND s.revoked_at IS NULL AND s.expires_at > ? AND u.status <> 'deleted'"),
                                {sessionId, userId, now});
    if (!query)
        return false;
    if (!query->next()) {
        query->finish();
        return false;
    }
    const qint64 lastActive = query->value(0).toLongLong();
    query->finish();
    if (now - lastActive >= 60)
        sql.exec(QStringLiteral("UPDATE sessions SET last_active_at = ? WHERE id = ?"), {now, sessionId});
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

SessionStore::RefreshOutcome SessionStore::rotate(const QString &refreshToken, TokenPair &tokens)
{
    const QString presentedHash = TokenService::hashToken(refreshToken);
    const qint64 now = Storage::now();
    QSqlDatabase db = m_storage.connection();
    WriteTransaction transaction(m_storage, db);
    QSqlQuery query(db);
    if (!transaction.isOpen()
        || !Storage::run(query,
                         QStringLiteral("SELECT s.id, s.user_id, s.expires_at, CASE WHEN s.revoked_at IS NULL THEN 1 ELSE 0 END, u.status FROM sessions s "
                                        "JOIN users u ON u.id = s.user_id WHERE s.refresh_hash = ?"),
                         {presentedHash}))
        return RefreshOutcome::Unavailable;
    if (!query.next()) {
        query.finish();
        if (!Storage::run(query, QStringLiteral("SELECT session_id FROM retired_refresh_tokens WHERE token_hash = ?"), {presentedHash}))
            return RefreshOutcome::Unavailable;
        if (!query.next())
            return RefreshOutcome::Refused;
        const QString sessionId = query.value(0).toString();
        query.finish();
        if (!revokeWithin(query, sessionId, now) || !transaction.commit())
            return RefreshOutcome::Unavailable;
        return RefreshOutcome::Reused;
    }
    const QString sessionId = query.value(0).toString();
    const QString userId = query.value(1).toString();
    const bool live = query.value(3).toInt() == 1 && query.value(2).toLongLong() > now && query.value(4).toString() != QLatin1String("deleted");
    query.finish();
    if (!live)
        return RefreshOutcome::Refused;
    const QString fresh = TokenService::newOpaqueToken();
    // The hash in the WHERE decides a race: on PostgreSQL two requests may
    // both have read the row above, and only the first UPDATE still finds
    // the old hash.
    if (!Storage::run(query,
                      QStringLiteral("UPDATE sessions SET refresh_hash = ?, last_active_at = ?, expires_at = ? "
                                     "WHERE id = ? AND refresh_hash = ? AND revoked_at IS NULL"),
                      {TokenService::hashToken(fresh), now, now + RefreshLifetimeSeconds, sessionId, presentedHash}))
        return RefreshOutcome::Unavailable;
    if (query.numRowsAffected() != 1) {
        if (!revokeWithin(query, sessionId, now) || !transaction.commit())
            return RefreshOutcome::Unavailable;
        return RefreshOutcome::Reused;
    }
    if (!Storage::run(query, QStringLiteral("INSERT INTO retired_refresh_tokens (token_hash, session_id, retired_at) VALUES (?, ?, ?)"),
                      {presentedHash, sessionId, now}))
        return RefreshOutcome::Unavailable;
    const AccessClaims claims = claimsFor(userId, sessionId);
    if (!transaction.commit())
        return RefreshOutcome::Unavailable;
    tokens = TokenPair{m_tokens.issueAccessToken(claims), fresh};
    return RefreshOutcome::Rotated;
}

bool SessionStore::revokeWithin(QSqlQuery &query, const QString &sessionId, qint64 now)
{
    return Storage::run(query, QStringLiteral("UPDATE sessions SET revoked_at = ? WHERE id = ? AND revoked_at IS NULL"), {now, sessionId});
}

std::optional<bool> SessionStore::revoke(const QString &sessionId, const QString &userId)
{
    QSqlQuery query(m_storage.connection());
    if (!Storage::run(query,
                      QStringLiteral("UPDATE sessions SET revoked_at = ? WHERE id = ? AND user_id = ? AND revoked_at IS NULL AND expires_at > ?"),
                      {Storage::now(), sessionId, userId, Storage::now()}))
        return std::nullopt;
    return query.numRowsAffected() == 1;
}

bool SessionStore::revokeOthers(const QString &userId, const QString &keptSessionId)
{
    QSqlQuery query(m_storage.connection());
    return Storage::run(query, QStringLiteral("UPDATE sessions SET revoked_at = ? WHERE user_id = ? AND id <> ? AND revoked_at IS NULL"),
                        {Storage::now(), userId, keptSessionId});
}

std::optional<QList<SessionInfo>> SessionStore::liveSessions(const QString &userId)
{
    QSqlQuery query(m_storage.connection());
    if (!Storage::run(query,
                      QStringLiteral("SELECT id, user_agent, ip_address, created_at, last_active_at FROM sessions "
                                     "WHERE user_id = ? AND revoked_at IS NULL AND expires_at > ? ORDER BY last_active_at DESC, created_at DESC, id"),
                      {userId, Storage::now()}))
        return std::nullopt;
    QList<SessionInfo> sessions;
    while (query.next())
        sessions.append({query.value(0).toString(), query.value(1).toString(), query.value(2).toString(), query.value(3).toLongLong(),
                         query.value(4).toLongLong()});
    return sessions;
}
