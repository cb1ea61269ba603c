#pragma once

#include <QString>

namespace httplib {
struct Request;
struct Response;
} // namespace httplib

struct TokenPair;

// What the program puts on the sign-in and registration links: its client id,
// the address of its loopback listener and its `state`. The pages carry them
// through their forms and, after a successful sign-in, send the browser to
// that listener with both tokens.
struct SignInRequest
{
    QString clientId;
    QString redirectUri;
    QString state;

    // Reads the three parameters; when any is malformed, answers 400 with a
    // page and returns false. Tokens must never reach an address that is not
    // the program's own listener.
    bool read(const httplib::Request &request, httplib::Response &response);

    // The three hidden fields of a form.
    QString hiddenFieldsHtml() const;
    // "client_id=…&redirect_uri=…&state=…", percent-encoded, for links between the pages.
    QString query() const;
    // 303 to the listener with access_token, refresh_token and state.
    void redirectWithTokens(httplib::Response &response, const TokenPair &tokens) const;

    // Only the program's loopback listener may receive tokens.
    static bool isLoopbackCallback(const QString &redirectUri);
    static bool isValidState(const QString &state);
    static bool isValidClientId(const QString &clientId);
};
