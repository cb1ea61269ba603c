#pragma once

#include <QString>

namespace OrlAccount {

// What identifies this installation's machine to the account service. The
// machine id never leaves the machine: the fingerprint is a hash of it and
// the application id.
namespace DeviceIdentity {

// 32 lowercase hex digits of SHA-256(machine id + application id); with no
// machine id, of the host name.
QString fingerprint(const QString &appId);
QString fingerprintFrom(const QByteArray &machineId, const QString &hostName, const QString &appId);

// "Linux", "Windows", "macOS" for device registration.
QString platformName();
// "linux", "windows", "macos" for the X-Platform header.
QString platformHeader();
QString hostName();

} // namespace DeviceIdentity

} // namespace OrlAccount
