#pragma once

#include "accounttypes.h"

#include <QObject>
#include <QPointer>
#include <QUrl>

#include <functional>

namespace OrlAccount {

class ApiClient;
class TokenManager;
class WebAuthHandler;

// Sign-in through the system browser and the loopback listener, the sign-in
// state, the token refresh, sign-out, and the user's own account data on the
// auth service.
class AuthClient : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool isAuthenticated READ isAuthenticated NOTIFY stateChanged)

public:
    using UrlOpener = std::function<bool(const QUrl &)>;

    AuthClient(QString authBaseUrl, QString realmSlug, QString clientId, ApiClient *authApi, TokenManager *tokens, QObject *parent = nullptr);

    // How the login page reaches the browser; the application installs the
    // desktop's URL handler, tests one that plays the browser.
    void setUrlOpener(UrlOpener opener) { m_urlOpener = std::move(opener); }
    void setLoginTimeoutMs(int timeoutMs) { m_loginTimeoutMs = timeoutMs; }

    void initialize();
    void login();
    void logout();
    void refreshToken(std::function<void(bool)> callback);
    void fetchCurrentUser(std::function<void(const User &)> callback);
    void updateProfile(const QString &displayName, std::function<void(const User &)> callback);
    // updateProfile that also says whether the service took the name: after
    // a failure the user handed back is the one from before, which may well
    // have a name of its own.
    void updateDisplayName(const QString &displayName, std::function<void(bool ok, const User &)> callback);
    void changePassword(const QString &currentPassword, const QString &newPassword, std::function<void(bool)> callback);
    void listSessions(std::function<void(const QList<Session> &)> callback);
    void revokeSession(const QString &sessionId, std::function<void(bool)> callback = {});

    AuthState state() const { return m_state; }
    bool isAuthenticated() const { return m_state == AuthState::SignedIn; }
    User currentUser() const { return m_user; }
    QString userId() const;
    bool isLoginInProgress() const { return !m_handler.isNull(); }

    // The login page address for a redirect address and state.
    QUrl loginUrl(const QString &redirectUri, const QString &state) const;

Q_SIGNALS:
    void stateChanged(OrlAccount::AuthState state);
    void loginSucceeded();
    void loginFailed(const QString &error);
    void logoutCompleted();

private:
    void setupRefreshCallback();
    void setState(AuthState state);
    void handleCallback(const QUrl &url);
    void signOutLocally();

    QString m_authBaseUrl;
    QString m_realmSlug;
    QString m_clientId;
    ApiClient *m_authApi;
    TokenManager *m_tokens;
    AuthState m_state = AuthState::Initial;
    User m_user;
    UrlOpener m_urlOpener;
    QPointer<WebAuthHandler> m_handler;
    int m_loginTimeoutMs;
};

} // namespace OrlAccount
