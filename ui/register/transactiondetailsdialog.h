#pragma once

#include "data/enums.h"
#include "data/transaction.h"

#include <QDialog>

class AppState;
class QFormLayout;
class QLabel;
class QPushButton;

// Shows everything stored about one transaction, its split lines included,
// and offers to edit it (the caller opens the form), to flip its cleared
// mark and to delete it. The last two it writes itself; deleting half of a
// transfer deletes both halves together. The cleared mark belongs to this
// half only: each account clears against its own statement.
class TransactionDetailsDialog : public QDialog
{
    Q_OBJECT

public:
    TransactionDetailsDialog(AppState *appState, const Transaction &transaction, QWidget *parent = nullptr);

    // After exec(): the user chose "Edit..." (and the caller should open the form).
    bool editRequested() const { return m_editRequested; }
    // After exec(): the transaction (and a transfer's other half) was deleted.
    bool deleted() const { return m_deleted; }
    // The transaction as the dialog last stored it.
    Transaction transaction() const { return m_transaction; }

    QLabel *statusLabel() const { return m_statusLabel; }
    QPushButton *clearedButton() const { return m_clearedButton; }
    QPushButton *editButton() const { return m_editButton; }
    QPushButton *deleteButton() const { return m_deleteButton; }
    QPushButton *closeButton() const { return m_closeButton; }
    // The value shown beside a form label such as "Payee:"; empty when the row is absent.
    QString valueText(const QString &label) const;

public Q_SLOTS:
    void toggleCleared();
    void deleteTransaction();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLabel *addValueRow(QFormLayout *form, const QString &label, const QString &value);
    void addSplitSection(QLayout *layout);
    void updateStatus();
    QString money(qint64 amount) const;

    AppState *m_appState;
    Transaction m_transaction;
    Currency m_currency = Currency::USD;
    bool m_editRequested = false;
    bool m_deleted = false;
    QFormLayout *m_form = nullptr;
    QLabel *m_statusLabel = nullptr;
    QPushButton *m_clearedButton = nullptr;
    QPushButton *m_editButton = nullptr;
    QPushButton *m_deleteButton = nullptr;
    QPushButton *m_closeButton = nullptr;
};
