#pragma once

#include "data/account.h"
#include "data/reconciliation.h"
#include "data/result.h"
#include "data/transaction.h"

#include <QDate>
#include <QList>
#include <QObject>
#include <QString>

#include <optional>

class AccountRepository;
class Database;
class ReconciliationRepository;
class TransactionRepository;
class UndoHistory;

// Reconciles one account against a bank statement. start() reads what a
// reconciliation begins from: the balance of everything reconciled so far,
// the transactions not yet reconciled and a proposed statement date. finish()
// marks the transactions the person ticked as cleared and reconciled and
// records the reconciliation, all in one database transaction: each ticked
// row is read again first, and when one changed, vanished or was reconciled
// since the person saw it, or the ticked rows no longer add up to the
// statement, nothing is written and the reason comes back.
//
// It writes nothing but those two flags with each row's stamp, and the
// reconciliation record; adding, editing and deleting transactions while
// reconciling is the transaction service's business. A finished
// reconciliation is not undoable.
class ReconciliationService : public QObject
{
    Q_OBJECT

public:
    struct Start
    {
        Account account;
        // The starting balance plus every live reconciled transaction.
        qint64 previousBalance = 0;
        // The newest reconciled transaction's date; invalid when none is.
        QDate lastReconciledDate;
        std::optional<Reconciliation> latest;
        // A month after the last statement (or the last reconciled date when
        // that is later); invalid when the account was never reconciled.
        QDate proposedStatementDate;
        // Live transactions not yet reconciled, oldest first.
        QList<Transaction> rows;
    };

    struct Statement
    {
        QString accountId;
        QDate date;
        qint64 balance = 0;
        // What the person reconciled against, as start() last gave it.
        qint64 previousBalance = 0;
        // The ticked rows as the person saw them.
        QList<Transaction> ticked;
    };

    ReconciliationService(Database *database, AccountRepository *accounts, TransactionRepository *transactions,
                          ReconciliationRepository *reconciliations, QObject *parent = nullptr);

    // Finishing clears it: the steps recorded before would write back the
    // old state of rows the new reconciliation now counts.
    void setUndoHistory(UndoHistory *history) { m_undo = history; }

    Result<Start> start(const QString &accountId) const;
    Result<Reconciliation> finish(const Statement &statement);

private:
    struct Reconciled
    {
        qint64 balance = 0;
        QDate lastDate;
    };
    // The previous balance of a live account, read with one statement.
    Result<Reconciled> reconciled(const Account &account) const;
    Result<Reconciliation> write(const Statement &statement);

    Database *m_database;
    AccountRepository *m_accounts;
    TransactionRepository *m_transactions;
    ReconciliationRepository *m_reconciliations;
    UndoHistory *m_undo = nullptr;
};
