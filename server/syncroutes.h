#pragma once

#include "servicecontext.h"

struct AuthContext;

// The sync API: POST /sync/push stores up to 500 changes in one
// transaction and answers one result per change; GET /sync/pull answers
// the next page after an opaque cursor. Both note the time on the device
// bound to the caller's session.
class SyncRoutes : public RouteGroup
{
public:
    static constexpr int MaxChanges = 500;
    static constexpr int DefaultLimit = 200;
    static constexpr int MaxLimit = 500;

    explicit SyncRoutes(ServiceContext &context);
    void install(httplib::Server &server) override;

private:
    void push(const httplib::Request &request, httplib::Response &response, const AuthContext &caller);
    void pull(const httplib::Request &request, httplib::Response &response, const AuthContext &caller);

    ServiceContext &m_context;
};
