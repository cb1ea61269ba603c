#include "accountclient.h"

#include "apiclient.h"
#include "authclient.h"
#include "deviceidentity.h"

#include <QJsonArray>
#include <QUrl>

namespace OrlAccount {

namespace {

std::function<void(bool, int, const QJsonObject &)> reportOk(std::function<void(bool)> callback)
{
    return [callback = std::move(callback)](bool ok, int, const QJsonObject &) {
        if (callback)
            callback(ok);
    };
}

} // namespace

AccountClient::AccountClient(ApiClient *accountApi, AuthClient *auth, QString appId, QString appName, QString appVersion, QObject *parent)
    : QObject(parent)
    , m_api(accountApi)
    , m_auth(auth)
    , m_appId(std::move(appId))
    , m_appName(std::move(appName))
    , m_appVersion(std::move(appVersion))
{
}

QString AccountClient::segment(const QString &value)
{
    // Every path segment filled from data is percent-encoded.
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

void AccountClient::getProfile(std::function<void(const Profile &)> callback)
{
    m_api->get(QStringLiteral("/profile"), [callback = std::move(callback)](bool ok, int, const QJsonObject &body) {
        if (callback)
            callback(ok ? Profile::fromJson(body) : Profile());
    });
}

void AccountClient::getGroup(std::function<void(const Group &)> callback)
{
    m_api->get(QStringLiteral("/group"), [callback = std::move(callback)](bool ok, int, const QJsonObject &body) {
        if (callback)
            callback(ok ? Group::fromJson(body) : Group());
    });
}

void AccountClient::getDevices(std::function<void(const QList<Device> &)> callback)
{
    m_api->get(QStringLiteral("/devices"), [callback = std::move(callback)](bool ok, int, const QJsonObject &body) {
        QList<Device> devices;
        if (ok) {
            for (const QJsonValue &value : body.value(QStringLiteral("devices")).toArray())
                devices << Device::fromJson(value.toObject());
        }
        if (callback)
            callback(devices);
    });
}

void AccountClient::generateInviteCode(std::function<void(const GroupInvitation &)> callback)
{
    m_api->post(QStringLiteral("/group/invite"), {}, [callback = std::move(callback)](bool ok, int, const QJsonObject &body) {
        if (callback)
            callback(ok ? GroupInvitation::fromJson(body) : GroupInvitation());
    });
}

void AccountClient::inviteByEmail(const QString &email, std::function<void(const GroupInvitation &)> callback)
{
    m_api->post(QStringLiteral("/group/invite"), {{QStringLiteral("email"), email}}, [callback = std::move(callback)](bool ok, int, const QJsonObject &body) {
        if (callback)
            callback(ok ? GroupInvitation::fromJson(body) : GroupInvitation());
    });
}

void AccountClient::joinGroup(const QString &code, std::function<void(bool)> callback)
{
    m_api->post(QStringLiteral("/group/join/%1").arg(segment(code.trimmed())), {}, [this, callback = std::move(callback)](bool ok, int, const QJsonObject &) {
        if (!ok) {
            if (callback)
                callback(false);
            return;
        }
        // The token must carry the new group and role before anything reads it.
        m_auth->refreshToken([this, callback](bool) {
            Q_EMIT groupChanged();
            if (callback)
                callback(true);
        });
    });
}

void AccountClient::leaveGroup(std::function<void(bool)> callback)
{
    m_api->post(QStringLiteral("/group/leave"), {}, [this, callback = std::move(callback)](bool ok, int, const QJsonObject &) {
        if (!ok) {
            if (callback)
                callback(false);
            return;
        }
        m_auth->refreshToken([this, callback](bool) {
            Q_EMIT groupChanged();
            if (callback)
                callback(true);
        });
    });
}

void AccountClient::removeMember(const QString &memberAccountId, std::function<void(bool)> callback)
{
    m_api->del(QStringLiteral("/group/members/%1").arg(segment(memberAccountId)), [this, callback = std::move(callback)](bool ok, int, const QJsonObject &) {
        if (ok)
            Q_EMIT groupChanged();
        if (callback)
            callback(ok);
    });
}

void AccountClient::revokeInvitation(const QString &invitationId, std::function<void(bool)> callback)
{
    m_api->del(QStringLiteral("/group/invitations/%1").arg(segment(invitationId)), reportOk(std::move(callback)));
}

void AccountClient::removeDevice(const QString &deviceId, std::function<void(bool)> callback)
{
    m_api->del(QStringLiteral("/devices/%1").arg(segment(deviceId)), reportOk(std::move(callback)));
}

void AccountClient::deleteAccount(std::function<void(bool)> callback)
{
    m_api->del(QStringLiteral("/profile"), reportOk(std::move(callback)));
}

void AccountClient::registerDevice()
{
    m_api->post(QStringLiteral("/devices/register"),
                {{QStringLiteral("device_name"), DeviceIdentity::hostName().left(100)},
                 {QStringLiteral("platform"), DeviceIdentity::platformName()},
                 {QStringLiteral("app_id"), m_appId},
                 {QStringLiteral("app_version"), m_appVersion},
                 {QStringLiteral("device_fingerprint"), DeviceIdentity::fingerprint(m_appId)}},
                {});
}

} // namespace OrlAccount
