#include "services/recurringservice.h"

#include "data/account.h"
#include "data/accountrepository.h"
#include "data/changejournal.h"
#include "data/clock.h"
#include "data/money.h"
#include "data/recurringrepository.h"
#include "data/rowstamp.h"
#include "data/sqlitehandle.h"
#include "data/sqltransaction.h"
#include "data/timestamps.h"
#include "data/transaction.h"
#include "data/transactionrepository.h"
#include "data/uuids.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QScopeGuard>
#include <QSqlDatabase>

#include <algorithm>

namespace {

QString dateText(const QDate &date)
{
    return date.isValid() ? date.toString(Qt::ISODate) : QStringLiteral("(invalid)");
}

} // namespace

RecurringService::RecurringService(RecurringRepository *recurring, TransactionRepository *transactions,
                                   AccountRepository *accounts, QObject *parent)
    : QObject(parent)
    , m_recurring(recurring)
    , m_transactions(transactions)
    , m_accounts(accounts)
{
}

QString RecurringService::occurrenceId(const QString &recurringId, const QDate &date, bool destinationSide)
{
    QString key = recurringId + QLatin1Char(':') + date.toString(Qt::ISODate);
    if (destinationSide)
        key += QLatin1String(":dest");
    return uuidV5(kRecurringOccurrenceNamespace, key);
}

QDate RecurringService::nextOccurrence(const QDate &date, Frequency frequency)
{
    switch (frequency) {
    case Frequency::Daily:
        return date.addDays(1);
    case Frequency::Weekly:
        return date.addDays(7);
    case Frequency::Biweekly:
        return date.addDays(14);
    case Frequency::Monthly:
        return date.addMonths(1);
    case Frequency::Quarterly:
        return date.addMonths(3);
    case Frequency::SemiAnnual:
        return date.addMonths(6);
    case Frequency::Annual:
        return date.addYears(1);
    }
    return date.addMonths(1);
}

bool RecurringService::confirm(const RecurringTransaction &recurring)
{
    std::optional<RecurringTransaction> r = findLive(recurring.id);
    if (!r)
        return false;

    const QDateTime now = Clock::now();
    if (isBrokenDate(r->nextDueDate)) {
        qWarning().noquote() << "RecurringService::confirm refusing record with broken date:" << r->id << r->payee
                             << dateText(r->nextDueDate) << "— quarantining (deactivating)";
        r->isActive = false;
        RowStamp::touch(*r);
        if (m_recurring->update(*r))
            recordStop(*r, StopReason::BrokenDate);
        return false;
    }
    if (!currenciesMatch(*r))
        return false;

    // The posting and the template's new due date commit together, so an
    // interruption can neither lose the occurrence nor post it twice.
    SqlTransaction transaction(m_recurring->connection());
    if (!transaction.isActive() || !writeOccurrence(*r, now))
        return false;
    advance(*r);
    RowStamp::touch(*r);
    if (!m_recurring->update(*r) || !transaction.commit())
        return false;
    Q_EMIT pendingCountChanged(pendingCount());
    return true;
}

bool RecurringService::skip(const RecurringTransaction &recurring)
{
    std::optional<RecurringTransaction> r = findLive(recurring.id);
    if (!r)
        return false;
    advance(*r);
    RowStamp::touch(*r);
    if (!m_recurring->update(*r))
        return false;
    Q_EMIT pendingCountChanged(pendingCount());
    return true;
}

int RecurringService::confirmAllDue()
{
    int confirmed = 0;
    const QList<RecurringTransaction> due = m_recurring->findDue(Clock::today());
    for (const RecurringTransaction &r : due) {
        if (confirm(r))
            ++confirmed;
    }
    return confirmed;
}

int RecurringService::enterDueThrough(const QDate &limit)
{
    if (m_inBatchRun || !limit.isValid())
        return 0;
    m_inBatchRun = true;
    const auto endRun = qScopeGuard([this] { m_inBatchRun = false; });

    int posted = 0;
    const QList<RecurringTransaction> templates = all();
    for (const RecurringTransaction &r : templates) {
        if (!r.isActive || isBrokenDate(r.nextDueDate))
            continue;
        const CatchUp result = catchUp(r.id, limit, false);
        posted += result.posted;
        if (result.posted > 0)
            yieldToEventLoop();
    }
    if (posted > 0)
        Q_EMIT pendingCountChanged(pendingCount());
    return posted;
}

int RecurringService::processDue()
{
    if (m_inBatchRun)
        return 0;
    // Another operation's transaction is open and lets the event loop run
    // (an import): posting now would write into it, and its rollback would
    // take the postings along. The run waits until that work has ended.
    if (ChangeJournal *journal = ChangeJournal::forConnection(m_recurring->connection());
        journal && journal->isWriting()) {
        if (!m_runWaiting) {
            m_runWaiting = true;
            journal->whenIdle(this, [this] {
                m_runWaiting = false;
                processDue();
            });
        }
        return 0;
    }
    m_inBatchRun = true;
    const auto endRun = qScopeGuard([this] { m_inBatchRun = false; });

    const QDate today = Clock::today();
    int posted = 0;
    const QList<RecurringTransaction> templates = all();
    for (const RecurringTransaction &r : templates) {
        if (!r.isActive || !r.autoPost)
            continue;
        if (isBrokenDate(r.nextDueDate)) {
            quarantine(r, QStringLiteral("broken next_due_date"), StopReason::BrokenDate);
            continue;
        }
        const QDate horizon = today.addDays(std::clamp(r.leadDays, 0, kMaxLeadDays));
        const CatchUp result = catchUp(r.id, horizon, true);
        posted += result.posted;
        // Only a template that is still behind after a full batch is treated
        // as runaway; one that needed exactly the cap is caught up and stays on.
        if (result.stillBehind) {
            if (const std::optional<RecurringTransaction> current = m_recurring->findById(r.id))
                quarantine(*current, QStringLiteral("hit catchup cap in single tick"), StopReason::CatchUpCap);
        }
        if (result.posted > 0)
            yieldToEventLoop();
    }
    if (posted > 0) {
        Q_EMIT pendingCountChanged(pendingCount());
        Q_EMIT autoPosted(posted);
    }
    return posted;
}

Result<RecurringTransaction> RecurringService::saveTemplate(RecurringTransaction recurring)
{
    const std::optional<RecurringTransaction> stored =
        recurring.id.isEmpty() ? std::nullopt : m_recurring->findById(recurring.id);
    bool written = false;
    if (stored) {
        recurring.version = stored->version;
        recurring.serverId = stored->serverId;
        RowStamp::touch(recurring);
        written = m_recurring->update(recurring);
    } else {
        if (recurring.id.isEmpty())
            recurring.id = newUuid();
        const QDateTime created = recurring.createdAt;
        RowStamp::fresh(recurring);
        if (created.isValid())
            recurring.createdAt = created;
        written = m_recurring->insert(recurring);
    }
    if (!written)
        return Result<RecurringTransaction>::failure(tr("The recurring transaction could not be saved"));
    Q_EMIT pendingCountChanged(pendingCount());
    return recurring;
}

Result<void> RecurringService::removeTemplate(const QString &id)
{
    if (!m_recurring->softDelete(id))
        return Result<void>::failure(tr("The recurring transaction could not be deleted"));
    Q_EMIT pendingCountChanged(pendingCount());
    return {};
}

int RecurringService::pendingCount() const
{
    return int(m_recurring->findDue(Clock::today()).size());
}

QList<RecurringTransaction> RecurringService::all() const
{
    return m_recurring->findAll();
}

std::optional<RecurringTransaction> RecurringService::findLive(const QString &id) const
{
    std::optional<RecurringTransaction> r = m_recurring->findById(id);
    if (r && r->deletedAt)
        return std::nullopt;
    return r;
}

bool RecurringService::currenciesMatch(const RecurringTransaction &r) const
{
    if (r.transferDestAccountId.isEmpty())
        return true;
    const std::optional<Account> source = m_accounts->findById(r.accountId);
    const std::optional<Account> destination = m_accounts->findById(r.transferDestAccountId);
    if (source && destination && source->currency != destination->currency) {
        qWarning().noquote() << "RecurringService: skipping transfer post for" << r.id
                             << "— source and destination currencies differ";
        return false;
    }
    return true;
}

bool RecurringService::writeOccurrence(const RecurringTransaction &r, const QDateTime &now)
{
    const bool isTransfer = !r.transferDestAccountId.isEmpty();

    Transaction source;
    source.id = occurrenceId(r.id, r.nextDueDate);
    source.accountId = r.accountId;
    source.date = r.nextDueDate;
    source.payee = r.payee;
    source.memo = r.memo;
    source.amount = r.amount;
    source.categoryId = r.categoryId;
    source.recurringId = r.id;
    source.createdAt = now;
    source.updatedAt = now;

    if (!isTransfer) {
        return m_transactions->insert(source);
    }

    // Both ids are known up front, so each half is stored already naming the
    // other; the pair is written in its own savepoint so a failed second half
    // takes the first with it.
    const std::optional<qint64> mirrored = checkedNegate(r.amount);
    if (!mirrored)
        return false;
    Transaction destination = source;
    destination.id = occurrenceId(r.id, r.nextDueDate, true);
    destination.accountId = r.transferDestAccountId;
    destination.amount = *mirrored;
    destination.transferLinkId = source.id;
    destination.transferDestAccountId = r.accountId;
    source.transferLinkId = destination.id;
    source.transferDestAccountId = r.transferDestAccountId;

    SqlTransaction pair(m_recurring->connection());
    return pair.isActive() && m_transactions->insert(source) && m_transactions->insert(destination)
           && pair.commit();
}

void RecurringService::advance(RecurringTransaction &r)
{
    r.nextDueDate = nextOccurrence(r.nextDueDate, r.frequency);
    // The occurrence on the end date itself is still posted.
    if (r.endDate && r.endDate->isValid() && r.nextDueDate > *r.endDate)
        r.isActive = false;
}

RecurringService::CatchUp RecurringService::catchUp(const QString &id, const QDate &horizon,
                                                    bool quarantineBrokenAdvance)
{
    CatchUp result;
    std::optional<RecurringTransaction> r = findLive(id);
    if (!r || !r->isActive || !r->nextDueDate.isValid())
        return result;
    if (isBrokenDate(r->nextDueDate)) {
        if (quarantineBrokenAdvance)
            quarantine(*r, QStringLiteral("advanced to broken date during catchup"), StopReason::BrokenDate);
        return result;
    }
    if (r->nextDueDate > horizon || !currenciesMatch(*r))
        return result;

    // One transaction per template: its postings and its final due date
    // commit together, and the register hears of them once.
    const QDateTime now = Clock::now();
    SqlTransaction transaction(m_recurring->connection());
    if (!transaction.isActive())
        return result;
    {
        QDate previous;
        while (result.posted < kMaxPostingsPerRun && r->isActive && r->nextDueDate <= horizon
               && r->nextDueDate != previous) {
            previous = r->nextDueDate;
            if (!writeOccurrence(*r, now))
                break;
            advance(*r);
            ++result.posted;
        }
        RowStamp::touch(*r);
        if (result.posted == 0 || !SqliteHandle::inTransaction() || !m_recurring->update(*r) || !transaction.commit()) {
            transaction.rollback();
            return CatchUp{};
        }
    }
    result.stillBehind = result.posted == kMaxPostingsPerRun && r->isActive && r->nextDueDate <= horizon;
    return result;
}

void RecurringService::quarantine(const RecurringTransaction &r, const QString &reason, StopReason stop)
{
    qWarning().noquote() << "Quarantining recurring" << r.id << r.payee << "— auto-deactivating. Reason:" << reason
                         << QStringLiteral("nextDueDate=") + dateText(r.nextDueDate);
    std::optional<RecurringTransaction> current = m_recurring->findById(r.id);
    if (!current)
        return;
    current->isActive = false;
    RowStamp::touch(*current);
    if (m_recurring->update(*current))
        recordStop(*current, stop);
}

void RecurringService::recordStop(const RecurringTransaction &r, StopReason reason)
{
    const Stop stop{r.id, r.payee, r.nextDueDate, reason};
    m_stops.append(stop);
    Q_EMIT templateStopped(stop);
}

void RecurringService::yieldToEventLoop()
{
    // Paints and timers only: no user input can start another command while
    // a run is half way through its list.
    if (QCoreApplication::instance())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
