#pragma once

#include "update/boundedget.h"
#include "update/updateconfig.h"

#include <QObject>
#include <QUrl>

class QNetworkAccessManager;

namespace OrlUpdate {

// Downloads the Markdown release notes of one version: the notes in the
// system's language first ("release-notes.de.md"), then the plain file.
// Every fetch() ends in exactly one of the two signals; a missing, empty or
// unreachable file, an untrusted address, a time-out or an oversized file
// all end in notesUnavailable().
class ReleaseNotesFetcher : public QObject
{
    Q_OBJECT

public:
    // The notes of the configured running version, in the version's folder
    // next to the channel's: ".../quillby/stable/" gives
    // ".../quillby/<version>/release-notes.md".
    explicit ReleaseNotesFetcher(const UpdateConfig &config, QObject *parent = nullptr);
    ReleaseNotesFetcher(const QUrl &notesUrl, const QString &userAgentId, QObject *parent = nullptr);

    void fetch();

    QUrl plainUrl() const { return m_plainUrl; }
    QUrl localizedUrl() const { return m_localizedUrl; }
    void setLimits(BoundedGet::Limits limits) { m_limits = limits; }
    // The language whose notes are tried first; by default the system
    // locale's ("de_DE"). Tests pose as another system with it.
    void setLocaleName(const QString &name);

    static QUrl notesUrlForVersion(const QUrl &manifestBaseUrl, const QString &version);
    // The plain address with ".<ll>" before a final ".md", for the first two
    // letters of `localeName`; empty for English or no language.
    static QUrl localizedNotesUrl(const QUrl &plainUrl, const QString &localeName);

Q_SIGNALS:
    void notesReady(const QString &markdown);
    void notesUnavailable();

private:
    void fetchPlain();
    void start(const QUrl &url, bool localized);
    void onAnswer(bool localized, BoundedGet::Outcome outcome, const QByteArray &body);

    QString m_userAgentId;
    QNetworkAccessManager *m_network;
    QUrl m_plainUrl;
    QUrl m_localizedUrl;
    BoundedGet::Limits m_limits;
};

} // namespace OrlUpdate
