#include "ui/welcomescreen.h"

#include <QPushButton>
#include <QTest>

class tst_WelcomeScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void columnIsCentredAndAtMost560Wide_data();
    void columnIsCentredAndAtMost560Wide();
};

void tst_WelcomeScreen::columnIsCentredAndAtMost560Wide_data()
{
    QTest::addColumn<int>("pageWidth");
    QTest::addColumn<bool>("returning");
    QTest::addColumn<int>("expectedWidth");

    // The page of a 1280 px window is about 1000 px wide; 40 px margins each side.
    QTest::newRow("wideFirstRun") << 1000 << false << 560;
    QTest::newRow("wideReturning") << 1000 << true << 560;
    QTest::newRow("exactlyFits") << 640 << false << 560;
    QTest::newRow("narrowFirstRun") << 500 << false << 420;
    QTest::newRow("narrowReturning") << 500 << true << 420;
}

void tst_WelcomeScreen::columnIsCentredAndAtMost560Wide()
{
    QFETCH(int, pageWidth);
    QFETCH(bool, returning);
    QFETCH(int, expectedWidth);

    WelcomeScreen screen(nullptr);
    screen.setReturningUser(returning);
    screen.resize(pageWidth, 900);
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));

    // Both buttons fill the column; the column is centred on the page.
    for (QPushButton *button : {screen.createButton(), screen.signInButton()}) {
        const QRect onPage(button->mapTo(&screen, QPoint(0, 0)), button->size());
        QCOMPARE(onPage.width(), expectedWidth);
        QVERIFY2(qAbs(onPage.left() - (pageWidth - onPage.right() - 1)) <= 1,
                 qPrintable(QStringLiteral("left %1, right %2").arg(onPage.left()).arg(onPage.right())));
    }
}

QTEST_MAIN(tst_WelcomeScreen)
#include "tst_welcomescreen.moc"
