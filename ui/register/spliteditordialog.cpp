#include "ui/register/spliteditordialog.h"

#include "data/money.h"
#include "ui/messagebox.h"
#include "ui/register/dialogfields.h"
#include "ui/register/splitlineswidget.h"
#include "ui/thememanager.h"

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

qint64 SplitEditorDialog::magnitude() const
{
    return m_amount < 0 ? -m_amount : m_amount;
}

void SplitEditorDialog::updateRemaining()
{
    m_totalLabel->setText(tr("Total: %1").arg(formatMoney(magnitude(), m_currency)));
    const qint64 remaining = magnitude() - m_lines->total();
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
    if (!m_lines->checkAmounts() || !checkSplitCategories(this, m_lines))
        return;
    const qint64 total = m_lines->total();
    // Lines that are all empty leave nothing split; the caller decides what
    // that makes of the transaction.
    if (total != 0 && total != magnitude() && !settleRemainder(total))
        return;
    QDialog::accept();
}

bool SplitEditorDialog::settleRemainder(qint64 total)
{
    const qint64 remaining = magnitude() - total;
    const QString totalText = formatMoney(total, m_currency);
    const QString amountText = formatMoney(magnitude(), m_currency);
    const QString difference = formatMoney(remaining < 0 ? -remaining : remaining, m_currency);
    QString text = remaining > 0
                       ? tr("The lines add up to %1, %2 less than the transaction's %3.")
                             .arg(totalText, difference, amountText)
                       : tr("The lines add up to %1, %2 more than the transaction's %3.")
                             .arg(totalText, difference, amountText);

    QMessageBox::StandardButtons buttons = QMessageBox::Cancel;
    MessageBox::ButtonTexts texts;
    if (remaining > 0) {
        buttons |= QMessageBox::Yes;
        texts.insert(QMessageBox::Yes, tr("Add a Line for %1").arg(difference));
    }
    if (m_totalChangeable) {
        buttons |= QMessageBox::No;
        texts.insert(QMessageBox::No, tr("Change the Total to %1").arg(totalText));
    }
    if (buttons == QMessageBox::Cancel) {
        MessageBox::warning(this, tr("Split Transaction"),
                            text + QLatin1String("\n\n") + tr("Lower the lines so they add up to %1.").arg(amountText));
        return false;
    }

    const QMessageBox::StandardButton defaultButton =
        remaining > 0 ? QMessageBox::Yes : QMessageBox::Cancel;
    switch (MessageBox::question(this, tr("Split Transaction"), text, buttons, defaultButton, texts)) {
    case QMessageBox::Yes:
        m_lines->addLineWithAmount(remaining);
        return false;
    case QMessageBox::No:
        m_amount = m_amount < 0 ? -total : total;
        updateRemaining();
        return true;
    default:
        return false;
    }
}
