#include "tokenservice.h"

#include "secretstore.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <sodium.h>

namespace {

const auto Base64Url = QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals;

QByteArray base64Url(const QByteArray &bytes)
{
    return bytes.toBase64(Base64Url);
}

std::optional<QByteArray> fromBase64Url(const QByteArray &text)
{
    auto decoded = QByteArray::fromBase64Encoding(text, QByteArray::Base64UrlEncoding | QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        return std::nullopt;
    return *decoded;
}

bool sameBytes(const QByteArray &a, const QByteArray &b)
{
    return a.size() == b.size() && sodium_memcmp(a.constData(), b.constData(), size_t(a.size())) == 0;
}

} // namespace

TokenService::TokenService(QByteArray secret)
    : m_secret(std::move(secret))
{
}

QByteArray TokenService::sign(const QByteArray &message) const
{
    QByteArray mac(crypto_auth_hmacsha256_BYTES, Qt::Uninitialized);
    crypto_auth_hmacsha256_state state;
    crypto_auth_hmacsha256_init(&state, reinterpret_cast<const unsigned char *>(m_secret.constData()), size_t(m_secret.size()));
    crypto_auth_hmacsha256_update(&state, reinterpret_cast<const unsigned char *>(message.constData()), quint64(message.size()));
    crypto_auth_hmacsha256_final(&state, reinterpret_cast<unsigned char *>(mac.data()));
    return mac;
}

QString TokenService::issueAccessToken(const AccessClaims &claims) const
{
    const QJsonObject header{{QStringLiteral("alg"), QStringLiteral("HS256")}, {QStringLiteral("typ"), QStringLiteral("JWT")}};
    const QJsonObject orl{{QStringLiteral("group_id"), claims.groupId}, {QStringLiteral("role"), claims.role}};
    const QJsonObject payload{
        {QStringLiteral("sub"), claims.userId},
        {QStringLiteral("sid"), claims.sessionId},
        {QStringLiteral("iat"), claims.issuedAt},
        {QStringLiteral("exp"), claims.expiresAt},
        {QStringLiteral("custom"), QJsonObject{{QStringLiteral("orl"), orl}}},
    };
    const QByteArray signingInput = base64Url(QJsonDocument(header).toJson(QJsonDocument::Compact)) + '.'
        + base64Url(QJsonDocument(payload).toJson(QJsonDocument::Compact));
    return QString::fromLatin1(signingInput + '.' + base64Url(sign(signingInput)));
}

std::optional<AccessClaims> TokenService::verifyAccessToken(const QString &token, qint64 now) const
{
    if (token.size() > 4096)
        return std::nullopt;
    const QByteArray raw = token.toLatin1();
    const QList<QByteArray> parts = raw.split('.');
    if (parts.size() != 3)
        return std::nullopt;
    const auto signature = fromBase64Url(parts.at(2));
    if (!signature || !sameBytes(*signature, sign(parts.at(0) + '.' + parts.at(1))))
        return std::nullopt;
    const auto headerBytes = fromBase64Url(parts.at(0));
    const auto payloadBytes = fromBase64Url(parts.at(1));
    if (!headerBytes || !payloadBytes)
        return std::nullopt;
    const QJsonObject header = QJsonDocument::fromJson(*headerBytes).object();
    if (header.value(QStringLiteral("alg")).toString() != QLatin1String("HS256"))
        return std::nullopt;
    const QJsonObject payload = QJsonDocument::fromJson(*payloadBytes).object();
    AccessClaims claims;
    claims.userId = payload.value(QStringLiteral("sub")).toString();
    claims.sessionId = payload.value(QStringLiteral("sid")).toString();
    claims.issuedAt = qint64(payload.value(QStringLiteral("iat")).toDouble());
    claims.expiresAt = qint64(payload.value(QStringLiteral("exp")).toDouble());
    const QJsonObject orl = payload.value(QStringLiteral("custom")).toObject().value(QStringLiteral("orl")).toObject();
    claims.groupId = orl.value(QStringLiteral("group_id")).toString();
    claims.role = orl.value(QStringLiteral("role")).toString();
    if (claims.userId.isEmpty() || claims.sessionId.isEmpty() || claims.expiresAt <= now)
        return std::nullopt;
    return claims;
}

QString TokenService::newOpaqueToken()
{
    return QString::fromLatin1(base64Url(SecretStore::randomBytes(32)));
}

QString TokenService::hashToken(const QString &token)
{
    const QByteArray bytes = token.toUtf8();
    QByteArray digest(crypto_hash_sha256_BYTES, Qt::Uninitialized);
    crypto_hash_sha256(reinterpret_cast<unsigned char *>(digest.data()), reinterpret_cast<const unsigned char *>(bytes.constData()), quint64(bytes.size()));
    return QString::fromLatin1(digest.toHex());
}

QString TokenService::issueFormToken(const QString &nonce, qint64 expiresAt) const
{
    const QByteArray body = QByteArray::number(expiresAt);
    const QByteArray mac = sign("form|" + nonce.toUtf8() + '|' + body);
    return QString::fromLatin1(body + '.' + base64Url(mac));
}

bool TokenService::verifyFormToken(const QString &token, const QString &nonce, qint64 now) const
{
    if (nonce.isEmpty() || token.size() > 200)
        return false;
    const QList<QByteArray> parts = token.toLatin1().split('.');
    if (parts.size() != 2)
        return false;
    bool ok = false;
    const qint64 expiresAt = parts.at(0).toLongLong(&ok);
    if (!ok || expiresAt <= now)
        return false;
    const auto mac = fromBase64Url(parts.at(1));
    return mac && sameBytes(*mac, sign("form|" + nonce.toUtf8() + '|' + parts.at(0)));
}
