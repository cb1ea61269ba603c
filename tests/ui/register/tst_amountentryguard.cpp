#include "ui/register/amountentryguard.h"

#include <QTest>

class tst_AmountEntryGuard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void isReadable_data();
    void isReadable();
};

void tst_AmountEntryGuard::isReadable_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<bool>("readable");

    QTest::newRow("amount") << "12.50" << Currency::USD << true;
    QTest::newRow("symbolAndGrouping") << "$1,234.56" << Currency::USD << true;
    QTest::newRow("zero") << "0" << Currency::USD << true;
    QTest::newRow("zeroWithCents") << "0.00" << Currency::USD << true;
    QTest::newRow("pointZero") << ".0" << Currency::USD << true;
    QTest::newRow("negativeZero") << "-0" << Currency::USD << true;
    QTest::newRow("wholeYen") << "¥1,500" << Currency::JPY << true;
    QTest::newRow("empty") << "" << Currency::USD << false;
    QTest::newRow("blank") << "   " << Currency::USD << false;
    QTest::newRow("symbolOnly") << "$" << Currency::USD << false;
    QTest::newRow("signOnly") << "-" << Currency::USD << false;
    QTest::newRow("pointOnly") << "." << Currency::USD << false;
    QTest::newRow("letters") << "abc" << Currency::USD << false;
    QTest::newRow("notANumber") << "nan" << Currency::USD << false;
    QTest::newRow("pastSixtyFourBits") << "99999999999999999999" << Currency::USD << false;
    QTest::newRow("yenFraction") << "1500.5" << Currency::JPY << false;
    QTest::newRow("otherSymbol") << "$5" << Currency::EUR << false;
}

void tst_AmountEntryGuard::isReadable()
{
    QFETCH(QString, text);
    QFETCH(Currency, currency);
    QFETCH(bool, readable);
    QCOMPARE(AmountEntryGuard::isReadable(text, currency), readable);
}

QTEST_GUILESS_MAIN(tst_AmountEntryGuard)
#include "tst_amountentryguard.moc"
