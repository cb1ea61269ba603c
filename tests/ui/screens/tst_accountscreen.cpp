#include "common/memorytokenstore.h"
#include "account/accountclient.h"
#include "account/apiclient.h"
#include "account/authclient.h"
#include "account/client.h"
#include "account/tokenmanager.h"
#include "account/tokenstore.h"
#include "common/testappstate.h"
#include "ui/inputprompt.h"
#include "ui/mainwindow.h"
#include "ui/messagebox.h"
#include "ui/screens/accountdevicespage.h"
#include "ui/screens/accountgrouppage.h"
#include "ui/screens/accountprivacypage.h"
#include "ui/screens/accountprofilepage.h"
#include "ui/screens/accountscreen.h"
#include "ui/screens/accountsecuritypage.h"
#include "ui/screens/accountstatusline.h"
#include "ui/screens/accounttexts.h"
#include "ui/statusbar.h"
#include "ui/welcomescreen.h"

#include "apitestclient.h"
#include "serverprocess.h"

#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QJsonArray>
#include <QLabel>
#include <QListWidget>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QSysInfo>
#include <QTest>
#include <QTimer>
#include <QUrlQuery>

using namespace OrlAccount;

Q_DECLARE_METATYPE(std::optional<QString>)
Q_DECLARE_METATYPE(QList<std::optional<QString>>)

namespace {

const QString Realm = QStringLiteral("/api/v1/realms/orlindo");
const QString Password = QStringLiteral("correct horse battery");

// What a browser does with the login address: the server's form, then the
// redirect to the program's listener.
bool playBrowser(const QUrl &loginUrl, const QString &email, const QString &password)
{
    const QUrlQuery query(loginUrl);
    const BrowserSignIn signIn = BrowserSignIn::run(loginUrl.port(), email, password,
                                                    query.queryItemValue(QStringLiteral("redirect_uri"), QUrl::FullyDecoded),
                                                    query.queryItemValue(QStringLiteral("state"), QUrl::FullyDecoded));
    return signIn.status == 303 && getFromLoopbackListener(QUrl(signIn.location)) == 200;
}

// A redirect to the listener that carries an access token but no refresh token.
bool playBrokenBrowser(const QUrl &loginUrl)
{
    const QUrlQuery query(loginUrl);
    QUrl callback(query.queryItemValue(QStringLiteral("redirect_uri"), QUrl::FullyDecoded));
    callback.setQuery(QStringLiteral("access_token=abc&state=") + query.queryItemValue(QStringLiteral("state")));
    return getFromLoopbackListener(callback) == 200;
}

QPushButton *findButton(QWidget *root, const QString &text)
{
    const QList<QPushButton *> buttons = root->findChildren<QPushButton *>();
    for (QPushButton *button : buttons) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

int countButtons(QWidget *root, const QString &text)
{
    int count = 0;
    const QList<QPushButton *> buttons = root->findChildren<QPushButton *>();
    for (QPushButton *button : buttons)
        count += button->text() == text ? 1 : 0;
    return count;
}

QStringList labelTexts(QWidget *root, const QString &objectName)
{
    QStringList texts;
    const QList<QLabel *> labels = root->findChildren<QLabel *>(objectName);
    for (QLabel *label : labels)
        texts << label->text();
    return texts;
}

bool hasLabel(QWidget *root, const QString &text)
{
    const QList<QLabel *> labels = root->findChildren<QLabel *>();
    return std::any_of(labels.cbegin(), labels.cend(), [&text](QLabel *label) { return label->text() == text; });
}

QString sectionTitles(QWidget *root)
{
    return labelTexts(root, QStringLiteral("sectionTitle")).join(QLatin1Char('|'));
}

} // namespace

// The account screen and the main window's sign-in, against a real
// quillby-server: the browser sign-in is played by the test, and every
// prompt and question is answered through the seams.
class tst_AccountScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void relativeTime_data();
    void relativeTime();
    void sessionClientName_data();
    void sessionClientName();

    void frameAndNavigation();
    void statusLineColoursAndClearing();

    void profileShowsTheSignedInUser();
    void editDisplayName_data();
    void editDisplayName();
    void editDisplayNameFailsWhenTheServerIsDown();
    void changePassword_data();
    void changePassword();

    void sessionsListAndRevokeTheOther();
    void revokingASessionAlreadyGoneSaysSo();
    void sessionRowsShowUserAgentsAsText();

    void deletePromptNeedsExactlyDelete_data();
    void deletePromptNeedsExactlyDelete();
    void deleteAccountFailureSaysSo();
    void deleteAccountSchedulesAndAsksForSignOut();

    void noGroupJoinWithABadCode();
    void ownerAndMemberSeeTheirOwnControls();
    void removingAMemberWaitsForTheAnswer();
    void devicesListAndRemove();

    void answersAfterCloseAreDropped();
    void answersAfterDestructionAreDropped();

    void windowSignsInFromTheFileMenu();
    void windowShowsLoginFailures();
    void windowOffersSignInWhenTheSessionEnds();

private:
    // A user of its own for each test: sessions, passwords and groups never
    // leak from one test into the next.
    QString newUser();
    std::unique_ptr<Client> makeClient(const QString &email);
    bool signIn(Client *client);
    AccountScreen *openScreen();
    void watchRequests(Client *client);
    int requestsTo(const QString &pathEnd) const;
    bool hasAccountApi();
    QString accessTokenOf(const QString &email);

    ServerProcess m_server;
    int m_userCount = 0;
    QString m_email;
    std::unique_ptr<Client> m_client;
    std::unique_ptr<AccountScreen> m_screen;
    // Everyone's credentials for the browser the URL opener plays.
    QHash<Client *, QString> m_emails;
    QList<QUrl> m_loginUrls;

    QList<InputPrompt::Request> m_prompts;
    QList<std::optional<QString>> m_typed;
    QList<MessageBox::Request> m_boxes;
    QList<QMessageBox::StandardButton> m_answers;
    QStringList m_requests;
    int m_accountApi = -1;
};

void tst_AccountScreen::initTestCase()
{
    TestAppState::redirectSettings();
    QCoreApplication::setOrganizationName(QStringLiteral("Orlindo"));
    QCoreApplication::setApplicationName(QStringLiteral("QuillbyTest"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.1.2"));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    // Tokens of the window's client go to a file in the test's data folder,
    // never to the keyring of whoever runs the tests.
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    QString error;
    QVERIFY2(m_server.start(&error), qPrintable(error));

    InputPrompt::setResponder([this](const InputPrompt::Request &request) -> std::optional<QString> {
        m_prompts.append(request);
        return m_typed.isEmpty() ? std::nullopt : m_typed.takeFirst();
    });
    MessageBox::setResponder([this](const MessageBox::Request &request) {
        m_boxes.append(request);
        return m_answers.isEmpty() ? QMessageBox::Yes : m_answers.takeFirst();
    });
}

void tst_AccountScreen::init()
{
    m_prompts.clear();
    m_typed.clear();
    m_boxes.clear();
    m_answers.clear();
    m_requests.clear();
    m_loginUrls.clear();
    if (!m_server.isRunning()) {
        QString error;
        QVERIFY2(m_server.start(&error), qPrintable(error));
    }
}

void tst_AccountScreen::cleanup()
{
    m_screen.reset();
    m_client.reset();
    m_emails.clear();
}

QString tst_AccountScreen::newUser()
{
    const QString email = QStringLiteral("user%1@example.org").arg(++m_userCount);
    if (m_server.addUser(email, Password).isEmpty())
        qWarning("could not add %s", qPrintable(email));
    return email;
}

std::unique_ptr<Client> tst_AccountScreen::makeClient(const QString &email)
{
    ClientConfig config;
    config.authBaseUrl = m_server.baseUrl();
    config.realmSlug = QStringLiteral("orlindo");
    config.accountApiUrl = m_server.baseUrl() + QStringLiteral("/account/v1");
    config.clientId = QStringLiteral("0123456789abcdef0123456789abcdef");
    config.appId = QStringLiteral("org.example.quillby");
    config.appVersion = QStringLiteral("1.1.2");
    auto client = std::make_unique<Client>(config, std::make_unique<MemoryTokenStore>());
    m_emails.insert(client.get(), email);
    Client *raw = client.get();
    client->authClient()->setUrlOpener([this, raw](const QUrl &url) {
        m_loginUrls << url;
        QTimer::singleShot(0, this, [this, raw, url] { playBrowser(url, m_emails.value(raw), Password); });
        return true;
    });
    client->initialize();
    return client;
}

bool tst_AccountScreen::signIn(Client *client)
{
    client->authClient()->login();
    QDeadlineTimer deadline(20000);
    while (!client->isAuthenticated() && !deadline.hasExpired())
        QTest::qWait(20);
    return client->isAuthenticated();
}

AccountScreen *tst_AccountScreen::openScreen()
{
    m_email = newUser();
    m_client = makeClient(m_email);
    if (!signIn(m_client.get()))
        return nullptr;
    watchRequests(m_client.get());
    m_screen = std::make_unique<AccountScreen>(m_client.get());
    m_screen->resize(600, 550);
    m_screen->show();
    m_screen->refreshAll();
    // Every page's first answer is in before the test goes on.
    QDeadlineTimer deadline(20000);
    while (m_requests.size() < 4 && !deadline.hasExpired())
        QTest::qWait(20);
    return m_requests.size() >= 4 ? m_screen.get() : nullptr;
}

void tst_AccountScreen::watchRequests(Client *client)
{
    for (ApiClient *api : {client->authApi(), client->accountApi()}) {
        auto *network = api->findChild<QNetworkAccessManager *>();
        QVERIFY(network);
        connect(network, &QNetworkAccessManager::finished, this, [this](QNetworkReply *reply) {
            m_requests << reply->url().path();
        });
    }
}

int tst_AccountScreen::requestsTo(const QString &pathEnd) const
{
    return int(std::count_if(m_requests.cbegin(), m_requests.cend(), [&pathEnd](const QString &path) { return path.endsWith(pathEnd); }));
}

bool tst_AccountScreen::hasAccountApi()
{
    // Without the route the server answers 404; with it, 401 to a caller
    // without a token.
    if (m_accountApi < 0)
        m_accountApi = ApiTestClient(m_server.port()).get(QStringLiteral("/account/v1/profile")).status == 404 ? 0 : 1;
    return m_accountApi == 1;
}

QString tst_AccountScreen::accessTokenOf(const QString &email)
{
    return BrowserSignIn::run(m_server.port(), email, Password).accessToken;
}

#define REQUIRE_ACCOUNT_API()                                                                                                       \
    do {                                                                                                                            \
        if (!hasAccountApi())                                                                                                       \
            QSKIP("The server of this build has no account API (GET /account/v1/profile answers 404): the profile, group and "      \
                  "device routes are missing.");                                                                                    \
    } while (false)

void tst_AccountScreen::relativeTime_data()
{
    QTest::addColumn<QDateTime>("time");
    QTest::addColumn<QString>("expected");
    const QDateTime now(QDate(2025, 3, 20), QTime(12, 0), Qt::UTC);
    QTest::newRow("invalid") << QDateTime() << "Unknown";
    QTest::newRow("59 seconds") << now.addSecs(-59) << "Active now";
    QTest::newRow("ahead of now") << now.addSecs(300) << "Active now";
    QTest::newRow("60 seconds") << now.addSecs(-60) << "1m ago";
    QTest::newRow("59 minutes") << now.addSecs(-59 * 60 - 59) << "59m ago";
    QTest::newRow("61 minutes") << now.addSecs(-61 * 60) << "1h ago";
    QTest::newRow("23 hours 59") << now.addSecs(-86399) << "23h ago";
    QTest::newRow("1 day") << now.addSecs(-86400) << "1d ago";
    QTest::newRow("6 days 23 hours") << now.addSecs(-604799) << "6d ago";
    // A week and more: the date (local; noon UTC is that day from UTC-12 to UTC+11).
    QTest::newRow("8 days") << now.addDays(-8) << "Mar 12, 2025";
}

void tst_AccountScreen::relativeTime()
{
    QFETCH(QDateTime, time);
    QFETCH(QString, expected);
    const QDateTime now(QDate(2025, 3, 20), QTime(12, 0), Qt::UTC);
    QCOMPARE(OrlAccount::relativeTime(time, now), expected);
}

void tst_AccountScreen::sessionClientName_data()
{
    QTest::addColumn<QString>("userAgent");
    QTest::addColumn<QString>("expected");
    const QString sixty = QString(60, QLatin1Char('a'));
    QTest::newRow("empty") << QString() << "Unknown client";
    QTest::newRow("60 characters") << sixty << sixty;
    QTest::newRow("61 characters") << sixty + QLatin1Char('b') << sixty + QStringLiteral("...");
    // The cut never leaves half of a character behind.
    const QString emoji = QString(59, QLatin1Char('a')) + QString::fromUtf8("😀") + QStringLiteral("tail");
    QTest::newRow("surrogate pair at the cut") << emoji << QString(59, QLatin1Char('a')) + QStringLiteral("...");
}

void tst_AccountScreen::sessionClientName()
{
    QFETCH(QString, userAgent);
    QFETCH(QString, expected);
    QCOMPARE(OrlAccount::sessionClientName(userAgent), expected);
}

void tst_AccountScreen::frameAndNavigation()
{
    Client client(ClientConfig{}, std::make_unique<MemoryTokenStore>());
    AccountScreen screen(&client);
    screen.show();
    QListWidget *navigation = screen.navigation();
    QCOMPARE(navigation->count(), 5);
    const QStringList expected{"Profile", "Group", "Devices", "Security", "Data & Privacy"};
    for (int row = 0; row < navigation->count(); ++row)
        QCOMPARE(navigation->item(row)->text(), expected.at(row));
    QCOMPARE(navigation->width(), 180);
    QCOMPARE(navigation->focusPolicy(), Qt::NoFocus);
    QCOMPARE(navigation->currentRow(), 0);
    QCOMPARE(screen.currentTab(), AccountScreen::ProfileTab);
    QCOMPARE(screen.statusLine()->height(), 24);
    QVERIFY(navigation->styleSheet().contains(QApplication::palette().color(QPalette::Highlight).name()));

    // Each navigation row shows its own page.
    const QList<QWidget *> pages{screen.profilePage(), screen.groupPage(), screen.devicesPage(), screen.securityPage(), screen.privacyPage()};
    for (int row = 0; row < navigation->count(); ++row) {
        navigation->setCurrentRow(row);
        QVERIFY(screen.pageStack()->currentWidget()->isAncestorOf(pages.at(row)));
        QCOMPARE(labelTexts(pages.at(row), QStringLiteral("pageTitle")), QStringList{expected.at(row)});
    }
    screen.selectTab(AccountScreen::GroupTab);
    QCOMPARE(navigation->currentRow(), 1);
    QVERIFY(screen.pageStack()->currentWidget()->isAncestorOf(screen.groupPage()));
    // Before anything was fetched: the empty states.
    QCOMPARE(sectionTitles(screen.groupPage()), QStringLiteral("No Group"));
    QVERIFY(hasLabel(screen.devicesPage(), QStringLiteral("No devices registered.")));
    QVERIFY(hasLabel(screen.securityPage(), QStringLiteral("No active sessions.")));
    QVERIFY(screen.privacyPage()->deleteButton()->isEnabled());
    QVERIFY(!screen.privacyPage()->isOwnerNoteVisible());
}

void tst_AccountScreen::statusLineColoursAndClearing()
{
    AccountStatusLine line;
    line.showError(QStringLiteral("Broken."));
    QCOMPARE(line.styleSheet(), QStringLiteral("color: #C62828; padding: 4px;"));
    QVERIFY(line.isError());
    line.showSuccess(QStringLiteral("Fine."));
    QCOMPARE(line.styleSheet(), QStringLiteral("color: #2E7D32; padding: 4px;"));
    QCOMPARE(line.text(), QStringLiteral("Fine."));
    QVERIFY(!line.isError());
    // The success replaced the error and its time: it goes after 3 s, not 4.
    QTest::qWait(AccountStatusLine::SuccessMs - 500);
    QCOMPARE(line.text(), QStringLiteral("Fine."));
    QTRY_VERIFY_WITH_TIMEOUT(line.text().isEmpty(), 1500);
}

void tst_AccountScreen::profileShowsTheSignedInUser()
{
    AccountScreen *screen = openScreen();
    QVERIFY(screen);
    QTRY_COMPARE(screen->profilePage()->emailText(), m_email);
    QCOMPARE(screen->profilePage()->nameText(), QStringLiteral("(not set)"));
    QCOMPARE(sectionTitles(screen->profilePage()), QStringLiteral("Personal Information|Password"));
    QVERIFY(hasLabel(screen->profilePage(), QStringLiteral("Change your account password.")));

    QSignalSpy logout(screen, &AccountScreen::logoutRequested);
    findButton(screen->profilePage(), QStringLiteral("Sign Out"))->click();
    QCOMPARE(logout.count(), 1);
}

void tst_AccountScreen::editDisplayName_data()
{
    QTest::addColumn<std::optional<QString>>("typed");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("shownName");
    QTest::addColumn<int>("requests");

    QTest::newRow("saved, trimmed") << std::optional<QString>(QStringLiteral("  Ada Lovelace  ")) << "Display name updated."
                                    << "Ada Lovelace" << 1;
    QTest::newRow("cancelled") << std::optional<QString>() << "" << "(not set)" << 0;
    QTest::newRow("blank") << std::optional<QString>(QStringLiteral("   ")) << "" << "(not set)" << 0;
    // Longer than the service takes: the page must not claim it was saved.
    QTest::newRow("refused by the service") << std::optional<QString>(QString(500, QLatin1Char('x'))) << "Failed to update profile."
                                            << "(not set)" << 1;
}

void tst_AccountScreen::editDisplayName()
{
    QFETCH(std::optional<QString>, typed);
    QFETCH(QString, status);
    QFETCH(QString, shownName);
    QFETCH(int, requests);

    AccountScreen *screen = openScreen();
    QVERIFY(screen);
    QTRY_COMPARE(screen->profilePage()->emailText(), m_email);
    const int before = requestsTo(QStringLiteral("/users/me"));
    m_typed << typed;
    findButton(screen->profilePage(), QStringLiteral("Edit Display Name"))->click();
    QCOMPARE(m_prompts.size(), 1);
    QCOMPARE(m_prompts.at(0).title, QStringLiteral("Edit Display Name"));
    QCOMPARE(m_prompts.at(0).label, QStringLiteral("Display name:"));
    QCOMPARE(m_prompts.at(0).echoMode, QLineEdit::Normal);
    // No stand-in text to save by accident.
    QCOMPARE(m_prompts.at(0).text, QString());

    if (requests > 0)
        QTRY_COMPARE(requestsTo(QStringLiteral("/users/me")), before + requests);
    else
        QTest::qWait(300);
    QTRY_COMPARE(screen->statusLine()->text(), status);
    QCOMPARE(screen->statusLine()->isError(), status.startsWith(QLatin1String("Failed")));
    QCOMPARE(screen->profilePage()->nameText(), shownName);
    QCOMPARE(requestsTo(QStringLiteral("/users/me")), before + requests);

    // What the service holds, fetched anew.
    screen->refreshProfile();
    QTRY_COMPARE(requestsTo(QStringLiteral("/users/me")), before + requests + 1);
    QCOMPARE(screen->profilePage()->nameText(), shownName);
    if (shownName != QLatin1String("(not set)")) {
        // The prompt now starts from the name.
        m_typed << std::nullopt;
        findButton(screen->profilePage(), QStringLiteral("Edit Display Name"))->click();
        QCOMPARE(m_prompts.last().text, shownName);
    }
}

void tst_AccountScreen::editDisplayNameFailsWhenTheServerIsDown()
{
    AccountScreen *screen = openScreen();
    QVERIFY(screen);
    QTRY_COMPARE(screen->profilePage()->emailText(), m_email);
    // A name the page already shows: after a failure the client hands back
    // this user, name and all, which must not read as a success.
    m_typed << QStringLiteral("Grace");
    findButton(screen->profilePage(), QStringLiteral("Edit Display Name"))->click();
    QTRY_COMPARE(screen->statusLine()->text(), QStringLiteral("Display name updated."));

    QCOMPARE(m_server.stop(), 0);
    m_typed << QStringLiteral("Grace Hopper");
    findButton(screen->profilePage(), QStringLiteral("Edit Display Name"))->click();
    QTRY_COMPARE(screen->statusLine()->text(), QStringLiteral("Failed to update profile."));
    QVERIFY(screen->statusLine()->isError());
    QCOMPARE(screen->statusLine()->styleSheet(), QStringLiteral("color: #C62828; padding: 4px;"));
    QCOMPARE(screen->profilePage()->nameText(), QStringLiteral("Grace"));
    // The button works again for the next try.
    QVERIFY(findButton(screen->profilePage(), QStringLiteral("Edit Display Name"))->isEnabled());
}

void tst_AccountScreen::changePassword_data()
{
    QTest::addColumn<QList<std::optional<QString>>>("typed");
    QTest::addColumn<int>("prompts");
    QTest::addColumn<QString>("status");
    QTest::addColumn<bool>("sent");
    QTest::addColumn<bool>("changed");
    using Typed = QList<std::optional<QString>>;
    const QString fresh = QStringLiteral("a brand new secret");

    QTest::newRow("changed") << Typed{Password, fresh, fresh} << 3 << "Password changed." << true << true;
    QTest::newRow("7 characters") << Typed{Password, QStringLiteral("abcdefg"), QStringLiteral("abcdefg")} << 2
                                  << "Password must be at least 8 characters." << false << false;
    QTest::newRow("mismatch") << Typed{Password, fresh, fresh + QLatin1Char('!')} << 3 << "Passwords do not match." << false << false;
    QTest::newRow("wrong current") << Typed{QStringLiteral("not my password"), fresh, fresh} << 3 << "Failed to change password." << true
                                   << false;
    QTest::newRow("cancel first") << Typed{std::nullopt} << 1 << "" << false << false;
    QTest::newRow("empty current") << Typed{QString()} << 1 << "" << false << false;
    QTest::newRow("cancel new") << Typed{Password, std::nullopt} << 2 << "" << false << false;
    QTest::newRow("cancel confirmation") << Typed{Password, fresh, std::nullopt} << 3 << "" << false << false;
}

void tst_AccountScreen::changePassword()
{
    QFETCH(QList<std::optional<QString>>, typed);
    QFETCH(int, prompts);
    QFETCH(QString, status);
    QFETCH(bool, sent);
    QFETCH(bool, changed);

    AccountScreen *screen = openScreen();
    QVERIFY(screen);
    QTRY_COMPARE(screen->profilePage()->emailText(), m_email);
    m_typed = typed;
    findButton(screen->profilePage(), QStringLiteral("Change Password"))->click();
    QCOMPARE(m_prompts.size(), prompts);
    const QStringList labels{"Current password:", "New password (min 8 characters):", "Confirm new password:"};
    for (int i = 0; i < prompts; ++i) {
        QCOMPARE(m_prompts.at(i).title, QStringLiteral("Change Password"));
        QCOMPARE(m_prompts.at(i).label, labels.at(i));
        QCOMPARE(m_prompts.at(i).echoMode, QLineEdit::Password);
    }
    if (sent)
        QTRY_COMPARE(requestsTo(QStringLiteral("/users/me/password")), 1);
    QTRY_COMPARE(screen->statusLine()->text(), status);
    QCOMPARE(screen->statusLine()->isError(), !status.isEmpty() && status != QLatin1String("Password changed."));
    QCOMPARE(requestsTo(QStringLiteral("/users/me/password")), sent ? 1 : 0);

    // Which password the server takes now.
    const QString fresh = QStringLiteral("a brand new secret");
    QCOMPARE(BrowserSignIn::run(m_server.port(), m_email, Password).status == 303, !changed);
    QCOMPARE(BrowserSignIn::run(m_server.port(), m_email, fresh).status == 303, changed);
}

void tst_AccountScreen::sessionsListAndRevokeTheOther()
{
    AccountScreen *screen = openScreen();
    QVERIFY(screen);
    const BrowserSignIn other = BrowserSignIn::run(m_server.port(), m_email, Password);
    QCOMPARE(other.status, 303);
    screen->selectTab(AccountScreen::SecurityTab);
    screen->refreshSessions();
    QTRY_COMPARE(screen->securityPage()->findChildren<QWidget *>(QStringLiteral("sessionRow")).size(), 2);
    QCOMPARE(sectionTitles(screen->securityPage()), QStringLiteral("Active Sessions"));
    QVERIFY(hasLabel(screen->securityPage(), QStringLiteral("Sessions currently signed in to your account.")));
    // This session is marked and cannot be revoked from here; the other can.
    QCOMPARE(labelTexts(screen->securityPage(), QStringLiteral("badge")), QStringList{"Current"});
    QCOMPARE(countButtons(screen->securityPage(), QStringLiteral("Revoke")), 1);
    const QStringList details = labelTexts(screen->securityPage(), QStringLiteral("sessionDetails"));
    QCOMPARE(details.filter(QRegularExpression(QStringLiteral("^This session  ·  127\\.0\\.0\\.1$"))).size(), 1);
    QCOMPARE(details.filter(QRegularExpression(QStringLiteral("^Active now  ·  127\\.0\\.0\\.1$"))).size(), 1);

    findButton(screen->securityPage(), QStringLiteral("Revoke"))->click();
    QTRY_COMPARE(screen->statusLine()->text(), QStringLiteral("Session revoked."));
    QVERIFY(!screen->statusLine()->isError());
    QTRY_COMPARE(screen->securityPage()->findChildren<QWidget *>(QStringLiteral("sessionRow")).size(), 1);
    QCOMPARE(countButtons(screen->securityPage(), QStringLiteral("Revoke")), 0);
    // The other session is over on the server: its refresh token is refused.
    const ApiTestClient::Reply refresh =
        ApiTestClient(m_server.port()).post(Realm + QStringLiteral("/auth/token/refresh"), {{"refresh_token", other.refreshToken}});
    QVERIFY2(refresh.status == 401 || refresh.status == 400, QByteArray::number(refresh.status));
    QVERIFY(m_client->isAuthenticated());
}

void tst_AccountScreen::revokingASessionAlreadyGoneSaysSo()
{
    AccountScreen *screen = openScreen();
    QVERIFY(screen);
    const BrowserSignIn other = BrowserSignIn::run(m_server.port(), m_email, Password);
    QCOMPARE(other.status, 303);
    screen->refreshSessions();
    QTRY_COMPARE(countButtons(screen->securityPage(), QStringLiteral("Revoke")), 1);

    // The other session signs itself out before the click.
    ApiTestClient api(m_server.port());
    api.setBearer(other.accessToken);
    const QJsonArray sessions = api.get(Realm + QStringLiteral("/users/me/sessions")).json.value("sessions").toArray();
    QString ownId;
    for (const QJsonValue &session : sessions) {
        if (session.toObject().value("is_current").toBool())
            ownId = session.toObject().value("id").toString();
    }
    QVERIFY(!ownId.isEmpty());
    QCOMPARE(api.del(Realm + QStringLiteral("/users/me/sessions/") + ownId).status, 200);

    QPushButton *revoke = findButton(screen->securityPage(), QStringLiteral("Revoke"));
    revoke->click();
    QVERIFY(!revoke->isEnabled());
    QTRY_COMPARE(screen->statusLine()->text(), QStringLiteral("Could not revoke the session."));
    QVERIFY(screen->statusLine()->isError());
    // Fetched again after the answer: only this session is left.
    QTRY_COMPARE(screen->securityPage()->findChildren<QWidget *>(QStringLiteral("sessionRow")).size(), 1);
    QCOMPARE(countButtons(screen->securityPage(), QStringLiteral("Revoke")), 0);
}

void tst_AccountScreen::sessionRowsShowUserAgentsAsText()
{
    Client client(ClientConfig{}, std::make_unique<MemoryTokenStore>());
    AccountScreen screen(&client);
    const QString longAgent = QString(60, QLatin1Char('M')) + QLatin1Char('z');
    const QDateTime now = QDateTime::currentDateTimeUtc();
    Session current{QStringLiteral("s1"), longAgent, QStringLiteral("10.0.0.1"), now, now, true};
    Session markup{QStringLiteral("s2"), QStringLiteral("<b>bold</b><img src=x>"), QString(), now, now.addSecs(-61 * 60), false};
    Session anonymous{QStringLiteral("s3"), QString(), QStringLiteral("10.0.0.3"), now, QDateTime(), false};
    screen.securityPage()->showSessions({current, markup, anonymous});

    QCOMPARE(labelTexts(screen.securityPage(), QStringLiteral("sessionClient")),
             (QStringList{QString(60, QLatin1Char('M')) + QStringLiteral("..."), QStringLiteral("<b>bold</b><img src=x>"),
                          QStringLiteral("Unknown client")}));
    const QList<QLabel *> clients = screen.securityPage()->findChildren<QLabel *>(QStringLiteral("sessionClient"));
    for (QLabel *label : clients)
        QCOMPARE(label->textFormat(), Qt::PlainText);
    QCOMPARE(labelTexts(screen.securityPage(), QStringLiteral("sessionDetails")),
             (QStringList{QStringLiteral("This session  ·  10.0.0.1"), QStringLiteral("1h ago"), QStringLiteral("Unknown  ·  10.0.0.3")}));
    QCOMPARE(countButtons(screen.securityPage(), QStringLiteral("Revoke")), 2);

    // A device name is the one piece of markup on these pages: escaped.
    Device device;
    device.id = QStringLiteral("d1");
    device.device_name = QStringLiteral("<i>laptop</i>");
    device.platform = QStringLiteral("Linux");
    device.last_sync_at = now.addSecs(-59);
    Device unnamed;
    unnamed.id = QStringLiteral("d2");
    unnamed.platform = QStringLiteral("Windows");
    unnamed.app_version = QStringLiteral("1.1.2");
    screen.devicesPage()->showDevices({device, unnamed});
    QCOMPARE(labelTexts(screen.devicesPage(), QStringLiteral("deviceName")),
             (QStringList{QStringLiteral("<b>&lt;i&gt;laptop&lt;/i&gt;</b>"), QStringLiteral("<b>Unknown Device</b>")}));
    QCOMPARE(labelTexts(screen.devicesPage(), QStringLiteral("deviceDetails")), (QStringList{"Linux", "Windows  ·  v1.1.2"}));
    QCOMPARE(labelTexts(screen.devicesPage(), QStringLiteral("deviceLastSync")), (QStringList{"Active now", "Unknown"}));
}

void tst_AccountScreen::deletePromptNeedsExactlyDelete_data()
{
    QTest::addColumn<std::optional<QString>>("typed");
    QTest::newRow("lower case") << std::optional<QString>(QStringLiteral("delete"));
    QTest::newRow("padded") << std::optional<QString>(QStringLiteral(" DELETE"));
    QTest::newRow("empty") << std::optional<QString>(QString());
    QTest::newRow("cancelled") << std::optional<QString>();
}

void tst_AccountScreen::deletePromptNeedsExactlyDelete()
{
    QFETCH(std::optional<QString>, typed);
    AccountScreen *screen = openScreen();
    QVERIFY(screen);
    QTRY_COMPARE(screen->profilePage()->emailText(), m_email);
    QSignalSpy logout(screen, &AccountScreen::logoutRequested);
    screen->selectTab(AccountScreen::PrivacyTab);
    QCOMPARE(sectionTitles(screen->privacyPage()), QStringLiteral("Danger Zone"));
    m_typed << typed;
    screen->privacyPage()->deleteButton()->click();
    QCOMPARE(m_prompts.size(), 1);
    QCOMPARE(m_prompts.at(0).title, QStringLiteral("Delete Account"));
    QCOMPARE(m_prompts.at(0).label,
             QStringLiteral("This will schedule your account for permanent deletion after 30 days.\n\nType DELETE to confirm:"));
    QTest::qWait(300);
    QCOMPARE(requestsTo(QStringLiteral("/account/v1/profile")), 0);
    QCOMPARE(logout.count(), 0);
    QVERIFY(m_boxes.isEmpty());
    QVERIFY(screen->privacyPage()->deleteButton()->isEnabled());
    QVERIFY(m_client->isAuthenticated());
}

void tst_AccountScreen::deleteAccountFailureSaysSo()
{
    AccountScreen *screen = openScreen();
    QVERIFY(screen);
    QTRY_COMPARE(screen->profilePage()->emailText(), m_email);
    QSignalSpy logout(screen, &AccountScreen::logoutRequested);
    QCOMPARE(m_server.stop(), 0);
    m_typed << QStringLiteral("DELETE");
    screen->privacyPage()->deleteButton()->click();
    QTRY_COMPARE(screen->statusLine()->text(), QStringLiteral("Failed to delete account."));
    QVERIFY(screen->statusLine()->isError());
    QCOMPARE(logout.count(), 0);
    QVERIFY(m_boxes.isEmpty());
    QVERIFY(screen->privacyPage()->deleteButton()->isEnabled());
}

void tst_AccountScreen::deleteAccountSchedulesAndAsksForSignOut()
{
    REQUIRE_ACCOUNT_API();
    AccountScreen *screen = openScreen();
    QVERIFY(screen);
    QTRY_COMPARE(screen->profilePage()->emailText(), m_email);
    QSignalSpy logout(screen, &AccountScreen::logoutRequested);
    const QString token = m_client->tokenManager()->accessToken();
    m_typed << QStringLiteral("DELETE");
    screen->privacyPage()->deleteButton()->click();
    QTRY_COMPARE(logout.count(), 1);
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.at(0).title, QStringLiteral("Account Scheduled for Deletion"));
    QCOMPARE(m_boxes.at(0).text,
             QStringLiteral("Your account will be permanently deleted in 30 days. You can recover it by signing in before then."));
    // Scheduled on the server: it ended every session of the account.
    ApiTestClient api(m_server.port());
    api.setBearer(token);
    QCOMPARE(api.get(QStringLiteral("/account/v1/profile")).status, 401);
}

void tst_AccountScreen::noGroupJoinWithABadCode()
{
    REQUIRE_ACCOUNT_API();
    AccountScreen *screen = openScreen();
    QVERIFY(screen);
    screen->selectTab(AccountScreen::GroupTab);
    QTRY_VERIFY(requestsTo(QStringLiteral("/account/v1/group")) >= 1);
    QCOMPARE(sectionTitles(screen->groupPage()), QStringLiteral("No Group"));
    QVERIFY(hasLabel(screen->groupPage(),
                     QStringLiteral("You're not part of a group. The group owner can invite you, or you can join with an invite code.")));

    m_typed << QStringLiteral("  NOSUCHCODE  ");
    findButton(screen->groupPage(), QStringLiteral("Join with Invite Code"))->click();
    QCOMPARE(m_prompts.last().title, QStringLiteral("Join Group"));
    QCOMPARE(m_prompts.last().label, QStringLiteral("Enter invite code:"));
    QTRY_COMPARE(screen->statusLine()->text(), QStringLiteral("Invalid or expired invite code."));
    QVERIFY(screen->statusLine()->isError());
    QCOMPARE(requestsTo(QStringLiteral("/account/v1/group/join/NOSUCHCODE")), 1);

    // Blank or cancelled: nothing is sent.
    m_typed << QStringLiteral("   ");
    findButton(screen->groupPage(), QStringLiteral("Join with Invite Code"))->click();
    m_typed << std::nullopt;
    findButton(screen->groupPage(), QStringLiteral("Join with Invite Code"))->click();
    QTest::qWait(300);
    QCOMPARE(m_requests.filter(QStringLiteral("/group/join/")).size(), 1);
}

void tst_AccountScreen::ownerAndMemberSeeTheirOwnControls()
{
    REQUIRE_ACCOUNT_API();
    AccountScreen *owner = openScreen();
    QVERIFY(owner);
    // Nothing on the screen founds a group: the first invitation does.
    bool invited = false;
    m_client->accountClient()->generateInviteCode([&invited](const GroupInvitation &invitation) { invited = !invitation.invite_code.isEmpty(); });
    QTRY_VERIFY(invited);
    bool refreshed = false;
    m_client->authClient()->refreshToken([&refreshed](bool ok) { refreshed = ok; });
    QTRY_VERIFY(refreshed);
    QCOMPARE(m_client->claims().role, QStringLiteral("owner"));
    owner->refreshAll();
    owner->selectTab(AccountScreen::GroupTab);
    QTRY_COMPARE(labelTexts(owner->groupPage(), QStringLiteral("memberName")), QStringList{m_email});
    QCOMPARE(sectionTitles(owner->groupPage()), QStringLiteral("Family|Invite Members"));
    QCOMPARE(labelTexts(owner->groupPage(), QStringLiteral("badge")), QStringList{"Owner"});
    QCOMPARE(countButtons(owner->groupPage(), QStringLiteral("Remove")), 0);
    QCOMPARE(countButtons(owner->groupPage(), QStringLiteral("Leave Group")), 0);
    QCOMPARE(labelTexts(owner->groupPage(), QStringLiteral("invitation")).size(), 1);
    QVERIFY(labelTexts(owner->groupPage(), QStringLiteral("invitation")).at(0).startsWith(QLatin1String("Invite code: ")));
    // The owner cannot delete the account.
    QVERIFY(!owner->privacyPage()->deleteButton()->isEnabled());
    QVERIFY(owner->privacyPage()->isOwnerNoteVisible());
    QVERIFY(hasLabel(owner->privacyPage(),
                     QStringLiteral("You are the group owner. Transfer ownership or remove all members before deleting your account.")));

    // A code for the next member, shown in a box and listed as pending.
    findButton(owner->groupPage(), QStringLiteral("Generate Invite Code"))->click();
    QTRY_COMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.at(0).title, QStringLiteral("Invite Code"));
    QVERIFY(m_boxes.at(0).text.startsWith(QLatin1String("Share this code with the person you want to invite:\n\n")));
    const QString code = m_boxes.at(0).text.section(QLatin1Char('\n'), -1);
    QVERIFY(!code.isEmpty());
    QTRY_VERIFY(labelTexts(owner->groupPage(), QStringLiteral("invitation")).contains(QStringLiteral("Invite code: ") + code));

    // An invitation by e-mail, then revoked.
    m_typed << QStringLiteral(" carol@example.org ");
    findButton(owner->groupPage(), QStringLiteral("Invite by Email"))->click();
    QCOMPARE(m_prompts.last().title, QStringLiteral("Invite by Email"));
    QCOMPARE(m_prompts.last().label, QStringLiteral("Email address:"));
    QTRY_COMPARE(owner->statusLine()->text(), QStringLiteral("Invitation sent."));
    QTRY_VERIFY(labelTexts(owner->groupPage(), QStringLiteral("invitation")).contains(QStringLiteral("carol@example.org")));
    m_typed << QStringLiteral("not an address");
    findButton(owner->groupPage(), QStringLiteral("Invite by Email"))->click();
    QTRY_COMPARE(owner->statusLine()->text(), QStringLiteral("Failed to send invitation."));
    QVERIFY(owner->statusLine()->isError());

    const int pending = labelTexts(owner->groupPage(), QStringLiteral("invitation")).size();
    QCOMPARE(pending, 3);
    QCOMPARE(countButtons(owner->groupPage(), QStringLiteral("Revoke")), 3);
    const int carol = labelTexts(owner->groupPage(), QStringLiteral("invitation")).indexOf(QStringLiteral("carol@example.org"));
    QList<QPushButton *> revokes;
    const QList<QPushButton *> buttons = owner->groupPage()->findChildren<QPushButton *>();
    for (QPushButton *button : buttons) {
        if (button->text() == QLatin1String("Revoke"))
            revokes << button;
    }
    revokes.at(carol)->click();
    QTRY_COMPARE(owner->statusLine()->text(), QStringLiteral("Invitation revoked."));
    QTRY_COMPARE(labelTexts(owner->groupPage(), QStringLiteral("invitation")).size(), 2);
    QVERIFY(!labelTexts(owner->groupPage(), QStringLiteral("invitation")).contains(QStringLiteral("carol@example.org")));

    // A second user joins with the code on a screen of their own.
    const QString memberEmail = newUser();
    std::unique_ptr<Client> memberClient = makeClient(memberEmail);
    QVERIFY(signIn(memberClient.get()));
    watchRequests(memberClient.get());
    AccountScreen member(memberClient.get());
    member.show();
    member.refreshAll();
    QTRY_COMPARE(sectionTitles(member.groupPage()), QStringLiteral("No Group"));
    m_typed << code;
    findButton(member.groupPage(), QStringLiteral("Join with Invite Code"))->click();
    QTRY_COMPARE(member.statusLine()->text(), QStringLiteral("Joined group."));
    QTRY_COMPARE(labelTexts(member.groupPage(), QStringLiteral("memberName")).size(), 2);
    QCOMPARE(memberClient->claims().role, QStringLiteral("member"));
    // A member: no removing, no invitations, but leaving; and deleting the account.
    QCOMPARE(countButtons(member.groupPage(), QStringLiteral("Remove")), 0);
    QCOMPARE(countButtons(member.groupPage(), QStringLiteral("Invite by Email")), 0);
    QVERIFY(labelTexts(member.groupPage(), QStringLiteral("invitation")).isEmpty());
    QCOMPARE(countButtons(member.groupPage(), QStringLiteral("Leave Group")), 1);
    QVERIFY(member.privacyPage()->deleteButton()->isEnabled());
    QVERIFY(!member.privacyPage()->isOwnerNoteVisible());

    // Leaving asks first, with No as the default.
    m_answers << QMessageBox::No;
    findButton(member.groupPage(), QStringLiteral("Leave Group"))->click();
    QCOMPARE(m_boxes.last().title, QStringLiteral("Leave Group"));
    QCOMPARE(m_boxes.last().text, QStringLiteral("Leave this group? You will lose access to shared data."));
    QCOMPARE(m_boxes.last().defaultButton, QMessageBox::No);
    QTest::qWait(300);
    QCOMPARE(m_requests.filter(QStringLiteral("/group/leave")).size(), 0);
    m_answers << QMessageBox::Yes;
    findButton(member.groupPage(), QStringLiteral("Leave Group"))->click();
    QTRY_COMPARE(member.statusLine()->text(), QStringLiteral("Left group."));
    QTRY_COMPARE(sectionTitles(member.groupPage()), QStringLiteral("No Group"));
}

void tst_AccountScreen::removingAMemberWaitsForTheAnswer()
{
    REQUIRE_ACCOUNT_API();
    AccountScreen *owner = openScreen();
    QVERIFY(owner);
    GroupInvitation invitation;
    m_client->accountClient()->generateInviteCode([&invitation](const GroupInvitation &made) { invitation = made; });
    QTRY_VERIFY(!invitation.invite_code.isEmpty());
    bool refreshed = false;
    m_client->authClient()->refreshToken([&refreshed](bool ok) { refreshed = ok; });
    QTRY_VERIFY(refreshed);

    const QString memberEmail = newUser();
    const QString memberToken = accessTokenOf(memberEmail);
    ApiTestClient memberApi(m_server.port());
    memberApi.setBearer(memberToken);
    QCOMPARE(memberApi.post(QStringLiteral("/account/v1/group/join/") + invitation.invite_code, {}).status, 200);

    owner->selectTab(AccountScreen::GroupTab);
    owner->refreshGroup();
    QTRY_COMPARE(labelTexts(owner->groupPage(), QStringLiteral("memberName")).size(), 2);
    QCOMPARE(countButtons(owner->groupPage(), QStringLiteral("Remove")), 1);

    // No keeps the member.
    m_answers << QMessageBox::No;
    findButton(owner->groupPage(), QStringLiteral("Remove"))->click();
    QCOMPARE(m_boxes.last().title, QStringLiteral("Remove Member"));
    QCOMPARE(m_boxes.last().text, QStringLiteral("Remove %1 from the group?").arg(memberEmail));
    QTest::qWait(300);
    QCOMPARE(m_requests.filter(QStringLiteral("/group/members/")).size(), 0);
    QVERIFY(findButton(owner->groupPage(), QStringLiteral("Remove"))->isEnabled());

    // The member leaves on their own; the owner's row is stale and the
    // removal fails: said so, and the list is fetched again.
    QCOMPARE(memberApi.post(QStringLiteral("/account/v1/group/leave"), {}).status, 200);
    QPushButton *remove = findButton(owner->groupPage(), QStringLiteral("Remove"));
    remove->click();
    QVERIFY(!remove->isEnabled());
    QCOMPARE(owner->statusLine()->text(), QString());
    QTRY_COMPARE(owner->statusLine()->text(), QStringLiteral("Could not remove %1.").arg(memberEmail));
    QVERIFY(owner->statusLine()->isError());
    QTRY_COMPARE(labelTexts(owner->groupPage(), QStringLiteral("memberName")), QStringList{m_email});

    // Back in the group, and removed for real.
    GroupInvitation second;
    m_client->accountClient()->generateInviteCode([&second](const GroupInvitation &made) { second = made; });
    QTRY_VERIFY(!second.invite_code.isEmpty());
    QCOMPARE(memberApi.post(QStringLiteral("/account/v1/group/join/") + second.invite_code, {}).status, 200);
    owner->refreshGroup();
    QTRY_COMPARE(countButtons(owner->groupPage(), QStringLiteral("Remove")), 1);
    findButton(owner->groupPage(), QStringLiteral("Remove"))->click();
    QTRY_COMPARE(owner->statusLine()->text(), QStringLiteral("%1 removed.").arg(memberEmail));
    QVERIFY(!owner->statusLine()->isError());
    QTRY_COMPARE(labelTexts(owner->groupPage(), QStringLiteral("memberName")), QStringList{m_email});
    QCOMPARE(memberApi.get(QStringLiteral("/account/v1/group")).json.value("id").toString(), QString());
}

void tst_AccountScreen::devicesListAndRemove()
{
    REQUIRE_ACCOUNT_API();
    AccountScreen *screen = openScreen();
    QVERIFY(screen);
    m_client->accountClient()->registerDevice();
    QTRY_COMPARE(requestsTo(QStringLiteral("/devices/register")), 1);
    screen->selectTab(AccountScreen::DevicesTab);
    screen->refreshDevices();
    QTRY_COMPARE(screen->devicesPage()->findChildren<QWidget *>(QStringLiteral("deviceRow")).size(), 1);
    QCOMPARE(sectionTitles(screen->devicesPage()), QStringLiteral("Registered Devices"));
    QVERIFY(hasLabel(screen->devicesPage(), QStringLiteral("Devices that have synced with your account.")));
    const QString host = QSysInfo::machineHostName();
    QCOMPARE(labelTexts(screen->devicesPage(), QStringLiteral("deviceName")), QStringList{QStringLiteral("<b>%1</b>").arg(host.toHtmlEscaped())});
    QVERIFY(labelTexts(screen->devicesPage(), QStringLiteral("deviceDetails")).at(0).endsWith(QStringLiteral("  ·  v1.1.2")));
    // Registered, never synced.
    QCOMPARE(labelTexts(screen->devicesPage(), QStringLiteral("deviceLastSync")), QStringList{"Unknown"});

    // No keeps it.
    m_answers << QMessageBox::No;
    findButton(screen->devicesPage(), QStringLiteral("Remove"))->click();
    QCOMPARE(m_boxes.last().title, QStringLiteral("Remove Device"));
    QCOMPARE(m_boxes.last().text, QStringLiteral("Remove %1?").arg(host));
    QTest::qWait(300);
    QCOMPARE(m_requests.filter(QRegularExpression(QStringLiteral("/devices/[^r]"))).size(), 0);

    findButton(screen->devicesPage(), QStringLiteral("Remove"))->click();
    QTRY_COMPARE(screen->statusLine()->text(), QStringLiteral("Device removed."));
    QTRY_VERIFY(hasLabel(screen->devicesPage(), QStringLiteral("No devices registered.")));

    // Removed elsewhere meanwhile: the stale row's removal fails, and says so.
    m_client->accountClient()->registerDevice();
    QTRY_COMPARE(requestsTo(QStringLiteral("/devices/register")), 2);
    screen->refreshDevices();
    QTRY_COMPARE(countButtons(screen->devicesPage(), QStringLiteral("Remove")), 1);
    ApiTestClient api(m_server.port());
    api.setBearer(m_client->tokenManager()->accessToken());
    const QJsonArray devices = api.get(QStringLiteral("/account/v1/devices")).json.value("devices").toArray();
    QCOMPARE(devices.size(), 1);
    QCOMPARE(api.del(QStringLiteral("/account/v1/devices/") + devices.at(0).toObject().value("id").toString()).status, 200);
    findButton(screen->devicesPage(), QStringLiteral("Remove"))->click();
    QTRY_COMPARE(screen->statusLine()->text(), QStringLiteral("Could not remove %1.").arg(host));
    QVERIFY(screen->statusLine()->isError());
    QTRY_VERIFY(hasLabel(screen->devicesPage(), QStringLiteral("No devices registered.")));
}

void tst_AccountScreen::answersAfterCloseAreDropped()
{
    AccountScreen *screen = openScreen();
    QVERIFY(screen);
    QTRY_COMPARE(screen->profilePage()->emailText(), m_email);
    m_typed << QStringLiteral("Named Before");
    findButton(screen->profilePage(), QStringLiteral("Edit Display Name"))->click();
    QTRY_COMPARE(screen->statusLine()->text(), QStringLiteral("Display name updated."));
    // Start over from a screen that has shown nothing yet.
    m_screen = std::make_unique<AccountScreen>(m_client.get());
    screen = m_screen.get();
    screen->show();
    const int before = m_requests.size();
    screen->refreshAll();
    m_typed << QStringLiteral("Named After");
    findButton(screen->profilePage(), QStringLiteral("Edit Display Name"))->click();
    screen->close();
    // Every answer is in (user, group, devices, sessions, the rename)...
    QTRY_COMPARE(m_requests.size(), before + 5);
    QTest::qWait(200);
    // ...and none of them changed the closed screen.
    QCOMPARE(screen->profilePage()->nameText(), QStringLiteral("(not set)"));
    QCOMPARE(screen->profilePage()->emailText(), QString());
    QVERIFY(hasLabel(screen->securityPage(), QStringLiteral("No active sessions.")));
    QCOMPARE(screen->statusLine()->text(), QString());
    // The rename itself went through; the next showing fetches it.
    screen->show();
    screen->refreshAll();
    QTRY_COMPARE(screen->profilePage()->nameText(), QStringLiteral("Named After"));
    QTRY_COMPARE(screen->securityPage()->findChildren<QWidget *>(QStringLiteral("sessionRow")).size(), 1);
}

void tst_AccountScreen::answersAfterDestructionAreDropped()
{
    AccountScreen *screen = openScreen();
    QVERIFY(screen);
    const int before = m_requests.size();
    screen->refreshAll();
    m_typed << QStringLiteral("Gone");
    findButton(screen->profilePage(), QStringLiteral("Edit Display Name"))->click();
    m_typed << Password << QStringLiteral("another long one") << QStringLiteral("another long one");
    findButton(screen->profilePage(), QStringLiteral("Change Password"))->click();
    m_screen.reset();
    QTRY_COMPARE(m_requests.size(), before + 6);
    QTest::qWait(200);
    QVERIFY(m_client->isAuthenticated());
}

void tst_AccountScreen::windowSignsInFromTheFileMenu()
{
    m_email = newUser();
    qputenv("AUTH_BASE_URL", m_server.baseUrl().toUtf8());
    qputenv("ACCOUNT_API_URL", (m_server.baseUrl() + QStringLiteral("/account/v1")).toUtf8());
    QSettings().clear();
    TestAppState state;
    QVERIFY(state.initialize());
    Client *client = state.client();
    m_emails.insert(client, m_email);
    client->authClient()->setUrlOpener([this, client](const QUrl &url) {
        m_loginUrls << url;
        QTimer::singleShot(0, this, [this, client, url] { playBrowser(url, m_emails.value(client), Password); });
        return true;
    });
    MainWindow window(&state);
    window.show();
    QVERIFY(!window.isSignedIn());
    QCOMPARE(window.statusBarWidget()->syncText(), QStringLiteral("Not signed in"));
    QCOMPARE(window.currentPage(), MainWindow::Page::Welcome);
    QCOMPARE(window.accountAction()->statusTip(), QStringLiteral("Sign in or sign up"));
    QVERIFY(!window.signOutAction()->isVisible());

    // Signed out, the entry signs in through the browser.
    window.accountAction()->trigger();
    QCOMPARE(m_loginUrls.size(), 1);
    QTRY_VERIFY(window.isSignedIn());
    QCOMPARE(window.statusBarWidget()->currentMessage(), QStringLiteral("Signed in successfully"));
    QVERIFY(window.statusBarWidget()->syncText() != QLatin1String("Not signed in"));
    QCOMPARE(window.currentPage(), MainWindow::Page::Empty);
    QCOMPARE(window.accountAction()->statusTip(), QStringLiteral("Manage your account"));
    QVERIFY(window.signOutAction()->isVisible());
    QVERIFY(!window.accountScreen());

    // Signed in, it shows the account screen, fetched anew each time.
    window.accountAction()->trigger();
    QCOMPARE(m_loginUrls.size(), 1);
    AccountScreen *screen = window.accountScreen();
    QVERIFY(screen);
    QTRY_VERIFY(screen->isVisible());
    QCOMPARE(screen->windowTitle(), QStringLiteral("Orlindo Account"));
    QCOMPARE(screen->size(), QSize(600, 550));
    QTRY_COMPARE(screen->profilePage()->emailText(), m_email);
    screen->selectTab(AccountScreen::SecurityTab);
    window.showOrlindoAccountScreen(AccountScreen::DevicesTab);
    QCOMPARE(window.accountScreen(), screen);
    QCOMPARE(screen->currentTab(), AccountScreen::DevicesTab);

    // The screen's Sign Out signs the window out: no offer, the user asked.
    findButton(screen->profilePage(), QStringLiteral("Sign Out"))->click();
    QVERIFY(!window.isSignedIn());
    QVERIFY(!client->isAuthenticated());
    QVERIFY(!screen->isVisible());
    QCOMPARE(window.statusBarWidget()->syncText(), QStringLiteral("Not signed in"));
    QVERIFY(!window.statusBarWidget()->isSignInOfferVisible());
    QCOMPARE(window.currentPage(), MainWindow::Page::Welcome);

    // The welcome page's button signs in too; the menu's Sign Out signs out.
    window.welcomeScreen()->signInButton()->click();
    QTRY_VERIFY(window.isSignedIn());
    window.signOutAction()->trigger();
    QVERIFY(!window.isSignedIn());
    QVERIFY(!window.statusBarWidget()->isSignInOfferVisible());
    QVERIFY(m_boxes.isEmpty());
}

void tst_AccountScreen::windowShowsLoginFailures()
{
    m_email = newUser();
    qputenv("AUTH_BASE_URL", m_server.baseUrl().toUtf8());
    qputenv("ACCOUNT_API_URL", (m_server.baseUrl() + QStringLiteral("/account/v1")).toUtf8());
    TestAppState state;
    QVERIFY(state.initialize());
    state.client()->authClient()->setUrlOpener([this](const QUrl &url) {
        QTimer::singleShot(0, this, [url] { playBrokenBrowser(url); });
        return true;
    });
    MainWindow window(&state);
    window.show();
    window.accountAction()->trigger();
    QTRY_COMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.at(0).icon, QMessageBox::Warning);
    QCOMPARE(m_boxes.at(0).title, QStringLiteral("Sign-In Failed"));
    QCOMPARE(m_boxes.at(0).text, QStringLiteral("Could not sign in: No tokens received"));
    QCOMPARE(window.statusBarWidget()->currentMessage(), QStringLiteral("Sign-in failed: No tokens received"));
    QVERIFY(!window.isSignedIn());
    QCOMPARE(window.currentPage(), MainWindow::Page::Welcome);
}

void tst_AccountScreen::windowOffersSignInWhenTheSessionEnds()
{
    m_email = newUser();
    qputenv("AUTH_BASE_URL", m_server.baseUrl().toUtf8());
    qputenv("ACCOUNT_API_URL", (m_server.baseUrl() + QStringLiteral("/account/v1")).toUtf8());
    TestAppState state;
    QVERIFY(state.initialize());
    Client *client = state.client();
    m_emails.insert(client, m_email);
    client->authClient()->setUrlOpener([this, client](const QUrl &url) {
        m_loginUrls << url;
        QTimer::singleShot(0, this, [this, client, url] { playBrowser(url, m_emails.value(client), Password); });
        return true;
    });
    MainWindow window(&state);
    window.show();
    window.accountAction()->trigger();
    QTRY_VERIFY(window.isSignedIn());

    // Another sign-in of the same user ends this one on the server.
    const BrowserSignIn other = BrowserSignIn::run(m_server.port(), m_email, Password);
    QCOMPARE(other.status, 303);
    ApiTestClient api(m_server.port());
    api.setBearer(other.accessToken);
    const QJsonArray sessions = api.get(Realm + QStringLiteral("/users/me/sessions")).json.value("sessions").toArray();
    QCOMPARE(sessions.size(), 2);
    for (const QJsonValue &session : sessions) {
        if (!session.toObject().value("is_current").toBool())
            QCOMPARE(api.del(Realm + QStringLiteral("/users/me/sessions/") + session.toObject().value("id").toString()).status, 200);
    }

    // The next request meets the refusal; the window signs out and offers
    // a new sign-in instead of failing quietly.
    window.accountAction()->trigger();
    QTRY_VERIFY(!window.isSignedIn());
    QVERIFY(!client->isAuthenticated());
    QTRY_VERIFY(window.statusBarWidget()->isSignInOfferVisible());
    QCOMPARE(window.statusBarWidget()->signInOfferText(), QStringLiteral("Your session has ended."));
    QCOMPARE(window.statusBarWidget()->syncText(), QStringLiteral("Not signed in"));
    QCOMPARE(window.currentPage(), MainWindow::Page::Welcome);
    QTRY_VERIFY(!window.accountScreen() || !window.accountScreen()->isVisible());

    // A passing message does not hide the offer; its button signs in again.
    window.statusBarWidget()->showTimedMessage(QStringLiteral("Something else"), 2000);
    QVERIFY(window.statusBarWidget()->isSignInOfferVisible());
    const int logins = int(m_loginUrls.size());
    window.statusBarWidget()->signInButton()->click();
    QCOMPARE(m_loginUrls.size(), logins + 1);
    QTRY_VERIFY(window.isSignedIn());
    QVERIFY(!window.statusBarWidget()->isSignInOfferVisible());

    // Ended again; this time a forced token refresh finds out, and the
    // client signs out by itself: the window offers the sign-in all the same.
    const QJsonArray again = api.get(Realm + QStringLiteral("/users/me/sessions")).json.value("sessions").toArray();
    for (const QJsonValue &session : again) {
        if (!session.toObject().value("is_current").toBool())
            QCOMPARE(api.del(Realm + QStringLiteral("/users/me/sessions/") + session.toObject().value("id").toString()).status, 200);
    }
    bool refreshed = true;
    client->authClient()->refreshToken([&refreshed](bool ok) { refreshed = ok; });
    QTRY_VERIFY(!window.isSignedIn());
    QVERIFY(!refreshed);
    QVERIFY(window.statusBarWidget()->isSignInOfferVisible());
    QCOMPARE(window.statusBarWidget()->syncText(), QStringLiteral("Not signed in"));
}

QTEST_MAIN(tst_AccountScreen)
#include "tst_accountscreen.moc"
