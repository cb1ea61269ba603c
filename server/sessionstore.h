#pragma once

#include "tokenservice.h"

#include <QList>
#include <QString>

#include <optional>

class QSqlQuery;
class Storage;

struct TokenPair
{
    QString accessToken;
    QString refreshToken;
};

// A live session as its user sees it in the list of sign-ins.
struct SessionInfo
{
    QString id;
    QString userAgent;
    QString ipAddress;
    qint64 createdAt = 0;
    qint64 lastActiveAt = 0;
};

// Sign-in sessions: each holds the hash of its current refresh token. An
// access token is accepted only while its session is live. Refresh tokens
// rotate on every use; the ones rotated away are remembered, and presenting
// one again ends the whole session, since only a copy can still hold it.
class SessionStore
{
public:
    static constexpr qint64 RefreshLifetimeSeconds = 30 * 24 * 3600;

    enum class RefreshOutcome {
        Rotated,    // a new pair was issued
        Refused,    // unknown token, or its session ended or expired
        Reused,     // a token already rotated away: its session is now revoked
        Unavailable // the database failed
    };

    SessionStore(Storage &storage, const TokenService &tokens);

    // Starts a session for a signed-in user and issues its first pair.
    std::optional<TokenPair> start(const QString &userId, const QString &userAgent, const QString &ipAddress);

    // True while the session exists, belongs to the user, is neither revoked
    // nor expired, and the user is not deleted. Notes the activity (at most
    // once a minute, so reads stay reads).
    bool isLive(const QString &sessionId, const QString &userId);

    // Trades a refresh token for a new pair (the session stays valid for
    // another lifetime from now). Of two requests racing with one token,
    // exactly one gets the pair; the other counts as a reuse.
    RefreshOutcome rotate(const QString &refreshToken, TokenPair &tokens);

    // Revokes one live session of the user: true when it did, false when the
    // user has no such live session, nothing when the database failed.
    std::optional<bool> revoke(const QString &sessionId, const QString &userId);
    // Revokes every live session of the user except `keptSessionId`; one
    // statement, so a caller's write transaction may include it.
    bool revokeOthers(const QString &userId, const QString &keptSessionId);

    // The user's live sessions, the most recently used first; nothing when
    // the database failed.
    std::optional<QList<SessionInfo>> liveSessions(const QString &userId);

    // The claims a new access token for this session carries now: the
    // user's family group and role are read afresh.
    AccessClaims claimsFor(const QString &userId, const QString &sessionId);

private:
    bool revokeWithin(QSqlQuery &query, const QString &sessionId, qint64 now);

    Storage &m_storage;
    const TokenService &m_tokens;
};
