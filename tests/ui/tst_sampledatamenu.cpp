#include "common/testappstate.h"
#include "data/accountrepository.h"
#include "data/transactionrepository.h"
#include "data/uuids.h"
#include "ui/mainwindow.h"
#include "ui/messagebox.h"

#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QStatusBar>
#include <QTest>

// Help › Load Sample Data and Clear Sample Data, offered while QUILLBY_DEV
// is set: their answers come as message boxes and status bar messages, and
// the account list follows what they wrote.
class tst_SampleDataMenu : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void entriesOnlyInDeveloperMode();
    void loadAndClear();
    void clearSaysWhatStayed();

private:
    std::unique_ptr<MainWindow> makeWindow();
    static QAction *helpEntry(MainWindow &window, const QString &text);

    std::unique_ptr<TestAppState> m_state;
    QList<MessageBox::Request> m_boxes;
};

void tst_SampleDataMenu::initTestCase()
{
    TestAppState::redirectSettings();
    QCoreApplication::setOrganizationName("Orlindo");
    QCoreApplication::setApplicationName("QuillbyTest");
    MessageBox::setResponder([this](const MessageBox::Request &request) {
        m_boxes.append(request);
        return QMessageBox::Ok;
    });
}

void tst_SampleDataMenu::init()
{
    QSettings().clear();
    m_boxes.clear();
    qputenv("QUILLBY_DEV", "1");
    m_state = std::make_unique<TestAppState>();
    QVERIFY(m_state->initialize());
}

void tst_SampleDataMenu::cleanup()
{
    m_state.reset();
    qunsetenv("QUILLBY_DEV");
}

std::unique_ptr<MainWindow> tst_SampleDataMenu::makeWindow()
{
    auto window = std::make_unique<MainWindow>(m_state.get());
    window->show();
    return window;
}

QAction *tst_SampleDataMenu::helpEntry(MainWindow &window, const QString &text)
{
    for (QAction *menu : window.menuBar()->actions()) {
        for (QAction *action : menu->menu() ? menu->menu()->actions() : QList<QAction *>()) {
            if (action->text() == text)
                return action;
        }
    }
    return nullptr;
}

void tst_SampleDataMenu::entriesOnlyInDeveloperMode()
{
    qunsetenv("QUILLBY_DEV");
    auto plain = makeWindow();
    QVERIFY(!helpEntry(*plain, "Load &Sample Data"));
    QVERIFY(!helpEntry(*plain, "&Clear Sample Data"));
    plain.reset();

    qputenv("QUILLBY_DEV", "1");
    auto developer = makeWindow();
    QAction *load = helpEntry(*developer, "Load &Sample Data");
    QAction *clear = helpEntry(*developer, "&Clear Sample Data");
    QVERIFY(load && clear);
    QVERIFY(load->isEnabled() && clear->isEnabled());
}

void tst_SampleDataMenu::loadAndClear()
{
    auto window = makeWindow();
    QListWidget *list = window->accountList();
    QCOMPARE(list->count(), 0);

    helpEntry(*window, "Load &Sample Data")->trigger();
    QCOMPARE(m_boxes.size(), 0);
    QCOMPARE(window->statusBar()->currentMessage(), QStringLiteral("Sample data loaded"));
    QTRY_COMPARE(list->count(), 3);

    helpEntry(*window, "Load &Sample Data")->trigger();
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.last().title, QStringLiteral("Sample Data"));
    QCOMPARE(m_boxes.last().text, QStringLiteral("Sample data is already loaded."));
    QCOMPARE(m_boxes.last().icon, QMessageBox::Information);

    helpEntry(*window, "&Clear Sample Data")->trigger();
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(window->statusBar()->currentMessage(), QStringLiteral("Sample data cleared"));
    QTRY_COMPARE(list->count(), 0);

    helpEntry(*window, "&Clear Sample Data")->trigger();
    QCOMPARE(m_boxes.size(), 2);
    QCOMPARE(m_boxes.last().text, QStringLiteral("No sample data to clear."));
}

void tst_SampleDataMenu::clearSaysWhatStayed()
{
    auto window = makeWindow();
    helpEntry(*window, "Load &Sample Data")->trigger();
    Transaction mine;
    mine.id = newUuid();
    mine.accountId = QStringLiteral("sample-acct-visa");
    mine.date = QDate(2024, 1, 10);
    mine.payee = QStringLiteral("My own purchase");
    mine.amount = -500;
    mine.createdAt = mine.updatedAt = QDateTime::currentDateTimeUtc();
    QVERIFY(m_state->transactionRepository()->insert(mine));

    helpEntry(*window, "&Clear Sample Data")->trigger();
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.last().icon, QMessageBox::Information);
    QCOMPARE(m_boxes.last().text, QStringLiteral("Sample data cleared, except what your own entries still use:\n\n"
                                                 "1 sample account(s) stay because your transactions use them"));
    QTRY_COMPARE(window->accountList()->count(), 1);
    QCOMPARE(m_state->accountRepository()->findById("sample-acct-visa")->name, QStringLiteral("Visa Rewards"));
    QCOMPARE(m_state->transactionRepository()->findById(mine.id)->payee, QStringLiteral("My own purchase"));
}

QTEST_MAIN(tst_SampleDataMenu)
#include "tst_sampledatamenu.moc"
