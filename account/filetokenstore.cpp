#include "filetokenstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace OrlAccount {

namespace {

constexpr qint64 MaxFileBytes = 256 * 1024;

QJsonObject readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxFileBytes)
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

bool writeAll(const QString &path, const QJsonObject &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // Owner only before a byte is written.
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const QByteArray bytes = QJsonDocument(content).toJson(QJsonDocument::Compact);
    if (file.write(bytes) != bytes.size() || !file.commit())
        return false;
    return QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

} // namespace

FileTokenStore::FileTokenStore(QString filePath, QString serviceName)
    : m_filePath(std::move(filePath))
    , m_serviceName(std::move(serviceName))
{
}

std::optional<QString> FileTokenStore::load(const QString &key)
{
    const QJsonValue value = readAll(m_filePath).value(m_serviceName).toObject().value(key);
    if (!value.isString())
        return std::nullopt;
    return value.toString();
}

bool FileTokenStore::save(const QString &key, const QString &value)
{
    QJsonObject all = readAll(m_filePath);
    QJsonObject entries = all.value(m_serviceName).toObject();
    entries.insert(key, value);
    all.insert(m_serviceName, entries);
    return writeAll(m_filePath, all);
}

bool FileTokenStore::remove(const QString &key)
{
    QJsonObject all = readAll(m_filePath);
    QJsonObject entries = all.value(m_serviceName).toObject();
    if (!entries.contains(key))
        return true;
    entries.remove(key);
    if (entries.isEmpty())
        all.remove(m_serviceName);
    else
        all.insert(m_serviceName, entries);
    if (all.isEmpty())
        return QFile::remove(m_filePath) || !QFile::exists(m_filePath);
    return writeAll(m_filePath, all);
}

} // namespace OrlAccount
