#include "deviceidentity.h"

#include <QCryptographicHash>
#include <QSysInfo>

namespace OrlAccount::DeviceIdentity {

QString fingerprintFrom(const QByteArray &machineId, const QString &hostName, const QString &appId)
{
    const QByteArray source = machineId.trimmed().isEmpty() ? hostName.toUtf8() : machineId.trimmed() + '|' + appId.toUtf8();
    return QString::fromLatin1(QCryptographicHash::hash(source, QCryptographicHash::Sha256).toHex().left(32));
}

QString fingerprint(const QString &appId)
{
    return fingerprintFrom(QSysInfo::machineUniqueId(), hostName(), appId);
}

QString platformName()
{
    const QString kernel = QSysInfo::kernelType().toLower();
    if (kernel == QLatin1String("winnt"))
        return QStringLiteral("Windows");
    if (kernel == QLatin1String("darwin"))
        return QStringLiteral("macOS");
    if (kernel == QLatin1String("linux"))
        return QStringLiteral("Linux");
    return QSysInfo::kernelType();
}

QString platformHeader()
{
    const QString kernel = QSysInfo::kernelType().toLower();
    if (kernel == QLatin1String("winnt"))
        return QStringLiteral("windows");
    if (kernel == QLatin1String("darwin"))
        return QStringLiteral("macos");
    return kernel;
}

QString hostName()
{
    return QSysInfo::machineHostName();
}

} // namespace OrlAccount::DeviceIdentity
