#include "devicestore.h"

#include "httpjson.h"
#include "storage.h"
#include "writetransaction.h"

#include <QJsonValue>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QUuid>

namespace {

bool hasControlCharacters(const QString &text)
{
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format || c == QChar::LineSeparator
            || c == QChar::ParagraphSeparator)
            return true;
    }
    return false;
}

// An optional text field: absent is empty; another type, a longer text or
// control characters are refused.
bool readText(const QJsonObject &body, const char *key, int maxLength, QString &value, QString &error)
{
    const QJsonValue field = body.value(QLatin1String(key));
    if (field.isUndefined() || field.isNull()) {
        value.clear();
        return true;
    }
    if (!field.isString()) {
        error = QStringLiteral("\"%1\" must be a text.").arg(QLatin1String(key));
        return false;
    }
    value = field.toString().trimmed();
    if (value.size() > maxLength) {
        error = QStringLiteral("\"%1\" is longer than %2 characters.").arg(QLatin1String(key)).arg(maxLength);
        return false;
    }
    if (hasControlCharacters(value)) {
        error = QStringLiteral("\"%1\" holds control characters.").arg(QLatin1String(key));
        return false;
    }
    return true;
}

} // namespace

QJsonObject DeviceRecord::toJson() const
{
    QJsonObject object{
        {QStringLiteral("id"), id},
        {QStringLiteral("device_name"), deviceName},
        {QStringLiteral("platform"), platform},
        {QStringLiteral("app_id"), appId},
        {QStringLiteral("app_version"), appVersion},
        {QStringLiteral("device_fingerprint"), fingerprint},
        {QStringLiteral("created_at"), HttpJson::isoTime(createdAt)},
    };
    if (lastSyncAt > 0)
        object.insert(QStringLiteral("last_sync_at"), HttpJson::isoTime(lastSyncAt));
    return object;
}

DeviceStore::DeviceStore(Storage &storage)
    : m_storage(storage)
{
}

std::optional<DeviceRecord> DeviceStore::fromRegistration(const QJsonObject &body, QString &error)
{
    DeviceRecord device;
    if (!readText(body, "device_fingerprint", MaxFingerprintLength, device.fingerprint, error)
        || !readText(body, "device_name", MaxNameLength, device.deviceName, error)
        || !readText(body, "platform", MaxPlatformLength, device.platform, error)
        || !readText(body, "app_id", MaxAppIdLength, device.appId, error)
        || !readText(body, "app_version", MaxAppVersionLength, device.appVersion, error))
        return std::nullopt;
    // A hash of the machine, never the machine id itself.
    static const QRegularExpression fingerprintPattern(QStringLiteral("^[0-9a-f]{1,64}$"));
    if (!fingerprintPattern.match(device.fingerprint).hasMatch()) {
        error = QStringLiteral("\"device_fingerprint\" must be 1 to 64 lowercase hexadecimal digits.");
        return std::nullopt;
    }
    return device;
}

StoreOutcome DeviceStore::registerDevice(const QString &userId, const QString &sessionId, DeviceRecord &device, bool &created)
{
    const qint64 now = Storage::now();
    QSqlDatabase db = m_storage.connection();
    WriteTransaction transaction(m_storage, db);
    QSqlQuery query(db);
    // The user's row lock keeps two registrations of one new fingerprint
    // from both inserting.
    if (!transaction.isOpen() || !Storage::run(query, QStringLiteral("SELECT id FROM users WHERE id = ?") + m_storage.forUpdate(), {userId}))
        return StoreOutcome::unavailable();
    if (!query.next())
        return StoreOutcome::refused(StoreOutcome::Kind::NotFound, QStringLiteral("This account does not exist any more."));
    query.finish();
    if (!Storage::run(query, QStringLiteral("SELECT id, created_at, COALESCE(last_sync_at, 0) FROM devices WHERE user_id = ? AND fingerprint = ?"),
                      {userId, device.fingerprint}))
        return StoreOutcome::unavailable();
    created = !query.next();
    if (!created) {
        device.id = query.value(0).toString();
        device.createdAt = query.value(1).toLongLong();
        device.lastSyncAt = query.value(2).toLongLong();
        query.finish();
        if (!Storage::run(query, QStringLiteral("UPDATE devices SET device_name = ?, platform = ?, app_id = ?, app_version = ? WHERE id = ?"),
                          {device.deviceName, device.platform, device.appId, device.appVersion, device.id}))
            return StoreOutcome::unavailable();
    } else {
        query.finish();
        if (!Storage::run(query, QStringLiteral("SELECT COUNT(*) FROM devices WHERE user_id = ?"), {userId}) || !query.next())
            return StoreOutcome::unavailable();
        if (query.value(0).toInt() >= MaxDevicesPerUser)
            return StoreOutcome::refused(StoreOutcome::Kind::Conflict, QStringLiteral("This account has too many devices. Remove one you no longer use."));
        query.finish();
        device.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
        device.createdAt = now;
        device.lastSyncAt = 0;
        if (!Storage::run(query,
                          QStringLiteral("INSERT INTO devices (id, user_id, fingerprint, device_name, platform, app_id, app_version, created_at) "
                                         "VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                          {device.id, userId, device.fingerprint, device.deviceName, device.platform, device.appId, device.appVersion, now}))
            return StoreOutcome::unavailable();
    }
    if (!Storage::run(query, QStringLiteral("UPDATE sessions SET device_id = ? WHERE id = ? AND user_id = ?"), {device.id, sessionId, userId})
        || !transaction.commit())
        return StoreOutcome::unavailable();
    return StoreOutcome::done();
}

std::optional<QList<DeviceRecord>> DeviceStore::devicesOf(const QString &userId)
{
    QSqlQuery query(m_storage.connection());
    if (!Storage::run(query,
                      QStringLiteral("SELECT id, device_name, platform, app_id, app_version, fingerprint, COALESCE(last_sync_at, 0), created_at "
                                     "FROM devices WHERE user_id = ? ORDER BY created_at, id"),
                      {userId}))
        return std::nullopt;
    QList<DeviceRecord> devices;
    while (query.next()) {
        devices.append({query.value(0).toString(), query.value(1).toString(), query.value(2).toString(), query.value(3).toString(),
                        query.value(4).toString(), query.value(5).toString(), query.value(6).toLongLong(), query.value(7).toLongLong()});
    }
    return devices;
}

StoreOutcome DeviceStore::remove(const QString &userId, const QString &deviceId)
{
    QSqlDatabase db = m_storage.connection();
    WriteTransaction transaction(m_storage, db);
    QSqlQuery query(db);
    if (!transaction.isOpen() || !Storage::run(query, QStringLiteral("DELETE FROM devices WHERE id = ? AND user_id = ?"), {deviceId, userId}))
        return StoreOutcome::unavailable();
    if (query.numRowsAffected() <= 0)
        return StoreOutcome::refused(StoreOutcome::Kind::NotFound, QStringLiteral("There is no such device."));
    // Its sessions stay signed in but no longer count as this device.
    if (!Storage::run(query, QStringLiteral("UPDATE sessions SET device_id = NULL WHERE device_id = ? AND user_id = ?"), {deviceId, userId})
        || !transaction.commit())
        return StoreOutcome::unavailable();
    return StoreOutcome::done();
}
