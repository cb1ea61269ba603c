#include "data/clock.h"



namespace {
QDate g_today;
QDateTime g_now;

QDateTime wholeSecondsUtc(const QDateTime &time)
{
    return QDateTime::fromSecsSinceEpoch(time.toSecsSinceEpoch(), Qt::UTC);
}
} // namespace

QDate Clock::today()
{
    return g_today.isValid() ? g_today : QDate::currentDate();
}

void Clock::setToday(const QDate &date)
{
    g_today = date;
}

QDateTime Clock::now()
{
    return g_now.isValid() ? g_now : wholeSecondsUtc(QDateTime::currentDateTimeUtc());
}

void Clock::setNow(const QDateTime &time)
{
    g_now = time.isValid() ? wholeSecondsUtc(time) : QDateTime();
}
