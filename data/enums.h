#pragma once

#include <QString>

// The closed vocabularies of the data model. Each enum reads from its stored
// text with a fixed fallback for unknown text, so a row written by a newer or
// foreign client never breaks loading.

enum class AccountType { Checking, Savings, CreditCard, Cash, Investment, Other };
enum class Currency { USD, EUR, GBP, CAD, AUD, JPY };
enum class CategoryType { Income, Expense, Transfer };
enum class Frequency { Daily, Weekly, Biweekly, Monthly, Quarterly, SemiAnnual, Annual };
enum class SyncStatus { Pending, Synced, Conflict };

QString accountTypeToString(AccountType type);
AccountType accountTypeFromString(const QString &text);          // unknown: Other
QString accountTypeDisplayName(AccountType type);

QString currencyToString(Currency currency);
Currency currencyFromString(const QString &text);                 // unknown: USD
QString currencySymbol(Currency currency);
QString currencyDisplayLabel(Currency currency);                  // "USD ($)"
int currencyDecimals(Currency currency);                          // 2, or 0 for JPY

QString categoryTypeToString(CategoryType type);                  // out of range: "expense"
CategoryType categoryTypeFromString(const QString &text);        // unknown: Expense
QString categoryTypeDisplayName(CategoryType type);

QString frequencyToString(Frequency frequency);
Frequency frequencyFromString(const QString &text);              // unknown: Monthly
QString frequencyDisplayName(Frequency frequency);

QString syncStatusToString(SyncStatus status);                    // out of range: "pending"
SyncStatus syncStatusFromString(const QString &text);            // unknown: Pending

// Every value of each enum in declaration order, for pickers and round-trip tests.
inline constexpr AccountType kAllAccountTypes[] = {AccountType::Checking, AccountType::Savings,
                                                   AccountType::CreditCard, AccountType::Cash,
                                                   AccountType::Investment, AccountType::Other};
inline constexpr Currency kAllCurrencies[] = {Currency::USD, Currency::EUR, Currency::GBP,
                                              Currency::CAD, Currency::AUD, Currency::JPY};
inline constexpr Frequency kAllFrequencies[] = {Frequency::Daily,     Frequency::Weekly,
                                                Frequency::Biweekly,  Frequency::Monthly,
                                                Frequency::Quarterly, Frequency::SemiAnnual,
                                                Frequency::Annual};
