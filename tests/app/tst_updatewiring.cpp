#include "manifestfixture.h"
#include "releaseserver.h"

#include "app/updatewiring.h"
#include "common/testappstate.h"
#include "data/preferencesrepository.h"
#include "ui/mainwindow.h"
#include "ui/messagebox.h"
#include "ui/statusbar.h"
#include "update/client.h"
#include "update/releasenotesfetcher.h"
#include "update/updatedialog.h"
#include "update/urlopener.h"
#include "update/whatsnewdialog.h"

#include <QAction>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenuBar>
#include <QSettings>
#include <QTest>
#include <QTextBrowser>

#include <memory>

using namespace ManifestFixture;
using OrlUpdate::UpdateDialog;
using OrlUpdate::WhatsNewDialog;

// Receives the addresses QDesktopServices would give the browser.
class UrlRecorder : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;

public Q_SLOTS:
    void record(const QUrl &url) { urls << url; }
};

// The shell's update wiring against the download service of a real
// quillby-server: the what's-new display after an upgrade, the automatic
// check and what it remembers, and the Help menu's entries.
class tst_UpdateWiring : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void whatsNewAfterAnUpgrade_data();
    void whatsNewAfterAnUpgrade();
    void eachVersionIsOfferedOnceAtStart_data();
    void eachVersionIsOfferedOnceAtStart();
    void theStartupCheckWaitsForTheWindow();
    void aFailedStartupCheckOnlyLogs();
    void helpMenuChecksForUpdates();
    void helpMenuShowsWhatsNew();
    void feedbackGoesToTheConfiguredPage_data();
    void feedbackGoesToTheConfiguredPage();

private:
    OrlUpdate::UpdateConfig config() const;
    QAction *helpAction(MainWindow &window, const QString &text) const;
    static bool allAnswered();

    ReleaseServer m_server;
    std::unique_ptr<TestAppState> m_state;
    std::unique_ptr<QWidget> m_window;
};

OrlUpdate::UpdateConfig tst_UpdateWiring::config() const
{
    OrlUpdate::UpdateConfig config;
    config.appId = QStringLiteral("quillby");
    config.channel = QStringLiteral("stable");
    config.manifestBaseUrl = m_server.channelUrl();
    config.currentVersion = QStringLiteral("1.1.2");
    return config;
}

bool tst_UpdateWiring::allAnswered()
{
    return qApp->findChildren<OrlUpdate::ReleaseNotesFetcher *>(Qt::FindDirectChildrenOnly).isEmpty()
        && qApp->findChildren<OrlUpdate::Client *>(Qt::FindDirectChildrenOnly).isEmpty();
}

QAction *tst_UpdateWiring::helpAction(MainWindow &window, const QString &text) const
{
    for (QAction *menu : window.menuBar()->actions()) {
        if (!menu->menu())
            continue;
        for (QAction *action : menu->menu()->actions()) {
            if (action->text() == text)
                return action;
        }
    }
    return nullptr;
}

void tst_UpdateWiring::initTestCase()
{
    TestAppState::redirectSettings();
    qputenv("AUTH_BASE_URL", "http://127.0.0.1:9");
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    QCoreApplication::setOrganizationName("Orlindo");
    QCoreApplication::setApplicationName("QuillbyTest");
    QCoreApplication::setApplicationVersion("1.1.2");
    MessageBox::setResponder([](const MessageBox::Request &) { return QMessageBox::Ok; });
    OrlUpdate::UrlOpener::setHandler([](const QUrl &) { return true; });
    if (platform().isEmpty())
        QSKIP("this system has no platform key, so no manifest can name a build for it");
    QString error;
    if (!m_server.start(&error))
        QSKIP(qPrintable(QStringLiteral("quillby-server is not available: %1").arg(error)));
}

void tst_UpdateWiring::cleanupTestCase()
{
    OrlUpdate::UrlOpener::setHandler({});
}

void tst_UpdateWiring::init()
{
    QSettings().clear();
    m_server.clear();
    qputenv("UPDATE_BASE_URL", m_server.channelUrl().toString().toUtf8());
    m_state = std::make_unique<TestAppState>();
    QVERIFY(m_state->initialize());
    m_window = std::make_unique<QWidget>();
    m_window->show();
}

void tst_UpdateWiring::cleanup()
{
    QTRY_VERIFY_WITH_TIMEOUT(allAnswered(), 20000);
    m_window.reset();
    m_state.reset();
    qunsetenv("UPDATE_BASE_URL");
    qunsetenv("FEEDBACK_URL");
}

void tst_UpdateWiring::whatsNewAfterAnUpgrade_data()
{
    QTest::addColumn<QString>("marker");
    QTest::addColumn<QString>("olderMarker");
    QTest::addColumn<bool>("shown");

    QTest::newRow("first start") << "" << "" << true;
    QTest::newRow("upgrade from 1.1.1") << "1.1.1" << "" << true;
    QTest::newRow("same version again") << "1.1.2" << "" << false;
    QTest::newRow("downgraded from a newer version") << "1.2.0" << "" << false;
    QTest::newRow("unreadable marker") << "soon" << "" << true;
    QTest::newRow("marker of the older storage, same version") << "" << "1.1.2" << false;
    QTest::newRow("marker of the older storage, older version") << "" << "1.0" << true;
    QTest::newRow("settings marker wins over the older one") << "1.1.2" << "1.0.0" << false;
}

void tst_UpdateWiring::whatsNewAfterAnUpgrade()
{
    QFETCH(QString, marker);
    QFETCH(QString, olderMarker);
    QFETCH(bool, shown);
    QVERIFY(m_server.writeFile(QStringLiteral("1.1.2/release-notes.md"), "# Quillby 1.1.2\n\n- Steadier sync\n"));
    if (!marker.isEmpty())
        QSettings().setValue(QStringLiteral("whatsNew/lastShownVersion"), marker);
    if (!olderMarker.isEmpty())
        QVERIFY(m_state->preferencesRepository()->set(QStringLiteral("last_whats_new_version"), olderMarker));

    UpdateWiring wiring(config(), m_state->preferencesRepository(), m_window.get());
    QCOMPARE(wiring.runWhatsNewCheck(), shown);
    const QString expectedMarker = shown ? QStringLiteral("1.1.2") : (marker.isEmpty() ? olderMarker : marker);
    QCOMPARE(QSettings().value(QStringLiteral("whatsNew/lastShownVersion")).toString(), expectedMarker);
    QTRY_VERIFY_WITH_TIMEOUT(allAnswered(), 20000);
    QCoreApplication::processEvents();
    const auto dialogs = m_window->findChildren<WhatsNewDialog *>();
    QCOMPARE(dialogs.size(), shown ? 1 : 0);
    if (shown)
        QVERIFY(dialogs.constFirst()->notesView()->toPlainText().contains(QStringLiteral("Steadier sync")));

    // The next start shows nothing.
    UpdateWiring again(config(), m_state->preferencesRepository(), m_window.get());
    QVERIFY(!again.runWhatsNewCheck());
}

void tst_UpdateWiring::eachVersionIsOfferedOnceAtStart_data()
{
    QTest::addColumn<QString>("dismissed");
    QTest::addColumn<QString>("offered");
    QTest::addColumn<bool>("shown");

    QTest::newRow("nothing dismissed yet") << "" << "1.2.0" << true;
    QTest::newRow("this version dismissed") << "1.2.0" << "1.2.0" << false;
    QTest::newRow("newer than the dismissed one") << "1.2.0" << "1.2.1" << true;
    QTest::newRow("older than the dismissed one") << "1.3.0" << "1.2.0" << false;
    QTest::newRow("dismissed text unreadable") << "soon" << "1.2.0" << true;
}

void tst_UpdateWiring::eachVersionIsOfferedOnceAtStart()
{
    QFETCH(QString, dismissed);
    QFETCH(QString, offered);
    QFETCH(bool, shown);
    PreferencesRepository *preferences = m_state->preferencesRepository();
    if (!dismissed.isEmpty())
        QVERIFY(preferences->set(QStringLiteral("update_dismissed_version"), dismissed));

    UpdateWiring wiring(config(), preferences, m_window.get());
    OrlUpdate::Artifact artifact;
    artifact.version = offered;
    artifact.url = QUrl(QStringLiteral("https://downloads.example.org/q.tar.gz"));
    wiring.onUpdateAvailable(artifact);
    const auto dialogs = m_window->findChildren<UpdateDialog *>();
    QCOMPARE(dialogs.size(), shown ? 1 : 0);
    if (!shown) {
        QCOMPARE(preferences->getValue(QStringLiteral("update_dismissed_version"), QString()), dismissed);
        return;
    }
    UpdateDialog *dialog = dialogs.constFirst();
    QVERIFY(dialog->isVisible());
    // Nothing is remembered until the dialog closes, whatever closes it.
    QCOMPARE(preferences->getValue(QStringLiteral("update_dismissed_version"), QString()), dismissed);
    const QPointer<UpdateDialog> guard(dialog);
    dialog->close();
    QCOMPARE(preferences->getValue(QStringLiteral("update_dismissed_version"), QString()), offered);
    QTRY_VERIFY(guard.isNull());
}

void tst_UpdateWiring::theStartupCheckWaitsForTheWindow()
{
    QVERIFY(m_server.writeFile(QStringLiteral("stable/latest.json"), bytes(manifestFor(artifact(QStringLiteral("1.2.0"))))));
    UpdateWiring wiring(config(), m_state->preferencesRepository(), m_window.get());
    wiring.scheduleUpdateCheck();
    QVERIFY(!wiring.client());
    // Not before a second and a half has passed.
    QTest::qWait(1000);
    QVERIFY(!wiring.client());
    QVERIFY(m_window->findChildren<UpdateDialog *>().isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(m_window->findChildren<UpdateDialog *>().size(), 1, 20000);
    QVERIFY(wiring.client());
    UpdateDialog *dialog = m_window->findChildren<UpdateDialog *>().constFirst();
    const QPointer<UpdateDialog> guard(dialog);
    dialog->reject();
    QTRY_VERIFY(guard.isNull());
    QCOMPARE(m_state->preferencesRepository()->getValue(QStringLiteral("update_dismissed_version"), QString()), QStringLiteral("1.2.0"));

    // The next start offers nothing until a newer version is published.
    UpdateWiring next(config(), m_state->preferencesRepository(), m_window.get());
    next.scheduleUpdateCheck(0);
    QTRY_VERIFY(next.client());
    QTRY_VERIFY_WITH_TIMEOUT(!next.client()->isChecking(), 20000);
    QCoreApplication::processEvents();
    QVERIFY(m_window->findChildren<UpdateDialog *>().isEmpty());
}

void tst_UpdateWiring::aFailedStartupCheckOnlyLogs()
{
    QVERIFY(m_server.writeFile(QStringLiteral("stable/latest.json"), "[]"));
    UpdateWiring wiring(config(), m_state->preferencesRepository(), m_window.get());
    QTest::ignoreMessage(QtWarningMsg, "update check failed: manifest invalid: manifest root is not a JSON object");
    wiring.scheduleUpdateCheck(0);
    QTRY_VERIFY(wiring.client());
    QTRY_VERIFY_WITH_TIMEOUT(!wiring.client()->isChecking(), 20000);
    QCoreApplication::processEvents();
    QVERIFY(m_window->findChildren<QDialog *>().isEmpty());
}

void tst_UpdateWiring::helpMenuChecksForUpdates()
{
    QVERIFY(m_server.writeFile(QStringLiteral("stable/latest.json"), bytes(manifestFor(artifact(QStringLiteral("1.1.2"))))));
    MainWindow window(m_state.get());
    window.show();
    QAction *check = helpAction(window, QStringLiteral("Check for &Updates..."));
    QVERIFY(check);
    QVERIFY(check->isEnabled());
    check->trigger();
    QVERIFY(window.statusBarWidget()->isBusy());
    QTRY_COMPARE_WITH_TIMEOUT(window.statusBarWidget()->currentMessage(), QStringLiteral("Orlindo Quillby is up to date (version 1.1.2)"), 20000);
    QVERIFY(!window.statusBarWidget()->isBusy());

    // A version the automatic check has already offered is offered here again.
    QVERIFY(m_state->preferencesRepository()->set(QStringLiteral("update_dismissed_version"), QStringLiteral("1.2.0")));
    QVERIFY(m_server.writeFile(QStringLiteral("stable/latest.json"), bytes(manifestFor(artifact(QStringLiteral("1.2.0"))))));
    check->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(window.findChildren<UpdateDialog *>().size(), 1, 20000);
    window.findChildren<UpdateDialog *>().constFirst()->reject();
}

void tst_UpdateWiring::helpMenuShowsWhatsNew()
{
    QVERIFY(m_server.writeFile(QStringLiteral("1.1.2/release-notes.md"), "# Quillby 1.1.2\n\n- Quieter start\n"));
    MainWindow window(m_state.get());
    window.show();
    QAction *whatsNew = helpAction(window, QStringLiteral("What's &New..."));
    QVERIFY(whatsNew);
    QVERIFY(whatsNew->isEnabled());
    whatsNew->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(window.findChildren<WhatsNewDialog *>().size(), 1, 20000);
    QVERIFY(!window.statusBarWidget()->isBusy());
    QVERIFY(window.findChildren<WhatsNewDialog *>().constFirst()->notesView()->toPlainText().contains(QStringLiteral("Quieter start")));
}

void tst_UpdateWiring::feedbackGoesToTheConfiguredPage_data()
{
    QTest::addColumn<QByteArray>("variable");
    QTest::addColumn<QString>("expected");
    QTest::newRow("default") << QByteArray() << "https://feedback.orlindo.com/quillby/?tags=quillby";
    QTest::newRow("own page") << QByteArray("https://feedback.example.org/family") << "https://feedback.example.org/family/?tags=quillby";
    QTest::newRow("not a web address") << QByteArray("file:///etc/passwd") << "https://feedback.orlindo.com/quillby/?tags=quillby";
}

void tst_UpdateWiring::feedbackGoesToTheConfiguredPage()
{
    QFETCH(QByteArray, variable);
    QFETCH(QString, expected);
    if (!variable.isNull())
        qputenv("FEEDBACK_URL", variable);
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &recorder, "record");
    MainWindow window(m_state.get());
    QAction *feedback = helpAction(window, QStringLiteral("Send &Feedback..."));
    QVERIFY(feedback);
    feedback->trigger();
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QCOMPARE(recorder.urls, QList<QUrl>{QUrl(expected)});
}

QTEST_MAIN(tst_UpdateWiring)
#include "tst_updatewiring.moc"
