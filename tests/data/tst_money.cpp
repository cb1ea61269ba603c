#include "data/money.h"

#include <QTest>

#include <limits>

Q_DECLARE_METATYPE(Currency)

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
    QTest::newRow("binaryHalf") << "1.005" << Currency::USD << qint64(100);
    QTest::newRow("negativeHalfAwayFromZero") << "-0.125" << Currency::USD << qint64(-13);
    QTest::newRow("letters") << "abc" << Currency::USD << qint64(0);
    QTest::newRow("empty") << "" << Currency::USD << qint64(0);
    QTest::newRow("onlySymbol") << "$" << Currency::USD << qint64(0);
    QTest::newRow("parentheses") << "(5.00)" << Currency::USD << qint64(0);
    QTest::newRow("yen") << "¥1,500" << Currency::JPY << qint64(1500);
    QTest::newRow("yenFraction") << "1500.5" << Currency::JPY << qint64(0);
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

QTEST_GUILESS_MAIN(tst_Money)
#include "tst_money.moc"
