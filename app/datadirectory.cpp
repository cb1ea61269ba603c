#include "app/datadirectory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

void createOwnerOnly(const QString &path)
{
    // Remember which folders do not exist yet: only those get the narrow
    // permissions, a pre-existing parent is none of our business.
    QStringList created;
    QString folder = QDir::cleanPath(QDir(path).absolutePath());
    while (!QFileInfo::exists(folder)) {
        created.prepend(folder);
        const QString parent = QFileInfo(folder).absolutePath();
        if (parent == folder)
            break;
        folder = parent;
    }
    if (created.isEmpty() || !QDir().mkpath(path))
        return;
    for (const QString &newFolder : std::as_const(created))
        QFile::setPermissions(newFolder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace

QString dataDirectory()
{
    const QString fromEnvironment = qEnvironmentVariable("QUILLBY_DATA_DIR");
    const QString directory = !fromEnvironment.isEmpty()
        ? fromEnvironment
        : QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
              + QStringLiteral("/Orlindo/Quillby");
    createOwnerOnly(directory);
    return directory;
}

QString databasePath()
{
    return dataDirectory() + QStringLiteral("/quillby.db");
}
