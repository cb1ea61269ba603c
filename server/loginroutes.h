#pragma once

#include "servicecontext.h"

#include <QString>

// The browser sign-in: GET shows the form, POST checks it and sends the
// browser back to the program's loopback listener with both tokens and the
// program's `state`. The form carries its own CSRF token, bound to a cookie.
class LoginRoutes : public RouteGroup
{
public:
    explicit LoginRoutes(ServiceContext &context);
    void install(httplib::Server &server) override;

    // Only the program's loopback listener may receive tokens.
    static bool isLoopbackCallback(const QString &redirectUri);
    static bool isValidState(const QString &state);
    static bool isValidClientId(const QString &clientId);

private:
    struct LoginRequest
    {
        QString clientId;
        QString redirectUri;
        QString state;
    };

    void showForm(const httplib::Request &request, httplib::Response &response);
    void submitForm(const httplib::Request &request, httplib::Response &response);
    bool readLoginRequest(const httplib::Request &request, httplib::Response &response, LoginRequest &login);
    void renderForm(httplib::Response &response, int status, const LoginRequest &login, const QString &email, const QString &message);

    ServiceContext &m_context;
};
