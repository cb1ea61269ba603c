#include "data/clock.h"
#include "ui/accountformdialog.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QTest>

class tst_AccountFormDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void newAccount_data();
    void newAccount();
    void accountNumberKeepsFourCharacters();
    void editKeepsIdentityAndFillsFields();

private:
    static QLineEdit *edit(AccountFormDialog &dialog, const QString &placeholder)
    {
        for (QLineEdit *e : dialog.findChildren<QLineEdit *>()) {
            if (e->placeholderText() == placeholder)
                return e;
        }
        return nullptr;
    }
    static QComboBox *combo(AccountFormDialog &dialog, int index)
    {
        return dialog.findChildren<QComboBox *>().at(index);
    }
};

void tst_AccountFormDialog::newAccount_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("currency");
    QTest::addColumn<double>("balance");
    QTest::addColumn<qint64>("minorUnits");
    QTest::newRow("negativeCents") << "credit_card" << "USD" << -250.75 << qint64(-25075);
    QTest::newRow("roundsHalfAway") << "savings" << "EUR" << 0.125 << qint64(13);
    QTest::newRow("wholeYen") << "cash" << "JPY" << 1500.0 << qint64(1500);
    QTest::newRow("largest") << "checking" << "GBP" << 99999999.99 << qint64(9999999999);
}

void tst_AccountFormDialog::newAccount()
{
    QFETCH(QString, type);
    QFETCH(QString, currency);
    QFETCH(double, balance);
    QFETCH(qint64, minorUnits);

    Clock::setToday(QDate(2024, 3, 15));
    AccountFormDialog dialog;
    Clock::setToday(QDate());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("New Account"));
    edit(dialog, "Account name")->setText("  Rainy Day  ");
    combo(dialog, 0)->setCurrentIndex(combo(dialog, 0)->findData(type));
    combo(dialog, 1)->setCurrentIndex(combo(dialog, 1)->findData(currency));
    dialog.findChild<QDoubleSpinBox *>()->setValue(balance);
    edit(dialog, "Bank name (optional)")->setText(" Credit Union ");

    const Account account = dialog.account();
    QCOMPARE(account.name, QStringLiteral("Rainy Day"));
    QCOMPARE(accountTypeToString(account.type), type);
    QCOMPARE(currencyToString(account.currency), currency);
    QCOMPARE(account.startingBalance, minorUnits);
    QCOMPARE(account.institution, QStringLiteral("Credit Union"));
    QCOMPARE(account.id.size(), 36);
    QVERIFY(account.createdAt.isValid());
    QCOMPARE(account.syncStatus, SyncStatus::Pending);
    QCOMPARE(dialog.openingBalanceDate(), QDate(2024, 3, 15));
}

void tst_AccountFormDialog::accountNumberKeepsFourCharacters()
{
    AccountFormDialog dialog;
    QLineEdit *number = edit(dialog, "Last 4 digits (optional)");
    QTest::keyClicks(number, "12345");
    QCOMPARE(dialog.account().accountNumberLast4, QStringLiteral("1234"));
}

void tst_AccountFormDialog::editKeepsIdentityAndFillsFields()
{
    Account stored;
    stored.id = "fixed-id";
    stored.name = "House";
    stored.type = AccountType::Investment;
    stored.currency = Currency::JPY;
    stored.startingBalance = 250000;
    stored.sortOrder = 7;
    stored.version = 4;
    stored.syncStatus = SyncStatus::Synced;
    stored.createdAt = QDateTime(QDate(2020, 1, 1), QTime(0, 0), Qt::UTC);

    AccountFormDialog dialog(stored);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Edit Account"));
    QCOMPARE(edit(dialog, "Account name")->text(), QStringLiteral("House"));
    QCOMPARE(combo(dialog, 0)->currentData().toString(), QStringLiteral("investment"));
    QCOMPARE(dialog.findChild<QDoubleSpinBox *>()->value(), 250000.0);

    const Account result = dialog.account();
    QCOMPARE(result.id, QStringLiteral("fixed-id"));
    QCOMPARE(result.createdAt, stored.createdAt);
    QCOMPARE(result.startingBalance, qint64(250000));
    QCOMPARE(result.sortOrder, 7);
    QCOMPARE(result.version, 4);
    QCOMPARE(result.syncStatus, SyncStatus::Pending);
    QVERIFY(result.updatedAt > stored.createdAt);
}

QTEST_MAIN(tst_AccountFormDialog)
#include "tst_accountformdialog.moc"
