#include "ui/thememanager.h"
#include "ui/statusbar.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

class tst_StatusBar : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void accountCount_data();
    void accountCount();
    void recurringDue();
    void timedMessageHidesProgress();
    void messageBeforeShowHidesCount();
    void signInOfferOutlastsMessages();
};

void tst_StatusBar::accountCount_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("text");
    QTest::newRow("one") << 1 << "1 account(s)";
    QTest::newRow("three") << 3 << "3 account(s)";
}

void tst_StatusBar::accountCount()
{
    QFETCH(int, count);
    QFETCH(QString, text);
    StatusBar bar;
    bar.setAccountCount(count);
    QCOMPARE(bar.accountCountText(), text);
}

void tst_StatusBar::recurringDue()
{
    StatusBar bar;
    bar.setRecurringDue(2);
    QVERIFY(bar.isRecurringDueVisible());
    QCOMPARE(bar.recurringDueText(), QStringLiteral("  •  2 recurring due"));
    bar.setRecurringDue(0);
    QVERIFY(!bar.isRecurringDueVisible());
}

void tst_StatusBar::timedMessageHidesProgress()
{
    StatusBar bar;
    bar.show();
    bar.showProgress("Checking for updates...");
    QVERIFY(bar.isBusy());
    bar.showTimedMessage("You're up to date", 2000);
    QVERIFY(!bar.isBusy());
    QCOMPARE(bar.currentMessage(), QStringLiteral("You're up to date"));
    QCOMPARE(bar.syncText(), QStringLiteral("Offline"));
}

void tst_StatusBar::messageBeforeShowHidesCount()
{
    QWidget window;
    auto *bar = new StatusBar(&window);
    bar->setAccountCount(7);
    bar->setRecurringDue(0);
    bar->showMessage("Auto-posted 1 recurring transaction(s)", 5000);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QLabel *count = nullptr;
    for (QLabel *label : bar->findChildren<QLabel *>()) {
        if (label->text() == "7 account(s)")
            count = label;
    }
    QVERIFY(count);
    QVERIFY(!count->isVisible());
    bar->clearMessage();
    QVERIFY(count->isVisible());
    QVERIFY(!bar->isRecurringDueVisible());
}

void tst_StatusBar::signInOfferOutlastsMessages()
{
    StatusBar bar;
    bar.show();
    QVERIFY(!bar.isSignInOfferVisible());
    bar.showSignInAgain(QStringLiteral("Your session has ended."));
    QVERIFY(bar.isSignInOfferVisible());
    QCOMPARE(bar.signInOfferText(), QStringLiteral("Your session has ended."));
    QCOMPARE(bar.signInButton()->text(), QStringLiteral("Sign In"));
    // A passing message leaves it where it is.
    bar.showTimedMessage(QStringLiteral("Sync complete"), 2000);
    QVERIFY(bar.isSignInOfferVisible());
    QVERIFY(bar.signInButton()->isVisible());
    QSignalSpy requested(&bar, &StatusBar::signInRequested);
    bar.signInButton()->click();
    QCOMPARE(requested.count(), 1);
    bar.hideSignInAgain();
    QVERIFY(!bar.isSignInOfferVisible());
}

QTEST_MAIN(tst_StatusBar)
#include "tst_statusbar.moc"
