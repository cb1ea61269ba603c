#include "app/appstate.h"
#include "common/testappstate.h"
#include "ui/messagebox.h"
#include "data/categoryrepository.h"
#include "data/money.h"
#include "ui/register/spliteditordialog.h"
#include "ui/register/splitlineswidget.h"
#include "ui/thememanager.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

class tst_SplitEditorDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void showsTotalAndStartsFromTheLines();
    void remainingFollowsTheLines_data();
    void remainingFollowsTheLines();
    void remainingFollowsTypedAmounts();
    void linesTakeTheTransactionsSign_data();
    void linesTakeTheTransactionsSign();
    void okSettlesLinesThatDoNotAddUp_data();
    void okSettlesLinesThatDoNotAddUp();
    void addedLineTakesTheRemainderAndACategory();
    void returnOnALineButtonIsOk();
    void okRefusesUnreadableAmount();
    void okRefusesLineWithoutCategory();
    void yenTransaction();

private:
    SplitLine line(qint64 amount, const QString &categoryId = QString()) const;

    std::unique_ptr<TestAppState> m_state;
};

void tst_SplitEditorDialog::initTestCase()
{
    TestAppState::redirectSettings();
}

void tst_SplitEditorDialog::init()
{
    m_state = std::make_unique<TestAppState>();
    QVERIFY(m_state->initialize());
}

void tst_SplitEditorDialog::cleanup()
{
    m_state.reset();
}

SplitLine tst_SplitEditorDialog::line(qint64 amount, const QString &categoryId) const
{
    SplitLine l;
    l.amount = amount;
    l.categoryId = categoryId;
    return l;
}

void tst_SplitEditorDialog::showsTotalAndStartsFromTheLines()
{
    const QString groceries = m_state->categoryRepository()->findByName("Groceries")->id;
    SplitEditorDialog dialog(m_state.get(), -10000, {line(-6000, groceries), line(-4000)}, Currency::USD);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Split Transaction"));
    QCOMPARE(dialog.minimumSize(), QSize(550, 350));
    QCOMPARE(dialog.totalLabel()->text(), QStringLiteral("Total: $100.00"));
    QCOMPARE(dialog.linesWidget()->rowCount(), 2);
    QCOMPARE(dialog.linesWidget()->categoryCombo(0)->currentData().toString(), groceries);
    QCOMPARE(dialog.remainingLabel()->text(), QStringLiteral("Remaining: $0.00"));
    QCOMPARE(dialog.remainingLabel()->font().weight(), QFont::Bold);
    QCOMPARE(dialog.remainingLabel()->property("orlFontWeight").toInt(), 700);

    SplitEditorDialog empty(m_state.get(), 2500, {}, Currency::USD);
    QCOMPARE(empty.linesWidget()->rowCount(), 2);
    QCOMPARE(empty.remainingLabel()->text(), QStringLiteral("Remaining: $25.00"));
}

void tst_SplitEditorDialog::remainingFollowsTheLines_data()
{
    QTest::addColumn<double>("first");
    QTest::addColumn<double>("second");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("style");
    QTest::addColumn<bool>("dark");
    QTest::newRow("short") << 60.0 << 30.0 << "Remaining: $10.00" << "" << false;
    QTest::newRow("exact") << 60.0 << 40.0 << "Remaining: $0.00" << "color: green;" << false;
    QTest::newRow("over") << 70.0 << 40.0 << "Remaining: -$10.00" << "color: #cc0000;" << false;
    QTest::newRow("shortDark") << 60.0 << 30.0 << "Remaining: $10.00" << "" << true;
    QTest::newRow("exactDark") << 60.0 << 40.0 << "Remaining: $0.00" << "color: #66bb6a;" << true;
    QTest::newRow("overDark") << 70.0 << 40.0 << "Remaining: -$10.00" << "color: #ff8a80;" << true;
}

void tst_SplitEditorDialog::remainingFollowsTheLines()
{
    QFETCH(double, first);
    QFETCH(double, second);
    QFETCH(QString, text);
    QFETCH(QString, style);
    QFETCH(bool, dark);
    QApplication::setPalette(dark ? ThemeManager::darkPalette() : ThemeManager::lightPalette());
    SplitEditorDialog dialog(m_state.get(), -10000, {line(-1), line(-1)}, Currency::USD);
    dialog.linesWidget()->amountSpin(0)->setValue(first);
    dialog.linesWidget()->amountSpin(1)->setValue(second);
    QApplication::setPalette(ThemeManager::lightPalette());
    QCOMPARE(dialog.remainingLabel()->text(), text);
    QCOMPARE(dialog.remainingLabel()->styleSheet(), style);
}

void tst_SplitEditorDialog::remainingFollowsTypedAmounts()
{
    SplitEditorDialog dialog(m_state.get(), -10000, {}, Currency::USD);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QDoubleSpinBox *spin = dialog.linesWidget()->amountSpin(0);
    spin->setFocus();
    spin->selectAll();
    QTest::keyClicks(spin, "75");
    QCOMPARE(dialog.remainingLabel()->text(), QStringLiteral("Remaining: $25.00"));

    auto *add = dialog.findChild<QPushButton *>("addLineButton");
    QTest::mouseClick(add, Qt::LeftButton);
    QDoubleSpinBox *third = dialog.linesWidget()->amountSpin(2);
    third->setFocus();
    third->selectAll();
    QTest::keyClicks(third, "25");
    QCOMPARE(dialog.remainingLabel()->text(), QStringLiteral("Remaining: $0.00"));

    // Removing the row being typed in gives its share back.
    QTest::mouseClick(dialog.findChild<QPushButton *>("removeLineButton"), Qt::LeftButton);
    QCOMPARE(dialog.remainingLabel()->text(), QStringLiteral("Remaining: $25.00"));
}

void tst_SplitEditorDialog::linesTakeTheTransactionsSign_data()
{
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<qint64>("expected");
    QTest::newRow("payment") << qint64(-5000) << qint64(-5000);
    QTest::newRow("deposit") << qint64(5000) << qint64(5000);
    QTest::newRow("zeroAmount") << qint64(0) << qint64(5000);
}

void tst_SplitEditorDialog::linesTakeTheTransactionsSign()
{
    QFETCH(qint64, amount);
    QFETCH(qint64, expected);
    // Stored lines of either sign show as magnitudes and come back signed like the transaction.
    SplitEditorDialog dialog(m_state.get(), amount, {line(-5000), line(0)}, Currency::USD);
    const QList<SplitLine> lines = dialog.lines();
    QCOMPARE(lines.size(), 1);
    QCOMPARE(lines.first().amount, expected);
}

void tst_SplitEditorDialog::okSettlesLinesThatDoNotAddUp_data()
{
    QTest::addColumn<qint64>("second");
    QTest::addColumn<bool>("changeable");
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<int>("expectedButtons");
    QTest::addColumn<QMessageBox::StandardButton>("expectedDefault");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("rows");
    QTest::addColumn<qint64>("amount");

    const int addOrCancel = int(QMessageBox::Yes | QMessageBox::Cancel);
    const int all = int(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    const int changeOrCancel = int(QMessageBox::No | QMessageBox::Cancel);
    // The transaction is -120.00; the first line is 70.00.
    QTest::newRow("balanced") << qint64(5000) << false << QMessageBox::Cancel << 0 << QMessageBox::NoButton
                              << true << 2 << qint64(-12000);
    QTest::newRow("shortAddLine") << qint64(4000) << false << QMessageBox::Yes << addOrCancel << QMessageBox::Yes
                                  << false << 3 << qint64(-12000);
    QTest::newRow("shortCancel") << qint64(4000) << true << QMessageBox::Cancel << all << QMessageBox::Yes << false
                                 << 2 << qint64(-12000);
    QTest::newRow("shortChangeTotal") << qint64(4000) << true << QMessageBox::No << all << QMessageBox::Yes << true
                                      << 2 << qint64(-11000);
    QTest::newRow("overChangeTotal") << qint64(6000) << true << QMessageBox::No << changeOrCancel
                                     << QMessageBox::Cancel << true << 2 << qint64(-13000);
    QTest::newRow("overEscape") << qint64(6000) << true << QMessageBox::Cancel << changeOrCancel
                                << QMessageBox::Cancel << false << 2 << qint64(-12000);
}

void tst_SplitEditorDialog::okSettlesLinesThatDoNotAddUp()
{
    QFETCH(qint64, second);
    QFETCH(bool, changeable);
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(int, expectedButtons);
    QFETCH(QMessageBox::StandardButton, expectedDefault);
    QFETCH(bool, accepted);
    QFETCH(int, rows);
    QFETCH(qint64, amount);
    QList<MessageBox::Request> boxes;
    MessageBox::setResponder([&boxes, answer](const MessageBox::Request &request) {
        boxes.append(request);
        return answer;
    });
    const QString groceries = m_state->categoryRepository()->findByName("Groceries")->id;
    SplitEditorDialog dialog(m_state.get(), -12000, {line(-7000, groceries), line(-second, groceries)},
                             Currency::USD);
    dialog.setTotalChangeable(changeable);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::mouseClick(dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
    MessageBox::setResponder({});

    QCOMPARE(boxes.size(), expectedButtons == 0 ? 0 : 1);
    if (!boxes.isEmpty()) {
        const MessageBox::Request &box = boxes.first();
        QCOMPARE(box.title, QStringLiteral("Split Transaction"));
        QCOMPARE(int(box.buttons), expectedButtons);
        QCOMPARE(box.defaultButton, expectedDefault);
        QCOMPARE(box.text, second < 5000
                               ? QStringLiteral("The lines add up to $110.00, $10.00 less than the transaction's $120.00.")
                               : QStringLiteral("The lines add up to $130.00, $10.00 more than the transaction's $120.00."));
        if (box.buttons.testFlag(QMessageBox::Yes))
            QCOMPARE(box.buttonTexts.value(QMessageBox::Yes), QStringLiteral("Add a Line for $10.00"));
        if (box.buttons.testFlag(QMessageBox::No))
            QCOMPARE(box.buttonTexts.value(QMessageBox::No),
                     QStringLiteral("Change the Total to %1").arg(second < 5000 ? "$110.00" : "$130.00"));
    }
    QCOMPARE(dialog.result(), int(accepted ? QDialog::Accepted : QDialog::Rejected));
    QCOMPARE(dialog.isVisible(), !accepted);
    QCOMPARE(dialog.linesWidget()->rowCount(), rows);
    QCOMPARE(dialog.amount(), amount);
    if (accepted) {
        qint64 sum = 0;
        for (const SplitLine &l : dialog.lines())
            sum += l.amount;
        QCOMPARE(sum, amount);
        QCOMPARE(dialog.totalLabel()->text(), QStringLiteral("Total: %1").arg(formatMoney(-amount, Currency::USD)));
    }
}

void tst_SplitEditorDialog::addedLineTakesTheRemainderAndACategory()
{
    QList<MessageBox::Request> boxes;
    MessageBox::setResponder([&boxes](const MessageBox::Request &request) {
        boxes.append(request);
        return request.icon == QMessageBox::Question ? QMessageBox::Yes : QMessageBox::Ok;
    });
    const QString groceries = m_state->categoryRepository()->findByName("Groceries")->id;
    SplitEditorDialog dialog(m_state.get(), -12000, {line(-7000, groceries), line(-4000, groceries)},
                             Currency::USD);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QPushButton *ok = dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(dialog.linesWidget()->amountSpin(2)->value(), 10.0);
    QCOMPARE(dialog.remainingLabel()->text(), QStringLiteral("Remaining: $0.00"));
    QComboBox *combo = dialog.linesWidget()->categoryCombo(2);
    QVERIFY(QApplication::focusWidget() == combo || combo->isAncestorOf(QApplication::focusWidget()));

    // Without a category the line is refused; with one the split is taken.
    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    QCOMPARE(boxes.size(), 2);
    QCOMPARE(boxes.last().icon, QMessageBox::Warning);
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), "Utilities");
    QTest::mouseClick(ok, Qt::LeftButton);
    MessageBox::setResponder({});
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const QList<SplitLine> lines = dialog.lines();
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines.at(2).amount, -1000);
    QCOMPARE(lines.at(2).categoryId, m_state->categoryRepository()->findByName("Utilities")->id);
}

void tst_SplitEditorDialog::returnOnALineButtonIsOk()
{
    const QString groceries = m_state->categoryRepository()->findByName("Groceries")->id;
    SplitEditorDialog dialog(m_state.get(), -10000, {line(-6000, groceries), line(-4000, groceries)},
                             Currency::USD);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *remove = dialog.findChild<QPushButton *>("removeLineButton");
    dialog.linesWidget()->table()->setCurrentCell(0, 0);
    remove->setFocus();
    QTest::keyClick(remove, Qt::Key_Return);
    QCOMPARE(dialog.linesWidget()->rowCount(), 2);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void tst_SplitEditorDialog::okRefusesUnreadableAmount()
{
    const QString groceries = m_state->categoryRepository()->findByName("Groceries")->id;
    SplitEditorDialog dialog(m_state.get(), -10000, {line(-6000, groceries), line(-4000, groceries)},
                             Currency::USD);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QDoubleSpinBox *spin = dialog.linesWidget()->amountSpin(1);
    spin->setFocus();
    spin->selectAll();
    QTest::keyClicks(spin, "abc");
    QTest::keyClick(spin, Qt::Key_Return);
    QVERIFY(dialog.isVisible());
    QCOMPARE(QApplication::focusWidget(), spin);
    QCOMPARE(dialog.linesWidget()->table()->currentRow(), 1);
    QCOMPARE(spin->toolTip(), QStringLiteral("Only digits and one decimal point can be typed here, up to 99,999,999.99."));

    spin->selectAll();
    QTest::keyClicks(spin, "40");
    QTest::keyClick(spin, Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void tst_SplitEditorDialog::okRefusesLineWithoutCategory()
{
    QList<MessageBox::Request> boxes;
    MessageBox::setResponder([&boxes](const MessageBox::Request &request) {
        boxes.append(request);
        return QMessageBox::Ok;
    });
    const QString groceries = m_state->categoryRepository()->findByName("Groceries")->id;
    SplitEditorDialog dialog(m_state.get(), -10000, {line(-6000, groceries), line(-4000)}, Currency::USD);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QPushButton *ok = dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);

    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.first().icon, QMessageBox::Warning);
    QCOMPARE(boxes.first().text, QStringLiteral("Choose a category for every split line with an amount."));
    QComboBox *combo = dialog.linesWidget()->categoryCombo(1);
    QVERIFY(QApplication::focusWidget() == combo || combo->isAncestorOf(QApplication::focusWidget()));

    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), "Utilities");
    QTest::mouseClick(ok, Qt::LeftButton);
    MessageBox::setResponder({});
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.lines().at(1).categoryId, m_state->categoryRepository()->findByName("Utilities")->id);
}

void tst_SplitEditorDialog::yenTransaction()
{
    SplitEditorDialog dialog(m_state.get(), -1500, {line(-1000), line(-200)}, Currency::JPY);
    QCOMPARE(dialog.totalLabel()->text(), QStringLiteral("Total: ¥1,500"));
    QCOMPARE(dialog.linesWidget()->amountSpin(0)->value(), 1000.0);
    QCOMPARE(dialog.linesWidget()->amountSpin(0)->prefix(), QStringLiteral("¥ "));
    QCOMPARE(dialog.remainingLabel()->text(), QStringLiteral("Remaining: ¥300"));
    dialog.linesWidget()->amountSpin(1)->setValue(500);
    QCOMPARE(dialog.remainingLabel()->text(), QStringLiteral("Remaining: ¥0"));
    QCOMPARE(dialog.lines().at(1).amount, -500);
}

QTEST_MAIN(tst_SplitEditorDialog)
#include "tst_spliteditordialog.moc"
