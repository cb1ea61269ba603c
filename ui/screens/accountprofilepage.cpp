#include "ui/screens/accountprofilepage.h"

#include "account/authclient.h"
#include "account/client.h"
#include "ui/inputprompt.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace OrlAccount {

AccountProfilePage::AccountProfilePage(Client *client, const ReplyGuard *guard, QWidget *parent)
    : AccountPage(tr("Profile"), client, guard, parent)
    , m_name(plainLabel(tr("(not set)")))
    , m_email(secondaryLabel(QString()))
    , m_editName(new QPushButton(tr("Edit Display Name")))
    , m_changePassword(new QPushButton(tr("Change Password")))
{
    addSectionHeader(tr("Personal Information"));
    m_name->setObjectName(QStringLiteral("displayName"));
    m_email->setObjectName(QStringLiteral("email"));
    m_name->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_email->setTextInteractionFlags(Qt::TextSelectableByMouse);
    content()->addWidget(m_name);
    content()->addWidget(m_email);

    auto *signOut = new QPushButton(tr("Sign Out"));
    addButtonRow({m_editName, signOut});
    content()->addSpacing(16);
    addSeparator();
    content()->addSpacing(8);
    addSectionHeader(tr("Password"), tr("Change your account password."));
    addButtonRow({m_changePassword});

    connect(m_editName, &QPushButton::clicked, this, &AccountProfilePage::editDisplayName);
    connect(signOut, &QPushButton::clicked, this, &AccountProfilePage::logoutRequested);
    connect(m_changePassword, &QPushButton::clicked, this, &AccountProfilePage::changePassword);
}

void AccountProfilePage::refresh()
{
    // A request cut off by a closed screen leaves its button waiting; each
    // showing starts with working buttons.
    m_editName->setEnabled(true);
    m_changePassword->setEnabled(true);
    m_client->authClient()->fetchCurrentUser(guarded<const User &>([this](const User &user) { showUser(user); }));
}

void AccountProfilePage::showUser(const User &user)
{
    m_hasName = !user.display_name.isEmpty();
    m_name->setText(m_hasName ? user.display_name : tr("(not set)"));
    m_email->setText(user.email);
    m_email->setStyleSheet(QStringLiteral("color: %1;").arg(secondaryColor()));
}

QString AccountProfilePage::nameText() const
{
    return m_name->text();
}

QString AccountProfilePage::emailText() const
{
    return m_email->text();
}

void AccountProfilePage::editDisplayName()
{
    // "(not set)" is no name to start from: saving it unchanged would make it one.
    const std::optional<QString> entered =
        InputPrompt::getText(this, tr("Edit Display Name"), tr("Display name:"), m_hasName ? m_name->text() : QString());
    if (!entered)
        return;
    const QString name = entered->trimmed();
    if (name.isEmpty())
        return;
    m_editName->setEnabled(false);
    m_client->authClient()->updateDisplayName(name, guarded<bool, const User &>([this](bool ok, const User &user) {
        m_editName->setEnabled(true);
        if (!ok || user.display_name.isEmpty()) {
            Q_EMIT failed(tr("Failed to update profile."));
            return;
        }
        showUser(user);
        Q_EMIT succeeded(tr("Display name updated."));
    }));
}

void AccountProfilePage::changePassword()
{
    const QString title = tr("Change Password");
    const std::optional<QString> current = InputPrompt::getPassword(this, title, tr("Current password:"));
    if (!current || current->isEmpty())
        return;
    const std::optional<QString> chosen = InputPrompt::getPassword(this, title, tr("New password (min 8 characters):"));
    if (!chosen || chosen->isEmpty())
        return;
    if (chosen->size() < MinPasswordLength) {
        Q_EMIT failed(tr("Password must be at least 8 characters."));
        return;
    }
    const std::optional<QString> confirmed = InputPrompt::getPassword(this, title, tr("Confirm new password:"));
    if (!confirmed || confirmed->isEmpty())
        return;
    if (*confirmed != *chosen) {
        Q_EMIT failed(tr("Passwords do not match."));
        return;
    }
    m_changePassword->setEnabled(false);
    m_client->authClient()->changePassword(*current, *chosen, guarded<bool>([this](bool ok) {
        m_changePassword->setEnabled(true);
        if (!ok) {
            Q_EMIT failed(tr("Failed to change password."));
            return;
        }
        Q_EMIT succeeded(tr("Password changed."));
        Q_EMIT passwordChanged();
    }));
}

} // namespace OrlAccount
