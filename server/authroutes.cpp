#include "authroutes.h"

#include "httpjson.h"
#include "loginthrottle.h"
#include "passwordhasher.h"
#include "serverlog.h"
#include "writetransaction.h"

#include <QJsonArray>

#include <httplib.h>

namespace {

// Long enough for any token or password this server accepts; anything longer
// is refused before it is hashed.
constexpr int MaxTokenLength = 512;
constexpr int MaxPasswordLength = 4096;

// A string member of the body, or 400 with the reason when it is missing,
// not a string or longer than `maxLength`.
std::optional<QString> stringField(const QJsonObject &body, const QString &key, int maxLength, httplib::Response &response)
{
    const QJsonValue value = body.value(key);
    if (!value.isString()) {
        HttpJson::sendError(response, 400, QStringLiteral("\"%1\" must be given as a string.").arg(key));
        return std::nullopt;
    }
    const QString text = value.toString();
    if (text.size() > maxLength) {
        HttpJson::sendError(response, 400, QStringLiteral("\"%1\" is too long.").arg(key));
        return std::nullopt;
    }
    return text;
}

void sendOk(httplib::Response &response)
{
    HttpJson::send(response, 200, {});
}

void sendUnavailable(httplib::Response &response)
{
    HttpJson::sendError(response, 503, QStringLiteral("The service is not available right now. Please try again."));
}

} // namespace

AuthRoutes::AuthRoutes(ServiceContext &context)
    : m_context(context)
{
}

void AuthRoutes::install(httplib::Server &server)
{
    const std::string base = m_context.realmApiPath();
    Authenticator &auth = m_context.auth;
    const auto bind = [this](void (AuthRoutes::*method)(const httplib::Request &, httplib::Response &, const AuthContext &)) {
        return [this, method](const httplib::Request &request, httplib::Response &response, const AuthContext &caller) {
            (this->*method)(request, response, caller);
        };
    };
    server.Post(base + "/auth/token/refresh", [this](const httplib::Request &request, httplib::Response &response) { refresh(request, response); });
    server.Post(base + "/auth/logout", auth.guard(bind(&AuthRoutes::logout)));
    server.Get(base + "/users/me", auth.guard(bind(&AuthRoutes::showUser)));
    server.Patch(base + "/users/me", auth.guard(bind(&AuthRoutes::updateUser)));
    server.Post(base + "/users/me/password", auth.guard(bind(&AuthRoutes::changePassword)));
    server.Get(base + "/users/me/sessions", auth.guard(bind(&AuthRoutes::listSessions)));
    server.Delete(base + R"(/users/me/sessions/([^/]+))", auth.guard(bind(&AuthRoutes::revokeSession)));
}

void AuthRoutes::refresh(const httplib::Request &request, httplib::Response &response)
{
    response.set_header("Cache-Control", "no-store");
    const auto body = HttpJson::readObject(request, response);
    if (!body)
        return;
    const auto token = stringField(*body, QStringLiteral("refresh_token"), MaxTokenLength, response);
    if (!token)
        return;
    if (token->isEmpty()) {
        HttpJson::sendError(response, 400, QStringLiteral("\"refresh_token\" is empty."));
        return;
    }
    TokenPair tokens;
    switch (m_context.sessions.rotate(*token, tokens)) {
    case SessionStore::RefreshOutcome::Rotated:
        HttpJson::send(response, 200, {{QStringLiteral("access_token"), tokens.accessToken}, {QStringLiteral("refresh_token"), tokens.refreshToken}});
        return;
    case SessionStore::RefreshOutcome::Reused:
        // Either the token was copied or the client lost an answer; both end
        // the session, and the user signs in again.
        ServerLog::warning(QStringLiteral("refresh_token_reused"));
        [[fallthrough]];
    case SessionStore::RefreshOutcome::Refused:
        HttpJson::sendError(response, 401, QStringLiteral("The sign-in has ended. Sign in again."));
        return;
    case SessionStore::RefreshOutcome::Unavailable:
        sendUnavailable(response);
        return;
    }
}

void AuthRoutes::logout(const httplib::Request &, httplib::Response &response, const AuthContext &caller)
{
    if (!m_context.sessions.revoke(caller.sessionId, caller.userId).has_value()) {
        sendUnavailable(response);
        return;
    }
    ServerLog::info(QStringLiteral("logout"), {{QStringLiteral("user"), caller.userId}});
    sendOk(response);
}

void AuthRoutes::showUser(const httplib::Request &, httplib::Response &response, const AuthContext &caller)
{
    const auto user = m_context.users.findById(caller.userId);
    if (!user) {
        sendUnavailable(response);
        return;
    }
    HttpJson::send(response, 200, user->toJson());
}

void AuthRoutes::updateUser(const httplib::Request &request, httplib::Response &response, const AuthContext &caller)
{
    const auto body = HttpJson::readObject(request, response);
    if (!body)
        return;
    // Generous before trimming; the real limit is checked on the trimmed name.
    const auto given = stringField(*body, QStringLiteral("display_name"), 4 * UserStore::MaxDisplayNameLength, response);
    if (!given)
        return;
    const QString displayName = given->trimmed();
    if (const QString problem = UserStore::displayNameProblem(displayName); !problem.isEmpty()) {
        HttpJson::sendError(response, 400, problem);
        return;
    }
    if (!m_context.users.setDisplayName(caller.userId, displayName)) {
        sendUnavailable(response);
        return;
    }
    showUser(request, response, caller);
}

void AuthRoutes::changePassword(const httplib::Request &request, httplib::Response &response, const AuthContext &caller)
{
    const auto body = HttpJson::readObject(request, response);
    if (!body)
        return;
    const auto current = stringField(*body, QStringLiteral("current_password"), MaxPasswordLength, response);
    if (!current)
        return;
    const auto chosen = stringField(*body, QStringLiteral("new_password"), MaxPasswordLength, response);
    if (!chosen)
        return;
    if (const QString weakness = PasswordHasher::weakness(*chosen); !weakness.isEmpty()) {
        HttpJson::sendError(response, 400, weakness);
        return;
    }
    const auto user = m_context.users.findById(caller.userId);
    if (!user) {
        sendUnavailable(response);
        return;
    }
    // A stolen access token must not become a way to guess the password:
    // wrong current passwords count like failed sign-ins.
    LoginThrottle throttle(m_context.storage);
    const QString clientAddress = QString::fromStdString(request.remote_addr);
    const qint64 now = Storage::now();
    if (const qint64 locked = throttle.lockedFor(user->email, clientAddress, now); locked > 0) {
        response.set_header("Retry-After", std::to_string(locked));
        HttpJson::sendError(response, 429, LoginThrottle::lockedMessage(locked));
        return;
    }
    if (!PasswordHasher::verify(*current, user->passwordHash)) {
        throttle.recordFailure(user->email, clientAddress, now);
        HttpJson::sendError(response, 403, QStringLiteral("The current password is wrong."));
        return;
    }
    throttle.recordSuccess(user->email);
    const QString hash = PasswordHasher::hash(*chosen);
    if (hash.isEmpty()) {
        sendUnavailable(response);
        return;
    }
    // The new password and the end of every other sign-in go together: a
    // thief's session must not outlive the change.
    QSqlDatabase db = m_context.storage.connection();
    WriteTransaction transaction(m_context.storage, db);
    if (!transaction.isOpen() || !m_context.users.setPasswordHash(caller.userId, hash)
        || !m_context.sessions.revokeOthers(caller.userId, caller.sessionId) || !transaction.commit()) {
        sendUnavailable(response);
        return;
    }
    ServerLog::info(QStringLiteral("password_changed"), {{QStringLiteral("user"), caller.userId}});
    sendOk(response);
}

void AuthRoutes::listSessions(const httplib::Request &, httplib::Response &response, const AuthContext &caller)
{
    const auto sessions = m_context.sessions.liveSessions(caller.userId);
    if (!sessions) {
        sendUnavailable(response);
        return;
    }
    QJsonArray list;
    for (const SessionInfo &session : *sessions) {
        list.append(QJsonObject{
            {QStringLiteral("id"), session.id},
            {QStringLiteral("user_agent"), session.userAgent},
            {QStringLiteral("ip_address"), session.ipAddress},
            {QStringLiteral("created_at"), HttpJson::isoTime(session.createdAt)},
            {QStringLiteral("last_active_at"), HttpJson::isoTime(session.lastActiveAt)},
            {QStringLiteral("is_current"), session.id == caller.sessionId},
        });
    }
    HttpJson::send(response, 200, {{QStringLiteral("sessions"), list}});
}

void AuthRoutes::revokeSession(const httplib::Request &request, httplib::Response &response, const AuthContext &caller)
{
    const QString sessionId = HttpJson::pathParameter(request, 1);
    if (!HttpJson::isValidId(sessionId)) {
        HttpJson::sendError(response, 400, QStringLiteral("That is not a session id."));
        return;
    }
    // Another user's session is as unknown to the caller as one that never existed.
    const auto revoked = m_context.sessions.revoke(sessionId, caller.userId);
    if (!revoked) {
        sendUnavailable(response);
        return;
    }
    if (!*revoked) {
        HttpJson::sendError(response, 404, QStringLiteral("There is no such session."));
        return;
    }
    ServerLog::info(QStringLiteral("session_revoked"), {{QStringLiteral("user"), caller.userId}, {QStringLiteral("session"), sessionId}});
    sendOk(response);
}
