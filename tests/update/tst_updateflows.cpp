#include "manifestfixture.h"
#include "releaseserver.h"

#include "update/releasenotesfetcher.h"
#include "update/client.h"
#include "update/updatedialog.h"
#include "update/updateflows.h"
#include "update/urlopener.h"
#include "update/whatsnewdialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>

#include <memory>

using namespace ManifestFixture;
using OrlUpdate::StatusCallbacks;
using OrlUpdate::UpdateConfig;
using OrlUpdate::UpdateDialog;
using OrlUpdate::WhatsNewDialog;

namespace {

const QString AppName = QStringLiteral("Orlindo Quillby");

// The status bar as the functions drive it, one line per call.
struct StatusLog
{
    QStringList lines;

    StatusCallbacks callbacks()
    {
        return {[this](const QString &text) { lines << QStringLiteral("progress: ") + text; },
                [this] { lines << QStringLiteral("hide"); },
                [this](const QString &text, int ms) { lines << QStringLiteral("message: %1 (%2 ms)").arg(text).arg(ms); }};
    }
};

template<typename Dialog>
QList<Dialog *> dialogsOf(QWidget *window)
{
    return window->findChildren<Dialog *>();
}

// True once no fetcher or client of the functions is left: their one
// answer has arrived and they deleted themselves.
bool allAnswered()
{
    return qApp->findChildren<OrlUpdate::ReleaseNotesFetcher *>(Qt::FindDirectChildrenOnly).isEmpty()
        && qApp->findChildren<OrlUpdate::Client *>(Qt::FindDirectChildrenOnly).isEmpty();
}

} // namespace

// The Help menu's functions and the start-up display against the download
// service of a real quillby-server, on the offscreen platform. Dialogs are
// shown without blocking, so the test looks for them among the window's
// children.
class tst_UpdateFlows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void checkUpToDate();
    void checkOffersANewerBuild();
    void checkFailureIsShownForFiveSeconds();
    void checkIgnoresNothingDismissed();
    void aClosedWindowGetsNoDialogButTheStatusStillEnds();
    void whatsNewShowsTheRunningVersionsNotes();
    void whatsNewFallsBackToTheNewestBuildsNotes();
    void whatsNewWithoutAnyNotes_data();
    void whatsNewWithoutAnyNotes();
    void startupShowsTheNotesOrNothing_data();
    void startupShowsTheNotesOrNothing();

private:
    UpdateConfig config() const;
    void publishNewer(bool withNotes);

    ReleaseServer m_server;
    std::unique_ptr<QWidget> m_window;
    StatusLog m_status;
};

UpdateConfig tst_UpdateFlows::config() const
{
    UpdateConfig config;
    config.appId = QStringLiteral("quillby");
    config.channel = QStringLiteral("stable");
    config.manifestBaseUrl = m_server.channelUrl();
    config.currentVersion = QStringLiteral("1.1.2");
    return config;
}

void tst_UpdateFlows::publishNewer(bool withNotes)
{
    QJsonObject ours = artifact(QStringLiteral("1.2.0"));
    if (withNotes)
        ours.insert(QStringLiteral("release_notes_url"), m_server.url(QStringLiteral("/quillby/1.2.0/release-notes.md")).toString());
    QVERIFY(m_server.writeFile(QStringLiteral("stable/latest.json"), bytes(manifestFor(ours))));
}

void tst_UpdateFlows::initTestCase()
{
    // The notes in the system's language come first; these tests publish
    // plain notes only, which every language falls back to.
    OrlUpdate::UrlOpener::setHandler([](const QUrl &) { return true; });
    if (platform().isEmpty())
        QSKIP("this system has no platform key, so no manifest can name a build for it");
    QString error;
    if (!m_server.start(&error))
        QSKIP(qPrintable(QStringLiteral("quillby-server is not available: %1").arg(error)));
}

void tst_UpdateFlows::cleanupTestCase()
{
    OrlUpdate::UrlOpener::setHandler({});
}

void tst_UpdateFlows::init()
{
    m_server.clear();
    m_status.lines.clear();
    m_window = std::make_unique<QWidget>();
    m_window->show();
}

void tst_UpdateFlows::cleanup()
{
    QTRY_VERIFY_WITH_TIMEOUT(allAnswered(), 20000);
    m_window.reset();
}

void tst_UpdateFlows::checkUpToDate()
{
    QVERIFY(m_server.writeFile(QStringLiteral("stable/latest.json"), bytes(manifestFor(artifact(QStringLiteral("1.1.2"))))));
    OrlUpdate::checkForUpdatesInteractive(config(), AppName, m_window.get(), m_status.callbacks());
    QCOMPARE(m_status.lines, QStringList{QStringLiteral("progress: Checking for updates…")});
    QTRY_COMPARE_WITH_TIMEOUT(m_status.lines.size(), 3, 20000);
    QCOMPARE(m_status.lines.at(1), QStringLiteral("hide"));
    QCOMPARE(m_status.lines.at(2), QStringLiteral("message: Orlindo Quillby is up to date (version 1.1.2) (5000 ms)"));
    QVERIFY(dialogsOf<QDialog>(m_window.get()).isEmpty());
}

void tst_UpdateFlows::checkOffersANewerBuild()
{
    publishNewer(false);
    OrlUpdate::checkForUpdatesInteractive(config(), AppName, m_window.get(), m_status.callbacks());
    QTRY_COMPARE_WITH_TIMEOUT(dialogsOf<UpdateDialog>(m_window.get()).size(), 1, 20000);
    UpdateDialog *dialog = dialogsOf<UpdateDialog>(m_window.get()).constFirst();
    QVERIFY(dialog->isVisible());
    QVERIFY(dialog->testAttribute(Qt::WA_DeleteOnClose));
    QCOMPARE(m_status.lines, (QStringList{QStringLiteral("progress: Checking for updates…"), QStringLiteral("hide")}));
    QVERIFY(dialog->findChild<QLabel *>(QStringLiteral("updateVersions"))->text().contains(QStringLiteral("1.2.0")));
    // Closing deletes it.
    const QPointer<UpdateDialog> guard(dialog);
    dialog->reject();
    QTRY_VERIFY(guard.isNull());
}

void tst_UpdateFlows::checkFailureIsShownForFiveSeconds()
{
    QVERIFY(m_server.writeFile(QStringLiteral("stable/latest.json"), "{\"schema\": 2, \"app\": \"quillby\", \"channel\": \"stable\"}"));
    OrlUpdate::checkForUpdatesInteractive(config(), AppName, m_window.get(), m_status.callbacks());
    QTRY_COMPARE_WITH_TIMEOUT(m_status.lines.size(), 3, 20000);
    QCOMPARE(m_status.lines.at(1), QStringLiteral("hide"));
    QCOMPARE(m_status.lines.at(2),
             QStringLiteral("message: Update check failed: manifest invalid: unsupported manifest schema: 2 (expected 1) (5000 ms)"));
}

void tst_UpdateFlows::checkIgnoresNothingDismissed()
{
    // The Help menu offers the same build again and again; only the
    // automatic check remembers what was offered.
    publishNewer(false);
    for (int round = 1; round <= 2; ++round) {
        OrlUpdate::checkForUpdatesInteractive(config(), AppName, m_window.get(), m_status.callbacks());
        QTRY_COMPARE_WITH_TIMEOUT(dialogsOf<UpdateDialog>(m_window.get()).size(), 1, 20000);
        UpdateDialog *dialog = dialogsOf<UpdateDialog>(m_window.get()).constFirst();
        const QPointer<UpdateDialog> guard(dialog);
        dialog->reject();
        QTRY_VERIFY(guard.isNull());
    }
}

void tst_UpdateFlows::aClosedWindowGetsNoDialogButTheStatusStillEnds()
{
    publishNewer(false);
    OrlUpdate::checkForUpdatesInteractive(config(), AppName, m_window.get(), m_status.callbacks());
    m_window.reset();
    QTRY_COMPARE_WITH_TIMEOUT(m_status.lines.size(), 2, 20000);
    QCOMPARE(m_status.lines.at(1), QStringLiteral("hide"));
    QTRY_VERIFY_WITH_TIMEOUT(allAnswered(), 20000);
    for (QWidget *widget : QApplication::topLevelWidgets())
        QVERIFY(!qobject_cast<UpdateDialog *>(widget));
}

void tst_UpdateFlows::whatsNewShowsTheRunningVersionsNotes()
{
    QVERIFY(m_server.writeFile(QStringLiteral("1.1.2/release-notes.md"), "# Quillby 1.1.2\n\n- Calmer colours\n"));
    publishNewer(true);
    OrlUpdate::showWhatsNew(config(), AppName, m_window.get(), m_status.callbacks());
    QCOMPARE(m_status.lines, QStringList{QStringLiteral("progress: Loading release notes…")});
    QTRY_COMPARE_WITH_TIMEOUT(dialogsOf<WhatsNewDialog>(m_window.get()).size(), 1, 20000);
    WhatsNewDialog *dialog = dialogsOf<WhatsNewDialog>(m_window.get()).constFirst();
    QCOMPARE(dialog->windowTitle(), QStringLiteral("What's New in Orlindo Quillby 1.1.2"));
    QVERIFY(dialog->notesView()->toPlainText().contains(QStringLiteral("Calmer colours")));
    QCOMPARE(dialog->buttons()->buttons().size(), 1);
    QVERIFY(dialog->testAttribute(Qt::WA_DeleteOnClose));
    QCOMPARE(m_status.lines, (QStringList{QStringLiteral("progress: Loading release notes…"), QStringLiteral("hide")}));
}

void tst_UpdateFlows::whatsNewFallsBackToTheNewestBuildsNotes()
{
    QVERIFY(m_server.writeFile(QStringLiteral("1.2.0/release-notes.md"), "# Quillby 1.2.0\n\n- Budgets\n"));
    publishNewer(true);
    OrlUpdate::showWhatsNew(config(), AppName, m_window.get(), m_status.callbacks());
    QTRY_COMPARE_WITH_TIMEOUT(dialogsOf<WhatsNewDialog>(m_window.get()).size(), 1, 20000);
    WhatsNewDialog *dialog = dialogsOf<WhatsNewDialog>(m_window.get()).constFirst();
    QCOMPARE(dialog->windowTitle(), QStringLiteral("What's New in Orlindo Quillby 1.2.0"));
    QVERIFY(dialog->notesView()->toPlainText().contains(QStringLiteral("Budgets")));
    QCOMPARE(dialog->runningLabel()->text(), QStringLiteral("You are running version 1.1.2"));
    QStringList texts;
    for (const QAbstractButton *button : dialog->buttons()->buttons())
        texts << button->text().remove(QLatin1Char('&'));
    texts.sort();
    QCOMPARE(texts, (QStringList{QStringLiteral("Close"), QStringLiteral("Download 1.2.0")}));
    QCOMPARE(m_status.lines, (QStringList{QStringLiteral("progress: Loading release notes…"), QStringLiteral("hide")}));
}

void tst_UpdateFlows::whatsNewWithoutAnyNotes_data()
{
    QTest::addColumn<QString>("published");
    QTest::newRow("no newer build") << "current";
    QTest::newRow("no manifest") << "none";
    QTest::newRow("newer build without notes address") << "newer without notes";
    QTest::newRow("newer build whose notes are missing") << "newer with notes";
    QTest::newRow("broken manifest") << "broken";
}

void tst_UpdateFlows::whatsNewWithoutAnyNotes()
{
    QFETCH(QString, published);
    if (published == QLatin1String("current"))
        QVERIFY(m_server.writeFile(QStringLiteral("stable/latest.json"), bytes(manifestFor(artifact(QStringLiteral("1.1.2"))))));
    else if (published == QLatin1String("newer without notes"))
        publishNewer(false);
    else if (published == QLatin1String("newer with notes"))
        publishNewer(true);
    else if (published == QLatin1String("broken"))
        QVERIFY(m_server.writeFile(QStringLiteral("stable/latest.json"), "not json"));
    OrlUpdate::showWhatsNew(config(), AppName, m_window.get(), m_status.callbacks());
    QTRY_COMPARE_WITH_TIMEOUT(m_status.lines.size(), 3, 20000);
    QCOMPARE(m_status.lines,
             (QStringList{QStringLiteral("progress: Loading release notes…"), QStringLiteral("hide"),
                          QStringLiteral("message: No release notes available for Orlindo Quillby 1.1.2 (5000 ms)")}));
    QVERIFY(dialogsOf<QDialog>(m_window.get()).isEmpty());
}

void tst_UpdateFlows::startupShowsTheNotesOrNothing_data()
{
    QTest::addColumn<bool>("notesPublished");
    QTest::newRow("notes published") << true;
    QTest::newRow("no notes") << false;
}

void tst_UpdateFlows::startupShowsTheNotesOrNothing()
{
    QFETCH(bool, notesPublished);
    if (notesPublished)
        QVERIFY(m_server.writeFile(QStringLiteral("1.1.2/release-notes.md"), "# Quillby 1.1.2\n"));
    // A newer build with notes is not what the start-up display is about.
    publishNewer(true);
    QVERIFY(m_server.writeFile(QStringLiteral("1.2.0/release-notes.md"), "# Quillby 1.2.0\n"));
    OrlUpdate::showStartupWhatsNew(config(), AppName, m_window.get());
    QTRY_VERIFY_WITH_TIMEOUT(allAnswered(), 20000);
    QCoreApplication::processEvents();
    const auto dialogs = dialogsOf<WhatsNewDialog>(m_window.get());
    QCOMPARE(dialogs.size(), notesPublished ? 1 : 0);
    if (notesPublished) {
        QCOMPARE(dialogs.constFirst()->windowTitle(), QStringLiteral("What's New in Orlindo Quillby 1.1.2"));
        QCOMPARE(dialogs.constFirst()->buttons()->buttons().size(), 1);
    }
}

QTEST_MAIN(tst_UpdateFlows)
#include "tst_updateflows.moc"
