#pragma once

#include "data/recurringtransaction.h"

#include <QList>
#include <QObject>
#include <QSqlDatabase>
#include <QString>

#include <optional>

class Database;
class QSqlQuery;

// Reads and writes the recurring_transactions table. It stores templates as
// the caller hands them over (version, status and updated_at unchanged) and
// soft-deletes them; it does not post occurrences or advance due dates,
// which is the recurring service's work.
class RecurringRepository : public QObject
{
    Q_OBJECT

public:
    explicit RecurringRepository(Database *database, QObject *parent = nullptr);

    // The connection its statements run on, for the transaction of an
    // operation that spans several repositories.
    QSqlDatabase connection() const;

    QList<RecurringTransaction> findAll() const;
    std::optional<RecurringTransaction> findById(const QString &id) const;
    // Live, active templates due on or before today's local date.
    QList<RecurringTransaction> findDue() const;
    QList<RecurringTransaction> findDue(const QDate &today) const;
    QList<RecurringTransaction> findPendingSync() const;

    bool insert(const RecurringTransaction &r);
    bool update(const RecurringTransaction &r);
    bool softDelete(const QString &id);
    // The bulk writes return the number of rows changed, -1 when the
    // statement failed.
    int softDeleteByAccount(const QString &accountId);
    // Brings back the account's templates deleted at or after deletedSince.
    int restoreByAccount(const QString &accountId, const QString &deletedSince);
    int markAllPendingForResync();
    bool markSynced(const QString &id, const QString &serverId);

Q_SIGNALS:
    void recurringChanged();

private:
    QList<RecurringTransaction> fetchAll(QSqlQuery &query) const;
    static RecurringTransaction fromRow(const QSqlQuery &query);
    // Runs a bulk update; emits when at least one row changed.
    int execCounted(QSqlQuery &query, const char *operation);

    Database *m_database;
};
