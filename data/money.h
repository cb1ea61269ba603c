#pragma once

#include "data/enums.h"

#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <optional>

// Money is a signed 64-bit count of the currency's smallest unit (cents, or
// whole yen). Display always uses the fixed English format, whatever the
// interface language, so amounts line up and read the same everywhere.
//
// Every reader of amount text goes through parseMinorUnits, which works on
// the decimal digits themselves: no binary floating point lies between the
// text and the stored integer, so "1.005" is 101 cents and not whatever the
// nearest double happens to round to.

// "-$1,234.56": symbol, sign before the symbol, "," grouping.
QString formatMoney(qint64 amount, Currency currency);
// "-1,234.56": the same number without the symbol.
QString formatAmount(qint64 amount, Currency currency);

// A plain decimal number to minor units with `decimals` digits after the
// point: an optional leading "+" or "-", digits with at most one ".", and an
// optional exponent ("1.5e3"). No blanks, grouping or symbols. Digits beyond
// `decimals` round half away from zero on the exact decimal value. Empty when
// the text is anything else or the result does not fit in 64 bits.
std::optional<qint64> parseMinorUnits(QStringView number, int decimals);

// An amount as people type and print it: every currency symbol and every ","
// removed, surrounding blanks ignored, then one optional sign (blanks may
// follow it) and the number as parseMinorUnits reads it, in the currency's
// decimals. Empty when the text is not a readable amount or does not fit in
// 64 bits. Parentheses are not a sign here; callers that accept them strip
// them first.
std::optional<qint64> tryParseMoney(QStringView text, Currency currency);

// tryParseMoney, with 0 for text it cannot read.
qint64 parseMoney(const QString &text, Currency currency);

// -amount; empty for the most negative amount, which has no opposite.
std::optional<qint64> checkedNegate(qint64 amount);
// a + b; empty when the sum does not fit in 64 bits.
std::optional<qint64> checkedAdd(qint64 a, qint64 b);
