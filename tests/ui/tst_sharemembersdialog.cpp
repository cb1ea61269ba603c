#include "account/accountclient.h"
#include "account/apiclient.h"
#include "account/authclient.h"
#include "account/client.h"
#include "common/memorytokenstore.h"
#include "common/testappstate.h"
#include "services/accountservice.h"
#include "ui/mainwindow.h"
#include "ui/messagebox.h"
#include "ui/sharemembersdialog.h"
#include "ui/sharepersonrow.h"
#include "ui/syncapisharingbackend.h"

#include "apitestclient.h"
#include "serverprocess.h"
#include "syncchanges.h"

#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QJsonArray>
#include <QLineEdit>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QUrlQuery>

#include <memory>

using namespace OrlAccount;

namespace {

const QString Password = QStringLiteral("correct horse battery");
const QString Joint = QStringLiteral("acc-joint");

struct Person
{
    QString email;
    QString id;
    QString token;
    QString name;
};

bool playBrowser(const QUrl &loginUrl, const QString &email)
{
    const QUrlQuery query(loginUrl);
    const BrowserSignIn signIn = BrowserSignIn::run(loginUrl.port(), email, Password,
                                                    query.queryItemValue(QStringLiteral("redirect_uri"), QUrl::FullyDecoded),
                                                    query.queryItemValue(QStringLiteral("state"), QUrl::FullyDecoded));
    return signIn.status == 303 && getFromLoopbackListener(QUrl(signIn.location)) == 200;
}

} // namespace

// The share dialog against a real quillby-server: the owner's client signs
// in through the browser the test plays, the family group and the account
// on the sync service are made through the server's own API, and every
// question box is answered through the seam.
class tst_ShareMembersDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void initials_data();
    void initials();
    void pathSegmentsAreEncoded_data();
    void pathSegmentsAreEncoded();

    void listsGroupMembersWithoutOwnerOrSelf();
    void shareWithGroupMemberThenRemove();
    void removalNeedsYes();
    void addMemberByEmail();
    void emailThatIsNoAddressSendsNothing();
    void unknownEmailShowsTheServiceError();
    void secondShareWhileBusyDoesNothing();
    void withoutGroupOnlyTheNoGroupNote();
    void failedListShowsTheError();
    void shareDisabledUntilTheAccountIsOnTheServer();
    void answersAfterCloseDoNothing();
    void answersAfterDestructionDoNothing();
    void hostileIdStaysInItsSegment();
    void windowSharesTheCurrentAccount();

private:
    Person newPerson(const QString &name);
    void pushAccount(const Person &owner, const QString &accountId);
    void makeGroup(const Person &owner, const QList<Person> &members);
    // The owner's program: a client signed in through the browser.
    bool signIn(const Person &person);
    std::unique_ptr<ShareMembersDialog> openDialog(const QString &accountId = Joint, bool onServer = true);
    // Waits until the dialog has both lists.
    bool waitLoaded(ShareMembersDialog &dialog);
    QStringList membersOnServer(const Person &owner, const QString &accountId);
    int finishedRequests() const { return m_finished; }

    ServerProcess m_server;
    int m_count = 0;
    Person m_owner;
    std::unique_ptr<Client> m_client;
    std::unique_ptr<SyncApiSharingBackend> m_backend;
    QList<MessageBox::Request> m_boxes;
    QList<QMessageBox::StandardButton> m_answers;
    QStringList m_paths;
    int m_finished = 0;
};

void tst_ShareMembersDialog::initTestCase()
{
    TestAppState::redirectSettings();
    QCoreApplication::setApplicationVersion(QStringLiteral("1.1.2"));
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    QString error;
    if (!m_server.start(&error))
        QSKIP(qPrintable(QStringLiteral("quillby-server could not be started, so the dialog cannot be tried against it: ") + error));
    MessageBox::setResponder([this](const MessageBox::Request &request) {
        m_boxes.append(request);
        return m_answers.isEmpty() ? QMessageBox::No : m_answers.takeFirst();
    });
}

void tst_ShareMembersDialog::init()
{
    m_boxes.clear();
    m_answers.clear();
    m_paths.clear();
    m_finished = 0;
    if (!m_server.isRunning()) {
        QString error;
        QVERIFY2(m_server.start(&error), qPrintable(error));
    }
}

void tst_ShareMembersDialog::cleanup()
{
    m_backend.reset();
    m_client.reset();
}

Person tst_ShareMembersDialog::newPerson(const QString &name)
{
    Person person;
    person.name = name;
    person.email = QStringLiteral("%1.%2@example.org").arg(name.section(QLatin1Char(' '), 0, 0).toLower()).arg(++m_count);
    person.id = m_server.addUser(person.email, Password);
    person.token = BrowserSignIn::run(m_server.port(), person.email, Password).accessToken;
    ApiTestClient api(m_server.port());
    api.setBearer(person.token);
    api.patch(QStringLiteral("/api/v1/realms/orlindo/users/me"), {{QStringLiteral("display_name"), name}});
    return person;
}

void tst_ShareMembersDialog::pushAccount(const Person &owner, const QString &accountId)
{
    ApiTestClient api(m_server.port());
    api.setBearer(owner.token);
    const auto reply = api.post(QStringLiteral("/quillby/v1/sync/push"),
                                {{QStringLiteral("changes"), SyncChanges::list({SyncChanges::account(accountId, QStringLiteral("Joint"))})}});
    QCOMPARE(reply.status, 200);
}

void tst_ShareMembersDialog::makeGroup(const Person &owner, const QList<Person> &members)
{
    ApiTestClient ownerApi(m_server.port());
    ownerApi.setBearer(owner.token);
    for (const Person &member : members) {
        const auto invitation = ownerApi.post(QStringLiteral("/account/v1/group/invite"), {});
        QVERIFY2(invitation.status < 300, invitation.body.constData());
        ApiTestClient memberApi(m_server.port());
        memberApi.setBearer(member.token);
        const QString code = invitation.json.value(QStringLiteral("invite_code")).toString();
        QCOMPARE(memberApi.post(QStringLiteral("/account/v1/group/join/") + code, {}).status, 200);
    }
}

bool tst_ShareMembersDialog::signIn(const Person &person)
{
    ClientConfig config;
    config.authBaseUrl = m_server.baseUrl();
    config.realmSlug = QStringLiteral("orlindo");
    config.accountApiUrl = m_server.baseUrl() + QStringLiteral("/account/v1");
    config.clientId = QStringLiteral("0123456789abcdef0123456789abcdef");
    config.appId = QStringLiteral("org.example.quillby");
    config.appVersion = QStringLiteral("1.1.2");
    m_client = std::make_unique<Client>(config, std::make_unique<MemoryTokenStore>());
    m_client->syncApi()->setBaseUrl(QUrl(m_server.baseUrl() + QStringLiteral("/quillby/v1")));
    const QString email = person.email;
    m_client->authClient()->setUrlOpener([this, email](const QUrl &url) {
        QTimer::singleShot(0, this, [url, email] { playBrowser(url, email); });
        return true;
    });
    m_client->initialize();
    m_client->authClient()->login();
    QDeadlineTimer deadline(20000);
    while (!m_client->isAuthenticated() && !deadline.hasExpired())
        QTest::qWait(20);
    for (ApiClient *api : {m_client->accountApi(), m_client->syncApi()}) {
        auto *network = api->findChild<QNetworkAccessManager *>();
        if (!network)
            return false;
        connect(network, &QNetworkAccessManager::finished, this, [this](QNetworkReply *reply) {
            m_paths << reply->url().path(QUrl::FullyEncoded);
            ++m_finished;
        });
    }
    m_backend = std::make_unique<SyncApiSharingBackend>(m_client->syncApi());
    return m_client->isAuthenticated();
}

std::unique_ptr<ShareMembersDialog> tst_ShareMembersDialog::openDialog(const QString &accountId, bool onServer)
{
    ShareDialogTexts texts;
    texts.texts[ShareDialogTexts::WindowTitle] = QStringLiteral("Share Account");
    texts.texts[ShareDialogTexts::ShareRole] = QStringLiteral("member");
    auto dialog = std::make_unique<ShareMembersDialog>(m_client.get(), m_backend.get(), accountId, texts);
    dialog->setAccountOnServer(onServer);
    dialog->show();
    return dialog;
}

bool tst_ShareMembersDialog::waitLoaded(ShareMembersDialog &dialog)
{
    QDeadlineTimer deadline(20000);
    const auto loaded = [&dialog] {
        return dialog.peopleListNote() != QLatin1String("Loading...")
               && (dialog.isNoGroupNoteVisible() || dialog.isAllMembersNoteVisible() || !dialog.peopleToAdd().isEmpty());
    };
    while (!loaded() && !deadline.hasExpired())
        QTest::qWait(20);
    return loaded();
}

QStringList tst_ShareMembersDialog::membersOnServer(const Person &owner, const QString &accountId)
{
    ApiTestClient api(m_server.port());
    api.setBearer(owner.token);
    QStringList ids;
    const auto reply = api.get(QStringLiteral("/quillby/v1/accounts/%1/members").arg(accountId));
    const QJsonArray members = reply.json.value(QStringLiteral("members")).toArray();
    for (const QJsonValue &member : members) {
        if (member.toObject().value(QStringLiteral("role")).toString() != QLatin1String("owner"))
            ids << member.toObject().value(QStringLiteral("user_id")).toString();
    }
    return ids;
}

void tst_ShareMembersDialog::initials_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("email");
    QTest::addColumn<QString>("expected");
    QTest::newRow("one word") << "ada" << "" << "A";
    QTest::newRow("two words") << "Ada Lovelace" << "" << "AL";
    QTest::newRow("first and last of three") << "Ada King Lovelace" << "" << "AL";
    QTest::newRow("extra spaces") << "  grace   hopper " << "" << "GH";
    QTest::newRow("no name: the address") << "" << "bea@example.org" << "B";
    QTest::newRow("blank name: the address") << "   " << "bea@example.org" << "B";
    QTest::newRow("nothing") << "" << "" << "?";
    QTest::newRow("character outside the BMP") << QString::fromUtf8("😀 Smile") << "" << QString::fromUtf8("😀S");
}

void tst_ShareMembersDialog::initials()
{
    QFETCH(QString, name);
    QFETCH(QString, email);
    QFETCH(QString, expected);
    QCOMPARE(SharePersonRow::initialsFor(name, email), expected);
}

void tst_ShareMembersDialog::pathSegmentsAreEncoded_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("expected");
    QTest::newRow("uuid") << "2f1c9a52-7d3e-4b8a-9c1d-0e5f6a7b8c9d" << "2f1c9a52-7d3e-4b8a-9c1d-0e5f6a7b8c9d";
    QTest::newRow("slash") << "a/b" << "a%2Fb";
    QTest::newRow("dot dot") << ".." << "%2E%2E";
    QTest::newRow("query and fragment") << "a?b#c" << "a%3Fb%23c";
    QTest::newRow("percent") << "50%" << "50%25";
    QTest::newRow("space") << "a b" << "a%20b";
}

void tst_ShareMembersDialog::pathSegmentsAreEncoded()
{
    QFETCH(QString, id);
    QFETCH(QString, expected);
    QCOMPARE(SyncApiSharingBackend::segment(id), expected);
}

void tst_ShareMembersDialog::listsGroupMembersWithoutOwnerOrSelf()
{
    m_owner = newPerson(QStringLiteral("Ada Lovelace"));
    const Person bea = newPerson(QStringLiteral("Bea Smith"));
    const Person carl = newPerson(QStringLiteral("Carl Jones"));
    makeGroup(m_owner, {bea, carl});
    pushAccount(m_owner, Joint);
    QVERIFY(signIn(m_owner));

    auto dialog = openDialog();
    QVERIFY(waitLoaded(*dialog));
    // The server lists the owner with role "owner"; neither list shows her.
    QCOMPARE(dialog->peopleWithAccess(), QStringList());
    QCOMPARE(dialog->peopleListNote(), QStringLiteral("Not shared with anyone yet."));
    QStringList toAdd = dialog->peopleToAdd();
    toAdd.sort();
    QCOMPARE(toAdd, (QStringList{bea.name, carl.name}));
    QVERIFY(!dialog->isNoGroupNoteVisible());
    QVERIFY(!dialog->isAllMembersNoteVisible());
    QVERIFY(!dialog->isErrorVisible());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Share Account"));
}

void tst_ShareMembersDialog::shareWithGroupMemberThenRemove()
{
    m_owner = newPerson(QStringLiteral("Ada Lovelace"));
    const Person bea = newPerson(QStringLiteral("Bea Smith"));
    makeGroup(m_owner, {bea});
    pushAccount(m_owner, Joint);
    QVERIFY(signIn(m_owner));
    auto dialog = openDialog();
    QVERIFY(waitLoaded(*dialog));
    QSignalSpy changed(dialog.get(), &ShareMembersDialog::sharingChanged);

    QPushButton *share = dialog->buttonFor(bea.name);
    QVERIFY(share);
    QCOMPARE(share->text(), QStringLiteral("Share"));
    share->click();
    QTRY_COMPARE(changed.size(), 1);
    QTRY_COMPARE(dialog->peopleWithAccess(), QStringList{bea.name});
    QCOMPARE(membersOnServer(m_owner, Joint), QStringList{bea.id});
    // Listed once: under the people with access, no longer to add.
    QTRY_VERIFY(dialog->isAllMembersNoteVisible());
    QCOMPARE(dialog->peopleToAdd(), QStringList());

    m_answers << QMessageBox::Yes;
    QPushButton *remove = dialog->buttonFor(bea.name);
    QCOMPARE(remove->text(), QStringLiteral("Remove access"));
    remove->click();
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.at(0).title, QStringLiteral("Remove access?"));
    QCOMPARE(m_boxes.at(0).text, QStringLiteral("Bea Smith will no longer have access. Continue?"));
    QCOMPARE(m_boxes.at(0).defaultButton, QMessageBox::No);
    QTRY_COMPARE(changed.size(), 2);
    QTRY_COMPARE(dialog->peopleToAdd(), QStringList{bea.name});
    QCOMPARE(dialog->peopleWithAccess(), QStringList());
    QCOMPARE(dialog->peopleListNote(), QStringLiteral("Not shared with anyone yet."));
    QCOMPARE(membersOnServer(m_owner, Joint), QStringList());
}

void tst_ShareMembersDialog::removalNeedsYes()
{
    m_owner = newPerson(QStringLiteral("Ada Lovelace"));
    const Person bea = newPerson(QStringLiteral("Bea Smith"));
    pushAccount(m_owner, Joint);
    ApiTestClient api(m_server.port());
    api.setBearer(m_owner.token);
    QCOMPARE(api.post(QStringLiteral("/quillby/v1/accounts/%1/share").arg(Joint), {{QStringLiteral("user_id"), bea.id}}).status, 200);
    QVERIFY(signIn(m_owner));
    auto dialog = openDialog();
    QVERIFY(waitLoaded(*dialog));
    // Shared outside the group: the name and address come from the service.
    QCOMPARE(dialog->peopleWithAccess(), QStringList{bea.name});
    const int before = finishedRequests();
    m_answers << QMessageBox::No;
    dialog->buttonFor(bea.name)->click();
    QCOMPARE(m_boxes.size(), 1);
    QTest::qWait(300);
    QCOMPARE(finishedRequests(), before);
    QCOMPARE(membersOnServer(m_owner, Joint), QStringList{bea.id});
}

void tst_ShareMembersDialog::addMemberByEmail()
{
    m_owner = newPerson(QStringLiteral("Ada Lovelace"));
    const Person dora = newPerson(QStringLiteral("Dora Diaz"));
    pushAccount(m_owner, Joint);
    QVERIFY(signIn(m_owner));
    auto dialog = openDialog();
    QVERIFY(waitLoaded(*dialog));
    QSignalSpy changed(dialog.get(), &ShareMembersDialog::sharingChanged);

    dialog->emailField()->setText(QStringLiteral("  ") + dora.email.toUpper() + QStringLiteral(" "));
    dialog->emailShareButton()->click();
    QTRY_COMPARE(changed.size(), 1);
    QTRY_COMPARE(dialog->peopleWithAccess(), QStringList{dora.name});
    QCOMPARE(membersOnServer(m_owner, Joint), QStringList{dora.id});
    QVERIFY(dialog->emailField()->text().isEmpty());
    QVERIFY(!dialog->isErrorVisible());
}

void tst_ShareMembersDialog::emailThatIsNoAddressSendsNothing()
{
    m_owner = newPerson(QStringLiteral("Ada Lovelace"));
    pushAccount(m_owner, Joint);
    QVERIFY(signIn(m_owner));
    auto dialog = openDialog();
    QVERIFY(waitLoaded(*dialog));
    const int before = finishedRequests();
    for (const char *typed : {"", "no-at-sign", "@example.org", "someone@", "two words@example.org"}) {
        dialog->emailField()->setText(QString::fromUtf8(typed));
        dialog->emailShareButton()->click();
        QVERIFY2(dialog->isErrorVisible(), typed);
        QCOMPARE(dialog->errorText(), QStringLiteral("Enter an e-mail address such as name@example.com."));
    }
    QTest::qWait(200);
    QCOMPARE(finishedRequests(), before);
}

void tst_ShareMembersDialog::unknownEmailShowsTheServiceError()
{
    m_owner = newPerson(QStringLiteral("Ada Lovelace"));
    pushAccount(m_owner, Joint);
    QVERIFY(signIn(m_owner));
    auto dialog = openDialog();
    QVERIFY(waitLoaded(*dialog));
    QSignalSpy changed(dialog.get(), &ShareMembersDialog::sharingChanged);
    dialog->emailField()->setText(QStringLiteral("nobody@example.org"));
    dialog->emailShareButton()->click();
    QTRY_VERIFY(dialog->isErrorVisible());
    QCOMPARE(dialog->errorText(), QStringLiteral("No user has that id or e-mail address."));
    QCOMPARE(changed.size(), 0);
    // What was typed stays, to be corrected; the next attempt hides the error.
    QCOMPARE(dialog->emailField()->text(), QStringLiteral("nobody@example.org"));
    const Person eve = newPerson(QStringLiteral("Eve Adams"));
    dialog->emailField()->setText(eve.email);
    dialog->emailShareButton()->click();
    QVERIFY(!dialog->isErrorVisible());
    QTRY_COMPARE(changed.size(), 1);
}

void tst_ShareMembersDialog::secondShareWhileBusyDoesNothing()
{
    m_owner = newPerson(QStringLiteral("Ada Lovelace"));
    const Person bea = newPerson(QStringLiteral("Bea Smith"));
    const Person carl = newPerson(QStringLiteral("Carl Jones"));
    makeGroup(m_owner, {bea, carl});
    pushAccount(m_owner, Joint);
    QVERIFY(signIn(m_owner));
    auto dialog = openDialog();
    QVERIFY(waitLoaded(*dialog));
    QSignalSpy changed(dialog.get(), &ShareMembersDialog::sharingChanged);

    QPushButton *first = dialog->buttonFor(bea.name);
    QPushButton *second = dialog->buttonFor(carl.name);
    first->click();
    QVERIFY(dialog->isBusy());
    QVERIFY(!second->isEnabled());
    QVERIFY(!dialog->emailShareButton()->isEnabled());
    second->click();
    dialog->emailField()->setText(carl.email);
    dialog->emailShareButton()->click();
    QTRY_COMPARE(changed.size(), 1);
    QTRY_COMPARE(dialog->peopleToAdd(), QStringList{carl.name});
    QTest::qWait(200);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(membersOnServer(m_owner, Joint), QStringList{bea.id});
    QVERIFY(dialog->buttonFor(carl.name)->isEnabled());
}

void tst_ShareMembersDialog::withoutGroupOnlyTheNoGroupNote()
{
    m_owner = newPerson(QStringLiteral("Ada Lovelace"));
    pushAccount(m_owner, Joint);
    QVERIFY(signIn(m_owner));
    auto dialog = openDialog();
    QVERIFY(waitLoaded(*dialog));
    QVERIFY(dialog->isNoGroupNoteVisible());
    QVERIFY(!dialog->isAllMembersNoteVisible());
    QCOMPARE(dialog->peopleToAdd(), QStringList());
}

void tst_ShareMembersDialog::failedListShowsTheError()
{
    // The installation thinks the account reached the service, which does
    // not know it (a server that lost its data, another service).
    m_owner = newPerson(QStringLiteral("Ada Lovelace"));
    QVERIFY(signIn(m_owner));
    auto dialog = openDialog(QStringLiteral("acc-never-pushed"));
    QTRY_VERIFY(dialog->peopleListNote() != QLatin1String("Loading..."));
    QCOMPARE(dialog->peopleListNote(),
             QStringLiteral("Could not load who has access: This account is not known to the sync service."));
    QCOMPARE(dialog->peopleWithAccess(), QStringList());

    // No answer at all says so too.
    m_client->syncApi()->setBaseUrl(QUrl(QStringLiteral("http://127.0.0.1:9/quillby/v1")));
    auto unreachable = openDialog();
    QTRY_VERIFY_WITH_TIMEOUT(unreachable->peopleListNote() != QLatin1String("Loading..."), 20000);
    QCOMPARE(unreachable->peopleListNote(), QStringLiteral("Could not load who has access: Failed to load the members (HTTP 0)"));
}

void tst_ShareMembersDialog::shareDisabledUntilTheAccountIsOnTheServer()
{
    m_owner = newPerson(QStringLiteral("Ada Lovelace"));
    const Person bea = newPerson(QStringLiteral("Bea Smith"));
    makeGroup(m_owner, {bea});
    QVERIFY(signIn(m_owner));
    auto dialog = openDialog(QStringLiteral("acc-local-only"), false);
    QVERIFY(waitLoaded(*dialog));
    QPushButton *share = dialog->buttonFor(bea.name);
    QVERIFY(share);
    QVERIFY(!share->isEnabled());
    QVERIFY(share->toolTip().contains(QStringLiteral("has not reached the sync service")));
    QVERIFY(!dialog->emailShareButton()->isEnabled());
    QVERIFY(!dialog->emailShareButton()->toolTip().isEmpty());
    QCOMPARE(dialog->peopleListNote(), QStringLiteral("Not shared with anyone yet."));
    // Nobody asked the service about an account it cannot know.
    QTest::qWait(200);
    QVERIFY(std::none_of(m_paths.cbegin(), m_paths.cend(), [](const QString &path) { return path.endsWith(QLatin1String("/members")); }));

    // Once synced, the same dialog shares.
    pushAccount(m_owner, QStringLiteral("acc-local-only"));
    dialog->setAccountOnServer(true);
    QTRY_VERIFY(dialog->buttonFor(bea.name) && dialog->buttonFor(bea.name)->isEnabled());
    QVERIFY(dialog->buttonFor(bea.name)->toolTip().isEmpty());
}

void tst_ShareMembersDialog::answersAfterCloseDoNothing()
{
    m_owner = newPerson(QStringLiteral("Ada Lovelace"));
    const Person bea = newPerson(QStringLiteral("Bea Smith"));
    makeGroup(m_owner, {bea});
    pushAccount(m_owner, Joint);
    QVERIFY(signIn(m_owner));
    auto dialog = openDialog();
    QVERIFY(waitLoaded(*dialog));
    QSignalSpy changed(dialog.get(), &ShareMembersDialog::sharingChanged);
    const int before = finishedRequests();
    dialog->buttonFor(bea.name)->click();
    dialog->reject();
    // The share's answer arrives, and with it nothing happens to the dialog.
    QTRY_COMPARE(finishedRequests(), before + 1);
    QTest::qWait(200);
    QCOMPARE(changed.size(), 0);
    QCOMPARE(finishedRequests(), before + 1);
    QCOMPARE(dialog->peopleWithAccess(), QStringList());
    QVERIFY(dialog->isBusy());
    // The share itself went through.
    QCOMPARE(membersOnServer(m_owner, Joint), QStringList{bea.id});
}

void tst_ShareMembersDialog::answersAfterDestructionDoNothing()
{
    m_owner = newPerson(QStringLiteral("Ada Lovelace"));
    const Person bea = newPerson(QStringLiteral("Bea Smith"));
    makeGroup(m_owner, {bea});
    pushAccount(m_owner, Joint);
    QVERIFY(signIn(m_owner));
    {
        // Closed before anything was answered: the profile and the members
        // are asked for, and the dialog is gone before either answer.
        auto dialog = openDialog();
        QCoreApplication::processEvents();
        QCOMPARE(finishedRequests(), 0);
    }
    QTRY_COMPARE(finishedRequests(), 2);
    QTest::qWait(300);
    // The group was never asked for: the answer that would have asked came
    // after the dialog was gone.
    QCOMPARE(finishedRequests(), 2);
    {
        auto dialog = openDialog();
        QVERIFY(waitLoaded(*dialog));
        dialog->buttonFor(bea.name)->click();
    }
    QTRY_COMPARE(membersOnServer(m_owner, Joint), QStringList{bea.id});
    QTest::qWait(200);
}

void tst_ShareMembersDialog::hostileIdStaysInItsSegment()
{
    m_owner = newPerson(QStringLiteral("Ada Lovelace"));
    pushAccount(m_owner, Joint);
    QVERIFY(signIn(m_owner));
    // "x/../acc-joint/members" must not become a request for the real account's members.
    bool answered = false;
    bool listed = true;
    m_backend->listMembers(QStringLiteral("x/../") + Joint, [&](bool ok, const QList<ShareMember> &, const QString &) {
        answered = true;
        listed = ok;
    });
    QTRY_VERIFY(answered);
    QVERIFY(!listed);
    QCOMPARE(m_paths.size(), 1);
    QVERIFY2(!m_paths.at(0).contains(QLatin1String("/../")), qPrintable(m_paths.at(0)));
}

void tst_ShareMembersDialog::windowSharesTheCurrentAccount()
{
    m_owner = newPerson(QStringLiteral("Ada Lovelace"));
    qputenv("AUTH_BASE_URL", m_server.baseUrl().toUtf8());
    qputenv("ACCOUNT_API_URL", (m_server.baseUrl() + QStringLiteral("/account/v1")).toUtf8());
    qputenv("SYNC_API_URL", (m_server.baseUrl() + QStringLiteral("/quillby/v1")).toUtf8());
    TestAppState state;
    QVERIFY(state.initialize());
    Account joint;
    joint.name = QStringLiteral("Joint");
    const Result<Account> created = state.accountService()->create(joint);
    QVERIFY(created);
    int loginPages = 0;
    const QString email = m_owner.email;
    state.client()->authClient()->setUrlOpener([this, &loginPages, email](const QUrl &url) {
        ++loginPages;
        QTimer::singleShot(0, this, [url, email] { playBrowser(url, email); });
        return true;
    });
    MainWindow window(&state);
    window.show();
    window.selectAccount(created->id);
    QAction *share = nullptr;
    const QList<QAction *> menus = window.menuBar()->actions();
    for (QAction *menu : menus) {
        if (menu->text() != QLatin1String("&Account"))
            continue;
        const QList<QAction *> entries = menu->menu()->actions();
        for (QAction *entry : entries)
            share = entry->text() == QLatin1String("&Share...") ? entry : share;
    }
    QVERIFY(share);
    QVERIFY(share->isEnabled());

    // Signed out: sharing needs the online account; Cancel leaves it at that.
    m_answers << QMessageBox::Cancel;
    share->trigger();
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.at(0).title, QStringLiteral("Sign In Required"));
    QCOMPARE(m_boxes.at(0).text, QStringLiteral("Sharing requires a Orlindo account."));
    QCOMPARE(m_boxes.at(0).buttonTexts.value(QMessageBox::Ok), QStringLiteral("Learn More"));
    QCOMPARE(m_boxes.at(0).defaultButton, QMessageBox::Ok);
    QCOMPARE(loginPages, 0);
    // Learn More goes on to the sign-in.
    m_answers << QMessageBox::Ok;
    share->trigger();
    QCOMPARE(loginPages, 1);
    QTRY_VERIFY_WITH_TIMEOUT(state.client()->isAuthenticated(), 20000);

    // Signed in: the dialog for the current account, which has not reached
    // the service yet.
    QString title;
    QString heading;
    bool onServer = true;
    QTimer::singleShot(0, this, [&] {
        auto *dialog = qobject_cast<ShareMembersDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        title = dialog->windowTitle();
        const QList<QLabel *> labels = dialog->findChildren<QLabel *>(QStringLiteral("shareHeading"));
        heading = labels.isEmpty() ? QString() : labels.first()->text();
        onServer = dialog->isAccountOnServer();
        dialog->reject();
    });
    share->trigger();
    QCOMPARE(title, QStringLiteral("Share Account"));
    QCOMPARE(heading, QStringLiteral("Sharing: Joint"));
    QVERIFY(!onServer);
    QCOMPARE(m_boxes.size(), 2);
}

QTEST_MAIN(tst_ShareMembersDialog)
#include "tst_sharemembersdialog.moc"
