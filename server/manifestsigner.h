#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class ReleaseFolder;

// Signs the download service's manifests with Ed25519. The signature of
// "<channel>/latest.json" is written beside it as "latest.json.sig": the
// 64-byte detached signature of the file's exact bytes in standard base64,
// followed by a newline. A program built with the public key refuses a
// manifest whose signature does not verify.
class ManifestSigner
{
public:
    static constexpr int SecretKeyBytes = 64;
    static constexpr int PublicKeyBytes = 32;

    // A new key pair; the secret key holds the public one in its second half.
    static QByteArray newSecretKey();

    explicit ManifestSigner(QByteArray secretKey);

    // The key has the right size and its halves belong together.
    bool isValid() const;
    QByteArray publicKey() const;
    QByteArray signatureText(const QByteArray &manifest) const;

    // Signs every channel's latest.json. Each must be a JSON object of at
    // most 1 MiB; when one is not, nothing is written. `signedFiles` lists
    // the manifests signed, relative to the folder.
    bool signReleaseFolder(const ReleaseFolder &folder, QStringList &signedFiles, QString &error) const;

private:
    QByteArray m_secretKey;
};
