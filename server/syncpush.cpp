#include "syncpush.h"

#include "httpjson.h"
#include "storage.h"

#include <QJsonDocument>

namespace {

// Category parents deeper than this are not followed (a cycle, or hostile data).
constexpr int MaxCategoryDepth = 32;

QString key(const QString &a, const QString &b, const QString &c = {})
{
    return a + QLatin1Char(' ') + b + QLatin1Char(' ') + c;
}

} // namespace

SyncPush::SyncPush(Storage &storage, SyncStore &store, ShareStore &shares, const QString &userId)
    : m_storage(storage)
    , m_store(store)
    , m_shares(shares)
    , m_access(userId, store, shares)
    , m_userId(userId)
{
}

bool SyncPush::begin()
{
    return m_access.load() && m_store.lockSequences(m_access.owners());
}

QJsonObject SyncPush::ok(QJsonObject result, const QString &serverId, qint64 version)
{
    result.insert(QLatin1String("server_id"), serverId);
    result.insert(QLatin1String("status"), QLatin1String("ok"));
    result.insert(QLatin1String("version"), version);
    return result;
}

QJsonObject SyncPush::error(QJsonObject result, const QString &message)
{
    result.insert(QLatin1String("status"), QLatin1String("error"));
    result.insert(QLatin1String("message"), message);
    return result;
}

QJsonObject SyncPush::apply(const QJsonValue &change)
{
    // The result names the change as it was sent, so the installation finds
    // its row even when the change was refused.
    const QJsonObject object = change.toObject();
    QJsonObject result{{QLatin1String("entity_type"), object.value(QLatin1String("entity_type")).toString().left(64)},
                       {QLatin1String("entity_id"), object.value(QLatin1String("entity_id")).toString().left(200)}};
    ValidatedChange valid;
    QString message;
    if (!ChangeValidator::validate(change, valid, message))
        return error(result, message);
    return applyValid(valid, result);
}

QJsonObject SyncPush::applyValid(ValidatedChange &change, QJsonObject result)
{
    const bool isAccount = change.entity == SyncEntity::Account;
    QString owner = m_userId;
    SyncAccess::Account access;
    if (isAccount || !change.accountId.isEmpty()) {
        access = m_access.account(change.accountId);
        if (m_store.failed())
            return result;
        switch (access.kind) {
        case SyncAccess::Kind::Own:
            break;
        case SyncAccess::Kind::None:
            if (!isAccount)
                return error(result, QStringLiteral("The account \"%1\" is neither yours nor shared with you.").arg(change.accountId));
            break;
        case SyncAccess::Kind::FormerlyShared: {
            // The echo of an account the server withdrew: nothing is left to
            // delete for this user. Anything else is refused.
            if (!change.deleted)
                return error(result, QStringLiteral("The account \"%1\" is no longer shared with you.").arg(change.accountId));
            const auto stored = m_store.find(access.ownerId, change.entity, change.clientId);
            return ok(result, stored ? stored->serverId : QString(), stored ? stored->version : change.version);
        }
        case SyncAccess::Kind::Shared:
            owner = access.ownerId;
            break;
        }
    }

    std::optional<SyncRow> stored;
    if (owner != m_userId) {
        stored = m_store.find(owner, change.entity, change.clientId);
        // A delete no newer than the row, into an account shared again after
        // its share ended: the echo of the removal the member's installation
        // was sent then, not a decision to delete the owner's row.
        if (change.deleted && access.wasRevoked && stored && !stored->deleted && change.version <= stored->version)
            return ok(result, stored->serverId, stored->version);
        if (isAccount) {
            if (stored && !change.deleted && isUnchangedAccount(*stored, change.payload))
                return ok(result, stored->serverId, stored->version);
            return error(result, QStringLiteral("Only the owner of a shared account can change or delete it."));
        }
    }
    if (!isAccount && change.entity != SyncEntity::Category && m_access.hasLiveShares() && belongsElsewhere(owner, change.entity, change.clientId))
        return error(result, QStringLiteral("This row is kept with another owner's data: it can't move between a shared account and your own."));

    if (isAccount)
        change.payload.insert(QLatin1String("is_shared"), !m_shares.liveSharesOf(owner, change.clientId).isEmpty());
    if (change.deleted && !change.payload.contains(QLatin1String("deleted_at")))
        change.payload.insert(QLatin1String("deleted_at"), HttpJson::isoTime(Storage::now()));

    const auto written = write({owner, change.entity, change.clientId, change.accountId, change.categoryRefs, change.deleted, change.version,
                                QJsonDocument(change.payload).toJson(QJsonDocument::Compact)});
    if (!written)
        return result;
    if (isAccount && owner == m_userId)
        m_access.noteOwnAccount(change.clientId);
    return ok(result, written->serverId, written->version);
}

std::optional<SyncStore::Stored> SyncPush::write(const RowWrite &row)
{
    for (const QString &category : row.categoryRefs)
        ensureCategory(row.ownerId, category, 0);
    // Categories newly shown by an account are numbered again before the
    // row that shows them, so pulls of the account meet them first.
    switch (row.entity) {
    case SyncEntity::Transaction:
    case SyncEntity::Recurring:
        for (const QString &category : row.categoryRefs)
            ensureAccountRef(row.ownerId, row.accountId, category);
        break;
    case SyncEntity::Category:
        // Accounts showing this category show its (new) parent too.
        if (!row.categoryRefs.isEmpty()) {
            QStringList accounts = m_store.accountsReferring(row.ownerId, row.clientId);
            if (!row.accountId.isEmpty())
                accounts << row.accountId;
            for (const QString &account : std::as_const(accounts))
                ensureAccountRef(row.ownerId, account, row.categoryRefs.first());
        }
        break;
    case SyncEntity::Account:
    case SyncEntity::Reconciliation:
        break;
    }
    const auto stored = m_store.upsert(row.ownerId, row.entity, row.clientId, row.accountId, row.categoryRefs, row.deleted, row.version, row.payload);
    if (!stored)
        return std::nullopt;
    if (row.entity == SyncEntity::Category) {
        m_knownCategories.insert(key(row.ownerId, row.clientId));
        if (stored->inserted) {
            // Rows that referred to this category before it arrived were
            // delivered without it; number them again to follow it.
            for (const SyncRow &referrer : m_store.rowsReferring(row.ownerId, row.clientId)) {
                m_store.restamp(row.ownerId, referrer.entity, referrer.clientId);
                if (referrer.entity == SyncEntity::Category) {
                    for (const QString &account : m_store.accountsReferring(row.ownerId, referrer.clientId))
                        ensureAccountRef(row.ownerId, account, row.clientId);
                }
            }
        }
    }
    if (m_store.failed())
        return std::nullopt;
    return stored;
}

void SyncPush::ensureCategory(const QString &ownerId, const QString &categoryId, int depth)
{
    const QString known = key(ownerId, categoryId);
    if (depth > MaxCategoryDepth || m_knownCategories.contains(known))
        return;
    m_knownCategories.insert(known);
    if (m_store.find(ownerId, SyncEntity::Category, categoryId) || m_store.failed())
        return;
    // The data set lacks a category its row refers to. The pusher saw it
    // somewhere: in their own data set (a member's category on a row of the
    // shared account) or through a shared account (an owner's category on
    // the member's own row). Copy it, so every installation of this data
    // set can resolve the reference.
    std::optional<SyncRow> source;
    if (ownerId != m_userId) {
        source = m_store.find(m_userId, SyncEntity::Category, categoryId);
    } else if (const auto showing = m_access.ownerShowingCategory(categoryId)) {
        source = m_store.find(*showing, SyncEntity::Category, categoryId);
    }
    if (!source)
        return;
    for (const QString &parent : std::as_const(source->categoryRefs))
        ensureCategory(ownerId, parent, depth + 1);
    write({ownerId, SyncEntity::Category, categoryId, source->accountId, source->categoryRefs, source->deleted, source->version, source->payload});
}

void SyncPush::ensureAccountRef(const QString &ownerId, const QString &accountId, const QString &categoryId)
{
    QString category = categoryId;
    for (int depth = 0; depth <= MaxCategoryDepth && !category.isEmpty(); ++depth) {
        const QString known = key(ownerId, accountId, category);
        if (m_knownRefs.contains(known))
            return;
        m_knownRefs.insert(known);
        bool added = false;
        if (!m_store.addAccountRef(ownerId, accountId, category, added) || !added)
            return;
        // A category newly shown by the account takes a new number: pulls of
        // the account that pass that number have delivered it, and those
        // behind it meet it. Its parents are shown too.
        const auto row = m_store.find(ownerId, SyncEntity::Category, category);
        if (row)
            m_store.restamp(ownerId, SyncEntity::Category, category);
        category = row && !row->categoryRefs.isEmpty() ? row->categoryRefs.first() : QString();
    }
}

bool SyncPush::belongsElsewhere(const QString &ownerId, SyncEntity entity, const QString &clientId)
{
    // A row lives in one data set; moving it between the pusher's own and a
    // shared account's would leave a stale copy that installations could
    // apply after the moved one.
    for (const QString &candidate : m_access.owners()) {
        if (candidate == ownerId)
            continue;
        const auto row = m_store.find(candidate, entity, clientId);
        if (row && (candidate == m_userId || m_access.isSharedWithUser(candidate, row->accountId)))
            return true;
    }
    return false;
}

bool SyncPush::isUnchangedAccount(const SyncRow &stored, const QJsonObject &payload) const
{
    // What installations touch without a change of their own (a full
    // re-send, a new order, the shared flag) does not count.
    QJsonObject before = QJsonDocument::fromJson(stored.payload).object();
    QJsonObject after = payload;
    for (const char *volatileKey : {"created_at", "updated_at", "sort_order", "is_shared", "deleted_at"}) {
        before.remove(QLatin1String(volatileKey));
        after.remove(QLatin1String(volatileKey));
    }
    return before == after && !stored.deleted;
}
