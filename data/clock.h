#pragma once

#include <QDate>
#include <QDateTime>

// The one place that asks the system for today's date and the current time,
// so code that depends on either can be exercised on fixed values. Not
// thread-aware: the overrides are meant for tests running on the GUI thread.
namespace Clock {

// Today's local date, or the override while one is set.
QDate today();
// Pins today() to the given date; an invalid date returns to the system clock.
void setToday(const QDate &date);

// The current UTC time in whole seconds (the precision timestamps are
// stored in), or the override while one is set.
QDateTime now();
// Pins now(); an invalid time returns to the system clock.
void setNow(const QDateTime &time);

} // namespace Clock
