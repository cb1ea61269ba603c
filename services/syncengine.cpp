#include "services/syncengine.h"

#include "account/apiclient.h"
#include "data/changejournal.h"
#include "data/database.h"
#include "data/preferencesrepository.h"
#include "data/sqlhelpers.h"
#include "data/sqltransaction.h"
#include "data/timestamps.h"
#include "services/syncentity.h"
#include "services/syncpageapplier.h"
#include "services/syncpushreader.h"
#include "services/syncpushresults.h"

#include <QCoreApplication>
#include <QDebug>
#include <QJsonArray>
#include <QPointer>
#include <QSqlQuery>
#include <QUrlQuery>

namespace {

constexpr int DebounceMs = 2000;
constexpr int PageLimit = 200;
constexpr int MaxPagesPerSync = 50;
constexpr int DefaultRequestTimeoutMs = 30000;
// The engine's own limit on an answer, a little beyond the client's, in
// case a request never calls back at all.
constexpr int MaxWatchdogSlackMs = 5000;

const QString CursorKey = QStringLiteral("syncCursor");
const QString LastSyncKey = QStringLiteral("lastSyncTimestamp");

} // namespace

struct SyncEngine::Private
{
    Private(Database &db, OrlAccount::ApiClient &client)
        : database(db)
        , api(client)
        , preferences(&db)
        , applier(db)
    {
    }

    Database &database;
    OrlAccount::ApiClient &api;
    PreferencesRepository preferences;
    SyncPageApplier applier;
    QTimer autoSyncTimer;
    QTimer debounceTimer;
    QTimer watchdog;
    SyncState state = Idle;
    QString lastError;
    int pageCount = 0;
    bool rerun = false;
    bool fullSyncRequested = false;
    bool applying = false;
    // Which request the engine waits for; an answer to any other (one that
    // arrived after its time ran out) is dropped.
    quint64 request = 0;
    // Which sync a deferred step belongs to; a step of a sync that has
    // ended (failed, timed out) is dropped.
    quint64 generation = 0;
    int requestTimeoutMs = DefaultRequestTimeoutMs;
    std::function<bool()> canSync;
    std::unique_ptr<SyncPushReader> reader;
    QHash<QString, qint64> sentVersions;
};

SyncEngine::SyncEngine(Database &database, OrlAccount::ApiClient &api, QObject *parent)
    : QObject(parent)
    , d(new Private(database, api))
{
    d->autoSyncTimer.setParent(this);
    d->debounceTimer.setParent(this);
    d->debounceTimer.setSingleShot(true);
    d->debounceTimer.setInterval(DebounceMs);
    d->watchdog.setParent(this);
    d->watchdog.setSingleShot(true);
    connect(&d->autoSyncTimer, &QTimer::timeout, this, &SyncEngine::sync);
    connect(&d->debounceTimer, &QTimer::timeout, this, &SyncEngine::sync);
    connect(&d->watchdog, &QTimer::timeout, this, [this] {
        ++d->request;
        fail(tr("Sync failed: the server did not answer in time"));
    });
    connect(&api, &OrlAccount::ApiClient::authenticationRequired, this, [this] {
        if (d->state != Error)
            setState(Error);
    });
    // Local edits are sent a moment after they are made; rows the engine
    // itself wrote from a pull are not local edits.
    connect(database.changes(), &ChangeJournal::committed, this, [this] {
        if (!d->applying)
            scheduleSync();
    });
    d->api.setTimeoutMs(d->requestTimeoutMs);
}

SyncEngine::~SyncEngine()
{
    delete d;
}

QString SyncEngine::stateText(int state)
{
    switch (state) {
    case Idle: return tr("Synced");
    case Syncing: return tr("Syncing...");
    case Error: return tr("Sync error");
    case Offline: return tr("Offline");
    default: return tr("Unknown");
    }
}

SyncEngine::SyncState SyncEngine::state() const
{
    return d->state;
}

QString SyncEngine::lastError() const
{
    return d->lastError;
}

void SyncEngine::setRequestTimeout(int milliseconds)
{
    d->requestTimeoutMs = qMax(1, milliseconds);
    d->api.setTimeoutMs(d->requestTimeoutMs);
}

int SyncEngine::requestTimeout() const
{
    return d->requestTimeoutMs;
}

void SyncEngine::setCanSync(std::function<bool()> predicate)
{
    d->canSync = std::move(predicate);
}

void SyncEngine::startAutoSync(int intervalMs)
{
    d->autoSyncTimer.start(qMax(1000, intervalMs));
    sync();
}

void SyncEngine::scheduleSync()
{
    d->debounceTimer.start();
}

void SyncEngine::stopAutoSync()
{
    d->autoSyncTimer.stop();
    d->debounceTimer.stop();
}

void SyncEngine::syncNow()
{
    sync();
}

void SyncEngine::sync()
{
    if (d->canSync && !d->canSync()) {
        d->rerun = false;
        d->fullSyncRequested = false;
        if (d->state != Idle)
            setState(Idle);
        return;
    }
    if (d->state == Syncing) {
        d->rerun = true;
        return;
    }
    d->rerun = false;
    d->debounceTimer.stop();
    ++d->generation;
    setState(Syncing);
    d->reader = std::make_unique<SyncPushReader>(d->database.connection());
    pushNextBatch();
}

bool SyncEngine::forceFullSync()
{
    if (d->state == Syncing)
        return false;
    d->fullSyncRequested = true;
    sync();
    return true;
}

void SyncEngine::whenIdle(std::function<void()> work)
{
    // Never read or write while another operation's transaction is open: an
    // import's rows are not the user's data until it commits.
    const quint64 generation = d->generation;
    d->database.changes()->whenIdle(this, [this, generation, work = std::move(work)] {
        if (generation == d->generation && d->state == Syncing && d->reader)
            work();
    });
}

void SyncEngine::pushNextBatch()
{
    whenIdle([this] {
        d->sentVersions.clear();
        const QJsonArray batch = d->reader->nextBatch(d->sentVersions);
        if (d->reader->failed()) {
            fail(tr("Sync failed: the local data could not be read"));
            return;
        }
        if (batch.isEmpty()) {
            d->pageCount = 0;
            pull(d->preferences.getValue(CursorKey, QString()));
            return;
        }
        qInfo() << "Push batch:" << batch.size() << "changes";
        const quint64 request = startRequest();
        QPointer<SyncEngine> self(this);
        d->api.post(QStringLiteral("/sync/push"), QJsonObject{{QStringLiteral("changes"), batch}},
                    [self, request](bool ok, int status, const QJsonObject &body) {
                        if (self && self->isCurrent(request))
                            self->onPushAnswered(ok, status, body);
                    });
    });
}

void SyncEngine::onPushAnswered(bool ok, int status, const QJsonObject &body)
{
    // The answer is in; waiting for an import to finish is not a stall.
    d->watchdog.stop();
    if (!ok) {
        fail(tr("Push failed (HTTP %1)").arg(status));
        return;
    }
    const QJsonArray results = body.value(QLatin1String("results")).toArray();
    whenIdle([this, results] {
        const SyncPushResults::Outcome outcome =
            SyncPushResults::apply(d->database.connection(), results, d->sentVersions);
        if (!outcome.stored) {
            fail(tr("Sync failed: the local data could not be updated"));
            return;
        }
        pushNextBatch();
    });
}

void SyncEngine::pull(const QString &cursor)
{
    QUrlQuery query;
    if (!cursor.isEmpty())
        query.addQueryItem(QStringLiteral("cursor"), cursor);
    query.addQueryItem(QStringLiteral("limit"), QString::number(PageLimit));
    const quint64 request = startRequest();
    QPointer<SyncEngine> self(this);
    d->api.get(
        QStringLiteral("/sync/pull"),
        [self, request](bool ok, int status, const QJsonObject &body) {
            if (self && self->isCurrent(request))
                self->onPullAnswered(ok, status, body);
        },
        query);
}

void SyncEngine::onPullAnswered(bool ok, int status, const QJsonObject &body)
{
    d->watchdog.stop();
    if (!ok) {
        fail(tr("Pull failed (HTTP %1)").arg(status));
        return;
    }
    const QString cursor = body.value(QLatin1String("cursor")).toString();
    const bool hasMore = body.value(QLatin1String("has_more")).toBool();
    if (hasMore && cursor.isEmpty()) {
        // Continuing would start over from the beginning, forever.
        fail(tr("Pull failed: the server's answer has no position to continue from"));
        return;
    }
    whenIdle([this, body, cursor, hasMore] {
        d->applying = true;
        const SyncPageApplier::Outcome outcome = d->applier.apply(body, cursor);
        d->applying = false;
        if (!outcome.ok) {
            fail(tr("Pull failed: %1").arg(outcome.error));
            return;
        }
        if (body.contains(QLatin1String("integrity")))
            checkIntegrity(body.value(QLatin1String("integrity")).toObject());
        ++d->pageCount;
        if (hasMore && d->pageCount < MaxPagesPerSync) {
            pull(cursor);
            return;
        }
        // What is left comes with the sync that follows at once.
        if (hasMore)
            d->rerun = true;
        complete();
    });
}

void SyncEngine::checkIntegrity(const QJsonObject &integrity)
{
    const qint64 serverCount = integrity.value(QLatin1String("category_count")).toInteger(0);
    if (serverCount <= 0)
        return;
    QSqlQuery query(d->database.connection());
    if (query.exec(QStringLiteral("SELECT COUNT(*) FROM categories WHERE deleted_at IS NULL")) && query.next()
        && query.value(0).toLongLong() != serverCount) {
        qWarning() << "Category count mismatch: local=" << query.value(0).toLongLong() << "server=" << serverCount
                   << "(informational only — use Force Full Sync if data appears wrong)";
    }
}

void SyncEngine::complete()
{
    if (d->fullSyncRequested) {
        // This installation now holds the newest copy of every row; send them
        // all and pull everything from the start, as part of the same sync.
        d->fullSyncRequested = false;
        markEverythingPending();
        d->reader = std::make_unique<SyncPushReader>(d->database.connection());
        pushNextBatch();
        return;
    }
    d->watchdog.stop();
    d->reader.reset();
    d->preferences.set(LastSyncKey, nowTimestamp());
    setState(Idle);
    Q_EMIT syncCompleted();
    Q_EMIT dataChanged();
    Q_EMIT syncFinished(true);
    if (d->rerun) {
        d->rerun = false;
        QTimer::singleShot(0, this, &SyncEngine::sync);
    }
}

void SyncEngine::markEverythingPending()
{
    QSqlDatabase db = d->database.connection();
    SqlTransaction transaction(db);
    QStringList counts;
    for (const SyncEntity &entity : SyncEntity::all()) {
        int changed = 0;
        // Deleted rows too: the service must learn of deletions it lost.
        Sql::execCached(db,
                        QStringLiteral("UPDATE %1 SET sync_status = 'pending' WHERE id NOT LIKE 'sample-%'")
                            .arg(QLatin1String(entity.table)),
                        {}, "Force Full Sync", &changed);
        counts << QStringLiteral("%1: %2").arg(QLatin1String(entity.table)).arg(changed);
    }
    Sql::execCached(db, QStringLiteral("DELETE FROM preferences WHERE key IN ('syncCursor', 'lastSyncTimestamp')"), {},
                    "Force Full Sync");
    if (transaction.commit())
        qInfo() << "Force Full Sync: marked pending —" << counts.join(QLatin1String(", "));
}

void SyncEngine::fail(const QString &message)
{
    ++d->generation;
    d->watchdog.stop();
    d->reader.reset();
    d->fullSyncRequested = false;
    d->rerun = false;
    d->lastError = message;
    qWarning() << "Sync failed:" << message;
    setState(Error);
    Q_EMIT syncFailed(message);
    Q_EMIT syncFinished(false);
}

quint64 SyncEngine::startRequest()
{
    d->watchdog.start(d->requestTimeoutMs + qMin(d->requestTimeoutMs, MaxWatchdogSlackMs));
    return ++d->request;
}

bool SyncEngine::isCurrent(quint64 request) const
{
    return request == d->request && d->state == Syncing;
}

void SyncEngine::setState(SyncState state)
{
    if (d->state == state)
        return;
    d->state = state;
    Q_EMIT stateChanged(state);
}
