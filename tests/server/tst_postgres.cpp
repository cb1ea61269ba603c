#include "apitestclient.h"
#include "postgrescluster.h"
#include "serverprocess.h"

#include <QTest>

#include <memory>

// Two server processes on one private PostgreSQL database behave as one.
class TestPostgres : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QString reason;
        if (!m_cluster.start(reason)) {
            if (reason.contains(QLatin1String("not installed")) || reason.contains(QLatin1String("no postgres user")))
                QSKIP(qPrintable(QStringLiteral("PostgreSQL unavailable: ") + reason));
            QFAIL(qPrintable(reason));
        }
    }

    void twoProcessesStartTogetherOnAFreshDatabase()
    {
        QString reason;
        QVERIFY2(m_cluster.createDatabase(QStringLiteral("fresh"), reason), qPrintable(reason));
        ServerProcess first;
        ServerProcess second;
        first.setDatabaseUrl(m_cluster.databaseUrl(QStringLiteral("fresh")));
        second.setDatabaseUrl(m_cluster.databaseUrl(QStringLiteral("fresh")));
        second.useDataDirectory(first.dataDirectory());
        // Both migrate at once; one waits for the other's transaction.
        QString firstError;
        QString secondError;
        QVERIFY2(first.start(&firstError), qPrintable(firstError));
        QVERIFY2(second.start(&secondError), qPrintable(secondError));
        QCOMPARE(ApiTestClient(first.port()).get(QStringLiteral("/healthz")).status, 200);
        QCOMPARE(ApiTestClient(second.port()).get(QStringLiteral("/healthz")).status, 200);

        // A user made through one process signs in through the other.
        QVERIFY(!first.addUser(QStringLiteral("ada@example.org"), QStringLiteral("correct horse")).isEmpty());
        const auto signIn = BrowserSignIn::run(second.port(), QStringLiteral("ada@example.org"), QStringLiteral("correct horse"));
        QCOMPARE(signIn.status, 303);
        QVERIFY(!signIn.accessToken.isEmpty());
        // The same address can't be taken twice, whichever process is asked.
        QVERIFY(second.addUser(QStringLiteral("ADA@example.org"), QStringLiteral("another horse")).isEmpty());
        QCOMPARE(first.stop(), 0);
        QCOMPARE(second.stop(), 0);
    }

    void aMalformedAddressIsRefusedAtStart()
    {
        ServerProcess server;
        server.setDatabaseUrl(QStringLiteral("mysql://nobody@/nothing"));
        QString error;
        QVERIFY(!server.start(&error));
        QVERIFY2(error.contains(QLatin1String("postgresql://")), qPrintable(error));
    }

private:
    PostgresCluster m_cluster;
};

QTEST_GUILESS_MAIN(TestPostgres)
#include "tst_postgres.moc"
