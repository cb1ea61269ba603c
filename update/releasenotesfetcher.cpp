#include "update/releasenotesfetcher.h"

#include "update/addresspolicy.h"

#include <QLocale>
#include <QNetworkAccessManager>
#include <QTimer>

namespace OrlUpdate {

ReleaseNotesFetcher::ReleaseNotesFetcher(const UpdateConfig &config, QObject *parent)
    : ReleaseNotesFetcher(notesUrlForVersion(config.manifestBaseUrl, config.currentVersion), config.appId, parent)
{
    m_limits = {config.timeoutMs, config.maxNotesBytes};
}

ReleaseNotesFetcher::ReleaseNotesFetcher(const QUrl &notesUrl, const QString &userAgentId, QObject *parent)
    : QObject(parent)
    , m_userAgentId(userAgentId)
    , m_network(new QNetworkAccessManager(this))
    , m_plainUrl(notesUrl)
    , m_limits{UpdateConfig::DefaultTimeoutMs, UpdateConfig::DefaultMaxNotesBytes}
{
    setLocaleName(QLocale::system().name());
}

void ReleaseNotesFetcher::setLocaleName(const QString &name)
{
    m_localizedUrl = localizedNotesUrl(m_plainUrl, name);
}

QUrl ReleaseNotesFetcher::notesUrlForVersion(const QUrl &manifestBaseUrl, const QString &version)
{
    QString path = manifestBaseUrl.path(QUrl::FullyDecoded);
    if (path.endsWith(QLatin1Char('/')))
        path.chop(1);
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash >= 0)
        path.truncate(slash + 1);
    else
        path = QStringLiteral("/");
    QUrl url = manifestBaseUrl;
    url.setPath(path + version + QStringLiteral("/release-notes.md"), QUrl::DecodedMode);
    return url;
}

QUrl ReleaseNotesFetcher::localizedNotesUrl(const QUrl &plainUrl, const QString &localeName)
{
    const QString language = localeName.left(2);
    // "C" and "POSIX" name no language; only a two-letter code has notes.
    const auto isLetter = [](QChar c) { return c >= QLatin1Char('a') && c <= QLatin1Char('z'); };
    const bool isLanguage = language.size() == 2 && isLetter(language.at(0)) && isLetter(language.at(1));
    if (!isLanguage || language == QLatin1String("en"))
        return {};
    QUrl url = plainUrl;
    const QString path = plainUrl.path(QUrl::FullyDecoded);
    if (path.endsWith(QLatin1String(".md")))
        url.setPath(path.chopped(3) + QLatin1Char('.') + language + QStringLiteral(".md"), QUrl::DecodedMode);
    return url;
}

void ReleaseNotesFetcher::fetch()
{
    if (m_localizedUrl.isValid() && isTrustedAddress(m_localizedUrl)) {
        start(m_localizedUrl, true);
        return;
    }
    fetchPlain();
}

void ReleaseNotesFetcher::fetchPlain()
{
    if (!isTrustedAddress(m_plainUrl)) {
        // Still an answer after fetch() returns, as for every other outcome.
        QTimer::singleShot(0, this, &ReleaseNotesFetcher::notesUnavailable);
        return;
    }
    start(m_plainUrl, false);
}

void ReleaseNotesFetcher::start(const QUrl &url, bool localized)
{
    auto *request = new BoundedGet(m_network, url, m_userAgentId, m_limits, this);
    connect(request, &BoundedGet::finished, this,
            [this, localized](BoundedGet::Outcome outcome, const QByteArray &body, const QString &) { onAnswer(localized, outcome, body); });
}

void ReleaseNotesFetcher::onAnswer(bool localized, BoundedGet::Outcome outcome, const QByteArray &body)
{
    const QString text = outcome == BoundedGet::Outcome::Ok ? QString::fromUtf8(body).trimmed() : QString();
    if (!text.isEmpty()) {
        Q_EMIT notesReady(text);
        return;
    }
    if (localized) {
        fetchPlain();
        return;
    }
    Q_EMIT notesUnavailable();
}

} // namespace OrlUpdate
