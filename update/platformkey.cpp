#include "update/platformkey.h"

#include <QSysInfo>

namespace OrlUpdate {

QString platformKey(const QString &kernelType, const QString &cpuArchitecture)
{
    if (kernelType == QLatin1String("linux")) {
        if (cpuArchitecture == QLatin1String("x86_64"))
            return QStringLiteral("linux-x64");
        if (cpuArchitecture == QLatin1String("arm64"))
            return QStringLiteral("linux-arm64");
        return {};
    }
    if (kernelType == QLatin1String("winnt") && cpuArchitecture == QLatin1String("x86_64"))
        return QStringLiteral("windows-x64");
    return {};
}

QString currentPlatformKey()
{
    return platformKey(QSysInfo::kernelType(), QSysInfo::currentCpuArchitecture());
}

} // namespace OrlUpdate
