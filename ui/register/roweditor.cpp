#include "ui/register/roweditor.h"

#include "ui/register/payeememoeditor.h"
#include "ui/register/registerlineedit.h"
#include "ui/register/registermodel.h"
#include "ui/register/registertableview.h"

#include <QAbstractItemDelegate>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

namespace {

constexpr int kFieldCount = RegisterModel::Balance;   // Date .. Clr; Balance is never a field

bool isEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// Shift+Tab arrives as Backtab from most keyboards, as Tab with Shift from some.
bool isTab(const QKeyEvent *event, bool *backwards)
{
    *backwards = event->key() == Qt::Key_Backtab
                 || (event->key() == Qt::Key_Tab && event->modifiers().testFlag(Qt::ShiftModifier));
    return event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
}

} // namespace

RowEditor::RowEditor(RegisterTableView *view, RegisterModel *model, QObject *parent)
    : QObject(parent)
    , m_view(view)
    , m_model(model)
{
    // Keys an editor leaves unhandled come up through the viewport.
    m_view->installEventFilter(this);
    m_view->viewport()->installEventFilter(this);
}

void RowEditor::adopt(QWidget *editor)
{
    m_editor = editor;
    editor->installEventFilter(this);
    for (QWidget *part : editor->findChildren<QWidget *>())
        part->installEventFilter(this);
}

QWidget *RowEditor::editor() const
{
    if (!m_view->isEditing())
        return nullptr;
    QWidget *editor = m_editor;
    return editor && !editor->isHidden() && editor->parentWidget() == m_view->viewport() ? editor : nullptr;
}

RowEditor::Field RowEditor::currentField() const
{
    const QModelIndex current = m_view->currentIndex();
    if (!current.isValid())
        return {};
    const auto *payeeMemo = qobject_cast<PayeeMemoEditor *>(editor());
    return {current.column(), payeeMemo && payeeMemo->memoEdit()->hasFocus()};
}

bool RowEditor::isSplitCell(const QModelIndex &index) const
{
    if (!index.isValid() || m_model->isNewRow(index.row()))
        return false;
    const int column = index.column();
    if (column != RegisterModel::Category && column != RegisterModel::Payment && column != RegisterModel::Deposit)
        return false;
    const RegisterRow *row = m_model->rowAt(index.row());
    return row && row->isSplit;
}

void RowEditor::writeBack()
{
    QWidget *open = editor();
    const QModelIndex current = m_view->currentIndex();
    if (open && current.isValid())
        m_view->itemDelegate()->setModelData(open, m_model, current);
}

void RowEditor::flush()
{
    writeBack();
    if (qobject_cast<PayeeMemoEditor *>(editor()))
        close();
}

void RowEditor::close()
{
    QWidget *open = editor();
    if (!open)
        return;
    const bool hadFocus = open->hasFocus() || open->isAncestorOf(QApplication::focusWidget());
    // With the focus on the memo line, which the view does not count as the
    // editor's focus, the view takes it first: hidden with the focus inside,
    // the editor would pass it on along the window's focus chain.
    if (hadFocus && !open->hasFocus())
        m_view->setFocus();
    Q_EMIT m_view->itemDelegate()->closeEditor(open, QAbstractItemDelegate::NoHint);
    if (hadFocus)
        m_view->setFocus();
}

void RowEditor::setEditorText(const QString &text)
{
    if (auto *line = qobject_cast<QLineEdit *>(editor()))
        line->setText(text);
}

int RowEditor::nextColumn(int column, bool forward) const
{
    if (forward) {
        for (int c = (column < 0 || column >= kFieldCount) ? 0 : column + 1; c < kFieldCount; ++c) {
            if (!m_view->isColumnHidden(c))
                return c;
        }
        return -1;
    }
    for (int c = qMin(column, kFieldCount) - 1; c >= 0; --c) {
        if (!m_view->isColumnHidden(c))
            return c;
    }
    return -1;
}

void RowEditor::openField(const QModelIndex &index, bool backwards)
{
    if (m_model->flags(index).testFlag(Qt::ItemIsEditable))
        m_view->edit(index);
    if (backwards && index.column() == RegisterModel::Payee) {
        if (auto *payeeMemo = qobject_cast<PayeeMemoEditor *>(editor()))
            payeeMemo->memoEdit()->setFocus();
    }
}

void RowEditor::moveToField(bool forward)
{
    const QModelIndex current = m_view->currentIndex();
    if (!current.isValid())
        return;
    const int column = nextColumn(current.column(), forward);
    if (column < 0)
        return;
    flush();
    close();
    const QModelIndex target = m_model->index(current.row(), column);
    {
        // A move within the row: nothing that listens for a new row hears it.
        const QSignalBlocker blocker(m_view->selectionModel());
        m_view->selectionModel()->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect);
    }
    m_view->viewport()->update();
    openField(target, !forward);
}

void RowEditor::moveToNextField()
{
    moveToField(true);
}

void RowEditor::moveToPreviousField()
{
    moveToField(false);
}

void RowEditor::advanceToNextField()
{
    flush();
    const QModelIndex current = m_view->currentIndex();
    const int row = current.isValid() ? current.row() : m_model->newRowPosition();
    const int column = nextColumn(current.isValid() ? current.column() : -1, true);
    if (column < 0) {
        Q_EMIT saveRequested();
        return;
    }
    const QModelIndex next = m_model->index(row, column);
    m_view->setCurrentIndex(next);
    openField(next, false);
}

void RowEditor::advanceToPreviousField()
{
    flush();
    const QModelIndex current = m_view->currentIndex();
    if (!current.isValid())
        return;
    const int column = nextColumn(current.column(), false);
    if (column < 0)
        return;
    const QModelIndex previous = m_model->index(current.row(), column);
    m_view->setCurrentIndex(previous);
    openField(previous, true);
}

bool RowEditor::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *keyEvent = static_cast<const QKeyEvent *>(event);
    if (watched == m_view || watched == m_view->viewport())
        return tableKey(keyEvent);
    auto *target = qobject_cast<QWidget *>(watched);
    QWidget *open = m_editor;
    if (open && target && (target == open || open->isAncestorOf(target)))
        return editorKey(target, keyEvent);
    return false;
}

bool RowEditor::tableKey(const QKeyEvent *event)
{
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool ctrl = modifiers.testFlag(Qt::ControlModifier);
    const bool shift = modifiers.testFlag(Qt::ShiftModifier);
    const bool alt = modifiers.testFlag(Qt::AltModifier);
    const bool enter = isEnter(key);
    const QModelIndex current = m_view->currentIndex();

    if (bool backwards = false; isTab(event, &backwards)) {
        moveToField(!backwards);
        return true;
    }
    if (enter && ctrl) {
        Q_EMIT saveRequested();
        return true;
    }
    if (key == Qt::Key_E && ctrl && !shift) {
        if (!current.isValid())
            return false;
        Q_EMIT editInDialogRequested(current.row());
        return true;
    }
    if (enter && alt) {
        if (!current.isValid() || m_model->isNewRow(current.row()))
            return false;
        Q_EMIT detailsRequested(current.row());
        return true;
    }
    if (enter) {
        if (!current.isValid() || editor() || isSplitCell(current)) {
            advanceToNextField();
            return true;
        }
        Q_EMIT rowEditRequested(current.row());
        m_view->edit(current);
        return true;
    }
    if (key == Qt::Key_D && ctrl) {
        Q_EMIT deleteRequested();
        return true;
    }
    if (key == Qt::Key_I && ctrl && !shift) {
        Q_EMIT insertRequested();
        return true;
    }
    if (key == Qt::Key_N && ctrl) {
        Q_EMIT newTransactionRequested();
        return true;
    }
    if (key == Qt::Key_M && ctrl) {
        if (!current.isValid() || m_model->isNewRow(current.row()))
            return false;
        Q_EMIT memorizeRequested(current.row());
        return true;
    }
    if (key == Qt::Key_Apostrophe && !ctrl) {
        Q_EMIT copyFromAboveRequested();
        return true;
    }
    return false;
}

bool RowEditor::editorKey(QWidget *target, const QKeyEvent *event)
{
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool ctrl = modifiers.testFlag(Qt::ControlModifier);
    const bool alt = modifiers.testFlag(Qt::AltModifier);

    if (bool backwards = false; isTab(event, &backwards)) {
        // Within the two-line payee editor Tab goes from the payee line to
        // the memo line and Shift+Tab back; every other Tab leaves the cell.
        if (auto *payeeMemo = qobject_cast<PayeeMemoEditor *>(m_editor.data()); payeeMemo && !ctrl && !alt) {
            if (!backwards && target == payeeMemo->payeeEdit()) {
                payeeMemo->memoEdit()->setFocus(Qt::TabFocusReason);
                return true;
            }
            if (backwards && target == payeeMemo->memoEdit()) {
                payeeMemo->payeeEdit()->setFocus(Qt::BacktabFocusReason);
                return true;
            }
        }
        flush();
        close();
        moveToField(!backwards);
        return true;
    }
    if (event->matches(QKeySequence::Cancel)) {
        close();
        return true;
    }
    // The register's commands work from inside an editor too, before the
    // editor takes the keys for itself (Ctrl+D and Ctrl+E edit text on some
    // platforms). Plain Enter is the editor's first: it may be choosing a
    // completion, and comes up to the table when it is not.
    if ((isEnter(key) && (ctrl || alt)) || (ctrl && (key == Qt::Key_E || key == Qt::Key_D || key == Qt::Key_M)))
        return tableKey(event);
    // An apostrophe typed where nothing would be kept, into an empty field
    // or over its whole text, copies the field above. Anywhere else it is
    // text ("Kids' Books").
    if (key == Qt::Key_Apostrophe && !ctrl && !alt) {
        const auto *line = qobject_cast<const QLineEdit *>(target);
        if (line && !line->text().isEmpty() && line->selectedText() != line->text())
            return false;
        Q_EMIT copyFromAboveRequested();
        return true;
    }
    return false;
}
