#include "ui/screens/reconciliationmodel.h"
#include "ui/thememanager.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include <limits>

namespace {

Transaction row(const QString &id, qint64 amount, bool cleared = false, const QDate &date = QDate(2024, 3, 1),
                const QString &payee = QStringLiteral("Grocer"))
{
    Transaction t;
    t.id = id;
    t.accountId = QStringLiteral("acc");
    t.date = date;
    t.payee = payee;
    t.amount = amount;
    t.cleared = cleared;
    return t;
}

} // namespace

class tst_ReconciliationModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();

    void passesTheModelTester();
    void clearedRowsStartTicked();
    void ticksSurviveAReloadById();
    void ticksKeepTheSumsExact_data();
    void ticksKeepTheSumsExact();
    void sumsBeyondAnAmountAreEmpty();
    void checkBoxGoesThroughSetData();
    void cells_data();
    void cells();
    void negativeAmountsInTheThemeRed_data();
    void negativeAmountsInTheThemeRed();

private:
    ReconciliationModel m_model;
};

void tst_ReconciliationModel::init()
{
    QApplication::setPalette(ThemeManager::lightPalette());
    m_model.setCurrency(Currency::USD);
    m_model.setRows({});
}

void tst_ReconciliationModel::passesTheModelTester()
{
    QAbstractItemModelTester tester(&m_model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    m_model.setRows({row("a", 5000, true), row("b", -2000), row("c", 0, true)});
    m_model.toggle(1);
    m_model.setTicked(0, false);
    m_model.setRows({row("b", -2000), row("d", 1)});
    m_model.setCurrency(Currency::JPY);
    QCOMPARE(m_model.rowCount(), 2);
    QCOMPARE(m_model.columnCount(), int(ReconciliationModel::ColumnCount));
}

void tst_ReconciliationModel::clearedRowsStartTicked()
{
    m_model.setRows({row("a", 5000, true), row("b", -2000, true), row("c", -700)});
    QVERIFY(m_model.isTicked(0));
    QVERIFY(m_model.isTicked(1));
    QVERIFY(!m_model.isTicked(2));
    QCOMPARE(m_model.tickedCount(), 2);
    QCOMPARE(m_model.clearedDeposits(), std::optional<qint64>(5000));
    QCOMPARE(m_model.clearedWithdrawals(), std::optional<qint64>(-2000));
    QCOMPARE(m_model.index(0, ReconciliationModel::TickColumn).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
    QCOMPARE(m_model.index(2, ReconciliationModel::TickColumn).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
}

void tst_ReconciliationModel::ticksSurviveAReloadById()
{
    m_model.setRows({row("a", 5000, true), row("b", -2000, true), row("c", -700), row("gone", 1, true)});
    m_model.setTicked(0, false);   // a cleared row the person unticked
    m_model.setTicked(2, true);    // an uncleared row the person ticked

    // Reloaded in another order, with one row gone and two new ones.
    m_model.setRows({row("new-cleared", 300, true), row("c", -700), row("b", -2000, true), row("a", 5000, true),
                     row("new-open", -50)});
    QCOMPARE(m_model.rowOf("new-cleared"), 0);
    QCOMPARE(m_model.rowOf("gone"), -1);
    QVERIFY(m_model.isTicked(m_model.rowOf("new-cleared")));
    QVERIFY(m_model.isTicked(m_model.rowOf("c")));
    QVERIFY(m_model.isTicked(m_model.rowOf("b")));
    QVERIFY(!m_model.isTicked(m_model.rowOf("a")));
    QVERIFY(!m_model.isTicked(m_model.rowOf("new-open")));
    QCOMPARE(m_model.clearedDeposits(), std::optional<qint64>(300));
    QCOMPARE(m_model.clearedWithdrawals(), std::optional<qint64>(-2700));
    QStringList ticked;
    for (const Transaction &t : m_model.tickedTransactions())
        ticked.append(t.id);
    QCOMPARE(ticked, QStringList({"new-cleared", "c", "b"}));
}

void tst_ReconciliationModel::ticksKeepTheSumsExact_data()
{
    QTest::addColumn<QList<int>>("toggles");
    QTest::newRow("tickOneDeposit") << QList<int>{3};
    QTest::newRow("untickOnePayment") << QList<int>{1};
    QTest::newRow("zeroCountsAsDeposit") << QList<int>{4, 4, 4};
    QTest::newRow("everyRowTwice") << QList<int>{0, 1, 2, 3, 4, 0, 1, 2, 3, 4};
    QTest::newRow("backAndForth") << QList<int>{2, 2, 3, 1, 3, 0, 2};
}

void tst_ReconciliationModel::ticksKeepTheSumsExact()
{
    QFETCH(QList<int>, toggles);
    const QList<Transaction> rows{row("a", 5000, true), row("b", -2000, true), row("c", -701), row("d", 999),
                                  row("e", 0)};
    m_model.setRows(rows);
    QSignalSpy changed(&m_model, &ReconciliationModel::tickChanged);
    for (int toggle : toggles) {
        const bool before = m_model.isTicked(toggle);
        m_model.toggle(toggle);
        QCOMPARE(m_model.isTicked(toggle), !before);
        qint64 deposits = 0;
        qint64 withdrawals = 0;
        int count = 0;
        for (int i = 0; i < rows.size(); ++i) {
            if (!m_model.isTicked(i))
                continue;
            ++count;
            (rows.at(i).amount >= 0 ? deposits : withdrawals) += rows.at(i).amount;
        }
        QCOMPARE(m_model.clearedDeposits(), std::optional<qint64>(deposits));
        QCOMPARE(m_model.clearedWithdrawals(), std::optional<qint64>(withdrawals));
        QCOMPARE(m_model.tickedCount(), count);
    }
    QCOMPARE(changed.count(), toggles.size());
    // A tick set to what it already is changes nothing and says nothing.
    m_model.setTicked(0, m_model.isTicked(0));
    QCOMPARE(changed.count(), toggles.size());
}

void tst_ReconciliationModel::sumsBeyondAnAmountAreEmpty()
{
    constexpr qint64 max = std::numeric_limits<qint64>::max();
    constexpr qint64 min = std::numeric_limits<qint64>::min();
    m_model.setRows({row("a", max, true), row("b", max, true), row("c", min, true), row("d", min)});
    QCOMPARE(m_model.clearedDeposits(), std::nullopt);
    QCOMPARE(m_model.clearedWithdrawals(), std::optional<qint64>(min));
    m_model.toggle(3);
    QCOMPARE(m_model.clearedWithdrawals(), std::nullopt);
    // Taking a tick away brings the exact sum back.
    m_model.toggle(1);
    m_model.toggle(3);
    QCOMPARE(m_model.clearedDeposits(), std::optional<qint64>(max));
    QCOMPARE(m_model.clearedWithdrawals(), std::optional<qint64>(min));
}

void tst_ReconciliationModel::checkBoxGoesThroughSetData()
{
    m_model.setRows({row("a", 5000), row("b", -2000)});
    QSignalSpy changed(&m_model, &ReconciliationModel::tickChanged);
    const QModelIndex tick = m_model.index(1, ReconciliationModel::TickColumn);
    QVERIFY(m_model.flags(tick).testFlag(Qt::ItemIsUserCheckable));
    QVERIFY(!m_model.flags(m_model.index(1, ReconciliationModel::PayeeColumn)).testFlag(Qt::ItemIsUserCheckable));
    QVERIFY(!m_model.flags(m_model.index(1, ReconciliationModel::PayeeColumn)).testFlag(Qt::ItemIsEditable));

    QVERIFY(m_model.setData(tick, Qt::Checked, Qt::CheckStateRole));
    QVERIFY(m_model.isTicked(1));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toInt(), 1);
    QCOMPARE(m_model.clearedWithdrawals(), std::optional<qint64>(-2000));
    QVERIFY(m_model.setData(tick, Qt::Unchecked, Qt::CheckStateRole));
    QVERIFY(!m_model.isTicked(1));

    QVERIFY(!m_model.setData(m_model.index(1, ReconciliationModel::PayeeColumn), Qt::Checked, Qt::CheckStateRole));
    QVERIFY(!m_model.setData(tick, "x", Qt::EditRole));
    QCOMPARE(changed.count(), 2);
}

void tst_ReconciliationModel::cells_data()
{
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<bool>("cleared");
    QTest::addColumn<QString>("amountText");
    QTest::addColumn<QString>("clearedText");
    QTest::newRow("dollarDeposit") << Currency::USD << qint64(5000) << true << "$50.00" << "C";
    QTest::newRow("dollarPayment") << Currency::USD << qint64(-123456) << false << "-$1,234.56" << "";
    QTest::newRow("yenDeposit") << Currency::JPY << qint64(1234) << false << "¥1,234" << "";
    QTest::newRow("yenPayment") << Currency::JPY << qint64(-120) << true << "-¥120" << "C";
    QTest::newRow("euroZero") << Currency::EUR << qint64(0) << false << "€0.00" << "";
}

void tst_ReconciliationModel::cells()
{
    QFETCH(Currency, currency);
    QFETCH(qint64, amount);
    QFETCH(bool, cleared);
    QFETCH(QString, amountText);
    QFETCH(QString, clearedText);
    m_model.setCurrency(currency);
    m_model.setRows({row("a", amount, cleared, QDate(2024, 2, 29), "Corner Grocer")});
    const auto cell = [this](int column, int role = Qt::DisplayRole) { return m_model.index(0, column).data(role); };
    QCOMPARE(cell(ReconciliationModel::DateColumn).toString(), QStringLiteral("02/29/2024"));
    QCOMPARE(cell(ReconciliationModel::PayeeColumn).toString(), QStringLiteral("Corner Grocer"));
    QCOMPARE(cell(ReconciliationModel::AmountColumn).toString(), amountText);
    QCOMPARE(cell(ReconciliationModel::ClearedColumn).toString(), clearedText);
    QCOMPARE(cell(ReconciliationModel::AmountColumn, Qt::TextAlignmentRole).toInt(),
             int(Qt::AlignRight | Qt::AlignVCenter));
    QVERIFY(!cell(ReconciliationModel::TickColumn).isValid());

    QStringList headers;
    for (int column = 0; column < m_model.columnCount(); ++column)
        headers.append(m_model.headerData(column, Qt::Horizontal).toString());
    QCOMPARE(headers, QStringList({"", "Date", "Payee", "Amount", "Clr"}));
}

void tst_ReconciliationModel::negativeAmountsInTheThemeRed_data()
{
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QString>("red");
    QTest::newRow("light") << false << "#c62828";
    QTest::newRow("dark") << true << "#ff8a80";
}

void tst_ReconciliationModel::negativeAmountsInTheThemeRed()
{
    QFETCH(bool, dark);
    QFETCH(QString, red);
    QApplication::setPalette(dark ? ThemeManager::darkPalette() : ThemeManager::lightPalette());
    m_model.setRows({row("a", -1), row("b", 1)});
    QCOMPARE(m_model.index(0, ReconciliationModel::AmountColumn).data(Qt::ForegroundRole).value<QColor>().name(), red);
    QVERIFY(!m_model.index(1, ReconciliationModel::AmountColumn).data(Qt::ForegroundRole).isValid());
    QVERIFY(!m_model.index(0, ReconciliationModel::PayeeColumn).data(Qt::ForegroundRole).isValid());
}

QTEST_MAIN(tst_ReconciliationModel)
#include "tst_reconciliationmodel.moc"
