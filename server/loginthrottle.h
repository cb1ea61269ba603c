#pragma once

#include <QString>

class QSqlQuery;
class Storage;

// Slows down password guessing. Failures are counted per e-mail address and
// per client address in the database, so every server process on it sees
// them and a restart forgets nothing. Five failures for one e-mail address
// within fifteen minutes lock it for a minute; each further lock in a row
// lasts twice as long, up to fifteen minutes. A client address gets more
// tries, since several people may sign in from behind one. An address that
// has no account counts the same as one that has, so the answers tell nothing
// about which accounts exist. The keys are stored hashed.
class LoginThrottle
{
public:
    static constexpr int EmailFailureLimit = 5;
    static constexpr int AddressFailureLimit = 20;
    static constexpr qint64 WindowSeconds = 15 * 60;
    static constexpr qint64 FirstLockSeconds = 60;
    static constexpr qint64 LongestLockSeconds = 15 * 60;

    explicit LoginThrottle(Storage &storage);

    // Seconds until the e-mail address and the client address may both try
    // again; 0 when neither is locked. An empty client address is not counted.
    qint64 lockedFor(const QString &email, const QString &clientAddress, qint64 now);
    // Counts one failure against both; returns the seconds they are locked
    // now (0 when the failure did not lock them), or -1 when the database
    // failed.
    qint64 recordFailure(const QString &email, const QString &clientAddress, qint64 now);
    // A successful sign-in clears the e-mail address's count; the client
    // address keeps its count, so one good account cannot unlock guessing at
    // others.
    void recordSuccess(const QString &email);

    // "Too many attempts — try again in N minutes."
    static QString lockedMessage(qint64 seconds);

private:
    static QString emailKey(const QString &email);
    static QString addressKey(const QString &clientAddress);
    // Within an open write transaction: counts a failure for one key and
    // returns its lock in seconds (0: none), or -1 on a database failure.
    qint64 countFailure(QSqlQuery &query, const QString &key, int limit, qint64 now);

    Storage &m_storage;
};
