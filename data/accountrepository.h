#pragma once

#include "data/account.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QSqlDatabase>
#include <QPair>
#include <QString>

#include <optional>

class Database;

// Reads and writes the accounts table. Every write that changes what the
// user sees announces accountsChanged(); the sync engine's acknowledgements
// (markSynced) do not. Accounts are only ever soft-deleted here: cascading a
// delete or restore to the account's transactions is the caller's job.
class AccountRepository : public QObject
{
    Q_OBJECT

public:
    explicit AccountRepository(Database *database, QObject *parent = nullptr);

    // The connection its statements run on, for the transaction of an
    // operation that spans several repositories.
    QSqlDatabase connection() const;

    QList<Account> findAll() const;
    std::optional<Account> findById(const QString &id) const;
    QList<Account> findDeleted() const;
    QList<Account> findPendingSync() const;
    // Live account id to its current balance: the starting balance plus every
    // live transaction, the same figure as the last running balance of its
    // register. Empty when the query fails.
    QHash<QString, qint64> balances() const;
    // One live account's balance (starting balance plus its live
    // transactions); empty when the account is gone or the read failed.
    std::optional<qint64> balance(const QString &accountId) const;

    bool insert(const Account &a);
    bool update(const Account &a);
    bool softDelete(const QString &id);
    bool restore(const QString &id);
    int markAllPendingForResync();
    bool markSynced(const QString &id, const QString &serverId);
    // Writes each pair's sort order in one transaction: all of them or none.
    bool updateSortOrders(const QList<QPair<QString, int>> &order);

Q_SIGNALS:
    void accountsChanged();

private:
    QList<Account> findList(const QString &sql) const;

    Database *m_database;
};
