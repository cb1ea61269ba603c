#include "groupstore.h"

#include "httpjson.h"
#include "storage.h"
#include "userstore.h"
#include "writetransaction.h"

#include <QJsonArray>
#include <QSqlQuery>
#include <QUuid>

#include <sodium.h>

namespace {

const QString Owner = QStringLiteral("owner");
const QString Member = QStringLiteral("member");
const QString Pending = QStringLiteral("pending");

// No 0/O, 1/I/L: codes are read aloud and typed by hand.
constexpr char CodeAlphabet[] = "ABCDEFGHJKMNPQRSTUVWXYZ23456789";

QString newId()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

struct Membership
{
    QString groupId;
    QString role;
};

// The user's membership read inside a write transaction. `found` is false
// when the user is in no group; the result is false on a database failure.
bool readMembership(QSqlQuery &query, const QString &userId, Membership &membership, bool &found)
{
    if (!Storage::run(query, QStringLiteral("SELECT group_id, role FROM group_members WHERE user_id = ?"), {userId}))
        return false;
    found = query.next();
    if (found)
        membership = {query.value(0).toString(), query.value(1).toString()};
    query.finish();
    return true;
}

// Takes the row lock of a user (PostgreSQL) and tells whether the user exists.
bool lockUser(Storage &storage, QSqlQuery &query, const QString &userId, bool &exists, QString *email = nullptr, QString *displayName = nullptr)
{
    if (!Storage::run(query, QStringLiteral("SELECT email, display_name FROM users WHERE id = ?") + storage.forUpdate(), {userId}))
        return false;
    exists = query.next();
    if (exists && email)
        *email = query.value(0).toString();
    if (exists && displayName)
        *displayName = query.value(1).toString();
    query.finish();
    return true;
}

bool lockGroup(Storage &storage, QSqlQuery &query, const QString &groupId, bool &exists)
{
    if (!Storage::run(query, QStringLiteral("SELECT id FROM family_groups WHERE id = ?") + storage.forUpdate(), {groupId}))
        return false;
    exists = query.next();
    query.finish();
    return true;
}

StoreOutcome notInGroup()
{
    return StoreOutcome::refused(StoreOutcome::Kind::NotFound, QStringLiteral("You are not in a group."));
}

StoreOutcome accountGone()
{
    return StoreOutcome::refused(StoreOutcome::Kind::NotFound, QStringLiteral("This account does not exist any more."));
}

StoreOutcome invalidCode()
{
    return StoreOutcome::refused(StoreOutcome::Kind::NotFound, QStringLiteral("Invalid or expired invite code."));
}

} // namespace

QJsonObject GroupMemberRecord::toJson() const
{
    return {
        {QStringLiteral("account_id"), userId},
        {QStringLiteral("auth_user_id"), userId},
        {QStringLiteral("display_name"), displayName},
        {QStringLiteral("email"), email},
        {QStringLiteral("role"), role},
        {QStringLiteral("joined_at"), HttpJson::isoTime(joinedAt)},
    };
}

QJsonObject GroupInvitationRecord::toJson() const
{
    return {
        {QStringLiteral("id"), id},
        {QStringLiteral("invited_email"), invitedEmail},
        {QStringLiteral("invite_code"), inviteCode},
        {QStringLiteral("status"), status},
        {QStringLiteral("expires_at"), HttpJson::isoTime(expiresAt)},
    };
}

QJsonObject GroupRecord::toJson() const
{
    QJsonArray memberArray;
    for (const GroupMemberRecord &member : members)
        memberArray.append(member.toJson());
    QJsonArray invitationArray;
    for (const GroupInvitationRecord &invitation : pendingInvitations)
        invitationArray.append(invitation.toJson());
    return {
        {QStringLiteral("id"), id},
        {QStringLiteral("name"), name},
        {QStringLiteral("members"), memberArray},
        {QStringLiteral("pending_invitations"), invitationArray},
    };
}

QJsonObject MembershipRecord::toJson() const
{
    return {
        {QStringLiteral("id"), groupId},
        {QStringLiteral("name"), groupName},
        {QStringLiteral("role"), role},
        {QStringLiteral("member_count"), memberCount},
    };
}

GroupStore::GroupStore(Storage &storage)
    : m_storage(storage)
{
}

QString GroupStore::newInviteCode()
{
    constexpr auto alphabetSize = uint32_t(sizeof(CodeAlphabet) - 1);
    QString code;
    code.reserve(InviteCodeLength);
    for (int i = 0; i < InviteCodeLength; ++i)
        code += QLatin1Char(CodeAlphabet[randombytes_uniform(alphabetSize)]);
    return code;
}

QString GroupStore::normalizedCode(const QString &typed)
{
    return typed.trimmed().toUpper();
}

std::optional<MembershipRecord> GroupStore::membershipOf(const QString &userId)
{
    QSqlQuery query(m_storage.connection());
    if (!Storage::run(query,
                      QStringLiteral("SELECT m.group_id, g.name, m.role, (SELECT COUNT(*) FROM group_members c WHERE c.group_id = m.group_id) "
                                     "FROM group_members m JOIN family_groups g ON g.id = m.group_id WHERE m.user_id = ?"),
                      {userId}))
        return std::nullopt;
    MembershipRecord membership;
    if (query.next()) {
        membership.groupId = query.value(0).toString();
        membership.groupName = query.value(1).toString();
        membership.role = query.value(2).toString();
        membership.memberCount = query.value(3).toInt();
    }
    return membership;
}

std::optional<GroupRecord> GroupStore::groupOf(const QString &userId)
{
    QSqlQuery query(m_storage.connection());
    if (!Storage::run(query,
                      QStringLiteral("SELECT m.group_id, g.name, m.role FROM group_members m JOIN family_groups g ON g.id = m.group_id WHERE m.user_id = ?"),
                      {userId}))
        return std::nullopt;
    GroupRecord group;
    if (!query.next())
        return group;
    group.id = query.value(0).toString();
    group.name = query.value(1).toString();
    const bool owner = query.value(2).toString() == Owner;
    query.finish();
    // The owner first, then in the order people joined.
    if (!Storage::run(query,
                      QStringLiteral("SELECT u.id, u.display_name, u.email, m.role, m.joined_at FROM group_members m JOIN users u ON u.id = m.user_id "
                                     "WHERE m.group_id = ? ORDER BY CASE WHEN m.role = 'owner' THEN 0 ELSE 1 END, m.joined_at, u.id"),
                      {group.id}))
        return std::nullopt;
    while (query.next()) {
        group.members.append({query.value(0).toString(), query.value(1).toString(), query.value(2).toString(), query.value(3).toString(),
                              query.value(4).toLongLong()});
    }
    query.finish();
    // Codes let people in: only the owner sees them.
    if (owner) {
        if (!Storage::run(query,
                          QStringLiteral("SELECT id, invited_email, invite_code, status, expires_at FROM group_invitations "
                                         "WHERE group_id = ? AND status = ? AND expires_at > ? ORDER BY created_at, id"),
                          {group.id, Pending, Storage::now()}))
            return std::nullopt;
        while (query.next()) {
            group.pendingInvitations.append({query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
                                             query.value(3).toString(), query.value(4).toLongLong()});
        }
    }
    return group;
}

StoreOutcome GroupStore::invite(const QString &userId, const QString &email, GroupInvitationRecord &invitation)
{
    const QString address = UserStore::normalizedEmail(email);
    if (!email.isEmpty() && !UserStore::isPlausibleEmail(address))
        return StoreOutcome::refused(StoreOutcome::Kind::Invalid, QStringLiteral("That is not an e-mail address."));
    const qint64 now = Storage::now();
    QSqlDatabase db = m_storage.connection();
    WriteTransaction transaction(m_storage, db);
    QSqlQuery query(db);
    bool exists = false;
    QString displayName;
    if (!transaction.isOpen() || !lockUser(m_storage, query, userId, exists, nullptr, &displayName))
        return StoreOutcome::unavailable();
    if (!exists)
        return accountGone();
    Membership membership;
    bool inGroup = false;
    if (!readMembership(query, userId, membership, inGroup))
        return StoreOutcome::unavailable();
    if (inGroup && membership.role != Owner)
        return StoreOutcome::refused(StoreOutcome::Kind::Forbidden, QStringLiteral("Only the group's owner can invite people."));
    if (!inGroup) {
        membership = {newId(), Owner};
        const QString name = displayName.trimmed().isEmpty() ? QStringLiteral("Family") : QStringLiteral("%1's family").arg(displayName.trimmed());
        if (!Storage::run(query, QStringLiteral("INSERT INTO family_groups (id, name, owner_id, created_at) VALUES (?, ?, ?, ?)"),
                          {membership.groupId, name, userId, now})
            || !Storage::run(query, QStringLiteral("INSERT INTO group_members (group_id, user_id, role, joined_at) VALUES (?, ?, ?, ?)"),
                             {membership.groupId, userId, Owner, now}))
            return StoreOutcome::unavailable();
    } else {
        bool groupExists = false;
        if (!lockGroup(m_storage, query, membership.groupId, groupExists) || !groupExists)
            return StoreOutcome::unavailable();
    }
    if (!address.isEmpty()) {
        if (!Storage::run(query,
                          QStringLiteral("SELECT 1 FROM group_members m JOIN users u ON u.id = m.user_id WHERE m.group_id = ? AND u.email = ?"),
                          {membership.groupId, address}))
            return StoreOutcome::unavailable();
        if (query.next())
            return StoreOutcome::refused(StoreOutcome::Kind::Conflict, QStringLiteral("That person is already in the group."));
        query.finish();
    }
    if (!Storage::run(query, QStringLiteral("SELECT COUNT(*) FROM group_invitations WHERE group_id = ? AND status = ? AND expires_at > ?"),
                      {membership.groupId, Pending, now})
        || !query.next())
        return StoreOutcome::unavailable();
    if (query.value(0).toInt() >= MaxPendingInvitations)
        return StoreOutcome::refused(StoreOutcome::Kind::Conflict,
                                     QStringLiteral("There are too many open invitations. Revoke some before inviting more people."));
    query.finish();
    // 31^8 codes: a clash is rare, but a clash must not fail the request.
    QString code;
    for (int attempt = 0; attempt < 8 && code.isEmpty(); ++attempt) {
        const QString candidate = newInviteCode();
        if (!Storage::run(query, QStringLiteral("SELECT 1 FROM group_invitations WHERE invite_code = ?"), {candidate}))
            return StoreOutcome::unavailable();
        if (!query.next())
            code = candidate;
        query.finish();
    }
    if (code.isEmpty())
        return StoreOutcome::unavailable();
    invitation = {newId(), address, code, Pending, now + InvitationLifetimeSeconds};
    if (!Storage::run(query,
                      QStringLiteral("INSERT INTO group_invitations (id, group_id, invited_email, invite_code, status, created_at, expires_at) "
                                     "VALUES (?, ?, ?, ?, ?, ?, ?)"),
                      {invitation.id, membership.groupId, invitation.invitedEmail, invitation.inviteCode, invitation.status, now, invitation.expiresAt})
        || !transaction.commit())
        return StoreOutcome::unavailable();
    return StoreOutcome::done();
}

StoreOutcome GroupStore::join(const QString &userId, const QString &code)
{
    const qint64 now = Storage::now();
    QSqlDatabase db = m_storage.connection();
    WriteTransaction transaction(m_storage, db);
    QSqlQuery query(db);
    bool exists = false;
    QString email;
    if (!transaction.isOpen() || !lockUser(m_storage, query, userId, exists, &email))
        return StoreOutcome::unavailable();
    if (!exists)
        return accountGone();
    Membership membership;
    bool inGroup = false;
    if (!readMembership(query, userId, membership, inGroup))
        return StoreOutcome::unavailable();
    if (inGroup)
        return StoreOutcome::refused(StoreOutcome::Kind::Conflict, QStringLiteral("You are already in a group. Leave it before joining another."));
    // The group's lock comes before the invitation's, as in every other
    // change, so two processes never wait for each other in a circle.
    if (!Storage::run(query, QStringLiteral("SELECT group_id FROM group_invitations WHERE invite_code = ?"), {code}))
        return StoreOutcome::unavailable();
    if (!query.next())
        return invalidCode();
    const QString groupId = query.value(0).toString();
    query.finish();
    bool groupExists = false;
    if (!lockGroup(m_storage, query, groupId, groupExists))
        return StoreOutcome::unavailable();
    if (!groupExists)
        return invalidCode();
    if (!Storage::run(query,
                      QStringLiteral("SELECT id, invited_email, status, expires_at FROM group_invitations WHERE invite_code = ? AND group_id = ?")
                          + m_storage.forUpdate(),
                      {code, groupId}))
        return StoreOutcome::unavailable();
    if (!query.next())
        return invalidCode();
    const QString invitationId = query.value(0).toString();
    const QString invitedEmail = query.value(1).toString();
    const bool usable = query.value(2).toString() == Pending && query.value(3).toLongLong() > now
        && (invitedEmail.isEmpty() || invitedEmail == UserStore::normalizedEmail(email));
    query.finish();
    if (!usable)
        return invalidCode();
    if (!Storage::run(query, QStringLiteral("INSERT INTO group_members (group_id, user_id, role, joined_at) VALUES (?, ?, ?, ?)"),
                      {groupId, userId, Member, now})
        || !Storage::run(query, QStringLiteral("DELETE FROM group_invitations WHERE id = ?"), {invitationId}) || !transaction.commit())
        return StoreOutcome::unavailable();
    return StoreOutcome::done();
}

StoreOutcome GroupStore::leave(const QString &userId)
{
    QSqlDatabase db = m_storage.connection();
    WriteTransaction transaction(m_storage, db);
    QSqlQuery query(db);
    bool exists = false;
    if (!transaction.isOpen() || !lockUser(m_storage, query, userId, exists))
        return StoreOutcome::unavailable();
    Membership membership;
    bool inGroup = false;
    if (!readMembership(query, userId, membership, inGroup))
        return StoreOutcome::unavailable();
    if (!exists || !inGroup)
        return notInGroup();
    bool groupExists = false;
    if (!lockGroup(m_storage, query, membership.groupId, groupExists) || !groupExists)
        return StoreOutcome::unavailable();
    if (membership.role == Owner) {
        if (!Storage::run(query, QStringLiteral("SELECT COUNT(*) FROM group_members WHERE group_id = ? AND user_id <> ?"), {membership.groupId, userId})
            || !query.next())
            return StoreOutcome::unavailable();
        const int others = query.value(0).toInt();
        query.finish();
        if (others > 0)
            return StoreOutcome::refused(StoreOutcome::Kind::Conflict,
                                         QStringLiteral("As the group's owner you can leave only after the other members have left or been removed."));
        // An owner alone dissolves the group; its invitations go with it.
        if (!Storage::run(query, QStringLiteral("DELETE FROM family_groups WHERE id = ?"), {membership.groupId}))
            return StoreOutcome::unavailable();
    } else if (!Storage::run(query, QStringLiteral("DELETE FROM group_members WHERE group_id = ? AND user_id = ?"), {membership.groupId, userId})) {
        return StoreOutcome::unavailable();
    }
    if (!transaction.commit())
        return StoreOutcome::unavailable();
    return StoreOutcome::done();
}

StoreOutcome GroupStore::removeMember(const QString &ownerId, const QString &memberId)
{
    if (memberId == ownerId)
        return StoreOutcome::refused(StoreOutcome::Kind::Invalid, QStringLiteral("You cannot remove yourself. Leave the group instead."));
    QSqlDatabase db = m_storage.connection();
    WriteTransaction transaction(m_storage, db);
    QSqlQuery query(db);
    bool exists = false;
    if (!transaction.isOpen() || !lockUser(m_storage, query, ownerId, exists))
        return StoreOutcome::unavailable();
    Membership membership;
    bool inGroup = false;
    if (!readMembership(query, ownerId, membership, inGroup))
        return StoreOutcome::unavailable();
    if (!exists || !inGroup)
        return notInGroup();
    if (membership.role != Owner)
        return StoreOutcome::refused(StoreOutcome::Kind::Forbidden, QStringLiteral("Only the group's owner can remove members."));
    bool groupExists = false;
    if (!lockGroup(m_storage, query, membership.groupId, groupExists) || !groupExists
        || !Storage::run(query, QStringLiteral("DELETE FROM group_members WHERE group_id = ? AND user_id = ?"), {membership.groupId, memberId}))
        return StoreOutcome::unavailable();
    if (query.numRowsAffected() <= 0)
        return StoreOutcome::refused(StoreOutcome::Kind::NotFound, QStringLiteral("That person is not a member of your group."));
    if (!transaction.commit())
        return StoreOutcome::unavailable();
    return StoreOutcome::done();
}

StoreOutcome GroupStore::revokeInvitation(const QString &ownerId, const QString &invitationId)
{
    QSqlDatabase db = m_storage.connection();
    WriteTransaction transaction(m_storage, db);
    QSqlQuery query(db);
    bool exists = false;
    if (!transaction.isOpen() || !lockUser(m_storage, query, ownerId, exists))
        return StoreOutcome::unavailable();
    Membership membership;
    bool inGroup = false;
    if (!readMembership(query, ownerId, membership, inGroup))
        return StoreOutcome::unavailable();
    if (!exists || !inGroup)
        return notInGroup();
    if (membership.role != Owner)
        return StoreOutcome::refused(StoreOutcome::Kind::Forbidden, QStringLiteral("Only the group's owner can revoke invitations."));
    bool groupExists = false;
    if (!lockGroup(m_storage, query, membership.groupId, groupExists) || !groupExists
        || !Storage::run(query, QStringLiteral("DELETE FROM group_invitations WHERE id = ? AND group_id = ?"), {invitationId, membership.groupId}))
        return StoreOutcome::unavailable();
    if (query.numRowsAffected() <= 0)
        return StoreOutcome::refused(StoreOutcome::Kind::NotFound, QStringLiteral("There is no such invitation."));
    if (!transaction.commit())
        return StoreOutcome::unavailable();
    return StoreOutcome::done();
}

int GroupStore::deleteExpiredInvitations(qint64 now)
{
    QSqlQuery query(m_storage.connection());
    if (!Storage::run(query, QStringLiteral("DELETE FROM group_invitations WHERE expires_at <= ?"), {now}))
        return -1;
    return query.numRowsAffected();
}
