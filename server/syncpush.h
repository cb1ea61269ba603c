#pragma once

#include "changevalidator.h"
#include "sharestore.h"
#include "syncaccess.h"
#include "syncstore.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QSet>
#include <QString>

#include <optional>

class Storage;

// Applies the changes of one push for one user, inside the caller's write
// transaction, and gives one result per change. Each row goes to its data
// set: the pusher's own, or the owner's for rows of an account shared with
// the pusher. A change that is malformed or not the pusher's to make gets a
// result with status "error" and stores nothing; only a storage failure
// fails the whole push (nothing then is kept).
//
// Beyond storing the row, a write keeps each data set closed under category
// references (a category the pusher sees elsewhere is copied into the data
// set that now refers to it), notes which categories the rows of each
// account use (what members of a shared account see), and when a category
// arrives after rows that refer to it, numbers those rows again so pulls
// deliver them after it.
class SyncPush
{
public:
    SyncPush(Storage &storage, SyncStore &store, ShareStore &shares, const QString &userId);

    // Locks the sequences the push may number; false when storage failed.
    bool begin();
    QJsonObject apply(const QJsonValue &change);
    bool failed() const { return m_store.failed(); }

private:
    struct RowWrite
    {
        QString ownerId;
        SyncEntity entity = SyncEntity::Account;
        QString clientId;
        QString accountId;
        QStringList categoryRefs;
        bool deleted = false;
        qint64 version = 0;
        QByteArray payload;
    };

    QJsonObject applyValid(ValidatedChange &change, QJsonObject result);
    std::optional<SyncStore::Stored> write(const RowWrite &row);
    void ensureCategory(const QString &ownerId, const QString &categoryId, int depth);
    void ensureAccountRef(const QString &ownerId, const QString &accountId, const QString &categoryId);
    bool belongsElsewhere(const QString &ownerId, SyncEntity entity, const QString &clientId);
    bool isUnchangedAccount(const SyncRow &stored, const QJsonObject &payload) const;

    static QJsonObject ok(QJsonObject result, const QString &serverId, qint64 version);
    static QJsonObject error(QJsonObject result, const QString &message);

    Storage &m_storage;
    SyncStore &m_store;
    ShareStore &m_shares;
    SyncAccess m_access;
    QString m_userId;
    QSet<QString> m_knownCategories; // "owner category" present in the owner's data set
    QSet<QString> m_knownRefs;       // "owner account category" noted this push
};
