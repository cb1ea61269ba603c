#pragma once

#include "data/account.h"
#include "data/result.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QStringList>

#include <optional>

class AccountRepository;
class ReconciliationRepository;
class RecurringRepository;
class TransactionRepository;
class UndoHistory;

// Every change the program makes to accounts on a person's behalf: create
// with an opening balance, edit, reorder, and delete with everything in the
// account. Each operation is one database transaction that stamps what it
// changes and returns the account or a readable message; with an undo
// history set, create, edit and delete are recorded there.
class AccountService : public QObject
{
    Q_OBJECT

public:
    // The stored state of one account for undo; no row: it did not exist.
    struct Snapshot
    {
        QString id;
        std::optional<Account> row;
    };

    AccountService(AccountRepository *accounts, TransactionRepository *transactions,
                   RecurringRepository *recurring, ReconciliationRepository *reconciliations,
                   QObject *parent = nullptr);

    void setUndoHistory(UndoHistory *history) { m_undo = history; }

    // A non-zero opening amount becomes a cleared, reconciled "Opening
    // Balance" transaction on openingDate, stored with the account.
    Result<Account> create(Account account, qint64 openingAmount = 0, const QDate &openingDate = QDate());
    // create() without the undo step, for an operation that creates an
    // account as one part of its own work (an import): run inside the
    // caller's open transaction, the caller's rollback takes the account
    // back along with everything else, and undo never sees it.
    Result<Account> createWithin(Account account, qint64 openingAmount = 0, const QDate &openingDate = QDate());
    Result<Account> edit(const Account &account);
    Result<void> reorder(const QList<QPair<QString, int>> &order);
    // Soft-deletes the account with its transactions, recurring templates and
    // reconciliations: all of them or, on any failure, none.
    Result<void> remove(const QString &id);

    Snapshot capture(const QString &id) const;
    // Writes the snapshot back with fresh stamps; a deleted account comes
    // back with what its deletion took along.
    Result<void> restore(const Snapshot &snapshot);

private:
    // Fills `taken` with the transactions it deletes along with the account.
    Result<void> cascadeDelete(const QString &id, QStringList &taken);
    Result<void> cascadeRestore(const Account &current);
    void record(const QString &text, const Snapshot &before);

    AccountRepository *m_accounts;
    TransactionRepository *m_transactions;
    RecurringRepository *m_recurring;
    ReconciliationRepository *m_reconciliations;
    UndoHistory *m_undo = nullptr;
    // The transactions the last cascade delete of each account took along,
    // so restoring the account brings back exactly those: a row deleted
    // earlier, even within the same second, stays deleted.
    QHash<QString, QStringList> m_taken;
};
