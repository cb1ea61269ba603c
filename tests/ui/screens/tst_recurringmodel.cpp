#include "ui/thememanager.h"
#include "common/testdatabase.h"
#include "data/accountrepository.h"
#include "data/clock.h"
#include "ui/screens/recurringmodel.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QColor>
#include <QLocale>
#include <QTest>

class tst_RecurringModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void passesTheModelTester();
    void headersAndCells();
    void colours_data();
    void colours();
    void sorting_data();
    void sorting();
    void sortSurvivesReload();
    void unknownAccountShowsEmpty();
    void amountInTheAccountCurrency_data();
    void amountInTheAccountCurrency();

private:
    RecurringTransaction make(const QString &id, const QString &accountId, const QString &payee, qint64 amount,
                              Frequency frequency, const QDate &nextDue, bool autoPost, bool active) const;
    QStringList column(int column) const;

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<AccountRepository> m_accounts;
    std::unique_ptr<RecurringModel> m_model;
    const QDate m_today{2025, 6, 15};
};

void tst_RecurringModel::init()
{
    Clock::setToday(m_today);
    QApplication::setPalette(ThemeManager::lightPalette());
    m_db = std::make_unique<TestDatabase>();
    m_accounts = std::make_unique<AccountRepository>(m_db->database());
    const QString sql = QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) "
                                       "VALUES (?, ?, '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')");
    QVERIFY(m_db->exec(sql, {"acc-1", "Savings"}));
    QVERIFY(m_db->exec(sql, {"acc-2", "brokerage"}));
    m_model = std::make_unique<RecurringModel>(m_accounts.get());
    m_model->setTemplates({
        make("r-rent", "acc-1", "Rent", -150000, Frequency::Monthly, m_today, false, true),
        make("r-pay", "acc-2", "salary", 300000, Frequency::Biweekly, m_today.addDays(3), true, true),
        make("r-gym", "acc-1", "Gym", -4000, Frequency::SemiAnnual, m_today.addDays(-2), false, false),
        make("r-gift", "acc-2", "gift", 2500, Frequency::Annual, m_today.addDays(-1), true, true),
    });
}

void tst_RecurringModel::cleanup()
{
    m_model.reset();
    m_accounts.reset();
    m_db.reset();
    Clock::setToday(QDate());
}

RecurringTransaction tst_RecurringModel::make(const QString &id, const QString &accountId, const QString &payee,
                                              qint64 amount, Frequency frequency, const QDate &nextDue,
                                              bool autoPost, bool active) const
{
    RecurringTransaction r;
    r.id = id;
    r.accountId = accountId;
    r.payee = payee;
    r.amount = amount;
    r.frequency = frequency;
    r.startDate = nextDue;
    r.nextDueDate = nextDue;
    r.autoPost = autoPost;
    r.isActive = active;
    return r;
}

QStringList tst_RecurringModel::column(int column) const
{
    QStringList values;
    for (int row = 0; row < m_model->rowCount(); ++row)
        values.append(m_model->index(row, column).data().toString());
    return values;
}

void tst_RecurringModel::passesTheModelTester()
{
    QAbstractItemModelTester tester(m_model.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    for (int c = 0; c < RecurringModel::ColumnCount; ++c) {
        m_model->sort(c, Qt::AscendingOrder);
        m_model->sort(c, Qt::DescendingOrder);
    }
    m_model->setTemplates({});
    QCOMPARE(m_model->rowCount(), 0);
    m_model->setTemplates({make("r-1", "acc-1", "One", 1, Frequency::Daily, m_today, true, true)});
    QCOMPARE(m_model->rowCount(), 1);
}

void tst_RecurringModel::headersAndCells()
{
    QStringList headers;
    for (int c = 0; c < m_model->columnCount(); ++c)
        headers.append(m_model->headerData(c, Qt::Horizontal).toString());
    QCOMPARE(headers, (QStringList{"Account", "Payee", "Amount", "Frequency", "Next Due", "Auto", "Status"}));

    // Initial order: by next due date.
    QCOMPARE(column(RecurringModel::PayeeColumn), (QStringList{"Gym", "gift", "Rent", "salary"}));
    QCOMPARE(column(RecurringModel::AccountColumn), (QStringList{"Savings", "brokerage", "Savings", "brokerage"}));
    QCOMPARE(column(RecurringModel::AmountColumn), (QStringList{"-$40.00", "$25.00", "-$1,500.00", "$3,000.00"}));
    QCOMPARE(column(RecurringModel::FrequencyColumn), (QStringList{"semi_annual", "annual", "monthly", "biweekly"}));
    QCOMPARE(column(RecurringModel::AutoColumn), (QStringList{"No", "Yes", "No", "Yes"}));
    QCOMPARE(column(RecurringModel::StatusColumn), (QStringList{"Inactive", "Active", "Active", "Active"}));
    QCOMPARE(m_model->index(2, RecurringModel::NextDueColumn).data().toString(),
             QLocale::system().toString(m_today, QLocale::ShortFormat));
    QCOMPARE(m_model->index(0, RecurringModel::AmountColumn).data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
             Qt::AlignRight | Qt::AlignVCenter);
    QCOMPARE(m_model->index(3, 0).data(RecurringModel::IdRole).toString(), QString("r-pay"));
    QCOMPARE(m_model->templateAt(3).id, QString("r-pay"));
    QVERIFY(m_model->templateAt(9).id.isEmpty());
    QVERIFY(!m_model->index(0, 0).flags().testFlag(Qt::ItemIsEditable));
}

void tst_RecurringModel::colours_data()
{
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QString>("payee");
    QTest::addColumn<int>("column");
    QTest::addColumn<QColor>("expected");

    QTest::newRow("paymentLight") << false << "Rent" << int(RecurringModel::AmountColumn) << QColor("#C62828");
    QTest::newRow("paymentDark") << true << "Rent" << int(RecurringModel::AmountColumn) << QColor("#FF8A80");
    QTest::newRow("depositPlain") << false << "salary" << int(RecurringModel::AmountColumn) << QColor();
    QTest::newRow("inactiveGray") << false << "Gym" << int(RecurringModel::StatusColumn) << QColor(Qt::gray);
    QTest::newRow("activePlain") << false << "Rent" << int(RecurringModel::StatusColumn) << QColor();
    QTest::newRow("dueTodayGreen") << false << "Rent" << int(RecurringModel::NextDueColumn) << QColor(0, 136, 0);
    QTest::newRow("dueTodayGreenDark") << true << "Rent" << int(RecurringModel::NextDueColumn) << QColor("#66BB6A");
    QTest::newRow("overdueGreen") << false << "gift" << int(RecurringModel::NextDueColumn) << QColor(0, 136, 0);
    QTest::newRow("futurePlain") << false << "salary" << int(RecurringModel::NextDueColumn) << QColor();
    QTest::newRow("inactiveOverduePlain") << false << "Gym" << int(RecurringModel::NextDueColumn) << QColor();
}

void tst_RecurringModel::colours()
{
    QFETCH(bool, dark);
    QFETCH(QString, payee);
    QFETCH(int, column);
    QFETCH(QColor, expected);

    QApplication::setPalette(dark ? ThemeManager::darkPalette() : ThemeManager::lightPalette());
    const int row = int(this->column(RecurringModel::PayeeColumn).indexOf(payee));
    QVERIFY(row >= 0);
    QCOMPARE(m_model->index(row, column).data(Qt::ForegroundRole).value<QColor>(), expected);
}

void tst_RecurringModel::sorting_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("order");
    QTest::addColumn<QStringList>("payees");

    QTest::newRow("accountIgnoresCase") << int(RecurringModel::AccountColumn) << int(Qt::AscendingOrder)
                                        << QStringList{"gift", "salary", "Gym", "Rent"};
    QTest::newRow("payeeIgnoresCase") << int(RecurringModel::PayeeColumn) << int(Qt::AscendingOrder)
                                      << QStringList{"gift", "Gym", "Rent", "salary"};
    QTest::newRow("amountDescendingDepositsFirst") << int(RecurringModel::AmountColumn) << int(Qt::DescendingOrder)
                                                   << QStringList{"salary", "gift", "Gym", "Rent"};
    QTest::newRow("frequencyByPeriod") << int(RecurringModel::FrequencyColumn) << int(Qt::AscendingOrder)
                                       << QStringList{"salary", "Rent", "Gym", "gift"};
    QTest::newRow("nextDueDescending") << int(RecurringModel::NextDueColumn) << int(Qt::DescendingOrder)
                                       << QStringList{"salary", "Rent", "gift", "Gym"};
    // Ties keep the list's order ascending and are reversed with it descending.
    QTest::newRow("autoNoFirst") << int(RecurringModel::AutoColumn) << int(Qt::AscendingOrder)
                                 << QStringList{"Gym", "Rent", "gift", "salary"};
    QTest::newRow("autoDescendingReversed") << int(RecurringModel::AutoColumn) << int(Qt::DescendingOrder)
                                            << QStringList{"salary", "gift", "Rent", "Gym"};
    QTest::newRow("statusInactiveFirst") << int(RecurringModel::StatusColumn) << int(Qt::AscendingOrder)
                                         << QStringList{"Gym", "gift", "Rent", "salary"};
}

void tst_RecurringModel::sorting()
{
    QFETCH(int, column);
    QFETCH(int, order);
    QFETCH(QStringList, payees);

    m_model->sort(column, Qt::SortOrder(order));
    QCOMPARE(this->column(RecurringModel::PayeeColumn), payees);
}

void tst_RecurringModel::sortSurvivesReload()
{
    m_model->sort(RecurringModel::AmountColumn, Qt::AscendingOrder);
    const QPersistentModelIndex gift = m_model->index(2, RecurringModel::PayeeColumn);
    QCOMPARE(gift.data().toString(), QString("gift"));
    m_model->sort(RecurringModel::PayeeColumn, Qt::AscendingOrder);
    QCOMPARE(gift.row(), 0);
    QCOMPARE(gift.data().toString(), QString("gift"));

    m_model->sort(RecurringModel::AmountColumn, Qt::AscendingOrder);
    m_model->setTemplates({make("r-a", "acc-1", "A", 500, Frequency::Daily, m_today, true, true),
                           make("r-b", "acc-1", "B", -500, Frequency::Daily, m_today, true, true)});
    QCOMPARE(m_model->sortColumn(), int(RecurringModel::AmountColumn));
    QCOMPARE(column(RecurringModel::PayeeColumn), (QStringList{"B", "A"}));
}

void tst_RecurringModel::unknownAccountShowsEmpty()
{
    m_model->setTemplates({make("r-x", "acc-gone", "X", 1, Frequency::Daily, m_today, true, true),
                           make("r-y", QString(), "Y", 1, Frequency::Daily, m_today, true, true)});
    QCOMPARE(column(RecurringModel::AccountColumn), (QStringList{"", ""}));
}

void tst_RecurringModel::amountInTheAccountCurrency_data()
{
    QTest::addColumn<QString>("currency");
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<QString>("shown");
    // Whole yen: 500 is five hundred yen, not five dollars.
    QTest::newRow("yen") << "JPY" << qint64(-500) << "-¥500";
    QTest::newRow("euro") << "EUR" << qint64(123456) << "€1,234.56";
    QTest::newRow("dollar") << "USD" << qint64(-5) << "-$0.05";
}

void tst_RecurringModel::amountInTheAccountCurrency()
{
    QFETCH(QString, currency);
    QFETCH(qint64, amount);
    QFETCH(QString, shown);
    QVERIFY(m_db->exec(QStringLiteral("INSERT INTO accounts (id, name, currency, created_at, updated_at) "
                                      "VALUES ('acc-x', 'Wallet', ?, '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')"),
                       {currency}));
    m_model->setTemplates({make("r-x", "acc-x", "Lunch", amount, Frequency::Daily, m_today, true, true)});
    QCOMPARE(m_model->index(0, RecurringModel::AmountColumn).data().toString(), shown);
}

QTEST_MAIN(tst_RecurringModel)
#include "tst_recurringmodel.moc"
