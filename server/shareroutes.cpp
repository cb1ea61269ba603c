#include "shareroutes.h"

#include "httpjson.h"
#include "serverlog.h"
#include "sharestore.h"
#include "syncstore.h"
#include "writetransaction.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <httplib.h>

namespace {

const QString MemberRole = QStringLiteral("member");

} // namespace

ShareRoutes::ShareRoutes(ServiceContext &context)
    : m_context(context)
{
}

void ShareRoutes::install(httplib::Server &server)
{
    const auto route = [this](void (ShareRoutes::*handler)(const httplib::Request &, httplib::Response &, const AuthContext &)) {
        return m_context.auth.guard([this, handler](const httplib::Request &request, httplib::Response &response, const AuthContext &caller) {
            (this->*handler)(request, response, caller);
        });
    };
    server.Get(R"(/quillby/v1/accounts/([^/]+)/members)", route(&ShareRoutes::members));
    server.Post(R"(/quillby/v1/accounts/([^/]+)/share)", route(&ShareRoutes::share));
    server.Delete(R"(/quillby/v1/accounts/([^/]+)/share/([^/]+))", route(&ShareRoutes::unshare));
}

std::optional<ShareRoutes::Resolved> ShareRoutes::resolve(SyncStore &store, ShareStore &shares, const QString &accountId, const AuthContext &caller,
                                                          httplib::Response &response)
{
    if (!HttpJson::isValidId(accountId)) {
        HttpJson::sendError(response, 400, QStringLiteral("That is not an account id."));
        return std::nullopt;
    }
    Resolved resolved;
    if (const auto own = store.find(caller.userId, SyncEntity::Account, accountId)) {
        resolved.ownerId = caller.userId;
        resolved.callerIsOwner = true;
        resolved.deleted = own->deleted;
        resolved.accountCreatedAt = QJsonDocument::fromJson(own->payload).object().value(QLatin1String("created_at")).toString();
        return resolved;
    }
    for (const AccountShare &share : shares.sharesForMember(caller.userId)) {
        if (share.isLive() && share.accountId == accountId) {
            resolved.ownerId = share.ownerId;
            if (const auto row = store.find(share.ownerId, SyncEntity::Account, accountId))
                resolved.accountCreatedAt = QJsonDocument::fromJson(row->payload).object().value(QLatin1String("created_at")).toString();
            return resolved;
        }
    }
    if (store.failed())
        HttpJson::sendError(response, 500, QStringLiteral("The server failed."));
    else
        HttpJson::sendError(response, 404, QStringLiteral("This account is not known to the sync service."));
    return std::nullopt;
}

QJsonObject ShareRoutes::memberJson(const QString &userId, const QString &role, const QString &createdAt)
{
    const auto user = m_context.users.findById(userId);
    return {{QStringLiteral("user_id"), userId},
            {QStringLiteral("email"), user ? user->email : QString()},
            {QStringLiteral("display_name"), user ? user->displayName : QString()},
            {QStringLiteral("role"), role},
            {QStringLiteral("created_at"), createdAt}};
}

void ShareRoutes::members(const httplib::Request &request, httplib::Response &response, const AuthContext &caller)
{
    SyncStore store(m_context.storage, m_context.storage.connection());
    ShareStore shares(store.sql());
    const auto account = resolve(store, shares, HttpJson::pathParameter(request, 1), caller, response);
    if (!account)
        return;
    const QString accountId = HttpJson::pathParameter(request, 1);
    QJsonArray members{memberJson(account->ownerId, QStringLiteral("owner"), account->accountCreatedAt)};
    for (const AccountShare &share : shares.liveSharesOf(account->ownerId, accountId))
        members.append(memberJson(share.memberId, share.role, HttpJson::isoTime(share.createdAt)));
    if (store.failed()) {
        HttpJson::sendError(response, 500, QStringLiteral("The server failed."));
        return;
    }
    HttpJson::send(response, 200, {{QStringLiteral("members"), members}});
}

void ShareRoutes::share(const httplib::Request &request, httplib::Response &response, const AuthContext &caller)
{
    const auto body = HttpJson::readObject(request, response);
    if (!body)
        return;
    const QString accountId = HttpJson::pathParameter(request, 1);
    // The dialog sends the identifier as "user_id", and again as "email"
    // when it is an address.
    QString identifier = body->value(QLatin1String("user_id")).toString().trimmed();
    if (identifier.isEmpty())
        identifier = body->value(QLatin1String("email")).toString().trimmed();
    const QJsonValue roleValue = body->value(QLatin1String("role"));
    const QString role = roleValue.toString().isEmpty() ? MemberRole : roleValue.toString();
    if (identifier.isEmpty() || identifier.size() > 254) {
        HttpJson::sendError(response, 400, QStringLiteral("Say whom to share the account with: a user id or an e-mail address."));
        return;
    }
    if (role != MemberRole) {
        HttpJson::sendError(response, 400, QStringLiteral("Accounts are shared with the role \"member\" only."));
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
    const auto account = resolve(store, shares, accountId, caller, response);
    if (!account)
        return;
    if (!account->callerIsOwner) {
        HttpJson::sendError(response, 403, QStringLiteral("Only the account's owner can share it."));
        return;
    }
    if (account->deleted) {
        HttpJson::sendError(response, 404, QStringLiteral("This account was deleted."));
        return;
    }
    const auto member = identifier.contains(QLatin1Char('@')) ? m_context.users.findByEmail(UserStore::normalizedEmail(identifier))
                        : HttpJson::isValidId(identifier)     ? m_context.users.findById(identifier)
                                                              : std::nullopt;
    if (!member || member->status == QLatin1String("deleted")) {
        HttpJson::sendError(response, 404, QStringLiteral("No user has that id or e-mail address."));
        return;
    }
    if (member->id == caller.userId) {
        HttpJson::sendError(response, 400, QStringLiteral("You can't share an account with yourself."));
        return;
    }
    // Installations know rows by their ids alone: an account of the same id
    // the member has already would merge with this one on their devices.
    bool clash = store.find(member->id, SyncEntity::Account, accountId).has_value();
    for (const AccountShare &other : shares.sharesForMember(member->id))
        clash = clash || (other.isLive() && other.accountId == accountId && other.ownerId != caller.userId);
    if (clash) {
        HttpJson::sendError(response, 409, QStringLiteral("%1 already has an account with the same id, so it can't be shared with them.").arg(member->email));
        return;
    }

    const qint64 now = Storage::now();
    const auto shared = store.lockSequences({caller.userId}) ? shares.share(caller.userId, accountId, member->id, role, now) : std::nullopt;
    if (!shared || !store.markAccountShared(caller.userId, accountId, true, now) || !store.storeSequences() || !transaction.commit()) {
        HttpJson::sendError(response, 500, QStringLiteral("The account could not be shared. Please try again."));
        return;
    }
    ServerLog::info(QStringLiteral("account_shared"), {{QStringLiteral("owner"), caller.userId}, {QStringLiteral("member"), member->id}});
    HttpJson::send(response, 200, memberJson(member->id, shared->role, HttpJson::isoTime(shared->createdAt)));
}

void ShareRoutes::unshare(const httplib::Request &request, httplib::Response &response, const AuthContext &caller)
{
    const QString accountId = HttpJson::pathParameter(request, 1);
    const QString memberId = HttpJson::pathParameter(request, 2);
    if (!HttpJson::isValidId(memberId)) {
        HttpJson::sendError(response, 400, QStringLiteral("That is not a user id."));
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
    const auto account = resolve(store, shares, accountId, caller, response);
    if (!account)
        return;
    if (!account->callerIsOwner) {
        HttpJson::sendError(response, 403, QStringLiteral("Only the account's owner can stop sharing it."));
        return;
    }
    const auto existing = shares.find(caller.userId, accountId, memberId);
    if (!existing || !existing->isLive()) {
        HttpJson::sendError(response, store.failed() ? 500 : 404, QStringLiteral("The account is not shared with that user."));
        return;
    }
    const qint64 now = Storage::now();
    bool stored = store.lockSequences({caller.userId}) && shares.revoke(caller.userId, accountId, memberId, now);
    if (stored && shares.liveSharesOf(caller.userId, accountId).isEmpty())
        stored = store.markAccountShared(caller.userId, accountId, false, now);
    if (!stored || store.failed() || !store.storeSequences() || !transaction.commit()) {
        HttpJson::sendError(response, 500, QStringLiteral("The share could not be removed. Please try again."));
        return;
    }
    ServerLog::info(QStringLiteral("account_unshared"), {{QStringLiteral("owner"), caller.userId}, {QStringLiteral("member"), memberId}});
    HttpJson::send(response, 200, {});
}
