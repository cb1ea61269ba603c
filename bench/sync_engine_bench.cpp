// Sync of 100,000 transactions from one installation to a second through a
// local quillby-server on SQLite, by the program's sync engine: the first
// installation's first sync (push of every row in batches of 500, then the
// pull of its own changes back), the second installation's first sync
// (pull of everything in pages of 200, sync after sync), and a sync with
// nothing to do.
//
// Baseline, measured in the same run: the raw SQLite C API inserting the
// same rows into the server's table of synced rows (the server's schema)
// and into the second installation's transactions table, each in one
// transaction with one prepared statement.
//
// Our figure is the CPU time of this process plus the server process; the
// baseline's is this process alone. Wall times are printed as well.
// Exits non-zero when the second installation did not receive every row.

#include "bench/benchsupport.h"
#include "bench/datagenerator.h"

#include "account/apiclient.h"
#include "account/tokenmanager.h"
#include "apitestclient.h"
#include "common/memorytokenstore.h"
#include "data/database.h"
#include "serverprocess.h"
#include "services/syncengine.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTimer>

#include <sqlite3.h>

#include <cstdio>
#include <memory>

namespace {

constexpr qint64 kTransactions = 100000; // QUILLBY_BENCH_ROWS picks another size
constexpr double kGoal = 4.0;
const QString kPassword = QStringLiteral("correct horse battery");

struct Installation
{
    Installation(const QString &connection, const QString &path, const QString &syncUrl, const BrowserSignIn &signIn)
        : database(connection)
    {
        tokens = std::make_unique<OrlAccount::TokenManager>(
            std::make_unique<MemoryTokenStore>(signIn.accessToken, signIn.refreshToken));
        tokens->loadTokens();
        api = std::make_unique<OrlAccount::ApiClient>(tokens.get());
        api->setBaseUrl(QUrl(syncUrl));
        opened = database.open(path) && database.runMigrations();
        engine = std::make_unique<SyncEngine>(database, *api);
    }

    // Syncs until the engine has nothing more to fetch; false on a failure.
    bool syncToTheEnd()
    {
        bool ok = true;
        QEventLoop loop;
        QObject::connect(engine.get(), &SyncEngine::syncFinished, &loop, [&](bool finished) {
            ok = ok && finished;
            // A sync that stopped at its page limit starts the next itself.
            QTimer::singleShot(10, &loop, [&] {
                if (engine->state() != SyncEngine::Syncing)
                    loop.quit();
            });
        });
        engine->sync();
        loop.exec();
        QObject::disconnect(engine.get(), &SyncEngine::syncFinished, &loop, nullptr);
        return ok;
    }

    qint64 count(const QString &sql)
    {
        QSqlQuery query(database.connection());
        return query.exec(sql) && query.next() ? query.value(0).toLongLong() : -1;
    }

    Database database;
    std::unique_ptr<OrlAccount::TokenManager> tokens;
    std::unique_ptr<OrlAccount::ApiClient> api;
    std::unique_ptr<SyncEngine> engine;
    bool opened = false;
};

Bench::Timing measure(ServerProcess &server, const std::function<bool()> &work, bool &ok)
{
    const double serverBefore = Bench::processCpuSeconds(server.processId());
    Bench::Stopwatch watch;
    ok = work() && ok;
    Bench::Timing timing = watch.elapsed();
    timing.cpuMs += (Bench::processCpuSeconds(server.processId()) - serverBefore) * 1e3;
    return timing;
}

bool execAll(sqlite3 *db, const QByteArray &sql)
{
    char *error = nullptr;
    if (sqlite3_exec(db, sql.constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        std::fprintf(stderr, "baseline: %s\n", error ? error : "?");
        sqlite3_free(error);
        return false;
    }
    return true;
}

struct Row
{
    QByteArray id;
    QByteArray accountId;
    QByteArray date;
    QByteArray payee;
    qint64 amount = 0;
    QByteArray payload;
};

// The raw C API storing the rows on the server's schema and then in a
// fresh installation's transactions table.
bool baseline(const QString &folder, const QList<Row> &rows, const QString &clientSchemaFile)
{
    const QString serverPath = folder + QStringLiteral("/baseline-server.db");
    const QString clientPath = folder + QStringLiteral("/baseline-client.db");
    QFile::remove(serverPath);
    QFile::remove(clientPath);
    QFile::copy(clientSchemaFile, clientPath);

    sqlite3 *server = nullptr;
    sqlite3_open(serverPath.toUtf8().constData(), &server);
    bool ok = execAll(server, "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL;");
    for (const char *file : {"0001_users_sessions.sql", "0002_groups_devices.sql", "0003_sync.sql"}) {
        QFile migration(QStringLiteral(QUILLBY_SERVER_MIGRATIONS "/") + QLatin1String(file));
        ok = ok && migration.open(QIODevice::ReadOnly) && execAll(server, migration.readAll());
    }
    sqlite3_stmt *insert = nullptr;
    ok = ok && execAll(server, "BEGIN")
         && sqlite3_prepare_v2(server,
                               "INSERT INTO sync_rows (owner_id, entity_type, client_id, server_id, account_id, "
                               "category_refs, version, seq, deleted, payload, updated_at) "
                               "VALUES ('u', 'transaction', ?, ?, ?, '', 1, ?, 0, ?, 0)",
                               -1, &insert, nullptr) == SQLITE_OK;
    qint64 seq = 0;
    for (const Row &row : rows) {
        if (!ok)
            break;
        const QByteArray serverId = "s-" + row.id;
        sqlite3_bind_text(insert, 1, row.id.constData(), int(row.id.size()), SQLITE_STATIC);
        sqlite3_bind_text(insert, 2, serverId.constData(), int(serverId.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 3, row.accountId.constData(), int(row.accountId.size()), SQLITE_STATIC);
        sqlite3_bind_int64(insert, 4, ++seq);
        sqlite3_bind_text(insert, 5, row.payload.constData(), int(row.payload.size()), SQLITE_STATIC);
        ok = sqlite3_step(insert) == SQLITE_DONE && sqlite3_reset(insert) == SQLITE_OK;
    }
    sqlite3_finalize(insert);
    ok = ok && execAll(server, "COMMIT");
    sqlite3_close(server);

    sqlite3 *client = nullptr;
    sqlite3_open(clientPath.toUtf8().constData(), &client);
    ok = ok && execAll(client, "PRAGMA foreign_keys=OFF; BEGIN");
    ok = ok && sqlite3_prepare_v2(client,
                                  "INSERT INTO transactions (id, account_id, date, payee, memo, amount, version, "
                                  "sync_status, server_id, created_at, updated_at) "
                                  "VALUES (?, ?, ?, ?, '', ?, 1, 'synced', ?, '2026-01-01T00:00:00Z', "
                                  "'2026-01-01T00:00:00Z')",
                                  -1, &insert, nullptr) == SQLITE_OK;
    for (const Row &row : rows) {
        if (!ok)
            break;
        const QByteArray serverId = "s-" + row.id;
        sqlite3_bind_text(insert, 1, row.id.constData(), int(row.id.size()), SQLITE_STATIC);
        sqlite3_bind_text(insert, 2, row.accountId.constData(), int(row.accountId.size()), SQLITE_STATIC);
        sqlite3_bind_text(insert, 3, row.date.constData(), int(row.date.size()), SQLITE_STATIC);
        sqlite3_bind_text(insert, 4, row.payee.constData(), int(row.payee.size()), SQLITE_STATIC);
        sqlite3_bind_int64(insert, 5, row.amount);
        sqlite3_bind_text(insert, 6, serverId.constData(), int(serverId.size()), SQLITE_TRANSIENT);
        ok = sqlite3_step(insert) == SQLITE_DONE && sqlite3_reset(insert) == SQLITE_OK;
    }
    sqlite3_finalize(insert);
    ok = ok && execAll(client, "COMMIT");
    sqlite3_close(client);
    return ok;
}

void printTiming(const char *name, const Bench::Timing &timing)
{
    std::printf("  %-44s %9.0f ms CPU %9.0f ms wall\n", name, timing.cpuMs, timing.wallMs);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    qputenv("QT_LOGGING_RULES", "default.info=false");
    QTemporaryDir folder;

    DataGeneratorOptions options;
    options.accounts = 6;
    options.transactions = qEnvironmentVariableIsSet("QUILLBY_BENCH_ROWS")
                               ? qMax<qint64>(1000, qEnvironmentVariable("QUILLBY_BENCH_ROWS").toLongLong())
                               : kTransactions;
    options.years = 3;
    const QString source = Bench::cachedDataSet(options);
    if (source.isEmpty())
        return 1;
    const QString first = folder.filePath(QStringLiteral("first.db"));
    QFile::copy(source, first);
    QFile::setPermissions(first, QFile::ReadOwner | QFile::WriteOwner);

    ServerProcess server;
    QString error;
    if (!server.start(&error)) {
        std::fprintf(stderr, "quillby-server did not start: %s\n", qPrintable(error));
        return 1;
    }
    const QString email = QStringLiteral("bench@example.org");
    server.addUser(email, kPassword);
    const QString syncUrl = server.baseUrl() + QStringLiteral("/quillby/v1");
    Installation a(QStringLiteral("first"), first, syncUrl, BrowserSignIn::run(server.port(), email, kPassword));
    Installation b(QStringLiteral("second"), folder.filePath(QStringLiteral("second.db")), syncUrl,
                   BrowserSignIn::run(server.port(), email, kPassword));
    if (!a.opened || !b.opened) {
        std::fprintf(stderr, "the installations' databases did not open\n");
        return 1;
    }
    // Every generated row waits to be sent, as rows typed in do.
    for (const char *table : {"accounts", "categories", "transactions", "recurring_transactions", "reconciliations"})
        QSqlQuery(a.database.connection())
            .exec(QStringLiteral("UPDATE %1 SET sync_status = 'pending', server_id = NULL").arg(QLatin1String(table)));
    const qint64 rows = a.count(QStringLiteral("SELECT COUNT(*) FROM transactions"));

    // The rows as the baseline stores them, read before anything is timed.
    QList<Row> baselineRows;
    {
        QSqlQuery query(a.database.connection());
        query.exec(QStringLiteral("SELECT id, account_id, date, payee, memo, amount, category_id, cleared FROM transactions"));
        while (query.next()) {
            Row row;
            row.id = query.value(0).toString().toUtf8();
            row.accountId = query.value(1).toString().toUtf8();
            row.date = query.value(2).toString().toUtf8();
            row.payee = query.value(3).toString().toUtf8();
            row.amount = query.value(5).toLongLong();
            row.payload = QJsonDocument(QJsonObject{{QStringLiteral("account_id"), query.value(1).toString()},
                                                    {QStringLiteral("date"), query.value(2).toString()},
                                                    {QStringLiteral("payee"), query.value(3).toString()},
                                                    {QStringLiteral("memo"), query.value(4).toString()},
                                                    {QStringLiteral("amount"), query.value(5).toLongLong()},
                                                    {QStringLiteral("category_id"), query.value(6).toString()},
                                                    {QStringLiteral("cleared"), query.value(7).toBool()}})
                              .toJson(QJsonDocument::Compact);
            baselineRows << row;
        }
    }
    // An empty migrated installation for the baseline's second half.
    const QString clientSchema = folder.filePath(QStringLiteral("schema.db"));
    {
        Database schema(QStringLiteral("schema"));
        schema.open(clientSchema);
        schema.runMigrations();
    }

    bool ok = true;
    const Bench::Timing push = measure(server, [&] { return a.syncToTheEnd(); }, ok);
    const Bench::Timing pull = measure(server, [&] { return b.syncToTheEnd(); }, ok);
    const Bench::Timing idle = measure(server, [&] { return b.syncToTheEnd(); }, ok);
    Bench::Stopwatch baselineWatch;
    ok = baseline(folder.path(), baselineRows, clientSchema) && ok;
    const Bench::Timing base = baselineWatch.elapsed();

    const qint64 received = b.count(QStringLiteral("SELECT COUNT(*) FROM transactions"));
    const qint64 leftPending = a.count(QStringLiteral("SELECT COUNT(*) FROM transactions WHERE sync_status = 'pending'"));
    std::printf("sync engine: %lld transactions from one installation to another through quillby-server (SQLite)\n",
                static_cast<long long>(rows));
    printTiming("first installation's first sync (push)", push);
    printTiming("second installation's first sync (pull)", pull);
    printTiming("sync with nothing to do", idle);
    printTiming("baseline: raw SQLite inserts, server + client", base);
    const double ours = push.cpuMs + pull.cpuMs;
    std::printf("  end to end: ours %.0f ms CPU (%.0f ms wall), baseline %.0f ms CPU, ratio %.2f CPU / %.2f wall (goal <= %.1f)\n",
                ours, push.wallMs + pull.wallMs, base.cpuMs, ours / qMax(1.0, base.cpuMs),
                (push.wallMs + pull.wallMs) / qMax(1.0, base.wallMs), kGoal);
    if (!ok || received != rows || leftPending != 0) {
        std::fprintf(stderr, "FAILED: received %lld of %lld rows, %lld left pending\n", static_cast<long long>(received),
                     static_cast<long long>(rows), static_cast<long long>(leftPending));
        return 1;
    }
    return 0;
}
