#include "apitestclient.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QUrl>

#include <httplib.h>

#include <atomic>
#include <thread>

namespace {

const char ClientId[] = "0123456789abcdef0123456789abcdef";

httplib::Client makeClient(int port)
{
    httplib::Client client("127.0.0.1", port);
    client.set_connection_timeout(10, 0);
    client.set_read_timeout(30, 0);
    client.set_write_timeout(30, 0);
    return client;
}

ApiTestClient::Reply toReply(const httplib::Result &result)
{
    ApiTestClient::Reply reply;
    if (!result)
        return reply;
    reply.status = result->status;
    reply.body = QByteArray::fromStdString(result->body);
    reply.headers = std::multimap<std::string, std::string>(result->headers.begin(), result->headers.end());
    const QJsonDocument document = QJsonDocument::fromJson(reply.body);
    if (document.isObject())
        reply.json = document.object();
    return reply;
}

} // namespace

QString ApiTestClient::Reply::header(const char *name) const
{
    for (const auto &[key, value] : headers) {
        if (QString::fromStdString(key).compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return QString::fromStdString(value);
    }
    return {};
}

ApiTestClient::ApiTestClient(int port)
    : m_port(port)
{
}

ApiTestClient::Reply ApiTestClient::get(const QString &path)
{
    return send("GET", path, {});
}

ApiTestClient::Reply ApiTestClient::del(const QString &path)
{
    return send("DELETE", path, {});
}

ApiTestClient::Reply ApiTestClient::post(const QString &path, const QJsonObject &body)
{
    return send("POST", path, body.isEmpty() ? QByteArray() : QJsonDocument(body).toJson(QJsonDocument::Compact));
}

ApiTestClient::Reply ApiTestClient::patch(const QString &path, const QJsonObject &body)
{
    return send("PATCH", path, QJsonDocument(body).toJson(QJsonDocument::Compact));
}

ApiTestClient::Reply ApiTestClient::send(const QByteArray &method, const QString &path, const QByteArray &body, const QByteArray &contentType,
                                         const std::map<std::string, std::string> &extraHeaders)
{
    httplib::Client client = makeClient(m_port);
    httplib::Headers headers{{"Accept", "application/json"}};
    if (!m_bearer.isEmpty())
        headers.emplace("Authorization", "Bearer " + m_bearer.toStdString());
    for (const auto &[key, value] : extraHeaders)
        headers.emplace(key, value);
    const std::string target = path.toStdString();
    const std::string content = body.toStdString();
    const std::string type = contentType.toStdString();
    if (method == "GET")
        return toReply(client.Get(target, headers));
    if (method == "DELETE")
        return toReply(client.Delete(target, headers, content, type));
    if (method == "POST")
        return toReply(client.Post(target, headers, content, type));
    if (method == "PATCH")
        return toReply(client.Patch(target, headers, content, type));
    if (method == "PUT")
        return toReply(client.Put(target, headers, content, type));
    return {};
}

BrowserSignIn BrowserSignIn::run(int port, const QString &email, const QString &password, const QString &redirectUri, const QString &state,
                                 const QString &realm)
{
    BrowserSignIn outcome;
    httplib::Client client = makeClient(port);
    const std::string path = "/" + realm.toStdString() + "/account/login";
    httplib::Params query{{"client_id", ClientId}, {"redirect_uri", redirectUri.toStdString()}, {"state", state.toStdString()}};
    const auto page = client.Get(path, query, httplib::Headers{});
    if (!page) {
        return outcome;
    }
    if (page->status != 200) {
        outcome.status = page->status;
        outcome.page = QByteArray::fromStdString(page->body);
        return outcome;
    }
    const QString html = QString::fromStdString(page->body);
    static const QRegularExpression tokenField(QStringLiteral("name=\"form_token\" value=\"([^\"]+)\""));
    const QString formToken = tokenField.match(html).captured(1);
    const QString setCookie = QString::fromStdString(page->get_header_value("Set-Cookie"));
    const QString cookie = setCookie.section(QLatin1Char(';'), 0, 0);

    httplib::Params form{{"client_id", ClientId},
                         {"redirect_uri", redirectUri.toStdString()},
                         {"state", state.toStdString()},
                         {"form_token", formToken.toStdString()},
                         {"email", email.toStdString()},
                         {"password", password.toStdString()}};
    const auto posted = client.Post(path, httplib::Headers{{"Cookie", cookie.toStdString()}}, form);
    if (!posted)
        return outcome;
    outcome.status = posted->status;
    outcome.page = QByteArray::fromStdString(posted->body);
    outcome.location = QString::fromStdString(posted->get_header_value("Location"));
    const QUrlQuery redirect(QUrl(outcome.location).query());
    outcome.accessToken = redirect.queryItemValue(QStringLiteral("access_token"), QUrl::FullyDecoded);
    outcome.refreshToken = redirect.queryItemValue(QStringLiteral("refresh_token"), QUrl::FullyDecoded);
    outcome.state = redirect.queryItemValue(QStringLiteral("state"), QUrl::FullyDecoded);
    return outcome;
}

int getFromLoopbackListener(const QUrl &url)
{
    std::atomic_int status{0};
    std::atomic_bool finished{false};
    std::thread browser([&] {
        httplib::Client client("127.0.0.1", url.port());
        client.set_read_timeout(10, 0);
        const std::string target =
            url.toString(QUrl::RemoveScheme | QUrl::RemoveAuthority | QUrl::FullyEncoded).toStdString();
        if (const auto result = client.Get(target))
            status = result->status;
        finished = true;
    });
    const QDeadlineTimer deadline(15000);
    while (!finished && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    browser.join();
    return status;
}
