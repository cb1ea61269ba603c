#include "data/enums.h"

#include <QCoreApplication>

namespace {

template <typename Enum, std::size_t N>
struct TextTable
{
    struct Entry
    {
        Enum value;
        const char *text;
    };
    Entry entries[N];

    const char *textOf(Enum value, const char *fallback) const
    {
        for (const Entry &e : entries) {
            if (e.value == value)
                return e.text;
        }
        return fallback;
    }

    Enum valueOf(const QString &text, Enum fallback) const
    {
        for (const Entry &e : entries) {
            if (text == QLatin1String(e.text))
                return e.value;
        }
        return fallback;
    }
};

constexpr TextTable<AccountType, 6> kAccountTypeTexts{{
    {AccountType::Checking, "checking"},
    {AccountType::Savings, "savings"},
    {AccountType::CreditCard, "credit_card"},
    {AccountType::Cash, "cash"},
    {AccountType::Investment, "investment"},
    {AccountType::Other, "other"},
}};

constexpr TextTable<Currency, 6> kCurrencyTexts{{
    {Currency::USD, "USD"},
    {Currency::EUR, "EUR"},
    {Currency::GBP, "GBP"},
    {Currency::CAD, "CAD"},
    {Currency::AUD, "AUD"},
    {Currency::JPY, "JPY"},
}};

constexpr TextTable<CategoryType, 3> kCategoryTypeTexts{{
    {CategoryType::Income, "income"},
    {CategoryType::Expense, "expense"},
    {CategoryType::Transfer, "transfer"},
}};

constexpr TextTable<Frequency, 7> kFrequencyTexts{{
    {Frequency::Daily, "daily"},
    {Frequency::Weekly, "weekly"},
    {Frequency::Biweekly, "biweekly"},
    {Frequency::Monthly, "monthly"},
    {Frequency::Quarterly, "quarterly"},
    {Frequency::SemiAnnual, "semi_annual"},
    {Frequency::Annual, "annual"},
}};

constexpr TextTable<SyncStatus, 3> kSyncStatusTexts{{
    {SyncStatus::Pending, "pending"},
    {SyncStatus::Synced, "synced"},
    {SyncStatus::Conflict, "conflict"},
}};

} // namespace

QString accountTypeToString(AccountType type)
{
    return QLatin1String(kAccountTypeTexts.textOf(type, "other"));
}

AccountType accountTypeFromString(const QString &text)
{
    return kAccountTypeTexts.valueOf(text, AccountType::Other);
}

QString accountTypeDisplayName(AccountType type)
{
    switch (type) {
    case AccountType::Checking: return QCoreApplication::translate("AccountType", "Checking");
    case AccountType::Savings: return QCoreApplication::translate("AccountType", "Savings");
    case AccountType::CreditCard: return QCoreApplication::translate("AccountType", "Credit Card");
    case AccountType::Cash: return QCoreApplication::translate("AccountType", "Cash");
    case AccountType::Investment: return QCoreApplication::translate("AccountType", "Investment");
    case AccountType::Other: break;
    }
    return QCoreApplication::translate("AccountType", "Other");
}

QString currencyToString(Currency currency)
{
    return QLatin1String(kCurrencyTexts.textOf(currency, "USD"));
}

Currency currencyFromString(const QString &text)
{
    return kCurrencyTexts.valueOf(text, Currency::USD);
}

QString currencySymbol(Currency currency)
{
    switch (currency) {
    case Currency::EUR: return QStringLiteral("€");
    case Currency::GBP: return QStringLiteral("£");
    case Currency::JPY: return QStringLiteral("¥");
    case Currency::USD:
    case Currency::CAD:
    case Currency::AUD: break;
    }
    return QStringLiteral("$");
}

QString currencyDisplayLabel(Currency currency)
{
    return QStringLiteral("%1 (%2)").arg(currencyToString(currency), currencySymbol(currency));
}

int currencyDecimals(Currency currency)
{
    return currency == Currency::JPY ? 0 : 2;
}

QString categoryTypeToString(CategoryType type)
{
    return QLatin1String(kCategoryTypeTexts.textOf(type, "expense"));
}

CategoryType categoryTypeFromString(const QString &text)
{
    return kCategoryTypeTexts.valueOf(text, CategoryType::Expense);
}

QString categoryTypeDisplayName(CategoryType type)
{
    switch (type) {
    case CategoryType::Income: return QCoreApplication::translate("CategoryType", "Income");
    case CategoryType::Transfer: return QCoreApplication::translate("CategoryType", "Transfer");
    case CategoryType::Expense: break;
    }
    return QCoreApplication::translate("CategoryType", "Expense");
}

QString frequencyToString(Frequency frequency)
{
    return QLatin1String(kFrequencyTexts.textOf(frequency, "monthly"));
}

Frequency frequencyFromString(const QString &text)
{
    return kFrequencyTexts.valueOf(text, Frequency::Monthly);
}

QString frequencyDisplayName(Frequency frequency)
{
    switch (frequency) {
    case Frequency::Daily: return QCoreApplication::translate("Frequency", "Daily");
    case Frequency::Weekly: return QCoreApplication::translate("Frequency", "Weekly");
    case Frequency::Biweekly: return QCoreApplication::translate("Frequency", "Bi-weekly");
    case Frequency::Quarterly: return QCoreApplication::translate("Frequency", "Quarterly");
    case Frequency::SemiAnnual: return QCoreApplication::translate("Frequency", "Semi-annual");
    case Frequency::Annual: return QCoreApplication::translate("Frequency", "Annual");
    case Frequency::Monthly: break;
    }
    return QCoreApplication::translate("Frequency", "Monthly");
}

QString syncStatusToString(SyncStatus status)
{
    return QLatin1String(kSyncStatusTexts.textOf(status, "pending"));
}

SyncStatus syncStatusFromString(const QString &text)
{
    return kSyncStatusTexts.valueOf(text, SyncStatus::Pending);
}
