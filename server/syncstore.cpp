#include "syncstore.h"

#include "httpjson.h"
#include "sqlrow.h"
#include "storage.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QUuid>

#include <algorithm>

namespace {

// The owner is known from the query's parameters and not read back.
const QString Columns = QStringLiteral("entity_type, client_id, server_id, account_id, category_refs, version, seq, deleted, payload");

// The entity type goes into the statement text rather than being bound:
// SQLite matches a bound value against the WHERE of the partial index on
// categories, which makes it prepare the statement again whenever the
// value is bound again, that is on every run. Type names are fixed words.
QString typeCondition(SyncEntity entity)
{
    return QStringLiteral("entity_type = '") + ChangeValidator::typeName(entity) + QLatin1Char('\'');
}

// Ids hold only A-Z a-z 0-9 _ -, of which "_" is a LIKE wildcard.
QString likePatternFor(const QString &id)
{
    QString escaped = id;
    escaped.replace(QLatin1Char('_'), QLatin1String("\\_"));
    return QStringLiteral("% ") + escaped + QStringLiteral(" %");
}

} // namespace

SyncStore::SyncStore(Storage &storage, QSqlDatabase db)
    : m_storage(storage)
    , m_sql(SyncSql::forRequest(db))
{
}

QString SyncStore::refsText(const QStringList &ids)
{
    return ids.isEmpty() ? QString(QLatin1String("")) : QLatin1Char(' ') + ids.join(QLatin1Char(' ')) + QLatin1Char(' ');
}

QList<SyncRow> SyncStore::readRows(const QString &sql, const QVariantList &values, const QString &ownerId)
{
    static const QByteArray typeNames[] = {
        ChangeValidator::typeName(SyncEntity::Account).toLatin1(),   ChangeValidator::typeName(SyncEntity::Category).toLatin1(),
        ChangeValidator::typeName(SyncEntity::Recurring).toLatin1(), ChangeValidator::typeName(SyncEntity::Transaction).toLatin1(),
        ChangeValidator::typeName(SyncEntity::Reconciliation).toLatin1()};
    static constexpr SyncEntity entities[] = {SyncEntity::Account, SyncEntity::Category, SyncEntity::Recurring, SyncEntity::Transaction,
                                              SyncEntity::Reconciliation};
    QList<SyncRow> rows;
    m_sql.select(sql, values, [&](const SqlRow &record) {
        SyncRow row;
        row.ownerId = ownerId;
        const QByteArrayView type = record.bytes(0);
        for (size_t i = 0; i < std::size(entities); ++i) {
            if (type == typeNames[i]) {
                row.entity = entities[i];
                break;
            }
        }
        row.clientId = record.text(1);
        row.serverId = record.text(2);
        row.accountId = record.text(3);
        // ' id1 id2 ': split on the spaces, empty parts skipped.
        const QByteArrayView refs = record.bytes(4);
        qsizetype start = 0;
        while (start < refs.size()) {
            qsizetype end = refs.indexOf(' ', start);
            if (end < 0)
                end = refs.size();
            if (end > start)
                row.categoryRefs.append(QString::fromUtf8(refs.sliced(start, end - start)));
            start = end + 1;
        }
        row.version = record.integer(5);
        row.seq = record.integer(6);
        row.deleted = record.integer(7) != 0;
        row.payload = record.bytes(8).toByteArray();
        rows.append(std::move(row));
    });
    return rows;
}

QVariant SyncStore::payloadValue(const QByteArray &payload) const
{
    // SQLite keeps the JSON text as bytes (a blob in the TEXT column), so
    // reading it back needs no conversion; PostgreSQL's TEXT wants text.
    return m_storage.isPostgres() ? QVariant(QString::fromUtf8(payload)) : QVariant(payload);
}

bool SyncStore::lockSequences(QStringList ownerIds)
{
    std::sort(ownerIds.begin(), ownerIds.end());
    ownerIds.erase(std::unique(ownerIds.begin(), ownerIds.end()), ownerIds.end());
    const QString select = QStringLiteral("SELECT last_seq FROM change_sequences WHERE owner_id = ?") + m_storage.forUpdate();
    for (const QString &owner : std::as_const(ownerIds)) {
        if (m_sequences.contains(owner))
            continue;
        if (!m_sql.exec(QStringLiteral("INSERT INTO change_sequences (owner_id, last_seq) VALUES (?, 0) ON CONFLICT (owner_id) DO NOTHING"), {owner}))
            return false;
        QSqlQuery *query = m_sql.exec(select, {owner});
        if (!query || !query->next())
            return false;
        m_sequences.insert(owner, query->value(0).toLongLong());
        query->finish();
    }
    return true;
}

qint64 SyncStore::takeSeq(const QString &ownerId)
{
    auto it = m_sequences.find(ownerId);
    if (it == m_sequences.end())
        return 0;
    m_changedSequences.insert(ownerId);
    return ++it.value();
}

bool SyncStore::storeSequences()
{
    for (const QString &owner : std::as_const(m_changedSequences)) {
        if (!m_sql.exec(QStringLiteral("UPDATE change_sequences SET last_seq = ? WHERE owner_id = ?"), {m_sequences.value(owner), owner}))
            return false;
    }
    m_changedSequences.clear();
    return true;
}

std::optional<SyncStore::Stored> SyncStore::upsert(const QString &ownerId, SyncEntity entity, const QString &clientId, const QString &accountId,
                                                   const QStringList &categoryRefs, bool deleted, qint64 version, const QByteArray &payload)
{
    const qint64 seq = takeSeq(ownerId);
    if (seq == 0)
        return std::nullopt;
    const QString newServerId = QUuid::createUuid().toString(QUuid::WithoutBraces);
    QSqlQuery *query = m_sql.exec(
        QStringLiteral("INSERT INTO sync_rows (owner_id, entity_type, client_id, server_id, account_id, category_refs, version, seq, deleted, payload, updated_at) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) "
                       "ON CONFLICT (owner_id, entity_type, client_id) DO UPDATE SET "
                       "account_id = excluded.account_id, category_refs = excluded.category_refs, "
                       "version = CASE WHEN sync_rows.version + 1 > excluded.version THEN sync_rows.version + 1 ELSE excluded.version END, "
                       "seq = excluded.seq, deleted = excluded.deleted, payload = excluded.payload, updated_at = excluded.updated_at "
                       "RETURNING server_id, version"),
        {ownerId, ChangeValidator::typeName(entity), clientId, newServerId, accountId, refsText(categoryRefs), version, seq, deleted ? 1 : 0,
         payloadValue(payload), Storage::now()});
    if (!query || !query->next())
        return std::nullopt;
    Stored stored;
    stored.serverId = query->value(0).toString();
    stored.version = query->value(1).toLongLong();
    stored.inserted = stored.serverId == newServerId;
    query->finish();
    return stored;
}

bool SyncStore::restamp(const QString &ownerId, SyncEntity entity, const QString &clientId)
{
    const qint64 seq = takeSeq(ownerId);
    return seq != 0
        && m_sql.exec(QStringLiteral("UPDATE sync_rows SET seq = ? WHERE owner_id = ? AND ") + typeCondition(entity) + QStringLiteral(" AND client_id = ?"),
                      {seq, ownerId, clientId});
}

QList<SyncRow> SyncStore::rowsReferring(const QString &ownerId, const QString &categoryId)
{
    // Children among the owner's categories (few), and rows of the accounts
    // whose notes show the category: only those can refer to it, so the
    // owner's other rows are not read.
    const QString pattern = likePatternFor(categoryId);
    QList<SyncRow> rows = readRows(QStringLiteral("SELECT ") + Columns
                                   + QStringLiteral(" FROM sync_rows WHERE owner_id = ? AND entity_type = 'category' "
                                                    "AND category_refs LIKE ? ESCAPE '\\'"),
                                   {ownerId, pattern}, ownerId);
    for (const QString &account : accountsReferring(ownerId, categoryId)) {
        rows += readRows(QStringLiteral("SELECT ") + Columns
                         + QStringLiteral(" FROM sync_rows WHERE owner_id = ? AND account_id = ? AND entity_type <> 'category' "
                                          "AND category_refs LIKE ? ESCAPE '\\'"),
                         {ownerId, account, pattern}, ownerId);
    }
    std::sort(rows.begin(), rows.end(), [](const SyncRow &a, const SyncRow &b) { return a.seq < b.seq; });
    return rows;
}

bool SyncStore::addAccountRef(const QString &ownerId, const QString &accountId, const QString &categoryId, bool &added)
{
    QSqlQuery *query = m_sql.exec(QStringLiteral("INSERT INTO sync_account_refs (owner_id, account_id, category_id) VALUES (?, ?, ?) "
                                                 "ON CONFLICT (owner_id, account_id, category_id) DO NOTHING"),
                                  {ownerId, accountId, categoryId});
    added = query && query->numRowsAffected() > 0;
    return query != nullptr;
}

QStringList SyncStore::accountsReferring(const QString &ownerId, const QString &categoryId)
{
    QStringList accounts;
    QSqlQuery *query = m_sql.exec(QStringLiteral("SELECT account_id FROM sync_account_refs WHERE owner_id = ? AND category_id = ?"), {ownerId, categoryId});
    while (query && query->next())
        accounts << query->value(0).toString();
    if (query)
        query->finish();
    return accounts;
}

bool SyncStore::markAccountShared(const QString &ownerId, const QString &accountId, bool shared, qint64 now)
{
    const auto row = find(ownerId, SyncEntity::Account, accountId);
    if (!row)
        return !failed();
    QJsonObject payload = QJsonDocument::fromJson(row->payload).object();
    if (payload.value(QLatin1String("is_shared")).toBool() == shared)
        return true;
    payload.insert(QLatin1String("is_shared"), shared);
    payload.insert(QLatin1String("updated_at"), HttpJson::isoTime(now));
    return upsert(ownerId, SyncEntity::Account, accountId, row->accountId, row->categoryRefs, row->deleted, row->version,
                  QJsonDocument(payload).toJson(QJsonDocument::Compact))
        .has_value();
}

bool SyncStore::touchDevice(const QString &sessionId, qint64 now)
{
    // Pages pulled within the same second leave the row as it is, so most
    // pages of a long pull write nothing.
    return m_sql.exec(QStringLiteral("UPDATE devices SET last_sync_at = ? WHERE id = (SELECT device_id FROM sessions WHERE id = ?) "
                                     "AND (last_sync_at IS NULL OR last_sync_at <> ?)"),
                      {now, sessionId, now});
}

std::optional<SyncRow> SyncStore::find(const QString &ownerId, SyncEntity entity, const QString &clientId)
{
    const QList<SyncRow> rows = readRows(QStringLiteral("SELECT ") + Columns
                                         + QStringLiteral(" FROM sync_rows WHERE owner_id = ? AND ") + typeCondition(entity)
                                         + QStringLiteral(" AND client_id = ?"),
                                         {ownerId, clientId},
                                         ownerId);
    if (rows.isEmpty())
        return std::nullopt;
    return rows.first();
}

QList<SyncRow> SyncStore::findMany(const QString &ownerId, SyncEntity entity, const QStringList &clientIds, qint64 newerThan)
{
    // A few fixed list sizes, the last id repeated to fill one, so only a
    // few statement texts exist and a page's look-ups take one or two.
    QList<SyncRow> rows;
    const QString after = newerThan >= 0 ? QStringLiteral(" AND seq > ?") : QString();
    qsizetype start = 0;
    while (start < clientIds.size()) {
        const qsizetype left = clientIds.size() - start;
        const qsizetype size = left <= 1 ? 1 : left <= 8 ? 8 : left <= 32 ? 32 : 128;
        QVariantList values;
        values.reserve(size + 2);
        values << ownerId;
        for (qsizetype i = 0; i < size; ++i)
            values << clientIds.at(start + std::min(i, left - 1));
        if (newerThan >= 0)
            values << newerThan;
        rows += readRows(QStringLiteral("SELECT ") + Columns + QStringLiteral(" FROM sync_rows WHERE owner_id = ? AND ") + typeCondition(entity)
                             + QStringLiteral(" AND client_id IN (") + SyncSql::placeholders(size) + QLatin1Char(')') + after,
                         values, ownerId);
        start += std::min(size, left);
    }
    return rows;
}

qint64 SyncStore::lastSeq(const QString &ownerId)
{
    QSqlQuery *query = m_sql.exec(QStringLiteral("SELECT last_seq FROM change_sequences WHERE owner_id = ?"), {ownerId});
    qint64 last = 0;
    if (query && query->next())
        last = query->value(0).toLongLong();
    if (query)
        query->finish();
    return last;
}

QList<SyncRow> SyncStore::rowsAfter(const QString &ownerId, qint64 after, qint64 upTo, int limit)
{
    return readRows(QStringLiteral("SELECT ") + Columns
                    + QStringLiteral(" FROM sync_rows WHERE owner_id = ? AND seq > ? AND seq <= ? ORDER BY seq LIMIT ?"),
                    {ownerId, after, upTo, limit},
                    ownerId);
}

QList<SyncRow> SyncStore::accountRowsAfter(const QString &ownerId, const QString &accountId, qint64 after, qint64 upTo, int limit)
{
    return readRows(QStringLiteral("SELECT ") + Columns
                    + QStringLiteral(" FROM sync_rows WHERE owner_id = ? AND account_id = ? AND seq > ? AND seq <= ? ORDER BY seq LIMIT ?"),
                    {ownerId, accountId, after, upTo, limit},
                    ownerId);
}

QList<SyncRow> SyncStore::referencedCategoriesAfter(const QString &ownerId, const QString &accountId, qint64 after, qint64 upTo, int limit)
{
    // Walks the owner's category changes after the position (few, on their
    // own index) and keeps those the account shows.
    return readRows(QStringLiteral("SELECT ") + Columns
                    + QStringLiteral(" FROM sync_rows r WHERE r.owner_id = ? AND r.entity_type = 'category' AND r.seq > ? AND r.seq <= ? "
                    "AND EXISTS (SELECT 1 FROM sync_account_refs f WHERE f.owner_id = r.owner_id AND f.account_id = ? "
                    "AND f.category_id = r.client_id) ORDER BY r.seq LIMIT ?"),
                    {ownerId, after, upTo, accountId, limit},
                    ownerId);
}

bool SyncStore::isReferenced(const QString &ownerId, const QString &accountId, const QString &categoryId)
{
    QSqlQuery *query = m_sql.exec(QStringLiteral("SELECT 1 FROM sync_account_refs WHERE owner_id = ? AND account_id = ? AND category_id = ?"),
                                  {ownerId, accountId, categoryId});
    const bool found = query && query->next();
    if (query)
        query->finish();
    return found;
}

qint64 SyncStore::visibleLiveCategoryCount(const QString &userId)
{
    QSqlQuery *query = m_sql.exec(
        QStringLiteral("SELECT COUNT(*) FROM ("
                       " SELECT client_id FROM sync_rows WHERE owner_id = ? AND entity_type = 'category' AND deleted = 0"
                       " UNION"
                       " SELECT r.client_id FROM account_shares s JOIN sync_rows r ON r.owner_id = s.owner_id AND r.entity_type = 'category'"
                       " WHERE s.member_id = ? AND s.revoked_at IS NULL AND r.deleted = 0"
                       " AND (r.account_id = s.account_id OR EXISTS (SELECT 1 FROM sync_account_refs f WHERE f.owner_id = s.owner_id"
                       "      AND f.account_id = s.account_id AND f.category_id = r.client_id))"
                       " AND NOT EXISTS (SELECT 1 FROM sync_rows o WHERE o.owner_id = ? AND o.entity_type = 'category' AND o.client_id = r.client_id)"
                       ") visible"),
        {userId, userId, userId});
    qint64 count = 0;
    if (query && query->next())
        count = query->value(0).toLongLong();
    if (query)
        query->finish();
    return count;
}
