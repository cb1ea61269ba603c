#pragma once

#include <Qt>

// Item roles the register model answers beyond Qt's own. They hold plain
// values read straight from the row, for delegates and screens that need to
// know what a cell belongs to without going back to the model's accessors.
namespace RegisterRole {
enum : int {
    TransactionId = Qt::UserRole + 1,   // QString; invalid on the new row, empty on the opening row
    IsSplit,                            // bool; false on the new row
    IsNewRow,                           // bool
};
} // namespace RegisterRole
