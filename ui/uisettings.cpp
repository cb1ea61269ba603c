#include "ui/uisettings.h"

#include <QGuiApplication>
#include <QLocale>

#include <algorithm>
#include <optional>

namespace {

int g_fontScalePercent = kDefaultFontScalePercent;
std::optional<Qt::DayOfWeek> g_firstDayOfWeek;

std::optional<QPalette> &capturedPalette()
{
    static std::optional<QPalette> palette;
    return palette;
}

} // namespace

QFont &baseFont()
{
    static QFont font = QGuiApplication::font();
    return font;
}

int clampFontScalePercent(int percent)
{
    return std::clamp(percent, kMinFontScalePercent, kMaxFontScalePercent);
}

int fontScalePercent()
{
    return g_fontScalePercent;
}

int setFontScalePercent(int percent)
{
    g_fontScalePercent = clampFontScalePercent(percent);
    return g_fontScalePercent;
}

Qt::DayOfWeek firstDayOfWeek()
{
    if (!g_firstDayOfWeek)
        g_firstDayOfWeek = QLocale::system().firstDayOfWeek();
    return *g_firstDayOfWeek;
}

void setFirstDayOfWeek(int day)
{
    if (day >= Qt::Monday && day <= Qt::Sunday)
        g_firstDayOfWeek = static_cast<Qt::DayOfWeek>(day);
}

const QPalette &platformPalette()
{
    if (!capturedPalette())
        capturedPalette() = QGuiApplication::palette();
    return *capturedPalette();
}

void setPlatformPalette(const QPalette &palette)
{
    capturedPalette() = palette;
}
