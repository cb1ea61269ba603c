#include "services/qifparser.h"

#include "data/money.h"

#include <QSet>

namespace {

enum class Section { Transactions, AccountBlock, CategoryList, Metadata };

// Calls `visit` with every line, dropped of leading byte-order marks and
// carriage returns and trimmed; empty lines are skipped. CR LF, CR and LF all
// end a line.
template<typename Visit>
void forEachLine(QStringView text, Visit visit)
{
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i <= size; ++i) {
        if (i < size && text[i] != u'\n' && text[i] != u'\r')
            continue;
        QStringView line = text.sliced(start, i - start);
        start = i + 1;
        while (!line.isEmpty() && (line.front() == u'\xFEFF' || line.front() == u'\r'))
            line = line.sliced(1);
        line = line.trimmed();
        if (!line.isEmpty())
            visit(line);
    }
}

// The date's numbers: "-", "." and "'" read as "/", blanks removed, empty
// parts dropped.
QList<QString> dateParts(QStringView value)
{
    QString normalised;
    normalised.reserve(value.size());
    for (QChar c : value.trimmed()) {
        if (c == u'-' || c == u'.' || c == u'\'')
            normalised.append(u'/');
        else if (!c.isSpace())
            normalised.append(c);
    }
    return normalised.split(u'/', Qt::SkipEmptyParts);
}

// A whole number of at most nine ASCII digits, so it always fits in an int.
std::optional<int> wholeNumber(const QString &part)
{
    if (part.isEmpty() || part.size() > 9)
        return std::nullopt;
    int value = 0;
    for (QChar c : part) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

// The text of an "L" or "S" line: a class after "/" is dropped; "[name]" is a
// transfer account, anything else a category name.
void readCategoryOrTransfer(QStringView value, QString &category, QString &transferAccount)
{
    QStringView text = value.trimmed();
    const qsizetype slash = text.indexOf(u'/');
    if (slash >= 0)
        text = text.first(slash).trimmed();
    category.clear();
    transferAccount.clear();
    if (text.size() >= 2 && text.front() == u'[' && text.back() == u']')
        transferAccount = text.sliced(1, text.size() - 2).trimmed().toString();
    else
        category = text.toString();
}

QString sectionAccountType(const QString &lowerType)
{
    static const char *const kTypes[] = {"bank", "ccard", "invst", "cash", "oth a", "oth l"};
    for (const char *type : kTypes) {
        if (lowerType.startsWith(QLatin1String(type)))
            return QLatin1String(type);
    }
    return QStringLiteral("bank");
}

// The record being read, up to its "^" or the next header.
struct OpenRecord
{
    bool hadLine = false;
    bool recognised = false;
    QDate date;
    std::optional<qint64> amount;
    QifRecord record;
    bool inSplit = false;
    QifSplit split;
    QString name;
    QString description;
    bool income = false;

    void finishSplit()
    {
        if (inSplit) {
            record.splits.append(split);
            split = QifSplit();
            inSplit = false;
        }
    }
};

} // namespace

bool QifParser::isDayFirst(QStringView text)
{
    bool dayFirst = false;
    forEachLine(text, [&](QStringView line) {
        if (dayFirst || line.front() != u'D')
            return;
        const QList<QString> parts = dateParts(line.sliced(1));
        if (parts.isEmpty() || parts.constFirst().size() == 4)
            return;
        const std::optional<int> first = wholeNumber(parts.constFirst());
        if (first && *first > 12)
            dayFirst = true;
    });
    return dayFirst;
}

QDate QifParser::parseDate(QStringView value, bool dayFirst)
{
    const QList<QString> parts = dateParts(value);
    if (parts.size() < 3)
        return QDate();
    const std::optional<int> a = wholeNumber(parts[0]);
    const std::optional<int> b = wholeNumber(parts[1]);
    const std::optional<int> c = wholeNumber(parts[2]);
    if (!a || !b || !c)
        return QDate();

    int year = 0, month = 0, day = 0;
    if (parts[0].size() == 4) {
        year = *a;
        month = *b;
        day = *c;
    } else {
        year = (parts[2].size() == 4 || *c >= 32) ? *c : 2000 + *c;
        month = dayFirst ? *b : *a;
        day = dayFirst ? *a : *b;
    }
    if (year < 100)
        year += year < 70 ? 2000 : 1900;
    // Only years that "yyyy-MM-dd" can hold, so every stored date reads back.
    if (year > 9999)
        return QDate();
    return QDate(year, month, day);
}

std::optional<qint64> QifParser::parseAmount(QStringView value)
{
    QStringView text = value.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    bool negative = false;
    if (text.size() >= 2 && text.front() == u'(' && text.back() == u')') {
        negative = true;
        text = text.sliced(1, text.size() - 2).trimmed();
    }

    QString cleaned;
    cleaned.reserve(text.size());
    for (QChar c : text) {
        if (c.isSpace() || c == u'$' || c == u'\u20AC' || c == u'\u00A3' || c == u'\u00A5' || c == u'\u00A2')
            continue;
        cleaned.append(c);
    }
    if (cleaned.startsWith(u'+')) {
        cleaned.remove(0, 1);
    } else if (cleaned.startsWith(u'-')) {
        cleaned.remove(0, 1);
        negative = !negative;
    }

    const qsizetype lastDot = cleaned.lastIndexOf(u'.');
    const qsizetype lastComma = cleaned.lastIndexOf(u',');
    QChar decimal;
    QChar grouping;
    if (lastDot >= 0 && lastComma >= 0) {
        decimal = lastDot > lastComma ? u'.' : u',';
        grouping = lastDot > lastComma ? u',' : u'.';
    } else if (lastDot >= 0 || lastComma >= 0) {
        const QChar separator = lastDot >= 0 ? u'.' : u',';
        const qsizetype first = cleaned.indexOf(separator);
        const qsizetype last = cleaned.lastIndexOf(separator);
        const bool isGrouping = first != last || (first > 0 && cleaned.size() - first - 1 == 3);
        if (isGrouping) {
            const QList<QStringView> groups = QStringView(cleaned).split(separator);
            if (groups.constFirst().isEmpty() || groups.constFirst().size() > 3)
                return std::nullopt;
            for (qsizetype i = 1; i < groups.size(); ++i) {
                if (groups[i].size() != 3)
                    return std::nullopt;
            }
            grouping = separator;
        } else {
            decimal = separator;
        }
    }

    // What is left becomes one plain decimal ("1234.56") for the shared
    // exact reader: grouping dropped, the decimal separator a point, only
    // digits otherwise.
    QString number;
    number.reserve(cleaned.size() + 1);
    if (negative)
        number.append(u'-');
    bool seenDecimal = false;
    for (QChar c : std::as_const(cleaned)) {
        if (!grouping.isNull() && c == grouping)
            continue;
        if (!decimal.isNull() && c == decimal) {
            if (seenDecimal)
                return std::nullopt;
            seenDecimal = true;
            number.append(u'.');
            continue;
        }
        if (c < u'0' || c > u'9')
            return std::nullopt;
        number.append(c);
    }
    const std::optional<qint64> cents = parseMinorUnits(number, 2);
    // Transfers pair an amount with its opposite, which the most negative
    // amount does not have.
    if (!cents || !checkedNegate(*cents))
        return std::nullopt;
    return cents;
}

QifFile QifParser::parse(QStringView text)
{
    QifFile file;
    file.dayFirst = isDayFirst(text);

    Section section = Section::Transactions;
    QString sectionType = QStringLiteral("bank");
    QString currentAccount;
    QSet<QString> listedAccounts;   // lowercase
    OpenRecord open;

    const auto finishRecord = [&] {
        open.finishSplit();
        switch (section) {
        case Section::AccountBlock:
            if (!open.name.isEmpty())
                currentAccount = open.name;
            break;
        case Section::CategoryList:
            if (!open.name.isEmpty())
                file.categories.append({open.name, open.description, open.income});
            break;
        case Section::Metadata:
            if (open.hadLine)
                ++file.metadata;
            break;
        case Section::Transactions:
            if (!open.recognised)
                break;
            if (!open.date.isValid() || !open.amount) {
                ++file.unparseable;
                break;
            }
            open.record.date = open.date;
            open.record.amount = *open.amount;
            open.record.accountName = currentAccount;
            if (!currentAccount.isEmpty()) {
                const QString key = currentAccount.toLower();
                if (!listedAccounts.contains(key)) {
                    listedAccounts.insert(key);
                    file.accounts.append({currentAccount, sectionType});
                }
            }
            file.records.append(std::move(open.record));
            break;
        }
        open = OpenRecord();
    };

    const auto startSection = [&](QStringView header) {
        const QString lower = header.toString().toLower();
        if (lower.startsWith(QLatin1String("!type:"))) {
            const QString type = lower.mid(6).trimmed();
            if (type.startsWith(QLatin1String("cat"))) {
                section = Section::CategoryList;
            } else if (type.startsWith(QLatin1String("class")) || type.startsWith(QLatin1String("memorized"))
                       || type.startsWith(QLatin1String("tag")) || type.startsWith(QLatin1String("security"))
                       || type.startsWith(QLatin1String("prices"))) {
                section = Section::Metadata;
            } else {
                section = Section::Transactions;
                sectionType = sectionAccountType(type);
            }
        } else if (lower.startsWith(QLatin1String("!account"))) {
            section = Section::AccountBlock;
        } else {
            // "!Option", "!Clear" and headers this reader does not know: their
            // records are counted, never imported.
            section = Section::Metadata;
        }
    };

    forEachLine(text, [&](QStringView line) {
        const QChar code = line.front();
        const QStringView value = line.sliced(1).trimmed();
        if (code == u'!') {
            finishRecord();
            startSection(line);
            return;
        }
        if (code == u'^') {
            finishRecord();
            return;
        }
        open.hadLine = true;
        switch (section) {
        case Section::AccountBlock:
            if (code == u'N')
                open.name = value.toString();
            return;
        case Section::CategoryList:
            if (code == u'N')
                open.name = value.toString();
            else if (code == u'D')
                open.description = value.toString();
            else if (code == u'I')
                open.income = true;
            else if (code == u'E')
                open.income = false;
            return;
        case Section::Metadata:
            return;
        case Section::Transactions:
            break;
        }

        QifRecord &record = open.record;
        bool recognised = true;
        switch (code.unicode()) {
        case u'D':
            open.date = parseDate(value, file.dayFirst);
            break;
        case u'T':
        case u'U':
            open.amount = parseAmount(value);
            break;
        case u'P':
            record.payee = value.toString();
            break;
        case u'M':
            record.memo = value.toString();
            break;
        case u'N':
            record.number = value.toString();
            break;
        case u'L':
            readCategoryOrTransfer(value, record.category, record.transferAccount);
            break;
        case u'C': {
            const QChar status = value.isEmpty() ? QChar() : value.front().toLower();
            if (status == u'*' || status == u'c' || status == u'x') {
                record.cleared = true;
            } else if (status == u'r') {
                record.cleared = true;
                record.reconciled = true;
            }
            break;
        }
        case u'Y':
            record.security = value.toString();
            break;
        case u'S':
            open.finishSplit();
            open.inSplit = true;
            readCategoryOrTransfer(value, open.split.category, open.split.transferAccount);
            break;
        case u'E':
            if (open.inSplit)
                open.split.memo = value.toString();
            else
                recognised = false;
            break;
        case u'$':
            if (open.inSplit)
                open.split.amount = parseAmount(value).value_or(0);
            else
                open.amount = parseAmount(value);
            break;
        default:
            recognised = false;
            break;
        }
        if (recognised)
            open.recognised = true;
    });
    finishRecord();
    return file;
}
