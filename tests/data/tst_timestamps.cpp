#include "data/timestamps.h"
#include "data/uuids.h"

#include <QRegularExpression>
#include <QTest>

class tst_Timestamps : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void timestampRoundTripsInWholeSeconds();
    void nowIsUtcWithZ();
    void optionalDeletedAt_data();
    void optionalDeletedAt();
    void dates_data();
    void dates();
    void brokenDates_data();
    void brokenDates();
    void uuids();
};

void tst_Timestamps::timestampRoundTripsInWholeSeconds()
{
    const QDateTime written(QDate(2024, 3, 5), QTime(9, 5, 3, 789), Qt::UTC);
    const QString text = timestampToText(written);
    QCOMPARE(text, QStringLiteral("2024-03-05T09:05:03Z"));
    QCOMPARE(timestampFromText(text), written.addMSecs(-789));

    // A local time is written as the same instant in UTC.
    const QDateTime offset(QDate(2024, 3, 5), QTime(11, 5, 3), Qt::OffsetFromUTC, 7200);
    QCOMPARE(timestampToText(offset), QStringLiteral("2024-03-05T09:05:03Z"));
}

void tst_Timestamps::nowIsUtcWithZ()
{
    static const QRegularExpression form(QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\dZ$"));
    QVERIFY(form.match(nowTimestamp()).hasMatch());
}

void tst_Timestamps::optionalDeletedAt_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("present");
    QTest::newRow("null") << QString() << false;
    QTest::newRow("empty") << QStringLiteral("") << false;
    QTest::newRow("timestamp") << QStringLiteral("2024-01-01T00:00:00Z") << true;
}

void tst_Timestamps::optionalDeletedAt()
{
    QFETCH(QString, text);
    QFETCH(bool, present);
    QCOMPARE(optionalTimestampFromText(text).has_value(), present);
}

void tst_Timestamps::dates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date");
    QTest::newRow("plain") << "2024-02-29" << QDate(2024, 2, 29);
    QTest::newRow("notLeap") << "2023-02-29" << QDate();
    QTest::newRow("usOrder") << "03/15/2024" << QDate();
    QTest::newRow("empty") << "" << QDate();
}

void tst_Timestamps::dates()
{
    QFETCH(QString, text);
    QFETCH(QDate, date);
    QCOMPARE(dateFromText(text), date);
    if (date.isValid())
        QCOMPARE(dateToText(date), text);
}

void tst_Timestamps::brokenDates_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<bool>("broken");
    QTest::newRow("invalid") << QDate() << true;
    QTest::newRow("lastDayBefore2000") << QDate(1999, 12, 31) << true;
    QTest::newRow("firstDayOf2000") << QDate(2000, 1, 1) << false;
    QTest::newRow("recent") << QDate(2024, 6, 1) << false;
}

void tst_Timestamps::brokenDates()
{
    QFETCH(QDate, date);
    QFETCH(bool, broken);
    QCOMPARE(isBrokenDate(date), broken);
}

void tst_Timestamps::uuids()
{
    static const QRegularExpression form(
        QStringLiteral("^[0-9a-f]{8}-[0-9a-f]{4}-4[0-9a-f]{3}-[0-9a-f]{4}-[0-9a-f]{12}$"));
    const QString a = newUuid();
    QVERIFY2(form.match(a).hasMatch(), qPrintable(a));
    QVERIFY(a != newUuid());

    // RFC 4122 appendix example as corrected by errata: www.example.com in the DNS namespace.
    QCOMPARE(uuidV5(kCategoryNamespace, QStringLiteral("www.example.com")),
             QStringLiteral("2ed6657d-e927-568b-95e1-2665a8aea6a2"));
    // Name-based ids hash the UTF-8 bytes, so non-ASCII names are stable.
    QCOMPARE(uuidV5(kRecurringOccurrenceNamespace, QStringLiteral("café")),
             uuidV5(kRecurringOccurrenceNamespace, QString::fromUtf8("caf\xc3\xa9")));
    QVERIFY(uuidV5(kRecurringOccurrenceNamespace, QStringLiteral("a"))
            != uuidV5(kCategoryNamespace, QStringLiteral("a")));
}

QTEST_GUILESS_MAIN(tst_Timestamps)
#include "tst_timestamps.moc"
