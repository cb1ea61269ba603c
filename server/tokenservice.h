#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// What an access token says about its bearer.
struct AccessClaims
{
    QString userId;
    QString sessionId;
    QString groupId;
    QString role;
    qint64 issuedAt = 0;
    qint64 expiresAt = 0;
};

// Issues and checks the server's tokens: access tokens are JWTs signed with
// HMAC-SHA-256 by the server secret; refresh tokens and CSRF tokens are
// random, and only their hashes are stored.
class TokenService
{
public:
    static constexpr qint64 AccessLifetimeSeconds = 15 * 60;

    explicit TokenService(QByteArray secret);

    QString issueAccessToken(const AccessClaims &claims) const;
    // The claims of a well-formed, correctly signed, unexpired token.
    std::optional<AccessClaims> verifyAccessToken(const QString &token, qint64 now) const;

    // 256 random bits, URL-safe text.
    static QString newOpaqueToken();
    // Hex SHA-256 of a token, as stored.
    static QString hashToken(const QString &token);

    // A form token bound to `nonce` (kept in a cookie) and valid until `expiresAt`.
    QString issueFormToken(const QString &nonce, qint64 expiresAt) const;
    bool verifyFormToken(const QString &token, const QString &nonce, qint64 now) const;

    QByteArray sign(const QByteArray &message) const;

private:
    QByteArray m_secret;
};
