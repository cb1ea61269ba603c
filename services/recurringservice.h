#pragma once

#include "data/recurringtransaction.h"
#include "data/result.h"

#include <QDate>
#include <QList>
#include <QObject>
#include <QString>

#include <optional>

class AccountRepository;
class RecurringRepository;
class TransactionRepository;

// Posts the occurrences of recurring templates as register transactions: on
// the user's command (confirm, skip, confirm all due, enter through a date)
// and on its own hourly run for auto-post templates, which it also
// deactivates when their dates are broken or they fell too far behind.
//
// An occurrence is written whole or not at all: its transaction, the other
// half of a transfer and the template's new due date commit together. A
// catch-up writes each template's occurrences in one database transaction and
// announces the changes once, after the commit. It keeps no state between
// calls but the list of templates it turned off (for the window to show), never
// shows a dialog, and never reactivates a template.
class RecurringService : public QObject
{
    Q_OBJECT

public:
    // Most occurrences one template may post in one catch-up.
    static constexpr int kMaxPostingsPerRun = 365;
    static constexpr int kMaxLeadDays = 60;

    // Why the service turned a template off.
    enum class StopReason {
        BrokenDate,   // its next due date is not a usable date
        CatchUpCap,   // still behind after kMaxPostingsPerRun postings in one automatic run
    };
    struct Stop
    {
        QString recurringId;
        QString payee;
        QDate nextDueDate;   // as the template was left
        StopReason reason = StopReason::BrokenDate;
    };

    RecurringService(RecurringRepository *recurring, TransactionRepository *transactions,
                     AccountRepository *accounts, QObject *parent = nullptr);

    // Posts the occurrence dated the template's next due date and advances the
    // template one step. Only the template's id is read from the argument.
    bool confirm(const RecurringTransaction &recurring);
    // Advances the template one step without posting.
    bool skip(const RecurringTransaction &recurring);
    // One confirm per template due today; returns how many succeeded.
    int confirmAllDue();
    // Posts every occurrence of every active template dated on or before
    // `limit`, auto-post or not; returns the number posted.
    int enterDueThrough(const QDate &limit);
    // The automatic run over the auto-post templates, each up to its lead
    // window; returns the number posted.
    int processDue();

    // Active live templates due on or before today, auto-post or not.
    // Stores a template the person wrote (new, or a new version of a stored
    // one) with a fresh stamp, or says why it could not.
    Result<RecurringTransaction> saveTemplate(RecurringTransaction recurring);
    Result<void> removeTemplate(const QString &id);

    int pendingCount() const;
    QList<RecurringTransaction> all() const;
    // The templates this service turned off since it was made, oldest first,
    // so a window opened later can still tell the user.
    QList<Stop> stops() const { return m_stops; }

    // The name-based id of an occurrence, the same on every installation.
    static QString occurrenceId(const QString &recurringId, const QDate &date, bool destinationSide = false);
    // The due date one occurrence step after `date`.
    static QDate nextOccurrence(const QDate &date, Frequency frequency);

Q_SIGNALS:
    void pendingCountChanged(int count);
    // processDue() posted this many occurrences (also when it ran later,
    // having waited for another operation's transaction to end).
    void autoPosted(int count);
    // A template was turned off (and that is stored); also listed in stops().
    void templateStopped(const RecurringService::Stop &stop);

private:
    struct CatchUp
    {
        int posted = 0;
        bool stillBehind = false;   // stopped at the cap with occurrences left inside the window
    };

    std::optional<RecurringTransaction> findLive(const QString &id) const;
    // Writes one occurrence of `r` (and for a transfer its other half). The
    // caller holds the database transaction; nothing is announced here.
    bool writeOccurrence(const RecurringTransaction &r, const QDateTime &now);
    bool currenciesMatch(const RecurringTransaction &r) const;
    // Moves the due date on (and ends the template after its end date); the
    // caller stamps the template once before storing it.
    static void advance(RecurringTransaction &r);
    // Posts the template's occurrences dated on or before `horizon`, at most
    // kMaxPostingsPerRun, in one database transaction.
    CatchUp catchUp(const QString &id, const QDate &horizon, bool quarantineBrokenAdvance);
    void quarantine(const RecurringTransaction &r, const QString &reason, StopReason stop);
    void recordStop(const RecurringTransaction &r, StopReason reason);
    // Lets the window repaint between templates of a long run.
    static void yieldToEventLoop();

    RecurringRepository *m_recurring;
    TransactionRepository *m_transactions;
    AccountRepository *m_accounts;
    bool m_inBatchRun = false;
    bool m_runWaiting = false;
    QList<Stop> m_stops;
};
