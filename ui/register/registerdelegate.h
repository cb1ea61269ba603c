#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <QStyledItemDelegate>

class AppState;
class QComboBox;
class QAbstractItemModel;
class RegisterModel;

// Paints the register's cells (one or two lines per row) and makes one editor
// per cell: the date edit, line edits, the payee line with completion over
// earlier payees and transfers to the other accounts, and the category combo.
// Written-back editors go into the model's entry buffer; on the new row a
// payee with an earlier transaction fills amount, category and memo from it.
// It stores nothing: the register screen commits the buffer.
class RegisterDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit RegisterDelegate(AppState *appState, QObject *parent = nullptr);

    void setAccountId(const QString &accountId) { m_accountId = accountId; }
    QString accountId() const { return m_accountId; }
    void setTwoLineMode(bool on) { m_twoLineMode = on; }
    bool twoLineMode() const { return m_twoLineMode; }

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
    // The editor made last; the view has at most one open at a time.
    QWidget *lastEditor() const { return m_lastEditor; }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;

Q_SIGNALS:
    // A cell editor was made, so the register can hear its keys.
    void editorOpened(QWidget *editor) const;

protected:
    // Return and Enter pass through to the view untouched: the register
    // decides where they go, not the default commit-and-close.
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    QWidget *createPayeeEditor(QWidget *parent, int row) const;
    QWidget *createCategoryEditor(QWidget *parent) const;
    QWidget *makeEditor(QWidget *parent, const QModelIndex &index) const;

    AppState *m_appState;
    QString m_accountId;
    bool m_twoLineMode = false;
    mutable QPointer<QWidget> m_lastEditor;
    // Transfer entries of the payee completer, display text to account id.
    mutable QHash<QString, QString> m_transferTargets;
};
