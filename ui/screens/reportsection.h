#pragma once

#include <QWidget>

class QLabel;
class QSplitter;
class QTableView;
class ReportChartView;
class ReportTableModel;

// One currency's part of a report: a heading (shown only when the report
// has several parts), the chart and, below it, the table. The chart and
// the table share the height through a splitter the user can drag. A
// section that fills its page takes whatever height there is; otherwise
// it is as high as the chart and a few rows need (its table scrolls past
// them), and its page scrolls.
class ReportSection : public QWidget
{
    Q_OBJECT

public:
    explicit ReportSection(QWidget *parent = nullptr);

    // An empty heading hides it.
    void setHeading(const QString &text);
    QString heading() const;
    void setChartVisible(bool visible);
    bool isChartShown() const { return m_chartShown; }
    void setFillsPage(bool fills);
    // Recomputes the height a section asks for when it does not fill the page.
    void updateHeight();

    ReportTableModel *model() const { return m_model; }
    QTableView *table() const { return m_table; }
    ReportChartView *chartView() const { return m_chart; }

Q_SIGNALS:
    // A row of the report (never the total row) was double-clicked or
    // entered with Return.
    void rowActivated(int row);
    void barClicked(int series, int category);

private:
    QLabel *m_heading = nullptr;
    QSplitter *m_splitter = nullptr;
    ReportChartView *m_chart = nullptr;
    QTableView *m_table = nullptr;
    ReportTableModel *m_model = nullptr;
    bool m_chartShown = true;
    bool m_fillsPage = true;
};
