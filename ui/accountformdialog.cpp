#include "ui/accountformdialog.h"

#include "data/clock.h"
#include "data/timestamps.h"
#include "data/uuids.h"
#include "ui/register/dateinput.h"
#include "ui/thememanager.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QVBoxLayout>

#include <cmath>

AccountFormDialog::AccountFormDialog(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("New Account"));
    buildForm();
}

AccountFormDialog::AccountFormDialog(const Account &account, QWidget *parent)
    : QDialog(parent)
    , m_base(account)
    , m_editMode(true)
{
    setWindowTitle(tr("Edit Account"));
    buildForm();

    m_name->setText(account.name);
    m_type->setCurrentIndex(m_type->findData(accountTypeToString(account.type)));
    m_currency->setCurrentIndex(m_currency->findData(currencyToString(account.currency)));
    updateBalanceFormat();
    const int decimals = currencyDecimals(account.currency);
    m_startingBalance->setValue(double(account.startingBalance) / std::pow(10.0, decimals));
    m_institution->setText(account.institution);
    m_accountNumber->setText(account.accountNumberLast4);
}

void AccountFormDialog::buildForm()
{
    setMinimumWidth(400);

    m_name = new QLineEdit(this);
    m_name->setPlaceholderText(tr("Account name"));

    m_type = new QComboBox(this);
    for (AccountType type : kAllAccountTypes)
        m_type->addItem(accountTypeDisplayName(type), accountTypeToString(type));

    m_currency = new QComboBox(this);
    for (Currency currency : kAllCurrencies)
        m_currency->addItem(currencyDisplayLabel(currency), currencyToString(currency));

    m_startingBalance = new QDoubleSpinBox(this);
    m_startingBalance->setRange(-99999999.99, 99999999.99);
    m_startingBalance->setDecimals(2);
    m_startingBalance->setPrefix(QStringLiteral("$ "));
    m_startingBalance->setValue(0);

    m_asOf = new QDateEdit(Clock::today(), this);
    // The one date format of every form and the register.
    m_asOf->setDisplayFormat(QString::fromLatin1(kDateFormat));
    m_asOf->setCalendarPopup(true);
    auto *calendar = new QCalendarWidget(m_asOf);
    calendar->setLocale(QLocale());
    calendar->setFirstDayOfWeek(firstDayOfWeek());
    m_asOf->setCalendarWidget(calendar);
    // A date edit steps through its day, month and year with Tab; in a form
    // Tab has to move on to the next field like everywhere else.
    m_asOf->installEventFilter(this);

    m_institution = new QLineEdit(this);
    m_institution->setPlaceholderText(tr("Bank name (optional)"));

    m_accountNumber = new QLineEdit(this);
    m_accountNumber->setMaxLength(4);
    m_accountNumber->setPlaceholderText(tr("Last 4 digits (optional)"));

    auto *form = new QFormLayout;
    form->addRow(tr("&Name:"), m_name);
    form->addRow(tr("&Type:"), m_type);
    form->addRow(tr("&Currency:"), m_currency);
    form->addRow(tr("Starting &Balance:"), m_startingBalance);
    form->addRow(tr("&As of:"), m_asOf);
    form->addRow(tr("&Institution:"), m_institution);
    form->addRow(tr("Account &Number:"), m_accountNumber);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    // A yen account has no minor unit: its balance is entered in whole yen
    // and shown with its own symbol, so 1500 means ¥1,500.
    connect(m_currency, &QComboBox::currentIndexChanged, this, &AccountFormDialog::updateBalanceFormat);

    m_name->setFocus();
}

bool AccountFormDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_asOf && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool plain = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        if (plain && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)) {
            const bool backwards = key->key() == Qt::Key_Backtab || key->modifiers().testFlag(Qt::ShiftModifier);
            focusNextPrevChild(!backwards);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

Currency AccountFormDialog::selectedCurrency() const
{
    return currencyFromString(m_currency->currentData().toString());
}

void AccountFormDialog::updateBalanceFormat()
{
    const Currency currency = selectedCurrency();
    m_startingBalance->setDecimals(currencyDecimals(currency));
    m_startingBalance->setPrefix(currencySymbol(currency) + QLatin1Char(' '));
}

Account AccountFormDialog::account() const
{
    Account result = m_base;
    const QDateTime now = timestampFromText(nowTimestamp());
    if (!m_editMode) {
        result.id = newUuid();
        result.createdAt = now;
    }
    result.name = m_name->text().trimmed();
    result.type = accountTypeFromString(m_type->currentData().toString());
    result.currency = selectedCurrency();
    const double scale = std::pow(10.0, currencyDecimals(result.currency));
    result.startingBalance = qint64(std::round(m_startingBalance->value() * scale));
    result.institution = m_institution->text().trimmed();
    result.accountNumberLast4 = m_accountNumber->text().trimmed();
    result.updatedAt = now;
    result.syncStatus = SyncStatus::Pending;
    return result;
}

QDate AccountFormDialog::openingBalanceDate() const
{
    return m_asOf->date();
}
