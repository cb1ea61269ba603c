#include "loginthrottle.h"

#include "storage.h"
#include "tokenservice.h"
#include "userstore.h"
#include "writetransaction.h"

#include <QRandomGenerator>
#include <QSqlQuery>

#include <algorithm>

namespace {

// Rows untouched for a day are dropped now and then, so guessing at many
// addresses does not grow the table for ever.
constexpr qint64 StaleSeconds = 24 * 3600;

} // namespace

LoginThrottle::LoginThrottle(Storage &storage)
    : m_storage(storage)
{
}

QString LoginThrottle::emailKey(const QString &email)
{
    return TokenService::hashToken(QStringLiteral("email:") + UserStore::normalizedEmail(email));
}

QString LoginThrottle::addressKey(const QString &clientAddress)
{
    return TokenService::hashToken(QStringLiteral("address:") + clientAddress);
}

qint64 LoginThrottle::lockedFor(const QString &email, const QString &clientAddress, qint64 now)
{
    QSqlQuery query(m_storage.connection());
    if (!Storage::run(query, QStringLiteral("SELECT MAX(locked_until) FROM login_failures WHERE key IN (?, ?)"),
                      {emailKey(email), clientAddress.isEmpty() ? emailKey(email) : addressKey(clientAddress)})
        || !query.next())
        return 0;
    return std::max<qint64>(0, query.value(0).toLongLong() - now);
}

qint64 LoginThrottle::recordFailure(const QString &email, const QString &clientAddress, qint64 now)
{
    QSqlDatabase db = m_storage.connection();
    WriteTransaction transaction(m_storage, db);
    if (!transaction.isOpen())
        return -1;
    QSqlQuery query(db);
    const qint64 emailLock = countFailure(query, emailKey(email), EmailFailureLimit, now);
    const qint64 addressLock = clientAddress.isEmpty() ? 0 : countFailure(query, addressKey(clientAddress), AddressFailureLimit, now);
    if (emailLock < 0 || addressLock < 0)
        return -1;
    if (QRandomGenerator::global()->bounded(100) == 0)
        Storage::run(query, QStringLiteral("DELETE FROM login_failures WHERE window_start < ? AND locked_until < ?"), {now - StaleSeconds, now - StaleSeconds});
    if (!transaction.commit())
        return -1;
    return std::max(emailLock, addressLock);
}

qint64 LoginThrottle::countFailure(QSqlQuery &query, const QString &key, int limit, qint64 now)
{
    // The row is made first so that two processes counting the first failure
    // of a key do not both insert; the read then locks it on PostgreSQL.
    if (!Storage::run(query, QStringLiteral("INSERT INTO login_failures (key, failures, window_start, locked_until, lockouts) VALUES (?, 0, ?, 0, 0) "
                                            "ON CONFLICT (key) DO NOTHING"),
                      {key, now})
        || !Storage::run(query, QStringLiteral("SELECT failures, window_start, locked_until, lockouts FROM login_failures WHERE key = ?") + m_storage.forUpdate(),
                         {key})
        || !query.next())
        return -1;
    qint64 failures = query.value(0).toLongLong();
    qint64 windowStart = query.value(1).toLongLong();
    qint64 lockedUntil = query.value(2).toLongLong();
    qint64 lockouts = query.value(3).toLongLong();
    query.finish();
    // A try that slipped past the check while another request locked the key
    // does not lengthen the lock.
    if (lockedUntil > now)
        return lockedUntil - now;
    // Locks double only while the guessing goes on: a quiet window after the
    // last lock starts over at the shortest.
    if (lockouts > 0 && now >= lockedUntil + WindowSeconds)
        lockouts = 0;
    if (now - windowStart >= WindowSeconds) {
        failures = 0;
        windowStart = now;
    }
    ++failures;
    qint64 lock = 0;
    if (failures >= limit) {
        ++lockouts;
        lock = std::min(FirstLockSeconds << std::min<qint64>(lockouts - 1, 16), LongestLockSeconds);
        lockedUntil = now + lock;
        failures = 0;
        windowStart = now;
    }
    if (!Storage::run(query, QStringLiteral("UPDATE login_failures SET failures = ?, window_start = ?, locked_until = ?, lockouts = ? WHERE key = ?"),
                      {failures, windowStart, lockedUntil, lockouts, key}))
        return -1;
    return lock;
}

void LoginThrottle::recordSuccess(const QString &email)
{
    QSqlQuery query(m_storage.connection());
    Storage::run(query, QStringLiteral("DELETE FROM login_failures WHERE key = ?"), {emailKey(email)});
}

QString LoginThrottle::lockedMessage(qint64 seconds)
{
    const qint64 minutes = std::max<qint64>(1, (seconds + 59) / 60);
    if (minutes == 1)
        return QStringLiteral("Too many attempts — try again in 1 minute.");
    return QStringLiteral("Too many attempts — try again in %1 minutes.").arg(minutes);
}
