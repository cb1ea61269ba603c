#include "account/filetokenstore.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace OrlAccount;

class TestFileTokenStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keepsTokensForTheOwnerOnly()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("nested/tokens.json"));
        FileTokenStore store(path, QStringLiteral("app.one"));
        QVERIFY(!store.load(QStringLiteral("orlindo_access_token")));
        QVERIFY(store.save(QStringLiteral("orlindo_access_token"), QStringLiteral("A")));
        QVERIFY(store.save(QStringLiteral("orlindo_refresh_token"), QString()));
        QCOMPARE(QFile::permissions(path), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser | QFileDevice::WriteUser);
        // A second instance (the next run) reads the same values; an empty
        // value is still a value.
        FileTokenStore again(path, QStringLiteral("app.one"));
        QCOMPARE(again.load(QStringLiteral("orlindo_access_token")).value_or(QStringLiteral("missing")), QStringLiteral("A"));
        QCOMPARE(again.load(QStringLiteral("orlindo_refresh_token")).value_or(QStringLiteral("missing")), QString());
    }

    void servicesDoNotSeeEachOther()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("tokens.json"));
        FileTokenStore one(path, QStringLiteral("app.one"));
        FileTokenStore two(path, QStringLiteral("app.two"));
        QVERIFY(one.save(QStringLiteral("orlindo_access_token"), QStringLiteral("one")));
        QVERIFY(two.save(QStringLiteral("orlindo_access_token"), QStringLiteral("two")));
        one.clear();
        QVERIFY(!one.load(QStringLiteral("orlindo_access_token")));
        QCOMPARE(two.load(QStringLiteral("orlindo_access_token")).value_or(QString()), QStringLiteral("two"));
        two.clear();
        QVERIFY(!QFile::exists(path));
    }

    void aDamagedFileReadsAsSignedOut_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("not json") << QByteArray("\x00\x01garbage", 9);
        QTest::newRow("array") << QByteArray("[1,2]");
        QTest::newRow("value not text") << QByteArray(R"({"app.one":{"orlindo_access_token":42}})");
        QTest::newRow("service not an object") << QByteArray(R"({"app.one":"x"})");
        QTest::newRow("huge") << QByteArray(300 * 1024, ' ');
    }

    void aDamagedFileReadsAsSignedOut()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("tokens.json"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        FileTokenStore store(path, QStringLiteral("app.one"));
        QVERIFY(!store.load(QStringLiteral("orlindo_access_token")));
        // Saving over it leaves a readable file again.
        QVERIFY(store.save(QStringLiteral("orlindo_access_token"), QStringLiteral("B")));
        QCOMPARE(store.load(QStringLiteral("orlindo_access_token")).value_or(QString()), QStringLiteral("B"));
    }
};

QTEST_GUILESS_MAIN(TestFileTokenStore)
#include "tst_filetokenstore.moc"
