#pragma once

#include "data/enums.h"

#include <QDateTime>
#include <QString>

#include <optional>

// One row of the categories table, as a plain value. An empty parentId is a
// top-level category and an empty accountId one that belongs to no account;
// both are stored as NULL.
struct Category
{
    QString id;
    QString name;
    CategoryType type = CategoryType::Expense;
    QString parentId;
    bool isTaxRelevant = false;
    QString taxCategory;
    QString icon;
    QString color;
    bool isDefault = false;
    QString accountId;
    int version = 1;
    SyncStatus syncStatus = SyncStatus::Pending;
    QString serverId;
    QDateTime createdAt;
    QDateTime updatedAt;
    std::optional<QDateTime> deletedAt;
};
