#pragma once

#include <QDateTime>
#include <QString>

// One category line of a split transaction. The lines of a transaction are
// replaced as a whole by their callers; they carry no sync state and are
// never soft-deleted.
struct SplitLine
{
    QString id;
    QString transactionId;
    QString categoryId;
    qint64 amount = 0;                  // same sign convention as the transaction
    QString memo;
    QDateTime createdAt;
    QDateTime updatedAt;
};
