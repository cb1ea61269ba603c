#include "cannedhttpserver.h"
#include "manifestfixture.h"
#include "releaseserver.h"

#include "update/client.h"

#include <QJsonArray>
#include <QSignalSpy>
#include <QTest>

#include <sodium.h>

using namespace ManifestFixture;
using OrlUpdate::Artifact;
using OrlUpdate::Client;
using OrlUpdate::UpdateConfig;

namespace {

// What one check answered.
struct Answer
{
    enum Kind { None, Available, Current, Failed } kind = None;
    Artifact artifact;
    QString reason;
    int answers = 0;
};

} // namespace

// The update check against the download service of a real quillby-server:
// what each manifest makes of the check, signatures, and the limits that
// keep a hostile or stuck server from holding the check.
class tst_Client : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();

    void missingManifestMeansUpToDate();
    void versions_data();
    void versions();
    void theArtifactArrivesWhole();
    void minUpgradableFrom_data();
    void minUpgradableFrom();
    void invalidManifests_data();
    void invalidManifests();
    void aRefusedArtifactOfAnotherPlatformIsDropped();
    void platformsWithoutBuilds_data();
    void platformsWithoutBuilds();
    void refusedBeforeAnyRequest_data();
    void refusedBeforeAnyRequest();
    void signatures_data();
    void signatures();
    void aSecondCheckWhileOneIsOutstandingIsIgnored();
    void theRequestNamesTheClientAndTheFile();
    void aServerThatNeverAnswersTimesOut();
    void redirectsToUntrustedAddressesAreRefused();

private:
    UpdateConfig config(const QString &version = QStringLiteral("1.1.2")) const;
    void publish(const QByteArray &manifest, const QString &channel = QStringLiteral("stable"));
    static Answer run(Client &client);

    ReleaseServer m_server;
};

UpdateConfig tst_Client::config(const QString &version) const
{
    UpdateConfig config;
    config.appId = QStringLiteral("quillby");
    config.channel = QStringLiteral("stable");
    config.manifestBaseUrl = m_server.channelUrl();
    config.currentVersion = version;
    config.maxManifestBytes = 64 * 1024;
    return config;
}

void tst_Client::publish(const QByteArray &manifest, const QString &channel)
{
    QVERIFY(m_server.writeFile(channel + QStringLiteral("/latest.json"), manifest));
}

Answer tst_Client::run(Client &client)
{
    Answer answer;
    QObject guard;
    QObject::connect(&client, &Client::updateAvailable, &guard, [&answer](const Artifact &artifact) {
        answer.kind = Answer::Available;
        answer.artifact = artifact;
        ++answer.answers;
    });
    QObject::connect(&client, &Client::upToDate, &guard, [&answer] {
        answer.kind = Answer::Current;
        ++answer.answers;
    });
    QObject::connect(&client, &Client::checkFailed, &guard, [&answer](const QString &reason) {
        answer.kind = Answer::Failed;
        answer.reason = reason;
        ++answer.answers;
    });
    client.check();
    // A check that never answers leaves the kind at None, which fails the
    // caller's comparison.
    if (!QTest::qWaitFor([&answer] { return answer.answers > 0; }, 20000))
        QTest::qFail("no answer within 20 s", __FILE__, __LINE__);
    // Nothing further may follow the one answer.
    QTest::qWait(50);
    return answer;
}

void tst_Client::initTestCase()
{
    QVERIFY(sodium_init() >= 0);
    if (platform().isEmpty())
        QSKIP("this system has no platform key, so no manifest can name a build for it");
    QString error;
    if (!m_server.start(&error))
        QSKIP(qPrintable(QStringLiteral("quillby-server is not available: %1").arg(error)));
}

void tst_Client::init()
{
    m_server.clear();
}

void tst_Client::missingManifestMeansUpToDate()
{
    Client client(config());
    const Answer answer = run(client);
    QCOMPARE(answer.kind, Answer::Current);
    QCOMPARE(answer.answers, 1);
    QVERIFY(!client.isChecking());
}

void tst_Client::versions_data()
{
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("published");
    QTest::addColumn<bool>("offered");

    QTest::newRow("numeric, not text order") << "1.1.2" << "1.1.10" << true;
    QTest::newRow("newer minor") << "1.1.2" << "1.2.0" << true;
    QTest::newRow("newer major") << "1.1.2" << "2.0.0" << true;
    QTest::newRow("same") << "1.1.2" << "1.1.2" << false;
    QTest::newRow("published is older") << "1.1.2" << "1.1.1" << false;
    QTest::newRow("short running version is x.y.0") << "1.1" << "1.1.0" << false;
    QTest::newRow("short running version, newer patch") << "1.1" << "1.1.1" << true;
    QTest::newRow("short published version") << "1.1.2" << "2" << true;
}

void tst_Client::versions()
{
    QFETCH(QString, current);
    QFETCH(QString, published);
    QFETCH(bool, offered);
    publish(bytes(manifestFor(artifact(published))));
    Client client(config(current));
    const Answer answer = run(client);
    QCOMPARE(answer.answers, 1);
    QCOMPARE(answer.kind, offered ? Answer::Available : Answer::Current);
    if (offered)
        QCOMPARE(answer.artifact.version, published);
}

void tst_Client::theArtifactArrivesWhole()
{
    QJsonObject ours = artifact(QStringLiteral("1.2.0"));
    ours.insert(QStringLiteral("mandatory"), true);
    ours.insert(QStringLiteral("release_notes_url"), m_server.url(QStringLiteral("/quillby/1.2.0/release-notes.md")).toString());
    ours.insert(QStringLiteral("size"), 5000000000.0);
    publish(bytes(manifestFor(ours)));
    Client client(config());
    const Answer answer = run(client);
    QCOMPARE(answer.kind, Answer::Available);
    QCOMPARE(answer.artifact.version, QStringLiteral("1.2.0"));
    QCOMPARE(answer.artifact.url, QUrl(QStringLiteral("https://downloads.example.org/quillby-1.2.0.tar.gz")));
    QCOMPARE(answer.artifact.size, Q_INT64_C(5000000000));
    QCOMPARE(answer.artifact.sha256, QString(64, QLatin1Char('a')));
    QCOMPARE(answer.artifact.releasedAt, QDateTime(QDate(2026, 12, 1), QTime(10, 0), Qt::UTC));
    QVERIFY(answer.artifact.mandatory);
    QCOMPARE(answer.artifact.releaseNotesUrl, m_server.url(QStringLiteral("/quillby/1.2.0/release-notes.md")));

    // Without the optional fields: not mandatory, no notes.
    publish(bytes(manifestFor(artifact(QStringLiteral("1.2.0")))));
    const Answer plain = run(client);
    QCOMPARE(plain.kind, Answer::Available);
    QVERIFY(!plain.artifact.mandatory);
    QVERIFY(plain.artifact.releaseNotesUrl.isEmpty());
    QVERIFY(plain.artifact.minUpgradableFrom.isEmpty());
}

void tst_Client::minUpgradableFrom_data()
{
    QTest::addColumn<QString>("minimum");
    QTest::addColumn<QString>("reason");

    QTest::newRow("running version too old")
        << "1.2.0" << "current version 1.1.2 is older than min_upgradable_from 1.2.0; please upgrade to an intermediate release first";
    QTest::newRow("running version is the minimum") << "1.1.2" << "";
    QTest::newRow("running version above the minimum") << "1.0" << "";
}

void tst_Client::minUpgradableFrom()
{
    QFETCH(QString, minimum);
    QFETCH(QString, reason);
    QJsonObject ours = artifact(QStringLiteral("1.3.0"));
    ours.insert(QStringLiteral("min_upgradable_from"), minimum);
    publish(bytes(manifestFor(ours)));
    Client client(config());
    const Answer answer = run(client);
    if (reason.isEmpty()) {
        QCOMPARE(answer.kind, Answer::Available);
        QCOMPARE(answer.artifact.minUpgradableFrom, minimum);
    } else {
        QCOMPARE(answer.kind, Answer::Failed);
        QCOMPARE(answer.reason, reason);
    }
}

void tst_Client::invalidManifests_data()
{
    QTest::addColumn<QByteArray>("manifest");
    QTest::addColumn<QString>("reason");

    const QString failed = QStringLiteral("manifest invalid: artifact %1 failed validation").arg(platform());
    const auto withField = [](const QString &key, const QJsonValue &value) {
        QJsonObject ours = artifact(QStringLiteral("1.2.0"));
        if (value.isUndefined())
            ours.remove(key);
        else
            ours.insert(key, value);
        return bytes(manifestFor(ours));
    };
    const auto withRoot = [](const QString &key, const QJsonValue &value) {
        QJsonObject root = manifestFor(artifact(QStringLiteral("1.2.0")));
        if (value.isUndefined())
            root.remove(key);
        else
            root.insert(key, value);
        return bytes(root);
    };

    QTest::newRow("not JSON") << QByteArray("{\"schema\": 1,") << "manifest invalid: JSON parse error: ";
    QTest::newRow("root is an array") << QByteArray("[1, 2]") << "manifest invalid: manifest root is not a JSON object";
    QTest::newRow("schema 2") << withRoot("schema", 2) << "manifest invalid: unsupported manifest schema: 2 (expected 1)";
    QTest::newRow("schema as text") << withRoot("schema", "1") << "manifest invalid: missing or non-integer field: schema";
    QTest::newRow("schema fractional") << withRoot("schema", 1.5) << "manifest invalid: unsupported manifest schema: 1.5 (expected 1)";
    QTest::newRow("no schema") << withRoot("schema", QJsonValue::Undefined) << "manifest invalid: missing or non-integer field: schema";
    QByteArray noAppNoChannel = bytes([] {
        QJsonObject root = manifestFor(artifact(QStringLiteral("1.2.0")));
        root.remove(QStringLiteral("app"));
        root.remove(QStringLiteral("channel"));
        return root;
    }());
    QTest::newRow("no app and no channel") << noAppNoChannel << "manifest invalid: missing or non-string field: app";
    QTest::newRow("app is a number") << withRoot("app", 7) << "manifest invalid: missing or non-string field: app";
    QTest::newRow("another app") << withRoot("app", "ledgerly") << "manifest invalid: app is \"ledgerly\", expected \"quillby\"";
    QTest::newRow("another channel") << withRoot("channel", "beta") << "manifest invalid: channel is \"beta\", expected \"stable\"";
    QTest::newRow("empty app") << withRoot("app", "") << "manifest invalid: manifest failed validation";
    QTest::newRow("artifacts is a list") << withRoot("artifacts", QJsonArray{}) << "manifest invalid: missing or non-object field: artifacts";
    QTest::newRow("no artifacts") << withRoot("artifacts", QJsonObject{}) << "manifest invalid: manifest failed validation";
    QTest::newRow("artifact is text") << withRoot("artifacts", QJsonObject{{platform(), "1.2.0"}})
                                      << QStringLiteral("manifest invalid: artifact %1 is not an object").arg(platform());
    QTest::newRow("no version") << withField("version", QJsonValue::Undefined) << "manifest invalid: missing or non-string field: version";
    QTest::newRow("empty version") << withField("version", "") << failed;
    QTest::newRow("version with a suffix") << withField("version", "1.2.0-beta") << failed;
    QTest::newRow("version of four parts") << withField("version", "1.2.0.1") << failed;
    QTest::newRow("version with a letter") << withField("version", "1.2.x") << failed;
    QTest::newRow("release date not ISO") << withField("released_at", "1 December 2026") << failed;
    QTest::newRow("download over http") << withField("url", "http://downloads.example.org/q.tar.gz") << failed;
    QTest::newRow("download over ftp") << withField("url", "ftp://downloads.example.org/q.tar.gz") << failed;
    QTest::newRow("download address not a URL") << withField("url", "https://exa mple.org/q") << failed;
    QTest::newRow("release notes over http") << withField("release_notes_url", "http://notes.example.org/n.md") << failed;
    QTest::newRow("release notes from a file") << withField("release_notes_url", "file:///etc/passwd") << failed;
    QTest::newRow("size zero") << withField("size", 0) << failed;
    QTest::newRow("size as text") << withField("size", "100") << failed;
    QTest::newRow("no size") << withField("size", QJsonValue::Undefined) << failed;
    QTest::newRow("short sha256") << withField("sha256", QString(63, QLatin1Char('a'))) << failed;
    QTest::newRow("sha256 not hex") << withField("sha256", QString(64, QLatin1Char('z'))) << failed;
    QTest::newRow("minimum version not a version") << withField("min_upgradable_from", "soon") << failed;
    QTest::newRow("oversized") << bytes(manifestFor(artifact(QStringLiteral("1.2.0")))) + QByteArray(64 * 1024, ' ')
                               << "manifest invalid: answer larger than 65536 bytes";
}

void tst_Client::invalidManifests()
{
    QFETCH(QByteArray, manifest);
    QFETCH(QString, reason);
    publish(manifest);
    Client client(config());
    const Answer answer = run(client);
    QCOMPARE(answer.answers, 1);
    QCOMPARE(answer.kind, Answer::Failed);
    if (reason.endsWith(QLatin1String(": ")))
        QVERIFY2(answer.reason.startsWith(reason) && answer.reason.size() > reason.size(), qPrintable(answer.reason));
    else
        QCOMPARE(answer.reason, reason);
}

void tst_Client::aRefusedArtifactOfAnotherPlatformIsDropped()
{
    QJsonObject broken = artifact(QStringLiteral("9.9.9"));
    broken.insert(QStringLiteral("url"), QStringLiteral("http://downloads.example.org/other.zip"));
    const QJsonObject artifacts{{platform(), artifact(QStringLiteral("1.2.0"))}, {QStringLiteral("other-platform"), broken}};
    publish(bytes(manifest(artifacts)));
    Client client(config());
    const Answer answer = run(client);
    QCOMPARE(answer.kind, Answer::Available);
    QCOMPARE(answer.artifact.version, QStringLiteral("1.2.0"));
}

void tst_Client::platformsWithoutBuilds_data()
{
    QTest::addColumn<QString>("platformKey");
    QTest::newRow("system without a key") << "";
    QTest::newRow("platform the manifest does not list") << "linux-riscv64";
}

void tst_Client::platformsWithoutBuilds()
{
    QFETCH(QString, platformKey);
    publish(bytes(manifestFor(artifact(QStringLiteral("1.2.0")))));
    Client client(config());
    client.setPlatformKey(platformKey);
    if (platformKey.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, "unknown platform, skipping update check");
    const Answer answer = run(client);
    QCOMPARE(answer.kind, Answer::Current);
}

void tst_Client::refusedBeforeAnyRequest_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("reason");

    QTest::newRow("base not a URL") << "http://[::1" << "1.1.2" << "manifestBaseUrl is not valid";
    QTest::newRow("no running version") << "https://downloads.example.org/quillby/stable/" << "" << "currentVersion is empty";
    QTest::newRow("base over http elsewhere") << "http://downloads.example.org/quillby/stable/" << "1.1.2"
                                              << "manifest invalid: manifestBaseUrl is neither https nor a loopback address";
    QTest::newRow("base of another scheme") << "ftp://127.0.0.1/quillby/stable/" << "1.1.2"
                                            << "manifest invalid: manifestBaseUrl is neither https nor a loopback address";
}

void tst_Client::refusedBeforeAnyRequest()
{
    QFETCH(QString, base);
    QFETCH(QString, version);
    QFETCH(QString, reason);
    UpdateConfig settings = config(version);
    settings.manifestBaseUrl = QUrl(base);
    Client client(settings);
    QSignalSpy failed(&client, &Client::checkFailed);
    client.check();
    // Refused on the spot, without a request.
    QCOMPARE(failed.size(), 1);
    QCOMPARE(failed.at(0).at(0).toString(), reason);
    QVERIFY(!client.isChecking());
}

void tst_Client::signatures_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("reason");

    QTest::newRow("signed by the server") << "none" << "";
    QTest::newRow("manifest changed after signing") << "tamper" << "manifest invalid: signature does not verify";
    QTest::newRow("signed with another key") << "other key" << "manifest invalid: signature does not verify";
    QTest::newRow("no signature file") << "unsigned" << "manifest invalid: the manifest is not signed";
    QTest::newRow("signature file of garbage") << "garbage" << "manifest invalid: signature is malformed";
    QTest::newRow("signature of the wrong length") << "short" << "manifest invalid: signature is malformed";
}

void tst_Client::signatures()
{
    QFETCH(QString, change);
    QFETCH(QString, reason);
    publish(bytes(manifestFor(artifact(QStringLiteral("1.2.0")))));
    QByteArray key = m_server.signManifests();
    QCOMPARE(key.size(), 32);

    if (change == QLatin1String("tamper")) {
        publish(bytes(manifestFor(artifact(QStringLiteral("1.2.1")))));
    } else if (change == QLatin1String("other key")) {
        unsigned char other[crypto_sign_PUBLICKEYBYTES];
        unsigned char secret[crypto_sign_SECRETKEYBYTES];
        crypto_sign_keypair(other, secret);
        key = QByteArray(reinterpret_cast<const char *>(other), sizeof other);
    } else if (change == QLatin1String("unsigned")) {
        m_server.removeFile(QStringLiteral("stable/latest.json.sig"));
    } else if (change == QLatin1String("garbage")) {
        QVERIFY(m_server.writeFile(QStringLiteral("stable/latest.json.sig"), "not a signature at all\n"));
    } else if (change == QLatin1String("short")) {
        QVERIFY(m_server.writeFile(QStringLiteral("stable/latest.json.sig"), QByteArray(32, 'x').toBase64() + '\n'));
    }

    UpdateConfig settings = config();
    settings.publicKey = key;
    Client client(settings);
    const Answer answer = run(client);
    QCOMPARE(answer.answers, 1);
    if (reason.isEmpty()) {
        QCOMPARE(answer.kind, Answer::Available);
        QCOMPARE(answer.artifact.version, QStringLiteral("1.2.0"));
    } else {
        QCOMPARE(answer.kind, Answer::Failed);
        QCOMPARE(answer.reason, reason);
    }
}

void tst_Client::aSecondCheckWhileOneIsOutstandingIsIgnored()
{
    publish(bytes(manifestFor(artifact(QStringLiteral("1.2.0")))));
    Client client(config());
    QSignalSpy available(&client, &Client::updateAvailable);
    QSignalSpy current(&client, &Client::upToDate);
    QSignalSpy failed(&client, &Client::checkFailed);
    client.check();
    QVERIFY(client.isChecking());
    client.check();
    QTRY_COMPARE(available.size(), 1);
    QTest::qWait(200);
    QCOMPARE(available.size() + current.size() + failed.size(), 1);

    // Once answered, the client checks again.
    client.check();
    QTRY_COMPARE(available.size(), 2);
}

void tst_Client::theRequestNamesTheClientAndTheFile()
{
    CannedHttpServer canned;
    QVERIFY(canned.listen());
    canned.setResponse("HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
    UpdateConfig settings = config();
    // No "/" at the end: the client adds it before the file name.
    settings.manifestBaseUrl = canned.url(QStringLiteral("/quillby/stable"));
    Client client(settings);
    const Answer answer = run(client);
    QCOMPARE(answer.kind, Answer::Current);
    QCOMPARE(canned.requests().size(), 1);
    const QByteArray request = canned.requests().constFirst();
    QVERIFY2(request.startsWith("GET /quillby/stable/latest.json HTTP/1.1\r\n"), request.constData());
    QVERIFY2(request.contains("\r\nUser-Agent: OrlUpdateQt/0.1 (quillby)"), request.constData());
}

void tst_Client::aServerThatNeverAnswersTimesOut()
{
    CannedHttpServer silent;
    QVERIFY(silent.listen());
    UpdateConfig settings = config();
    settings.manifestBaseUrl = silent.url(QStringLiteral("/quillby/stable/"));
    settings.timeoutMs = 300;
    Client client(settings);
    const Answer answer = run(client);
    QCOMPARE(answer.kind, Answer::Failed);
    QCOMPARE(answer.reason, QStringLiteral("network error: no answer within 0.3 s"));
    QVERIFY(!client.isChecking());
    QCOMPARE(silent.requests().size(), 1);
}

void tst_Client::redirectsToUntrustedAddressesAreRefused()
{
    CannedHttpServer redirecting;
    QVERIFY(redirecting.listen());
    // 192.0.2.1 is a documentation address: nothing may be asked there.
    redirecting.setResponse("HTTP/1.1 302 Found\r\nLocation: http://192.0.2.1/quillby/stable/latest.json\r\n"
                            "Content-Length: 0\r\nConnection: close\r\n\r\n");
    UpdateConfig settings = config();
    settings.manifestBaseUrl = redirecting.url(QStringLiteral("/quillby/stable/"));
    settings.timeoutMs = 5000;
    Client client(settings);
    const Answer answer = run(client);
    QCOMPARE(answer.kind, Answer::Failed);
    QCOMPARE(answer.reason, QStringLiteral("network error: redirect to an untrusted address refused"));
}

QTEST_GUILESS_MAIN(tst_Client)
#include "tst_client.moc"
