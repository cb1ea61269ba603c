#pragma once

#include <QString>

#include <optional>

namespace OrlAccount {

// Keeps the two tokens across runs.
class TokenStore
{
public:
    static constexpr const char *AccessTokenKey = "orlindo_access_token";
    static constexpr const char *RefreshTokenKey = "orlindo_refresh_token";

    virtual ~TokenStore() = default;
    virtual std::optional<QString> load(const QString &key) = 0;
    virtual bool save(const QString &key, const QString &value) = 0;
    virtual bool remove(const QString &key) = 0;
    virtual void clear();
};

} // namespace OrlAccount
