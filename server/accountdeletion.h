#pragma once

#include "storeoutcome.h"

#include <QString>

class Storage;

// Deleting an account takes 30 days: asking for it marks the user
// "deletion_scheduled" and signs out every session; signing in again before
// the day cancels it (the session store does that). The purge then deletes
// the user, and with it every row that refers to the user. An owner whose
// group still has other members cannot ask; an owner alone dissolves the
// group at once.
class AccountDeletion
{
public:
    static constexpr qint64 GraceSeconds = 30 * 24 * 3600;

    explicit AccountDeletion(Storage &storage);

    // On success `dueAt` is the time the purge may delete the account.
    StoreOutcome schedule(const QString &userId, qint64 &dueAt);

    // Deletes the accounts due by `now`; the number deleted, -1 on failure.
    // One statement, so several processes purging at once do no harm.
    int purgeDue(qint64 now);

private:
    Storage &m_storage;
};
