#pragma once

#include "data/enums.h"

#include <QDateTime>
#include <QString>

#include <optional>

// One row of the accounts table, as a plain value. A new record is a live,
// pending checking account in USD that has never been synced.
struct Account
{
    QString id;
    QString name;
    AccountType type = AccountType::Checking;
    Currency currency = Currency::USD;
    QString institution;
    QString accountNumberLast4;
    qint64 startingBalance = 0;
    int sortOrder = 0;
    bool isShared = false;
    int version = 1;
    SyncStatus syncStatus = SyncStatus::Pending;
    QString serverId;
    QDateTime createdAt;
    QDateTime updatedAt;
    std::optional<QDateTime> deletedAt;
};
