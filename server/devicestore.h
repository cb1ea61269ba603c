#pragma once

#include "storeoutcome.h"

#include <QJsonObject>
#include <QList>
#include <QString>

#include <optional>

class Storage;

struct DeviceRecord
{
    QString id;
    QString deviceName;
    QString platform;
    QString appId;
    QString appVersion;
    QString fingerprint;
    qint64 lastSyncAt = 0; // 0: never synced
    qint64 createdAt = 0;

    // "last_sync_at" is left out until the device has synced.
    QJsonObject toJson() const;
};

// The installations a user signed in from. A fingerprint registered again by
// the same user updates its row, and the registering session is bound to the
// device so that the sync service can note when the device last synced.
class DeviceStore
{
public:
    static constexpr int MaxDevicesPerUser = 50;
    static constexpr int MaxFingerprintLength = 64;
    static constexpr int MaxNameLength = 100;
    static constexpr int MaxPlatformLength = 32;
    static constexpr int MaxAppIdLength = 100;
    static constexpr int MaxAppVersionLength = 32;

    explicit DeviceStore(Storage &storage);

    // The device described by a registration body, or nothing with the
    // reason in `error`.
    static std::optional<DeviceRecord> fromRegistration(const QJsonObject &body, QString &error);

    // Stores `device` for the user and binds the session to it; fills in its
    // id and times. `created` tells whether the device is new.
    StoreOutcome registerDevice(const QString &userId, const QString &sessionId, DeviceRecord &device, bool &created);
    // Nothing when the database fails.
    std::optional<QList<DeviceRecord>> devicesOf(const QString &userId);
    // Only the user's own devices; another user's id reads as unknown.
    StoreOutcome remove(const QString &userId, const QString &deviceId);

private:
    Storage &m_storage;
};
