#include "syncclient.h"

#include <QJsonDocument>
#include <QUrl>

SyncClient::SyncClient(SyncServers &servers, const SyncTestUser &user)
    : m_servers(servers)
    , m_user(user)
{
}

ApiTestClient SyncClient::client()
{
    ApiTestClient client(m_servers.nextPort());
    client.setBearer(m_user.accessToken);
    return client;
}

ApiTestClient::Reply SyncClient::push(const QJsonArray &changes)
{
    return client().post(QStringLiteral("/quillby/v1/sync/push"), {{QStringLiteral("changes"), changes}});
}

ApiTestClient::Reply SyncClient::pull(const QString &cursor, int limit)
{
    QString path = QStringLiteral("/quillby/v1/sync/pull?limit=%1").arg(limit);
    if (!cursor.isEmpty())
        path += QStringLiteral("&cursor=") + QString::fromLatin1(QUrl::toPercentEncoding(cursor));
    return client().get(path);
}

ApiTestClient::Reply SyncClient::get(const QString &path)
{
    return client().get(path);
}

ApiTestClient::Reply SyncClient::post(const QString &path, const QJsonObject &body)
{
    return client().post(path, body);
}

ApiTestClient::Reply SyncClient::del(const QString &path)
{
    return client().del(path);
}

ApiTestClient::Reply SyncClient::send(const QByteArray &method, const QString &path, const QByteArray &body)
{
    return client().send(method, path, body);
}

bool SyncClient::pullInto(SyncReplica &replica, int limit)
{
    for (int page = 0; page < 1000; ++page) {
        const auto reply = pull(replica.cursor(), limit);
        if (reply.status != 200)
            return false;
        replica.apply(reply.json);
        const bool more = reply.json.value(QStringLiteral("has_more")).toBool();
        if (more && reply.json.value(QStringLiteral("cursor")).toString().isEmpty())
            return false;
        if (!more)
            return true;
    }
    return false;
}

QJsonObject SyncClient::resultFor(const ApiTestClient::Reply &reply, const QString &entityId)
{
    QJsonObject found;
    for (const QJsonValue &value : reply.json.value(QStringLiteral("results")).toArray()) {
        if (value.toObject().value(QStringLiteral("entity_id")).toString() == entityId)
            found = value.toObject();
    }
    return found;
}
