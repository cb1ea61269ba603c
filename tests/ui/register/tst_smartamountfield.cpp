#include "ui/register/smartamountfield.h"

#include <QLineEdit>
#include <QTest>

class tst_SmartAmountField : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void setsUpTwoDecimalsRightAligned();
    void decimalKeyJumpsToCents_data();
    void decimalKeyJumpsToCents();
    void pointlessTextTypesNormally();
};

namespace {

// The field's line edit, reached through the public widget tree.
QLineEdit *editOf(SmartAmountField &field)
{
    return field.findChild<QLineEdit *>();
}

} // namespace

void tst_SmartAmountField::setsUpTwoDecimalsRightAligned()
{
    SmartAmountField field;
    QCOMPARE(field.decimals(), 2);
    QVERIFY(field.alignment().testFlag(Qt::AlignRight));
}

void tst_SmartAmountField::decimalKeyJumpsToCents_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("cursorBefore");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("cursorAfter");

    QTest::newRow("fullStopFromStart") << "C" << "." << 0 << "12.34" << 3;
    QTest::newRow("commaInPointLocale") << "C" << "," << 0 << "12.34" << 3;
    QTest::newRow("fromTheEnd") << "C" << "." << 5 << "12.34" << 3;
    QTest::newRow("germanComma") << "de_DE" << "," << 1 << "12,34" << 3;
    QTest::newRow("germanFullStop") << "de_DE" << "." << 0 << "12,34" << 3;
}

void tst_SmartAmountField::decimalKeyJumpsToCents()
{
    QFETCH(QString, locale);
    QFETCH(QString, key);
    QFETCH(int, cursorBefore);
    QFETCH(QString, shown);
    QFETCH(int, cursorAfter);

    SmartAmountField field;
    field.setLocale(QLocale(locale));
    field.setRange(-1000, 1000);
    field.setValue(12.34);
    field.show();
    QLineEdit *edit = editOf(field);
    QVERIFY(edit);
    QCOMPARE(edit->text(), shown);
    edit->setCursorPosition(cursorBefore);

    QTest::keyClicks(&field, key);
    QCOMPARE(edit->text(), shown);
    QCOMPARE(edit->cursorPosition(), cursorAfter);
    QVERIFY(!edit->hasSelectedText());

    // Typing on replaces the cents.
    edit->setSelection(cursorAfter, 2);
    QTest::keyClicks(&field, QStringLiteral("56"));
    QCOMPARE(field.value(), 12.56);
}

void tst_SmartAmountField::pointlessTextTypesNormally()
{
    SmartAmountField field;
    field.setLocale(QLocale::c());
    field.setDecimals(0);
    field.setRange(0, 1000);
    field.setValue(12);
    field.show();
    QLineEdit *edit = editOf(field);
    edit->setCursorPosition(2);
    // No point to jump to: the key goes to the spin box like any other.
    QTest::keyClicks(&field, QStringLiteral("."));
    QCOMPARE(edit->text(), QStringLiteral("12."));
    QCOMPARE(edit->cursorPosition(), 3);
}

QTEST_MAIN(tst_SmartAmountField)
#include "tst_smartamountfield.moc"
