#pragma once

#include "data/result.h"
#include "data/transaction.h"
#include "services/transactiondraft.h"
#include "services/transactionsnapshot.h"

#include <QObject>
#include <QString>
#include <QStringList>

class AccountRepository;
class CategoryRepository;
class SplitLineRepository;
class TransactionRepository;
class UndoHistory;

// Every change the program makes to transactions on a person's behalf:
// create, edit, delete, clear, replace split lines, and turning a row into
// a transfer and back, always with both halves of a transfer together. Each
// operation is one database transaction that stamps what it changes, and
// returns the stored row or a message a person can read. With an undo
// history set, each successful operation is recorded there.
//
// It does not post recurring occurrences or import files; those services
// write their own rows.
class TransactionService : public QObject
{
    Q_OBJECT

public:
    TransactionService(AccountRepository *accounts, TransactionRepository *transactions,
                       SplitLineRepository *splitLines, CategoryRepository *categories,
                       QObject *parent = nullptr);

    void setUndoHistory(UndoHistory *history) { m_undo = history; }

    Result<Transaction> create(const TransactionDraft &draft);
    Result<Transaction> edit(const QString &id, const TransactionDraft &draft);
    Result<void> remove(const QString &id);
    Result<Transaction> setCleared(const QString &id, bool cleared);
    // The lines replace the stored ones as a whole and the transaction's
    // amount becomes their sum; no lines make it a plain transaction again.
    Result<Transaction> replaceSplitLines(const QString &id, const QList<SplitLine> &lines);

    // The stored state of the transactions and their live transfer partners.
    TransactionSnapshot capture(const QStringList &ids) const;
    // Writes the snapshot back with fresh stamps, so sync sends the undo as
    // a change of its own. Not recorded in the undo history.
    Result<void> restore(const TransactionSnapshot &snapshot);

private:
    // `existing`: the live row to change, or none to create one.
    Result<Transaction> write(const std::optional<Transaction> &existing, const TransactionDraft &draft,
                              const QString &undoText);
    bool isRecording() const;
    Result<Transaction> store(std::optional<Transaction> existing, const TransactionDraft &draft);
    Result<void> storeLines(const QString &transactionId, const QList<SplitLine> &lines);
    QString validate(const TransactionDraft &draft, const std::optional<Transaction> &existing) const;
    void record(const QString &text, const TransactionSnapshot &before, const QStringList &ids);
    QStringList withPartners(const QStringList &ids) const;

    AccountRepository *m_accounts;
    TransactionRepository *m_transactions;
    SplitLineRepository *m_splitLines;
    CategoryRepository *m_categories;
    UndoHistory *m_undo = nullptr;
};
