#pragma once

#include "apitestclient.h"
#include "syncreplica.h"
#include "syncservers.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

// One installation of a signed-in user talking to the sync API, each
// request to the next server process in turn.
class SyncClient
{
public:
    SyncClient(SyncServers &servers, const SyncTestUser &user);

    ApiTestClient::Reply push(const QJsonArray &changes);
    ApiTestClient::Reply pull(const QString &cursor = {}, int limit = 200);
    ApiTestClient::Reply get(const QString &path);
    ApiTestClient::Reply post(const QString &path, const QJsonObject &body);
    ApiTestClient::Reply del(const QString &path);
    ApiTestClient::Reply send(const QByteArray &method, const QString &path, const QByteArray &body);

    // Pulls page after page from the replica's cursor into it until
    // has_more is false; false when a page fails, or has_more comes with an
    // empty cursor, or after 1000 pages.
    bool pullInto(SyncReplica &replica, int limit = 200);

    // The results of an accepted push, by entity id (the last one wins).
    static QJsonObject resultFor(const ApiTestClient::Reply &reply, const QString &entityId);

    const SyncTestUser &user() const { return m_user; }

private:
    ApiTestClient client();

    SyncServers &m_servers;
    SyncTestUser m_user;
};
