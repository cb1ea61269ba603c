#pragma once

#include <QByteArray>
#include <QString>

namespace OrlUpdate {

// Checks "latest.json.sig" against the exact bytes of "latest.json": the
// file holds the 64-byte detached Ed25519 signature in standard base64,
// optionally followed by white space. False, with a reason in `error`, for
// a signature that is malformed or does not verify with `publicKey` (32
// bytes).
bool verifyManifestSignature(const QByteArray &manifest, const QByteArray &signatureText, const QByteArray &publicKey, QString *error);

} // namespace OrlUpdate
