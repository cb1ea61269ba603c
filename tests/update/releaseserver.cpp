#include "releaseserver.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

ReleaseServer::ReleaseServer()
{
    QDir().mkpath(releaseFolder());
}

QString ReleaseServer::releaseFolder() const
{
    return m_root.filePath(QStringLiteral("releases"));
}

bool ReleaseServer::start(QString *error)
{
    m_server.setExtraArguments({QStringLiteral("--release-dir"), releaseFolder()});
    return m_server.start(error);
}

void ReleaseServer::stop()
{
    m_server.stop();
}

QUrl ReleaseServer::channelUrl(const QString &channel) const
{
    return url(QStringLiteral("/quillby/%1/").arg(channel));
}

QUrl ReleaseServer::url(const QString &path) const
{
    return QUrl(m_server.baseUrl() + path);
}

bool ReleaseServer::writeFile(const QString &relativePath, const QByteArray &content) const
{
    const QString path = releaseFolder() + QLatin1Char('/') + relativePath;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) == content.size();
}

void ReleaseServer::removeFile(const QString &relativePath) const
{
    QFile::remove(releaseFolder() + QLatin1Char('/') + relativePath);
}

void ReleaseServer::clear() const
{
    QDir(releaseFolder()).removeRecursively();
    QDir().mkpath(releaseFolder());
}

QByteArray ReleaseServer::signManifests() const
{
    QByteArray output;
    if (m_server.runOnce({QStringLiteral("--release-dir"), releaseFolder(), QStringLiteral("--sign-manifest")}, {}, &output) != 0)
        return {};
    static const QRegularExpression key(QStringLiteral("Public key \\(Ed25519, base64\\): ([A-Za-z0-9+/=]+)"));
    const auto match = key.match(QString::fromUtf8(output));
    return match.hasMatch() ? QByteArray::fromBase64(match.captured(1).toLatin1()) : QByteArray();
}
