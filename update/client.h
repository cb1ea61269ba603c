#pragma once

#include "update/artifact.h"
#include "update/boundedget.h"
#include "update/updateconfig.h"

#include <QObject>

class QNetworkAccessManager;

namespace OrlUpdate {

struct Manifest;

// Asks the download service whether a newer build exists for this
// platform: fetches the channel's "latest.json" (and, when the build
// carries a public key, its signature "latest.json.sig"), checks it, and
// answers with exactly one of the three signals per check(). Downloads and
// installs nothing. A channel without a manifest (404), a platform without a
// build and a platform the manifest does not list all count as up to date.
// Failure texts are English and meant to follow a translated prefix.
class Client : public QObject
{
    Q_OBJECT

public:
    explicit Client(UpdateConfig config, QObject *parent = nullptr);

    // Starts one check; ignored while one is in flight.
    void check();
    bool isChecking() const { return m_inFlight; }
    const UpdateConfig &config() const { return m_config; }

    // The platform key used to pick the artifact; empty means "no builds for
    // this system". Set by tests that pose as another platform.
    void setPlatformKey(const QString &key) { m_platformKey = key; }
    QString platformKey() const { return m_platformKey; }

    static QUrl manifestUrl(const QUrl &baseUrl);

Q_SIGNALS:
    void updateAvailable(const OrlUpdate::Artifact &artifact);
    void upToDate();
    void checkFailed(const QString &reason);

private:
    void onManifest(BoundedGet::Outcome outcome, const QByteArray &body, const QString &errorText);
    void onSignature(const QByteArray &manifest, BoundedGet::Outcome outcome, const QByteArray &body, const QString &errorText);
    void evaluate(const QByteArray &manifestBytes);
    void finishFailed(const QString &reason);
    void finishUpToDate();
    void finishAvailable(const Artifact &artifact);
    BoundedGet *get(const QUrl &url);

    UpdateConfig m_config;
    QNetworkAccessManager *m_network;
    QString m_platformKey;
    bool m_inFlight = false;
};

} // namespace OrlUpdate
