#pragma once

#include "storeoutcome.h"

#include <QJsonObject>
#include <QList>
#include <QString>

#include <optional>

class Storage;

struct GroupMemberRecord
{
    QString userId;
    QString displayName;
    QString email;
    QString role;
    qint64 joinedAt = 0;

    // "account_id" and "auth_user_id" are both the user id: one id per user.
    QJsonObject toJson() const;
};

struct GroupInvitationRecord
{
    QString id;
    QString invitedEmail;
    QString inviteCode;
    QString status;
    qint64 expiresAt = 0;

    QJsonObject toJson() const;
};

// A group as one of its members sees it. An empty id means no group.
struct GroupRecord
{
    QString id;
    QString name;
    QList<GroupMemberRecord> members;
    QList<GroupInvitationRecord> pendingInvitations; // filled for the owner only

    QJsonObject toJson() const;
};

// The caller's place in a group, as the profile shows it. An empty group id
// means no group.
struct MembershipRecord
{
    QString groupId;
    QString groupName;
    QString role;
    int memberCount = 0;

    QJsonObject toJson() const;
};

// Family groups: created by the owner's first invitation, joined with a
// single-use invitation code, left by members, dissolved when the owner
// leaves alone. A user is in one group at most. Each change is one write
// transaction that first locks the acting user's row and then the group's,
// so that several server processes on one PostgreSQL database take turns.
class GroupStore
{
public:
    static constexpr qint64 InvitationLifetimeSeconds = 7 * 24 * 3600;
    static constexpr int MaxPendingInvitations = 20;
    static constexpr int InviteCodeLength = 8;

    explicit GroupStore(Storage &storage);

    // Nothing when the database fails.
    std::optional<MembershipRecord> membershipOf(const QString &userId);
    std::optional<GroupRecord> groupOf(const QString &userId);

    // An invitation by code (empty `email`) or for one address. Creates the
    // group, with the caller as its owner, on the first invitation.
    StoreOutcome invite(const QString &userId, const QString &email, GroupInvitationRecord &invitation);
    StoreOutcome join(const QString &userId, const QString &code);
    StoreOutcome leave(const QString &userId);
    StoreOutcome removeMember(const QString &ownerId, const QString &memberId);
    StoreOutcome revokeInvitation(const QString &ownerId, const QString &invitationId);

    // Removes invitations past their expiry; the number removed, -1 on failure.
    int deleteExpiredInvitations(qint64 now);

    // Eight characters from an alphabet without look-alikes (no 0/O, 1/I/L).
    static QString newInviteCode();
    // A code as typed: surrounding blanks and case do not matter.
    static QString normalizedCode(const QString &typed);

private:
    Storage &m_storage;
};
