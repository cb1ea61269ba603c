#pragma once

#include <QString>

#include <memory>
#include <vector>

namespace httplib {
class Server;
} // namespace httplib

struct ServerConfig;
class RouteGroup;

// The HTTP side: a pool of worker threads, bounded request bodies and time
// limits, a log line per request, /healthz, and the route groups of the
// services. stop() lets the requests under way finish.
class ApiServer
{
public:
    static constexpr size_t MaxBodyBytes = 8 * 1024 * 1024;
    static constexpr int ReadTimeoutSeconds = 30;

    explicit ApiServer(const ServerConfig &config);
    ~ApiServer();

    void add(std::unique_ptr<RouteGroup> group);

    // Binds the listening socket; returns the port (the configured one, or
    // the one picked for port 0), or -1 with the reason in `error`.
    int bind(QString &error);
    // Serves until stop(); returns when the last request has finished.
    bool run();
    // Safe from another thread.
    void stop();

private:
    void installCommonHandlers();

    const ServerConfig &m_config;
    std::unique_ptr<httplib::Server> m_server;
    std::vector<std::unique_ptr<RouteGroup>> m_groups;
};
