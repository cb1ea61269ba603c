#include "ui/register/spliteditordialog.h"

#include "app/thememanager.h"
#include "data/money.h"
#include "ui/register/dialogfields.h"
#include "ui/register/splitlineswidget.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

SplitEditorDialog::SplitEditorDialog(AppState *appState, qint64 amount, const QList<SplitLine> &lines,
                                     Currency currency, QWidget *parent)
    : QDialog(parent)
    , m_appState(appState)
    , m_amount(amount)
    , m_currency(currency)
    , m_totalLabel(new QLabel(this))
    , m_remainingLabel(new QLabel(this))
    , m_lines(new SplitLinesWidget(appState, this))
{
    setWindowTitle(tr("Split Transaction"));
    setMinimumSize(550, 350);

    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    m_totalLabel->setText(tr("Total: %1").arg(formatMoney(m_amount < 0 ? -m_amount : m_amount, m_currency)));
    top->addWidget(m_totalLabel);
    top->addStretch();
    m_remainingLabel->setProperty("orlFontWeight", 700);
    applyFontRole(m_remainingLabel, FontRole::Body);
    QFont bold = m_remainingLabel->font();
    bold.setWeight(QFont::Bold);
    m_remainingLabel->setFont(bold);
    top->addWidget(m_remainingLabel);
    layout->addLayout(top);

    m_lines->setCurrency(m_currency);
    connect(m_lines, &SplitLinesWidget::changed, this, &SplitEditorDialog::updateRemaining);
    m_lines->setLines(lines);
    layout->addWidget(m_lines, 1);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    updateRemaining();
}

QList<SplitLine> SplitEditorDialog::lines() const
{
    return m_lines->lines(m_amount < 0 ? -1 : 1);
}

void SplitEditorDialog::updateRemaining()
{
    const qint64 magnitude = m_amount < 0 ? -m_amount : m_amount;
    const qint64 remaining = magnitude - m_lines->total();
    m_remainingLabel->setText(tr("Remaining: %1").arg(formatMoney(remaining, m_currency)));
    // Plain green and red are hard to read on the dark palette; it gets the
    // lighter positive and negative colours instead.
    const bool dark = isDarkPalette();
    if (remaining == 0)
        m_remainingLabel->setStyleSheet(dark ? QStringLiteral("color: %1;").arg(positiveColor().name())
                                             : QStringLiteral("color: green;"));
    else if (remaining > 0)
        m_remainingLabel->setStyleSheet(QString());
    else
        m_remainingLabel->setStyleSheet(dark ? QStringLiteral("color: %1;").arg(negativeColor().name())
                                             : QStringLiteral("color: #cc0000;"));
}

void SplitEditorDialog::accept()
{
    if (checkSplitCategories(this, m_lines))
        QDialog::accept();
}
