#include "secretstore.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <sodium.h>

namespace SecretStore {

QByteArray randomBytes(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    randombytes_buf(bytes.data(), size_t(size));
    return bytes;
}

QByteArray loadOrCreate(const QString &path, int size, const std::function<QByteArray()> &make, QString &error)
{
    QFile file(path);
    if (file.exists()) {
        const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ReadOther | QFileDevice::WriteOther;
        if (file.permissions() & others) {
            error = QStringLiteral("%1 is readable by other users; make it 0600.").arg(path);
            return {};
        }
        if (!file.open(QIODevice::ReadOnly)) {
            error = QStringLiteral("Cannot read %1: %2").arg(path, file.errorString());
            return {};
        }
        const QByteArray content = file.read(size + 1);
        if (content.size() != size) {
            error = QStringLiteral("%1 is not a secret of this server (wrong size).").arg(path);
            return {};
        }
        return content;
    }
    const QByteArray content = make();
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly)) {
        error = QStringLiteral("Cannot create %1: %2").arg(path, out.errorString());
        return {};
    }
    out.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (out.write(content) != content.size() || !out.commit()) {
        error = QStringLiteral("Cannot write %1: %2").arg(path, out.errorString());
        return {};
    }
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return content;
}

} // namespace SecretStore
