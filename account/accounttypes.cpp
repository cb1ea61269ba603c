#include "accounttypes.h"

#include <QJsonArray>

namespace OrlAccount {

namespace {

QString text(const QJsonObject &object, const char *key)
{
    return object.value(QLatin1String(key)).toString();
}

} // namespace

QDateTime parseIsoDateTime(const QJsonValue &value)
{
    return QDateTime::fromString(value.toString(), Qt::ISODateWithMs);
}

User User::fromJson(const QJsonObject &o)
{
    return {text(o, "id"), text(o, "email"), text(o, "display_name"), text(o, "username"), text(o, "avatar_url"), parseIsoDateTime(o.value(QLatin1String("created_at")))};
}

Session Session::fromJson(const QJsonObject &o)
{
    return {text(o, "id"),
            text(o, "user_agent"),
            text(o, "ip_address"),
            parseIsoDateTime(o.value(QLatin1String("created_at"))),
            parseIsoDateTime(o.value(QLatin1String("last_active_at"))),
            o.value(QLatin1String("is_current")).toBool(false)};
}

Profile Profile::fromJson(const QJsonObject &o)
{
    Profile profile{text(o, "id"), text(o, "email"), text(o, "display_name"), text(o, "avatar_url"), text(o, "language"),
                    text(o, "timezone"), text(o, "status"), parseIsoDateTime(o.value(QLatin1String("created_at"))), false, {}};
    const QJsonValue group = o.value(QLatin1String("group"));
    if (group.isObject()) {
        const QJsonObject g = group.toObject();
        profile.hasGroup = true;
        profile.group = {text(g, "id"), text(g, "name"), text(g, "role"), g.value(QLatin1String("member_count")).toInt()};
    }
    return profile;
}

GroupMember GroupMember::fromJson(const QJsonObject &o)
{
    return {text(o, "account_id"), text(o, "auth_user_id"), text(o, "display_name"), text(o, "email"), text(o, "role"),
            parseIsoDateTime(o.value(QLatin1String("joined_at")))};
}

GroupInvitation GroupInvitation::fromJson(const QJsonObject &o)
{
    return {text(o, "id"), text(o, "invited_email"), text(o, "invite_code"), text(o, "status"), parseIsoDateTime(o.value(QLatin1String("expires_at")))};
}

Group Group::fromJson(const QJsonObject &o)
{
    Group group{text(o, "id"), text(o, "name"), {}, {}};
    for (const QJsonValue &member : o.value(QLatin1String("members")).toArray())
        group.members << GroupMember::fromJson(member.toObject());
    for (const QJsonValue &invitation : o.value(QLatin1String("pending_invitations")).toArray())
        group.pending_invitations << GroupInvitation::fromJson(invitation.toObject());
    return group;
}

Device Device::fromJson(const QJsonObject &o)
{
    return {text(o, "id"),
            text(o, "device_name"),
            text(o, "platform"),
            text(o, "app_id"),
            text(o, "app_version"),
            parseIsoDateTime(o.value(QLatin1String("last_sync_at"))),
            text(o, "device_fingerprint"),
            parseIsoDateTime(o.value(QLatin1String("created_at")))};
}

} // namespace OrlAccount
