#pragma once

#include "data/enums.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>

// One row of the transactions table. Amounts are minor units: positive is a
// deposit, negative a payment. A transfer is two of these, each naming the
// other in transferLinkId and transferDestAccountId.
struct Transaction
{
    QString id;
    QString accountId;
    QDate date;
    QString payee;
    QString memo;
    qint64 amount = 0;
    QString categoryId;                 // empty is stored as NULL
    QString checkNumber;
    bool cleared = false;
    bool reconciled = false;
    QString transferLinkId;
    QString transferDestAccountId;
    bool isSplit = false;
    QString recurringId;
    int version = 1;
    SyncStatus syncStatus = SyncStatus::Pending;
    QString serverId;
    QDateTime createdAt;
    QDateTime updatedAt;
    std::optional<QDateTime> deletedAt;
};

// A register line: the transaction, the account balance after it and the
// category's display name. The synthesized opening row has an empty id and
// is never stored. Copying one costs reference-count bumps, not deep copies.
struct RegisterRow : Transaction
{
    qint64 runningBalance = 0;
    QString categoryName;
};

// Optional narrowing of a search; an unset field matches everything.
struct SearchFilter
{
    QString accountId;                  // empty: any account
    QString categoryId;                 // empty: any category
    QDate dateFrom;                     // invalid: unbounded
    QDate dateTo;                       // invalid: unbounded
    std::optional<bool> cleared;        // absent: cleared or not
};
