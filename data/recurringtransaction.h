#pragma once

#include "data/enums.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>

// A template from which the recurring service posts real transactions when
// they fall due. A plain value record; it carries no behaviour of its own.
struct RecurringTransaction
{
    QString id;
    QString accountId;
    QString payee;
    QString memo;
    qint64 amount = 0;
    QString categoryId;                    // empty: no category (stored as NULL)
    Frequency frequency = Frequency::Monthly;
    QDate startDate;
    std::optional<QDate> endDate;          // absent: runs without end (stored as NULL)
    QDate nextDueDate;
    bool autoPost = false;
    int leadDays = 0;                      // days in advance an occurrence may be entered
    bool isActive = true;
    QString transferDestAccountId;         // empty: not a transfer
    int version = 1;
    SyncStatus syncStatus = SyncStatus::Pending;
    QString serverId;
    QDateTime createdAt;
    QDateTime updatedAt;
    std::optional<QDateTime> deletedAt;    // absent: live
};
