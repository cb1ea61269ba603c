#include "ui/register/dialogfields.h"
#include "ui/register/smartamountfield.h"

#include <QLineEdit>
#include <QTest>

#include <cmath>
#include <optional>

Q_DECLARE_METATYPE(Currency)

class tst_SmartAmountField : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void setsUpTwoDecimalsRightAligned();
    void decimalKeyJumpsToCents_data();
    void decimalKeyJumpsToCents();
    void pointlessTextTypesNormally();
    void typedTextReadsExactly_data();
    void typedTextReadsExactly();
    void valueToMinorUnits_data();
    void valueToMinorUnits();
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

// The field as the register dialogs set it up; the text is read as shown, in
// the field's locale, without going through the spin box's double.
void tst_SmartAmountField::typedTextReadsExactly_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<std::optional<qint64>>("expected");

    QTest::newRow("cents") << "C" << Currency::USD << "12.34" << std::optional<qint64>(1234);
    QTest::newRow("germanDecimalComma") << "de_DE" << Currency::EUR << "12,34" << std::optional<qint64>(1234);
    QTest::newRow("germanGrouping") << "de_DE" << Currency::EUR << "1.234,56" << std::optional<qint64>(123456);
    QTest::newRow("englishGrouping") << "en_US" << Currency::USD << "1,234.56" << std::optional<qint64>(123456);
    QTest::newRow("yen") << "C" << Currency::JPY << "1500" << std::optional<qint64>(1500);
    QTest::newRow("cleared") << "C" << Currency::USD << "" << std::optional<qint64>();
    QTest::newRow("onlyPoint") << "C" << Currency::USD << "." << std::optional<qint64>();
}

void tst_SmartAmountField::typedTextReadsExactly()
{
    QFETCH(QString, locale);
    QFETCH(Currency, currency);
    QFETCH(QString, typed);
    QFETCH(std::optional<qint64>, expected);

    SmartAmountField field;
    field.setLocale(QLocale(locale));
    configureAmountSpinBox(&field, currency);
    QLineEdit *edit = editOf(field);
    QVERIFY(edit);
    edit->setText(field.prefix() + typed);
    QCOMPARE(spinBoxAmount(&field, currency), expected);
}

void tst_SmartAmountField::valueToMinorUnits_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<qint64>("expected");

    QTest::newRow("cents") << 12.34 << Currency::USD << qint64(1234);
    QTest::newRow("decimalHalfCent") << 1.005 << Currency::USD << qint64(101);
    QTest::newRow("largestField") << 99999999.99 << Currency::USD << qint64(9999999999);
    QTest::newRow("yenExponentForm") << 1e8 << Currency::JPY << qint64(100000000);
    QTest::newRow("negative") << -0.29 << Currency::CAD << qint64(-29);
    QTest::newRow("notANumber") << std::nan("") << Currency::USD << qint64(0);
}

void tst_SmartAmountField::valueToMinorUnits()
{
    QFETCH(double, value);
    QFETCH(Currency, currency);
    QFETCH(qint64, expected);
    QCOMPARE(spinValueToAmount(value, currency), expected);
}

QTEST_MAIN(tst_SmartAmountField)
#include "tst_smartamountfield.moc"
