#pragma once

#include "data/reconciliation.h"

#include <QList>
#include <QObject>
#include <QString>

#include <optional>

class Database;
class QSqlQuery;

// Reads and writes the reconciliations table, the history of completed
// statement reconciliations. Rows are never deleted one by one: they are
// soft-deleted and restored only together with their account.
class ReconciliationRepository : public QObject
{
    Q_OBJECT

public:
    explicit ReconciliationRepository(Database *database, QObject *parent = nullptr);

    // Live reconciliations of the account, newest statement first.
    QList<Reconciliation> findByAccount(const QString &accountId) const;
    std::optional<Reconciliation> findById(const QString &id) const;
    std::optional<Reconciliation> findLatest(const QString &accountId) const;
    QList<Reconciliation> findPendingSync() const;

    // Fills in the current time for an invalid createdAt or updatedAt.
    bool insert(const Reconciliation &r);
    bool update(const Reconciliation &r);
    // The bulk writes return the number of rows changed, -1 when the
    // statement failed.
    int softDeleteByAccount(const QString &accountId);
    // Brings back the account's reconciliations deleted at or after deletedSince.
    int restoreByAccount(const QString &accountId, const QString &deletedSince);
    int markAllPendingForResync();
    bool markSynced(const QString &id, const QString &serverId);

Q_SIGNALS:
    void reconciliationsChanged();

private:
    QList<Reconciliation> fetchAll(QSqlQuery &query) const;
    static Reconciliation fromRow(const QSqlQuery &query);
    // Runs a bulk update; emits when at least one row changed.
    int execCounted(QSqlQuery &query, const char *operation);

    Database *m_database;
};
