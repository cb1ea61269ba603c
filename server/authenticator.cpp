#include "authenticator.h"

#include "httpjson.h"
#include "sessionstore.h"
#include "storage.h"
#include "tokenservice.h"

#include <httplib.h>

Authenticator::Authenticator(const TokenService &tokens, SessionStore &sessions)
    : m_tokens(tokens)
    , m_sessions(sessions)
{
}

std::optional<AuthContext> Authenticator::authenticate(const httplib::Request &request)
{
    const std::string header = request.get_header_value("Authorization");
    static const std::string prefix = "Bearer ";
    if (header.size() <= prefix.size() || header.compare(0, prefix.size(), prefix) != 0)
        return std::nullopt;
    const auto claims = m_tokens.verifyAccessToken(QString::fromStdString(header.substr(prefix.size())), Storage::now());
    if (!claims || !m_sessions.isLive(claims->sessionId, claims->userId))
        return std::nullopt;
    return AuthContext{claims->userId, claims->sessionId, claims->groupId, claims->role};
}

Authenticator::PlainHandler Authenticator::guard(Handler handler)
{
    return [this, handler = std::move(handler)](const httplib::Request &request, httplib::Response &response) {
        const auto context = authenticate(request);
        if (!context) {
            response.set_header("WWW-Authenticate", "Bearer");
            HttpJson::sendError(response, 401, QStringLiteral("Sign in again."));
            return;
        }
        handler(request, response, *context);
    };
}
