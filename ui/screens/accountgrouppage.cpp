#include "ui/screens/accountgrouppage.h"

#include "account/accountclient.h"
#include "account/authclient.h"
#include "account/client.h"
#include "ui/inputprompt.h"
#include "ui/messagebox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace OrlAccount {

namespace {
const QString OwnerRole = QStringLiteral("owner");
}

AccountGroupPage::AccountGroupPage(Client *client, const ReplyGuard *guard, QWidget *parent)
    : AccountPage(tr("Group"), client, guard, parent)
{
    showGroup(Group());
}

void AccountGroupPage::refresh()
{
    const quint64 fetch = ++m_fetch;
    m_client->accountClient()->getGroup(guarded<const Group &>([this, fetch](const Group &group) {
        if (fetch == m_fetch)
            showGroup(group);
    }));
}

bool AccountGroupPage::isOwner() const
{
    return m_client->claims().role == OwnerRole;
}

bool AccountGroupPage::isMe(const GroupMember &member) const
{
    const QString me = m_client->authClient()->userId();
    if (me.isEmpty())
        return false;
    return member.auth_user_id == me || (member.auth_user_id.isEmpty() && member.account_id == me);
}

QString AccountGroupPage::memberName(const GroupMember &member)
{
    return member.display_name.isEmpty() ? member.email : member.display_name;
}

QPushButton *AccountGroupPage::actionButton(const QString &text)
{
    auto *button = new QPushButton(text);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

void AccountGroupPage::showGroup(const Group &group)
{
    m_group = group;
    clearContent();
    if (group.id.isEmpty()) {
        showNoGroup();
        return;
    }
    const bool owner = isOwner();
    addSectionHeader(group.name);
    showMembers(owner);
    if (owner) {
        showInvitations();
        showOwnerActions();
    } else {
        showLeave();
    }
}

void AccountGroupPage::showNoGroup()
{
    addSectionHeader(tr("No Group"),
                     tr("You're not part of a group. The group owner can invite you, or you can join with an invite code."));
    auto *join = actionButton(tr("Join with Invite Code"));
    connect(join, &QPushButton::clicked, this, &AccountGroupPage::joinGroup);
    addButtonRow({join});
}

void AccountGroupPage::showMembers(bool owner)
{
    auto *heading = plainLabel(tr("Members"));
    setRelativeFont(heading, 0, 500);
    content()->addWidget(heading);
    for (const GroupMember &member : std::as_const(m_group.members)) {
        auto *name = plainLabel(memberName(member));
        name->setObjectName(QStringLiteral("memberName"));
        name->setWordWrap(true);
        QList<QWidget *> trailing;
        if (member.role == OwnerRole)
            trailing << badge(tr("Owner"), QStringLiteral("#00897B"));
        if (owner && !isMe(member)) {
            auto *remove = actionButton(tr("Remove"));
            connect(remove, &QPushButton::clicked, this, [this, member, button = QPointer<QPushButton>(remove)] {
                // Once asked, the row waits for the answer; it is rebuilt then.
                if (removeMember(member) && button)
                    button->setEnabled(false);
            });
            trailing << remove;
        }
        addRow(name, trailing);
    }
}

void AccountGroupPage::showInvitations()
{
    if (m_group.pending_invitations.isEmpty())
        return;
    content()->addSpacing(8);
    auto *heading = plainLabel(tr("Pending Invitations"));
    setRelativeFont(heading, 0, 500);
    content()->addWidget(heading);
    for (const GroupInvitation &invitation : std::as_const(m_group.pending_invitations)) {
        const QString text = invitation.invited_email.isEmpty() ? tr("Invite code: %1").arg(invitation.invite_code)
                                                                : invitation.invited_email;
        auto *label = plainLabel(text);
        label->setObjectName(QStringLiteral("invitation"));
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        auto *revoke = actionButton(tr("Revoke"));
        connect(revoke, &QPushButton::clicked, this, [this, invitation, revoke] {
            revoke->setEnabled(false);
            revokeInvitation(invitation);
        });
        addRow(label, {revoke});
    }
}

void AccountGroupPage::showOwnerActions()
{
    content()->addSpacing(16);
    addSeparator();
    content()->addSpacing(8);
    addSectionHeader(tr("Invite Members"));
    auto *byEmail = actionButton(tr("Invite by Email"));
    auto *byCode = actionButton(tr("Generate Invite Code"));
    connect(byEmail, &QPushButton::clicked, this, &AccountGroupPage::inviteByEmail);
    connect(byCode, &QPushButton::clicked, this, &AccountGroupPage::generateInviteCode);
    addButtonRow({byEmail, byCode});
}

void AccountGroupPage::showLeave()
{
    content()->addSpacing(16);
    addSeparator();
    content()->addSpacing(8);
    auto *leave = actionButton(tr("Leave Group"));
    connect(leave, &QPushButton::clicked, this, &AccountGroupPage::leaveGroup);
    addButtonRow({leave});
}

void AccountGroupPage::joinGroup()
{
    const std::optional<QString> entered = InputPrompt::getText(this, tr("Join Group"), tr("Enter invite code:"));
    if (!entered)
        return;
    const QString code = entered->trimmed();
    if (code.isEmpty())
        return;
    m_client->accountClient()->joinGroup(code, guarded<bool>([this](bool ok) {
        if (!ok) {
            Q_EMIT failed(tr("Invalid or expired invite code."));
            return;
        }
        Q_EMIT succeeded(tr("Joined group."));
        refresh();
    }));
}

bool AccountGroupPage::removeMember(const GroupMember &member)
{
    const QString name = memberName(member);
    if (MessageBox::question(this, tr("Remove Member"), tr("Remove %1 from the group?").arg(name),
                             QMessageBox::Yes | QMessageBox::No)
        != QMessageBox::Yes)
        return false;
    m_client->accountClient()->removeMember(member.account_id, guarded<bool>([this, name](bool ok) {
        if (ok)
            Q_EMIT succeeded(tr("%1 removed.").arg(name));
        else
            Q_EMIT failed(tr("Could not remove %1.").arg(name));
        refresh();
    }));
    return true;
}

void AccountGroupPage::revokeInvitation(const GroupInvitation &invitation)
{
    m_client->accountClient()->revokeInvitation(invitation.id, guarded<bool>([this](bool ok) {
        if (ok)
            Q_EMIT succeeded(tr("Invitation revoked."));
        else
            Q_EMIT failed(tr("Could not revoke the invitation."));
        refresh();
    }));
}

void AccountGroupPage::inviteByEmail()
{
    const std::optional<QString> entered = InputPrompt::getText(this, tr("Invite by Email"), tr("Email address:"));
    if (!entered)
        return;
    const QString email = entered->trimmed();
    if (email.isEmpty())
        return;
    m_client->accountClient()->inviteByEmail(email, guarded<const GroupInvitation &>([this](const GroupInvitation &invitation) {
        if (invitation.id.isEmpty()) {
            Q_EMIT failed(tr("Failed to send invitation."));
            return;
        }
        Q_EMIT succeeded(tr("Invitation sent."));
        refresh();
    }));
}

void AccountGroupPage::generateInviteCode()
{
    m_client->accountClient()->generateInviteCode(guarded<const GroupInvitation &>([this](const GroupInvitation &invitation) {
        if (invitation.invite_code.isEmpty()) {
            Q_EMIT failed(tr("Failed to generate code."));
            return;
        }
        // Fetched first, so the page behind the box already lists the code.
        refresh();
        MessageBox::information(this, tr("Invite Code"),
                                tr("Share this code with the person you want to invite:\n\n%1").arg(invitation.invite_code));
    }));
}

void AccountGroupPage::leaveGroup()
{
    if (MessageBox::question(this, tr("Leave Group"), tr("Leave this group? You will lose access to shared data."),
                             QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        != QMessageBox::Yes)
        return;
    m_client->accountClient()->leaveGroup(guarded<bool>([this](bool ok) {
        if (ok)
            Q_EMIT succeeded(tr("Left group."));
        else
            Q_EMIT failed(tr("Could not leave the group."));
        refresh();
    }));
}

} // namespace OrlAccount
