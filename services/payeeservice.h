#pragma once

#include "data/result.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class TransactionRepository;
class UndoHistory;

// Renaming and merging payees across every live transaction. Each operation
// is one database transaction that stamps each row it changes, so sync sends
// them; with an undo history set it can be undone and redone as one step.
class PayeeService : public QObject
{
    Q_OBJECT

public:
    explicit PayeeService(TransactionRepository *transactions, QObject *parent = nullptr);

    void setUndoHistory(UndoHistory *history) { m_undo = history; }

    // Gives every live transaction of the payees the trimmed new name;
    // payees already named so are left alone. Returns how many rows changed.
    Result<int> rename(const QStringList &payees, const QString &newName);
    // The same for two or more payees, told apart so the Edit menu can say
    // which it undoes.
    Result<int> merge(const QStringList &payees, const QString &target);

    // One row's payee, as it was or as it became.
    struct PayeeOfRow
    {
        QString id;
        QString accountId;
        QString payee;
    };

private:
    Result<int> apply(const QStringList &payees, const QString &newName, const QString &undoText);
    Result<void> write(const QList<PayeeOfRow> &rows);

    TransactionRepository *m_transactions;
    UndoHistory *m_undo = nullptr;
};
