#pragma once

#include "data/enums.h"

#include <QString>
#include <QtGlobal>

// Money is a signed 64-bit count of the currency's smallest unit (cents, or
// whole yen). Display always uses the fixed English format, whatever the
// interface language, so amounts line up and read the same everywhere.

// "-$1,234.56": symbol, sign before the symbol, "," grouping.
QString formatMoney(qint64 amount, Currency currency);
// "-1,234.56": the same number without the symbol.
QString formatAmount(qint64 amount, Currency currency);
// Text to minor units; 0 when the text is empty, not a number, or too large
// for 64 bits.
qint64 parseMoney(const QString &text, Currency currency);
