#include "releasefolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

ReleaseFolder::ReleaseFolder(QString path)
    : m_path(std::move(path))
{
}

bool ReleaseFolder::isValidChannel(const QString &name)
{
    static const QRegularExpression pattern(QStringLiteral("^[a-z0-9]+(-[a-z0-9]+)*$"));
    return name.size() <= 32 && pattern.match(name).hasMatch();
}

bool ReleaseFolder::isValidVersion(const QString &name)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z0-9]+([.-][A-Za-z0-9]+)*$"));
    return name.size() <= 32 && pattern.match(name).hasMatch();
}

bool ReleaseFolder::isValidLanguage(const QString &code)
{
    static const QRegularExpression pattern(QStringLiteral("^[a-z]{2}$"));
    return pattern.match(code).hasMatch();
}

bool ReleaseFolder::isSafeSegment(const QString &name)
{
    // Both patterns above already exclude these; this guards the file names
    // the callers build, too.
    return !name.isEmpty() && name.size() <= 64 && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'))
        && !name.contains(QLatin1Char('%')) && !name.contains(QChar(0)) && name != QLatin1String(".") && name != QLatin1String("..")
        && !name.startsWith(QLatin1Char('.'));
}

QString ReleaseFolder::filePath(const QString &folder, const QString &fileName) const
{
    if (!isConfigured() || !isSafeSegment(folder) || !isSafeSegment(fileName))
        return {};
    return QDir(m_path).absoluteFilePath(folder + QLatin1Char('/') + fileName);
}

ReleaseFolder::ReadResult ReleaseFolder::read(const QString &folder, const QString &fileName, QByteArray &content) const
{
    const QString path = filePath(folder, fileName);
    if (path.isEmpty())
        return ReadResult::NotFound;
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile())
        return ReadResult::NotFound;
    // A link may point within the folder (say "stable" to "1.1.2"), never out of it.
    const QString root = QFileInfo(m_path).canonicalFilePath();
    const QString real = info.canonicalFilePath();
    if (root.isEmpty() || !real.startsWith(root + QLatin1Char('/')))
        return ReadResult::NotFound;
    if (info.size() > MaxFileBytes)
        return ReadResult::TooLarge;
    QFile file(real);
    if (!file.open(QIODevice::ReadOnly))
        return ReadResult::Failed;
    content = file.read(MaxFileBytes + 1);
    if (content.size() > MaxFileBytes)
        return ReadResult::TooLarge;
    return ReadResult::Ok;
}

QStringList ReleaseFolder::channelsWithManifest() const
{
    QStringList channels;
    if (!isConfigured())
        return channels;
    const QDir dir(m_path);
    for (const QString &name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        if (isValidChannel(name) && QFileInfo(dir.filePath(name + QStringLiteral("/latest.json"))).isFile())
            channels << name;
    }
    return channels;
}
