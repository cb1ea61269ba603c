#include "pullcursor.h"

#include "httpjson.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {

QJsonObject toJson(const QMap<QString, qint64> &map)
{
    QJsonObject object;
    for (auto it = map.constBegin(); it != map.constEnd(); ++it)
        object.insert(it.key(), it.value());
    return object;
}

bool fromJson(const QJsonValue &value, QMap<QString, qint64> &map)
{
    if (value.isUndefined())
        return true;
    if (!value.isObject())
        return false;
    const QJsonObject object = value.toObject();
    for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
        const qint64 seq = it.value().toInteger(-1);
        if (!HttpJson::isValidId(it.key()) || seq < 0)
            return false;
        map.insert(it.key(), seq);
    }
    return true;
}

} // namespace

QString PullCursor::encode() const
{
    QJsonObject object{{QLatin1String("u"), userId}, {QLatin1String("o"), own}};
    if (!shared.isEmpty())
        object.insert(QLatin1String("s"), toJson(shared));
    if (!removals.isEmpty())
        object.insert(QLatin1String("r"), toJson(removals));
    return QString::fromLatin1(
        QJsonDocument(object).toJson(QJsonDocument::Compact).toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
}

std::optional<PullCursor> PullCursor::decode(const QString &text, const QString &userId)
{
    PullCursor cursor;
    cursor.userId = userId;
    if (text.isEmpty())
        return cursor;
    if (text.size() > MaxTextLength)
        return std::nullopt;
    const auto decoded = QByteArray::fromBase64Encoding(text.toLatin1(), QByteArray::Base64UrlEncoding | QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        return std::nullopt;
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(*decoded, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject object = document.object();
    if (!object.value(QLatin1String("u")).isString())
        return std::nullopt;
    const qint64 own = object.value(QLatin1String("o")).toInteger(-1);
    if (own < 0)
        return std::nullopt;
    PullCursor read;
    read.userId = object.value(QLatin1String("u")).toString();
    read.own = own;
    if (!fromJson(object.value(QLatin1String("s")), read.shared) || !fromJson(object.value(QLatin1String("r")), read.removals))
        return std::nullopt;
    if (read.userId != userId)
        return cursor;
    return read;
}
