#include "ui/register/tabcompleter.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
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
            passOn(keyEvent->key() == Qt::Key_Backtab || keyEvent->modifiers().testFlag(Qt::ShiftModifier));
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

void TabCompleter::passOn(bool backwards)
{
    // With the list closed the key reaches the widget as if typed there, so
    // whatever moves the focus on from the widget does so as usual.
    QWidget *target = widget();
    if (!target)
        return;
    QKeyEvent key(QEvent::KeyPress, backwards ? Qt::Key_Backtab : Qt::Key_Tab,
                  backwards ? Qt::ShiftModifier : Qt::NoModifier);
    QCoreApplication::sendEvent(target, &key);
}
