#include "common/servicefixture.h"

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/clock.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/rowstamp.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "data/uuids.h"
#include "services/accountservice.h"
#include "services/transactionservice.h"

#include <QSqlQuery>
#include <QSqlRecord>

namespace {

const QStringList &writtenTables()
{
    static const QStringList tables{QStringLiteral("accounts"), QStringLiteral("categories"),
                                    QStringLiteral("transactions"), QStringLiteral("split_lines"),
                                    QStringLiteral("recurring_transactions"), QStringLiteral("reconciliations")};
    return tables;
}

// A test's database is thrown away afterwards: waiting for the disk on every
// commit buys nothing and makes the write-heavy tests several times slower.
std::unique_ptr<TestDatabase> makeDatabase(const QString &connectionName)
{
    auto db = std::make_unique<TestDatabase>(false, connectionName);
    if (!db->exec(QStringLiteral("PRAGMA synchronous = OFF")) || !db->database()->runMigrations())
        qFatal("ServiceFixture: cannot prepare the database");
    return db;
}

QString describe(const QVariantMap &row)
{
    QStringList parts;
    for (auto it = row.cbegin(); it != row.cend(); ++it)
        parts.append(it.key() + QLatin1Char('=') + it.value().toString());
    return parts.join(QLatin1String(", "));
}

} // namespace

ServiceFixture::ServiceFixture(const QString &connectionName)
    : m_db(makeDatabase(connectionName))
    , m_accounts(std::make_unique<AccountRepository>(m_db->database()))
    , m_transactions(std::make_unique<TransactionRepository>(m_db->database()))
    , m_splitLines(std::make_unique<SplitLineRepository>(m_db->database()))
    , m_categories(std::make_unique<CategoryRepository>(m_db->database()))
    , m_recurring(std::make_unique<RecurringRepository>(m_db->database()))
    , m_reconciliations(std::make_unique<ReconciliationRepository>(m_db->database()))
    , m_transactionService(std::make_unique<TransactionService>(m_accounts.get(), m_transactions.get(),
                                                                m_splitLines.get(), m_categories.get()))
    , m_accountService(std::make_unique<AccountService>(m_accounts.get(), m_transactions.get(), m_recurring.get(),
                                                        m_reconciliations.get()))
{
}

ServiceFixture::~ServiceFixture() = default;

QString ServiceFixture::addAccount(const QString &name, Currency currency, qint64 startingBalance)
{
    Account account;
    account.id = newUuid();
    account.name = name;
    account.currency = currency;
    account.startingBalance = startingBalance;
    RowStamp::fresh(account);
    if (!m_accounts->insert(account))
        qFatal("ServiceFixture: cannot insert an account");
    return account.id;
}

QString ServiceFixture::addCategory(const QString &name)
{
    Category category;
    category.id = newUuid();
    category.name = name;
    RowStamp::fresh(category);
    if (!m_categories->insert(category))
        qFatal("ServiceFixture: cannot insert a category");
    return category.id;
}

Transaction ServiceFixture::addTransaction(const QString &accountId, qint64 amount, const QString &payee)
{
    Transaction t;
    t.id = newUuid();
    t.accountId = accountId;
    t.date = QDate(2024, 3, 1);
    t.payee = payee;
    t.amount = amount;
    RowStamp::fresh(t);
    if (!m_transactions->insert(t))
        qFatal("ServiceFixture: cannot insert a transaction");
    return t;
}

Transaction ServiceFixture::addTransfer(const QString &from, const QString &to, qint64 amount)
{
    Transaction source;
    source.id = newUuid();
    source.accountId = from;
    source.date = QDate(2024, 3, 2);
    source.payee = QStringLiteral("Transfer to %1").arg(m_accounts->findById(to)->name);
    source.amount = amount;
    Transaction destination = source;
    destination.id = newUuid();
    destination.accountId = to;
    destination.payee = QStringLiteral("Transfer from %1").arg(m_accounts->findById(from)->name);
    destination.amount = -amount;
    source.transferLinkId = destination.id;
    source.transferDestAccountId = to;
    destination.transferLinkId = source.id;
    destination.transferDestAccountId = from;
    RowStamp::fresh(source);
    RowStamp::fresh(destination);
    if (!m_transactions->insert(source) || !m_transactions->insert(destination))
        qFatal("ServiceFixture: cannot insert a transfer");
    return source;
}

Transaction ServiceFixture::addSplit(const QString &accountId, const QList<QPair<QString, qint64>> &categoryAmounts)
{
    Transaction t;
    t.id = newUuid();
    t.accountId = accountId;
    t.date = QDate(2024, 3, 3);
    t.payee = QStringLiteral("Market");
    t.isSplit = true;
    for (const auto &[categoryId, amount] : categoryAmounts)
        t.amount += amount;
    RowStamp::fresh(t);
    if (!m_transactions->insert(t))
        qFatal("ServiceFixture: cannot insert a split transaction");
    for (const auto &[categoryId, amount] : categoryAmounts) {
        SplitLine line;
        line.id = newUuid();
        line.transactionId = t.id;
        line.categoryId = categoryId;
        line.amount = amount;
        line.memo = QStringLiteral("part");
        line.createdAt = line.updatedAt = Clock::now();
        if (!m_splitLines->insert(line))
            qFatal("ServiceFixture: cannot insert a split line");
    }
    return t;
}

QString ServiceFixture::addRecurring(const QString &accountId)
{
    RecurringTransaction r;
    r.id = newUuid();
    r.accountId = accountId;
    r.payee = QStringLiteral("Rent");
    r.amount = -120000;
    r.startDate = r.nextDueDate = QDate(2024, 6, 1);
    RowStamp::fresh(r);
    if (!m_recurring->insert(r))
        qFatal("ServiceFixture: cannot insert a recurring template");
    return r.id;
}

QString ServiceFixture::addReconciliation(const QString &accountId)
{
    Reconciliation r;
    r.id = newUuid();
    r.accountId = accountId;
    r.statementDate = QDate(2024, 2, 29);
    r.statementBalance = r.reconciledBalance = 5000;
    r.completedAt = Clock::now();
    RowStamp::fresh(r);
    if (!m_reconciliations->insert(r))
        qFatal("ServiceFixture: cannot insert a reconciliation");
    return r.id;
}

std::optional<Transaction> ServiceFixture::transaction(const QString &id) const
{
    return m_transactions->findById(id);
}

std::optional<Account> ServiceFixture::account(const QString &id) const
{
    return m_accounts->findById(id);
}

bool ServiceFixture::isLive(const QString &table, const QString &id) const
{
    return m_db->scalar(QStringLiteral("SELECT deleted_at IS NULL FROM %1 WHERE id = ?").arg(table), {id}).toBool();
}

QList<QVariantMap> ServiceFixture::table(const QString &name) const
{
    QList<QVariantMap> rows;
    QSqlQuery query(m_db->database()->connection());
    if (!query.exec(QStringLiteral("SELECT * FROM %1 ORDER BY id").arg(name)))
        qFatal("ServiceFixture: cannot read a table");
    QStringList columns;
    const QSqlRecord record = query.record();
    for (int i = 0; i < record.count(); ++i)
        columns.append(record.fieldName(i));
    while (query.next()) {
        QVariantMap row;
        for (int i = 0; i < columns.size(); ++i)
            row.insert(columns.at(i), query.value(i));
        rows.append(row);
    }
    return rows;
}

ServiceFixture::State ServiceFixture::state() const
{
    State all;
    for (const QString &name : writtenTables())
        all.insert(name, table(name));
    return all;
}

QString ServiceFixture::differences(const State &expected, const State &actual)
{
    QStringList found;
    for (const QString &name : writtenTables()) {
        QMap<QString, QVariantMap> before;
        for (const QVariantMap &row : expected.value(name))
            before.insert(row.value(QStringLiteral("id")).toString(), row);
        QMap<QString, QVariantMap> after;
        for (const QVariantMap &row : actual.value(name))
            after.insert(row.value(QStringLiteral("id")).toString(), row);
        for (auto it = before.cbegin(); it != before.cend(); ++it) {
            if (!after.contains(it.key()))
                found.append(QStringLiteral("%1 %2 missing: %3").arg(name, it.key(), describe(it.value())));
            else if (after.value(it.key()) != it.value())
                found.append(QStringLiteral("%1 %2\n  expected: %3\n  actual:   %4")
                                 .arg(name, it.key(), describe(it.value()), describe(after.value(it.key()))));
        }
        for (auto it = after.cbegin(); it != after.cend(); ++it) {
            if (!before.contains(it.key()))
                found.append(QStringLiteral("%1 %2 unexpected: %3").arg(name, it.key(), describe(it.value())));
        }
    }
    if (found.size() > 5)
        found.resize(5);
    return found.join(QLatin1Char('\n'));
}

bool ServiceFixture::refuse(const QString &when, const QString &condition)
{
    const QString guard = condition.isEmpty() ? QString() : QStringLiteral(" WHEN ") + condition;
    return m_db->exec(QStringLiteral("CREATE TRIGGER quillby_refuse_%1 %2%3 BEGIN SELECT RAISE(ABORT, 'refused'); END")
                          .arg(++m_refusals)
                          .arg(when, guard));
}

void ServiceFixture::dropRefusals()
{
    for (int i = 1; i <= m_refusals; ++i)
        m_db->exec(QStringLiteral("DROP TRIGGER IF EXISTS quillby_refuse_%1").arg(i));
}
