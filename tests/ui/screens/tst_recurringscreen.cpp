#include "app/appstate.h"
#include "common/testappstate.h"
#include "data/accountrepository.h"
#include "data/clock.h"
#include "data/recurringrepository.h"
#include "data/transactionrepository.h"
#include "services/recurringservice.h"
#include "ui/messagebox.h"
#include "ui/register/datefield.h"
#include "ui/screens/recurringformdialog.h"
#include "ui/screens/recurringmodel.h"
#include "ui/screens/recurringscreen.h"
#include "ui/thememanager.h"

#include <QApplication>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

class tst_RecurringScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void layout();
    void rowMenuEnabledEntries_data();
    void rowMenuEnabledEntries();
    void rowMenuOnlyOverARow();
    void dueLabelAndConfirmAllDue();
    void confirmAndSkipTheCurrentRow_data();
    void confirmAndSkipTheCurrentRow();
    void enterEarlyAsksFirst_data();
    void enterEarlyAsksFirst();
    void enterNextSevenDaysAsksFirst_data();
    void enterNextSevenDaysAsksFirst();
    void deleteAsksFirst();
    void createThroughTheForm();
    void editThroughTheForm();
    void confirmationsDefaultToNo_data();
    void confirmationsDefaultToNo();
    void confirmAllDueSaysWhatIsLeft();
    void stoppedTemplatesAreNamed_data();
    void stoppedTemplatesAreNamed();

private:
    void addTemplate(const QString &id, const QString &payee, const QDate &nextDue, bool active = true);
    int rowOf(const QString &payee) const;
    void selectRow(int row);
    int transactionCount() const;
    // Runs `fill` on the next modal dialog that opens, then accepts it.
    void answerNextDialog(const std::function<void(RecurringFormDialog *)> &fill);

    std::unique_ptr<TestAppState> m_state;
    std::unique_ptr<RecurringService> m_service;
    std::unique_ptr<RecurringScreen> m_screen;
    QList<MessageBox::Request> m_boxes;
    QMessageBox::StandardButton m_answer = QMessageBox::Yes;
    const QDate m_today{2025, 6, 15};
};

void tst_RecurringScreen::initTestCase()
{
    TestAppState::redirectSettings();
    QCoreApplication::setOrganizationName("Orlindo");
    QCoreApplication::setApplicationName("QuillbyTest");
    MessageBox::setResponder([this](const MessageBox::Request &request) {
        m_boxes.append(request);
        return m_answer;
    });
}

void tst_RecurringScreen::init()
{
    Clock::setToday(m_today);
    QApplication::setPalette(ThemeManager::lightPalette());
    m_boxes.clear();
    m_answer = QMessageBox::Yes;
    m_state = std::make_unique<TestAppState>();
    QVERIFY(m_state->initialize());
    Account account;
    account.id = "acc-1";
    account.name = "Checking";
    account.createdAt = account.updatedAt = QDateTime::currentDateTimeUtc();
    QVERIFY(m_state->accountRepository()->insert(account));
    m_service = std::make_unique<RecurringService>(m_state->recurringRepository(), m_state->transactionRepository(),
                                                   m_state->accountRepository());

    addTemplate("r-due", "Rent", m_today);
    addTemplate("r-future", "Salary", m_today.addDays(1));
    addTemplate("r-inactive", "Gym", m_today.addDays(-1), false);
    m_screen = std::make_unique<RecurringScreen>(m_state.get(), m_service.get());
    m_screen->resize(700, 500);
    m_screen->show();
}

void tst_RecurringScreen::cleanup()
{
    m_screen.reset();
    m_service.reset();
    m_state.reset();
    Clock::setToday(QDate());
}

void tst_RecurringScreen::addTemplate(const QString &id, const QString &payee, const QDate &nextDue, bool active)
{
    RecurringTransaction r;
    r.id = id;
    r.accountId = "acc-1";
    r.payee = payee;
    r.amount = -1000;
    r.frequency = Frequency::Weekly;
    r.startDate = nextDue;
    r.nextDueDate = nextDue;
    r.isActive = active;
    r.createdAt = r.updatedAt = QDateTime::currentDateTimeUtc();
    QVERIFY(m_state->recurringRepository()->insert(r));
}

int tst_RecurringScreen::rowOf(const QString &payee) const
{
    const RecurringModel *model = m_screen->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->templateAt(row).payee == payee)
            return row;
    }
    return -1;
}

void tst_RecurringScreen::selectRow(int row)
{
    m_screen->view()->setCurrentIndex(m_screen->model()->index(row, 0));
}

int tst_RecurringScreen::transactionCount() const
{
    return int(m_state->transactionRepository()->findByAccount("acc-1").size());
}

void tst_RecurringScreen::answerNextDialog(const std::function<void(RecurringFormDialog *)> &fill)
{
    QTimer::singleShot(0, this, [fill] {
        auto *dialog = qobject_cast<RecurringFormDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        fill(dialog);
        dialog->accept();
    });
}

void tst_RecurringScreen::layout()
{
    QTableView *view = m_screen->view();
    QVERIFY(view->alternatingRowColors());
    QCOMPARE(view->selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(view->selectionMode(), QAbstractItemView::SingleSelection);
    QVERIFY(view->isSortingEnabled());
    QVERIFY(!view->verticalHeader()->isVisible());
    QCOMPARE(view->editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(view->horizontalHeader()->sortIndicatorSection(), int(RecurringModel::NextDueColumn));
    QStringList buttons;
    for (const QPushButton *button : m_screen->findChildren<QPushButton *>())
        buttons.append(button->text());
    QCOMPARE(buttons, (QStringList{"Confirm All Due", "Enter Next 7 Days", "New Recurring"}));
    // The list as the service gives it, sorted by the next due date.
    QCOMPARE(m_screen->model()->rowCount(), 3);
    QCOMPARE(m_screen->model()->templateAt(0).payee, QString("Gym"));
}

void tst_RecurringScreen::rowMenuEnabledEntries_data()
{
    QTest::addColumn<QString>("payee");
    QTest::addColumn<QList<bool>>("enabled");

    // Edit, Confirm, Skip, Enter Early..., Delete
    QTest::newRow("dueToday") << "Rent" << QList<bool>{true, true, true, false, true};
    QTest::newRow("dueTomorrow") << "Salary" << QList<bool>{true, false, false, true, true};
    QTest::newRow("inactive") << "Gym" << QList<bool>{true, false, false, false, true};
}

void tst_RecurringScreen::rowMenuEnabledEntries()
{
    QFETCH(QString, payee);
    QFETCH(QList<bool>, enabled);

    const int row = rowOf(payee);
    QVERIFY(row >= 0);
    const QPoint pos = m_screen->view()->visualRect(m_screen->model()->index(row, 1)).center();
    QStringList texts;
    QList<bool> states;
    QTimer::singleShot(0, this, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (const QAction *action : menu->actions()) {
            if (action->isSeparator())
                continue;
            texts.append(action->text());
            states.append(action->isEnabled());
        }
        menu->close();
    });
    m_screen->onContextMenu(pos);

    QCOMPARE(texts, (QStringList{"&Edit", "&Confirm", "&Skip", "Enter &Early...", "&Delete"}));
    QCOMPARE(states, enabled);
}

void tst_RecurringScreen::rowMenuOnlyOverARow()
{
    bool menuShown = false;
    QTimer::singleShot(0, this, [&] {
        if (QWidget *popup = QApplication::activePopupWidget()) {
            menuShown = true;
            popup->close();
        }
    });
    const QPoint belowRows(10, m_screen->view()->viewport()->height() - 5);
    QVERIFY(!m_screen->view()->indexAt(belowRows).isValid());
    m_screen->onContextMenu(belowRows);
    QTest::qWait(0);
    QVERIFY(!menuShown);
}

void tst_RecurringScreen::dueLabelAndConfirmAllDue()
{
    addTemplate("r-due-2", "Water", m_today.addDays(-3));
    addTemplate("r-due-3", "Phone", m_today.addDays(-5));
    m_screen->refresh();
    auto *label = m_screen->findChild<QLabel *>("dueLabel");
    QVERIFY(label);
    QCOMPARE(label->text(), QString("(3 due)"));
    QCOMPARE(label->styleSheet(), QString("color: #008800;"));
    // A lighter green on the dark palette, where #008800 is hard to read.
    QApplication::setPalette(ThemeManager::darkPalette());
    m_screen->refresh();
    QCOMPARE(label->styleSheet(), QString("color: #66BB6A;"));

    QSignalSpy posted(m_screen.get(), &RecurringScreen::transactionsChanged);
    m_screen->confirmAllDue();
    QCOMPARE(posted.size(), 1);
    QCOMPARE(transactionCount(), 3);
    QVERIFY(m_boxes.isEmpty());
    QCOMPARE(label->text(), QString());
}

void tst_RecurringScreen::confirmAndSkipTheCurrentRow_data()
{
    QTest::addColumn<bool>("skip");
    QTest::addColumn<int>("expectedPosted");
    QTest::addColumn<int>("expectedSignals");

    QTest::newRow("confirm") << false << 1 << 1;
    QTest::newRow("skip") << true << 0 << 0;
}

void tst_RecurringScreen::confirmAndSkipTheCurrentRow()
{
    QFETCH(bool, skip);
    QFETCH(int, expectedPosted);
    QFETCH(int, expectedSignals);

    QSignalSpy posted(m_screen.get(), &RecurringScreen::transactionsChanged);
    selectRow(rowOf("Rent"));
    if (skip)
        m_screen->skipSelected();
    else
        m_screen->confirmSelected();
    QCOMPARE(transactionCount(), expectedPosted);
    QCOMPARE(posted.size(), expectedSignals);
    QCOMPARE(m_state->recurringRepository()->findById("r-due")->nextDueDate, m_today.addDays(7));
    // The list shows the advanced template.
    QCOMPARE(m_screen->model()->templateAt(rowOf("Rent")).nextDueDate, m_today.addDays(7));
    QCOMPARE(m_screen->findChild<QLabel *>("dueLabel")->text(), QString());
}

void tst_RecurringScreen::enterEarlyAsksFirst_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("expectedPosted");

    QTest::newRow("yes") << int(QMessageBox::Yes) << 1;
    QTest::newRow("no") << int(QMessageBox::No) << 0;
}

void tst_RecurringScreen::enterEarlyAsksFirst()
{
    QFETCH(int, answer);
    QFETCH(int, expectedPosted);

    m_answer = QMessageBox::StandardButton(answer);
    QSignalSpy posted(m_screen.get(), &RecurringScreen::transactionsChanged);
    selectRow(rowOf("Salary"));
    m_screen->enterEarlySelected();

    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.at(0).title, QString("Enter Early"));
    QCOMPARE(m_boxes.at(0).text,
             QString("Enter \"Salary\" now, dated Jun 16, 2025? The transaction is dated its due date and you can "
                     "edit or delete it later."));
    QCOMPARE(transactionCount(), expectedPosted);
    QCOMPARE(posted.size(), expectedPosted);
    if (expectedPosted > 0)
        QCOMPARE(m_state->transactionRepository()->findByAccount("acc-1").at(0).date, m_today.addDays(1));
}

void tst_RecurringScreen::enterNextSevenDaysAsksFirst_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("expectedPosted");

    // Weekly Rent today and a week from today, Salary tomorrow; the inactive
    // one is left alone.
    QTest::newRow("yes") << int(QMessageBox::Yes) << 3;
    QTest::newRow("no") << int(QMessageBox::No) << 0;
}

void tst_RecurringScreen::enterNextSevenDaysAsksFirst()
{
    QFETCH(int, answer);
    QFETCH(int, expectedPosted);

    m_answer = QMessageBox::StandardButton(answer);
    QSignalSpy posted(m_screen.get(), &RecurringScreen::transactionsChanged);
    m_screen->enterNextSevenDays();
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.at(0).title, QString("Enter Next 7 Days"));
    QCOMPARE(m_boxes.at(0).text, QString("Enter all recurring transactions due in the next 7 days? They are dated "
                                         "their due dates and you can edit or delete them later."));
    QCOMPARE(transactionCount(), expectedPosted);
    QCOMPARE(posted.size(), expectedPosted > 0 ? 1 : 0);
}

void tst_RecurringScreen::deleteAsksFirst()
{
    selectRow(rowOf("Rent"));
    m_answer = QMessageBox::No;
    m_screen->deleteSelected();
    QCOMPARE(m_screen->model()->rowCount(), 3);

    m_answer = QMessageBox::Yes;
    selectRow(rowOf("Rent"));
    m_screen->deleteSelected();
    QCOMPARE(m_boxes.size(), 2);
    QCOMPARE(m_boxes.at(1).title, QString("Delete"));
    QCOMPARE(m_boxes.at(1).text, QString("Delete recurring \"Rent\"?"));
    QCOMPARE(m_screen->model()->rowCount(), 2);
    QCOMPARE(rowOf("Rent"), -1);
    QVERIFY(m_state->recurringRepository()->findById("r-due")->deletedAt);
}

void tst_RecurringScreen::createThroughTheForm()
{
    answerNextDialog([](RecurringFormDialog *dialog) {
        dialog->findChild<QLineEdit *>("payee")->setText("  Internet  ");
        dialog->findChild<QDoubleSpinBox *>("amount")->setValue(59.99);
        dialog->findChild<DateField *>("startDate")->setDate(QDate(2025, 7, 1));
    });
    m_screen->findChildren<QPushButton *>().at(2)->click();

    QCOMPARE(m_screen->model()->rowCount(), 4);
    const RecurringTransaction created = m_screen->model()->templateAt(rowOf("Internet"));
    QVERIFY(!created.id.isEmpty());
    QCOMPARE(created.accountId, QString("acc-1"));
    QCOMPARE(created.amount, qint64(-5999));
    QCOMPARE(created.frequency, Frequency::Monthly);
    QCOMPARE(created.startDate, QDate(2025, 7, 1));
    QCOMPARE(created.nextDueDate, QDate(2025, 7, 1));
    QVERIFY(created.isActive);
    QVERIFY(m_state->recurringRepository()->findById(created.id));
}

void tst_RecurringScreen::editThroughTheForm()
{
    answerNextDialog([](RecurringFormDialog *dialog) {
        QCOMPARE(dialog->windowTitle(), QString("Edit Recurring Transaction"));
        dialog->findChild<QLineEdit *>("payee")->setText("Rent (new lease)");
    });
    m_screen->showEditForm(rowOf("Rent"));

    const std::optional<RecurringTransaction> edited = m_state->recurringRepository()->findById("r-due");
    QVERIFY(edited);
    QCOMPARE(edited->payee, QString("Rent (new lease)"));
    QCOMPARE(edited->nextDueDate, m_today);
    QCOMPARE(edited->version, 2);
    QCOMPARE(m_screen->model()->rowCount(), 3);
    QVERIFY(rowOf("Rent (new lease)") >= 0);
}

void tst_RecurringScreen::confirmationsDefaultToNo_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("delete") << "delete";
    QTest::newRow("enterEarly") << "enterEarly";
    QTest::newRow("enterNextSevenDays") << "enterNextSevenDays";
}

void tst_RecurringScreen::confirmationsDefaultToNo()
{
    QFETCH(QString, command);
    // Return on the box answers No, so nothing is deleted or posted.
    m_answer = QMessageBox::NoButton;
    MessageBox::setResponder([this](const MessageBox::Request &request) {
        m_boxes.append(request);
        return request.defaultButton;
    });
    if (command == "delete") {
        selectRow(rowOf("Rent"));
        m_screen->deleteSelected();
    } else if (command == "enterEarly") {
        selectRow(rowOf("Salary"));
        m_screen->enterEarlySelected();
    } else {
        m_screen->enterNextSevenDays();
    }
    MessageBox::setResponder([this](const MessageBox::Request &request) {
        m_boxes.append(request);
        return m_answer;
    });
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.at(0).defaultButton, QMessageBox::No);
    QCOMPARE(m_screen->model()->rowCount(), 3);
    QCOMPARE(transactionCount(), 0);
}

void tst_RecurringScreen::confirmAllDueSaysWhatIsLeft()
{
    // Weekly, three occurrences behind: one per run, two runs still to go.
    addTemplate("r-behind", "Water", m_today.addDays(-14));
    m_screen->refresh();
    auto *result = m_screen->findChild<QLabel *>("resultLabel");
    QVERIFY(result);
    QVERIFY(!result->isVisibleTo(m_screen.get()));

    const QString stillDue("Templates still due: 1. Confirm All Due posts one occurrence of each at a time; "
                           "Enter Next 7 Days posts all of them.");
    m_screen->confirmAllDue();
    QCOMPARE(transactionCount(), 2);
    QVERIFY(result->isVisibleTo(m_screen.get()));
    QCOMPARE(result->text(),
             QString("Transactions posted: 2, one for each template that was due. ") + stillDue);
    m_screen->confirmAllDue();
    QCOMPARE(result->text(),
             QString("Transactions posted: 1, one for each template that was due. ") + stillDue);
    m_screen->confirmAllDue();
    QCOMPARE(result->text(), QString("Transactions posted: 1, one for each template that was due."));
    QCOMPARE(transactionCount(), 4);
    m_screen->confirmAllDue();
    QCOMPARE(result->text(), QString("Nothing was due."));
    QVERIFY(m_boxes.isEmpty());
}

void tst_RecurringScreen::stoppedTemplatesAreNamed_data()
{
    QTest::addColumn<int>("daysBehind");
    QTest::addColumn<QDate>("nextDue");
    QTest::addColumn<QString>("message");
    // 500 daily occurrences behind: 365 are posted, then it is turned off.
    QTest::newRow("catchUpCap") << 500 << QDate() << QString(
        "\"Backlog\" was turned off: it was still behind after 365 postings in one run (next due %1). "
        "Check its dates, then edit it and turn Active back on.");
    QTest::newRow("brokenDate") << 0 << QDate(1999, 12, 31) << QString(
        "\"Backlog\" was turned off: its next due date is not a usable date. Edit it, set its start date "
        "and turn Active back on.");
}

void tst_RecurringScreen::stoppedTemplatesAreNamed()
{
    QFETCH(int, daysBehind);
    QFETCH(QDate, nextDue);
    QFETCH(QString, message);
    RecurringTransaction r;
    r.id = "r-backlog";
    r.accountId = "acc-1";
    r.payee = "Backlog";
    r.amount = -100;
    r.frequency = Frequency::Daily;
    r.startDate = r.nextDueDate = nextDue.isValid() ? nextDue : m_today.addDays(-daysBehind);
    r.autoPost = true;
    r.createdAt = r.updatedAt = QDateTime::currentDateTimeUtc();
    QVERIFY(m_state->recurringRepository()->insert(r));
    if (message.contains("%1"))
        message = message.arg(QLocale::system().toString(r.nextDueDate.addDays(365), QLocale::ShortFormat));

    auto *stopped = m_screen->findChild<QLabel *>("stoppedLabel");
    QVERIFY(stopped);
    QVERIFY(!stopped->isVisibleTo(m_screen.get()));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Quarantining recurring"));
    m_service->processDue();
    QVERIFY(!m_state->recurringRepository()->findById("r-backlog")->isActive);
    // The open screen hears of it at once, one opened later from the service.
    QCOMPARE(stopped->text(), message);
    QVERIFY(stopped->isVisibleTo(m_screen.get()));
    RecurringScreen later(m_state.get(), m_service.get());
    QCOMPARE(later.findChild<QLabel *>("stoppedLabel")->text(), message);

    // Turned back on by the user, it is no longer reported.
    RecurringTransaction again = *m_state->recurringRepository()->findById("r-backlog");
    again.isActive = true;
    again.nextDueDate = m_today.addDays(1);
    QVERIFY(m_state->recurringRepository()->update(again));
    m_screen->refresh();
    QVERIFY(!stopped->isVisibleTo(m_screen.get()));
}

QTEST_MAIN(tst_RecurringScreen)
#include "tst_recurringscreen.moc"
