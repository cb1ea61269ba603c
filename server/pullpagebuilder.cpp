#include "pullpagebuilder.h"

#include "httpjson.h"
#include "storage.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <limits>

namespace {

constexpr int MaxCategoryDepth = 32;


// Two oldest-first lists of one stream as one, each row once.
QList<SyncRow> merged(const QList<SyncRow> &a, const QList<SyncRow> &b)
{
    QList<SyncRow> out;
    out.reserve(a.size() + b.size());
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() || j < b.size()) {
        const bool fromA = j >= b.size() || (i < a.size() && a.at(i).seq <= b.at(j).seq);
        const SyncRow &next = fromA ? a.at(i++) : b.at(j++);
        if (out.isEmpty() || out.last().seq != next.seq || out.last().clientId != next.clientId || out.last().entity != next.entity)
            out.append(next);
    }
    return out;
}

// Appends text as Latin-1, as QString::toLatin1() would, without the
// intermediate array (two of these per row of a page).
void appendLatin1(QByteArray &body, const QString &text)
{
    const qsizetype at = body.size();
    body.resize(at + text.size());
    char *out = body.data() + at;
    for (const QChar c : text)
        *out++ = c.unicode() < 0x100 ? char(c.unicode()) : '?';
}

void appendNumber(QByteArray &body, qint64 value)
{
    char digits[24];
    const auto end = std::to_chars(std::begin(digits), std::end(digits), value).ptr;
    body.append(digits, end - digits);
}

} // namespace

PullPageBuilder::PullPageBuilder(SyncStore &store, ShareStore &shares, const QString &userId)
    : m_store(store)
    , m_shares(shares)
    , m_userId(userId)
{
}

qint64 PullPageBuilder::take(QList<SyncRow> rows, qint64 from, qint64 last, bool removal, const QString &streamAccount)
{
    const qsizetype n = std::min<qsizetype>(m_budget, rows.size());
    const qint64 lastTaken = n > 0 ? rows.at(n - 1).seq : from;
    for (qsizetype i = 0; i < n; ++i) {
        const RowKey key{rows.at(i).ownerId, rows.at(i).entity, rows.at(i).clientId};
        if (m_onPage.contains(key))
            continue;
        m_onPage.insert(key);
        m_entries.append({std::move(rows[i]), removal, streamAccount});
    }
    m_budget -= int(n);
    if (rows.size() > n) {
        m_more = true;
        return lastTaken;
    }
    return last;
}

std::optional<QByteArray> PullPageBuilder::build(const PullCursor &cursor, int limit)
{
    m_budget = limit;
    PullCursor next;
    next.userId = m_userId;

    // A position past the stream's end means the database is older than
    // the cursor (restored from a backup): that stream starts over.
    const qint64 ownLast = m_store.lastSeq(m_userId);
    m_ownFrom = cursor.own > ownLast ? 0 : cursor.own;
    next.own = take(m_store.rowsAfter(m_userId, m_ownFrom, ownLast, m_budget + 1), m_ownFrom, ownLast, false);

    const QList<AccountShare> shares = m_shares.sharesForMember(m_userId);
    for (const AccountShare &share : shares) {
        if (!share.isLive())
            continue;
        const qint64 last = m_store.lastSeq(share.ownerId);
        qint64 from = cursor.shared.value(share.streamId, 0);
        if (from > last)
            from = 0;
        m_accountStreamFrom.insert({share.ownerId, share.accountId}, from);
        const QList<SyncRow> rows = merged(m_store.accountRowsAfter(share.ownerId, share.accountId, from, last, m_budget + 1),
                                           m_store.referencedCategoriesAfter(share.ownerId, share.accountId, from, last, m_budget + 1));
        next.shared.insert(share.streamId, take(rows, from, last, false, share.accountId));
    }
    // Shares that ended while this installation had the account: send the
    // account's rows as deleted, then forget the stream. An installation
    // that never had the account (a fresh cursor) is sent nothing.
    for (const AccountShare &share : shares) {
        if (share.isLive() || !(cursor.shared.contains(share.streamId) || cursor.removals.contains(share.streamId)))
            continue;
        const qint64 last = m_store.lastSeq(share.ownerId);
        qint64 from = cursor.removals.value(share.streamId, 0);
        if (from > last)
            from = 0;
        const bool moreBefore = m_more;
        m_more = false;
        const qint64 position = take(m_store.accountRowsAfter(share.ownerId, share.accountId, from, last, m_budget + 1), from, last, true);
        if (m_more)
            next.removals.insert(share.streamId, position);
        m_more = m_more || moreBefore;
    }
    if (m_store.failed())
        return std::nullopt;

    dropSharedCategoriesTheUserOwns();
    addReferencedRows();
    if (m_store.failed())
        return std::nullopt;
    return render(m_more, next);
}

void PullPageBuilder::dropSharedCategoriesTheUserOwns()
{
    QStringList ids;
    for (const Entry &entry : std::as_const(m_entries)) {
        if (entry.row.entity == SyncEntity::Category && entry.row.ownerId != m_userId)
            ids << entry.row.clientId;
    }
    if (ids.isEmpty())
        return;
    ids.removeDuplicates();
    QSet<QString> owned;
    for (const SyncRow &row : m_store.findMany(m_userId, SyncEntity::Category, ids))
        owned.insert(row.clientId);
    m_entries.removeIf([&](const Entry &entry) {
        const bool drop = entry.row.entity == SyncEntity::Category && entry.row.ownerId != m_userId && owned.contains(entry.row.clientId);
        if (drop)
            m_onPage.remove({entry.row.ownerId, entry.row.entity, entry.row.clientId});
        return drop;
    });
}

void PullPageBuilder::addReferencedRows()
{
    // Whether the installation has a row already: the user's own rows up to
    // the own position were sent, an owner's rows up to the position of the
    // shared account's stream that shows them. (A category an account shows
    // is numbered again when it starts showing it, so the stream passing
    // its number delivered it.)
    const auto alreadySent = [this](const SyncRow &row, const QString &streamAccount) {
        if (row.ownerId == m_userId)
            return row.seq <= m_ownFrom;
        const auto it = m_accountStreamFrom.constFind({row.ownerId, streamAccount});
        return it != m_accountStreamFrom.constEnd() && row.seq <= it.value();
    };

    // Entries whose references are still to be resolved: the page's rows,
    // then the categories added for them (for their parents). Pointers are
    // read before `added` grows again.
    QList<const Entry *> pending;
    for (const Entry &entry : std::as_const(m_entries)) {
        if (!entry.removal)
            pending.append(&entry);
    }
    QList<Entry> added;
    for (int depth = 0; depth <= MaxCategoryDepth && !pending.isEmpty(); ++depth) {
        // Accounts are looked up in the row's data set. Categories in the
        // user's own data set first (the one delivered when both have the
        // id), then in the data set of the row that refers to them.
        QHash<QString, QStringList> accountsByOwner;
        QHash<QString, QStringList> categoriesByOwner;
        QHash<OwnerAndId, QString> streamOf; // (owner, id) -> stream account of the first row referring to it
        QStringList allCategories;
        for (const Entry *entry : std::as_const(pending)) {
            const SyncRow &row = entry->row;
            if (row.entity == SyncEntity::Transaction || row.entity == SyncEntity::Recurring || row.entity == SyncEntity::Reconciliation) {
                accountsByOwner[row.ownerId] << row.accountId;
                streamOf.insert({row.ownerId, row.accountId}, entry->streamAccount);
            }
            categoriesByOwner[row.ownerId] += row.categoryRefs;
            allCategories += row.categoryRefs;
            for (const QString &category : row.categoryRefs) {
                OwnerAndId key{row.ownerId, category};
                if (!streamOf.contains(key))
                    streamOf.insert(std::move(key), entry->streamAccount);
            }
        }
        QList<SyncRow> found;
        for (auto it = accountsByOwner.begin(); it != accountsByOwner.end(); ++it) {
            QStringList &ids = it.value();
            ids.removeDuplicates();
            ids.removeIf([&](const QString &id) { return m_onPage.contains(RowKey{it.key(), SyncEntity::Account, id}); });
            found += m_store.findMany(it.key(), SyncEntity::Account, ids);
        }
        allCategories.removeDuplicates();
        allCategories.removeIf([&](const QString &id) { return m_onPage.contains(RowKey{m_userId, SyncEntity::Category, id}); });
        QSet<QString> ownIds;
        for (SyncRow &row : m_store.findMany(m_userId, SyncEntity::Category, allCategories)) {
            ownIds.insert(row.clientId);
            found.append(std::move(row));
        }
        for (auto it = categoriesByOwner.begin(); it != categoriesByOwner.end(); ++it) {
            if (it.key() == m_userId)
                continue;
            QStringList &ids = it.value();
            ids.removeDuplicates();
            ids.removeIf([&](const QString &id) {
                return ownIds.contains(id) || m_onPage.contains(RowKey{m_userId, SyncEntity::Category, id})
                    || m_onPage.contains(RowKey{it.key(), SyncEntity::Category, id});
            });
            // Rows the installation has already are skipped below. Asking
            // only for those after the lowest stream position they could be
            // measured against leaves them unread: on a long pull every page
            // refers to the same categories, long since delivered.
            qint64 newerThan = std::numeric_limits<qint64>::max();
            for (const QString &id : std::as_const(ids)) {
                const auto from = m_accountStreamFrom.constFind({it.key(), streamOf.value({it.key(), id})});
                newerThan = std::min(newerThan, from == m_accountStreamFrom.constEnd() ? qint64(-1) : from.value());
            }
            found += m_store.findMany(it.key(), SyncEntity::Category, ids, newerThan);
        }

        const qsizetype firstNew = added.size();
        for (SyncRow &row : found) {
            const RowKey key{row.ownerId, row.entity, row.clientId};
            const QString stream = row.ownerId == m_userId ? QString() : streamOf.value({row.ownerId, row.clientId});
            if (m_onPage.contains(key) || alreadySent(row, stream))
                continue;
            m_onPage.insert(key);
            added.append({std::move(row), false, stream});
        }
        pending.clear();
        for (qsizetype i = firstNew; i < added.size(); ++i) {
            if (added.at(i).row.entity == SyncEntity::Category)
                pending.append(&added.at(i));
        }
    }
    m_entries += added;
}

void PullPageBuilder::appendObject(QByteArray &body, const Entry &entry)
{
    const SyncRow &row = entry.row;
    // Ids hold only A-Z a-z 0-9 _ -: nothing to escape.
    body += "{\"id\":\"";
    appendLatin1(body, row.serverId);
    body += "\",\"client_id\":\"";
    appendLatin1(body, row.clientId);
    body += "\",\"version\":";
    appendNumber(body, row.version);
    // The stored payload is a compact JSON object made by this server.
    if (row.payload.size() > 2) {
        body += ',';
        body += QByteArrayView(row.payload).sliced(1, row.payload.size() - 2);
    }
    if (entry.removal && !row.payload.contains("\"deleted_at\":")) {
        body += ",\"deleted_at\":\"";
        body += HttpJson::isoTime(Storage::now()).toLatin1();
        body += '"';
    }
    body += '}';
}

QByteArray PullPageBuilder::render(bool more, const PullCursor &next)
{
    // Categories parents first, so an installation writing them in order
    // finds each parent in place.
    QList<const Entry *> categories;
    QHash<QString, qsizetype> categoryIndex;
    for (const Entry &entry : std::as_const(m_entries)) {
        if (entry.row.entity == SyncEntity::Category) {
            categoryIndex.insert(entry.row.clientId, categories.size());
            categories.append(&entry);
        }
    }
    QList<const Entry *> orderedCategories;
    QList<char> state(categories.size(), 0); // 0 new, 1 visiting, 2 placed
    const auto place = [&](qsizetype start) {
        // Iterative walk up the parents; a cycle is cut where it closes.
        QList<qsizetype> chain;
        qsizetype at = start;
        while (at >= 0 && state[at] == 0) {
            state[at] = 1;
            chain.append(at);
            const QStringList &refs = categories.at(at)->row.categoryRefs;
            at = refs.isEmpty() ? -1 : categoryIndex.value(refs.first(), -1);
        }
        for (qsizetype i = chain.size() - 1; i >= 0; --i) {
            state[chain.at(i)] = 2;
            orderedCategories.append(categories.at(chain.at(i)));
        }
    };
    for (qsizetype i = 0; i < categories.size(); ++i)
        place(i);

    QByteArray body;
    qsizetype size = 4096;
    for (const Entry &entry : std::as_const(m_entries))
        size += entry.row.payload.size() + 128;
    body.reserve(size);
    body += '{';
    for (const SyncEntity entity : {SyncEntity::Account, SyncEntity::Category, SyncEntity::Recurring, SyncEntity::Transaction, SyncEntity::Reconciliation}) {
        body += '"';
        body += ChangeValidator::arrayName(entity).toLatin1();
        body += "\":[";
        bool first = true;
        const auto append = [&](const Entry &entry) {
            if (!first)
                body += ',';
            first = false;
            appendObject(body, entry);
        };
        if (entity == SyncEntity::Category) {
            for (const Entry *entry : std::as_const(orderedCategories))
                append(*entry);
        } else {
            for (const Entry &entry : std::as_const(m_entries)) {
                if (entry.row.entity == entity)
                    append(entry);
            }
        }
        body += "],";
    }
    body += "\"cursor\":\"";
    body += next.encode().toLatin1();
    body += "\",\"has_more\":";
    body += more ? "true" : "false";
    // The count is meaningful once everything is delivered; installations
    // compare it with their own after each page.
    if (!more) {
        body += ",\"integrity\":{\"category_count\":";
        body += QByteArray::number(m_store.visibleLiveCategoryCount(m_userId));
        body += '}';
    }
    body += '}';
    return body;
}
