#include "webpage.h"

#include "secretstore.h"
#include "storage.h"
#include "tokenservice.h"

#include <httplib.h>

namespace {

constexpr qint64 FormLifetimeSeconds = 30 * 60;
const char FormCookie[] = "quillby_form";

// The desktop program's palettes: window, base, text, the teal accent and the
// red of negative amounts. Buttons and links use the darker teal the program
// shows on hover, so white text on them stays readable; field borders and
// muted text are dark enough to be seen on both backgrounds.
const char StyleSheet[] = R"css(
:root{--bg:#FAFBFA;--card:#FFFFFF;--text:#1B2D26;--muted:#5A7468;--border:#D8E0DB;--field:#FFFFFF;--field-border:#6E8A7E;
--accent:#00897B;--action:#00796B;--action-hover:#004D40;--action-text:#FFFFFF;--link:#00796B;--focus:#00897B;--error:#C62828;--error-bg:#FDECEA}
@media (prefers-color-scheme:dark){:root{--bg:#0F1E19;--card:#152420;--text:#D8E8DF;--muted:#8FAF9F;--border:#2A4038;--field:#0F1E19;--field-border:#6E8A7E;
--accent:#4DB6AC;--action:#4DB6AC;--action-hover:#80CBC4;--action-text:#0F1E19;--link:#80CBC4;--focus:#80CBC4;--error:#FF8A80;--error-bg:#3A1F1D}}
*{box-sizing:border-box}
html{color-scheme:light dark;-webkit-text-size-adjust:100%;text-size-adjust:100%}
body{margin:0;min-height:100vh;display:flex;justify-content:center;align-items:flex-start;padding:56px 16px;background:var(--bg);color:var(--text);
font:16px/1.5 system-ui,-apple-system,"Segoe UI",Roboto,"Noto Sans",Ubuntu,Cantarell,sans-serif}
main{width:100%;max-width:420px;background:var(--card);border:1px solid var(--border);border-radius:12px;padding:32px}
.brand{display:flex;align-items:center;gap:10px;margin:0 0 24px;font-size:18px;font-weight:600;color:var(--text)}
.mark{display:inline-flex;align-items:center;justify-content:center;width:32px;height:32px;border-radius:8px;background:var(--accent);color:var(--action-text);font-weight:700}
h1{margin:0 0 8px;font-size:24px;line-height:1.25;font-weight:600}
.lead{margin:0 0 8px;color:var(--muted)}
form{margin:0}
label{display:block;margin:20px 0 6px;font-weight:600}
input[type=email],input[type=password],input[type=text]{display:block;width:100%;min-height:44px;padding:10px 12px;font:inherit;color:var(--text);
background:var(--field);border:1px solid var(--field-border);border-radius:8px}
.hint{margin:6px 0 0;font-size:14px;color:var(--muted)}
button{display:block;width:100%;min-height:44px;margin:28px 0 0;padding:10px 16px;font:inherit;font-weight:600;color:var(--action-text);
background:var(--action);border:0;border-radius:8px;cursor:pointer}
button:hover{background:var(--action-hover)}
input:focus,button:focus-visible,a:focus-visible{outline:3px solid var(--focus);outline-offset:2px}
a{color:var(--link);text-underline-offset:2px}
.error{margin:16px 0 0;padding:10px 12px;color:var(--error);background:var(--error-bg);border:1px solid var(--error);border-radius:8px}
.alt{margin:24px 0 0;padding-top:20px;border-top:1px solid var(--border);text-align:center;color:var(--muted)}
@media (max-width:480px){body{padding:20px 12px}main{padding:24px 20px}h1{font-size:22px}}
)css";

QString cookie(const httplib::Request &request, const QString &name)
{
    const QString header = QString::fromStdString(request.get_header_value("Cookie"));
    for (const QString &part : header.split(QLatin1Char(';'))) {
        const QString trimmed = part.trimmed();
        if (trimmed.startsWith(name + QLatin1Char('=')))
            return trimmed.mid(name.size() + 1);
    }
    return {};
}

} // namespace

namespace WebPage {

void setHeaders(httplib::Response &response)
{
    response.set_header("Cache-Control", "no-store");
    response.set_header("X-Frame-Options", "DENY");
    response.set_header("X-Content-Type-Options", "nosniff");
    response.set_header("Referrer-Policy", "no-referrer");
    // The forms post to this server, which then sends the browser to the
    // program's loopback listener.
    response.set_header("Content-Security-Policy",
                        "default-src 'none'; style-src 'unsafe-inline'; img-src 'self' data:; "
                        "form-action 'self' http://127.0.0.1:* http://localhost:*; frame-ancestors 'none'; base-uri 'none'");
}

void send(httplib::Response &response, int status, const QString &title, const QString &bodyHtml)
{
    setHeaders(response);
    response.status = status;
    const QString html = QStringLiteral("<!doctype html><html lang=\"en\"><head><meta charset=\"utf-8\">"
                                        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"
                                        "<meta name=\"color-scheme\" content=\"light dark\">"
                                        "<title>%1</title><style>%2</style></head><body><main>"
                                        "<p class=\"brand\"><span class=\"mark\" aria-hidden=\"true\">Q</span>Quillby</p>"
                                        "<h1>%1</h1>%3</main></body></html>")
                             .arg(title.toHtmlEscaped(), QString::fromLatin1(StyleSheet).simplified(), bodyHtml);
    response.set_content(html.toStdString(), "text/html; charset=utf-8");
}

void sendMessage(httplib::Response &response, int status, const QString &title, const QString &message)
{
    send(response, status, title, QStringLiteral("<p class=\"lead\">%1</p>").arg(message.toHtmlEscaped()));
}

QString errorBlock(const QString &message)
{
    return message.isEmpty() ? QString() : QStringLiteral("<p class=\"error\" role=\"alert\">%1</p>").arg(message.toHtmlEscaped());
}

QString issueFormToken(httplib::Response &response, const TokenService &tokens)
{
    const QString nonce = QString::fromLatin1(SecretStore::randomBytes(16).toHex());
    response.set_header("Set-Cookie", QStringLiteral("%1=%2; Path=/; HttpOnly; SameSite=Strict; Max-Age=%3")
                                          .arg(QString::fromLatin1(FormCookie), nonce)
                                          .arg(FormLifetimeSeconds)
                                          .toStdString());
    return tokens.issueFormToken(nonce, Storage::now() + FormLifetimeSeconds);
}

bool hasValidFormToken(const httplib::Request &request, const TokenService &tokens)
{
    return tokens.verifyFormToken(param(request, "form_token"), cookie(request, QString::fromLatin1(FormCookie)), Storage::now());
}

void clearFormCookie(httplib::Response &response)
{
    response.set_header("Set-Cookie", std::string(FormCookie) + "=; Path=/; HttpOnly; SameSite=Strict; Max-Age=0");
}

QString param(const httplib::Request &request, const char *name)
{
    return request.has_param(name) ? QString::fromStdString(request.get_param_value(name)) : QString();
}

} // namespace WebPage
