#include "account/authclient.h"
#include "account/client.h"
#include "account/tokenmanager.h"
#include "app/appstate.h"
#include "common/testappstate.h"
#include "data/accountrepository.h"
#include "data/database.h"
#include "data/money.h"
#include "data/preferencesrepository.h"
#include "data/timestamps.h"
#include "data/transactionrepository.h"
#include "data/uuids.h"
#include "services/transactiondraft.h"
#include "services/transactionservice.h"
#include "ui/accountcard.h"
#include "ui/accountformdialog.h"
#include "ui/mainwindow.h"
#include "ui/messagebox.h"
#include "ui/screens/importscreen.h"
#include "ui/register/balancelabel.h"
#include "ui/register/registermodel.h"
#include "ui/register/registerscreen.h"
#include "ui/register/registertableview.h"
#include "ui/statusbar.h"
#include "ui/thememanager.h"
#include "ui/uisettings.h"
#include "ui/welcomescreen.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMenu>
#include <QSettings>
#include <QShortcut>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>

Q_DECLARE_METATYPE(Currency)

class tst_MainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void emptyDataSetShowsWelcomeOrEmptyPage();
    void signInStateDrivesMenuAndStatusBar();
    void listFollowsSortOrderThenName();
    void balancesColoursAndTotal();
    void totalText_data();
    void totalText();
    void severalCurrencyTotalsShowInFull();
    void largeBalancesElideInsteadOfWideningTheWindow();
    void subtitles();
    void altShortcutsCoverFirstTenAndFollowReorder();
    void dragReorderStoresPositions();
    void createAccountWithOpeningBalance_data();
    void createAccountWithOpeningBalance();
    void createAccountIsAllOrNothing();
    void deleteCurrentAccount();
    void deleteOtherAccountKeepsCurrent();
    void failedCascadeDeleteKeepsEverything();
    void rightClickKeepsCommandsOnCurrentAccount();
    void undoAndRedoFromEditMenu();
    void importMenuOpensOneImportScreen();
    void initialSelectionFallsBackToFirstAccount();
    void geometryFallback();
    void windowAppliesStoredAppearanceAndFollowsTheme();
    void savedChangeUpdatesOnlyWhatChanged_data();
    void savedChangeUpdatesOnlyWhatChanged();

private:
    QString addAccount(const QString &name, int sortOrder = 0, Currency currency = Currency::USD,
                       qint64 startingBalance = 0, AccountType type = AccountType::Checking);
    void addTransaction(const QString &accountId, qint64 amount, const QDate &date = QDate(2024, 1, 10));
    std::unique_ptr<MainWindow> makeWindow();
    AccountCard *cardAt(MainWindow &window, int row) const;
    QStringList listedIds(MainWindow &window) const;
    // Signs the online client in with a token no server ever checks: the
    // window reads only the sign-in state. Signing out is the client's own.
    void signInLocally();
    void signOutLocally();
    // Fills the next account form that opens and accepts it.
    void answerAccountForm(const QString &name, double balance, const QString &currency = "USD");

    std::unique_ptr<TestAppState> m_state;
    QList<MessageBox::Request> m_boxes;
    QMessageBox::StandardButton m_answer = QMessageBox::Yes;
};

void tst_MainWindow::initTestCase()
{
    TestAppState::redirectSettings();
    // Nothing listens here: a sign-out's request goes nowhere.
    qputenv("AUTH_BASE_URL", "http://127.0.0.1:9");
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    QCoreApplication::setOrganizationName("Orlindo");
    QCoreApplication::setApplicationName("QuillbyTest");
    MessageBox::setResponder([this](const MessageBox::Request &request) {
        m_boxes.append(request);
        return m_answer;
    });
}

void tst_MainWindow::init()
{
    QSettings().clear();
    m_boxes.clear();
    m_answer = QMessageBox::Yes;
    m_state = std::make_unique<TestAppState>();
    QVERIFY(m_state->initialize());
}

void tst_MainWindow::cleanup()
{
    m_state.reset();
}

QString tst_MainWindow::addAccount(const QString &name, int sortOrder, Currency currency, qint64 startingBalance,
                                   AccountType type)
{
    Account account;
    account.id = newUuid();
    account.name = name;
    account.sortOrder = sortOrder;
    account.currency = currency;
    account.type = type;
    account.startingBalance = startingBalance;
    account.createdAt = account.updatedAt = QDateTime::currentDateTimeUtc();
    if (!m_state->accountRepository()->insert(account))
        qFatal("cannot insert account");
    return account.id;
}

void tst_MainWindow::addTransaction(const QString &accountId, qint64 amount, const QDate &date)
{
    Transaction t;
    t.id = newUuid();
    t.accountId = accountId;
    t.date = date;
    t.payee = "Payee";
    t.amount = amount;
    t.createdAt = t.updatedAt = QDateTime::currentDateTimeUtc();
    if (!m_state->transactionRepository()->insert(t))
        qFatal("cannot insert transaction");
}

std::unique_ptr<MainWindow> tst_MainWindow::makeWindow()
{
    auto window = std::make_unique<MainWindow>(m_state.get());
    window->show();
    return window;
}

void tst_MainWindow::signInLocally()
{
    const QJsonObject claims{{"sub", "user-1"}, {"exp", double(QDateTime::currentSecsSinceEpoch() + 3600)}};
    const QByteArray payload = QJsonDocument(claims).toJson(QJsonDocument::Compact).toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
    m_state->client()->tokenManager()->setTokens(QStringLiteral("e30.%1.signature").arg(QString::fromLatin1(payload)), "refresh");
    m_state->client()->authClient()->initialize();
    QVERIFY(m_state->client()->isAuthenticated());
}

void tst_MainWindow::signOutLocally()
{
    m_state->client()->authClient()->logout();
}

AccountCard *tst_MainWindow::cardAt(MainWindow &window, int row) const
{
    return qobject_cast<AccountCard *>(window.accountList()->itemWidget(window.accountList()->item(row)));
}

QStringList tst_MainWindow::listedIds(MainWindow &window) const
{
    QStringList ids;
    for (int row = 0; row < window.accountList()->count(); ++row)
        ids << window.accountList()->item(row)->data(Qt::UserRole).toString();
    return ids;
}

void tst_MainWindow::answerAccountForm(const QString &name, double balance, const QString &currency)
{
    QTimer::singleShot(0, this, [=] {
        auto *dialog = qobject_cast<AccountFormDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        const QList<QLineEdit *> edits = dialog->findChildren<QLineEdit *>();
        for (QLineEdit *edit : edits) {
            if (edit->placeholderText() == "Account name")
                edit->setText(name);
        }
        auto *currencyBox = dialog->findChildren<QComboBox *>().at(1);
        currencyBox->setCurrentIndex(currencyBox->findData(currency));
        dialog->findChild<QDoubleSpinBox *>()->setValue(balance);
        dialog->findChild<QDateEdit *>()->setDate(QDate(2024, 2, 1));
        dialog->accept();
    });
}

void tst_MainWindow::emptyDataSetShowsWelcomeOrEmptyPage()
{
    auto window = makeWindow();
    QCOMPARE(window->accountList()->count(), 0);
    QCOMPARE(window->totalLabel()->text(), QStringLiteral("No accounts"));
    QCOMPARE(window->currentPage(), MainWindow::Page::Welcome);
    QCOMPARE(window->welcomeScreen()->titleText(), QStringLiteral("Welcome to\nOrlindo Quillby"));

    signInLocally();
    QVERIFY(window->isSignedIn());
    QCOMPARE(window->currentPage(), MainWindow::Page::Empty);
    signOutLocally();
    QVERIFY(!window->isSignedIn());
    QCOMPARE(window->currentPage(), MainWindow::Page::Welcome);

    QSettings().setValue("auth/hasSignedInBefore", true);
    signInLocally();
    signOutLocally();
    QCOMPARE(window->welcomeScreen()->titleText(), QStringLiteral("Welcome back"));
    QVERIFY(window->welcomeScreen()->isSignInAgainVisible());
    QVERIFY(!window->welcomeScreen()->isHowItWorksVisible());
}

void tst_MainWindow::signInStateDrivesMenuAndStatusBar()
{
    auto window = makeWindow();
    QVERIFY(!window->signOutAction()->isVisible());
    QCOMPARE(window->accountAction()->statusTip(), QStringLiteral("Sign in or sign up"));
    QVERIFY(window->accountAction()->isEnabled());
    QCOMPARE(window->statusBarWidget()->syncText(), QStringLiteral("Not signed in"));

    signInLocally();
    QVERIFY(window->signOutAction()->isVisible());
    QCOMPARE(window->accountAction()->statusTip(), QStringLiteral("Manage your account"));
    // No sync has run: the sync state as the bar first shows it.
    QCOMPARE(window->statusBarWidget()->syncText(), QStringLiteral("Offline"));

    // A sign-out that was asked for offers no new sign-in.
    window->signOutAction()->trigger();
    QVERIFY(!m_state->client()->isAuthenticated());
    QVERIFY(!window->signOutAction()->isVisible());
    QCOMPARE(window->statusBarWidget()->syncText(), QStringLiteral("Not signed in"));
    QVERIFY(!window->statusBarWidget()->isSignInOfferVisible());
}

void tst_MainWindow::listFollowsSortOrderThenName()
{
    const QString c = addAccount("Charlie", 1);
    const QString b = addAccount("Bravo", 1);
    const QString a = addAccount("Zulu", 0);
    auto window = makeWindow();
    QCOMPARE(listedIds(*window), (QStringList{a, b, c}));
}

void tst_MainWindow::balancesColoursAndTotal()
{
    const QString checking = addAccount("Checking", 0, Currency::USD, 10000);
    const QString card = addAccount("Card", 1);
    const QString zero = addAccount("Zero", 2);
    addTransaction(checking, -2500);
    addTransaction(checking, 500);
    addTransaction(card, -1999);
    auto window = makeWindow();

    QCOMPARE(cardAt(*window, 0)->balanceText(), QStringLiteral("$80.00"));
    QCOMPARE(cardAt(*window, 0)->balanceColor(), QStringLiteral("#66BB6A"));
    QCOMPARE(cardAt(*window, 1)->balanceText(), QStringLiteral("-$19.99"));
    QCOMPARE(cardAt(*window, 1)->balanceColor(), QStringLiteral("#FF8A80"));
    QCOMPARE(cardAt(*window, 2)->balanceText(), QStringLiteral("$0.00"));
    QCOMPARE(cardAt(*window, 2)->balanceColor(), QStringLiteral("#66BB6A"));
    QCOMPARE(window->totalLabel()->text(), QStringLiteral("Total: $60.01"));

    // A new transaction updates the sidebar without any other prompt.
    addTransaction(zero, 99);
    QCOMPARE(cardAt(*window, 2)->balanceText(), QStringLiteral("$0.99"));
    QCOMPARE(window->totalLabel()->text(), QStringLiteral("Total: $61.00"));
}

void tst_MainWindow::totalText_data()
{
    using Balances = QList<QPair<Currency, qint64>>;
    QTest::addColumn<Balances>("balances");
    QTest::addColumn<QString>("expected");

    QTest::newRow("none") << Balances{} << "No accounts";
    QTest::newRow("oneCurrency") << Balances{{Currency::USD, 123456}, {Currency::USD, -6}} << "Total: $1,234.50";
    QTest::newRow("dollarsAndYen") << Balances{{Currency::USD, 123456}, {Currency::JPY, 15000}}
                                   << "Total: $1,234.56\n¥15,000";
    QTest::newRow("sharedSymbolNamed") << Balances{{Currency::USD, 100}, {Currency::CAD, 250}, {Currency::EUR, 5}}
                                       << "Total: $1.00 USD\n$2.50 CAD\n€0.05";
    QTest::newRow("onlyEuro") << Balances{{Currency::EUR, -5}} << "Total: -€0.05";
}

void tst_MainWindow::totalText()
{
    using Balances = QList<QPair<Currency, qint64>>;
    QFETCH(Balances, balances);
    QFETCH(QString, expected);
    QCOMPARE(MainWindow::totalText(balances), expected);
}

void tst_MainWindow::severalCurrencyTotalsShowInFull()
{
    addAccount("Dollars", 0, Currency::USD, 25202109);
    addAccount("Euros", 1, Currency::EUR, 8230859);
    addAccount("Yen", 2, Currency::JPY, 9519100);
    addAccount("Pounds", 3, Currency::GBP, 5412345);
    auto window = makeWindow();
    window->resize(1024, 700);
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));

    QLabel *total = window->totalLabel();
    const QStringList lines = total->text().split(QLatin1Char('\n'));
    QCOMPARE(lines, (QStringList{"Total: $252,021.09", "€82,308.59", "¥9,519,100", "£54,123.45"}));
    const QFontMetrics metrics(total->font());
    QTRY_VERIFY2(total->height() >= lines.size() * metrics.height(),
                 qPrintable(QStringLiteral("height %1").arg(total->height())));
    for (const QString &line : lines)
        QVERIFY2(metrics.horizontalAdvance(line) <= total->contentsRect().width(), qPrintable(line));
    // The account list keeps the rest of the sidebar.
    QVERIFY(window->accountList()->height() > total->height());
}

void tst_MainWindow::largeBalancesElideInsteadOfWideningTheWindow()
{
    const QString id = addAccount("Household Joint Checking for Bills and Savings", 0, Currency::USD, 0);
    addAccount("Brokerage", 1, Currency::USD, 99999999999999);
    addTransaction(id, 123456789012345);
    addTransaction(id, -98765432109876, QDate(2024, 1, 11));
    auto window = makeWindow();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    window->selectAccount(id);
    QCOMPARE(window->currentPage(), MainWindow::Page::Register);

    QVERIFY2(window->minimumSizeHint().width() <= 1024,
             qPrintable(QString::number(window->minimumSizeHint().width())));
    window->resize(1024, 700);
    QTRY_COMPARE(window->width(), 1024);

    // The register keeps its Balance column in view.
    RegisterScreen *screen = window->registerScreen();
    QHeaderView *header = screen->view()->horizontalHeader();
    QTRY_VERIFY(header->sectionViewportPosition(RegisterModel::Balance) + header->sectionSize(RegisterModel::Balance)
                <= screen->view()->viewport()->width());
    // The header labels keep their whole texts, whether or not they are shown cut short.
    auto *balance = qobject_cast<BalanceLabel *>(screen->balanceValueLabel());
    QVERIFY(balance);
    QCOMPARE(balance->fullText(), formatMoney(123456789012345 - 98765432109876, Currency::USD));
    auto *title = qobject_cast<ElidedLabel *>(screen->titleLabel());
    QVERIFY(title);
    QCOMPARE(title->fullText(), QStringLiteral("Household Joint Checking for Bills and Savings"));
    // With room for the amounts but not for everything, the title gives way first.
    QVERIFY(title->isElided());
    QVERIFY(!balance->isElided());
    QVERIFY(!qobject_cast<BalanceLabel *>(screen->unclearedValueLabel())->isElided());

    // In the sidebar each card's balance stays inside the card.
    for (int row = 0; row < 2; ++row) {
        AccountCard *card = cardAt(*window, row);
        auto *amount = card->findChild<BalanceLabel *>();
        QVERIFY(amount);
        QVERIFY(amount->mapTo(card, QPoint(amount->width(), 0)).x() <= card->width());
        QVERIFY(amount->width() >= amount->minimumSizeHint().width());
    }
}

void tst_MainWindow::subtitles()
{
    Account withBank;
    withBank.institution = "First Bank";
    withBank.accountNumberLast4 = "1234";
    QCOMPARE(AccountCard::subtitleFor(withBank), QStringLiteral("First Bank  ·  *1234"));
    Account plain;
    plain.type = AccountType::CreditCard;
    QCOMPARE(AccountCard::subtitleFor(plain), QStringLiteral("Credit Card"));
    plain.accountNumberLast4 = "9";
    QCOMPARE(AccountCard::subtitleFor(plain), QStringLiteral("Credit Card  ·  *9"));
}

void tst_MainWindow::altShortcutsCoverFirstTenAndFollowReorder()
{
    QStringList ids;
    for (int i = 0; i < 12; ++i)
        ids << addAccount(QStringLiteral("Account %1").arg(i, 2, 10, QLatin1Char('0')), i);
    auto window = makeWindow();

    const QList<QShortcut *> shortcuts = window->accountShortcuts();
    QCOMPARE(shortcuts.size(), 10);
    QCOMPARE(shortcuts.at(0)->key(), QKeySequence("Alt+1"));
    QCOMPARE(shortcuts.at(8)->key(), QKeySequence("Alt+9"));
    QCOMPARE(shortcuts.at(9)->key(), QKeySequence("Alt+0"));

    Q_EMIT shortcuts.at(9)->activated();
    QCOMPARE(m_state->currentAccountId(), ids.at(9));
    QCOMPARE(window->accountList()->currentRow(), 9);

    // Move the last account to the top: the shortcuts follow the new order.
    QList<QPair<QString, int>> order{{ids.at(11), 0}};
    for (int i = 0; i < 11; ++i)
        order.append({ids.at(i), i + 1});
    QVERIFY(m_state->accountRepository()->updateSortOrders(order));
    Q_EMIT window->accountShortcuts().at(0)->activated();
    QCOMPARE(m_state->currentAccountId(), ids.at(11));
    Q_EMIT window->accountShortcuts().at(9)->activated();
    QCOMPARE(m_state->currentAccountId(), ids.at(8));
}

void tst_MainWindow::dragReorderStoresPositions()
{
    const QString a = addAccount("A", 0);
    const QString b = addAccount("B", 1);
    const QString c = addAccount("C", 2);
    auto window = makeWindow();
    // What a drop does to the list's model: row 2 moves to the top.
    QVERIFY(window->accountList()->model()->moveRow(QModelIndex(), 2, QModelIndex(), 0));
    QCOMPARE(listedIds(*window), (QStringList{c, a, b}));
    const QList<Account> stored = m_state->accountRepository()->findAll();
    QCOMPARE(stored.at(0).id, c);
    QCOMPARE(stored.at(0).sortOrder, 0);
    QCOMPARE(stored.at(2).id, b);
    QCOMPARE(stored.at(2).sortOrder, 2);
}

void tst_MainWindow::createAccountWithOpeningBalance_data()
{
    QTest::addColumn<double>("entered");
    QTest::addColumn<QString>("currency");
    QTest::addColumn<qint64>("openingAmount");
    QTest::newRow("negativeDollars") << -250.75 << "USD" << qint64(-25075);
    QTest::newRow("zero") << 0.0 << "USD" << qint64(0);
    QTest::newRow("yenHasNoCents") << 1500.0 << "JPY" << qint64(1500);
}

void tst_MainWindow::createAccountWithOpeningBalance()
{
    QFETCH(double, entered);
    QFETCH(QString, currency);
    QFETCH(qint64, openingAmount);

    auto window = makeWindow();
    answerAccountForm("Everyday", entered, currency);
    window->showNewAccountDialog();

    const QList<Account> accounts = m_state->accountRepository()->findAll();
    QCOMPARE(accounts.size(), 1);
    QCOMPARE(accounts.at(0).name, QStringLiteral("Everyday"));
    QCOMPARE(accounts.at(0).startingBalance, qint64(0));
    QCOMPARE(m_state->currentAccountId(), accounts.at(0).id);
    QCOMPARE(window->currentPage(), MainWindow::Page::Register);

    const QList<RegisterRow> rows = m_state->transactionRepository()->findRegisterRows(accounts.at(0).id);
    if (openingAmount == 0) {
        QVERIFY(rows.isEmpty());
        return;
    }
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.at(0).payee, QStringLiteral("Opening Balance"));
    QCOMPARE(rows.at(0).amount, openingAmount);
    QCOMPARE(rows.at(0).date, QDate(2024, 2, 1));
    QVERIFY(rows.at(0).cleared);
    QVERIFY(rows.at(0).reconciled);
    QVERIFY(!rows.at(0).id.isEmpty());
}

void tst_MainWindow::createAccountIsAllOrNothing()
{
    QSqlQuery(m_state->database()->connection())
        .exec("CREATE TRIGGER refuse BEFORE INSERT ON transactions BEGIN SELECT RAISE(ABORT, 'refused'); END");
    auto window = makeWindow();
    answerAccountForm("Doomed", 12.34);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^TransactionRepository::insert failed:.*refused"));
    window->showNewAccountDialog();
    QVERIFY(m_state->accountRepository()->findAll().isEmpty());
    QCOMPARE(window->accountList()->count(), 0);
}

void tst_MainWindow::deleteCurrentAccount()
{
    const QString a = addAccount("A", 0);
    const QString b = addAccount("B", 1);
    addTransaction(a, 100);
    auto window = makeWindow();
    window->selectAccount(a);

    m_answer = QMessageBox::No;
    window->deleteCurrentAccount();
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.at(0).title, QStringLiteral("Delete Account"));
    QVERIFY(m_boxes.at(0).text.startsWith("Delete \"A\"?"));
    QCOMPARE(window->accountList()->count(), 2);

    m_answer = QMessageBox::Yes;
    window->deleteCurrentAccount();
    QCOMPARE(listedIds(*window), QStringList{b});
    QVERIFY(m_state->currentAccountId().isEmpty());
    QCOMPARE(window->currentPage(), MainWindow::Page::Welcome);
    QVERIFY(m_state->transactionRepository()->findByAccount(a).isEmpty());
    QVERIFY(m_state->accountRepository()->findById(a)->deletedAt.has_value());
}

void tst_MainWindow::deleteOtherAccountKeepsCurrent()
{
    const QString a = addAccount("A", 0);
    const QString b = addAccount("B", 1);
    auto window = makeWindow();
    window->selectAccount(a);
    window->deleteAccount(b);
    QCOMPARE(m_state->currentAccountId(), a);
    QCOMPARE(window->currentPage(), MainWindow::Page::Register);
    QCOMPARE(listedIds(*window), QStringList{a});
    QCOMPARE(window->accountList()->currentRow(), 0);
}

void tst_MainWindow::failedCascadeDeleteKeepsEverything()
{
    const QString a = addAccount("A", 0);
    addTransaction(a, 100);
    addTransaction(a, 200);
    QSqlQuery(m_state->database()->connection())
        .exec("CREATE TRIGGER refuse BEFORE UPDATE OF deleted_at ON accounts BEGIN SELECT RAISE(ABORT, 'refused'); END");
    auto window = makeWindow();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^AccountRepository::softDelete failed:.*refused"));
    window->deleteAccount(a);
    QCOMPARE(m_state->transactionRepository()->findByAccount(a).size(), 2);
    QVERIFY(!m_state->accountRepository()->findById(a)->deletedAt.has_value());
    QCOMPARE(listedIds(*window), QStringList{a});
}

void tst_MainWindow::rightClickKeepsCommandsOnCurrentAccount()
{
    const QString checking = addAccount("Checking", 0);
    const QString visa = addAccount("Visa Card", 1);
    auto window = makeWindow();
    window->selectAccount(checking);
    QListWidget *list = window->accountList();
    const QPoint onVisa = list->visualItemRect(list->item(1)).center();
    // Right-click "Visa Card", choose Delete, answer No.
    m_answer = QMessageBox::No;
    QTimer::singleShot(0, this, [this] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction *action : menu->actions()) {
            if (action->text() == QStringLiteral("Delete \"Visa Card\""))
                action->trigger();
        }
        menu->close();
    });
    QTest::mouseClick(list->viewport(), Qt::RightButton, {}, onVisa);
    QMetaObject::invokeMethod(list, "customContextMenuRequested", Q_ARG(QPoint, onVisa));
    QCOMPARE(m_boxes.size(), 1);
    QVERIFY(m_state->accountRepository()->findById(visa)->deletedAt == std::nullopt);
    // The highlight is back on the account the register and the commands act on.
    QCOMPARE(m_state->currentAccountId(), checking);
    QCOMPARE(list->currentItem()->data(Qt::UserRole).toString(), checking);
    QCOMPARE(window->registerScreen()->accountId(), checking);
}

void tst_MainWindow::undoAndRedoFromEditMenu()
{
    const QString a = addAccount("A", 0);
    addTransaction(a, 100);
    auto window = makeWindow();
    QAction *undo = nullptr;
    QAction *redo = nullptr;
    for (QAction *menu : window->menuBar()->actions()) {
        for (QAction *action : menu->menu() ? menu->menu()->actions() : QList<QAction *>()) {
            if (action->shortcut() == QKeySequence(QStringLiteral("Ctrl+Z")))
                undo = action;
            if (action->shortcut() == QKeySequence(QStringLiteral("Ctrl+Shift+Z")))
                redo = action;
        }
    }
    QVERIFY(undo && redo);
    QVERIFY(!undo->isEnabled());
    QCOMPARE(undo->text(), QStringLiteral("&Undo"));

    window->deleteAccount(a);
    QCOMPARE(listedIds(*window), QStringList());
    QVERIFY(undo->isEnabled());
    QCOMPARE(undo->text(), QStringLiteral("&Undo Delete Account"));
    undo->trigger();
    QCOMPARE(listedIds(*window), QStringList{a});
    QCOMPARE(m_state->transactionRepository()->findByAccount(a).size(), 1);
    QCOMPARE(redo->text(), QStringLiteral("&Redo Delete Account"));
    redo->trigger();
    QCOMPARE(listedIds(*window), QStringList());
    QCOMPARE(m_state->transactionRepository()->findByAccount(a).size(), 0);
}

void tst_MainWindow::importMenuOpensOneImportScreen()
{
    addAccount("A", 0);
    auto window = makeWindow();
    auto *import = window->findChild<QAction *>(QStringLiteral("importAction"));
    QVERIFY(import);
    QVERIFY(import->isEnabled());
    QCOMPARE(import->text(), QStringLiteral("&Import..."));
    import->trigger();
    auto *screen = window->findChild<ImportScreen *>();
    QVERIFY(screen);
    QVERIFY(screen->isVisible());
    QVERIFY(screen->isWindow());
    QCOMPARE(screen->windowTitle(), QStringLiteral("Import Transactions"));
    QCOMPARE(screen->size(), QSize(650, 600));

    // The second time shows the same screen, started afresh.
    screen->setFormat(ImportScreen::Format::Qif);
    screen->close();
    import->trigger();
    QCOMPARE(window->findChildren<ImportScreen *>().size(), 1);
    QVERIFY(screen->isVisible());
    QCOMPARE(screen->format(), ImportScreen::Format::Csv);
}

void tst_MainWindow::initialSelectionFallsBackToFirstAccount()
{
    const QString a = addAccount("A", 0);
    addAccount("B", 1);
    m_state->setCurrentAccountId("no-such-account");
    auto window = makeWindow();
    QCOMPARE(m_state->currentAccountId(), a);
    QCOMPARE(window->currentPage(), MainWindow::Page::Register);
}

void tst_MainWindow::geometryFallback()
{
    QSettings().setValue("mainwindow/geometry", QByteArray("garbage"));
    {
        MainWindow window(m_state.get());
        QCOMPARE(window.size(), QSize(1280, 900));
        window.resize(900, 700);
        window.show();
        window.close();
    }
    QVERIFY(!QSettings().value("mainwindow/geometry").toByteArray().isEmpty());
    QVERIFY(QSettings().contains("mainwindow/splitter"));
    MainWindow restored(m_state.get());
    QCOMPARE(restored.size(), QSize(900, 700));
}

void tst_MainWindow::windowAppliesStoredAppearanceAndFollowsTheme()
{
    const Qt::DayOfWeek weekStartBefore = firstDayOfWeek();
    const int otherDay = weekStartBefore == Qt::Wednesday ? Qt::Thursday : Qt::Wednesday;
    PreferencesRepository *prefs = m_state->preferencesRepository();
    QVERIFY(prefs->set("theme", "dark"));
    QVERIFY(prefs->set("fontScale", "130"));
    QVERIFY(prefs->set("weekStartDay", QString::number(otherDay)));

    {
        MainWindow window(m_state.get());
        // Applied while the window was built, before it is ever shown.
        QVERIFY(!window.isVisible());
        QVERIFY(window.themeManager());
        QCOMPARE(window.themeManager()->theme(), ThemeManager::Theme::Dark);
        QVERIFY(isDarkPalette());
        QCOMPARE(fontScalePercent(), 130);
        QCOMPARE(int(firstDayOfWeek()), otherDay);

        const QList<QLabel *> labels = window.statusBarWidget()->findChildren<QLabel *>();
        const auto styledWith = [&labels](const QString &colour) {
            return std::any_of(labels.begin(), labels.end(),
                               [&colour](const QLabel *label) { return label->styleSheet().contains(colour); });
        };
        QVERIFY(styledWith("#8FAF9F"));
        window.themeManager()->setTheme(ThemeManager::Theme::Light);
        QVERIFY(!isDarkPalette());
        QVERIFY(styledWith("#2A3D33"));
        QVERIFY(!styledWith("#8FAF9F"));
        QCOMPARE(prefs->get("theme"), std::optional<QString>("light"));
    }

    // The look is process-wide: leave it as the other cases expect.
    setFirstDayOfWeek(weekStartBefore);
    setFontScalePercent(100);
    ThemeManager(nullptr).setTheme(ThemeManager::Theme::System);
}

QTEST_MAIN(tst_MainWindow)
void tst_MainWindow::savedChangeUpdatesOnlyWhatChanged_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("touchesShownRegister");
    QTest::newRow("amountEdited") << "amountEdited" << true;
    QTest::newRow("dateMovedEarlier") << "dateMovedEarlier" << true;
    QTest::newRow("deleted") << "deleted" << true;
    QTest::newRow("transferToSavings") << "transferToSavings" << true;
    QTest::newRow("otherAccountEdited") << "otherAccountEdited" << false;
}

void tst_MainWindow::savedChangeUpdatesOnlyWhatChanged()
{
    QFETCH(QString, change);
    QFETCH(bool, touchesShownRegister);

    const QString checking = addAccount("Checking", 0, Currency::USD, 100000);
    const QString savings = addAccount("Savings", 1);
    const QString euros = addAccount("Euros", 2, Currency::EUR, 5000);
    addTransaction(checking, -2500, QDate(2024, 1, 5));
    addTransaction(checking, 40000, QDate(2024, 1, 10));
    addTransaction(checking, -1234, QDate(2024, 1, 20));
    addTransaction(savings, 700, QDate(2024, 1, 8));
    // Newest first: the row of 1/10 is in the middle.
    const QList<Transaction> checkingRows = m_state->transactionRepository()->findByAccount(checking);
    const Transaction middle = checkingRows.at(1);
    QCOMPARE(middle.amount, qint64(40000));

    auto window = makeWindow();
    window->selectAccount(checking);
    RegisterScreen *screen = window->registerScreen();
    QVERIFY(screen->rowsAreCurrent());
    const QPointer<AccountCard> euroCard = cardAt(*window, 2);
    QVERIFY(euroCard);
    const int reloads = screen->reloadCount();
    const int patches = screen->patchCount();
    QSignalSpy resets(screen->model(), &QAbstractItemModel::modelReset);

    TransactionService *service = m_state->transactionService();
    TransactionDraft draft = TransactionDraft::fromTransaction(middle);
    if (change == "amountEdited") {
        draft.amount = -9999;
        QVERIFY(bool(service->edit(middle.id, draft)));
    } else if (change == "dateMovedEarlier") {
        draft.date = QDate(2024, 1, 2);
        QVERIFY(bool(service->edit(middle.id, draft)));
    } else if (change == "deleted") {
        QVERIFY(bool(service->remove(middle.id)));
    } else if (change == "transferToSavings") {
        TransactionDraft transfer;
        transfer.accountId = checking;
        transfer.date = QDate(2024, 1, 15);
        transfer.amount = -5000;
        transfer.transferAccountId = savings;
        QVERIFY(bool(service->create(transfer)));
    } else if (change == "otherAccountEdited") {
        Transaction other = m_state->transactionRepository()->findByAccount(savings).constFirst();
        TransactionDraft otherDraft = TransactionDraft::fromTransaction(other);
        otherDraft.amount = 1900;
        QVERIFY(bool(service->edit(other.id, otherDraft)));
    }

    // No whole read of the register: patched in place, or not touched at all.
    QCOMPARE(screen->reloadCount(), reloads);
    QCOMPARE(screen->patchCount(), patches + (touchesShownRegister ? 1 : 0));
    QCOMPARE(resets.count(), 0);
    RegisterModel reloaded;
    reloaded.setRows(m_state->transactionRepository()->findRegisterRows(checking));
    reloaded.sort(screen->model()->sortColumn(), screen->model()->sortOrder());
    QCOMPARE(screen->model()->transactionCount(), reloaded.transactionCount());
    for (int row = 0; row < reloaded.rowCount(); ++row) {
        const RegisterRow *expected = reloaded.rowAt(row);
        const RegisterRow *shown = screen->model()->rowAt(row);
        QCOMPARE(shown != nullptr, expected != nullptr);
        if (expected) {
            QCOMPARE(shown->id, expected->id);
            QCOMPARE(shown->runningBalance, expected->runningBalance);
        }
    }

    // Every card and the total as a rebuild would show them; the card of the
    // untouched account is the same widget.
    const QHash<QString, qint64> balances = m_state->accountRepository()->balances();
    QCOMPARE(screen->balanceValueLabel()->text(), formatMoney(balances.value(checking), Currency::USD));
    const QList<QPair<QString, Currency>> listed = {{checking, Currency::USD}, {savings, Currency::USD},
                                                    {euros, Currency::EUR}};
    QCOMPARE(listedIds(*window), (QStringList{checking, savings, euros}));
    for (int row = 0; row < listed.size(); ++row)
        QCOMPARE(cardAt(*window, row)->balanceText(), formatMoney(balances.value(listed.at(row).first), listed.at(row).second));
    QCOMPARE(cardAt(*window, 2), euroCard.data());
    const qint64 dollars = balances.value(checking) + balances.value(savings);
    QCOMPARE(window->totalLabel()->text(),
             QStringLiteral("Total: %1\n%2").arg(formatMoney(dollars, Currency::USD), formatMoney(5000, Currency::EUR)));
}

#include "tst_mainwindow.moc"
