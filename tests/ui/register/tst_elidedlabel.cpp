#include "ui/register/elidedlabel.h"

#include <QApplication>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>

class tst_ElidedLabel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sizeHintsAllowShrinking();
    void elidesAtTheRightEnd_data();
    void elidesAtTheRightEnd();
    void setTextIsTheFullText();
    void toolTipShowsWholeTextWhileCut_data();
    void toolTipShowsWholeTextWhileCut();
};

void tst_ElidedLabel::sizeHintsAllowShrinking()
{
    ElidedLabel label;
    label.setFullText(QStringLiteral("Everyday Checking at the Credit Union"));
    QCOMPARE(label.fullText(), QStringLiteral("Everyday Checking at the Credit Union"));
    QCOMPARE(label.text(), label.fullText());
    const QFontMetrics metrics = label.fontMetrics();
    QCOMPARE(label.sizeHint(), QSize(metrics.horizontalAdvance(label.fullText()), metrics.height()));
    QCOMPARE(label.minimumSizeHint(), QSize(0, metrics.height()));
}

void tst_ElidedLabel::elidesAtTheRightEnd_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("elided");

    QTest::newRow("wide") << 2000 << false;
    QTest::newRow("narrow") << 60 << true;
    QTest::newRow("nothing") << 0 << true;
}

void tst_ElidedLabel::elidesAtTheRightEnd()
{
    QFETCH(int, width);
    QFETCH(bool, elided);

    QWidget window;
    auto *label = new ElidedLabel(&window);
    label->setFullText(QStringLiteral("Everyday Checking at the Credit Union"));
    label->setGeometry(0, 0, width, 20);
    window.resize(300, 40);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const QString shown = label->elidedText();
    if (elided) {
        QVERIFY(shown != label->fullText());
        QVERIFY(label->fontMetrics().horizontalAdvance(shown) <= width);
        if (!shown.isEmpty()) {
            QVERIFY(shown.endsWith(QChar(0x2026)));
            QVERIFY(label->fullText().startsWith(shown.chopped(1)));
        }
    } else {
        QCOMPARE(shown, label->fullText());
    }
    // Growing again shows the whole text.
    label->resize(label->sizeHint().width() + 10, 20);
    QCOMPARE(label->elidedText(), label->fullText());
}

void tst_ElidedLabel::setTextIsTheFullText()
{
    // Code that only knows it holds a QLabel sets the text the QLabel way.
    ElidedLabel label;
    label.setFullText(QStringLiteral("Savings"));
    static_cast<QLabel &>(label).setText(QStringLiteral("Household Joint Checking"));
    QCOMPARE(label.fullText(), QStringLiteral("Household Joint Checking"));
    QCOMPARE(label.sizeHint().width(), label.fontMetrics().horizontalAdvance(label.fullText()));
    label.resize(label.sizeHint());
    QCOMPARE(label.elidedText(), label.fullText());
    QVERIFY(!label.isElided());
}

void tst_ElidedLabel::toolTipShowsWholeTextWhileCut_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("ownToolTip");
    QTest::addColumn<QString>("expected");

    QTest::newRow("cut") << 60 << QString() << "Everyday Checking at the Credit Union";
    QTest::newRow("whole") << 2000 << QString() << QString();
    QTest::newRow("ownToolTipWins") << 60 << "Main account" << "Main account";
}

void tst_ElidedLabel::toolTipShowsWholeTextWhileCut()
{
    QFETCH(int, width);
    QFETCH(QString, ownToolTip);
    QFETCH(QString, expected);

    QWidget window;
    auto *label = new ElidedLabel(&window);
    label->setFullText(QStringLiteral("Everyday Checking at the Credit Union"));
    label->setToolTip(ownToolTip);
    label->setGeometry(0, 0, width, 20);
    window.resize(qMax(width, 100), 40);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QToolTip::hideText();
    const QPoint at(5, 5);
    QHelpEvent help(QEvent::ToolTip, at, label->mapToGlobal(at));
    QApplication::sendEvent(label, &help);
    if (expected.isEmpty()) {
        QVERIFY(!QToolTip::isVisible());
    } else {
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), expected);
    }
    QToolTip::hideText();
}

QTEST_MAIN(tst_ElidedLabel)
#include "tst_elidedlabel.moc"
