#include "app/appstate.h"
#include "common/testappstate.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/clock.h"
#include "ui/accountformdialog.h"
#include "ui/register/datefield.h"
#include "ui/register/transactionformdialog.h"
#include "ui/screens/recurringformdialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

class tst_RecurringFormDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void titles_data();
    void titles();
    void newFormDefaults();
    void loadsTheTemplate();
    void startDateRuleInEditMode_data();
    void startDateRuleInEditMode();
    void brokenDatesAreRepaired();
    void leadDaysFollowAutoPost_data();
    void leadDaysFollowAutoPost();
    void amountInCents_data();
    void amountInCents();
    void identityPerPurpose();
    void categoryChoices();
    void amountInTheAccountCurrency();
    void unreadableAmountRefusesOk_data();
    void unreadableAmountRefusesOk();
    void oneDateFormatForAllForms();

private:
    RecurringTransaction sample() const;
    template<typename T>
    static T *field(const RecurringFormDialog &dialog, const char *name)
    {
        return dialog.findChild<T *>(QLatin1String(name));
    }

    std::unique_ptr<TestAppState> m_state;
    const QDate m_today{2025, 6, 15};
};

void tst_RecurringFormDialog::initTestCase()
{
    TestAppState::redirectSettings();
    QCoreApplication::setOrganizationName("Orlindo");
    QCoreApplication::setApplicationName("QuillbyTest");
}

void tst_RecurringFormDialog::init()
{
    Clock::setToday(m_today);
    m_state = std::make_unique<TestAppState>();
    QVERIFY(m_state->initialize());
    const QList<std::pair<QString, QString>> accounts{{"acc-1", "Checking"}, {"acc-2", "Savings"}};
    int order = 0;
    for (const auto &[id, name] : accounts) {
        Account account;
        account.id = id;
        account.name = name;
        account.sortOrder = order++;
        account.createdAt = account.updatedAt = QDateTime::currentDateTimeUtc();
        QVERIFY(m_state->accountRepository()->insert(account));
    }
}

void tst_RecurringFormDialog::cleanup()
{
    m_state.reset();
    Clock::setToday(QDate());
}

RecurringTransaction tst_RecurringFormDialog::sample() const
{
    RecurringTransaction r;
    r.id = "r-1";
    r.accountId = "acc-2";
    r.payee = "Insurance";
    r.memo = "policy 42";
    r.amount = 123456;
    r.frequency = Frequency::SemiAnnual;
    r.startDate = QDate(2025, 1, 10);
    r.nextDueDate = QDate(2025, 7, 10);
    r.endDate = QDate(2027, 1, 10);
    r.autoPost = true;
    r.leadDays = 5;
    r.isActive = false;
    r.version = 4;
    r.transferDestAccountId = "acc-1";
    r.syncStatus = SyncStatus::Synced;
    r.createdAt = QDateTime(QDate(2025, 1, 1), QTime(9, 0), Qt::UTC);
    r.updatedAt = r.createdAt;
    return r;
}

void tst_RecurringFormDialog::titles_data()
{
    QTest::addColumn<int>("purpose");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("editMode");
    QTest::addColumn<bool>("fromSeed");

    QTest::newRow("new") << -1 << "New Recurring Transaction" << false << false;
    QTest::newRow("edit") << int(RecurringFormDialog::Purpose::Edit) << "Edit Recurring Transaction" << true << false;
    QTest::newRow("memorize") << int(RecurringFormDialog::Purpose::Memorize) << "Memorize Transaction" << false
                              << true;
}

void tst_RecurringFormDialog::titles()
{
    QFETCH(int, purpose);
    QFETCH(QString, title);
    QFETCH(bool, editMode);
    QFETCH(bool, fromSeed);

    std::unique_ptr<RecurringFormDialog> dialog =
        purpose < 0 ? std::make_unique<RecurringFormDialog>(m_state.get())
                    : std::make_unique<RecurringFormDialog>(m_state.get(), sample(),
                                                            RecurringFormDialog::Purpose(purpose));
    QCOMPARE(dialog->windowTitle(), title);
    QCOMPARE(dialog->isEditMode(), editMode);
    QCOMPARE(dialog->isCreateFromSeed(), fromSeed);
    QVERIFY(dialog->minimumWidth() >= 480);
}

void tst_RecurringFormDialog::newFormDefaults()
{
    RecurringFormDialog dialog(m_state.get());
    QCOMPARE(field<QComboBox>(dialog, "account")->currentText(), QString("Checking"));
    QCOMPARE(field<QComboBox>(dialog, "account")->count(), 2);
    QVERIFY(field<QRadioButton>(dialog, "payment")->isChecked());
    QCOMPARE(field<QComboBox>(dialog, "frequency")->currentText(), QString("Monthly"));
    QCOMPARE(field<QComboBox>(dialog, "frequency")->count(), 7);
    QCOMPARE(field<DateField>(dialog, "startDate")->date(), m_today);
    QVERIFY(!field<QCheckBox>(dialog, "hasEndDate")->isChecked());
    QVERIFY(!field<DateField>(dialog, "endDate")->isEnabled());
    QVERIFY(!field<QCheckBox>(dialog, "autoPost")->isChecked());
    QVERIFY(!field<QSpinBox>(dialog, "leadDays")->isEnabled());
    QVERIFY(field<QCheckBox>(dialog, "active")->isChecked());
    QCOMPARE(field<QComboBox>(dialog, "category")->currentText(), QString("(none)"));
    QCOMPARE(field<QLineEdit>(dialog, "payee")->placeholderText(), QString("Start typing to search payees..."));
    QCOMPARE(field<QDoubleSpinBox>(dialog, "amount")->prefix(), QString("$ "));

    // Nothing blocks acceptance: an empty payee and a zero amount are kept.
    const RecurringTransaction r = dialog.recurring();
    QCOMPARE(r.accountId, QString("acc-1"));
    QCOMPARE(r.payee, QString());
    QCOMPARE(r.amount, qint64(0));
    QCOMPARE(r.startDate, m_today);
    QCOMPARE(r.nextDueDate, m_today);
    QVERIFY(!r.endDate);
    QVERIFY(r.isActive);

    // The end date toggles its field and is stored only while it is on.
    field<QCheckBox>(dialog, "hasEndDate")->setChecked(true);
    QVERIFY(field<DateField>(dialog, "endDate")->isEnabled());
    field<DateField>(dialog, "endDate")->setDate(QDate(2026, 1, 1));
    const std::optional<QDate> endDate = dialog.recurring().endDate;
    QVERIFY(endDate);
    QCOMPARE(*endDate, QDate(2026, 1, 1));
}

void tst_RecurringFormDialog::loadsTheTemplate()
{
    RecurringFormDialog dialog(m_state.get(), sample(), RecurringFormDialog::Purpose::Edit);
    QCOMPARE(field<QComboBox>(dialog, "account")->currentText(), QString("Savings"));
    QVERIFY(field<QRadioButton>(dialog, "deposit")->isChecked());
    QCOMPARE(field<QLineEdit>(dialog, "payee")->text(), QString("Insurance"));
    QCOMPARE(field<QDoubleSpinBox>(dialog, "amount")->value(), 1234.56);
    QCOMPARE(field<QLineEdit>(dialog, "memo")->text(), QString("policy 42"));
    QCOMPARE(field<QComboBox>(dialog, "frequency")->currentText(), QString("Semi-annual"));
    QCOMPARE(field<DateField>(dialog, "startDate")->date(), QDate(2025, 1, 10));
    QVERIFY(field<QCheckBox>(dialog, "hasEndDate")->isChecked());
    QCOMPARE(field<DateField>(dialog, "endDate")->date(), QDate(2027, 1, 10));
    QVERIFY(field<QCheckBox>(dialog, "autoPost")->isChecked());
    QVERIFY(field<QSpinBox>(dialog, "leadDays")->isEnabled());
    QCOMPARE(field<QSpinBox>(dialog, "leadDays")->value(), 5);
    QVERIFY(!field<QCheckBox>(dialog, "active")->isChecked());

    // Unchanged widgets give back the template, with the edit's bookkeeping.
    const RecurringTransaction r = dialog.recurring();
    QCOMPARE(r.id, QString("r-1"));
    QCOMPARE(r.amount, qint64(123456));
    QCOMPARE(r.frequency, Frequency::SemiAnnual);
    QCOMPARE(r.transferDestAccountId, QString("acc-1"));
    QCOMPARE(r.version, 5);
    QCOMPARE(r.syncStatus, SyncStatus::Pending);
    QVERIFY(r.updatedAt > sample().updatedAt);
    QCOMPARE(r.createdAt, sample().createdAt);

    // An account that no longer exists leaves the selection alone.
    RecurringTransaction orphan = sample();
    orphan.accountId = "acc-gone";
    RecurringFormDialog orphanDialog(m_state.get(), orphan, RecurringFormDialog::Purpose::Edit);
    QCOMPARE(field<QComboBox>(orphanDialog, "account")->currentText(), QString("Checking"));
}

void tst_RecurringFormDialog::startDateRuleInEditMode_data()
{
    QTest::addColumn<QDate>("newStart");
    QTest::addColumn<QDate>("expectedStart");
    QTest::addColumn<QDate>("expectedNext");

    QTest::newRow("untouchedKeepsTheSchedule") << QDate(2025, 1, 10) << QDate(2025, 1, 10) << QDate(2025, 7, 10);
    QTest::newRow("changedRestartsThere") << QDate(2025, 8, 1) << QDate(2025, 8, 1) << QDate(2025, 8, 1);
    QTest::newRow("movedEarlier") << QDate(2024, 12, 1) << QDate(2024, 12, 1) << QDate(2024, 12, 1);
}

void tst_RecurringFormDialog::startDateRuleInEditMode()
{
    QFETCH(QDate, newStart);
    QFETCH(QDate, expectedStart);
    QFETCH(QDate, expectedNext);

    RecurringFormDialog dialog(m_state.get(), sample(), RecurringFormDialog::Purpose::Edit);
    field<DateField>(dialog, "startDate")->setDate(newStart);
    QTest::ignoreMessage(QtInfoMsg, QRegularExpression("^RecurringFormDialog::recurring\\(\\) — m_editMode= true "
                                                       "isCreateFromSeed= false widget.date= "));
    const RecurringTransaction r = dialog.recurring();
    QCOMPARE(r.startDate, expectedStart);
    QCOMPARE(r.nextDueDate, expectedNext);
}

void tst_RecurringFormDialog::brokenDatesAreRepaired()
{
    // A start date before 2000 falls back to today, and the due date with it.
    RecurringFormDialog dialog(m_state.get(), sample(), RecurringFormDialog::Purpose::Edit);
    field<DateField>(dialog, "startDate")->setDate(QDate(1999, 12, 31));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^RecurringFormDialog: rejecting invalid startDate "
                                                          "1999-12-31 — falling back to today$"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^RecurringFormDialog: rejecting invalid nextDueDate "
                                                          "1999-12-31 — falling back to startDate 2025-06-15$"));
    RecurringTransaction r = dialog.recurring();
    QCOMPARE(r.startDate, m_today);
    QCOMPARE(r.nextDueDate, m_today);

    // A stored template with a broken due date, start date untouched: the
    // due date is repaired to the start date.
    RecurringTransaction broken = sample();
    broken.nextDueDate = QDate(1999, 1, 1);
    RecurringFormDialog brokenDialog(m_state.get(), broken, RecurringFormDialog::Purpose::Edit);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^RecurringFormDialog: rejecting invalid nextDueDate "
                                                          "1999-01-01 — falling back to startDate 2025-01-10$"));
    r = brokenDialog.recurring();
    QCOMPARE(r.startDate, QDate(2025, 1, 10));
    QCOMPARE(r.nextDueDate, QDate(2025, 1, 10));
}

void tst_RecurringFormDialog::leadDaysFollowAutoPost_data()
{
    QTest::addColumn<bool>("autoPost");
    QTest::addColumn<int>("expectedLeadDays");

    QTest::newRow("autoPostOffResetsToZero") << false << 0;
    QTest::newRow("autoPostOnKeepsThem") << true << 5;
}

void tst_RecurringFormDialog::leadDaysFollowAutoPost()
{
    QFETCH(bool, autoPost);
    QFETCH(int, expectedLeadDays);

    RecurringTransaction r = sample();
    r.autoPost = autoPost;
    RecurringFormDialog dialog(m_state.get(), r, RecurringFormDialog::Purpose::Edit);
    QCOMPARE(field<QSpinBox>(dialog, "leadDays")->value(), 5);
    QCOMPARE(field<QSpinBox>(dialog, "leadDays")->isEnabled(), autoPost);
    QCOMPARE(dialog.recurring().leadDays, expectedLeadDays);

    // Turning auto-post off in the form drops them too.
    field<QCheckBox>(dialog, "autoPost")->setChecked(false);
    QVERIFY(!field<QSpinBox>(dialog, "leadDays")->isEnabled());
    QCOMPARE(dialog.recurring().leadDays, 0);
}

void tst_RecurringFormDialog::amountInCents_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("payment");
    QTest::addColumn<qint64>("expected");

    QTest::newRow("paymentNegated") << 12.5 << true << qint64(-1250);
    QTest::newRow("depositPositive") << 12.5 << false << qint64(1250);
    QTest::newRow("binaryFractionRounds") << 0.29 << false << qint64(29);
    QTest::newRow("largest") << 99999999.99 << true << qint64(-9999999999);
    QTest::newRow("zero") << 0.0 << true << qint64(0);
}

void tst_RecurringFormDialog::amountInCents()
{
    QFETCH(double, value);
    QFETCH(bool, payment);
    QFETCH(qint64, expected);

    RecurringFormDialog dialog(m_state.get());
    field<QDoubleSpinBox>(dialog, "amount")->setValue(value);
    (payment ? field<QRadioButton>(dialog, "payment") : field<QRadioButton>(dialog, "deposit"))->setChecked(true);
    QCOMPARE(dialog.recurring().amount, expected);
}

void tst_RecurringFormDialog::identityPerPurpose()
{
    RecurringFormDialog seedDialog(m_state.get(), sample(), RecurringFormDialog::Purpose::Memorize);
    const RecurringTransaction seeded = seedDialog.recurring();
    QVERIFY(seeded.id != "r-1");
    QCOMPARE(seeded.id.size(), 36);
    QCOMPARE(seeded.id, seeded.id.toLower());
    QVERIFY(seeded.createdAt > sample().createdAt);
    QCOMPARE(seeded.transferDestAccountId, QString("acc-1"));
    // A memorized template is first due on its start date.
    QCOMPARE(seeded.nextDueDate, QDate(2025, 1, 10));
    QCOMPARE(seeded.version, 4);

    RecurringFormDialog newDialog(m_state.get());
    QVERIFY(newDialog.recurring().id != newDialog.recurring().id);
}

void tst_RecurringFormDialog::categoryChoices()
{
    Category parent;
    parent.id = "cat-p";
    parent.name = "Zoo";
    parent.createdAt = parent.updatedAt = QDateTime::currentDateTimeUtc();
    QVERIFY(m_state->categoryRepository()->insert(parent));
    Category child = parent;
    child.id = "cat-c";
    child.name = "Zebra Food";
    child.parentId = "cat-p";
    QVERIFY(m_state->categoryRepository()->insert(child));

    RecurringTransaction r = sample();
    r.categoryId = "cat-c";
    RecurringFormDialog dialog(m_state.get(), r, RecurringFormDialog::Purpose::Edit);
    auto *combo = field<QComboBox>(dialog, "category");
    QCOMPARE(combo->itemText(0), QString("(none)"));
    QCOMPARE(combo->currentText(), QString("Zoo > Zebra Food"));
    QVERIFY(combo->findText("Zoo") > 0);
    QCOMPARE(dialog.recurring().categoryId, QString("cat-c"));

    combo->setCurrentIndex(0);
    QCOMPARE(dialog.recurring().categoryId, QString());
}

void tst_RecurringFormDialog::amountInTheAccountCurrency()
{
    Account yen;
    yen.id = "acc-yen";
    yen.name = "Tokyo";
    yen.currency = Currency::JPY;
    yen.sortOrder = 2;
    yen.createdAt = yen.updatedAt = QDateTime::currentDateTimeUtc();
    QVERIFY(m_state->accountRepository()->insert(yen));

    RecurringFormDialog dialog(m_state.get());
    auto *amount = field<QDoubleSpinBox>(dialog, "amount");
    QCOMPARE(amount->prefix(), QString("$ "));
    auto *account = field<QComboBox>(dialog, "account");
    account->setCurrentIndex(account->findData("acc-yen"));
    QCOMPARE(dialog.currency(), Currency::JPY);
    QCOMPARE(amount->prefix(), QString("¥ "));
    QCOMPARE(amount->decimals(), 0);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    amount->setFocus();
    amount->selectAll();
    QTest::keyClicks(amount, "500");
    // Five hundred yen, not fifty thousand.
    QCOMPARE(dialog.recurring().amount, qint64(-500));

    RecurringTransaction stored = sample();
    stored.accountId = "acc-yen";
    stored.amount = -500;
    RecurringFormDialog edit(m_state.get(), stored, RecurringFormDialog::Purpose::Edit);
    QCOMPARE(field<QDoubleSpinBox>(edit, "amount")->value(), 500.0);
    QCOMPARE(edit.recurring().amount, qint64(-500));
    RecurringFormDialog memorize(m_state.get(), stored, RecurringFormDialog::Purpose::Memorize);
    QCOMPARE(memorize.recurring().amount, qint64(-500));
}

void tst_RecurringFormDialog::unreadableAmountRefusesOk_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    const QString onlyDigits("Only digits and one decimal point can be typed here, up to 99,999,999.99.");
    QTest::newRow("letters") << "abc" << onlyDigits;
    QTest::newRow("twentyDigits") << "99999999999999999999" << onlyDigits;
    QTest::newRow("digitsThenLetter") << "12x" << onlyDigits;
    QTest::newRow("cleared") << "" << "Enter an amount (0 for none).";
    QTest::newRow("signAlone") << "-" << "\"-\" is not an amount.";
}

void tst_RecurringFormDialog::unreadableAmountRefusesOk()
{
    QFETCH(QString, typed);
    QFETCH(QString, message);
    RecurringFormDialog dialog(m_state.get());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *amount = field<QDoubleSpinBox>(dialog, "amount");
    amount->setFocus();
    amount->selectAll();
    if (typed.isEmpty())
        QTest::keyClick(amount, Qt::Key_Delete);
    else
        QTest::keyClicks(amount, typed);

    QTest::keyClick(amount, Qt::Key_Return);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(QApplication::focusWidget(), amount);
    QCOMPARE(amount->toolTip(), message);
    QVERIFY(amount->styleSheet().contains("#C62828"));
    // Pressed again without a change, OK is still refused.
    QTest::keyClick(amount, Qt::Key_Return);
    QVERIFY(dialog.isVisible());

    amount->selectAll();
    QTest::keyClicks(amount, "12");
    QCOMPARE(amount->toolTip(), QString());
    QCOMPARE(amount->styleSheet(), QString());
    QTest::keyClick(amount, Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.recurring().amount, qint64(-1200));
}

void tst_RecurringFormDialog::oneDateFormatForAllForms()
{
    // The forms read and show dates alike whatever the locale says.
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QDate date(2025, 3, 5);

    RecurringFormDialog recurring(m_state.get());
    auto *start = field<DateField>(recurring, "startDate");
    start->setDate(date);
    AccountFormDialog account;
    auto *asOf = account.findChild<QDateEdit *>();
    QVERIFY(asOf);
    asOf->setDate(date);
    TransactionFormDialog transaction(m_state.get(), QStringLiteral("acc-1"));
    transaction.dateField()->setDate(date);
    QLocale::setDefault(before);

    QCOMPARE(start->text(), QString("3/5/2025"));
    QCOMPARE(asOf->text(), start->text());
    QCOMPARE(transaction.dateField()->text(), start->text());
}

QTEST_MAIN(tst_RecurringFormDialog)
#include "tst_recurringformdialog.moc"
