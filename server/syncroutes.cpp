#include "syncroutes.h"

#include "httpjson.h"
#include "pullcursor.h"
#include "pullpagebuilder.h"
#include "responsecompression.h"
#include "serverlog.h"
#include "sharestore.h"
#include "syncpush.h"
#include "syncstore.h"
#include "writetransaction.h"

#include <QJsonArray>

#include <httplib.h>

SyncRoutes::SyncRoutes(ServiceContext &context)
    : m_context(context)
{
}

void SyncRoutes::install(httplib::Server &server)
{
    server.Post("/quillby/v1/sync/push", m_context.auth.guard([this](const httplib::Request &request, httplib::Response &response, const AuthContext &caller) {
        push(request, response, caller);
    }));
    server.Get("/quillby/v1/sync/pull", m_context.auth.guard([this](const httplib::Request &request, httplib::Response &response, const AuthContext &caller) {
        pull(request, response, caller);
    }));
}

void SyncRoutes::push(const httplib::Request &request, httplib::Response &response, const AuthContext &caller)
{
    const auto body = HttpJson::readObject(request, response);
    if (!body)
        return;
    const QJsonValue changesValue = body->value(QLatin1String("changes"));
    if (!changesValue.isArray()) {
        HttpJson::sendError(response, 400, QStringLiteral("\"changes\" must be an array."));
        return;
    }
    const QJsonArray changes = changesValue.toArray();
    if (changes.size() > MaxChanges) {
        HttpJson::sendError(response, 400, QStringLiteral("At most %1 changes fit in one push.").arg(MaxChanges));
        return;
    }

    Storage &storage = m_context.storage;
    QSqlDatabase db = storage.connection();
    WriteTransaction transaction(storage, db);
    if (!transaction.isOpen()) {
        HttpJson::sendError(response, 503, QStringLiteral("The server is busy. Please try again."));
        return;
    }
    SyncStore store(storage, db);
    ShareStore shares(store.sql());
    SyncPush push(storage, store, shares, caller.userId);
    QJsonArray results;
    int rejected = 0;
    const bool begun = push.begin();
    if (begun) {
        for (const QJsonValue &change : changes) {
            const QJsonObject result = push.apply(change);
            if (push.failed())
                break;
            if (result.value(QLatin1String("status")).toString() != QLatin1String("ok"))
                ++rejected;
            results.append(result);
        }
    }
    // Nothing of a push is kept unless all of it is.
    if (!begun || push.failed() || !store.storeSequences() || !store.touchDevice(caller.sessionId, Storage::now()) || !transaction.commit()) {
        ServerLog::error(QStringLiteral("sync_push_failed"), {{QStringLiteral("user"), caller.userId}});
        HttpJson::sendError(response, 500, QStringLiteral("The changes could not be stored. Please try again."));
        return;
    }
    ServerLog::info(QStringLiteral("sync_push"),
                    {{QStringLiteral("user"), caller.userId}, {QStringLiteral("changes"), int(changes.size())}, {QStringLiteral("rejected"), rejected}});
    HttpJson::send(response, 200, {{QStringLiteral("results"), results}});
}

void SyncRoutes::pull(const httplib::Request &request, httplib::Response &response, const AuthContext &caller)
{
    int limit = DefaultLimit;
    if (request.has_param("limit")) {
        bool ok = false;
        limit = QString::fromStdString(request.get_param_value("limit")).toInt(&ok);
        if (!ok || limit < 1 || limit > MaxLimit) {
            HttpJson::sendError(response, 400, QStringLiteral("\"limit\" must be a number from 1 to %1.").arg(MaxLimit));
            return;
        }
    }
    const auto cursor = PullCursor::decode(QString::fromStdString(request.get_param_value("cursor")), caller.userId);
    if (!cursor) {
        HttpJson::sendError(response, 400, QStringLiteral("The cursor is not valid."));
        return;
    }
    Storage &storage = m_context.storage;
    SyncStore store(storage, storage.connection());
    ShareStore shares(store.sql());
    PullPageBuilder builder(store, shares, caller.userId);
    const auto page = builder.build(*cursor, limit);
    if (!page || !store.touchDevice(caller.sessionId, Storage::now())) {
        ServerLog::error(QStringLiteral("sync_pull_failed"), {{QStringLiteral("user"), caller.userId}});
        HttpJson::sendError(response, 500, QStringLiteral("The changes could not be read. Please try again."));
        return;
    }
    response.status = 200;
    ResponseCompression::setJson(request, response, *page);
}
