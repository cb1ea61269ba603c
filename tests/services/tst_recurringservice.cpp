#include "common/testdatabase.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/clock.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/timestamps.h"
#include "data/transactionrepository.h"
#include "services/importservice.h"
#include "services/recurringservice.h"

#include <QFile>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>

#include <limits>

using DateList = QList<QDate>;

class tst_RecurringService : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void templateChangesAreStamped_data();
    void templateChangesAreStamped();
    void timerDuringImportWaitsForIt();
    void init();
    void cleanup();

    void occurrenceIds_data();
    void occurrenceIds();
    void calendar_data();
    void calendar();
    void catchUpCap_data();
    void catchUpCap();
    void brokenDueDateIsNeverPosted_data();
    void brokenDueDateIsNeverPosted();
    void sameOccurrenceIsNeverPostedTwice();
    void interruptedCatchUp_data();
    void interruptedCatchUp();
    void confirmAllDueVersusEnterNextSevenDays_data();
    void confirmAllDueVersusEnterNextSevenDays();
    void transferPostsTwoLinkedHalves();
    void transferCurrencyMismatchWritesNothing();
    void transferWithoutOppositeWritesNothing();
    void failedWriteLeavesNothing_data();
    void failedWriteLeavesNothing();
    void skipAdvancesWithoutPosting();
    void goneTemplatesAreRefused();
    void pendingCountIgnoresAutoPost();
    void catchUpAnnouncesOncePerAccount();

private:
    RecurringTransaction makeTemplate(const QString &id, Frequency frequency, const QDate &nextDue,
                                      bool autoPost = false, int leadDays = 0) const;
    void addTemplate(const RecurringTransaction &r);
    RecurringTransaction stored(const QString &id) const;
    DateList postedDates(const QString &recurringId) const;
    int transactionCount() const;

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<AccountRepository> m_accounts;
    std::unique_ptr<TransactionRepository> m_transactions;
    std::unique_ptr<RecurringRepository> m_recurring;
    std::unique_ptr<RecurringService> m_service;
    const QDate m_today{2025, 6, 15};
};

void tst_RecurringService::init()
{
    Clock::setToday(m_today);
    m_db = std::make_unique<TestDatabase>();
    m_accounts = std::make_unique<AccountRepository>(m_db->database());
    m_transactions = std::make_unique<TransactionRepository>(m_db->database());
    m_recurring = std::make_unique<RecurringRepository>(m_db->database());
    m_service = std::make_unique<RecurringService>(m_recurring.get(), m_transactions.get(), m_accounts.get());
    const QString account = QStringLiteral("INSERT INTO accounts (id, name, currency, created_at, updated_at) "
                                           "VALUES (?, ?, ?, '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')");
    QVERIFY(m_db->exec(account, {"acc-a", "Checking", "USD"}));
    QVERIFY(m_db->exec(account, {"acc-b", "Savings", "USD"}));
    QVERIFY(m_db->exec(account, {"acc-e", "Euro", "EUR"}));
}

void tst_RecurringService::cleanup()
{
    m_service.reset();
    m_recurring.reset();
    m_transactions.reset();
    m_accounts.reset();
    m_db.reset();
    Clock::setToday(QDate());
}

RecurringTransaction tst_RecurringService::makeTemplate(const QString &id, Frequency frequency,
                                                        const QDate &nextDue, bool autoPost, int leadDays) const
{
    RecurringTransaction r;
    r.id = id;
    r.accountId = QStringLiteral("acc-a");
    r.payee = QStringLiteral("Payee ") + id;
    r.memo = QStringLiteral("memo");
    r.amount = -12345;
    r.frequency = frequency;
    r.startDate = nextDue;
    r.nextDueDate = nextDue;
    r.autoPost = autoPost;
    r.leadDays = leadDays;
    r.syncStatus = SyncStatus::Synced;
    r.createdAt = QDateTime(QDate(2024, 1, 1), QTime(8, 0), Qt::UTC);
    r.updatedAt = r.createdAt;
    return r;
}

void tst_RecurringService::addTemplate(const RecurringTransaction &r)
{
    if (isBrokenDate(r.nextDueDate))
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("saving recurring with broken nextDueDate"));
    QVERIFY(m_recurring->insert(r));
}

RecurringTransaction tst_RecurringService::stored(const QString &id) const
{
    const std::optional<RecurringTransaction> r = m_recurring->findById(id);
    return r.value_or(RecurringTransaction{});
}

DateList tst_RecurringService::postedDates(const QString &recurringId) const
{
    DateList dates;
    QSqlQuery query(m_db->database()->connection());
    query.prepare("SELECT date, id FROM transactions WHERE recurring_id = ? AND transfer_dest_account_id = '' "
                  "ORDER BY date");
    query.addBindValue(recurringId);
    if (!query.exec())
        return dates;
    while (query.next()) {
        const QDate date = dateFromText(query.value(0).toString());
        // Every posting carries its occurrence's name-based id.
        if (query.value(1).toString() != RecurringService::occurrenceId(recurringId, date))
            return {};
        dates.append(date);
    }
    return dates;
}

int tst_RecurringService::transactionCount() const
{
    return m_db->scalar("SELECT COUNT(*) FROM transactions").toInt();
}

void tst_RecurringService::occurrenceIds_data()
{
    QTest::addColumn<QString>("recurringId");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<bool>("destination");
    QTest::addColumn<QString>("expected");

    // Worked out separately as uuid5(namespace, "rec-1:2025-03-01[:dest]").
    QTest::newRow("source") << "rec-1" << QDate(2025, 3, 1) << false << "8b4577a2-e2a5-52d4-93bb-6dc2feef0c92";
    QTest::newRow("destination") << "rec-1" << QDate(2025, 3, 1) << true << "f57cb9bc-c826-528e-b197-40d308b78a51";
}

void tst_RecurringService::occurrenceIds()
{
    QFETCH(QString, recurringId);
    QFETCH(QDate, date);
    QFETCH(bool, destination);
    QFETCH(QString, expected);
    QCOMPARE(RecurringService::occurrenceId(recurringId, date, destination), expected);
}

void tst_RecurringService::calendar_data()
{
    QTest::addColumn<int>("frequency");
    QTest::addColumn<QDate>("nextDue");
    QTest::addColumn<QDate>("endDate");
    QTest::addColumn<int>("leadDays");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<DateList>("expectedPosted");
    QTest::addColumn<QDate>("expectedNext");
    QTest::addColumn<bool>("expectedActive");

    const auto f = [](Frequency frequency) { return int(frequency); };
    const QDate none;
    const QDate today(2025, 6, 15);

    QTest::newRow("monthly31January")
        << f(Frequency::Monthly) << QDate(2025, 1, 31) << none << 0 << QDate(2025, 3, 28)
        << DateList{{2025, 1, 31}, {2025, 2, 28}, {2025, 3, 28}} << QDate(2025, 4, 28) << true;
    QTest::newRow("monthly31JanuaryLeapYear")
        << f(Frequency::Monthly) << QDate(2024, 1, 31) << none << 0 << QDate(2024, 3, 29)
        << DateList{{2024, 1, 31}, {2024, 2, 29}, {2024, 3, 29}} << QDate(2024, 4, 29) << true;
    QTest::newRow("annual29February")
        << f(Frequency::Annual) << QDate(2024, 2, 29) << none << 0 << QDate(2025, 3, 1)
        << DateList{{2024, 2, 29}, {2025, 2, 28}} << QDate(2026, 2, 28) << true;
    QTest::newRow("daily") << f(Frequency::Daily) << QDate(2025, 6, 13) << none << 0 << today
                           << DateList{{2025, 6, 13}, {2025, 6, 14}, {2025, 6, 15}} << QDate(2025, 6, 16) << true;
    QTest::newRow("weekly") << f(Frequency::Weekly) << QDate(2025, 6, 1) << none << 0 << today
                            << DateList{{2025, 6, 1}, {2025, 6, 8}, {2025, 6, 15}} << QDate(2025, 6, 22) << true;
    QTest::newRow("biweekly") << f(Frequency::Biweekly) << QDate(2025, 5, 18) << none << 0 << today
                              << DateList{{2025, 5, 18}, {2025, 6, 1}, {2025, 6, 15}} << QDate(2025, 6, 29) << true;
    QTest::newRow("quarterlyClampsAndKeepsTheClampedDay")
        << f(Frequency::Quarterly) << QDate(2024, 11, 30) << none << 0 << today
        << DateList{{2024, 11, 30}, {2025, 2, 28}, {2025, 5, 28}} << QDate(2025, 8, 28) << true;
    QTest::newRow("semiAnnual") << f(Frequency::SemiAnnual) << QDate(2024, 8, 31) << none << 0 << today
                                << DateList{{2024, 8, 31}, {2025, 2, 28}} << QDate(2025, 8, 28) << true;
    QTest::newRow("endDateNotYetPassed")
        << f(Frequency::Monthly) << QDate(2025, 5, 30) << QDate(2025, 6, 30) << 0 << today
        << DateList{{2025, 5, 30}} << QDate(2025, 6, 30) << true;
    QTest::newRow("endDateReached")
        << f(Frequency::Monthly) << QDate(2025, 5, 30) << QDate(2025, 6, 30) << 0 << QDate(2025, 9, 1)
        << DateList{{2025, 5, 30}, {2025, 6, 30}} << QDate(2025, 7, 30) << false;
    QTest::newRow("leadDays3DueInTwoDays") << f(Frequency::Monthly) << QDate(2025, 6, 17) << none << 3 << today
                                           << DateList{{2025, 6, 17}} << QDate(2025, 7, 17) << true;
    QTest::newRow("leadDays3DueInFourDays") << f(Frequency::Monthly) << QDate(2025, 6, 19) << none << 3 << today
                                            << DateList{} << QDate(2025, 6, 19) << true;
    QTest::newRow("leadDays90ReachesSixtyDays") << f(Frequency::Annual) << QDate(2025, 8, 14) << none << 90
                                                << today << DateList{{2025, 8, 14}} << QDate(2026, 8, 14) << true;
    QTest::newRow("leadDays90StopsAtSixtyDays") << f(Frequency::Annual) << QDate(2025, 8, 15) << none << 90
                                                << today << DateList{} << QDate(2025, 8, 15) << true;
    QTest::newRow("leadDaysNegativeDueToday") << f(Frequency::Monthly) << today << none << -5 << today
                                              << DateList{{2025, 6, 15}} << QDate(2025, 7, 15) << true;
    QTest::newRow("leadDaysNegativeDueTomorrow") << f(Frequency::Monthly) << QDate(2025, 6, 16) << none << -5
                                                 << today << DateList{} << QDate(2025, 6, 16) << true;
}

void tst_RecurringService::calendar()
{
    QFETCH(int, frequency);
    QFETCH(QDate, nextDue);
    QFETCH(QDate, endDate);
    QFETCH(int, leadDays);
    QFETCH(QDate, today);
    QFETCH(DateList, expectedPosted);
    QFETCH(QDate, expectedNext);
    QFETCH(bool, expectedActive);

    Clock::setToday(today);
    RecurringTransaction r = makeTemplate("rec-cal", Frequency(frequency), nextDue, true, leadDays);
    if (endDate.isValid())
        r.endDate = endDate;
    addTemplate(r);

    QCOMPARE(m_service->processDue(), int(expectedPosted.size()));
    QCOMPARE(postedDates(r.id), expectedPosted);
    const RecurringTransaction after = stored(r.id);
    QCOMPARE(after.nextDueDate, expectedNext);
    QCOMPARE(after.isActive, expectedActive);
    QCOMPARE(after.startDate, nextDue);
    QCOMPARE(after.syncStatus, expectedPosted.isEmpty() ? SyncStatus::Synced : SyncStatus::Pending);

    // The posted rows copy the template.
    if (!expectedPosted.isEmpty()) {
        const std::optional<Transaction> t = m_transactions->findById(RecurringService::occurrenceId(r.id, nextDue));
        QVERIFY(t);
        QCOMPARE(t->accountId, r.accountId);
        QCOMPARE(t->payee, r.payee);
        QCOMPARE(t->memo, r.memo);
        QCOMPARE(t->amount, r.amount);
        QCOMPARE(t->recurringId, r.id);
        QVERIFY(!t->cleared);
        QVERIFY(!t->reconciled);
        QCOMPARE(t->syncStatus, SyncStatus::Pending);
    }
}

void tst_RecurringService::catchUpCap_data()
{
    QTest::addColumn<int>("occurrencesDue");
    QTest::addColumn<int>("expectedPosted");
    QTest::addColumn<bool>("expectedActive");

    // Occurrences due counts today too: 501 due means the first is 500 days back.
    QTest::newRow("500DaysBehind") << 501 << 365 << false;
    QTest::newRow("366DueOneBeyondTheCap") << 366 << 365 << false;
    QTest::newRow("exactlyTheCap") << 365 << 365 << true;
    QTest::newRow("364Behind") << 364 << 364 << true;
}

void tst_RecurringService::catchUpCap()
{
    QFETCH(int, occurrencesDue);
    QFETCH(int, expectedPosted);
    QFETCH(bool, expectedActive);

    const QDate first = m_today.addDays(-(occurrencesDue - 1));
    addTemplate(makeTemplate("rec-daily", Frequency::Daily, first, true));
    if (!expectedActive)
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("^Quarantining recurring rec-daily .*— auto-deactivating\\. Reason: "
                                                "hit catchup cap in single tick nextDueDate="));

    QSignalSpy stopped(m_service.get(), &RecurringService::templateStopped);
    QCOMPARE(m_service->processDue(), expectedPosted);
    QCOMPARE(transactionCount(), expectedPosted);
    const RecurringTransaction after = stored("rec-daily");
    QCOMPARE(after.nextDueDate, first.addDays(expectedPosted));
    QCOMPARE(after.isActive, expectedActive);
    // The window hears which template stopped and why, not only the log.
    QCOMPARE(stopped.size(), expectedActive ? 0 : 1);
    QCOMPARE(m_service->stops().size(), stopped.size());
    if (!expectedActive) {
        const auto stop = stopped.first().first().value<RecurringService::Stop>();
        QCOMPARE(stop.recurringId, QString("rec-daily"));
        QCOMPARE(stop.reason, RecurringService::StopReason::CatchUpCap);
        QCOMPARE(stop.nextDueDate, after.nextDueDate);
        QCOMPARE(m_service->stops().first().recurringId, QString("rec-daily"));
    }
    // A caught-up template keeps running; nothing more is due today.
    QCOMPARE(m_service->processDue(), 0);
    QCOMPARE(m_service->pendingCount(), 0);
}

void tst_RecurringService::brokenDueDateIsNeverPosted_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("storedDate");
    QTest::addColumn<QString>("expectedLog");
    QTest::addColumn<bool>("expectedActive");

    const QString quarantined("^Quarantining recurring rec-broken .* Reason: broken next_due_date nextDueDate=");
    const QString refused("^RecurringService::confirm refusing record with broken date: rec-broken .* "
                          "— quarantining \\(deactivating\\)$");
    QTest::newRow("processDueBefore2000") << "processDue" << "1999-12-31" << quarantined + "1999-12-31$" << false;
    QTest::newRow("processDueUnreadable") << "processDue" << "not a date" << quarantined + "\\(invalid\\)$" << false;
    QTest::newRow("confirmBefore2000") << "confirm" << "1999-12-31" << refused << false;
    QTest::newRow("enterDueThroughPassesOver") << "enterDueThrough" << "1999-12-31" << QString() << true;
}

void tst_RecurringService::brokenDueDateIsNeverPosted()
{
    QFETCH(QString, operation);
    QFETCH(QString, storedDate);
    QFETCH(QString, expectedLog);
    QFETCH(bool, expectedActive);

    addTemplate(makeTemplate("rec-broken", Frequency::Daily, QDate(2025, 1, 1), true));
    QVERIFY(m_db->exec("UPDATE recurring_transactions SET next_due_date = ? WHERE id = 'rec-broken'", {storedDate}));
    if (!expectedLog.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(expectedLog));
    if (!expectedActive)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("saving recurring with broken nextDueDate"));

    if (operation == "processDue")
        QCOMPARE(m_service->processDue(), 0);
    else if (operation == "confirm")
        QVERIFY(!m_service->confirm(stored("rec-broken")));
    else
        QCOMPARE(m_service->enterDueThrough(m_today.addDays(7)), 0);

    QCOMPARE(transactionCount(), 0);
    const QList<RecurringService::Stop> stops = m_service->stops();
    QCOMPARE(stops.size(), expectedActive ? 0 : 1);
    if (!stops.isEmpty()) {
        QCOMPARE(stops.first().recurringId, QString("rec-broken"));
        QCOMPARE(stops.first().reason, RecurringService::StopReason::BrokenDate);
    }
    const RecurringTransaction after = stored("rec-broken");
    QCOMPARE(after.isActive, expectedActive);
    QCOMPARE(after.syncStatus, expectedActive ? SyncStatus::Synced : SyncStatus::Pending);
    QCOMPARE(m_db->scalar("SELECT next_due_date FROM recurring_transactions").toString(),
             expectedActive || storedDate == "1999-12-31" ? storedDate : QString());
}

void tst_RecurringService::sameOccurrenceIsNeverPostedTwice()
{
    addTemplate(makeTemplate("rec-1", Frequency::Weekly, QDate(2025, 6, 1), true));
    QCOMPARE(m_service->processDue(), 3);
    QCOMPARE(m_service->processDue(), 0);
    QCOMPARE(transactionCount(), 3);

    // Edited back to an occurrence that was already posted: its id repeats,
    // so nothing is posted and the template stays where the user put it.
    RecurringTransaction edited = stored("rec-1");
    edited.nextDueDate = QDate(2025, 6, 8);
    QVERIFY(m_recurring->update(edited));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^TransactionRepository::insert failed:"));
    QVERIFY(!m_service->confirm(edited));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^TransactionRepository::insert failed:"));
    QCOMPARE(m_service->processDue(), 0);
    QCOMPARE(transactionCount(), 3);
    QCOMPARE(stored("rec-1").nextDueDate, QDate(2025, 6, 8));
}

void tst_RecurringService::interruptedCatchUp_data()
{
    QTest::addColumn<QString>("raise");
    QTest::addColumn<DateList>("expectedPosted");
    QTest::addColumn<QDate>("expectedNext");

    // The third occurrence's insert fails. ABORT undoes that statement only:
    // the first two stand and the template waits at the third. ROLLBACK ends
    // the whole transaction, as a full disk does: nothing may be left, and in
    // particular not a template advanced past occurrences that were lost.
    QTest::newRow("statementAborted") << "ABORT" << DateList{{2025, 6, 1}, {2025, 6, 8}} << QDate(2025, 6, 15);
    QTest::newRow("transactionRolledBack") << "ROLLBACK" << DateList{} << QDate(2025, 6, 1);
}

void tst_RecurringService::interruptedCatchUp()
{
    QFETCH(QString, raise);
    QFETCH(DateList, expectedPosted);
    QFETCH(QDate, expectedNext);

    addTemplate(makeTemplate("rec-1", Frequency::Weekly, QDate(2025, 6, 1), true));
    QVERIFY(m_db->exec(QString("CREATE TRIGGER fail_third BEFORE INSERT ON transactions WHEN NEW.date = '2025-06-15' "
                               "BEGIN SELECT RAISE(%1, 'disk gone'); END")
                           .arg(raise)));
    QSignalSpy recurringSpy(m_recurring.get(), &RecurringRepository::recurringChanged);

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^TransactionRepository::insert failed:.*disk gone"));
    QCOMPARE(m_service->processDue(), int(expectedPosted.size()));
    QCOMPARE(postedDates("rec-1"), expectedPosted);
    QCOMPARE(stored("rec-1").nextDueDate, expectedNext);
    QCOMPARE(recurringSpy.size(), expectedPosted.isEmpty() ? 0 : 1);

    // Once the fault is gone, the next run posts exactly what is missing.
    QVERIFY(m_db->exec("DROP TRIGGER fail_third"));
    QCOMPARE(m_service->processDue(), 3 - int(expectedPosted.size()));
    QCOMPARE(postedDates("rec-1"), (DateList{{2025, 6, 1}, {2025, 6, 8}, {2025, 6, 15}}));
    QCOMPARE(stored("rec-1").nextDueDate, QDate(2025, 6, 22));
}

void tst_RecurringService::confirmAllDueVersusEnterNextSevenDays_data()
{
    QTest::addColumn<bool>("enterNextSevenDays");
    QTest::addColumn<int>("expectedPosted");
    QTest::addColumn<QDate>("expectedNext");

    // Due 20, 13 and 6 days ago, and again tomorrow.
    QTest::newRow("confirmAllDue") << false << 1 << QDate(2025, 6, 2);
    QTest::newRow("enterNextSevenDays") << true << 4 << QDate(2025, 6, 23);
}

void tst_RecurringService::confirmAllDueVersusEnterNextSevenDays()
{
    QFETCH(bool, enterNextSevenDays);
    QFETCH(int, expectedPosted);
    QFETCH(QDate, expectedNext);

    addTemplate(makeTemplate("rec-weekly", Frequency::Weekly, QDate(2025, 5, 26), false));
    QSignalSpy pendingSpy(m_service.get(), &RecurringService::pendingCountChanged);

    const int posted = enterNextSevenDays ? m_service->enterDueThrough(m_today.addDays(7)) : m_service->confirmAllDue();
    QCOMPARE(posted, expectedPosted);
    QCOMPARE(transactionCount(), expectedPosted);
    QCOMPARE(stored("rec-weekly").nextDueDate, expectedNext);
    QVERIFY(!pendingSpy.isEmpty());
    QCOMPARE(pendingSpy.last().at(0).toInt(), enterNextSevenDays ? 0 : 1);
    // The automatic run leaves a template without auto-post alone.
    QCOMPARE(m_service->processDue(), 0);
}

void tst_RecurringService::transferPostsTwoLinkedHalves()
{
    RecurringTransaction r = makeTemplate("rec-xfer", Frequency::Monthly, m_today);
    r.amount = -5000;
    r.transferDestAccountId = "acc-b";
    addTemplate(r);
    QSignalSpy changed(m_transactions.get(), &TransactionRepository::transactionsChanged);
    QSignalSpy pendingSpy(m_service.get(), &RecurringService::pendingCountChanged);

    QVERIFY(m_service->confirm(r));

    const QString sourceId = RecurringService::occurrenceId(r.id, m_today);
    const QString destinationId = RecurringService::occurrenceId(r.id, m_today, true);
    const std::optional<Transaction> source = m_transactions->findById(sourceId);
    const std::optional<Transaction> destination = m_transactions->findById(destinationId);
    QVERIFY(source);
    QVERIFY(destination);
    QCOMPARE(transactionCount(), 2);
    QCOMPARE(source->accountId, QString("acc-a"));
    QCOMPARE(source->amount, qint64(-5000));
    QCOMPARE(source->transferLinkId, destinationId);
    QCOMPARE(source->transferDestAccountId, QString("acc-b"));
    QCOMPARE(destination->accountId, QString("acc-b"));
    QCOMPARE(destination->amount, qint64(5000));
    QCOMPARE(destination->transferLinkId, sourceId);
    QCOMPARE(destination->transferDestAccountId, QString("acc-a"));
    QCOMPARE(destination->date, m_today);
    QCOMPARE(destination->payee, r.payee);
    QCOMPARE(source->recurringId, r.id);
    QCOMPARE(destination->recurringId, r.id);
    QCOMPARE(stored(r.id).nextDueDate, m_today.addMonths(1));

    QStringList accounts;
    for (const QList<QVariant> &args : changed)
        accounts.append(args.at(0).toString());
    accounts.sort();
    QCOMPARE(accounts, (QStringList{"acc-a", "acc-b"}));
    QCOMPARE(pendingSpy.size(), 1);
    QCOMPARE(pendingSpy.at(0).at(0).toInt(), 0);
}

void tst_RecurringService::transferCurrencyMismatchWritesNothing()
{
    RecurringTransaction r = makeTemplate("rec-xfer", Frequency::Monthly, m_today, true);
    r.transferDestAccountId = "acc-e";
    addTemplate(r);
    const RecurringTransaction before = stored(r.id);
    QSignalSpy changed(m_transactions.get(), &TransactionRepository::transactionsChanged);
    QSignalSpy recurringSpy(m_recurring.get(), &RecurringRepository::recurringChanged);
    QSignalSpy pendingSpy(m_service.get(), &RecurringService::pendingCountChanged);

    const QRegularExpression warning("^RecurringService: skipping transfer post for rec-xfer — source and "
                                     "destination currencies differ$");
    QTest::ignoreMessage(QtWarningMsg, warning);
    QVERIFY(!m_service->confirm(r));
    QTest::ignoreMessage(QtWarningMsg, warning);
    QCOMPARE(m_service->processDue(), 0);
    QCOMPARE(transactionCount(), 0);
    const RecurringTransaction after = stored(r.id);
    QCOMPARE(after.nextDueDate, before.nextDueDate);
    QCOMPARE(after.updatedAt, before.updatedAt);
    QCOMPARE(after.syncStatus, SyncStatus::Synced);
    QVERIFY(changed.isEmpty());
    QVERIFY(recurringSpy.isEmpty());
    QVERIFY(pendingSpy.isEmpty());

    // Nothing was left behind to block the occurrence once the accounts agree.
    QVERIFY(m_db->exec("UPDATE accounts SET currency = 'USD' WHERE id = 'acc-e'"));
    QVERIFY(m_service->confirm(r));
    QCOMPARE(transactionCount(), 2);
}

void tst_RecurringService::transferWithoutOppositeWritesNothing()
{
    RecurringTransaction r = makeTemplate("rec-xfer", Frequency::Monthly, m_today, true);
    r.amount = std::numeric_limits<qint64>::min();
    r.transferDestAccountId = "acc-b";
    addTemplate(r);
    const RecurringTransaction before = stored(r.id);

    QVERIFY(!m_service->confirm(r));
    QCOMPARE(m_service->processDue(), 0);
    QCOMPARE(transactionCount(), 0);
    QCOMPARE(stored(r.id).nextDueDate, before.nextDueDate);
}

void tst_RecurringService::failedWriteLeavesNothing_data()
{
    QTest::addColumn<QString>("sabotage");
    QTest::addColumn<QString>("destination");
    QTest::addColumn<bool>("viaProcessDue");

    const QString failDestination("CREATE TRIGGER fail_dest BEFORE INSERT ON transactions WHEN NEW.account_id = "
                                  "'acc-b' BEGIN SELECT RAISE(ABORT, 'destination refused'); END");
    const QString failTemplate("CREATE TRIGGER fail_advance BEFORE UPDATE ON recurring_transactions "
                               "BEGIN SELECT RAISE(ABORT, 'advance refused'); END");
    QTest::newRow("destinationTriggerConfirm") << failDestination << "acc-b" << false;
    QTest::newRow("destinationTriggerProcessDue") << failDestination << "acc-b" << true;
    QTest::newRow("destinationAccountMissing") << QString() << "acc-nowhere" << false;
    QTest::newRow("templateAdvanceFailsConfirm") << failTemplate << QString() << false;
    QTest::newRow("templateAdvanceFailsProcessDue") << failTemplate << QString() << true;
    QTest::newRow("transferAdvanceFails") << failTemplate << "acc-b" << false;
}

void tst_RecurringService::failedWriteLeavesNothing()
{
    QFETCH(QString, sabotage);
    QFETCH(QString, destination);
    QFETCH(bool, viaProcessDue);

    RecurringTransaction r = makeTemplate("rec-1", Frequency::Monthly, QDate(2025, 5, 15), true);
    r.transferDestAccountId = destination;
    addTemplate(r);
    if (!sabotage.isEmpty())
        QVERIFY(m_db->exec(sabotage));
    const RecurringTransaction before = stored(r.id);
    QSignalSpy changed(m_transactions.get(), &TransactionRepository::transactionsChanged);
    QSignalSpy recurringSpy(m_recurring.get(), &RecurringRepository::recurringChanged);
    QSignalSpy pendingSpy(m_service.get(), &RecurringService::pendingCountChanged);

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^(TransactionRepository::insert|RecurringRepository::"
                                                          "update) failed:"));
    if (viaProcessDue)
        QCOMPARE(m_service->processDue(), 0);
    else
        QVERIFY(!m_service->confirm(r));

    QCOMPARE(transactionCount(), 0);
    const RecurringTransaction after = stored(r.id);
    QCOMPARE(after.nextDueDate, before.nextDueDate);
    QCOMPARE(after.isActive, true);
    QCOMPARE(after.updatedAt, before.updatedAt);
    QCOMPARE(after.syncStatus, SyncStatus::Synced);
    QVERIFY(changed.isEmpty());
    QVERIFY(recurringSpy.isEmpty());
    QVERIFY(pendingSpy.isEmpty());
}

void tst_RecurringService::skipAdvancesWithoutPosting()
{
    RecurringTransaction r = makeTemplate("rec-1", Frequency::Monthly, QDate(2025, 5, 30));
    r.endDate = QDate(2025, 6, 30);
    addTemplate(r);
    QSignalSpy pendingSpy(m_service.get(), &RecurringService::pendingCountChanged);

    QVERIFY(m_service->skip(r));
    QCOMPARE(stored(r.id).nextDueDate, QDate(2025, 6, 30));
    QVERIFY(stored(r.id).isActive);
    QCOMPARE(stored(r.id).syncStatus, SyncStatus::Pending);
    QVERIFY(m_service->skip(r));
    QCOMPARE(stored(r.id).nextDueDate, QDate(2025, 7, 30));
    QVERIFY(!stored(r.id).isActive);
    QCOMPARE(transactionCount(), 0);
    QCOMPARE(pendingSpy.size(), 2);
    QCOMPARE(pendingSpy.at(0).at(0).toInt(), 0);
}

void tst_RecurringService::goneTemplatesAreRefused()
{
    RecurringTransaction missing = makeTemplate("rec-missing", Frequency::Monthly, m_today);
    QVERIFY(!m_service->confirm(missing));
    QVERIFY(!m_service->skip(missing));

    // A deleted template is kept for sync but never posted from again.
    addTemplate(makeTemplate("rec-deleted", Frequency::Monthly, m_today, true));
    QVERIFY(m_recurring->softDelete("rec-deleted"));
    QVERIFY(!m_service->confirm(stored("rec-deleted")));
    QVERIFY(!m_service->skip(stored("rec-deleted")));
    QCOMPARE(m_service->processDue(), 0);
    QCOMPARE(m_service->enterDueThrough(m_today), 0);
    QCOMPARE(transactionCount(), 0);
    QCOMPARE(stored("rec-deleted").nextDueDate, m_today);
}

void tst_RecurringService::pendingCountIgnoresAutoPost()
{
    addTemplate(makeTemplate("rec-auto", Frequency::Monthly, m_today.addDays(-3), true));
    addTemplate(makeTemplate("rec-manual", Frequency::Monthly, m_today, false));
    addTemplate(makeTemplate("rec-future", Frequency::Monthly, m_today.addDays(1), false));
    RecurringTransaction inactive = makeTemplate("rec-inactive", Frequency::Monthly, m_today.addDays(-1), false);
    inactive.isActive = false;
    addTemplate(inactive);
    addTemplate(makeTemplate("rec-deleted", Frequency::Monthly, m_today.addDays(-1), false));
    QVERIFY(m_recurring->softDelete("rec-deleted"));

    QCOMPARE(m_service->pendingCount(), 2);
    QCOMPARE(m_service->all().size(), 4);
    QCOMPARE(m_service->processDue(), 1);
    QCOMPARE(m_service->pendingCount(), 1);
    QCOMPARE(m_service->confirmAllDue(), 1);
    QCOMPARE(m_service->pendingCount(), 0);
}

void tst_RecurringService::catchUpAnnouncesOncePerAccount()
{
    addTemplate(makeTemplate("rec-1", Frequency::Daily, m_today.addDays(-29), true));
    RecurringTransaction second = makeTemplate("rec-2", Frequency::Daily, m_today.addDays(-9), true);
    second.accountId = "acc-b";
    addTemplate(second);
    QSignalSpy changed(m_transactions.get(), &TransactionRepository::transactionsChanged);
    QSignalSpy recurringSpy(m_recurring.get(), &RecurringRepository::recurringChanged);

    QCOMPARE(m_service->processDue(), 40);
    QCOMPARE(changed.size(), 2);
    // Each template commits its postings and its new due date on its own.
    QCOMPARE(recurringSpy.size(), 2);
    QCOMPARE(m_db->scalar("SELECT COUNT(*) FROM transactions WHERE account_id = 'acc-b'").toInt(), 10);
}

void tst_RecurringService::timerDuringImportWaitsForIt()
{
    addTemplate(makeTemplate("rec-1", Frequency::Monthly, m_today, true));
    CategoryRepository categories(m_db->database());
    SplitLineRepository splitLines(m_db->database());
    ImportService import(m_transactions.get(), &categories, &splitLines);

    QByteArray csv = "Date,Payee,Amount\n";
    for (int i = 0; i < 250; ++i)
        csv += "2025-06-01,Shop " + QByteArray::number(i) + ",-1.00\n";
    const QString path = m_db->folder() + QStringLiteral("/bank.csv");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(csv);
    file.close();

    // The hourly run fires while the import lets the event loop run with
    // its transaction open: it must neither write into that transaction nor
    // be lost.
    int postedInside = -1;
    int rowsWhenFired = -1;
    QSignalSpy autoPosted(m_service.get(), &RecurringService::autoPosted);
    connect(&import, &ImportService::importProgress, this, [&](int current, int) {
        if (postedInside >= 0 || current >= 250)
            return;
        postedInside = m_service->processDue();
        rowsWhenFired = postedDates("rec-1").size();
    });
    CsvMapping mapping;
    mapping.dateFormat = QStringLiteral("yyyy-MM-dd");
    const ImportResult result = import.importCsv(path, "acc-a", mapping);
    QCOMPARE(result.imported, 250);
    QCOMPARE(postedInside, 0);
    QCOMPARE(rowsWhenFired, 0);
    // Once the import has committed, the waiting run posts from the event loop.
    QTRY_COMPARE(autoPosted.size(), 1);
    QCOMPARE(autoPosted.at(0).at(0).toInt(), 1);
    QCOMPARE(postedDates("rec-1"), DateList({m_today}));
    QCOMPARE(transactionCount(), 251);
}

void tst_RecurringService::templateChangesAreStamped_data()
{
    QTest::addColumn<QString>("operation");
    QTest::newRow("confirm") << "confirm";
    QTest::newRow("skip") << "skip";
    QTest::newRow("catchUp") << "catchUp";
}

void tst_RecurringService::templateChangesAreStamped()
{
    QFETCH(QString, operation);
    const QDateTime now(m_today, QTime(9, 30), Qt::UTC);
    Clock::setNow(now);
    const auto unpin = qScopeGuard([] { Clock::setNow(QDateTime()); });
    const RecurringTransaction r = makeTemplate("rec-1", Frequency::Daily, m_today.addDays(-3), true);
    addTemplate(r);
    const int versionBefore = stored("rec-1").version;
    if (operation == "confirm")
        QVERIFY(m_service->confirm(r));
    else if (operation == "skip")
        QVERIFY(m_service->skip(r));
    else
        QCOMPARE(m_service->processDue(), 4);
    // One new version for the whole change, however many dates it moved.
    const RecurringTransaction after = stored("rec-1");
    QCOMPARE(after.version, versionBefore + 1);
    QCOMPARE(after.syncStatus, SyncStatus::Pending);
    QCOMPARE(after.updatedAt, now);
}

QTEST_GUILESS_MAIN(tst_RecurringService)
#include "tst_recurringservice.moc"
