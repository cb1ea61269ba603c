#include "app/appstate.h"
#include "common/testappstate.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "data/uuids.h"
#include "ui/messagebox.h"
#include "ui/register/transactiondetailsdialog.h"
#include "ui/thememanager.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class tst_TransactionDetailsDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void showsTheStoredFields_data();
    void showsTheStoredFields();
    void transferTarget();
    void splitSection();
    void toggleClearedStaysOpen();
    void toggleClearedOnReconciled();
    void toggleClearedLeavesTransferPartner();
    void deleteAsksFirst_data();
    void deleteAsksFirst();
    void deleteTransferTakesBothHalves();
    void failedDeleteLeavesBothHalves();
    void editRequest();
    void returnClosesWithoutDeleting();
    void returnOnTheConfirmationAnswersNo();

private:
    QString addAccount(const QString &name, Currency currency = Currency::USD);
    Transaction makeTransaction(const QString &accountId, const QString &payee, qint64 amount);
    // Stores a transfer out of Checking into Savings; returns the Checking half.
    Transaction storeTransfer(qint64 amount);
    Transaction stored(const QString &id) const;
    QStringList labelTexts(const QWidget &dialog) const;

    std::unique_ptr<TestAppState> m_state;
    QString m_checking;
    QString m_savings;
    QList<MessageBox::Request> m_boxes;
    QMessageBox::StandardButton m_answer = QMessageBox::Yes;
};

void tst_TransactionDetailsDialog::initTestCase()
{
    TestAppState::redirectSettings();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QApplication::setPalette(ThemeManager::lightPalette());
    MessageBox::setResponder([this](const MessageBox::Request &request) {
        m_boxes.append(request);
        return request.icon == QMessageBox::Question ? m_answer : QMessageBox::Ok;
    });
}

void tst_TransactionDetailsDialog::cleanupTestCase()
{
    MessageBox::setResponder({});
}

void tst_TransactionDetailsDialog::init()
{
    m_boxes.clear();
    m_answer = QMessageBox::Yes;
    m_state = std::make_unique<TestAppState>();
    QVERIFY(m_state->initialize());
    m_checking = addAccount("Checking");
    m_savings = addAccount("Savings");
}

void tst_TransactionDetailsDialog::cleanup()
{
    m_state.reset();
}

QString tst_TransactionDetailsDialog::addAccount(const QString &name, Currency currency)
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

Transaction tst_TransactionDetailsDialog::makeTransaction(const QString &accountId, const QString &payee,
                                                         qint64 amount)
{
    Transaction t;
    t.id = newUuid();
    t.accountId = accountId;
    t.date = QDate(2024, 3, 5);
    t.payee = payee;
    t.amount = amount;
    t.createdAt = QDateTime(QDate(2024, 3, 5), QTime(10, 0), Qt::UTC);
    t.updatedAt = t.createdAt;
    return t;
}

Transaction tst_TransactionDetailsDialog::storeTransfer(qint64 amount)
{
    Transaction out = makeTransaction(m_checking, "Transfer to Savings", -amount);
    Transaction in = makeTransaction(m_savings, "Transfer from Checking", amount);
    out.transferLinkId = in.id;
    out.transferDestAccountId = m_savings;
    in.transferLinkId = out.id;
    in.transferDestAccountId = m_checking;
    if (!m_state->transactionRepository()->insert(in) || !m_state->transactionRepository()->insert(out))
        qFatal("cannot store transfer");
    return out;
}

Transaction tst_TransactionDetailsDialog::stored(const QString &id) const
{
    return m_state->transactionRepository()->findById(id).value_or(Transaction());
}

QStringList tst_TransactionDetailsDialog::labelTexts(const QWidget &dialog) const
{
    QStringList texts;
    for (const QLabel *label : dialog.findChildren<QLabel *>())
        texts.append(label->text());
    return texts;
}

void tst_TransactionDetailsDialog::showsTheStoredFields_data()
{
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<bool>("cleared");
    QTest::addColumn<bool>("reconciled");
    QTest::addColumn<QString>("amountText");
    QTest::addColumn<QString>("status");
    QTest::newRow("payment") << qint64(-1250) << Currency::USD << false << false << "- $12.50" << "Uncleared";
    QTest::newRow("deposit") << qint64(250000) << Currency::USD << true << false << "$2,500.00" << "Cleared";
    QTest::newRow("reconciled") << qint64(-5) << Currency::EUR << true << true << "- €0.05" << "Reconciled";
    QTest::newRow("yen") << qint64(-1500) << Currency::JPY << false << false << "- ¥1,500" << "Uncleared";
}

void tst_TransactionDetailsDialog::showsTheStoredFields()
{
    QFETCH(qint64, amount);
    QFETCH(Currency, currency);
    QFETCH(bool, cleared);
    QFETCH(bool, reconciled);
    QFETCH(QString, amountText);
    QFETCH(QString, status);
    const QString account = addAccount("Wallet", currency);
    Transaction t = makeTransaction(account, "Corner Shop", amount);
    t.categoryId = m_state->categoryRepository()->findByName("Groceries")->id;
    t.checkNumber = "1042";
    t.cleared = cleared;
    t.reconciled = reconciled;

    TransactionDetailsDialog dialog(m_state.get(), t);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Transaction Details"));
    QCOMPARE(dialog.valueText("Date:"), QStringLiteral("Tuesday, March 5, 2024"));
    QCOMPARE(dialog.valueText("Payee:"), QStringLiteral("Corner Shop"));
    QCOMPARE(dialog.valueText("Amount:"), amountText);
    QCOMPARE(dialog.valueText("Category:"), QStringLiteral("Groceries"));
    QCOMPARE(dialog.valueText("Memo:"), QStringLiteral("—"));
    QCOMPARE(dialog.valueText("Check #:"), QStringLiteral("1042"));
    QCOMPARE(dialog.valueText("Transfer to:"), QString());
    QCOMPARE(dialog.valueText("Status:"), status);
    QCOMPARE(dialog.clearedButton()->text(), cleared ? QStringLiteral("Mark Uncleared") : QStringLiteral("Mark Cleared"));

    const QColor colour = amount < 0 ? negativeColor() : positiveColor();
    bool styled = false;
    for (const QLabel *label : dialog.findChildren<QLabel *>()) {
        if (label->text() == amountText)
            styled = label->styleSheet() == QStringLiteral("color: %1; font-weight: 600;").arg(colour.name());
    }
    QVERIFY(styled);
    QVERIFY(labelTexts(dialog).contains(QStringLiteral("Entered: 3/5/24 %1")
                                            .arg(QLocale().toString(t.createdAt.toLocalTime().time(),
                                                                    QLocale::ShortFormat))));
}

void tst_TransactionDetailsDialog::transferTarget()
{
    const Transaction out = storeTransfer(5000);
    TransactionDetailsDialog dialog(m_state.get(), out);
    QCOMPARE(dialog.valueText("Transfer to:"), QStringLiteral("Savings"));

    Transaction dangling = out;
    dangling.transferDestAccountId = "gone-account";
    TransactionDetailsDialog orphan(m_state.get(), dangling);
    QCOMPARE(orphan.valueText("Transfer to:"), QStringLiteral("gone-account"));
}

void tst_TransactionDetailsDialog::splitSection()
{
    Transaction t = makeTransaction(m_checking, "Market", -3000);
    t.isSplit = true;
    QVERIFY(m_state->transactionRepository()->insert(t));
    {
        TransactionDetailsDialog dialog(m_state.get(), t);
        QCOMPARE(dialog.valueText("Category:"), QStringLiteral("—Split—"));
        QVERIFY(labelTexts(dialog).contains(QStringLiteral("(no split lines on record)")));
    }

    const QString groceries = m_state->categoryRepository()->findByName("Groceries")->id;
    // Lines always name a category; one that no longer exists shows as
    // uncategorized (written here behind the foreign keys' back).
    QSqlQuery pragma;
    QVERIFY(pragma.exec("PRAGMA foreign_keys=OFF"));
    const QList<QPair<QString, qint64>> parts{{groceries, -2000}, {"lost-category", -700}, {"gone-too", -300}};
    for (const auto &[category, amount] : parts) {
        SplitLine line;
        line.id = newUuid();
        line.transactionId = t.id;
        line.categoryId = category;
        line.amount = amount;
        line.memo = amount == -700 ? QStringLiteral("batteries") : QString();
        line.createdAt = line.updatedAt = t.createdAt;
        QVERIFY(m_state->splitLineRepository()->insert(line));
    }
    QVERIFY(pragma.exec("PRAGMA foreign_keys=ON"));
    TransactionDetailsDialog dialog(m_state.get(), t);
    const QStringList texts = labelTexts(dialog);
    QVERIFY(texts.contains(QStringLiteral("Split lines")));
    QVERIFY(texts.contains(QStringLiteral("Groceries")));
    QCOMPARE(texts.count(QStringLiteral("(uncategorized)")), 2);
    QVERIFY(texts.contains(QStringLiteral("batteries")));
    QVERIFY(texts.contains(QStringLiteral("$20.00")));
    QVERIFY(texts.contains(QStringLiteral("$7.00")));
    QVERIFY(texts.contains(QStringLiteral("Total")));
    QVERIFY(texts.contains(QStringLiteral("$30.00")));
    QVERIFY(!texts.contains(QStringLiteral("(no split lines on record)")));
}

void tst_TransactionDetailsDialog::toggleClearedStaysOpen()
{
    Transaction t = makeTransaction(m_checking, "Rent", -120000);
    t.syncStatus = SyncStatus::Synced;
    QVERIFY(m_state->transactionRepository()->insert(t));
    TransactionDetailsDialog dialog(m_state.get(), t);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    QTest::mouseClick(dialog.clearedButton(), Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.valueText("Status:"), QStringLiteral("Cleared"));
    QCOMPARE(dialog.clearedButton()->text(), QStringLiteral("Mark Uncleared"));
    QVERIFY(stored(t.id).cleared);
    QCOMPARE(stored(t.id).syncStatus, SyncStatus::Pending);

    QTest::mouseClick(dialog.clearedButton(), Qt::LeftButton);
    QCOMPARE(dialog.valueText("Status:"), QStringLiteral("Uncleared"));
    QVERIFY(!stored(t.id).cleared);
    QVERIFY(m_boxes.isEmpty());
}

void tst_TransactionDetailsDialog::toggleClearedOnReconciled()
{
    Transaction t = makeTransaction(m_checking, "Rent", -120000);
    t.cleared = true;
    t.reconciled = true;
    QVERIFY(m_state->transactionRepository()->insert(t));
    TransactionDetailsDialog dialog(m_state.get(), t);
    QCOMPARE(dialog.clearedButton()->text(), QStringLiteral("Mark Uncleared"));
    dialog.toggleCleared();
    QCOMPARE(dialog.valueText("Status:"), QStringLiteral("Reconciled"));
    QCOMPARE(dialog.clearedButton()->text(), QStringLiteral("Mark Cleared"));
    QVERIFY(!stored(t.id).cleared);
    QVERIFY(stored(t.id).reconciled);
}

void tst_TransactionDetailsDialog::toggleClearedLeavesTransferPartner()
{
    const Transaction out = storeTransfer(5000);
    TransactionDetailsDialog dialog(m_state.get(), out);
    dialog.toggleCleared();
    QVERIFY(stored(out.id).cleared);
    const Transaction partner = stored(out.transferLinkId);
    QVERIFY(!partner.cleared);
    QCOMPARE(partner.amount, 5000);
    QCOMPARE(partner.updatedAt, out.updatedAt);
}

void tst_TransactionDetailsDialog::deleteAsksFirst_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<bool>("deleted");
    QTest::newRow("yes") << QMessageBox::Yes << true;
    QTest::newRow("no") << QMessageBox::No << false;
}

void tst_TransactionDetailsDialog::deleteAsksFirst()
{
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(bool, deleted);
    m_answer = answer;
    const Transaction t = makeTransaction(m_checking, "Rent", -1250);
    QVERIFY(m_state->transactionRepository()->insert(t));
    TransactionDetailsDialog dialog(m_state.get(), t);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    QTest::mouseClick(dialog.deleteButton(), Qt::LeftButton);
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.first().title, QStringLiteral("Delete Transaction"));
    QCOMPARE(m_boxes.first().text, QStringLiteral("Delete \"Rent\" for $12.50?"));
    QCOMPARE(m_boxes.first().defaultButton, QMessageBox::No);
    QCOMPARE(dialog.deleted(), deleted);
    QCOMPARE(stored(t.id).deletedAt.has_value(), deleted);
    QCOMPARE(dialog.isVisible(), !deleted);
    if (deleted)
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void tst_TransactionDetailsDialog::deleteTransferTakesBothHalves()
{
    const Transaction out = storeTransfer(5000);
    const Transaction in = stored(out.transferLinkId);
    TransactionDetailsDialog dialog(m_state.get(), in);
    dialog.deleteTransaction();
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.first().text, QStringLiteral("Delete transfer \"Transfer from Checking\" for $50.00?\n\n"
                                                  "Both sides of the transfer will be deleted."));
    QVERIFY(dialog.deleted());
    QVERIFY(stored(in.id).deletedAt.has_value());
    QVERIFY(stored(out.id).deletedAt.has_value());
}

void tst_TransactionDetailsDialog::failedDeleteLeavesBothHalves()
{
    const Transaction out = storeTransfer(5000);
    // The partner is deleted first; refusing this half fails the second write.
    QSqlQuery trigger;
    QVERIFY(trigger.exec(QStringLiteral("CREATE TRIGGER refuse_delete BEFORE UPDATE ON transactions WHEN "
                                        "NEW.id = '%1' BEGIN SELECT RAISE(ABORT, 'refused'); END")
                             .arg(out.id)));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("TransactionRepository::softDelete failed:.*refused"));
    TransactionDetailsDialog dialog(m_state.get(), out);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    QTest::mouseClick(dialog.deleteButton(), Qt::LeftButton);
    QVERIFY(!dialog.deleted());
    QVERIFY(dialog.isVisible());
    QVERIFY(!stored(out.id).deletedAt.has_value());
    QVERIFY(!stored(out.transferLinkId).deletedAt.has_value());
    QCOMPARE(m_boxes.size(), 2);
    QCOMPARE(m_boxes.last().icon, QMessageBox::Warning);
    QCOMPARE(m_boxes.last().text, QStringLiteral("The transaction could not be deleted"));
}

void tst_TransactionDetailsDialog::editRequest()
{
    const Transaction t = makeTransaction(m_checking, "Rent", -1250);
    TransactionDetailsDialog dialog(m_state.get(), t);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::mouseClick(dialog.editButton(), Qt::LeftButton);
    QVERIFY(dialog.editRequested());
    QVERIFY(!dialog.deleted());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void tst_TransactionDetailsDialog::returnClosesWithoutDeleting()
{
    const Transaction t = makeTransaction(m_checking, "Rent", -1250);
    QVERIFY(m_state->transactionRepository()->insert(t));
    TransactionDetailsDialog dialog(m_state.get(), t);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    for (const QPushButton *button : dialog.findChildren<QPushButton *>()) {
        if (button != dialog.closeButton()) {
            QVERIFY2(!button->isDefault() && !button->autoDefault(), qPrintable(button->text()));
        }
    }

    // The register opens the dialog with Alt+Return; Return then closes it.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(m_boxes.isEmpty());
    QVERIFY(!dialog.deleted());
    QVERIFY(!stored(t.id).deletedAt.has_value());

    // Nor does Return on a focused action button take that button's action.
    TransactionDetailsDialog again(m_state.get(), t);
    again.show();
    QVERIFY(QTest::qWaitForWindowExposed(&again));
    again.deleteButton()->setFocus();
    QTest::keyClick(again.deleteButton(), Qt::Key_Return);
    QVERIFY(m_boxes.isEmpty());
    QVERIFY(!again.isVisible());
    QVERIFY(!stored(t.id).deletedAt.has_value());
}

void tst_TransactionDetailsDialog::returnOnTheConfirmationAnswersNo()
{
    // The real message box this time: Return on it must not confirm.
    MessageBox::setResponder({});
    const Transaction t = makeTransaction(m_checking, "Rent", -1250);
    QVERIFY(m_state->transactionRepository()->insert(t));
    TransactionDetailsDialog dialog(m_state.get(), t);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    bool defaultIsNo = false;
    bool answered = false;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            auto *box = qobject_cast<QMessageBox *>(widget);
            if (!box || !box->isVisible() || answered)
                continue;
            answered = true;
            defaultIsNo = box->defaultButton() && box->defaultButton() == box->button(QMessageBox::No);
            QTest::keyClick(box, Qt::Key_Return);
        }
    });
    poll.start(10);
    dialog.deleteTransaction();
    MessageBox::setResponder([this](const MessageBox::Request &request) {
        m_boxes.append(request);
        return request.icon == QMessageBox::Question ? m_answer : QMessageBox::Ok;
    });

    poll.stop();
    QVERIFY(answered);
    QVERIFY(defaultIsNo);
    QVERIFY(!dialog.deleted());
    QVERIFY(dialog.isVisible());
    QVERIFY(!stored(t.id).deletedAt.has_value());
}

QTEST_MAIN(tst_TransactionDetailsDialog)
#include "tst_transactiondetailsdialog.moc"
