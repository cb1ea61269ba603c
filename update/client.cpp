#include "update/client.h"

#include "update/addresspolicy.h"
#include "update/manifest.h"
#include "update/manifestsignature.h"
#include "update/platformkey.h"
#include "update/versionnumber.h"

#include <QLoggingCategory>
#include <QNetworkAccessManager>

Q_LOGGING_CATEGORY(lcUpdateClient, "orlupdate.client")

namespace OrlUpdate {

namespace {

// A signature file is one line of base64; anything longer is not one.
constexpr qint64 MaxSignatureBytes = 4096;

} // namespace

Client::Client(UpdateConfig config, QObject *parent)
    : QObject(parent)
    , m_config(std::move(config))
    , m_network(new QNetworkAccessManager(this))
    , m_platformKey(currentPlatformKey())
{
    qRegisterMetaType<OrlUpdate::Artifact>();
}

QUrl Client::manifestUrl(const QUrl &baseUrl)
{
    QUrl url = baseUrl;
    QString path = url.path(QUrl::FullyDecoded);
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    url.setPath(path + QStringLiteral("latest.json"), QUrl::DecodedMode);
    return url;
}

void Client::check()
{
    if (m_inFlight) {
        qCDebug(lcUpdateClient) << "check already in flight, ignoring";
        return;
    }
    if (!m_config.manifestBaseUrl.isValid()) {
        Q_EMIT checkFailed(QStringLiteral("manifestBaseUrl is not valid"));
        return;
    }
    if (m_config.currentVersion.isEmpty()) {
        Q_EMIT checkFailed(QStringLiteral("currentVersion is empty"));
        return;
    }
    if (!isTrustedAddress(m_config.manifestBaseUrl)) {
        Q_EMIT checkFailed(QStringLiteral("manifest invalid: manifestBaseUrl is neither https nor a loopback address"));
        return;
    }
    m_inFlight = true;
    connect(get(manifestUrl(m_config.manifestBaseUrl)), &BoundedGet::finished, this, &Client::onManifest);
}

BoundedGet *Client::get(const QUrl &url)
{
    return new BoundedGet(m_network, url, m_config.appId, {m_config.timeoutMs, m_config.maxManifestBytes}, this);
}

void Client::onManifest(BoundedGet::Outcome outcome, const QByteArray &body, const QString &errorText)
{
    switch (outcome) {
    case BoundedGet::Outcome::Ok:
        break;
    case BoundedGet::Outcome::NotFound:
        qCInfo(lcUpdateClient) << "manifest 404, treating as up-to-date";
        finishUpToDate();
        return;
    case BoundedGet::Outcome::TooLarge:
        finishFailed(QStringLiteral("manifest invalid: %1").arg(errorText));
        return;
    case BoundedGet::Outcome::TimedOut:
    case BoundedGet::Outcome::RedirectRefused:
    case BoundedGet::Outcome::NetworkError:
        finishFailed(QStringLiteral("network error: %1").arg(errorText));
        return;
    }
    if (m_config.publicKey.isEmpty()) {
        evaluate(body);
        return;
    }
    QUrl signatureUrl = manifestUrl(m_config.manifestBaseUrl);
    signatureUrl.setPath(signatureUrl.path(QUrl::FullyDecoded) + QStringLiteral(".sig"), QUrl::DecodedMode);
    auto *request = new BoundedGet(m_network, signatureUrl, m_config.appId, {m_config.timeoutMs, MaxSignatureBytes}, this);
    connect(request, &BoundedGet::finished, this,
            [this, body](BoundedGet::Outcome signatureOutcome, const QByteArray &signature, const QString &signatureError) {
                onSignature(body, signatureOutcome, signature, signatureError);
            });
}

void Client::onSignature(const QByteArray &manifest, BoundedGet::Outcome outcome, const QByteArray &body, const QString &errorText)
{
    switch (outcome) {
    case BoundedGet::Outcome::Ok:
        break;
    case BoundedGet::Outcome::NotFound:
        finishFailed(QStringLiteral("manifest invalid: the manifest is not signed"));
        return;
    case BoundedGet::Outcome::TooLarge:
        finishFailed(QStringLiteral("manifest invalid: signature is malformed"));
        return;
    case BoundedGet::Outcome::TimedOut:
    case BoundedGet::Outcome::RedirectRefused:
    case BoundedGet::Outcome::NetworkError:
        finishFailed(QStringLiteral("network error: %1").arg(errorText));
        return;
    }
    QString error;
    if (!verifyManifestSignature(manifest, body, m_config.publicKey, &error)) {
        finishFailed(QStringLiteral("manifest invalid: %1").arg(error));
        return;
    }
    evaluate(manifest);
}

void Client::evaluate(const QByteArray &manifestBytes)
{
    QString error;
    const Manifest manifest = parseManifest(manifestBytes, &error);
    if (!manifest.isValid()) {
        finishFailed(QStringLiteral("manifest invalid: %1").arg(error));
        return;
    }
    // A manifest meant for another product or channel (a mixed-up folder or
    // a copied file) must not offer its builds here.
    if (manifest.app != m_config.appId) {
        finishFailed(QStringLiteral("manifest invalid: app is \"%1\", expected \"%2\"").arg(manifest.app, m_config.appId));
        return;
    }
    if (manifest.channel != m_config.channel) {
        finishFailed(QStringLiteral("manifest invalid: channel is \"%1\", expected \"%2\"").arg(manifest.channel, m_config.channel));
        return;
    }
    if (m_platformKey.isEmpty()) {
        qCWarning(lcUpdateClient) << "unknown platform, skipping update check";
        finishUpToDate();
        return;
    }
    const auto found = manifest.artifacts.constFind(m_platformKey);
    if (found == manifest.artifacts.constEnd()) {
        qCInfo(lcUpdateClient) << "platform" << m_platformKey << "not shipped in current manifest";
        finishUpToDate();
        return;
    }
    const Artifact &artifact = *found;
    const VersionNumber current = parseVersion(m_config.currentVersion);
    if (!(current < parseVersion(artifact.version))) {
        finishUpToDate();
        return;
    }
    if (!artifact.minUpgradableFrom.isEmpty() && current < parseVersion(artifact.minUpgradableFrom)) {
        finishFailed(QStringLiteral("current version %1 is older than min_upgradable_from %2; please upgrade to an intermediate release first")
                         .arg(m_config.currentVersion, artifact.minUpgradableFrom));
        return;
    }
    finishAvailable(artifact);
}

void Client::finishFailed(const QString &reason)
{
    m_inFlight = false;
    Q_EMIT checkFailed(reason);
}

void Client::finishUpToDate()
{
    m_inFlight = false;
    Q_EMIT upToDate();
}

void Client::finishAvailable(const Artifact &artifact)
{
    m_inFlight = false;
    Q_EMIT updateAvailable(artifact);
}

} // namespace OrlUpdate
