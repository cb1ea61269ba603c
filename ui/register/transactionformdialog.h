#pragma once

#include "data/enums.h"
#include "data/splitline.h"
#include "data/transaction.h"

#include <QDate>
#include <QDialog>
#include <QList>

class AppState;
class DateField;
class QCheckBox;
class QComboBox;
class QFormLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;
class SmartAmountField;
class SplitLinesWidget;

// Creates or edits one transaction in a form, optionally split across
// categories. It only reads: the caller stores transaction() and
// splitLines() through the transaction service after the dialog is
// accepted, which keeps a transfer's other half in step. Amounts are typed as magnitudes in the
// account's currency, the direction is the Payment/Deposit choice.
class TransactionFormDialog : public QDialog
{
    Q_OBJECT

public:
    // New mode: a blank transaction for the account.
    TransactionFormDialog(AppState *appState, const QString &accountId, QWidget *parent = nullptr);
    // Edit mode: the given transaction and, when split, its stored lines.
    TransactionFormDialog(AppState *appState, const Transaction &transaction, QWidget *parent = nullptr);

    // New mode: prefills whatever the seed carries (date, payee, check number,
    // memo, non-zero amount with its direction, category).
    void setSeed(const Transaction &seed);

    // The form as a record. In new mode its id is fixed when the dialog is
    // made, so repeated calls describe the same row. Remembers its date as
    // the date the next new form starts with.
    Transaction transaction() const;
    // The split lines, signed like the transaction; empty when not split.
    QList<SplitLine> splitLines() const;

    bool isEditMode() const { return m_editMode; }
    bool isSplitMode() const { return m_splitMode; }
    Currency currency() const { return m_currency; }

    // The date the last form handed out; invalid until then.
    static QDate lastDialogDate();
    static void setLastDialogDate(const QDate &date);

    QRadioButton *paymentButton() const { return m_payment; }
    QRadioButton *depositButton() const { return m_deposit; }
    DateField *dateField() const { return m_date; }
    QLineEdit *payeeEdit() const { return m_payee; }
    SmartAmountField *amountField() const { return m_amount; }
    QComboBox *categoryCombo() const { return m_category; }
    QPushButton *splitButton() const { return m_splitButton; }
    QPushButton *singleCategoryButton() const { return m_singleButton; }
    SplitLinesWidget *splitLinesWidget() const { return m_splitLines; }
    QLineEdit *memoEdit() const { return m_memo; }
    QLineEdit *checkNumberEdit() const { return m_checkNumber; }
    QCheckBox *clearedBox() const { return m_cleared; }

public Q_SLOTS:
    // Refuses an amount the field could not take (at that field) and a split
    // with a line that has an amount but no category.
    void accept() override;
    void onPayeeSelected(const QString &payee);
    void onEnterSplit();
    void onClearSplit();

private:
    void buildForm();
    void loadCategories();
    void applySplitMode();
    void setDirection(qint64 amount);
    qint64 enteredAmount() const;

    AppState *m_appState;
    QString m_accountId;
    Currency m_currency = Currency::USD;
    Transaction m_base;
    bool m_editMode;
    bool m_splitMode = false;

    QFormLayout *m_form = nullptr;
    QRadioButton *m_payment = nullptr;
    QRadioButton *m_deposit = nullptr;
    DateField *m_date = nullptr;
    QLineEdit *m_payee = nullptr;
    SmartAmountField *m_amount = nullptr;
    QComboBox *m_category = nullptr;
    QPushButton *m_splitButton = nullptr;
    QPushButton *m_singleButton = nullptr;
    SplitLinesWidget *m_splitLines = nullptr;
    QLineEdit *m_memo = nullptr;
    QLineEdit *m_checkNumber = nullptr;
    QCheckBox *m_cleared = nullptr;
};
