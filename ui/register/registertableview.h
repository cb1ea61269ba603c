#pragma once

#include <QTableView>

// The register's table: arrow keys never land on the Balance column, which
// is never edited. Which field Tab, Shift+Tab and Enter lead to is the row
// editor's, which listens to the table's keys; the table itself is a plain
// table view otherwise.
class RegisterTableView : public QTableView
{
    Q_OBJECT

public:
    explicit RegisterTableView(QWidget *parent = nullptr);

    // An editor is open on a cell.
    bool isEditing() const { return state() == EditingState; }

protected:
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
};
