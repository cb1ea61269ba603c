#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

namespace OrlUpdate {

// What the update client needs to know: who asks, on which channel, where
// the channel's folder is and which version runs. Also the limits of every
// request and, when the build carries one, the public key that must have
// signed the manifest.
struct UpdateConfig
{
    static constexpr int DefaultTimeoutMs = 15000;
    static constexpr qint64 DefaultMaxManifestBytes = 1024 * 1024;
    static constexpr qint64 DefaultMaxNotesBytes = 1024 * 1024;

    QString appId;
    QString channel;
    QUrl manifestBaseUrl;
    QString currentVersion;

    // 32-byte Ed25519 public key; empty when manifests are not verified.
    QByteArray publicKey;
    int timeoutMs = DefaultTimeoutMs;
    qint64 maxManifestBytes = DefaultMaxManifestBytes;
    qint64 maxNotesBytes = DefaultMaxNotesBytes;

    // The configuration of a program: the base from UPDATE_BASE_URL when set
    // (else `defaultBaseUrl`), with "/" added when missing; the channel is
    // the base's last folder name ("stable" for ".../quillby/stable/"); the
    // public key is the one built in (QUILLBY_UPDATE_PUBLIC_KEY).
    static UpdateConfig fromEnvironment(const QString &appId, const QString &currentVersion, const QString &defaultBaseUrl);
    // The last folder name of a base address, or empty.
    static QString channelOf(const QUrl &baseUrl);
};

} // namespace OrlUpdate
