#include "update/publickey.h"

#include <QRegularExpression>

#ifndef QUILLBY_UPDATE_PUBLIC_KEY
#define QUILLBY_UPDATE_PUBLIC_KEY ""
#endif

namespace OrlUpdate {

namespace {

constexpr qsizetype KeyBytes = 32;

} // namespace

QByteArray decodePublicKey(const QByteArray &text)
{
    const QByteArray trimmed = text.trimmed();
    static const QRegularExpression hex(QStringLiteral("^[0-9A-Fa-f]{64}$"));
    if (hex.match(QString::fromLatin1(trimmed)).hasMatch())
        return QByteArray::fromHex(trimmed);
    const auto decoded = QByteArray::fromBase64Encoding(trimmed, QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.size() != KeyBytes)
        return {};
    return decoded.decoded;
}

QByteArray builtInPublicKey()
{
    return decodePublicKey(QByteArrayLiteral(QUILLBY_UPDATE_PUBLIC_KEY));
}

} // namespace OrlUpdate
