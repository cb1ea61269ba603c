#pragma once

#include "ui/uisettings.h"

#include <QColor>
#include <QFont>
#include <QObject>
#include <QPalette>
#include <QString>

class PreferencesRepository;
class QWidget;

// Gives the application its light or dark palette (or the one matching the
// platform) and the user's font scale, and remembers both in the preferences.
// Widgets that carry a font role (the "orlFontRole" property) are re-fonted
// when the scale changes; everything else inherits the application font. It
// does not follow a change of the platform's colour scheme by itself: the
// scheme is read again only on the next setTheme. The first manager wraps the
// application style in ThemeStyle, so check boxes and radio buttons keep a
// visible outline in the dark palette.
class ThemeManager : public QObject
{
    Q_OBJECT

public:
    enum class Theme { System, Light, Dark };
    Q_ENUM(Theme)

    explicit ThemeManager(PreferencesRepository *preferences, QObject *parent = nullptr);

    // "light" and "dark" select those themes; any other text selects System.
    void setThemeName(const QString &name);
    void setTheme(Theme theme);
    Theme theme() const { return m_theme; }

    // Applies what the preferences remember: the font scale, the theme and
    // the first day of the week. Called once, before the first window shows;
    // without preferences it does nothing.
    void applyStoredAppearance();

    // Clamps to 70..160, stores it, re-applies the theme and re-fonts every
    // widget that carries a font role.
    void setFontScale(int percent);

    static QPalette lightPalette();
    static QPalette darkPalette();
    // True when the platform asks for dark colours (see platformPalette()).
    static bool systemPrefersDark();

Q_SIGNALS:
    // The theme that was asked for, not the palette chosen for System.
    void themeChanged(ThemeManager::Theme theme);
    void fontScaleChanged(int percent);

private:
    PreferencesRepository *m_preferences;
    Theme m_theme = Theme::System;
};

// Typographic roles understood by fontForRole and applyFontRole. A widget
// keeps its role as the int in its "orlFontRole" property.
enum class FontRole : int {
    Body = 0,
    BodyStrong = 1,
    Caption = 2,
    SectionTitle = 3,
    PageTitle = 4,
    LargeTitle = 5,
    DisplayTitle = 6,   // not "Display": X11 declares a global of that name
    Amount = 7,
};

QString themeToString(ThemeManager::Theme theme);

// The base font's point size (10 when it has none) times the font scale, at least 1.
int scaledPointSize();
QFont scaledFont();
// Values outside the named roles are body text.
QFont fontForRole(FontRole role);
QFont monospaceFont();
// Marks the widget with the role, so a later scale change re-fonts it, and
// gives it the role's font now. A null widget is ignored.
void applyFontRole(QWidget *widget, FontRole role);

// The installed application palette is dark when its window colour has a
// lightness below 128.
bool isDarkPalette();
QColor negativeColor();
QColor positiveColor();
QColor mutedTextColor();

// The teal style sheet of the main call-to-action buttons.
QString primaryButtonStyle();
