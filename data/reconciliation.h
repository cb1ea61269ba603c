#pragma once

#include "data/enums.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>

// One completed reconciliation of an account against a bank statement.
// A plain value record; the history is written once and read back.
struct Reconciliation
{
    QString id;
    QString accountId;
    QDate statementDate;
    qint64 statementBalance = 0;
    qint64 reconciledBalance = 0;
    QDateTime completedAt;
    int version = 1;
    SyncStatus syncStatus = SyncStatus::Pending;
    QString serverId;
    QDateTime createdAt;
    QDateTime updatedAt;
    std::optional<QDateTime> deletedAt;    // absent: live
};
