#include "app/appstate.h"
#include "common/testappstate.h"
#include "ui/messagebox.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/clock.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "data/uuids.h"
#include "ui/register/datefield.h"
#include "ui/register/smartamountfield.h"
#include "ui/register/splitlineswidget.h"
#include "ui/register/transactionformdialog.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QCompleter>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class tst_TransactionFormDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void newModeStartsBlank();
    void directionAndAmount_data();
    void directionAndAmount();
    void newThenEditRoundTrip();
    void categoryChoice_data();
    void categoryChoice();
    void payeeChoiceFillsFromLastTransaction_data();
    void payeeChoiceFillsFromLastTransaction();
    void payeeChosenFromCompleterByKeyboard();
    void secondNewFormStartsOnLastDate();
    void seedFillsOnlyWhatItHas();
    void splitFromAmountAndCategory();
    void splitNeedsCategoriesToAccept();
    void splitFromZeroAmountGivesBlankRows();
    void splitOfZeroLinesIsNoSplit();
    void editOfSplitTransactionShowsItsLines();
    void yenAccount();
    void unreadableAmountRefusesOk_data();
    void unreadableAmountRefusesOk();

private:
    QString addAccount(const QString &name, Currency currency = Currency::USD);
    QString categoryId(const QString &name) const;
    Transaction storeTransaction(const QString &payee, qint64 amount, const QDate &date,
                                 const QString &categoryId = QString(), const QString &memo = QString());
    static void typeInto(QWidget *field, const QString &text);
    static void typeAmount(QDoubleSpinBox *spin, const QString &text);

    std::unique_ptr<TestAppState> m_state;
    QString m_checking;
    QList<MessageBox::Request> m_boxes;
};

void tst_TransactionFormDialog::initTestCase()
{
    TestAppState::redirectSettings();
    MessageBox::setResponder([this](const MessageBox::Request &request) {
        m_boxes.append(request);
        return QMessageBox::Ok;
    });
}

void tst_TransactionFormDialog::cleanupTestCase()
{
    MessageBox::setResponder({});
}

void tst_TransactionFormDialog::init()
{
    m_boxes.clear();
    Clock::setToday(QDate(2024, 3, 15));
    TransactionFormDialog::setLastDialogDate(QDate());
    m_state = std::make_unique<TestAppState>();
    QVERIFY(m_state->initialize());
    m_checking = addAccount("Checking");
}

void tst_TransactionFormDialog::cleanup()
{
    m_state.reset();
    Clock::setToday(QDate());
}

QString tst_TransactionFormDialog::addAccount(const QString &name, Currency currency)
{
    Account account;
    account.id = newUuid();
    account.name = name;
    account.currency = currency;
    account.createdAt = account.updatedAt = QDateTime::currentDateTimeUtc();
    if (!m_state->accountRepository()->insert(account))
        qFatal("cannot insert account");
    return account.id;
}

QString tst_TransactionFormDialog::categoryId(const QString &name) const
{
    const std::optional<Category> category = m_state->categoryRepository()->findByName(name);
    if (!category)
        qFatal("no category %s", qPrintable(name));
    return category->id;
}

Transaction tst_TransactionFormDialog::storeTransaction(const QString &payee, qint64 amount, const QDate &date,
                                                        const QString &category, const QString &memo)
{
    Transaction t;
    t.id = newUuid();
    t.accountId = m_checking;
    t.date = date;
    t.payee = payee;
    t.amount = amount;
    t.categoryId = category;
    t.memo = memo;
    t.createdAt = t.updatedAt = QDateTime::currentDateTimeUtc();
    if (!m_state->transactionRepository()->insert(t))
        qFatal("cannot insert transaction");
    return t;
}

void tst_TransactionFormDialog::typeInto(QWidget *field, const QString &text)
{
    field->setFocus();
    auto *edit = qobject_cast<QLineEdit *>(field);
    if (edit)
        edit->selectAll();
    QTest::keyClicks(field, text);
    // A suggestion list left open would swallow the next click elsewhere.
    if (edit && edit->completer() && edit->completer()->popup())
        edit->completer()->popup()->hide();
}

void tst_TransactionFormDialog::typeAmount(QDoubleSpinBox *spin, const QString &text)
{
    spin->setFocus();
    spin->selectAll();
    QTest::keyClicks(spin, text);
}

void tst_TransactionFormDialog::newModeStartsBlank()
{
    TransactionFormDialog dialog(m_state.get(), m_checking);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("New Transaction"));
    QVERIFY(!dialog.isEditMode());
    QVERIFY(dialog.paymentButton()->isChecked());
    QCOMPARE(dialog.dateField()->date(), QDate(2024, 3, 15));
    QCOMPARE(dialog.categoryCombo()->currentText(), QStringLiteral("(none)"));
    QCOMPARE(dialog.amountField()->prefix(), QStringLiteral("$ "));
    QCOMPARE(dialog.amountField()->maximum(), 99999999.99);
    QCOMPARE(dialog.payeeEdit()->placeholderText(), QStringLiteral("Start typing to search payees..."));
    QVERIFY(dialog.splitButton()->isVisibleTo(&dialog));
    QVERIFY(!dialog.singleCategoryButton()->isVisibleTo(&dialog));
    QVERIFY(!dialog.splitLinesWidget()->isVisibleTo(&dialog));
    QVERIFY(dialog.minimumWidth() >= 480);

    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(QApplication::focusWidget(), dialog.payeeEdit());

    // Repeated calls describe the same new row.
    const Transaction a = dialog.transaction();
    const Transaction b = dialog.transaction();
    QCOMPARE(a.id, b.id);
    QCOMPARE(a.id.size(), 36);
    QCOMPARE(a.accountId, m_checking);
    QVERIFY(dialog.splitLines().isEmpty());
}

void tst_TransactionFormDialog::directionAndAmount_data()
{
    QTest::addColumn<bool>("deposit");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<qint64>("amount");
    QTest::newRow("payment") << false << "12.34" << qint64(-1234);
    QTest::newRow("deposit") << true << "12.34" << qint64(1234);
    QTest::newRow("cents") << false << "0.29" << qint64(-29);
    QTest::newRow("zero") << true << "0" << qint64(0);
}

void tst_TransactionFormDialog::directionAndAmount()
{
    QFETCH(bool, deposit);
    QFETCH(QString, typed);
    QFETCH(qint64, amount);
    TransactionFormDialog dialog(m_state.get(), m_checking);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::mouseClick(deposit ? dialog.depositButton() : dialog.paymentButton(), Qt::LeftButton);
    typeAmount(dialog.amountField(), typed);
    typeInto(dialog.payeeEdit(), "  Corner Shop ");
    QCOMPARE(dialog.transaction().amount, amount);
    QCOMPARE(dialog.transaction().payee, QStringLiteral("Corner Shop"));
}

void tst_TransactionFormDialog::newThenEditRoundTrip()
{
    const QString groceries = categoryId("Groceries");
    Transaction created;
    {
        TransactionFormDialog dialog(m_state.get(), m_checking);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        typeInto(dialog.dateField(), "3/2/2024");
        typeInto(dialog.payeeEdit(), "Corner Shop");
        typeAmount(dialog.amountField(), "42.5");
        typeInto(dialog.categoryCombo()->lineEdit(), "Groceries");
        typeInto(dialog.memoEdit(), " milk ");
        typeInto(dialog.checkNumberEdit(), "1042");
        // On the box itself: the row is wider than the box and its label.
        QTest::mouseClick(dialog.clearedBox(), Qt::LeftButton, {}, QPoint(6, dialog.clearedBox()->height() / 2));
        created = dialog.transaction();
    }
    QCOMPARE(created.date, QDate(2024, 3, 2));
    QCOMPARE(created.amount, -4250);
    QCOMPARE(created.categoryId, groceries);
    QCOMPARE(created.memo, QStringLiteral("milk"));
    QCOMPARE(created.checkNumber, QStringLiteral("1042"));
    QVERIFY(created.cleared);
    QVERIFY(!created.isSplit);
    QCOMPARE(created.syncStatus, SyncStatus::Pending);
    QVERIFY(created.createdAt.isValid());
    QVERIFY(m_state->transactionRepository()->insert(created));

    const Transaction stored = *m_state->transactionRepository()->findById(created.id);
    TransactionFormDialog edit(m_state.get(), stored);
    QCOMPARE(edit.windowTitle(), QStringLiteral("Edit Transaction"));
    QVERIFY(edit.isEditMode());
    QCOMPARE(edit.dateField()->date(), QDate(2024, 3, 2));
    QCOMPARE(edit.payeeEdit()->text(), QStringLiteral("Corner Shop"));
    QCOMPARE(edit.amountField()->value(), 42.50);
    QVERIFY(edit.paymentButton()->isChecked());
    QCOMPARE(edit.categoryCombo()->currentData().toString(), groceries);
    QCOMPARE(edit.memoEdit()->text(), QStringLiteral("milk"));
    QCOMPARE(edit.checkNumberEdit()->text(), QStringLiteral("1042"));
    QVERIFY(edit.clearedBox()->isChecked());

    // Unchanged, the edit gives back the stored row apart from its bookkeeping.
    const Transaction same = edit.transaction();
    QCOMPARE(same.id, stored.id);
    QCOMPARE(same.accountId, stored.accountId);
    QCOMPARE(same.createdAt, stored.createdAt);
    QCOMPARE(same.amount, stored.amount);
    QCOMPARE(same.categoryId, stored.categoryId);
    QCOMPARE(same.version, stored.version + 1);

    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    QTest::mouseClick(edit.depositButton(), Qt::LeftButton);
    typeAmount(edit.amountField(), "5");
    const Transaction changed = edit.transaction();
    QCOMPARE(changed.id, stored.id);
    QCOMPARE(changed.amount, 500);
    QVERIFY(m_state->transactionRepository()->update(changed));
    QCOMPARE(m_state->transactionRepository()->findById(stored.id)->amount, 500);
}

void tst_TransactionFormDialog::categoryChoice_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expectedName");
    QTest::newRow("none") << "(none)" << "";
    QTest::newRow("exactName") << "Groceries" << "Groceries";
    QTest::newRow("parentAndName") << "Housing > Maintenance" << "Maintenance";
    QTest::newRow("freeText") << "Grocer" << "";
    QTest::newRow("wrongCase") << "groceries" << "";
}

void tst_TransactionFormDialog::categoryChoice()
{
    QFETCH(QString, typed);
    QFETCH(QString, expectedName);
    TransactionFormDialog dialog(m_state.get(), m_checking);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::mouseClick(dialog.depositButton(), Qt::LeftButton);
    typeInto(dialog.categoryCombo()->lineEdit(), typed);
    const QString id = dialog.transaction().categoryId;
    if (expectedName.isEmpty()) {
        QCOMPARE(id, QString());
    } else {
        const std::optional<Category> category = m_state->categoryRepository()->findById(id);
        QVERIFY(category);
        QCOMPARE(category->name, expectedName);
    }
    if (typed.contains(" > ")) {
        const std::optional<Category> parent =
            m_state->categoryRepository()->findById(m_state->categoryRepository()->findById(id)->parentId);
        QCOMPARE(parent->name, QStringLiteral("Housing"));
    }
}

void tst_TransactionFormDialog::payeeChoiceFillsFromLastTransaction_data()
{
    QTest::addColumn<QString>("payee");
    QTest::addColumn<double>("amount");
    QTest::addColumn<bool>("deposit");
    QTest::addColumn<QString>("memo");
    QTest::addColumn<QString>("category");
    QTest::newRow("latestPayment") << "Corner Shop" << 42.50 << false << "milk" << "Groceries";
    QTest::newRow("depositWithoutMemo") << "Employer" << 1000.00 << true << "" << "Utilities";
    QTest::newRow("unknownPayee") << "Nobody" << 0.0 << false << "typed" << "Utilities";
}

void tst_TransactionFormDialog::payeeChoiceFillsFromLastTransaction()
{
    QFETCH(QString, payee);
    QFETCH(double, amount);
    QFETCH(bool, deposit);
    QFETCH(QString, memo);
    QFETCH(QString, category);
    storeTransaction("Corner Shop", -900, QDate(2024, 1, 1), categoryId("Utilities"), "old");
    storeTransaction("Corner Shop", -4250, QDate(2024, 2, 1), categoryId("Groceries"), "milk");
    storeTransaction("Employer", 100000, QDate(2024, 2, 1));

    TransactionFormDialog dialog(m_state.get(), m_checking);
    dialog.memoEdit()->setText("typed");
    dialog.categoryCombo()->setCurrentIndex(dialog.categoryCombo()->findText("Utilities"));
    dialog.onPayeeSelected(payee);
    QCOMPARE(dialog.amountField()->value(), amount);
    QCOMPARE(dialog.depositButton()->isChecked(), deposit);
    QCOMPARE(dialog.memoEdit()->text(), memo);
    QCOMPARE(dialog.categoryCombo()->currentText(), category);
}

void tst_TransactionFormDialog::payeeChosenFromCompleterByKeyboard()
{
    storeTransaction("Corner Shop", -4250, QDate(2024, 2, 1), categoryId("Groceries"), "milk");
    storeTransaction("Cornwall Bakery", -300, QDate(2024, 2, 2));
    TransactionFormDialog dialog(m_state.get(), m_checking);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    dialog.payeeEdit()->setFocus();
    QTest::keyClicks(dialog.payeeEdit(), "shop");
    QAbstractItemView *popup = dialog.payeeEdit()->completer()->popup();
    QTRY_VERIFY(popup->isVisible());
    QCOMPARE(popup->model()->rowCount(), 1);
    QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Return);

    QCOMPARE(dialog.payeeEdit()->text(), QStringLiteral("Corner Shop"));
    QCOMPARE(dialog.amountField()->value(), 42.50);
    QVERIFY(dialog.paymentButton()->isChecked());
    QCOMPARE(dialog.memoEdit()->text(), QStringLiteral("milk"));
    QCOMPARE(dialog.categoryCombo()->currentText(), QStringLiteral("Groceries"));
}

void tst_TransactionFormDialog::secondNewFormStartsOnLastDate()
{
    {
        TransactionFormDialog first(m_state.get(), m_checking);
        first.show();
        QVERIFY(QTest::qWaitForWindowExposed(&first));
        typeInto(first.dateField(), "3/1/2024");
        QCOMPARE(first.transaction().date, QDate(2024, 3, 1));
    }
    QCOMPARE(TransactionFormDialog::lastDialogDate(), QDate(2024, 3, 1));
    TransactionFormDialog second(m_state.get(), m_checking);
    QCOMPARE(second.dateField()->date(), QDate(2024, 3, 1));
    QCOMPARE(second.dateField()->text(), QStringLiteral("3/1/2024"));
}

void tst_TransactionFormDialog::seedFillsOnlyWhatItHas()
{
    TransactionFormDialog dialog(m_state.get(), m_checking);
    dialog.memoEdit()->setText("kept");
    dialog.checkNumberEdit()->setText("77");
    Transaction seed;
    seed.payee = "Landlord";
    seed.amount = 120000;
    seed.categoryId = categoryId("Groceries");
    dialog.setSeed(seed);
    QCOMPARE(dialog.dateField()->date(), QDate(2024, 3, 15));
    QCOMPARE(dialog.payeeEdit()->text(), QStringLiteral("Landlord"));
    QCOMPARE(dialog.amountField()->value(), 1200.0);
    QVERIFY(dialog.depositButton()->isChecked());
    QCOMPARE(dialog.memoEdit()->text(), QStringLiteral("kept"));
    QCOMPARE(dialog.checkNumberEdit()->text(), QStringLiteral("77"));
    QCOMPARE(dialog.categoryCombo()->currentText(), QStringLiteral("Groceries"));

    Transaction second;
    second.date = QDate(2024, 1, 5);
    second.memo = "rent";
    dialog.setSeed(second);
    QCOMPARE(dialog.dateField()->date(), QDate(2024, 1, 5));
    QCOMPARE(dialog.amountField()->value(), 1200.0);
    QVERIFY(dialog.depositButton()->isChecked());
    QCOMPARE(dialog.memoEdit()->text(), QStringLiteral("rent"));
    QCOMPARE(dialog.transaction().id.isEmpty(), false);
}

void tst_TransactionFormDialog::splitFromAmountAndCategory()
{
    const QString groceries = categoryId("Groceries");
    TransactionFormDialog dialog(m_state.get(), m_checking);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    typeInto(dialog.payeeEdit(), "Market");
    typeAmount(dialog.amountField(), "100");
    typeInto(dialog.categoryCombo()->lineEdit(), "Groceries");

    QTest::mouseClick(dialog.splitButton(), Qt::LeftButton);
    SplitLinesWidget *lines = dialog.splitLinesWidget();
    QVERIFY(dialog.isSplitMode());
    QVERIFY(lines->isVisible());
    QVERIFY(dialog.singleCategoryButton()->isVisible());
    QVERIFY(!dialog.splitButton()->isVisible());
    QVERIFY(!dialog.categoryCombo()->isEnabled());
    QCOMPARE(dialog.categoryCombo()->currentText(), QStringLiteral("—Split—"));
    QVERIFY(!dialog.amountField()->isEnabled());
    QVERIFY(dialog.width() >= 640);
    QVERIFY(dialog.height() >= 540);
    QCOMPARE(lines->rowCount(), 1);
    QCOMPARE(lines->categoryCombo(0)->currentData().toString(), groceries);
    QCOMPARE(lines->amountSpin(0)->value(), 100.0);

    QTest::mouseClick(dialog.findChild<QPushButton *>("addLineButton"), Qt::LeftButton);
    typeAmount(lines->amountSpin(1), "20");
    QCOMPARE(dialog.amountField()->value(), 120.0);
    typeAmount(lines->amountSpin(0), "80");
    QCOMPARE(dialog.amountField()->value(), 100.0);

    const Transaction t = dialog.transaction();
    QCOMPARE(t.amount, -10000);
    QVERIFY(t.isSplit);
    QCOMPARE(t.categoryId, QString());
    const QList<SplitLine> split = dialog.splitLines();
    QCOMPARE(split.size(), 2);
    QCOMPARE(split.at(0).amount, -8000);
    QCOMPARE(split.at(0).categoryId, groceries);
    QCOMPARE(split.at(1).amount, -2000);
    QCOMPARE(split.at(1).categoryId, QString());

    // Back to one category: the amount is editable again and the split is gone.
    QTest::mouseClick(dialog.singleCategoryButton(), Qt::LeftButton);
    QVERIFY(!dialog.isSplitMode());
    QVERIFY(dialog.amountField()->isEnabled());
    QVERIFY(dialog.categoryCombo()->isEnabled());
    QCOMPARE(dialog.categoryCombo()->currentText(), QStringLiteral("Groceries"));
    QVERIFY(!lines->isVisible());
    QVERIFY(dialog.splitLines().isEmpty());
    QCOMPARE(dialog.transaction().categoryId, groceries);
    QVERIFY(!dialog.transaction().isSplit);
}

void tst_TransactionFormDialog::splitNeedsCategoriesToAccept()
{
    TransactionFormDialog dialog(m_state.get(), m_checking);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    typeAmount(dialog.amountField(), "30");
    typeInto(dialog.categoryCombo()->lineEdit(), "Groceries");
    QTest::mouseClick(dialog.splitButton(), Qt::LeftButton);
    QTest::mouseClick(dialog.findChild<QPushButton *>("addLineButton"), Qt::LeftButton);
    typeAmount(dialog.splitLinesWidget()->amountSpin(1), "5");
    QPushButton *ok = dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);

    // "(none)" on a line with an amount could not be stored: the form stays open.
    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.first().icon, QMessageBox::Warning);

    typeInto(dialog.splitLinesWidget()->categoryCombo(1)->lineEdit(), "Utilities");
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(dialog.transaction().amount, -3500);
    QCOMPARE(dialog.splitLines().size(), 2);
}

void tst_TransactionFormDialog::splitFromZeroAmountGivesBlankRows()
{
    TransactionFormDialog dialog(m_state.get(), m_checking);
    dialog.onEnterSplit();
    QCOMPARE(dialog.splitLinesWidget()->rowCount(), 2);
    QCOMPARE(dialog.splitLinesWidget()->total(), 0);
    QCOMPARE(dialog.amountField()->value(), 0.0);
}

void tst_TransactionFormDialog::splitOfZeroLinesIsNoSplit()
{
    TransactionFormDialog dialog(m_state.get(), m_checking);
    dialog.onEnterSplit();
    const Transaction t = dialog.transaction();
    QVERIFY(!t.isSplit);
    QCOMPARE(t.amount, 0);
    QCOMPARE(t.categoryId, QString());
    QVERIFY(dialog.splitLines().isEmpty());
}

void tst_TransactionFormDialog::editOfSplitTransactionShowsItsLines()
{
    Transaction stored = storeTransaction("Market", 3000, QDate(2024, 2, 1));
    stored.isSplit = true;
    QVERIFY(m_state->transactionRepository()->update(stored));
    for (qint64 amount : {1000, 2000}) {
        SplitLine line;
        line.id = newUuid();
        line.transactionId = stored.id;
        line.categoryId = categoryId("Groceries");
        line.amount = amount;
        line.createdAt = line.updatedAt = QDateTime::currentDateTimeUtc();
        QVERIFY(m_state->splitLineRepository()->insert(line));
    }

    TransactionFormDialog dialog(m_state.get(), stored);
    QVERIFY(dialog.isSplitMode());
    QVERIFY(dialog.depositButton()->isChecked());
    QCOMPARE(dialog.splitLinesWidget()->rowCount(), 2);
    QCOMPARE(dialog.amountField()->value(), 30.0);
    QCOMPARE(dialog.categoryCombo()->currentText(), QStringLiteral("—Split—"));
    const QList<SplitLine> lines = dialog.splitLines();
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines.at(0).amount + lines.at(1).amount, 3000);

    // Flagged as split but without stored lines: an ordinary form.
    Transaction bare = storeTransaction("Bare", -500, QDate(2024, 2, 1));
    bare.isSplit = true;
    TransactionFormDialog plain(m_state.get(), bare);
    QVERIFY(!plain.isSplitMode());
    QCOMPARE(plain.categoryCombo()->currentText(), QStringLiteral("(none)"));
}

void tst_TransactionFormDialog::yenAccount()
{
    const QString yen = addAccount("Yen wallet", Currency::JPY);
    TransactionFormDialog dialog(m_state.get(), yen);
    QCOMPARE(dialog.currency(), Currency::JPY);
    QCOMPARE(dialog.amountField()->prefix(), QStringLiteral("¥ "));
    QCOMPARE(dialog.amountField()->decimals(), 0);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    typeAmount(dialog.amountField(), "1500");
    Transaction t = dialog.transaction();
    QCOMPARE(t.amount, -1500);

    dialog.onEnterSplit();
    QCOMPARE(dialog.splitLinesWidget()->amountSpin(0)->value(), 1500.0);
    QCOMPARE(dialog.splitLines().first().amount, -1500);
    QCOMPARE(dialog.transaction().amount, -1500);

    t.accountId = yen;
    TransactionFormDialog edit(m_state.get(), t);
    QCOMPARE(edit.amountField()->value(), 1500.0);
    QCOMPARE(edit.transaction().amount, -1500);
}

void tst_TransactionFormDialog::unreadableAmountRefusesOk_data()
{
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("retyped");
    QTest::addColumn<qint64>("amount");
    const QString digits("Only digits and one decimal point can be typed here, up to 99,999,999.99.");
    QTest::newRow("letters") << Currency::USD << "abc" << digits << "12.5" << qint64(-1250);
    QTest::newRow("pastTheLargest") << Currency::USD << "99999999999999999999" << digits << "7" << qint64(-700);
    // The point is refused, the digit after it would make 55 yen of 5.5.
    QTest::newRow("yenFraction") << Currency::JPY << "5.5" << "Only a whole amount can be typed here, up to 99,999,999."
                                 << "6" << qint64(-6);
    QTest::newRow("emptied") << Currency::USD << "" << "Enter an amount (0 for none)." << "0" << qint64(0);
}

void tst_TransactionFormDialog::unreadableAmountRefusesOk()
{
    QFETCH(Currency, currency);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, retyped);
    QFETCH(qint64, amount);
    TransactionFormDialog dialog(m_state.get(), addAccount("Wallet", currency));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    typeInto(dialog.payeeEdit(), "Cafe");
    SmartAmountField *field = dialog.amountField();
    field->setFocus();
    field->selectAll();
    if (typed.isEmpty())
        QTest::keyClick(field, Qt::Key_Backspace);
    else
        QTest::keyClicks(field, typed);

    QTest::keyClick(field, Qt::Key_Return);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(QApplication::focusWidget(), field);
    QCOMPARE(field->toolTip(), message);
    QVERIFY(m_boxes.isEmpty());
    // OK by mouse is refused the same way.
    QTest::mouseClick(dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    QCOMPARE(QApplication::focusWidget(), field);

    // OK selected the field's text; typing replaces it and clears the mark.
    QTest::keyClicks(field, retyped);
    QCOMPARE(field->toolTip(), QString());
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.transaction().amount, amount);
}

QTEST_MAIN(tst_TransactionFormDialog)
#include "tst_transactionformdialog.moc"
