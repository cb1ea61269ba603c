#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QMetaType>
#include <QString>

// The records the auth and account services answer with. A missing key
// reads as an empty string or an invalid date-time.
namespace OrlAccount {

enum class AuthState { Initial, SignedOut, SignedIn };

struct User
{
    QString id;
    QString email;
    QString display_name;
    QString username;
    QString avatar_url;
    QDateTime created_at;

    static User fromJson(const QJsonObject &object);
};

struct Session
{
    QString id;
    QString user_agent;
    QString ip_address;
    QDateTime created_at;
    QDateTime last_active_at;
    bool is_current = false;

    static Session fromJson(const QJsonObject &object);
};

struct ProfileGroup
{
    QString id;
    QString name;
    QString role;
    int member_count = 0;
};

struct Profile
{
    QString id;
    QString email;
    QString display_name;
    QString avatar_url;
    QString language;
    QString timezone;
    QString status;
    QDateTime created_at;
    bool hasGroup = false;
    ProfileGroup group;

    static Profile fromJson(const QJsonObject &object);
};

struct GroupMember
{
    QString account_id;
    QString auth_user_id;
    QString display_name;
    QString email;
    QString role;
    QDateTime joined_at;

    static GroupMember fromJson(const QJsonObject &object);
};

struct GroupInvitation
{
    QString id;
    QString invited_email;
    QString invite_code;
    QString status;
    QDateTime expires_at;

    static GroupInvitation fromJson(const QJsonObject &object);
};

struct Group
{
    QString id; // empty: no group
    QString name;
    QList<GroupMember> members;
    QList<GroupInvitation> pending_invitations;

    static Group fromJson(const QJsonObject &object);
};

struct Device
{
    QString id;
    QString device_name;
    QString platform;
    QString app_id;
    QString app_version;
    QDateTime last_sync_at;
    QString device_fingerprint;
    QDateTime created_at;

    static Device fromJson(const QJsonObject &object);
};

QDateTime parseIsoDateTime(const QJsonValue &value);

} // namespace OrlAccount

Q_DECLARE_METATYPE(OrlAccount::AuthState)
