#pragma once

#include "data/account.h"
#include "data/enums.h"
#include "ui/screens/accountscreen.h"

#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QPointer>

class AppState;
class ChangeSet;
class QAction;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QShortcut;
class QSplitter;
class QStackedWidget;
class ReconciliationWindows;
class RecurringScreen;
class ReportsScreen;
class SearchScreen;
class RegisterScreen;
class ShareAccountLauncher;
class StatusBar;
class ThemeManager;
class WelcomeScreen;

// The program's one top-level window: the dark account sidebar with balances
// and totals, the page stack (welcome, register, empty), the menu bar and the
// status bar. Other screens open from here as windows of their own.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(AppState *state, QWidget *parent = nullptr);
    ~MainWindow() override;

    enum class Page { Welcome, Register, Empty };
    Page currentPage() const;

    // The online account's sign-in state; it decides between the welcome
    // and the empty page.
    bool isSignedIn() const;

    QListWidget *accountList() const { return m_accountList; }
    QLabel *totalLabel() const { return m_totalLabel; }
    StatusBar *statusBarWidget() const { return m_statusBar; }
    // Owned by the window; the stored appearance is applied when it is built.
    ThemeManager *themeManager() const { return m_themeManager; }
    WelcomeScreen *welcomeScreen() const { return m_welcomeScreen; }
    RegisterScreen *registerScreen() const { return m_registerScreen; }
    QList<QShortcut *> accountShortcuts() const { return m_accountShortcuts; }
    QAction *accountAction() const { return m_accountAction; }
    QAction *signOutAction() const { return m_signOutAction; }
    // Null until the account screen is first shown.
    OrlAccount::AccountScreen *accountScreen() const { return m_accountScreen; }
    ReconciliationWindows *reconciliationWindows() const { return m_reconciliationWindows; }

    // The total label's text for a set of balances: one total when every
    // account shares a currency, one per currency otherwise.
    static QString totalText(const QList<QPair<Currency, qint64>> &balances);

public Q_SLOTS:
    void onAccountClicked(QListWidgetItem *item);
    void onAccountsChanged();
    void selectAccount(const QString &accountId);
    void showNewAccountDialog();
    void showEditAccountDialog();
    void onAccountContextMenu(const QPoint &pos);
    void deleteAccount(const QString &accountId);
    void deleteCurrentAccount();
    void refreshAccountList();
    void showReportsWindow();
    void showRecurringWindow();
    void showPayeesWindow();
    void showSettingsWindow();
    // The one search window, reloaded and focused on its search field.
    void showSearchWindow();
    // Opens the transaction's account and makes its row current.
    void showTransaction(const QString &transactionId);
    // Signed in: the account screen at the tab, fetched anew. Signed out:
    // the sign-in in the browser.
    void showOrlindoAccountScreen(OrlAccount::AccountScreen::Tab tab = OrlAccount::AccountScreen::ProfileTab);
    void signIn();
    void signOut();
    // Both act on the current account.
    void showReconciliationWindow();
    void showReconciliationHistoryWindow();
    void showShareAccountDialog();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // Another account signed in than the one this file syncs with: true
    // uploads the file there.
    bool askToUploadToAnotherAccount();
    void setupMenuBar();
    void setupAccountList();
    void updateAuthUI();
    void onAuthStateChanged();
    // The service no longer takes the sign-in (its refresh token was refused):
    // the window signs out here too and offers a new sign-in.
    void onAuthenticationRequired();
    void rebuildAccountShortcuts();
    // A committed change: the sidebar cards of the accounts whose
    // transactions changed get their new balance; the others stay.
    void onChangesCommitted(const ChangeSet &changes);
    void showSidebarTotal();
    void selectInitialAccount();
    void saveAccountOrder();
    void fitAccountItems();
    void showEmptyPage();
    void processDueRecurring();
    // Moves the sidebar highlight to the account without opening it.
    void highlightAccount(const QString &accountId);
    void updateUndoActions();
    // Undoes (or redoes) the newest step; a failure shows in the status bar.
    void runUndoStep(bool undo);
    void updateRecurringDue();
    SearchScreen *searchScreen();
    void showScreenWindow(QWidget *screen, const QString &title, QSize defaultSize);
    void applySidebarStyle();
    void showKeyboardShortcuts();
    void showAbout();
    void sendFeedback();
    QWidget *buildEmptyPage();
    QAction *addPendingEntry(class QMenu *menu, const QString &text, const QString &opens);

    AppState *m_state;
    ThemeManager *m_themeManager = nullptr;
    QListWidget *m_accountList = nullptr;
    QSplitter *m_splitter = nullptr;
    QLabel *m_totalLabel = nullptr;
    // The accounts the sidebar shows, in its order, and their balances.
    QList<Account> m_sidebarAccounts;
    QHash<QString, qint64> m_sidebarBalances;
    QList<QShortcut *> m_accountShortcuts;
    WelcomeScreen *m_welcomeScreen = nullptr;
    RegisterScreen *m_registerScreen = nullptr;
    QWidget *m_emptyPage = nullptr;
    QStackedWidget *m_pages = nullptr;
    QAction *m_signOutAction = nullptr;
    QAction *m_accountAction = nullptr;
    QAction *m_undoAction = nullptr;
    QAction *m_redoAction = nullptr;
    StatusBar *m_statusBar = nullptr;
    RecurringScreen *m_recurringScreen = nullptr;
    OrlAccount::AccountScreen *m_accountScreen = nullptr;
    // The sync label's text while signed in: the sync state as last told.
    QString m_syncText;
    // Whether the window last showed itself signed in: only such a sign-in
    // can end behind the user's back.
    bool m_shownSignedIn = false;
    ReconciliationWindows *m_reconciliationWindows = nullptr;
    ReportsScreen *m_reportsScreen = nullptr;
    ShareAccountLauncher *m_shareLauncher = nullptr;
    bool m_rebuilding = false;
};
