#pragma once

#include "servicecontext.h"

#include <QString>

struct SignInRequest;

// The registration page, installed only when the operator opened
// registration (--open-registration): e-mail address, password and its
// confirmation; a new account is signed in at once and the browser sent to
// the program's loopback listener, as after a sign-in. The link parameters
// and the CSRF guard are those of the sign-in page. While registration is
// closed the address does not exist (404).
class RegistrationRoutes : public RouteGroup
{
public:
    explicit RegistrationRoutes(ServiceContext &context);
    void install(httplib::Server &server) override;

    // "/{realm}/account/register"
    static QString pagePath(const ServiceContext &context);

private:
    void showForm(const httplib::Request &request, httplib::Response &response);
    void submitForm(const httplib::Request &request, httplib::Response &response);
    void renderForm(httplib::Response &response, int status, const SignInRequest &signIn, const QString &email, const QString &message);

    ServiceContext &m_context;
};
