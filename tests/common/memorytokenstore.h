#pragma once

#include "account/tokenstore.h"

#include <map>
#include <memory>

// Tokens kept in memory for tests. The map is shared, so a test can read
// what the client stored after handing the store over.
class MemoryTokenStore : public OrlAccount::TokenStore
{
public:
    MemoryTokenStore() = default;
    MemoryTokenStore(const QString &access, const QString &refresh)
    {
        (*values)[QString::fromLatin1(AccessTokenKey)] = access;
        (*values)[QString::fromLatin1(RefreshTokenKey)] = refresh;
    }

    std::optional<QString> load(const QString &key) override
    {
        const auto it = values->find(key);
        return it == values->end() ? std::nullopt : std::optional<QString>(it->second);
    }
    bool save(const QString &key, const QString &value) override
    {
        (*values)[key] = value;
        return true;
    }
    bool remove(const QString &key) override
    {
        values->erase(key);
        return true;
    }

    std::shared_ptr<std::map<QString, QString>> values = std::make_shared<std::map<QString, QString>>();
};
