#pragma once

#include <QCompleter>

// A completer that also accepts its highlighted suggestion on Tab or
// Shift+Tab, then passes the key on to its widget, so the focus moves on as
// for a Tab typed with the list closed: in the register to the next field,
// in a plain item view to the next cell. It does not configure matching;
// its users set case, mode and filter.
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
    void passOn(bool backwards);
};
