#pragma once

#include "data/splitline.h"
#include "data/transaction.h"

#include <QHash>
#include <QList>
#include <QString>

#include <optional>

// The stored state of some transactions, deleted or not, with their split
// lines, taken before or after an operation so undo can put it back. An id
// without a row stands for a transaction that did not exist then.
struct TransactionSnapshot
{
    struct Entry
    {
        QString id;
        std::optional<Transaction> row;
        QList<SplitLine> lines;
    };
    QList<Entry> entries;
};
