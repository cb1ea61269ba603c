#pragma once

#include "authenticator.h"
#include "serverconfig.h"
#include "sessionstore.h"
#include "storage.h"
#include "tokenservice.h"
#include "userstore.h"

namespace httplib {
class Server;
} // namespace httplib

// What every group of routes works with; one per server process.
struct ServiceContext
{
    ServiceContext(const ServerConfig &serverConfig, Storage &serverStorage, QByteArray secret)
        : config(serverConfig)
        , storage(serverStorage)
        , tokens(std::move(secret))
        , users(serverStorage)
        , sessions(serverStorage, tokens)
        , auth(tokens, sessions)
    {
    }

    const ServerConfig &config;
    Storage &storage;
    TokenService tokens;
    UserStore users;
    SessionStore sessions;
    Authenticator auth;

    // "/api/v1/realms/{realm}"
    std::string realmApiPath() const { return "/api/v1/realms/" + config.realm.toStdString(); }
};

// A set of routes (one service or part of one) installed on the server.
class RouteGroup
{
public:
    virtual ~RouteGroup() = default;
    virtual void install(httplib::Server &server) = 0;
};
