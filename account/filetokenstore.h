#pragma once

#include "tokenstore.h"

namespace OrlAccount {

// Tokens in a JSON file readable by the user only (0600), written
// atomically, for machines without a keyring. Entries are kept per service
// name (the application id), as the keyring keeps them.
class FileTokenStore : public TokenStore
{
public:
    FileTokenStore(QString filePath, QString serviceName);

    std::optional<QString> load(const QString &key) override;
    bool save(const QString &key, const QString &value) override;
    bool remove(const QString &key) override;

private:
    QString m_filePath;
    QString m_serviceName;
};

} // namespace OrlAccount
