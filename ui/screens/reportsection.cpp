#include "ui/screens/reportsection.h"

#include "ui/screens/reportchartview.h"
#include "ui/screens/reporttablemodel.h"
#include "ui/thememanager.h"

#include <QHeaderView>
#include <QLabel>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

namespace {

constexpr int kRowHeight = 36;
// Without the whole page to itself a section shows this many rows at most
// before its table scrolls, and a chart of this height.
constexpr int kListedRows = 8;
constexpr int kListedChartHeight = 240;

} // namespace

ReportSection::ReportSection(QWidget *parent)
    : QWidget(parent)
{
    m_heading = new QLabel(this);
    m_heading->setObjectName(QStringLiteral("sectionHeading"));
    applyFontRole(m_heading, FontRole::SectionTitle);
    m_heading->setVisible(false);

    m_chart = new ReportChartView(this);
    m_model = new ReportTableModel(this);
    m_table = new QTableView(this);
    m_table->setModel(m_model);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(kRowHeight);
    m_table->setAlternatingRowColors(true);
    m_table->setShowGrid(false);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setWordWrap(false);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->horizontalHeader()->setHighlightSections(false);
    connect(m_table, &QAbstractItemView::activated, this, [this](const QModelIndex &index) {
        if (index.isValid() && index.row() < m_model->dataRowCount())
            Q_EMIT rowActivated(index.row());
    });
    connect(m_chart, &ReportChartView::barClicked, this, &ReportSection::barClicked);
    connect(m_model, &QAbstractItemModel::modelReset, this, &ReportSection::updateHeight);
    connect(m_model, &QAbstractItemModel::rowsInserted, this, &ReportSection::updateHeight);

    m_splitter = new QSplitter(Qt::Vertical, this);
    m_splitter->setChildrenCollapsible(false);
    m_splitter->addWidget(m_chart);
    m_splitter->addWidget(m_table);
    m_splitter->setStretchFactor(0, 2);
    m_splitter->setStretchFactor(1, 3);
    // Two fifths for the chart to start with, whatever the table would like.
    m_splitter->setSizes({200, 300});

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    layout->addWidget(m_heading);
    layout->addWidget(m_splitter, 1);
}

void ReportSection::setHeading(const QString &text)
{
    m_heading->setText(text);
    m_heading->setVisible(!text.isEmpty());
    updateHeight();
}

QString ReportSection::heading() const
{
    return m_heading->text();
}

void ReportSection::setChartVisible(bool visible)
{
    m_chartShown = visible;
    m_chart->setVisible(visible);
    updateHeight();
}

void ReportSection::setFillsPage(bool fills)
{
    m_fillsPage = fills;
    updateHeight();
}

void ReportSection::updateHeight()
{
    if (m_fillsPage) {
        m_chart->setMinimumHeight(160);
        setMinimumHeight(0);
        setMaximumHeight(QWIDGETSIZE_MAX);
        return;
    }
    const int rows = qBound(1, m_model->rowCount(), kListedRows);
    const int tableHeight = m_table->horizontalHeader()->sizeHint().height() + rows * kRowHeight
        + 2 * m_table->frameWidth() + 2;
    int height = tableHeight;
    if (m_chartShown) {
        m_chart->setMinimumHeight(kListedChartHeight);
        height += kListedChartHeight + m_splitter->handleWidth();
    }
    if (m_heading->isVisibleTo(this))
        height += m_heading->sizeHint().height() + 6;
    // Exactly that: a short table takes no more room than its rows need.
    setFixedHeight(height);
}
