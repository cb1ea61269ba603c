#pragma once

#include "data/account.h"

#include <QDate>
#include <QDialog>

class QComboBox;
class QDateEdit;
class QDoubleSpinBox;
class QLineEdit;

// The modal form in which an account is created or edited. It validates
// nothing; the caller decides what an empty name means.
class AccountFormDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AccountFormDialog(QWidget *parent = nullptr);
    explicit AccountFormDialog(const Account &account, QWidget *parent = nullptr);

    Account account() const;
    QDate openingBalanceDate() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildForm();
    void updateBalanceFormat();
    Currency selectedCurrency() const;

    QLineEdit *m_name = nullptr;
    QComboBox *m_type = nullptr;
    QComboBox *m_currency = nullptr;
    QDoubleSpinBox *m_startingBalance = nullptr;
    QDateEdit *m_asOf = nullptr;
    QLineEdit *m_institution = nullptr;
    QLineEdit *m_accountNumber = nullptr;
    Account m_base;
    bool m_editMode = false;
};
