#pragma once

#include "data/enums.h"

#include <QDate>
#include <QString>
#include <QWidget>

#include <optional>

class AppState;
class ChangeSet;
class DateField;
class QLabel;
class QPushButton;
class QTableView;
class ReconciliationModel;
class ReconciliationService;
class SmartAmountField;

// Matches one account against a bank statement: the person enters the
// statement's date and ending balance, ticks the transactions the statement
// lists and watches the difference fall to zero; then "Finish
// Reconciliation" has the reconciliation service mark the ticked rows
// reconciled and record the reconciliation. Transactions can be added,
// edited and deleted from here through the transaction service, as in the
// register; the list follows every committed change of the account and
// keeps the ticks by transaction id. Nothing else is written before
// finishing, and closing without finishing only loses the ticks.
class ReconciliationScreen : public QWidget
{
    Q_OBJECT

public:
    ReconciliationScreen(AppState *state, ReconciliationService *service, QWidget *parent = nullptr);

    // Loads the account, proposes a statement date and lists the rows; an
    // account that does not exist leaves the screen empty.
    void setAccount(const QString &accountId);
    QString accountId() const { return m_accountId; }

    ReconciliationModel *model() const { return m_model; }
    QTableView *view() const { return m_view; }
    DateField *statementDateField() const { return m_statementDate; }
    SmartAmountField *statementBalanceField() const { return m_statementBalance; }
    QPushButton *finishButton() const { return m_finishButton; }
    // Statement balance minus cleared balance; empty when not computable.
    std::optional<qint64> difference() const;

public Q_SLOTS:
    void onTransactionToggled(int row);
    void updateDifference();
    void finish();
    void addTransaction();
    void editSelectedTransaction();
    void deleteSelectedTransaction();

Q_SIGNALS:
    void reconciliationCompleted();
    void cancelled();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // The left panel's sums; empty where one does not fit in an amount, and
    // no difference before an account is loaded.
    struct Figures
    {
        std::optional<qint64> deposits;
        std::optional<qint64> withdrawals;
        std::optional<qint64> cleared;
        std::optional<qint64> difference;
    };

    QWidget *buildStatementPanel();
    QWidget *buildTransactionPanel();
    void addShortcuts();
    // Reads the account, the previous balance and the rows again, keeping
    // the ticks, the current row, the scroll and what the person typed.
    void reload();
    void onChangesCommitted(const ChangeSet &changes);
    void applyCurrency(Currency currency);
    void applyFinishStyle();
    qint64 statementAmount() const;
    Figures figures() const;
    int currentRow() const;
    void editRow(int row);
    void showNotice(const QString &text);
    void reportError(const QString &title, const QString &text);

    AppState *m_state;
    ReconciliationService *m_service;
    ReconciliationModel *m_model;
    QString m_accountId;
    bool m_loaded = false;
    Currency m_currency = Currency::USD;
    qint64 m_previousBalance = 0;

    DateField *m_statementDate = nullptr;
    SmartAmountField *m_statementBalance = nullptr;
    QLabel *m_previousValue = nullptr;
    QLabel *m_depositsValue = nullptr;
    QLabel *m_withdrawalsValue = nullptr;
    QLabel *m_clearedValue = nullptr;
    QLabel *m_statementValue = nullptr;
    QLabel *m_differenceValue = nullptr;
    QLabel *m_notice = nullptr;
    QPushButton *m_finishButton = nullptr;
    QTableView *m_view = nullptr;
};
