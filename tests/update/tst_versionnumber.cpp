#include "update/versionnumber.h"

#include <QTest>

using OrlUpdate::parseVersion;
using OrlUpdate::VersionNumber;

// Version texts as the manifest and the settings hold them.
class tst_VersionNumber : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parse_data();
    void parse();
    void order_data();
    void order();
};

void tst_VersionNumber::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("isVersion");

    QTest::newRow("three parts") << "1.2.3" << "1.2.3" << true;
    QTest::newRow("two parts") << "1.2" << "1.2.0" << true;
    QTest::newRow("one part") << "1" << "1.0.0" << true;
    QTest::newRow("many digits") << "10.20.300" << "10.20.300" << true;
    QTest::newRow("leading zero") << "1.02.3" << "1.2.3" << true;
    QTest::newRow("four parts") << "1.2.3.4" << "0.0.0" << false;
    QTest::newRow("letter part") << "1.2.x" << "0.0.0" << false;
    QTest::newRow("suffix") << "1.2.3-beta" << "0.0.0" << false;
    QTest::newRow("empty") << "" << "0.0.0" << false;
    QTest::newRow("empty part") << "1..3" << "0.0.0" << false;
    QTest::newRow("trailing dot") << "1.2." << "0.0.0" << false;
    QTest::newRow("sign") << "+1.2.3" << "0.0.0" << false;
    QTest::newRow("negative") << "1.-2.3" << "0.0.0" << false;
    QTest::newRow("space") << " 1.2.3" << "0.0.0" << false;
    QTest::newRow("beyond int") << "99999999999.0.0" << "0.0.0" << false;
    QTest::newRow("arabic-indic digits") << QString::fromUtf8("\u0661.\u0662") << "0.0.0" << false;
}

void tst_VersionNumber::parse()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QFETCH(bool, isVersion);
    QCOMPARE(parseVersion(text).toString(), expected);
    QCOMPARE(OrlUpdate::isVersionText(text), isVersion);
}

void tst_VersionNumber::order_data()
{
    QTest::addColumn<QString>("lower");
    QTest::addColumn<QString>("higher");

    QTest::newRow("patch, numerically") << "1.1.2" << "1.1.10";
    QTest::newRow("minor beats patch") << "1.1.99" << "1.2.0";
    QTest::newRow("major beats minor") << "1.99.99" << "2.0.0";
    QTest::newRow("short form") << "1.1" << "1.1.1";
    QTest::newRow("unreadable is lowest") << "garbage" << "0.0.1";
}

void tst_VersionNumber::order()
{
    QFETCH(QString, lower);
    QFETCH(QString, higher);
    QVERIFY(parseVersion(lower) < parseVersion(higher));
    QVERIFY(!(parseVersion(higher) < parseVersion(lower)));
    QVERIFY(!(parseVersion(lower) < parseVersion(lower)));
    QVERIFY(parseVersion(lower) == parseVersion(lower));
}

QTEST_GUILESS_MAIN(tst_VersionNumber)
#include "tst_versionnumber.moc"
