#include "data/enums.h"

#include <QTest>

class tst_Enums : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fallbacks_data();
    void fallbacks();
    void storedTextsRoundTrip();
    void outOfRangeValuesWriteTheirDefault();
    void currencyTable();
    void displayNames();
};

// Each row reads one stored text through the matching reader and compares the
// stored text it maps back to, which shows both the value and the fallback.
void tst_Enums::fallbacks_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("expected");

    QTest::newRow("accountTypeCapitalised") << "account" << "Checking" << "other";
    QTest::newRow("accountTypeUnknown") << "account" << "brokerage" << "other";
    QTest::newRow("accountTypeCreditCard") << "account" << "credit_card" << "credit_card";
    QTest::newRow("currencyLowerCase") << "currency" << "usd" << "USD";
    QTest::newRow("currencyUnknown") << "currency" << "CHF" << "USD";
    QTest::newRow("currencyYen") << "currency" << "JPY" << "JPY";
    QTest::newRow("syncStatusEmpty") << "sync" << "" << "pending";
    QTest::newRow("syncStatusConflict") << "sync" << "conflict" << "conflict";
    QTest::newRow("categoryTypeUnknown") << "category" << "asset" << "expense";
    QTest::newRow("categoryTypeTransfer") << "category" << "transfer" << "transfer";
    QTest::newRow("frequencyUnknown") << "frequency" << "fortnightly" << "monthly";
    QTest::newRow("frequencySemiAnnual") << "frequency" << "semi_annual" << "semi_annual";
}

void tst_Enums::fallbacks()
{
    QFETCH(QString, kind);
    QFETCH(QString, stored);
    QFETCH(QString, expected);

    QString actual;
    if (kind == "account")
        actual = accountTypeToString(accountTypeFromString(stored));
    else if (kind == "currency")
        actual = currencyToString(currencyFromString(stored));
    else if (kind == "sync")
        actual = syncStatusToString(syncStatusFromString(stored));
    else if (kind == "category")
        actual = categoryTypeToString(categoryTypeFromString(stored));
    else if (kind == "frequency")
        actual = frequencyToString(frequencyFromString(stored));
    QCOMPARE(actual, expected);
}

void tst_Enums::storedTextsRoundTrip()
{
    const QStringList accountTexts{"checking", "savings", "credit_card", "cash", "investment", "other"};
    int i = 0;
    for (AccountType type : kAllAccountTypes)
        QCOMPARE(accountTypeToString(type), accountTexts.at(i++));

    const QStringList frequencyTexts{"daily",     "weekly",      "biweekly", "monthly",
                                     "quarterly", "semi_annual", "annual"};
    i = 0;
    for (Frequency f : kAllFrequencies) {
        QCOMPARE(frequencyToString(f), frequencyTexts.at(i++));
        QCOMPARE(frequencyFromString(frequencyToString(f)), f);
    }
    for (SyncStatus s : {SyncStatus::Pending, SyncStatus::Synced, SyncStatus::Conflict})
        QCOMPARE(syncStatusFromString(syncStatusToString(s)), s);
}

void tst_Enums::outOfRangeValuesWriteTheirDefault()
{
    QCOMPARE(syncStatusToString(static_cast<SyncStatus>(42)), QStringLiteral("pending"));
    QCOMPARE(categoryTypeToString(static_cast<CategoryType>(42)), QStringLiteral("expense"));
}

void tst_Enums::currencyTable()
{
    const QStringList labels{"USD ($)", "EUR (€)", "GBP (£)", "CAD ($)", "AUD ($)", "JPY (¥)"};
    int i = 0;
    for (Currency c : kAllCurrencies) {
        QCOMPARE(currencyDisplayLabel(c), labels.at(i++));
        QCOMPARE(currencyDecimals(c), c == Currency::JPY ? 0 : 2);
    }
}

void tst_Enums::displayNames()
{
    QCOMPARE(accountTypeDisplayName(AccountType::CreditCard), QStringLiteral("Credit Card"));
    QCOMPARE(frequencyDisplayName(Frequency::Biweekly), QStringLiteral("Bi-weekly"));
    QCOMPARE(frequencyDisplayName(Frequency::SemiAnnual), QStringLiteral("Semi-annual"));
    QCOMPARE(categoryTypeDisplayName(CategoryType::Income), QStringLiteral("Income"));
}

QTEST_GUILESS_MAIN(tst_Enums)
#include "tst_enums.moc"
