#include "manifestsigner.h"

#include "releasefolder.h"

#include <QJsonDocument>
#include <QList>
#include <QSaveFile>

#include <sodium.h>

static_assert(ManifestSigner::SecretKeyBytes == crypto_sign_SECRETKEYBYTES);
static_assert(ManifestSigner::PublicKeyBytes == crypto_sign_PUBLICKEYBYTES);

QByteArray ManifestSigner::newSecretKey()
{
    QByteArray publicKey(crypto_sign_PUBLICKEYBYTES, Qt::Uninitialized);
    QByteArray secretKey(crypto_sign_SECRETKEYBYTES, Qt::Uninitialized);
    crypto_sign_keypair(reinterpret_cast<unsigned char *>(publicKey.data()), reinterpret_cast<unsigned char *>(secretKey.data()));
    return secretKey;
}

ManifestSigner::ManifestSigner(QByteArray secretKey)
    : m_secretKey(std::move(secretKey))
{
}

bool ManifestSigner::isValid() const
{
    if (m_secretKey.size() != SecretKeyBytes)
        return false;
    // Derive the pair again from the seed: a damaged file must not sign.
    unsigned char seed[crypto_sign_SEEDBYTES];
    unsigned char publicKey[crypto_sign_PUBLICKEYBYTES];
    unsigned char secretKey[crypto_sign_SECRETKEYBYTES];
    crypto_sign_ed25519_sk_to_seed(seed, reinterpret_cast<const unsigned char *>(m_secretKey.constData()));
    crypto_sign_seed_keypair(publicKey, secretKey, seed);
    const bool same = sodium_memcmp(secretKey, m_secretKey.constData(), crypto_sign_SECRETKEYBYTES) == 0;
    sodium_memzero(seed, sizeof seed);
    sodium_memzero(secretKey, sizeof secretKey);
    return same;
}

QByteArray ManifestSigner::publicKey() const
{
    if (m_secretKey.size() != SecretKeyBytes)
        return {};
    QByteArray key(crypto_sign_PUBLICKEYBYTES, Qt::Uninitialized);
    crypto_sign_ed25519_sk_to_pk(reinterpret_cast<unsigned char *>(key.data()), reinterpret_cast<const unsigned char *>(m_secretKey.constData()));
    return key;
}

QByteArray ManifestSigner::signatureText(const QByteArray &manifest) const
{
    QByteArray signature(crypto_sign_BYTES, Qt::Uninitialized);
    crypto_sign_detached(reinterpret_cast<unsigned char *>(signature.data()), nullptr, reinterpret_cast<const unsigned char *>(manifest.constData()),
                         quint64(manifest.size()), reinterpret_cast<const unsigned char *>(m_secretKey.constData()));
    return signature.toBase64() + '\n';
}

bool ManifestSigner::signReleaseFolder(const ReleaseFolder &folder, QStringList &signedFiles, QString &error) const
{
    if (!isValid()) {
        error = QStringLiteral("The signing key is damaged.");
        return false;
    }
    const QStringList channels = folder.channelsWithManifest();
    if (channels.isEmpty()) {
        error = QStringLiteral("%1 has no channel folder with a latest.json (for example stable/latest.json).").arg(folder.path());
        return false;
    }
    // Read and check every manifest first, so a bad one leaves all untouched.
    QList<QByteArray> manifests;
    for (const QString &channel : channels) {
        const QString name = channel + QStringLiteral("/latest.json");
        QByteArray manifest;
        switch (folder.read(channel, QStringLiteral("latest.json"), manifest)) {
        case ReleaseFolder::ReadResult::Ok:
            break;
        case ReleaseFolder::ReadResult::TooLarge:
            error = QStringLiteral("%1 is larger than 1 MiB.").arg(name);
            return false;
        case ReleaseFolder::ReadResult::NotFound:
        case ReleaseFolder::ReadResult::Failed:
            error = QStringLiteral("%1 cannot be read.").arg(name);
            return false;
        }
        QJsonParseError parseError{};
        if (!QJsonDocument::fromJson(manifest, &parseError).isObject()) {
            error = QStringLiteral("%1 is not a JSON object: %2").arg(name, parseError.errorString());
            return false;
        }
        manifests << manifest;
    }
    for (qsizetype i = 0; i < channels.size(); ++i) {
        QSaveFile out(folder.filePath(channels.at(i), QStringLiteral("latest.json.sig")));
        const QByteArray text = signatureText(manifests.at(i));
        if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size() || !out.commit()) {
            error = QStringLiteral("Cannot write %1/latest.json.sig: %2").arg(channels.at(i), out.errorString());
            return false;
        }
        signedFiles << channels.at(i) + QStringLiteral("/latest.json");
    }
    return true;
}
