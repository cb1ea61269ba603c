#include "housekeeping.h"

#include "accountdeletion.h"
#include "groupstore.h"
#include "serverlog.h"
#include "storage.h"

Housekeeping::Housekeeping(Storage &storage)
    : m_storage(storage)
{
}

Housekeeping::~Housekeeping()
{
    stop();
}

void Housekeeping::runOnce()
{
    const qint64 now = Storage::now();
    const int purged = AccountDeletion(m_storage).purgeDue(now);
    if (purged < 0)
        ServerLog::warning(QStringLiteral("account_purge_failed"));
    else if (purged > 0)
        ServerLog::info(QStringLiteral("accounts_purged"), {{QStringLiteral("count"), purged}});
    const int expired = GroupStore(m_storage).deleteExpiredInvitations(now);
    if (expired < 0)
        ServerLog::warning(QStringLiteral("invitation_cleanup_failed"));
    else if (expired > 0)
        ServerLog::info(QStringLiteral("invitations_expired"), {{QStringLiteral("count"), expired}});
}

void Housekeeping::start()
{
    if (m_thread.joinable())
        return;
    m_stopping = false;
    m_thread = std::thread([this] {
        std::unique_lock lock(m_lock);
        while (!m_wake.wait_for(lock, Interval, [this] { return m_stopping; })) {
            lock.unlock();
            runOnce();
            lock.lock();
        }
    });
}

void Housekeeping::stop()
{
    {
        const std::lock_guard guard(m_lock);
        m_stopping = true;
    }
    m_wake.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}
