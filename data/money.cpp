#include "data/money.h"

#include <QLocale>

#include <cmath>

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

qint64 parseMoney(const QString &text, Currency currency)
{
    QString cleaned = text;
    cleaned.remove(currencySymbol(currency), Qt::CaseSensitive);
    cleaned.remove(QLatin1Char(','));
    cleaned = cleaned.trimmed();
    if (cleaned.isEmpty())
        return 0;

    bool negative = false;
    if (cleaned.startsWith(QLatin1Char('-'))) {
        negative = true;
        cleaned.remove(0, 1);
    }

    qint64 value = 0;
    bool ok = false;
    if (currencyDecimals(currency) == 0) {
        value = cleaned.toLongLong(&ok, 10);
        if (!ok)
            return 0;
    } else {
        const double number = cleaned.toDouble(&ok);
        if (!ok || !std::isfinite(number))
            return 0;
        const double minorUnits = std::round(number * 100.0);
        // 2^63 is exactly representable; anything at or beyond it has no qint64.
        constexpr double limit = 9223372036854775808.0;
        if (minorUnits >= limit || minorUnits < -limit)
            return 0;
        value = static_cast<qint64>(minorUnits);
    }
    // The magnitude may be the most negative value already (-"-922..." cannot
    // be negated), so negate in unsigned arithmetic and convert back.
    if (negative)
        value = static_cast<qint64>(quint64(0) - quint64(value));
    return value;
}
