#include "update/updateconfig.h"

#include "update/publickey.h"

#include <QStringList>

namespace OrlUpdate {

UpdateConfig UpdateConfig::fromEnvironment(const QString &appId, const QString &currentVersion, const QString &defaultBaseUrl)
{
    QString base = qEnvironmentVariable("UPDATE_BASE_URL").trimmed();
    if (base.isEmpty())
        base = defaultBaseUrl;
    QUrl url(base, QUrl::StrictMode);
    if (url.isValid() && !url.path().endsWith(QLatin1Char('/')))
        url.setPath(url.path(QUrl::FullyDecoded) + QLatin1Char('/'), QUrl::DecodedMode);

    UpdateConfig config;
    config.appId = appId;
    config.channel = channelOf(url);
    config.manifestBaseUrl = url;
    config.currentVersion = currentVersion;
    config.publicKey = builtInPublicKey();
    return config;
}

QString UpdateConfig::channelOf(const QUrl &baseUrl)
{
    const QStringList parts = baseUrl.path(QUrl::FullyDecoded).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    return parts.isEmpty() ? QString() : parts.constLast();
}

} // namespace OrlUpdate
