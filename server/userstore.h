#pragma once

#include <QJsonObject>
#include <QString>

#include <optional>

class Storage;

struct ServerUser
{
    QString id;
    QString email;
    QString passwordHash;
    QString displayName;
    QString username;
    QString avatarUrl;
    QString language;
    QString timezone;
    QString status;
    qint64 deletionScheduledAt = 0; // 0: none
    qint64 createdAt = 0;

    // The user object the clients read ("id", "email", "display_name", ...).
    QJsonObject toJson() const;
};

// The users table. E-mail addresses are compared in lower case.
class UserStore
{
public:
    explicit UserStore(Storage &storage);

    // Creates a user; on failure returns nothing with the reason in `error`
    // (a taken address, a weak password, a malformed address).
    std::optional<ServerUser> create(const QString &email, const QString &password, const QString &displayName, QString &error);

    std::optional<ServerUser> findByEmail(const QString &email);
    std::optional<ServerUser> findById(const QString &id);

    static QString normalizedEmail(const QString &email);
    static bool isPlausibleEmail(const QString &email);

private:
    std::optional<ServerUser> findOne(const QString &column, const QString &value);

    Storage &m_storage;
};
