#include "services/qifparser.h"

#include <QTest>

#include <limits>
#include <optional>

using Amount = std::optional<qint64>;
Q_DECLARE_METATYPE(Amount)

class tst_QifParser : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void amounts_data();
    void amounts();
    void dates_data();
    void dates();
    void dayFirstDetection_data();
    void dayFirstDetection();
    void recordFields();
    void splits();
    void sections();
    void accountsAndTypes();
    void categoryList();
    void incompleteRecordsAreCounted();
    void hostileTextNeverBreaksTheParser_data();
    void hostileTextNeverBreaksTheParser();
};

void tst_QifParser::amounts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Amount>("expected");

    QTest::newRow("plain") << "12.34" << Amount(1234);
    QTest::newRow("negative") << "-100.00" << Amount(-10000);
    QTest::newRow("plus") << "+5" << Amount(500);
    QTest::newRow("parentheses") << "(12.00)" << Amount(-1200);
    QTest::newRow("minusInsideParentheses") << "(-12.00)" << Amount(1200);
    QTest::newRow("currencySymbols") << "\u20AC 1.50" << Amount(150);
    QTest::newRow("poundYenCent") << "\u00A31\u00A5\u00A2" << Amount(100);
    QTest::newRow("dollarNegative") << "-$3.10" << Amount(-310);
    QTest::newRow("europeanBoth") << "1.234,56" << Amount(123456);
    QTest::newRow("usBoth") << "1,234.56" << Amount(123456);
    QTest::newRow("commaGrouping") << "1,234" << Amount(123400);
    QTest::newRow("dotGrouping") << "1.234" << Amount(123400);
    QTest::newRow("repeatedGrouping") << "1,234,567" << Amount(123456700);
    QTest::newRow("badGroupingFirstPart") << "1234,567" << Amount();
    QTest::newRow("badGroupingLaterPart") << "1,23,456" << Amount();
    QTest::newRow("commaDecimal") << "12,50" << Amount(1250);
    QTest::newRow("leadingSeparatorIsDecimal") << ",500" << Amount(50);
    QTest::newRow("spacesInside") << "1 234.5" << Amount(123450);
    QTest::newRow("threeDecimalsReadAsGrouping") << "0.005" << Amount(500);
    QTest::newRow("roundHalfUp") << "0.0050" << Amount(1);
    QTest::newRow("roundHalfAwayFromZero") << "-0.1250" << Amount(-13);
    QTest::newRow("roundDown") << "0.0049" << Amount(0);
    QTest::newRow("empty") << "   " << Amount();
    QTest::newRow("loneDot") << "." << Amount();
    QTest::newRow("letters") << "12a" << Amount();
    QTest::newRow("twoDecimalSeparators") << "1,5.2,3" << Amount();
    QTest::newRow("groupingDroppedWhenBoth") << "1.2.3,4" << Amount(12340);
    QTest::newRow("largest") << "92233720368547757.07" << Amount(9223372036854775707LL);
    QTest::newRow("outOf64Bits") << "92233720368547758.08" << Amount();
    QTest::newRow("hugeDigits") << QString(400, u'9') << Amount();
    // Exact decimal reading with either decimal separator.
    QTest::newRow("halfCentCommaDecimal") << "2,0050" << Amount(201);
    QTest::newRow("halfCentNegative") << "-1.0050" << Amount(-101);
    QTest::newRow("halfCentEuropean") << "1.234,565" << Amount(123457);
    QTest::newRow("halfCentParentheses") << "(1,234.565)" << Amount(-123457);
    QTest::newRow("mostPositive") << "92,233,720,368,547,758.07" << Amount(std::numeric_limits<qint64>::max());
    QTest::newRow("mostPositiveNegated") << "-92233720368547758,07" << Amount(-std::numeric_limits<qint64>::max());
    QTest::newRow("roundsPastLargest") << "92233720368547758.0750" << Amount();
    QTest::newRow("noOpposite") << "-92233720368547758.08" << Amount();
    QTest::newRow("exponentIsNoAmount") << "1e3" << Amount();
    QTest::newRow("minusOnly") << "-" << Amount();
}

void tst_QifParser::amounts()
{
    QFETCH(QString, text);
    QFETCH(Amount, expected);
    QCOMPARE(QifParser::parseAmount(text), expected);
}

void tst_QifParser::dates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("dayFirst");
    QTest::addColumn<QDate>("expected");

    const QDate jan15(2024, 1, 15);
    QTest::newRow("apostropheYear") << "1/15'24" << false << jan15;
    QTest::newRow("dashes") << "01-15-2024" << false << jan15;
    QTest::newRow("dotsYearFirst") << "2024.01.15" << false << jan15;
    QTest::newRow("dayFirstFile") << "15/01/24" << true << jan15;
    QTest::newRow("twoDigit1999") << "12/31/99" << false << QDate(1999, 12, 31);
    QTest::newRow("apostropheWithSpace") << " 1/15' 4" << false << QDate(2004, 1, 15);
    QTest::newRow("monthFirstAmbiguous") << "01/02/2024" << false << QDate(2024, 1, 2);
    QTest::newRow("dayFirstAmbiguous") << "01/02/2024" << true << QDate(2024, 2, 1);
    QTest::newRow("yearAbove31") << "1/2/45" << false << QDate(2045, 1, 2);
    QTest::newRow("yearAbove69Is1900s") << "1/2/85" << false << QDate(1985, 1, 2);
    QTest::newRow("fourDigitShortYear") << "1/2/0024" << false << QDate(2024, 1, 2);
    QTest::newRow("impossibleDay") << "02/30/2024" << false << QDate();
    QTest::newRow("twoParts") << "01/2024" << false << QDate();
    QTest::newRow("notNumbers") << "ab/cd/ef" << false << QDate();
    QTest::newRow("yearBeyond9999") << "1/2/123456" << false << QDate();
    QTest::newRow("hugeNumber") << "99999999999999/1/1" << false << QDate();
    QTest::newRow("empty") << "" << false << QDate();
}

void tst_QifParser::dates()
{
    QFETCH(QString, text);
    QFETCH(bool, dayFirst);
    QFETCH(QDate, expected);
    QCOMPARE(QifParser::parseDate(text, dayFirst), expected);
}

void tst_QifParser::dayFirstDetection_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("dayFirst");

    QTest::newRow("allAmbiguous") << "D01/02/2024\n^\nD03/04/2024\n^\n" << false;
    QTest::newRow("oneLaterDayAbove12") << "D01/02/2024\n^\nD25/12/2024\n^\n" << true;
    QTest::newRow("yearFirstIgnored") << "D2024/12/25\n^\n" << false;
    QTest::newRow("monthFirstDayAbove12") << "D12/25/2024\n^\n" << false;
    QTest::newRow("indentedWithBom") << "\uFEFF  D13.01.2024\n" << true;
    QTest::newRow("noDates") << "PShop\n^\n" << false;
}

void tst_QifParser::dayFirstDetection()
{
    QFETCH(QString, text);
    QFETCH(bool, dayFirst);
    QCOMPARE(QifParser::isDayFirst(text), dayFirst);

    // The whole file follows the detection, including its earlier records.
    const QifFile file = QifParser::parse(QStringLiteral("!Type:Bank\nD01/02/2024\nT1\n^\n") + text);
    QVERIFY(!file.records.isEmpty());
    QCOMPARE(file.records.constFirst().date, dayFirst ? QDate(2024, 2, 1) : QDate(2024, 1, 2));
}

void tst_QifParser::recordFields()
{
    const QifFile file = QifParser::parse(QStringLiteral(
        "!Type:Bank\r\nD03/04/2024\r\nT-1,234.50\r\nPCorner Shop\r\nMweekly run\r\nN1001\r\n"
        "LFood:Groceries/Home\r\nCX\r\n^\r\nD03/05/2024\rU20.00\rT25.00\rL[Savings]\rCR\r^\r"));
    QCOMPARE(file.records.size(), 2);
    const QifRecord &first = file.records[0];
    QCOMPARE(first.date, QDate(2024, 3, 4));
    QCOMPARE(first.amount, -123450);
    QCOMPARE(first.payee, QStringLiteral("Corner Shop"));
    QCOMPARE(first.memo, QStringLiteral("weekly run"));
    QCOMPARE(first.number, QStringLiteral("1001"));
    QCOMPARE(first.category, QStringLiteral("Food:Groceries"));
    QVERIFY(first.transferAccount.isEmpty());
    QVERIFY(first.cleared);
    QVERIFY(!first.reconciled);

    const QifRecord &second = file.records[1];
    QCOMPARE(second.amount, 2500);   // the later amount line wins
    QCOMPARE(second.transferAccount, QStringLiteral("Savings"));
    QVERIFY(second.category.isEmpty());
    QVERIFY(second.cleared);
    QVERIFY(second.reconciled);
}

void tst_QifParser::splits()
{
    const QifFile file = QifParser::parse(QStringLiteral("!Type:Bank\nD1/1/2024\nT-100\nPPay\n"
                                                         "SRent\nEhalf\n$-60\nS[Savings]\n$-40\nEextra\n^\n"));
    QCOMPARE(file.records.size(), 1);
    const QList<QifSplit> &splits = file.records[0].splits;
    QCOMPARE(splits.size(), 2);
    QCOMPARE(splits[0].category, QStringLiteral("Rent"));
    QCOMPARE(splits[0].memo, QStringLiteral("half"));
    QCOMPARE(splits[0].amount, -6000);
    QCOMPARE(splits[1].transferAccount, QStringLiteral("Savings"));
    QCOMPARE(splits[1].amount, -4000);
    QCOMPARE(splits[1].memo, QStringLiteral("extra"));
    QCOMPARE(file.records[0].amount, -10000);   // "$" inside a split is the split's
}

void tst_QifParser::sections()
{
    const QifFile file = QifParser::parse(QStringLiteral("!Option:AutoSwitch\nXsomething\n^\n"
                                                         "!Type:Class\nNWork\n^\nNHome\n^\n"
                                                         "!Type:Memorized\nPRent\nT-5\n^\n"
                                                         "!Type:Security\nNACME\n^\n"
                                                         "!Type:Prices\n\"ACME\",1.5,\"1/1/24\"\n^\n"
                                                         "!Clear:AutoSwitch\n"
                                                         "!Type:Bank\nD1/1/2024\nT5\n^\n"));
    QCOMPARE(file.metadata, 6);
    QCOMPARE(file.records.size(), 1);
    QCOMPARE(file.unparseable, 0);
}

void tst_QifParser::accountsAndTypes()
{
    const QifFile file = QifParser::parse(QStringLiteral(
        "!Account\nNChecking\nTBank\n^\n!Type:Bank\nD1/1/2024\nT5\n^\nD1/2/2024\nT6\n^\n"
        "!Account\nNVisa\n^\n!Type:CCard\nD1/1/2024\nT-5\n^\n"
        "!Account\nNchecking\n^\n!Type:Bank\nD1/3/2024\nT7\n^\n"
        "!Account\nNEmpty\n^\n"));
    QCOMPARE(file.records.size(), 4);
    QCOMPARE(file.records[0].accountName, QStringLiteral("Checking"));
    QCOMPARE(file.records[2].accountName, QStringLiteral("Visa"));
    QCOMPARE(file.records[3].accountName, QStringLiteral("checking"));
    QCOMPARE(file.accounts.size(), 2);   // case-insensitive, and only accounts with records
    QCOMPARE(file.accounts[0].name, QStringLiteral("Checking"));
    QCOMPARE(file.accounts[0].type, QStringLiteral("bank"));
    QCOMPARE(file.accounts[1].name, QStringLiteral("Visa"));
    QCOMPARE(file.accounts[1].type, QStringLiteral("ccard"));

    const QifFile headerless = QifParser::parse(QStringLiteral("D1/1/2024\nT5\n^\n"));
    QCOMPARE(headerless.records.size(), 1);
    QVERIFY(headerless.records[0].accountName.isEmpty());
    QVERIFY(headerless.accounts.isEmpty());
}

void tst_QifParser::categoryList()
{
    const QifFile file = QifParser::parse(
        QStringLiteral("!Type:Cat\nNSalary\nDMonthly pay\nI\n^\nNsalary\nE\n^\nDno name\n^\n"));
    QCOMPARE(file.categories.size(), 2);
    QCOMPARE(file.categories[0].name, QStringLiteral("Salary"));
    QCOMPARE(file.categories[0].description, QStringLiteral("Monthly pay"));
    QVERIFY(file.categories[0].income);
    QCOMPARE(file.categories[1].name, QStringLiteral("salary"));
    QVERIFY(!file.categories[1].income);
    QVERIFY(file.records.isEmpty());
}

void tst_QifParser::incompleteRecordsAreCounted()
{
    const QifFile file = QifParser::parse(QStringLiteral("!Type:Bank\n"
                                                         "PNo date\nT5\n^\n"
                                                         "D1/1/2024\nPNo amount\n^\n"
                                                         "D02/30/2024\nT5\n^\n"
                                                         "D1/1/2024\nTabc\n^\n"
                                                         "Aonly an address\n^\n"
                                                         "^\n"
                                                         "D1/1/2024\nT9\n"));   // no closing "^"
    QCOMPARE(file.unparseable, 4);
    QCOMPARE(file.records.size(), 1);
    QCOMPARE(file.records[0].amount, 900);
}

void tst_QifParser::hostileTextNeverBreaksTheParser_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << QString();
    QTest::newRow("onlyCaret") << "^^^\n^";
    QTest::newRow("onlyBang") << "!\n!!\n!Type:\n";
    QTest::newRow("binary") << QString::fromLatin1("\0\x01\xff\xfe!Type:Bank\n\0D\0T\n^", 19);
    QTest::newRow("splitFieldsWithoutSplit") << "E\n$\nS\n$\nE\n^";
    QTest::newRow("absurdNumbers") << "D999999999999/999999999/99999\nT1e400\n^\n";
}

void tst_QifParser::hostileTextNeverBreaksTheParser()
{
    QFETCH(QString, text);
    const QifFile file = QifParser::parse(text);
    for (const QifRecord &record : file.records)
        QVERIFY(record.date.isValid());
    QVERIFY(file.unparseable >= 0);
}

QTEST_GUILESS_MAIN(tst_QifParser)
#include "tst_qifparser.moc"
