#pragma once

#include <QDate>

// The one place that asks the system for today's date, so code that depends
// on "today" can be exercised on fixed dates. Not thread-aware: the override
// is meant for tests running on the GUI thread.
namespace Clock {

// Today's local date, or the override while one is set.
QDate today();
// Pins today() to the given date; an invalid date returns to the system clock.
void setToday(const QDate &date);

} // namespace Clock
