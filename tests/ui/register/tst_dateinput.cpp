#include "ui/uisettings.h"
#include "data/clock.h"
#include "ui/register/dateinput.h"

#include <QCalendarWidget>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QScreen>
#include <QTableView>
#include <QTest>

class tst_DateInput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void parseDateText_data();
    void parseDateText();
    void formatHasNoLeadingZeros();
    void keysWithoutMeaningAreNotConsumed_data();
    void keysWithoutMeaningAreNotConsumed();
    void popupHonoursWeekStart_data();
    void popupHonoursWeekStart();
    void popupWithInvalidDateSelectsToday();
    void popupClickCallsBackAndCloses();
    void popupEnterConfirmsKeyboardChoice();
    void popupSurvivesCallbackDeletingAnchor();
    void popupPosition_data();
    void popupPosition();
    void popupNearScreenBottomOpensAbove();

private:
    Qt::DayOfWeek m_savedWeekStart = Qt::Monday;
};

void tst_DateInput::init()
{
    Clock::setToday(QDate(2024, 3, 15));
    m_savedWeekStart = firstDayOfWeek();
}

void tst_DateInput::cleanup()
{
    Clock::setToday(QDate());
    setFirstDayOfWeek(m_savedWeekStart);
}

void tst_DateInput::parseDateText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("expected");

    const QDate fallback(2023, 7, 4);
    QTest::newRow("short") << "2/5/2024" << QDate(2024, 2, 5);
    QTest::newRow("padded") << "02/05/2024" << QDate(2024, 2, 5);
    QTest::newRow("mixedPadding") << "2/05/2024" << QDate(2024, 2, 5);
    QTest::newRow("surroundingSpaces") << "  3/15/2024 " << QDate(2024, 3, 15);
    QTest::newRow("leapDay") << "2/29/2024" << QDate(2024, 2, 29);
    QTest::newRow("twoDigitYear") << "3/15/24" << QDate(2024, 3, 15);
    QTest::newRow("paddedTwoDigitYear") << "03/15/99" << QDate(2099, 3, 15);
    QTest::newRow("twoDigitYearZero") << "1/1/00" << QDate(2000, 1, 1);
    QTest::newRow("noLeapDayIn2023") << "2/29/2023" << fallback;
    QTest::newRow("dayMonthSwapped") << "15/3/2024" << fallback;
    QTest::newRow("isoText") << "2024-03-15" << fallback;
    QTest::newRow("trailingJunk") << "3/15/2024x" << fallback;
    QTest::newRow("empty") << "" << fallback;
    QTest::newRow("words") << "yesterday" << fallback;
}

void tst_DateInput::parseDateText()
{
    QFETCH(QString, text);
    QFETCH(QDate, expected);
    QCOMPARE(::parseDateText(text, QDate(2023, 7, 4)), expected);
}

void tst_DateInput::formatHasNoLeadingZeros()
{
    QCOMPARE(formatDateText(QDate(2024, 2, 5)), QStringLiteral("2/5/2024"));
    QCOMPARE(formatDateText(QDate(2024, 12, 31)), QStringLiteral("12/31/2024"));
    QCOMPARE(::parseDateText(formatDateText(QDate(2031, 10, 9)), QDate()), QDate(2031, 10, 9));
}

void tst_DateInput::keysWithoutMeaningAreNotConsumed_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");

    QTest::newRow("digit") << int(Qt::Key_5) << "5";
    QTest::newRow("slash") << int(Qt::Key_Slash) << "/";
    QTest::newRow("otherLetter") << int(Qt::Key_X) << "x";
    QTest::newRow("twoLetters") << int(Qt::Key_T) << "tt";
    QTest::newRow("arrowWithoutText") << int(Qt::Key_Left) << "";
}

void tst_DateInput::keysWithoutMeaningAreNotConsumed()
{
    QFETCH(int, key);
    QFETCH(QString, text);
    const QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
    QDate date(2024, 6, 1);
    QVERIFY(!applyDateKey(&event, date));
    QCOMPARE(date, QDate(2024, 6, 1));
}

void tst_DateInput::popupHonoursWeekStart_data()
{
    QTest::addColumn<int>("weekStart");
    QTest::addColumn<Qt::DayOfWeek>("expected");

    QTest::newRow("sunday") << 7 << Qt::Sunday;
    QTest::newRow("monday") << 1 << Qt::Monday;
    QTest::newRow("saturday") << 6 << Qt::Saturday;
}

void tst_DateInput::popupHonoursWeekStart()
{
    QFETCH(int, weekStart);
    QFETCH(Qt::DayOfWeek, expected);

    setFirstDayOfWeek(weekStart);
    QWidget anchor;
    anchor.resize(120, 24);
    anchor.show();
    QCalendarWidget *calendar = showCalendarPopup(&anchor, QDate(2024, 5, 20), {});
    QVERIFY(calendar);
    QCOMPARE(calendar->parentWidget(), &anchor);
    QCOMPARE(calendar->firstDayOfWeek(), expected);
    QCOMPARE(calendar->selectedDate(), QDate(2024, 5, 20));
    QVERIFY(calendar->isGridVisible());
    QVERIFY(calendar->isVisible());
    QVERIFY(calendar->windowFlags().testFlag(Qt::Popup));
    // The offscreen platform decorates every top-level window, the popup
    // included, with the same frame; the frame shifts the popup by its margins.
    const QPoint frame = anchor.geometry().topLeft() - anchor.frameGeometry().topLeft();
    QCOMPARE(calendar->pos() - frame, anchor.mapToGlobal(QPoint(0, anchor.height())));
    calendar->close();
}

void tst_DateInput::popupWithInvalidDateSelectsToday()
{
    setFirstDayOfWeek(0); // out of range: ignored
    QCOMPARE(firstDayOfWeek(), m_savedWeekStart);
    QWidget anchor;
    anchor.show();
    QCalendarWidget *calendar = showCalendarPopup(&anchor, QDate(), {});
    QCOMPARE(calendar->selectedDate(), QDate(2024, 3, 15));
    calendar->close();
}

void tst_DateInput::popupClickCallsBackAndCloses()
{
    QWidget anchor;
    anchor.show();
    QList<QDate> picked;
    QPointer<QCalendarWidget> calendar =
        showCalendarPopup(&anchor, QDate(2024, 3, 15), [&picked](const QDate &date) { picked.append(date); });
    Q_EMIT calendar->clicked(QDate(2024, 3, 22));
    QCOMPARE(picked, QList<QDate>{QDate(2024, 3, 22)});
    QVERIFY(!calendar->isVisible());
    QTRY_VERIFY(calendar.isNull());
}

void tst_DateInput::popupEnterConfirmsKeyboardChoice()
{
    QWidget anchor;
    anchor.show();
    QList<QDate> picked;
    QPointer<QCalendarWidget> calendar =
        showCalendarPopup(&anchor, QDate(2024, 3, 15), [&picked](const QDate &date) { picked.append(date); });
    auto *grid = calendar->findChild<QTableView *>();
    QVERIFY(grid);
    QTest::keyClick(grid, Qt::Key_Right);
    QTest::keyClick(grid, Qt::Key_Return);
    QCOMPARE(picked, QList<QDate>{QDate(2024, 3, 16)});
    QTRY_VERIFY(calendar.isNull());
}

void tst_DateInput::popupSurvivesCallbackDeletingAnchor()
{
    auto *anchor = new QWidget;
    anchor->show();
    QPointer<QWidget> anchorGuard(anchor);
    QCalendarWidget *calendar = showCalendarPopup(anchor, QDate(2024, 3, 15), [anchor](const QDate &) { delete anchor; });
    Q_EMIT calendar->clicked(QDate(2024, 3, 1));
    QVERIFY(anchorGuard.isNull());
}

void tst_DateInput::popupPosition_data()
{
    QTest::addColumn<QRect>("anchor");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QPoint>("expected");

    // A popup of 250 x 180 px throughout.
    const QRect screen(0, 0, 1024, 700);
    QTest::newRow("roomBelow") << QRect(100, 100, 120, 24) << screen << QPoint(100, 124);
    QTest::newRow("exactlyFitsBelow") << QRect(100, 496, 120, 24) << screen << QPoint(100, 520);
    QTest::newRow("oneRowShortBelowOpensAbove") << QRect(100, 497, 120, 24) << screen << QPoint(100, 317);
    QTest::newRow("newRowAtBottomOpensAbove") << QRect(300, 640, 130, 36) << screen << QPoint(300, 460);
    QTest::newRow("rightEdgeShiftsLeft") << QRect(950, 100, 60, 24) << screen << QPoint(774, 124);
    QTest::newRow("leftOfScreenShiftsRight") << QRect(-40, 100, 120, 24) << screen << QPoint(0, 124);
    // Neither side has room: the larger side, kept on the screen.
    QTest::newRow("shortScreenAboveIsLarger") << QRect(100, 150, 120, 24) << QRect(0, 0, 1024, 300)
                                             << QPoint(100, 0);
    QTest::newRow("shortScreenBelowIsLarger") << QRect(100, 40, 120, 24) << QRect(0, 0, 1024, 200)
                                             << QPoint(100, 20);
    // A panel at the top and a second screen to the right.
    QTest::newRow("belowTopPanel") << QRect(10, 35, 120, 24) << QRect(0, 30, 1024, 670) << QPoint(10, 59);
    QTest::newRow("secondScreenBottom") << QRect(1900, 850, 120, 24) << QRect(1024, 0, 1280, 900)
                                        << QPoint(1900, 670);
    QTest::newRow("secondScreenRightEdge") << QRect(2250, 100, 50, 24) << QRect(1024, 0, 1280, 900)
                                           << QPoint(2054, 124);
}

void tst_DateInput::popupPosition()
{
    QFETCH(QRect, anchor);
    QFETCH(QRect, available);
    QFETCH(QPoint, expected);
    QCOMPARE(::popupPosition(anchor, QSize(250, 180), available), expected);
}

void tst_DateInput::popupNearScreenBottomOpensAbove()
{
    QWidget anchor;
    anchor.resize(130, 36);
    anchor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&anchor));
    const QRect available = anchor.screen()->availableGeometry();
    anchor.move(available.left() + 40, available.bottom() - 80);
    QTRY_VERIFY(anchor.frameGeometry().top() > available.center().y());

    QCalendarWidget *calendar = showCalendarPopup(&anchor, QDate(2024, 3, 15), {});
    // As in popupHonoursWeekStart: the offscreen platform's frame shifts the popup by its margins.
    const QPoint frame = anchor.geometry().topLeft() - anchor.frameGeometry().topLeft();
    const QRect popup(calendar->pos() - frame, calendar->size());
    const QPoint anchorTop = anchor.mapToGlobal(QPoint(0, 0));
    QCOMPARE(popup.bottom(), anchorTop.y() - 1);
    QCOMPARE(popup.left(), anchorTop.x());
    QVERIFY(available.contains(popup));
    calendar->close();
}

QTEST_MAIN(tst_DateInput)
#include "tst_dateinput.moc"
