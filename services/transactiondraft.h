#pragma once

#include "data/splitline.h"
#include "data/transaction.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

// What a person entered for one transaction, before the service turns it
// into stored rows. The other account of a transfer is named by id; the
// texts shown for it ("Transfer to ...") are only display.
struct TransactionDraft
{
    QString accountId;
    QDate date;
    QString payee;
    QString memo;
    QString checkNumber;
    qint64 amount = 0;                  // positive: deposit, negative: payment
    QString categoryId;
    bool cleared = false;
    bool reconciled = false;
    QString transferAccountId;          // empty: not a transfer
    // Set: the transaction's split lines become exactly these (an empty list
    // makes it a plain transaction again). Unset: the lines stay as stored.
    std::optional<QList<SplitLine>> splitLines;

    // The editable fields of a stored transaction, its lines left as stored.
    static TransactionDraft fromTransaction(const Transaction &t)
    {
        TransactionDraft draft;
        draft.accountId = t.accountId;
        draft.date = t.date;
        draft.payee = t.payee;
        draft.memo = t.memo;
        draft.checkNumber = t.checkNumber;
        draft.amount = t.amount;
        draft.categoryId = t.categoryId;
        draft.cleared = t.cleared;
        draft.reconciled = t.reconciled;
        draft.transferAccountId = t.transferDestAccountId;
        return draft;
    }
};
