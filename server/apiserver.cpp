#include "apiserver.h"

#include "httpjson.h"
#include "serverconfig.h"
#include "serverlog.h"
#include "servicecontext.h"

#include <QElapsedTimer>
#include <QFile>

#include <httplib.h>

#include <chrono>

namespace {

// The time a request arrived, kept per worker thread for the log line.
thread_local std::chrono::steady_clock::time_point requestStart;

QString statusText(int status)
{
    switch (status) {
    case 400: return QStringLiteral("The request is malformed.");
    case 401: return QStringLiteral("Sign in again.");
    case 403: return QStringLiteral("Not allowed.");
    case 404: return QStringLiteral("Not found.");
    case 405: return QStringLiteral("Method not allowed.");
    case 413: return QStringLiteral("The request is too large.");
    case 414: return QStringLiteral("The address is too long.");
    default: return status >= 500 ? QStringLiteral("The server failed.") : QStringLiteral("The request was refused.");
    }
}

} // namespace

ApiServer::ApiServer(const ServerConfig &config)
    : m_config(config)
{
    if (!config.tlsCertificate.isEmpty()) {
        m_server = std::make_unique<httplib::SSLServer>(QFile::encodeName(config.tlsCertificate).constData(),
                                                        QFile::encodeName(config.tlsKey).constData());
    } else {
        m_server = std::make_unique<httplib::Server>();
    }
    const int threads = config.workerThreads;
    m_server->new_task_queue = [threads] { return new httplib::ThreadPool(size_t(threads)); };
    m_server->set_payload_max_length(MaxBodyBytes);
    m_server->set_read_timeout(ReadTimeoutSeconds, 0);
    m_server->set_write_timeout(ReadTimeoutSeconds, 0);
    m_server->set_keep_alive_max_count(1000);
    m_server->set_keep_alive_timeout(10);
    // Answers are small and clients keep the connection: without this, Nagle
    // holds the last segment of each answer until the client's delayed ACK.
    m_server->set_tcp_nodelay(true);
    installCommonHandlers();
}

ApiServer::~ApiServer() = default;

void ApiServer::add(std::unique_ptr<RouteGroup> group)
{
    group->install(*m_server);
    m_groups.push_back(std::move(group));
}

void ApiServer::installCommonHandlers()
{
    m_server->Get("/healthz", [](const httplib::Request &, httplib::Response &response) {
        HttpJson::send(response, 200, {{QStringLiteral("status"), QStringLiteral("ok")}});
    });
    m_server->set_pre_routing_handler([](const httplib::Request &, httplib::Response &) {
        requestStart = std::chrono::steady_clock::now();
        return httplib::Server::HandlerResponse::Unhandled;
    });
    // Errors without a body of their own get the JSON error object every
    // client reads.
    m_server->set_error_handler([](const httplib::Request &, httplib::Response &response) {
        if (response.body.empty())
            HttpJson::sendError(response, response.status, statusText(response.status));
    });
    m_server->set_exception_handler([](const httplib::Request &, httplib::Response &response, std::exception_ptr) {
        ServerLog::error(QStringLiteral("handler_exception"));
        HttpJson::sendError(response, 500, statusText(500));
    });
    // The path only: queries may carry sign-in parameters.
    m_server->set_logger([](const httplib::Request &request, const httplib::Response &response) {
        const auto elapsed = std::chrono::steady_clock::now() - requestStart;
        ServerLog::info(QStringLiteral("request"),
                        {{QStringLiteral("method"), QString::fromStdString(request.method)},
                         {QStringLiteral("path"), QString::fromStdString(request.path).left(200)},
                         {QStringLiteral("status"), response.status},
                         {QStringLiteral("ms"), double(std::chrono::duration_cast<std::chrono::microseconds>(elapsed).count()) / 1000.0}});
    });
}

int ApiServer::bind(QString &error)
{
    if (!m_server->is_valid()) {
        error = QStringLiteral("The TLS certificate or key cannot be used.");
        return -1;
    }
    const std::string host = m_config.listenAddress.toStdString();
    int port = -1;
    if (m_config.port == 0)
        port = m_server->bind_to_any_port(host);
    else if (m_server->bind_to_port(host, m_config.port))
        port = m_config.port;
    if (port <= 0) {
        error = QStringLiteral("Cannot listen on %1:%2").arg(m_config.listenAddress).arg(m_config.port);
        return -1;
    }
    return port;
}

bool ApiServer::run()
{
    return m_server->listen_after_bind();
}

void ApiServer::stop()
{
    m_server->stop();
}
