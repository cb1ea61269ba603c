#include "data/clock.h"
#include "ui/register/datefield.h"

#include <QCalendarWidget>
#include <QSignalSpy>
#include <QTest>

class tst_DateField : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void setDateEmitsOnlyOnChange();
    void dateKeysAnnounceChanges_data();
    void dateKeysAnnounceChanges();
    void typedDateTakenOnFocusOut_data();
    void typedDateTakenOnFocusOut();
    void popupPickUsesSetDate();

private:
    std::unique_ptr<QWidget> m_window;
    DateField *m_field = nullptr;
    QLineEdit *m_other = nullptr;
};

void tst_DateField::init()
{
    Clock::setToday(QDate(2024, 3, 15));
    m_window = std::make_unique<QWidget>();
    m_field = new DateField(m_window.get());
    m_other = new QLineEdit(m_window.get());
    m_other->move(0, 40);
    m_window->show();
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    m_field->setFocus();
    QVERIFY(m_field->hasFocus());
}

void tst_DateField::cleanup()
{
    m_window.reset();
    Clock::setToday(QDate());
}

void tst_DateField::setDateEmitsOnlyOnChange()
{
    QCOMPARE(m_field->date(), QDate(2024, 3, 15));
    QCOMPARE(m_field->text(), QStringLiteral("3/15/2024"));
    QSignalSpy changed(m_field, &DateField::dateChanged);
    m_field->setDate(QDate(2024, 3, 15));
    QCOMPARE(changed.size(), 0);
    m_field->setDate(QDate(2024, 1, 2));
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.at(0).at(0).toDate(), QDate(2024, 1, 2));
    QCOMPARE(m_field->text(), QStringLiteral("1/2/2024"));
}

void tst_DateField::dateKeysAnnounceChanges_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QDate>("expected");
    QTest::addColumn<int>("emitted");

    QTest::newRow("plus") << QDate(2024, 3, 15) << "+" << QDate(2024, 3, 16) << 1;
    QTest::newRow("monthEndFebruary") << QDate(2024, 2, 3) << "h" << QDate(2024, 2, 29) << 1;
    QTest::newRow("upperY") << QDate(2024, 3, 15) << "Y" << QDate(2024, 1, 1) << 1;
    QTest::newRow("sameDateNoSignal") << QDate(2024, 3, 17) << "w" << QDate(2024, 3, 17) << 0;
    QTest::newRow("todayOnToday") << QDate(2024, 3, 15) << "t" << QDate(2024, 3, 15) << 0;
    QTest::newRow("twoSteps") << QDate(2024, 3, 15) << "--" << QDate(2024, 3, 13) << 2;
}

void tst_DateField::dateKeysAnnounceChanges()
{
    QFETCH(QDate, start);
    QFETCH(QString, keys);
    QFETCH(QDate, expected);
    QFETCH(int, emitted);

    m_field->setDate(start);
    QSignalSpy changed(m_field, &DateField::dateChanged);
    QTest::keyClicks(m_field, keys);
    QCOMPARE(m_field->date(), expected);
    QCOMPARE(changed.size(), emitted);
    if (emitted > 0)
        QCOMPARE(changed.last().at(0).toDate(), expected);
    QCOMPARE(m_field->text(), expected.toString(QStringLiteral("M/d/yyyy")));
    QCOMPARE(m_field->selectedText(), m_field->text());
}

void tst_DateField::typedDateTakenOnFocusOut_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QDate>("expected");
    QTest::addColumn<int>("emitted");

    QTest::newRow("padded") << "02/05/2024" << QDate(2024, 2, 5) << 1;
    QTest::newRow("short") << "2/5/2024" << QDate(2024, 2, 5) << 1;
    QTest::newRow("sameDateOtherSpelling") << "03/15/2024" << QDate(2024, 3, 15) << 0;
    QTest::newRow("unparsableSnapsBack") << "2/31/2024" << QDate(2024, 3, 15) << 0;
    QTest::newRow("emptySnapsBack") << "" << QDate(2024, 3, 15) << 0;
}

void tst_DateField::typedDateTakenOnFocusOut()
{
    QFETCH(QString, typed);
    QFETCH(QDate, expected);
    QFETCH(int, emitted);

    QSignalSpy changed(m_field, &DateField::dateChanged);
    m_field->selectAll();
    QTest::keyClick(m_field, Qt::Key_Delete);
    QTest::keyClicks(m_field, typed);
    QCOMPARE(m_field->text(), typed);
    QCOMPARE(changed.size(), 0);

    m_other->setFocus();
    QVERIFY(!m_field->hasFocus());
    QCOMPARE(m_field->date(), expected);
    QCOMPARE(changed.size(), emitted);
    QCOMPARE(m_field->text(), expected.toString(QStringLiteral("M/d/yyyy")));
}

void tst_DateField::popupPickUsesSetDate()
{
    QSignalSpy changed(m_field, &DateField::dateChanged);
    QTest::keyClick(m_field, Qt::Key_F4);
    auto *calendar = m_field->findChild<QCalendarWidget *>();
    QVERIFY(calendar);
    Q_EMIT calendar->clicked(QDate(2024, 3, 15));
    QCOMPARE(changed.size(), 0);

    m_field->openCalendarPopup();
    calendar = m_field->findChildren<QCalendarWidget *>().last();
    Q_EMIT calendar->clicked(QDate(2024, 5, 1));
    QCOMPARE(changed.size(), 1);
    QCOMPARE(m_field->date(), QDate(2024, 5, 1));
    QCOMPARE(m_field->text(), QStringLiteral("5/1/2024"));
}

QTEST_MAIN(tst_DateField)
#include "tst_datefield.moc"
