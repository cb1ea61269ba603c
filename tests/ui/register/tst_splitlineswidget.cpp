#include "app/appstate.h"
#include "common/testappstate.h"
#include "data/categoryrepository.h"
#include "ui/register/splitlineswidget.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

class tst_SplitLinesWidget : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void categoryChoicesStartWithNone();
    void emptyLinesGiveTwoBlankRows();
    void setLinesSelectsCategoriesByExactId();
    void totalAndLines_data();
    void totalAndLines();
    void typedCategoryTextMeansNoCategory();
    void repeatedNamesKeepTheChosenCategory();
    void addAndRemoveRowsWithTheButtons();
    void memoAndAmountTypedByKeyboard();
    void yenAmountsAreWholeUnits();
    void uncategorizedLines_data();
    void uncategorizedLines();

private:
    QString categoryId(const QString &name, const QString &parentName = QString()) const;
    SplitLine line(const QString &categoryId, qint64 amount, const QString &memo = QString()) const;

    std::unique_ptr<TestAppState> m_state;
    std::unique_ptr<SplitLinesWidget> m_widget;
};

void tst_SplitLinesWidget::initTestCase()
{
    TestAppState::redirectSettings();
}

void tst_SplitLinesWidget::init()
{
    m_state = std::make_unique<TestAppState>();
    QVERIFY(m_state->initialize());
    m_widget = std::make_unique<SplitLinesWidget>(m_state.get());
}

void tst_SplitLinesWidget::cleanup()
{
    m_widget.reset();
    m_state.reset();
}

QString tst_SplitLinesWidget::categoryId(const QString &name, const QString &parentName) const
{
    const QList<Category> all = m_state->categoryRepository()->findAll();
    QString parentId;
    for (const Category &c : all) {
        if (!parentName.isEmpty() && c.name == parentName && c.parentId.isEmpty())
            parentId = c.id;
    }
    for (const Category &c : all) {
        if (c.name == name && (parentName.isEmpty() || c.parentId == parentId))
            return c.id;
    }
    qFatal("no category %s", qPrintable(name));
}

SplitLine tst_SplitLinesWidget::line(const QString &category, qint64 amount, const QString &memo) const
{
    SplitLine l;
    l.categoryId = category;
    l.amount = amount;
    l.memo = memo;
    return l;
}

void tst_SplitLinesWidget::categoryChoicesStartWithNone()
{
    m_widget->setLines({});
    const QComboBox *combo = m_widget->categoryCombo(0);
    const QList<Category> categories = m_state->categoryRepository()->findAll();
    QCOMPARE(combo->count(), categories.size() + 1);
    QCOMPARE(combo->itemText(0), QStringLiteral("(none)"));
    QCOMPARE(combo->itemData(0).toString(), QString());
    QCOMPARE(combo->itemText(1), categories.first().name);
    QCOMPARE(combo->itemData(1).toString(), categories.first().id);
    QVERIFY(combo->isEditable());
    QCOMPARE(combo->insertPolicy(), QComboBox::NoInsert);
    const QStringList headers{m_widget->table()->horizontalHeaderItem(0)->text(),
                              m_widget->table()->horizontalHeaderItem(1)->text(),
                              m_widget->table()->horizontalHeaderItem(2)->text()};
    QCOMPARE(headers, (QStringList{"Category", "Amount", "Memo"}));
}

void tst_SplitLinesWidget::emptyLinesGiveTwoBlankRows()
{
    QSignalSpy changed(m_widget.get(), &SplitLinesWidget::changed);
    m_widget->setLines({line(categoryId("Groceries"), 500)});
    m_widget->setLines({});
    QCOMPARE(m_widget->rowCount(), 2);
    QCOMPARE(m_widget->total(), 0);
    QVERIFY(m_widget->lines(-1).isEmpty());
    // One announcement per setLines, not one per row built.
    QCOMPARE(changed.count(), 2);
}

void tst_SplitLinesWidget::setLinesSelectsCategoriesByExactId()
{
    const QString groceries = categoryId("Groceries");
    m_widget->setLines({line(groceries, -4250, "milk"), line(QString(), 1000), line("no-such-id", 5)});

    QCOMPARE(m_widget->rowCount(), 3);
    QCOMPARE(m_widget->categoryCombo(0)->currentData().toString(), groceries);
    QCOMPARE(m_widget->categoryCombo(1)->currentText(), QStringLiteral("(none)"));
    QCOMPARE(m_widget->categoryCombo(2)->currentIndex(), -1);
    QCOMPARE(m_widget->amountSpin(0)->value(), 42.50);
    QCOMPARE(m_widget->table()->item(0, SplitLinesWidget::MemoColumn)->text(), QStringLiteral("milk"));
    QCOMPARE(m_widget->total(), 4250 + 1000 + 5);
}

void tst_SplitLinesWidget::totalAndLines_data()
{
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<int>("sign");
    QTest::addColumn<qint64>("total");
    QTest::addColumn<QList<qint64>>("amounts");
    QTest::newRow("payment") << QList<double>{80.0, 20.0} << -1 << qint64(10000) << QList<qint64>{-8000, -2000};
    QTest::newRow("deposit") << QList<double>{0.29, 0.01} << 1 << qint64(30) << QList<qint64>{29, 1};
    QTest::newRow("zeroRowsDropped") << QList<double>{0.0, 12.5, 0.0} << -1 << qint64(1250) << QList<qint64>{-1250};
    QTest::newRow("allZero") << QList<double>{0.0, 0.0} << 1 << qint64(0) << QList<qint64>{};
}

void tst_SplitLinesWidget::totalAndLines()
{
    QFETCH(QList<double>, values);
    QFETCH(int, sign);
    QFETCH(qint64, total);
    QFETCH(QList<qint64>, amounts);
    m_widget->setLines({});
    while (m_widget->rowCount() < values.size())
        m_widget->addLine();
    for (int row = 0; row < values.size(); ++row)
        m_widget->amountSpin(row)->setValue(values.at(row));

    QCOMPARE(m_widget->total(), total);
    const QList<SplitLine> lines = m_widget->lines(sign);
    QList<qint64> got;
    for (const SplitLine &l : lines) {
        got.append(l.amount);
        QCOMPARE(l.id.size(), 36);
        QVERIFY(l.transactionId.isEmpty());
        QVERIFY(l.createdAt.isValid());
        QCOMPARE(l.updatedAt, l.createdAt);
    }
    QCOMPARE(got, amounts);
    if (lines.size() > 1)
        QVERIFY(lines.at(0).id != lines.at(1).id);
}

void tst_SplitLinesWidget::typedCategoryTextMeansNoCategory()
{
    m_widget->show();
    m_widget->setLines({line(categoryId("Groceries"), 1000)});
    QComboBox *combo = m_widget->categoryCombo(0);
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), "Pocket money");
    QCOMPARE(combo->currentText(), QStringLiteral("Pocket money"));
    QCOMPARE(m_widget->lines(1).first().categoryId, QString());

    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), "Salary / Wages");
    QCOMPARE(m_widget->lines(1).first().categoryId, categoryId("Salary / Wages"));
}

void tst_SplitLinesWidget::repeatedNamesKeepTheChosenCategory()
{
    const QString carRepairs = categoryId("Maintenance", "Transportation");
    const QString homeRepairs = categoryId("Maintenance", "Housing");
    m_widget->setLines({line(carRepairs, 100), line(homeRepairs, 200)});
    const QList<SplitLine> lines = m_widget->lines(1);
    QCOMPARE(lines.at(0).categoryId, carRepairs);
    QCOMPARE(lines.at(1).categoryId, homeRepairs);
}

void tst_SplitLinesWidget::addAndRemoveRowsWithTheButtons()
{
    m_widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_widget.get()));
    m_widget->setLines({line(QString(), 100), line(QString(), 200), line(QString(), 300)});
    QSignalSpy changed(m_widget.get(), &SplitLinesWidget::changed);
    auto *add = m_widget->findChild<QPushButton *>("addLineButton");
    auto *remove = m_widget->findChild<QPushButton *>("removeLineButton");
    QCOMPARE(add->text(), QStringLiteral("+ Add Line"));
    QCOMPARE(remove->text(), QStringLiteral("- Remove"));

    QTest::mouseClick(add, Qt::LeftButton);
    QCOMPARE(m_widget->rowCount(), 4);
    QCOMPARE(changed.count(), 1);

    // The row the user is typing in is the one removed, although the table's
    // current cell was never touched.
    m_widget->amountSpin(1)->setFocus();
    QTest::mouseClick(remove, Qt::LeftButton);
    QCOMPARE(m_widget->rowCount(), 3);
    QCOMPARE(m_widget->total(), 100 + 300);
    QCOMPARE(changed.count(), 2);

    m_widget->setLines({line(QString(), 100)});
    m_widget->table()->setCurrentCell(-1, -1);
    m_widget->window()->setFocus();
    changed.clear();
    m_widget->removeCurrentLine();
    QCOMPARE(m_widget->rowCount(), 1);
    QCOMPARE(changed.count(), 0);
}

void tst_SplitLinesWidget::memoAndAmountTypedByKeyboard()
{
    m_widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_widget.get()));
    m_widget->setLines({});
    QSignalSpy changed(m_widget.get(), &SplitLinesWidget::changed);

    QDoubleSpinBox *spin = m_widget->amountSpin(0);
    spin->setFocus();
    spin->selectAll();
    QTest::keyClicks(spin, "12.75");
    QCOMPARE(m_widget->total(), 1275);
    QVERIFY(changed.count() > 0);

    changed.clear();
    QTableWidget *table = m_widget->table();
    table->setFocus();
    table->setCurrentCell(0, SplitLinesWidget::MemoColumn);
    QTest::keyClick(table, Qt::Key_F2);
    QWidget *editor = QApplication::focusWidget();
    QVERIFY(qobject_cast<QLineEdit *>(editor));
    QTest::keyClicks(editor, "Birthday gift");
    QTest::keyClick(editor, Qt::Key_Return);
    // The view commits an editor from its event queue.
    QTRY_COMPARE(changed.count(), 1);
    QCOMPARE(m_widget->lines(-1).first().memo, QStringLiteral("Birthday gift"));
    QCOMPARE(m_widget->lines(-1).first().amount, -1275);
}

void tst_SplitLinesWidget::yenAmountsAreWholeUnits()
{
    m_widget->setLines({line(QString(), 1500)});
    m_widget->setCurrency(Currency::JPY);
    m_widget->addLine();
    for (int row = 0; row < 2; ++row) {
        QCOMPARE(m_widget->amountSpin(row)->decimals(), 0);
        QCOMPARE(m_widget->amountSpin(row)->prefix(), QStringLiteral("¥ "));
    }
    m_widget->amountSpin(0)->setValue(1500);
    m_widget->amountSpin(1)->setValue(250);
    QCOMPARE(m_widget->total(), 1750);
    QCOMPARE(m_widget->lines(-1).first().amount, -1500);

    m_widget->setLines({line(QString(), -98765)});
    QCOMPARE(m_widget->amountSpin(0)->value(), 98765.0);
    QCOMPARE(m_widget->total(), 98765);
}

void tst_SplitLinesWidget::uncategorizedLines_data()
{
    QTest::addColumn<QStringList>("categories");
    QTest::addColumn<QList<qint64>>("amounts");
    QTest::addColumn<int>("row");
    QTest::newRow("allCategorized") << QStringList{"Groceries", "Utilities"} << QList<qint64>{100, 200} << -1;
    QTest::newRow("noneWithAmount") << QStringList{"Groceries", ""} << QList<qint64>{100, 200} << 1;
    QTest::newRow("noneWithoutAmount") << QStringList{"Groceries", ""} << QList<qint64>{100, 0} << -1;
    QTest::newRow("firstOfTwo") << QStringList{"", ""} << QList<qint64>{5, 5} << 0;
}

void tst_SplitLinesWidget::uncategorizedLines()
{
    QFETCH(QStringList, categories);
    QFETCH(QList<qint64>, amounts);
    QFETCH(int, row);
    QList<SplitLine> lines;
    for (int i = 0; i < categories.size(); ++i)
        lines.append(line(categories.at(i).isEmpty() ? QString() : categoryId(categories.at(i)), amounts.at(i)));
    m_widget->setLines(lines);
    QCOMPARE(m_widget->firstUncategorizedRow(), row);
}

QTEST_MAIN(tst_SplitLinesWidget)
#include "tst_splitlineswidget.moc"
