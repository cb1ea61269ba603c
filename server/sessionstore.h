#pragma once

#include "tokenservice.h"

#include <QString>

#include <optional>

class Storage;

struct TokenPair
{
    QString accessToken;
    QString refreshToken;
};

// Sign-in sessions: each holds the hash of its current refresh token. An
// access token is accepted only while its session is live.
class SessionStore
{
public:
    static constexpr qint64 RefreshLifetimeSeconds = 30 * 24 * 3600;

    SessionStore(Storage &storage, const TokenService &tokens);

    // Starts a session for a signed-in user and issues its first pair.
    std::optional<TokenPair> start(const QString &userId, const QString &userAgent, const QString &ipAddress);

    // True while the session exists, belongs to the user, is neither revoked
    // nor expired, and the user is not deleted. Notes the activity (at most
    // once a minute, so reads stay reads).
    bool isLive(const QString &sessionId, const QString &userId);

    // The claims a new access token for this session carries now: the
    // user's family group and role are read afresh.
    AccessClaims claimsFor(const QString &userId, const QString &sessionId);

private:
    Storage &m_storage;
    const TokenService &m_tokens;
};
