#include "apiclient.h"

#include "tokenmanager.h"

#include <QHostAddress>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace OrlAccount {

namespace {

QJsonObject objectOf(const QByteArray &body)
{
    const QJsonDocument document = QJsonDocument::fromJson(body);
    return document.isObject() ? document.object() : QJsonObject();
}

void call(const ResponseCallback &callback, bool ok, int status, const QJsonObject &body)
{
    if (callback)
        callback(ok, status, body);
}

} // namespace

ApiClient::ApiClient(TokenManager *tokens, QObject *parent)
    : QObject(parent)
    , m_network(new QNetworkAccessManager(this))
    , m_tokens(tokens)
{
}

void ApiClient::setAppInfo(const QString &appId, const QString &appVersion, const QString &platform)
{
    m_appId = appId;
    m_appVersion = appVersion;
    m_platform = platform;
}

void ApiClient::get(const QString &path, ResponseCallback callback, const QUrlQuery &query)
{
    sendRequest(QStringLiteral("GET"), path, {}, std::move(callback), query, true);
}

void ApiClient::getPublic(const QString &path, ResponseCallback callback, const QUrlQuery &query)
{
    sendRequest(QStringLiteral("GET"), path, {}, std::move(callback), query, false);
}

void ApiClient::post(const QString &path, const QJsonObject &body, ResponseCallback callback)
{
    sendRequest(QStringLiteral("POST"), path, body, std::move(callback), {}, true);
}

void ApiClient::postPublic(const QString &path, const QJsonObject &body, ResponseCallback callback)
{
    sendRequest(QStringLiteral("POST"), path, body, std::move(callback), {}, false);
}

void ApiClient::patch(const QString &path, const QJsonObject &body, ResponseCallback callback)
{
    sendRequest(QStringLiteral("PATCH"), path, body, std::move(callback), {}, true);
}

void ApiClient::del(const QString &path, ResponseCallback callback)
{
    sendRequest(QStringLiteral("DELETE"), path, {}, std::move(callback), {}, true);
}

void ApiClient::postWithToken(const QString &path, const QJsonObject &body, const QString &token, ResponseCallback callback)
{
    QUrl url = m_baseUrl;
    url.setPath(m_baseUrl.path(QUrl::FullyDecoded) + path, QUrl::DecodedMode);
    executeRequest(QStringLiteral("POST"), url, body.isEmpty() ? QByteArray() : QJsonDocument(body).toJson(QJsonDocument::Compact), token,
                   std::move(callback), false);
}

bool ApiClient::mayCarryToken(const QUrl &url)
{
    if (url.scheme() == QLatin1String("https"))
        return true;
    if (url.scheme() != QLatin1String("http"))
        return false;
    const QString host = url.host();
    if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0)
        return true;
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

void ApiClient::sendRequest(const QString &method, const QString &path, const QJsonObject &body, ResponseCallback callback, const QUrlQuery &query,
                            bool requiresAuth)
{
    QUrl url = m_baseUrl;
    url.setPath(m_baseUrl.path(QUrl::FullyDecoded) + path, QUrl::DecodedMode);
    if (!query.isEmpty())
        url.setQuery(query);
    const QByteArray bytes = body.isEmpty() ? QByteArray() : QJsonDocument(body).toJson(QJsonDocument::Compact);

    if (!requiresAuth) {
        executeRequest(method, url, bytes, {}, std::move(callback), false);
        return;
    }
    if (m_tokens->needsRefresh()) {
        qDebug() << "ApiClient: token needs refresh before" << method << url.path();
        m_tokens->refresh([this, method, url, bytes, callback = std::move(callback)](RefreshResult result) {
            if (result == RefreshResult::Refreshed) {
                executeRequest(method, url, bytes, m_tokens->accessToken(), callback, true);
                return;
            }
            qWarning() << "ApiClient: token refresh" << (result == RefreshResult::Rejected ? "rejected" : "failed (transient)") << "for" << method
                       << url.path();
            if (result == RefreshResult::Rejected)
                Q_EMIT authenticationRequired();
            call(callback, false, result == RefreshResult::Rejected ? 401 : 0, {});
        });
        return;
    }
    executeRequest(method, url, bytes, m_tokens->accessToken(), std::move(callback), true);
}

void ApiClient::executeRequest(const QString &method, const QUrl &url, const QByteArray &body, const QString &token, ResponseCallback callback,
                               bool allowRetry)
{
    if (!token.isEmpty() && !mayCarryToken(url)) {
        const QString message = tr("Refusing to send sign-in credentials over an unencrypted connection to %1").arg(url.host());
        Q_EMIT networkError(message);
        call(callback, false, 0, {});
        return;
    }
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
    request.setRawHeader("Accept", "application/json");
    if (!m_appId.isEmpty())
        request.setRawHeader("X-App-Id", m_appId.toUtf8());
    if (!m_appVersion.isEmpty())
        request.setRawHeader("X-App-Version", m_appVersion.toUtf8());
    if (!m_platform.isEmpty())
        request.setRawHeader("X-Platform", m_platform.toUtf8());
    if (!token.isEmpty())
        request.setRawHeader("Authorization", "Bearer " + token.toUtf8());
    // Credentials never follow a redirect to another origin.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::SameOriginRedirectPolicy);
    request.setTransferTimeout(m_timeoutMs);

    QNetworkReply *reply = nullptr;
    if (method == QLatin1String("GET"))
        reply = m_network->get(request);
    else if (method == QLatin1String("POST"))
        reply = m_network->post(request, body);
    else if (method == QLatin1String("PUT"))
        reply = m_network->put(request, body);
    else if (method == QLatin1String("PATCH"))
        reply = m_network->sendCustomRequest(request, "PATCH", body);
    else if (method == QLatin1String("DELETE"))
        reply = m_network->deleteResource(request);
    if (!reply) {
        call(callback, false, 0, {});
        return;
    }
    // An answer larger than any the services send is cut off.
    connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received, qint64) {
        if (received > MaxResponseBytes) {
            reply->setProperty("quillbyTooLarge", true);
            reply->abort();
        }
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply, method, url, body, callback = std::move(callback), allowRetry] {
        finishReply(reply, method, url, body, callback, allowRetry);
    });
}

void ApiClient::finishReply(QNetworkReply *reply, const QString &method, const QUrl &url, const QByteArray &body, ResponseCallback callback,
                            bool allowRetry)
{
    reply->deleteLater();
    const bool tooLarge = reply->property("quillbyTooLarge").toBool();
    const int status = tooLarge ? 0 : reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QJsonObject object = tooLarge ? QJsonObject() : objectOf(reply->readAll());

    if (status == 401 && allowRetry) {
        m_tokens->refresh([this, method, url, body, callback](RefreshResult result) {
            if (result == RefreshResult::Refreshed) {
                executeRequest(method, url, body, m_tokens->accessToken(), callback, false);
                return;
            }
            if (result == RefreshResult::Rejected)
                Q_EMIT authenticationRequired();
            call(callback, false, result == RefreshResult::Rejected ? 401 : 0, {});
        });
        return;
    }
    if (status == 0) {
        const QString message = tooLarge ? tr("The answer from %1 is too large").arg(url.host())
                                         : (reply->error() == QNetworkReply::OperationCanceledError ? tr("%1 did not answer in time").arg(url.host())
                                                                                                    : reply->errorString());
        Q_EMIT networkError(message);
        call(callback, false, 0, {});
        return;
    }
    call(callback, status >= 200 && status <= 299, status, object);
}

} // namespace OrlAccount
