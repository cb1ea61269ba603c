#pragma once

#include "accounttypes.h"
#include "clientconfig.h"
#include "jwt.h"

#include <QObject>

#include <memory>

namespace OrlAccount {

class AccountClient;
class ApiClient;
class AuthClient;
class TokenManager;
class TokenStore;

// The online-account library's front: builds and owns the token manager,
// the three API clients, the auth client and the account client.
class Client : public QObject
{
    Q_OBJECT

public:
    Client(const ClientConfig &config, std::unique_ptr<TokenStore> tokenStore, QObject *parent = nullptr);
    ~Client() override;

    void initialize();
    bool isAuthenticated() const;
    OrlClaims claims() const;
    const ClientConfig &config() const { return m_config; }

    TokenManager *tokenManager() const { return m_tokens; }
    ApiClient *authApi() const { return m_authApi; }
    ApiClient *accountApi() const { return m_accountApi; }
    ApiClient *syncApi() const { return m_syncApi; }
    AuthClient *authClient() const { return m_auth; }
    AccountClient *accountClient() const { return m_account; }

Q_SIGNALS:
    void authStateChanged(OrlAccount::AuthState state);
    void claimsUpdated(const OrlAccount::OrlClaims &claims);

private:
    ClientConfig m_config;
    TokenManager *m_tokens;
    ApiClient *m_authApi;
    ApiClient *m_accountApi;
    ApiClient *m_syncApi;
    AuthClient *m_auth;
    AccountClient *m_account;
};

} // namespace OrlAccount
