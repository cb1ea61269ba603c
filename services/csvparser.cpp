#include "services/csvparser.h"

#include "data/money.h"

#include <QCalendar>

namespace {

// Only years that "yyyy-MM-dd" can hold are accepted, so every stored date
// reads back.
QDate storable(const QDate &date)
{
    return date.isValid() && date.year() >= 1 && date.year() <= 9999 ? date : QDate();
}

int digitsAt(QStringView text, qsizetype from, qsizetype count)
{
    int value = 0;
    for (qsizetype i = from; i < from + count; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c - u'0');
    }
    return value;
}

// "yyyy-MM-dd" by hand: the first format tried and by far the most common,
// so it skips Qt's general format parser.
QDate isoDate(QStringView text)
{
    if (text.size() != 10 || text[4] != u'-' || text[7] != u'-')
        return QDate();
    const int year = digitsAt(text, 0, 4);
    const int month = digitsAt(text, 5, 2);
    const int day = digitsAt(text, 8, 2);
    if (year < 0 || month < 0 || day < 0)
        return QDate();
    return QDate(year, month, day);
}

// A run of exactly two 'y' outside quoted literal text.
bool hasTwoDigitYear(QStringView format)
{
    bool quoted = false;
    for (qsizetype i = 0; i < format.size();) {
        if (format[i] == u'\'') {
            quoted = !quoted;
            ++i;
            continue;
        }
        qsizetype run = 0;
        while (!quoted && i + run < format.size() && format[i + run] == u'y')
            ++run;
        if (run == 2)
            return true;
        i += qMax<qsizetype>(run, 1);
    }
    return false;
}

// Qt reads a two-digit year as one of 1900 to 1999; on a bank statement it
// is one of 2000 to 2099. Moving the date a century on afterwards would
// lose 29 February 2000, since 1900 was no leap year. The Julian calendar
// has the Gregorian month lengths and a leap year every fourth year, so its
// 1900 to 1999 match the Gregorian 2000 to 2099 day for day: read there,
// the parts move to the next century unchanged.
QDate readWithFormat(const QString &cell, const QString &format)
{
    if (!hasTwoDigitYear(format))
        return storable(QDate::fromString(cell, format));
    static const QCalendar julian(QCalendar::System::Julian);
    const QDate read = QDate::fromString(cell, format, julian);
    if (!read.isValid())
        return QDate();
    const QCalendar::YearMonthDay parts = julian.partsFromDate(read);
    return storable(QDate(parts.year + 100, parts.month, parts.day));
}

} // namespace

QList<QStringList> CsvParser::parse(QStringView text)
{
    return parse(text, -1, nullptr);
}

QList<QStringList> CsvParser::parse(QStringView text, qsizetype maxRows, qsizetype *consumed)
{
    if (maxRows == 0) {
        if (consumed)
            *consumed = 0;
        return {};
    }
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool inQuotes = false;
    bool pending = false;   // something of a row has been read since the last row ended
    // The cell holds more than blanks, or had a quoted stretch: a double
    // quote from here on is part of its text.
    bool cellStarted = false;

    const auto endField = [&] {
        if (row.size() < kMaxColumns)
            row.append(field.trimmed());
        field.clear();
        cellStarted = false;
    };
    const auto endRow = [&] {
        endField();
        if (!(row.size() == 1 && row.constFirst().isEmpty()))
            rows.append(row);
        row.clear();
        pending = false;
    };

    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text[i];
        if (inQuotes) {
            if (c == u'"') {
                if (i + 1 < size && text[i + 1] == u'"') {
                    field.append(u'"');
                    ++i;
                } else {
                    inQuotes = false;
                }
            } else {
                field.append(c);
            }
            continue;
        }
        pending = true;
        if (c == u'"' && !cellStarted) {
            inQuotes = true;
            cellStarted = true;
        } else if (c == u',') {
            endField();
        } else if (c == u'\n') {
            endRow();
            if (maxRows >= 0 && rows.size() >= maxRows) {
                if (consumed)
                    *consumed = i + 1;
                return rows;
            }
        } else if (c != u'\r') {
            field.append(c);
            if (!c.isSpace())
                cellStarted = true;
        }
    }
    if (pending || !field.isEmpty() || !row.isEmpty())
        endRow();
    if (consumed)
        *consumed = size;
    return rows;
}

QDate CsvParser::parseDate(const QString &cell, const QString &format)
{
    static const QString kFormats[] = {
        QStringLiteral("yyyy-MM-dd"),   QStringLiteral("yyyyMMdd"),     QStringLiteral("MM/dd/yyyy"),
        QStringLiteral("M/d/yyyy"),     QStringLiteral("M/dd/yyyy"),    QStringLiteral("MM/d/yyyy"),
        QStringLiteral("dd/MM/yyyy"),   QStringLiteral("d/M/yyyy"),     QStringLiteral("d/MM/yyyy"),
        QStringLiteral("dd/M/yyyy"),    QStringLiteral("MM/dd/yy"),     QStringLiteral("M/d/yy"),
        QStringLiteral("yyyy/MM/dd"),   QStringLiteral("MMMM d, yyyy"), QStringLiteral("MMM d, yyyy"),
    };
    // Nothing a date format can read is this long; longer cells are refused
    // before the format parser sees them.
    if (cell.isEmpty() || cell.size() > 64)
        return QDate();
    if (!format.isEmpty()) {
        const QDate date = readWithFormat(cell, format);
        if (date.isValid())
            return date;
    }
    const QDate iso = isoDate(cell);
    if (iso.isValid())
        return iso;
    for (const QString &candidate : kFormats) {
        const QDate date = readWithFormat(cell, candidate);
        if (date.isValid())
            return date;
    }
    return QDate();
}

std::optional<qint64> CsvParser::parseAmount(const QString &cell, Currency currency)
{
    // Dollar signs go whatever the currency: many exports put one before
    // every amount. The currency's own symbol goes in tryParseMoney.
    QString cleaned = cell;
    cleaned.remove(QLatin1Char('$'));
    cleaned.remove(QLatin1Char(','));
    QStringView text = QStringView(cleaned).trimmed();

    // Accounting parentheses wrap the whole amount, sign included, so
    // "(-5)" is a deposit of five.
    bool parenthesised = false;
    if (text.size() >= 2 && text.front() == u'(' && text.back() == u')') {
        parenthesised = true;
        text = text.sliced(1, text.size() - 2).trimmed();
    }
    const std::optional<qint64> amount = tryParseMoney(text, currency);
    // Refused unless its opposite fits too: amounts get mirrored into
    // transfers and payments, and the most negative one has no mirror.
    if (!amount || !checkedNegate(*amount))
        return std::nullopt;
    return parenthesised ? -*amount : *amount;
}
