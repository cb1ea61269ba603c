#pragma once

#include <QFont>
#include <QPalette>
#include <Qt>

// Process-wide user-interface values, read by any widget without reaching the
// AppState: the base font every scaled font derives from, the font scale, the
// first day of the week for date pickers, and the palette the platform gave
// the application before any theme replaced it. GUI thread only; these are
// plain values and announce nothing when they change.

constexpr int kMinFontScalePercent = 70;
constexpr int kMaxFontScalePercent = 160;
constexpr int kDefaultFontScalePercent = 100;

// The font captured from QApplication::font() on first use, before scaling.
QFont &baseFont();

int fontScalePercent();
// Stores the percent clamped to 70..160 and returns what was stored.
int setFontScalePercent(int percent);
int clampFontScalePercent(int percent);

// Starts as the system locale's first day; the "weekStartDay" preference
// replaces it. Values outside Monday..Sunday are ignored.
Qt::DayOfWeek firstDayOfWeek();
void setFirstDayOfWeek(int day);

// The application palette as it was before the first theme was installed,
// captured on first use. The "System" theme follows its lightness where Qt
// cannot report the platform's colour scheme. Setting it replaces the capture.
const QPalette &platformPalette();
void setPlatformPalette(const QPalette &palette);
