#include "apitestclient.h"
#include "serverprocess.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <sodium.h>

namespace {

const QByteArray Outside = "OUTSIDE-THE-RELEASE-FOLDER";

bool writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray manifest(const QByteArray &channel)
{
    return R"({"schema":1,"app":"quillby","channel":")" + channel
        + R"(","artifacts":{"linux-x64":{"version":"1.2.0","released_at":"2026-12-01T10:00:00Z","url":"https://example.org/q.tar.gz","size":100,)"
          R"("sha256":"0000000000000000000000000000000000000000000000000000000000000000"}}})";
}

} // namespace

// The download service on a real server: manifests, their signatures and the
// release notes from the release folder, and nothing outside it.
class TestDownload : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();

    void theManifestIsServedAsItIs_data();
    void theManifestIsServedAsItIs();
    void missingFilesAnswer404_data();
    void missingFilesAnswer404();
    void aClientFindsTheNotesOfItsLanguageOrThePlainOnes_data();
    void aClientFindsTheNotesOfItsLanguageOrThePlainOnes();
    void hostilePathsNeverLeaveTheFolder_data();
    void hostilePathsNeverLeaveTheFolder();
    void tooLargeFilesAreNotServed();
    void withoutAReleaseFolderEverythingIs404();

    void signingWritesSignaturesThatVerifyWithThePrintedKey();
    void signingRefusesWhatItCannotSign_data();
    void signingRefusesWhatItCannotSign();

private:
    QString releases() const { return m_root.path() + QStringLiteral("/releases"); }
    static QByteArray publicKeyFrom(const QByteArray &output);
    static bool verifies(const QByteArray &signatureText, const QByteArray &message, const QByteArray &publicKey);

    QTemporaryDir m_root;
    ServerProcess m_server;
};

void TestDownload::initTestCase()
{
    QVERIFY(sodium_init() >= 0);
    QVERIFY(m_root.isValid());
    const QString folder = releases();
    QVERIFY(writeFile(folder + QStringLiteral("/stable/latest.json"), manifest("stable")));
    QVERIFY(writeFile(folder + QStringLiteral("/beta/latest.json"), manifest("beta")));
    QVERIFY(writeFile(folder + QStringLiteral("/1.1.2/release-notes.md"), "# Quillby 1.1.2\n\nWhat changed.\n"));
    QVERIFY(writeFile(folder + QStringLiteral("/1.1.2/release-notes.de.md"), "# Quillby 1.1.2\n\nWas sich geändert hat.\n"));
    QVERIFY(QDir().mkpath(folder + QStringLiteral("/folder-named-like-a-file/latest.json")));
    QVERIFY(writeFile(folder + QStringLiteral("/huge/latest.json"), QByteArray(1024 * 1024 + 1, ' ')));
    // Files beside the folder that no request may reach.
    QVERIFY(writeFile(m_root.path() + QStringLiteral("/latest.json"), Outside));
    QVERIFY(writeFile(m_root.path() + QStringLiteral("/release-notes.md"), Outside));
    QVERIFY(writeFile(m_root.path() + QStringLiteral("/elsewhere/latest.json"), Outside));
    QVERIFY(writeFile(m_root.path() + QStringLiteral("/elsewhere/release-notes.md"), Outside));
    // A link out of the folder is not followed; one within it is.
    QVERIFY(QFile::link(m_root.path() + QStringLiteral("/elsewhere"), folder + QStringLiteral("/escape")));
    QVERIFY(QFile::link(m_root.path() + QStringLiteral("/elsewhere"), folder + QStringLiteral("/9.9.9")));
    QVERIFY(QFile::link(folder + QStringLiteral("/stable"), folder + QStringLiteral("/current")));

    m_server.setExtraArguments({QStringLiteral("--release-dir"), folder});
    QString error;
    QVERIFY2(m_server.start(&error), qPrintable(error));
}

void TestDownload::cleanupTestCase()
{
    QCOMPARE(m_server.stop(), 0);
}

void TestDownload::theManifestIsServedAsItIs_data()
{
    QTest::addColumn<QString>("channel");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("stable") << QStringLiteral("stable") << manifest("stable");
    QTest::newRow("beta") << QStringLiteral("beta") << manifest("beta");
    QTest::newRow("link within the folder") << QStringLiteral("current") << manifest("stable");
}

void TestDownload::theManifestIsServedAsItIs()
{
    QFETCH(QString, channel);
    QFETCH(QByteArray, expected);
    ApiTestClient client(m_server.port());
    const auto reply = client.get(QStringLiteral("/quillby/%1/latest.json").arg(channel));
    QCOMPARE(reply.status, 200);
    QCOMPARE(reply.body, expected);
    QVERIFY(reply.header("Content-Type").startsWith(QLatin1String("application/json")));
    QCOMPARE(reply.header("Cache-Control"), QStringLiteral("no-cache"));
}

void TestDownload::missingFilesAnswer404_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("channel without a folder") << QStringLiteral("/quillby/nightly/latest.json");
    QTest::newRow("unsigned manifest") << QStringLiteral("/quillby/stable/latest.json.sig");
    QTest::newRow("version without notes") << QStringLiteral("/quillby/1.0.0/release-notes.md");
    QTest::newRow("language without notes") << QStringLiteral("/quillby/1.1.2/release-notes.fr.md");
    QTest::newRow("a folder where the file should be") << QStringLiteral("/quillby/folder-named-like-a-file/latest.json");
    QTest::newRow("link out of the folder") << QStringLiteral("/quillby/escape/latest.json");
    QTest::newRow("version linked out of the folder") << QStringLiteral("/quillby/9.9.9/release-notes.md");
}

void TestDownload::missingFilesAnswer404()
{
    QFETCH(QString, path);
    ApiTestClient client(m_server.port());
    const auto reply = client.get(path);
    QCOMPARE(reply.status, 404);
    QVERIFY(!reply.body.contains(Outside));
}

void TestDownload::aClientFindsTheNotesOfItsLanguageOrThePlainOnes_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("german") << QStringLiteral("de") << QByteArray("Was sich geändert hat.");
    QTest::newRow("french falls back") << QStringLiteral("fr") << QByteArray("What changed.");
    QTest::newRow("english") << QStringLiteral("en") << QByteArray("What changed.");
}

void TestDownload::aClientFindsTheNotesOfItsLanguageOrThePlainOnes()
{
    QFETCH(QString, language);
    QFETCH(QByteArray, expected);
    // As the program asks: the language's notes first (not for English), then the plain ones.
    ApiTestClient client(m_server.port());
    ApiTestClient::Reply reply;
    if (language != QLatin1String("en")) {
        reply = client.get(QStringLiteral("/quillby/1.1.2/release-notes.%1.md").arg(language));
        QVERIFY(reply.status == 200 || reply.status == 404);
    }
    if (reply.status != 200)
        reply = client.get(QStringLiteral("/quillby/1.1.2/release-notes.md"));
    QCOMPARE(reply.status, 200);
    QVERIFY(reply.body.contains(expected));
    QCOMPARE(reply.header("Content-Type"), QStringLiteral("text/markdown; charset=utf-8"));
}

void TestDownload::hostilePathsNeverLeaveTheFolder_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("dot dot") << QStringLiteral("/quillby/../latest.json");
    QTest::newRow("encoded dot dot") << QStringLiteral("/quillby/%2e%2e/latest.json");
    QTest::newRow("encoded dot dot upper case") << QStringLiteral("/quillby/%2E%2E/latest.json");
    QTest::newRow("half encoded dot dot") << QStringLiteral("/quillby/.%2e/latest.json");
    QTest::newRow("dot dot and encoded slash") << QStringLiteral("/quillby/..%2f/latest.json");
    QTest::newRow("encoded slashes") << QStringLiteral("/quillby/stable%2f..%2f..%2felsewhere/latest.json");
    QTest::newRow("double encoded") << QStringLiteral("/quillby/%252e%252e/latest.json");
    QTest::newRow("backslash") << QStringLiteral("/quillby/..%5c..%5celsewhere/latest.json");
    QTest::newRow("absolute path") << QStringLiteral("/quillby/%2ftmp/latest.json");
    QTest::newRow("dot") << QStringLiteral("/quillby/./latest.json");
    QTest::newRow("hidden folder") << QStringLiteral("/quillby/.git/latest.json");
    QTest::newRow("nul") << QStringLiteral("/quillby/stable%00/latest.json");
    QTest::newRow("upper case channel") << QStringLiteral("/quillby/Stable/latest.json");
    QTest::newRow("long channel") << QStringLiteral("/quillby/%1/latest.json").arg(QString(300, QLatin1Char('a')));
    QTest::newRow("very long channel") << QStringLiteral("/quillby/%1/latest.json").arg(QString(9000, QLatin1Char('a')));
    QTest::newRow("notes dot dot") << QStringLiteral("/quillby/../release-notes.md");
    QTest::newRow("notes encoded dot dot") << QStringLiteral("/quillby/%2e%2e/release-notes.md");
    QTest::newRow("notes version with slash") << QStringLiteral("/quillby/1.1.2%2f..%2f..%2felsewhere/release-notes.md");
    QTest::newRow("notes double dot in version") << QStringLiteral("/quillby/1..2/release-notes.md");
    QTest::newRow("language dot dot") << QStringLiteral("/quillby/1.1.2/release-notes.%2e%2e.md");
    QTest::newRow("language with slash") << QStringLiteral("/quillby/1.1.2/release-notes.de%2f..%2f..%2f..%2frelease-notes.md");
    QTest::newRow("language of three letters") << QStringLiteral("/quillby/1.1.2/release-notes.deu.md");
    QTest::newRow("language upper case") << QStringLiteral("/quillby/1.1.2/release-notes.DE.md");
    QTest::newRow("signature dot dot") << QStringLiteral("/quillby/%2e%2e/latest.json.sig");
}

void TestDownload::hostilePathsNeverLeaveTheFolder()
{
    QFETCH(QString, path);
    ApiTestClient client(m_server.port());
    const auto reply = client.get(path);
    QVERIFY2(reply.status == 400 || reply.status == 404 || reply.status == 414, qPrintable(QString::number(reply.status)));
    QVERIFY(!reply.body.contains(Outside));
    QVERIFY(!reply.body.contains("\"schema\""));
}

void TestDownload::tooLargeFilesAreNotServed()
{
    ApiTestClient client(m_server.port());
    const auto reply = client.get(QStringLiteral("/quillby/huge/latest.json"));
    QCOMPARE(reply.status, 500);
    QVERIFY(reply.body.size() < 1000);
}

void TestDownload::withoutAReleaseFolderEverythingIs404()
{
    ServerProcess bare;
    QString error;
    QVERIFY2(bare.start(&error), qPrintable(error));
    ApiTestClient client(bare.port());
    QCOMPARE(client.get(QStringLiteral("/quillby/stable/latest.json")).status, 404);
    QCOMPARE(client.get(QStringLiteral("/quillby/1.1.2/release-notes.md")).status, 404);
    QCOMPARE(bare.stop(), 0);
}

QByteArray TestDownload::publicKeyFrom(const QByteArray &output)
{
    static const QRegularExpression line(QStringLiteral("Public key \\(Ed25519, base64\\): ([A-Za-z0-9+/=]+)"));
    return QByteArray::fromBase64(line.match(QString::fromUtf8(output)).captured(1).toLatin1());
}

bool TestDownload::verifies(const QByteArray &signatureText, const QByteArray &message, const QByteArray &publicKey)
{
    if (!signatureText.endsWith('\n'))
        return false;
    const auto decoded = QByteArray::fromBase64Encoding(signatureText.trimmed(), QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.size() != crypto_sign_BYTES || publicKey.size() != crypto_sign_PUBLICKEYBYTES)
        return false;
    return crypto_sign_verify_detached(reinterpret_cast<const unsigned char *>(decoded.decoded.constData()),
                                       reinterpret_cast<const unsigned char *>(message.constData()), quint64(message.size()),
                                       reinterpret_cast<const unsigned char *>(publicKey.constData()))
        == 0;
}

void TestDownload::signingWritesSignaturesThatVerifyWithThePrintedKey()
{
    QTemporaryDir folder;
    QVERIFY(writeFile(folder.filePath(QStringLiteral("stable/latest.json")), manifest("stable")));
    QVERIFY(writeFile(folder.filePath(QStringLiteral("beta/latest.json")), manifest("beta")));
    QVERIFY(writeFile(folder.filePath(QStringLiteral("1.1.2/release-notes.md")), "notes"));
    ServerProcess server;
    server.setExtraArguments({QStringLiteral("--release-dir"), folder.path()});
    QByteArray output;
    QCOMPARE(server.runOnce({QStringLiteral("--sign-manifest"), QStringLiteral("--release-dir"), folder.path()}, {}, &output), 0);
    QVERIFY2(output.contains("Signed stable/latest.json") && output.contains("Signed beta/latest.json"), output.constData());
    const QByteArray publicKey = publicKeyFrom(output);
    QCOMPARE(publicKey.size(), int(crypto_sign_PUBLICKEYBYTES));

    // The key sits beside the token secret, for its owner only.
    const QFileInfo key(server.dataDirectory() + QStringLiteral("/server.secret.sign"));
    QVERIFY(key.exists());
    QCOMPARE(key.size(), qint64(crypto_sign_SECRETKEYBYTES));
    QCOMPARE(key.permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther | QFileDevice::WriteGroup | QFileDevice::WriteOther),
             QFileDevice::Permissions());

    for (const char *channel : {"stable", "beta"}) {
        const QByteArray signature = readFile(folder.filePath(QStringLiteral("%1/latest.json.sig").arg(QLatin1String(channel))));
        QVERIFY(verifies(signature, manifest(channel), publicKey));
        QVERIFY(!verifies(signature, manifest(channel) + ' ', publicKey));
    }
    QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("1.1.2/latest.json.sig"))));

    // Signing again keeps the key.
    QVERIFY(writeFile(folder.filePath(QStringLiteral("stable/latest.json")), manifest("stable-2")));
    QCOMPARE(server.runOnce({QStringLiteral("--sign-manifest"), QStringLiteral("--release-dir"), folder.path()}, {}, &output), 0);
    QCOMPARE(publicKeyFrom(output), publicKey);

    // The service serves the signature of what it serves.
    QString error;
    QVERIFY2(server.start(&error), qPrintable(error));
    ApiTestClient client(server.port());
    const auto served = client.get(QStringLiteral("/quillby/stable/latest.json"));
    const auto signature = client.get(QStringLiteral("/quillby/stable/latest.json.sig"));
    QCOMPARE(served.status, 200);
    QCOMPARE(signature.status, 200);
    QVERIFY(signature.header("Content-Type").startsWith(QLatin1String("text/plain")));
    QVERIFY(verifies(signature.body, served.body, publicKey));
    QCOMPARE(server.stop(), 0);
}

void TestDownload::signingRefusesWhatItCannotSign_data()
{
    QTest::addColumn<QString>("situation");
    QTest::addColumn<QString>("message");
    QTest::newRow("no release folder given") << QStringLiteral("no folder") << QStringLiteral("--release-dir");
    QTest::newRow("no channel folder") << QStringLiteral("empty") << QStringLiteral("no channel folder");
    QTest::newRow("a manifest that is not json") << QStringLiteral("not json") << QStringLiteral("not a JSON object");
    QTest::newRow("a manifest over 1 MiB") << QStringLiteral("huge") << QStringLiteral("larger than 1 MiB");
    QTest::newRow("a key readable by others") << QStringLiteral("open key") << QStringLiteral("readable by other users");
    QTest::newRow("a key of the wrong size") << QStringLiteral("short key") << QStringLiteral("wrong size");
    QTest::newRow("a damaged key") << QStringLiteral("damaged key") << QStringLiteral("damaged");
}

void TestDownload::signingRefusesWhatItCannotSign()
{
    QFETCH(QString, situation);
    QFETCH(QString, message);
    QTemporaryDir folder;
    ServerProcess server;
    const QString keyFile = server.dataDirectory() + QStringLiteral("/server.secret.sign");
    if (situation != QLatin1String("empty"))
        QVERIFY(writeFile(folder.filePath(QStringLiteral("stable/latest.json")), manifest("stable")));
    if (situation == QLatin1String("not json"))
        QVERIFY(writeFile(folder.filePath(QStringLiteral("beta/latest.json")), "{\"schema\": 1,"));
    if (situation == QLatin1String("huge"))
        QVERIFY(writeFile(folder.filePath(QStringLiteral("beta/latest.json")), "{}" + QByteArray(1024 * 1024, ' ')));
    if (situation == QLatin1String("open key")) {
        QVERIFY(writeFile(keyFile, QByteArray(64, 'k')));
        QVERIFY(QFile::setPermissions(keyFile, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther));
    }
    if (situation == QLatin1String("short key") || situation == QLatin1String("damaged key")) {
        QVERIFY(writeFile(keyFile, QByteArray(situation == QLatin1String("short key") ? 32 : 64, 'k')));
        QVERIFY(QFile::setPermissions(keyFile, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    }
    QStringList arguments{QStringLiteral("--sign-manifest")};
    if (situation != QLatin1String("no folder"))
        arguments << QStringLiteral("--release-dir") << folder.path();
    QByteArray output;
    QVERIFY(server.runOnce(arguments, {}, &output) != 0);
    QVERIFY2(output.contains(message.toUtf8()), output.constData());
    // Nothing was signed, not even the manifests that were fine.
    QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("stable/latest.json.sig"))));
    QVERIFY(!output.contains("Public key"));
}

QTEST_GUILESS_MAIN(TestDownload)
#include "tst_download.moc"
