#pragma once

#include "accountdeletion.h"
#include "devicestore.h"
#include "groupstore.h"
#include "servicecontext.h"

// The account API under "/account/v1": the profile and its deletion, the
// family group (invitations, joining, leaving, removing members) and the
// devices. Every route needs a live session; every id from the path is
// checked before it reaches the database. Owner-only actions are checked
// against the stored role, not the token's, which may be up to 15 minutes old.
class AccountRoutes : public RouteGroup
{
public:
    static constexpr char BasePath[] = "/account/v1";

    explicit AccountRoutes(ServiceContext &context);
    void install(httplib::Server &server) override;

private:
    void getProfile(const httplib::Request &request, httplib::Response &response, const AuthContext &caller);
    void deleteProfile(const httplib::Request &request, httplib::Response &response, const AuthContext &caller);
    void getGroup(const httplib::Request &request, httplib::Response &response, const AuthContext &caller);
    void invite(const httplib::Request &request, httplib::Response &response, const AuthContext &caller);
    void join(const httplib::Request &request, httplib::Response &response, const AuthContext &caller);
    void leave(const httplib::Request &request, httplib::Response &response, const AuthContext &caller);
    void removeMember(const httplib::Request &request, httplib::Response &response, const AuthContext &caller);
    void revokeInvitation(const httplib::Request &request, httplib::Response &response, const AuthContext &caller);
    void registerDevice(const httplib::Request &request, httplib::Response &response, const AuthContext &caller);
    void listDevices(const httplib::Request &request, httplib::Response &response, const AuthContext &caller);
    void removeDevice(const httplib::Request &request, httplib::Response &response, const AuthContext &caller);

    ServiceContext &m_context;
    GroupStore m_groups;
    DeviceStore m_devices;
    AccountDeletion m_deletion;
};
