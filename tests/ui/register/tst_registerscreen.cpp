#include "app/appstate.h"
#include "common/testappstate.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/clock.h"
#include "data/money.h"
#include "data/preferencesrepository.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "data/uuids.h"
#include "ui/mainwindow.h"
#include "ui/messagebox.h"
#include "ui/statusbar.h"
#include "services/undohistory.h"
#include "ui/register/registerdelegate.h"
#include "ui/register/registermodel.h"
#include "ui/register/registerscreen.h"
#include "ui/register/registertableview.h"
#include "ui/register/smartamountfield.h"
#include "ui/register/spliteditordialog.h"
#include "ui/register/splitlineswidget.h"
#include "ui/register/transactiondetailsdialog.h"
#include "ui/register/transactionformdialog.h"
#include "ui/screens/recurringformdialog.h"
#include "ui/uisettings.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QCompleter>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <functional>
#include <memory>

using Slot = RegisterModel::EntrySlot;

class tst_RegisterScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void paymentWithCtrlReturnCarriesDate();
    void enterThroughEveryFieldCommits();
    void refusedCommits_data();
    void refusedCommits();
    void transferCreatesLinkedHalves_data();
    void transferCreatesLinkedHalves();
    void transferCurrencyMismatchStoresNothing();
    void inlineEditOfTransferUpdatesPartner();
    void copyFromAboveWithApostrophe();
    void ctrlDOnNewRowClearsFields();
    void newestFirstPutsNewRowOnTop();
    void columnWidthsFollowFontScale_data();
    void columnWidthsFollowFontScale();
    void narrowWindowFitsEveryColumn();
    void fitGivesUpWidthInOrder_data();
    void fitGivesUpWidthInOrder();
    void widenedColumnIsNotSnappedBack();
    void memoKeepsItsWidthWhenHiddenAndShown();
    void unusableStoredWidthRestoresDefault_data();
    void unusableStoredWidthRestoresDefault();
    void splitEditorTotalsAndCommit();
    void memorizeOpensPrefilledForm();
    void memorizeRefusesBrokenDate();
    void openingRowStoresNothing();
    void yenAccountEntry();
    void payeeCompletionsAndAutoFill();
    void arrowKeysSkipBalanceAndDropTypedText();
    void tabMovesFieldByField();
    void twoLineModeEditsPayeeAndMemoTogether();
    void editedRowMovesToFollowingRow();
    void mainWindowHostsRegister();
    void ctrlEOpensSeededForm();
    void headerMenuHidesColumns();
    void rowContextMenu_data();
    void rowContextMenu();
    void altReturnShowsDetails_data();
    void altReturnShowsDetails();
    void ctrlEEditsStoredRowInForm_data();
    void ctrlEEditsStoredRowInForm();
    void unreadableEntryIsRefusedAndKept_data();
    void unreadableEntryIsRefusedAndKept();
    void halfTypedCategory_data();
    void halfTypedCategory();
    void autoFillKeepsTypedFields();
    void commandKeysFromInsideEditors();
    void apostropheInTextFields_data();
    void apostropheInTextFields();
    void unsavedEntryWaitsForItsAccount();
    void transferEntryByIdInGerman();
    void retypedTransferPayeeMakesPlainRow();

private:
    QString addAccount(const QString &name, Currency currency = Currency::USD, qint64 startingBalance = 0,
                       int sortOrder = 0);
    QString addTransaction(const QString &accountId, const QString &payee, qint64 amount, const QDate &date,
                           const QString &memo = QString(), const QString &categoryId = QString());
    void openScreen(const QString &accountId, int width = 1800);
    // Stores a transfer of amount (negative: out of from) as two linked halves;
    // returns the ids of the from half and of the to half.
    QPair<QString, QString> addTransfer(const QString &from, const QString &to, qint64 amount, const QDate &date);
    QWidget *focus() const { return QApplication::focusWidget(); }
    void type(const QString &text);
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // From the new row's Date editor, types one value per field with Enter
    // after each; an empty string leaves the field as it is.
    void typeFields(const QStringList &values);
    QList<Transaction> stored(const QString &accountId) const
    {
        return m_state->transactionRepository()->findByAccount(accountId);
    }

    std::unique_ptr<TestAppState> m_state;
    std::unique_ptr<RegisterScreen> m_screen;
    QList<MessageBox::Request> m_boxes;
    QString m_checking;
    QString m_savings;
};

void tst_RegisterScreen::initTestCase()
{
    TestAppState::redirectSettings();
    QCoreApplication::setOrganizationName("Orlindo");
    QCoreApplication::setApplicationName("QuillbyRegisterTest");
    MessageBox::setResponder([this](const MessageBox::Request &request) {
        m_boxes.append(request);
        return QMessageBox::Yes;
    });
}

void tst_RegisterScreen::init()
{
    QSettings().clear();
    m_boxes.clear();
    setFontScalePercent(100);
    Clock::setToday(QDate(2024, 6, 15));
    m_state = std::make_unique<TestAppState>();
    QVERIFY(m_state->initialize());
    m_checking = addAccount("Checking", Currency::USD, 0, 0);
    m_savings = addAccount("Savings", Currency::USD, 0, 1);
}

void tst_RegisterScreen::cleanup()
{
    m_screen.reset();
    m_state.reset();
    Clock::setToday(QDate());
}

QString tst_RegisterScreen::addAccount(const QString &name, Currency currency, qint64 startingBalance, int sortOrder)
{
    Account account;
    account.id = newUuid();
    account.name = name;
    account.currency = currency;
    account.startingBalance = startingBalance;
    account.sortOrder = sortOrder;
    account.createdAt = account.updatedAt = QDateTime::currentDateTimeUtc();
    if (!m_state->accountRepository()->insert(account))
        qFatal("cannot insert account");
    return account.id;
}

QString tst_RegisterScreen::addTransaction(const QString &accountId, const QString &payee, qint64 amount,
                                           const QDate &date, const QString &memo, const QString &categoryId)
{
    Transaction t;
    t.id = newUuid();
    t.accountId = accountId;
    t.date = date;
    t.payee = payee;
    t.memo = memo;
    t.categoryId = categoryId;
    t.amount = amount;
    t.createdAt = t.updatedAt = QDateTime::currentDateTimeUtc();
    if (!m_state->transactionRepository()->insert(t))
        qFatal("cannot insert transaction");
    return t.id;
}

QPair<QString, QString> tst_RegisterScreen::addTransfer(const QString &from, const QString &to, qint64 amount,
                                                        const QDate &date)
{
    Transaction out;
    out.id = newUuid();
    out.accountId = from;
    out.date = date;
    out.payee = "Transfer to " + m_state->accountRepository()->findById(to)->name;
    out.amount = amount;
    out.createdAt = out.updatedAt = QDateTime::currentDateTimeUtc();
    Transaction in = out;
    in.id = newUuid();
    in.accountId = to;
    in.payee = "Transfer from " + m_state->accountRepository()->findById(from)->name;
    in.amount = -amount;
    out.transferLinkId = in.id;
    out.transferDestAccountId = to;
    in.transferLinkId = out.id;
    in.transferDestAccountId = from;
    if (!m_state->transactionRepository()->insert(in) || !m_state->transactionRepository()->insert(out))
        qFatal("cannot insert transfer");
    return {out.id, in.id};
}

void tst_RegisterScreen::openScreen(const QString &accountId, int width)
{
    m_screen = std::make_unique<RegisterScreen>(m_state.get());
    m_screen->resize(width, 700);
    m_screen->show();
    m_screen->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_screen.get()));
    m_screen->setAccount(accountId);
}

void tst_RegisterScreen::type(const QString &text)
{
    QVERIFY(focus());
    QTest::keyClicks(focus(), text);
}

void tst_RegisterScreen::key(int k, Qt::KeyboardModifiers modifiers)
{
    QVERIFY(focus());
    QTest::keyClick(focus(), Qt::Key(k), modifiers);
}

void tst_RegisterScreen::typeFields(const QStringList &values)
{
    for (const QString &value : values) {
        if (!value.isEmpty()) {
            if (auto *edit = qobject_cast<QLineEdit *>(focus()))
                edit->selectAll();
            type(value);
        }
        // The first Enter only closes an open completion list, as it would for a person.
        auto *edit = qobject_cast<QLineEdit *>(focus());
        const bool listOpen = edit && edit->completer() && edit->completer()->popup()->isVisible();
        key(Qt::Key_Return);
        if (listOpen)
            key(Qt::Key_Return);
    }
}

void tst_RegisterScreen::paymentWithCtrlReturnCarriesDate()
{
    openScreen(m_checking);
    m_screen->focusNewRow();
    QVERIFY(qobject_cast<QLineEdit *>(focus()));
    // Date, Chk #, Payee, Category, Memo; then the payment and Ctrl+Return.
    typeFields({"3/1/2024", "101", "Corner Grocer", "", "weekly shop"});
    type("42.50");
    key(Qt::Key_Return, Qt::ControlModifier);

    const QList<Transaction> rows = stored(m_checking);
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.at(0).payee, QString("Corner Grocer"));
    QCOMPARE(rows.at(0).amount, qint64(-4250));
    QCOMPARE(rows.at(0).date, QDate(2024, 3, 1));
    QCOMPARE(rows.at(0).checkNumber, QString("101"));
    QCOMPARE(rows.at(0).memo, QString("weekly shop"));
    QCOMPARE(rows.at(0).syncStatus, SyncStatus::Pending);

    // The next new row starts on the date typed last, not today, and is current.
    RegisterModel *model = m_screen->model();
    QCOMPARE(model->entryText(Slot::Date), QString("3/1/2024"));
    QCOMPARE(m_screen->view()->currentIndex().row(), model->newRowPosition());
    QCOMPARE(m_screen->balanceValueLabel()->text(), QString("-$42.50"));
    QCOMPARE(m_screen->unclearedValueLabel()->text(), QString("-$42.50"));
}

void tst_RegisterScreen::enterThroughEveryFieldCommits()
{
    openScreen(m_checking);
    m_screen->focusNewRow();
    typeFields({"4/2/24", "", "Market", "Groceries", "", "", "12.00"});
    // On Clr: Tab goes no further and commits nothing.
    type("c");
    QTest::keyClick(focus(), Qt::Key_Tab);
    QCoreApplication::processEvents();
    QCOMPARE(stored(m_checking).size(), 0);
    QCOMPARE(m_screen->view()->currentIndex().column(), int(RegisterModel::Cleared));
    QVERIFY(!m_screen->view()->isEditing());
    // Enter opens the field again, and Enter on the last field commits.
    QTest::keyClick(m_screen->view(), Qt::Key_Return);
    auto *clr = qobject_cast<QLineEdit *>(focus());
    QVERIFY(clr);
    QCOMPARE(clr->text(), QString("c"));
    key(Qt::Key_Return);

    const QList<Transaction> rows = stored(m_checking);
    QCOMPARE(rows.size(), 1);
    const Transaction &t = rows.at(0);
    QCOMPARE(t.amount, qint64(1200));
    QCOMPARE(t.date, QDate(2024, 4, 2));
    QVERIFY(t.cleared);
    QVERIFY(!t.reconciled);
    const std::optional<Category> groceries = m_state->categoryRepository()->findByName("Groceries");
    QVERIFY(groceries);
    QCOMPARE(t.categoryId, groceries->id);
    QCOMPARE(m_screen->clearedValueLabel()->text(), QString("$12.00"));
}

void tst_RegisterScreen::refusedCommits_data()
{
    QTest::addColumn<QString>("payee");
    QTest::addColumn<QString>("payment");
    QTest::addColumn<QString>("message");
    QTest::newRow("noPayee") << "" << "10.00" << "Payee is required";
    QTest::newRow("blankPayee") << "   " << "10.00" << "Payee is required";
    QTest::newRow("noAmount") << "Shop" << "" << "Enter a payment or deposit amount";
    QTest::newRow("unknownTransferAccount") << "[Transfer] Nowhere" << "10.00" << "Transfer account not found";
}

void tst_RegisterScreen::refusedCommits()
{
    QFETCH(QString, payee);
    QFETCH(QString, payment);
    QFETCH(QString, message);
    openScreen(m_checking);
    m_screen->focusNewRow();
    typeFields({"", "", payee, "", ""});
    if (!payment.isEmpty())
        type(payment);
    key(Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(m_screen->statusLabel()->text(), message);
    QCOMPARE(stored(m_checking).size(), 0);
    QCOMPARE(stored(m_savings).size(), 0);
}

void tst_RegisterScreen::transferCreatesLinkedHalves_data()
{
    QTest::addColumn<bool>("deleteFromSavings");
    QTest::newRow("deleteInChecking") << false;
    QTest::newRow("deleteInSavings") << true;
}

void tst_RegisterScreen::transferCreatesLinkedHalves()
{
    QFETCH(bool, deleteFromSavings);
    openScreen(m_checking);
    m_screen->focusNewRow();
    typeFields({"5/10/2024", "", "[Transfer] Savings", "", ""});
    type("50.00");
    key(Qt::Key_Return, Qt::ControlModifier);

    const QList<Transaction> checking = stored(m_checking);
    const QList<Transaction> savings = stored(m_savings);
    QCOMPARE(checking.size(), 1);
    QCOMPARE(savings.size(), 1);
    QCOMPARE(checking.at(0).payee, QString("Transfer to Savings"));
    QCOMPARE(checking.at(0).amount, qint64(-5000));
    QCOMPARE(savings.at(0).payee, QString("Transfer from Checking"));
    QCOMPARE(savings.at(0).amount, qint64(5000));
    QCOMPARE(savings.at(0).date, checking.at(0).date);
    QCOMPARE(savings.at(0).date, QDate(2024, 5, 10));
    QCOMPARE(checking.at(0).transferLinkId, savings.at(0).id);
    QCOMPARE(savings.at(0).transferLinkId, checking.at(0).id);
    QCOMPARE(checking.at(0).transferDestAccountId, m_savings);
    QCOMPARE(savings.at(0).transferDestAccountId, m_checking);

    if (deleteFromSavings)
        m_screen->setAccount(m_savings);
    RegisterModel *model = m_screen->model();
    const int row = model->rowForId(deleteFromSavings ? savings.at(0).id : checking.at(0).id);
    QVERIFY(row >= 0);
    m_screen->view()->setCurrentIndex(model->index(row, RegisterModel::Payee));
    QTest::keyClick(m_screen->view(), Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.at(0).title, QString("Delete Transaction"));
    QVERIFY(m_boxes.at(0).text.contains("Both sides of the transfer will be deleted."));
    QVERIFY(m_boxes.at(0).text.contains("$50.00"));
    QCOMPARE(stored(m_checking).size(), 0);
    QCOMPARE(stored(m_savings).size(), 0);
}

void tst_RegisterScreen::transferCurrencyMismatchStoresNothing()
{
    const QString euro = addAccount("Euro Wallet", Currency::EUR, 0, 2);
    openScreen(m_checking);
    QSignalSpy errors(m_screen.get(), &RegisterScreen::errorMessage);
    m_screen->focusNewRow();
    typeFields({"", "", "[Transfer] Euro Wallet", "", ""});
    type("20.00");
    key(Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(errors.size(), 1);
    QCOMPARE(errors.at(0).at(0).toString(), QString("Transfers require both accounts to use the same currency"));
    QCOMPARE(stored(m_checking).size(), 0);
    QCOMPARE(stored(euro).size(), 0);
}

void tst_RegisterScreen::inlineEditOfTransferUpdatesPartner()
{
    openScreen(m_checking);
    m_screen->focusNewRow();
    typeFields({"5/10/2024", "", "[Transfer] Savings", "", ""});
    type("50.00");
    key(Qt::Key_Return, Qt::ControlModifier);
    const QString id = stored(m_checking).at(0).id;

    RegisterModel *model = m_screen->model();
    const int row = model->rowForId(id);
    // Enter on a stored row opens its cell for editing.
    m_screen->view()->setCurrentIndex(model->index(row, RegisterModel::Date));
    QTest::keyClick(m_screen->view(), Qt::Key_Return);
    QCOMPARE(model->editRow(), row);
    typeFields({"5/12/2024", "", "", "", ""});
    QCOMPARE(m_screen->view()->currentIndex().column(), int(RegisterModel::Payment));
    qobject_cast<QLineEdit *>(focus())->selectAll();
    type("75.00");
    key(Qt::Key_Return, Qt::ControlModifier);

    const Transaction checking = stored(m_checking).at(0);
    const Transaction savings = stored(m_savings).at(0);
    QCOMPARE(checking.amount, qint64(-7500));
    QCOMPARE(checking.date, QDate(2024, 5, 12));
    QCOMPARE(savings.amount, qint64(7500));
    QCOMPARE(savings.date, QDate(2024, 5, 12));
    QCOMPARE(savings.version, 2);
    QCOMPARE(checking.transferLinkId, savings.id);
}

void tst_RegisterScreen::copyFromAboveWithApostrophe()
{
    addTransaction(m_checking, "Landlord", -120000, QDate(2024, 5, 1), "May rent");
    openScreen(m_checking);
    RegisterModel *model = m_screen->model();
    const int newRow = model->newRowPosition();
    QCOMPARE(newRow, 1);
    for (int column : {int(RegisterModel::Payee), int(RegisterModel::Memo), int(RegisterModel::Payment)}) {
        m_screen->view()->setCurrentIndex(model->index(newRow, column));
        QTest::keyClick(m_screen->view(), Qt::Key_Apostrophe);
    }
    QCOMPARE(model->entryText(Slot::Payee), QString("Landlord"));
    QCOMPARE(model->entryText(Slot::Memo), QString("May rent"));
    QCOMPARE(model->entryText(Slot::Payment), QString("1,200.00"));
    QTest::keyClick(m_screen->view(), Qt::Key_Return, Qt::ControlModifier);
    const QList<Transaction> rows = stored(m_checking);
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows.at(1).payee, QString("Landlord"));
    QCOMPARE(rows.at(1).amount, qint64(-120000));
    QCOMPARE(rows.at(1).memo, QString("May rent"));

    // The first row has nothing above it: nothing is copied.
    m_screen->view()->setCurrentIndex(model->index(0, RegisterModel::Payee));
    const QString before = model->entryText(Slot::Payee);
    QTest::keyClick(m_screen->view(), Qt::Key_Apostrophe);
    QCOMPARE(model->entryText(Slot::Payee), before);
}

void tst_RegisterScreen::ctrlDOnNewRowClearsFields()
{
    openScreen(m_checking);
    m_screen->focusNewRow();
    typeFields({"", "", "Half typed", ""});
    type("memo text");
    key(Qt::Key_D, Qt::ControlModifier);
    RegisterModel *model = m_screen->model();
    QCOMPARE(model->entryText(Slot::Payee), QString());
    QCOMPARE(model->entryText(Slot::Memo), QString());
    QCOMPARE(model->entryText(Slot::Date), QString("6/15/2024"));
    QCOMPARE(m_screen->statusLabel()->text(), QString("Fields cleared"));
    QCOMPARE(m_screen->view()->currentIndex().column(), int(RegisterModel::Date));
    QVERIFY(m_screen->view()->isEditing());
    QVERIFY(m_boxes.isEmpty());
    QCOMPARE(stored(m_checking).size(), 0);
}

void tst_RegisterScreen::newestFirstPutsNewRowOnTop()
{
    const QString oldest = addTransaction(m_checking, "Old", -100, QDate(2024, 1, 1));
    addTransaction(m_checking, "New", -200, QDate(2024, 2, 1));
    m_state->preferencesRepository()->setBool("registerNewestFirst", true);
    openScreen(m_checking);
    RegisterModel *model = m_screen->model();
    QCOMPARE(model->newRowPosition(), 0);
    QCOMPARE(m_screen->view()->currentIndex().row(), 0);
    QCOMPARE(model->rowAt(model->rowCount() - 1)->id, oldest);
    QVERIFY(!QSettings().contains("register/sortColumn"));

    m_screen->focusNewRow();
    typeFields({"3/1/2024", "", "Newest", "", ""});
    type("5.00");
    key(Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(stored(m_checking).size(), 3);
    QCOMPARE(model->rowAt(1)->payee, QString("Newest"));
    QCOMPARE(model->rowAt(model->rowCount() - 1)->id, oldest);

    // Delete works on the bottom row as on any other.
    m_screen->view()->setCurrentIndex(model->index(model->rowCount() - 1, RegisterModel::Payee));
    QTest::keyClick(m_screen->view(), Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(stored(m_checking).size(), 2);
    QVERIFY(model->rowForId(oldest) < 0);

    // Clicking the Date header stores the chosen sort; resetting removes it.
    QHeaderView *header = m_screen->view()->horizontalHeader();
    const QPoint dateHeader(header->sectionViewportPosition(RegisterModel::Date) + 10, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, dateHeader);
    QVERIFY(QSettings().contains("register/sortColumn"));
    QCOMPARE(QSettings().value("register/sortColumn").toInt(), 0);
    QCOMPARE(QSettings().value("register/sortOrder").toInt(), int(Qt::AscendingOrder));
    QCOMPARE(model->newRowPosition(), model->rowCount() - 1);
    m_screen->resetColumnLayout();
    QVERIFY(!QSettings().contains("register/sortColumn"));
    QCOMPARE(model->newRowPosition(), 0);
}

void tst_RegisterScreen::columnWidthsFollowFontScale_data()
{
    QTest::addColumn<int>("scale");
    QTest::addColumn<int>("payeeWidth");
    QTest::addColumn<int>("dateWidth");
    QTest::newRow("125%") << 125 << 312 << 162;
    QTest::newRow("100%") << 100 << 250 << 130;
    QTest::newRow("90%") << 90 << 250 << 130;
}

void tst_RegisterScreen::columnWidthsFollowFontScale()
{
    QFETCH(int, scale);
    QFETCH(int, payeeWidth);
    QFETCH(int, dateWidth);
    setFontScalePercent(scale);
    openScreen(m_checking);
    QHeaderView *header = m_screen->view()->horizontalHeader();
    QCOMPARE(header->sectionSize(RegisterModel::Payee), payeeWidth);
    QCOMPARE(header->sectionSize(RegisterModel::Date), dateWidth);
    QVERIFY(!QSettings().contains("register/colWidth/2"));

    // A width the user drags is stored and wins over the default next time.
    header->resizeSection(RegisterModel::Memo, 222);
    QCOMPARE(QSettings().value("register/colWidth/4").toInt(), 222);
    m_screen.reset();
    openScreen(m_checking);
    QCOMPARE(m_screen->view()->horizontalHeader()->sectionSize(RegisterModel::Memo), 222);
}

void tst_RegisterScreen::narrowWindowFitsEveryColumn()
{
    openScreen(m_checking, 900);
    QHeaderView *header = m_screen->view()->horizontalHeader();
    const int right = header->sectionViewportPosition(RegisterModel::Balance) + header->sectionSize(RegisterModel::Balance);
    QVERIFY2(right <= m_screen->view()->viewport()->width(), qPrintable(QString::number(right)));
    QVERIFY(header->sectionSize(RegisterModel::Payee) < 250);
    QCOMPARE(header->sectionSize(RegisterModel::Balance), 110);
    QCOMPARE(header->sectionSize(RegisterModel::Payment), 100);
    QVERIFY(!QSettings().contains("register/colWidth/2"));

    // Room again: the defaults come back.
    m_screen->resize(1800, 700);
    QCoreApplication::processEvents();
    QCOMPARE(header->sectionSize(RegisterModel::Payee), 250);
    QVERIFY(!QSettings().contains("register/colWidth/2"));
}

void tst_RegisterScreen::fitGivesUpWidthInOrder_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("twoLine");

    QTest::newRow("roomy") << 1800 << false;
    QTest::newRow("slightlyShort") << 1100 << false;
    QTest::newRow("registerOf1024Window") << 740 << false;
    QTest::newRow("short") << 650 << false;
    QTest::newRow("belowMinimum") << 300 << false;
    QTest::newRow("twoLineRegisterOf1024Window") << 740 << true;
    QTest::newRow("twoLineBelowMinimum") << 300 << true;
}

void tst_RegisterScreen::fitGivesUpWidthInOrder()
{
    QFETCH(int, width);
    QFETCH(bool, twoLine);

    m_state->preferencesRepository()->setBool("registerTwoLine", twoLine);
    addTransaction(m_checking, "Rent", -145000, QDate(2024, 6, 1), "June");
    openScreen(m_checking, width);
    QCoreApplication::processEvents();
    RegisterTableView *view = m_screen->view();
    QHeaderView *header = view->horizontalHeader();
    const auto size = [header](int column) { return header->sectionSize(column); };

    // Clr and Balance keep their widths and Balance ends inside the view.
    QCOMPARE(size(RegisterModel::Cleared), 35);
    QCOMPARE(size(RegisterModel::Balance), 110);
    const int right = header->sectionViewportPosition(RegisterModel::Balance) + size(RegisterModel::Balance);
    QVERIFY2(right <= view->viewport()->width(),
             qPrintable(QStringLiteral("%1 > %2").arg(right).arg(view->viewport()->width())));
    QVERIFY(!view->horizontalScrollBar()->isVisible());

    // Each kind of column gives up width only once the ones before it are
    // down to their share: Payee and Memo first, then Category, then Date,
    // Chk #, Payment and Deposit, and last the text columns again.
    if (size(RegisterModel::Category) < 180) {
        QCOMPARE(size(RegisterModel::Payee) <= 125, true);
        if (!twoLine)
            QCOMPARE(size(RegisterModel::Memo) <= 90, true);
    }
    if (size(RegisterModel::Date) < 130 || size(RegisterModel::Payment) < 100)
        QVERIFY(size(RegisterModel::Category) <= 90);
    if (size(RegisterModel::Payee) < 125)
        QVERIFY(size(RegisterModel::Date) < 130 && size(RegisterModel::Payment) < 100);
    // Nothing is given up while there is room.
    if (width >= 1800) {
        QCOMPARE(size(RegisterModel::Payee), 250);
        QCOMPARE(size(RegisterModel::Date), 130);
    }
    // Fitting stores nothing.
    for (int column = 0; column < RegisterModel::ColumnCount; ++column)
        QVERIFY(!QSettings().contains(QStringLiteral("register/colWidth/%1").arg(column)));

    // The date editor shows a whole date beside its calendar button.
    m_screen->focusNewRow();
    auto *dateEdit = qobject_cast<QLineEdit *>(focus());
    QVERIFY(dateEdit);
    dateEdit->setText(QStringLiteral("12/31/2024"));
    dateEdit->end(false);
    dateEdit->grab(); // the line edit works out its scrolling when it paints
    QCOMPARE(dateEdit->cursorPositionAt(QPoint(6, dateEdit->height() / 2)), 0);
}

void tst_RegisterScreen::widenedColumnIsNotSnappedBack()
{
    openScreen(m_checking, 1000);
    QHeaderView *header = m_screen->view()->horizontalHeader();
    const int fitted = header->sectionSize(RegisterModel::Payee);
    QVERIFY(fitted < 250);

    // The user drags Payee wider than the view has room for: it stays so.
    header->resizeSection(RegisterModel::Payee, fitted + 80);
    QCoreApplication::processEvents();
    QCOMPARE(header->sectionSize(RegisterModel::Payee), fitted + 80);
    QCOMPARE(QSettings().value("register/colWidth/2").toInt(), fitted + 80);

    // A new width fits again, starting from the width the user chose.
    m_screen->resize(1100, 700);
    QCoreApplication::processEvents();
    const int right = header->sectionViewportPosition(RegisterModel::Balance) + header->sectionSize(RegisterModel::Balance);
    QVERIFY(right <= m_screen->view()->viewport()->width());
    m_screen->resize(2200, 700);
    QCoreApplication::processEvents();
    QCOMPARE(header->sectionSize(RegisterModel::Payee), fitted + 80);
}

void tst_RegisterScreen::memoKeepsItsWidthWhenHiddenAndShown()
{
    PreferencesRepository *preferences = m_state->preferencesRepository();
    openScreen(m_checking);
    RegisterTableView *view = m_screen->view();
    QHeaderView *header = view->horizontalHeader();
    QCOMPARE(header->sectionSize(RegisterModel::Memo), 180);

    preferences->setBool("registerTwoLine", true);
    m_screen->reload();
    QVERIFY(view->isColumnHidden(RegisterModel::Memo));
    preferences->setBool("registerTwoLine", false);
    m_screen->reload();
    QVERIFY(!view->isColumnHidden(RegisterModel::Memo));
    QCOMPARE(header->sectionSize(RegisterModel::Memo), 180);

    // Started in two-line mode, then left.
    preferences->setBool("registerTwoLine", true);
    m_screen.reset();
    openScreen(m_checking);
    view = m_screen->view();
    QVERIFY(view->isColumnHidden(RegisterModel::Memo));
    preferences->setBool("registerTwoLine", false);
    m_screen->reload();
    header = view->horizontalHeader();
    QVERIFY(!view->isColumnHidden(RegisterModel::Memo));
    QCOMPARE(header->sectionSize(RegisterModel::Memo), 180);

    // Hidden and shown again from the header menu.
    for (int round = 0; round < 2; ++round) {
        QTimer::singleShot(0, this, [] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu)
                return;
            for (QAction *action : menu->actions()) {
                if (action->text() == "Memo")
                    action->trigger();
            }
            menu->close();
        });
        m_screen->showHeaderContextMenu(QPoint(10, 5));
    }
    QVERIFY(!view->isColumnHidden(RegisterModel::Memo));
    QCOMPARE(header->sectionSize(RegisterModel::Memo), 180);
    QCOMPARE(QSettings().value("register/colHidden/4").toBool(), false);
    // Hiding is never stored as a width.
    QVERIFY(!QSettings().contains("register/colWidth/4"));
}

void tst_RegisterScreen::unusableStoredWidthRestoresDefault_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<int>("expected");

    QTest::newRow("zero") << QVariant(0) << 180;
    QTest::newRow("zeroText") << QVariant(QStringLiteral("0")) << 180;
    QTest::newRow("negative") << QVariant(-40) << 180;
    QTest::newRow("notANumber") << QVariant(QStringLiteral("wide")) << 180;
    QTest::newRow("belowMinimum") << QVariant(3) << 24;
    QTest::newRow("chosenByUser") << QVariant(222) << 222;
}

void tst_RegisterScreen::unusableStoredWidthRestoresDefault()
{
    QFETCH(QVariant, stored);
    QFETCH(int, expected);

    QSettings().setValue("register/colWidth/4", stored);
    openScreen(m_checking);
    QVERIFY(!m_screen->view()->isColumnHidden(RegisterModel::Memo));
    QCOMPARE(m_screen->view()->horizontalHeader()->sectionSize(RegisterModel::Memo), expected);
}

void tst_RegisterScreen::splitEditorTotalsAndCommit()
{
    const std::optional<Category> groceries = m_state->categoryRepository()->findByName("Groceries");
    const std::optional<Category> electric = m_state->categoryRepository()->findByName("Electric");
    QVERIFY(groceries && electric);
    const QString id = addTransaction(m_checking, "Superstore", -10000, QDate(2024, 5, 3), QString(), groceries->id);
    openScreen(m_checking);
    RegisterModel *model = m_screen->model();
    const int row = model->rowForId(id);

    QString total;
    QString remaining;
    QTimer::singleShot(0, this, [&] {
        auto *dialog = qobject_cast<SplitEditorDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        SplitLinesWidget *lines = dialog->linesWidget();
        while (lines->rowCount() < 2)
            lines->addLine();
        lines->categoryCombo(0)->setCurrentIndex(lines->categoryCombo(0)->findData(groceries->id));
        lines->amountSpin(0)->setValue(60.0);
        lines->categoryCombo(1)->setCurrentIndex(lines->categoryCombo(1)->findData(electric->id));
        lines->amountSpin(1)->setValue(40.0);
        dialog->updateRemaining();
        total = dialog->totalLabel()->text();
        remaining = dialog->remainingLabel()->text();
        dialog->accept();
    });
    m_screen->editSplits(row);
    QVERIFY(total.contains("100.00"));
    QVERIFY(remaining.contains("0.00"));

    const std::optional<Transaction> t = m_state->transactionRepository()->findById(id);
    QVERIFY(t);
    QVERIFY(t->isSplit);
    QVERIFY(t->categoryId.isEmpty());
    const QList<SplitLine> lines = m_state->splitLineRepository()->findByTransaction(id);
    QCOMPARE(lines.size(), 2);
    qint64 sum = 0;
    for (const SplitLine &line : lines) {
        QCOMPARE(line.transactionId, id);
        sum += line.amount;
    }
    QCOMPARE(sum, qint64(-10000));
    const int shown = model->rowForId(id);
    QCOMPARE(model->index(shown, RegisterModel::Category).data().toString(), QString("—Split—"));
}

void tst_RegisterScreen::memorizeOpensPrefilledForm()
{
    const QString id = addTransaction(m_checking, "Gym", -3500, QDate(2024, 4, 20), "membership");
    openScreen(m_checking);
    RegisterModel *model = m_screen->model();
    m_screen->view()->setCurrentIndex(model->index(model->rowForId(id), RegisterModel::Payee));

    QString payeeShown;
    QString frequencyShown;
    QTimer::singleShot(0, this, [&] {
        auto *dialog = qobject_cast<RecurringFormDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        if (auto *payee = dialog->findChild<QLineEdit *>("payee"))
            payeeShown = payee->text();
        if (auto *frequency = dialog->findChild<QComboBox *>("frequency"))
            frequencyShown = frequency->currentText();
        dialog->accept();
    });
    QTest::keyClick(m_screen->view(), Qt::Key_M, Qt::ControlModifier);
    QCOMPARE(payeeShown, QString("Gym"));
    QVERIFY(!frequencyShown.isEmpty());
    const QList<RecurringTransaction> templates = m_state->recurringRepository()->findAll();
    QCOMPARE(templates.size(), 1);
    QCOMPARE(templates.at(0).payee, QString("Gym"));
    QCOMPARE(templates.at(0).amount, qint64(-3500));
    QCOMPARE(templates.at(0).memo, QString("membership"));
    QCOMPARE(templates.at(0).accountId, m_checking);
    QCOMPARE(templates.at(0).frequency, Frequency::Monthly);
    // The memorized transaction is the April occurrence: the template
    // starts with May's, so confirming what is due never posts April twice.
    QCOMPARE(templates.at(0).startDate, QDate(2024, 5, 20));
    QCOMPARE(templates.at(0).nextDueDate, QDate(2024, 5, 20));
    QVERIFY(!templates.at(0).autoPost);
    QCOMPARE(m_screen->statusLabel()->text(), QString("Transaction memorized as recurring"));
}

void tst_RegisterScreen::memorizeRefusesBrokenDate()
{
    const QString id = addTransaction(m_checking, "Ancient", -100, QDate(1999, 12, 31));
    openScreen(m_checking);
    RegisterModel *model = m_screen->model();
    m_screen->view()->setCurrentIndex(model->index(model->rowForId(id), RegisterModel::Payee));
    bool dialogOpened = false;
    QTimer::singleShot(0, this, [&] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            dialogOpened = true;
            modal->close();
        }
    });
    QTest::keyClick(m_screen->view(), Qt::Key_M, Qt::ControlModifier);
    QCoreApplication::processEvents();
    QVERIFY(!dialogOpened);
    QCOMPARE(m_screen->statusLabel()->text(), QString("Cannot memorize: source transaction has an invalid date"));
    QCOMPARE(m_state->recurringRepository()->findAll().size(), 0);
}

void tst_RegisterScreen::openingRowStoresNothing()
{
    const QString account = addAccount("Wallet", Currency::USD, 10000, 3);
    openScreen(account);
    RegisterModel *model = m_screen->model();
    QCOMPARE(model->rowCount(), 2);
    QCOMPARE(model->rowAt(0)->payee, QString("Opening Balance"));

    m_screen->view()->setCurrentIndex(model->index(0, RegisterModel::Payee));
    QTest::keyClick(m_screen->view(), Qt::Key_Return);
    QVERIFY(m_screen->view()->isEditing());
    qobject_cast<QLineEdit *>(focus())->selectAll();
    type("Typed over");
    key(Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(stored(account).size(), 0);
    QCOMPARE(model->rowAt(0)->payee, QString("Opening Balance"));

    m_screen->view()->setCurrentIndex(model->index(0, RegisterModel::Payee));
    QTest::keyClick(m_screen->view(), Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(model->rowCount(), 2);
    QCOMPARE(model->rowAt(0)->payee, QString("Opening Balance"));
    QCOMPARE(m_screen->balanceValueLabel()->text(), QString("$100.00"));
}

void tst_RegisterScreen::yenAccountEntry()
{
    const QString yen = addAccount("Tokyo", Currency::JPY, 0, 4);
    openScreen(yen);
    m_screen->focusNewRow();
    typeFields({"", "", "Ramen", "", ""});
    type("1500");
    key(Qt::Key_Return, Qt::ControlModifier);
    const QList<Transaction> rows = stored(yen);
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.at(0).amount, qint64(-1500));
    RegisterModel *model = m_screen->model();
    const int row = model->rowForId(rows.at(0).id);
    QCOMPARE(model->index(row, RegisterModel::Payment).data().toString(), QString("1,500"));
    QVERIFY(m_screen->balanceValueLabel()->text().contains("1,500"));

    // The last payee's amount comes back in yen too.
    m_screen->focusNewRow();
    typeFields({"", "", "Ramen"});
    QCOMPARE(model->entryText(Slot::Payment), QString("1,500"));
}

void tst_RegisterScreen::payeeCompletionsAndAutoFill()
{
    addAccount("Visa", Currency::USD, 0, 2);
    const std::optional<Category> groceries = m_state->categoryRepository()->findByName("Groceries");
    addTransaction(m_checking, "Landlord", -95000, QDate(2024, 5, 1), "rent", groceries->id);
    openScreen(m_checking);
    const QStringList completions = m_screen->delegate()->payeeCompletions();
    QCOMPARE(completions.mid(0, 3), QStringList({"[Transfer] Visa", "[Transfer] Savings", "Landlord"}));
    QVERIFY(!completions.contains("[Transfer] Checking"));

    m_screen->focusNewRow();
    typeFields({"", ""});
    auto *payee = qobject_cast<QLineEdit *>(focus());
    QVERIFY(payee);
    QVERIFY(payee->completer());
    type("sav");
    QCOMPARE(payee->completer()->currentCompletion(), QString("[Transfer] Savings"));
    typeFields({"Landlord"});
    RegisterModel *model = m_screen->model();
    QCOMPARE(model->entryText(Slot::Payment), QString("950.00"));
    QCOMPARE(model->entryText(Slot::Category), QString("Groceries"));
    QCOMPARE(model->entryText(Slot::CategoryId), groceries->id);
    QCOMPARE(model->entryText(Slot::Memo), QString("rent"));

    // On a stored row the payee alone changes.
    const int stored = model->rowForId(m_state->transactionRepository()->findByAccount(m_checking).at(0).id);
    m_screen->view()->setCurrentIndex(model->index(stored, RegisterModel::Memo));
    QTest::keyClick(m_screen->view(), Qt::Key_Return);
    qobject_cast<QLineEdit *>(focus())->selectAll();
    type("changed");
    key(Qt::Key_Return);
    QCOMPARE(model->entryText(Slot::Memo), QString("changed"));
    QCOMPARE(model->entryText(Slot::Payment), QString("950.00"));
}

void tst_RegisterScreen::arrowKeysSkipBalanceAndDropTypedText()
{
    addTransaction(m_checking, "Stored", -500, QDate(2024, 5, 1));
    openScreen(m_checking);
    RegisterModel *model = m_screen->model();
    m_screen->focusNewRow();
    typeFields({"", "", "Half typed"});
    QCOMPARE(model->entryText(Slot::Payee), QString("Half typed"));
    key(Qt::Key_Escape);
    QTest::keyClick(m_screen->view(), Qt::Key_Up);
    QCOMPARE(m_screen->view()->currentIndex().row(), 0);
    QCOMPARE(model->entryText(Slot::Payee), QString("Stored"));
    QTest::keyClick(m_screen->view(), Qt::Key_Down);
    QCOMPARE(model->entryText(Slot::Payee), QString());

    m_screen->view()->setCurrentIndex(model->index(0, RegisterModel::Cleared));
    QTest::keyClick(m_screen->view(), Qt::Key_Right);
    QCOMPARE(m_screen->view()->currentIndex().column(), int(RegisterModel::Cleared));
}

void tst_RegisterScreen::tabMovesFieldByField()
{
    openScreen(m_checking);
    m_screen->focusNewRow();
    type("7/4/2024");
    key(Qt::Key_Tab);
    QCoreApplication::processEvents();
    QCOMPARE(m_screen->view()->currentIndex().column(), int(RegisterModel::CheckNumber));
    QVERIFY(m_screen->view()->isEditing());
    QCOMPARE(m_screen->model()->entryText(Slot::Date), QString("7/4/2024"));
    type("77");
    key(Qt::Key_Tab);
    QCoreApplication::processEvents();
    QCOMPARE(m_screen->view()->currentIndex().column(), int(RegisterModel::Payee));
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    QCoreApplication::processEvents();
    QCOMPARE(m_screen->view()->currentIndex().column(), int(RegisterModel::CheckNumber));
    QCOMPARE(qobject_cast<QLineEdit *>(focus())->text(), QString("77"));

    // A hidden column is skipped.
    m_screen->view()->setColumnHidden(RegisterModel::Category, true);
    key(Qt::Key_Tab);
    QCoreApplication::processEvents();
    key(Qt::Key_Tab);
    QCoreApplication::processEvents();
    QCOMPARE(m_screen->view()->currentIndex().column(), int(RegisterModel::Memo));
    QCOMPARE(stored(m_checking).size(), 0);
}

void tst_RegisterScreen::twoLineModeEditsPayeeAndMemoTogether()
{
    m_state->preferencesRepository()->setBool("registerTwoLine", true);
    openScreen(m_checking);
    RegisterTableView *view = m_screen->view();
    QVERIFY(view->isColumnHidden(RegisterModel::Memo));
    QCOMPARE(view->rowHeight(0), 52);
    QCOMPARE(m_screen->model()->headerData(RegisterModel::Payee, Qt::Horizontal).toString(), QString("Payee / Memo"));

    m_screen->focusNewRow();
    typeFields({"", ""});
    QCOMPARE(focus()->objectName(), QString("payeeEdit"));
    QWidget *container = focus()->parentWidget();
    QCOMPARE(container->objectName(), QString("PayeeMemoEditor"));
    QCOMPARE(container->height(), 52);
    type("Cafe");
    key(Qt::Key_Tab);
    QCOMPARE(focus()->objectName(), QString("memoEdit"));
    type("latte");
    key(Qt::Key_Tab);
    QCoreApplication::processEvents();
    QCOMPARE(view->currentIndex().column(), int(RegisterModel::Category));
    QVERIFY(focus() != nullptr && focus()->objectName() != "memoEdit");
    // Every other editor covers only the first line.
    QWidget *category = focus();
    while (category && category->parentWidget() != view->viewport())
        category = category->parentWidget();
    QVERIFY(category);
    QCOMPARE(category->height(), 36);
    key(Qt::Key_Return);
    type("4.50");
    key(Qt::Key_Return, Qt::ControlModifier);

    const QList<Transaction> rows = stored(m_checking);
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.at(0).payee, QString("Cafe"));
    QCOMPARE(rows.at(0).memo, QString("latte"));
    QCOMPARE(rows.at(0).amount, qint64(-450));
}

void tst_RegisterScreen::editedRowMovesToFollowingRow()
{
    const QString first = addTransaction(m_checking, "First", -100, QDate(2024, 1, 1));
    addTransaction(m_checking, "Second", -200, QDate(2024, 1, 2));
    openScreen(m_checking);
    RegisterModel *model = m_screen->model();
    const int row = model->rowForId(first);
    m_screen->view()->setCurrentIndex(model->index(row, RegisterModel::Payee));
    QTest::keyClick(m_screen->view(), Qt::Key_Return);
    qobject_cast<QLineEdit *>(focus())->selectAll();
    type("Renamed");
    key(Qt::Key_Return, Qt::ControlModifier);
    const std::optional<Transaction> t = m_state->transactionRepository()->findById(first);
    QCOMPARE(t->payee, QString("Renamed"));
    QCOMPARE(t->amount, qint64(-100));
    QCOMPARE(t->version, 2);
    QCOMPARE(m_screen->view()->currentIndex().row(), model->rowForId(first) + 1);
    QCOMPARE(m_screen->view()->currentIndex().column(), int(RegisterModel::Date));
}

void tst_RegisterScreen::mainWindowHostsRegister()
{
    MainWindow window(m_state.get());
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.selectAccount(m_savings);
    RegisterScreen *screen = window.registerScreen();
    QVERIFY(screen);
    QCOMPARE(window.currentPage(), MainWindow::Page::Register);
    QCOMPARE(screen->accountId(), m_savings);
    QCOMPARE(screen->titleLabel()->text(), QString("Savings"));

    QAction *newTransaction = nullptr;
    for (QAction *menu : window.menuBar()->actions()) {
        for (QAction *action : menu->menu() ? menu->menu()->actions() : QList<QAction *>()) {
            if (action->text() == "&New Transaction")
                newTransaction = action;
        }
    }
    QVERIFY(newTransaction);
    QVERIFY(newTransaction->isEnabled());
    newTransaction->trigger();
    QVERIFY(screen->view()->isEditing());
    QCOMPARE(screen->view()->currentIndex().row(), screen->model()->newRowPosition());
    QCOMPARE(screen->view()->currentIndex().column(), int(RegisterModel::Date));

    // A transfer between currencies reaches the window's status bar.
    const QString euro = addAccount("Euro Wallet", Currency::EUR, 0, 2);
    typeFields({"", "", "[Transfer] Euro Wallet", "", ""});
    type("20.00");
    key(Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(window.statusBarWidget()->currentMessage(),
             QString("Transfers require both accounts to use the same currency"));
    QCOMPARE(stored(euro).size(), 0);
    // The refused entry stays open at its payee, as typed.
    QVERIFY(screen->view()->isEditing());
    QCOMPARE(screen->view()->currentIndex().column(), int(RegisterModel::Payee));
    QCOMPARE(screen->model()->entryText(Slot::Payment), QString("20.00"));
    key(Qt::Key_Escape);

    // Switching the two-line preference reloads the register.
    QVERIFY(!screen->view()->isEditing());
    QVERIFY(!screen->view()->isColumnHidden(RegisterModel::Memo));
    m_state->preferencesRepository()->setBool("registerTwoLine", true);
    QVERIFY(screen->view()->isColumnHidden(RegisterModel::Memo));
    QCOMPARE(screen->view()->rowHeight(0), 52);
}

void tst_RegisterScreen::ctrlEOpensSeededForm()
{
    openScreen(m_checking);
    m_screen->focusNewRow();
    typeFields({"2/29/2024", "", "Bakery"});
    QString seededPayee;
    QDate seededDate;
    QTimer::singleShot(0, this, [&] {
        auto *dialog = qobject_cast<TransactionFormDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        seededPayee = dialog->payeeEdit()->text();
        seededDate = dialog->transaction().date;
        dialog->amountField()->setFocus();
        dialog->amountField()->selectAll();
        QTest::keyClicks(dialog->amountField(), "8.25");
        dialog->accept();
    });
    key(Qt::Key_E, Qt::ControlModifier);
    QCOMPARE(seededPayee, QString("Bakery"));
    QCOMPARE(seededDate, QDate(2024, 2, 29));
    const QList<Transaction> rows = stored(m_checking);
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.at(0).payee, QString("Bakery"));
    QCOMPARE(rows.at(0).amount, qint64(-825));
    // The seed's texts are gone from the new row.
    QCOMPARE(m_screen->model()->entryText(Slot::Payee), QString());
    QCOMPARE(m_screen->view()->currentIndex().row(), m_screen->model()->newRowPosition());
}

void tst_RegisterScreen::headerMenuHidesColumns()
{
    openScreen(m_checking);
    QStringList disabled;
    QTimer::singleShot(0, this, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction *action : menu->actions()) {
            if (action->isCheckable() && !action->isEnabled())
                disabled << action->text();
        }
        for (QAction *action : menu->actions()) {
            if (action->text() == "Chk #")
                action->trigger();
        }
        menu->close();
    });
    m_screen->showHeaderContextMenu(QPoint(10, 5));
    QCOMPARE(disabled, QStringList({"Date", "Balance"}));
    QVERIFY(m_screen->view()->isColumnHidden(RegisterModel::CheckNumber));
    QCOMPARE(QSettings().value("register/colHidden/1").toBool(), true);
    // Hidden stays hidden on the next start; the reset brings it back.
    m_screen.reset();
    openScreen(m_checking);
    QVERIFY(m_screen->view()->isColumnHidden(RegisterModel::CheckNumber));
    m_screen->resetColumnLayout();
    QVERIFY(!m_screen->view()->isColumnHidden(RegisterModel::CheckNumber));
    QVERIFY(!QSettings().contains("register/colHidden/1"));
}

void tst_RegisterScreen::rowContextMenu_data()
{
    QTest::addColumn<bool>("onNewRow");
    QTest::addColumn<bool>("cleared");
    QTest::addColumn<QStringList>("entries");   // "" stands for a separator
    QTest::addColumn<QString>("choice");
    QTest::addColumn<int>("storedAfter");
    QTest::addColumn<bool>("clearedAfter");

    const QStringList common = {"&Insert New", "&New Transaction..."};
    const auto rowEntries = [&common](const QString &clearedEntry) {
        return common
               + QStringList({"", "Show &Details...", "&Split Transaction...", "&Edit in Dialog...", clearedEntry,
                              "&Delete"});
    };
    QTest::newRow("markCleared") << false << false << rowEntries("Mark &Cleared") << "Mark &Cleared" << 1 << true;
    QTest::newRow("markUncleared") << false << true << rowEntries("Mark &Uncleared") << "Mark &Uncleared" << 1
                                   << false;
    QTest::newRow("delete") << false << false << rowEntries("Mark &Cleared") << "&Delete" << 0 << false;
    QTest::newRow("newRowInsertNew") << true << false << (common + QStringList({"&Edit in Dialog..."}))
                                     << "&Insert New" << 1 << false;
}

void tst_RegisterScreen::rowContextMenu()
{
    QFETCH(bool, onNewRow);
    QFETCH(bool, cleared);
    QFETCH(QStringList, entries);
    QFETCH(QString, choice);
    QFETCH(int, storedAfter);
    QFETCH(bool, clearedAfter);

    const QString id = addTransaction(m_checking, "Gym", -3500, QDate(2024, 4, 20));
    if (cleared) {
        Transaction t = *m_state->transactionRepository()->findById(id);
        t.cleared = true;
        QVERIFY(m_state->transactionRepository()->update(t));
    }
    openScreen(m_checking);
    RegisterModel *model = m_screen->model();
    const int row = onNewRow ? model->newRowPosition() : model->rowForId(id);
    QVERIFY(row >= 0);
    const QPoint where = m_screen->view()->visualRect(model->index(row, RegisterModel::Payee)).center();

    bool menuOpened = false;
    QStringList shown;
    QStringList disabled;
    QMap<QString, QString> visibleKeys;
    QTimer::singleShot(0, this, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        menuOpened = true;
        QAction *chosen = nullptr;
        for (QAction *action : menu->actions()) {
            shown << (action->isSeparator() ? QString() : action->text());
            if (!action->isSeparator() && !action->isEnabled())
                disabled << action->text();
            if (action->isShortcutVisibleInContextMenu())
                visibleKeys.insert(action->text(), action->shortcut().toString());
            if (action->text() == choice)
                chosen = action;
        }
        if (!chosen) {
            menu->close();
            return;
        }
        menu->setActiveAction(chosen);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    // A right click, then the context-menu event the window system makes of it.
    QTest::mouseClick(m_screen->view()->viewport(), Qt::RightButton, {}, where);
    QContextMenuEvent event(QContextMenuEvent::Mouse, where, m_screen->view()->viewport()->mapToGlobal(where));
    QApplication::sendEvent(m_screen->view()->viewport(), &event);
    QVERIFY(menuOpened);
    QCOMPARE(shown, entries);
    QCOMPARE(disabled, QStringList());

    const QList<Transaction> rows = stored(m_checking);
    QCOMPARE(rows.size(), storedAfter);
    if (onNewRow) {
        QVERIFY(visibleKeys.isEmpty() || visibleKeys.value("&Edit in Dialog...") == "Ctrl+E");
        QTRY_VERIFY(m_screen->view()->isEditing());
        QCOMPARE(m_screen->view()->currentIndex().row(), model->newRowPosition());
        QCOMPARE(m_screen->view()->currentIndex().column(), int(RegisterModel::Date));
    } else {
        QCOMPARE(visibleKeys.value("Show &Details..."), QString("Alt+Return"));
        QCOMPARE(visibleKeys.value("&Edit in Dialog..."), QString("Ctrl+E"));
        QCOMPARE(visibleKeys.value("&Delete"), QString("Ctrl+D"));
    }
    if (storedAfter > 0) {
        QCOMPARE(rows.at(0).cleared, clearedAfter);
        QVERIFY(m_boxes.isEmpty());
        QCOMPARE(model->index(model->rowForId(id), RegisterModel::Cleared).data().toString(),
                 clearedAfter ? QString("C") : QString());
    } else {
        QCOMPARE(m_boxes.size(), 1);
        QCOMPARE(m_boxes.at(0).title, QString("Delete Transaction"));
        QCOMPARE(m_boxes.at(0).text, QString("Delete \"Gym\" for $35.00?"));
        QVERIFY(model->rowForId(id) < 0);
    }
}

void tst_RegisterScreen::altReturnShowsDetails_data()
{
    QTest::addColumn<int>("pressed");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("onNewRow");
    QTest::addColumn<bool>("opens");
    QTest::newRow("altReturn") << int(Qt::Key_Return) << Qt::KeyboardModifiers(Qt::AltModifier) << false << true;
    QTest::newRow("altKeypadEnter") << int(Qt::Key_Enter)
                                    << Qt::KeyboardModifiers(Qt::AltModifier | Qt::KeypadModifier) << false << true;
    QTest::newRow("newRow") << int(Qt::Key_Return) << Qt::KeyboardModifiers(Qt::AltModifier) << true << false;
}

void tst_RegisterScreen::altReturnShowsDetails()
{
    QFETCH(int, pressed);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, onNewRow);
    QFETCH(bool, opens);

    addTransaction(m_checking, "Earlier", -100, QDate(2024, 4, 1));
    const QString id = addTransaction(m_checking, "Gym", -3500, QDate(2024, 4, 20), "membership");
    openScreen(m_checking);
    RegisterModel *model = m_screen->model();
    QCOMPARE(m_screen->view()->currentIndex().row(), model->newRowPosition());
    // From the new row, the arrow key reaches the latest transaction.
    if (!onNewRow) {
        QTest::keyClick(m_screen->view(), Qt::Key_Up);
        QCOMPARE(m_screen->view()->currentIndex().row(), model->rowForId(id));
    }

    bool opened = false;
    QString payee;
    QString memo;
    QString amount;
    QTimer::singleShot(0, this, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        opened = true;
        if (auto *dialog = qobject_cast<TransactionDetailsDialog *>(modal)) {
            payee = dialog->valueText("Payee:");
            memo = dialog->valueText("Memo:");
            amount = dialog->valueText("Amount:");
        }
        modal->close();
    });
    QTest::keyClick(m_screen->view(), Qt::Key(pressed), modifiers);
    QCoreApplication::processEvents();
    QCOMPARE(opened, opens);
    if (opens) {
        QCOMPARE(payee, QString("Gym"));
        QCOMPARE(memo, QString("membership"));
        QVERIFY2(amount.contains("35.00"), qPrintable(amount));
    }
    QCOMPARE(stored(m_checking).size(), 2);
}

void tst_RegisterScreen::ctrlEEditsStoredRowInForm_data()
{
    QTest::addColumn<bool>("transfer");
    QTest::addColumn<bool>("inSavings");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<qint64>("checkingAfter");
    QTest::newRow("payment") << false << false << "42.10" << qint64(-4210);
    QTest::newRow("transferOutOfChecking") << true << false << "60.00" << qint64(-6000);
    QTest::newRow("transferIntoSavings") << true << true << "12.34" << qint64(-1234);
}

void tst_RegisterScreen::ctrlEEditsStoredRowInForm()
{
    QFETCH(bool, transfer);
    QFETCH(bool, inSavings);
    QFETCH(QString, typed);
    QFETCH(qint64, checkingAfter);

    QString checkingId;
    QString savingsId;
    if (transfer)
        std::tie(checkingId, savingsId) = addTransfer(m_checking, m_savings, -5000, QDate(2024, 5, 10));
    else
        checkingId = addTransaction(m_checking, "Gym", -3500, QDate(2024, 4, 20), "membership");
    const QString edited = inSavings ? savingsId : checkingId;
    openScreen(inSavings ? m_savings : m_checking);
    RegisterModel *model = m_screen->model();
    QTest::keyClick(m_screen->view(), Qt::Key_Up);
    QCOMPARE(m_screen->view()->currentIndex().row(), model->rowForId(edited));

    bool editMode = false;
    QString payeeShown;
    bool deposit = false;
    QTimer::singleShot(0, this, [&] {
        auto *dialog = qobject_cast<TransactionFormDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        editMode = dialog->isEditMode();
        payeeShown = dialog->payeeEdit()->text();
        deposit = dialog->depositButton()->isChecked();
        dialog->amountField()->setFocus();
        dialog->amountField()->selectAll();
        QTest::keyClicks(dialog->amountField(), typed);
        QTest::mouseClick(dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
        if (dialog->isVisible())
            dialog->reject();
    });
    QTest::keyClick(m_screen->view(), Qt::Key_E, Qt::ControlModifier);
    QVERIFY(editMode);
    QCOMPARE(payeeShown, model->rowAt(model->rowForId(edited))->payee);
    QCOMPARE(deposit, inSavings);

    const std::optional<Transaction> checking = m_state->transactionRepository()->findById(checkingId);
    QVERIFY(checking);
    QCOMPARE(checking->amount, checkingAfter);
    if (transfer) {
        const std::optional<Transaction> savings = m_state->transactionRepository()->findById(savingsId);
        QVERIFY(savings);
        QCOMPARE(savings->amount, -checkingAfter);
        QCOMPARE(savings->transferLinkId, checkingId);
        QCOMPARE(checking->transferLinkId, savingsId);
    } else {
        QCOMPARE(checking->memo, QString("membership"));
        QCOMPARE(checking->version, 2);
    }
    // The register shows the stored amount.
    const qint64 shown = inSavings ? -checkingAfter : checkingAfter;
    const int row = model->rowForId(edited);
    QCOMPARE(model->index(row, shown < 0 ? RegisterModel::Payment : RegisterModel::Deposit).data().toString(),
             formatAmount(shown < 0 ? -shown : shown, Currency::USD));
}

void tst_RegisterScreen::unreadableEntryIsRefusedAndKept_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("payment");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("column");
    QTest::newRow("letters") << "" << "abc" << "\"abc\" is not an amount" << int(RegisterModel::Payment);
    QTest::newRow("tooLarge") << "" << "99999999999999999999" << "\"99999999999999999999\" is not an amount"
                              << int(RegisterModel::Payment);
    QTest::newRow("impossibleDate") << "2/30/2026" << "12.00" << "\"2/30/2026\" is not a date"
                                    << int(RegisterModel::Date);
}

void tst_RegisterScreen::unreadableEntryIsRefusedAndKept()
{
    QFETCH(QString, date);
    QFETCH(QString, payment);
    QFETCH(QString, message);
    QFETCH(int, column);
    openScreen(m_checking);
    m_screen->focusNewRow();
    typeFields({date, "", "Hardware Store", "", ""});
    type(payment);
    key(Qt::Key_Return, Qt::ControlModifier);

    QCOMPARE(stored(m_checking).size(), 0);
    QCOMPARE(m_screen->statusLabel()->text(), message);
    // Back at the field at fault, with everything typed still there.
    QVERIFY(m_screen->view()->isEditing());
    QCOMPARE(m_screen->view()->currentIndex().column(), column);
    RegisterModel *model = m_screen->model();
    QCOMPARE(model->entryText(Slot::Payee), QString("Hardware Store"));
    QCOMPARE(model->entryText(Slot::Payment), payment);
    if (!date.isEmpty())
        QCOMPARE(model->entryText(Slot::Date), date);
}

void tst_RegisterScreen::halfTypedCategory_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("storedCategory");   // empty: refused
    QTest::newRow("uniquePrefix") << "Groc" << "Groceries";
    QTest::newRow("otherCase") << "groceries" << "Groceries";
    QTest::newRow("unknown") << "Zzyzx" << "";
}

void tst_RegisterScreen::halfTypedCategory()
{
    QFETCH(QString, typed);
    QFETCH(QString, storedCategory);
    openScreen(m_checking);
    m_screen->focusNewRow();
    typeFields({"", "", "Market"});
    QCOMPARE(m_screen->view()->currentIndex().column(), int(RegisterModel::Category));
    type(typed);
    // Return closes the completion list first, then leaves the field.
    key(Qt::Key_Return);
    if (m_screen->view()->currentIndex().column() == RegisterModel::Category && focus())
        key(Qt::Key_Return);
    key(Qt::Key_Return);
    type("8.00");
    key(Qt::Key_Return, Qt::ControlModifier);

    const QList<Transaction> rows = stored(m_checking);
    if (storedCategory.isEmpty()) {
        QCOMPARE(rows.size(), 0);
        QVERIFY(m_screen->statusLabel()->text().contains(typed));
        QCOMPARE(m_screen->view()->currentIndex().column(), int(RegisterModel::Category));
        return;
    }
    QCOMPARE(rows.size(), 1);
    const std::optional<Category> category = m_state->categoryRepository()->findByName(storedCategory);
    QVERIFY(category);
    QCOMPARE(rows.at(0).categoryId, category->id);
}

void tst_RegisterScreen::autoFillKeepsTypedFields()
{
    const std::optional<Category> groceries = m_state->categoryRepository()->findByName("Groceries");
    QVERIFY(groceries);
    addTransaction(m_checking, "Corner Grocery", -5423, QDate(2024, 5, 1), "weekly", groceries->id);
    openScreen(m_checking);
    m_screen->focusNewRow();
    typeFields({"", "", "Corner Grocery"});
    RegisterModel *model = m_screen->model();
    QCOMPARE(model->entryText(Slot::Payment), QString("54.23"));
    QCOMPARE(model->entryText(Slot::Memo), QString("weekly"));
    // Category, Memo, then the amount typed over the filled one.
    typeFields({"", "one-off"});
    QCOMPARE(m_screen->view()->currentIndex().column(), int(RegisterModel::Payment));
    qobject_cast<QLineEdit *>(focus())->selectAll();
    type("77.77");
    // Back to the payee and out of it again: nothing the person typed is
    // filled over.
    key(Qt::Key_Tab, Qt::ShiftModifier);
    m_screen->view()->setCurrentIndex(model->index(model->newRowPosition(), RegisterModel::Payee));
    QTest::keyClick(m_screen->view(), Qt::Key_Return);
    QVERIFY(m_screen->view()->isEditing());
    key(Qt::Key_Tab);
    QCOMPARE(model->entryText(Slot::Payment), QString("77.77"));
    QCOMPARE(model->entryText(Slot::Memo), QString("one-off"));
    key(Qt::Key_Return, Qt::ControlModifier);
    const QList<Transaction> rows = stored(m_checking);
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows.at(0).amount, qint64(-7777));
    QCOMPARE(rows.at(0).memo, QString("one-off"));
}

void tst_RegisterScreen::commandKeysFromInsideEditors()
{
    const QString id = addTransaction(m_checking, "Gym", -3500, QDate(2024, 4, 20));
    openScreen(m_checking);
    RegisterModel *model = m_screen->model();
    const int row = model->rowForId(id);
    m_screen->view()->setCurrentIndex(model->index(row, RegisterModel::Payee));
    QTest::keyClick(m_screen->view(), Qt::Key_Return);
    auto *editor = qobject_cast<QLineEdit *>(focus());
    QVERIFY(editor);
    editor->setCursorPosition(1);
    // Ctrl+D inside the payee editor deletes the transaction, not a letter.
    key(Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.at(0).title, QString("Delete Transaction"));
    QCOMPARE(stored(m_checking).size(), 0);
    // Edit › Undo brings it back.
    QVERIFY(m_state->undoHistory()->canUndo());
    QCOMPARE(m_state->undoHistory()->undoText(), QString("Delete Transaction"));
    QVERIFY(m_state->undoHistory()->undo().ok());
    QCOMPARE(stored(m_checking).size(), 1);
    QVERIFY(model->rowForId(id) >= 0);
}

void tst_RegisterScreen::apostropheInTextFields_data()
{
    QTest::addColumn<QString>("before");      // typed into the empty Payee first
    QTest::addColumn<QString>("expected");
    QTest::newRow("emptyFieldCopies") << "" << "Landlord";
    QTest::newRow("afterTextStaysText") << "Kids" << "Kids'";
}

void tst_RegisterScreen::apostropheInTextFields()
{
    QFETCH(QString, before);
    QFETCH(QString, expected);
    addTransaction(m_checking, "Landlord", -120000, QDate(2024, 5, 1));
    openScreen(m_checking);
    m_screen->focusNewRow();
    typeFields({"", ""});
    QCOMPARE(m_screen->view()->currentIndex().column(), int(RegisterModel::Payee));
    auto *edit = qobject_cast<QLineEdit *>(focus());
    QVERIFY(edit);
    if (!before.isEmpty())
        type(before);
    type("'");
    auto *after = qobject_cast<QLineEdit *>(focus());
    QVERIFY(after);
    QCOMPARE(after->text(), expected);
}

void tst_RegisterScreen::unsavedEntryWaitsForItsAccount()
{
    openScreen(m_checking);
    m_screen->focusNewRow();
    typeFields({"", "", "Half typed", ""});
    type("a memo");
    m_screen->setAccount(m_savings);
    RegisterModel *model = m_screen->model();
    QCOMPARE(model->entryText(Slot::Payee), QString());
    m_screen->setAccount(m_checking);
    QCOMPARE(model->entryText(Slot::Payee), QString("Half typed"));
    QCOMPARE(model->entryText(Slot::Memo), QString("a memo"));
    QCOMPARE(stored(m_checking).size(), 0);
    // Saved from where it was left.
    m_screen->view()->setCurrentIndex(model->index(model->newRowPosition(), RegisterModel::Payment));
    QTest::keyClick(m_screen->view(), Qt::Key_Return);
    type("5.00");
    key(Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(stored(m_checking).size(), 1);
    QCOMPARE(stored(m_checking).at(0).payee, QString("Half typed"));
}

void tst_RegisterScreen::transferEntryByIdInGerman()
{
    QTranslator german;
    QVERIFY(german.load(QStringLiteral(":/i18n/quillby_de.qm")));
    QCoreApplication::installTranslator(&german);
    const auto removeTranslator = qScopeGuard([&german] { QCoreApplication::removeTranslator(&german); });
    // Two accounts of the same name: the entry names the one chosen by id.
    const QString other = addAccount("Savings", Currency::USD, 0, 2);
    openScreen(m_checking);
    const QString entry = RegisterDelegate::transferEntryPrefix() + "Savings";
    QVERIFY(m_screen->delegate()->payeeCompletions().contains(entry));
    QVERIFY(entry != QStringLiteral("[Transfer] Savings"));
    m_screen->focusNewRow();
    typeFields({"5/10/2024", "", entry, "", ""});
    type("50.00");
    key(Qt::Key_Return, Qt::ControlModifier);

    const QList<Transaction> checking = stored(m_checking);
    QCOMPARE(checking.size(), 1);
    QCOMPARE(checking.at(0).amount, qint64(-5000));
    QCOMPARE(checking.at(0).transferDestAccountId, m_savings);
    QCOMPARE(stored(m_savings).size(), 1);
    QCOMPARE(stored(other).size(), 0);
    QCOMPARE(stored(m_savings).at(0).transferLinkId, checking.at(0).id);
}

void tst_RegisterScreen::retypedTransferPayeeMakesPlainRow()
{
    const auto [out, in] = addTransfer(m_checking, m_savings, -5000, QDate(2024, 5, 10));
    openScreen(m_checking);
    RegisterModel *model = m_screen->model();
    m_screen->view()->setCurrentIndex(model->index(model->rowForId(out), RegisterModel::Date));
    QTest::keyClick(m_screen->view(), Qt::Key_Return);
    typeFields({"", "", "Cash Withdrawal", "", ""});
    key(Qt::Key_Return, Qt::ControlModifier);
    const std::optional<Transaction> plain = m_state->transactionRepository()->findById(out);
    QVERIFY(plain);
    QCOMPARE(plain->payee, QString("Cash Withdrawal"));
    QVERIFY(plain->transferLinkId.isEmpty());
    QCOMPARE(plain->amount, qint64(-5000));
    // The other half went with the transfer.
    QCOMPARE(stored(m_savings).size(), 0);
    QVERIFY(m_state->transactionRepository()->findById(in)->deletedAt.has_value());
}

QTEST_MAIN(tst_RegisterScreen)
#include "tst_registerscreen.moc"
