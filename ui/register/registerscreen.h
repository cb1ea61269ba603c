#pragma once

#include "data/transaction.h"
#include "services/transactiondraft.h"
#include "ui/register/registermodel.h"

#include <functional>
#include <optional>

#include <QHash>
#include <QWidget>

class AppState;
class ChangeSet;
class QLabel;
class QPushButton;
class RegisterDelegate;
class RegisterModel;
class RegisterTableView;
class RowEditor;

// The register page: one account's header with its cleared, uncleared and
// total balance, the register table and a footer with a status line and the
// key hint. It owns every register command: field-by-field entry, the commit
// of the entry buffer into a new or changed transaction (both halves of a
// transfer together), deletion with confirmation, copy from above, memorize
// as recurring, the row and header menus, the transaction, details and split
// dialogs, and the column layout kept in the platform settings. Which key
// asks for which command is the row editor's; the screen runs what it asks
// for. Reconciling is only requested; the main window decides what opens.
class RegisterScreen : public QWidget
{
    Q_OBJECT

public:
    explicit RegisterScreen(AppState *appState, QWidget *parent = nullptr);

    void setAccount(const QString &accountId);
    QString accountId() const { return m_accountId; }
    // Reloads rows and totals, keeping the current cell and the scroll;
    // nothing while an editor is open or when the account is gone.
    void reload();
    // Whether the rows shown are the account's as last committed: false
    // after a change arrived while an editor was open, until a reload.
    bool rowsAreCurrent() const { return m_rowsCurrent; }
    // How often the rows were read whole and how often patched after a
    // change, for tests and diagnostics.
    int reloadCount() const { return m_reloadCount; }
    int patchCount() const { return m_patchCount; }
    // Empties the new row, makes its first field current and opens it.
    void focusNewRow();

    RegisterTableView *view() const { return m_view; }
    RegisterModel *model() const { return m_model; }
    RegisterDelegate *delegate() const { return m_delegate; }
    QLabel *statusLabel() const { return m_statusLabel; }
    QLabel *titleLabel() const { return m_titleLabel; }
    QLabel *subtitleLabel() const { return m_subtitleLabel; }
    QLabel *clearedValueLabel() const { return m_clearedValue; }
    QLabel *unclearedValueLabel() const { return m_unclearedValue; }
    QLabel *balanceValueLabel() const { return m_balanceValue; }
    QPushButton *reconcileButton() const { return m_reconcileButton; }

    // Default width of a column at the current font scale.
    static int defaultColumnWidth(int column);

Q_SIGNALS:
    void reconcileRequested(const QString &accountId);
    void errorMessage(const QString &text);

public Q_SLOTS:
    void onContextMenu(const QPoint &pos);
    void commitCurrentRow();
    void deleteCurrentRow();
    void copyFromAbove();
    void advanceToNextField();
    void advanceToPreviousField();
    void startEditingRow(int row);
    void newTransactionDialog();
    void presentNewTransactionDialog(const Transaction *seed);
    void editNewRowInDialog();
    void showHeaderContextMenu(const QPoint &pos);
    void resetColumnLayout();

    void editRowInDialog(int row);
    void showDetails(int row);
    void editSplits(int row);
    void toggleCleared(int row);
    void deleteRow(int row);
    void memorize(int row);

protected:
    // Fits the columns when the view's viewport changes size.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // A committed change of this account's transactions: the changed rows
    // are patched in when the change names them, else the register reloads.
    void onChangesCommitted(const ChangeSet &changes);
    bool patchChangedRows(const ChangeSet &changes);
    // Runs `change` on the rows and puts the current cell and the scroll back
    // on the same transactions (or the same places, when they are gone).
    void keepPlace(const std::function<void()> &change);
    void showTotals();
    // The entry buffer as a draft for the transaction service, or the reason
    // it can't be one and the column of the field at fault.
    std::optional<TransactionDraft> draftFromEntry(QString *problem, int *column) const;
    // Says why a commit was refused and goes back to the field, keeping the entry.
    void refuseEntry(const QString &message, int row, int column);
    // The one place the register shows a failed operation.
    void reportError(const QString &message);
    int rowForId(const QString &id) const;
    void showStatus(const QString &text, int milliseconds);
    void applyTwoLineMode(bool on);
    void restoreColumnLayout();
    // Narrows columns from their stored or default widths so that every
    // column, Balance above all, fits the view; nothing is stored. Does
    // nothing while the view's width is the one last fitted.
    void fitColumnsToWidth();
    void focusNewRowAfterChange();
    Currency accountCurrency() const;

    bool m_restoringLayout = false;
    bool m_rowsCurrent = false;
    int m_reloadCount = 0;
    int m_patchCount = 0;
    AppState *m_appState;
    QString m_accountId;
    QLabel *m_titleLabel = nullptr;
    QLabel *m_clearedValue = nullptr;
    QLabel *m_unclearedValue = nullptr;
    QLabel *m_balanceValue = nullptr;
    QLabel *m_subtitleLabel = nullptr;
    QLabel *m_statusLabel = nullptr;
    QPushButton *m_reconcileButton = nullptr;
    RegisterTableView *m_view = nullptr;
    RegisterModel *m_model = nullptr;
    RegisterDelegate *m_delegate = nullptr;
    RowEditor *m_rowEditor = nullptr;
    // Unsaved new-row entries of the accounts the person switched away from.
    QHash<QString, RegisterModel::EntryState> m_drafts;

    // The width a column asks for: the stored one, or the default when none
    // or no usable one is stored.
    int preferredColumnWidth(int column) const;
    // The narrowest a column is fitted to when room runs short.
    int columnFloor(int column) const;
    // Hides or shows a column without storing the header's resize as its width.
    void setColumnShown(int column, bool shown);
    // Takes excess pixels off the widths, in the order columns give up room,
    // never below their floors; hidden columns have width 0 and keep it.
    static void giveUpWidth(QList<int> &widths, const QList<int> &floors, int excess);
    // Fits the columns again even when the width has not changed.
    void refitColumns();
    int m_fittedViewportWidth = -1;
};
