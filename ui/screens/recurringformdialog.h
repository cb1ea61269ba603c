#pragma once

#include "data/enums.h"
#include "data/recurringtransaction.h"

#include <QDialog>

class AppState;
class DateField;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QCompleter;
class QDoubleSpinBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

// The form for one recurring template: new, edit, or memorize (prefilled
// from a register transaction). It only builds the template from its
// widgets; saving it is the caller's business. It has no transfer account:
// a template's transfer destination passes through unchanged. The amount is
// typed in the selected account's currency (whole yen for a yen account).
// OK refuses only an amount the field could not take; broken start dates
// are repaired, not refused.
class RecurringFormDialog : public QDialog
{
    Q_OBJECT

public:
    enum class Purpose { Edit, Memorize };

    // A new template: first account, payment, monthly, starting today.
    explicit RecurringFormDialog(AppState *state, QWidget *parent = nullptr);
    // Edit keeps the template's id and schedule unless the start date
    // changes; Memorize starts a new template from the seed's fields.
    RecurringFormDialog(AppState *state, const RecurringTransaction &recurring, Purpose purpose,
                        QWidget *parent = nullptr);

    RecurringTransaction recurring() const;

    bool isEditMode() const { return m_editMode; }
    bool isCreateFromSeed() const { return m_createFromSeed; }
    // The currency of the selected account, in which the amount is typed.
    Currency currency() const { return m_currency; }

public Q_SLOTS:
    void accept() override;

private:
    void applyAccountCurrency();
    void buildUi();
    void loadAccounts();
    void loadCategories();
    void reloadPayees();
    void loadTemplate(const RecurringTransaction &r);

    AppState *m_state;
    RecurringTransaction m_original;
    bool m_editMode = false;
    bool m_createFromSeed = false;
    Currency m_currency = Currency::USD;

    QComboBox *m_account = nullptr;
    QRadioButton *m_payment = nullptr;
    QRadioButton *m_deposit = nullptr;
    QButtonGroup *m_typeGroup = nullptr;
    QLineEdit *m_payee = nullptr;
    QCompleter *m_payeeCompleter = nullptr;
    QDoubleSpinBox *m_amount = nullptr;
    QComboBox *m_category = nullptr;
    QLineEdit *m_memo = nullptr;
    QComboBox *m_frequency = nullptr;
    DateField *m_startDate = nullptr;
    QCheckBox *m_hasEndDate = nullptr;
    DateField *m_endDate = nullptr;
    QCheckBox *m_autoPost = nullptr;
    QSpinBox *m_leadDays = nullptr;
    QCheckBox *m_active = nullptr;
};
