#pragma once

#include <QObject>
#include <QString>

namespace OrlAccount {
class Client;
}

class AccountRepository;
class AccountService;
class CategoryRepository;
class CategoryService;
class Database;
class PreferencesRepository;
class ReconciliationRepository;
class RecurringRepository;
class RecurringService;
class SplitLineRepository;
class TransactionRepository;
class CategoryRemoval;
class PayeeService;
class TransactionService;
class OnlineWiring;
class SyncEngine;
class SyncOwnership;
class UndoHistory;

// The one application-wide state object: it owns the database and every
// repository and service for the life of the process, in creation order, and
// remembers the account the user is looking at. Screens reach data through it.
// It knows nothing of widgets: the look (theme, fonts) belongs to the window.
class AppState : public QObject
{
    Q_OBJECT

public:
    explicit AppState(QObject *parent = nullptr);
    ~AppState() override;

    // Opens the database in the data directory and builds everything over it.
    // False when the database cannot be opened or a migration fails.
    bool initialize();

    Database *database() const { return m_database; }
    AccountRepository *accountRepository() const { return m_accounts; }
    TransactionRepository *transactionRepository() const { return m_transactions; }
    CategoryRepository *categoryRepository() const { return m_categories; }
    PreferencesRepository *preferencesRepository() const { return m_preferences; }
    SplitLineRepository *splitLineRepository() const { return m_splitLines; }
    RecurringRepository *recurringRepository() const { return m_recurring; }
    ReconciliationRepository *reconciliationRepository() const { return m_reconciliations; }
    CategoryService *categoryService() const { return m_categoryService; }
    RecurringService *recurringService() const { return m_recurringService; }
    // Every write made on a person's behalf goes through these services;
    // the undoable ones are recorded in the undo history.
    TransactionService *transactionService() const { return m_transactionService; }
    AccountService *accountService() const { return m_accountService; }
    UndoHistory *undoHistory() const { return m_undoHistory; }
    PayeeService *payeeService() const { return m_payeeService; }
    CategoryRemoval *categoryRemoval() const { return m_categoryRemoval; }
    // The online account: sign-in state, tokens and the service clients.
    OrlAccount::Client *client() const { return m_client; }
    // Sign-in's consequences: device registration, whose data set this file is, sync.
    OnlineWiring *onlineWiring() const { return m_onlineWiring; }
    SyncOwnership *syncOwnership() const { return m_syncOwnership; }
    // Null until the database is open.
    SyncEngine *syncEngine() const { return m_syncEngine; }

    QString currentAccountId() const { return m_currentAccountId; }
    void setCurrentAccountId(const QString &id);

Q_SIGNALS:
    void currentAccountChanged(const QString &accountId);
    void databaseReady();

private:
    Database *m_database = nullptr;
    AccountRepository *m_accounts = nullptr;
    TransactionRepository *m_transactions = nullptr;
    CategoryRepository *m_categories = nullptr;
    PreferencesRepository *m_preferences = nullptr;
    SplitLineRepository *m_splitLines = nullptr;
    RecurringRepository *m_recurring = nullptr;
    ReconciliationRepository *m_reconciliations = nullptr;
    CategoryService *m_categoryService = nullptr;
    RecurringService *m_recurringService = nullptr;
    UndoHistory *m_undoHistory = nullptr;
    TransactionService *m_transactionService = nullptr;
    PayeeService *m_payeeService = nullptr;
    CategoryRemoval *m_categoryRemoval = nullptr;
    AccountService *m_accountService = nullptr;
    OrlAccount::Client *m_client = nullptr;
    SyncOwnership *m_syncOwnership = nullptr;
    OnlineWiring *m_onlineWiring = nullptr;
    SyncEngine *m_syncEngine = nullptr;
    QString m_currentAccountId;
};
