#include "ui/uisettings.h"

#include <QApplication>
#include <QTest>

class tst_UiSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fontScaleIsClamped_data();
    void fontScaleIsClamped();
    void firstDayOfWeek_data();
    void firstDayOfWeek();
    void platformPaletteIsCapturedBeforeThemes();
};

void tst_UiSettings::fontScaleIsClamped_data()
{
    QTest::addColumn<int>("requested");
    QTest::addColumn<int>("stored");

    QTest::newRow("belowMinimum") << 50 << 70;
    QTest::newRow("minimum") << 70 << 70;
    QTest::newRow("default") << 100 << 100;
    QTest::newRow("maximum") << 160 << 160;
    QTest::newRow("aboveMaximum") << 200 << 160;
}

void tst_UiSettings::fontScaleIsClamped()
{
    QFETCH(int, requested);
    QFETCH(int, stored);
    QCOMPARE(setFontScalePercent(requested), stored);
    QCOMPARE(fontScalePercent(), stored);
    setFontScalePercent(kDefaultFontScalePercent);
}

void tst_UiSettings::firstDayOfWeek_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<bool>("taken");

    QTest::newRow("sunday") << 7 << true;
    QTest::newRow("monday") << 1 << true;
    QTest::newRow("saturday") << 6 << true;
    QTest::newRow("zero") << 0 << false;
    QTest::newRow("eight") << 8 << false;
}

void tst_UiSettings::firstDayOfWeek()
{
    QFETCH(int, day);
    QFETCH(bool, taken);

    const Qt::DayOfWeek before = ::firstDayOfWeek();
    setFirstDayOfWeek(day);
    QCOMPARE(int(::firstDayOfWeek()), taken ? day : int(before));
    setFirstDayOfWeek(before);
}

void tst_UiSettings::platformPaletteIsCapturedBeforeThemes()
{
    const QColor original = QApplication::palette().color(QPalette::Window);
    QCOMPARE(platformPalette().color(QPalette::Window), original);

    QPalette themed = QApplication::palette();
    themed.setColor(QPalette::Window, QColor(QStringLiteral("#0F1E19")));
    QApplication::setPalette(themed);
    // The capture keeps what the platform gave, not what a theme installed later.
    QCOMPARE(platformPalette().color(QPalette::Window), original);

    setPlatformPalette(themed);
    QCOMPARE(platformPalette().color(QPalette::Window), QColor(QStringLiteral("#0F1E19")));
}

QTEST_MAIN(tst_UiSettings)
#include "tst_uisettings.moc"
