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

    // Single statements, so a caller's write transaction may include them.
    // False when the database failed or there is no such user.
    bool setDisplayName(const QString &id, const QString &displayName);
    bool setPasswordHash(const QString &id, const QString &passwordHash);

    // Why a display name (already trimmed) cannot be used, or empty: it must
    // not be empty, may have at most 100 characters and no control
    // characters, line breaks or direction overrides.
    static QString displayNameProblem(const QString &displayName);
    static constexpr int MaxDisplayNameLength = 100;

    static QString normalizedEmail(const QString &email);
    static bool isPlausibleEmail(const QString &email);

private:
    std::optional<ServerUser> findOne(const QString &column, const QString &value);

    Storage &m_storage;
};
