#include "ui/screens/reportpage.h"

#include "ui/screens/reportchartview.h"
#include "ui/screens/reportsection.h"
#include "ui/screens/reporttablemodel.h"
#include "ui/thememanager.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QSettings>
#include <QSpacerItem>
#include <QVBoxLayout>

ReportPage::ReportPage(const QString &key, bool hasChart, QWidget *parent)
    : QWidget(parent)
    , m_key(key)
    , m_hasChart(hasChart)
    , m_chartShown(hasChart && QSettings().value(chartSettingKey(key), true).toBool())
{
    m_controls = new QVBoxLayout;
    m_controls->setContentsMargins(0, 0, 0, 0);
    m_controls->setSpacing(8);

    m_hint = new QLabel(this);
    m_hint->setObjectName(QStringLiteral("pageHint"));
    // The palette's own hint colour: readable on the tab in both themes.
    m_hint->setForegroundRole(QPalette::PlaceholderText);
    applyFontRole(m_hint, FontRole::Caption);
    m_hint->setVisible(false);

    auto *hintRow = new QHBoxLayout;
    hintRow->setContentsMargins(0, 0, 0, 0);
    hintRow->addWidget(m_hint, 1);
    if (hasChart) {
        m_chartSwitch = new QCheckBox(tr("Show chart"), this);
        m_chartSwitch->setObjectName(QStringLiteral("chartSwitch"));
        m_chartSwitch->setChecked(m_chartShown);
        connect(m_chartSwitch, &QCheckBox::toggled, this, &ReportPage::setChartShown);
        hintRow->addWidget(m_chartSwitch, 0, Qt::AlignRight);
    }

    // The sections sit on the tab's own background, like the rows above them.
    auto *content = new QWidget;
    m_sectionsLayout = new QVBoxLayout(content);
    m_sectionsLayout->setContentsMargins(0, 0, 0, 0);
    m_sectionsLayout->setSpacing(20);
    m_scroll = new QScrollArea(this);
    m_scroll->setWidgetResizable(true);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidget(content);
    // setWidget makes the content paint its background; it should not.
    content->setAutoFillBackground(false);
    m_scroll->viewport()->setAutoFillBackground(false);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 8, 0, 0);
    layout->setSpacing(8);
    layout->addLayout(m_controls);
    layout->addLayout(hintRow);
    layout->addWidget(m_scroll, 1);

    setSections({Currency::USD});
}

QString ReportPage::chartSettingKey(const QString &reportKey)
{
    return QStringLiteral("reports/%1/showChart").arg(reportKey);
}

void ReportPage::setHint(const QString &text)
{
    m_hint->setText(text);
    m_hint->setVisible(!text.isEmpty());
}

void ReportPage::setSections(const QList<Currency> &currencies)
{
    const qsizetype wanted = qMax<qsizetype>(1, currencies.size());
    if (m_tailStretch) {
        m_sectionsLayout->removeItem(m_tailStretch);
        delete m_tailStretch;
        m_tailStretch = nullptr;
    }
    while (m_sections.size() > wanted) {
        ReportSection *spare = m_sections.takeLast();
        spare->hide();
        spare->setParent(nullptr);
        spare->deleteLater();
    }
    while (m_sections.size() < wanted) {
        auto *section = new ReportSection;
        const int index = int(m_sections.size());
        connect(section, &ReportSection::rowActivated, this, [this, index](int row) {
            Q_EMIT rowActivated(index, row);
        });
        connect(section, &ReportSection::barClicked, this, [this, index](int series, int category) {
            Q_EMIT barClicked(index, series, category);
        });
        m_sectionsLayout->addWidget(section);
        // Shown now rather than from the event loop, so its chart is made
        // with its data.
        section->show();
        m_sections.append(section);
    }

    const bool several = currencies.size() > 1;
    for (int i = 0; i < m_sections.size(); ++i) {
        ReportSection *section = m_sections.at(i);
        section->setHeading(several ? currencyDisplayLabel(currencies.at(i)) : QString());
        section->setChartVisible(m_chartShown);
        section->setFillsPage(!several);
        m_sectionsLayout->setStretchFactor(section, several ? 0 : 1);
    }
    // Several sections stack at their own heights and the page scrolls.
    if (several) {
        m_tailStretch = new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Expanding);
        m_sectionsLayout->addItem(m_tailStretch);
    }
}

bool ReportPage::hasRows() const
{
    for (const ReportSection *section : m_sections) {
        if (section->model()->rowCount() > 0)
            return true;
    }
    return false;
}

void ReportPage::setChartShown(bool shown)
{
    if (!m_hasChart)
        return;
    m_chartShown = shown;
    QSettings().setValue(chartSettingKey(m_key), shown);
    if (m_chartSwitch->isChecked() != shown)
        m_chartSwitch->setChecked(shown);
    for (ReportSection *section : std::as_const(m_sections))
        section->setChartVisible(shown && m_hasChart);
}

void ReportPage::applyTheme()
{
    for (ReportSection *section : std::as_const(m_sections))
        section->chartView()->applyTheme();
}
