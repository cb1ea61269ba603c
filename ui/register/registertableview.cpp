#include "ui/register/registertableview.h"

#include "ui/register/registermodel.h"
#include "ui/register/registerscreen.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>

RegisterTableView::RegisterTableView(RegisterScreen *screen, QWidget *parent)
    : QTableView(parent)
    , m_screen(screen)
{
}

bool RegisterTableView::focusInPayeeMemoEditor() const
{
    for (QWidget *widget = QApplication::focusWidget(); widget && widget != this; widget = widget->parentWidget()) {
        if (widget->objectName() == QLatin1String("PayeeMemoEditor"))
            return isAncestorOf(widget);
    }
    return false;
}

bool RegisterTableView::isSplitAmountCell(const QModelIndex &index) const
{
    const auto *registerModel = qobject_cast<const RegisterModel *>(model());
    if (!registerModel || !index.isValid() || registerModel->isNewRow(index.row()))
        return false;
    const int column = index.column();
    if (column != RegisterModel::Category && column != RegisterModel::Payment && column != RegisterModel::Deposit)
        return false;
    const RegisterRow *row = registerModel->rowAt(index.row());
    return row && row->isSplit;
}

bool RegisterTableView::event(QEvent *event)
{
    if (m_screen && event->type() == QEvent::KeyPress) {
        auto *keyEvent = static_cast<QKeyEvent *>(event);
        const bool backtab = keyEvent->key() == Qt::Key_Backtab
                             || (keyEvent->key() == Qt::Key_Tab && keyEvent->modifiers().testFlag(Qt::ShiftModifier));
        const bool tab = keyEvent->key() == Qt::Key_Tab && !backtab;
        if ((tab || backtab) && !focusInPayeeMemoEditor()) {
            if (tab)
                m_screen->moveToNextField();
            else
                m_screen->moveToPreviousField();
            keyEvent->accept();
            return true;
        }
    }
    return QTableView::event(event);
}

void RegisterTableView::keyPressEvent(QKeyEvent *event)
{
    if (m_screen) {
        const int key = event->key();
        const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
        if (key == Qt::Key_Backtab || (key == Qt::Key_Tab && modifiers.testFlag(Qt::ShiftModifier))) {
            m_screen->moveToPreviousField();
            return;
        }
        if (key == Qt::Key_Tab) {
            m_screen->moveToNextField();
            return;
        }
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && modifiers == Qt::NoModifier
            && isSplitAmountCell(currentIndex())) {
            m_screen->moveToNextField();
            return;
        }
    }
    QTableView::keyPressEvent(event);
}

bool RegisterTableView::focusNextPrevChild(bool next)
{
    if (!m_screen)
        return QTableView::focusNextPrevChild(next);
    if (focusInPayeeMemoEditor())
        return m_screen->focusNextPrevChild(next);
    if (next)
        m_screen->moveToNextField();
    else
        m_screen->moveToPreviousField();
    return true;
}

void RegisterTableView::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    if (!m_screen || (hint != QAbstractItemDelegate::EditNextItem && hint != QAbstractItemDelegate::EditPreviousItem)) {
        QTableView::closeEditor(editor, hint);
        return;
    }
    const int row = currentIndex().row();
    const int column = currentIndex().column();
    QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
    QPointer<RegisterScreen> screen = m_screen;
    QTimer::singleShot(0, this, [this, screen, row, column, hint] {
        if (!screen || !model())
            return;
        setCurrentIndex(model()->index(row, column));
        if (hint == QAbstractItemDelegate::EditNextItem)
            screen->moveToNextField();
        else
            screen->moveToPreviousField();
    });
}

QModelIndex RegisterTableView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex result = QTableView::moveCursor(cursorAction, modifiers);
    if (result.isValid() && result.column() == RegisterModel::Balance)
        return result.siblingAtColumn(RegisterModel::Cleared);
    return result;
}
