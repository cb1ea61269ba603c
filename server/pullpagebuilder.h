#pragma once

#include "pullcursor.h"
#include "sharestore.h"
#include "syncstore.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

#include <optional>
#include <utility>

// One page of a pull: the changes after the cursor in the user's streams
// (their own data set first, then each account shared with them, then the
// removal of accounts no longer shared), oldest first, at most `limit` of
// them, plus every account and category those rows refer to that the
// installation has not been sent yet, so each page can be applied with
// foreign keys on. Categories come parents first.
//
// Where the user and an account's owner both have a category of one id
// (default categories have the same ids everywhere), the user's own is the
// one delivered. Removals are delivered as the rows of the account marked
// deleted; the owner's categories are left alone (they may be the user's
// own as well).
class PullPageBuilder
{
public:
    PullPageBuilder(SyncStore &store, ShareStore &shares, const QString &userId);

    // The response body; nothing when storage failed.
    std::optional<QByteArray> build(const PullCursor &cursor, int limit);

private:
    // A row's identity on the page: owner, type and client id.
    struct RowKey
    {
        QString ownerId;
        SyncEntity entity = SyncEntity::Account;
        QString clientId;

        friend bool operator==(const RowKey &a, const RowKey &b) = default;
        friend size_t qHash(const RowKey &key, size_t seed = 0) { return qHashMulti(seed, key.ownerId, int(key.entity), key.clientId); }
    };
    using OwnerAndId = std::pair<QString, QString>;

    struct Entry
    {
        SyncRow row;
        bool removal = false;
        QString streamAccount; // the shared account whose stream brought it; '' for the user's own
    };

    // Takes up to the budget from a stream's rows; returns the stream's new position.
    qint64 take(QList<SyncRow> rows, qint64 from, qint64 last, bool removal, const QString &streamAccount = {});
    void dropSharedCategoriesTheUserOwns();
    void addReferencedRows();
    QByteArray render(bool more, const PullCursor &next);
    static void appendObject(QByteArray &body, const Entry &entry);

    SyncStore &m_store;
    ShareStore &m_shares;
    QString m_userId;
    int m_budget = 0;
    bool m_more = false;
    QList<Entry> m_entries;
    QSet<RowKey> m_onPage;
    qint64 m_ownFrom = 0;
    QHash<OwnerAndId, qint64> m_accountStreamFrom; // (owner, account) -> position before this page
};
