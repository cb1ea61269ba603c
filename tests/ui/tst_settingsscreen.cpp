#include "account/apiclient.h"
#include "account/authclient.h"
#include "account/client.h"
#include "account/tokenmanager.h"
#include "app/appstate.h"
#include "common/testappstate.h"
#include "data/accountrepository.h"
#include "data/preferencesrepository.h"
#include "services/accountservice.h"
#include "services/syncengine.h"
#include "ui/mainwindow.h"
#include "ui/messagebox.h"
#include "ui/settingsdatapage.h"
#include "ui/settingsdeletedaccounts.h"
#include "ui/settingsgeneralpage.h"
#include "ui/settingsscreen.h"
#include "ui/settingssyncsection.h"
#include "ui/thememanager.h"

#include <QAction>
#include <QApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QStackedWidget>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

// A loopback HTTP listener that answers every request with one JSON body,
// or never, and counts what it was asked. It stands in for answers the real
// server does not give: a user with neither a name nor an address, and a
// service that takes a request and goes silent.
class CannedServer : public QObject
{
public:
    explicit CannedServer(QByteArray body, bool answer = true)
        : m_body(std::move(body))
        , m_answer(answer)
    {
        QObject::connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
                    m_buffer[socket] += socket->readAll();
                    if (!m_buffer[socket].contains("\r\n\r\n"))
                        return;
                    paths << QString::fromLatin1(m_buffer[socket].split(' ').value(1));
                    m_buffer.remove(socket);
                    if (!m_answer)
                        return;
                    socket->write("HTTP/1.1 200 OK\r\nContent-Type: application/json\r\nContent-Length: "
                                  + QByteArray::number(m_body.size()) + "\r\nConnection: close\r\n\r\n" + m_body);
                    socket->disconnectFromHost();
                });
            }
        });
        m_server.listen(QHostAddress::LocalHost);
    }

    QString url() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort()); }
    int count(const QString &pathEnd) const
    {
        return int(std::count_if(paths.cbegin(), paths.cend(), [&pathEnd](const QString &path) { return path.endsWith(pathEnd); }));
    }

    QStringList paths;

private:
    QTcpServer m_server;
    QByteArray m_body;
    bool m_answer;
    QHash<QTcpSocket *, QByteArray> m_buffer;
};

} // namespace

// The preferences window as a whole: its frame and navigation, the sync
// section against the real sync engine, and how the main window opens it.
class tst_SettingsScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void frameAndNavigation();
    void navigationFollowsTheTheme();
    void signedOutShowsOnlyTheHint();
    void signedInNameFallsBack_data();
    void signedInNameFallsBack();
    void lastSyncLine_data();
    void lastSyncLine();
    void userFetchedOncePerShowing();
    void answerAfterCloseIsDropped();
    void restoredAccountReachesTheSidebar();
    void preferencesMenuOpensOneWindow();

private:
    // Signs the client in with a token whose subject is `subject` and that no
    // server ever checks.
    void signInLocally(const QString &subject = QStringLiteral("user-1"));
    std::unique_ptr<SettingsScreen> makeScreen();

    std::unique_ptr<TestAppState> m_state;
    QList<MessageBox::Request> m_boxes;
    QList<QMessageBox::StandardButton> m_answers;
};

void tst_SettingsScreen::initTestCase()
{
    TestAppState::redirectSettings();
    qputenv("TZ", "UTC");
    qputenv("AUTH_BASE_URL", "http://127.0.0.1:9");
    qputenv("SYNC_API_URL", "http://127.0.0.1:9/quillby/v1");
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QCoreApplication::setOrganizationName(QStringLiteral("Orlindo"));
    QCoreApplication::setApplicationName(QStringLiteral("QuillbyTest"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.1.2"));
    MessageBox::setResponder([this](const MessageBox::Request &request) {
        m_boxes.append(request);
        return m_answers.isEmpty() ? QMessageBox::No : m_answers.takeFirst();
    });
}

void tst_SettingsScreen::init()
{
    QSettings().clear();
    m_boxes.clear();
    m_answers.clear();
    m_state = std::make_unique<TestAppState>();
    QVERIFY(m_state->initialize());
}

void tst_SettingsScreen::cleanup()
{
    m_state.reset();
}

void tst_SettingsScreen::signInLocally(const QString &subject)
{
    const QJsonObject claims{{"sub", subject}, {"exp", double(QDateTime::currentSecsSinceEpoch() + 3600)}};
    const QByteArray payload = QJsonDocument(claims).toJson(QJsonDocument::Compact).toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
    m_state->client()->tokenManager()->setTokens(QStringLiteral("e30.%1.signature").arg(QString::fromLatin1(payload)), QStringLiteral("refresh"));
    m_state->client()->authClient()->initialize();
    QVERIFY(m_state->client()->isAuthenticated());
}

std::unique_ptr<SettingsScreen> tst_SettingsScreen::makeScreen()
{
    auto screen = std::make_unique<SettingsScreen>(m_state.get(), nullptr, m_state->syncEngine());
    screen->resize(500, 550);
    screen->refresh();
    screen->show();
    return screen;
}

void tst_SettingsScreen::frameAndNavigation()
{
    auto screen = makeScreen();
    QListWidget *navigation = screen->navigation();
    const QStringList names{"General", "Register", "Data & Sync", "About"};
    QCOMPARE(navigation->count(), names.size());
    for (int row = 0; row < navigation->count(); ++row) {
        QCOMPARE(navigation->item(row)->text(), names.at(row));
        QVERIFY(!navigation->item(row)->icon().isNull());
    }
    QCOMPARE(navigation->width(), 180);
    QCOMPARE(navigation->focusPolicy(), Qt::NoFocus);
    QCOMPARE(navigation->iconSize(), QSize(20, 20));
    QCOMPARE(navigation->currentRow(), 0);
    // Each row shows its own page, titled as the row.
    for (int row = 0; row < navigation->count(); ++row) {
        navigation->setCurrentRow(row);
        const QWidget *page = screen->pageStack()->currentWidget();
        const QLabel *title = page->findChild<QLabel *>(QStringLiteral("pageTitle"));
        QVERIFY(title);
        QCOMPARE(title->text(), names.at(row));
    }
    screen->selectPage(SettingsScreen::DataPage);
    QVERIFY(screen->pageStack()->currentWidget()->isAncestorOf(screen->dataPage()));
}

void tst_SettingsScreen::navigationFollowsTheTheme()
{
    ThemeManager themes(m_state->preferencesRepository());
    themes.setTheme(ThemeManager::Theme::Light);
    auto screen = makeScreen();
    QVERIFY(screen->navigation()->styleSheet().contains(QStringLiteral("background: #F0F4F2;")));
    QVERIFY(screen->navigation()->styleSheet().contains(QStringLiteral("background: #00897B;")));
    const QImage lightIcon = screen->navigation()->item(0)->icon().pixmap(20, 20).toImage();
    themes.setTheme(ThemeManager::Theme::Dark);
    // What a running application does with a new palette; a test never runs
    // the application's event loop, so Qt leaves it out.
    QEvent changed(QEvent::ApplicationPaletteChange);
    QApplication::sendEvent(screen.get(), &changed);
    QVERIFY(screen->navigation()->styleSheet().contains(QStringLiteral("background: #152420;")));
    QVERIFY(screen->navigation()->styleSheet().contains(QStringLiteral("background: #26574A;")));
    QVERIFY(screen->navigation()->item(0)->icon().pixmap(20, 20).toImage() != lightIcon);
}

void tst_SettingsScreen::signedOutShowsOnlyTheHint()
{
    auto screen = makeScreen();
    SettingsSyncSection *sync = screen->syncSection();
    QCOMPARE(sync->statusLabel()->text(), QStringLiteral("Not signed in.\nSign in via File › Orlindo Account to enable sync."));
    QCOMPARE(sync->statusLabel()->textFormat(), Qt::PlainText);
    QVERIFY(sync->lastSyncLabel()->isHidden());
    QVERIFY(sync->buttonRow()->isHidden());

    // Signing in while the window is open shows the rest at once; signing
    // out hides it again.
    signInLocally();
    QVERIFY(!sync->buttonRow()->isHidden());
    QVERIFY(!sync->lastSyncLabel()->isHidden());
    m_state->client()->authClient()->logout();
    QTRY_VERIFY(sync->buttonRow()->isHidden());
}

void tst_SettingsScreen::signedInNameFallsBack_data()
{
    QTest::addColumn<QByteArray>("user");
    QTest::addColumn<QString>("shown");
    QTest::newRow("display name") << QByteArray(R"({"id":"user-1","email":"ada@example.org","display_name":"Ada <b>L</b>"})")
                                  << "Ada &lt;b&gt;L&lt;/b&gt;";
    QTest::newRow("no name: the address") << QByteArray(R"({"id":"user-1","email":"ada@example.org","display_name":""})")
                                          << "ada@example.org";
    QTest::newRow("neither: the user id") << QByteArray(R"({"id":"user-1"})") << "user-1";
}

void tst_SettingsScreen::signedInNameFallsBack()
{
    QFETCH(QByteArray, user);
    QFETCH(QString, shown);
    CannedServer server(user);
    m_state->client()->authApi()->setBaseUrl(QUrl(server.url() + QStringLiteral("/api/v1/realms/orlindo")));
    signInLocally();
    auto screen = makeScreen();
    const QString prefix = QStringLiteral("<b>Signed in as:</b> ");
    QTRY_COMPARE(screen->syncSection()->statusLabel()->text().section(QStringLiteral("<br>"), 0, 0), prefix + shown);
    QCOMPARE(screen->syncSection()->statusLabel()->textFormat(), Qt::RichText);
    const QString state = SyncEngine::stateText(m_state->syncEngine()->state());
    QVERIFY2(screen->syncSection()->statusLabel()->text().endsWith(QStringLiteral("\">%1</span>").arg(state)),
             qPrintable(screen->syncSection()->statusLabel()->text()));
}

void tst_SettingsScreen::lastSyncLine_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("never") << QString() << "Never synced";
    QTest::newRow("empty") << "" << "Never synced";
    QTest::newRow("morning") << "2026-03-01T09:30:00Z" << "Last synced: Mar 1, 9:30 am";
    QTest::newRow("evening") << "2025-12-24T18:05:00Z" << "Last synced: Dec 24, 6:05 pm";
    QTest::newRow("not a time") << "yesterday-ish" << "Last synced: yesterday-ish";
}

void tst_SettingsScreen::lastSyncLine()
{
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    if (!stored.isNull())
        QVERIFY(m_state->preferencesRepository()->set(QStringLiteral("lastSyncTimestamp"), stored));
    signInLocally();
    auto screen = makeScreen();
    QCOMPARE(screen->syncSection()->lastSyncLabel()->text(), shown);
}

void tst_SettingsScreen::userFetchedOncePerShowing()
{
    // A user with neither a name nor an address: every answer has nothing
    // to show but the id, and no answer asks again.
    CannedServer server(R"({"id":"user-1"})");
    m_state->client()->authApi()->setBaseUrl(QUrl(server.url() + QStringLiteral("/api/v1/realms/orlindo")));
    signInLocally();
    auto screen = makeScreen();
    QTRY_COMPARE(server.count(QStringLiteral("/users/me")), 1);
    QTest::qWait(300);
    QCOMPARE(server.count(QStringLiteral("/users/me")), 1);
    // The next showing asks once more.
    screen->hide();
    screen->refresh();
    screen->show();
    QTRY_COMPARE(server.count(QStringLiteral("/users/me")), 2);
    QTest::qWait(300);
    QCOMPARE(server.count(QStringLiteral("/users/me")), 2);
}

void tst_SettingsScreen::answerAfterCloseIsDropped()
{
    CannedServer server(R"({"id":"user-1","email":"ada@example.org","display_name":"Ada"})");
    m_state->client()->authApi()->setBaseUrl(QUrl(server.url() + QStringLiteral("/api/v1/realms/orlindo")));
    signInLocally(QStringLiteral("subject-7"));
    auto screen = makeScreen();
    screen->close();
    QTRY_COMPARE(server.count(QStringLiteral("/users/me")), 1);
    QTest::qWait(300);
    // The closed window still shows what it showed: the token's subject.
    QVERIFY2(screen->syncSection()->statusLabel()->text().startsWith(QStringLiteral("<b>Signed in as:</b> subject-7<br>")),
             qPrintable(screen->syncSection()->statusLabel()->text()));
}

void tst_SettingsScreen::restoredAccountReachesTheSidebar()
{
    Account account;
    account.name = QStringLiteral("Holiday Fund");
    const Result<Account> created = m_state->accountService()->create(account);
    QVERIFY(created);
    MainWindow window(m_state.get());
    window.show();
    QVERIFY(m_state->accountService()->remove(created->id));
    QTRY_COMPARE(window.accountList()->count(), 0);
    window.showSettingsWindow();
    auto *screen = window.findChild<SettingsScreen *>();
    QVERIFY(screen);
    SettingsDeletedAccounts *deleted = screen->dataPage()->deletedAccounts();
    QCOMPARE(deleted->list()->count(), 1);
    deleted->list()->setCurrentRow(0);
    deleted->restoreButton()->click();
    QCOMPARE(window.accountList()->count(), 1);
    QCOMPARE(window.accountList()->item(0)->data(Qt::UserRole).toString(), created->id);
}

void tst_SettingsScreen::preferencesMenuOpensOneWindow()
{
    MainWindow window(m_state.get());
    window.show();
    QAction *preferences = nullptr;
    const QList<QAction *> menus = window.menuBar()->actions();
    for (QAction *menu : menus) {
        const QList<QAction *> entries = menu->menu() ? menu->menu()->actions() : QList<QAction *>();
        for (QAction *entry : entries)
            preferences = entry->text() == QLatin1String("&Preferences...") ? entry : preferences;
    }
    QVERIFY(preferences);
    QVERIFY(preferences->isEnabled());
    QCOMPARE(preferences->menuRole(), QAction::PreferencesRole);
    QCOMPARE(preferences->shortcut(), QKeySequence(QStringLiteral("Ctrl+,")));
    preferences->trigger();
    auto *screen = window.findChild<SettingsScreen *>();
    QVERIFY(screen);
    QTRY_VERIFY(screen->isVisible());
    QCOMPARE(screen->windowTitle(), QStringLiteral("Preferences"));
    QCOMPARE(screen->size(), QSize(500, 550));
    // The same window comes back with the size the user gave it.
    screen->resize(640, 600);
    screen->close();
    preferences->trigger();
    QCOMPARE(window.findChildren<SettingsScreen *>().size(), 1);
    QTRY_VERIFY(screen->isVisible());
    QCOMPARE(screen->size(), QSize(640, 600));
}

QTEST_MAIN(tst_SettingsScreen)
#include "tst_settingsscreen.moc"
