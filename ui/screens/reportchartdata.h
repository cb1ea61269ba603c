#pragma once

#include "data/enums.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// One series of a report chart: an amount per category, in minor units.
struct ReportChartSeries
{
    // Colours come from the palette when the chart is drawn, so a series
    // names its role rather than a colour.
    enum class Tone { Accent, Positive, Negative, Muted, Strong };

    QString name;
    QList<qint64> amounts;
    Tone tone = Tone::Accent;
};

// What a report chart shows: bars for each category, optionally a line
// over them, in one currency.
struct ReportChartData
{
    enum class Orientation { Vertical, Horizontal };

    Orientation orientation = Orientation::Vertical;
    QStringList categories;
    // The report row each category stands for, so a click finds its row.
    QList<int> rows;
    QList<ReportChartSeries> bars;
    // Vertical charts only: one point per category, drawn over the bars.
    std::optional<ReportChartSeries> line;
    // Bars drawn by their size (spending as lengths to the right); tool
    // tips keep the sign.
    bool plotMagnitudes = false;
    Currency currency = Currency::USD;

    bool isEmpty() const { return categories.isEmpty(); }
};
