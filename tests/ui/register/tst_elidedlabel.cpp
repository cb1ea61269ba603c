#include "ui/register/elidedlabel.h"

#include <QTest>

class tst_ElidedLabel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sizeHintsAllowShrinking();
    void elidesAtTheRightEnd_data();
    void elidesAtTheRightEnd();
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

QTEST_MAIN(tst_ElidedLabel)
#include "tst_elidedlabel.moc"
