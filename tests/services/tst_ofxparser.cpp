#include "services/ofxparser.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

#include <limits>

Q_DECLARE_METATYPE(AccountType)

namespace {

QByteArray fixture(const QString &name)
{
    QFile file(QFINDTESTDATA(QStringLiteral("data/ofx/") + name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", qPrintable(name));
    return file.readAll();
}

// An SGML checking statement of `lines` lines, FITIDs L0, L1, ...
QByteArray generatedStatement(int lines)
{
    QByteArray text = "OFXHEADER:100\nDATA:OFXSGML\nVERSION:102\n\n<OFX><BANKMSGSRSV1><STMTTRNRS><TRNUID>1"
                      "<STMTRS><CURDEF>USD<BANKACCTFROM><BANKID>1<ACCTID>42<ACCTTYPE>CHECKING</BANKACCTFROM>"
                      "<BANKTRANLIST><DTSTART>20240101<DTEND>20241231\n";
    for (int i = 0; i < lines; ++i) {
        text += "<STMTTRN><TRNTYPE>DEBIT<DTPOSTED>202403" + QByteArray::number(10 + i % 18) + "<TRNAMT>-"
                + QByteArray::number(i + 1) + ".25<FITID>L" + QByteArray::number(i) + "<NAME>Payee "
                + QByteArray::number(i) + "</STMTTRN>\n";
    }
    return text + "</BANKTRANLIST></STMTRS></STMTTRNRS></BANKMSGSRSV1></OFX>\n";
}

int openHandles()
{
    return int(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files | QDir::System).size());
}

} // namespace

class tst_OfxParser : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void accountsOfEachFile_data();
    void accountsOfEachFile();
    void bankStatementLines();
    void creditCardXmlLines();
    void severalAccountsLeaveInvestmentsOut();
    void hugeAmountsAreUnreadableLines();
    void missingFitIdLeavesItEmpty();
    void refusedFiles_data();
    void refusedFiles();
    void blankFloodsInValuesStayLinear();
    void passesSplitTheLines();
    void manyLinesReadInPassesKeepEveryLine();
    void progressCanStopTheReading();
    void noFileHandleIsLeft();
    void amountText_data();
    void amountText();
};

void tst_OfxParser::accountsOfEachFile_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QList<AccountType>>("types");
    QTest::addColumn<QStringList>("currencies");
    QTest::addColumn<int>("lines");

    QTest::newRow("bankSgml") << "bank-sgml.ofx" << QStringList{"121000248  000123456789"}
                              << QList<AccountType>{AccountType::Checking} << QStringList{"USD"} << 5;
    QTest::newRow("creditCardXml") << "creditcard-xml.ofx" << QStringList{"4111111111111111 "}
                                   << QList<AccountType>{AccountType::CreditCard} << QStringList{"JPY"} << 3;
    QTest::newRow("severalAccounts") << "several-accounts.qfx"
                                     << QStringList{"021000021  11112222", "021000021  33334444", "5500000000000004 "}
                                     << QList<AccountType>{AccountType::Checking, AccountType::Savings,
                                                           AccountType::CreditCard}
                                     << QStringList{"USD", "USD", "USD"} << 5;
}

void tst_OfxParser::accountsOfEachFile()
{
    QFETCH(QString, file);
    QFETCH(QStringList, keys);
    QFETCH(QList<AccountType>, types);
    QFETCH(QStringList, currencies);
    QFETCH(int, lines);

    const OfxFile parsed = OfxParser::parseFile(QFINDTESTDATA(QStringLiteral("data/ofx/") + file));
    QVERIFY2(parsed.error.isEmpty(), qPrintable(parsed.error));
    QStringList readKeys;
    QList<AccountType> readTypes;
    QStringList readCurrencies;
    for (const OfxAccount &account : parsed.accounts) {
        readKeys << account.key;
        readTypes << account.suggestedType;
        readCurrencies << account.currency;
    }
    // libofx joins bank id, branch and account number with blanks; the key
    // is its text as it stands, so it matches across files of one bank.
    QCOMPARE(readKeys.size(), keys.size());
    for (int i = 0; i < keys.size(); ++i)
        QCOMPARE(readKeys[i].simplified(), keys[i].simplified());
    QCOMPARE(readTypes, types);
    QCOMPARE(readCurrencies, currencies);
    QCOMPARE(parsed.transactions.size(), lines);
    QCOMPARE(parsed.unparseable, 0);
}

void tst_OfxParser::bankStatementLines()
{
    const OfxFile parsed = OfxParser::parse(fixture(QStringLiteral("bank-sgml.ofx")));
    QVERIFY(parsed.error.isEmpty());
    QCOMPARE(parsed.accounts.size(), 1);
    QCOMPARE(parsed.accounts[0].number, QStringLiteral("000123456789"));
    const QList<OfxTransaction> &t = parsed.transactions;
    QCOMPARE(t.size(), 5);
    QCOMPARE(t[0].accountKey, parsed.accounts[0].key);
    QCOMPARE(t[0].date, QDate(2024, 1, 5));
    QCOMPARE(t[0].amount, QStringLiteral("-45.2"));
    QCOMPARE(t[0].payee, QStringLiteral("Corner Grocer"));
    QCOMPARE(t[0].memo, QStringLiteral("Card 1234"));
    QCOMPARE(t[0].fitId, QStringLiteral("20240105-001"));
    QVERIFY(t[0].checkNumber.isEmpty());
    // A posting time with its time zone; the entity reference is resolved.
    QCOMPARE(t[1].date, QDate(2024, 1, 10));
    QCOMPARE(t[1].checkNumber, QStringLiteral("1042"));
    QCOMPARE(t[1].payee, QStringLiteral("Landlord & Co"));
    // A decimal comma, and a Windows-1252 byte turned into its character.
    QCOMPARE(t[2].amount, QStringLiteral("2500"));
    QCOMPARE(t[2].payee, QStringLiteral("Café Payroll"));
    // Without a name the memo is the payee.
    QCOMPARE(t[3].payee, QStringLiteral("Coffee kiosk"));
    QVERIFY(t[3].memo.isEmpty());
    QCOMPARE(t[4].fitId, QStringLiteral("20240120-005"));
}

void tst_OfxParser::creditCardXmlLines()
{
    const OfxFile parsed = OfxParser::parse(fixture(QStringLiteral("creditcard-xml.ofx")));
    QVERIFY(parsed.error.isEmpty());
    const QList<OfxTransaction> &t = parsed.transactions;
    QCOMPARE(t.size(), 3);
    QCOMPARE(t[0].payee, QStringLiteral("Café Ramen 東京"));
    QCOMPARE(t[0].amount, QStringLiteral("-1200"));
    QCOMPARE(t[1].date, QDate(2024, 2, 29));
    QCOMPARE(t[1].amount, QStringLiteral("-980.5"));
    QCOMPARE(t[1].memo, QStringLiteral("Leap day"));
    QCOMPARE(t[2].fitId, QStringLiteral("CC-0003"));
}

void tst_OfxParser::severalAccountsLeaveInvestmentsOut()
{
    const OfxFile parsed = OfxParser::parse(fixture(QStringLiteral("several-accounts.qfx")));
    QVERIFY(parsed.error.isEmpty());
    QCOMPARE(parsed.investmentStatements, 1);
    QStringList fitIds;
    for (const OfxTransaction &t : parsed.transactions)
        fitIds << t.fitId;
    QCOMPARE(fitIds, QStringList({"CHK-1", "CHK-2", "SAV-1", "SAV-2", "CC-77"}));
    QCOMPARE(parsed.transactions[2].accountKey, parsed.accounts[1].key);
    QCOMPARE(parsed.transactions[4].accountKey, parsed.accounts[2].key);
}

void tst_OfxParser::hugeAmountsAreUnreadableLines()
{
    const OfxFile parsed = OfxParser::parse(fixture(QStringLiteral("huge-amounts.ofx")));
    QVERIFY(parsed.error.isEmpty());
    // 1e400 is no finite number; the others read as texts whose cents the
    // import then refuses or accepts by what fits in 64 bits.
    QCOMPARE(parsed.unparseable, 1);
    QStringList amounts;
    for (const OfxTransaction &t : parsed.transactions)
        amounts << t.amount;
    QCOMPARE(amounts, QStringList({"-1e+23", "92233720368547760", "-92233720368547.75", "-92233720368547.75"}));
}

void tst_OfxParser::missingFitIdLeavesItEmpty()
{
    const OfxFile parsed = OfxParser::parse(fixture(QStringLiteral("missing-fitid.ofx")));
    QVERIFY(parsed.error.isEmpty());
    QCOMPARE(parsed.transactions.size(), 5);
    for (const OfxTransaction &t : parsed.transactions)
        QVERIFY(t.fitId.isEmpty());
}

void tst_OfxParser::refusedFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("error");

    const QByteArray bank = fixture(QStringLiteral("bank-sgml.ofx"));
    QTest::newRow("empty") << QByteArray() << "not an OFX";
    QTest::newRow("csv") << QByteArray("Date,Payee,Amount\n2024-01-05,Shop,-4.50\n") << "not an OFX";
    QByteArray binary(4096, '\0');
    QRandomGenerator generator(7);
    for (char &c : binary)
        c = char(generator.bounded(256));
    binary.replace(100, 5, "<OFX>");
    QTest::newRow("binary") << binary << "not an OFX";
    QTest::newRow("truncated") << bank.left(bank.indexOf("<STMTTRN>") + 60) << "cut off";
    QTest::newRow("truncatedInClosingTag") << bank.left(bank.lastIndexOf("</OFX>") + 4) << "cut off";
    QByteArray unclosedLine = bank;
    unclosedLine.replace(unclosedLine.indexOf("</STMTTRN>"), 10, "");
    QTest::newRow("unclosedLine") << unclosedLine << "not closed";
    QByteArray irregularLine = bank;
    irregularLine.replace(irregularLine.indexOf("<STMTTRN>"), 9, "<STMTTRN x>");
    QTest::newRow("irregularLineTag") << irregularLine << "not closed";
    QByteArray unclosedInvestments = fixture(QStringLiteral("several-accounts.qfx"));
    unclosedInvestments.replace("</INVSTMTMSGSRSV1>", "");
    QTest::newRow("unclosedInvestmentSection") << unclosedInvestments << "not closed";
    QByteArray manyStatements = "<OFX><BANKMSGSRSV1>";
    for (int i = 0; i <= OfxParser::kMaxStatements; ++i)
        manyStatements += "<STMTTRNRS><STMTRS><CURDEF>USD</STMTRS></STMTTRNRS>";
    QTest::newRow("tooManyStatements") << manyStatements + "</BANKMSGSRSV1></OFX>" << "more than";
    QTest::newRow("headerTooLong") << QByteArray(70 * 1024, 'A') + bank << "not an OFX";
}

void tst_OfxParser::refusedFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);
    const OfxFile parsed = OfxParser::parse(bytes);
    QVERIFY2(parsed.error.contains(error), qPrintable(parsed.error));
    QVERIFY(parsed.accounts.isEmpty());
    QVERIFY(parsed.transactions.isEmpty());
}

void tst_OfxParser::blankFloodsInValuesStayLinear()
{
    // libofx removes tabs and line breaks inside a value one at a time; a
    // value of a million of them would take it hours.
    QByteArray bank = fixture(QStringLiteral("bank-sgml.ofx"));
    QByteArray flood = "Corner";
    for (int i = 0; i < 500000; ++i)
        flood += "\t\n";
    bank.replace("Corner", flood);
    const OfxFile parsed = OfxParser::parse(bank);
    QVERIFY(parsed.error.isEmpty());
    QCOMPARE(parsed.transactions.size(), 5);
    QCOMPARE(parsed.transactions[0].payee, QStringLiteral("Corner Grocer"));
}

void tst_OfxParser::passesSplitTheLines()
{
    const OfxParser::Passes passes = OfxParser::passes(generatedStatement(2500), 1000);
    QVERIFY(passes.error.isEmpty());
    QCOMPARE(passes.lines, 2500);
    QCOMPARE(passes.documents.size(), 3);
    const QList<int> expected = {1000, 1000, 500};
    for (int k = 0; k < 3; ++k) {
        const QByteArray &document = passes.documents[k];
        QCOMPARE(int(document.count("<STMTTRN>")), expected[k]);
        QCOMPARE(int(document.count("</STMTTRN>")), expected[k]);
        QVERIFY(document.contains("<FITID>L" + QByteArray::number(k * 1000) + "<"));
        QVERIFY(document.startsWith("OFXHEADER:100\nDATA:OFXSGML\nVERSION:102\n"));
        QVERIFY(document.contains("<ACCTID>42"));
        QVERIFY(document.trimmed().endsWith("</OFX>"));
    }
    QCOMPARE(OfxParser::passes(generatedStatement(1000), 1000).documents.size(), 1);
}

void tst_OfxParser::manyLinesReadInPassesKeepEveryLine()
{
    const int lines = 3 * OfxParser::kLinesPerPass + 17;
    const OfxFile parsed = OfxParser::parse(generatedStatement(lines));
    QVERIFY(parsed.error.isEmpty());
    QCOMPARE(parsed.accounts.size(), 1);   // once, though every pass names it
    QCOMPARE(parsed.transactions.size(), lines);
    for (int i = 0; i < lines; ++i) {
        QCOMPARE(parsed.transactions[i].fitId, QStringLiteral("L%1").arg(i));
        QCOMPARE(parsed.transactions[i].amount, QStringLiteral("-%1.25").arg(i + 1));
    }
}

void tst_OfxParser::progressCanStopTheReading()
{
    QList<QPair<int, int>> reports;
    const OfxFile all = OfxParser::parse(generatedStatement(2500), [&reports](int read, int total) {
        reports.append({read, total});
        return true;
    });
    QCOMPARE(reports, (QList<QPair<int, int>>{{1000, 2500}, {2000, 2500}, {2500, 2500}}));
    QCOMPARE(all.transactions.size(), 2500);

    int calls = 0;
    const OfxFile stopped = OfxParser::parse(generatedStatement(2500), [&calls](int, int) { return ++calls < 2; });
    QCOMPARE(calls, 2);
    QVERIFY(stopped.cancelled);
    QVERIFY(stopped.transactions.isEmpty());
    QVERIFY(stopped.accounts.isEmpty());
}

void tst_OfxParser::noFileHandleIsLeft()
{
#ifdef Q_OS_LINUX
    const QByteArray bank = fixture(QStringLiteral("bank-sgml.ofx"));
    OfxParser::parse(bank);
    const int before = openHandles();
    for (int i = 0; i < 20; ++i)
        QCOMPARE(OfxParser::parse(bank).transactions.size(), 5);
    QCOMPARE(openHandles(), before);
#else
    QSKIP("file handles are counted through /proc");
#endif
}

void tst_OfxParser::amountText_data()
{
    QTest::addColumn<double>("amount");
    QTest::addColumn<QString>("text");

    QTest::newRow("cents") << -45.2 << "-45.2";
    QTest::newRow("whole") << 2500.0 << "2500";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("tiny") << 0.01 << "0.01";
    QTest::newRow("sumIsNotRounded") << 0.1 + 0.2 << "0.30000000000000004";
    QTest::newRow("large") << 1e20 << "1e+20";
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << "";
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << "";
}

void tst_OfxParser::amountText()
{
    QFETCH(double, amount);
    QFETCH(QString, text);
    QCOMPARE(OfxParser::amountText(amount), text);
}

QTEST_GUILESS_MAIN(tst_OfxParser)
#include "tst_ofxparser.moc"
