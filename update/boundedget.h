#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;
class QTimer;

namespace OrlUpdate {

// One GET of the update client with everything a file from the network
// needs: the client's User-Agent, a time limit for the whole answer, a cap
// on its size, and redirects only to trusted addresses and never from https
// to http. Emits finished() exactly once, then deletes itself.
class BoundedGet : public QObject
{
    Q_OBJECT

public:
    enum class Outcome { Ok, NotFound, TimedOut, TooLarge, RedirectRefused, NetworkError };

    struct Limits
    {
        int timeoutMs = 15000;
        qint64 maxBytes = 1024 * 1024;
    };

    // Starts the request at once; the answer arrives as finished().
    BoundedGet(QNetworkAccessManager *network, const QUrl &url, const QString &userAgentId, Limits limits, QObject *parent = nullptr);
    ~BoundedGet() override;

    static QByteArray userAgent(const QString &userAgentId);

Q_SIGNALS:
    // `body` only with Ok; `errorText` (English, for logs and status text)
    // with every other outcome.
    void finished(OrlUpdate::BoundedGet::Outcome outcome, const QByteArray &body, const QString &errorText);

private:
    void onReadyRead();
    void onFinished();
    // Appends what the reply holds; false when that would pass the cap.
    bool readAvailable(QNetworkReply *reply);
    QString tooLargeText() const;
    void stop(Outcome outcome, const QString &errorText);

    QPointer<QNetworkReply> m_reply;
    QTimer *m_timer;
    Limits m_limits;
    QByteArray m_body;
    Outcome m_stopped = Outcome::Ok;
    QString m_stopText;
    bool m_done = false;
};

} // namespace OrlUpdate
