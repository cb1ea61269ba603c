#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace httplib {
struct Request;
struct Response;
} // namespace httplib

class SessionStore;
class TokenService;

// Who is calling: read from a valid bearer token of a live session.
struct AuthContext
{
    QString userId;
    QString sessionId;
    QString groupId;
    QString role;
};

// Guards the authenticated APIs: a missing, malformed, forged or expired
// token, or one whose session was revoked, answers 401.
class Authenticator
{
public:
    using Handler = std::function<void(const httplib::Request &, httplib::Response &, const AuthContext &)>;
    using PlainHandler = std::function<void(const httplib::Request &, httplib::Response &)>;

    Authenticator(const TokenService &tokens, SessionStore &sessions);

    std::optional<AuthContext> authenticate(const httplib::Request &request);

    // A route handler that runs `handler` only for an authenticated caller.
    PlainHandler guard(Handler handler);

private:
    const TokenService &m_tokens;
    SessionStore &m_sessions;
};
