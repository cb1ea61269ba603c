#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// Secrets the server keeps in files readable by its user only: the key that
// signs access tokens and CSRF tokens, and the manifest signing key.
namespace SecretStore {

// Reads the file, or creates it with `make()` (0600, written atomically) when
// it does not exist. A file of the wrong size or readable by others is
// refused with the reason in `error`.
QByteArray loadOrCreate(const QString &path, int size, const std::function<QByteArray()> &make, QString &error);

// `size` random bytes from libsodium.
QByteArray randomBytes(int size);

} // namespace SecretStore
