#include "cannedhttpserver.h"
#include "releaseserver.h"

#include "update/releasenotesfetcher.h"

#include <QSignalSpy>
#include <QTest>

using OrlUpdate::ReleaseNotesFetcher;
using OrlUpdate::UpdateConfig;

namespace {

// What one fetch answered: the notes, or "" for notesUnavailable.
struct Notes
{
    int answers = 0;
    bool ready = false;
    QString text;
};

Notes fetch(ReleaseNotesFetcher &fetcher)
{
    Notes notes;
    QObject guard;
    QObject::connect(&fetcher, &ReleaseNotesFetcher::notesReady, &guard, [&notes](const QString &text) {
        notes.ready = true;
        notes.text = text;
        ++notes.answers;
    });
    QObject::connect(&fetcher, &ReleaseNotesFetcher::notesUnavailable, &guard, [&notes] { ++notes.answers; });
    fetcher.fetch();
    if (!QTest::qWaitFor([&notes] { return notes.answers > 0; }, 20000))
        QTest::qFail("no answer within 20 s", __FILE__, __LINE__);
    QTest::qWait(50);
    return notes;
}

} // namespace

// Release notes from the download service of a real quillby-server: the
// system language's notes first, then the plain ones, and nothing from a
// stuck, oversized or untrusted source.
class tst_ReleaseNotesFetcher : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();

    void addressOfTheRunningVersion_data();
    void addressOfTheRunningVersion();
    void localizedAddress_data();
    void localizedAddress();
    void languageThenPlain_data();
    void languageThenPlain();
    void aStuckServerEndsInUnavailable();
    void oversizedNotesAreUnavailable();
    void untrustedAddressesAreNeverAsked();
    void theRequestNamesTheClient();

private:
    ReleaseServer m_server;
};

void tst_ReleaseNotesFetcher::initTestCase()
{
    QString error;
    if (!m_server.start(&error))
        QSKIP(qPrintable(QStringLiteral("quillby-server is not available: %1").arg(error)));
}

void tst_ReleaseNotesFetcher::init()
{
    m_server.clear();
}

void tst_ReleaseNotesFetcher::addressOfTheRunningVersion_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("expected");

    QTest::newRow("channel folder") << "https://downloads.example.org/quillby/stable/" << "https://downloads.example.org/quillby/1.1.2/release-notes.md";
    QTest::newRow("without the slash") << "https://downloads.example.org/quillby/stable" << "https://downloads.example.org/quillby/1.1.2/release-notes.md";
    QTest::newRow("channel at the top") << "http://127.0.0.1:8640/stable/" << "http://127.0.0.1:8640/1.1.2/release-notes.md";
    QTest::newRow("encoded folder name") << "https://example.org/my%20apps/stable/" << "https://example.org/my%20apps/1.1.2/release-notes.md";
}

void tst_ReleaseNotesFetcher::addressOfTheRunningVersion()
{
    QFETCH(QString, base);
    QFETCH(QString, expected);
    UpdateConfig config;
    config.appId = QStringLiteral("quillby");
    config.manifestBaseUrl = QUrl(base);
    config.currentVersion = QStringLiteral("1.1.2");
    const ReleaseNotesFetcher fetcher(config);
    QCOMPARE(fetcher.plainUrl(), QUrl(expected));
    QCOMPARE(fetcher.plainUrl().toString(QUrl::FullyEncoded), expected);
}

void tst_ReleaseNotesFetcher::localizedAddress_data()
{
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("expected");

    const QString notes = QStringLiteral("https://example.org/quillby/1.1.2/release-notes.md");
    QTest::newRow("German") << notes << "de_DE" << "https://example.org/quillby/1.1.2/release-notes.de.md";
    QTest::newRow("Japanese") << notes << "ja_JP" << "https://example.org/quillby/1.1.2/release-notes.ja.md";
    QTest::newRow("English has none") << notes << "en_GB" << "";
    QTest::newRow("no locale") << notes << "" << "";
    QTest::newRow("C locale") << notes << "C" << "";
    QTest::newRow("not Markdown stays as it is") << "https://example.org/notes.txt" << "fr_FR" << "https://example.org/notes.txt";
    QTest::newRow("upper-case suffix stays") << "https://example.org/NOTES.MD" << "fr_FR" << "https://example.org/NOTES.MD";
}

void tst_ReleaseNotesFetcher::localizedAddress()
{
    QFETCH(QString, plain);
    QFETCH(QString, locale);
    QFETCH(QString, expected);
    QCOMPARE(ReleaseNotesFetcher::localizedNotesUrl(QUrl(plain), locale).toString(), expected);
}

void tst_ReleaseNotesFetcher::languageThenPlain_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QByteArray>("german");
    QTest::addColumn<QByteArray>("plain");
    QTest::addColumn<QString>("expected");

    QTest::newRow("German notes for a German system") << "de_DE" << QByteArray("# Neu\n\nSchneller.\n") << QByteArray("# New\n\nFaster.\n")
                                                      << QStringLiteral("# Neu\n\nSchneller.");
    QTest::newRow("no German notes") << "de_DE" << QByteArray() << QByteArray("# New\n\nFaster.\n") << QStringLiteral("# New\n\nFaster.");
    QTest::newRow("blank German notes") << "de_DE" << QByteArray(" \n\t\n") << QByteArray("# New\n") << QStringLiteral("# New");
    QTest::newRow("English system") << "en_US" << QByteArray("# Neu\n") << QByteArray("# New\n") << QStringLiteral("# New");
    QTest::newRow("French system, no French notes") << "fr_FR" << QByteArray("# Neu\n") << QByteArray("# New\n") << QStringLiteral("# New");
    QTest::newRow("nothing at all") << "de_DE" << QByteArray() << QByteArray() << QString();
    QTest::newRow("blank plain notes") << "en_US" << QByteArray() << QByteArray("\n\n") << QString();
    QTest::newRow("only German notes, English system") << "en_US" << QByteArray("# Neu\n") << QByteArray() << QString();
}

void tst_ReleaseNotesFetcher::languageThenPlain()
{
    QFETCH(QString, locale);
    QFETCH(QByteArray, german);
    QFETCH(QByteArray, plain);
    QFETCH(QString, expected);
    if (!german.isNull())
        QVERIFY(m_server.writeFile(QStringLiteral("1.1.2/release-notes.de.md"), german));
    if (!plain.isNull())
        QVERIFY(m_server.writeFile(QStringLiteral("1.1.2/release-notes.md"), plain));

    UpdateConfig config;
    config.appId = QStringLiteral("quillby");
    config.manifestBaseUrl = m_server.channelUrl();
    config.currentVersion = QStringLiteral("1.1.2");
    ReleaseNotesFetcher fetcher(config);
    fetcher.setLocaleName(locale);
    const Notes notes = fetch(fetcher);
    QCOMPARE(notes.answers, 1);
    QCOMPARE(notes.ready, !expected.isEmpty());
    QCOMPARE(notes.text, expected);
}

void tst_ReleaseNotesFetcher::aStuckServerEndsInUnavailable()
{
    CannedHttpServer silent;
    QVERIFY(silent.listen());
    ReleaseNotesFetcher fetcher(silent.url(QStringLiteral("/quillby/1.1.2/release-notes.md")), QStringLiteral("quillby"));
    fetcher.setLocaleName(QStringLiteral("de_DE"));
    fetcher.setLimits({200, 1024});
    const Notes notes = fetch(fetcher);
    QCOMPARE(notes.answers, 1);
    QVERIFY(!notes.ready);
    // The language's notes first, then the plain ones, each within the limit.
    QCOMPARE(silent.requests().size(), 2);
    QVERIFY(silent.requests().at(0).startsWith("GET /quillby/1.1.2/release-notes.de.md "));
    QVERIFY(silent.requests().at(1).startsWith("GET /quillby/1.1.2/release-notes.md "));
}

void tst_ReleaseNotesFetcher::oversizedNotesAreUnavailable()
{
    QVERIFY(m_server.writeFile(QStringLiteral("1.1.2/release-notes.md"), QByteArray(5000, 'x')));
    ReleaseNotesFetcher fetcher(m_server.url(QStringLiteral("/quillby/1.1.2/release-notes.md")), QStringLiteral("quillby"));
    fetcher.setLocaleName(QStringLiteral("en_US"));
    fetcher.setLimits({5000, 4096});
    const Notes notes = fetch(fetcher);
    QCOMPARE(notes.answers, 1);
    QVERIFY(!notes.ready);

    // The same file within the limit arrives.
    fetcher.setLimits({5000, 8192});
    const Notes allowed = fetch(fetcher);
    QVERIFY(allowed.ready);
    QCOMPARE(allowed.text.size(), 5000);
}

void tst_ReleaseNotesFetcher::untrustedAddressesAreNeverAsked()
{
    ReleaseNotesFetcher fetcher(QUrl(QStringLiteral("http://192.0.2.1/quillby/1.1.2/release-notes.md")), QStringLiteral("quillby"));
    fetcher.setLocaleName(QStringLiteral("de_DE"));
    QSignalSpy unavailable(&fetcher, &ReleaseNotesFetcher::notesUnavailable);
    fetcher.fetch();
    // Answered on the next turn of the event loop, not from inside fetch().
    QCOMPARE(unavailable.size(), 0);
    QTRY_COMPARE(unavailable.size(), 1);
}

void tst_ReleaseNotesFetcher::theRequestNamesTheClient()
{
    CannedHttpServer canned;
    QVERIFY(canned.listen());
    canned.setResponse("HTTP/1.1 200 OK\r\nContent-Type: text/markdown\r\nContent-Length: 6\r\nConnection: close\r\n\r\n# Hi\n\n");
    ReleaseNotesFetcher fetcher(canned.url(QStringLiteral("/notes/release-notes.md")), QStringLiteral("update-dialog"));
    fetcher.setLocaleName(QStringLiteral("en_US"));
    const Notes notes = fetch(fetcher);
    QCOMPARE(notes.text, QStringLiteral("# Hi"));
    QCOMPARE(canned.requests().size(), 1);
    QVERIFY2(canned.requests().constFirst().contains("\r\nUser-Agent: OrlUpdateQt/0.1 (update-dialog)"), canned.requests().constFirst().constData());
}

QTEST_GUILESS_MAIN(tst_ReleaseNotesFetcher)
#include "tst_releasenotesfetcher.moc"
