#include "ui/thememanager.h"

#include "data/preferencesrepository.h"
#include "ui/themestyle.h"

#include <QApplication>
#include <QStyleHints>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <optional>

namespace {

struct PaletteEntry
{
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
    const char *light;
    const char *dark;
};

constexpr PaletteEntry kPaletteEntries[] = {
    {QPalette::All, QPalette::Window, "#FAFBFA", "#0F1E19"},
    {QPalette::All, QPalette::WindowText, "#1B2D26", "#D8E8DF"},
    {QPalette::All, QPalette::Base, "#FFFFFF", "#152420"},
    {QPalette::All, QPalette::AlternateBase, "#F2F7F4", "#1A2E28"},
    {QPalette::All, QPalette::Text, "#1B2D26", "#D8E8DF"},
    {QPalette::All, QPalette::Button, "#E0EBE5", "#1E3530"},
    {QPalette::All, QPalette::ButtonText, "#1B2D26", "#D8E8DF"},
    {QPalette::All, QPalette::Highlight, "#00897B", "#4DB6AC"},
    {QPalette::All, QPalette::HighlightedText, "#FFFFFF", "#0F1E19"},
    {QPalette::All, QPalette::ToolTipBase, "#FFFFFF", "#1E3530"},
    {QPalette::All, QPalette::ToolTipText, "#1B2D26", "#D8E8DF"},
    {QPalette::All, QPalette::PlaceholderText, "#6E8A7E", "#8FAF9F"},
    {QPalette::All, QPalette::Mid, "#D8E0DB", "#2A4038"},
    {QPalette::All, QPalette::Light, "#FFFFFF", "#2A4038"},
    {QPalette::All, QPalette::Dark, "#9BB0A3", "#0A1510"},
    {QPalette::Disabled, QPalette::WindowText, "#A0B5A8", "#3A5A4A"},
    {QPalette::Disabled, QPalette::Text, "#A0B5A8", "#3A5A4A"},
    {QPalette::Disabled, QPalette::ButtonText, "#A0B5A8", "#3A5A4A"},
};

QPalette buildPalette(bool dark)
{
    // Roles the table leaves alone keep what the platform gave at start-up, so
    // switching back and forth never lets one theme's leftovers leak into the other.
    QPalette palette = platformPalette();
    for (const PaletteEntry &entry : kPaletteEntries)
        palette.setBrush(entry.group, entry.role, QBrush(QColor(QLatin1String(dark ? entry.dark : entry.light))));
    return palette;
}

} // namespace

ThemeManager::ThemeManager(PreferencesRepository *preferences, QObject *parent)
    : QObject(parent)
    , m_preferences(preferences)
{
    // Capture the platform's palette before the first theme replaces it.
    platformPalette();
    ThemeStyle::install();
}

void ThemeManager::setThemeName(const QString &name)
{
    if (name == QLatin1String("light"))
        setTheme(Theme::Light);
    else if (name == QLatin1String("dark"))
        setTheme(Theme::Dark);
    else
        setTheme(Theme::System);
}

void ThemeManager::setTheme(Theme theme)
{
    m_theme = theme;
    const bool dark = theme == Theme::Dark || (theme == Theme::System && systemPrefersDark());
    QApplication::setPalette(dark ? darkPalette() : lightPalette());
    QApplication::setFont(scaledFont());
    // A failed write still leaves the new look in place for this run.
    if (m_preferences)
        m_preferences->set(QStringLiteral("theme"), themeToString(theme));
    Q_EMIT themeChanged(theme);
}

void ThemeManager::applyStoredAppearance()
{
    if (!m_preferences)
        return;
    baseFont();   // captured before any scaling

    bool ok = false;
    int scale = m_preferences->getValue(QStringLiteral("fontScale"), QStringLiteral("100")).toInt(&ok);
    if (!ok)
        scale = kDefaultFontScalePercent;
    setFontScalePercent(scale);

    setThemeName(m_preferences->getValue(QStringLiteral("theme"), QStringLiteral("system")));

    if (const std::optional<QString> weekStart = m_preferences->get(QStringLiteral("weekStartDay"))) {
        const int day = weekStart->toInt(&ok);
        if (ok && day >= 1 && day <= 7)
            setFirstDayOfWeek(day);
    }
}

void ThemeManager::setFontScale(int percent)
{
    const int clamped = setFontScalePercent(percent);
    if (m_preferences)
        m_preferences->setInt(QStringLiteral("fontScale"), clamped);
    setTheme(m_theme);

    const QList<QWidget *> widgets = QApplication::allWidgets();
    for (QWidget *widget : widgets) {
        const QVariant role = widget->property("orlFontRole");
        if (!role.isValid())
            continue;
        QFont font = fontForRole(static_cast<FontRole>(role.toInt()));
        const QVariant italic = widget->property("orlFontItalic");
        if (italic.isValid() && italic.toBool())
            font.setItalic(true);
        const QVariant weight = widget->property("orlFontWeight");
        if (weight.isValid())
            font.setWeight(static_cast<QFont::Weight>(weight.toInt()));
        widget->setFont(font);
    }
    Q_EMIT fontScaleChanged(clamped);
}

QPalette ThemeManager::lightPalette()
{
    return buildPalette(false);
}

QPalette ThemeManager::darkPalette()
{
    return buildPalette(true);
}

bool ThemeManager::systemPrefersDark()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    switch (QGuiApplication::styleHints()->colorScheme()) {
    case Qt::ColorScheme::Dark:
        return true;
    case Qt::ColorScheme::Light:
        return false;
    default:
        break;
    }
#endif
    return platformPalette().color(QPalette::Window).lightness() < 128;
}

QString themeToString(ThemeManager::Theme theme)
{
    switch (theme) {
    case ThemeManager::Theme::Light:
        return QStringLiteral("light");
    case ThemeManager::Theme::Dark:
        return QStringLiteral("dark");
    case ThemeManager::Theme::System:
        break;
    }
    return QStringLiteral("system");
}

int scaledPointSize()
{
    const int base = baseFont().pointSize() > 0 ? baseFont().pointSize() : 10;
    return std::max(1, base * fontScalePercent() / 100);
}

QFont scaledFont()
{
    QFont font = baseFont();
    font.setPointSize(scaledPointSize());
    return font;
}

QFont fontForRole(FontRole role)
{
    const int size = scaledPointSize();
    if (role == FontRole::Amount)
        return monospaceFont();

    QFont font = baseFont();
    switch (role) {
    case FontRole::BodyStrong:
        font.setPointSize(size);
        font.setWeight(QFont::Medium);
        break;
    case FontRole::Caption:
        font.setPointSize(std::max(7, size - 2));
        break;
    case FontRole::SectionTitle:
        font.setPointSize(size + 1);
        font.setWeight(QFont::Medium);
        break;
    case FontRole::PageTitle:
        font.setPointSize(size + 4);
        font.setWeight(QFont::DemiBold);
        break;
    case FontRole::LargeTitle:
        font.setPointSize(size + 8);
        font.setWeight(QFont::DemiBold);
        break;
    case FontRole::DisplayTitle:
        font.setPointSize(size + 14);
        font.setWeight(QFont::Bold);
        break;
    default:
        font.setPointSize(size);
        break;
    }
    return font;
}

QFont monospaceFont()
{
    QFont font(QStringLiteral("monospace"));
    font.setStyleHint(QFont::Monospace, QFont::PreferDefault);
    font.setPointSize(scaledPointSize());
    return font;
}

void applyFontRole(QWidget *widget, FontRole role)
{
    if (!widget)
        return;
    widget->setProperty("orlFontRole", static_cast<int>(role));
    widget->setFont(fontForRole(role));
}

bool isDarkPalette()
{
    return QApplication::palette().color(QPalette::Window).lightness() < 128;
}

QColor negativeColor()
{
    return QColor(isDarkPalette() ? QStringLiteral("#FF8A80") : QStringLiteral("#C62828"));
}

QColor positiveColor()
{
    return QColor(isDarkPalette() ? QStringLiteral("#66BB6A") : QStringLiteral("#2E7D32"));
}

QColor mutedTextColor()
{
    return QColor(QStringLiteral("#6E8A7E"));
}

QString primaryButtonStyle()
{
    return QStringLiteral("QPushButton {  background-color: %1;  color: white;  border: none;  "
                          "border-radius: 4px;  padding: 6px 16px;  font-weight: 600;  min-width: 80px;}"
                          "QPushButton:hover {  background-color: #00796B;}"
                          "QPushButton:pressed {  background-color: #004D40;}")
        .arg(QStringLiteral("#00897B"));
}
