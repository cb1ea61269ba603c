#include "update/boundedget.h"

#include "update/addresspolicy.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace OrlUpdate {

namespace {

constexpr int MaxRedirects = 5;

} // namespace

BoundedGet::BoundedGet(QNetworkAccessManager *network, const QUrl &url, const QString &userAgentId, Limits limits, QObject *parent)
    : QObject(parent)
    , m_timer(new QTimer(this))
    , m_limits(limits)
{
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, userAgent(userAgentId));
    // Each redirect is checked below before it is followed.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setMaximumRedirectsAllowed(MaxRedirects);

    m_reply = network->get(request);
    connect(m_reply, &QNetworkReply::redirected, this, [this](const QUrl &target) {
        const QUrl from = m_reply->url();
        const bool downgrade = from.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) == 0
            && target.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) != 0;
        if (downgrade || !isTrustedAddress(target)) {
            stop(Outcome::RedirectRefused, QStringLiteral("redirect to an untrusted address refused"));
            return;
        }
        Q_EMIT m_reply->redirectAllowed();
    });
    connect(m_reply, &QNetworkReply::metaDataChanged, this, [this] {
        const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > m_limits.maxBytes)
            stop(Outcome::TooLarge, tooLargeText());
    });
    connect(m_reply, &QNetworkReply::readyRead, this, &BoundedGet::onReadyRead);
    connect(m_reply, &QNetworkReply::finished, this, &BoundedGet::onFinished);

    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, [this] {
        stop(Outcome::TimedOut, QStringLiteral("no answer within %1 s").arg(m_limits.timeoutMs / 1000.0));
    });
    m_timer->start(m_limits.timeoutMs);
}

BoundedGet::~BoundedGet()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
    }
}

QByteArray BoundedGet::userAgent(const QString &userAgentId)
{
    return QStringLiteral("OrlUpdateQt/0.1 (%1)").arg(userAgentId).toUtf8();
}

void BoundedGet::onReadyRead()
{
    if (m_done || !m_reply)
        return;
    if (!readAvailable(m_reply))
        stop(Outcome::TooLarge, tooLargeText());
}

bool BoundedGet::readAvailable(QNetworkReply *reply)
{
    // Read as it comes, so a body past the cap is never held whole.
    while (reply->bytesAvailable() > 0) {
        const qint64 room = m_limits.maxBytes - m_body.size();
        const QByteArray chunk = reply->read(room + 1);
        if (chunk.size() > room)
            return false;
        if (chunk.isEmpty())
            break;
        m_body.append(chunk);
    }
    return true;
}

QString BoundedGet::tooLargeText() const
{
    return QStringLiteral("answer larger than %1 bytes").arg(m_limits.maxBytes);
}

void BoundedGet::stop(Outcome outcome, const QString &errorText)
{
    if (m_done || !m_reply)
        return;
    m_stopped = outcome;
    m_stopText = errorText;
    // abort() finishes the reply, which lands in onFinished().
    m_reply->abort();
}

void BoundedGet::onFinished()
{
    if (m_done)
        return;
    m_done = true;
    m_timer->stop();
    QNetworkReply *reply = m_reply;
    m_reply = nullptr;
    reply->deleteLater();

    Outcome outcome = Outcome::Ok;
    QString text;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (m_stopped != Outcome::Ok) {
        outcome = m_stopped;
        text = m_stopText;
    } else if (reply->error() == QNetworkReply::ContentNotFoundError || status == 404) {
        outcome = Outcome::NotFound;
        text = reply->errorString();
    } else if (reply->error() != QNetworkReply::NoError) {
        outcome = Outcome::NetworkError;
        text = reply->errorString();
    } else if (!readAvailable(reply)) {
        outcome = Outcome::TooLarge;
        text = tooLargeText();
    }
    if (outcome != Outcome::Ok)
        m_body.clear();
    Q_EMIT finished(outcome, m_body, text);
    deleteLater();
}

} // namespace OrlUpdate
