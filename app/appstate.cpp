#include "app/appstate.h"

#include "account/apiclient.h"
#include "account/client.h"
#include "account/tokenstorefactory.h"
#include "app/datadirectory.h"
#include "app/onlineconfig.h"
#include "app/onlinewiring.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/preferencesrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "services/accountservice.h"
#include "services/categoryremoval.h"
#include "services/categoryservice.h"
#include "services/payeeservice.h"
#include "services/recurringservice.h"
#include "services/syncengine.h"
#include "services/syncownership.h"
#include "services/transactionservice.h"
#include "services/undohistory.h"

#include <QCoreApplication>
#include <QDebug>

AppState::AppState(QObject *parent)
    : QObject(parent)
{
}

AppState::~AppState() = default;

bool AppState::initialize()
{
    m_database = new Database(this);
    const QString path = databasePath();
    qInfo() << "Opening database at:" << path;
    if (!m_database->open(path))
        return false;
    if (!m_database->runMigrations())
        return false;

    m_accounts = new AccountRepository(m_database, this);
    m_transactions = new TransactionRepository(m_database, this);
    m_categories = new CategoryRepository(m_database, this);
    m_preferences = new PreferencesRepository(m_database, this);
    m_splitLines = new SplitLineRepository(m_database, this);
    m_recurring = new RecurringRepository(m_database, this);
    m_reconciliations = new ReconciliationRepository(m_database, this);
    m_categoryService = new CategoryService(m_categories, this);
    m_recurringService = new RecurringService(m_recurring, m_transactions, m_accounts, this);
    m_undoHistory = new UndoHistory(this);
    m_transactionService = new TransactionService(m_accounts, m_transactions, m_splitLines, m_categories, this);
    m_transactionService->setUndoHistory(m_undoHistory);
    m_payeeService = new PayeeService(m_transactions, this);
    m_payeeService->setUndoHistory(m_undoHistory);
    m_categoryRemoval = new CategoryRemoval(m_database, m_categories, this);
    m_categoryRemoval->setUndoHistory(m_undoHistory);
    m_accountService = new AccountService(m_accounts, m_transactions, m_recurring, m_reconciliations, this);
    m_accountService->setUndoHistory(m_undoHistory);

    const OnlineConfig online = OnlineConfig::fromEnvironment(QCoreApplication::applicationVersion());
    qInfo() << "Auth:" << online.authBaseUrl << "Account:" << online.accountApiUrl << "Sync:" << online.syncApiUrl;
    m_client = new OrlAccount::Client(online.client, OrlAccount::createPlatformTokenStore(online.client.appId, dataDirectory()), this);
    m_client->syncApi()->setBaseUrl(QUrl(online.syncApiUrl));

    m_categoryService->ensureDefaultCategories();

    m_client->initialize();
    m_syncOwnership = new SyncOwnership(m_database, m_preferences,
                                        SyncOwnership::Repositories{m_accounts, m_categories, m_transactions, m_recurring, m_reconciliations}, this);
    m_syncEngine = new SyncEngine(*m_database, *m_client->syncApi(), this);
    m_onlineWiring = new OnlineWiring(m_client, m_syncOwnership, m_syncEngine, this);
    m_onlineWiring->connectSignals();

    if (const std::optional<QString> last = m_preferences->get(QStringLiteral("lastViewedAccountId")))
        m_currentAccountId = *last;

    Q_EMIT databaseReady();
    return true;
}

void AppState::setCurrentAccountId(const QString &id)
{
    if (id == m_currentAccountId)
        return;
    m_currentAccountId = id;
    m_preferences->set(QStringLiteral("lastViewedAccountId"), id);
    Q_EMIT currentAccountChanged(id);
}
