#pragma once

#include <QString>

// Passwords are kept only as Argon2id hashes (libsodium's encoded form,
// which carries its own salt and cost).
namespace PasswordHasher {

// Empty when libsodium could not allocate the memory the hash needs.
QString hash(const QString &password);
bool verify(const QString &password, const QString &encodedHash);

// The rules for a new password; empty when it is acceptable, else the reason.
QString weakness(const QString &password);

} // namespace PasswordHasher
