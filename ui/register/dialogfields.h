#pragma once

#include "data/enums.h"

#include <QString>
#include <QtGlobal>

#include <optional>

class QComboBox;
class QDoubleSpinBox;

// Field set-up shared by the register dialogs.
//
// Amounts are typed as positive numbers in the account's currency: units with
// two decimals for most currencies, whole yen for JPY. The helpers convert
// between a spin box's value and stored minor units; the direction (payment
// or deposit) is the caller's business.
//
// Category combos are editable with type-to-find completion; their items carry
// the category id as data, and a typed text that names no item means no
// category.

// Decimals, range (0 up to 99,999,999 units) and the symbol prefix ("$ ", "¥ ").
void configureAmountSpinBox(QDoubleSpinBox *spin, Currency currency);
// The magnitude of an amount in minor units as a spin box value.
double amountToSpinValue(qint64 amount, Currency currency);
// A spin box value to minor units, halves rounded away from zero. The value's
// shortest decimal text is read exactly, so no binary scaling can land a cent
// off; 0 for a value that is no number.
qint64 spinValueToAmount(double value, Currency currency);
// The amount the spin box's text shows, in minor units, read exactly in the
// spin box's own locale (its group separators dropped, its decimal point
// understood). Empty when the text is not a readable amount, so a dialog can
// refuse it instead of storing whatever value the spin box last held.
std::optional<qint64> spinBoxAmount(const QDoubleSpinBox *spin, Currency currency);

class SplitLinesWidget;
class QWidget;

// When a line with an amount has no category, tells the user, puts the focus
// on that line's category and returns false; such lines cannot be stored.
bool checkSplitCategories(QWidget *dialog, SplitLinesWidget *lines);

// Editable, no inserts; its completer is case-insensitive, matches anywhere
// in the text, pops up, and a chosen completion selects that exact item.
void configureCategoryCombo(QComboBox *combo);
// The id of the item the combo shows: its current item when the text still
// reads as that item (names can repeat), else the item with exactly the typed
// text, else empty.
QString categoryIdOf(const QComboBox *combo);
// Selects the item whose data equals the id; returns false (and leaves the
// selection) when no item has it.
bool selectCategoryId(QComboBox *combo, const QString &id);
