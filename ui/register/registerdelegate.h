#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <QStyledItemDelegate>

class AppState;
class QComboBox;
class QAbstractItemModel;
class RegisterModel;
class RowEditor;

// Paints the register's cells (one or two lines per row) and makes one editor
// per cell: the date edit, line edits, the payee line with completion over
// earlier payees and transfers to the other accounts, and the category combo.
// Written-back editors go into the model's entry buffer; on the new row a
// payee with an earlier transaction fills amount, category and memo from it.
// It stores nothing: the register screen commits the buffer. Keys typed into
// its editors are the row editor's, which it hands every editor it makes.
class RegisterDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit RegisterDelegate(AppState *appState, QObject *parent = nullptr);

    void setAccountId(const QString &accountId) { m_accountId = accountId; }
    QString accountId() const { return m_accountId; }
    void setTwoLineMode(bool on) { m_twoLineMode = on; }
    bool twoLineMode() const { return m_twoLineMode; }
    // Without a row editor the editors keep an item view's usual keys.
    void setRowEditor(RowEditor *rowEditor);

    // The texts the payee completer offers: transfer entries, then payees.
    QStringList payeeCompletions() const;
    // Fills amount, category and memo of the new row from the payee's last
    // transaction in this account; nothing when there is none.
    void autoFillFromPayee(RegisterModel *model, const QString &payee, QWidget *editor) const;
    // "[Transfer] ", the start of every transfer entry the completer offers.
    static QString transferEntryPrefix() { return tr("[Transfer] %1").arg(QString()); }
    // Writes a payee text into the entry buffer: a transfer entry of the
    // completer also sets the transfer account's id.
    void storePayee(RegisterModel *model, const QString &text) const;
    // The item of the category editor a typed text stands for: the item of
    // that name, or the only one it begins; -1 when there is none or several.
    static int matchCategoryItem(const QComboBox *combo, const QString &typed);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;

protected:
    // Keys pass through untouched to the row editor, which decides where
    // they go, instead of the item view's commit-and-close on Tab, Enter
    // and Escape.
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    QWidget *createPayeeEditor(QWidget *parent, int row) const;
    QWidget *createCategoryEditor(QWidget *parent) const;
    QWidget *makeEditor(QWidget *parent, const QModelIndex &index) const;

    AppState *m_appState;
    QString m_accountId;
    bool m_twoLineMode = false;
    QPointer<RowEditor> m_rowEditor;
    // Transfer entries of the payee completer, display text to account id.
    mutable QHash<QString, QString> m_transferTargets;
};
