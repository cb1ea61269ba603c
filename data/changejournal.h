#pragma once

#include "data/changeset.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSqlDatabase>
#include <QString>

#include <functional>
#include <optional>

// Collects what repositories change on one connection while a transaction
// is open and announces it once, after the outermost transaction commits:
// listeners never see a half-written group of rows, and a rollback announces
// nothing. A nested transaction that rolls back drops only what it recorded.
// A change made outside any transaction is announced at once.
//
// It is also the write guard: code that would write on a timer asks
// whenIdle() to run it, which waits until no transaction is open, so it
// never writes into another operation's unfinished work (a long import lets
// the event loop run while its transaction is open).
class ChangeJournal : public QObject
{
    Q_OBJECT

public:
    explicit ChangeJournal(const QString &connectionName, QObject *parent = nullptr);
    ~ChangeJournal() override;

    // The journal of the connection, or null when none was made for it.
    static ChangeJournal *forConnection(const QSqlDatabase &connection);

    void record(ChangeSet::Entity entity, const QString &id);
    // A transaction in the account changed (id may be empty for a bulk
    // change; an empty account stands for any account), moving the
    // account's balance by balanceDelta when that is known.
    void recordTransaction(const QString &id, const QString &accountId,
                           std::optional<qint64> balanceDelta = std::nullopt);

    // Kept by SqlTransaction: enter() when a savepoint opens, returning the
    // mark to roll back to; leave() when it is released or rolled back.
    qsizetype enter();
    void leave(qsizetype mark, bool committed);

    bool isWriting() const { return m_depth > 0; }
    // Runs `work` now when no transaction is open, otherwise from the event
    // loop once the outermost one has ended; dropped if `context` is gone.
    void whenIdle(QObject *context, std::function<void()> work);

Q_SIGNALS:
    void committed(const ChangeSet &changes);

private:
    struct Entry
    {
        ChangeSet::Entity entity;
        QString id;
        QString accountId;
        std::optional<qint64> balanceDelta;
    };

    void append(Entry entry);
    void announce();

    QString m_connectionName;
    QList<Entry> m_entries;
    int m_depth = 0;
    QList<QPair<QPointer<QObject>, std::function<void()>>> m_idleWork;
};
