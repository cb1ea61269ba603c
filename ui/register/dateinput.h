#pragma once

#include <QDate>
#include <QIcon>
#include <QString>

#include <functional>

class QCalendarWidget;
class QKeyEvent;
class QLineEdit;
class QPoint;
class QRect;
class QSize;
class QWidget;

// Helpers shared by the register's date editor and the forms' date field:
// the single-key date jumps, the typed-date parser, the one display format
// and the calendar popup. They hold no state of their own.

// Every date is shown and typed month/day/year, whatever the locale.
inline constexpr const char *kDateFormat = "M/d/yyyy";

QString formatDateText(const QDate &date);

// Applies a date key ("t", "+", "=", "-", "m", "h", "y", "r", "w", "k", any
// case) to the date; an invalid date is first replaced by today. Returns
// whether the key meant anything; date is changed only then.
bool applyDateKey(const QKeyEvent *event, QDate &date);

// Reads "M/d/yyyy", "MM/dd/yyyy", "M/d/yy" or "MM/dd/yy"; a two-digit year
// means 2000..2099. Text no format accepts gives the fallback.
QDate parseDateText(const QString &text, const QDate &fallback);

// Where a popup of the given size opens for an anchor, all in global
// coordinates, on a screen whose usable area is available: under the anchor
// when it fits there, above it when only that fits, otherwise on the side
// with more room. It is always shifted sideways and up or down as far as
// needed to stay inside the usable area.
QPoint popupPosition(const QRect &anchor, const QSize &popup, const QRect &available);

// Opens a calendar under the anchor (above it when the screen has no room
// below), selecting the date (today when invalid) and starting weeks on the
// application's first day of the week. A date clicked, or confirmed with
// Enter, goes to the callback and closes the popup, which deletes itself.
QCalendarWidget *showCalendarPopup(QWidget *anchor, const QDate &date,
                                   const std::function<void(const QDate &)> &callback);

// Gives the edit its trailing "Open calendar (F4)" button; triggering it calls open.
void addCalendarAction(QLineEdit *edit, const std::function<void()> &open);
