#include "services/accountservice.h"

#include "data/accountrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/rowstamp.h"
#include "data/sqltransaction.h"
#include "data/timestamps.h"
#include "data/transactionrepository.h"
#include "data/uuids.h"
#include "services/snapshotstep.h"

AccountService::AccountService(AccountRepository *accounts, TransactionRepository *transactions,
                               RecurringRepository *recurring, ReconciliationRepository *reconciliations,
                               QObject *parent)
    : QObject(parent)
    , m_accounts(accounts)
    , m_transactions(transactions)
    , m_recurring(recurring)
    , m_reconciliations(reconciliations)
{
}

Result<Account> AccountService::create(Account account, qint64 openingAmount, const QDate &openingDate)
{
    Result<Account> created = createWithin(std::move(account), openingAmount, openingDate);
    if (created)
        record(tr("New Account"), {created->id, std::nullopt});
    return created;
}

Result<Account> AccountService::createWithin(Account account, qint64 openingAmount, const QDate &openingDate)
{
    const auto failed = [this] { return Result<Account>::failure(tr("Could not create the account")); };
    account.name = account.name.trimmed();
    if (account.name.isEmpty())
        return Result<Account>::failure(tr("Account name is required"));
    if (account.id.isEmpty())
        account.id = newUuid();
    // The opening amount is a transaction of its own, not a starting balance.
    account.startingBalance = 0;
    RowStamp::fresh(account);

    // Its own savepoint: a failed opening transaction takes the account
    // with it, also inside a caller's transaction.
    SqlTransaction work(m_accounts->connection());
    if (!work.isActive() || !m_accounts->insert(account))
        return failed();
    if (openingAmount != 0) {
        Transaction opening;
        opening.id = newUuid();
        opening.accountId = account.id;
        opening.date = openingDate.isValid() ? openingDate : account.createdAt.toLocalTime().date();
        opening.payee = tr("Opening Balance");
        opening.amount = openingAmount;
        opening.cleared = true;
        opening.reconciled = true;
        RowStamp::fresh(opening);
        if (!m_transactions->insert(opening))
            return failed();
    }
    if (!work.commit())
        return failed();
    return account;
}

Result<Account> AccountService::edit(const Account &account)
{
    const std::optional<Account> existing = m_accounts->findById(account.id);
    if (!existing || existing->deletedAt)
        return Result<Account>::failure(tr("The account no longer exists"));
    if (account.name.trimmed().isEmpty())
        return Result<Account>::failure(tr("Account name is required"));
    Account changed = *existing;
    changed.name = account.name.trimmed();
    changed.type = account.type;
    changed.currency = account.currency;
    changed.institution = account.institution;
    changed.accountNumberLast4 = account.accountNumberLast4;
    changed.startingBalance = account.startingBalance;
    changed.sortOrder = account.sortOrder;
    RowStamp::touch(changed);
    if (!m_accounts->update(changed))
        return Result<Account>::failure(tr("Could not save the account"));
    record(tr("Edit Account"), {existing->id, existing});
    return changed;
}

Result<void> AccountService::reorder(const QList<QPair<QString, int>> &order)
{
    if (!m_accounts->updateSortOrders(order))
        return Result<void>::failure(tr("Could not save the order of the accounts"));
    return {};
}

Result<void> AccountService::remove(const QString &id)
{
    const std::optional<Account> existing = id.isEmpty() ? std::nullopt : m_accounts->findById(id);
    if (!existing || existing->deletedAt)
        return Result<void>::failure(tr("The account no longer exists"));
    SqlTransaction work(m_accounts->connection());
    if (!work.isActive())
        return Result<void>::failure(tr("Could not delete the account"));
    QStringList taken;
    if (Result<void> done = cascadeDelete(id, taken); !done)
        return done;
    if (!work.commit())
        return Result<void>::failure(tr("Could not delete the account"));
    m_taken.insert(id, taken);
    record(tr("Delete Account"), {existing->id, existing});
    return {};
}

Result<void> AccountService::cascadeDelete(const QString &id, QStringList &taken)
{
    taken.clear();
    for (const Transaction &t : m_transactions->findByAccount(id))
        taken.append(t.id);
    // The account goes first, so everything the cascade takes is deleted at
    // or after the account's own time, even when the clock ticks meanwhile.
    if (!m_accounts->softDelete(id) || m_transactions->softDeleteByAccount(id) < 0
        || m_recurring->softDeleteByAccount(id) < 0 || m_reconciliations->softDeleteByAccount(id) < 0)
        return Result<void>::failure(tr("Could not delete the account"));
    return {};
}

Result<void> AccountService::cascadeRestore(const Account &current)
{
    const auto failed = [this] { return Result<void>::failure(tr("The change could not be undone")); };
    // Templates and reconciliations deleted along with the account were
    // deleted at or after its own time; rows the person had deleted in an
    // earlier second stay deleted.
    const QString since = timestampToText(*current.deletedAt);
    if (!m_accounts->restore(current.id) || m_recurring->restoreByAccount(current.id, since) < 0
        || m_reconciliations->restoreByAccount(current.id, since) < 0)
        return failed();
    // Transactions by name when this service took them, since a time bound
    // would also bring back the half of a transfer deleted moments before.
    const auto taken = m_taken.constFind(current.id);
    if (taken == m_taken.cend())
        return m_transactions->restoreByAccount(current.id, since) < 0 ? failed() : Result<void>();
    for (const QString &id : *taken) {
        if (!m_transactions->restore(id))
            return failed();
    }
    return {};
}

AccountService::Snapshot AccountService::capture(const QString &id) const
{
    return {id, m_accounts->findById(id)};
}

Result<void> AccountService::restore(const Snapshot &snapshot)
{
    const auto failed = [this] { return Result<void>::failure(tr("The change could not be undone")); };
    const std::optional<Account> current = m_accounts->findById(snapshot.id);
    if (!current)
        return failed();
    SqlTransaction work(m_accounts->connection());
    if (!work.isActive())
        return failed();
    const bool wantLive = snapshot.row && !snapshot.row->deletedAt;
    QStringList taken;
    const bool deleting = !wantLive && !current->deletedAt;
    if (deleting) {
        if (!cascadeDelete(snapshot.id, taken))
            return failed();
    } else if (wantLive && current->deletedAt) {
        if (!cascadeRestore(*current))
            return failed();
    }
    if (wantLive) {
        Account row = *snapshot.row;
        const std::optional<Account> now = m_accounts->findById(snapshot.id);
        row.version = now->version;
        row.serverId = now->serverId;
        row.isShared = now->isShared;
        RowStamp::touch(row);
        if (!m_accounts->update(row))
            return failed();
    }
    if (!work.commit())
        return failed();
    if (deleting)
        m_taken.insert(snapshot.id, taken);
    else if (wantLive)
        m_taken.remove(snapshot.id);
    return {};
}

void AccountService::record(const QString &text, const Snapshot &before)
{
    if (!m_undo || m_undo->isReplaying())
        return;
    m_undo->push(std::make_unique<SnapshotStep<Snapshot>>(text, before, capture(before.id),
                                                          [this](const Snapshot &state) { return restore(state); }));
}
