#include "ui/screens/reportchartview.h"

#include "data/money.h"
#include "ui/thememanager.h"

#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QCursor>
#include <QEvent>
#include <QFontMetrics>
#include <QGraphicsLayout>
#include <QHorizontalBarSeries>
#include <QLineSeries>
#include <QLocale>
#include <QSet>
#include <QTextDocument>
#include <QToolTip>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

// A category axis along the bottom labels at most this many categories,
// fewer when they would not fit side by side.
constexpr int kMaxAxisLabels = 14;
// Category names on a horizontal chart are elided to about this many characters.
constexpr int kMaxNameCharacters = 28;

double toMajorUnits(qint64 amount, Currency currency)
{
    double value = double(amount);
    for (int i = 0; i < currencyDecimals(currency); ++i)
        value /= 10;
    return value;
}

// The category axis wants every label distinct: blanked and elided labels
// are kept apart by zero-width spaces, which draw nothing.
QStringList distinct(QStringList labels)
{
    QSet<QString> seen;
    for (QString &label : labels) {
        while (seen.contains(label))
            label += QChar(0x200B);
        seen.insert(label);
    }
    return labels;
}

QColor toneColor(ReportChartSeries::Tone tone, const QPalette &palette)
{
    switch (tone) {
    case ReportChartSeries::Tone::Accent:
        return palette.color(QPalette::Highlight);
    case ReportChartSeries::Tone::Positive:
        return positiveColor();
    case ReportChartSeries::Tone::Negative:
        return negativeColor();
    case ReportChartSeries::Tone::Muted:
        // Blue-grey: apart from the teal accent it is paired with.
        return isDarkPalette() ? QColor(QStringLiteral("#78909C")) : QColor(QStringLiteral("#90A4AE"));
    case ReportChartSeries::Tone::Strong:
        break;
    }
    return palette.color(QPalette::Text);
}

} // namespace

ReportChartView::ReportChartView(QWidget *parent)
    : QChartView(parent)
{
    setRenderHint(QPainter::Antialiasing);
    setFrameShape(QFrame::NoFrame);
    setMinimumHeight(180);
}

ReportChartView::~ReportChartView() = default;

void ReportChartView::setData(const ReportChartData &data)
{
    m_data = data;
    m_sets.clear();
    m_line = nullptr;
    m_stale = true;
    if (isVisible())
        rebuild();
}

void ReportChartView::applyTheme()
{
    // Labels are elided in the font of the scale, so the chart is made anew.
    m_stale = true;
    if (isVisible())
        rebuild();
}

void ReportChartView::showEvent(QShowEvent *event)
{
    QChartView::showEvent(event);
    if (m_stale)
        rebuild();
}

void ReportChartView::changeEvent(QEvent *event)
{
    QChartView::changeEvent(event);
    if (!m_theming && (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange))
        applyTheme();
}

int ReportChartView::labelStep() const
{
    const int count = int(m_data.categories.size());
    if (count <= 1)
        return 1;
    int widest = 0;
    const QFontMetrics metrics(fontForRole(FontRole::Caption));
    for (const QString &category : m_data.categories)
        widest = std::max(widest, metrics.horizontalAdvance(category));
    // Room for the labels once the value axis has taken its share.
    const int room = std::max(1, width() - metrics.horizontalAdvance(QStringLiteral("-000,000")) - 24);
    const int fitting = std::clamp(room / std::max(1, widest + metrics.averageCharWidth() * 2), 2, kMaxAxisLabels);
    return (count + fitting - 1) / fitting;
}

void ReportChartView::resizeEvent(QResizeEvent *event)
{
    QChartView::resizeEvent(event);
    // Labels that no longer fit, or room for more: the axis is made anew.
    if (!m_stale && !m_data.isEmpty() && m_data.orientation == ReportChartData::Orientation::Vertical
        && labelStep() != m_labelStep)
        rebuild();
}

int ReportChartView::dataIndex(int index) const
{
    // Horizontal bars are drawn from the bottom up; the first row goes on top.
    if (m_data.orientation == ReportChartData::Orientation::Horizontal)
        return int(m_data.categories.size()) - 1 - index;
    return index;
}

QString ReportChartView::toolTipText(int series, int category) const
{
    if (category < 0 || category >= m_data.categories.size())
        return QString();
    const ReportChartSeries *shown = nullptr;
    if (series >= 0 && series < m_data.bars.size())
        shown = &m_data.bars.at(series);
    else if (series == m_data.bars.size() && m_data.line)
        shown = &*m_data.line;
    if (!shown)
        return QString();
    const QString amount = formatMoney(shown->amounts.value(category), m_data.currency);
    if (m_data.bars.size() + (m_data.line ? 1 : 0) == 1)
        return tr("%1: %2").arg(m_data.categories.at(category), amount);
    return tr("%1\n%2: %3").arg(m_data.categories.at(category), shown->name, amount);
}

void ReportChartView::showToolTip(int series, int index, bool hovering)
{
    if (!hovering) {
        QToolTip::hideText();
        return;
    }
    QString text = toolTipText(series, dataIndex(index));
    // A name that looks like markup is shown as the characters it is.
    if (Qt::mightBeRichText(text))
        text = QStringLiteral("<p style='white-space:pre'>%1</p>").arg(text.toHtmlEscaped());
    QToolTip::showText(QCursor::pos(), text, this);
}

void ReportChartView::rebuild()
{
    m_stale = false;
    m_theming = true;
    m_sets.clear();
    m_line = nullptr;

    // The application's palette, not the view's own copy: when the theme
    // manager announces a change, the views have not been told yet.
    const QPalette colours = QApplication::palette(this);
    const QColor text = colours.color(QPalette::Text);
    const QColor grid = colours.color(QPalette::Mid);
    const QFont labelFont = fontForRole(FontRole::Caption);
    const QFont nameFont = fontForRole(FontRole::Body);

    auto *chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundRoundness(0);
    chart->setBackgroundBrush(colours.color(QPalette::Base));
    chart->setBackgroundPen(Qt::NoPen);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    // Amounts read the same in every language (see formatMoney): 12,000.
    chart->setLocalizeNumbers(true);
    chart->setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    chart->legend()->setLabelColor(text);
    chart->legend()->setFont(nameFont);
    chart->legend()->setAlignment(Qt::AlignBottom);
    setBackgroundBrush(colours.color(QPalette::Base));

    const int count = int(m_data.categories.size());
    if (count == 0) {
        chart->setTitle(tr("Nothing to chart for this period"));
        chart->setTitleBrush(mutedTextColor());
        chart->setTitleFont(fontForRole(FontRole::Body));
        chart->legend()->hide();
    } else {
        const bool horizontal = m_data.orientation == ReportChartData::Orientation::Horizontal;
        QAbstractBarSeries *bars = horizontal ? static_cast<QAbstractBarSeries *>(new QHorizontalBarSeries)
                                              : static_cast<QAbstractBarSeries *>(new QBarSeries);
        double low = 0;
        double high = 0;
        for (int s = 0; s < m_data.bars.size(); ++s) {
            const ReportChartSeries &series = m_data.bars.at(s);
            auto *set = new QBarSet(series.name);
            for (int i = 0; i < count; ++i) {
                double value = toMajorUnits(series.amounts.value(dataIndex(i)), m_data.currency);
                if (m_data.plotMagnitudes)
                    value = std::abs(value);
                low = std::min(low, value);
                high = std::max(high, value);
                set->append(value);
            }
            const QColor colour = toneColor(series.tone, colours);
            set->setColor(colour);
            set->setBorderColor(colour);
            connect(set, &QBarSet::hovered, this,
                    [this, s](bool status, int index) { showToolTip(s, index, status); });
            connect(set, &QBarSet::clicked, this, [this, s](int index) { Q_EMIT barClicked(s, dataIndex(index)); });
            bars->append(set);
            m_sets.append(set);
        }
        bars->setBarWidth(m_data.bars.size() > 1 ? 0.8 : 0.6);
        chart->addSeries(bars);

        QAbstractAxis *categoryAxis = nullptr;
        if (horizontal) {
            // Names down the side, elided here to a width of their own.
            const QFontMetrics metrics(nameFont);
            QStringList labels;
            for (int i = 0; i < count; ++i) {
                // Axis labels are drawn as HTML: names from imported or
                // shared data must show as written, never as markup.
                labels << metrics
                              .elidedText(m_data.categories.at(dataIndex(i)), Qt::ElideRight,
                                          metrics.averageCharWidth() * kMaxNameCharacters)
                              .toHtmlEscaped();
            }
            auto *names = new QBarCategoryAxis;
            names->append(distinct(labels));
            // Otherwise the axis cuts every name to "..." in a narrow layout.
            names->setTruncateLabels(false);
            categoryAxis = names;
        } else {
            // Along the bottom a value axis over the category positions, so
            // that with many months only every n-th is labelled, under its bar.
            const int step = labelStep();
            m_labelStep = step;
            auto *months = new QCategoryAxis;
            months->setStartValue(-0.5);
            months->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
            for (int i = step / 2; i < count; i += step)
                months->append(m_data.categories.at(i).toHtmlEscaped(), i);
            months->setTruncateLabels(false);
            if (step == 1 && count > kMaxAxisLabels / 2)
                months->setLabelsAngle(-45);
            categoryAxis = months;
        }
        categoryAxis->setGridLineVisible(false);
        auto *valueAxis = new QValueAxis;
        chart->addAxis(categoryAxis, horizontal ? Qt::AlignLeft : Qt::AlignBottom);
        chart->addAxis(valueAxis, horizontal ? Qt::AlignBottom : Qt::AlignLeft);
        bars->attachAxis(categoryAxis);
        bars->attachAxis(valueAxis);

        if (m_data.line && !horizontal) {
            m_line = new QLineSeries;
            m_line->setName(m_data.line->name);
            for (int i = 0; i < count; ++i) {
                const double value = toMajorUnits(m_data.line->amounts.value(i), m_data.currency);
                low = std::min(low, value);
                high = std::max(high, value);
                m_line->append(i, value);
            }
            m_line->setPen(QPen(toneColor(m_data.line->tone, colours), 2));
            m_line->setPointsVisible(true);
            chart->addSeries(m_line);
            m_line->attachAxis(categoryAxis);
            m_line->attachAxis(valueAxis);
            const int lineIndex = int(m_data.bars.size());
            connect(m_line, &QLineSeries::hovered, this, [this, lineIndex](const QPointF &point, bool state) {
                showToolTip(lineIndex, qRound(point.x()), state);
            });
        }

        // Attaching the series fitted the axes to the data; the categories
        // want half a step of room on either side.
        if (auto *months = qobject_cast<QCategoryAxis *>(categoryAxis))
            months->setRange(-0.5, count - 0.5);
        if (high <= low)
            high = low + 1;
        valueAxis->setRange(low, high);
        valueAxis->applyNiceNumbers();
        valueAxis->setLabelFormat(valueAxis->max() - valueAxis->min() < 10 ? QStringLiteral("%.1f")
                                                                           : QStringLiteral("%.0f"));
        for (QAbstractAxis *axis : chart->axes()) {
            axis->setLabelsColor(text);
            axis->setLabelsFont(horizontal && axis == categoryAxis ? nameFont : labelFont);
            axis->setLinePenColor(grid);
            axis->setGridLineColor(grid);
        }
        chart->legend()->setVisible(m_data.bars.size() + (m_line ? 1 : 0) > 1);
    }

    QChart *previous = this->chart();
    setChart(chart);
    // The view gives the old chart back rather than deleting it.
    if (previous)
        previous->deleteLater();
    m_theming = false;
}
