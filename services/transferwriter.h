#pragma once

#include "data/transaction.h"

#include <QString>

class AccountRepository;
class TransactionRepository;

// Writes both halves of a transfer together: each operation runs in one
// SqlTransaction (nested inside the caller's, when there is one), so a failure
// part-way leaves neither half changed, and the change is announced only
// once both halves are stored. It does not touch split lines or check anything beyond
// the pairing and the currencies.
class TransferWriter
{
public:
    enum class Result {
        Written,
        NotFound,           // the transaction or an account it names does not exist
        CurrencyMismatch,   // the two accounts keep different currencies
        Failed,             // a write failed; nothing was changed
    };

    TransferWriter(AccountRepository *accounts, TransactionRepository *transactions);

    // Inserts the destination half, then the source half. The halves are
    // paired here: each names the other and its account, and the destination
    // takes the source's date and the negated amount.
    Result insertTransfer(Transaction source, Transaction destination);
    // Updates the transaction; when it is half of a live transfer whose other
    // half no longer matches, that half gets the same date and the negated
    // amount (a new version, pending). A missing or deleted partner, or one in
    // an account that is gone, is left alone; one kept in another currency
    // refuses the whole update.
    Result updateWithPartner(const Transaction &transaction);
    // Soft-deletes the live other half of a transfer, then this transaction.
    Result softDeleteWithPartner(const QString &id);

private:
    bool sameCurrency(const QString &accountA, const QString &accountB, Result &failure) const;

    AccountRepository *m_accounts;
    TransactionRepository *m_transactions;
};
