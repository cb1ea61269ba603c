#include "data/money.h"

#include <QRandomGenerator>
#include <QTest>

#include <limits>
#include <optional>

Q_DECLARE_METATYPE(Currency)

using Amount = std::optional<qint64>;
Q_DECLARE_METATYPE(Amount)

namespace {
constexpr qint64 kMax = std::numeric_limits<qint64>::max();
constexpr qint64 kMin = std::numeric_limits<qint64>::min();
} // namespace

class tst_Money : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void formatMoney_data();
    void formatMoney();
    void formatAmount_data();
    void formatAmount();
    void parseMoney_data();
    void parseMoney();
    void roundTrip_data();
    void roundTrip();
    void tryParseMoney_data();
    void tryParseMoney();
    void parseMinorUnits_data();
    void parseMinorUnits();
    void roundingMatchesIntegerArithmetic();
    void checkedNegate_data();
    void checkedNegate();
    void checkedAdd_data();
    void checkedAdd();
};

void tst_Money::formatMoney_data()
{
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<QString>("expected");

    QTest::newRow("negativeUsd") << qint64(-123456) << Currency::USD << "-$1,234.56";
    QTest::newRow("fiveCentsEur") << qint64(5) << Currency::EUR << "€0.05";
    QTest::newRow("zeroGbp") << qint64(0) << Currency::GBP << "£0.00";
    QTest::newRow("yenGrouping") << qint64(1234567) << Currency::JPY << "¥1,234,567";
    QTest::newRow("negativeYen") << qint64(-1500) << Currency::JPY << "-¥1,500";
    QTest::newRow("audMillions") << qint64(123456789) << Currency::AUD << "$1,234,567.89";
    QTest::newRow("minusTenCents") << qint64(-10) << Currency::CAD << "-$0.10";
    QTest::newRow("mostNegative") << std::numeric_limits<qint64>::min() << Currency::USD
                                  << "-$92,233,720,368,547,758.08";
    QTest::newRow("mostPositive") << std::numeric_limits<qint64>::max() << Currency::USD
                                  << "$92,233,720,368,547,758.07";
    QTest::newRow("mostNegativeYen") << std::numeric_limits<qint64>::min() << Currency::JPY
                                     << "-¥9,223,372,036,854,775,808";
}

void tst_Money::formatMoney()
{
    QFETCH(qint64, amount);
    QFETCH(Currency, currency);
    QFETCH(QString, expected);
    QCOMPARE(::formatMoney(amount, currency), expected);
}

void tst_Money::formatAmount_data()
{
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<QString>("expected");

    QTest::newRow("negativeCad") << qint64(-5) << Currency::CAD << "-0.05";
    QTest::newRow("thousands") << qint64(123456) << Currency::USD << "1,234.56";
    QTest::newRow("yen") << qint64(-15000) << Currency::JPY << "-15,000";
    QTest::newRow("mostNegative") << std::numeric_limits<qint64>::min() << Currency::EUR
                                  << "-92,233,720,368,547,758.08";
}

void tst_Money::formatAmount()
{
    QFETCH(qint64, amount);
    QFETCH(Currency, currency);
    QFETCH(QString, expected);
    QCOMPARE(::formatAmount(amount, currency), expected);
}

void tst_Money::parseMoney_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<qint64>("expected");

    QTest::newRow("grouped") << "$1,234.56" << Currency::USD << qint64(123456);
    QTest::newRow("signBeforeSymbol") << "-$5" << Currency::USD << qint64(-500);
    QTest::newRow("signAfterSymbol") << "$-5" << Currency::USD << qint64(-500);
    QTest::newRow("roundsUp") << "12.345" << Currency::USD << qint64(1235);
    QTest::newRow("roundsDown") << "12.344" << Currency::USD << qint64(1234);
    QTest::newRow("exactHalfCent") << "1.005" << Currency::USD << qint64(101);
    QTest::newRow("negativeHalfAwayFromZero") << "-0.125" << Currency::USD << qint64(-13);
    QTest::newRow("letters") << "abc" << Currency::USD << qint64(0);
    QTest::newRow("empty") << "" << Currency::USD << qint64(0);
    QTest::newRow("onlySymbol") << "$" << Currency::USD << qint64(0);
    QTest::newRow("parentheses") << "(5.00)" << Currency::USD << qint64(0);
    QTest::newRow("yen") << "¥1,500" << Currency::JPY << qint64(1500);
    QTest::newRow("yenFractionRounds") << "1500.5" << Currency::JPY << qint64(1501);
    QTest::newRow("dollarInEuro") << "$5" << Currency::EUR << qint64(0);
    QTest::newRow("euroSymbol") << "€1,234.00" << Currency::EUR << qint64(123400);
    QTest::newRow("whitespace") << "  42.10  " << Currency::GBP << qint64(4210);
    QTest::newRow("tooLargeForCents") << "92233720368547758.08" << Currency::USD << qint64(0);
    QTest::newRow("hugeExponent") << "1e300" << Currency::USD << qint64(0);
    QTest::newRow("infinity") << "inf" << Currency::USD << qint64(0);
    QTest::newRow("notANumber") << "nan" << Currency::USD << qint64(0);
    QTest::newRow("yenOverflow") << "9223372036854775808" << Currency::JPY << qint64(0);
    QTest::newRow("yenLargest") << "9223372036854775807" << Currency::JPY
                                << std::numeric_limits<qint64>::max();
    QTest::newRow("largestExactCents") << "90071992547409.91" << Currency::USD
                                       << qint64(9007199254740991);
}

void tst_Money::parseMoney()
{
    QFETCH(QString, text);
    QFETCH(Currency, currency);
    QFETCH(qint64, expected);
    QCOMPARE(::parseMoney(text, currency), expected);
}

void tst_Money::roundTrip_data()
{
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<Currency>("currency");

    for (Currency currency : kAllCurrencies) {
        for (qint64 amount : {qint64(0), qint64(1), qint64(-1), qint64(99), qint64(-100001),
                              qint64(123456789)}) {
            QTest::addRow("%s_%lld", qPrintable(currencyToString(currency)), amount)
                << amount << currency;
        }
    }
}

void tst_Money::roundTrip()
{
    QFETCH(qint64, amount);
    QFETCH(Currency, currency);
    QCOMPARE(::parseMoney(::formatMoney(amount, currency), currency), amount);
    QCOMPARE(::parseMoney(::formatAmount(amount, currency), currency), amount);
}

void tst_Money::tryParseMoney_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<Amount>("expected");

    // Rounding on the decimal digits, halves away from zero.
    QTest::newRow("halfCentUp") << "1.005" << Currency::USD << Amount(101);
    QTest::newRow("halfCentNegative") << "-1.005" << Currency::USD << Amount(-101);
    QTest::newRow("eighth") << "0.125" << Currency::USD << Amount(13);
    QTest::newRow("justBelowHalf") << "1.00499999999999999999" << Currency::USD << Amount(100);
    QTest::newRow("manyNinesCarry") << "9.999" << Currency::USD << Amount(1000);
    QTest::newRow("longFractionDown") << "0." + QString(400, u'0') + "9" << Currency::USD << Amount(0);
    QTest::newRow("longFractionHalf") << "0.005" + QString(400, u'0') << Currency::USD << Amount(1);
    QTest::newRow("yenHalf") << "0.5" << Currency::JPY << Amount(1);
    QTest::newRow("yenNegativeHalf") << "-0.5" << Currency::JPY << Amount(-1);
    QTest::newRow("yenBelowHalf") << "1500.49" << Currency::JPY << Amount(1500);
    QTest::newRow("negativeZero") << "-0.00" << Currency::USD << Amount(0);
    QTest::newRow("onlyFraction") << ".5" << Currency::USD << Amount(50);
    QTest::newRow("trailingPoint") << "5." << Currency::USD << Amount(500);
    QTest::newRow("leadingZeros") << QString(30, u'0') + "12.34" << Currency::USD << Amount(1234);

    // The 64-bit boundary, in cents and in yen.
    QTest::newRow("largestCents") << "92233720368547758.07" << Currency::USD << Amount(kMax);
    QTest::newRow("largestCentsRoundsDown") << "92233720368547758.074" << Currency::USD << Amount(kMax);
    QTest::newRow("roundsPastLargest") << "92233720368547758.075" << Currency::USD << Amount();
    QTest::newRow("pastLargestCents") << "92233720368547758.08" << Currency::USD << Amount();
    QTest::newRow("mostNegativeCents") << "-92233720368547758.08" << Currency::USD << Amount(kMin);
    QTest::newRow("pastMostNegativeCents") << "-92233720368547758.09" << Currency::USD << Amount();
    QTest::newRow("largestYen") << "9223372036854775807" << Currency::JPY << Amount(kMax);
    QTest::newRow("largestYenGrouped") << "¥9,223,372,036,854,775,807" << Currency::JPY << Amount(kMax);
    QTest::newRow("pastLargestYen") << "9223372036854775808" << Currency::JPY << Amount();
    QTest::newRow("mostNegativeYen") << "-9223372036854775808" << Currency::JPY << Amount(kMin);
    QTest::newRow("pastMostNegativeYen") << "-9223372036854775809" << Currency::JPY << Amount();
    QTest::newRow("twentyNines") << "99999999999999999999" << Currency::USD << Amount();
    QTest::newRow("twentyNinesYen") << "99999999999999999999" << Currency::JPY << Amount();
    QTest::newRow("fourHundredNines") << QString(400, u'9') << Currency::USD << Amount();

    // Signs, symbols, grouping and blanks.
    QTest::newRow("grouped") << "1,234,567.89" << Currency::USD << Amount(123456789);
    QTest::newRow("symbolAndGrouping") << "$1,234.56" << Currency::CAD << Amount(123456);
    QTest::newRow("minusBeforeSymbol") << "-$5" << Currency::AUD << Amount(-500);
    QTest::newRow("minusAfterSymbol") << "$-5" << Currency::USD << Amount(-500);
    QTest::newRow("blankAfterMinus") << "- $5" << Currency::USD << Amount(-500);
    QTest::newRow("plus") << "+7.5" << Currency::USD << Amount(750);
    QTest::newRow("trailingSymbol") << "5€" << Currency::EUR << Amount(500);
    QTest::newRow("pound") << " £3 " << Currency::GBP << Amount(300);
    QTest::newRow("otherCurrencySymbol") << "€5" << Currency::USD << Amount();
    QTest::newRow("exponent") << "1.5e3" << Currency::USD << Amount(150000);
    QTest::newRow("negativeExponentHalf") << "5E-3" << Currency::USD << Amount(1);
    QTest::newRow("hugeExponent") << "1e300" << Currency::USD << Amount();
    QTest::newRow("zeroHugeExponent") << "0e99999999999999999999" << Currency::USD << Amount(0);
    QTest::newRow("tinyExponent") << "1e-99999999999999999999" << Currency::USD << Amount(0);

    // Text that is no amount.
    QTest::newRow("letters") << "abc" << Currency::USD << Amount();
    QTest::newRow("empty") << "" << Currency::USD << Amount();
    QTest::newRow("blanks") << "   " << Currency::USD << Amount();
    QTest::newRow("onlySymbol") << "$" << Currency::USD << Amount();
    QTest::newRow("onlyMinus") << "-" << Currency::USD << Amount();
    QTest::newRow("onlyPoint") << "." << Currency::USD << Amount();
    QTest::newRow("twoPoints") << "1.2.3" << Currency::USD << Amount();
    QTest::newRow("doubleMinus") << "--5" << Currency::USD << Amount();
    QTest::newRow("minusPlus") << "-+5" << Currency::USD << Amount();
    QTest::newRow("trailingMinus") << "5-" << Currency::USD << Amount();
    QTest::newRow("blankInside") << "1 000" << Currency::USD << Amount();
    QTest::newRow("trailingWord") << "12.00 CR" << Currency::USD << Amount();
    QTest::newRow("parentheses") << "(5.00)" << Currency::USD << Amount();
    QTest::newRow("exponentWithoutDigits") << "1e" << Currency::USD << Amount();
    QTest::newRow("exponentOnly") << "e5" << Currency::USD << Amount();
    QTest::newRow("infinity") << "inf" << Currency::USD << Amount();
    QTest::newRow("notANumber") << "nan" << Currency::USD << Amount();
    QTest::newRow("hex") << "0x10" << Currency::USD << Amount();
    QTest::newRow("arabicIndicDigits") << QString::fromUtf8("\u0661\u0662") << Currency::USD << Amount();
}

void tst_Money::tryParseMoney()
{
    QFETCH(QString, text);
    QFETCH(Currency, currency);
    QFETCH(Amount, expected);
    QCOMPARE(::tryParseMoney(text, currency), expected);
    QCOMPARE(::parseMoney(text, currency), expected.value_or(0));
}

void tst_Money::parseMinorUnits_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<Amount>("expected");

    QTest::newRow("cents") << "12.34" << 2 << Amount(1234);
    QTest::newRow("wholeUnits") << "2.5" << 0 << Amount(3);
    QTest::newRow("fourDecimals") << "1.23456" << 4 << Amount(12346);
    QTest::newRow("plus") << "+5" << 2 << Amount(500);
    QTest::newRow("minus") << "-5" << 2 << Amount(-500);
    QTest::newRow("noGrouping") << "1,000" << 2 << Amount();
    QTest::newRow("noBlanks") << " 5" << 2 << Amount();
    QTest::newRow("noSymbol") << "$5" << 2 << Amount();
    QTest::newRow("noSecondSign") << "--5" << 2 << Amount();
    QTest::newRow("signOnly") << "+" << 2 << Amount();
}

void tst_Money::parseMinorUnits()
{
    QFETCH(QString, number);
    QFETCH(int, decimals);
    QFETCH(Amount, expected);
    QCOMPARE(::parseMinorUnits(number, decimals), expected);
}

// Six-decimal amounts, many of them at or beside a half cent, land on the
// cent that integer arithmetic gives, halves away from zero.
void tst_Money::roundingMatchesIntegerArithmetic()
{
    static constexpr quint64 kNearHalf[] = {0, 4999, 5000, 5001, 9999};
    QRandomGenerator random(20240501);
    for (int i = 0; i < 20000; ++i) {
        const quint64 wholeCents = random.bounded(Q_UINT64_C(100000000000));
        const quint64 belowCent = i % 2 == 0 ? kNearHalf[random.bounded(5)] : random.bounded(10000U);
        const quint64 magnitude = wholeCents * 10000 + belowCent;
        const bool negative = random.bounded(2) == 1;
        const QString text = QStringLiteral("%1%2.%3")
                                 .arg(negative ? QStringLiteral("-") : QString())
                                 .arg(magnitude / 1000000)
                                 .arg(magnitude % 1000000, 6, 10, QLatin1Char('0'));
        const qint64 cents = qint64(wholeCents + (belowCent >= 5000 ? 1 : 0));
        QCOMPARE(::tryParseMoney(text, Currency::USD), Amount(negative ? -cents : cents));
    }
}

void tst_Money::checkedNegate_data()
{
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<Amount>("expected");

    QTest::newRow("zero") << qint64(0) << Amount(0);
    QTest::newRow("positive") << qint64(1250) << Amount(-1250);
    QTest::newRow("negative") << qint64(-1) << Amount(1);
    QTest::newRow("largest") << kMax << Amount(-kMax);
    QTest::newRow("oneAboveMostNegative") << kMin + 1 << Amount(kMax);
    QTest::newRow("mostNegative") << kMin << Amount();
}

void tst_Money::checkedNegate()
{
    QFETCH(qint64, amount);
    QFETCH(Amount, expected);
    QCOMPARE(::checkedNegate(amount), expected);
}

void tst_Money::checkedAdd_data()
{
    QTest::addColumn<qint64>("a");
    QTest::addColumn<qint64>("b");
    QTest::addColumn<Amount>("expected");

    QTest::newRow("small") << qint64(1250) << qint64(-2000) << Amount(-750);
    QTest::newRow("largestPlusZero") << kMax << qint64(0) << Amount(kMax);
    QTest::newRow("largestPlusOne") << kMax << qint64(1) << Amount();
    QTest::newRow("largestPlusLargest") << kMax << kMax << Amount();
    QTest::newRow("mostNegativeMinusOne") << kMin << qint64(-1) << Amount();
    QTest::newRow("mostNegativeTwice") << kMin << kMin << Amount();
    QTest::newRow("mostNegativePlusLargest") << kMin << kMax << Amount(-1);
    QTest::newRow("mostNegativePlusZero") << kMin << qint64(0) << Amount(kMin);
    QTest::newRow("largestMinusOne") << kMax << qint64(-1) << Amount(kMax - 1);
}

void tst_Money::checkedAdd()
{
    QFETCH(qint64, a);
    QFETCH(qint64, b);
    QFETCH(Amount, expected);
    QCOMPARE(::checkedAdd(a, b), expected);
    QCOMPARE(::checkedAdd(b, a), expected);
}

QTEST_GUILESS_MAIN(tst_Money)
#include "tst_money.moc"
