#include "data/clock.h"
#include "ui/register/smartdateedit.h"

#include <QAction>
#include <QCalendarWidget>
#include <QTest>

class tst_SmartDateEdit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void startsOnTodaySelected();
    void dateKeys_data();
    void dateKeys();
    void keysStepFromTheTypedDate();
    void otherKeysAreTyped_data();
    void otherKeysAreTyped();
    void calendarKeyOpensPopupOnTypedDate_data();
    void calendarKeyOpensPopupOnTypedDate();
    void calendarActionOpensPopup();

private:
    std::unique_ptr<SmartDateEdit> m_edit;
};

void tst_SmartDateEdit::init()
{
    Clock::setToday(QDate(2024, 3, 15));
    m_edit = std::make_unique<SmartDateEdit>();
    m_edit->show();
}

void tst_SmartDateEdit::cleanup()
{
    m_edit.reset();
    Clock::setToday(QDate());
}

void tst_SmartDateEdit::startsOnTodaySelected()
{
    QCOMPARE(m_edit->date(), QDate(2024, 3, 15));
    QCOMPARE(m_edit->text(), QStringLiteral("3/15/2024"));
    QCOMPARE(m_edit->selectedText(), m_edit->text());
}

void tst_SmartDateEdit::dateKeys_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QDate>("expected");

    const QDate friday(2024, 3, 15);
    QTest::newRow("fridayW") << friday << "w" << QDate(2024, 3, 10);
    QTest::newRow("fridayK") << friday << "k" << QDate(2024, 3, 16);
    QTest::newRow("fridayM") << friday << "m" << QDate(2024, 3, 1);
    QTest::newRow("fridayH") << friday << "h" << QDate(2024, 3, 31);
    QTest::newRow("fridayY") << friday << "y" << QDate(2024, 1, 1);
    QTest::newRow("fridayR") << friday << "r" << QDate(2024, 12, 31);
    QTest::newRow("fridayPlus") << friday << "+" << QDate(2024, 3, 16);
    QTest::newRow("fridayEquals") << friday << "=" << QDate(2024, 3, 16);
    QTest::newRow("fridayMinus") << friday << "-" << QDate(2024, 3, 14);
    QTest::newRow("sundayW") << QDate(2024, 3, 17) << "w" << QDate(2024, 3, 17);
    QTest::newRow("sundayK") << QDate(2024, 3, 17) << "k" << QDate(2024, 3, 23);
    QTest::newRow("saturdayK") << QDate(2024, 3, 23) << "k" << QDate(2024, 3, 23);
    QTest::newRow("saturdayW") << QDate(2024, 3, 23) << "w" << QDate(2024, 3, 17);
    QTest::newRow("weekAcrossMonths") << QDate(2024, 3, 1) << "w" << QDate(2024, 2, 25);
    QTest::newRow("leapFebruaryH") << QDate(2024, 2, 10) << "h" << QDate(2024, 2, 29);
    QTest::newRow("februaryEndPlus") << QDate(2024, 2, 29) << "+" << QDate(2024, 3, 1);
    QTest::newRow("marchStartMinus") << QDate(2024, 3, 1) << "-" << QDate(2024, 2, 29);
    QTest::newRow("plainFebruaryH") << QDate(2023, 2, 3) << "h" << QDate(2023, 2, 28);
    QTest::newRow("yearEndPlus") << QDate(2024, 12, 31) << "+" << QDate(2025, 1, 1);
    QTest::newRow("today") << QDate(2020, 8, 9) << "t" << QDate(2024, 3, 15);
    QTest::newRow("upperT") << QDate(2020, 8, 9) << "T" << QDate(2024, 3, 15);
    QTest::newRow("upperM") << friday << "M" << QDate(2024, 3, 1);
    QTest::newRow("upperK") << friday << "K" << QDate(2024, 3, 16);
    QTest::newRow("repeatedPlus") << friday << "+++" << QDate(2024, 3, 18);
    QTest::newRow("chain") << friday << "hk" << QDate(2024, 4, 6);
    QTest::newRow("invalidStartsFromToday") << QDate() << "+" << QDate(2024, 3, 16);
}

void tst_SmartDateEdit::dateKeys()
{
    QFETCH(QDate, start);
    QFETCH(QString, keys);
    QFETCH(QDate, expected);

    m_edit->setDate(start);
    QTest::keyClicks(m_edit.get(), keys);
    QCOMPARE(m_edit->date(), expected);
    QCOMPARE(m_edit->text(), expected.toString(QStringLiteral("M/d/yyyy")));
    QCOMPARE(m_edit->selectedText(), m_edit->text());
}

void tst_SmartDateEdit::keysStepFromTheTypedDate()
{
    QTest::keyClicks(m_edit.get(), QStringLiteral("3/20/2024"));
    QCOMPARE(m_edit->date(), QDate(2024, 3, 15));
    QTest::keyClick(m_edit.get(), Qt::Key_Plus);
    QCOMPARE(m_edit->date(), QDate(2024, 3, 21));
    QCOMPARE(m_edit->text(), QStringLiteral("3/21/2024"));

    // Text no format accepts leaves the stored date to step from.
    m_edit->setText(QStringLiteral("13/45/2024"));
    QTest::keyClick(m_edit.get(), Qt::Key_Minus);
    QCOMPARE(m_edit->date(), QDate(2024, 3, 20));
}

void tst_SmartDateEdit::otherKeysAreTyped_data()
{
    QTest::addColumn<QString>("keys");
    QTest::newRow("letter") << "x";
    QTest::newRow("digits") << "12";
    QTest::newRow("slash") << "/";
}

void tst_SmartDateEdit::otherKeysAreTyped()
{
    QFETCH(QString, keys);
    QTest::keyClicks(m_edit.get(), keys);
    QCOMPARE(m_edit->text(), keys);
    QCOMPARE(m_edit->date(), QDate(2024, 3, 15));
}

void tst_SmartDateEdit::calendarKeyOpensPopupOnTypedDate_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");

    QTest::newRow("f4") << int(Qt::Key_F4) << Qt::KeyboardModifiers(Qt::NoModifier);
    QTest::newRow("altDown") << int(Qt::Key_Down) << Qt::KeyboardModifiers(Qt::AltModifier);
}

void tst_SmartDateEdit::calendarKeyOpensPopupOnTypedDate()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);

    m_edit->setText(QStringLiteral("04/02/2024"));
    QTest::keyClick(m_edit.get(), Qt::Key(key), modifiers);
    auto *calendar = m_edit->findChild<QCalendarWidget *>();
    QVERIFY(calendar);
    QVERIFY(calendar->isVisible());
    QCOMPARE(calendar->selectedDate(), QDate(2024, 4, 2));
    QCOMPARE(m_edit->text(), QStringLiteral("04/02/2024"));

    Q_EMIT calendar->clicked(QDate(2024, 4, 9));
    QCOMPARE(m_edit->date(), QDate(2024, 4, 9));
    QCOMPARE(m_edit->text(), QStringLiteral("4/9/2024"));
    QCOMPARE(m_edit->selectedText(), m_edit->text());
}

void tst_SmartDateEdit::calendarActionOpensPopup()
{
    const QList<QAction *> actions = m_edit->actions();
    QCOMPARE(actions.size(), 1);
    QCOMPARE(actions.first()->toolTip(), QStringLiteral("Open calendar (F4)"));
    QVERIFY(!actions.first()->icon().isNull());
    actions.first()->trigger();
    auto *calendar = m_edit->findChild<QCalendarWidget *>();
    QVERIFY(calendar);
    QCOMPARE(calendar->selectedDate(), QDate(2024, 3, 15));
}

QTEST_MAIN(tst_SmartDateEdit)
#include "tst_smartdateedit.moc"
