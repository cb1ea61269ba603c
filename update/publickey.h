#pragma once

#include <QByteArray>

namespace OrlUpdate {

// An Ed25519 public key written as 64 hexadecimal digits or as standard
// base64 (with or without padding): the 32 key bytes, or empty when the
// text is neither.
QByteArray decodePublicKey(const QByteArray &text);

// The key this build was made with (the CMake cache variable
// QUILLBY_UPDATE_PUBLIC_KEY), decoded; empty when none was given. A key
// that is given but cannot be decoded is refused when configuring, so an
// empty answer never stands for a broken key.
QByteArray builtInPublicKey();

} // namespace OrlUpdate
