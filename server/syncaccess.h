#pragma once

#include "sharestore.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class SyncStore;

// Whose data set an account's rows belong to, seen from one pushing user:
// their own accounts, accounts shared with them (the owner's data set), and
// accounts whose share has ended. Answers are kept for the request.
class SyncAccess
{
public:
    enum class Kind { Own, Shared, FormerlyShared, None };

    struct Account
    {
        Kind kind = Kind::None;
        QString ownerId;
        bool wasRevoked = false; // a live share that had ended before
    };

    SyncAccess(const QString &userId, SyncStore &store, ShareStore &shares);

    // Reads the user's shares; false when storage failed.
    bool load();
    const QString &userId() const { return m_userId; }
    // The user and every owner sharing an account with them: the sequences
    // a push may number.
    QStringList owners() const;
    bool hasLiveShares() const { return !m_liveOwners.isEmpty(); }

    Account account(const QString &accountId);
    void noteOwnAccount(const QString &accountId);
    // Whether the owner's account is shared with the user now.
    bool isSharedWithUser(const QString &ownerId, const QString &accountId) const;
    // The owner whose category the user sees through a shared account, if any.
    std::optional<QString> ownerShowingCategory(const QString &categoryId);

private:
    QString m_userId;
    SyncStore &m_store;
    ShareStore &m_shares;
    QList<AccountShare> m_memberShares;
    QStringList m_liveOwners;
    QHash<QString, Account> m_accounts;
};
