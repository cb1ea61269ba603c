#include "accountroutes.h"

#include "httpjson.h"
#include "serverlog.h"

#include <QJsonArray>

#include <httplib.h>

namespace {

void sendOutcome(httplib::Response &response, const StoreOutcome &outcome, const QJsonObject &body = {})
{
    if (outcome.ok())
        HttpJson::send(response, 200, body);
    else
        HttpJson::sendError(response, outcome.httpStatus(), outcome.message);
}

void sendUnavailable(httplib::Response &response)
{
    HttpJson::sendError(response, 503, StoreOutcome::unavailable().message);
}

// The id captured by the route, or 400 already sent.
bool readPathId(const httplib::Request &request, httplib::Response &response, QString &id)
{
    id = HttpJson::pathParameter(request, 1);
    if (!HttpJson::isValidId(id)) {
        HttpJson::sendError(response, 400, QStringLiteral("The id in the address is not valid."));
        return false;
    }
    return true;
}

} // namespace

AccountRoutes::AccountRoutes(ServiceContext &context)
    : m_context(context)
    , m_groups(context.storage)
    , m_devices(context.storage)
    , m_deletion(context.storage)
{
}

void AccountRoutes::install(httplib::Server &server)
{
    using Method = void (AccountRoutes::*)(const httplib::Request &, httplib::Response &, const AuthContext &);
    auto guarded = [this](Method method) {
        return m_context.auth.guard([this, method](const httplib::Request &request, httplib::Response &response, const AuthContext &caller) {
            (this->*method)(request, response, caller);
        });
    };
    const std::string base = BasePath;
    // Id routes capture everything after their prefix, so that an id with a
    // "/" (or an encoded one) is answered 400 like any other malformed id.
    server.Get(base + "/profile", guarded(&AccountRoutes::getProfile));
    server.Delete(base + "/profile", guarded(&AccountRoutes::deleteProfile));
    server.Get(base + "/group", guarded(&AccountRoutes::getGroup));
    server.Post(base + "/group/invite", guarded(&AccountRoutes::invite));
    server.Post(base + "/group/join/(.*)", guarded(&AccountRoutes::join));
    server.Post(base + "/group/leave", guarded(&AccountRoutes::leave));
    server.Delete(base + "/group/members/(.*)", guarded(&AccountRoutes::removeMember));
    server.Delete(base + "/group/invitations/(.*)", guarded(&AccountRoutes::revokeInvitation));
    server.Post(base + "/devices/register", guarded(&AccountRoutes::registerDevice));
    server.Get(base + "/devices", guarded(&AccountRoutes::listDevices));
    server.Delete(base + "/devices/(.*)", guarded(&AccountRoutes::removeDevice));
}

void AccountRoutes::getProfile(const httplib::Request &, httplib::Response &response, const AuthContext &caller)
{
    const auto user = m_context.users.findById(caller.userId);
    if (!user) {
        HttpJson::sendError(response, 404, QStringLiteral("This account does not exist any more."));
        return;
    }
    const auto membership = m_groups.membershipOf(caller.userId);
    if (!membership) {
        sendUnavailable(response);
        return;
    }
    QJsonObject profile{
        {QStringLiteral("id"), user->id},
        {QStringLiteral("email"), user->email},
        {QStringLiteral("display_name"), user->displayName},
        {QStringLiteral("avatar_url"), user->avatarUrl},
        {QStringLiteral("language"), user->language},
        {QStringLiteral("timezone"), user->timezone},
        {QStringLiteral("status"), user->status},
        {QStringLiteral("created_at"), HttpJson::isoTime(user->createdAt)},
    };
    if (!membership->groupId.isEmpty())
        profile.insert(QStringLiteral("group"), membership->toJson());
    HttpJson::send(response, 200, profile);
}

void AccountRoutes::deleteProfile(const httplib::Request &, httplib::Response &response, const AuthContext &caller)
{
    qint64 dueAt = 0;
    const StoreOutcome outcome = m_deletion.schedule(caller.userId, dueAt);
    if (outcome.ok())
        ServerLog::info(QStringLiteral("account_deletion_scheduled"), {{QStringLiteral("user"), caller.userId}});
    sendOutcome(response, outcome,
                {{QStringLiteral("status"), QStringLiteral("deletion_scheduled")}, {QStringLiteral("deletion_scheduled_at"), HttpJson::isoTime(dueAt)}});
}

void AccountRoutes::getGroup(const httplib::Request &, httplib::Response &response, const AuthContext &caller)
{
    // No group answers 200 with an empty id: being in no group is no error.
    const auto group = m_groups.groupOf(caller.userId);
    if (!group) {
        sendUnavailable(response);
        return;
    }
    HttpJson::send(response, 200, group->toJson());
}

void AccountRoutes::invite(const httplib::Request &request, httplib::Response &response, const AuthContext &caller)
{
    const auto body = HttpJson::readObject(request, response);
    if (!body)
        return;
    QString email;
    if (body->contains(QStringLiteral("email"))) {
        const QJsonValue value = body->value(QStringLiteral("email"));
        email = value.toString().trimmed();
        if (!value.isString() || email.isEmpty()) {
            HttpJson::sendError(response, 400, QStringLiteral("\"email\" must be an e-mail address."));
            return;
        }
    }
    GroupInvitationRecord invitation;
    const StoreOutcome outcome = m_groups.invite(caller.userId, email, invitation);
    if (!outcome.ok()) {
        sendOutcome(response, outcome);
        return;
    }
    ServerLog::info(QStringLiteral("group_invitation_created"), {{QStringLiteral("user"), caller.userId}});
    HttpJson::send(response, 201, invitation.toJson());
}

void AccountRoutes::join(const httplib::Request &request, httplib::Response &response, const AuthContext &caller)
{
    const QString code = GroupStore::normalizedCode(HttpJson::pathParameter(request, 1));
    if (!HttpJson::isValidId(code)) {
        HttpJson::sendError(response, 400, QStringLiteral("Invalid or expired invite code."));
        return;
    }
    const StoreOutcome outcome = m_groups.join(caller.userId, code);
    if (!outcome.ok()) {
        sendOutcome(response, outcome);
        return;
    }
    ServerLog::info(QStringLiteral("group_joined"), {{QStringLiteral("user"), caller.userId}});
    const auto group = m_groups.groupOf(caller.userId);
    HttpJson::send(response, 200, group ? group->toJson() : QJsonObject{});
}

void AccountRoutes::leave(const httplib::Request &, httplib::Response &response, const AuthContext &caller)
{
    const StoreOutcome outcome = m_groups.leave(caller.userId);
    if (outcome.ok())
        ServerLog::info(QStringLiteral("group_left"), {{QStringLiteral("user"), caller.userId}});
    sendOutcome(response, outcome);
}

void AccountRoutes::removeMember(const httplib::Request &request, httplib::Response &response, const AuthContext &caller)
{
    QString memberId;
    if (!readPathId(request, response, memberId))
        return;
    const StoreOutcome outcome = m_groups.removeMember(caller.userId, memberId);
    if (outcome.ok())
        ServerLog::info(QStringLiteral("group_member_removed"), {{QStringLiteral("user"), caller.userId}, {QStringLiteral("member"), memberId}});
    sendOutcome(response, outcome);
}

void AccountRoutes::revokeInvitation(const httplib::Request &request, httplib::Response &response, const AuthContext &caller)
{
    QString invitationId;
    if (!readPathId(request, response, invitationId))
        return;
    sendOutcome(response, m_groups.revokeInvitation(caller.userId, invitationId));
}

void AccountRoutes::registerDevice(const httplib::Request &request, httplib::Response &response, const AuthContext &caller)
{
    const auto body = HttpJson::readObject(request, response);
    if (!body)
        return;
    QString error;
    auto device = DeviceStore::fromRegistration(*body, error);
    if (!device) {
        HttpJson::sendError(response, 400, error);
        return;
    }
    bool created = false;
    const StoreOutcome outcome = m_devices.registerDevice(caller.userId, caller.sessionId, *device, created);
    if (!outcome.ok()) {
        sendOutcome(response, outcome);
        return;
    }
    HttpJson::send(response, created ? 201 : 200, device->toJson());
}

void AccountRoutes::listDevices(const httplib::Request &, httplib::Response &response, const AuthContext &caller)
{
    const auto devices = m_devices.devicesOf(caller.userId);
    if (!devices) {
        sendUnavailable(response);
        return;
    }
    QJsonArray array;
    for (const DeviceRecord &device : *devices)
        array.append(device.toJson());
    HttpJson::send(response, 200, {{QStringLiteral("devices"), array}});
}

void AccountRoutes::removeDevice(const httplib::Request &request, httplib::Response &response, const AuthContext &caller)
{
    QString deviceId;
    if (!readPathId(request, response, deviceId))
        return;
    sendOutcome(response, m_devices.remove(caller.userId, deviceId));
}
