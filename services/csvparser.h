#pragma once

#include "data/enums.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// Reads comma-separated text into rows of trimmed cells, and the date and
// amount cells of bank statements. Pure functions over text: no files, no
// database. It knows one dialect (comma, double quote, LF or CR LF) and does
// not sniff other separators.
class CsvParser
{
public:
    // Cells beyond this many in one row are dropped, so a hostile line of
    // commas cannot exhaust memory; no real statement comes near it.
    static constexpr int kMaxColumns = 1024;

    // Rows of cells. A double quote at the start of a cell (blanks before it
    // aside) opens a quoted stretch that keeps commas, line breaks and
    // doubled quotes; an unterminated one runs to the end of the text.
    // Anywhere else in a cell a double quote is an ordinary character, as in
    // 6" Sub Shop or 37°36'37.8"N. Blank lines are dropped.
    static QList<QStringList> parse(QStringView text);
    // The first `maxRows` rows (all when negative), and in `consumed` how
    // much of the text they took: parsing the rest from there gives the
    // other rows, as if the text had been parsed whole.
    static QList<QStringList> parse(QStringView text, qsizetype maxRows, qsizetype *consumed);

    // `format` first when given, then the usual bank formats month-first
    // before day-first; invalid when nothing reads. A two-digit year is one
    // of 2000 to 2099.
    static QDate parseDate(const QString &cell, const QString &format = QString());

    // Minor units of an amount in the currency (cents, or whole yen), read
    // as tryParseMoney reads them ("$", the currency's own symbol and ","
    // ignored, a leading sign, digits beyond the currency's decimals rounded
    // half away from zero on the exact decimal value); accounting
    // parentheses around it make it negative. Empty when the cell is not a
    // number or the amount or its opposite does not fit in 64 bits.
    static std::optional<qint64> parseAmount(const QString &cell, Currency currency = Currency::USD);
};
