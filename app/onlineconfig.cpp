#include "app/onlineconfig.h"

#include <QProcessEnvironment>

namespace {

QString variable(const QProcessEnvironment &env, const char *name, const QString &fallback)
{
    const QString value = env.value(QString::fromLatin1(name));
    return value.isEmpty() ? fallback : value;
}

} // namespace

OnlineConfig OnlineConfig::fromEnvironment(const QString &appVersion)
{
    const auto env = QProcessEnvironment::systemEnvironment();
    const QString server = QString::fromLatin1(DefaultServer);
    OnlineConfig config;
    config.authBaseUrl = variable(env, "AUTH_BASE_URL", server);
    config.accountApiUrl = variable(env, "ACCOUNT_API_URL", server + QStringLiteral("/account/v1"));
    config.syncApiUrl = variable(env, "SYNC_API_URL", server + QStringLiteral("/quillby/v1"));
    config.client.authBaseUrl = config.authBaseUrl;
    config.client.realmSlug = variable(env, "AUTH_REALM_SLUG", QStringLiteral("orlindo"));
    config.client.accountApiUrl = config.accountApiUrl;
    config.client.clientId = variable(env, "AUTH_CLIENT_ID", QString::fromLatin1(DefaultClientId));
    config.client.appId = QString::fromLatin1(AppId);
    config.client.appName = QStringLiteral("Orlindo Quillby");
    config.client.appVersion = appVersion;
    config.client.accountPortalUrl = variable(env, "ACCOUNT_PORTAL_URL", server);
    return config;
}
