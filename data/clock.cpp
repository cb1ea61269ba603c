#include "data/clock.h"

namespace {
QDate g_override;
}

QDate Clock::today()
{
    return g_override.isValid() ? g_override : QDate::currentDate();
}

void Clock::setToday(const QDate &date)
{
    g_override = date;
}
