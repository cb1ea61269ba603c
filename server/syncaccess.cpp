#include "syncaccess.h"

#include "syncstore.h"

SyncAccess::SyncAccess(const QString &userId, SyncStore &store, ShareStore &shares)
    : m_userId(userId)
    , m_store(store)
    , m_shares(shares)
{
}

bool SyncAccess::load()
{
    m_memberShares = m_shares.sharesForMember(m_userId);
    for (const AccountShare &share : std::as_const(m_memberShares)) {
        if (share.isLive() && !m_liveOwners.contains(share.ownerId))
            m_liveOwners << share.ownerId;
    }
    return !m_store.failed();
}

QStringList SyncAccess::owners() const
{
    return QStringList{m_userId} + m_liveOwners;
}

SyncAccess::Account SyncAccess::account(const QString &accountId)
{
    if (const auto it = m_accounts.constFind(accountId); it != m_accounts.constEnd())
        return it.value();
    Account answer;
    // The user's own account wins over one of the same id shared with them.
    if (m_store.find(m_userId, SyncEntity::Account, accountId)) {
        answer.kind = Kind::Own;
        answer.ownerId = m_userId;
    } else {
        for (const AccountShare &share : std::as_const(m_memberShares)) {
            if (share.accountId != accountId)
                continue;
            if (share.isLive()) {
                answer = {Kind::Shared, share.ownerId, share.wasRevoked};
                break;
            }
            answer = {Kind::FormerlyShared, share.ownerId, true};
        }
    }
    m_accounts.insert(accountId, answer);
    return answer;
}

void SyncAccess::noteOwnAccount(const QString &accountId)
{
    m_accounts.insert(accountId, {Kind::Own, m_userId, false});
}

bool SyncAccess::isSharedWithUser(const QString &ownerId, const QString &accountId) const
{
    for (const AccountShare &share : m_memberShares) {
        if (share.isLive() && share.ownerId == ownerId && share.accountId == accountId)
            return true;
    }
    return false;
}

std::optional<QString> SyncAccess::ownerShowingCategory(const QString &categoryId)
{
    for (const AccountShare &share : std::as_const(m_memberShares)) {
        if (!share.isLive())
            continue;
        if (m_store.isReferenced(share.ownerId, share.accountId, categoryId))
            return share.ownerId;
        const auto row = m_store.find(share.ownerId, SyncEntity::Category, categoryId);
        if (row && row->accountId == share.accountId)
            return share.ownerId;
    }
    return std::nullopt;
}
