#pragma once

#include "tokenstore.h"

namespace OrlAccount {

// Tokens in the desktop's Secret Service through QtKeychain. Each entry's
// target is "Orlindo/<service name>/<key>", the service name being the
// application id. The keyring answers asynchronously; each call waits for
// it with a time limit, so a hung keyring can't hang the program.
class KeychainTokenStore : public TokenStore
{
public:
    explicit KeychainTokenStore(QString serviceName, int timeoutMs = 5000);

    // Whether a keyring answers at all (a missing entry counts as an answer).
    bool isAvailable();

    std::optional<QString> load(const QString &key) override;
    bool save(const QString &key, const QString &value) override;
    bool remove(const QString &key) override;

private:
    QString service() const;

    QString m_serviceName;
    int m_timeoutMs;
};

} // namespace OrlAccount
