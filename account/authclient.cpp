#include "authclient.h"

#include "apiclient.h"
#include "jwt.h"
#include "tokenmanager.h"
#include "webauthhandler.h"

#include <QJsonArray>
#include <QRandomGenerator>
#include <QUrlQuery>

namespace OrlAccount {

namespace {

// 256 random bits, URL-safe.
QString newState()
{
    QByteArray bytes(32, Qt::Uninitialized);
    QRandomGenerator::system()->generate(reinterpret_cast<quint32 *>(bytes.data()), reinterpret_cast<quint32 *>(bytes.data() + bytes.size()));
    return QString::fromLatin1(bytes.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
}

} // namespace

AuthClient::AuthClient(QString authBaseUrl, QString realmSlug, QString clientId, ApiClient *authApi, TokenManager *tokens, QObject *parent)
    : QObject(parent)
    , m_authBaseUrl(std::move(authBaseUrl))
    , m_realmSlug(std::move(realmSlug))
    , m_clientId(std::move(clientId))
    , m_authApi(authApi)
    , m_tokens(tokens)
    , m_loginTimeoutMs(WebAuthHandler::DefaultTimeoutMs)
{
    setupRefreshCallback();
}

void AuthClient::setupRefreshCallback()
{
    m_tokens->setRefreshFunction([this](const QString &refreshToken, TokenManager::TokensCallback onTokens, TokenManager::FailureCallback onFailure) {
        m_authApi->postPublic(QStringLiteral("/auth/token/refresh"), {{QStringLiteral("refresh_token"), refreshToken}},
                              [onTokens, onFailure](bool ok, int status, const QJsonObject &body) {
                                  if (ok) {
                                      onTokens(body.value(QStringLiteral("access_token")).toString(), body.value(QStringLiteral("refresh_token")).toString());
                                      return;
                                  }
                                  // Only a refusal of the token itself signs the user out;
                                  // a timeout, rate limit or server fault is passing.
                                  onFailure(status == 400 || status == 401);
                              });
    });
}

void AuthClient::setState(AuthState state)
{
    if (state == m_state)
        return;
    m_state = state;
    Q_EMIT stateChanged(state);
}

QString AuthClient::userId() const
{
    const QString token = m_tokens->accessToken();
    return token.isEmpty() ? QString() : jwtSubject(token);
}

void AuthClient::initialize()
{
    m_tokens->loadTokens();
    if (!m_tokens->accessToken().isEmpty()) {
        setState(AuthState::SignedIn);
        return;
    }
    if (m_tokens->storedRefreshToken().isEmpty()) {
        setState(AuthState::SignedOut);
        return;
    }
    m_tokens->refresh([this](RefreshResult result) {
        if (result == RefreshResult::Rejected) {
            m_tokens->clearTokens();
            setState(AuthState::SignedOut);
            return;
        }
        // Offline or a server fault: stay signed in and work offline.
        setState(AuthState::SignedIn);
    });
}

QUrl AuthClient::loginUrl(const QString &redirectUri, const QString &state) const
{
    const QString encodedRedirect = QString::fromLatin1(QUrl::toPercentEncoding(redirectUri));
    return QUrl(QStringLiteral("%1/%2/account/login?client_id=%3&redirect_uri=%4&state=%5")
                    .arg(m_authBaseUrl, m_realmSlug, m_clientId, encodedRedirect, QString::fromLatin1(QUrl::toPercentEncoding(state))),
                QUrl::StrictMode);
}

void AuthClient::login()
{
    // One sign-in at a time: a new one replaces a sign-in still waiting.
    if (m_handler)
        m_handler->deleteLater();
    const QString state = newState();
    auto *handler = new WebAuthHandler(state, this);
    const QString redirectUri = handler->start(m_loginTimeoutMs);
    if (redirectUri.isEmpty()) {
        Q_EMIT loginFailed(QStringLiteral("Failed to start local auth server"));
        handler->deleteLater();
        return;
    }
    m_handler = handler;
    connect(handler, &WebAuthHandler::callbackReceived, this, [this, handler](const QUrl &url) {
        handleCallback(url);
        handler->deleteLater();
    });
    connect(handler, &WebAuthHandler::timedOut, this, [this, handler] {
        Q_EMIT loginFailed(tr("The sign-in was not completed in time. Please try again."));
        handler->deleteLater();
    });
    const QUrl url = loginUrl(redirectUri, state);
    if (m_urlOpener)
        m_urlOpener(url);
}

void AuthClient::handleCallback(const QUrl &url)
{
    const QUrlQuery fragment(url.fragment());
    QString access = fragment.queryItemValue(QStringLiteral("access_token"), QUrl::FullyDecoded);
    QString refresh = fragment.queryItemValue(QStringLiteral("refresh_token"), QUrl::FullyDecoded);
    if (access.isEmpty()) {
        const QUrlQuery query(url);
        access = query.queryItemValue(QStringLiteral("access_token"), QUrl::FullyDecoded);
        refresh = query.queryItemValue(QStringLiteral("refresh_token"), QUrl::FullyDecoded);
    }
    if (access.isEmpty() || refresh.isEmpty()) {
        Q_EMIT loginFailed(QStringLiteral("No tokens received"));
        return;
    }
    m_tokens->setTokens(access, refresh);
    // The state may already be SignedIn (another user before): say so anew,
    // so whoever watches reads the new user.
    if (m_state == AuthState::SignedIn)
        Q_EMIT stateChanged(m_state);
    else
        setState(AuthState::SignedIn);
    Q_EMIT loginSucceeded();
}

void AuthClient::signOutLocally()
{
    m_tokens->clearTokens();
    m_user = User();
    setState(AuthState::SignedOut);
}

void AuthClient::logout()
{
    // The token of this moment, sent as is: a sign-out never starts a refresh.
    const QString token = m_tokens->accessToken();
    if (!token.isEmpty())
        m_authApi->postWithToken(QStringLiteral("/auth/logout"), {}, token, {});
    signOutLocally();
    Q_EMIT logoutCompleted();
}

void AuthClient::refreshToken(std::function<void(bool)> callback)
{
    m_tokens->refresh([this, callback = std::move(callback)](RefreshResult result) {
        if (result == RefreshResult::Rejected)
            signOutLocally();
        if (callback)
            callback(result == RefreshResult::Refreshed);
    });
}

void AuthClient::fetchCurrentUser(std::function<void(const User &)> callback)
{
    m_authApi->get(QStringLiteral("/users/me"), [this, callback = std::move(callback)](bool ok, int, const QJsonObject &body) {
        if (ok)
            m_user = User::fromJson(body);
        if (callback)
            callback(m_user);
    });
}

void AuthClient::updateProfile(const QString &displayName, std::function<void(const User &)> callback)
{
    updateDisplayName(displayName, [callback = std::move(callback)](bool, const User &user) {
        if (callback)
            callback(user);
    });
}

void AuthClient::updateDisplayName(const QString &displayName, std::function<void(bool ok, const User &)> callback)
{
    m_authApi->patch(QStringLiteral("/users/me"), {{QStringLiteral("display_name"), displayName}},
                     [this, callback = std::move(callback)](bool ok, int, const QJsonObject &body) {
                         if (ok)
                             m_user = User::fromJson(body);
                         if (callback)
                             callback(ok, m_user);
                     });
}

void AuthClient::changePassword(const QString &currentPassword, const QString &newPassword, std::function<void(bool)> callback)
{
    m_authApi->post(QStringLiteral("/users/me/password"),
                    {{QStringLiteral("current_password"), currentPassword}, {QStringLiteral("new_password"), newPassword}},
                    [callback = std::move(callback)](bool ok, int, const QJsonObject &) {
                        if (callback)
                            callback(ok);
                    });
}

void AuthClient::listSessions(std::function<void(const QList<Session> &)> callback)
{
    m_authApi->get(QStringLiteral("/users/me/sessions"), [callback = std::move(callback)](bool ok, int, const QJsonObject &body) {
        QList<Session> sessions;
        if (ok) {
            for (const QJsonValue &value : body.value(QStringLiteral("sessions")).toArray())
                sessions << Session::fromJson(value.toObject());
        }
        if (callback)
            callback(sessions);
    });
}

void AuthClient::revokeSession(const QString &sessionId, std::function<void(bool)> callback)
{
    m_authApi->del(QStringLiteral("/users/me/sessions/%1").arg(QString::fromLatin1(QUrl::toPercentEncoding(sessionId))),
                   [callback = std::move(callback)](bool ok, int, const QJsonObject &) {
                       if (callback)
                           callback(ok);
                   });
}

} // namespace OrlAccount
