#include "ui/screens/reconciliationscreen.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/changejournal.h"
#include "data/clock.h"
#include "data/database.h"
#include "data/money.h"
#include "services/reconciliationservice.h"
#include "services/transactionservice.h"
#include "ui/messagebox.h"
#include "ui/register/datefield.h"
#include "ui/register/dialogfields.h"
#include "ui/register/smartamountfield.h"
#include "ui/register/transactionformdialog.h"
#include "ui/screens/reconciliationmodel.h"
#include "ui/thememanager.h"

#include <QAction>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

namespace {

constexpr int kPanelWidth = 310;
constexpr int kTickWidth = 30;
constexpr int kAmountWidth = 100;

QString mutedStyle()
{
    return QStringLiteral("color: %1;").arg(mutedTextColor().name(QColor::HexRgb).toUpper());
}

QLabel *valueLabel(const QString &objectName)
{
    auto *label = new QLabel;
    label->setObjectName(objectName);
    applyFontRole(label, FontRole::Amount);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QFrame *line()
{
    auto *frame = new QFrame;
    frame->setFrameShape(QFrame::HLine);
    frame->setFrameShadow(QFrame::Sunken);
    return frame;
}

QString moneyOrDash(const std::optional<qint64> &amount, Currency currency)
{
    return amount ? formatMoney(*amount, currency) : QStringLiteral("—");
}

} // namespace

ReconciliationScreen::ReconciliationScreen(AppState *state, ReconciliationService *service, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_service(service)
    , m_model(new ReconciliationModel(this))
{
    auto *splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(buildStatementPanel());
    splitter->addWidget(buildTransactionPanel());
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);

    addShortcuts();
    connect(m_model, &ReconciliationModel::tickChanged, this, &ReconciliationScreen::onTransactionToggled);
    connect(m_state->database()->changes(), &ChangeJournal::committed, this,
            &ReconciliationScreen::onChangesCommitted);
    updateDifference();
}

QWidget *ReconciliationScreen::buildStatementPanel()
{
    auto *panel = new QWidget;
    panel->setFixedWidth(kPanelWidth);
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(16, 16, 16, 16);

    auto *title = new QLabel(tr("Reconcile Account"));
    title->setObjectName(QStringLiteral("title"));
    applyFontRole(title, FontRole::PageTitle);
    layout->addWidget(title);
    layout->addSpacing(16);

    layout->addWidget(new QLabel(tr("Statement Date:")));
    m_statementDate = new DateField;
    m_statementDate->setObjectName(QStringLiteral("statementDate"));
    m_statementDate->setDate(Clock::today());
    layout->addWidget(m_statementDate);
    layout->addSpacing(8);

    layout->addWidget(new QLabel(tr("Statement Balance:")));
    m_statementBalance = new SmartAmountField;
    m_statementBalance->setObjectName(QStringLiteral("statementBalance"));
    applyCurrency(Currency::USD);
    connect(m_statementBalance, &QDoubleSpinBox::valueChanged, this, &ReconciliationScreen::updateDifference);
    layout->addWidget(m_statementBalance);
    layout->addSpacing(16);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(4);
    grid->setColumnStretch(0, 1);
    const auto addRow = [grid](int row, const QString &caption, QLabel *value) {
        auto *label = new QLabel(caption);
        grid->addWidget(label, row, 0);
        grid->addWidget(value, row, 1);
        return label;
    };
    m_previousValue = valueLabel(QStringLiteral("previousBalanceValue"));
    m_depositsValue = valueLabel(QStringLiteral("clearedDepositsValue"));
    m_withdrawalsValue = valueLabel(QStringLiteral("clearedWithdrawalsValue"));
    m_clearedValue = valueLabel(QStringLiteral("clearedBalanceValue"));
    m_statementValue = valueLabel(QStringLiteral("statementBalanceValue"));
    m_differenceValue = valueLabel(QStringLiteral("differenceValue"));
    QLabel *previous = addRow(0, tr("Previous Balance"), m_previousValue);
    addRow(1, tr("Cleared Deposits"), m_depositsValue);
    addRow(2, tr("Cleared Withdrawals"), m_withdrawalsValue);
    grid->addWidget(line(), 3, 0, 1, 2);
    addRow(4, tr("Cleared Balance"), m_clearedValue);
    QLabel *statement = addRow(5, tr("Statement Balance"), m_statementValue);
    grid->addWidget(line(), 6, 0, 1, 2);
    QLabel *difference = addRow(7, tr("Difference"), m_differenceValue);
    for (QLabel *muted : {previous, m_previousValue, statement, m_statementValue})
        muted->setStyleSheet(mutedStyle());
    QFont bold = difference->font();
    bold.setBold(true);
    difference->setFont(bold);
    layout->addLayout(grid);

    // Why the figures cannot be trusted, when they cannot.
    m_notice = new QLabel;
    m_notice->setObjectName(QStringLiteral("notice"));
    m_notice->setWordWrap(true);
    m_notice->hide();
    layout->addSpacing(8);
    layout->addWidget(m_notice);
    layout->addStretch();

    m_finishButton = new QPushButton(tr("Finish Reconciliation"));
    m_finishButton->setObjectName(QStringLiteral("finishButton"));
    m_finishButton->setEnabled(false);
    applyFinishStyle();
    connect(m_finishButton, &QPushButton::clicked, this, &ReconciliationScreen::finish);
    auto *cancel = new QPushButton(tr("Cancel"));
    cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(cancel, &QPushButton::clicked, this, &ReconciliationScreen::cancelled);
    layout->addWidget(m_finishButton);
    layout->addWidget(cancel);
    return panel;
}

QWidget *ReconciliationScreen::buildTransactionPanel()
{
    auto *panel = new QWidget;
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto *tools = new QHBoxLayout;
    tools->setContentsMargins(8, 8, 8, 4);
    tools->setSpacing(8);
    const auto button = [tools](const QString &text, const QString &name, const QString &tip) {
        auto *b = new QPushButton(text);
        b->setObjectName(name);
        b->setToolTip(tip);
        tools->addWidget(b);
        return b;
    };
    const QString newKey = QKeySequence(QKeySequence::New).toString(QKeySequence::NativeText);
    connect(button(tr("Add Transaction"), QStringLiteral("addButton"), tr("Add a transaction (%1)").arg(newKey)),
            &QPushButton::clicked, this, &ReconciliationScreen::addTransaction);
    connect(button(tr("Edit"), QStringLiteral("editButton"), tr("Edit selected transaction (F2)")),
            &QPushButton::clicked, this, &ReconciliationScreen::editSelectedTransaction);
    connect(button(tr("Delete"), QStringLiteral("deleteButton"), tr("Delete selected transaction (Del)")),
            &QPushButton::clicked, this, &ReconciliationScreen::deleteSelectedTransaction);
    tools->addStretch();
    layout->addLayout(tools);

    m_view = new QTableView;
    m_view->setObjectName(QStringLiteral("transactionTable"));
    m_view->setModel(m_model);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setAlternatingRowColors(true);
    m_view->setWordWrap(false);
    m_view->setTabKeyNavigation(false);
    // Fixed row heights: the view never measures rows, whatever their number.
    m_view->verticalHeader()->hide();
    m_view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_view->verticalHeader()->setDefaultSectionSize(m_view->fontMetrics().height() + 12);
    QHeaderView *header = m_view->horizontalHeader();
    header->setMinimumSectionSize(kTickWidth);
    header->setSectionResizeMode(ReconciliationModel::TickColumn, QHeaderView::Fixed);
    header->resizeSection(ReconciliationModel::TickColumn, kTickWidth);
    header->setSectionResizeMode(ReconciliationModel::PayeeColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(ReconciliationModel::AmountColumn, QHeaderView::Fixed);
    header->resizeSection(ReconciliationModel::AmountColumn, kAmountWidth);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_view->installEventFilter(this);
    connect(m_view, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &index) {
        // A quick second click on the check box is a tick, not an edit.
        if (index.isValid() && index.column() != ReconciliationModel::TickColumn)
            editRow(index.row());
    });
    layout->addWidget(m_view, 1);
    return panel;
}

void ReconciliationScreen::addShortcuts()
{
    const auto action = [this](const QList<QKeySequence> &keys, void (ReconciliationScreen::*slot)()) {
        auto *a = new QAction(this);
        QList<QKeySequence> distinct;
        for (const QKeySequence &key : keys) {
            // One key bound twice would be ambiguous and do nothing.
            if (!key.isEmpty() && !distinct.contains(key))
                distinct.append(key);
        }
        a->setShortcuts(distinct);
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(a, &QAction::triggered, this, slot);
        addAction(a);
    };
    action(QKeySequence::keyBindings(QKeySequence::New) + QList<QKeySequence>{QKeySequence(Qt::Key_Insert)},
           &ReconciliationScreen::addTransaction);
    action({QKeySequence(Qt::Key_F2)}, &ReconciliationScreen::editSelectedTransaction);
    action(QKeySequence::keyBindings(QKeySequence::Delete) + QList<QKeySequence>{QKeySequence(Qt::Key_Delete)},
           &ReconciliationScreen::deleteSelectedTransaction);
}

void ReconciliationScreen::setAccount(const QString &accountId)
{
    m_accountId = accountId;
    m_loaded = false;
    const Result<ReconciliationService::Start> start = m_service->start(accountId);
    if (!start) {
        showNotice(start.error());
        m_model->setRows({});
        updateDifference();
        return;
    }
    showNotice(QString());
    m_loaded = true;
    setWindowTitle(tr("Reconcile — %1").arg(start->account.name));
    applyCurrency(start->account.currency);
    m_previousBalance = start->previousBalance;
    m_statementDate->setDate(start->proposedStatementDate.isValid() ? start->proposedStatementDate
                                                                    : Clock::today());
    m_model->setRows(start->rows);
    updateDifference();
}

void ReconciliationScreen::reload()
{
    if (m_accountId.isEmpty())
        return;
    const Result<ReconciliationService::Start> start = m_service->start(m_accountId);
    if (!start) {
        m_loaded = false;
        // The account went (deleted here or by sync): nothing is left to
        // reconcile, and the ticks have nowhere to go.
        const std::optional<Account> account = m_state->accountRepository()->findById(m_accountId);
        if (!account || account->deletedAt) {
            Q_EMIT cancelled();
            return;
        }
        showNotice(start.error());
        m_model->setRows({});
        updateDifference();
        return;
    }
    showNotice(QString());
    m_loaded = true;
    setWindowTitle(tr("Reconcile — %1").arg(start->account.name));
    // Setting the field up again would reformat a balance being typed.
    if (start->account.currency != m_currency)
        applyCurrency(start->account.currency);
    m_previousBalance = start->previousBalance;

    // The rows are replaced whole; the current row and the top of the view
    // go back to the same transactions when they are still listed.
    const Transaction *current = m_model->transactionAt(currentRow());
    const QString currentId = current ? current->id : QString();
    const Transaction *top = m_model->transactionAt(m_view->rowAt(0));
    const QString topId = top ? top->id : QString();
    const int column = qMax(0, m_view->currentIndex().column());
    m_model->setRows(start->rows);
    if (const int row = m_model->rowOf(currentId); row >= 0)
        m_view->setCurrentIndex(m_model->index(row, column));
    if (const int row = m_model->rowOf(topId); row >= 0)
        m_view->scrollTo(m_model->index(row, 0), QAbstractItemView::PositionAtTop);
    updateDifference();
}

void ReconciliationScreen::onChangesCommitted(const ChangeSet &changes)
{
    if (m_accountId.isEmpty())
        return;
    const QSet<QString> &accounts = changes.ids(ChangeSet::Entity::Account);
    const bool accountChanged =
        changes.contains(ChangeSet::Entity::Account) && (accounts.isEmpty() || accounts.contains(m_accountId));
    if (accountChanged || changes.affectsRegister(m_accountId))
        reload();
}

void ReconciliationScreen::applyCurrency(Currency currency)
{
    m_currency = currency;
    m_model->setCurrency(currency);
    const double value = m_statementBalance->value();
    configureAmountSpinBox(m_statementBalance, currency);
    const double limit = currencyDecimals(currency) == 0 ? 99999999.0 : 99999999.99;
    m_statementBalance->setRange(-limit, limit);
    m_statementBalance->setValue(value);
}

qint64 ReconciliationScreen::statementAmount() const
{
    return spinValueToAmount(m_statementBalance->value(), m_currency);
}

ReconciliationScreen::Figures ReconciliationScreen::figures() const
{
    Figures f;
    f.deposits = m_model->clearedDeposits();
    f.withdrawals = m_model->clearedWithdrawals();
    const std::optional<qint64> ticked =
        f.deposits && f.withdrawals ? checkedAdd(*f.deposits, *f.withdrawals) : std::nullopt;
    f.cleared = ticked ? checkedAdd(m_previousBalance, *ticked) : std::nullopt;
    const std::optional<qint64> minus = f.cleared ? checkedNegate(*f.cleared) : std::nullopt;
    if (m_loaded && minus)
        f.difference = checkedAdd(statementAmount(), *minus);
    return f;
}

std::optional<qint64> ReconciliationScreen::difference() const
{
    return figures().difference;
}

void ReconciliationScreen::onTransactionToggled(int row)
{
    Q_UNUSED(row)
    updateDifference();
}

void ReconciliationScreen::updateDifference()
{
    const Figures f = figures();
    m_previousValue->setText(formatMoney(m_previousBalance, m_currency));
    m_depositsValue->setText(moneyOrDash(f.deposits, m_currency));
    m_withdrawalsValue->setText(moneyOrDash(f.withdrawals, m_currency));
    m_clearedValue->setText(moneyOrDash(f.cleared, m_currency));
    m_statementValue->setText(formatMoney(statementAmount(), m_currency));
    m_differenceValue->setText(moneyOrDash(f.difference, m_currency));

    const bool balanced = f.difference && *f.difference == 0;
    const QColor colour = balanced ? positiveColor() : negativeColor();
    m_differenceValue->setStyleSheet(
        QStringLiteral("color: %1; font-weight: bold;").arg(colour.name(QColor::HexRgb).toUpper()));
    m_finishButton->setEnabled(balanced);
}

void ReconciliationScreen::finish()
{
    // The button is the guard; a call while it is off does nothing.
    if (!m_finishButton->isEnabled())
        return;
    ReconciliationService::Statement statement;
    statement.accountId = m_accountId;
    statement.date = m_statementDate->date();
    statement.balance = statementAmount();
    statement.previousBalance = m_previousBalance;
    statement.ticked = m_model->tickedTransactions();
    const Result<Reconciliation> done = m_service->finish(statement);
    if (!done) {
        reportError(tr("Reconciliation Not Finished"), done.error());
        reload();
        return;
    }
    MessageBox::information(this, tr("Reconciliation Complete"), tr("Account reconciled successfully."));
    Q_EMIT reconciliationCompleted();
}

void ReconciliationScreen::addTransaction()
{
    if (!m_loaded)
        return;
    TransactionFormDialog dialog(m_state, m_accountId, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    TransactionDraft draft = TransactionDraft::fromTransaction(dialog.transaction());
    draft.accountId = m_accountId;
    if (const QList<SplitLine> lines = dialog.splitLines(); !lines.isEmpty())
        draft.splitLines = lines;
    const Result<Transaction> created = m_state->transactionService()->create(draft);
    if (!created) {
        reportError(tr("Transaction Not Saved"), created.error());
        return;
    }
    if (const int row = m_model->rowOf(created->id); row >= 0)
        m_view->setCurrentIndex(m_model->index(row, ReconciliationModel::DateColumn));
}

void ReconciliationScreen::editSelectedTransaction()
{
    editRow(currentRow());
}

void ReconciliationScreen::editRow(int row)
{
    const Transaction *shown = m_model->transactionAt(row);
    if (!shown)
        return;
    const Transaction original = *shown;
    TransactionFormDialog dialog(m_state, original, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    TransactionDraft draft = TransactionDraft::fromTransaction(dialog.transaction());
    // The form holds the stored lines of a split; handing them back keeps them.
    draft.splitLines = dialog.splitLines();
    if (const Result<Transaction> saved = m_state->transactionService()->edit(original.id, draft); !saved)
        reportError(tr("Transaction Not Saved"), saved.error());
}

void ReconciliationScreen::deleteSelectedTransaction()
{
    const Transaction *shown = m_model->transactionAt(currentRow());
    if (!shown)
        return;
    const Transaction t = *shown;
    const QString text = t.transferLinkId.isEmpty()
                             ? tr("Delete the transaction for %1?").arg(t.payee)
                             : tr("Delete the transfer for %1?\n\nBoth sides of the transfer will be deleted.")
                                   .arg(t.payee);
    if (MessageBox::question(this, tr("Delete Transaction"), text, QMessageBox::Yes | QMessageBox::No,
                             QMessageBox::No)
        != QMessageBox::Yes)
        return;
    if (const Result<void> removed = m_state->transactionService()->remove(t.id); !removed)
        reportError(tr("Transaction Not Deleted"), removed.error());
}

int ReconciliationScreen::currentRow() const
{
    const QModelIndex current = m_view->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void ReconciliationScreen::showNotice(const QString &text)
{
    m_notice->setText(text);
    m_notice->setStyleSheet(QStringLiteral("color: %1;").arg(negativeColor().name(QColor::HexRgb).toUpper()));
    m_notice->setVisible(!text.isEmpty());
}

void ReconciliationScreen::reportError(const QString &title, const QString &text)
{
    MessageBox::warning(this, title, text);
}

bool ReconciliationScreen::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_view && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if (modifiers == Qt::NoModifier
            && (key->key() == Qt::Key_Space || key->key() == Qt::Key_C || key->key() == Qt::Key_R)) {
            if (const int row = currentRow(); row >= 0)
                m_model->toggle(row);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ReconciliationScreen::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        applyFinishStyle();
        updateDifference();
    }
}

void ReconciliationScreen::applyFinishStyle()
{
    // The teal button says "go"; while the difference is not zero it must
    // not look pressable.
    const QString disabled = isDarkPalette() ? QStringLiteral("QPushButton:disabled { background-color: #2E4A45; "
                                                              "color: #7F9A92; }")
                                             : QStringLiteral("QPushButton:disabled { background-color: #C9DAD6; "
                                                              "color: #F4F8F7; }");
    m_finishButton->setStyleSheet(primaryButtonStyle() + disabled);
}
