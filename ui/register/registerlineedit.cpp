#include "ui/register/registerlineedit.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>

RegisterLineEdit::RegisterLineEdit(QWidget *parent)
    : QLineEdit(parent)
{
}

bool RegisterLineEdit::event(QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        QCompleter *current = completer();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && current && current->popup()
            && current->popup()->isVisible()) {
            const QModelIndex index = current->popup()->currentIndex();
            if (index.isValid())
                setText(index.data(Qt::DisplayRole).toString());
            current->popup()->hide();
            event->accept();
            return true;
        }
    }
    return QLineEdit::event(event);
}
