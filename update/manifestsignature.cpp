#include "update/manifestsignature.h"

#include <sodium.h>

namespace OrlUpdate {

bool verifyManifestSignature(const QByteArray &manifest, const QByteArray &signatureText, const QByteArray &publicKey, QString *error)
{
    const auto fail = [error](const QString &text) {
        if (error)
            *error = text;
        return false;
    };
    if (sodium_init() < 0)
        return fail(QStringLiteral("signature check unavailable"));
    if (publicKey.size() != qsizetype(crypto_sign_PUBLICKEYBYTES))
        return fail(QStringLiteral("public key has the wrong size"));
    const auto decoded = QByteArray::fromBase64Encoding(signatureText.trimmed(), QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.size() != qsizetype(crypto_sign_BYTES))
        return fail(QStringLiteral("signature is malformed"));
    const int result = crypto_sign_verify_detached(reinterpret_cast<const unsigned char *>(decoded.decoded.constData()),
                                                   reinterpret_cast<const unsigned char *>(manifest.constData()),
                                                   static_cast<unsigned long long>(manifest.size()),
                                                   reinterpret_cast<const unsigned char *>(publicKey.constData()));
    if (result != 0)
        return fail(QStringLiteral("signature does not verify"));
    return true;
}

} // namespace OrlUpdate
