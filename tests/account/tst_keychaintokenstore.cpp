#include "account/keychaintokenstore.h"

#include <QTest>

using namespace OrlAccount;

// Runs inside scripts/with-keyring.sh: a private D-Bus session with an
// unlocked gnome-keyring-daemon.
class TestKeychainTokenStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        if (qEnvironmentVariable("QUILLBY_KEYRING") != QLatin1String("ready"))
            QSKIP(qPrintable(QStringLiteral("no private keyring: %1")
                                 .arg(qEnvironmentVariable("QUILLBY_KEYRING", QStringLiteral("run through scripts/with-keyring.sh")))));
        KeychainTokenStore store(QStringLiteral("test.quillby"));
        QVERIFY2(store.isAvailable(), "gnome-keyring-daemon runs but does not answer");
    }

    void roundTripAndClear()
    {
        KeychainTokenStore store(QStringLiteral("test.quillby"));
        KeychainTokenStore other(QStringLiteral("other.app"));
        QVERIFY(store.save(QStringLiteral("orlindo_access_token"), QStringLiteral("header.payload.signature")));
        QVERIFY(store.save(QStringLiteral("orlindo_refresh_token"), QStringLiteral("refresh-äöü")));
        QVERIFY(other.save(QStringLiteral("orlindo_access_token"), QStringLiteral("other")));
        KeychainTokenStore nextRun(QStringLiteral("test.quillby"));
        QCOMPARE(nextRun.load(QStringLiteral("orlindo_access_token")).value_or(QString()), QStringLiteral("header.payload.signature"));
        QCOMPARE(nextRun.load(QStringLiteral("orlindo_refresh_token")).value_or(QString()), QStringLiteral("refresh-äöü"));
        nextRun.clear();
        QVERIFY(!store.load(QStringLiteral("orlindo_access_token")));
        QVERIFY(!store.load(QStringLiteral("orlindo_refresh_token")));
        QCOMPARE(other.load(QStringLiteral("orlindo_access_token")).value_or(QString()), QStringLiteral("other"));
        QVERIFY(store.remove(QStringLiteral("never-stored")));
    }
};

QTEST_GUILESS_MAIN(TestKeychainTokenStore)
#include "tst_keychaintokenstore.moc"
