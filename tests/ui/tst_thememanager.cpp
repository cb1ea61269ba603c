#include "ui/thememanager.h"
#include "common/testdatabase.h"
#include "data/preferencesrepository.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QSignalSpy>
#include <QTest>

class tst_ThemeManager : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void setThemeInstallsPalette_data();
    void setThemeInstallsPalette();
    void paletteRoles_data();
    void paletteRoles();
    void setThemeName_data();
    void setThemeName();
    void setFontScaleClampsAndStores_data();
    void setFontScaleClampsAndStores();
    void fontForRole_data();
    void fontForRole();
    void pixelSizedBaseFontScalesFromTen();
    void amountRoleIsMonospace();
    void setFontScaleRefontsMarkedWidgets();
    void applyFontRoleIgnoresNullWidget();
    void failedPreferenceWriteKeepsTheLook();
    void applyStoredAppearance_data();
    void applyStoredAppearance();
    void themeColours_data();
    void themeColours();
    void primaryButtonStyleIsTeal();
    void untickedIndicatorsHaveVisibleOutline_data();
    void untickedIndicatorsHaveVisibleOutline();

private:
    QPalette darkPlatformPalette() const;

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<PreferencesRepository> m_prefs;
    std::unique_ptr<ThemeManager> m_theme;
    QPalette m_startupPalette;
    QFont m_startupBaseFont;
};

void tst_ThemeManager::initTestCase()
{
    m_startupPalette = platformPalette();
    m_startupBaseFont = baseFont();
    // The offscreen platform is light; the "System" cases rely on that.
    QVERIFY(m_startupPalette.color(QPalette::Window).lightness() >= 128);
}

void tst_ThemeManager::init()
{
    m_db = std::make_unique<TestDatabase>();
    m_prefs = std::make_unique<PreferencesRepository>(m_db->database());
    baseFont() = QFont(m_startupBaseFont.family(), 9);
    setFontScalePercent(100);
    setPlatformPalette(m_startupPalette);
    m_theme = std::make_unique<ThemeManager>(m_prefs.get());
}

void tst_ThemeManager::cleanup()
{
    m_theme.reset();
    m_prefs.reset();
    m_db.reset();
}

QPalette tst_ThemeManager::darkPlatformPalette() const
{
    QPalette palette = m_startupPalette;
    palette.setColor(QPalette::Window, QColor(30, 30, 30));
    palette.setColor(QPalette::WindowText, QColor(230, 230, 230));
    return palette;
}

void tst_ThemeManager::setThemeInstallsPalette_data()
{
    QTest::addColumn<ThemeManager::Theme>("theme");
    QTest::addColumn<bool>("darkPlatform");
    QTest::addColumn<QString>("windowColour");
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QString>("stored");

    QTest::newRow("light") << ThemeManager::Theme::Light << true << "#fafbfa" << false << "light";
    QTest::newRow("dark") << ThemeManager::Theme::Dark << false << "#0f1e19" << true << "dark";
    QTest::newRow("systemOnLightDesktop") << ThemeManager::Theme::System << false << "#fafbfa" << false
                                          << "system";
    QTest::newRow("systemOnDarkDesktop") << ThemeManager::Theme::System << true << "#0f1e19" << true
                                         << "system";
}

void tst_ThemeManager::setThemeInstallsPalette()
{
    QFETCH(ThemeManager::Theme, theme);
    QFETCH(bool, darkPlatform);
    QFETCH(QString, windowColour);
    QFETCH(bool, dark);
    QFETCH(QString, stored);

    if (darkPlatform)
        setPlatformPalette(darkPlatformPalette());
    QSignalSpy themeChanged(m_theme.get(), &ThemeManager::themeChanged);
    QSignalSpy prefsChanged(m_prefs.get(), &PreferencesRepository::changed);

    m_theme->setTheme(theme);

    QCOMPARE(QApplication::palette().color(QPalette::Window).name(), windowColour);
    QCOMPARE(isDarkPalette(), dark);
    QCOMPARE(ThemeManager::systemPrefersDark(), darkPlatform);
    QCOMPARE(m_theme->theme(), theme);
    QCOMPARE(m_prefs->get("theme"), std::optional<QString>(stored));
    QCOMPARE(prefsChanged.size(), 1);
    QCOMPARE(prefsChanged.at(0).at(0).toString(), QStringLiteral("theme"));
    // The signal carries the theme asked for, not the palette chosen for System.
    QCOMPARE(themeChanged.size(), 1);
    QCOMPARE(themeChanged.at(0).at(0).value<ThemeManager::Theme>(), theme);
    QCOMPARE(QApplication::font().pointSize(), 9);
}

void tst_ThemeManager::paletteRoles_data()
{
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QPalette::ColorGroup>("group");
    QTest::addColumn<QPalette::ColorRole>("role");
    QTest::addColumn<QString>("colour");

    QTest::newRow("lightActiveText") << false << QPalette::Active << QPalette::Text << "#1b2d26";
    QTest::newRow("lightInactiveHighlight") << false << QPalette::Inactive << QPalette::Highlight << "#00897b";
    QTest::newRow("lightPlaceholder") << false << QPalette::Active << QPalette::PlaceholderText << "#6e8a7e";
    QTest::newRow("lightDisabledText") << false << QPalette::Disabled << QPalette::Text << "#a0b5a8";
    QTest::newRow("lightDisabledBase") << false << QPalette::Disabled << QPalette::Base << "#ffffff";
    QTest::newRow("darkActiveBase") << true << QPalette::Active << QPalette::Base << "#152420";
    QTest::newRow("darkHighlightedText") << true << QPalette::Active << QPalette::HighlightedText << "#0f1e19";
    QTest::newRow("darkLight") << true << QPalette::Active << QPalette::Light << "#2a4038";
    QTest::newRow("darkDisabledButtonText") << true << QPalette::Disabled << QPalette::ButtonText << "#3a5a4a";
    QTest::newRow("darkInactiveWindowText") << true << QPalette::Inactive << QPalette::WindowText << "#d8e8df";
}

void tst_ThemeManager::paletteRoles()
{
    QFETCH(bool, dark);
    QFETCH(QPalette::ColorGroup, group);
    QFETCH(QPalette::ColorRole, role);
    QFETCH(QString, colour);

    m_theme->setTheme(dark ? ThemeManager::Theme::Dark : ThemeManager::Theme::Light);
    QCOMPARE(QApplication::palette().color(group, role).name(), colour);
}

void tst_ThemeManager::setThemeName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<ThemeManager::Theme>("theme");
    QTest::addColumn<QString>("stored");

    QTest::newRow("light") << "light" << ThemeManager::Theme::Light << "light";
    QTest::newRow("dark") << "dark" << ThemeManager::Theme::Dark << "dark";
    QTest::newRow("system") << "system" << ThemeManager::Theme::System << "system";
    QTest::newRow("capitalDark") << "Dark" << ThemeManager::Theme::System << "system";
    QTest::newRow("empty") << "" << ThemeManager::Theme::System << "system";
    QTest::newRow("unknown") << "solarized" << ThemeManager::Theme::System << "system";
}

void tst_ThemeManager::setThemeName()
{
    QFETCH(QString, name);
    QFETCH(ThemeManager::Theme, theme);
    QFETCH(QString, stored);

    m_theme->setTheme(ThemeManager::Theme::Light);
    m_theme->setThemeName(name);
    QCOMPARE(m_theme->theme(), theme);
    QCOMPARE(themeToString(theme), stored);
    QCOMPARE(m_prefs->get("theme"), std::optional<QString>(stored));
}

void tst_ThemeManager::setFontScaleClampsAndStores_data()
{
    QTest::addColumn<int>("requested");
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("applicationPointSize");

    QTest::newRow("aboveMaximum") << 200 << 160 << 14;
    QTest::newRow("maximum") << 160 << 160 << 14;
    QTest::newRow("belowMinimum") << 10 << 70 << 6;
    QTest::newRow("negative") << -50 << 70 << 6;
    QTest::newRow("minimum") << 70 << 70 << 6;
    QTest::newRow("inRange") << 125 << 125 << 11;
}

void tst_ThemeManager::setFontScaleClampsAndStores()
{
    QFETCH(int, requested);
    QFETCH(int, percent);
    QFETCH(int, applicationPointSize);

    m_theme->setTheme(ThemeManager::Theme::Dark);
    QSignalSpy scaleChanged(m_theme.get(), &ThemeManager::fontScaleChanged);
    QSignalSpy themeChanged(m_theme.get(), &ThemeManager::themeChanged);

    m_theme->setFontScale(requested);

    QCOMPARE(fontScalePercent(), percent);
    QCOMPARE(scaleChanged.size(), 1);
    QCOMPARE(scaleChanged.at(0).at(0).toInt(), percent);
    QCOMPARE(m_prefs->get("fontScale"), std::optional<QString>(QString::number(percent)));
    // The theme is re-applied with the new application font.
    QCOMPARE(themeChanged.size(), 1);
    QCOMPARE(themeChanged.at(0).at(0).value<ThemeManager::Theme>(), ThemeManager::Theme::Dark);
    QCOMPARE(m_prefs->get("theme"), std::optional<QString>("dark"));
    QCOMPARE(QApplication::font().pointSize(), applicationPointSize);
    QCOMPARE(scaledFont().pointSize(), applicationPointSize);
}

void tst_ThemeManager::fontForRole_data()
{
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("role");
    QTest::addColumn<int>("pointSize");
    QTest::addColumn<int>("weight");

    const int normal = QFont::Normal;
    QTest::newRow("100body") << 100 << 0 << 9 << normal;
    QTest::newRow("100emphasis") << 100 << 1 << 9 << int(QFont::Medium);
    QTest::newRow("100caption") << 100 << 2 << 7 << normal;
    QTest::newRow("100section") << 100 << 3 << 10 << int(QFont::Medium);
    QTest::newRow("100page") << 100 << 4 << 13 << int(QFont::DemiBold);
    QTest::newRow("100large") << 100 << 5 << 17 << int(QFont::DemiBold);
    QTest::newRow("100display") << 100 << 6 << 23 << int(QFont::Bold);
    QTest::newRow("100amount") << 100 << 7 << 9 << normal;
    QTest::newRow("100negativeRole") << 100 << -1 << 9 << normal;
    QTest::newRow("100roleEight") << 100 << 8 << 9 << normal;
    QTest::newRow("125body") << 125 << 0 << 11 << normal;
    QTest::newRow("125caption") << 125 << 2 << 9 << normal;
    QTest::newRow("125section") << 125 << 3 << 12 << int(QFont::Medium);
    QTest::newRow("125page") << 125 << 4 << 15 << int(QFont::DemiBold);
    QTest::newRow("125large") << 125 << 5 << 19 << int(QFont::DemiBold);
    QTest::newRow("125display") << 125 << 6 << 25 << int(QFont::Bold);
    QTest::newRow("125amount") << 125 << 7 << 11 << normal;
    QTest::newRow("70captionFloor") << 70 << 2 << 7 << normal;
    QTest::newRow("70large") << 70 << 5 << 14 << int(QFont::DemiBold);
}

void tst_ThemeManager::fontForRole()
{
    QFETCH(int, percent);
    QFETCH(int, role);
    QFETCH(int, pointSize);
    QFETCH(int, weight);

    setFontScalePercent(percent);
    const QFont font = ::fontForRole(static_cast<FontRole>(role));
    QCOMPARE(font.pointSize(), pointSize);
    QCOMPARE(int(font.weight()), weight);
    if (role != int(FontRole::Amount))
        QCOMPARE(font.family(), baseFont().family());
}

void tst_ThemeManager::pixelSizedBaseFontScalesFromTen()
{
    QFont pixels = baseFont();
    pixels.setPixelSize(13);
    QCOMPARE(pixels.pointSize(), -1);
    baseFont() = pixels;

    setFontScalePercent(150);
    QCOMPARE(scaledFont().pointSize(), 15);
    QCOMPARE(::fontForRole(FontRole::Caption).pointSize(), 13);
    QCOMPARE(::fontForRole(FontRole::DisplayTitle).pointSize(), 29);
}

void tst_ThemeManager::amountRoleIsMonospace()
{
    baseFont().setItalic(true);
    setFontScalePercent(130);
    const QFont amount = ::fontForRole(FontRole::Amount);
    QCOMPARE(amount.family(), QStringLiteral("monospace"));
    QCOMPARE(amount.styleHint(), QFont::Monospace);
    QCOMPARE(amount.pointSize(), 11);
    // Not a copy of the base font: its style does not carry over.
    QVERIFY(!amount.italic());
    QCOMPARE(monospaceFont(), amount);
}

void tst_ThemeManager::setFontScaleRefontsMarkedWidgets()
{
    QWidget window;
    auto *title = new QLabel(QStringLiteral("Title"), &window);
    applyFontRole(title, FontRole::LargeTitle);
    title->setProperty("orlFontItalic", true);
    auto *heavy = new QLabel(QStringLiteral("Heavy"), &window);
    applyFontRole(heavy, FontRole::Caption);
    heavy->setProperty("orlFontWeight", int(QFont::Black));
    auto *upright = new QLabel(QStringLiteral("Upright"), &window);
    applyFontRole(upright, FontRole::Body);
    upright->setProperty("orlFontItalic", false);
    auto *unmarked = new QLabel(QStringLiteral("Own font"), &window);
    QFont own = unmarked->font();
    own.setPointSize(31);
    unmarked->setFont(own);

    QCOMPARE(title->property("orlFontRole").toInt(), int(FontRole::LargeTitle));
    QCOMPARE(title->font().pointSize(), 17);
    QVERIFY(!title->font().italic());

    m_theme->setFontScale(125);

    QCOMPARE(title->font().pointSize(), 19);
    QCOMPARE(title->font().weight(), QFont::DemiBold);
    QVERIFY(title->font().italic());
    QCOMPARE(heavy->font().pointSize(), 9);
    QCOMPARE(heavy->font().weight(), QFont::Black);
    QCOMPARE(upright->font().pointSize(), 11);
    QVERIFY(!upright->font().italic());
    QCOMPARE(unmarked->font().pointSize(), 31);
}

void tst_ThemeManager::applyFontRoleIgnoresNullWidget()
{
    applyFontRole(nullptr, FontRole::PageTitle);
    QLabel label;
    applyFontRole(&label, FontRole::PageTitle);
    QCOMPARE(label.property("orlFontRole").toInt(), int(FontRole::PageTitle));
    QCOMPARE(label.font().pointSize(), 13);
}

void tst_ThemeManager::failedPreferenceWriteKeepsTheLook()
{
    QVERIFY(m_db->exec("DROP TABLE preferences"));
    QSignalSpy themeChanged(m_theme.get(), &ThemeManager::themeChanged);
    QSignalSpy scaleChanged(m_theme.get(), &ThemeManager::fontScaleChanged);
    QSignalSpy prefsChanged(m_prefs.get(), &PreferencesRepository::changed);

    m_theme->setTheme(ThemeManager::Theme::Dark);
    m_theme->setFontScale(130);

    QVERIFY(isDarkPalette());
    QCOMPARE(fontScalePercent(), 130);
    QCOMPARE(QApplication::font().pointSize(), 11);
    QCOMPARE(themeChanged.size(), 2);
    QCOMPARE(scaleChanged.size(), 1);
    QCOMPARE(prefsChanged.size(), 0);

    ThemeManager withoutPreferences(nullptr);
    withoutPreferences.applyStoredAppearance();
    QVERIFY(isDarkPalette());
    QCOMPARE(fontScalePercent(), 130);
    withoutPreferences.setTheme(ThemeManager::Theme::Light);
    QVERIFY(!isDarkPalette());
}

void tst_ThemeManager::applyStoredAppearance_data()
{
    // Empty texts are preferences never stored.
    QTest::addColumn<QString>("fontScale");
    QTest::addColumn<QString>("theme");
    QTest::addColumn<QString>("weekStart");
    QTest::addColumn<int>("expectedScale");
    QTest::addColumn<ThemeManager::Theme>("expectedTheme");
    QTest::addColumn<int>("expectedWeekStart");   // 0: the day in force before

    QTest::newRow("nothingStored") << "" << "" << "" << 100 << ThemeManager::Theme::System << 0;
    QTest::newRow("allStored") << "130" << "dark" << "3" << 130 << ThemeManager::Theme::Dark << 3;
    QTest::newRow("lightSunday") << "100" << "light" << "7" << 100 << ThemeManager::Theme::Light << 7;
    QTest::newRow("scaleNotANumber") << "big" << "dark" << "" << 100 << ThemeManager::Theme::Dark << 0;
    QTest::newRow("scaleTooLarge") << "500" << "" << "" << 160 << ThemeManager::Theme::System << 0;
    QTest::newRow("scaleTooSmall") << "10" << "" << "" << 70 << ThemeManager::Theme::System << 0;
    QTest::newRow("unknownTheme") << "" << "sepia" << "" << 100 << ThemeManager::Theme::System << 0;
    QTest::newRow("weekStartZero") << "" << "" << "0" << 100 << ThemeManager::Theme::System << 0;
    QTest::newRow("weekStartEight") << "" << "" << "8" << 100 << ThemeManager::Theme::System << 0;
    QTest::newRow("weekStartText") << "" << "" << "Monday" << 100 << ThemeManager::Theme::System << 0;
}

void tst_ThemeManager::applyStoredAppearance()
{
    QFETCH(QString, fontScale);
    QFETCH(QString, theme);
    QFETCH(QString, weekStart);
    QFETCH(int, expectedScale);
    QFETCH(ThemeManager::Theme, expectedTheme);
    QFETCH(int, expectedWeekStart);

    const Qt::DayOfWeek weekStartBefore = firstDayOfWeek();
    // A day none of the rows stores, so an ignored value is told apart.
    setFirstDayOfWeek(Qt::Tuesday);
    if (!fontScale.isEmpty())
        QVERIFY(m_prefs->set(QStringLiteral("fontScale"), fontScale));
    if (!theme.isEmpty())
        QVERIFY(m_prefs->set(QStringLiteral("theme"), theme));
    if (!weekStart.isEmpty())
        QVERIFY(m_prefs->set(QStringLiteral("weekStartDay"), weekStart));
    setFontScalePercent(115);
    QSignalSpy themeChanged(m_theme.get(), &ThemeManager::themeChanged);

    m_theme->applyStoredAppearance();

    const Qt::DayOfWeek weekStartAfter = firstDayOfWeek();
    setFirstDayOfWeek(weekStartBefore);
    QCOMPARE(fontScalePercent(), expectedScale);
    QCOMPARE(QApplication::font().pointSize(), 9 * expectedScale / 100);
    QCOMPARE(m_theme->theme(), expectedTheme);
    QCOMPARE(themeChanged.size(), 1);
    QCOMPARE(isDarkPalette(), expectedTheme == ThemeManager::Theme::Dark);
    QCOMPARE(int(weekStartAfter), expectedWeekStart == 0 ? int(Qt::Tuesday) : expectedWeekStart);
}

void tst_ThemeManager::themeColours_data()
{
    QTest::addColumn<ThemeManager::Theme>("theme");
    QTest::addColumn<QString>("negative");
    QTest::addColumn<QString>("positive");

    QTest::newRow("light") << ThemeManager::Theme::Light << "#c62828" << "#2e7d32";
    QTest::newRow("dark") << ThemeManager::Theme::Dark << "#ff8a80" << "#66bb6a";
}

void tst_ThemeManager::themeColours()
{
    QFETCH(ThemeManager::Theme, theme);
    QFETCH(QString, negative);
    QFETCH(QString, positive);

    m_theme->setTheme(theme);
    QCOMPARE(negativeColor().name(), negative);
    QCOMPARE(positiveColor().name(), positive);
    QCOMPARE(mutedTextColor().name(), QStringLiteral("#6e8a7e"));
}

void tst_ThemeManager::primaryButtonStyleIsTeal()
{
    const QString style = primaryButtonStyle();
    QVERIFY(style.startsWith(QLatin1String("QPushButton {  background-color: #00897B;  color: white;")));
    QVERIFY(style.contains(QLatin1String("QPushButton:pressed {  background-color: #004D40;}")));
    QVERIFY(!style.contains(QLatin1String("%1")));
}

void tst_ThemeManager::untickedIndicatorsHaveVisibleOutline_data()
{
    QTest::addColumn<ThemeManager::Theme>("theme");
    QTest::addColumn<bool>("radio");
    QTest::addColumn<bool>("enabled");

    QTest::newRow("darkCheckBox") << ThemeManager::Theme::Dark << false << true;
    QTest::newRow("darkRadioButton") << ThemeManager::Theme::Dark << true << true;
    QTest::newRow("darkDisabledCheckBox") << ThemeManager::Theme::Dark << false << false;
    QTest::newRow("darkDisabledRadioButton") << ThemeManager::Theme::Dark << true << false;
    QTest::newRow("lightCheckBox") << ThemeManager::Theme::Light << false << true;
    QTest::newRow("lightRadioButton") << ThemeManager::Theme::Light << true << true;
}

void tst_ThemeManager::untickedIndicatorsHaveVisibleOutline()
{
    QFETCH(ThemeManager::Theme, theme);
    QFETCH(bool, radio);
    QFETCH(bool, enabled);

    m_theme->setTheme(theme);
    std::unique_ptr<QAbstractButton> button;
    if (radio)
        button = std::make_unique<QRadioButton>(QStringLiteral("Deposit"));
    else
        button = std::make_unique<QCheckBox>(QStringLiteral("Cleared"));
    button->setEnabled(enabled);
    button->resize(button->sizeHint());
    const QImage image = button->grab().toImage();

    QStyleOptionButton option;
    option.initFrom(button.get());
    const QRect indicator = button->style()->subElementRect(
        radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &option, button.get());
    QVERIFY(indicator.isValid());
    // Walk from the indicator's left edge to its middle: somewhere on the way
    // the outline must stand out from the base colour inside the indicator.
    const int base = button->palette().color(QPalette::Base).lightness();
    const int y = indicator.center().y();
    int contrast = 0;
    for (int x = qMax(0, indicator.left()); x <= indicator.center().x(); ++x)
        contrast = qMax(contrast, qAbs(QColor(image.pixel(x, y)).lightness() - base));
    QVERIFY2(contrast >= 40, qPrintable(QStringLiteral("outline contrast %1").arg(contrast)));
}

QTEST_MAIN(tst_ThemeManager)
#include "tst_thememanager.moc"
