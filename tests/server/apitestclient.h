#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QUrl>
#include <QUrlQuery>

#include <map>
#include <string>

// A plain HTTP client for tests against a real server on loopback, with a
// time limit on every call. Bodies are JSON objects unless sent raw.
class ApiTestClient
{
public:
    struct Reply
    {
        int status = 0; // 0: no answer
        QByteArray body;
        QJsonObject json; // the body when it is a JSON object
        std::multimap<std::string, std::string> headers;

        QString header(const char *name) const;
    };

    explicit ApiTestClient(int port);

    void setBearer(const QString &accessToken) { m_bearer = accessToken; }
    void clearBearer() { m_bearer.clear(); }

    Reply get(const QString &path);
    Reply del(const QString &path);
    Reply post(const QString &path, const QJsonObject &body);
    Reply patch(const QString &path, const QJsonObject &body);
    // Sends `body` as is, with the JSON content type (or `contentType`).
    Reply send(const QByteArray &method, const QString &path, const QByteArray &body,
               const QByteArray &contentType = "application/json", const std::map<std::string, std::string> &extraHeaders = {});

private:
    int m_port;
    QString m_bearer;
};

// Plays the browser in the sign-in: fetches the login page, posts the form
// with its CSRF token and cookie, and reads the redirect to the loopback
// listener.
struct BrowserSignIn
{
    int status = 0;            // of the form post; 303 on success
    QString location;          // where the browser is sent
    QString accessToken;
    QString refreshToken;
    QString state;
    QByteArray page;           // the page answered when there is no redirect

    static BrowserSignIn run(int port, const QString &email, const QString &password,
                             const QString &redirectUri = QStringLiteral("http://127.0.0.1:19876/callback"),
                             const QString &state = QStringLiteral("state-0123456789abcdef"),
                             const QString &realm = QStringLiteral("orlindo"));
};

// A browser's GET on the program's loopback listener, made from another
// thread while this one runs its event loop so the listener can answer.
// The status, or 0 when there was no answer within 15 s.
int getFromLoopbackListener(const QUrl &url);
