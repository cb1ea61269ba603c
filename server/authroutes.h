#pragma once

#include "servicecontext.h"

struct AuthContext;

// The authentication API under the realm path: refreshing tokens (public),
// signing out, the caller's own user (read, rename), password change and the
// list of the caller's sign-in sessions with revocation. Everything but the
// refresh needs a bearer token of a live session.
class AuthRoutes : public RouteGroup
{
public:
    explicit AuthRoutes(ServiceContext &context);
    void install(httplib::Server &server) override;

private:
    void refresh(const httplib::Request &request, httplib::Response &response);
    void logout(const httplib::Request &request, httplib::Response &response, const AuthContext &caller);
    void showUser(const httplib::Request &request, httplib::Response &response, const AuthContext &caller);
    void updateUser(const httplib::Request &request, httplib::Response &response, const AuthContext &caller);
    void changePassword(const httplib::Request &request, httplib::Response &response, const AuthContext &caller);
    void listSessions(const httplib::Request &request, httplib::Response &response, const AuthContext &caller);
    void revokeSession(const httplib::Request &request, httplib::Response &response, const AuthContext &caller);

    ServiceContext &m_context;
};
