#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

// One category line of a split transaction: a category name or, in
// brackets in the file, the name of a transfer account.
struct QifSplit
{
    QString category;
    QString transferAccount;
    qint64 amount = 0;
    QString memo;
};

// A transaction record with a valid date and amount, stamped with the name
// of the account block it follows (empty before any).
struct QifRecord
{
    QDate date;
    qint64 amount = 0;
    QString payee;
    QString memo;
    QString number;
    QString category;
    QString transferAccount;
    QString security;
    bool cleared = false;
    bool reconciled = false;
    QList<QifSplit> splits;
    QString accountName;
};

struct QifCategoryEntry
{
    QString name;
    QString description;
    bool income = false;
};

// An account that has transaction records, with the lowercase type text of
// its section ("bank", "ccard", "invst", "cash", "oth a", "oth l").
struct QifAccountEntry
{
    QString name;
    QString type;
};

struct QifFile
{
    QList<QifRecord> records;
    QList<QifCategoryEntry> categories;
    QList<QifAccountEntry> accounts;
    int unparseable = 0;
    int metadata = 0;
    bool dayFirst = false;
};

// Reads the text of one Quicken Interchange Format file: account blocks,
// the category list, transaction sections with splits, and the metadata
// sections it only counts. Pure functions over text: no files, no database.
// It does not read investment actions, prices or memorized transactions.
class QifParser
{
public:
    static QifFile parse(QStringView text);

    // True when some "D" line starts with a number above 12 that is not a
    // four-digit year: then every date of the file is day first.
    static bool isDayFirst(QStringView text);
    static QDate parseDate(QStringView value, bool dayFirst);
    // Cents, rounded half away from zero on the exact decimal digits; "." or
    // "," may be the decimal separator. Empty when the text is no amount or
    // the amount or its opposite does not fit in 64 bits.
    static std::optional<qint64> parseAmount(QStringView value);
};
