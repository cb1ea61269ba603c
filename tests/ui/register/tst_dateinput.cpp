#include "app/uisettings.h"
#include "data/clock.h"
#include "ui/register/dateinput.h"

#include <QCalendarWidget>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
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

QTEST_MAIN(tst_DateInput)
#include "tst_dateinput.moc"
