#pragma once

#include <QString>
#include <QWidget>

class AppState;
class ChangeSet;
class QLabel;
class QTableWidget;

// Lists the finished reconciliations of one account, newest statement
// first, with their balances in the account's currency. An account never
// reconciled shows a short note instead of an empty table. It follows
// committed changes (a reconciliation finished, the account renamed) and
// only reads.
class ReconciliationHistoryScreen : public QWidget
{
    Q_OBJECT

public:
    explicit ReconciliationHistoryScreen(AppState *state, QWidget *parent = nullptr);

    // Shows this account's history.
    void setAccount(const QString &accountId);
    QString accountId() const { return m_accountId; }

    QTableWidget *table() const { return m_table; }
    QLabel *titleLabel() const { return m_title; }
    QLabel *emptyLabel() const { return m_empty; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void reload();
    void onChangesCommitted(const ChangeSet &changes);

    AppState *m_state;
    QString m_accountId;
    QLabel *m_title = nullptr;
    QTableWidget *m_table = nullptr;
    QLabel *m_empty = nullptr;
};
