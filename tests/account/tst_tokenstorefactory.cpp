#include "account/filetokenstore.h"
#include "account/tokenstorefactory.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace OrlAccount;

class TestTokenStoreFactory : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void withoutAKeyringTheTokensGoToAnOwnerOnlyFile()
    {
        // No session bus: no keyring can answer.
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/quillby-test-bus");
        QTemporaryDir dir;
        auto store = createPlatformTokenStore(QStringLiteral("test.quillby"), dir.path());
        QVERIFY(dynamic_cast<FileTokenStore *>(store.get()));
        QVERIFY(store->save(QStringLiteral("orlindo_access_token"), QStringLiteral("A")));
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("tokens.json"))));
        QCOMPARE(store->load(QStringLiteral("orlindo_access_token")).value_or(QString()), QStringLiteral("A"));
    }
};

QTEST_GUILESS_MAIN(TestTokenStoreFactory)
#include "tst_tokenstorefactory.moc"
