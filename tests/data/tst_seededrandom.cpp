#include "bench/seededrandom.h"

#include <QTest>

class tst_SeededRandom : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void knownSequence_data();
    void knownSequence();
    void belowStaysInRange_data();
    void belowStaysInRange();
    void betweenIsInclusive();
    void chanceExtremes();
};

// Reference outputs of SplitMix64, so the generated data cannot change
// silently with a compiler or a standard library.
void tst_SeededRandom::knownSequence_data()
{
    QTest::addColumn<quint64>("seed");
    QTest::addColumn<quint64>("first");
    QTest::addColumn<quint64>("second");

    QTest::newRow("zero") << quint64(0) << quint64(0xe220a8397b1dcdafULL) << quint64(0x6e789e6aa1b965f4ULL);
    QTest::newRow("1234567") << quint64(1234567) << quint64(6457827717110365317ULL)
                             << quint64(3203168211198807973ULL);
}

void tst_SeededRandom::knownSequence()
{
    QFETCH(quint64, seed);
    QFETCH(quint64, first);
    QFETCH(quint64, second);
    SeededRandom random(seed);
    QCOMPARE(random.next(), first);
    QCOMPARE(random.next(), second);
}

void tst_SeededRandom::belowStaysInRange_data()
{
    QTest::addColumn<quint64>("bound");

    QTest::newRow("one") << quint64(1);
    QTest::newRow("two") << quint64(2);
    QTest::newRow("seven") << quint64(7);
    QTest::newRow("justOverHalfTheRange") << (quint64(1) << 63) + 1;
}

void tst_SeededRandom::belowStaysInRange()
{
    QFETCH(quint64, bound);
    SeededRandom random(42);
    quint64 largest = 0;
    for (int i = 0; i < 2000; ++i) {
        const quint64 value = random.below(bound);
        QVERIFY(value < bound);
        largest = qMax(largest, value);
    }
    // Small bounds are covered to the top.
    if (bound <= 7)
        QCOMPARE(largest, bound - 1);
    QCOMPARE(SeededRandom(1).below(0), quint64(0));
}

void tst_SeededRandom::betweenIsInclusive()
{
    SeededRandom random(3);
    bool sawLow = false;
    bool sawHigh = false;
    for (int i = 0; i < 500; ++i) {
        const qint64 value = random.between(-2, 2);
        QVERIFY(value >= -2 && value <= 2);
        sawLow = sawLow || value == -2;
        sawHigh = sawHigh || value == 2;
    }
    QVERIFY(sawLow && sawHigh);
    QCOMPARE(random.between(5, 5), qint64(5));
    QCOMPARE(random.between(9, 1), qint64(9));
}

void tst_SeededRandom::chanceExtremes()
{
    SeededRandom random(11);
    int hits = 0;
    for (int i = 0; i < 300; ++i) {
        QVERIFY(!random.chance(0));
        QVERIFY(random.chance(100));
        hits += random.chance(50) ? 1 : 0;
    }
    QVERIFY(hits > 0 && hits < 300);
}

QTEST_GUILESS_MAIN(tst_SeededRandom)
#include "tst_seededrandom.moc"
