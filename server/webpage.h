#pragma once

#include <QString>

namespace httplib {
struct Request;
struct Response;
} // namespace httplib

class TokenService;

// The few HTML pages the server shows in a browser (sign-in, registration):
// one styled shell in the program's colours, light or dark as the browser
// prefers, readable on a phone, without scripts. Also the CSRF guard of their
// forms: a signed form token bound to a nonce kept in a cookie.
namespace WebPage {

// Security headers every page carries: no caching, no framing, no referrer,
// and a policy that allows inline styles but no scripts.
void setHeaders(httplib::Response &response);

// A whole page: `title` is escaped here; `bodyHtml` must be escaped already.
void send(httplib::Response &response, int status, const QString &title, const QString &bodyHtml);

// A page with a heading and one escaped paragraph.
void sendMessage(httplib::Response &response, int status, const QString &title, const QString &message);

// `<p class="error" role="alert">…</p>`, or nothing for an empty message.
QString errorBlock(const QString &message);

// Issues a form token and sets its cookie on the response; returns the token
// for the form's hidden field.
QString issueFormToken(httplib::Response &response, const TokenService &tokens);
// Whether the posted form token matches the cookie and has not expired.
bool hasValidFormToken(const httplib::Request &request, const TokenService &tokens);
// Drops the form cookie once the form has done its work.
void clearFormCookie(httplib::Response &response);

// A query or form field as sent, empty when absent.
QString param(const httplib::Request &request, const char *name);

} // namespace WebPage
