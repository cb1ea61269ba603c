#include "services/transferwriter.h"

#include "data/accountrepository.h"
#include "data/money.h"
#include "data/rowstamp.h"
#include "data/sqltransaction.h"
#include "data/transactionrepository.h"


#include <optional>


TransferWriter::TransferWriter(AccountRepository *accounts, TransactionRepository *transactions)
    : m_accounts(accounts)
    , m_transactions(transactions)
{
}

bool TransferWriter::sameCurrency(const QString &accountA, const QString &accountB, Result &failure) const
{
    const std::optional<Account> a = m_accounts->findById(accountA);
    const std::optional<Account> b = m_accounts->findById(accountB);
    if (!a || !b || a->deletedAt || b->deletedAt) {
        failure = Result::NotFound;
        return false;
    }
    if (a->currency != b->currency) {
        failure = Result::CurrencyMismatch;
        return false;
    }
    return true;
}

TransferWriter::Result TransferWriter::insertTransfer(Transaction source, Transaction destination)
{
    Result failure = Result::Failed;
    if (!sameCurrency(source.accountId, destination.accountId, failure))
        return failure;

    source.transferLinkId = destination.id;
    source.transferDestAccountId = destination.accountId;
    destination.transferLinkId = source.id;
    destination.transferDestAccountId = source.accountId;
    destination.date = source.date;
    const std::optional<qint64> mirrored = checkedNegate(source.amount);
    if (!mirrored)
        return Result::Failed;
    destination.amount = *mirrored;

    SqlTransaction work;
    if (!work.isActive() || !m_transactions->insert(destination) || !m_transactions->insert(source)
        || !work.commit())
        return Result::Failed;
    return Result::Written;
}

TransferWriter::Result TransferWriter::updateWithPartner(const Transaction &transaction)
{
    // Empty for the one amount whose opposite does not fit; such a transfer
    // cannot be mirrored.
    const std::optional<qint64> mirrored = checkedNegate(transaction.amount);
    std::optional<Transaction> partner;
    if (!transaction.transferLinkId.isEmpty()) {
        partner = m_transactions->findById(transaction.transferLinkId);
        if (partner && (partner->deletedAt || partner->transferLinkId != transaction.id))
            partner.reset();
        if (partner && partner->date == transaction.date && mirrored && partner->amount == *mirrored)
            partner.reset();
    }
    if (partner) {
        Result failure = Result::Failed;
        if (!sameCurrency(transaction.accountId, partner->accountId, failure)) {
            // Mirroring an amount into another currency would be wrong; a
            // partner whose account is gone is simply left as it is.
            if (failure == Result::CurrencyMismatch)
                return failure;
            partner.reset();
        }
    }
    if (partner) {
        if (!mirrored)
            return Result::Failed;
        partner->date = transaction.date;
        partner->amount = *mirrored;
        RowStamp::touch(*partner);
    }

    SqlTransaction work;
    if (!work.isActive() || !m_transactions->update(transaction) || (partner && !m_transactions->update(*partner))
        || !work.commit())
        return Result::Failed;
    return Result::Written;
}

TransferWriter::Result TransferWriter::softDeleteWithPartner(const QString &id)
{
    const std::optional<Transaction> transaction = id.isEmpty() ? std::nullopt : m_transactions->findById(id);
    if (!transaction)
        return Result::NotFound;
    std::optional<Transaction> partner;
    if (!transaction->transferLinkId.isEmpty()) {
        partner = m_transactions->findById(transaction->transferLinkId);
        if (partner && partner->deletedAt)
            partner.reset();
    }

    SqlTransaction work;
    if (!work.isActive() || (partner && !m_transactions->softDelete(partner->id))
        || !m_transactions->softDelete(transaction->id) || !work.commit())
        return Result::Failed;
    return Result::Written;
}
