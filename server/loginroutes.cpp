#include "loginroutes.h"

#include "passwordhasher.h"
#include "secretstore.h"
#include "serverlog.h"

#include <QRegularExpression>
#include <QUrl>

#include <httplib.h>

namespace {

constexpr qint64 FormLifetimeSeconds = 30 * 60;
const char FormCookie[] = "quillby_form";

QString param(const httplib::Request &request, const char *name)
{
    return request.has_param(name) ? QString::fromStdString(request.get_param_value(name)) : QString();
}

QString cookie(const httplib::Request &request, const QString &name)
{
    const QString header = QString::fromStdString(request.get_header_value("Cookie"));
    for (const QString &part : header.split(QLatin1Char(';'))) {
        const QString trimmed = part.trimmed();
        if (trimmed.startsWith(name + QLatin1Char('=')))
            return trimmed.mid(name.size() + 1);
    }
    return {};
}

void setPageHeaders(httplib::Response &response)
{
    response.set_header("Cache-Control", "no-store");
    response.set_header("X-Frame-Options", "DENY");
    response.set_header("Referrer-Policy", "no-referrer");
    // The form posts to this server, which then sends the browser to the
    // program's loopback listener.
    response.set_header("Content-Security-Policy",
                        "default-src 'none'; style-src 'unsafe-inline'; img-src 'self' data:; "
                        "form-action 'self' http://127.0.0.1:* http://localhost:*; frame-ancestors 'none'");
}

void sendPlainPage(httplib::Response &response, int status, const QString &title, const QString &message)
{
    setPageHeaders(response);
    response.status = status;
    const QString html = QStringLiteral("<!doctype html><html lang=\"en\"><head><meta charset=\"utf-8\">"
                                        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\"><title>%1</title></head>"
                                        "<body><h1>%1</h1><p>%2</p></body></html>")
                             .arg(title.toHtmlEscaped(), message.toHtmlEscaped());
    response.set_content(html.toStdString(), "text/html; charset=utf-8");
}

} // namespace

LoginRoutes::LoginRoutes(ServiceContext &context)
    : m_context(context)
{
}

void LoginRoutes::install(httplib::Server &server)
{
    const std::string path = "/" + m_context.config.realm.toStdString() + "/account/login";
    server.Get(path, [this](const httplib::Request &request, httplib::Response &response) { showForm(request, response); });
    server.Post(path, [this](const httplib::Request &request, httplib::Response &response) { submitForm(request, response); });
}

bool LoginRoutes::isLoopbackCallback(const QString &redirectUri)
{
    if (redirectUri.size() > 200)
        return false;
    const QUrl url(redirectUri, QUrl::StrictMode);
    return url.isValid() && url.scheme() == QLatin1String("http")
        && (url.host() == QLatin1String("127.0.0.1") || url.host() == QLatin1String("localhost")) && url.port() > 0
        && url.path() == QLatin1String("/callback") && !url.hasQuery() && !url.hasFragment() && url.userInfo().isEmpty();
}

bool LoginRoutes::isValidState(const QString &state)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z0-9_.~-]{16,256}$"));
    return pattern.match(state).hasMatch();
}

bool LoginRoutes::isValidClientId(const QString &clientId)
{
    static const QRegularExpression pattern(QStringLiteral("^[0-9a-f]{32}$"));
    return pattern.match(clientId).hasMatch();
}

bool LoginRoutes::readLoginRequest(const httplib::Request &request, httplib::Response &response, LoginRequest &login)
{
    login.clientId = param(request, "client_id");
    login.redirectUri = param(request, "redirect_uri");
    login.state = param(request, "state");
    // Never send the browser anywhere on a malformed request: tokens must not
    // reach an address that is not the program's own listener.
    if (!isValidClientId(login.clientId) || !isLoopbackCallback(login.redirectUri) || !isValidState(login.state)) {
        sendPlainPage(response, 400, QStringLiteral("Sign-in not possible"),
                      QStringLiteral("This sign-in link is not valid. Start the sign-in again from Quillby."));
        return false;
    }
    return true;
}

void LoginRoutes::showForm(const httplib::Request &request, httplib::Response &response)
{
    LoginRequest login;
    if (!readLoginRequest(request, response, login))
        return;
    renderForm(response, 200, login, {}, {});
}

void LoginRoutes::renderForm(httplib::Response &response, int status, const LoginRequest &login, const QString &email, const QString &message)
{
    const QString nonce = QString::fromLatin1(SecretStore::randomBytes(16).toHex());
    const QString formToken = m_context.tokens.issueFormToken(nonce, Storage::now() + FormLifetimeSeconds);
    setPageHeaders(response);
    response.set_header("Set-Cookie", QStringLiteral("%1=%2; Path=/; HttpOnly; SameSite=Strict; Max-Age=%3")
                                          .arg(QString::fromLatin1(FormCookie), nonce)
                                          .arg(FormLifetimeSeconds)
                                          .toStdString());
    const QString error = message.isEmpty() ? QString() : QStringLiteral("<p class=\"error\" role=\"alert\">%1</p>").arg(message.toHtmlEscaped());
    const QString html = QStringLiteral(
        "<!doctype html><html lang=\"en\"><head><meta charset=\"utf-8\">"
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"
        "<title>Sign in to Quillby</title></head><body><main>"
        "<h1>Sign in to Quillby</h1>%1"
        "<form method=\"post\">"
        "<input type=\"hidden\" name=\"client_id\" value=\"%2\">"
        "<input type=\"hidden\" name=\"redirect_uri\" value=\"%3\">"
        "<input type=\"hidden\" name=\"state\" value=\"%4\">"
        "<input type=\"hidden\" name=\"form_token\" value=\"%5\">"
        "<label for=\"email\">E-mail address</label>"
        "<input id=\"email\" name=\"email\" type=\"email\" autocomplete=\"username\" required value=\"%6\">"
        "<label for=\"password\">Password</label>"
        "<input id=\"password\" name=\"password\" type=\"password\" autocomplete=\"current-password\" required>"
        "<button type=\"submit\">Sign In</button>"
        "</form></main></body></html>")
                             .arg(error, login.clientId.toHtmlEscaped(), login.redirectUri.toHtmlEscaped(), login.state.toHtmlEscaped(),
                                  formToken.toHtmlEscaped(), email.toHtmlEscaped());
    response.status = status;
    response.set_content(html.toStdString(), "text/html; charset=utf-8");
}

void LoginRoutes::submitForm(const httplib::Request &request, httplib::Response &response)
{
    LoginRequest login;
    if (!readLoginRequest(request, response, login))
        return;
    const QString email = param(request, "email").left(254);
    const QString password = param(request, "password");
    const qint64 now = Storage::now();
    if (!m_context.tokens.verifyFormToken(param(request, "form_token"), cookie(request, QString::fromLatin1(FormCookie)), now)) {
        renderForm(response, 400, login, email, QStringLiteral("The form has expired. Please sign in again."));
        return;
    }
    const auto user = m_context.users.findByEmail(email);
    if (!user || user->status == QLatin1String("deleted") || !PasswordHasher::verify(password, user->passwordHash)) {
        ServerLog::info(QStringLiteral("login_failed"));
        renderForm(response, 401, login, email, QStringLiteral("The e-mail address or the password is wrong."));
        return;
    }
    const auto pair = m_context.sessions.start(user->id, QString::fromStdString(request.get_header_value("User-Agent")),
                                               QString::fromStdString(request.remote_addr));
    if (!pair) {
        renderForm(response, 503, login, email, QStringLiteral("Signing in is not possible right now. Please try again."));
        return;
    }
    ServerLog::info(QStringLiteral("login"), {{QStringLiteral("user"), user->id}});
    // Tokens and state are URL-safe already; encoding keeps it so if that changes.
    const QByteArray target = login.redirectUri.toUtf8() + "?access_token=" + QUrl::toPercentEncoding(pair->accessToken)
        + "&refresh_token=" + QUrl::toPercentEncoding(pair->refreshToken) + "&state=" + QUrl::toPercentEncoding(login.state);
    setPageHeaders(response);
    response.set_header("Set-Cookie", std::string(FormCookie) + "=; Path=/; HttpOnly; SameSite=Strict; Max-Age=0");
    response.set_redirect(target.toStdString(), 303);
}
