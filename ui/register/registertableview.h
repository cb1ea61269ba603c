#pragma once

#include <QTableView>

class RegisterScreen;

// The register's table: Tab and Shift+Tab move field by field through the
// screen's field order and open the next editor, arrow keys never land on
// the Balance column, and Enter on a split row's amount or category skips
// on. Without a screen it is a plain table view. Commands belong to the
// screen; this class only moves.
class RegisterTableView : public QTableView
{
    Q_OBJECT

public:
    explicit RegisterTableView(RegisterScreen *screen, QWidget *parent = nullptr);

    // An editor is open on a cell.
    bool isEditing() const { return state() == EditingState; }

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;

private:
    bool focusInPayeeMemoEditor() const;
    bool isSplitAmountCell(const QModelIndex &index) const;

    RegisterScreen *m_screen;
};
