#include "passwordhasher.h"

#include <sodium.h>

namespace PasswordHasher {

QString hash(const QString &password)
{
    const QByteArray bytes = password.toUtf8();
    char encoded[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str_alg(encoded, bytes.constData(), quint64(bytes.size()), crypto_pwhash_OPSLIMIT_INTERACTIVE,
                              crypto_pwhash_MEMLIMIT_INTERACTIVE, crypto_pwhash_ALG_ARGON2ID13) != 0)
        return {};
    return QString::fromLatin1(encoded);
}

bool verify(const QString &password, const QString &encodedHash)
{
    const QByteArray bytes = password.toUtf8();
    const QByteArray stored = encodedHash.toLatin1();
    if (stored.isEmpty() || stored.size() >= crypto_pwhash_STRBYTES)
        return false;
    return crypto_pwhash_str_verify(stored.constData(), bytes.constData(), quint64(bytes.size())) == 0;
}

QString weakness(const QString &password)
{
    if (password.size() < 8)
        return QStringLiteral("The password needs at least 8 characters.");
    if (password.toUtf8().size() > 1024)
        return QStringLiteral("The password is too long.");
    return {};
}

} // namespace PasswordHasher
