#pragma once

#include <QString>

namespace OrlUpdate {

// The manifest's name for a build: "linux-x64" and "linux-arm64" on Linux,
// "windows-x64" on Windows on x86-64. Empty for any other system or
// processor, which the client then treats as having no update.
QString platformKey(const QString &kernelType, const QString &cpuArchitecture);
// The key of the system this program runs on (QSysInfo).
QString currentPlatformKey();

} // namespace OrlUpdate
