#include "tokenmanager.h"

#include "jwt.h"

#include <QDateTime>
#include <QMutexLocker>

namespace OrlAccount {

TokenManager::TokenManager(std::unique_ptr<TokenStore> store, QObject *parent)
    : QObject(parent)
    , m_store(std::move(store))
{
}

TokenManager::~TokenManager() = default;

void TokenManager::loadTokens()
{
    m_accessToken = m_store->load(QString::fromLatin1(TokenStore::AccessTokenKey)).value_or(QString());
    m_refreshToken = m_store->load(QString::fromLatin1(TokenStore::RefreshTokenKey)).value_or(QString());
}

void TokenManager::storeTokens(const QString &access, const QString &refresh)
{
    m_accessToken = access;
    m_refreshToken = refresh;
    // A token that can't be persisted still works for the rest of the run.
    m_store->save(QString::fromLatin1(TokenStore::AccessTokenKey), access);
    m_store->save(QString::fromLatin1(TokenStore::RefreshTokenKey), refresh);
}

void TokenManager::setTokens(const QString &access, const QString &refresh)
{
    ++m_generation;
    storeTokens(access, refresh);
}

void TokenManager::clearTokens()
{
    ++m_generation;
    m_accessToken.clear();
    m_refreshToken.clear();
    m_store->clear();
}

bool TokenManager::isUnexpired(const QString &token, qint64 nowSeconds)
{
    const qint64 expiry = jwtExpiry(token);
    return expiry != 0 && nowSeconds < expiry - ExpiryMarginSeconds;
}

QString TokenManager::accessToken() const
{
    return isUnexpired(m_accessToken, QDateTime::currentSecsSinceEpoch()) ? m_accessToken : QString();
}

bool TokenManager::needsRefresh() const
{
    if (!m_accessToken.isEmpty() && isUnexpired(m_accessToken, QDateTime::currentSecsSinceEpoch()))
        return false;
    return !m_refreshToken.isEmpty();
}

void TokenManager::refresh(RefreshCallback callback)
{
    QMutexLocker locker(&m_lock);
    if (callback)
        m_pending.append(std::move(callback));
    if (m_refreshInFlight)
        return;
    if (m_refreshToken.isEmpty() || !m_refreshFunction) {
        const QList<RefreshCallback> waiting = std::exchange(m_pending, {});
        locker.unlock();
        for (const auto &waiter : waiting)
            waiter(RefreshResult::Rejected);
        return;
    }
    m_refreshInFlight = true;
    const QString token = m_refreshToken;
    const quint64 generation = m_generation;
    locker.unlock();

    m_refreshFunction(
        token,
        [this, generation](const QString &access, const QString &refresh) {
            if (generation != m_generation) {
                // Signed out or signed in anew meanwhile: these tokens belong
                // to a session that is over. The waiters go on with whatever
                // is held now.
                finishRefresh(accessToken().isEmpty() ? RefreshResult::Rejected : RefreshResult::Refreshed);
                return;
            }
            // An answer without a refresh token keeps the one held.
            storeTokens(access, refresh.isEmpty() ? m_refreshToken : refresh);
            finishRefresh(RefreshResult::Refreshed);
        },
        [this, generation](bool rejected) {
            if (generation != m_generation && !accessToken().isEmpty()) {
                finishRefresh(RefreshResult::Refreshed);
                return;
            }
            finishRefresh(rejected ? RefreshResult::Rejected : RefreshResult::TransientFailure);
        });
}

void TokenManager::finishRefresh(RefreshResult result)
{
    QMutexLocker locker(&m_lock);
    m_refreshInFlight = false;
    const QList<RefreshCallback> waiting = std::exchange(m_pending, {});
    locker.unlock();
    for (const auto &waiter : waiting)
        waiter(result);
}

} // namespace OrlAccount
