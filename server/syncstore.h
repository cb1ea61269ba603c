#pragma once

#include "changevalidator.h"
#include "syncsql.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

class Storage;

// One stored row of a data set.
struct SyncRow
{
    QString ownerId;
    SyncEntity entity = SyncEntity::Account;
    QString clientId;
    QString serverId;
    QString accountId;
    QStringList categoryRefs;
    qint64 version = 0;
    qint64 seq = 0;
    bool deleted = false;
    QByteArray payload; // compact JSON object
};

// The synced rows of every data set, the owners' change sequences and the
// categories each account's rows refer to, on one connection. Writes belong
// inside the caller's WriteTransaction, after lockSequences() for every
// owner they number; the numbers taken are written back by
// storeSequences() before the commit. Any failing statement is remembered
// (failed()); the caller then rolls back and answers 500.
class SyncStore
{
public:
    struct Stored
    {
        QString serverId;
        qint64 version = 0;
        bool inserted = false;
    };

    SyncStore(Storage &storage, QSqlDatabase db);

    bool failed() const { return m_sql.failed(); }
    SyncSql &sql() { return m_sql; }

    // Writing.
    // Locks the owners' sequences (rows made when missing) in the order of
    // their ids, so two writers locking several owners never deadlock.
    bool lockSequences(QStringList ownerIds);
    // The next number of a locked owner; 0 when the owner was not locked.
    qint64 takeSeq(const QString &ownerId);
    bool storeSequences();
    // Inserts or replaces a row with the next number of its owner; the
    // version becomes max(stored + 1, version), a new row gets a new server id.
    std::optional<Stored> upsert(const QString &ownerId, SyncEntity entity, const QString &clientId, const QString &accountId,
                                 const QStringList &categoryRefs, bool deleted, qint64 version, const QByteArray &payload);
    // Gives a row the next number of its owner, so pulls deliver it again.
    bool restamp(const QString &ownerId, SyncEntity entity, const QString &clientId);
    // Rows of the owner whose category references include the category,
    // oldest first.
    QList<SyncRow> rowsReferring(const QString &ownerId, const QString &categoryId);
    // Notes that a row of the account refers to the category; `added` when new.
    bool addAccountRef(const QString &ownerId, const QString &accountId, const QString &categoryId, bool &added);
    QStringList accountsReferring(const QString &ownerId, const QString &categoryId);
    // Sets the account row's "is_shared" as a new change when it differs.
    bool markAccountShared(const QString &ownerId, const QString &accountId, bool shared, qint64 now);
    // The device of the session synced now.
    bool touchDevice(const QString &sessionId, qint64 now);

    // Reading.
    std::optional<SyncRow> find(const QString &ownerId, SyncEntity entity, const QString &clientId);
    // Only rows with seq > newerThan when it is 0 or more.
    QList<SyncRow> findMany(const QString &ownerId, SyncEntity entity, const QStringList &clientIds, qint64 newerThan = -1);
    qint64 lastSeq(const QString &ownerId);
    // Rows with after < seq <= upTo, oldest first, at most `limit`.
    QList<SyncRow> rowsAfter(const QString &ownerId, qint64 after, qint64 upTo, int limit);
    QList<SyncRow> accountRowsAfter(const QString &ownerId, const QString &accountId, qint64 after, qint64 upTo, int limit);
    QList<SyncRow> referencedCategoriesAfter(const QString &ownerId, const QString &accountId, qint64 after, qint64 upTo, int limit);
    bool isReferenced(const QString &ownerId, const QString &accountId, const QString &categoryId);
    // Distinct ids of live categories the user sees: their own, and those of
    // accounts shared with them that they have no category of that id for.
    qint64 visibleLiveCategoryCount(const QString &userId);

    static QString refsText(const QStringList &ids);

private:
    QList<SyncRow> readRows(const QString &sql, const QVariantList &values, const QString &ownerId);
    QVariant payloadValue(const QByteArray &payload) const;

    Storage &m_storage;
    SyncSql &m_sql;
    QHash<QString, qint64> m_sequences; // locked owner -> last number taken
    QSet<QString> m_changedSequences;
};
