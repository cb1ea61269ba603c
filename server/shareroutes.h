#pragma once

#include "servicecontext.h"

#include <QJsonObject>
#include <QString>

#include <optional>

struct AuthContext;
class ShareStore;
class SyncStore;

// Sharing an account through the sync API: GET /accounts/{id}/members
// (owner first), POST /accounts/{id}/share and DELETE
// /accounts/{id}/share/{user_id}. {id} is the account's id on the
// installations. Only the owner shares and unshares (403 for a member, 404
// for anyone else or an account never pushed); the owner's account row
// carries "is_shared" as a change of its own, so their installations see it.
class ShareRoutes : public RouteGroup
{
public:
    explicit ShareRoutes(ServiceContext &context);
    void install(httplib::Server &server) override;

private:
    struct Resolved
    {
        QString ownerId;
        bool callerIsOwner = false;
        QString accountCreatedAt;
        bool deleted = false;
    };

    // The account as the caller sees it; answers 400/404 itself and returns nothing.
    std::optional<Resolved> resolve(SyncStore &store, ShareStore &shares, const QString &accountId, const AuthContext &caller,
                                    httplib::Response &response);
    void members(const httplib::Request &request, httplib::Response &response, const AuthContext &caller);
    void share(const httplib::Request &request, httplib::Response &response, const AuthContext &caller);
    void unshare(const httplib::Request &request, httplib::Response &response, const AuthContext &caller);
    QJsonObject memberJson(const QString &userId, const QString &role, const QString &createdAt);

    ServiceContext &m_context;
};
