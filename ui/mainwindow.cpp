#include "ui/settingsscreen.h"
#include "ui/mainwindow.h"

#include "account/apiclient.h"
#include "account/authclient.h"
#include "account/client.h"
#include "app/appstate.h"
#include "app/onlinewiring.h"
#include "data/accountrepository.h"
#include "data/changejournal.h"
#include "data/database.h"
#include "data/money.h"
#include "data/recurringrepository.h"
#include "data/transactionrepository.h"
#include "data/preferencesrepository.h"
#include "services/syncengine.h"
#include "services/accountservice.h"
#include "services/recurringservice.h"
#include "services/reportservice.h"
#include "services/sampledataservice.h"
#include "services/undohistory.h"
#include "ui/accountcard.h"
#include "ui/accountformdialog.h"
#include "ui/messagebox.h"
#include "ui/register/registermodel.h"
#include "ui/register/registerscreen.h"
#include "ui/register/registertableview.h"
#include "ui/shareaccountlauncher.h"
#include "ui/statusbar.h"
#include "ui/screens/reconciliationwindows.h"
#include "ui/screens/importscreen.h"
#include "ui/screens/payeescreen.h"
#include "ui/screens/recurringscreen.h"
#include "ui/screens/reportsscreen.h"
#include "ui/screens/searchscreen.h"
#include "ui/thememanager.h"
#include "ui/welcomescreen.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QEvent>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QShortcut>
#include <QSplitter>
#include <QStackedWidget>
#include <QTimer>
#include <QUrl>
#include <QUrlQuery>
#include <QVBoxLayout>

namespace {

const QString kSidebarBackground = QStringLiteral("#152420");
const QString kSidebarText = QStringLiteral("#8FAF9F");
const QString kFeedbackUrl = QStringLiteral("https://feedback.orlindo.com/quillby");

// Refits the sidebar cards whenever the list is resized or shown.
class ListResizeWatcher : public QObject
{
public:
    ListResizeWatcher(QObject *parent, std::function<void()> onResize)
        : QObject(parent)
        , m_onResize(std::move(onResize))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Resize || event->type() == QEvent::Show)
            m_onResize();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_onResize;
};

} // namespace

MainWindow::MainWindow(AppState *state, QWidget *parent)
    : QMainWindow(parent)
    , m_state(state)
{
    // The stored look goes in before any child widget is built or shown.
    m_themeManager = new ThemeManager(m_state->preferencesRepository(), this);
    m_themeManager->applyStoredAppearance();

    setWindowTitle(tr("Orlindo Quillby"));
    const QByteArray geometry = QSettings().value(QStringLiteral("mainwindow/geometry")).toByteArray();
    if (geometry.isEmpty() || !restoreGeometry(geometry))
        resize(1280, 900);

    m_reconciliationWindows = new ReconciliationWindows(m_state, this);
    setupMenuBar();

    m_welcomeScreen = new WelcomeScreen(m_state);
    m_registerScreen = new RegisterScreen(m_state);
    m_emptyPage = buildEmptyPage();
    m_pages = new QStackedWidget;
    m_pages->addWidget(m_welcomeScreen);
    m_pages->addWidget(m_registerScreen);
    m_pages->addWidget(m_emptyPage);

    setupAccountList();

    m_statusBar = new StatusBar(this);
    setStatusBar(m_statusBar);
    m_statusBar->applyTheme();

    connect(m_themeManager, &ThemeManager::themeChanged, this, [this] {
        m_statusBar->applyTheme();
        applySidebarStyle();
    });
    connect(m_state->accountRepository(), &AccountRepository::accountsChanged, this,
            &MainWindow::onAccountsChanged);
    // Connected after the register screen made its own connection, so the
    // register's rows (and its closing balance) are current when this runs.
    connect(m_state->database()->changes(), &ChangeJournal::committed, this, &MainWindow::onChangesCommitted);
    connect(m_welcomeScreen, &WelcomeScreen::createAccountRequested, this, &MainWindow::showNewAccountDialog);
    connect(m_welcomeScreen, &WelcomeScreen::signInRequested, this, &MainWindow::signIn);
    connect(m_statusBar, &StatusBar::signInRequested, this, &MainWindow::signIn);
    connect(m_registerScreen, &RegisterScreen::errorMessage, this,
            [this](const QString &text) { m_statusBar->showTimedMessage(text, 5000); });
    // The register asks for its own account, which is the current one.
    connect(m_registerScreen, &RegisterScreen::reconcileRequested, this, &MainWindow::showReconciliationWindow);
    connect(m_state->preferencesRepository(), &PreferencesRepository::changed, this, [this](const QString &key) {
        static const QStringList registerKeys = {QStringLiteral("registerTwoLine"), QStringLiteral("registerNewestFirst"),
                                                 QStringLiteral("weekStartDay"), QStringLiteral("theme")};
        if (registerKeys.contains(key))
            m_registerScreen->reload();
    });

    // The sync label's text while signed in, until a sync says otherwise.
    m_syncText = m_statusBar->syncText();
    if (SyncEngine *engine = m_state->syncEngine()) {
        connect(engine, &SyncEngine::stateChanged, this, [this](SyncEngine::SyncState syncState) {
            m_syncText = SyncEngine::stateText(syncState);
            if (m_shownSignedIn)
                m_statusBar->setSyncText(m_syncText);
        });
    }
    if (OrlAccount::Client *client = m_state->client()) {
        connect(client, &OrlAccount::Client::authStateChanged, this, &MainWindow::onAuthStateChanged);
        OrlAccount::AuthClient *auth = client->authClient();
        connect(auth, &OrlAccount::AuthClient::logoutCompleted, m_statusBar, &StatusBar::hideSignInAgain);
        connect(auth, &OrlAccount::AuthClient::loginSucceeded, this,
                [this] { m_statusBar->showMessage(tr("Signed in successfully"), 3000); });
        connect(auth, &OrlAccount::AuthClient::loginFailed, this, [this](const QString &error) {
            m_statusBar->showTimedMessage(tr("Sign-in failed: %1").arg(error), 5000);
            MessageBox::warning(this, tr("Sign-In Failed"), tr("Could not sign in: %1").arg(error));
        });
        for (OrlAccount::ApiClient *api : {client->authApi(), client->accountApi(), client->syncApi()})
            connect(api, &OrlAccount::ApiClient::authenticationRequired, this, &MainWindow::onAuthenticationRequired);
    }
    if (OnlineWiring *wiring = m_state->onlineWiring()) {
        wiring->setOwnerChangeChooser([this] { return askToUploadToAnotherAccount(); });
        connect(wiring, &OnlineWiring::problem, this,
                [this](const QString &text) { m_statusBar->showTimedMessage(text, 8000); });
    }
    updateAuthUI();
    refreshAccountList();

    connect(m_state->recurringService(), &RecurringService::autoPosted, this, [this](int posted) {
        m_statusBar->showMessage(tr("Auto-posted %n recurring transaction(s)", nullptr, posted), 5000);
    });
    processDueRecurring();
    auto *recurringTimer = new QTimer(this);
    recurringTimer->setInterval(3600000);
    connect(recurringTimer, &QTimer::timeout, this, &MainWindow::processDueRecurring);
    recurringTimer->start();
    updateRecurringDue();
    connect(m_state->recurringService(), &RecurringService::pendingCountChanged, m_statusBar,
            &StatusBar::setRecurringDue);
    connect(m_state->recurringRepository(), &RecurringRepository::recurringChanged, this,
            &MainWindow::updateRecurringDue);

    selectInitialAccount();
}

void MainWindow::updateUndoActions()
{
    const UndoHistory *history = m_state->undoHistory();
    m_undoAction->setEnabled(history->canUndo());
    m_undoAction->setText(history->canUndo() ? tr("&Undo %1").arg(history->undoText()) : tr("&Undo"));
    m_redoAction->setEnabled(history->canRedo());
    m_redoAction->setText(history->canRedo() ? tr("&Redo %1").arg(history->redoText()) : tr("&Redo"));
}

void MainWindow::runUndoStep(bool undo)
{
    // An entry half-typed in the register is not part of the history; it
    // is left as it is.
    const Result<void> done = undo ? m_state->undoHistory()->undo() : m_state->undoHistory()->redo();
    if (!done)
        m_statusBar->showTimedMessage(done.error(), 5000);
}

void MainWindow::processDueRecurring()
{
    m_state->recurringService()->processDue();
}

void MainWindow::updateRecurringDue()
{
    m_statusBar->setRecurringDue(m_state->recurringService()->pendingCount());
}

void MainWindow::showScreenWindow(QWidget *screen, const QString &title, QSize defaultSize)
{
    screen->setWindowTitle(title);
    if (!screen->parent()) {
        screen->setParent(this, Qt::Window);
        screen->resize(defaultSize);
    }
    if (screen->isMinimized())
        screen->setWindowState(screen->windowState() & ~Qt::WindowMinimized);
    if (screen->isHidden())
        screen->show();
    screen->raise();
    screen->activateWindow();
}

void MainWindow::showSettingsWindow()
{
    auto *screen = findChild<SettingsScreen *>(QString(), Qt::FindDirectChildrenOnly);
    if (!screen) {
        screen = new SettingsScreen(m_state, m_themeManager, m_state->syncEngine());
        connect(screen, &SettingsScreen::deletedAccountRestored, this, &MainWindow::refreshAccountList);
    }
    screen->refresh();
    showScreenWindow(screen, tr("Preferences"), QSize(500, 550));
}

void MainWindow::showPayeesWindow()
{
    // What it renames reaches the register through the change notices of
    // its commit, so nothing here reloads by hand.
    auto *screen = findChild<PayeeScreen *>(QString(), Qt::FindDirectChildrenOnly);
    if (!screen)
        screen = new PayeeScreen(m_state);
    screen->reload();
    showScreenWindow(screen, tr("Payee Management"), QSize(550, 500));
}

void MainWindow::showRecurringWindow()
{
    if (!m_recurringScreen) {
        // Postings reach the register and the sidebar through the change
        // notices of their commit, like every other write.
        m_recurringScreen = new RecurringScreen(m_state, m_state->recurringService());
        connect(m_state->recurringRepository(), &RecurringRepository::recurringChanged, m_recurringScreen, [this] {
            if (m_recurringScreen->isVisible())
                m_recurringScreen->refresh();
        });
    }
    m_recurringScreen->refresh();
    showScreenWindow(m_recurringScreen, tr("Recurring Transactions"), QSize(700, 500));
}

void MainWindow::showReconciliationWindow()
{
    const QString id = m_state->currentAccountId();
    if (id.isEmpty()) {
        m_statusBar->showMessage(tr("Select an account first"), 3000);
        return;
    }
    m_reconciliationWindows->openReconciliation(id);
}

void MainWindow::showReconciliationHistoryWindow()
{
    const QString id = m_state->currentAccountId();
    if (id.isEmpty()) {
        m_statusBar->showMessage(tr("Select an account first"), 3000);
        return;
    }
    m_reconciliationWindows->openHistory(id);
}

void MainWindow::showReportsWindow()
{
    if (!m_reportsScreen) {
        // The service keeps no state: one for the screen's lifetime.
        m_reportsScreen = new ReportsScreen(m_state, new ReportService(m_state->database(), this));
        m_reportsScreen->followTheme(m_themeManager);
        connect(m_reportsScreen, &ReportsScreen::transactionsRequested, this,
                [this](const TransactionMatch &match, const QString &title) {
                    showSearchWindow();
                    searchScreen()->showReportMatch(match, title);
                });
    }
    m_reportsScreen->refresh();
    showScreenWindow(m_reportsScreen, tr("Reports"), QSize(800, 600));
}

SearchScreen *MainWindow::searchScreen()
{
    auto *screen = findChild<SearchScreen *>(QString(), Qt::FindDirectChildrenOnly);
    if (!screen) {
        screen = new SearchScreen(m_state);
        connect(screen, &SearchScreen::editTransactionRequested, this, &MainWindow::showTransaction);
    }
    return screen;
}

void MainWindow::showSearchWindow()
{
    SearchScreen *screen = searchScreen();
    screen->reloadFilterLists();
    showScreenWindow(screen, tr("Search Transactions"), QSize(800, 550));
    screen->focusSearchField();
}

void MainWindow::showTransaction(const QString &transactionId)
{
    const std::optional<Transaction> found = m_state->transactionRepository()->findById(transactionId);
    if (!found || found->deletedAt) {
        m_statusBar->showMessage(tr("That transaction no longer exists"), 3000);
        return;
    }
    selectAccount(found->accountId);
    const int row = m_registerScreen->model()->rowForId(transactionId);
    if (row >= 0) {
        const QModelIndex index = m_registerScreen->model()->index(row, RegisterModel::Payee);
        m_registerScreen->view()->setCurrentIndex(index);
        m_registerScreen->view()->scrollTo(index, QAbstractItemView::PositionAtCenter);
    }
    raise();
    activateWindow();
    m_registerScreen->view()->setFocus(Qt::OtherFocusReason);
}

MainWindow::~MainWindow() = default;

bool MainWindow::askToUploadToAnotherAccount()
{
    // Keeping the file local loses nothing, so it is the default.
    const auto answer = MessageBox::question(
        this, tr("Different Account"),
        tr("This file has been syncing with another Orlindo account. Upload its accounts and transactions to the "
           "account you just signed in with?\n\nIf you keep it on this computer, nothing of it is synced while "
           "you are signed in with this account."),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No,
        {{QMessageBox::Yes, tr("Upload to This Account")}, {QMessageBox::No, tr("Keep on This Computer")}});
    return answer == QMessageBox::Yes;
}

MainWindow::Page MainWindow::currentPage() const
{
    QWidget *page = m_pages->currentWidget();
    if (page == m_registerScreen)
        return Page::Register;
    if (page == m_emptyPage)
        return Page::Empty;
    return Page::Welcome;
}

bool MainWindow::isSignedIn() const
{
    return m_state->client() && m_state->client()->isAuthenticated();
}

void MainWindow::signIn()
{
    // The offer of a new sign-in stays until one succeeds.
    if (m_state->client())
        m_state->client()->authClient()->login();
}

void MainWindow::signOut()
{
    if (m_state->client())
        m_state->client()->authClient()->logout();
}

void MainWindow::onAuthStateChanged()
{
    const bool signedIn = isSignedIn();
    // Only a sign-in the window had shown can end behind the user's back;
    // a start-up that finds the sign-in gone greets a returning user instead.
    // A sign-out somebody asked for takes the offer back at once: its
    // logoutCompleted follows this state change.
    if (!signedIn && m_shownSignedIn)
        m_statusBar->showSignInAgain(tr("Your session has ended."));
    if (signedIn)
        m_statusBar->hideSignInAgain();
    if (!signedIn && m_accountScreen)
        m_accountScreen->close();
    updateAuthUI();
}

void MainWindow::onAuthenticationRequired()
{
    if (!isSignedIn())
        return;
    // Signing out here clears the dead tokens; it is no sign-out the user
    // asked for, so the offer stays.
    m_state->client()->authClient()->logout();
    m_statusBar->showSignInAgain(tr("Your session has ended."));
}

void MainWindow::showOrlindoAccountScreen(OrlAccount::AccountScreen::Tab tab)
{
    if (!isSignedIn()) {
        signIn();
        return;
    }
    if (!m_accountScreen) {
        m_accountScreen = new OrlAccount::AccountScreen(m_state->client());
        connect(m_accountScreen, &OrlAccount::AccountScreen::logoutRequested, this, &MainWindow::signOut);
    }
    m_accountScreen->selectTab(tab);
    m_accountScreen->refreshAll();
    showScreenWindow(m_accountScreen, tr("Orlindo Account"), QSize(600, 550));
}

void MainWindow::showShareAccountDialog()
{
    const QString id = m_state->currentAccountId();
    if (id.isEmpty()) {
        m_statusBar->showMessage(tr("Select an account first"), 3000);
        return;
    }
    if (!m_shareLauncher)
        m_shareLauncher = new ShareAccountLauncher(m_state, this);
    if (m_shareLauncher->open(this, id) == ShareAccountLauncher::Outcome::SignInWanted)
        showOrlindoAccountScreen();
}

QAction *MainWindow::addPendingEntry(QMenu *menu, const QString &text, const QString &opens)
{
    QAction *action = menu->addAction(text);
    action->setEnabled(false);
    action->setToolTip(opens);
    action->setStatusTip(opens);
    return action;
}

void MainWindow::setupMenuBar()
{

    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->setToolTipsVisible(true);
    QAction *newTransaction = file->addAction(tr("&New Transaction"));
    newTransaction->setShortcut(QKeySequence(QStringLiteral("Ctrl+N")));
    connect(newTransaction, &QAction::triggered, this, [this] {
        if (m_pages->currentWidget() == m_registerScreen)
            m_registerScreen->focusNewRow();
    });
    QAction *newAccount = file->addAction(tr("New &Account"));
    newAccount->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+N")));
    connect(newAccount, &QAction::triggered, this, &MainWindow::showNewAccountDialog);
    file->addSeparator();
    QAction *import = file->addAction(tr("&Import..."));
    import->setObjectName(QStringLiteral("importAction"));
    import->setStatusTip(tr("Imports transactions from CSV, QIF and OFX/QFX files"));
    connect(import, &QAction::triggered, this, [this] {
        // One screen, made on first use; what it stores reaches the sidebar
        // and the register through the change notices of its commit.
        auto *screen = findChild<ImportScreen *>(QString(), Qt::FindDirectChildrenOnly);
        if (!screen) {
            screen = new ImportScreen(m_state);
            connect(screen, &ImportScreen::importCompleted, this, &MainWindow::refreshAccountList);
        }
        screen->prepare();
        showScreenWindow(screen, tr("Import Transactions"), QSize(650, 600));
    });
    file->addSeparator();
    m_accountAction = file->addAction(tr("Orlindo &Account..."));
    connect(m_accountAction, &QAction::triggered, this, [this] { showOrlindoAccountScreen(); });
    file->addSeparator();
    m_signOutAction = file->addAction(tr("Sign &Out"));
    connect(m_signOutAction, &QAction::triggered, this, &MainWindow::signOut);
    file->addSeparator();
    QAction *quit = file->addAction(tr("&Quit"));
    quit->setShortcut(QKeySequence::Quit);
    quit->setMenuRole(QAction::QuitRole);
    connect(quit, &QAction::triggered, this, &QWidget::close);

    QMenu *edit = menuBar()->addMenu(tr("&Edit"));
    edit->setToolTipsVisible(true);
    m_undoAction = edit->addAction(tr("&Undo"));
    m_undoAction->setShortcut(QKeySequence(QStringLiteral("Ctrl+Z")));
    connect(m_undoAction, &QAction::triggered, this, [this] { runUndoStep(true); });
    m_redoAction = edit->addAction(tr("&Redo"));
    m_redoAction->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+Z")));
    connect(m_redoAction, &QAction::triggered, this, [this] { runUndoStep(false); });
    connect(m_state->undoHistory(), &UndoHistory::changed, this, &MainWindow::updateUndoActions);
    updateUndoActions();
    edit->addSeparator();
    QAction *find = edit->addAction(tr("&Find..."));
    find->setShortcut(QKeySequence::Find);
    connect(find, &QAction::triggered, this, &MainWindow::showSearchWindow);
    edit->addSeparator();
    QAction *preferences = edit->addAction(tr("&Preferences..."));
    preferences->setShortcut(QKeySequence(QStringLiteral("Ctrl+,")));
    preferences->setMenuRole(QAction::PreferencesRole);
    connect(preferences, &QAction::triggered, this, &MainWindow::showSettingsWindow);

    QMenu *account = menuBar()->addMenu(tr("&Account"));
    account->setToolTipsVisible(true);
    connect(account->addAction(tr("&Edit...")), &QAction::triggered, this, &MainWindow::showEditAccountDialog);
    QAction *reconcile = account->addAction(tr("&Reconcile..."));
    reconcile->setShortcut(QKeySequence(QStringLiteral("Ctrl+R")));
    connect(reconcile, &QAction::triggered, this, &MainWindow::showReconciliationWindow);
    connect(account->addAction(tr("Reconciliation &History...")), &QAction::triggered, this,
            &MainWindow::showReconciliationHistoryWindow);
    connect(account->addAction(tr("Rename &Payees...")), &QAction::triggered, this, &MainWindow::showPayeesWindow);
    account->addSeparator();
    connect(account->addAction(tr("&Share...")), &QAction::triggered, this, &MainWindow::showShareAccountDialog);
    account->addSeparator();
    connect(account->addAction(tr("&Delete")), &QAction::triggered, this, &MainWindow::deleteCurrentAccount);

    QMenu *view = menuBar()->addMenu(tr("&View"));
    view->setToolTipsVisible(true);
    QAction *reports = view->addAction(tr("&Reports"));
    reports->setShortcut(QKeySequence(QStringLiteral("Ctrl+2")));
    connect(reports, &QAction::triggered, this, &MainWindow::showReportsWindow);
    QAction *recurring = view->addAction(tr("Re&curring Transactions"));
    recurring->setShortcut(QKeySequence(QStringLiteral("Ctrl+3")));
    connect(recurring, &QAction::triggered, this, &MainWindow::showRecurringWindow);
    addPendingEntry(view, tr("C&ategories"), tr("Opens the categories"))
        ->setShortcut(QKeySequence(QStringLiteral("Ctrl+4")));

    QMenu *help = menuBar()->addMenu(tr("&Help"));
    help->setToolTipsVisible(true);
    QAction *about = help->addAction(tr("&About Orlindo Quillby"));
    about->setMenuRole(QAction::AboutRole);
    connect(about, &QAction::triggered, this, &MainWindow::showAbout);
    addPendingEntry(help, tr("What's &New..."), tr("Opens the release notes"));
    addPendingEntry(help, tr("Check for &Updates..."), tr("Checks for a newer version"));
    connect(help->addAction(tr("Send &Feedback...")), &QAction::triggered, this, &MainWindow::sendFeedback);
    help->addSeparator();
    connect(help->addAction(tr("&Keyboard Shortcuts")), &QAction::triggered, this,
            &MainWindow::showKeyboardShortcuts);
    if (!qEnvironmentVariableIsEmpty("QUILLBY_DEV")) {
        help->addSeparator();
        // The service lives for one command; what it writes reaches the
        // screens through the change journal once committed.
        QAction *loadSample = help->addAction(tr("Load &Sample Data"));
        loadSample->setStatusTip(tr("Loads a demonstration data set"));
        connect(loadSample, &QAction::triggered, this, [this] {
            SampleDataService service(m_state->database());
            if (service.hasSampleData()) {
                MessageBox::information(this, tr("Sample Data"), tr("Sample data is already loaded."));
                return;
            }
            const Result<int> loaded = service.loadSampleData();
            if (!loaded) {
                MessageBox::warning(this, tr("Sample Data"), loaded.error());
                return;
            }
            m_statusBar->showTimedMessage(tr("Sample data loaded"), 3000);
        });
        QAction *clearSample = help->addAction(tr("&Clear Sample Data"));
        clearSample->setStatusTip(tr("Removes the demonstration data set"));
        connect(clearSample, &QAction::triggered, this, [this] {
            SampleDataService service(m_state->database());
            if (!service.hasSampleData()) {
                MessageBox::information(this, tr("Sample Data"), tr("No sample data to clear."));
                return;
            }
            const Result<SampleDataClearReport> cleared = service.clearSampleData();
            if (!cleared) {
                MessageBox::warning(this, tr("Sample Data"), cleared.error());
                return;
            }
            // Undo steps may name rows that are gone now.
            if (cleared->removed > 0)
                m_state->undoHistory()->clear();
            showEmptyPage();
            m_statusBar->showTimedMessage(tr("Sample data cleared"), 3000);
            if (!cleared->stayed.isEmpty()) {
                MessageBox::information(this, tr("Sample Data"),
                                        tr("Sample data cleared, except what your own entries still use:\n\n%1")
                                            .arg(cleared->stayed.join(QLatin1Char('\n'))));
            }
        });
    }
}

void MainWindow::setupAccountList()
{
    m_accountList = new QListWidget;
    m_accountList->setMinimumWidth(260);
    m_accountList->setFocusPolicy(Qt::NoFocus);
    m_accountList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_accountList->setContextMenuPolicy(Qt::CustomContextMenu);
    m_accountList->setDragDropMode(QAbstractItemView::InternalMove);
    m_accountList->setDefaultDropAction(Qt::MoveAction);
    connect(m_accountList, &QListWidget::customContextMenuRequested, this, &MainWindow::onAccountContextMenu);
    connect(m_accountList, &QListWidget::itemClicked, this, &MainWindow::onAccountClicked);
    connect(m_accountList->model(), &QAbstractItemModel::rowsMoved, this, [this] {
        if (!m_rebuilding)
            saveAccountOrder();
    });

    m_totalLabel = new QLabel;
    applyFontRole(m_totalLabel, FontRole::BodyStrong);
    m_totalLabel->setAlignment(Qt::AlignCenter);
    // One line per currency: a single line of several totals outgrows the sidebar.
    m_totalLabel->setMinimumHeight(32);
    m_totalLabel->setStyleSheet(QStringLiteral("background: %1; color: %2; border-top: 1px solid %3; padding: 4px;")
                                    .arg(kSidebarBackground, kSidebarText, QStringLiteral("#1E3028")));
    applySidebarStyle();

    auto *sidebar = new QWidget;
    sidebar->setMinimumWidth(260);
    sidebar->setMaximumWidth(500);
    auto *layout = new QVBoxLayout(sidebar);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_accountList, 1);
    layout->addWidget(m_totalLabel);

    m_splitter = new QSplitter(Qt::Horizontal);
    m_splitter->addWidget(sidebar);
    m_splitter->addWidget(m_pages);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setChildrenCollapsible(false);
    connect(m_splitter, &QSplitter::splitterMoved, this, &MainWindow::fitAccountItems);
    m_accountList->installEventFilter(new ListResizeWatcher(this, [this] { fitAccountItems(); }));

    QSettings settings;
    if (!settings.contains(QStringLiteral("mainwindow/splitter"))
        || !m_splitter->restoreState(settings.value(QStringLiteral("mainwindow/splitter")).toByteArray())) {
        m_splitter->setSizes({280, 1000});
    }
    setCentralWidget(m_splitter);
}

void MainWindow::applySidebarStyle()
{
    int pointSize = QApplication::font().pointSize();
    if (pointSize <= 0)
        pointSize = 10;
    const int size = qMax(1, pointSize * fontScalePercent() / 100);
    m_accountList->setStyleSheet(
        QStringLiteral("QListWidget {  background-color: %1;  border: none;  outline: none;  padding: 6px 0;  "
                       "font-size: %7pt;}QListWidget::item {  color: %2;  padding: 7px 14px;  border: none;}"
                       "QListWidget::item:hover {  background-color: %3;  color: %4;}"
                       "QListWidget::item:selected {  background-color: %5;  color: %4;}"
                       "QListWidget::item:disabled {  color: %6;  padding: 10px 14px 4px 14px;  background: "
                       "transparent;}")
            .arg(kSidebarBackground, kSidebarText, QStringLiteral("#1E3530"), QStringLiteral("#FFFFFF"),
                 QStringLiteral("#26574A"), QStringLiteral("#5A7A6E"))
            .arg(size));
}

QWidget *MainWindow::buildEmptyPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->setAlignment(Qt::AlignCenter);
    layout->setSpacing(12);

    auto *icon = new QLabel(QString(QChar(0xE850)));
    QFont iconFont(QStringLiteral("Material Icons"));
    iconFont.setPixelSize(96);
    icon->setFont(iconFont);
    icon->setStyleSheet(QStringLiteral("color: #4DB6AC;"));
    icon->setAlignment(Qt::AlignCenter);
    layout->addWidget(icon);
    layout->addSpacing(8);

    auto *title = new QLabel(tr("Welcome to Orlindo Quillby"));
    applyFontRole(title, FontRole::LargeTitle);
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);

    auto *subtitle = new QLabel(tr("Create your first account to get started."));
    applyFontRole(subtitle, FontRole::SectionTitle);
    subtitle->setAlignment(Qt::AlignCenter);
    subtitle->setStyleSheet(QStringLiteral("color: #6E8A7E;"));
    layout->addWidget(subtitle);
    layout->addSpacing(16);

    auto *create = new QPushButton(tr("Create Account"));
    create->setStyleSheet(primaryButtonStyle());
    create->setMinimumHeight(40);
    create->setMinimumWidth(180);
    create->setCursor(Qt::PointingHandCursor);
    connect(create, &QPushButton::clicked, this, &MainWindow::showNewAccountDialog);
    layout->addWidget(create, 0, Qt::AlignCenter);
    layout->addSpacing(12);

    auto *hint = new QLabel(tr("You can also import transactions from a CSV file via File › Import."));
    hint->setAlignment(Qt::AlignCenter);
    hint->setWordWrap(true);
    hint->setMaximumWidth(480);
    hint->setStyleSheet(QStringLiteral("color: #6E8A7E;"));
    applyFontRole(hint, FontRole::Caption);
    layout->addWidget(hint, 0, Qt::AlignCenter);
    return page;
}

void MainWindow::updateAuthUI()
{
    const bool signedIn = isSignedIn();
    m_signOutAction->setVisible(signedIn);
    const QString tip = signedIn ? tr("Manage your account") : tr("Sign in or sign up");
    m_accountAction->setStatusTip(tip);
    m_accountAction->setToolTip(tip);
    if (!m_statusBar)
        return;
    m_shownSignedIn = signedIn;
    if (signedIn) {
        m_statusBar->setSyncText(m_syncText);
        if (currentPage() == Page::Welcome) {
            if (m_state->currentAccountId().isEmpty())
                m_pages->setCurrentWidget(m_emptyPage);
            else
                selectAccount(m_state->currentAccountId());
        }
    } else {
        m_statusBar->setSyncText(tr("Not signed in"));
        m_welcomeScreen->setReturningUser(
            QSettings().value(QStringLiteral("auth/hasSignedInBefore"), false).toBool());
        m_pages->setCurrentWidget(m_welcomeScreen);
    }
}

QString MainWindow::totalText(const QList<QPair<Currency, qint64>> &balances)
{
    if (balances.isEmpty())
        return tr("No accounts");

    // Amounts in different currencies cannot be added: keep one total per
    // currency, in the order the currencies first appear.
    QList<QPair<Currency, qint64>> totals;
    for (const auto &[currency, balance] : balances) {
        auto it = std::find_if(totals.begin(), totals.end(), [c = currency](const auto &t) { return t.first == c; });
        if (it == totals.end())
            totals.append({currency, balance});
        else
            it->second += balance;
    }
    QStringList parts;
    for (const auto &[currency, total] : std::as_const(totals)) {
        QString text = formatMoney(total, currency);
        // "$" stands for three currencies; name the currency when it is ambiguous.
        const bool symbolShared = std::count_if(totals.cbegin(), totals.cend(), [c = currency](const auto &t) {
                                      return currencySymbol(t.first) == currencySymbol(c);
                                  }) > 1;
        if (symbolShared)
            text += QLatin1Char(' ') + currencyToString(currency);
        parts << text;
    }
    return tr("Total: %1").arg(parts.join(QLatin1Char('\n')));
}

void MainWindow::refreshAccountList()
{
    m_rebuilding = true;
    m_accountList->clear();
    const QList<Account> accounts = m_state->accountRepository()->findAll();
    const QHash<QString, qint64> balances = m_state->accountRepository()->balances();
    const int width = m_accountList->viewport()->width();

    m_sidebarAccounts = accounts;
    m_sidebarBalances.clear();
    for (const Account &account : accounts) {
        const qint64 balance = balances.value(account.id, account.startingBalance);
        auto *card = new AccountCard(account, balance);
        auto *item = new QListWidgetItem(m_accountList);
        item->setData(Qt::UserRole, account.id);
        item->setSizeHint(QSize(width, card->sizeHint().height() + 10));
        m_accountList->setItemWidget(item, card);
        m_sidebarBalances.insert(account.id, balance);
    }

    m_statusBar->setAccountCount(int(accounts.size()));
    rebuildAccountShortcuts();
    showSidebarTotal();

    const QString current = m_state->currentAccountId();
    for (int row = 0; row < m_accountList->count(); ++row) {
        if (m_accountList->item(row)->data(Qt::UserRole).toString() == current) {
            m_accountList->setCurrentRow(row);
            break;
        }
    }
    m_rebuilding = false;
}

void MainWindow::showSidebarTotal()
{
    QList<QPair<Currency, qint64>> currencyBalances;
    currencyBalances.reserve(m_sidebarAccounts.size());
    for (const Account &account : std::as_const(m_sidebarAccounts))
        currencyBalances.append({account.currency, m_sidebarBalances.value(account.id)});
    m_totalLabel->setText(totalText(currencyBalances));
}

void MainWindow::onChangesCommitted(const ChangeSet &changes)
{
    // Account changes rebuild the whole list through accountsChanged.
    if (!changes.contains(ChangeSet::Entity::Transaction) || changes.contains(ChangeSet::Entity::Account))
        return;
    if (changes.allRegisters()) {
        refreshAccountList();
        return;
    }
    bool changed = false;
    for (const QString &accountId : changes.registerAccounts()) {
        const auto account = std::find_if(m_sidebarAccounts.cbegin(), m_sidebarAccounts.cend(),
                                          [&accountId](const Account &a) { return a.id == accountId; });
        if (account == m_sidebarAccounts.cend())
            continue;
        // The register already holds the account it shows; any other moves
        // by what the change says it moved, or else takes one query.
        std::optional<qint64> balance;
        if (accountId == m_registerScreen->accountId() && m_registerScreen->rowsAreCurrent())
            balance = m_registerScreen->model()->closingBalance();
        else if (const std::optional<qint64> delta = changes.balanceDelta(accountId);
                 delta && m_sidebarBalances.contains(accountId))
            balance = checkedAdd(m_sidebarBalances.value(accountId), *delta);
        if (!balance)
            balance = m_state->accountRepository()->balance(accountId);
        if (!balance) {
            refreshAccountList();
            return;
        }
        if (*balance == m_sidebarBalances.value(accountId))
            continue;
        m_sidebarBalances.insert(accountId, *balance);
        changed = true;
        for (int row = 0; row < m_accountList->count(); ++row) {
            QListWidgetItem *item = m_accountList->item(row);
            if (item->data(Qt::UserRole).toString() != accountId)
                continue;
            // The list deletes the card it replaces.
            m_accountList->setItemWidget(item, new AccountCard(*account, *balance));
            break;
        }
    }
    if (changed)
        showSidebarTotal();
}

void MainWindow::rebuildAccountShortcuts()
{
    qDeleteAll(m_accountShortcuts);
    m_accountShortcuts.clear();
    const int count = qMin(m_accountList->count(), 10);
    for (int i = 0; i < count; ++i) {
        const int digit = i < 9 ? i + 1 : 0;
        auto *shortcut = new QShortcut(QKeySequence(QStringLiteral("Alt+%1").arg(digit)), this);
        const QString id = m_accountList->item(i)->data(Qt::UserRole).toString();
        connect(shortcut, &QShortcut::activated, this, [this, id] { selectAccount(id); });
        m_accountShortcuts.append(shortcut);
    }
}

void MainWindow::onAccountClicked(QListWidgetItem *item)
{
    if (!item)
        return;
    const QString id = item->data(Qt::UserRole).toString();
    if (!id.isEmpty())
        selectAccount(id);
}

void MainWindow::onAccountsChanged()
{
    refreshAccountList();
}

void MainWindow::selectAccount(const QString &accountId)
{
    m_state->setCurrentAccountId(accountId);
    m_registerScreen->setAccount(accountId);
    m_pages->setCurrentWidget(m_registerScreen);
    highlightAccount(accountId);
}

void MainWindow::highlightAccount(const QString &accountId)
{
    for (int row = 0; row < m_accountList->count(); ++row) {
        if (m_accountList->item(row)->data(Qt::UserRole).toString() == accountId) {
            m_accountList->setCurrentRow(row);
            return;
        }
    }
    m_accountList->setCurrentRow(-1);
}

void MainWindow::selectInitialAccount()
{
    const QString current = m_state->currentAccountId();
    if (!current.isEmpty() && m_state->accountRepository()->findById(current)) {
        selectAccount(current);
    } else if (m_accountList->count() > 0) {
        selectAccount(m_accountList->item(0)->data(Qt::UserRole).toString());
    } else {
        showEmptyPage();
    }
}

void MainWindow::showEmptyPage()
{
    m_pages->setCurrentWidget(isSignedIn() ? m_emptyPage : static_cast<QWidget *>(m_welcomeScreen));
}

void MainWindow::saveAccountOrder()
{
    QList<QPair<QString, int>> order;
    for (int row = 0; row < m_accountList->count(); ++row) {
        const QString id = m_accountList->item(row)->data(Qt::UserRole).toString();
        if (!id.isEmpty())
            order.append({id, row});
    }
    if (const Result<void> saved = m_state->accountService()->reorder(order); !saved)
        m_statusBar->showTimedMessage(saved.error(), 5000);
}

void MainWindow::fitAccountItems()
{
    const int width = m_accountList->viewport()->width();
    if (width <= 0)
        return;
    for (int row = 0; row < m_accountList->count(); ++row) {
        QListWidgetItem *item = m_accountList->item(row);
        if (item->sizeHint().width() != width)
            item->setSizeHint(QSize(width, item->sizeHint().height()));
    }
}

void MainWindow::showNewAccountDialog()
{
    AccountFormDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    Account account = dialog.account();
    if (account.name.isEmpty())
        return;

    // The dialog's starting balance is the opening amount, stored as a
    // transaction of its own together with the account.
    const Result<Account> created =
        m_state->accountService()->create(account, account.startingBalance, dialog.openingBalanceDate());
    if (!created) {
        m_statusBar->showTimedMessage(created.error(), 5000);
        return;
    }
    selectAccount(created->id);
}

void MainWindow::showEditAccountDialog()
{
    const QString id = m_state->currentAccountId();
    if (id.isEmpty()) {
        m_statusBar->showMessage(tr("Select an account first"), 3000);
        return;
    }
    const std::optional<Account> account = m_state->accountRepository()->findById(id);
    if (!account)
        return;
    AccountFormDialog dialog(*account, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (const Result<Account> saved = m_state->accountService()->edit(dialog.account()); !saved) {
        m_statusBar->showTimedMessage(saved.error(), 5000);
        return;
    }
    selectAccount(id);
}

void MainWindow::onAccountContextMenu(const QPoint &pos)
{
    QMenu menu(this);
    menu.setToolTipsVisible(true);
    connect(menu.addAction(tr("New Account...")), &QAction::triggered, this, &MainWindow::showNewAccountDialog);

    QListWidgetItem *item = m_accountList->itemAt(pos);
    const QString id = item ? item->data(Qt::UserRole).toString() : QString();
    const std::optional<Account> account = id.isEmpty() ? std::nullopt
                                                        : m_state->accountRepository()->findById(id);
    if (account) {
        menu.addSeparator();
        connect(menu.addAction(tr("Edit \"%1\"...").arg(account->name)), &QAction::triggered, this, [this, id] {
            selectAccount(id);
            showEditAccountDialog();
        });
        connect(menu.addAction(tr("Reconcile...")), &QAction::triggered, this, [this, id] {
            selectAccount(id);
            showReconciliationWindow();
        });
        connect(menu.addAction(tr("Reconciliation History...")), &QAction::triggered, this, [this, id] {
            selectAccount(id);
            showReconciliationHistoryWindow();
        });
        connect(menu.addAction(tr("Rename Payees...")), &QAction::triggered, this, [this, id] {
            selectAccount(id);
            showPayeesWindow();
        });
        menu.addSeparator();
        connect(menu.addAction(tr("Share...")), &QAction::triggered, this, [this, id] {
            selectAccount(id);
            showShareAccountDialog();
        });
        menu.addSeparator();
        connect(menu.addAction(tr("Delete \"%1\"").arg(account->name)), &QAction::triggered, this,
                [this, id] { deleteAccount(id); });
    }
    menu.exec(m_accountList->viewport()->mapToGlobal(pos));
    // The right click moved the highlight; the commands act on the current
    // account, so the highlight goes back to it (or to the account an entry
    // of the menu just opened).
    highlightAccount(m_state->currentAccountId());
}

void MainWindow::deleteAccount(const QString &accountId)
{
    const std::optional<Account> account = m_state->accountRepository()->findById(accountId);
    if (!account)
        return;
    const auto answer = MessageBox::warning(
        this, tr("Delete Account"),
        tr("Delete \"%1\"?\n\nAll transactions, recurring entries, and reconciliation history for this account "
           "will be removed. You can restore it from Preferences → Data & Sync.")
            .arg(account->name),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;

    if (const Result<void> removed = m_state->accountService()->remove(accountId); !removed) {
        m_statusBar->showTimedMessage(removed.error(), 5000);
        return;
    }
    if (accountId == m_state->currentAccountId()) {
        m_state->setCurrentAccountId(QString());
        showEmptyPage();
    }
}

void MainWindow::deleteCurrentAccount()
{
    const QString id = m_state->currentAccountId();
    if (id.isEmpty()) {
        m_statusBar->showMessage(tr("Select an account first"), 3000);
        return;
    }
    deleteAccount(id);
}

void MainWindow::showKeyboardShortcuts()
{
    auto key = [](const char *sequence) {
        return QKeySequence(QString::fromLatin1(sequence)).toString(QKeySequence::NativeText).toHtmlEscaped();
    };
    const QString text =
        tr("<h3>Register</h3><table cellspacing='6'><tr><td><b>%1</b></td><td>Save transaction</td></tr><tr><td><b>%2</b></td><td>Insert new transaction</td></tr><tr><td><b>%3</b></td><td>Delete current transaction</td></tr><tr><td><b>Tab / Shift+Tab</b></td><td>Next / previous field</td></tr><tr><td><b>' (apostrophe)</b></td><td>Copy value from field above (into an empty or fully selected field; elsewhere it is typed)</td></tr></table><h3>Date Field</h3><table cellspacing='6'><tr><td><b>t</b></td><td>Today</td></tr><tr><td><b>+ / -</b></td><td>Next / previous day</td></tr><tr><td><b>m / h</b></td><td>First / last day of month</td></tr><tr><td><b>y / r</b></td><td>First / last day of year</td></tr><tr><td><b>w / k</b></td><td>First / last day of week</td></tr></table><h3>General</h3><table cellspacing='6'><tr><td><b>%4</b></td><td>New transaction</td></tr><tr><td><b>%5</b></td><td>New account</td></tr><tr><td><b>%6</b></td><td>Reconcile account</td></tr><tr><td><b>%7</b></td><td>Search transactions</td></tr><tr><td><b>%8</b></td><td>Reports</td></tr><tr><td><b>%9</b></td><td>Recurring transactions</td></tr><tr><td><b>%10</b></td><td>Categories</td></tr></table><h3>Accounts</h3><table cellspacing='6'><tr><td><b>%11 &ndash; %12</b></td><td>Switch to account 1&ndash;9</td></tr><tr><td><b>%13</b></td><td>Switch to account 10</td></tr></table>")
            .arg(key("Ctrl+Return"), key("Ctrl+I"), key("Ctrl+D"), key("Ctrl+N"), key("Ctrl+Shift+N"),
                 key("Ctrl+R"), key("Ctrl+F"), key("Ctrl+2"))
            .arg(key("Ctrl+3"), key("Ctrl+4"), key("Alt+1"), key("Alt+9"), key("Alt+0"));
    MessageBox::information(this, tr("Keyboard Shortcuts"), text);
}

void MainWindow::showAbout()
{
    QMessageBox::about(
        this, tr("About Orlindo Quillby"),
        tr("<h3>Orlindo Quillby</h3><p>Version %1</p><p>A register for tracking your household finances.</p>"
           "<p>Made by Orlindo &mdash; <a href='https://orlindo.com/quillby'>orlindo.com/quillby</a></p>"
           "<p><small>This program uses the Qt framework under the GNU LGPL version 3 and Qt Charts under "
           "the GNU GPL version 3; the program itself is free software under the GNU GPL version 3 or later. "
           "See <a href='https://www.qt.io'>qt.io</a> and <a href='https://code.qt.io'>code.qt.io</a> for Qt and "
           "its source code, and <a href='https://www.gnu.org/licenses/gpl-3.0.html'>gnu.org/licenses</a> "
           "for the licence.</small></p>")
            .arg(QCoreApplication::applicationVersion()));
}

void MainWindow::sendFeedback()
{
    QUrl url(kFeedbackUrl);
    if (!url.path().endsWith(QLatin1Char('/')))
        url.setPath(url.path() + QLatin1Char('/'));
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("tags"), QStringLiteral("quillby"));
    url.setQuery(query);
    QDesktopServices::openUrl(url);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    QSettings settings;
    settings.setValue(QStringLiteral("mainwindow/geometry"), saveGeometry());
    settings.setValue(QStringLiteral("mainwindow/splitter"), m_splitter->saveState());
    QMainWindow::closeEvent(event);
}
