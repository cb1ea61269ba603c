#include "ui/screens/recurringformdialog.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/clock.h"
#include "data/timestamps.h"
#include "data/transactionrepository.h"
#include "data/uuids.h"
#include "ui/register/amountentryguard.h"
#include "ui/register/datefield.h"
#include "ui/register/dialogfields.h"
#include "ui/register/smartamountfield.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDebug>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHash>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QStringListModel>
#include <QVBoxLayout>

namespace {

struct FrequencyChoice
{
    const char *label;
    Frequency frequency;
};

const FrequencyChoice kFrequencies[] = {
    {QT_TRANSLATE_NOOP("RecurringFormDialog", "Daily"), Frequency::Daily},
    {QT_TRANSLATE_NOOP("RecurringFormDialog", "Weekly"), Frequency::Weekly},
    {QT_TRANSLATE_NOOP("RecurringFormDialog", "Bi-weekly"), Frequency::Biweekly},
    {QT_TRANSLATE_NOOP("RecurringFormDialog", "Monthly"), Frequency::Monthly},
    {QT_TRANSLATE_NOOP("RecurringFormDialog", "Quarterly"), Frequency::Quarterly},
    {QT_TRANSLATE_NOOP("RecurringFormDialog", "Semi-annual"), Frequency::SemiAnnual},
    {QT_TRANSLATE_NOOP("RecurringFormDialog", "Annual"), Frequency::Annual},
};

} // namespace

RecurringFormDialog::RecurringFormDialog(AppState *state, QWidget *parent)
    : QDialog(parent)
    , m_state(state)
{
    setWindowTitle(tr("New Recurring Transaction"));
    buildUi();
    m_startDate->setDate(Clock::today());
}

RecurringFormDialog::RecurringFormDialog(AppState *state, const RecurringTransaction &recurring, Purpose purpose,
                                         QWidget *parent)
    : QDialog(parent)
    , m_state(state)
    , m_original(recurring)
    , m_editMode(purpose == Purpose::Edit)
    , m_createFromSeed(purpose == Purpose::Memorize)
{
    setWindowTitle(m_editMode ? tr("Edit Recurring Transaction") : tr("Memorize Transaction"));
    buildUi();
    loadTemplate(recurring);
}

void RecurringFormDialog::buildUi()
{
    setMinimumWidth(480);

    m_account = new QComboBox(this);

    m_payment = new QRadioButton(tr("Payment"), this);
    m_deposit = new QRadioButton(tr("Deposit"), this);
    m_typeGroup = new QButtonGroup(this);
    m_typeGroup->addButton(m_payment);
    m_typeGroup->addButton(m_deposit);
    m_payment->setChecked(true);
    auto *typeRow = new QHBoxLayout;
    typeRow->addWidget(m_payment);
    typeRow->addWidget(m_deposit);
    typeRow->addStretch();

    m_payee = new QLineEdit(this);
    m_payee->setPlaceholderText(tr("Start typing to search payees..."));
    m_payeeCompleter = new QCompleter(new QStringListModel(this), this);
    m_payeeCompleter->setCompletionMode(QCompleter::PopupCompletion);
    m_payeeCompleter->setFilterMode(Qt::MatchContains);
    m_payeeCompleter->setCaseSensitivity(Qt::CaseInsensitive);
    m_payee->setCompleter(m_payeeCompleter);

    m_amount = new SmartAmountField(this);
    configureAmountSpinBox(m_amount, m_currency);
    AmountEntryGuard::attach(m_amount);

    m_category = new QComboBox(this);
    configureCategoryCombo(m_category);

    m_memo = new QLineEdit(this);
    m_memo->setPlaceholderText(tr("Optional"));

    m_frequency = new QComboBox(this);
    for (const FrequencyChoice &choice : kFrequencies)
        m_frequency->addItem(tr(choice.label), frequencyToString(choice.frequency));
    m_frequency->setCurrentIndex(m_frequency->findData(frequencyToString(Frequency::Monthly)));

    m_startDate = new DateField(this);

    m_hasEndDate = new QCheckBox(tr("Has end date"), this);
    m_endDate = new DateField(this);
    m_endDate->setEnabled(false);
    connect(m_hasEndDate, &QCheckBox::toggled, m_endDate, &QWidget::setEnabled);
    auto *endRow = new QHBoxLayout;
    endRow->addWidget(m_hasEndDate);
    endRow->addWidget(m_endDate, 1);

    m_autoPost = new QCheckBox(tr("Auto-post when due"), this);
    m_leadDays = new QSpinBox(this);
    m_leadDays->setRange(0, 60);
    m_leadDays->setSuffix(tr(" days"));
    m_leadDays->setEnabled(false);
    connect(m_autoPost, &QCheckBox::toggled, m_leadDays, &QWidget::setEnabled);

    m_active = new QCheckBox(tr("Active"), this);
    m_active->setChecked(true);

    // Names for tests and accessibility tools.
    m_account->setObjectName(QStringLiteral("account"));
    m_payment->setObjectName(QStringLiteral("payment"));
    m_deposit->setObjectName(QStringLiteral("deposit"));
    m_payee->setObjectName(QStringLiteral("payee"));
    m_amount->setObjectName(QStringLiteral("amount"));
    m_category->setObjectName(QStringLiteral("category"));
    m_memo->setObjectName(QStringLiteral("memo"));
    m_frequency->setObjectName(QStringLiteral("frequency"));
    m_startDate->setObjectName(QStringLiteral("startDate"));
    m_hasEndDate->setObjectName(QStringLiteral("hasEndDate"));
    m_endDate->setObjectName(QStringLiteral("endDate"));
    m_autoPost->setObjectName(QStringLiteral("autoPost"));
    m_leadDays->setObjectName(QStringLiteral("leadDays"));
    m_active->setObjectName(QStringLiteral("active"));

    auto *form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(tr("Account:"), m_account);
    form->addRow(tr("Type:"), typeRow);
    form->addRow(tr("Payee:"), m_payee);
    form->addRow(tr("Amount:"), m_amount);
    form->addRow(tr("Category:"), m_category);
    form->addRow(tr("Memo:"), m_memo);
    form->addRow(tr("Frequency:"), m_frequency);
    form->addRow(tr("Start Date:"), m_startDate);
    form->addRow(tr("End Date:"), endRow);
    form->addRow(QString(), m_autoPost);
    form->addRow(tr("Enter in advance:"), m_leadDays);
    form->addRow(QString(), m_active);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &RecurringFormDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    connect(m_account, &QComboBox::currentIndexChanged, this, [this] {
        applyAccountCurrency();
        if (!m_account->currentData().toString().isEmpty())
            reloadPayees();
    });
    loadAccounts();
    applyAccountCurrency();
    loadCategories();
    reloadPayees();
}

void RecurringFormDialog::loadAccounts()
{
    const QSignalBlocker blocker(m_account);
    const QList<Account> accounts = m_state->accountRepository()->findAll();
    for (const Account &account : accounts)
        m_account->addItem(account.name, account.id);
}

void RecurringFormDialog::applyAccountCurrency()
{
    Currency currency = Currency::USD;
    if (const std::optional<Account> account =
            m_state->accountRepository()->findById(m_account->currentData().toString()))
        currency = account->currency;
    m_currency = currency;
    // Decimals and symbol follow the account: a yen amount is whole yen.
    configureAmountSpinBox(m_amount, currency);
}

void RecurringFormDialog::accept()
{
    if (!AmountEntryGuard::of(m_amount)->check())
        return;
    QDialog::accept();
}

void RecurringFormDialog::loadCategories()
{
    m_category->addItem(tr("(none)"), QString());
    const QList<Category> categories = m_state->categoryRepository()->findAll();
    QHash<QString, QString> names;
    for (const Category &category : categories)
        names.insert(category.id, category.name);
    for (const Category &category : categories) {
        const auto parent = names.constFind(category.parentId);
        const QString shown = !category.parentId.isEmpty() && parent != names.constEnd()
                                  ? tr("%1 > %2").arg(*parent, category.name)
                                  : category.name;
        m_category->addItem(shown, category.id);
    }
    m_category->setCurrentIndex(0);
}

void RecurringFormDialog::reloadPayees()
{
    auto *model = static_cast<QStringListModel *>(m_payeeCompleter->model());
    model->setStringList(m_state->transactionRepository()->distinctPayees());
}

void RecurringFormDialog::loadTemplate(const RecurringTransaction &r)
{
    const int account = m_account->findData(r.accountId);
    if (account >= 0)
        m_account->setCurrentIndex(account);
    selectCategoryId(m_category, r.categoryId);
    (r.amount < 0 ? m_payment : m_deposit)->setChecked(true);
    m_payee->setText(r.payee);
    m_amount->setValue(amountToSpinValue(r.amount, m_currency));
    m_memo->setText(r.memo);
    const int frequency = m_frequency->findData(frequencyToString(r.frequency));
    if (frequency >= 0)
        m_frequency->setCurrentIndex(frequency);
    m_startDate->setDate(r.startDate);
    m_hasEndDate->setChecked(r.endDate.has_value());
    if (r.endDate)
        m_endDate->setDate(*r.endDate);
    m_autoPost->setChecked(r.autoPost);
    m_leadDays->setValue(r.leadDays);
    m_leadDays->setEnabled(r.autoPost);
    m_active->setChecked(r.isActive);
}

RecurringTransaction RecurringFormDialog::recurring() const
{
    RecurringTransaction r = m_original;
    const QDateTime now = Clock::now();
    if (!m_editMode) {
        r.id = newUuid();
        r.createdAt = now;
    }

    r.accountId = m_account->currentData().toString();
    r.payee = m_payee->text().trimmed();
    const qint64 magnitude = spinValueToAmount(m_amount->value(), m_currency);
    r.amount = m_payment->isChecked() ? -magnitude : magnitude;
    r.categoryId = categoryIdOf(m_category);
    r.memo = m_memo->text().trimmed();
    r.frequency = frequencyFromString(m_frequency->currentData().toString());

    const QDate startField = m_startDate->date();
    qInfo().noquote() << "RecurringFormDialog::recurring() — m_editMode=" << m_editMode
                      << "isCreateFromSeed=" << m_createFromSeed << "widget.date=" << dateToText(startField)
                      << "m_original.startDate=" << dateToText(m_original.startDate)
                      << "m_original.nextDueDate=" << dateToText(m_original.nextDueDate);

    r.endDate = m_hasEndDate->isChecked() ? std::optional<QDate>(m_endDate->date()) : std::nullopt;

    // An edit that leaves the start date alone keeps the schedule where it
    // is; a new start date restarts it there.
    if (!m_editMode || startField != m_original.startDate) {
        r.startDate = startField;
        r.nextDueDate = startField;
    }
    if (isBrokenDate(r.startDate)) {
        const QDate today = Clock::today();
        qWarning().noquote() << "RecurringFormDialog: rejecting invalid startDate" << dateToText(r.startDate)
                             << "— falling back to today";
        r.startDate = today;
    }
    if (isBrokenDate(r.nextDueDate)) {
        qWarning().noquote() << "RecurringFormDialog: rejecting invalid nextDueDate" << dateToText(r.nextDueDate)
                             << "— falling back to startDate" << dateToText(r.startDate);
        r.nextDueDate = r.startDate;
    }

    r.autoPost = m_autoPost->isChecked();
    r.leadDays = r.autoPost ? m_leadDays->value() : 0;
    r.isActive = m_active->isChecked();

    r.syncStatus = SyncStatus::Pending;
    r.updatedAt = now;
    if (m_editMode)
        r.version = m_original.version + 1;
    return r;
}
