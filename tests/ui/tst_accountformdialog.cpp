#include "data/clock.h"
#include "ui/accountformdialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
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
    void tabLeavesAsOfField_data();
    void tabLeavesAsOfField();

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

void tst_AccountFormDialog::tabLeavesAsOfField_data()
{
    QTest::addColumn<int>("section");
    QTest::addColumn<bool>("backwards");
    QTest::addColumn<QString>("expected");

    // Whatever date part the cursor is in, Tab and Shift+Tab go to the
    // neighbouring field instead of stepping through the date's parts.
    QTest::newRow("tabFromFirstPart") << 0 << false << "institution";
    QTest::newRow("tabFromLastPart") << -1 << false << "institution";
    QTest::newRow("backtabFromFirstPart") << 0 << true << "balance";
    QTest::newRow("backtabFromLastPart") << -1 << true << "balance";
}

void tst_AccountFormDialog::tabLeavesAsOfField()
{
    QFETCH(int, section);
    QFETCH(bool, backwards);
    QFETCH(QString, expected);

    AccountFormDialog dialog;
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto *asOf = dialog.findChild<QDateEdit *>();
    QVERIFY(asOf);
    QVERIFY(asOf->sectionCount() > 1);
    asOf->setFocus(Qt::TabFocusReason);
    asOf->setCurrentSectionIndex(section < 0 ? asOf->sectionCount() - 1 : section);
    QCOMPARE(QApplication::focusWidget(), asOf);

    QTest::keyClick(asOf, Qt::Key_Tab, backwards ? Qt::ShiftModifier : Qt::NoModifier);
    QWidget *target = expected == QLatin1String("institution")
                          ? static_cast<QWidget *>(edit(dialog, "Bank name (optional)"))
                          : static_cast<QWidget *>(dialog.findChild<QDoubleSpinBox *>());
    QCOMPARE(QApplication::focusWidget(), target);
}

QTEST_MAIN(tst_AccountFormDialog)
#include "tst_accountformdialog.moc"
