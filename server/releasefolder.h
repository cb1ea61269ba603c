#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The folder the download service publishes: "<channel>/latest.json" (and
// its signature "latest.json.sig") per channel, "<version>/release-notes.md"
// and "<version>/release-notes.<ll>.md" per version. Names from requests
// must pass the strict patterns below, and a file is read only when its real
// path lies inside the folder, so no request reaches anything else.
class ReleaseFolder
{
public:
    static constexpr qint64 MaxFileBytes = 1024 * 1024;

    enum class ReadResult { Ok, NotFound, TooLarge, Failed };

    explicit ReleaseFolder(QString path);

    bool isConfigured() const { return !m_path.isEmpty(); }
    QString path() const { return m_path; }

    // "stable", "beta", "early-access": lowercase letters, digits, single dashes.
    static bool isValidChannel(const QString &name);
    // "1.1.2", "2.0.0-rc1": letters and digits joined by single dots or dashes.
    static bool isValidVersion(const QString &name);
    // Two lowercase letters.
    static bool isValidLanguage(const QString &code);

    // Reads `fileName` in the subfolder `folder` (one checked name each).
    ReadResult read(const QString &folder, const QString &fileName, QByteArray &content) const;
    // The absolute path of a file in a subfolder; empty when a name is unsafe.
    QString filePath(const QString &folder, const QString &fileName) const;
    // The channel folders that hold a latest.json, sorted.
    QStringList channelsWithManifest() const;

private:
    static bool isSafeSegment(const QString &name);

    QString m_path;
};
