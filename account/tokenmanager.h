#pragma once

#include "tokenstore.h"

#include <QMutex>
#include <QObject>

#include <functional>
#include <memory>

namespace OrlAccount {

enum class RefreshResult { Refreshed = 0, Rejected = 1, TransientFailure = 2 };

// Holds the access and refresh tokens, decides when they are stale, and
// runs at most one refresh at a time however many requests need one.
class TokenManager : public QObject
{
    Q_OBJECT

public:
    using TokensCallback = std::function<void(const QString &access, const QString &refresh)>;
    using FailureCallback = std::function<void(bool rejected)>;
    using RefreshFunction = std::function<void(const QString &refreshToken, TokensCallback onTokens, FailureCallback onFailure)>;
    using RefreshCallback = std::function<void(RefreshResult)>;

    static constexpr qint64 ExpiryMarginSeconds = 30;

    explicit TokenManager(std::unique_ptr<TokenStore> store, QObject *parent = nullptr);
    ~TokenManager() override;

    void loadTokens();
    // Sign-in and sign-out. Either one makes a refresh still under way stale:
    // its answer is dropped rather than bringing back tokens of before.
    void setTokens(const QString &access, const QString &refresh);
    void clearTokens();

    QString accessToken() const;
    QString storedRefreshToken() const { return m_refreshToken; }
    bool needsRefresh() const;

    void setRefreshFunction(RefreshFunction function) { m_refreshFunction = std::move(function); }
    void refresh(RefreshCallback callback);

    // Unexpired: "exp" readable and now < exp - margin.
    static bool isUnexpired(const QString &token, qint64 nowSeconds);

private:
    void storeTokens(const QString &access, const QString &refresh);
    void finishRefresh(RefreshResult result);

    std::unique_ptr<TokenStore> m_store;
    QString m_accessToken;
    QString m_refreshToken;
    RefreshFunction m_refreshFunction;
    mutable QMutex m_lock;
    bool m_refreshInFlight = false;
    QList<RefreshCallback> m_pending;
    quint64 m_generation = 0;
};

} // namespace OrlAccount
