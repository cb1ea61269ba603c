#include "loginroutes.h"

#include "loginthrottle.h"
#include "passwordhasher.h"
#include "registrationroutes.h"
#include "secretstore.h"
#include "serverlog.h"
#include "signinrequest.h"
#include "webpage.h"

#include <httplib.h>

namespace {

const QString PageTitle = QStringLiteral("Sign in to Quillby");

void setRetryAfter(httplib::Response &response, qint64 seconds)
{
    response.set_header("Retry-After", std::to_string(seconds));
}

bool passwordMatches(const QString &password, const QString &storedHash)
{
    // An unknown address takes as long to refuse as a wrong password, so the
    // time of the answer does not tell which addresses have accounts.
    static const QString standIn = PasswordHasher::hash(QString::fromLatin1(SecretStore::randomBytes(16).toHex()));
    return PasswordHasher::verify(password, storedHash.isEmpty() ? standIn : storedHash) && !storedHash.isEmpty();
}

} // namespace

LoginRoutes::LoginRoutes(ServiceContext &context)
    : m_context(context)
{
}

QString LoginRoutes::pagePath(const ServiceContext &context)
{
    return QLatin1Char('/') + context.config.realm + QStringLiteral("/account/login");
}

void LoginRoutes::install(httplib::Server &server)
{
    const std::string path = pagePath(m_context).toStdString();
    server.Get(path, [this](const httplib::Request &request, httplib::Response &response) { showForm(request, response); });
    server.Post(path, [this](const httplib::Request &request, httplib::Response &response) { submitForm(request, response); });
}

void LoginRoutes::showForm(const httplib::Request &request, httplib::Response &response)
{
    SignInRequest signIn;
    if (!signIn.read(request, response))
        return;
    renderForm(response, 200, signIn, {}, {});
}

void LoginRoutes::renderForm(httplib::Response &response, int status, const SignInRequest &signIn, const QString &email, const QString &message)
{
    const QString formToken = WebPage::issueFormToken(response, m_context.tokens);
    const QString registration = m_context.config.registrationOpen
        ? QStringLiteral("<p class=\"alt\">New to Quillby? <a href=\"%1?%2\">Create an account</a></p>")
              .arg(RegistrationRoutes::pagePath(m_context).toHtmlEscaped(), signIn.query().toHtmlEscaped())
        : QString();
    const QString body = QStringLiteral("<p class=\"lead\">Use your Quillby account to sync your registers.</p>%1"
                                        "<form method=\"post\" action=\"%2\">%3"
                                        "<input type=\"hidden\" name=\"form_token\" value=\"%4\">"
                                        "<label for=\"email\">E-mail address</label>"
                                        "<input id=\"email\" name=\"email\" type=\"email\" autocomplete=\"username\" autocapitalize=\"none\" "
                                        "spellcheck=\"false\" maxlength=\"254\" required%7 value=\"%5\">"
                                        "<label for=\"password\">Password</label>"
                                        "<input id=\"password\" name=\"password\" type=\"password\" autocomplete=\"current-password\" required%8>"
                                        "<button type=\"submit\">Sign In</button>"
                                        "</form>%6")
                             .arg(WebPage::errorBlock(message), pagePath(m_context).toHtmlEscaped(), signIn.hiddenFieldsHtml(), formToken.toHtmlEscaped(),
                                  email.toHtmlEscaped(), registration,
                                  // The cursor goes where typing continues: the password when the address is known.
                                  email.isEmpty() ? QStringLiteral(" autofocus") : QString(), email.isEmpty() ? QString() : QStringLiteral(" autofocus"));
    WebPage::send(response, status, PageTitle, body);
}

void LoginRoutes::submitForm(const httplib::Request &request, httplib::Response &response)
{
    SignInRequest signIn;
    if (!signIn.read(request, response))
        return;
    const QString email = WebPage::param(request, "email").trimmed().left(254);
    const QString password = WebPage::param(request, "password");
    const QString clientAddress = QString::fromStdString(request.remote_addr);
    if (!WebPage::hasValidFormToken(request, m_context.tokens)) {
        renderForm(response, 400, signIn, email, QStringLiteral("The form has expired. Please sign in again."));
        return;
    }
    LoginThrottle throttle(m_context.storage);
    const qint64 now = Storage::now();
    if (const qint64 locked = throttle.lockedFor(email, clientAddress, now); locked > 0) {
        ServerLog::info(QStringLiteral("login_locked"));
        setRetryAfter(response, locked);
        renderForm(response, 429, signIn, email, LoginThrottle::lockedMessage(locked));
        return;
    }
    const auto user = m_context.users.findByEmail(email);
    const bool usable = user && user->status != QLatin1String("deleted");
    if (!passwordMatches(password, usable ? user->passwordHash : QString())) {
        const qint64 locked = throttle.recordFailure(email, clientAddress, now);
        ServerLog::info(QStringLiteral("login_failed"));
        if (locked > 0) {
            setRetryAfter(response, locked);
            renderForm(response, 429, signIn, email, LoginThrottle::lockedMessage(locked));
            return;
        }
        renderForm(response, 401, signIn, email, QStringLiteral("The e-mail address or the password is wrong."));
        return;
    }
    const auto pair = m_context.sessions.start(user->id, QString::fromStdString(request.get_header_value("User-Agent")), clientAddress);
    if (!pair) {
        renderForm(response, 503, signIn, email, QStringLiteral("Signing in is not possible right now. Please try again."));
        return;
    }
    throttle.recordSuccess(email);
    ServerLog::info(QStringLiteral("login"), {{QStringLiteral("user"), user->id}});
    signIn.redirectWithTokens(response, *pair);
}
