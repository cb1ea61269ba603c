#include "data/money.h"

#include <QLocale>
#include <QtNumeric>

#include <limits>

namespace {

QString formatMagnitude(quint64 magnitude, Currency currency)
{
    static const QLocale english(QLocale::English, QLocale::AnyScript, QLocale::AnyTerritory);
    if (currencyDecimals(currency) == 0)
        return english.toString(magnitude);
    return QStringLiteral("%1.%2")
        .arg(english.toString(magnitude / 100))
        .arg(magnitude % 100, 2, 10, QLatin1Char('0'));
}

// The magnitude as unsigned, so the most negative amount has one too.
quint64 magnitudeOf(qint64 amount)
{
    return amount < 0 ? quint64(0) - quint64(amount) : quint64(amount);
}

// Exponents are clamped far beyond the length of any text: there every
// non-zero number overflows and every fraction rounds to nothing, and the
// position arithmetic below stays well inside 64 bits.
constexpr qint64 kExponentClamp = 1'000'000'000'000'000;

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Unsigned decimal text ("12", "12.5", ".5", "5.", "1.5e-3") to minor units
// with the given sign. The digits are taken as one sequence with the point
// moved by the exponent and the currency's decimals; whole units are the
// digits before the point, and the first digit after it decides the rounding.
std::optional<qint64> readMagnitude(QStringView text, int decimals, bool negative)
{
    const qsizetype size = text.size();
    qsizetype i = 0;
    const qsizetype intStart = i;
    while (i < size && isAsciiDigit(text[i]))
        ++i;
    const qsizetype intLength = i - intStart;
    qsizetype fracStart = i;
    qsizetype fracLength = 0;
    if (i < size && text[i] == u'.') {
        fracStart = ++i;
        while (i < size && isAsciiDigit(text[i]))
            ++i;
        fracLength = i - fracStart;
    }
    if (intLength + fracLength == 0)
        return std::nullopt;

    qint64 exponent = 0;
    if (i < size && (text[i] == u'e' || text[i] == u'E')) {
        ++i;
        bool exponentNegative = false;
        if (i < size && (text[i] == u'+' || text[i] == u'-'))
            exponentNegative = text[i++] == u'-';
        const qsizetype expStart = i;
        while (i < size && isAsciiDigit(text[i])) {
            exponent = qMin(exponent * 10 + (text[i].unicode() - u'0'), kExponentClamp);
            ++i;
        }
        if (i == expStart)
            return std::nullopt;
        if (exponentNegative)
            exponent = -exponent;
    }
    if (i != size)
        return std::nullopt;

    const qsizetype length = intLength + fracLength;
    const auto digitAt = [&](qsizetype k) {
        const QChar c = k < intLength ? text[intStart + k] : text[fracStart + k - intLength];
        return quint64(c.unicode() - u'0');
    };
    // How many of the digits make whole minor units; may lie beyond either end.
    const qint64 point = qint64(intLength) + exponent + decimals;

    // 2^63 is the magnitude of the most negative amount.
    const quint64 limit = negative ? quint64(std::numeric_limits<qint64>::max()) + 1
                                   : quint64(std::numeric_limits<qint64>::max());
    quint64 units = 0;
    const auto push = [&](quint64 digit) {
        if (units > (limit - digit) / 10)
            return false;
        units = units * 10 + digit;
        return true;
    };
    const qint64 whole = qBound(qint64(0), point, qint64(length));
    for (qsizetype k = 0; k < whole; ++k) {
        if (!push(digitAt(k)))
            return std::nullopt;
    }
    // Zeros the exponent adds after the last digit; nothing to scale for zero.
    for (qint64 k = length; k < point && units != 0; ++k) {
        if (!push(0))
            return std::nullopt;
    }
    // Halves away from zero: the magnitude rounds up when the first dropped
    // digit is 5 or more. A point before the first digit drops a zero first.
    if (point >= 0 && point < length && digitAt(point) >= 5) {
        if (units == limit)
            return std::nullopt;
        ++units;
    }
    return negative ? qint64(quint64(0) - units) : qint64(units);
}

} // namespace

QString formatMoney(qint64 amount, Currency currency)
{
    const QString number = formatMagnitude(magnitudeOf(amount), currency);
    const QString symbol = currencySymbol(currency);
    return amount < 0 ? QStringLiteral("-%1%2").arg(symbol, number)
                      : QStringLiteral("%1%2").arg(symbol, number);
}

QString formatAmount(qint64 amount, Currency currency)
{
    const QString number = formatMagnitude(magnitudeOf(amount), currency);
    return amount < 0 ? QStringLiteral("-%1").arg(number) : number;
}

std::optional<qint64> parseMinorUnits(QStringView number, int decimals)
{
    bool negative = false;
    if (!number.isEmpty() && (number.front() == u'+' || number.front() == u'-')) {
        negative = number.front() == u'-';
        number = number.sliced(1);
    }
    return readMagnitude(number, decimals, negative);
}

std::optional<qint64> tryParseMoney(QStringView text, Currency currency)
{
    const QString symbol = currencySymbol(currency);
    QString cleaned = text.toString();
    cleaned.remove(symbol, Qt::CaseSensitive);
    cleaned.remove(QLatin1Char(','));
    QStringView number = QStringView(cleaned).trimmed();

    bool negative = false;
    if (!number.isEmpty() && (number.front() == u'+' || number.front() == u'-')) {
        negative = number.front() == u'-';
        number = number.sliced(1).trimmed();
    }
    return readMagnitude(number, currencyDecimals(currency), negative);
}

qint64 parseMoney(const QString &text, Currency currency)
{
    return tryParseMoney(text, currency).value_or(0);
}

std::optional<qint64> checkedNegate(qint64 amount)
{
    if (amount == std::numeric_limits<qint64>::min())
        return std::nullopt;
    return -amount;
}

std::optional<qint64> checkedAdd(qint64 a, qint64 b)
{
    qint64 sum = 0;
    if (qAddOverflow(a, b, &sum))
        return std::nullopt;
    return sum;
}
