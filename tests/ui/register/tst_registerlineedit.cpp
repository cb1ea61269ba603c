#include "ui/register/registerlineedit.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QSignalSpy>
#include <QTest>

class tst_RegisterLineEdit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void enterTakesSuggestionAndStays_data();
    void enterTakesSuggestionAndStays();
    void enterWithoutPopupIsOrdinary();
};

void tst_RegisterLineEdit::enterTakesSuggestionAndStays_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("expected");

    QTest::newRow("returnOnSecond") << int(Qt::Key_Return) << 1 << "Grocer's Market";
    QTest::newRow("enterOnFirst") << int(Qt::Key_Enter) << 0 << "Green Grocer";
    QTest::newRow("noneHighlighted") << int(Qt::Key_Return) << -1 << "gro";
}

void tst_RegisterLineEdit::enterTakesSuggestionAndStays()
{
    QFETCH(int, key);
    QFETCH(int, row);
    QFETCH(QString, expected);

    QWidget window;
    auto *edit = new RegisterLineEdit(&window);
    auto *completer = new QCompleter(QStringList{QStringLiteral("Green Grocer"), QStringLiteral("Grocer's Market"),
                                                 QStringLiteral("Hardware")},
                                     edit);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    edit->setCompleter(completer);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    edit->setFocus();

    QSignalSpy returnPressed(edit, &QLineEdit::returnPressed);
    QTest::keyClicks(edit, QStringLiteral("gro"));
    QTRY_VERIFY(completer->popup()->isVisible());
    QCOMPARE(completer->completionCount(), 2);
    if (row >= 0)
        completer->popup()->setCurrentIndex(completer->completionModel()->index(row, 0));
    else
        completer->popup()->setCurrentIndex(QModelIndex());

    QTest::keyClick(completer->popup(), Qt::Key(key));
    QCOMPARE(edit->text(), expected);
    QVERIFY(!completer->popup()->isVisible());
    QCOMPARE(returnPressed.size(), 0);
    QVERIFY(edit->hasFocus());
}

void tst_RegisterLineEdit::enterWithoutPopupIsOrdinary()
{
    RegisterLineEdit edit;
    edit.show();
    QSignalSpy returnPressed(&edit, &QLineEdit::returnPressed);
    QTest::keyClicks(&edit, QStringLiteral("abc"));
    QTest::keyClick(&edit, Qt::Key_Return);
    QCOMPARE(returnPressed.size(), 1);
    QCOMPARE(edit.text(), QStringLiteral("abc"));
}

QTEST_MAIN(tst_RegisterLineEdit)
#include "tst_registerlineedit.moc"
