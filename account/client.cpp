#include "client.h"

#include "accountclient.h"
#include "apiclient.h"
#include "authclient.h"
#include "deviceidentity.h"
#include "tokenmanager.h"
#include "tokenstore.h"

namespace OrlAccount {

Client::Client(const ClientConfig &config, std::unique_ptr<TokenStore> tokenStore, QObject *parent)
    : QObject(parent)
    , m_config(config)
    , m_tokens(new TokenManager(std::move(tokenStore), this))
    , m_authApi(new ApiClient(m_tokens, this))
    , m_accountApi(new ApiClient(m_tokens, this))
    , m_syncApi(new ApiClient(m_tokens, this))
    , m_auth(nullptr)
    , m_account(nullptr)
{
    const QString platform = config.platform.isEmpty() ? DeviceIdentity::platformHeader() : config.platform;
    for (ApiClient *api : {m_authApi, m_accountApi, m_syncApi})
        api->setAppInfo(config.appId, config.appVersion, platform);
    m_authApi->setBaseUrl(QUrl(QStringLiteral("%1/api/v1/realms/%2").arg(config.authBaseUrl, config.realmSlug)));
    m_accountApi->setBaseUrl(QUrl(config.accountApiUrl));
    m_auth = new AuthClient(config.authBaseUrl, config.realmSlug, config.clientId, m_authApi, m_tokens, this);
    m_account = new AccountClient(m_accountApi, m_auth, config.appId, config.appName, config.appVersion, this);
    connect(m_auth, &AuthClient::stateChanged, this, [this](AuthState state) {
        Q_EMIT authStateChanged(state);
        if (state == AuthState::SignedIn)
            Q_EMIT claimsUpdated(claims());
    });
}

Client::~Client() = default;

void Client::initialize()
{
    m_auth->initialize();
}

bool Client::isAuthenticated() const
{
    return m_auth->isAuthenticated();
}

OrlClaims Client::claims() const
{
    const QString token = m_tokens->accessToken();
    return token.isEmpty() ? OrlClaims() : parseClaims(token);
}

} // namespace OrlAccount
