#include "signinrequest.h"

#include "sessionstore.h"
#include "webpage.h"

#include <QRegularExpression>
#include <QUrl>
#include <QUrlQuery>

#include <httplib.h>

bool SignInRequest::read(const httplib::Request &request, httplib::Response &response)
{
    clientId = WebPage::param(request, "client_id");
    redirectUri = WebPage::param(request, "redirect_uri");
    state = WebPage::param(request, "state");
    if (isValidClientId(clientId) && isLoopbackCallback(redirectUri) && isValidState(state))
        return true;
    WebPage::sendMessage(response, 400, QStringLiteral("Sign-in not possible"),
                         QStringLiteral("This sign-in link is not valid. Start the sign-in again from Quillby."));
    return false;
}

QString SignInRequest::hiddenFieldsHtml() const
{
    return QStringLiteral("<input type=\"hidden\" name=\"client_id\" value=\"%1\">"
                          "<input type=\"hidden\" name=\"redirect_uri\" value=\"%2\">"
                          "<input type=\"hidden\" name=\"state\" value=\"%3\">")
        .arg(clientId.toHtmlEscaped(), redirectUri.toHtmlEscaped(), state.toHtmlEscaped());
}

QString SignInRequest::query() const
{
    return QStringLiteral("client_id=%1&redirect_uri=%2&state=%3")
        .arg(QString::fromLatin1(QUrl::toPercentEncoding(clientId)), QString::fromLatin1(QUrl::toPercentEncoding(redirectUri)),
             QString::fromLatin1(QUrl::toPercentEncoding(state)));
}

void SignInRequest::redirectWithTokens(httplib::Response &response, const TokenPair &tokens) const
{
    // Tokens and state are URL-safe already; encoding keeps it so if that changes.
    const QByteArray target = redirectUri.toUtf8() + "?access_token=" + QUrl::toPercentEncoding(tokens.accessToken)
        + "&refresh_token=" + QUrl::toPercentEncoding(tokens.refreshToken) + "&state=" + QUrl::toPercentEncoding(state);
    WebPage::setHeaders(response);
    WebPage::clearFormCookie(response);
    response.set_redirect(target.toStdString(), 303);
}

bool SignInRequest::isLoopbackCallback(const QString &redirectUri)
{
    if (redirectUri.size() > 200)
        return false;
    const QUrl url(redirectUri, QUrl::StrictMode);
    return url.isValid() && url.scheme() == QLatin1String("http")
        && (url.host() == QLatin1String("127.0.0.1") || url.host() == QLatin1String("localhost")) && url.port() > 0
        && url.path() == QLatin1String("/callback") && !url.hasQuery() && !url.hasFragment() && url.userInfo().isEmpty();
}

bool SignInRequest::isValidState(const QString &state)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z0-9_.~-]{16,256}$"));
    return pattern.match(state).hasMatch();
}

bool SignInRequest::isValidClientId(const QString &clientId)
{
    static const QRegularExpression pattern(QStringLiteral("^[0-9a-f]{32}$"));
    return pattern.match(clientId).hasMatch();
}
