#pragma once

#include <QCompleter>

// A completer that also accepts its highlighted suggestion on Tab or
// Shift+Tab, then moves on: to the memo line of the two-line payee editor,
// or else to the next (previous) cell of the item view hosting the editor.
// It does not configure matching; its users set case, mode and filter.
class TabCompleter : public QCompleter
{
    Q_OBJECT

public:
    TabCompleter(QAbstractItemModel *model, QWidget *widget);
    TabCompleter(const QStringList &items, QWidget *widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void acceptSuggestion(const QString &text);
    void moveOn(bool backwards);
};
