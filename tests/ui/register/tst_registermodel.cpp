#include "common/servicefixture.h"
#include "common/testdatabase.h"
#include "data/changejournal.h"
#include "data/clock.h"
#include "data/database.h"
#include "data/money.h"
#include "data/transactionrepository.h"
#include "services/transactionservice.h"
#include "ui/register/registermodel.h"
#include "ui/register/registerroles.h"
#include "ui/thememanager.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <memory>

Q_DECLARE_METATYPE(RegisterRow)

namespace {

const QDate kToday(2024, 6, 15);
const QString kSplit = QString::fromUtf8("\u2014Split\u2014");

RegisterRow makeRow(const QString &id, const QDate &date, const QString &payee, qint64 amount)
{
    RegisterRow row;
    row.id = id;
    row.accountId = QStringLiteral("acc");
    row.date = date;
    row.payee = payee;
    row.amount = amount;
    return row;
}

// Running balances in the given (date) order, as the repository computes them.
QList<RegisterRow> withBalances(QList<RegisterRow> rows, qint64 start = 0)
{
    for (RegisterRow &row : rows) {
        start += row.amount;
        row.runningBalance = start;
    }
    return rows;
}

// Six rows in repository order: dates ascending, creation order within a
// day, with repeated payees, categories and keys so every tie rule shows.
QList<RegisterRow> sortFixture()
{
    QList<RegisterRow> rows;
    RegisterRow a = makeRow("a", QDate(2024, 1, 5), "Grocer", -5000);
    a.checkNumber = "101";
    a.categoryName = "Food";
    a.memo = "weekly";
    a.cleared = true;
    rows << a;
    RegisterRow b = makeRow("b", QDate(2024, 1, 5), "Acme", 200000);
    b.categoryName = "Salary";
    b.cleared = true;
    b.reconciled = true;
    rows << b;
    RegisterRow c = makeRow("c", QDate(2024, 1, 10), "Grocer", -2500);
    c.checkNumber = "102";
    c.categoryName = "Food";
    c.memo = "top-up";
    rows << c;
    RegisterRow d = makeRow("d", QDate(2024, 1, 12), "Bakery", 0);
    d.memo = "free sample";
    d.cleared = true;
    rows << d;
    RegisterRow e = makeRow("e", QDate(2024, 1, 12), "Acme", 1000);
    e.categoryName = "Salary";
    e.memo = "bonus";
    rows << e;
    RegisterRow f = makeRow("f", QDate(2024, 2, 1), "Zephyr", -2500);
    f.checkNumber = "103";
    f.categoryName = "Utilities";
    rows << f;
    return withBalances(rows);
}

// Two accounts written through the services, each shown in a model sorted
// as asked, and what the change journal announces for one operation.
class UpdateFixture
{
public:
    UpdateFixture(int column, Qt::SortOrder order)
        : m_column(column)
        , m_order(order)
    {
        Clock::setNow(QDateTime(QDate(2024, 6, 1), QTime(9, 0), Qt::UTC));
        checking = fx.addAccount(QStringLiteral("Checking"), Currency::USD, 100000);
        savings = fx.addAccount(QStringLiteral("Savings"));
        const struct { int month, day; const char *payee; qint64 amount; } rows[] = {
            {1, 3, "Grocer", -4500}, {1, 5, "Acme", 250000}, {1, 5, "Bakery", -1200}, {1, 9, "Grocer", -3300},
            {1, 12, "Zephyr", -9900}, {1, 12, "Acme", 1500}, {1, 20, "Bakery", -800}, {2, 1, "Grocer", -6100},
        };
        for (const auto &row : rows)
            ids.append(create(checking, QDate(2024, row.month, row.day), QString::fromLatin1(row.payee), row.amount));
        create(savings, QDate(2024, 1, 4), QStringLiteral("Interest"), 300);
        create(savings, QDate(2024, 1, 30), QStringLiteral("Interest"), 310);
        for (const QString &account : {checking, savings}) {
            auto model = std::make_unique<RegisterModel>();
            testers.push_back(std::make_unique<QAbstractItemModelTester>(
                model.get(), QAbstractItemModelTester::FailureReportingMode::QtTest));
            model->setRows(fx.transactions()->findRegisterRows(account));
            model->sort(m_column, m_order);
            models.insert(account, model.get());
            owned.push_back(std::move(model));
        }
        QObject::connect(fx.db().database()->changes(), &ChangeJournal::committed, &m_context,
                         [this](const ChangeSet &changes) { announced.append(changes); });
    }

    QString create(const QString &account, const QDate &date, const QString &payee, qint64 amount,
                   const QString &transferTo = QString())
    {
        // One second apart, so no two rows share a creation time.
        Clock::setNow(Clock::now().addSecs(1));
        TransactionDraft draft;
        draft.accountId = account;
        draft.date = date;
        draft.payee = payee;
        draft.amount = amount;
        draft.transferAccountId = transferTo;
        const Result<Transaction> stored = fx.transactionService()->create(draft);
        if (!stored)
            qFatal("UpdateFixture: cannot create a transaction");
        return stored->id;
    }

    bool edit(const QString &id, const std::function<void(TransactionDraft &)> &change)
    {
        Clock::setNow(Clock::now().addSecs(1));
        TransactionDraft draft = TransactionDraft::fromTransaction(*fx.transaction(id));
        change(draft);
        return bool(fx.transactionService()->edit(id, draft));
    }

    // Hands each model the rows of its account among the announced ids.
    bool applyAnnounced(const QString &account)
    {
        if (announced.size() != 1)
            return false;
        const ChangeSet &changes = announced.constFirst();
        const QSet<QString> &changed = changes.ids(ChangeSet::Entity::Transaction);
        const std::optional<QList<RegisterRow>> rows = fx.transactions()->findRegisterRowsByIds(changed.values());
        if (!rows)
            return false;
        QList<RegisterRow> mine;
        for (const RegisterRow &row : *rows) {
            if (row.accountId == account)
                mine.append(row);
        }
        return models.value(account)->updateRows(changed, mine);
    }

    // What a reload would show, in the same sort.
    std::unique_ptr<RegisterModel> reloaded(const QString &account) const
    {
        auto model = std::make_unique<RegisterModel>();
        model->setRows(fx.transactions()->findRegisterRows(account));
        model->sort(m_column, m_order);
        return model;
    }

    ServiceFixture fx;
    QString checking;
    QString savings;
    QStringList ids;
    QHash<QString, RegisterModel *> models;
    QList<ChangeSet> announced;

private:
    int m_column;
    Qt::SortOrder m_order;
    QObject m_context;
    std::vector<std::unique_ptr<RegisterModel>> owned;
    std::vector<std::unique_ptr<QAbstractItemModelTester>> testers;
};

// Every view row's id, date, amount and running balance, and the new row's place.
QStringList shownRows(const RegisterModel &model)
{
    QStringList lines;
    for (int row = 0; row < model.rowCount(); ++row) {
        const RegisterRow *stored = model.rowAt(row);
        if (!stored) {
            lines << QStringLiteral("new");
            continue;
        }
        lines << QStringLiteral("%1 %2 %3 %4 %5")
                     .arg(stored->id, stored->date.toString(Qt::ISODate), stored->payee)
                     .arg(stored->amount)
                     .arg(stored->runningBalance);
    }
    return lines;
}

} // namespace

class tst_RegisterModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void emptyRegisterShowsPlaceholders_data();
    void emptyRegisterShowsPlaceholders();
    void displayAndEditTexts_data();
    void displayAndEditTexts();
    void colorsFontsAndAlignment_data();
    void colorsFontsAndAlignment();
    void sort_data();
    void sort();
    void equalKeysKeepPreviousOrder();
    void ignoresColumnsOutsideTheTable();
    void openingRowAndBalancesFromRepository();
    void failedReloadLeavesOnlyTheNewRow();
    void flagsFollowNewRowAndEditRow();
    void setDataTakesOnlyEditRole_data();
    void setDataTakesOnlyEditRole();
    void setEditRowAnnouncesBothRows();
    void editRowShowsTheBufferNotTheStoredRow_data();
    void editRowShowsTheBufferNotTheStoredRow();
    void sortKeepsTheEditOnItsTransaction();
    void loadEntry_data();
    void loadEntry();
    void resetEntryKeepsTheLastEntryDate();
    void entryToTransaction_data();
    void entryToTransaction();
    void dateTextMatchesTheDisplayFormat_data();
    void dateTextMatchesTheDisplayFormat();
    void currencyWithoutDecimals();
    void parseAmount_data();
    void parseAmount();
    void headerDataAndTwoLineMode();
    void rowForIdFollowsTheSort();
    void updateMatchesReload_data();
    void updateMatchesReload();
    void updateDeclinesWhatOnlyAReloadCanPlace_data();
    void updateDeclinesWhatOnlyAReloadCanPlace();

private:
    void loadFixture() { m_model->setRows(sortFixture()); }
    QString text(int row, int column, int role = Qt::DisplayRole) const
    {
        return m_model->data(m_model->index(row, column), role).toString();
    }

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<RegisterModel> m_model;
    std::unique_ptr<QAbstractItemModelTester> m_tester;
    QPalette m_palette;
};

void tst_RegisterModel::init()
{
    Clock::setToday(kToday);
    m_palette = QApplication::palette();
    m_db = std::make_unique<TestDatabase>();
    m_model = std::make_unique<RegisterModel>();
    m_tester = std::make_unique<QAbstractItemModelTester>(
        m_model.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
}

void tst_RegisterModel::cleanup()
{
    m_tester.reset();
    m_model.reset();
    m_db.reset();
    QApplication::setPalette(m_palette);
    Clock::setToday(QDate());
    Clock::setNow(QDateTime());
}

void tst_RegisterModel::emptyRegisterShowsPlaceholders_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("title");
    QTest::newRow("date") << 0 << "Date";
    QTest::newRow("checkNumber") << 1 << "Chk #";
    QTest::newRow("payee") << 2 << "Payee";
    QTest::newRow("category") << 3 << "Category";
    QTest::newRow("memo") << 4 << "Memo";
    QTest::newRow("payment") << 5 << "Payment";
    QTest::newRow("deposit") << 6 << "Deposit";
    QTest::newRow("cleared") << 7 << "Clr";
}

void tst_RegisterModel::emptyRegisterShowsPlaceholders()
{
    QFETCH(int, column);
    QFETCH(QString, title);

    QCOMPARE(m_model->rowCount(), 1);
    QCOMPARE(m_model->columnCount(), 9);
    const QModelIndex cell = m_model->index(0, column);
    QCOMPARE(cell.data(Qt::DisplayRole).toString(), title);
    QCOMPARE(cell.data(Qt::EditRole).toString(), QString());
    QCOMPARE(cell.data(Qt::ForegroundRole).value<QColor>(), QColor("#6E8A7E"));
    QVERIFY(cell.flags().testFlag(Qt::ItemIsEditable));
    QVERIFY(!m_model->index(0, RegisterModel::Balance).data().isValid());
    QVERIFY(!m_model->index(0, RegisterModel::Balance).flags().testFlag(Qt::ItemIsEditable));
    QVERIFY(m_model->index(0, column).data(RegisterRole::IsNewRow).toBool());

    // A reload fills the date with today; a filled slot loses the placeholder grey.
    m_model->setRows({});
    QCOMPARE(m_model->rowCount(), 1);
    if (column == RegisterModel::Date) {
        QCOMPARE(cell.data().toString(), QStringLiteral("6/15/2024"));
        QVERIFY(!cell.data(Qt::ForegroundRole).isValid());
    } else {
        QCOMPARE(cell.data().toString(), title);
    }
}

void tst_RegisterModel::displayAndEditTexts_data()
{
    QTest::addColumn<RegisterRow>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QVariant>("edit");

    RegisterRow payment = makeRow("p", QDate(2024, 3, 5), "Shop", -123456);
    payment.runningBalance = -500;
    payment.checkNumber = "1042";
    payment.memo = "groceries";
    payment.categoryName = "Food";
    QTest::newRow("date") << payment << 0 << "3/5/2024" << QVariant("3/5/2024");
    QTest::newRow("checkNumber") << payment << 1 << "1042" << QVariant("1042");
    QTest::newRow("payee") << payment << 2 << "Shop" << QVariant("Shop");
    QTest::newRow("category") << payment << 3 << "Food" << QVariant("Food");
    QTest::newRow("memo") << payment << 4 << "groceries" << QVariant("groceries");
    QTest::newRow("paymentMagnitude") << payment << 5 << "1,234.56" << QVariant("1,234.56");
    QTest::newRow("noDepositForPayment") << payment << 6 << "" << QVariant("");
    QTest::newRow("uncleared") << payment << 7 << "" << QVariant("");
    QTest::newRow("negativeBalance") << payment << 8 << "-5.00" << QVariant();

    RegisterRow zero = makeRow("z", QDate(2024, 12, 25), "Free", 0);
    zero.cleared = true;
    QTest::newRow("zeroUnderDeposit") << zero << 6 << "0.00" << QVariant("0.00");
    QTest::newRow("zeroNotUnderPayment") << zero << 5 << "" << QVariant("");
    QTest::newRow("clearedMark") << zero << 7 << "C" << QVariant("C");
    QTest::newRow("zeroBalance") << zero << 8 << "0.00" << QVariant();

    RegisterRow deposit = makeRow("d", QDate(2024, 1, 1), "Employer", 5);
    deposit.cleared = true;
    deposit.reconciled = true;
    QTest::newRow("smallDeposit") << deposit << 6 << "0.05" << QVariant("0.05");
    QTest::newRow("reconciledMark") << deposit << 7 << "R" << QVariant("R");

    RegisterRow split = makeRow("s", QDate(2024, 1, 1), "Costco", -9000);
    split.isSplit = true;
    split.categoryName = "Food";
    QTest::newRow("splitCategory") << split << 3 << kSplit << QVariant("Food");

    RegisterRow extreme = makeRow("x", QDate(2024, 1, 1), "Overflow", std::numeric_limits<qint64>::min());
    QTest::newRow("mostNegativePayment") << extreme << 5 << "92,233,720,368,547,758.08"
                                         << QVariant("92,233,720,368,547,758.08");
}

void tst_RegisterModel::displayAndEditTexts()
{
    QFETCH(RegisterRow, row);
    QFETCH(int, column);
    QFETCH(QString, display);
    QFETCH(QVariant, edit);

    m_model->setRows({row});
    QCOMPARE(m_model->rowCount(), 2);
    QVERIFY(!m_model->isNewRow(0));
    QCOMPARE(text(0, column), display);
    const QVariant editValue = m_model->index(0, column).data(Qt::EditRole);
    QCOMPARE(editValue.isValid(), edit.isValid());
    if (edit.isValid())
        QCOMPARE(editValue.toString(), edit.toString());
    QCOMPARE(m_model->index(0, column).data(RegisterRole::TransactionId).toString(), row.id);
    QCOMPARE(m_model->index(0, column).data(RegisterRole::IsSplit).toBool(), row.isSplit);
}

void tst_RegisterModel::colorsFontsAndAlignment_data()
{
    QTest::addColumn<bool>("dark");
    QTest::newRow("light") << false;
    QTest::newRow("dark") << true;
}

void tst_RegisterModel::colorsFontsAndAlignment()
{
    QFETCH(bool, dark);
    QApplication::setPalette(dark ? ThemeManager::darkPalette() : ThemeManager::lightPalette());
    QCOMPARE(isDarkPalette(), dark);
    const QColor negative(dark ? "#FF8A80" : "#C62828");
    const QColor positive(dark ? "#66BB6A" : "#2E7D32");
    const QColor muted("#6E8A7E");

    RegisterRow payment = makeRow("p", QDate(2024, 3, 5), "Shop", -100);
    payment.runningBalance = -100;
    RegisterRow deposit = makeRow("d", QDate(2024, 3, 6), "Pay", 300);
    deposit.runningBalance = 200;
    m_model->setRows({payment, deposit});

    auto color = [this](int row, int column) {
        return m_model->index(row, column).data(Qt::ForegroundRole).value<QColor>();
    };
    QCOMPARE(color(0, RegisterModel::Memo), muted);
    QCOMPARE(color(0, RegisterModel::Cleared), muted);
    QCOMPARE(color(0, RegisterModel::Payment), negative);
    QCOMPARE(color(1, RegisterModel::Payment), negative);
    QVERIFY(!m_model->index(0, RegisterModel::Deposit).data(Qt::ForegroundRole).isValid());
    QCOMPARE(color(1, RegisterModel::Deposit), positive);
    QCOMPARE(color(0, RegisterModel::Balance), negative);
    QVERIFY(!m_model->index(1, RegisterModel::Balance).data(Qt::ForegroundRole).isValid());
    QVERIFY(!m_model->index(0, RegisterModel::Payee).data(Qt::ForegroundRole).isValid());

    // The placeholder row and the edit row carry the highlight, other rows none.
    const QColor highlight(dark ? "#1A2E28" : "#E8F5E9");
    const int newRow = m_model->newRowPosition();
    QCOMPARE(m_model->index(newRow, RegisterModel::Balance).data(Qt::BackgroundRole).value<QColor>(), highlight);
    QVERIFY(!m_model->index(0, RegisterModel::Payee).data(Qt::BackgroundRole).isValid());
    m_model->setEditRow(0);
    QCOMPARE(m_model->index(0, RegisterModel::Payee).data(Qt::BackgroundRole).value<QColor>(), highlight);
    QVERIFY(!m_model->index(newRow, RegisterModel::Payee).data(Qt::BackgroundRole).isValid());

    // The blank new row's placeholders ("Payment", "Deposit", ...) line up like the stored texts.
    m_model->setEditRow(-1);
    QCOMPARE(m_model->index(newRow, RegisterModel::Payment).data().toString(), QString("Payment"));
    for (int column = 0; column < RegisterModel::ColumnCount; ++column) {
        const bool amount = column == RegisterModel::Payment || column == RegisterModel::Deposit
                            || column == RegisterModel::Balance;
        const int expected = amount ? int(Qt::AlignRight | Qt::AlignVCenter)
                             : column == RegisterModel::Cleared ? int(Qt::AlignCenter)
                                                                : int(Qt::AlignLeft | Qt::AlignVCenter);
        QCOMPARE(m_model->index(newRow, column).data(Qt::TextAlignmentRole).toInt(), expected);
        const QModelIndex cell = m_model->index(1, column);
        QCOMPARE(cell.data(Qt::TextAlignmentRole).toInt(), expected);
        QCOMPARE(cell.data(Qt::FontRole).isValid(), amount);
        if (amount)
            QCOMPARE(cell.data(Qt::FontRole).value<QFont>(), fontForRole(FontRole::Amount));
    }
}

void tst_RegisterModel::sort_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<Qt::SortOrder>("order");
    QTest::addColumn<QString>("expected");   // ids top to bottom, without the new row

    const auto asc = Qt::AscendingOrder;
    const auto desc = Qt::DescendingOrder;
    // Same-day rows stay in creation order, both ways.
    QTest::newRow("dateAscending") << 0 << asc << "abcdef";
    QTest::newRow("dateDescending") << 0 << desc << "fdecab";
    // Equal keys: the later date first in both orders.
    QTest::newRow("checkNumberAscending") << 1 << asc << "debacf";
    QTest::newRow("checkNumberDescending") << 1 << desc << "fcadeb";
    QTest::newRow("payeeAscending") << 2 << asc << "ebdcaf";
    QTest::newRow("payeeDescending") << 2 << desc << "fcadeb";
    QTest::newRow("categoryAscending") << 3 << asc << "dcaebf";
    QTest::newRow("categoryDescending") << 3 << desc << "febcad";
    QTest::newRow("memoAscending") << 4 << asc << "fbedca";
    QTest::newRow("memoDescending") << 4 << desc << "acdefb";
    // Deposits are -1 under Payment; zero is -1 under Deposit.
    QTest::newRow("paymentAscending") << 5 << asc << "debfca";
    QTest::newRow("paymentDescending") << 5 << desc << "afcdeb";
    QTest::newRow("depositAscending") << 6 << asc << "fdcaeb";
    QTest::newRow("depositDescending") << 6 << desc << "befdca";
    QTest::newRow("clearedAscending") << 7 << asc << "fecdab";
    QTest::newRow("clearedDescending") << 7 << desc << "bdafec";
    QTest::newRow("balanceAscending") << 8 << asc << "afdceb";
    QTest::newRow("balanceDescending") << 8 << desc << "bedcfa";
}

void tst_RegisterModel::sort()
{
    QFETCH(int, column);
    QFETCH(Qt::SortOrder, order);
    QFETCH(QString, expected);

    loadFixture();
    QHash<QString, qint64> balances;
    for (const RegisterRow &row : m_model->rows())
        balances.insert(row.id, row.runningBalance);

    QSignalSpy sorted(m_model.get(), &RegisterModel::sortChanged);
    QSignalSpy reset(m_model.get(), &QAbstractItemModel::modelReset);
    m_model->sort(column, order);
    QCOMPARE(sorted.size(), 1);
    QCOMPARE(sorted.at(0).at(0).toInt(), column);
    QCOMPARE(sorted.at(0).at(1).value<Qt::SortOrder>(), order);
    QCOMPARE(reset.size(), 1);
    QCOMPARE(m_model->sortColumn(), column);
    QCOMPARE(m_model->sortOrder(), order);

    const bool newRowOnTop = column == 0 && order == Qt::DescendingOrder;
    const int newRow = newRowOnTop ? 0 : 6;
    QCOMPARE(m_model->newRowPosition(), newRow);
    QVERIFY(!m_model->rowAt(newRow));
    QCOMPARE(text(newRow, RegisterModel::Payee), QStringLiteral("Payee"));
    QVERIFY(m_model->index(newRow, RegisterModel::Payee).flags().testFlag(Qt::ItemIsEditable));

    QString ids;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        if (row == newRow)
            continue;
        const RegisterRow *stored = m_model->rowAt(row);
        QVERIFY(stored);
        ids += stored->id;
        QCOMPARE(m_model->index(row, 0).data(RegisterRole::TransactionId).toString(), stored->id);
        // Balances stay those of date order whatever the view shows.
        QCOMPARE(stored->runningBalance, balances.value(stored->id));
        QCOMPARE(text(row, RegisterModel::Balance), formatAmount(balances.value(stored->id), Currency::USD));
    }
    QCOMPARE(ids, expected);

    // A reload keeps the chosen sort.
    loadFixture();
    ids.clear();
    for (int row = 0; row < m_model->rowCount(); ++row) {
        if (const RegisterRow *stored = m_model->rowAt(row))
            ids += stored->id;
    }
    QCOMPARE(ids, expected);
}

void tst_RegisterModel::equalKeysKeepPreviousOrder()
{
    RegisterRow x = makeRow("x", QDate(2024, 3, 1), "Cafe", -100);
    x.memo = "b";
    RegisterRow y = makeRow("y", QDate(2024, 3, 1), "Cafe", -200);
    y.memo = "a";
    auto order = [this] {
        QString ids;
        for (const RegisterRow &row : m_model->rows())
            ids += row.id;
        return ids;
    };

    m_model->setRows(withBalances({x, y}));
    m_model->sort(RegisterModel::Memo, Qt::AscendingOrder);
    QCOMPARE(order(), QStringLiteral("yx"));
    // Same payee and same date: the order the rows were in stays.
    m_model->sort(RegisterModel::Payee, Qt::AscendingOrder);
    QCOMPARE(order(), QStringLiteral("yx"));
    m_model->sort(RegisterModel::Payee, Qt::DescendingOrder);
    QCOMPARE(order(), QStringLiteral("yx"));
    // A reload starts again from creation order.
    m_model->setRows(withBalances({x, y}));
    QCOMPARE(order(), QStringLiteral("xy"));
}

void tst_RegisterModel::ignoresColumnsOutsideTheTable()
{
    loadFixture();
    QSignalSpy sorted(m_model.get(), &RegisterModel::sortChanged);
    QSignalSpy reset(m_model.get(), &QAbstractItemModel::modelReset);
    m_model->sort(9, Qt::DescendingOrder);
    m_model->sort(-1, Qt::DescendingOrder);
    QCOMPARE(sorted.size(), 0);
    QCOMPARE(reset.size(), 0);
    QCOMPARE(m_model->sortColumn(), 0);
    QCOMPARE(m_model->sortOrder(), Qt::AscendingOrder);
}

void tst_RegisterModel::openingRowAndBalancesFromRepository()
{
    QVERIFY(m_db->exec("INSERT INTO accounts (id, name, starting_balance, created_at, updated_at) "
                       "VALUES ('acc', 'Checking', 10000, '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')"));
    TransactionRepository repository(m_db->database());

    // No transactions: the opening row alone, dated today by the repository.
    m_model->setRows(repository.findRegisterRows("acc"));
    QCOMPARE(m_model->rowCount(), 2);
    QCOMPARE(text(0, RegisterModel::Date), RegisterModel::dateText(Clock::today()));
    QCOMPARE(text(0, RegisterModel::Payee), QStringLiteral("Opening Balance"));
    QCOMPARE(text(0, RegisterModel::Payment), QString());
    QCOMPARE(text(0, RegisterModel::Deposit), QStringLiteral("100.00"));
    QCOMPARE(text(0, RegisterModel::Cleared), QStringLiteral("R"));
    QCOMPARE(text(0, RegisterModel::Balance), QStringLiteral("100.00"));
    QCOMPARE(m_model->index(0, 0).data(RegisterRole::TransactionId).toString(), QString());
    QCOMPARE(m_model->rowForId(QString()), -1);

    auto add = [&repository](const QString &id, const QDate &date, const QString &payee, qint64 amount) {
        Transaction t;
        t.id = id;
        t.accountId = "acc";
        t.date = date;
        t.payee = payee;
        t.amount = amount;
        t.createdAt = QDateTime(date, QTime(9, 0), Qt::UTC);
        t.updatedAt = t.createdAt;
        return repository.insert(t);
    };
    QVERIFY(add("t1", QDate(2024, 2, 1), "Zoo", -3000));
    QVERIFY(add("t2", QDate(2024, 2, 2), "Acme", 50000));
    QVERIFY(add("t3", QDate(2024, 2, 3), "Market", -70000));

    m_model->setRows(repository.findRegisterRows("acc"));
    m_model->sort(RegisterModel::Payee, Qt::AscendingOrder);
    const QStringList expected = {"t2", "t3", "", "t1"};   // Acme, Market, Opening Balance, Zoo
    const QStringList balances = {"570.00", "-130.00", "100.00", "70.00"};
    for (int row = 0; row < expected.size(); ++row) {
        QCOMPARE(m_model->rowAt(row)->id, expected.at(row));
        QCOMPARE(text(row, RegisterModel::Balance), balances.at(row));
    }
    QCOMPARE(text(2, RegisterModel::Date), QStringLiteral("2/1/2024"));
    QCOMPARE(m_model->rowForId("t1"), 3);
}

void tst_RegisterModel::failedReloadLeavesOnlyTheNewRow()
{
    QVERIFY(m_db->exec("INSERT INTO accounts (id, name, starting_balance, created_at, updated_at) "
                       "VALUES ('acc', 'Checking', 2500, '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')"));
    TransactionRepository repository(m_db->database());
    m_model->setRows(repository.findRegisterRows("acc"));
    QCOMPARE(m_model->rowCount(), 2);
    m_model->setEditRow(0);
    m_model->loadEntry(0);

    // The register query fails: the model shows no stale rows and no edit.
    QVERIFY(m_db->exec("DROP TABLE transactions"));
    QSignalSpy reset(m_model.get(), &QAbstractItemModel::modelReset);
    m_model->setRows(repository.findRegisterRows("acc"));
    QCOMPARE(reset.size(), 1);
    QCOMPARE(m_model->rowCount(), 1);
    QCOMPARE(m_model->editRow(), -1);
    QCOMPARE(m_model->entryText(RegisterModel::EntrySlot::Payee), QString());
    QCOMPARE(m_model->rowForId(QString()), -1);
}

void tst_RegisterModel::flagsFollowNewRowAndEditRow()
{
    RegisterRow split = makeRow("s", QDate(2024, 1, 2), "Costco", -9000);
    split.isSplit = true;
    m_model->setRows(withBalances({makeRow("p", QDate(2024, 1, 1), "Plain", -100), split}));
    const Qt::ItemFlags readOnly = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    const Qt::ItemFlags editable = readOnly | Qt::ItemIsEditable;
    auto flagsOf = [this](int row, int column) { return m_model->flags(m_model->index(row, column)); };

    QCOMPARE(m_model->flags(QModelIndex()), Qt::NoItemFlags);
    for (int column = 0; column < RegisterModel::ColumnCount; ++column) {
        const Qt::ItemFlags onNewRow = column == RegisterModel::Balance ? readOnly : editable;
        QCOMPARE(flagsOf(2, column), onNewRow);
        QCOMPARE(flagsOf(0, column), readOnly);
        QCOMPARE(flagsOf(1, column), readOnly);
    }

    m_model->setEditRow(0);
    for (int column = 0; column < RegisterModel::ColumnCount; ++column)
        QCOMPARE(flagsOf(0, column), column == RegisterModel::Balance ? readOnly : editable);

    // The split editor owns a split row's category and amounts.
    m_model->setEditRow(1);
    QCOMPARE(flagsOf(0, RegisterModel::Payee), readOnly);
    for (int column = 0; column < RegisterModel::ColumnCount; ++column) {
        const bool owned = column == RegisterModel::Category || column == RegisterModel::Payment
                           || column == RegisterModel::Deposit || column == RegisterModel::Balance;
        QCOMPARE(flagsOf(1, column), owned ? readOnly : editable);
        QCOMPARE(flagsOf(2, column), column == RegisterModel::Balance ? readOnly : editable);
    }
}

void tst_RegisterModel::setDataTakesOnlyEditRole_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("role");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("payeeEdit") << int(RegisterModel::Payee) << int(Qt::EditRole) << true;
    QTest::newRow("clearedEdit") << int(RegisterModel::Cleared) << int(Qt::EditRole) << true;
    QTest::newRow("payeeDisplay") << int(RegisterModel::Payee) << int(Qt::DisplayRole) << false;
    QTest::newRow("payeeUser") << int(RegisterModel::Payee) << int(Qt::UserRole) << false;
    QTest::newRow("balanceEdit") << int(RegisterModel::Balance) << int(Qt::EditRole) << false;
}

void tst_RegisterModel::setDataTakesOnlyEditRole()
{
    QFETCH(int, column);
    QFETCH(int, role);
    QFETCH(bool, accepted);

    loadFixture();
    const QString categoryId = m_model->entryText(RegisterModel::EntrySlot::CategoryId);
    QSignalSpy changed(m_model.get(), &QAbstractItemModel::dataChanged);
    // Any row: the buffer has one slot per column.
    const QModelIndex cell = m_model->index(2, column);
    QCOMPARE(m_model->setData(cell, QStringLiteral("typed"), role), accepted);
    QCOMPARE(changed.size(), accepted ? 1 : 0);
    if (accepted) {
        QCOMPARE(changed.at(0).at(0).toModelIndex(), cell);
        QCOMPARE(changed.at(0).at(1).toModelIndex(), cell);
        QCOMPARE(m_model->entryText(RegisterModel::EntrySlot(column)), QStringLiteral("typed"));
        QCOMPARE(text(m_model->newRowPosition(), column), QStringLiteral("typed"));
    } else {
        QVERIFY(m_model->entryText(RegisterModel::EntrySlot::Payee) != QStringLiteral("typed"));
        QCOMPARE(m_model->entryText(RegisterModel::EntrySlot::CategoryId), categoryId);
    }
    // The stored row never changes through setData.
    QCOMPARE(m_model->rowAt(2)->payee, QStringLiteral("Grocer"));
}

void tst_RegisterModel::setEditRowAnnouncesBothRows()
{
    loadFixture();
    QSignalSpy changed(m_model.get(), &QAbstractItemModel::dataChanged);
    auto check = [&changed](int at, int row) {
        const QModelIndex from = changed.at(at).at(0).toModelIndex();
        const QModelIndex to = changed.at(at).at(1).toModelIndex();
        QCOMPARE(from.row(), row);
        QCOMPARE(from.column(), 0);
        QCOMPARE(to.row(), row);
        QCOMPARE(to.column(), 8);
    };

    m_model->setEditRow(2);
    QCOMPARE(m_model->editRow(), 2);
    QCOMPARE(changed.size(), 1);
    check(0, 2);

    changed.clear();
    m_model->setEditRow(4);
    QCOMPARE(changed.size(), 2);
    check(0, 2);
    check(1, 4);

    changed.clear();
    m_model->setEditRow(-1);
    QCOMPARE(changed.size(), 1);
    check(0, 4);

    // A row outside the table ends the edit rather than pointing nowhere.
    changed.clear();
    m_model->setEditRow(99);
    QCOMPARE(m_model->editRow(), -1);
    QCOMPARE(changed.size(), 0);
}

void tst_RegisterModel::editRowShowsTheBufferNotTheStoredRow_data()
{
    QTest::addColumn<bool>("twoLine");
    QTest::newRow("oneLine") << false;
    QTest::newRow("twoLine") << true;
}

void tst_RegisterModel::editRowShowsTheBufferNotTheStoredRow()
{
    QFETCH(bool, twoLine);
    QApplication::setPalette(ThemeManager::lightPalette());
    RegisterRow split = makeRow("s", QDate(2024, 1, 2), "Costco", -9000);
    split.isSplit = true;
    split.categoryName = "Food";
    m_model->setRows(withBalances({makeRow("p", QDate(2024, 1, 1), "Plain", -100), split}));
    m_model->setTwoLineMode(twoLine);

    m_model->loadEntry(0);
    m_model->setEditRow(0);
    QVERIFY(m_model->setData(m_model->index(0, RegisterModel::Payee), QStringLiteral("Changed")));
    QCOMPARE(text(0, RegisterModel::Payee), QStringLiteral("Changed"));
    QCOMPARE(text(0, RegisterModel::Payee, Qt::EditRole), QStringLiteral("Changed"));
    QCOMPARE(m_model->rowAt(0)->payee, QStringLiteral("Plain"));
    QCOMPARE(text(0, RegisterModel::Balance), QStringLiteral("-1.00"));
    // While a row is edited, the new row is blank and without placeholders.
    QCOMPARE(text(2, RegisterModel::Payee), QString());
    QVERIFY(!m_model->index(2, RegisterModel::Payee).data(Qt::ForegroundRole).isValid());
    QCOMPARE(m_model->index(0, RegisterModel::Payee).data(Qt::BackgroundRole).isValid(), !twoLine);

    // A split row's category shows as split even while its texts are edited.
    m_model->loadEntry(1);
    m_model->setEditRow(1);
    QCOMPARE(text(1, RegisterModel::Category), kSplit);
    QCOMPARE(text(1, RegisterModel::Category, Qt::EditRole), QStringLiteral("Food"));
    QCOMPARE(text(1, RegisterModel::Payment), QStringLiteral("90.00"));
}

void tst_RegisterModel::sortKeepsTheEditOnItsTransaction()
{
    loadFixture();
    const int row = m_model->rowForId("c");
    m_model->loadEntry(row);
    m_model->setEditRow(row);
    m_model->setData(m_model->index(row, RegisterModel::Memo), QStringLiteral("edited"));

    m_model->sort(RegisterModel::Payee, Qt::DescendingOrder);
    QCOMPARE(m_model->editRow(), m_model->rowForId("c"));
    QCOMPARE(m_model->rowAt(m_model->editRow())->id, QStringLiteral("c"));
    QCOMPARE(text(m_model->editRow(), RegisterModel::Memo), QStringLiteral("edited"));

    m_model->sort(RegisterModel::Date, Qt::DescendingOrder);
    QCOMPARE(m_model->rowAt(m_model->editRow())->id, QStringLiteral("c"));

    // Editing the new row: the edit follows it from the bottom to the top.
    m_model->sort(RegisterModel::Date, Qt::AscendingOrder);
    m_model->setEditRow(m_model->newRowPosition());
    m_model->sort(RegisterModel::Date, Qt::DescendingOrder);
    QCOMPARE(m_model->editRow(), 0);
    QVERIFY(m_model->isNewRow(m_model->editRow()));
}

void tst_RegisterModel::loadEntry_data()
{
    QTest::addColumn<RegisterRow>("row");
    QTest::addColumn<QStringList>("expected");   // every slot in EntrySlot order

    RegisterRow payment = makeRow("p", QDate(2024, 11, 3), "Shop", -123456);
    payment.checkNumber = "77";
    payment.memo = "gift";
    payment.categoryName = "Housing > Maintenance";
    payment.categoryId = "cat-1";
    payment.cleared = true;
    QTest::newRow("payment") << payment
                             << QStringList{"11/3/2024", "77", "Shop", "Housing > Maintenance", "gift",
                                            "1,234.56", "", "C", "cat-1", ""};
    RegisterRow deposit = makeRow("d", QDate(2024, 1, 31), "Employer", 250000);
    deposit.cleared = true;
    deposit.reconciled = true;
    QTest::newRow("reconciledDeposit") << deposit
                                       << QStringList{"1/31/2024", "", "Employer", "", "", "", "2,500.00",
                                                      "R", "", ""};
    QTest::newRow("zero") << makeRow("z", QDate(2024, 2, 29), "Nothing", 0)
                          << QStringList{"2/29/2024", "", "Nothing", "", "", "", "0.00", "", "", ""};
}

void tst_RegisterModel::loadEntry()
{
    QFETCH(RegisterRow, row);
    QFETCH(QStringList, expected);

    m_model->setRows({row});
    QVERIFY(!m_model->loadEntry(m_model->newRowPosition()));
    QVERIFY(m_model->loadEntry(0));
    QCOMPARE(expected.size(), qsizetype(RegisterModel::EntrySlot::Count));
    for (int slot = 0; slot < int(RegisterModel::EntrySlot::Count); ++slot)
        QCOMPARE(m_model->entryText(RegisterModel::EntrySlot(slot)), expected.at(slot));

    // What was loaded reads back as the same transaction.
    const Transaction t = m_model->entryToTransaction("acc");
    QCOMPARE(t.date, row.date);
    QCOMPARE(t.amount, row.amount);
    QCOMPARE(t.payee, row.payee);
    QCOMPARE(t.categoryId, row.categoryId);
}

void tst_RegisterModel::resetEntryKeepsTheLastEntryDate()
{
    loadFixture();
    QCOMPARE(m_model->entryText(RegisterModel::EntrySlot::Date), QStringLiteral("6/15/2024"));
    QCOMPARE(m_model->lastEntryDate(), QString());

    m_model->setData(m_model->index(6, RegisterModel::Payee), QStringLiteral("Half typed"));
    m_model->setEntryText(RegisterModel::EntrySlot::CategoryId, QStringLiteral("cat"));
    m_model->setLastEntryDate(QStringLiteral("3/1/2024"));
    QSignalSpy changed(m_model.get(), &QAbstractItemModel::dataChanged);
    m_model->resetEntry();
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.at(0).at(0).toModelIndex().row(), m_model->newRowPosition());
    QCOMPARE(m_model->entryText(RegisterModel::EntrySlot::Date), QStringLiteral("3/1/2024"));
    for (int slot = 1; slot < int(RegisterModel::EntrySlot::Count); ++slot)
        QCOMPARE(m_model->entryText(RegisterModel::EntrySlot(slot)), QString());
    QCOMPARE(text(6, RegisterModel::Payee), QStringLiteral("Payee"));

    // A reload resets the buffer the same way, and ends any edit.
    m_model->setEditRow(1);
    m_model->loadEntry(1);
    loadFixture();
    QCOMPARE(m_model->editRow(), -1);
    QCOMPARE(m_model->entryText(RegisterModel::EntrySlot::Date), QStringLiteral("3/1/2024"));
    QCOMPARE(m_model->entryText(RegisterModel::EntrySlot::Payee), QString());
}

void tst_RegisterModel::entryToTransaction_data()
{
    QTest::addColumn<QString>("dateText");
    QTest::addColumn<QString>("payment");
    QTest::addColumn<QString>("deposit");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<qint64>("amount");

    QTest::newRow("payment") << "3/15/2024" << "12.34" << "" << QDate(2024, 3, 15) << qint64(-1234);
    QTest::newRow("deposit") << "3/15/2024" << "" << "$1,000.50" << QDate(2024, 3, 15) << qint64(100050);
    QTest::newRow("paymentWins") << "3/15/2024" << "5" << "7" << QDate(2024, 3, 15) << qint64(-500);
    QTest::newRow("negativePaymentIsDeposit") << "3/15/2024" << "-5" << "" << QDate(2024, 3, 15) << qint64(500);
    QTest::newRow("spacesOnly") << "3/15/2024" << "  " << " 8 " << QDate(2024, 3, 15) << qint64(800);
    QTest::newRow("neither") << "3/15/2024" << "" << "" << QDate(2024, 3, 15) << qint64(0);
    QTest::newRow("unparsable") << "3/15/2024" << "abc" << "9" << QDate(2024, 3, 15) << qint64(0);
    QTest::newRow("blankDateIsToday") << "" << "1" << "" << kToday << qint64(-100);
    QTest::newRow("wordDateIsToday") << "soon" << "1" << "" << kToday << qint64(-100);
    QTest::newRow("impossibleDate") << "2/30/2024" << "1" << "" << kToday << qint64(-100);
    QTest::newRow("monthOutOfRange") << "13/1/2024" << "1" << "" << kToday << qint64(-100);
    QTest::newRow("threeDigitYear") << "3/15/124" << "1" << "" << kToday << qint64(-100);
    QTest::newRow("trailingText") << "3/15/2024x" << "1" << "" << kToday << qint64(-100);
    QTest::newRow("paddedDate") << "03/05/2024" << "1" << "" << QDate(2024, 3, 5) << qint64(-100);
    QTest::newRow("surroundingSpaces") << " 3/5/2024 " << "1" << "" << QDate(2024, 3, 5) << qint64(-100);
    QTest::newRow("twoDigitYear") << "3/15/24" << "1" << "" << QDate(2024, 3, 15) << qint64(-100);
    QTest::newRow("twoDigitYear99") << "12/31/99" << "1" << "" << QDate(2099, 12, 31) << qint64(-100);
    QTest::newRow("twoDigitLeapDay") << "2/29/00" << "1" << "" << QDate(2000, 2, 29) << qint64(-100);
}

void tst_RegisterModel::entryToTransaction()
{
    QFETCH(QString, dateText);
    QFETCH(QString, payment);
    QFETCH(QString, deposit);
    QFETCH(QDate, date);
    QFETCH(qint64, amount);

    using Slot = RegisterModel::EntrySlot;
    m_model->setEntryText(Slot::Date, dateText);
    m_model->setEntryText(Slot::Payment, payment);
    m_model->setEntryText(Slot::Deposit, deposit);
    m_model->setEntryText(Slot::Payee, QStringLiteral("  Corner Shop "));
    m_model->setEntryText(Slot::Memo, QStringLiteral(" as typed "));
    m_model->setEntryText(Slot::CheckNumber, QStringLiteral(" 1001 "));
    m_model->setEntryText(Slot::CategoryId, QStringLiteral("cat-9"));
    m_model->setEntryText(Slot::Cleared, QStringLiteral("R"));

    const Transaction t = m_model->entryToTransaction(QStringLiteral("acc-1"));
    QCOMPARE(t.date, date);
    QCOMPARE(t.amount, amount);
    QCOMPARE(t.accountId, QStringLiteral("acc-1"));
    QCOMPARE(t.payee, QStringLiteral("Corner Shop"));
    QCOMPARE(t.memo, QStringLiteral(" as typed "));
    QCOMPARE(t.checkNumber, QStringLiteral("1001"));
    QCOMPARE(t.categoryId, QStringLiteral("cat-9"));
    QVERIFY(t.id.isEmpty());
    QVERIFY(!t.cleared);
    QVERIFY(!t.reconciled);
    QCOMPARE(t.version, 1);
    QCOMPARE(t.syncStatus, SyncStatus::Pending);
}

void tst_RegisterModel::dateTextMatchesTheDisplayFormat_data()
{
    QTest::addColumn<QDate>("date");
    QTest::newRow("singleDigits") << QDate(2024, 3, 5);
    QTest::newRow("doubleDigits") << QDate(2024, 12, 31);
    QTest::newRow("leapDay") << QDate(2000, 2, 29);
    QTest::newRow("farFuture") << QDate(9999, 10, 1);
    QTest::newRow("earlyYear") << QDate(999, 1, 1);
    QTest::newRow("invalid") << QDate();
}

void tst_RegisterModel::dateTextMatchesTheDisplayFormat()
{
    QFETCH(QDate, date);
    const QString expected = date.toString(QStringLiteral("M/d/yyyy"));
    QCOMPARE(RegisterModel::dateText(date), expected);
    if (date.isValid() && date.year() >= 1000)
        QCOMPARE(RegisterModel::dateFromText(expected), date);
}

void tst_RegisterModel::currencyWithoutDecimals()
{
    RegisterRow row = makeRow("y", QDate(2024, 4, 1), "Konbini", -1500);
    row.runningBalance = 1234567;
    m_model->setRows({row});
    QCOMPARE(text(0, RegisterModel::Payment), QStringLiteral("15.00"));

    QSignalSpy changed(m_model.get(), &QAbstractItemModel::dataChanged);
    m_model->setCurrency(Currency::JPY);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(m_model->currency(), Currency::JPY);
    QCOMPARE(text(0, RegisterModel::Payment), QStringLiteral("1,500"));
    QCOMPARE(text(0, RegisterModel::Balance), QStringLiteral("1,234,567"));
    m_model->loadEntry(0);
    QCOMPARE(m_model->entryText(RegisterModel::EntrySlot::Payment), QStringLiteral("1,500"));
    QCOMPARE(m_model->entryToTransaction("acc").amount, qint64(-1500));

    using Slot = RegisterModel::EntrySlot;
    m_model->resetEntry();
    m_model->setEntryText(Slot::Deposit, QString::fromUtf8("\u00a51,500"));
    QCOMPARE(m_model->entryToTransaction("acc").amount, qint64(1500));
    // Yen have no fractions: a typed one rounds to whole yen, halves up.
    m_model->setEntryText(Slot::Deposit, QStringLiteral("1500.5"));
    QCOMPARE(m_model->entryToTransaction("acc").amount, qint64(1501));

    // Back in dollars the same digits are hundredths again.
    m_model->setCurrency(Currency::USD);
    m_model->setEntryText(Slot::Deposit, QStringLiteral("1500"));
    QCOMPARE(m_model->entryToTransaction("acc").amount, qint64(150000));
    QCOMPARE(text(0, RegisterModel::Balance), QStringLiteral("12,345.67"));
}

void tst_RegisterModel::parseAmount_data()
{
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<qint64>>("expected");

    QTest::newRow("cellText") << Currency::USD << "-1,234.56" << std::optional<qint64>(-123456);
    QTest::newRow("halfCent") << Currency::USD << "1.005" << std::optional<qint64>(101);
    QTest::newRow("halfYen") << Currency::JPY << "0.5" << std::optional<qint64>(1);
    QTest::newRow("words") << Currency::USD << "abc" << std::optional<qint64>();
    QTest::newRow("empty") << Currency::USD << "" << std::optional<qint64>();
    QTest::newRow("tooLarge") << Currency::USD << "99999999999999999999" << std::optional<qint64>();
}

// The optional reading refuses what amountFromText quietly turns into 0.
void tst_RegisterModel::parseAmount()
{
    QFETCH(Currency, currency);
    QFETCH(QString, text);
    QFETCH(std::optional<qint64>, expected);
    m_model->setCurrency(currency);
    QCOMPARE(m_model->parseAmount(text), expected);
    QCOMPARE(m_model->amountFromText(text), expected.value_or(0));
}

void tst_RegisterModel::headerDataAndTwoLineMode()
{
    const QStringList titles = {"Date", "Chk #", "Payee", "Category", "Memo", "Payment", "Deposit", "Clr",
                                "Balance"};
    for (int section = 0; section < titles.size(); ++section)
        QCOMPARE(m_model->headerData(section, Qt::Horizontal).toString(), titles.at(section));
    QVERIFY(!m_model->headerData(9, Qt::Horizontal).isValid());
    QVERIFY(!m_model->headerData(0, Qt::Vertical).isValid());
    QVERIFY(!m_model->headerData(0, Qt::Horizontal, Qt::ToolTipRole).isValid());

    QSignalSpy header(m_model.get(), &QAbstractItemModel::headerDataChanged);
    m_model->setTwoLineMode(true);
    QVERIFY(m_model->twoLineMode());
    QCOMPARE(header.size(), 1);
    QCOMPARE(header.at(0).at(0).value<Qt::Orientation>(), Qt::Horizontal);
    QCOMPARE(header.at(0).at(1).toInt(), 2);
    QCOMPARE(header.at(0).at(2).toInt(), 2);
    QCOMPARE(m_model->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Payee / Memo"));
    QCOMPARE(m_model->headerData(4, Qt::Horizontal).toString(), QStringLiteral("Memo"));
    // The placeholder keeps the plain title.
    QCOMPARE(text(0, RegisterModel::Payee), QStringLiteral("Payee"));

    m_model->setTwoLineMode(true);
    QCOMPARE(header.size(), 1);
    m_model->setTwoLineMode(false);
    QCOMPARE(header.size(), 2);
    QCOMPARE(m_model->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Payee"));
}

void tst_RegisterModel::rowForIdFollowsTheSort()
{
    loadFixture();
    QCOMPARE(m_model->rowForId("a"), 0);
    QCOMPARE(m_model->rowForId("f"), 5);
    QCOMPARE(m_model->rowForId("missing"), -1);
    QCOMPARE(m_model->rowForId(QString()), -1);

    m_model->sort(RegisterModel::Date, Qt::DescendingOrder);
    QCOMPARE(m_model->rowForId("f"), 1);
    QCOMPARE(m_model->rowForId("b"), 6);
    QCOMPARE(m_model->transactionIndex(0), -1);
    QCOMPARE(m_model->transactionIndex(1), 0);
    QCOMPARE(m_model->viewRowOfTransaction(0), 1);
    QCOMPARE(m_model->transactionIndex(7), -1);
    QVERIFY(!m_model->rowAt(-1));
    for (const QString id : {"a", "b", "c", "d", "e", "f"})
        QCOMPARE(m_model->rowAt(m_model->rowForId(id))->id, id);
}

QTEST_MAIN(tst_RegisterModel)
#include "tst_registermodel.moc"

void tst_RegisterModel::updateMatchesReload_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("order");
    const QStringList changes = {"amountInMiddle", "dateEarlier", "dateLater", "earliestMovesLater",
                                 "deleted", "inserted", "transferBetweenAccounts", "payeeRenamed"};
    const struct { const char *name; int column; Qt::SortOrder order; } sorts[] = {
        {"oldestFirst", RegisterModel::Date, Qt::AscendingOrder},
        {"newestFirst", RegisterModel::Date, Qt::DescendingOrder},
        {"byPayee", RegisterModel::Payee, Qt::AscendingOrder},
        {"byDepositDescending", RegisterModel::Deposit, Qt::DescendingOrder},
    };
    for (const QString &change : changes) {
        for (const auto &sort : sorts) {
            QTest::addRow("%s/%s", qPrintable(change), sort.name) << change << sort.column << int(sort.order);
        }
    }
}

void tst_RegisterModel::updateMatchesReload()
{
    QFETCH(QString, change);
    QFETCH(int, column);
    QFETCH(int, order);

    m_db.reset();   // the fixture opens its own database on the same connection
    UpdateFixture f(column, Qt::SortOrder(order));
    RegisterModel *checking = f.models.value(f.checking);
    RegisterModel *savings = f.models.value(f.savings);
    // The id hash is built, as the register screen's reload leaves it.
    QVERIFY(checking->rowForId(f.ids.at(0)) >= 0);
    QSignalSpy checkingResets(checking, &QAbstractItemModel::modelReset);
    QSignalSpy savingsResets(savings, &QAbstractItemModel::modelReset);

    if (change == "amountInMiddle") {
        QVERIFY(f.edit(f.ids.at(3), [](TransactionDraft &d) { d.amount = 7777; }));
    } else if (change == "dateEarlier") {
        QVERIFY(f.edit(f.ids.at(6), [](TransactionDraft &d) { d.date = QDate(2024, 1, 5); }));
    } else if (change == "dateLater") {
        QVERIFY(f.edit(f.ids.at(1), [](TransactionDraft &d) { d.date = QDate(2024, 1, 20); }));
    } else if (change == "earliestMovesLater") {
        QVERIFY(f.edit(f.ids.at(0), [](TransactionDraft &d) { d.date = QDate(2024, 1, 10); }));
    } else if (change == "deleted") {
        QVERIFY(bool(f.fx.transactionService()->remove(f.ids.at(2))));
    } else if (change == "inserted") {
        f.create(f.checking, QDate(2024, 1, 12), QStringLiteral("Acme"), 4200);
    } else if (change == "transferBetweenAccounts") {
        f.create(f.checking, QDate(2024, 1, 9), QStringLiteral("Transfer to Savings"), -2500, f.savings);
    } else if (change == "payeeRenamed") {
        QVERIFY(f.edit(f.ids.at(4), [](TransactionDraft &d) { d.payee = QStringLiteral("Aardvark"); }));
    }

    for (const QString &account : {f.checking, f.savings}) {
        RegisterModel *model = f.models.value(account);
        const bool touched = f.announced.value(0).affectsRegister(account);
        if (touched)
            QVERIFY(f.applyAnnounced(account));
        const std::unique_ptr<RegisterModel> reloaded = f.reloaded(account);
        QCOMPARE(shownRows(*model), shownRows(*reloaded));
        QCOMPARE(model->closingBalance(), reloaded->closingBalance());
        for (const RegisterRow &row : reloaded->rows())
            QCOMPARE(model->rowForId(row.id), reloaded->rowForId(row.id));
    }
    QCOMPARE(checkingResets.count(), 0);
    QCOMPARE(savingsResets.count(), 0);
    if (change == "deleted")
        QCOMPARE(checking->rowForId(f.ids.at(2)), -1);
}

void tst_RegisterModel::updateDeclinesWhatOnlyAReloadCanPlace_data()
{
    QTest::addColumn<QString>("case_");
    QTest::newRow("sortedByBalance") << "sortedByBalance";
    QTest::newRow("sameCreationTimeOnTheNewDate") << "sameCreationTimeOnTheNewDate";
    QTest::newRow("rowNotAmongTheChangedIds") << "rowNotAmongTheChangedIds";
    QTest::newRow("tiesLeftInAnEarlierSortsOrder") << "tiesLeftInAnEarlierSortsOrder";
}

void tst_RegisterModel::updateDeclinesWhatOnlyAReloadCanPlace()
{
    QFETCH(QString, case_);

    const bool byBalance = case_ == "sortedByBalance";
    m_db.reset();
    UpdateFixture f(byBalance ? RegisterModel::Balance : RegisterModel::Date, Qt::AscendingOrder);
    RegisterModel *model = f.models.value(f.checking);
    QSet<QString> changed;
    QList<RegisterRow> current;
    if (case_ == "sameCreationTimeOnTheNewDate") {
        // Two rows written in the same second: the database alone orders them.
        const QString id = f.ids.at(6);
        RegisterRow twin = f.fx.transactions()->findRegisterRowsByIds({id})->constFirst();
        twin.createdAt = f.fx.transaction(f.ids.at(1))->createdAt;
        twin.date = QDate(2024, 1, 5);
        changed = {id};
        current = {twin};
    } else if (case_ == "tiesLeftInAnEarlierSortsOrder") {
        // Acme and Bakery on 1/5: sorted by payee descending, then by date,
        // they stay Bakery first, unlike a reload.
        model->sort(RegisterModel::Payee, Qt::DescendingOrder);
        model->sort(RegisterModel::Date, Qt::AscendingOrder);
        changed = {f.ids.at(3)};
        current = *f.fx.transactions()->findRegisterRowsByIds({f.ids.at(3)});
    } else if (byBalance) {
        changed = {f.ids.at(3)};
        current = *f.fx.transactions()->findRegisterRowsByIds({f.ids.at(3)});
        current.first().amount = 7777;
    } else {
        // A row the change did not name cannot be trusted to be current.
        changed = {f.ids.at(3)};
        current = *f.fx.transactions()->findRegisterRowsByIds({f.ids.at(3), f.ids.at(4)});
        QCOMPARE(current.size(), 2);
    }
    const QStringList shown = shownRows(*model);
    QVERIFY(!model->updateRows(changed, current));
    QCOMPARE(shownRows(*model), shown);
}
