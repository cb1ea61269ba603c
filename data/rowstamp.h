#pragma once

#include "data/clock.h"
#include "data/enums.h"

#include <QString>

// Marks a row as changed on this installation, so sync sends it and peers
// take it over their older copy: version + 1, updated_at now, pending. Every
// local write of a synced row (accounts, categories, transactions and their
// split lines, recurring templates, reconciliations; soft deletes and
// cascades too) goes through here. Rows pulled from the server are written
// by sync's own statements and deliberately never stamped.
namespace RowStamp {

template <typename Row>
void touch(Row &row)
{
    row.version += 1;
    row.updatedAt = Clock::now();
    row.syncStatus = SyncStatus::Pending;
}

// A row about to be inserted for the first time.
template <typename Row>
void fresh(Row &row)
{
    row.version = 1;
    row.createdAt = row.updatedAt = Clock::now();
    row.syncStatus = SyncStatus::Pending;
    row.deletedAt.reset();
}

// The SET clause of statements that stamp rows in bulk; bind
// timestampToText(Clock::now()) for its one placeholder.
inline QString sqlAssignments()
{
    return QStringLiteral("version = version + 1, updated_at = ?, sync_status = 'pending'");
}

} // namespace RowStamp
