#include "ui/register/registerscreen.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/changejournal.h"
#include "data/clock.h"
#include "data/database.h"
#include "data/money.h"
#include "data/preferencesrepository.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "services/recurringservice.h"
#include "services/transactionservice.h"
#include "data/transactionrepository.h"
#include "ui/messagebox.h"
#include "ui/register/balancelabel.h"
#include "ui/register/elidedlabel.h"
#include "ui/register/registerdelegate.h"
#include "ui/register/registermodel.h"
#include "ui/register/registertableview.h"
#include "ui/register/roweditor.h"
#include "ui/register/spliteditordialog.h"
#include "ui/register/transactiondetailsdialog.h"
#include "ui/register/transactionformdialog.h"
#include "ui/screens/recurringformdialog.h"
#include "ui/thememanager.h"
#include "ui/uisettings.h"

#include <QEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

namespace {

using Slot = RegisterModel::EntrySlot;

constexpr int kRowHeight = 36;
constexpr int kTwoLineExtra = 16;
const char *const kMuted = "#6E8A7E";

QString widthKey(int column) { return QStringLiteral("register/colWidth/%1").arg(column); }
QString hiddenKey(int column) { return QStringLiteral("register/colHidden/%1").arg(column); }
QString sortColumnKey() { return QStringLiteral("register/sortColumn"); }
QString sortOrderKey() { return QStringLiteral("register/sortOrder"); }

// What a column's title needs: translated titles ("Einzahlung") can be
// longer than the English ones the default widths were made for.
int titleWidth(const QTableView *view, int column)
{
    const QString title = view->model()->headerData(column, Qt::Horizontal).toString();
    return view->horizontalHeader()->fontMetrics().horizontalAdvance(title) + 12;
}

QLabel *valueBlock(QHBoxLayout *header, const QString &caption)
{
    auto *block = new QVBoxLayout;
    block->setSpacing(4);
    auto *captionLabel = new QLabel(caption);
    applyFontRole(captionLabel, FontRole::Caption);
    captionLabel->setStyleSheet(QStringLiteral("color: %1;").arg(QLatin1String(kMuted)));
    captionLabel->setAlignment(Qt::AlignCenter);
    auto *value = new BalanceLabel;
    applyFontRole(value, FontRole::SectionTitle);
    value->setAlignment(Qt::AlignCenter);
    block->addWidget(captionLabel);
    block->addWidget(value);
    header->addLayout(block);
    return value;
}

} // namespace

RegisterScreen::RegisterScreen(AppState *appState, QWidget *parent)
    : QWidget(parent)
    , m_appState(appState)
{
    m_restoringLayout = true;
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);

    auto *header = new QHBoxLayout;
    header->setSpacing(16);
    m_titleLabel = new ElidedLabel;
    applyFontRole(m_titleLabel, FontRole::LargeTitle);
    // The title takes what the amounts leave and is the first to be cut short.
    m_titleLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    header->addWidget(m_titleLabel, 1);
    header->addStretch();
    m_clearedValue = valueBlock(header, tr("Cleared"));
    m_unclearedValue = valueBlock(header, tr("Uncleared"));
    m_balanceValue = valueBlock(header, tr("Balance"));
    QFont bold = m_balanceValue->font();
    bold.setWeight(QFont::Bold);
    m_balanceValue->setFont(bold);
    m_reconcileButton = new QPushButton(tr("Reconcile"));
    m_reconcileButton->setFocusPolicy(Qt::ClickFocus);
    header->addWidget(m_reconcileButton);
    connect(m_reconcileButton, &QPushButton::clicked, this, [this] { Q_EMIT reconcileRequested(m_accountId); });
    layout->addLayout(header);

    m_subtitleLabel = new QLabel;
    applyFontRole(m_subtitleLabel, FontRole::Caption);
    m_subtitleLabel->setStyleSheet(QStringLiteral("color: %1;").arg(QLatin1String(kMuted)));
    m_subtitleLabel->hide();
    layout->addWidget(m_subtitleLabel);
    layout->addSpacing(8);

    m_model = new RegisterModel(this);
    m_delegate = new RegisterDelegate(m_appState, this);
    m_view = new RegisterTableView(this);
    m_view->setModel(m_model);
    m_view->setItemDelegate(m_delegate);
    m_view->setAlternatingRowColors(true);
    m_view->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setTabKeyNavigation(false);
    m_view->setFocusPolicy(Qt::StrongFocus);
    m_view->verticalHeader()->hide();
    m_view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_view->verticalHeader()->setMinimumSectionSize(kRowHeight);
    m_view->verticalHeader()->setDefaultSectionSize(kRowHeight);
    m_view->setShowGrid(false);
    // Long texts are cut short with an ellipsis rather than wrapped out of the row.
    m_view->setWordWrap(false);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    m_view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    m_view->viewport()->installEventFilter(this);
    connect(m_view, &QWidget::customContextMenuRequested, this, &RegisterScreen::onContextMenu);

    m_rowEditor = new RowEditor(m_view, m_model, this);
    m_delegate->setRowEditor(m_rowEditor);
    connect(m_rowEditor, &RowEditor::saveRequested, this, &RegisterScreen::commitCurrentRow);
    connect(m_rowEditor, &RowEditor::insertRequested, this, &RegisterScreen::focusNewRow);
    connect(m_rowEditor, &RowEditor::deleteRequested, this, &RegisterScreen::deleteCurrentRow);
    connect(m_rowEditor, &RowEditor::newTransactionRequested, this, &RegisterScreen::newTransactionDialog);
    connect(m_rowEditor, &RowEditor::editInDialogRequested, this, [this](int row) {
        if (m_model->isNewRow(row))
            editNewRowInDialog();
        else
            editRowInDialog(row);
    });
    connect(m_rowEditor, &RowEditor::detailsRequested, this, &RegisterScreen::showDetails);
    connect(m_rowEditor, &RowEditor::memorizeRequested, this, &RegisterScreen::memorize);
    connect(m_rowEditor, &RowEditor::copyFromAboveRequested, this, &RegisterScreen::copyFromAbove);
    connect(m_rowEditor, &RowEditor::rowEditRequested, this, &RegisterScreen::startEditingRow);

    QHeaderView *columns = m_view->horizontalHeader();
    columns->setSectionResizeMode(QHeaderView::Interactive);
    columns->setStretchLastSection(false);
    columns->setMinimumSectionSize(24);
    columns->setContextMenuPolicy(Qt::CustomContextMenu);
    m_view->setSortingEnabled(true);
    columns->setSortIndicatorShown(true);
    connect(columns, &QWidget::customContextMenuRequested, this, &RegisterScreen::showHeaderContextMenu);
    connect(columns, &QHeaderView::sectionResized, this, [this](int index, int, int newSize) {
        if (!m_restoringLayout)
            QSettings().setValue(widthKey(index), newSize);
    });
    connect(m_model, &RegisterModel::sortChanged, this, [this](int column, Qt::SortOrder order) {
        // Only a sort the user chose is kept; the one the layout applies is not.
        if (m_restoringLayout)
            return;
        QSettings settings;
        settings.setValue(sortColumnKey(), column);
        settings.setValue(sortOrderKey(), int(order));
    });
    layout->addWidget(m_view, 1);

    restoreColumnLayout();
    m_restoringLayout = false;

    connect(m_appState->preferencesRepository(), &PreferencesRepository::changed, this, [this](const QString &key) {
        if (key != QLatin1String("registerNewestFirst"))
            return;
        const bool newestFirst = m_appState->preferencesRepository()->getBool(key, false);
        m_restoringLayout = true;
        m_view->sortByColumn(RegisterModel::Date, newestFirst ? Qt::DescendingOrder : Qt::AscendingOrder);
        m_restoringLayout = false;
    });
    connect(m_appState->database()->changes(), &ChangeJournal::committed, this,
            &RegisterScreen::onChangesCommitted);

    connect(m_view, &QAbstractItemView::clicked, this, [this](const QModelIndex &index) {
        if (!index.isValid())
            return;
        startEditingRow(index.row());
        if (index.column() != RegisterModel::Balance && !m_rowEditor->isSplitCell(index))
            m_view->edit(index);
    });
    connect(m_view, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &index) {
        const RegisterRow *row = m_model->rowAt(index.row());
        if (index.isValid() && row && row->isSplit)
            editRowInDialog(index.row());
    });
    connect(m_view->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current, const QModelIndex &previous) {
                if (current.isValid() && (!previous.isValid() || previous.row() != current.row()))
                    startEditingRow(current.row());
            });

    auto *footer = new QHBoxLayout;
    m_statusLabel = new QLabel;
    applyFontRole(m_statusLabel, FontRole::Body);
    m_statusLabel->setStyleSheet(QStringLiteral("color: %1; padding: 2px 4px;").arg(QLatin1String(kMuted)));
    footer->addWidget(m_statusLabel);
    footer->addStretch();
    auto *hint = new QLabel(tr("%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  ': copy above")
                                .arg(QKeySequence(QStringLiteral("Ctrl+Return")).toString(QKeySequence::NativeText),
                                     QKeySequence(QStringLiteral("Ctrl+D")).toString(QKeySequence::NativeText),
                                     QKeySequence(QStringLiteral("Ctrl+M")).toString(QKeySequence::NativeText)));
    applyFontRole(hint, FontRole::Body);
    hint->setStyleSheet(QStringLiteral("color: %1; padding: 2px 4px;").arg(QStringLiteral("#5A7A6E")));
    footer->addWidget(hint);
    layout->addLayout(footer);
}

int RegisterScreen::defaultColumnWidth(int column)
{
    static const int widths[] = {130, 60, 250, 180, 180, 100, 100, 35, 110};
    if (column < 0 || column >= RegisterModel::ColumnCount)
        return 100;
    const int scale = fontScalePercent();
    return scale > 100 ? widths[column] * scale / 100 : widths[column];
}

Currency RegisterScreen::accountCurrency() const
{
    const std::optional<Account> account = m_appState->accountRepository()->findById(m_accountId);
    return account ? account->currency : Currency::USD;
}

// ---- layout -----------------------------------------------------------------

void RegisterScreen::restoreColumnLayout()
{
    const bool wasRestoring = m_restoringLayout;
    m_restoringLayout = true;
    QSettings settings;
    QHeaderView *header = m_view->horizontalHeader();
    // Widths first: a section hidden now keeps its width for when it is shown.
    for (int column = 0; column < RegisterModel::ColumnCount; ++column)
        header->resizeSection(column, preferredColumnWidth(column));
    for (int column = 0; column < RegisterModel::ColumnCount; ++column) {
        const bool alwaysShown = column == RegisterModel::Date || column == RegisterModel::Balance;
        bool hidden = !alwaysShown && settings.value(hiddenKey(column), false).toBool();
        if (column == RegisterModel::Memo && m_delegate->twoLineMode())
            hidden = true;
        m_view->setColumnHidden(column, hidden);
    }
    int column = RegisterModel::Date;
    Qt::SortOrder order = Qt::AscendingOrder;
    if (settings.contains(sortColumnKey())) {
        column = settings.value(sortColumnKey()).toInt();
        if (column < 0 || column >= RegisterModel::ColumnCount)
            column = RegisterModel::Date;
        order = settings.value(sortOrderKey(), 0).toInt() == int(Qt::DescendingOrder) ? Qt::DescendingOrder
                                                                                       : Qt::AscendingOrder;
    } else if (m_appState->preferencesRepository()->getBool(QStringLiteral("registerNewestFirst"), false)) {
        order = Qt::DescendingOrder;
    }
    m_view->sortByColumn(column, order);
    m_restoringLayout = wasRestoring;
    refitColumns();
}

void RegisterScreen::fitColumnsToWidth()
{
    // Only a change of width calls for a new fit. A horizontal scroll bar that
    // appears after the user widened a column changes only the height, and
    // the user's choice is not undone under the mouse.
    const int available = m_view->viewport()->width();
    if (available == m_fittedViewportWidth)
        return;
    m_fittedViewportWidth = available;

    QList<int> widths(RegisterModel::ColumnCount, 0);
    QList<int> floors(RegisterModel::ColumnCount, 0);
    int total = 0;
    int floorTotal = 0;
    for (int column = 0; column < RegisterModel::ColumnCount; ++column) {
        if (m_view->isColumnHidden(column))
            continue;
        widths[column] = preferredColumnWidth(column);
        floors[column] = qMin(widths[column], columnFloor(column));
        total += widths[column];
        floorTotal += floors[column];
    }
    // Never narrower than every column at its floor, so Balance stays in view.
    m_view->setMinimumWidth(floorTotal + 2 * m_view->frameWidth() + m_view->verticalScrollBar()->sizeHint().width());
    giveUpWidth(widths, floors, total - available);

    const bool wasRestoring = m_restoringLayout;
    m_restoringLayout = true;
    for (int column = 0; column < RegisterModel::ColumnCount; ++column) {
        if (!m_view->isColumnHidden(column))
            m_view->horizontalHeader()->resizeSection(column, widths.at(column));
    }
    m_restoringLayout = wasRestoring;
}

void RegisterScreen::resetColumnLayout()
{
    QSettings().remove(QStringLiteral("register"));
    restoreColumnLayout();
}

void RegisterScreen::showHeaderContextMenu(const QPoint &pos)
{
    QMenu menu(this);
    menu.addSection(tr("Show columns"));
    for (int column = 0; column < RegisterModel::ColumnCount; ++column) {
        QAction *action = menu.addAction(m_model->headerData(column, Qt::Horizontal).toString());
        action->setCheckable(true);
        action->setChecked(!m_view->isColumnHidden(column));
        action->setEnabled(column != RegisterModel::Date && column != RegisterModel::Balance
                           && !(column == RegisterModel::Memo && m_delegate->twoLineMode()));
        connect(action, &QAction::toggled, this, [this, column](bool shown) {
            setColumnShown(column, shown);
            QSettings().setValue(hiddenKey(column), !shown);
            refitColumns();
        });
    }
    menu.addSeparator();
    menu.addAction(tr("Reset register layout"), this, &RegisterScreen::resetColumnLayout);
    menu.exec(m_view->horizontalHeader()->mapToGlobal(pos));
}

void RegisterScreen::applyTwoLineMode(bool on)
{
    m_delegate->setTwoLineMode(on);
    const bool memoShown = !on && !QSettings().value(hiddenKey(RegisterModel::Memo), false).toBool();
    const bool memoChanged = m_view->isColumnHidden(RegisterModel::Memo) == memoShown;
    setColumnShown(RegisterModel::Memo, memoShown);
    if (m_model->twoLineMode() != on)
        m_model->setTwoLineMode(on);
    const int height = kRowHeight + kTwoLineExtra * (on ? 1 : 0);
    m_view->verticalHeader()->setMinimumSectionSize(height);
    m_view->verticalHeader()->setDefaultSectionSize(height);
    if (memoChanged)
        refitColumns();
    m_view->viewport()->update();
}

// ---- loading ------------------------------------------------------------------

void RegisterScreen::setAccount(const QString &accountId)
{
    // A new row typed but not saved waits for the person's return to its
    // account instead of being lost.
    if (!m_accountId.isEmpty() && accountId != m_accountId) {
        m_rowEditor->flush();
        m_rowEditor->close();
        const bool newRowEntry = m_model->editRow() < 0 || m_model->isNewRow(m_model->editRow());
        if (newRowEntry && m_model->hasTypedEntry())
            m_drafts.insert(m_accountId, m_model->entryState());
        else
            m_drafts.remove(m_accountId);
        m_model->setEditRow(-1);
        m_model->resetEntry();
    }
    const bool switching = accountId != m_accountId;
    m_accountId = accountId;
    m_delegate->setAccountId(accountId);
    reload();
    if (switching) {
        if (const auto draft = m_drafts.constFind(accountId); draft != m_drafts.cend()) {
            m_model->restoreEntryState(*draft);
            m_drafts.erase(draft);
            showStatus(tr("Your unsaved entry is back"), 3000);
        }
    }
    focusNewRowAfterChange();
}

namespace {

// Past this many changed rows one read of the whole register is cheaper
// than patching them in one by one.
constexpr qsizetype kMostPatchedRows = 200;

} // namespace

void RegisterScreen::onChangesCommitted(const ChangeSet &changes)
{
    if (m_accountId.isEmpty() || !changes.affectsRegister(m_accountId))
        return;
    if (m_view->isEditing()) {
        // Nothing reloads under an open editor, as reload() does.
        m_rowsCurrent = false;
        return;
    }
    if (!patchChangedRows(changes))
        reload();
}

bool RegisterScreen::patchChangedRows(const ChangeSet &changes)
{
    // Changes that do not name their rows (bulk writes, restores) and those
    // that also touch accounts (a starting balance, a deleted account) need
    // the whole register read again.
    const QSet<QString> &ids = changes.ids(ChangeSet::Entity::Transaction);
    if (!m_rowsCurrent || changes.allRegisters() || changes.contains(ChangeSet::Entity::Account) || ids.isEmpty()
        || ids.size() > kMostPatchedRows)
        return false;
    std::optional<QList<RegisterRow>> rows = m_appState->transactionRepository()->findRegisterRowsByIds(ids.values());
    if (!rows)
        return false;
    rows->removeIf([this](const RegisterRow &row) { return row.accountId != m_accountId; });
    bool patched = false;
    keepPlace([&] { patched = m_model->updateRows(ids, *std::move(rows)); });
    if (!patched)
        return false;
    ++m_patchCount;
    showTotals();
    return true;
}

void RegisterScreen::keepPlace(const std::function<void()> &change)
{
    const QModelIndex current = m_view->currentIndex();
    const int topRow = m_view->rowAt(0);
    const RegisterRow *topTransaction = topRow >= 0 ? m_model->rowAt(topRow) : nullptr;
    const RegisterRow *currentTransaction = current.isValid() ? m_model->rowAt(current.row()) : nullptr;
    const QString topId = topTransaction ? topTransaction->id : QString();
    const QString currentId = currentTransaction ? currentTransaction->id : QString();
    const bool hadCurrentTransaction = currentTransaction != nullptr;
    const bool topWasTransaction = topTransaction != nullptr;
    const int currentRow = current.row();
    const int currentColumn = current.column();

    change();

    const int lastRow = m_model->rowCount() - 1;
    if (currentRow >= 0) {
        int row = hadCurrentTransaction ? rowForId(currentId) : -1;
        if (row < 0)
            row = qBound(0, currentRow, lastRow);
        m_view->setCurrentIndex(m_model->index(row, currentColumn));
    }
    if (topRow >= 0) {
        int row = topWasTransaction ? rowForId(topId) : -1;
        if (row < 0)
            row = qBound(0, topRow, lastRow);
        m_view->scrollTo(m_model->index(row, 0), QAbstractItemView::PositionAtTop);
    }
    if (m_view->currentIndex().isValid())
        m_view->scrollTo(m_view->currentIndex());
}

void RegisterScreen::showTotals()
{
    qint64 cleared = 0;
    qint64 uncleared = 0;
    for (const RegisterRow &row : m_model->rows()) {
        if (row.cleared)
            cleared += row.amount;
        else
            uncleared += row.amount;
    }
    const qint64 balance = cleared + uncleared;
    const Currency currency = m_model->currency();
    m_clearedValue->setText(formatMoney(cleared, currency));
    m_unclearedValue->setText(formatMoney(uncleared, currency));
    m_balanceValue->setText(formatMoney(balance, currency));
    m_balanceValue->setStyleSheet(
        QStringLiteral("color: %1;").arg((balance < 0 ? negativeColor() : positiveColor()).name()));
}

void RegisterScreen::reload()
{
    if (m_accountId.isEmpty() || m_view->isEditing()) {
        m_rowsCurrent = m_rowsCurrent && m_accountId.isEmpty();
        return;
    }
    const std::optional<Account> account = m_appState->accountRepository()->findById(m_accountId);
    if (!account) {
        m_rowsCurrent = false;
        return;
    }

    m_titleLabel->setText(account->name);
    QString subtitle;
    if (!account->institution.isEmpty()) {
        subtitle = account->institution;
        if (!account->accountNumberLast4.isEmpty())
            subtitle += tr("  ·  *%1").arg(account->accountNumberLast4);
    }
    m_subtitleLabel->setText(subtitle);
    m_subtitleLabel->setVisible(!subtitle.isEmpty());

    keepPlace([this, &account] {
        QList<RegisterRow> rows = m_appState->transactionRepository()->findRegisterRows(m_accountId);
        applyTwoLineMode(m_appState->preferencesRepository()->getBool(QStringLiteral("registerTwoLine"), false));
        m_model->setCurrency(account->currency);
        m_model->setRows(std::move(rows));
    });
    ++m_reloadCount;
    m_rowsCurrent = true;
    showTotals();
}

int RegisterScreen::rowForId(const QString &id) const
{
    return m_model->rowForId(id);
}

void RegisterScreen::focusNewRowAfterChange()
{
    if (m_model->rowCount() <= 0)
        return;
    const int newRow = m_model->newRowPosition();
    if (newRow == 0)
        m_view->scrollToTop();
    else
        m_view->scrollToBottom();
    m_view->setCurrentIndex(m_model->index(newRow, RegisterModel::Date));
}

void RegisterScreen::focusNewRow()
{
    m_rowEditor->close();
    m_model->resetEntry();
    m_model->setEditRow(-1);
    const QModelIndex index = m_model->index(m_model->newRowPosition(), RegisterModel::Date);
    m_view->setCurrentIndex(index);
    m_model->refreshRow(index.row());
    m_view->scrollTo(index);
    m_view->setFocus();
    m_view->edit(index);
}

void RegisterScreen::startEditingRow(int row)
{
    if (m_model->isNewRow(row)) {
        if (m_model->editRow() >= 0 && !m_model->isNewRow(m_model->editRow()))
            m_model->resetEntry();
        m_model->setEditRow(-1);
        m_model->refreshRow(row);
        return;
    }
    if (row == m_model->editRow())
        return;
    if (m_model->loadEntry(row))
        m_model->setEditRow(row);
}

// ---- field moves and resizing ----------------------------------------------

void RegisterScreen::advanceToNextField()
{
    m_rowEditor->advanceToNextField();
}

void RegisterScreen::advanceToPreviousField()
{
    m_rowEditor->advanceToPreviousField();
}

bool RegisterScreen::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_view->viewport() && event->type() == QEvent::Resize)
        fitColumnsToWidth();
    return QWidget::eventFilter(watched, event);
}

void RegisterScreen::showStatus(const QString &text, int milliseconds)
{
    m_statusLabel->setText(text);
    QPointer<QLabel> label = m_statusLabel;
    QTimer::singleShot(milliseconds, this, [label] {
        if (label)
            label->clear();
    });
}

// ---- commit -------------------------------------------------------------------

void RegisterScreen::commitCurrentRow()
{
    m_rowEditor->writeBack();
    {
        // Leaving the cell closes the editor; the buffer already holds its text.
        const QSignalBlocker blocker(m_view->selectionModel());
        m_rowEditor->close();
        m_view->selectionModel()->clearCurrentIndex();
    }
    m_view->setFocus();

    const int editRow = m_model->editRow();
    const bool isNew = editRow < 0 || m_model->isNewRow(editRow);
    const RegisterRow *row = isNew ? nullptr : m_model->rowAt(editRow);
    if (!isNew && (!row || row->id.isEmpty())) {
        // The opening row is the account's starting balance, not a
        // transaction: what was typed over it is dropped.
        m_model->setEditRow(-1);
        reload();
        return;
    }

    int problemColumn = -1;
    QString problem;
    const std::optional<TransactionDraft> draft = draftFromEntry(&problem, &problemColumn);
    if (!draft) {
        refuseEntry(problem, isNew ? m_model->newRowPosition() : editRow, problemColumn);
        return;
    }
    const QString editedId = row ? row->id : QString();
    // The edit row is released first: the service's change notice reloads
    // the register while the commit returns.
    m_model->setEditRow(-1);
    TransactionService *service = m_appState->transactionService();
    const Result<Transaction> stored = isNew ? service->create(*draft) : service->edit(editedId, *draft);
    if (!stored) {
        if (!isNew)
            m_model->setEditRow(rowForId(editedId));
        refuseEntry(stored.error(), isNew ? m_model->newRowPosition() : rowForId(editedId), -1);
        return;
    }
    if (isNew) {
        m_model->setLastEntryDate(RegisterModel::dateText(draft->date));
        m_model->resetEntry();
        focusNewRowAfterChange();
        return;
    }
    const int after = rowForId(stored->id);
    if (after >= 0 && after + 1 < m_model->rowCount())
        m_view->setCurrentIndex(m_model->index(after + 1, RegisterModel::Date));
}

std::optional<TransactionDraft> RegisterScreen::draftFromEntry(QString *problem, int *column) const
{
    const auto refuse = [problem, column](const QString &text, int at) {
        *problem = text;
        *column = at;
        return std::nullopt;
    };
    TransactionDraft draft;
    draft.accountId = m_accountId;
    draft.payee = m_model->entryText(Slot::Payee).trimmed();
    draft.transferAccountId = m_model->entryText(Slot::TransferAccountId);
    if (draft.payee.isEmpty() && draft.transferAccountId.isEmpty())
        return refuse(tr("Payee is required"), RegisterModel::Payee);
    // A transfer entry typed by hand for an account that doesn't exist.
    if (draft.transferAccountId.isEmpty() && draft.payee.startsWith(RegisterDelegate::transferEntryPrefix()))
        return refuse(tr("Transfer account not found"), RegisterModel::Payee);

    const QString paymentText = m_model->entryText(Slot::Payment).trimmed();
    const QString depositText = m_model->entryText(Slot::Deposit).trimmed();
    if (paymentText.isEmpty() && depositText.isEmpty())
        return refuse(tr("Enter a payment or deposit amount"), RegisterModel::Payment);
    const bool payment = !paymentText.isEmpty();
    const std::optional<qint64> amount = m_model->parseAmount(payment ? paymentText : depositText);
    if (!amount)
        return refuse(tr("\"%1\" is not an amount").arg(payment ? paymentText : depositText),
                      payment ? RegisterModel::Payment : RegisterModel::Deposit);
    if (payment) {
        const std::optional<qint64> negated = checkedNegate(*amount);
        if (!negated)
            return refuse(tr("The amount is too large"), RegisterModel::Payment);
        draft.amount = *negated;
    } else {
        draft.amount = *amount;
    }

    const QString dateText = m_model->entryText(Slot::Date).trimmed();
    draft.date = dateText.isEmpty() ? Clock::today() : RegisterModel::dateFromText(dateText);
    if (!draft.date.isValid())
        return refuse(tr("\"%1\" is not a date").arg(dateText), RegisterModel::Date);

    draft.categoryId = m_model->entryText(Slot::CategoryId);
    const QString categoryText = m_model->entryText(Slot::Category).trimmed();
    if (categoryText.isEmpty())
        draft.categoryId.clear();
    else if (draft.categoryId.isEmpty())
        return refuse(tr("There is no category \"%1\"; choose one from the list").arg(categoryText),
                      RegisterModel::Category);

    draft.checkNumber = m_model->entryText(Slot::CheckNumber).trimmed();
    draft.memo = m_model->entryText(Slot::Memo).trimmed();
    const QString mark = m_model->entryText(Slot::Cleared).trimmed().toUpper();
    draft.cleared = mark == QLatin1String("C") || mark == QLatin1String("R");
    draft.reconciled = mark == QLatin1String("R");
    return draft;
}

void RegisterScreen::refuseEntry(const QString &message, int row, int column)
{
    reportError(message);
    if (row < 0 || row >= m_model->rowCount())
        return;
    if (!m_model->isNewRow(row))
        m_model->setEditRow(row);
    // Back to the field at fault, with what was typed still there.
    const QModelIndex at = m_model->index(row, column >= 0 ? column : RegisterModel::Payee);
    m_view->setCurrentIndex(at);
    m_view->edit(at);
}

void RegisterScreen::reportError(const QString &message)
{
    showStatus(message, 5000);
    Q_EMIT errorMessage(message);
}

// ---- deleting, copying, clearing ------------------------------------------------

void RegisterScreen::deleteCurrentRow()
{
    const QModelIndex current = m_view->currentIndex();
    if (!current.isValid())
        return;
    if (m_model->isNewRow(current.row())) {
        m_rowEditor->close();
        m_model->resetEntry();
        m_model->refreshRow(current.row());
        const QModelIndex first = m_model->index(current.row(), RegisterModel::Date);
        m_view->setCurrentIndex(first);
        m_view->edit(first);
        showStatus(tr("Fields cleared"), 3000);
        return;
    }
    deleteRow(current.row());
}

void RegisterScreen::deleteRow(int row)
{
    const RegisterRow *stored = m_model->rowAt(row);
    if (!stored)
        return;
    const Transaction t = *stored;
    const qint64 magnitude = t.amount < 0 ? static_cast<qint64>(quint64(0) - quint64(t.amount)) : t.amount;
    // Shown in the account's own currency: a yen amount in dollars would misstate it.
    const QString money = formatMoney(magnitude, accountCurrency());
    const QString text = t.transferLinkId.isEmpty()
                             ? tr("Delete \"%1\" for %2?").arg(t.payee, money)
                             : tr("Delete transfer \"%1\" for %2?\n\nBoth sides of the transfer will be deleted.")
                                   .arg(t.payee, money);
    m_rowEditor->close();
    if (MessageBox::question(this, tr("Delete Transaction"), text, QMessageBox::Yes | QMessageBox::No)
        != QMessageBox::Yes)
        return;
    m_model->setEditRow(-1);
    if (const Result<void> removed = m_appState->transactionService()->remove(t.id); !removed)
        reportError(removed.error());
}

void RegisterScreen::copyFromAbove()
{
    const QModelIndex current = m_view->currentIndex();
    if (!current.isValid() || current.row() <= 0 || current.column() >= RegisterModel::Balance)
        return;
    const int above = current.row() - 1;
    const QString text = m_model->isNewRow(above) ? QString()
                                                  : m_model->index(above, current.column()).data(Qt::DisplayRole).toString();
    startEditingRow(current.row());
    m_model->setData(current, text, Qt::EditRole);
    if (current.column() == RegisterModel::Category)
        m_model->setEntryText(Slot::CategoryId, QString());
    m_rowEditor->setEditorText(text);
}

void RegisterScreen::toggleCleared(int row)
{
    const RegisterRow *stored = m_model->rowAt(row);
    if (!stored)
        return;
    const QString id = stored->id;
    const bool cleared = !stored->cleared;
    m_model->setEditRow(-1);
    if (const Result<Transaction> changed = m_appState->transactionService()->setCleared(id, cleared); !changed)
        reportError(changed.error());
}

void RegisterScreen::memorize(int row)
{
    const RegisterRow *stored = m_model->rowAt(row);
    if (!stored)
        return;
    if (!stored->date.isValid() || stored->date.year() < 2000) {
        showStatus(tr("Cannot memorize: source transaction has an invalid date"), 5000);
        return;
    }
    RecurringTransaction seed;
    seed.accountId = m_accountId;
    seed.payee = stored->payee;
    seed.memo = stored->memo;
    seed.amount = stored->amount;
    seed.categoryId = stored->categoryId;
    seed.frequency = Frequency::Monthly;
    // The memorized transaction is this occurrence; the template starts at
    // the next one, so it does not fall due at once and post a duplicate.
    seed.startDate = RecurringService::nextOccurrence(stored->date, seed.frequency);
    seed.nextDueDate = seed.startDate;
    seed.autoPost = false;
    seed.leadDays = 0;
    seed.isActive = true;
    seed.transferDestAccountId = stored->transferDestAccountId;
    seed.version = 1;
    RecurringFormDialog dialog(m_appState, seed, RecurringFormDialog::Purpose::Memorize, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (const auto saved = m_appState->recurringService()->saveTemplate(dialog.recurring()); !saved)
        reportError(saved.error());
    else
        showStatus(tr("Transaction memorized as recurring"), 3000);
}

// ---- menus --------------------------------------------------------------------

void RegisterScreen::onContextMenu(const QPoint &pos)
{
    const QModelIndex index = m_view->indexAt(pos);
    QMenu menu(this);
    // The new row's editor opens once the menu has gone and given the
    // focus back; opened under the menu it would lose the focus and close.
    menu.addAction(tr("&Insert New"), this, [this] { QTimer::singleShot(0, this, &RegisterScreen::focusNewRow); })
        ->setShortcut(QKeySequence(QStringLiteral("Ctrl+I")));
    // Ctrl+N belongs to File › New Transaction, which goes to the new row;
    // this entry opens the dialog and so shows no key of its own.
    menu.addAction(tr("&New Transaction..."), this, &RegisterScreen::newTransactionDialog);
    const auto visibleKey = [](QAction *action, const QKeySequence &key) {
        action->setShortcut(key);
        action->setShortcutVisibleInContextMenu(true);
        // The event filter acts on the key; the action only shows it.
        action->setShortcutContext(Qt::WidgetShortcut);
    };
    if (index.isValid() && m_model->isNewRow(index.row())) {
        visibleKey(menu.addAction(tr("&Edit in Dialog..."), this, &RegisterScreen::editNewRowInDialog),
                   QKeySequence(QStringLiteral("Ctrl+E")));
    } else if (const RegisterRow *row = index.isValid() ? m_model->rowAt(index.row()) : nullptr) {
        const int viewRow = index.row();
        menu.addSeparator();
        visibleKey(menu.addAction(tr("Show &Details..."), this, [this, viewRow] { showDetails(viewRow); }),
                   QKeySequence(QStringLiteral("Alt+Return")));
        menu.addAction(row->isSplit ? tr("Edit &Splits...") : tr("&Split Transaction..."), this,
                       [this, viewRow] { editSplits(viewRow); });
        visibleKey(menu.addAction(tr("&Edit in Dialog..."), this, [this, viewRow] { editRowInDialog(viewRow); }),
                   QKeySequence(QStringLiteral("Ctrl+E")));
        menu.addAction(row->cleared ? tr("Mark &Uncleared") : tr("Mark &Cleared"), this,
                       [this, viewRow] { toggleCleared(viewRow); });
        visibleKey(menu.addAction(tr("&Delete"), this, [this, viewRow] { deleteRow(viewRow); }),
                   QKeySequence(QStringLiteral("Ctrl+D")));
    }
    menu.exec(m_view->viewport()->mapToGlobal(pos));
}

// ---- dialogs ------------------------------------------------------------------

void RegisterScreen::presentNewTransactionDialog(const Transaction *seed)
{
    if (m_accountId.isEmpty())
        return;
    m_rowEditor->close();
    TransactionFormDialog dialog(m_appState, m_accountId, this);
    if (seed)
        dialog.setSeed(*seed);
    if (dialog.exec() != QDialog::Accepted)
        return;
    TransactionDraft draft = TransactionDraft::fromTransaction(dialog.transaction());
    draft.accountId = m_accountId;
    if (const QList<SplitLine> lines = dialog.splitLines(); !lines.isEmpty())
        draft.splitLines = lines;
    m_model->setEditRow(-1);
    if (const Result<Transaction> created = m_appState->transactionService()->create(draft); !created) {
        reportError(created.error());
        return;
    }
    if (seed)
        m_model->resetEntry();
    focusNewRowAfterChange();
}

void RegisterScreen::newTransactionDialog()
{
    presentNewTransactionDialog(nullptr);
}

void RegisterScreen::editNewRowInDialog()
{
    m_rowEditor->flush();
    const Transaction seed = m_model->entryToTransaction(m_accountId);
    presentNewTransactionDialog(&seed);
}

void RegisterScreen::editRowInDialog(int row)
{
    const RegisterRow *stored = m_model->rowAt(row);
    if (!stored)
        return;
    m_rowEditor->close();
    const Transaction original = *stored;
    TransactionFormDialog dialog(m_appState, original, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    TransactionDraft draft = TransactionDraft::fromTransaction(dialog.transaction());
    draft.splitLines = dialog.splitLines();
    m_model->setEditRow(-1);
    if (const Result<Transaction> saved = m_appState->transactionService()->edit(original.id, draft); !saved)
        reportError(saved.error());
}

void RegisterScreen::showDetails(int row)
{
    const RegisterRow *stored = m_model->rowAt(row);
    if (!stored)
        return;
    m_rowEditor->close();
    const Transaction t = *stored;
    bool editRequested = false;
    {
        TransactionDetailsDialog dialog(m_appState, t, this);
        dialog.exec();
        editRequested = dialog.editRequested() && !dialog.deleted();
    }
    m_model->setEditRow(-1);
    reload();
    if (editRequested) {
        const int again = rowForId(t.id);
        if (again >= 0)
            editRowInDialog(again);
    }
}

void RegisterScreen::editSplits(int row)
{
    const RegisterRow *stored = m_model->rowAt(row);
    if (!stored)
        return;
    m_rowEditor->close();
    Transaction t = *stored;
    const QList<SplitLine> current = m_appState->splitLineRepository()->findByTransaction(t.id);
    SplitEditorDialog dialog(m_appState, t.amount, current, accountCurrency(), this);
    // The stored amount becomes the lines' sum, so the editor may offer to
    // change the total to it.
    dialog.setTotalChangeable(true);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_model->setEditRow(-1);
    if (const Result<Transaction> saved = m_appState->transactionService()->replaceSplitLines(t.id, dialog.lines());
        !saved)
        reportError(saved.error());
}

// ---- column layout helpers ----------------------------------------------------

int RegisterScreen::preferredColumnWidth(int column) const
{
    // A width of 0 or less (or no number at all) is no width a person chose:
    // hiding a column is stored as its hidden flag, never as a width.
    // An absurd width from a damaged settings file is capped.
    constexpr int maxWidth = 2000;
    bool ok = false;
    const int stored = QSettings().value(widthKey(column)).toInt(&ok);
    if (!ok || stored <= 0)
        return qMax(defaultColumnWidth(column), titleWidth(m_view, column));
    return qBound(m_view->horizontalHeader()->minimumSectionSize(), stored, maxWidth);
}

int RegisterScreen::columnFloor(int column) const
{
    // The narrowest a column gets when the register runs short of room: what
    // its usual contents need, and for the text columns a few words.
    const QFontMetrics metrics = m_view->fontMetrics();
    const int padding = 12;
    switch (column) {
    case RegisterModel::Date:
        // The date editor also holds its calendar button.
        return metrics.horizontalAdvance(QStringLiteral("12/31/2024")) + padding
               + m_view->style()->pixelMetric(QStyle::PM_SmallIconSize) + 8;
    case RegisterModel::CheckNumber:
        return metrics.horizontalAdvance(QStringLiteral("0000")) + padding;
    case RegisterModel::Payment:
    case RegisterModel::Deposit:
        return qMax(metrics.horizontalAdvance(QStringLiteral("9,999.99")) + padding, titleWidth(m_view, column));
    case RegisterModel::Payee:
    case RegisterModel::Category:
    case RegisterModel::Memo:
        return metrics.averageCharWidth() * 6 + padding;
    default:
        return preferredColumnWidth(column);
    }
}

void RegisterScreen::setColumnShown(int column, bool shown)
{
    // The header reports hiding as a resize to 0; that is not a width to keep.
    const bool wasRestoring = m_restoringLayout;
    m_restoringLayout = true;
    m_view->setColumnHidden(column, !shown);
    if (shown && m_view->horizontalHeader()->sectionSize(column) < m_view->horizontalHeader()->minimumSectionSize())
        m_view->horizontalHeader()->resizeSection(column, preferredColumnWidth(column));
    m_restoringLayout = wasRestoring;
}

void RegisterScreen::refitColumns()
{
    m_fittedViewportWidth = -1;
    fitColumnsToWidth();
}

void RegisterScreen::giveUpWidth(QList<int> &widths, const QList<int> &floors, int excess)
{
    // Columns give up width in this order, each step only as far as needed
    // and shared in proportion to what each can give: first Payee and Memo
    // down to half their default, then Category likewise, then Date, Chk #,
    // Payment and Deposit down to what their contents need, and last the
    // three text columns down to their floors. Clr and Balance keep theirs.
    struct Step
    {
        QList<int> columns;
        bool toHalfDefault;
    };
    const Step steps[] = {
        {{RegisterModel::Payee, RegisterModel::Memo}, true},
        {{RegisterModel::Category}, true},
        {{RegisterModel::Date, RegisterModel::CheckNumber, RegisterModel::Payment, RegisterModel::Deposit}, false},
        {{RegisterModel::Payee, RegisterModel::Memo, RegisterModel::Category}, false},
    };
    for (const Step &step : steps) {
        if (excess <= 0)
            break;
        QList<int> room;
        int roomTotal = 0;
        for (int column : step.columns) {
            const int target = step.toHalfDefault ? qMax(floors.at(column), defaultColumnWidth(column) / 2)
                                                  : floors.at(column);
            room.append(qMax(0, widths.at(column) - target));
            roomTotal += room.last();
        }
        if (roomTotal == 0)
            continue;
        const int take = qMin(excess, roomTotal);
        // Cumulative rounding hands out exactly take pixels.
        int given = 0;
        int roomSoFar = 0;
        for (int i = 0; i < step.columns.size(); ++i) {
            roomSoFar += room.at(i);
            const int upTo = int(qint64(take) * roomSoFar / roomTotal);
            widths[step.columns.at(i)] -= upTo - given;
            given = upTo;
        }
        excess -= take;
    }
}
