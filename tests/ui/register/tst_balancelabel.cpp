#include "ui/register/balancelabel.h"

#include <QTest>

class tst_BalanceLabel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keepsOrdinaryAmountsWhole_data();
    void keepsOrdinaryAmountsWhole();
};

void tst_BalanceLabel::keepsOrdinaryAmountsWhole_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<bool>("mayBeCut");

    QTest::newRow("zero") << "$0.00" << false;
    QTest::newRow("thousands") << "-$1,234.56" << false;
    QTest::newRow("yen") << "¥9,519,100" << false;
    QTest::newRow("largestKept") << "-$999,999,999.99" << false;
    QTest::newRow("trillions") << "$1,234,567,890,123.45" << true;
}

void tst_BalanceLabel::keepsOrdinaryAmountsWhole()
{
    QFETCH(QString, amount);
    QFETCH(bool, mayBeCut);

    QWidget window;
    auto *label = new BalanceLabel(&window);
    label->setText(amount);
    const QFontMetrics metrics = label->fontMetrics();
    QCOMPARE(label->sizeHint().width(), metrics.horizontalAdvance(amount));
    if (mayBeCut) {
        QCOMPARE(label->minimumSizeHint().width(), metrics.horizontalAdvance(QStringLiteral("-$999,999,999.99")));
        QVERIFY(label->minimumSizeHint().width() < label->sizeHint().width());
    } else {
        QCOMPARE(label->minimumSizeHint().width(), label->sizeHint().width());
    }

    // At its minimum width an amount is either whole or visibly cut short.
    label->setGeometry(0, 0, label->minimumSizeHint().width(), label->sizeHint().height());
    window.resize(400, 40);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(label->isElided(), mayBeCut);
    QCOMPARE(label->fullText(), amount);
    if (mayBeCut)
        QVERIFY(label->elidedText().endsWith(QChar(0x2026)));
}

QTEST_MAIN(tst_BalanceLabel)
#include "tst_balancelabel.moc"
