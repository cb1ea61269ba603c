#include "services/payeeservice.h"

#include "data/sqltransaction.h"
#include "data/transaction.h"
#include "data/transactionrepository.h"
#include "services/snapshotstep.h"

PayeeService::PayeeService(TransactionRepository *transactions, QObject *parent)
    : QObject(parent)
    , m_transactions(transactions)
{
}

Result<int> PayeeService::rename(const QStringList &payees, const QString &newName)
{
    return apply(payees, newName, payees.size() == 1 ? tr("Rename Payee") : tr("Rename Payees"));
}

Result<int> PayeeService::merge(const QStringList &payees, const QString &target)
{
    if (payees.size() < 2)
        return Result<int>::failure(tr("Select 2 or more payees to merge."));
    return apply(payees, target, tr("Merge Payees"));
}

Result<int> PayeeService::apply(const QStringList &payees, const QString &newName, const QString &undoText)
{
    const QString name = newName.trimmed();
    if (name.isEmpty())
        return Result<int>::failure(tr("Enter the new payee name."));
    QStringList changing;
    for (const QString &payee : payees) {
        if (payee != name && !changing.contains(payee))
            changing.append(payee);
    }
    if (changing.isEmpty())
        return 0;

    QList<PayeeOfRow> before;
    for (const TransactionRepository::PayeeUse &use : m_transactions->findByPayees(changing))
        before.append({use.id, use.accountId, use.payee});
    if (before.isEmpty())
        return 0;
    QList<PayeeOfRow> after = before;
    for (PayeeOfRow &row : after)
        row.payee = name;

    if (const Result<void> written = write(after); !written)
        return Result<int>::failure(written.error());
    if (m_undo && !m_undo->isReplaying())
        m_undo->push(std::make_unique<SnapshotStep<QList<PayeeOfRow>>>(
            undoText, before, after, [this](const QList<PayeeOfRow> &rows) { return write(rows); }));
    return int(before.size());
}

// All rows or none. A row deleted since (by another step) has nothing to
// rename; undo and redo skip it rather than failing the whole step.
Result<void> PayeeService::write(const QList<PayeeOfRow> &rows)
{
    SqlTransaction work(m_transactions->connection());
    if (!work.isActive())
        return Result<void>::failure(tr("Could not rename the payee: the database is busy."));
    int written = 0;
    for (const PayeeOfRow &row : rows) {
        if (m_transactions->setPayee(row.id, row.accountId, row.payee)) {
            ++written;
            continue;
        }
        const std::optional<Transaction> stored = m_transactions->findById(row.id);
        if (stored && !stored->deletedAt)
            return Result<void>::failure(tr("Could not rename the payee. Nothing was changed."));
    }
    if (written == 0 && !rows.isEmpty())
        return Result<void>::failure(tr("The transactions of this payee no longer exist."));
    if (!work.commit())
        return Result<void>::failure(tr("Could not rename the payee. Nothing was changed."));
    return {};
}
