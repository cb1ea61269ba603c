#include "registrationroutes.h"

#include "loginroutes.h"
#include "passwordhasher.h"
#include "serverlog.h"
#include "signinrequest.h"
#include "webpage.h"

#include <httplib.h>

RegistrationRoutes::RegistrationRoutes(ServiceContext &context)
    : m_context(context)
{
}

QString RegistrationRoutes::pagePath(const ServiceContext &context)
{
    return QLatin1Char('/') + context.config.realm + QStringLiteral("/account/register");
}

void RegistrationRoutes::install(httplib::Server &server)
{
    if (!m_context.config.registrationOpen)
        return;
    const std::string path = pagePath(m_context).toStdString();
    server.Get(path, [this](const httplib::Request &request, httplib::Response &response) { showForm(request, response); });
    server.Post(path, [this](const httplib::Request &request, httplib::Response &response) { submitForm(request, response); });
}

void RegistrationRoutes::showForm(const httplib::Request &request, httplib::Response &response)
{
    SignInRequest signIn;
    if (!signIn.read(request, response))
        return;
    renderForm(response, 200, signIn, {}, {});
}

void RegistrationRoutes::renderForm(httplib::Response &response, int status, const SignInRequest &signIn, const QString &email,
                                    const QString &message)
{
    const QString formToken = WebPage::issueFormToken(response, m_context.tokens);
    const QString body = QStringLiteral("<p class=\"lead\">One account keeps your registers in sync on all your computers.</p>%1"
                                        "<form method=\"post\" action=\"%2\">%3"
                                        "<input type=\"hidden\" name=\"form_token\" value=\"%4\">"
                                        "<label for=\"email\">E-mail address</label>"
                                        "<input id=\"email\" name=\"email\" type=\"email\" autocomplete=\"username\" autocapitalize=\"none\" "
                                        "spellcheck=\"false\" maxlength=\"254\" required autofocus value=\"%5\">"
                                        "<label for=\"password\">Password</label>"
                                        "<input id=\"password\" name=\"password\" type=\"password\" autocomplete=\"new-password\" minlength=\"8\" "
                                        "required aria-describedby=\"password-hint\">"
                                        "<p class=\"hint\" id=\"password-hint\">At least 8 characters.</p>"
                                        "<label for=\"confirmation\">Repeat the password</label>"
                                        "<input id=\"confirmation\" name=\"confirmation\" type=\"password\" autocomplete=\"new-password\" required>"
                                        "<button type=\"submit\">Create Account</button>"
                                        "</form>"
                                        "<p class=\"alt\">Already have an account? <a href=\"%6?%7\">Sign in</a></p>")
                             .arg(WebPage::errorBlock(message), pagePath(m_context).toHtmlEscaped(), signIn.hiddenFieldsHtml(), formToken.toHtmlEscaped(),
                                  email.toHtmlEscaped(), LoginRoutes::pagePath(m_context).toHtmlEscaped(), signIn.query().toHtmlEscaped());
    WebPage::send(response, status, QStringLiteral("Create a Quillby account"), body);
}

void RegistrationRoutes::submitForm(const httplib::Request &request, httplib::Response &response)
{
    SignInRequest signIn;
    if (!signIn.read(request, response))
        return;
    const QString email = WebPage::param(request, "email").trimmed().left(254);
    const QString password = WebPage::param(request, "password");
    if (!WebPage::hasValidFormToken(request, m_context.tokens)) {
        renderForm(response, 400, signIn, email, QStringLiteral("The form has expired. Please try again."));
        return;
    }
    if (password != WebPage::param(request, "confirmation")) {
        renderForm(response, 400, signIn, email, QStringLiteral("The two passwords differ."));
        return;
    }
    if (!UserStore::isPlausibleEmail(UserStore::normalizedEmail(email))) {
        renderForm(response, 400, signIn, email, QStringLiteral("That is not an e-mail address."));
        return;
    }
    if (const QString weakness = PasswordHasher::weakness(password); !weakness.isEmpty()) {
        renderForm(response, 400, signIn, email, weakness);
        return;
    }
    QString error;
    const auto user = m_context.users.create(email, password, {}, error);
    if (!user) {
        // The form was checked above: what is left is a taken address or a
        // database that failed.
        const bool taken = m_context.users.findByEmail(email).has_value();
        renderForm(response, taken ? 409 : 503, signIn, email, error);
        return;
    }
    ServerLog::info(QStringLiteral("registered"), {{QStringLiteral("user"), user->id}});
    const auto pair = m_context.sessions.start(user->id, QString::fromStdString(request.get_header_value("User-Agent")),
                                               QString::fromStdString(request.remote_addr));
    if (!pair) {
        // The account exists; only the sign-in failed.
        WebPage::sendMessage(response, 503, QStringLiteral("Account created"),
                             QStringLiteral("Your account was created, but signing in is not possible right now. Start the sign-in again from Quillby."));
        return;
    }
    signIn.redirectWithTokens(response, *pair);
}
