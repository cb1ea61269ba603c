#include "ui/screens/reportperiods.h"

QStringList ReportPeriods::presetLabels()
{
    return {tr("This Month"),   tr("Last Month"),   tr("This Quarter"),
            tr("Last Quarter"), tr("This Year"),    tr("Last Year"),
            tr("Last 30 Days"), tr("Last 90 Days"), tr("Last 12 Months"),
            tr("All Time"),     tr("Custom")};
}

QStringList ReportPeriods::compareLabels()
{
    return {tr("This Year vs Last Year"), tr("Last Year vs Year Before"), tr("This Quarter vs Last Quarter"),
            tr("Custom")};
}

QDate ReportPeriods::firstDayOfQuarter(const QDate &today)
{
    return QDate(today.year(), ((today.month() - 1) / 3) * 3 + 1, 1);
}

std::optional<DateRange> ReportPeriods::preset(int index, const QDate &today,
                                               const std::optional<std::pair<QDate, QDate>> &stored)
{
    const QDate monthStart(today.year(), today.month(), 1);
    const QDate quarterStart = firstDayOfQuarter(today);
    switch (index) {
    case ThisMonth:
        return DateRange{monthStart, today};
    case LastMonth:
        return DateRange{monthStart.addMonths(-1), monthStart.addDays(-1)};
    case ThisQuarter:
        return DateRange{quarterStart, today};
    case LastQuarter:
        return DateRange{quarterStart.addMonths(-3), quarterStart.addDays(-1)};
    case ThisYear:
        return DateRange{QDate(today.year(), 1, 1), today};
    case LastYear:
        return DateRange{QDate(today.year() - 1, 1, 1), QDate(today.year() - 1, 12, 31)};
    case Last30Days:
        return DateRange{today.addDays(-30), today};
    case Last90Days:
        return DateRange{today.addDays(-90), today};
    case Last12Months:
        return DateRange{today.addYears(-1), today};
    case AllTime:
        // Every stored row, however old, and planned rows ahead of today.
        if (stored && stored->first.isValid() && stored->second.isValid())
            return DateRange{stored->first, stored->second};
        return DateRange{today, today};
    default:
        return std::nullopt;
    }
}

std::optional<std::pair<DateRange, DateRange>> ReportPeriods::compare(int index, const QDate &today)
{
    const int y = today.year();
    const QDate quarterStart = firstDayOfQuarter(today);
    switch (index) {
    case ThisYearVsLastYear:
        return std::make_pair(DateRange{QDate(y - 1, 1, 1), QDate(y - 1, 12, 31)}, DateRange{QDate(y, 1, 1), today});
    case LastYearVsYearBefore:
        return std::make_pair(DateRange{QDate(y - 2, 1, 1), QDate(y - 2, 12, 31)},
                              DateRange{QDate(y - 1, 1, 1), QDate(y - 1, 12, 31)});
    case ThisQuarterVsLastQuarter:
        return std::make_pair(DateRange{quarterStart.addMonths(-3), quarterStart.addDays(-1)},
                              DateRange{quarterStart, today});
    default:
        return std::nullopt;
    }
}
