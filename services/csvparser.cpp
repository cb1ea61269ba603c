#include "services/csvparser.h"

#include "data/money.h"

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

} // namespace

QList<QStringList> CsvParser::parse(QStringView text)
{
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool inQuotes = false;
    bool pending = false;   // something of a row has been read since the last row ended

    const auto endField = [&] {
        if (row.size() < kMaxColumns)
            row.append(field.trimmed());
        field.clear();
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
        if (c == u'"')
            inQuotes = true;
        else if (c == u',')
            endField();
        else if (c == u'\n')
            endRow();
        else if (c != u'\r')
            field.append(c);
    }
    if (pending || !field.isEmpty() || !row.isEmpty())
        endRow();
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
        const QDate date = storable(QDate::fromString(cell, format));
        if (date.isValid())
            return date;
    }
    const QDate iso = isoDate(cell);
    if (iso.isValid())
        return iso;
    for (const QString &candidate : kFormats) {
        const QDate date = storable(QDate::fromString(cell, candidate));
        if (date.isValid())
            return date;
    }
    return QDate();
}

std::optional<qint64> CsvParser::parseAmount(const QString &cell)
{
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
    const std::optional<qint64> amount = tryParseMoney(text, Currency::USD);
    // Refused unless its opposite fits too: amounts get mirrored into
    // transfers and payments, and the most negative one has no mirror.
    if (!amount || !checkedNegate(*amount))
        return std::nullopt;
    return parenthesised ? -*amount : *amount;
}
