#pragma once

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

    // Rows of cells. Quoted stretches keep commas, line breaks and doubled
    // quotes; an unterminated quote runs to the end of the text. Blank lines
    // are dropped.
    static QList<QStringList> parse(QStringView text);

    // `format` first when given, then the usual bank formats month-first
    // before day-first; invalid when nothing reads.
    static QDate parseDate(const QString &cell, const QString &format = QString());

    // Cents of a dollar amount, read as tryParseMoney reads dollars ("$" and
    // "," ignored, a leading sign, digits beyond the cents rounded half away
    // from zero on the exact decimal value), and accounting parentheses
    // around it make it negative. Empty when the cell is not a number or the
    // amount or its opposite does not fit in 64 bits.
    static std::optional<qint64> parseAmount(const QString &cell);
};
