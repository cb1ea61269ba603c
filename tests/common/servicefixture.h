#pragma once

#include "common/testdatabase.h"
#include "data/account.h"
#include "data/enums.h"
#include "data/transaction.h"

#include <QList>
#include <QMap>
#include <QPair>
#include <QString>
#include <QVariantMap>

#include <memory>
#include <optional>

class AccountRepository;
class AccountService;
class CategoryRepository;
class ReconciliationRepository;
class RecurringRepository;
class SplitLineRepository;
class TransactionRepository;
class TransactionService;

// The write path over one fresh database: the repositories, the transaction
// and account services, builders for the rows a test starts from (stored
// directly through the repositories, not through the services under test),
// and whole-table reads so a test can compare everything before and after
// an operation. Construct it in init(), drop it in cleanup().
class ServiceFixture
{
public:
    // Every row of the tables the services write, by table name; each table
    // ordered by id, each row as column name to value.
    using State = QMap<QString, QList<QVariantMap>>;

    // `connectionName` as for TestDatabase.
    explicit ServiceFixture(const QString &connectionName = QString());
    ~ServiceFixture();

    TestDatabase &db() { return *m_db; }
    AccountRepository *accounts() const { return m_accounts.get(); }
    TransactionRepository *transactions() const { return m_transactions.get(); }
    SplitLineRepository *splitLines() const { return m_splitLines.get(); }
    CategoryRepository *categories() const { return m_categories.get(); }
    RecurringRepository *recurring() const { return m_recurring.get(); }
    ReconciliationRepository *reconciliations() const { return m_reconciliations.get(); }
    TransactionService *transactionService() const { return m_transactionService.get(); }
    AccountService *accountService() const { return m_accountService.get(); }

    QString addAccount(const QString &name, Currency currency = Currency::USD, qint64 startingBalance = 0);
    QString addCategory(const QString &name);
    // A stored plain transaction dated 1 March 2024.
    Transaction addTransaction(const QString &accountId, qint64 amount, const QString &payee = QStringLiteral("Grocer"));
    // A stored transfer of `amount` (negative: out of `from`); returns the half in `from`.
    Transaction addTransfer(const QString &from, const QString &to, qint64 amount);
    // A stored split transaction whose amount is the sum of its lines.
    Transaction addSplit(const QString &accountId, const QList<QPair<QString, qint64>> &categoryAmounts);
    QString addRecurring(const QString &accountId);
    QString addReconciliation(const QString &accountId);

    std::optional<Transaction> transaction(const QString &id) const;
    std::optional<Account> account(const QString &id) const;
    bool isLive(const QString &table, const QString &id) const;

    QList<QVariantMap> table(const QString &name) const;
    State state() const;
    // Empty when equal, else the first differences, table, id and column named.
    static QString differences(const State &expected, const State &actual);

    // Makes SQLite refuse matching statements, as a full disk or a violated
    // constraint would: `when` such as "BEFORE INSERT ON split_lines", and an
    // optional WHEN condition over NEW or OLD.
    bool refuse(const QString &when, const QString &condition = QString());
    void dropRefusals();

private:
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<AccountRepository> m_accounts;
    std::unique_ptr<TransactionRepository> m_transactions;
    std::unique_ptr<SplitLineRepository> m_splitLines;
    std::unique_ptr<CategoryRepository> m_categories;
    std::unique_ptr<RecurringRepository> m_recurring;
    std::unique_ptr<ReconciliationRepository> m_reconciliations;
    std::unique_ptr<TransactionService> m_transactionService;
    std::unique_ptr<AccountService> m_accountService;
    int m_refusals = 0;
};
