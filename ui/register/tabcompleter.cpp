#include "ui/register/tabcompleter.h"

#include <QAbstractItemDelegate>
#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

TabCompleter::TabCompleter(QAbstractItemModel *model, QWidget *widget)
    : QCompleter(model, widget)
{
}

TabCompleter::TabCompleter(const QStringList &items, QWidget *widget)
    : QCompleter(items, widget)
{
}

bool TabCompleter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && popup() && popup()->isVisible()) {
        const auto *keyEvent = static_cast<QKeyEvent *>(event);
        if (keyEvent->key() == Qt::Key_Tab || keyEvent->key() == Qt::Key_Backtab) {
            const QModelIndex index = popup()->currentIndex();
            const QString text = index.isValid() ? index.data(Qt::DisplayRole).toString() : QString();
            if (!text.isEmpty())
                acceptSuggestion(text);
            popup()->hide();
            moveOn(keyEvent->key() == Qt::Key_Backtab || keyEvent->modifiers().testFlag(Qt::ShiftModifier));
            return true;
        }
    }
    return QCompleter::eventFilter(watched, event);
}

void TabCompleter::acceptSuggestion(const QString &text)
{
    if (auto *edit = qobject_cast<QLineEdit *>(widget())) {
        edit->setText(text);
    } else if (auto *combo = qobject_cast<QComboBox *>(widget())) {
        const int row = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (row >= 0)
            combo->setCurrentIndex(row);
        else
            combo->setCurrentText(text);
    }
    Q_EMIT activated(text);
}

void TabCompleter::moveOn(bool backwards)
{
    QWidget *editor = widget();
    if (!editor)
        return;
    for (QWidget *ancestor = editor->parentWidget(); ancestor; ancestor = ancestor->parentWidget()) {
        if (ancestor->objectName() == QLatin1String("PayeeMemoEditor")) {
            if (auto *memo = ancestor->findChild<QWidget *>(QStringLiteral("memoEdit")))
                memo->setFocus(Qt::TabFocusReason);
            return;
        }
    }
    QAbstractItemView *view = nullptr;
    for (QWidget *ancestor = editor->parentWidget(); ancestor && !view; ancestor = ancestor->parentWidget())
        view = qobject_cast<QAbstractItemView *>(ancestor);
    if (!view)
        return;
    // The view knows its editor as the viewport's direct child: the widget
    // itself, or the composite editor it sits in.
    QWidget *cellEditor = editor;
    while (cellEditor->parentWidget() && cellEditor->parentWidget() != view->viewport())
        cellEditor = cellEditor->parentWidget();
    if (cellEditor->parentWidget() != view->viewport())
        return;
    QAbstractItemDelegate *delegate = view->itemDelegate();
    Q_EMIT delegate->commitData(cellEditor);
    Q_EMIT delegate->closeEditor(cellEditor, backwards ? QAbstractItemDelegate::EditPreviousItem
                                                         : QAbstractItemDelegate::EditNextItem);
}
