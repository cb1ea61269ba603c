#include "update/publickey.h"
#include "update/updateconfig.h"

#include <QTest>

using OrlUpdate::UpdateConfig;

// The program's update configuration from the environment, and the public
// key in the forms a build may be given.
class tst_UpdateConfig : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void fromEnvironment_data();
    void fromEnvironment();
    void publicKey_data();
    void publicKey();
    void theBuiltInKeyIsCarried();
};

void tst_UpdateConfig::cleanup()
{
    qunsetenv("UPDATE_BASE_URL");
}

void tst_UpdateConfig::fromEnvironment_data()
{
    QTest::addColumn<QByteArray>("variable");
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("channel");

    QTest::newRow("unset: the default") << QByteArray() << "http://127.0.0.1:8640/quillby/stable/" << "stable";
    QTest::newRow("empty: the default") << QByteArray("") << "http://127.0.0.1:8640/quillby/stable/" << "stable";
    QTest::newRow("another channel") << QByteArray("https://dl.example.org/quillby/beta/") << "https://dl.example.org/quillby/beta/" << "beta";
    QTest::newRow("slash added") << QByteArray("https://dl.example.org/quillby/stable") << "https://dl.example.org/quillby/stable/" << "stable";
    QTest::newRow("white space trimmed") << QByteArray(" https://dl.example.org/q/stable/ ") << "https://dl.example.org/q/stable/" << "stable";
    QTest::newRow("no folder") << QByteArray("https://dl.example.org") << "https://dl.example.org/" << "";
}

void tst_UpdateConfig::fromEnvironment()
{
    QFETCH(QByteArray, variable);
    QFETCH(QString, base);
    QFETCH(QString, channel);
    if (!variable.isNull())
        qputenv("UPDATE_BASE_URL", variable);
    const UpdateConfig config =
        UpdateConfig::fromEnvironment(QStringLiteral("quillby"), QStringLiteral("1.1.2"), QStringLiteral("http://127.0.0.1:8640/quillby/stable/"));
    QCOMPARE(config.manifestBaseUrl.toString(), base);
    QCOMPARE(config.channel, channel);
    QCOMPARE(config.appId, QStringLiteral("quillby"));
    QCOMPARE(config.currentVersion, QStringLiteral("1.1.2"));
    QCOMPARE(config.timeoutMs, UpdateConfig::DefaultTimeoutMs);
}

void tst_UpdateConfig::publicKey_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("expected");

    QByteArray key(32, '\0');
    for (int i = 0; i < key.size(); ++i)
        key[i] = char(i * 7 + 1);
    QTest::newRow("hex") << key.toHex() << key;
    QTest::newRow("hex in capitals") << key.toHex().toUpper() << key;
    QTest::newRow("base64") << key.toBase64() << key;
    QTest::newRow("base64 without padding") << key.toBase64(QByteArray::OmitTrailingEquals) << key;
    QTest::newRow("base64 with a newline") << key.toBase64() + '\n' << key;
    QTest::newRow("empty") << QByteArray() << QByteArray();
    QTest::newRow("too short") << key.left(31).toBase64() << QByteArray();
    QTest::newRow("too long") << (key + 'x').toBase64() << QByteArray();
    QTest::newRow("hex one digit short") << key.toHex().left(63) << QByteArray();
    QTest::newRow("not base64") << QByteArray("this is not a key, not at all!!!!!!!!!!!!!") << QByteArray();
}

void tst_UpdateConfig::publicKey()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, expected);
    QCOMPARE(OrlUpdate::decodePublicKey(text), expected);
}

void tst_UpdateConfig::theBuiltInKeyIsCarried()
{
    // Empty in a build without QUILLBY_UPDATE_PUBLIC_KEY, else its 32 bytes.
    const QByteArray key = OrlUpdate::builtInPublicKey();
    QVERIFY(key.isEmpty() || key.size() == 32);
    QCOMPARE(UpdateConfig::fromEnvironment(QStringLiteral("quillby"), QStringLiteral("1.1.2"), QStringLiteral("https://x.example/q/stable/")).publicKey,
             key);
}

QTEST_GUILESS_MAIN(tst_UpdateConfig)
#include "tst_updateconfig.moc"
