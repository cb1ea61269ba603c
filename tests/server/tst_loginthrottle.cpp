#include "loginthrottle.h"
#include "serverlog.h"
#include "storage.h"

#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <sodium.h>

#include <memory>

// The counting and locking rules, with the clock in the test's hands.
class TestLoginThrottle : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(sodium_init() >= 0);
        ServerLog::setQuiet(true);
    }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_storage = std::make_unique<Storage>();
        QString error;
        QVERIFY2(m_storage->open(m_dir->filePath(QStringLiteral("server.db")), {}, error), qPrintable(error));
        m_throttle = std::make_unique<LoginThrottle>(*m_storage);
    }

    void cleanup()
    {
        m_throttle.reset();
        m_storage.reset();
        m_dir.reset();
    }

    void theFifthFailureLocksForAMinute()
    {
        for (int failure = 1; failure < LoginThrottle::EmailFailureLimit; ++failure) {
            QCOMPARE(m_throttle->recordFailure(Grace, Address, Start + failure), 0);
            QCOMPARE(m_throttle->lockedFor(Grace, Address, Start + failure), 0);
        }
        QCOMPARE(m_throttle->recordFailure(Grace, Address, Start + 10), 60);
        QCOMPARE(m_throttle->lockedFor(Grace, Address, Start + 11), 59);
        // The address is compared as the server stores it.
        QCOMPARE(m_throttle->lockedFor(QStringLiteral("  GRACE@example.org"), {}, Start + 11), 59);
        QCOMPARE(m_throttle->lockedFor(Grace, Address, Start + 70), 0);
        // Other addresses are free.
        QCOMPARE(m_throttle->lockedFor(QStringLiteral("alan@example.org"), Address, Start + 11), 0);
    }

    void failuresSpreadOverMoreThanTheWindowDoNotLock()
    {
        for (int failure = 0; failure < 3 * LoginThrottle::EmailFailureLimit; ++failure)
            QCOMPARE(m_throttle->recordFailure(Grace, Address, Start + failure * (LoginThrottle::WindowSeconds / 4 + 1)), 0);
    }

    void locksDoubleWhileTheGuessingGoesOn()
    {
        qint64 now = Start;
        QList<qint64> locks;
        for (int round = 0; round < 7; ++round) {
            qint64 lock = 0;
            for (int failure = 0; failure < LoginThrottle::EmailFailureLimit; ++failure)
                lock = m_throttle->recordFailure(Grace, {}, ++now);
            locks << lock;
            now += lock; // tries again as soon as it may
        }
        QCOMPARE(locks, (QList<qint64>{60, 120, 240, 480, 900, 900, 900}));
    }

    void aQuietWindowAfterALockStartsOver()
    {
        qint64 lock = 0;
        for (int failure = 0; failure < LoginThrottle::EmailFailureLimit; ++failure)
            lock = m_throttle->recordFailure(Grace, {}, Start);
        QCOMPARE(lock, 60);
        const qint64 later = Start + lock + LoginThrottle::WindowSeconds;
        for (int failure = 0; failure < LoginThrottle::EmailFailureLimit; ++failure)
            lock = m_throttle->recordFailure(Grace, {}, later);
        QCOMPARE(lock, 60);
    }

    void aFailureDuringALockDoesNotLengthenIt()
    {
        for (int failure = 0; failure < LoginThrottle::EmailFailureLimit; ++failure)
            m_throttle->recordFailure(Grace, {}, Start);
        QCOMPARE(m_throttle->recordFailure(Grace, {}, Start + 30), 30);
        QCOMPARE(m_throttle->lockedFor(Grace, {}, Start + 30), 30);
    }

    void aSuccessClearsTheAddressCountOnly()
    {
        for (int failure = 1; failure < LoginThrottle::EmailFailureLimit; ++failure)
            m_throttle->recordFailure(Grace, Address, Start);
        m_throttle->recordSuccess(Grace);
        for (int failure = 1; failure < LoginThrottle::EmailFailureLimit; ++failure)
            QCOMPARE(m_throttle->recordFailure(Grace, Address, Start + 1), 0);
        // Eight failures so far from the client address; twelve more lock it,
        // whatever the e-mail addresses, and the success did not reset it.
        m_throttle->recordSuccess(Grace);
        qint64 lock = 0;
        for (int failure = 8; failure < LoginThrottle::AddressFailureLimit; ++failure)
            lock = m_throttle->recordFailure(QStringLiteral("user%1@example.org").arg(failure), Address, Start + 2);
        QCOMPARE(lock, 60);
        QCOMPARE(m_throttle->lockedFor(QStringLiteral("someone.else@example.org"), Address, Start + 3), 59);
        QCOMPARE(m_throttle->lockedFor(QStringLiteral("someone.else@example.org"), QStringLiteral("192.0.2.7"), Start + 3), 0);
    }

    void keysAreKeptHashed()
    {
        m_throttle->recordFailure(Grace, Address, Start);
        QSqlQuery query(m_storage->connection());
        QVERIFY(query.exec(QStringLiteral("SELECT key FROM login_failures")));
        int rows = 0;
        while (query.next()) {
            ++rows;
            const QString key = query.value(0).toString();
            QVERIFY(!key.contains(QLatin1String("grace")));
            QVERIFY(!key.contains(Address));
        }
        QCOMPARE(rows, 2);
    }

    void lockedMessage_data()
    {
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<QString>("message");
        QTest::newRow("seconds left") << qint64(5) << QStringLiteral("Too many attempts — try again in 1 minute.");
        QTest::newRow("one minute") << qint64(60) << QStringLiteral("Too many attempts — try again in 1 minute.");
        QTest::newRow("just over a minute") << qint64(61) << QStringLiteral("Too many attempts — try again in 2 minutes.");
        QTest::newRow("longest") << qint64(900) << QStringLiteral("Too many attempts — try again in 15 minutes.");
    }

    void lockedMessage()
    {
        QFETCH(qint64, seconds);
        QFETCH(QString, message);
        QCOMPARE(LoginThrottle::lockedMessage(seconds), message);
    }

private:
    static constexpr qint64 Start = 1'800'000'000;
    static inline const QString Grace = QStringLiteral("grace@example.org");
    static inline const QString Address = QStringLiteral("198.51.100.4");

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Storage> m_storage;
    std::unique_ptr<LoginThrottle> m_throttle;
};

QTEST_GUILESS_MAIN(TestLoginThrottle)
#include "tst_loginthrottle.moc"
