#pragma once

#include "data/transaction.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <optional>

class Database;

// Reads and writes the transactions table: the plain record operations, the
// register query (rows in date order with their running balance, led by a
// synthesized opening row) and the full-text search. Writes are single
// statements, so a failure changes nothing; it is logged, reported by the
// result and never announced. It does not touch split lines or the other half
// of a transfer: callers own those.
class TransactionRepository : public QObject
{
    Q_OBJECT

public:
    explicit TransactionRepository(Database *database, QObject *parent = nullptr);

    // The connection its statements run on, for the transaction of an
    // operation that spans several repositories.
    QSqlDatabase connection() const;

    QList<Transaction> findByAccount(const QString &accountId) const;
    std::optional<Transaction> findById(const QString &id) const;
    QList<Transaction> findPendingSync() const;
    QList<Transaction> findUnreconciled(const QString &accountId) const;
    std::optional<Transaction> findLastByPayee(const QString &payee, const QString &accountId) const;
    QStringList distinctPayees() const;
    // The live transactions whose payee is exactly one of `payees`.
    struct PayeeUse
    {
        QString id;
        QString accountId;
        QString payee;
    };
    QList<PayeeUse> findByPayees(const QStringList &payees) const;

    // Opening row first when the starting balance is not 0, then the live
    // transactions oldest to newest, each with the balance after it.
    QList<RegisterRow> findRegisterRows(const QString &accountId) const;
    // The live transactions among `ids`, of any account, as register rows
    // with their category names but no running balance (0): what a register
    // needs to patch in a few changed rows. Deleted or unknown ids are left
    // out; the order is unspecified. Empty when the read failed.
    std::optional<QList<RegisterRow>> findRegisterRowsByIds(const QStringList &ids) const;
    // At most 200 live rows, newest first. Every word of `text` must match
    // the start of a word in the payee, memo or check number.
    QList<RegisterRow> search(const QString &text, const SearchFilter &filter) const;

    bool insert(const Transaction &t);
    bool update(const Transaction &t);
    bool softDelete(const QString &id);
    // Sets the payee of one live transaction, stamped as a local change.
    bool setPayee(const QString &id, const QString &accountId, const QString &payee);
    // Brings back one soft-deleted transaction (undo of a delete).
    bool restore(const QString &id);
    // The bulk writes return the number of rows changed, -1 when the
    // statement failed.
    int softDeleteByAccount(const QString &accountId);
    int restoreByAccount(const QString &accountId, const QString &deletedSince);
    int markAllPendingForResync();
    bool markSynced(const QString &id, const QString &serverId);

    // The MATCH text for what a person typed: each run of letters and digits
    // becomes one quoted prefix term, so words such as AND, NOT or NEAR and
    // stray quotes or stars are searched for, never read as query syntax.
    // Empty when the text holds no word.
    static QString fullTextQuery(const QString &text);

Q_SIGNALS:
    // The account whose register must reload, or empty for any account.
    void transactionsChanged(const QString &accountId);

private:
    Database *m_database;
    // Row count of each register's last load, to size the next one.
    mutable QHash<QString, qsizetype> m_registerSizes;
};
