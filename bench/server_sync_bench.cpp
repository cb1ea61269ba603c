// The sync API of quillby-server on SQLite, end to end over HTTP: one user
// pushes 100,000 transactions (with their account and 60 categories) in
// batches of 500, as the program does, then shares the account and a
// second user pulls it all in pages of 200, as the program does (and again
// in pages of 500, the most the API gives).
//
// Baseline, measured in the same run: the raw SQLite C API doing the same
// storage work on the same schema (the server's migrations): the same
// upsert per row, the change sequence and the account's category notes per
// batch of 500 in one transaction; then reading the same rows page by page
// with the same two queries a page needs.
//
// Our figure is the CPU time of the server process plus this process (the
// HTTP client); the baseline's is this process alone. Wall times are shown
// too, but the machine is shared, so the ratio is taken over CPU time. The
// cost of a bare request (GET /healthz, as many as there are pages) is
// printed as well: every pull page pays it and the baseline does not.
// Exits non-zero when a push or pull did not deliver every row.

#include "bench/benchsupport.h"

#include "apitestclient.h"
#include "serverprocess.h"
#include "syncchanges.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <httplib.h>
#include <sqlite3.h>


#include <cstdio>
#include <limits>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr int kTransactions = 100000;
constexpr int kParentCategories = 12;
constexpr int kChildCategories = 48;
constexpr int kBatch = 500;
constexpr int kPage = 200;
constexpr int kRounds = 3;
constexpr double kGoal = 3.0;
const QString kPassword = QStringLiteral("correct horse battery");
const QString kAccount = QStringLiteral("acc-shared");

// One row as the server stores it, for the baseline.
struct StoredRow
{
    std::string type;
    std::string clientId;
    std::string accountId;
    std::string refs;
    qint64 version = 1;
    std::string payload;
};

struct DataSet
{
    std::vector<std::string> pushBodies;
    std::vector<std::vector<StoredRow>> batches;
    int changes = 0;
};

QString categoryId(int i)
{
    return QStringLiteral("cat-%1").arg(i, 3, 10, QLatin1Char('0'));
}

DataSet buildDataSet()
{
    QList<QJsonObject> changes;
    changes << SyncChanges::account(kAccount, QStringLiteral("Household"));
    for (int i = 0; i < kParentCategories + kChildCategories; ++i) {
        const QString parent = i < kParentCategories ? QString() : categoryId(i % kParentCategories);
        changes << SyncChanges::category(categoryId(i), QStringLiteral("Category %1").arg(i), parent);
    }
    for (int i = 0; i < kTransactions; ++i) {
        const QString category = categoryId(kParentCategories + i % kChildCategories);
        changes << SyncChanges::transaction(QStringLiteral("txn-%1").arg(i, 6, 10, QLatin1Char('0')), kAccount, category, -100 - i % 9000,
                                            QStringLiteral("Payee %1").arg(i % 700));
    }
    DataSet data;
    data.changes = int(changes.size());
    for (qsizetype start = 0; start < changes.size(); start += kBatch) {
        QJsonArray batch;
        std::vector<StoredRow> rows;
        for (qsizetype i = start; i < std::min<qsizetype>(start + kBatch, changes.size()); ++i) {
            const QJsonObject change = changes.at(i);
            batch.append(change);
            QJsonObject payload = change.value(QStringLiteral("payload")).toObject();
            payload.remove(QStringLiteral("client_id"));
            payload.remove(QStringLiteral("version"));
            StoredRow row;
            row.type = change.value(QStringLiteral("entity_type")).toString().toStdString();
            row.clientId = change.value(QStringLiteral("entity_id")).toString().toStdString();
            row.accountId = row.type == "category" ? std::string() : kAccount.toStdString();
            const QString ref = row.type == "category" ? payload.value(QStringLiteral("parent_id")).toString()
                                                       : payload.value(QStringLiteral("category_id")).toString();
            row.refs = ref.isEmpty() ? std::string() : " " + ref.toStdString() + " ";
            row.payload = QJsonDocument(payload).toJson(QJsonDocument::Compact).toStdString();
            rows.push_back(std::move(row));
        }
        data.pushBodies.push_back(QJsonDocument(QJsonObject{{QStringLiteral("changes"), batch}}).toJson(QJsonDocument::Compact).toStdString());
        data.batches.push_back(std::move(rows));
    }
    return data;
}

// A server on a fresh data directory, started here so its CPU time can be read.
class Server
{
public:
    bool start()
    {
        m_process.setProgram(ServerProcess::binary());
        m_process.setArguments({QStringLiteral("--data-dir"), m_dir.path(), QStringLiteral("--listen"), QStringLiteral("127.0.0.1"), QStringLiteral("--port"),
                                QStringLiteral("0")});
        m_process.setStandardErrorFile(QProcess::nullDevice());
        m_process.start();
        if (!m_process.waitForStarted(10000))
            return false;
        static const QRegularExpression listening(QStringLiteral("listening on [^\\s:]+:(\\d+)"));
        QByteArray output;
        while (m_process.waitForReadyRead(20000)) {
            output += m_process.readAllStandardOutput();
            const auto match = listening.match(QString::fromUtf8(output));
            if (match.hasMatch()) {
                m_port = match.captured(1).toInt();
                return true;
            }
        }
        return false;
    }

    ~Server()
    {
        m_process.terminate();
        if (!m_process.waitForFinished(15000))
            m_process.kill();
        m_process.waitForFinished(5000);
    }

    QString addUser(const QString &email) const
    {
        ServerProcess admin;
        admin.useDataDirectory(m_dir.path());
        return admin.addUser(email, kPassword);
    }

    int port() const { return m_port; }
    double cpuSeconds() const { return Bench::processCpuSeconds(m_process.processId()); }

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    int m_port = 0;
};

// Page sizes pulled: the program's, and the most the API gives.
constexpr int kPageSizes[] = {kPage, 500};

struct Measured
{
    Bench::Timing push;
    Bench::Timing pull[2]; // per page size
    Bench::Timing floor;   // as many GET /healthz as pages of the program's size
    bool complete = false;
};

// Our figure for one round: a fresh server, the pushes, a share, the pulls.
Measured measureServer(const DataSet &data)
{
    Measured measured;
    Server server;
    if (!server.start() || server.addUser(QStringLiteral("owner@example.org")).isEmpty() || server.addUser(QStringLiteral("member@example.org")).isEmpty()) {
        std::fprintf(stderr, "the server did not start\n");
        return measured;
    }
    const QString owner = BrowserSignIn::run(server.port(), QStringLiteral("owner@example.org"), kPassword).accessToken;
    const QString member = BrowserSignIn::run(server.port(), QStringLiteral("member@example.org"), kPassword).accessToken;
    // One connection kept alive, as the program's network access does.
    httplib::Client client("127.0.0.1", server.port());
    client.set_keep_alive(true);
    client.set_read_timeout(120, 0);
    const httplib::Headers ownerHeaders{{"Authorization", "Bearer " + owner.toStdString()}, {"Accept", "application/json"}};
    const httplib::Headers memberHeaders{{"Authorization", "Bearer " + member.toStdString()}, {"Accept", "application/json"}};

    std::vector<std::string> answers;
    answers.reserve(data.pushBodies.size());
    double serverCpu = server.cpuSeconds();
    {
        const Bench::Stopwatch watch;
        for (const std::string &body : data.pushBodies) {
            const auto result = client.Post("/quillby/v1/sync/push", ownerHeaders, body, "application/json");
            answers.push_back(result && result->status == 200 ? result->body : std::string());
        }
        measured.push = watch.elapsed();
    }
    measured.push.cpuMs += (server.cpuSeconds() - serverCpu) * 1e3;
    int accepted = 0;
    for (const std::string &answer : answers) {
        for (const QJsonValue &result : QJsonDocument::fromJson(QByteArray::fromStdString(answer)).object().value(QStringLiteral("results")).toArray())
            accepted += result.toObject().value(QStringLiteral("status")).toString() == QLatin1String("ok");
    }

    const std::string share = R"({"user_id":"member@example.org","email":"member@example.org","role":"member"})";
    const auto shared = client.Post(("/quillby/v1/accounts/" + kAccount.toStdString() + "/share").c_str(), ownerHeaders, share, "application/json");

    // Pulls everything from the start; the pages are kept for checking.
    const auto pullAll = [&](int pageSize, std::vector<std::string> &pages) {
        const double serverBefore = server.cpuSeconds();
        const Bench::Stopwatch watch;
        std::string cursor;
        for (int page = 0; page < 10000; ++page) {
            std::string path = "/quillby/v1/sync/pull?limit=" + std::to_string(pageSize);
            if (!cursor.empty())
                path += "&cursor=" + cursor; // base64url: nothing to escape
            const auto result = client.Get(path, memberHeaders);
            if (!result || result->status != 200)
                break;
            pages.push_back(result->body);
            const std::string &body = pages.back();
            const size_t at = body.rfind("\"cursor\":\"");
            cursor = at == std::string::npos ? std::string() : body.substr(at + 10, body.find('"', at + 10) - at - 10);
            if (body.find("\"has_more\":true", at) == std::string::npos)
                break;
        }
        Bench::Timing timing = watch.elapsed();
        timing.cpuMs += (server.cpuSeconds() - serverBefore) * 1e3;
        return timing;
    };
    bool pulledAll = true;
    size_t requests = 0;
    for (int size = 0; size < 2; ++size) {
        std::vector<std::string> pages;
        measured.pull[size] = pullAll(kPageSizes[size], pages);
        if (size == 0)
            requests = pages.size();
        std::set<QString> pulledTransactions;
        for (const std::string &page : pages) {
            for (const QJsonValue &row : QJsonDocument::fromJson(QByteArray::fromStdString(page)).object().value(QStringLiteral("transactions")).toArray())
                pulledTransactions.insert(row.toObject().value(QStringLiteral("client_id")).toString());
        }
        if (int(pulledTransactions.size()) != kTransactions) {
            std::fprintf(stderr, "pages of %d: %zu of %d transactions pulled\n", kPageSizes[size], pulledTransactions.size(), kTransactions);
            pulledAll = false;
        }
    }
    // What any request costs here, whatever it asks for.
    {
        const double serverBefore = server.cpuSeconds();
        const Bench::Stopwatch watch;
        for (size_t i = 0; i < requests; ++i)
            client.Get("/healthz", memberHeaders);
        measured.floor = watch.elapsed();
        measured.floor.cpuMs += (server.cpuSeconds() - serverBefore) * 1e3;
    }
    measured.complete = accepted == data.changes && shared && shared->status == 200 && pulledAll;
    if (accepted != data.changes)
        std::fprintf(stderr, "%d of %d changes accepted\n", accepted, data.changes);
    return measured;
}

bool exec(sqlite3 *db, const char *sql)
{
    char *message = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &message) != SQLITE_OK) {
        std::fprintf(stderr, "sqlite: %s\n", message ? message : "?");
        sqlite3_free(message);
        return false;
    }
    return true;
}

sqlite3_stmt *prepare(sqlite3 *db, const char *sql)
{
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) != SQLITE_OK)
        std::fprintf(stderr, "sqlite: %s\n", sqlite3_errmsg(db));
    return statement;
}

void bindText(sqlite3_stmt *statement, int index, const std::string &text)
{
    sqlite3_bind_text(statement, index, text.data(), int(text.size()), SQLITE_STATIC);
}

// The baseline for one round: a fresh file with the server's schema.
Measured measureRawSqlite(const DataSet &data)
{
    Measured measured;
    QTemporaryDir dir;
    sqlite3 *db = nullptr;
    if (sqlite3_open(QDir(dir.path()).filePath(QStringLiteral("raw.db")).toUtf8().constData(), &db) != SQLITE_OK)
        return measured;
    bool ok = exec(db, "PRAGMA journal_mode = WAL; PRAGMA synchronous = NORMAL; PRAGMA foreign_keys = ON;");
    for (const QString &name : QDir(QStringLiteral(QUILLBY_SERVER_MIGRATIONS)).entryList({QStringLiteral("*.sql")}, QDir::Files, QDir::Name)) {
        QFile file(QDir(QStringLiteral(QUILLBY_SERVER_MIGRATIONS)).filePath(name));
        ok = ok && file.open(QIODevice::ReadOnly) && exec(db, file.readAll().constData());
    }
    ok = ok && exec(db, "INSERT INTO users (id, email, password_hash, created_at) VALUES ('owner', 'o@example.org', 'x', 0), ('member', 'm@example.org', 'x', 0)");
    if (!ok) {
        sqlite3_close(db);
        return measured;
    }
    const std::string owner = "owner";
    const std::string account = kAccount.toStdString();

    sqlite3_stmt *ensureSequence = prepare(db, "INSERT INTO change_sequences (owner_id, last_seq) VALUES (?, 0) ON CONFLICT (owner_id) DO NOTHING");
    sqlite3_stmt *readSequence = prepare(db, "SELECT last_seq FROM change_sequences WHERE owner_id = ?");
    sqlite3_stmt *writeSequence = prepare(db, "UPDATE change_sequences SET last_seq = ? WHERE owner_id = ?");
    sqlite3_stmt *upsert = prepare(
        db, "INSERT INTO sync_rows (owner_id, entity_type, client_id, server_id, account_id, category_refs, version, seq, deleted, payload, updated_at) "
            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, 0, ?, ?) "
            "ON CONFLICT (owner_id, entity_type, client_id) DO UPDATE SET "
            "account_id = excluded.account_id, category_refs = excluded.category_refs, "
            "version = CASE WHEN sync_rows.version + 1 > excluded.version THEN sync_rows.version + 1 ELSE excluded.version END, "
            "seq = excluded.seq, deleted = excluded.deleted, payload = excluded.payload, updated_at = excluded.updated_at "
            "RETURNING server_id, version");
    sqlite3_stmt *noteRef = prepare(db, "INSERT INTO sync_account_refs (owner_id, account_id, category_id) VALUES (?, ?, ?) ON CONFLICT DO NOTHING");
    {
        const Bench::Stopwatch watch;
        std::string serverId;
        for (const std::vector<StoredRow> &batch : data.batches) {
            exec(db, "BEGIN IMMEDIATE");
            bindText(ensureSequence, 1, owner);
            sqlite3_step(ensureSequence);
            sqlite3_reset(ensureSequence);
            bindText(readSequence, 1, owner);
            sqlite3_step(readSequence);
            qint64 seq = sqlite3_column_int64(readSequence, 0);
            sqlite3_reset(readSequence);
            std::set<std::string> refs;
            for (const StoredRow &row : batch) {
                serverId = QUuid::createUuid().toString(QUuid::WithoutBraces).toStdString();
                bindText(upsert, 1, owner);
                bindText(upsert, 2, row.type);
                bindText(upsert, 3, row.clientId);
                bindText(upsert, 4, serverId);
                bindText(upsert, 5, row.accountId);
                bindText(upsert, 6, row.refs);
                sqlite3_bind_int64(upsert, 7, row.version);
                sqlite3_bind_int64(upsert, 8, ++seq);
                bindText(upsert, 9, row.payload);
                sqlite3_bind_int64(upsert, 10, 1800000000);
                ok = ok && sqlite3_step(upsert) == SQLITE_ROW;
                sqlite3_reset(upsert);
                if (row.type == "transaction" && !row.refs.empty())
                    refs.insert(row.refs.substr(1, row.refs.size() - 2));
            }
            for (const std::string &category : refs) {
                bindText(noteRef, 1, owner);
                bindText(noteRef, 2, account);
                bindText(noteRef, 3, category);
                sqlite3_step(noteRef);
                sqlite3_reset(noteRef);
            }
            sqlite3_bind_int64(writeSequence, 1, seq);
            bindText(writeSequence, 2, owner);
            sqlite3_step(writeSequence);
            sqlite3_reset(writeSequence);
            ok = ok && exec(db, "COMMIT");
        }
        measured.push = watch.elapsed();
    }

    const char *columns = "entity_type, client_id, server_id, account_id, category_refs, version, seq, deleted, payload";
    sqlite3_stmt *page = prepare(db, (std::string("SELECT ") + columns
                                      + " FROM sync_rows WHERE owner_id = ? AND account_id = ? AND seq > ? AND seq <= ? ORDER BY seq LIMIT ?")
                                         .c_str());
    sqlite3_stmt *pageCategories = prepare(db, (std::string("SELECT ") + columns
                                                + " FROM sync_rows r WHERE r.owner_id = ? AND r.entity_type = 'category' AND r.seq > ? AND r.seq <= ? "
                                                  "AND EXISTS (SELECT 1 FROM sync_account_refs f WHERE f.owner_id = r.owner_id AND f.account_id = ? "
                                                  "AND f.category_id = r.client_id) ORDER BY r.seq LIMIT ?")
                                                   .c_str());
    for (int size = 0; size < 2; ++size) {
        const int pageSize = kPageSizes[size];
        int transactions = 0;
        const Bench::Stopwatch watch;
        qint64 after = 0;
        std::string out;
        // Reads a page's rows as the server does (one beyond the page, to
        // know whether more follow); returns how many there were.
        const auto readInto = [&](sqlite3_stmt *statement, qint64 &lastTaken) {
            int rows = 0;
            while (sqlite3_step(statement) == SQLITE_ROW) {
                for (int column = 0; column < 9; ++column) {
                    if (column == 5 || column == 6 || column == 7)
                        out += std::to_string(sqlite3_column_int64(statement, column));
                    else
                        out.append(reinterpret_cast<const char *>(sqlite3_column_text(statement, column)), size_t(sqlite3_column_bytes(statement, column)));
                }
                if (rows < pageSize) {
                    lastTaken = sqlite3_column_int64(statement, 6);
                    transactions += std::string_view(reinterpret_cast<const char *>(sqlite3_column_text(statement, 0))) == "transaction";
                }
                ++rows;
            }
            sqlite3_reset(statement);
            return rows;
        };
        for (;;) {
            out.clear();
            bindText(page, 1, owner);
            bindText(page, 2, account);
            sqlite3_bind_int64(page, 3, after);
            sqlite3_bind_int64(page, 4, std::numeric_limits<qint64>::max());
            sqlite3_bind_int64(page, 5, pageSize + 1);
            bindText(pageCategories, 1, owner);
            sqlite3_bind_int64(pageCategories, 2, after);
            sqlite3_bind_int64(pageCategories, 3, std::numeric_limits<qint64>::max());
            bindText(pageCategories, 4, account);
            sqlite3_bind_int64(pageCategories, 5, pageSize + 1);
            qint64 lastTaken = after;
            const int rows = readInto(page, lastTaken);
            qint64 ignored = 0;
            const int savedTransactions = transactions;
            readInto(pageCategories, ignored);
            transactions = savedTransactions;
            if (rows <= pageSize)
                break;
            after = lastTaken;
        }
        measured.pull[size] = watch.elapsed();
        ok = ok && transactions == kTransactions;
    }
    for (sqlite3_stmt *statement : {ensureSequence, readSequence, writeSequence, upsert, noteRef, page, pageCategories})
        sqlite3_finalize(statement);
    sqlite3_close(db);
    measured.complete = ok;
    return measured;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    std::printf("building %d changes ...\n", kTransactions + 1 + kParentCategories + kChildCategories);
    std::fflush(stdout);
    const DataSet data = buildDataSet();

    std::vector<Bench::Timing> oursPush, rawPush, floor;
    std::vector<Bench::Timing> oursPull[2], rawPull[2];
    bool complete = true;
    for (int round = 0; round < kRounds; ++round) {
        const Measured ours = measureServer(data);
        const Measured raw = measureRawSqlite(data);
        complete = complete && ours.complete && raw.complete;
        oursPush.push_back(ours.push);
        rawPush.push_back(raw.push);
        floor.push_back(ours.floor);
        for (int size = 0; size < 2; ++size) {
            oursPull[size].push_back(ours.pull[size]);
            rawPull[size].push_back(raw.pull[size]);
        }
        std::printf("round %d: push %.0f ms CPU (raw %.0f), pull %.0f ms CPU (raw %.0f), pull by 500 %.0f ms CPU (raw %.0f)\n", round + 1, ours.push.cpuMs,
                    raw.push.cpuMs, ours.pull[0].cpuMs, raw.pull[0].cpuMs, ours.pull[1].cpuMs, raw.pull[1].cpuMs);
        std::fflush(stdout);
    }
    const bool pushOk = Bench::report("push: 100,060 changes in batches of 500 over HTTP (server + client CPU) vs raw SQLite upserts, one transaction per 500",
                                      {Bench::median(oursPush), Bench::median(rawPush)}, kGoal);
    const bool pullOk = Bench::report("pull: a member pulls the shared account in pages of 200 over HTTP (server + client CPU) vs raw SQLite page queries",
                                      {Bench::median(oursPull[0]), Bench::median(rawPull[0])}, kGoal);
    Bench::report("pull in pages of 500, the API's largest (for comparison)", {Bench::median(oursPull[1]), Bench::median(rawPull[1])}, kGoal);
    const Bench::Timing floorTiming = Bench::median(floor);
    std::printf("request floor: as many GET /healthz as pages of 200: %.1f ms CPU %.1f ms wall (in every pull page above)\n", floorTiming.cpuMs,
                floorTiming.wallMs);
    std::printf("goals: push %s, pull %s\n", pushOk ? "met" : "MISSED", pullOk ? "met" : "MISSED");
    if (!complete) {
        std::printf("FAILED: not every row was stored or delivered\n");
        return 1;
    }
    return 0;
}
