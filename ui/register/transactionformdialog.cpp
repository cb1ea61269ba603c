#include "ui/register/transactionformdialog.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/clock.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "ui/register/amountentryguard.h"
#include "ui/register/dateinput.h"
#include "ui/register/datefield.h"
#include "ui/register/dialogfields.h"
#include "ui/register/smartamountfield.h"
#include "ui/register/splitlineswidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHash>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QUuid>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QDate g_lastDialogDate;

Currency currencyOfAccount(AppState *appState, const QString &accountId)
{
    if (!appState || !appState->accountRepository())
        return Currency::USD;
    const std::optional<Account> account = appState->accountRepository()->findById(accountId);
    return account ? account->currency : Currency::USD;
}

} // namespace

TransactionFormDialog::TransactionFormDialog(AppState *appState, const QString &accountId, QWidget *parent)
    : QDialog(parent)
    , m_appState(appState)
    , m_accountId(accountId)
    , m_currency(currencyOfAccount(appState, accountId))
    , m_editMode(false)
{
    // The id is settled now so that the record and its split lines agree
    // however often the caller asks for them.
    m_base.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    m_base.accountId = accountId;
    setWindowTitle(tr("New Transaction"));
    buildForm();
    m_date->setDate(g_lastDialogDate.isValid() ? g_lastDialogDate : Clock::today());
    m_payment->setChecked(true);
}

TransactionFormDialog::TransactionFormDialog(AppState *appState, const Transaction &transaction,
                                             QWidget *parent)
    : QDialog(parent)
    , m_appState(appState)
    , m_accountId(transaction.accountId)
    , m_currency(currencyOfAccount(appState, transaction.accountId))
    , m_base(transaction)
    , m_editMode(true)
{
    setWindowTitle(tr("Edit Transaction"));
    buildForm();

    m_date->setDate(transaction.date);
    m_payee->setText(transaction.payee);
    m_amount->setValue(amountToSpinValue(transaction.amount, m_currency));
    m_memo->setText(transaction.memo);
    m_checkNumber->setText(transaction.checkNumber);
    m_cleared->setChecked(transaction.cleared);
    setDirection(transaction.amount);
    selectCategoryId(m_category, transaction.categoryId);

    if (transaction.isSplit && m_appState && m_appState->splitLineRepository()) {
        const QList<SplitLine> lines = m_appState->splitLineRepository()->findByTransaction(transaction.id);
        if (!lines.isEmpty()) {
            m_splitMode = true;
            m_splitLines->setLines(lines);
            applySplitMode();
        }
    }
}

void TransactionFormDialog::buildForm()
{
    setMinimumWidth(480);
    auto *outer = new QVBoxLayout(this);
    m_form = new QFormLayout;
    m_form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    outer->addLayout(m_form);

    auto *typeRow = new QHBoxLayout;
    m_payment = new QRadioButton(tr("Payment"), this);
    m_deposit = new QRadioButton(tr("Deposit"), this);
    m_payment->setChecked(true);
    typeRow->addWidget(m_payment);
    typeRow->addWidget(m_deposit);
    typeRow->addStretch();
    m_form->addRow(tr("Type:"), typeRow);

    m_date = new DateField(this);
    m_form->addRow(tr("Date:"), m_date);

    m_payee = new QLineEdit(this);
    m_payee->setPlaceholderText(tr("Start typing to search payees..."));
    const QStringList payees =
        m_appState && m_appState->transactionRepository() ? m_appState->transactionRepository()->distinctPayees()
                                                          : QStringList();
    auto *payeeCompleter = new QCompleter(payees, m_payee);
    payeeCompleter->setCaseSensitivity(Qt::CaseInsensitive);
    payeeCompleter->setFilterMode(Qt::MatchContains);
    payeeCompleter->setCompletionMode(QCompleter::PopupCompletion);
    payeeCompleter->setMaxVisibleItems(10);
    m_payee->setCompleter(payeeCompleter);
    connect(payeeCompleter, qOverload<const QString &>(&QCompleter::activated), this,
            &TransactionFormDialog::onPayeeSelected);
    m_form->addRow(tr("Payee:"), m_payee);

    m_amount = new SmartAmountField(this);
    configureAmountSpinBox(m_amount, m_currency);
    AmountEntryGuard::attach(m_amount);
    m_form->addRow(tr("Amount:"), m_amount);

    auto *categoryRow = new QHBoxLayout;
    m_category = new QComboBox(this);
    configureCategoryCombo(m_category);
    loadCategories();
    m_category->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_splitButton = new QPushButton(tr("Split..."), this);
    m_splitButton->setToolTip(tr("Split this transaction across multiple categories with their own amounts and memos."));
    m_singleButton = new QPushButton(tr("Use single category"), this);
    m_singleButton->setToolTip(tr("Drop the split and return to a single-category transaction."));
    m_singleButton->setVisible(false);
    // Clicking them must not steal the Enter key from the OK button.
    m_splitButton->setAutoDefault(false);
    m_singleButton->setAutoDefault(false);
    connect(m_splitButton, &QPushButton::clicked, this, &TransactionFormDialog::onEnterSplit);
    connect(m_singleButton, &QPushButton::clicked, this, &TransactionFormDialog::onClearSplit);
    categoryRow->addWidget(m_category, 1);
    categoryRow->addWidget(m_splitButton);
    categoryRow->addWidget(m_singleButton);
    m_form->addRow(tr("Category:"), categoryRow);

    m_splitLines = new SplitLinesWidget(m_appState, this);
    m_splitLines->setCurrency(m_currency);
    connect(m_splitLines, &SplitLinesWidget::changed, this, [this] {
        if (m_splitMode)
            m_amount->setValue(amountToSpinValue(m_splitLines->total(), m_currency));
    });
    m_form->addRow(m_splitLines);
    m_form->setRowVisible(m_splitLines, false);

    m_memo = new QLineEdit(this);
    m_memo->setPlaceholderText(tr("Optional"));
    m_form->addRow(tr("Memo:"), m_memo);

    m_checkNumber = new QLineEdit(this);
    m_checkNumber->setPlaceholderText(tr("Optional"));
    m_form->addRow(tr("Check #:"), m_checkNumber);

    m_cleared = new QCheckBox(tr("Cleared"), this);
    m_form->addRow(m_cleared);

    outer->addSpacing(12);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    outer->addWidget(buttons);

    m_payee->setFocus();
}

void TransactionFormDialog::loadCategories()
{
    m_category->addItem(tr("(none)"), QString(QLatin1String("")));
    if (!m_appState || !m_appState->categoryRepository())
        return;
    const QList<Category> categories = m_appState->categoryRepository()->findAll();
    QHash<QString, QString> names;
    for (const Category &category : categories)
        names.insert(category.id, category.name);
    for (const Category &category : categories) {
        const auto parent = names.constFind(category.parentId);
        const QString text = !category.parentId.isEmpty() && parent != names.constEnd()
                                 ? QStringLiteral("%1 > %2").arg(parent.value(), category.name)
                                 : category.name;
        m_category->addItem(text, category.id);
    }
    m_category->setCurrentIndex(0);
}

void TransactionFormDialog::setSeed(const Transaction &seed)
{
    if (seed.date.isValid())
        m_date->setDate(seed.date);
    if (!seed.payee.isEmpty())
        m_payee->setText(seed.payee);
    if (!seed.checkNumber.isEmpty())
        m_checkNumber->setText(seed.checkNumber);
    if (!seed.memo.isEmpty())
        m_memo->setText(seed.memo);
    if (seed.amount != 0) {
        m_amount->setValue(amountToSpinValue(seed.amount, m_currency));
        setDirection(seed.amount);
    }
    if (!seed.categoryId.isEmpty())
        selectCategoryId(m_category, seed.categoryId);
    if (m_splitMode)
        applySplitMode();
}

void TransactionFormDialog::accept()
{
    // In split mode the amount is the lines' sum; the lines are checked instead.
    if (m_splitMode ? !m_splitLines->checkAmounts() : !AmountEntryGuard::of(m_amount)->check())
        return;
    if (m_splitMode && !checkSplitCategories(this, m_splitLines))
        return;
    QDialog::accept();
}

void TransactionFormDialog::onPayeeSelected(const QString &payee)
{
    if (!m_appState || !m_appState->transactionRepository())
        return;
    const std::optional<Transaction> last = m_appState->transactionRepository()->findLastByPayee(payee, m_accountId);
    if (!last)
        return;
    m_amount->setValue(amountToSpinValue(last->amount, m_currency));
    setDirection(last->amount);
    m_memo->setText(last->memo);
    if (!last->categoryId.isEmpty())
        selectCategoryId(m_category, last->categoryId);
    // A split keeps its own amount and category display.
    if (m_splitMode)
        applySplitMode();
}

void TransactionFormDialog::onEnterSplit()
{
    m_splitMode = true;
    const qint64 amount = enteredAmount();
    if (amount > 0) {
        SplitLine line;
        line.categoryId = categoryIdOf(m_category);
        line.amount = amount;
        m_splitLines->setLines({line});
    } else {
        m_splitLines->setLines({});
    }
    applySplitMode();
}

void TransactionFormDialog::onClearSplit()
{
    m_splitMode = false;
    applySplitMode();
}

void TransactionFormDialog::applySplitMode()
{
    m_category->setEnabled(!m_splitMode);
    if (m_splitMode) {
        m_category->setEditText(tr("—Split—"));
    } else {
        const int current = m_category->currentIndex();
        m_category->setEditText(current >= 0 ? m_category->itemText(current) : QString());
    }
    m_splitButton->setVisible(!m_splitMode);
    m_singleButton->setVisible(m_splitMode);
    m_form->setRowVisible(m_splitLines, m_splitMode);
    if (m_splitMode) {
        m_amount->setValue(amountToSpinValue(m_splitLines->total(), m_currency));
        m_amount->setEnabled(false);
        resize(std::max(width(), 640), std::max(height(), 540));
    } else {
        m_amount->setEnabled(true);
    }
}

void TransactionFormDialog::setDirection(qint64 amount)
{
    if (amount < 0)
        m_payment->setChecked(true);
    else
        m_deposit->setChecked(true);
}

qint64 TransactionFormDialog::enteredAmount() const
{
    return spinValueToAmount(m_amount->value(), m_currency);
}

Transaction TransactionFormDialog::transaction() const
{
    const QDateTime now = Clock::now();
    Transaction t = m_base;
    if (!m_editMode) {
        t.accountId = m_accountId;
        t.createdAt = now;
    } else {
        // A local edit must outrank the copy the sync service already has.
        t.version = m_base.version + 1;
    }
    t.date = parseDateText(m_date->text(), m_date->date());
    t.payee = m_payee->text().trimmed();

    const QList<SplitLine> lines = splitLines();
    const qint64 magnitude = m_splitMode ? m_splitLines->total() : enteredAmount();
    t.amount = m_payment->isChecked() ? -magnitude : magnitude;
    // A split whose every line is zero has nothing to split: it is stored as
    // a plain transaction without a category.
    t.isSplit = m_splitMode && !lines.isEmpty();
    t.categoryId = m_splitMode ? QString() : categoryIdOf(m_category);
    t.memo = m_memo->text().trimmed();
    t.checkNumber = m_checkNumber->text().trimmed();
    t.cleared = m_cleared->isChecked();
    t.updatedAt = now;
    t.syncStatus = SyncStatus::Pending;
    g_lastDialogDate = t.date;
    return t;
}

QList<SplitLine> TransactionFormDialog::splitLines() const
{
    if (!m_splitMode)
        return {};
    return m_splitLines->lines(m_payment->isChecked() ? -1 : 1);
}

QDate TransactionFormDialog::lastDialogDate()
{
    return g_lastDialogDate;
}

void TransactionFormDialog::setLastDialogDate(const QDate &date)
{
    g_lastDialogDate = date;
}
