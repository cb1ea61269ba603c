#include "userstore.h"

#include "passwordhasher.h"
#include "storage.h"
#include "writetransaction.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QUuid>

namespace {

QString isoTime(qint64 seconds)
{
    return QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC).toString(Qt::ISODate);
}

} // namespace

QJsonObject ServerUser::toJson() const
{
    return {
        {QStringLiteral("id"), id},
        {QStringLiteral("email"), email},
        {QStringLiteral("display_name"), displayName},
        {QStringLiteral("username"), username},
        {QStringLiteral("avatar_url"), avatarUrl},
        {QStringLiteral("created_at"), isoTime(createdAt)},
    };
}

UserStore::UserStore(Storage &storage)
    : m_storage(storage)
{
}

QString UserStore::normalizedEmail(const QString &email)
{
    return email.trimmed().toLower();
}

bool UserStore::isPlausibleEmail(const QString &email)
{
    static const QRegularExpression pattern(QStringLiteral("^[^@\\s]{1,64}@[^@\\s]{1,190}$"));
    return email.size() <= 254 && pattern.match(email).hasMatch();
}

std::optional<ServerUser> UserStore::create(const QString &email, const QString &password, const QString &displayName, QString &error)
{
    const QString address = normalizedEmail(email);
    if (!isPlausibleEmail(address)) {
        error = QStringLiteral("That is not an e-mail address.");
        return std::nullopt;
    }
    if (const QString weak = PasswordHasher::weakness(password); !weak.isEmpty()) {
        error = weak;
        return std::nullopt;
    }
    ServerUser user;
    user.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    user.email = address;
    user.displayName = displayName.trimmed().left(200);
    user.status = QStringLiteral("active");
    user.createdAt = Storage::now();
    user.passwordHash = PasswordHasher::hash(password);
    if (user.passwordHash.isEmpty()) {
        error = QStringLiteral("The password could not be hashed.");
        return std::nullopt;
    }
    QSqlDatabase db = m_storage.connection();
    WriteTransaction transaction(m_storage, db);
    QSqlQuery query(db);
    if (!transaction.isOpen()
        || !Storage::run(query, QStringLiteral("SELECT 1 FROM users WHERE email = ?"), {address})) {
        error = QStringLiteral("The database is not available.");
        return std::nullopt;
    }
    if (query.next()) {
        error = QStringLiteral("There is already an account for this e-mail address.");
        return std::nullopt;
    }
    if (!Storage::run(query,
                      QStringLiteral("INSERT INTO users (id, email, password_hash, display_name, status, created_at) VALUES (?, ?, ?, ?, ?, ?)"),
                      {user.id, user.email, user.passwordHash, user.displayName, user.status, user.createdAt})
        || !transaction.commit()) {
        error = QStringLiteral("The account could not be stored.");
        return std::nullopt;
    }
    return user;
}

std::optional<ServerUser> UserStore::findByEmail(const QString &email)
{
    return findOne(QStringLiteral("email"), normalizedEmail(email));
}

std::optional<ServerUser> UserStore::findById(const QString &id)
{
    return findOne(QStringLiteral("id"), id);
}

bool UserStore::setDisplayName(const QString &id, const QString &displayName)
{
    QSqlQuery query(m_storage.connection());
    return Storage::run(query, QStringLiteral("UPDATE users SET display_name = ? WHERE id = ?"), {displayName, id}) && query.numRowsAffected() == 1;
}

bool UserStore::setPasswordHash(const QString &id, const QString &passwordHash)
{
    QSqlQuery query(m_storage.connection());
    return Storage::run(query, QStringLiteral("UPDATE users SET password_hash = ? WHERE id = ?"), {passwordHash, id}) && query.numRowsAffected() == 1;
}

QString UserStore::displayNameProblem(const QString &displayName)
{
    if (displayName.isEmpty())
        return QStringLiteral("The display name is empty.");
    if (!displayName.isValidUtf16())
        return QStringLiteral("The display name is not valid text.");
    const QList<uint> characters = displayName.toUcs4();
    if (characters.size() > MaxDisplayNameLength)
        return QStringLiteral("The display name may have at most %1 characters.").arg(MaxDisplayNameLength);
    for (const uint c : characters) {
        const QChar::Category category = QChar::category(char32_t(c));
        // Direction overrides and isolates could make the name read
        // differently from what it is wherever it is shown.
        const bool directionControl = (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
        if (category == QChar::Other_Control || category == QChar::Separator_Line || category == QChar::Separator_Paragraph || directionControl)
            return QStringLiteral("The display name may not contain control characters or line breaks.");
    }
    return {};
}

std::optional<ServerUser> UserStore::findOne(const QString &column, const QString &value)
{
    // `column` is one of the two literals above, never input.
    QSqlQuery query(m_storage.connection());
    if (!Storage::run(query,
                      QStringLiteral("SELECT id, email, password_hash, display_name, username, avatar_url, language, timezone, status, "
                                     "COALESCE(deletion_scheduled_at, 0), created_at FROM users WHERE %1 = ?")
                          .arg(column),
                      {value})
        || !query.next())
        return std::nullopt;
    ServerUser user;
    user.id = query.value(0).toString();
    user.email = query.value(1).toString();
    user.passwordHash = query.value(2).toString();
    user.displayName = query.value(3).toString();
    user.username = query.value(4).toString();
    user.avatarUrl = query.value(5).toString();
    user.language = query.value(6).toString();
    user.timezone = query.value(7).toString();
    user.status = query.value(8).toString();
    user.deletionScheduledAt = query.value(9).toLongLong();
    user.createdAt = query.value(10).toLongLong();
    return user;
}
