#pragma once

#include "ui/screens/reportchartdata.h"

#include <QChartView>
#include <QList>

class QBarSet;
class QLineSeries;

// Draws a report chart with Qt Charts in the colours of the installed
// palette and the fonts of the font scale; applyTheme() follows a change
// of either. Resting the pointer on a bar or a point of the line shows its
// figure in the currency; clicking a bar reports which one. The chart is
// built when the view is shown, so charts of tabs nobody looks at cost
// nothing. Not for data that changes while shown: setData replaces it all.
class ReportChartView : public QChartView
{
    Q_OBJECT

public:
    explicit ReportChartView(QWidget *parent = nullptr);
    ~ReportChartView() override;

    void setData(const ReportChartData &data);
    const ReportChartData &data() const { return m_data; }

    // Re-reads the palette and the font scale.
    void applyTheme();
    // The tool tip of a bar (series = its index in data().bars) or, for
    // series == data().bars.size(), of a point of the line.
    QString toolTipText(int series, int category) const;

    // The bar sets as drawn, in the order of data().bars; empty until built.
    QList<QBarSet *> barSets() const { return m_sets; }
    QLineSeries *lineSeries() const { return m_line; }

Q_SIGNALS:
    // A click on a bar: the series and the category, as indexes of data().
    void barClicked(int series, int category);

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void rebuild();
    // Every how many categories a bottom axis shows a label at this width.
    int labelStep() const;
    // The category index of data() that position `index` of the drawn axis shows.
    int dataIndex(int index) const;
    void showToolTip(int series, int index, bool hovering);

    ReportChartData m_data;
    bool m_stale = false;
    bool m_theming = false;
    int m_labelStep = 1;
    QList<QBarSet *> m_sets;
    QLineSeries *m_line = nullptr;
};
