#pragma once

#include "tokenstore.h"

#include <memory>

namespace OrlAccount {

// The keyring when one answers, else the owner-only file in the data
// directory; says once in the log which one holds the tokens.
std::unique_ptr<TokenStore> createPlatformTokenStore(const QString &serviceName, const QString &dataDirectory);

} // namespace OrlAccount
