#pragma once

#include "accounttypes.h"

#include <QObject>

#include <functional>

namespace OrlAccount {

class ApiClient;
class AuthClient;

// The account service: profile, family group, devices and the scheduled
// deletion of the account. Every action reports its real outcome.
class AccountClient : public QObject
{
    Q_OBJECT

public:
    AccountClient(ApiClient *accountApi, AuthClient *auth, QString appId, QString appName, QString appVersion, QObject *parent = nullptr);

    void getProfile(std::function<void(const Profile &)> callback);
    void getGroup(std::function<void(const Group &)> callback);
    void getDevices(std::function<void(const QList<Device> &)> callback);
    void generateInviteCode(std::function<void(const GroupInvitation &)> callback);
    void inviteByEmail(const QString &email, std::function<void(const GroupInvitation &)> callback);
    void joinGroup(const QString &code, std::function<void(bool)> callback);
    void leaveGroup(std::function<void(bool)> callback = {});
    void removeMember(const QString &memberAccountId, std::function<void(bool)> callback = {});
    void revokeInvitation(const QString &invitationId, std::function<void(bool)> callback = {});
    void removeDevice(const QString &deviceId, std::function<void(bool)> callback = {});
    void deleteAccount(std::function<void(bool)> callback);
    void registerDevice();

Q_SIGNALS:
    void groupChanged();

private:
    static QString segment(const QString &value);

    ApiClient *m_api;
    AuthClient *m_auth;
    QString m_appId;
    QString m_appName;
    QString m_appVersion;
};

} // namespace OrlAccount
