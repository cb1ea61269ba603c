#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QStringList>

#include <optional>
#include <utility>

// A span of days, both ends included.
struct DateRange
{
    QDate from;
    QDate to;

    friend bool operator==(const DateRange &a, const DateRange &b) { return a.from == b.from && a.to == b.to; }
};

// The period presets of the reports screen and the compare presets of its
// year-over-year tab, computed from the day passed in so they can be
// checked on any date. Quarters are calendar quarters from January.
// "All Time" spans the dates the data set holds, not a fixed start; the
// custom entries have no dates of their own (the screen keeps whatever
// its date fields show).
class ReportPeriods
{
    Q_DECLARE_TR_FUNCTIONS(ReportPeriods)

public:
    enum Preset {
        ThisMonth,
        LastMonth,
        ThisQuarter,
        LastQuarter,
        ThisYear,
        LastYear,
        Last30Days,
        Last90Days,
        Last12Months,
        AllTime,
        Custom,
        PresetCount
    };
    enum Compare { ThisYearVsLastYear, LastYearVsYearBefore, ThisQuarterVsLastQuarter, CompareCustom, CompareCount };

    // Shown as written, in every language.
    static QStringList presetLabels();
    static QStringList compareLabels();

    // The dates of a preset on `today`; empty for Custom and for an index
    // outside the list. `stored` is the first and last date of the data
    // set; without it "All Time" is today alone.
    static std::optional<DateRange> preset(int index, const QDate &today,
                                           const std::optional<std::pair<QDate, QDate>> &stored = std::nullopt);
    // Period 1 and period 2 of a compare preset; empty for Custom and for
    // an index outside the list.
    static std::optional<std::pair<DateRange, DateRange>> compare(int index, const QDate &today);

private:
    static QDate firstDayOfQuarter(const QDate &today);
};
