// Load on quillby-server: 1, 10 and 50 clients, each pushing and pulling in
// a loop, against one server on SQLite and two servers on one PostgreSQL
// database. Prints requests per second, p50 and p99 latency and errors, then
// checks that every pushed row comes back exactly once.
//
//   bench_server_load [seconds per run, default 30]

#include "apitestclient.h"
#include "postgrescluster.h"
#include "serverprocess.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUuid>

#include <httplib.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int RowsPerPush = 20;

struct Identity
{
    QString accessToken;
    QString accountId;
};

struct ClientResult
{
    std::vector<double> latenciesMs;
    int errors = 0;
    std::set<std::string> pushedIds;
};

QString uuid()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

QJsonObject accountChange(const QString &id)
{
    const QString now = QStringLiteral("2026-12-10T12:00:00Z");
    return {{QStringLiteral("entity_type"), QStringLiteral("account")}, {QStringLiteral("entity_id"), id}, {QStringLiteral("action"), QStringLiteral("upsert")},
            {QStringLiteral("version"), 1},
            {QStringLiteral("payload"),
             QJsonObject{{QStringLiteral("client_id"), id}, {QStringLiteral("name"), QStringLiteral("Load")}, {QStringLiteral("account_type"), QStringLiteral("checking")},
                         {QStringLiteral("currency"), QStringLiteral("USD")}, {QStringLiteral("is_shared"), false}, {QStringLiteral("institution"), QString()},
                         {QStringLiteral("account_number_last4"), QString()}, {QStringLiteral("starting_balance"), 0}, {QStringLiteral("sort_order"), 0},
                         {QStringLiteral("version"), 1}, {QStringLiteral("created_at"), now}, {QStringLiteral("updated_at"), now}}}};
}

QJsonObject transactionChange(const QString &id, const QString &accountId, int n)
{
    const QString now = QStringLiteral("2026-12-10T12:00:00Z");
    return {{QStringLiteral("entity_type"), QStringLiteral("transaction")}, {QStringLiteral("entity_id"), id}, {QStringLiteral("action"), QStringLiteral("upsert")},
            {QStringLiteral("version"), 1},
            {QStringLiteral("payload"),
             QJsonObject{{QStringLiteral("client_id"), id}, {QStringLiteral("account_id"), accountId}, {QStringLiteral("date"), QStringLiteral("2026-12-01")},
                         {QStringLiteral("payee"), QStringLiteral("Payee %1").arg(n % 97)}, {QStringLiteral("memo"), QString()}, {QStringLiteral("amount"), -100 - n},
                         {QStringLiteral("category_id"), QString()}, {QStringLiteral("check_number"), QString()}, {QStringLiteral("cleared"), false},
                         {QStringLiteral("reconciled"), false}, {QStringLiteral("transfer_link_id"), QString()}, {QStringLiteral("transfer_dest_account_id"), QString()},
                         {QStringLiteral("is_split"), false}, {QStringLiteral("recurring_id"), QString()}, {QStringLiteral("version"), 1},
                         {QStringLiteral("created_at"), now}, {QStringLiteral("updated_at"), now}}}};
}

std::string compact(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString();
}

httplib::Headers headersFor(const Identity &identity)
{
    return {{"Authorization", "Bearer " + identity.accessToken.toStdString()}, {"Accept", "application/json"}};
}

// One client's loop: push a batch, then pull until nothing more, until the deadline.
ClientResult runClient(const std::vector<int> &ports, const Identity &identity, Clock::time_point deadline)
{
    ClientResult result;
    std::vector<std::unique_ptr<httplib::Client>> clients;
    for (int port : ports) {
        auto client = std::make_unique<httplib::Client>("127.0.0.1", port);
        client->set_keep_alive(true);
        client->set_read_timeout(60, 0);
        clients.push_back(std::move(client));
    }
    std::string cursor;
    size_t turn = 0;
    int n = 0;
    auto timed = [&](auto &&request) {
        httplib::Client &client = *clients[turn++ % clients.size()];
        const auto start = Clock::now();
        auto response = request(client);
        result.latenciesMs.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        if (!response || response->status < 200 || response->status > 299)
            ++result.errors;
        return response;
    };
    while (Clock::now() < deadline) {
        QJsonArray changes;
        std::vector<std::string> batch;
        for (int i = 0; i < RowsPerPush; ++i) {
            const QString id = uuid();
            changes.append(transactionChange(id, identity.accountId, ++n));
            batch.push_back(id.toStdString());
        }
        const std::string body = compact({{QStringLiteral("changes"), changes}});
        auto pushed = timed([&](httplib::Client &client) { return client.Post("/quillby/v1/sync/push", headersFor(identity), body, "application/json"); });
        if (pushed && pushed->status == 200) {
            const QJsonArray results = QJsonDocument::fromJson(QByteArray::fromStdString(pushed->body)).object().value(QStringLiteral("results")).toArray();
            for (const QJsonValue &value : results) {
                if (value.toObject().value(QStringLiteral("status")).toString() == QLatin1String("ok"))
                    result.pushedIds.insert(value.toObject().value(QStringLiteral("entity_id")).toString().toStdString());
            }
        }
        bool more = true;
        while (more && Clock::now() < deadline) {
            const std::string path = "/quillby/v1/sync/pull?limit=200" + (cursor.empty() ? std::string() : "&cursor=" + cursor);
            auto pulled = timed([&](httplib::Client &client) { return client.Get(path, headersFor(identity)); });
            if (!pulled || pulled->status != 200)
                break;
            const QJsonObject page = QJsonDocument::fromJson(QByteArray::fromStdString(pulled->body)).object();
            const std::string next = page.value(QStringLiteral("cursor")).toString().toStdString();
            if (!next.empty())
                cursor = httplib::detail::encode_query_param(next);
            more = page.value(QStringLiteral("has_more")).toBool();
        }
    }
    return result;
}

// Every transaction the user's data set holds, read from the start.
std::vector<std::string> pullEverything(int port, const Identity &identity)
{
    httplib::Client client("127.0.0.1", port);
    client.set_read_timeout(120, 0);
    std::vector<std::string> ids;
    std::string cursor;
    for (int page = 0; page < 100000; ++page) {
        const std::string path = "/quillby/v1/sync/pull?limit=500" + (cursor.empty() ? std::string() : "&cursor=" + cursor);
        auto response = client.Get(path, headersFor(identity));
        if (!response || response->status != 200) {
            std::fprintf(stderr, "verification pull failed\n");
            break;
        }
        const QJsonObject body = QJsonDocument::fromJson(QByteArray::fromStdString(response->body)).object();
        for (const QJsonValue &row : body.value(QStringLiteral("transactions")).toArray())
            ids.push_back(row.toObject().value(QStringLiteral("client_id")).toString().toStdString());
        cursor = httplib::detail::encode_query_param(body.value(QStringLiteral("cursor")).toString().toStdString());
        if (!body.value(QStringLiteral("has_more")).toBool())
            break;
    }
    return ids;
}

std::vector<Identity> makeUsers(ServerProcess &server, int count, const QString &prefix)
{
    std::vector<Identity> users;
    for (int i = 0; i < count; ++i) {
        const QString email = QStringLiteral("%1-%2@load.example").arg(prefix).arg(i);
        if (server.addUser(email, QStringLiteral("load-password")).isEmpty())
            qFatal("cannot add a user");
        const auto signIn = BrowserSignIn::run(server.port(), email, QStringLiteral("load-password"));
        if (signIn.status != 303)
            qFatal("cannot sign in");
        Identity identity{signIn.accessToken, uuid()};
        httplib::Client client("127.0.0.1", server.port());
        const std::string body = compact({{QStringLiteral("changes"), QJsonArray{accountChange(identity.accountId)}}});
        auto response = client.Post("/quillby/v1/sync/push", headersFor(identity), body, "application/json");
        if (!response || response->status != 200)
            qFatal("cannot push the account (is the sync API built?)");
        users.push_back(identity);
    }
    return users;
}

struct RunFigures
{
    double requestsPerSecond = 0;
};

RunFigures runLoad(const char *setup, std::vector<ServerProcess *> servers, int clients, int seconds, int &runNumber)
{
    ServerProcess &first = *servers.front();
    const std::vector<Identity> users = makeUsers(first, clients, QStringLiteral("run%1").arg(++runNumber));
    std::vector<int> ports;
    for (ServerProcess *server : servers)
        ports.push_back(server->port());
    const auto deadline = Clock::now() + std::chrono::seconds(seconds);
    std::vector<ClientResult> results(static_cast<size_t>(clients));
    std::vector<std::thread> threads;
    const auto start = Clock::now();
    for (int i = 0; i < clients; ++i) {
        // Clients start on different servers so both carry load.
        std::vector<int> order = ports;
        std::rotate(order.begin(), order.begin() + (i % int(order.size())), order.end());
        threads.emplace_back([&, i, order] { results[size_t(i)] = runClient(order, users[size_t(i)], deadline); });
    }
    for (auto &thread : threads)
        thread.join();
    const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();

    std::vector<double> latencies;
    int errors = 0;
    long lost = 0;
    long duplicated = 0;
    for (int i = 0; i < clients; ++i) {
        const ClientResult &result = results[size_t(i)];
        latencies.insert(latencies.end(), result.latenciesMs.begin(), result.latenciesMs.end());
        errors += result.errors;
        const std::vector<std::string> stored = pullEverything(ports.back(), users[size_t(i)]);
        const std::set<std::string> unique(stored.begin(), stored.end());
        duplicated += long(stored.size() - unique.size());
        for (const std::string &id : result.pushedIds)
            lost += unique.count(id) ? 0 : 1;
    }
    std::sort(latencies.begin(), latencies.end());
    auto percentile = [&](double p) { return latencies.empty() ? 0.0 : latencies[std::min(latencies.size() - 1, size_t(p * double(latencies.size())))]; };
    RunFigures figures{double(latencies.size()) / elapsed};
    std::printf("%-22s clients=%3d  requests=%7zu  rps=%8.1f  p50=%7.2f ms  p99=%8.2f ms  errors=%d  lost=%ld  duplicated=%ld\n", setup, clients,
                latencies.size(), figures.requestsPerSecond, percentile(0.50), percentile(0.99), errors, lost, duplicated);
    std::fflush(stdout);
    return figures;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;
    int runNumber = 0;
    std::printf("Push %d transactions then pull, in a loop, %d s per run (2 cores shared by clients and servers)\n", RowsPerPush, seconds);

    {
        ServerProcess server;
        server.setExtraArguments({QStringLiteral("--threads"), QStringLiteral("64")});
        QString error;
        if (!server.start(&error))
            qFatal("%s", qPrintable(error));
        double at10 = 0;
        for (int clients : {1, 10, 50}) {
            const RunFigures figures = runLoad("sqlite, 1 server", {&server}, clients, seconds, runNumber);
            if (clients == 10)
                at10 = figures.requestsPerSecond;
            else if (clients == 50)
                std::printf("  throughput at 50 vs 10 clients: %.2f (goal >= 1.0)\n", figures.requestsPerSecond / at10);
        }
    }

    PostgresCluster cluster;
    QString reason;
    if (!cluster.start(reason)) {
        std::printf("PostgreSQL runs skipped: %s\n", qPrintable(reason));
        return 0;
    }
    ServerProcess first;
    ServerProcess second;
    for (ServerProcess *server : {&first, &second}) {
        server->setDatabaseUrl(cluster.databaseUrl());
        server->setExtraArguments({QStringLiteral("--threads"), QStringLiteral("64")});
    }
    second.useDataDirectory(first.dataDirectory());
    QString error;
    if (!first.start(&error) || !second.start(&error))
        qFatal("%s", qPrintable(error));
    double at10 = 0;
    for (int clients : {1, 10, 50}) {
        const RunFigures figures = runLoad("postgresql, 2 servers", {&first, &second}, clients, seconds, runNumber);
        if (clients == 10)
            at10 = figures.requestsPerSecond;
        else if (clients == 50)
            std::printf("  throughput at 50 vs 10 clients: %.2f (goal >= 1.0)\n", figures.requestsPerSecond / at10);
    }
    return 0;
}
