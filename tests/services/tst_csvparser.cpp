#include "services/csvparser.h"

#include <QTest>

#include <limits>
#include <optional>

class tst_CsvParser : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parse_data();
    void parse();
    void hostileTextNeverBreaksTheParser_data();
    void hostileTextNeverBreaksTheParser();
    void columnsPerRowAreBounded();
    void firstRowsThenTheRest_data();
    void firstRowsThenTheRest();
    void dates_data();
    void dates();
    void amounts_data();
    void amounts();
};

using Rows = QList<QStringList>;

void tst_CsvParser::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Rows>("rows");

    QTest::newRow("plain") << "a,b,c\n1,2,3\n" << Rows{{"a", "b", "c"}, {"1", "2", "3"}};
    QTest::newRow("crlf") << "a,b\r\n1,2\r\n" << Rows{{"a", "b"}, {"1", "2"}};
    QTest::newRow("noFinalNewline") << "a,b\n1,2" << Rows{{"a", "b"}, {"1", "2"}};
    QTest::newRow("embeddedComma") << "\"Smith, J\",5\n" << Rows{{"Smith, J", "5"}};
    QTest::newRow("doubledQuotes") << "\"say \"\"hi\"\"\",x\n" << Rows{{"say \"hi\"", "x"}};
    QTest::newRow("newlineInQuotes") << "\"line1\nline2\",x\ny,z\n" << Rows{{"line1\nline2", "x"}, {"y", "z"}};
    QTest::newRow("crlfInQuotesKept") << "\"a\r\nb\"\n" << Rows{{"a\r\nb"}};
    QTest::newRow("trimmed") << "  a  , b \n" << Rows{{"a", "b"}};
    QTest::newRow("blankLinesDropped") << "a\n\n\r\n  \nb\n" << Rows{{"a"}, {"b"}};
    QTest::newRow("emptyCellsKept") << ",,\n" << Rows{{"", "", ""}};
    QTest::newRow("quotedEmptyLineDropped") << "\"\"\na\n" << Rows{{"a"}};
    QTest::newRow("empty") << "" << Rows{};
    QTest::newRow("unterminatedQuoteRunsToEnd") << "a,\"b,c\nd" << Rows{{"a", "b,c\nd"}};
    // A double quote inside a cell is text, not the start of a quoted stretch.
    QTest::newRow("quoteMidField") << "ab\"c,d\"e,f\n" << Rows{{"ab\"c", "d\"e", "f"}};
    QTest::newRow("inchMark") << "2024-01-05,6\" Sub Shop,-7.50\n" << Rows{{"2024-01-05", "6\" Sub Shop", "-7.50"}};
    QTest::newRow("coordinates") << "37°36'37.8\"N,122°22'30.1\"W\nnext,row\n"
                                 << Rows{{"37°36'37.8\"N", "122°22'30.1\"W"}, {"next", "row"}};
    QTest::newRow("quoteAfterBlanksOpens") << "a, \"b,c\"\n" << Rows{{"a", "b,c"}};
    QTest::newRow("quoteAfterQuotedStretch") << "\"ab\"c\"d,e\n" << Rows{{"abc\"d", "e"}};
    QTest::newRow("trailingQuote") << "12\",x\n" << Rows{{"12\"", "x"}};
}

void tst_CsvParser::parse()
{
    QFETCH(QString, text);
    QFETCH(Rows, rows);
    QCOMPARE(CsvParser::parse(text), rows);
}

void tst_CsvParser::hostileTextNeverBreaksTheParser_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("loneQuote") << "\"";
    QTest::newRow("manyQuotes") << QString(1001, u'"');
    QTest::newRow("controlCharacters") << QString::fromLatin1("\x01\x02,\x7f\n\0,\xff", 9);
    QTest::newRow("onlyCarriageReturns") << QString(50, u'\r');
}

void tst_CsvParser::hostileTextNeverBreaksTheParser()
{
    QFETCH(QString, text);
    const Rows rows = CsvParser::parse(text);
    for (const QStringList &row : rows) {
        QVERIFY(!row.isEmpty());
        QVERIFY(row.size() <= CsvParser::kMaxColumns);
    }
}

void tst_CsvParser::columnsPerRowAreBounded()
{
    const Rows rows = CsvParser::parse(QString(5000, u',') + QStringLiteral("\nx,y\n"));
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[0].size(), CsvParser::kMaxColumns);
    QCOMPARE(rows[1], QStringList({"x", "y"}));
}

void tst_CsvParser::firstRowsThenTheRest_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("first");

    QTest::newRow("plain") << "a,b\n1,2\n3,4\n5,6\n" << 2;
    QTest::newRow("quotedLineBreakAtTheCut") << "a\n\"x\ny\",z\nlast\n" << 1;
    QTest::newRow("blankLinesBetween") << "a\n\n\nb\n\nc" << 2;
    QTest::newRow("fewerRowsThanAsked") << "a\nb\n" << 5;
    QTest::newRow("noFinalLineBreak") << "a\nb" << 1;
    QTest::newRow("nothingAsked") << "a\nb\n" << 0;
}

void tst_CsvParser::firstRowsThenTheRest()
{
    QFETCH(QString, text);
    QFETCH(int, first);
    qsizetype consumed = -1;
    const Rows head = CsvParser::parse(text, first, &consumed);
    QVERIFY(head.size() <= qMax(first, 0) || consumed == text.size());
    QVERIFY(consumed >= 0 && consumed <= text.size());
    QCOMPARE(head + CsvParser::parse(QStringView(text).sliced(consumed)), CsvParser::parse(text));
}

void tst_CsvParser::dates_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QDate>("expected");

    QTest::newRow("iso") << "2024-03-15" << "" << QDate(2024, 3, 15);
    QTest::newRow("compact") << "20240315" << "" << QDate(2024, 3, 15);
    QTest::newRow("usSlashes") << "03/15/2024" << "" << QDate(2024, 3, 15);
    QTest::newRow("usShort") << "3/5/2024" << "" << QDate(2024, 3, 5);
    QTest::newRow("ambiguousReadsMonthFirst") << "05/06/2024" << "" << QDate(2024, 5, 6);
    QTest::newRow("dayAbove12ReadsDayFirst") << "13/06/2024" << "" << QDate(2024, 6, 13);
    QTest::newRow("twoDigitYearIn2000s") << "03/15/24" << "" << QDate(2024, 3, 15);
    QTest::newRow("twoDigitYear99") << "12/31/99" << "" << QDate(2099, 12, 31);
    QTest::newRow("twoDigitYear00") << "1/2/00" << "" << QDate(2000, 1, 2);
    QTest::newRow("leapDayOfTwoDigitYear2000") << "02/29/00" << "" << QDate(2000, 2, 29);
    QTest::newRow("noLeapDayIn2001") << "02/29/01" << "" << QDate();
    QTest::newRow("yearFirstSlashes") << "2024/03/15" << "" << QDate(2024, 3, 15);
    QTest::newRow("longMonthName") << "March 15, 2024" << "" << QDate(2024, 3, 15);
    QTest::newRow("shortMonthName") << "Mar 5, 2024" << "" << QDate(2024, 3, 5);
    QTest::newRow("leapDay") << "2024-02-29" << "" << QDate(2024, 2, 29);
    QTest::newRow("notALeapYear") << "2023-02-29" << "" << QDate();
    QTest::newRow("garbage") << "yesterday" << "" << QDate();
    QTest::newRow("empty") << "" << "" << QDate();
    QTest::newRow("absurdlyLong") << QString(100000, u'1') << "" << QDate();
    QTest::newRow("formatWins") << "05/06/2024" << "dd/MM/yyyy" << QDate(2024, 6, 5);
    QTest::newRow("formatFailsFallsBack") << "2024-06-05" << "dd.MM.yyyy" << QDate(2024, 6, 5);
    QTest::newRow("formatTwoDigitYear") << "05.06.99" << "dd.MM.yy" << QDate(2099, 6, 5);
    QTest::newRow("formatLeapDayTwoDigitYear") << "29.02.00" << "dd.MM.yy" << QDate(2000, 2, 29);
    QTest::newRow("formatMonthNameTwoDigitYear") << "05-Jan-24" << "dd-MMM-yy" << QDate(2024, 1, 5);
    QTest::newRow("formatFourDigitYearUntouched") << "05.06.1999" << "dd.MM.yyyy" << QDate(1999, 6, 5);
    QTest::newRow("formatQuotedYyIsLiteral") << "yy 05.06.1999" << "'yy' dd.MM.yyyy" << QDate(1999, 6, 5);
}

void tst_CsvParser::dates()
{
    QFETCH(QString, cell);
    QFETCH(QString, format);
    QFETCH(QDate, expected);
    QCOMPARE(CsvParser::parseDate(cell, format), expected);
}

using Amount = std::optional<qint64>;
Q_DECLARE_METATYPE(Amount)
Q_DECLARE_METATYPE(Currency)

void tst_CsvParser::amounts_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<Amount>("expected");
    QTest::addColumn<Currency>("currency");

    QTest::newRow("plain") << "12.34" << Amount(1234) << Currency::USD;
    QTest::newRow("negative") << "-12.34" << Amount(-1234) << Currency::USD;
    QTest::newRow("dollarAndGrouping") << "$1,234.56" << Amount(123456) << Currency::USD;
    QTest::newRow("negativeDollar") << "-$5.00" << Amount(-500) << Currency::USD;
    QTest::newRow("roundsToCents") << "0.125" << Amount(13) << Currency::USD;
    QTest::newRow("wholeNumber") << "7" << Amount(700) << Currency::USD;
    QTest::newRow("leadingPlus") << "+7.5" << Amount(750) << Currency::USD;
    QTest::newRow("parentheses") << "(12.00)" << Amount(-1200) << Currency::USD;
    QTest::newRow("parenthesesDollar") << "($12.00)" << Amount(-1200) << Currency::USD;
    QTest::newRow("parenthesesSpaced") << "( 1,000.00 )" << Amount(-100000) << Currency::USD;
    QTest::newRow("zero") << "0.00" << Amount(0) << Currency::USD;
    QTest::newRow("empty") << "" << Amount() << Currency::USD;
    QTest::newRow("text") << "n/a" << Amount() << Currency::USD;
    QTest::newRow("trailingText") << "12.00 CR" << Amount() << Currency::USD;
    QTest::newRow("infinity") << "inf" << Amount() << Currency::USD;
    QTest::newRow("nan") << "nan" << Amount() << Currency::USD;
    QTest::newRow("outOf64Bits") << "99999999999999999999" << Amount() << Currency::USD;
    QTest::newRow("lonelyParentheses") << "()" << Amount() << Currency::USD;
    QTest::newRow("doubleMinus") << "--5" << Amount() << Currency::USD;
    // Exact decimal reading: the half cent is not lost to binary rounding,
    // and the whole 64-bit range survives.
    QTest::newRow("halfCent") << "1.005" << Amount(101) << Currency::USD;
    QTest::newRow("negativeHalfCent") << "-1.005" << Amount(-101) << Currency::USD;
    QTest::newRow("parenthesesHalfCent") << "(1.005)" << Amount(-101) << Currency::USD;
    QTest::newRow("parenthesesAroundMinus") << "(-5)" << Amount(500) << Currency::USD;
    QTest::newRow("dollarBeforeParentheses") << "$(12.00)" << Amount(-1200) << Currency::USD;
    QTest::newRow("exponent") << "1.5e3" << Amount(150000) << Currency::USD;
    QTest::newRow("largest") << "$92,233,720,368,547,758.07" << Amount(std::numeric_limits<qint64>::max()) << Currency::USD;
    QTest::newRow("largestNegative") << "(92233720368547758.07)" << Amount(-std::numeric_limits<qint64>::max()) << Currency::USD;
    QTest::newRow("roundsPastLargest") << "92233720368547758.075" << Amount() << Currency::USD;
    QTest::newRow("noOpposite") << "-92233720368547758.08" << Amount() << Currency::USD;
    QTest::newRow("twoPoints") << "1.2.3" << Amount() << Currency::USD;
    QTest::newRow("minusPlus") << "-+5" << Amount() << Currency::USD;
    QTest::newRow("parenthesesInside") << "1(2)" << Amount() << Currency::USD;
    // Yen have no minor unit: the amount is whole yen, rounded on the exact decimal.
    QTest::newRow("yen") << "1200" << Amount(1200) << Currency::JPY;
    QTest::newRow("yenSymbolAndGrouping") << "¥1,200" << Amount(1200) << Currency::JPY;
    QTest::newRow("yenHalfRoundsAway") << "-1200.5" << Amount(-1201) << Currency::JPY;
    QTest::newRow("yenBelowHalf") << "0.4" << Amount(0) << Currency::JPY;
    QTest::newRow("yenParentheses") << "(¥980)" << Amount(-980) << Currency::JPY;
    QTest::newRow("yenLargest") << "9,223,372,036,854,775,807" << Amount(std::numeric_limits<qint64>::max())
                                << Currency::JPY;
    QTest::newRow("euroSymbol") << "€12.50" << Amount(1250) << Currency::EUR;
    QTest::newRow("euroSymbolNotDollarsOnly") << "€12.50" << Amount() << Currency::USD;
}

void tst_CsvParser::amounts()
{
    QFETCH(QString, cell);
    QFETCH(Amount, expected);
    QFETCH(Currency, currency);
    QCOMPARE(CsvParser::parseAmount(cell, currency), expected);
}

QTEST_GUILESS_MAIN(tst_CsvParser)
#include "tst_csvparser.moc"
