#include "app/appstate.h"
#include "common/testappstate.h"
#include "data/accountrepository.h"
#include "data/transactionrepository.h"
#include "services/undohistory.h"
#include "ui/messagebox.h"
#include "ui/screens/payeescreen.h"

#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>

// The payee list, renaming and merging as a person does it: select, type,
// press, answer the box.
class tst_PayeeScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        TestAppState::redirectSettings();
        MessageBox::setResponder([this](const MessageBox::Request &request) {
            m_boxes.append(request);
            return m_answer;
        });
    }

    void init()
    {
        m_boxes.clear();
        m_answer = QMessageBox::Yes;
        m_state = std::make_unique<TestAppState>();
        QVERIFY(m_state->initialize());
        Account account;
        account.id = QStringLiteral("acc-1");
        account.name = QStringLiteral("Checking");
        account.createdAt = account.updatedAt = QDateTime::currentDateTimeUtc();
        QVERIFY(m_state->accountRepository()->insert(account));
        int n = 0;
        for (const char *payee : {"Corner Grocer", "Corner Grocer", "CORNER GROCER", "Cafe", "Book Nook"}) {
            Transaction t;
            t.id = QStringLiteral("tx-%1").arg(++n);
            t.accountId = account.id;
            t.date = QDate(2025, 3, n);
            t.payee = QString::fromUtf8(payee);
            t.amount = -100 * n;
            t.createdAt = t.updatedAt = QDateTime::currentDateTimeUtc();
            QVERIFY(m_state->transactionRepository()->insert(t));
        }
        m_screen = std::make_unique<PayeeScreen>(m_state.get());
        m_screen->show();
        m_screen->reload();
    }

    void cleanup()
    {
        m_screen.reset();
        m_state.reset();
    }

    void listsEachPayeeOnce()
    {
        QCOMPARE(payees(), (QStringList{"Book Nook", "CORNER GROCER", "Cafe", "Corner Grocer"}));
    }

    // Renaming onto an existing payee merges them; the list shows one name.
    void renameOntoAnExistingPayee()
    {
        QSignalSpy changed(m_screen.get(), &PayeeScreen::payeesChanged);
        select({"CORNER GROCER"});
        m_screen->renameField()->setText(QStringLiteral("Corner Grocer"));
        m_screen->onRename();
        QCOMPARE(payees(), (QStringList{"Book Nook", "Cafe", "Corner Grocer"}));
        QCOMPARE(m_boxes.size(), 1);
        QCOMPARE(m_boxes.constFirst().title, QStringLiteral("Rename Complete"));
        QCOMPARE(m_boxes.constFirst().text, QStringLiteral("Renamed 1 transaction(s)."));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(m_state->undoHistory()->undoText(), QStringLiteral("Rename Payee"));
    }

    void mergeAsks_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QString>("question");
        QTest::newRow("intoTheFirstSelected")
            << QString() << int(QMessageBox::Yes) << QStringList{"Book Nook", "CORNER GROCER"}
            << QStringLiteral("Merge 3 payees into \"CORNER GROCER\"?");
        QTest::newRow("intoTheTypedName")
            << QStringLiteral("Groceries") << int(QMessageBox::Yes) << QStringList{"Book Nook", "Groceries"}
            << QStringLiteral("Merge 3 payees into \"Groceries\"?");
        QTest::newRow("declined") << QStringLiteral("Groceries") << int(QMessageBox::No)
                                  << QStringList{"Book Nook", "CORNER GROCER", "Cafe", "Corner Grocer"}
                                  << QStringLiteral("Merge 3 payees into \"Groceries\"?");
    }

    void mergeAsks()
    {
        QFETCH(QString, typed);
        QFETCH(int, answer);
        QFETCH(QStringList, after);
        QFETCH(QString, question);
        m_answer = QMessageBox::StandardButton(answer);
        select({"CORNER GROCER", "Cafe", "Corner Grocer"});
        m_screen->renameField()->setText(typed);
        m_screen->onMerge();
        QCOMPARE(m_boxes.constFirst().text, question);
        QCOMPARE(payees(), after);
    }

    void mergeNeedsTwoPayees()
    {
        select({"Cafe"});
        m_screen->onMerge();
        QCOMPARE(m_boxes.size(), 1);
        QCOMPARE(m_boxes.constFirst().text, QStringLiteral("Select 2 or more payees to merge."));
        QCOMPARE(payees().size(), 4);
    }

    // Undo from the Edit menu puts the names back, and the shown list follows.
    void undoReachesTheShownList()
    {
        select({"Cafe"});
        m_screen->renameField()->setText(QStringLiteral("Coffee House"));
        m_screen->onRename();
        QVERIFY(payees().contains(QStringLiteral("Coffee House")));
        QVERIFY(m_state->undoHistory()->undo().ok());
        QTRY_VERIFY(payees().contains(QStringLiteral("Cafe")));
        QVERIFY(!payees().contains(QStringLiteral("Coffee House")));
    }

private:
    QStringList payees() const
    {
        QStringList names;
        for (int i = 0; i < m_screen->list()->count(); ++i)
            names.append(m_screen->list()->item(i)->text());
        return names;
    }

    void select(const QStringList &names)
    {
        m_screen->list()->clearSelection();
        for (int i = 0; i < m_screen->list()->count(); ++i) {
            if (names.contains(m_screen->list()->item(i)->text()))
                m_screen->list()->item(i)->setSelected(true);
        }
    }

    std::unique_ptr<TestAppState> m_state;
    std::unique_ptr<PayeeScreen> m_screen;
    QList<MessageBox::Request> m_boxes;
    QMessageBox::StandardButton m_answer = QMessageBox::Yes;
};

QTEST_MAIN(tst_PayeeScreen)
#include "tst_payeescreen.moc"
