#pragma once

#include "servicecontext.h"

#include <QString>

struct SignInRequest;

// The browser sign-in: GET shows the form, POST checks it and sends the
// browser back to the program's loopback listener with both tokens and the
// program's `state`. The form carries its own CSRF token, bound to a cookie.
// Repeated failures are slowed down (LoginThrottle): a locked e-mail or
// client address is answered 429 without looking at the password.
class LoginRoutes : public RouteGroup
{
public:
    explicit LoginRoutes(ServiceContext &context);
    void install(httplib::Server &server) override;

    // "/{realm}/account/login"
    static QString pagePath(const ServiceContext &context);

private:
    void showForm(const httplib::Request &request, httplib::Response &response);
    void submitForm(const httplib::Request &request, httplib::Response &response);
    void renderForm(httplib::Response &response, int status, const SignInRequest &signIn, const QString &email, const QString &message);

    ServiceContext &m_context;
};
