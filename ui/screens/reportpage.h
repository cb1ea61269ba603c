#pragma once

#include "data/enums.h"

#include <QList>
#include <QWidget>

class QCheckBox;
class QLabel;
class QScrollArea;
class QSpacerItem;
class QVBoxLayout;
class ReportSection;

// One tab of the reports screen: room for controls of its own on top, a
// line with a hint and the "Show chart" switch, then one section per
// currency of the report (one at least). The switch is remembered per
// report in the settings store, under the page's key. Pages without a
// chart have no switch. It shows what it is given; the screen fills it.
class ReportPage : public QWidget
{
    Q_OBJECT

public:
    ReportPage(const QString &key, bool hasChart, QWidget *parent = nullptr);

    QString key() const { return m_key; }
    bool hasChart() const { return m_hasChart; }

    // Where a page puts controls of its own, above everything else.
    QVBoxLayout *controlsLayout() const { return m_controls; }
    void setHint(const QString &text);

    // Makes one section per currency, headed by it when there are several.
    // Sections are kept and reused: a reload does not rebuild the widgets.
    void setSections(const QList<Currency> &currencies);
    int sectionCount() const { return int(m_sections.size()); }
    ReportSection *section(int index) const { return m_sections.value(index); }
    // Whether any section has a row to export.
    bool hasRows() const;

    bool isChartShown() const { return m_chartShown; }
    void setChartShown(bool shown);
    QCheckBox *chartSwitch() const { return m_chartSwitch; }
    // Redraws the charts in the current palette and font scale.
    void applyTheme();

    // The settings key that keeps whether the chart of a report is shown.
    static QString chartSettingKey(const QString &reportKey);

Q_SIGNALS:
    void rowActivated(int section, int row);
    void barClicked(int section, int series, int category);

private:
    QString m_key;
    bool m_hasChart;
    bool m_chartShown;
    QVBoxLayout *m_controls = nullptr;
    QLabel *m_hint = nullptr;
    QCheckBox *m_chartSwitch = nullptr;
    QScrollArea *m_scroll = nullptr;
    QVBoxLayout *m_sectionsLayout = nullptr;
    QSpacerItem *m_tailStretch = nullptr;
    QList<ReportSection *> m_sections;
};
