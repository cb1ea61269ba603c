#pragma once

#include "account/accounttypes.h"
#include "ui/screens/accountpage.h"

class QPushButton;

namespace OrlAccount {

// The account screen's Group page: the family group's members and, for its
// owner, the pending invitations, inviting by e-mail or code and removing
// members; for anyone else leaving the group; without a group, joining one
// with a code. Whether the user owns the group is read from the sign-in
// token's role. Removals, revocations and leaving say how they went once the
// service has answered, and the group is fetched again.
class AccountGroupPage : public AccountPage
{
    Q_OBJECT

public:
    AccountGroupPage(Client *client, const ReplyGuard *guard, QWidget *parent = nullptr);

    void refresh() override;
    void showGroup(const Group &group);
    const Group &group() const { return m_group; }

    void joinGroup();
    // False when the user said No.
    bool removeMember(const GroupMember &member);
    void revokeInvitation(const GroupInvitation &invitation);
    void inviteByEmail();
    void generateInviteCode();
    void leaveGroup();

private:
    bool isOwner() const;
    bool isMe(const GroupMember &member) const;
    static QString memberName(const GroupMember &member);
    void showNoGroup();
    void showMembers(bool owner);
    void showInvitations();
    void showOwnerActions();
    void showLeave();
    QPushButton *actionButton(const QString &text);

    Group m_group;
    // Only the answer to the newest fetch rebuilds the page.
    quint64 m_fetch = 0;
};

} // namespace OrlAccount
