#include "ui/register/splitlineswidget.h"

#include "app/appstate.h"
#include "data/categoryrepository.h"
#include "data/clock.h"
#include "ui/register/amountentryguard.h"
#include "ui/register/dialogfields.h"

#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QUuid>
#include <QVBoxLayout>

SplitLinesWidget::SplitLinesWidget(AppState *appState, QWidget *parent)
    : QWidget(parent)
    , m_appState(appState)
    , m_table(new QTableWidget(0, ColumnCount, this))
{
    m_categoryChoices.append({QString(QLatin1String("")), tr("(none)")});
    if (m_appState && m_appState->categoryRepository()) {
        const QList<Category> categories = m_appState->categoryRepository()->findAll();
        for (const Category &category : categories)
            m_categoryChoices.append({category.id, category.name});
    }

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    m_table->setHorizontalHeaderLabels({tr("Category"), tr("Amount"), tr("Memo")});
    QHeaderView *header = m_table->horizontalHeader();
    header->setSectionResizeMode(CategoryColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(AmountColumn, QHeaderView::Fixed);
    header->setSectionResizeMode(MemoColumn, QHeaderView::Stretch);
    m_table->setColumnWidth(AmountColumn, 120);
    m_table->verticalHeader()->hide();
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->setMinimumHeight(180);
    connect(m_table, &QTableWidget::cellChanged, this, &SplitLinesWidget::changed);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { followFocus(now); });
    layout->addWidget(m_table);

    auto *buttons = new QHBoxLayout;
    auto *addButton = new QPushButton(tr("+ Add Line"), this);
    auto *removeButton = new QPushButton(tr("- Remove"), this);
    addButton->setObjectName(QStringLiteral("addLineButton"));
    removeButton->setObjectName(QStringLiteral("removeLineButton"));
    // Return belongs to the dialog's OK, never to removing a line.
    addButton->setAutoDefault(false);
    removeButton->setAutoDefault(false);
    connect(addButton, &QPushButton::clicked, this, &SplitLinesWidget::addLine);
    connect(removeButton, &QPushButton::clicked, this, &SplitLinesWidget::removeCurrentLine);
    buttons->addWidget(addButton);
    buttons->addWidget(removeButton);
    buttons->addStretch();
    layout->addLayout(buttons);
}

void SplitLinesWidget::setCurrency(Currency currency)
{
    m_currency = currency;
    for (int row = 0; row < m_table->rowCount(); ++row)
        configureAmountSpinBox(amountSpin(row), currency);
}

void SplitLinesWidget::addLine()
{
    const int row = m_table->rowCount();
    m_table->insertRow(row);

    auto *combo = new QComboBox;
    for (const auto &[id, name] : std::as_const(m_categoryChoices))
        combo->addItem(name, id);
    configureCategoryCombo(combo);
    m_table->setCellWidget(row, CategoryColumn, combo);

    auto *spin = new QDoubleSpinBox;
    configureAmountSpinBox(spin, m_currency);
    spin->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    AmountEntryGuard::attach(spin);
    connect(spin, &QDoubleSpinBox::valueChanged, this, &SplitLinesWidget::changed);
    m_table->setCellWidget(row, AmountColumn, spin);

    {
        // The blank memo is part of the new row, not an edit of its own.
        const QSignalBlocker blocker(m_table);
        m_table->setItem(row, MemoColumn, new QTableWidgetItem);
    }
    Q_EMIT changed();
}

void SplitLinesWidget::removeCurrentLine()
{
    const int row = m_table->currentRow();
    if (row < 0 || row >= m_table->rowCount())
        return;
    m_table->removeRow(row);
    Q_EMIT changed();
}

void SplitLinesWidget::followFocus(QWidget *now)
{
    // Focus moving into a row's combo or spin box does not move the table's
    // current cell by itself; without this "- Remove" would act on another row.
    for (int row = 0; now && row < m_table->rowCount(); ++row) {
        for (int column : {CategoryColumn, AmountColumn}) {
            QWidget *cell = m_table->cellWidget(row, column);
            if (cell && (cell == now || cell->isAncestorOf(now))) {
                m_table->setCurrentCell(row, column);
                return;
            }
        }
    }
}

void SplitLinesWidget::setLines(const QList<SplitLine> &lines)
{
    {
        const QSignalBlocker blocker(this);
        m_table->setRowCount(0);
        if (lines.isEmpty()) {
            addLine();
            addLine();
        }
        for (const SplitLine &line : lines) {
            addLine();
            const int row = m_table->rowCount() - 1;
            QComboBox *combo = categoryCombo(row);
            if (!selectCategoryId(combo, line.categoryId))
                combo->setCurrentIndex(-1);
            amountSpin(row)->setValue(amountToSpinValue(line.amount, m_currency));
            m_table->item(row, MemoColumn)->setText(line.memo);
        }
    }
    Q_EMIT changed();
}

qint64 SplitLinesWidget::total() const
{
    qint64 sum = 0;
    for (int row = 0; row < m_table->rowCount(); ++row)
        sum += spinValueToAmount(amountSpin(row)->value(), m_currency);
    return sum;
}

void SplitLinesWidget::addLineWithAmount(qint64 amount)
{
    addLine();
    const int row = m_table->rowCount() - 1;
    QComboBox *combo = categoryCombo(row);
    // No category yet: the user names it, and OK insists on one.
    combo->setCurrentIndex(-1);
    amountSpin(row)->setValue(amountToSpinValue(amount, m_currency));
    m_table->setCurrentCell(row, CategoryColumn);
    combo->setFocus();
}

bool SplitLinesWidget::checkAmounts()
{
    for (int row = 0; row < m_table->rowCount(); ++row) {
        AmountEntryGuard *guard = AmountEntryGuard::of(amountSpin(row));
        if (guard && !guard->problem().isEmpty()) {
            m_table->setCurrentCell(row, AmountColumn);
            return guard->check();
        }
    }
    return true;
}

int SplitLinesWidget::firstUncategorizedRow() const
{
    for (int row = 0; row < m_table->rowCount(); ++row) {
        if (spinValueToAmount(amountSpin(row)->value(), m_currency) != 0
            && categoryIdOf(categoryCombo(row)).isEmpty())
            return row;
    }
    return -1;
}

QList<SplitLine> SplitLinesWidget::lines(int sign) const
{
    QList<SplitLine> result;
    const QDateTime now = Clock::now();
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const qint64 amount = spinValueToAmount(amountSpin(row)->value(), m_currency);
        if (amount == 0)
            continue;
        SplitLine line;
        line.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
        line.categoryId = categoryIdOf(categoryCombo(row));
        line.amount = sign < 0 ? -amount : amount;
        const QTableWidgetItem *memo = m_table->item(row, MemoColumn);
        line.memo = memo ? memo->text() : QString();
        line.createdAt = now;
        line.updatedAt = now;
        result.append(line);
    }
    return result;
}

int SplitLinesWidget::rowCount() const
{
    return m_table->rowCount();
}

QComboBox *SplitLinesWidget::categoryCombo(int row) const
{
    return qobject_cast<QComboBox *>(m_table->cellWidget(row, CategoryColumn));
}

QDoubleSpinBox *SplitLinesWidget::amountSpin(int row) const
{
    return qobject_cast<QDoubleSpinBox *>(m_table->cellWidget(row, AmountColumn));
}
