#pragma once

#include "serverprocess.h"

#include <QByteArray>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QUrl>

// A real quillby-server whose download service publishes a temporary
// release folder. The server reads the files on every request, so a test
// changes what is published by writing files, without a restart.
class ReleaseServer
{
public:
    ReleaseServer();

    bool start(QString *error);
    void stop();

    // http://127.0.0.1:<port>/quillby/<channel>/
    QUrl channelUrl(const QString &channel = QStringLiteral("stable")) const;
    QUrl url(const QString &path) const;

    // Writes (or with removeFile deletes) a file below the release folder,
    // e.g. "stable/latest.json" or "1.2.0/release-notes.de.md".
    bool writeFile(const QString &relativePath, const QByteArray &content) const;
    void removeFile(const QString &relativePath) const;
    // Empties the release folder.
    void clear() const;

    // Signs every channel's manifest with the server's own key, as its
    // operator does; returns the 32-byte public key, or empty on failure.
    QByteArray signManifests() const;

private:
    QString releaseFolder() const;

    QTemporaryDir m_root;
    ServerProcess m_server;
};
