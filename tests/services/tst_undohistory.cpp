#include "common/servicefixture.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/clock.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "data/uuids.h"
#include "services/accountservice.h"
#include "services/transactionservice.h"
#include "services/undohistory.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

namespace {

// A step that only notes what it was asked to do, and fails on request.
class ScriptedStep : public UndoStep
{
public:
    ScriptedStep(QString text, QStringList *log, const bool *failing = nullptr)
        : m_text(std::move(text))
        , m_log(log)
        , m_failing(failing)
    {
    }

    QString text() const override { return m_text; }
    Result<void> undo() override { return run(QStringLiteral("undo ")); }
    Result<void> redo() override { return run(QStringLiteral("redo ")); }

private:
    Result<void> run(const QString &what)
    {
        if (m_failing && *m_failing)
            return Result<void>::failure(QStringLiteral("disk full"));
        m_log->append(what + m_text);
        return {};
    }

    QString m_text;
    QStringList *m_log;
    const bool *m_failing;
};

// One stored row: its values without the stamps (version, updated_at,
// sync_status, deleted_at), and the stamps apart. States written at
// different moments compare on the values; a refused write must leave both.
struct StoredRow
{
    bool live = true;
    QString owner;   // the transaction of a split line
    QString values;
    QString stamps;
};
using StoredRows = QHash<QString, QHash<QString, StoredRow>>;   // table, then id

struct TransactionFacts
{
    QString accountId;
    QString link;
    QString destination;
    QString date;
    qint64 amount = 0;
    bool live = true;
    bool split = false;
};

// Every row of the tables the services write, and what the invariants need
// of them, read in one pass.
struct StoredState
{
    StoredRows rows;
    QHash<QString, TransactionFacts> transactions;
    QHash<QString, QPair<bool, qint64>> accounts;   // live, starting balance
    QHash<QString, QPair<int, qint64>> lines;       // by transaction: count and sum
};

// What one random step tried, for the failure message and the checks.
struct Attempt
{
    QString description;
    bool expectOk = true;
    QString undoText;
    Result<void> result;
};

template <typename T>
Result<void> outcome(const Result<T> &result)
{
    return result ? Result<void>() : Result<void>::failure(result.error());
}

} // namespace

class tst_UndoHistory : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void emptyHistory();
    void operationTexts_data();
    void operationTexts();
    void newStepDropsRedo();
    void failedStepStaysInPlace_data();
    void failedStepStaysInPlace();
    void failedUndoOfRealStepKeepsIt();
    void limitKeepsNewest();
    void replayRecordsNothing();
    void clearForgetsEverything();

    void randomOperationsUndoAndRedo_data();
    void randomOperationsUndoAndRedo();

private:
    void buildStartingData();
    QDateTime tick();
    QStringList ids(const QString &sql) const;
    StoredState readState() const;
    static QString exactDifferences(const StoredRows &expected, const StoredRows &actual);
    static QString mismatch(const StoredRows &checkpoint, const StoredRows &current);
    QString invariantProblems(const StoredState &state) const;

    void randomStep(QRandomGenerator &rng, Attempt &attempt);
    void createPlain(QRandomGenerator &rng, Attempt &attempt);
    void createTransfer(QRandomGenerator &rng, Attempt &attempt);
    void editRow(QRandomGenerator &rng, Attempt &attempt);
    void retarget(QRandomGenerator &rng, Attempt &attempt);
    void removeRow(QRandomGenerator &rng, Attempt &attempt);
    void toggleCleared(QRandomGenerator &rng, Attempt &attempt);
    void replaceLines(QRandomGenerator &rng, Attempt &attempt);
    void createAccount(QRandomGenerator &rng, Attempt &attempt);
    void editAccount(QRandomGenerator &rng, Attempt &attempt);
    void removeAccount(QRandomGenerator &rng, Attempt &attempt);
    void hostile(QRandomGenerator &rng, Attempt &attempt);

    QString randomCategory(QRandomGenerator &rng, bool &valid) const;
    QList<SplitLine> randomLines(QRandomGenerator &rng, bool &valid) const;
    static qint64 randomAmount(QRandomGenerator &rng);
    static QDate randomDate(QRandomGenerator &rng);
    static QString pick(QRandomGenerator &rng, const QStringList &from);
    // A transfer half whose other half is gone with its deleted account.
    bool isOrphan(const Transaction &t) const;
    // A transfer half whose live other half is split, and so owns the amount.
    bool hasSplitPartner(const Transaction &t) const;

    std::unique_ptr<ServiceFixture> m_fixture;
    std::unique_ptr<UndoHistory> m_history;
    QStringList m_liveCategories;
    QString m_deletedCategory;
    int m_names = 0;
};

void tst_UndoHistory::init()
{
    Clock::setNow(QDateTime(QDate(2024, 5, 1), QTime(12, 0), Qt::UTC));
    Clock::setToday(QDate(2024, 5, 1));
    m_fixture = std::make_unique<ServiceFixture>();
    m_history = std::make_unique<UndoHistory>();
    m_fixture->transactionService()->setUndoHistory(m_history.get());
    m_fixture->accountService()->setUndoHistory(m_history.get());
    m_liveCategories.clear();
    m_names = 0;
}

void tst_UndoHistory::cleanup()
{
    m_fixture.reset();
    m_history.reset();
    Clock::setNow(QDateTime());
    Clock::setToday(QDate());
}

QDateTime tst_UndoHistory::tick()
{
    Clock::setNow(Clock::now().addSecs(1));
    return Clock::now();
}

void tst_UndoHistory::emptyHistory()
{
    QSignalSpy changed(m_history.get(), &UndoHistory::changed);
    QVERIFY(!m_history->canUndo());
    QVERIFY(!m_history->canRedo());
    QVERIFY(m_history->undoText().isEmpty());
    QVERIFY(m_history->redoText().isEmpty());
    QCOMPARE(m_history->undo().error(), QStringLiteral("Nothing to undo"));
    QCOMPARE(m_history->redo().error(), QStringLiteral("Nothing to redo"));
    QCOMPARE(changed.count(), 0);
}

void tst_UndoHistory::operationTexts_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("text");
    QTest::newRow("create") << "create" << "New Transaction";
    QTest::newRow("edit") << "edit" << "Edit Transaction";
    QTest::newRow("remove") << "remove" << "Delete Transaction";
    QTest::newRow("clear") << "clear" << "Mark Cleared";
    QTest::newRow("unclear") << "unclear" << "Mark Uncleared";
    QTest::newRow("splits") << "splits" << "Edit Splits";
    QTest::newRow("createAccount") << "createAccount" << "New Account";
    QTest::newRow("editAccount") << "editAccount" << "Edit Account";
    QTest::newRow("removeAccount") << "removeAccount" << "Delete Account";
}

void tst_UndoHistory::operationTexts()
{
    QFETCH(QString, operation);
    QFETCH(QString, text);
    const QString account = m_fixture->addAccount("Checking");
    const QString category = m_fixture->addCategory("Food");
    const Transaction row = m_fixture->addTransaction(account, -100);
    const StoredRows before = readState().rows;
    TransactionService *transactions = m_fixture->transactionService();
    AccountService *accounts = m_fixture->accountService();
    TransactionDraft draft = TransactionDraft::fromTransaction(row);
    draft.memo = QStringLiteral("changed");
    SplitLine line;
    line.categoryId = category;
    line.amount = -60;
    Account renamed = *m_fixture->account(account);
    renamed.name = QStringLiteral("Everyday");
    Account fresh;
    fresh.name = QStringLiteral("Cash");
    tick();

    bool ok = false;
    if (operation == "create")
        ok = transactions->create(draft).ok();
    else if (operation == "edit")
        ok = transactions->edit(row.id, draft).ok();
    else if (operation == "remove")
        ok = transactions->remove(row.id).ok();
    else if (operation == "clear" || operation == "unclear")
        ok = transactions->setCleared(row.id, operation == "clear").ok();
    else if (operation == "splits")
        ok = transactions->replaceSplitLines(row.id, {line}).ok();
    else if (operation == "createAccount")
        ok = accounts->create(fresh, 500).ok();
    else if (operation == "editAccount")
        ok = accounts->edit(renamed).ok();
    else
        ok = accounts->remove(account).ok();
    QVERIFY(ok);
    QCOMPARE(m_history->undoText(), text);
    QVERIFY(m_history->redoText().isEmpty());

    tick();
    QVERIFY(m_history->undo().ok());
    QVERIFY(!m_history->canUndo());
    QVERIFY(m_history->undoText().isEmpty());
    QCOMPARE(m_history->redoText(), text);
    const QString left = mismatch(before, readState().rows);
    QVERIFY2(left.isEmpty(), qPrintable(left));
}

void tst_UndoHistory::newStepDropsRedo()
{
    QStringList log;
    for (const char *name : {"a", "b", "c"})
        m_history->push(std::make_unique<ScriptedStep>(name, &log));
    QVERIFY(m_history->undo().ok());
    QVERIFY(m_history->undo().ok());
    QCOMPARE(m_history->redoText(), QStringLiteral("b"));
    m_history->push(std::make_unique<ScriptedStep>("d", &log));
    QVERIFY(!m_history->canRedo());
    QCOMPARE(m_history->redo().error(), QStringLiteral("Nothing to redo"));
    QCOMPARE(m_history->undoText(), QStringLiteral("d"));
    QVERIFY(m_history->undo().ok());
    QVERIFY(m_history->undo().ok());
    QVERIFY(!m_history->canUndo());
    QCOMPARE(log, (QStringList{"undo c", "undo b", "undo d", "undo a"}));
}

void tst_UndoHistory::failedStepStaysInPlace_data()
{
    QTest::addColumn<bool>("whileRedoing");
    QTest::newRow("undo") << false;
    QTest::newRow("redo") << true;
}

void tst_UndoHistory::failedStepStaysInPlace()
{
    QFETCH(bool, whileRedoing);
    QStringList log;
    bool failing = false;
    m_history->push(std::make_unique<ScriptedStep>("a", &log));
    m_history->push(std::make_unique<ScriptedStep>("b", &log, &failing));
    if (whileRedoing)
        QVERIFY(m_history->undo().ok());
    QSignalSpy changed(m_history.get(), &UndoHistory::changed);
    failing = true;

    const Result<void> result = whileRedoing ? m_history->redo() : m_history->undo();
    QVERIFY(!result.ok());
    QCOMPARE(result.error(), QStringLiteral("disk full"));
    QCOMPARE(changed.count(), 1);   // so a menu can show the state again
    QCOMPARE(m_history->undoText(), whileRedoing ? QStringLiteral("a") : QStringLiteral("b"));
    QCOMPARE(m_history->redoText(), whileRedoing ? QStringLiteral("b") : QString());

    failing = false;
    QVERIFY(whileRedoing ? m_history->redo().ok() : m_history->undo().ok());
    QCOMPARE(log.last(), whileRedoing ? QStringLiteral("redo b") : QStringLiteral("undo b"));
}

void tst_UndoHistory::failedUndoOfRealStepKeepsIt()
{
    const QString account = m_fixture->addAccount("Checking");
    const QString savings = m_fixture->addAccount("Savings");
    TransactionDraft draft;
    draft.accountId = account;
    draft.date = QDate(2024, 4, 1);
    draft.amount = -800;
    draft.transferAccountId = savings;
    tick();
    const Result<Transaction> created = m_fixture->transactionService()->create(draft);
    QVERIFY(created.ok());
    tick();
    QVERIFY(m_fixture->refuse("BEFORE UPDATE ON transactions", QStringLiteral("NEW.account_id = '%1'").arg(savings)));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^TransactionRepository::softDelete failed: .*refused"));
    const ServiceFixture::State before = m_fixture->state();

    const Result<void> undone = m_history->undo();
    QVERIFY(!undone.ok());
    QCOMPARE(undone.error(), QStringLiteral("The change could not be undone"));
    const QString changed = ServiceFixture::differences(before, m_fixture->state());
    QVERIFY2(changed.isEmpty(), qPrintable(changed));
    QCOMPARE(m_history->undoText(), QStringLiteral("New Transaction"));

    m_fixture->dropRefusals();
    QVERIFY(m_history->undo().ok());
    QVERIFY(!m_fixture->isLive("transactions", created->id));
    QVERIFY(!m_fixture->isLive("transactions", created->transferLinkId));
}

void tst_UndoHistory::limitKeepsNewest()
{
    QStringList log;
    const int pushed = int(UndoHistory::Limit) + 3;
    for (int i = 0; i < pushed; ++i)
        m_history->push(std::make_unique<ScriptedStep>(QString::number(i), &log));
    int undone = 0;
    while (m_history->canUndo()) {
        QCOMPARE(m_history->undoText(), QString::number(pushed - 1 - undone));
        QVERIFY(m_history->undo().ok());
        ++undone;
    }
    QCOMPARE(undone, int(UndoHistory::Limit));
    QCOMPARE(log.last(), QStringLiteral("undo 3"));
    QCOMPARE(m_history->redoText(), QStringLiteral("3"));
}

void tst_UndoHistory::replayRecordsNothing()
{
    const QString account = m_fixture->addAccount("Checking");
    const Transaction row = m_fixture->addTransaction(account, -100);
    QVERIFY(m_fixture->transactionService()->setCleared(row.id, true).ok());
    QVERIFY(m_fixture->transactionService()->remove(row.id).ok());
    QSignalSpy changed(m_history.get(), &UndoHistory::changed);

    QVERIFY(m_history->undo().ok());
    QVERIFY(m_history->undo().ok());
    // Each undo wrote through the service, which pushed nothing of its own.
    QCOMPARE(changed.count(), 2);
    QCOMPARE(m_history->redoText(), QStringLiteral("Mark Cleared"));
    QVERIFY(m_history->redo().ok());
    QCOMPARE(m_history->redoText(), QStringLiteral("Delete Transaction"));
    QVERIFY(!m_fixture->transaction(row.id)->deletedAt);
    QVERIFY(m_fixture->transaction(row.id)->cleared);

    // A step that pushes while it runs adds nothing either.
    QStringList log;
    class PushingStep : public ScriptedStep
    {
    public:
        PushingStep(UndoHistory *history, QStringList *log)
            : ScriptedStep(QStringLiteral("pushing"), log)
            , m_history(history)
            , m_notes(log)
        {
        }
        Result<void> undo() override
        {
            m_notes->append(m_history->isReplaying() ? "replaying" : "not replaying");
            m_history->push(std::make_unique<ScriptedStep>(QStringLiteral("inner"), m_notes));
            return ScriptedStep::undo();
        }

    private:
        UndoHistory *m_history;
        QStringList *m_notes;
    };
    m_history->push(std::make_unique<PushingStep>(m_history.get(), &log));
    QVERIFY(m_history->undo().ok());
    QCOMPARE(log, (QStringList{"replaying", "undo pushing"}));
    QCOMPARE(m_history->redoText(), QStringLiteral("pushing"));
    QVERIFY(m_history->undo().ok());   // back to the first Mark Cleared step, not "inner"
    QVERIFY(!m_fixture->transaction(row.id)->cleared);
    QVERIFY(!m_history->canUndo());
}

void tst_UndoHistory::clearForgetsEverything()
{
    QStringList log;
    m_history->push(std::make_unique<ScriptedStep>("a", &log));
    m_history->push(std::make_unique<ScriptedStep>("b", &log));
    QVERIFY(m_history->undo().ok());
    QSignalSpy changed(m_history.get(), &UndoHistory::changed);
    m_history->clear();
    QCOMPARE(changed.count(), 1);
    QVERIFY(!m_history->canUndo());
    QVERIFY(!m_history->canRedo());
}

// Property test ------------------------------------------------------------

void tst_UndoHistory::buildStartingData()
{
    ServiceFixture &f = *m_fixture;
    const QString checking = f.addAccount("Checking", Currency::USD, 10000);
    const QString savings = f.addAccount("Savings");
    const QString card = f.addAccount("Card", Currency::USD, -5000);
    const QString yen = f.addAccount("Yen", Currency::JPY, 300000);
    m_liveCategories = {f.addCategory("Food"), f.addCategory("Rent"), f.addCategory("Salary"), f.addCategory("Fun")};
    m_deletedCategory = f.addCategory("Old");
    QVERIFY(f.categories()->softDelete(m_deletedCategory));

    f.addTransaction(checking, -1999, "Grocer");
    f.addTransaction(checking, 250000, "Employer");
    f.addTransaction(card, -4500, "Cinema");
    f.addTransaction(yen, -12000, "Ramen");
    f.addTransfer(checking, savings, -50000);
    f.addTransfer(card, checking, 20000);
    f.addSplit(checking, {{m_liveCategories.at(0), -3000}, {m_liveCategories.at(3), -1500}});
    f.addSplit(savings, {{m_liveCategories.at(2), 9000}});
    QVERIFY(f.transactions()->softDelete(f.addTransaction(checking, -77, "Deleted before").id));
    f.addRecurring(checking);
    f.addReconciliation(savings);

    // An account deleted before, with what went along with it.
    const QString closed = f.addAccount("Closed");
    f.addTransaction(closed, 1000, "Old deposit");
    f.addRecurring(closed);
    QVERIFY(f.accountService()->remove(closed).ok());
    m_history->clear();
}

QStringList tst_UndoHistory::ids(const QString &sql) const
{
    QStringList result;
    QSqlQuery query(m_fixture->db().database()->connection());
    if (!query.exec(sql))
        qFatal("tst_UndoHistory: id query failed");
    while (query.next())
        result.append(query.value(0).toString());
    return result;
}

StoredState tst_UndoHistory::readState() const
{
    static const QStringList tables{"accounts", "categories", "transactions", "split_lines", "recurring_transactions",
                                    "reconciliations"};
    static const QStringList stampColumns{"version", "updated_at", "sync_status", "deleted_at"};
    StoredState state;
    QSqlQuery query(m_fixture->db().database()->connection());
    for (const QString &table : tables) {
        if (!query.exec(QStringLiteral("SELECT * FROM %1").arg(table)))
            qFatal("tst_UndoHistory: cannot read a table");
        const QSqlRecord record = query.record();
        const int id = record.indexOf("id");
        const int deletedAt = record.indexOf("deleted_at");
        const int owner = record.indexOf("transaction_id");
        const int accountId = record.indexOf("account_id");
        const int amount = record.indexOf("amount");
        QList<bool> isStamp;
        for (int i = 0; i < record.count(); ++i)
            // Split lines carry no stamps; they come back exactly as they were.
            isStamp.append(table != "split_lines" && stampColumns.contains(record.fieldName(i)));
        QHash<QString, StoredRow> &rows = state.rows[table];
        while (query.next()) {
            StoredRow row;
            row.live = deletedAt < 0 || query.isNull(deletedAt);
            row.owner = owner < 0 ? QString() : query.value(owner).toString();
            row.values.reserve(256);
            // Values in column order, NULL told apart from empty text.
            for (int i = 0; i < record.count(); ++i) {
                QString &into = isStamp.at(i) ? row.stamps : row.values;
                if (query.isNull(i))
                    into += QLatin1String("NULL");
                else
                    into += query.value(i).toString();
                into += QLatin1Char('|');
            }
            const QString key = query.value(id).toString();
            if (table == "transactions") {
                state.transactions.insert(
                    key, {query.value(accountId).toString(), query.value(record.indexOf("transfer_link_id")).toString(),
                          query.value(record.indexOf("transfer_dest_account_id")).toString(),
                          query.value(record.indexOf("date")).toString(), query.value(amount).toLongLong(), row.live,
                          query.value(record.indexOf("is_split")).toBool()});
            } else if (table == "accounts") {
                state.accounts.insert(key, {row.live, query.value(record.indexOf("starting_balance")).toLongLong()});
            } else if (table == "split_lines") {
                QPair<int, qint64> &lines = state.lines[row.owner];
                ++lines.first;
                lines.second += query.value(amount).toLongLong();
            }
            rows.insert(key, row);
        }
    }
    return state;
}

// Empty when both hold the same rows with the same values and stamps.
QString tst_UndoHistory::exactDifferences(const StoredRows &expected, const StoredRows &actual)
{
    QStringList problems;
    for (auto table = expected.cbegin(); table != expected.cend(); ++table) {
        const QHash<QString, StoredRow> other = actual.value(table.key());
        if (other.size() != table->size())
            problems.append(QStringLiteral("%1: %2 rows, expected %3").arg(table.key()).arg(other.size()).arg(table->size()));
        for (auto row = table->cbegin(); row != table->cend(); ++row) {
            const StoredRow found = other.value(row.key());
            if (found.values != row->values || found.stamps != row->stamps)
                problems.append(QStringLiteral("%1 %2\n  expected: %3%4\n  actual:   %5%6")
                                    .arg(table.key(), row.key(), row->values, row->stamps, found.values, found.stamps));
        }
    }
    if (problems.size() > 4)
        problems.resize(4);
    return problems.join('\n');
}

// Empty when `current` holds the checkpoint's rows unchanged but for stamps,
// and every row the checkpoint did not have is not live.
QString tst_UndoHistory::mismatch(const StoredRows &checkpoint, const StoredRows &current)
{
    QStringList problems;
    const QHash<QString, StoredRow> &knownTransactions = checkpoint.value("transactions");
    for (auto table = current.cbegin(); table != current.cend(); ++table) {
        const QHash<QString, StoredRow> expected = checkpoint.value(table.key());
        for (auto row = expected.cbegin(); row != expected.cend(); ++row) {
            const auto found = table->constFind(row.key());
            if (found == table->cend())
                problems.append(QStringLiteral("%1 %2 missing").arg(table.key(), row.key()));
            else if (found->live != row->live || found->values != row->values)
                problems.append(QStringLiteral("%1 %2\n  expected: live=%3 %4\n  actual:   live=%5 %6")
                                    .arg(table.key(), row.key())
                                    .arg(row->live)
                                    .arg(row->values)
                                    .arg(found->live)
                                    .arg(found->values));
        }
        for (auto row = table->cbegin(); row != table->cend(); ++row) {
            if (expected.contains(row.key()))
                continue;
            if (table.key() == "split_lines" ? knownTransactions.contains(row->owner) : row->live)
                problems.append(QStringLiteral("%1 %2 should not be there: %3").arg(table.key(), row.key(), row->values));
        }
    }
    if (problems.size() > 4)
        problems.resize(4);
    return problems.join('\n');
}

// The rules every state keeps: the balances, both halves of every transfer
// and the sums of split rows.
QString tst_UndoHistory::invariantProblems(const StoredState &state) const
{
    QStringList problems;
    QHash<QString, qint64> liveSums;
    for (const TransactionFacts &t : state.transactions) {
        if (t.live)
            liveSums[t.accountId] += t.amount;
    }
    const QHash<QString, qint64> balances = m_fixture->accounts()->balances();
    for (auto account = state.accounts.cbegin(); account != state.accounts.cend(); ++account) {
        const auto &[live, starting] = account.value();
        if (live != balances.contains(account.key()))
            problems.append(QStringLiteral("balances() and the live accounts differ at %1").arg(account.key()));
        if (live && liveSums.value(account.key()) != balances.value(account.key()) - starting)
            problems.append(QStringLiteral("account %1: live amounts add up to %2, balances() says %3 over %4")
                                .arg(account.key())
                                .arg(liveSums.value(account.key()))
                                .arg(balances.value(account.key()))
                                .arg(starting));
    }
    const auto liveAccount = [&state](const QString &id) { return state.accounts.value(id).first; };
    for (auto it = state.transactions.cbegin(); it != state.transactions.cend(); ++it) {
        const TransactionFacts &t = it.value();
        if (!t.live)
            continue;
        if (!liveAccount(t.accountId))
            problems.append(QStringLiteral("live transaction %1 in a deleted account").arg(it.key()));
        if (!t.link.isEmpty()) {
            const auto partner = state.transactions.constFind(t.link);
            if (partner == state.transactions.cend())
                problems.append(QStringLiteral("transfer %1 links to nothing").arg(it.key()));
            else if (partner->link != it.key() || partner->accountId != t.destination
                     || partner->destination != t.accountId || partner->amount != -t.amount || partner->date != t.date)
                problems.append(QStringLiteral("transfer %1 (%2 on %3) and its other half (%4 on %5) disagree")
                                    .arg(it.key())
                                    .arg(t.amount)
                                    .arg(t.date)
                                    .arg(partner->amount)
                                    .arg(partner->date));
            else if (!partner->live && liveAccount(partner->accountId))
                problems.append(QStringLiteral("transfer %1 has lost its other half").arg(it.key()));
        } else if (!t.destination.isEmpty()) {
            problems.append(QStringLiteral("transaction %1 names a transfer account without a link").arg(it.key()));
        }
        const QPair<int, qint64> lines = state.lines.value(it.key());
        if (t.split && (lines.first == 0 || lines.second != t.amount))
            problems.append(
                QStringLiteral("split %1: amount %2, lines add up to %3").arg(it.key()).arg(t.amount).arg(lines.second));
        if (!t.split && lines.first > 0)
            problems.append(QStringLiteral("plain transaction %1 has split lines").arg(it.key()));
    }
    if (problems.size() > 4)
        problems.resize(4);
    return problems.join('\n');
}

QString tst_UndoHistory::pick(QRandomGenerator &rng, const QStringList &from)
{
    return from.at(int(rng.bounded(quint32(from.size()))));
}

qint64 tst_UndoHistory::randomAmount(QRandomGenerator &rng)
{
    const qint64 magnitude = rng.bounded(1, 200000);
    return rng.bounded(3) == 0 ? magnitude : -magnitude;
}

QDate tst_UndoHistory::randomDate(QRandomGenerator &rng)
{
    return QDate(2024, 1, 1).addDays(rng.bounded(300));
}

QString tst_UndoHistory::randomCategory(QRandomGenerator &rng, bool &valid) const
{
    const int roll = rng.bounded(20);
    if (roll == 0) {
        valid = false;
        return m_deletedCategory;
    }
    return roll < 5 ? QString() : pick(rng, m_liveCategories);
}

QList<SplitLine> tst_UndoHistory::randomLines(QRandomGenerator &rng, bool &valid) const
{
    QList<SplitLine> lines;
    const int count = rng.bounded(4);
    for (int i = 0; i < count; ++i) {
        SplitLine line;
        line.amount = randomAmount(rng);
        line.memo = QStringLiteral("part %1").arg(i);
        if (rng.bounded(25) == 0)
            valid = false;   // no category
        else
            line.categoryId = pick(rng, m_liveCategories);
        lines.append(line);
    }
    return lines;
}

bool tst_UndoHistory::hasSplitPartner(const Transaction &t) const
{
    if (t.transferLinkId.isEmpty())
        return false;
    const std::optional<Transaction> partner = m_fixture->transaction(t.transferLinkId);
    return partner && !partner->deletedAt && partner->isSplit;
}

bool tst_UndoHistory::isOrphan(const Transaction &t) const
{
    if (t.transferLinkId.isEmpty())
        return false;
    const std::optional<Transaction> partner = m_fixture->transaction(t.transferLinkId);
    return !partner || partner->deletedAt;
}

void tst_UndoHistory::createPlain(QRandomGenerator &rng, Attempt &attempt)
{
    bool valid = true;
    TransactionDraft draft;
    if (rng.bounded(12) == 0) {
        draft.accountId = pick(rng, ids("SELECT id FROM accounts WHERE deleted_at IS NOT NULL ORDER BY rowid"));
        valid = false;
    } else {
        draft.accountId = pick(rng, ids("SELECT id FROM accounts WHERE deleted_at IS NULL ORDER BY rowid"));
    }
    draft.date = randomDate(rng);
    draft.payee = rng.bounded(20) == 0 ? QStringLiteral("  ") : QStringLiteral("Payee %1").arg(rng.bounded(30));
    valid = valid && !draft.payee.trimmed().isEmpty();
    draft.memo = QStringLiteral("memo %1").arg(rng.bounded(5));
    draft.amount = randomAmount(rng);
    draft.categoryId = randomCategory(rng, valid);
    draft.cleared = rng.bounded(2) == 1;
    const Result<Transaction> result = m_fixture->transactionService()->create(draft);
    attempt = {QStringLiteral("create %1 in %2").arg(draft.amount).arg(draft.accountId), valid,
               QStringLiteral("New Transaction"), outcome(result)};
    if (result) {
        const Transaction stored = *m_fixture->transaction(result->id);
        QCOMPARE(stored.amount, draft.amount);
        QCOMPARE(stored.payee, draft.payee.trimmed());
        QVERIFY(!stored.deletedAt);
    }
}

void tst_UndoHistory::createTransfer(QRandomGenerator &rng, Attempt &attempt)
{
    const QStringList live = ids("SELECT id FROM accounts WHERE deleted_at IS NULL ORDER BY rowid");
    const QStringList dead = ids("SELECT id FROM accounts WHERE deleted_at IS NOT NULL ORDER BY rowid");
    TransactionDraft draft;
    draft.accountId = pick(rng, live);
    draft.transferAccountId = rng.bounded(12) == 0 ? pick(rng, dead) : pick(rng, live);
    draft.date = randomDate(rng);
    draft.amount = randomAmount(rng);
    draft.cleared = rng.bounded(2) == 1;
    const bool valid = draft.accountId != draft.transferAccountId && live.contains(draft.transferAccountId)
                       && m_fixture->account(draft.accountId)->currency
                              == m_fixture->account(draft.transferAccountId)->currency;
    const Result<Transaction> result = m_fixture->transactionService()->create(draft);
    attempt = {QStringLiteral("transfer %1 from %2 to %3").arg(draft.amount).arg(draft.accountId, draft.transferAccountId),
               valid, QStringLiteral("New Transaction"), outcome(result)};
    if (result)
        QVERIFY(m_fixture->isLive("transactions", result->transferLinkId));
}

void tst_UndoHistory::editRow(QRandomGenerator &rng, Attempt &attempt)
{
    const Transaction t = *m_fixture->transaction(
        pick(rng, ids("SELECT id FROM transactions WHERE deleted_at IS NULL ORDER BY rowid")));
    TransactionDraft draft = TransactionDraft::fromTransaction(t);
    bool valid = true;
    if (rng.bounded(2))
        draft.memo = QStringLiteral("edited %1").arg(rng.bounded(100));
    if (rng.bounded(3) == 0)
        draft.date = randomDate(rng);
    if (rng.bounded(3) == 0)
        draft.cleared = !draft.cleared;
    // A split row's amount belongs to its lines, as in the split editor.
    if (!t.isSplit && rng.bounded(2))
        draft.amount = randomAmount(rng);
    if (t.transferLinkId.isEmpty() && rng.bounded(3) == 0) {
        draft.payee = QStringLiteral("Payee %1").arg(rng.bounded(30));
        if (!t.isSplit)
            draft.categoryId = randomCategory(rng, valid);
    }
    if (t.isSplit && rng.bounded(3) == 0)
        draft.splitLines = randomLines(rng, valid);
    qint64 amount = draft.amount;
    if (draft.splitLines && !draft.splitLines->isEmpty()) {
        amount = 0;
        for (const SplitLine &l : *draft.splitLines)
            amount += l.amount;
    }
    // The other half of an orphaned transfer comes back with its account;
    // what it mirrors cannot change meanwhile.
    if (isOrphan(t) && (amount != t.amount || draft.date != t.date))
        valid = false;
    if (hasSplitPartner(t) && amount != t.amount)
        valid = false;
    const Result<Transaction> result = m_fixture->transactionService()->edit(t.id, draft);
    attempt = {QStringLiteral("edit %1 to %2 on %3%4")
                   .arg(t.id)
                   .arg(amount)
                   .arg(draft.date.toString(Qt::ISODate),
                        draft.splitLines ? QStringLiteral(" with lines") : QString()),
               valid, QStringLiteral("Edit Transaction"), outcome(result)};
    if (result) {
        const Transaction stored = *m_fixture->transaction(t.id);
        QCOMPARE(stored.amount, amount);
        QCOMPARE(stored.memo, draft.memo);
        QCOMPARE(stored.date, draft.date);
        QCOMPARE(stored.cleared, draft.cleared);
    }
}

void tst_UndoHistory::retarget(QRandomGenerator &rng, Attempt &attempt)
{
    const Transaction t = *m_fixture->transaction(
        pick(rng, ids("SELECT id FROM transactions WHERE deleted_at IS NULL ORDER BY rowid")));
    TransactionDraft draft = TransactionDraft::fromTransaction(t);
    bool valid = true;
    if (!t.transferLinkId.isEmpty() && rng.bounded(4) == 0) {
        draft.transferAccountId.clear();
        draft.payee = QStringLiteral("Kept");
    } else {
        const QStringList live = ids("SELECT id FROM accounts WHERE deleted_at IS NULL ORDER BY rowid");
        QStringList dead = ids("SELECT id FROM accounts WHERE deleted_at IS NOT NULL ORDER BY rowid");
        dead.removeAll(t.transferDestAccountId);
        draft.transferAccountId = rng.bounded(10) == 0 && !dead.isEmpty() ? pick(rng, dead) : pick(rng, live);
        valid = draft.transferAccountId != t.accountId && live.contains(draft.transferAccountId)
                && m_fixture->account(t.accountId)->currency
                       == m_fixture->account(draft.transferAccountId)->currency;
    }
    const Result<Transaction> result = m_fixture->transactionService()->edit(t.id, draft);
    attempt = {QStringLiteral("retarget %1 from '%2' to '%3'").arg(t.id, t.transferDestAccountId, draft.transferAccountId),
               valid, QStringLiteral("Edit Transaction"), outcome(result)};
    if (result) {
        const Transaction stored = *m_fixture->transaction(t.id);
        QCOMPARE(stored.transferDestAccountId, draft.transferAccountId);
        if (!draft.transferAccountId.isEmpty())
            QCOMPARE(m_fixture->transaction(stored.transferLinkId)->accountId, draft.transferAccountId);
    }
}

void tst_UndoHistory::removeRow(QRandomGenerator &rng, Attempt &attempt)
{
    const QString id = pick(rng, ids("SELECT id FROM transactions WHERE deleted_at IS NULL ORDER BY rowid"));
    const Result<void> result = m_fixture->transactionService()->remove(id);
    attempt = {QStringLiteral("remove %1").arg(id), true, QStringLiteral("Delete Transaction"), result};
    if (result)
        QVERIFY(!m_fixture->isLive("transactions", id));
}

void tst_UndoHistory::toggleCleared(QRandomGenerator &rng, Attempt &attempt)
{
    const QString id = pick(rng, ids("SELECT id FROM transactions WHERE deleted_at IS NULL ORDER BY rowid"));
    const bool cleared = rng.bounded(2) == 1;
    const Result<Transaction> result = m_fixture->transactionService()->setCleared(id, cleared);
    attempt = {QStringLiteral("setCleared %1 %2").arg(id).arg(cleared), true,
               cleared ? QStringLiteral("Mark Cleared") : QStringLiteral("Mark Uncleared"), outcome(result)};
    if (result)
        QCOMPARE(m_fixture->transaction(id)->cleared, cleared);
}

void tst_UndoHistory::replaceLines(QRandomGenerator &rng, Attempt &attempt)
{
    const Transaction t = *m_fixture->transaction(
        pick(rng, ids("SELECT id FROM transactions WHERE deleted_at IS NULL ORDER BY rowid")));
    bool valid = true;
    const QList<SplitLine> lines = randomLines(rng, valid);
    qint64 amount = t.amount;
    if (!lines.isEmpty()) {
        amount = 0;
        for (const SplitLine &l : lines)
            amount += l.amount;
    }
    if ((isOrphan(t) || hasSplitPartner(t)) && amount != t.amount)
        valid = false;
    const Result<Transaction> result = m_fixture->transactionService()->replaceSplitLines(t.id, lines);
    attempt = {QStringLiteral("replace lines of %1 with %2 lines adding up to %3").arg(t.id).arg(lines.size()).arg(amount),
               valid, QStringLiteral("Edit Splits"), outcome(result)};
    if (result)
        QCOMPARE(m_fixture->splitLines()->findByTransaction(t.id).size(), lines.size());
}

void tst_UndoHistory::createAccount(QRandomGenerator &rng, Attempt &attempt)
{
    Account account;
    account.name = rng.bounded(20) == 0 ? QStringLiteral(" ") : QStringLiteral("Account %1").arg(++m_names);
    account.currency = rng.bounded(6) == 0 ? Currency::JPY : Currency::USD;
    const qint64 opening = rng.bounded(2) ? randomAmount(rng) : 0;
    const Result<Account> result = m_fixture->accountService()->create(account, opening, randomDate(rng));
    attempt = {QStringLiteral("create account '%1' opening %2").arg(account.name).arg(opening),
               !account.name.trimmed().isEmpty(), QStringLiteral("New Account"), outcome(result)};
    if (result)
        QCOMPARE(m_fixture->accounts()->balances().value(result->id), opening);
}

void tst_UndoHistory::editAccount(QRandomGenerator &rng, Attempt &attempt)
{
    Account account =
        *m_fixture->account(pick(rng, ids("SELECT id FROM accounts WHERE deleted_at IS NULL ORDER BY rowid")));
    account.name = rng.bounded(20) == 0 ? QString() : QStringLiteral("Renamed %1").arg(++m_names);
    if (rng.bounded(2))
        account.startingBalance = randomAmount(rng);
    account.institution = QStringLiteral("Bank %1").arg(rng.bounded(5));
    const Result<Account> result = m_fixture->accountService()->edit(account);
    attempt = {QStringLiteral("edit account %1").arg(account.id), !account.name.isEmpty(),
               QStringLiteral("Edit Account"), outcome(result)};
    if (result)
        QCOMPARE(m_fixture->account(account.id)->name, account.name);
}

void tst_UndoHistory::removeAccount(QRandomGenerator &rng, Attempt &attempt)
{
    const QString id = pick(rng, ids("SELECT id FROM accounts WHERE deleted_at IS NULL ORDER BY rowid"));
    const Result<void> result = m_fixture->accountService()->remove(id);
    attempt = {QStringLiteral("remove account %1").arg(id), true, QStringLiteral("Delete Account"), result};
    if (result)
        QVERIFY(!m_fixture->isLive("accounts", id));
}

void tst_UndoHistory::hostile(QRandomGenerator &rng, Attempt &attempt)
{
    QStringList gone = ids("SELECT id FROM transactions WHERE deleted_at IS NOT NULL ORDER BY rowid");
    gone.append(newUuid());
    const QString id = pick(rng, gone);
    TransactionService *service = m_fixture->transactionService();
    Result<void> result;
    switch (rng.bounded(5)) {
    case 0:
        result = service->remove(id);
        break;
    case 1:
        result = outcome(service->setCleared(id, true));
        break;
    case 2:
        result = outcome(service->replaceSplitLines(id, {}));
        break;
    case 3: {
        TransactionDraft draft;
        if (const std::optional<Transaction> t = m_fixture->transaction(id))
            draft = TransactionDraft::fromTransaction(*t);
        result = outcome(service->edit(id, draft));
        break;
    }
    default:
        result = m_fixture->accountService()->remove(
            pick(rng, ids("SELECT id FROM accounts WHERE deleted_at IS NOT NULL ORDER BY rowid")));
        break;
    }
    attempt = {QStringLiteral("operate on the gone row %1").arg(id), false, QString(), result};
}

void tst_UndoHistory::randomStep(QRandomGenerator &rng, Attempt &attempt)
{
    const qsizetype liveAccounts = ids("SELECT id FROM accounts WHERE deleted_at IS NULL").size();
    const bool anyRow = !ids("SELECT id FROM transactions WHERE deleted_at IS NULL LIMIT 1").isEmpty();
    const int roll = rng.bounded(100);
    if (liveAccounts < 2 || (roll >= 91 && roll < 94 && liveAccounts <= 2))
        createAccount(rng, attempt);
    else if (roll < 18 || (!anyRow && roll >= 30 && roll < 79))
        createPlain(rng, attempt);
    else if (roll < 30)
        createTransfer(rng, attempt);
    else if (roll < 45)
        editRow(rng, attempt);
    else if (roll < 53)
        retarget(rng, attempt);
    else if (roll < 61)
        removeRow(rng, attempt);
    else if (roll < 69)
        toggleCleared(rng, attempt);
    else if (roll < 79)
        replaceLines(rng, attempt);
    else if (roll < 85)
        createAccount(rng, attempt);
    else if (roll < 91)
        editAccount(rng, attempt);
    else if (roll < 94)
        removeAccount(rng, attempt);
    else
        hostile(rng, attempt);
}

void tst_UndoHistory::randomOperationsUndoAndRedo_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("steps");
    QTest::addColumn<bool>("clockTicks");
    // The short run stays within the history's limit, so undo reaches the start.
    QTest::newRow("seed1/withinLimit") << quint32(1) << 90 << true;
    QTest::newRow("seed7") << quint32(7) << 200 << true;
    QTest::newRow("seed42") << quint32(42) << 200 << true;
    QTest::newRow("seed900001") << quint32(900001) << 200 << true;
    // Everything within one second, as a person pressing undo and redo quickly.
    QTest::newRow("seed2024/sameSecond") << quint32(2024) << 200 << false;
}

void tst_UndoHistory::randomOperationsUndoAndRedo()
{
    QFETCH(quint32, seed);
    QFETCH(int, steps);
    QFETCH(bool, clockTicks);
    const auto advance = [this, clockTicks] {
        if (clockTicks)
            tick();
    };
    buildStartingData();
    if (QTest::currentTestFailed())
        return;
    QRandomGenerator rng(seed);
    QSignalSpy historyChanged(m_history.get(), &UndoHistory::changed);
    // Stripped states before and after each step the history can still undo, oldest first.
    QList<StoredRows> before;
    QList<StoredRows> after;
    QStringList done;
    StoredState state = readState();
    const StoredRows initial = state.rows;
    const auto context = [&](const QString &where, const QString &what) {
        return QStringLiteral("seed %1, %2: %3\n  earlier: %4")
            .arg(seed)
            .arg(where, what, done.mid(qMax(0, done.size() - 4)).join(QLatin1String("; ")));
    };
    // Reads the state after a step and checks the rules every state keeps.
    const auto settle = [&](const QString &where, const QString &what) {
        state = readState();
        const QString problems = invariantProblems(state);
        QVERIFY2(problems.isEmpty(), qPrintable(context(where, what + "\n" + problems)));
    };

    for (int step = 0; step < steps; ++step) {
        const QString where = QStringLiteral("step %1").arg(step);
        advance();
        historyChanged.clear();
        Attempt attempt;
        randomStep(rng, attempt);
        if (QTest::currentTestFailed()) {
            qWarning("%s", qPrintable(context(where, attempt.description)));
            return;
        }
        QVERIFY2(attempt.result.ok() == attempt.expectOk,
                 qPrintable(context(where, attempt.description + " -> " + attempt.result.error())));
        if (attempt.result.ok()) {
            QCOMPARE(historyChanged.count(), 1);
            QVERIFY2(m_history->undoText() == attempt.undoText, qPrintable(context(where, m_history->undoText())));
            before.append(state.rows);
            settle(where, attempt.description);
            after.append(state.rows);
            if (before.size() > int(UndoHistory::Limit)) {
                before.removeFirst();
                after.removeFirst();
            }
        } else {
            QVERIFY(!attempt.result.error().isEmpty());
            QCOMPARE(historyChanged.count(), 0);
            const QString changed = exactDifferences(state.rows, readState().rows);
            QVERIFY2(changed.isEmpty(), qPrintable(context(where, attempt.description + "\n" + changed)));
        }
        if (QTest::currentTestFailed())
            return;
        done.append(attempt.description);
    }
    QVERIFY(!before.isEmpty());
    const StoredRows finalState = state.rows;

    for (qsizetype i = before.size() - 1; i >= 0; --i) {
        advance();
        const QString where = QStringLiteral("undo %1 from the end").arg(before.size() - i);
        const QString text = m_history->undoText();
        const Result<void> undone = m_history->undo();
        QVERIFY2(undone.ok(), qPrintable(context(where, text + " -> " + undone.error())));
        settle(where, text);
        if (QTest::currentTestFailed())
            return;
        const QString different = mismatch(before.at(i), state.rows);
        QVERIFY2(different.isEmpty(), qPrintable(context(where, text + "\n" + different)));
    }
    QVERIFY(!m_history->canUndo());
    if (before.size() < int(UndoHistory::Limit)) {
        const QString different = mismatch(initial, state.rows);
        QVERIFY2(different.isEmpty(), qPrintable(different));
    }

    for (qsizetype i = 0; i < after.size(); ++i) {
        advance();
        const QString where = QStringLiteral("redo %1 from the start").arg(i + 1);
        const QString text = m_history->redoText();
        const Result<void> redone = m_history->redo();
        QVERIFY2(redone.ok(), qPrintable(context(where, text + " -> " + redone.error())));
        settle(where, text);
        if (QTest::currentTestFailed())
            return;
        const QString different = mismatch(after.at(i), state.rows);
        QVERIFY2(different.isEmpty(), qPrintable(context(where, text + "\n" + different)));
    }
    QVERIFY(!m_history->canRedo());
    const QString different = mismatch(finalState, state.rows);
    QVERIFY2(different.isEmpty(), qPrintable(different));
}

QTEST_GUILESS_MAIN(tst_UndoHistory)
#include "tst_undohistory.moc"
