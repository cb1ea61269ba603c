#pragma once

#include <QObject>
#include <QPointer>

class QKeyEvent;
class QModelIndex;
class QWidget;
class RegisterModel;
class RegisterTableView;

// The keyboard of the register's inline row editor. The delegate hands it
// every cell editor it makes; the row editor keeps the one that is open and
// decides where each key pressed in the row goes, in the table or in an
// editor:
// - Tab and Shift+Tab walk the fields from Date to Clr, skipping hidden
//   columns and stopping at either end; in the two-line layout the memo line
//   of the payee editor comes between Payee and the next field. Tab saves
//   nothing; it writes the field left into the entry buffer.
// - Enter moves on like Tab and asks for a save after the last field. On a
//   cell without an editor it opens one, except on a split transaction's
//   category and amounts, which it passes over.
// - Escape closes the open editor and drops what was typed into it.
// - The apostrophe asks to copy the field above, unless typed into text.
// - The register's commands (save, insert, delete, new transaction, edit in
//   the dialog, details, memorize) are asked for alike from the table and
//   from inside an editor.
// Commands are only asked for, through signals; the register screen runs
// them. The row editor makes, fills and paints no editor (the delegate does),
// and stores nothing.
class RowEditor : public QObject
{
    Q_OBJECT

public:
    // Where the keyboard is in the row.
    struct Field
    {
        int column = -1;          // the current column; -1 with no current cell
        bool memoLine = false;    // on the memo line of the two-line payee editor
        bool operator==(const Field &) const = default;
    };

    RowEditor(RegisterTableView *view, RegisterModel *model, QObject *parent = nullptr);

    // Takes the keys of an editor the delegate has just made for a cell.
    void adopt(QWidget *editor);
    // The cell editor open in the view, or null.
    QWidget *editor() const;
    Field currentField() const;
    // A split transaction's category or amount: the row edits none of them
    // in place, so Enter passes over them and a click opens no editor.
    bool isSplitCell(const QModelIndex &index) const;

    // Writes the open editor's text into the entry buffer.
    void writeBack();
    // Writes back and closes the two-line payee editor, so a move on from
    // its memo line starts from the view.
    void flush();
    // Closes the open editor without writing it back; the view keeps the
    // focus when the editor had it.
    void close();
    // Shows a text in the open editor when that is a single line.
    void setEditorText(const QString &text);

    // Tab and Shift+Tab: the open editor is written back, and the next
    // (previous) field is opened when it is editable. Past the ends nothing
    // happens.
    void moveToNextField();
    void moveToPreviousField();
    // Enter: the same move, but past the last field it asks for a save, and
    // with no current cell it starts on the new row.
    void advanceToNextField();
    void advanceToPreviousField();

Q_SIGNALS:
    void saveRequested();
    void insertRequested();
    void deleteRequested();
    void newTransactionRequested();
    void editInDialogRequested(int row);
    void detailsRequested(int row);
    void memorizeRequested(int row);
    void copyFromAboveRequested();
    // Enter opens an editor on a cell of this row: it becomes the row edited.
    void rowEditRequested(int row);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // A key the view or an editor left to the table; true when consumed.
    bool tableKey(const QKeyEvent *event);
    // A key pressed inside the open editor (`target` is the part holding
    // the focus), before the editor sees it.
    bool editorKey(QWidget *target, const QKeyEvent *event);
    // The next visible field's column from `column` (from the start when it
    // is none), or -1.
    int nextColumn(int column, bool forward) const;
    void moveToField(bool forward);
    // Opens an editor on a cell when it is editable; arriving backwards in
    // the two-line payee editor lands on its memo line.
    void openField(const QModelIndex &index, bool backwards);

    RegisterTableView *m_view;
    RegisterModel *m_model;
    QPointer<QWidget> m_editor;
};
