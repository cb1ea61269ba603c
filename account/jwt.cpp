#include "jwt.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace OrlAccount {

namespace {

QJsonObject payloadOf(const QString &token)
{
    const QStringList pieces = token.split(QLatin1Char('.'));
    if (pieces.size() < 2)
        return {};
    const QByteArray json = QByteArray::fromBase64(pieces.at(1).toLatin1(), QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
    const QJsonDocument document = QJsonDocument::fromJson(json);
    return document.isObject() ? document.object() : QJsonObject();
}

} // namespace

qint64 jwtExpiry(const QString &token)
{
    const QJsonValue exp = payloadOf(token).value(QStringLiteral("exp"));
    return exp.isDouble() ? qint64(exp.toDouble()) : 0;
}

QString jwtSubject(const QString &token)
{
    return payloadOf(token).value(QStringLiteral("sub")).toString();
}

OrlClaims parseClaims(const QString &token)
{
    const QJsonObject orl = payloadOf(token).value(QStringLiteral("custom")).toObject().value(QStringLiteral("orl")).toObject();
    OrlClaims claims;
    if (!orl.isEmpty()) {
        claims.group_id = orl.value(QStringLiteral("group_id")).toString();
        claims.role = orl.value(QStringLiteral("role")).toString();
    }
    return claims;
}

} // namespace OrlAccount
