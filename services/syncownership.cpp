#include "services/syncownership.h"

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/preferencesrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/sqltransaction.h"
#include "data/transactionrepository.h"

SyncOwnership::SyncOwnership(Database *database, PreferencesRepository *preferences, Repositories repositories, QObject *parent)
    : QObject(parent)
    , m_database(database)
    , m_preferences(preferences)
    , m_repositories(repositories)
{
}

QString SyncOwnership::ownerId() const
{
    return m_preferences->getValue(QString::fromLatin1(OwnerKey), QString());
}

SyncOwnership::SignIn SyncOwnership::noteSignIn(const QString &userId)
{
    const QString owner = ownerId();
    if (owner.isEmpty()) {
        m_preferences->set(QString::fromLatin1(OwnerKey), userId);
        return SignIn::Adopted;
    }
    return owner == userId ? SignIn::SameOwner : SignIn::OtherOwner;
}

bool SyncOwnership::maySyncAs(const QString &userId) const
{
    if (userId.isEmpty())
        return false;
    const QString owner = ownerId();
    return owner.isEmpty() || owner == userId;
}

Result<void> SyncOwnership::handOver(const QString &userId)
{
    if (userId.isEmpty())
        return Result<void>::failure(tr("No account is signed in."));
    SqlTransaction transaction(m_database->connection());
    if (!transaction.isActive())
        return Result<void>::failure(tr("The data could not be prepared for upload."));
    // Rows the old account had already received count as new to this one.
    m_repositories.accounts->markAllPendingForResync();
    m_repositories.categories->markAllPendingForResync();
    m_repositories.transactions->markAllPendingForResync();
    m_repositories.recurring->markAllPendingForResync();
    m_repositories.reconciliations->markAllPendingForResync();
    const bool stored = m_preferences->set(QString::fromLatin1(OwnerKey), userId) && m_preferences->remove(QStringLiteral("syncCursor"))
        && m_preferences->remove(QStringLiteral("lastSyncTimestamp"));
    if (!stored || !transaction.commit())
        return Result<void>::failure(tr("The data could not be prepared for upload."));
    return {};
}
