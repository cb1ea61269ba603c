#include "ui/register/registertableview.h"

#include "ui/register/registermodel.h"

RegisterTableView::RegisterTableView(QWidget *parent)
    : QTableView(parent)
{
}

QModelIndex RegisterTableView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex result = QTableView::moveCursor(cursorAction, modifiers);
    if (result.isValid() && result.column() == RegisterModel::Balance)
        return result.siblingAtColumn(RegisterModel::Cleared);
    return result;
}
