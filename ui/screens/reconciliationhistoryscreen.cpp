#include "ui/screens/reconciliationhistoryscreen.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/changejournal.h"
#include "data/database.h"
#include "data/money.h"
#include "data/reconciliationrepository.h"
#include "ui/thememanager.h"

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum Column { StatementDateColumn, StatementBalanceColumn, ReconciledBalanceColumn, CompletedColumn, ColumnCount };

QTableWidgetItem *moneyItem(qint64 amount, Currency currency)
{
    auto *item = new QTableWidgetItem(formatMoney(amount, currency));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (amount < 0)
        item->setForeground(negativeColor());
    return item;
}

} // namespace

ReconciliationHistoryScreen::ReconciliationHistoryScreen(AppState *state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
{
    const QString muted = mutedTextColor().name(QColor::HexRgb).toUpper();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(12);

    m_title = new QLabel(tr("Reconciliation History"));
    m_title->setObjectName(QStringLiteral("title"));
    applyFontRole(m_title, FontRole::LargeTitle);
    layout->addWidget(m_title);
    auto *subtitle = new QLabel(tr("Past reconciliations for this account."));
    subtitle->setStyleSheet(QStringLiteral("color: %1;").arg(muted));
    layout->addWidget(subtitle);
    layout->addSpacing(8);

    m_table = new QTableWidget(0, ColumnCount);
    m_table->setObjectName(QStringLiteral("historyTable"));
    m_table->setHorizontalHeaderLabels(
        {tr("Statement Date"), tr("Statement Balance"), tr("Reconciled Balance"), tr("Completed")});
    m_table->verticalHeader()->hide();
    m_table->setAlternatingRowColors(true);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setWordWrap(false);
    QHeaderView *header = m_table->horizontalHeader();
    header->setSectionResizeMode(StatementDateColumn, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(StatementBalanceColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(ReconciledBalanceColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(CompletedColumn, QHeaderView::ResizeToContents);
    layout->addWidget(m_table, 1);

    m_empty = new QLabel(
        tr("No reconciliations yet. Reconcile your account from the register to see the history here."));
    m_empty->setObjectName(QStringLiteral("emptyLabel"));
    m_empty->setAlignment(Qt::AlignCenter);
    m_empty->setWordWrap(true);
    m_empty->setStyleSheet(QStringLiteral("color: %1; padding: 32px;").arg(muted));
    m_empty->hide();
    layout->addWidget(m_empty, 1);

    connect(m_state->database()->changes(), &ChangeJournal::committed, this,
            &ReconciliationHistoryScreen::onChangesCommitted);
}

void ReconciliationHistoryScreen::setAccount(const QString &accountId)
{
    m_accountId = accountId;
    reload();
}

void ReconciliationHistoryScreen::onChangesCommitted(const ChangeSet &changes)
{
    if (changes.contains(ChangeSet::Entity::Reconciliation) || changes.contains(ChangeSet::Entity::Account))
        reload();
}

void ReconciliationHistoryScreen::reload()
{
    if (m_accountId.isEmpty())
        return;
    const std::optional<Account> account = m_state->accountRepository()->findById(m_accountId);
    // Balances of an account that cannot be read show in US dollars.
    const Currency currency = account ? account->currency : Currency::USD;
    m_title->setText(account ? tr("Reconciliation History — %1").arg(account->name)
                             : tr("Reconciliation History"));

    const QList<Reconciliation> history = m_state->reconciliationRepository()->findByAccount(m_accountId);
    m_table->setRowCount(0);
    m_table->setVisible(!history.isEmpty());
    m_empty->setVisible(history.isEmpty());
    m_table->setRowCount(int(history.size()));
    for (int row = 0; row < history.size(); ++row) {
        const Reconciliation &r = history.at(row);
        m_table->setItem(row, StatementDateColumn,
                         new QTableWidgetItem(QLocale().toString(r.statementDate, QStringLiteral("MMM d, yyyy"))));
        m_table->setItem(row, StatementBalanceColumn, moneyItem(r.statementBalance, currency));
        m_table->setItem(row, ReconciledBalanceColumn, moneyItem(r.reconciledBalance, currency));
        m_table->setItem(row, CompletedColumn,
                         new QTableWidgetItem(QLocale().toString(r.completedAt.toLocalTime(), QStringLiteral("MMM d, yyyy h:mm ap"))));
    }
}

void ReconciliationHistoryScreen::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // Negative balances take the new palette's red.
    if (event->type() == QEvent::PaletteChange)
        reload();
}
