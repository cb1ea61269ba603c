#pragma once

#include <QJsonObject>
#include <QObject>
#include <QUrl>
#include <QUrlQuery>

#include <functional>

class QNetworkAccessManager;
class QNetworkReply;

namespace OrlAccount {

class TokenManager;

using ResponseCallback = std::function<void(bool ok, int httpStatus, const QJsonObject &body)>;

// A JSON web-service client: identification headers and the bearer token on
// every request, a refresh before a request whose token has expired and one
// retry after a 401. Every request has a time limit and a cap on the answer's
// size; the token goes only to https or loopback addresses and never follows
// a redirect to another origin.
class ApiClient : public QObject
{
    Q_OBJECT

public:
    static constexpr int TimeoutMs = 30000;
    static constexpr qint64 MaxResponseBytes = 32 * 1024 * 1024;

    explicit ApiClient(TokenManager *tokens, QObject *parent = nullptr);

    void setBaseUrl(const QUrl &url) { m_baseUrl = url; }
    QUrl baseUrl() const { return m_baseUrl; }
    void setAppInfo(const QString &appId, const QString &appVersion, const QString &platform);
    void setTimeoutMs(int timeoutMs) { m_timeoutMs = timeoutMs; }

    void get(const QString &path, ResponseCallback callback, const QUrlQuery &query = {});
    void getPublic(const QString &path, ResponseCallback callback, const QUrlQuery &query = {});
    void post(const QString &path, const QJsonObject &body, ResponseCallback callback);
    void postPublic(const QString &path, const QJsonObject &body, ResponseCallback callback);
    void patch(const QString &path, const QJsonObject &body, ResponseCallback callback);
    void del(const QString &path, ResponseCallback callback);
    // POST with exactly this token and no refresh or retry (sign-out).
    void postWithToken(const QString &path, const QJsonObject &body, const QString &token, ResponseCallback callback);

    void sendRequest(const QString &method, const QString &path, const QJsonObject &body, ResponseCallback callback, const QUrlQuery &query,
                     bool requiresAuth);

    // Whether a bearer token may be sent to this address.
    static bool mayCarryToken(const QUrl &url);

Q_SIGNALS:
    void authenticationRequired();
    void networkError(const QString &message);

private:
    void executeRequest(const QString &method, const QUrl &url, const QByteArray &body, const QString &token, ResponseCallback callback,
                        bool allowRetry);
    void finishReply(QNetworkReply *reply, const QString &method, const QUrl &url, const QByteArray &body, ResponseCallback callback,
                     bool allowRetry);

    QNetworkAccessManager *m_network;
    TokenManager *m_tokens;
    QUrl m_baseUrl;
    QString m_appId;
    QString m_appVersion;
    QString m_platform;
    int m_timeoutMs = TimeoutMs;
};

} // namespace OrlAccount
