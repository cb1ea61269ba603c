#include "ui/screens/accountprivacypage.h"

#include "account/accountclient.h"
#include "account/client.h"
#include "ui/inputprompt.h"
#include "ui/messagebox.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace OrlAccount {

AccountPrivacyPage::AccountPrivacyPage(Client *client, const ReplyGuard *guard, QWidget *parent)
    : AccountPage(tr("Data & Privacy"), client, guard, parent)
    , m_delete(new QPushButton(tr("Delete Account")))
    , m_ownerNote(plainLabel(tr("You are the group owner. Transfer ownership or remove all members before deleting your account.")))
{
    addSectionHeader(tr("Danger Zone"), tr("Permanently delete your account. This cannot be undone after 30 days."));
    m_delete->setObjectName(QStringLiteral("deleteAccount"));
    m_delete->setStyleSheet(QStringLiteral("QPushButton { color: white; background: #C62828; border: none;  border-radius: 4px; "
                                           "padding: 6px 16px; font-weight: 600; }QPushButton:hover { background: #B71C1C; }"
                                           "QPushButton:disabled { background: #666; }"));
    addButtonRow({m_delete});
    m_ownerNote->setObjectName(QStringLiteral("ownerNote"));
    m_ownerNote->setWordWrap(true);
    content()->addWidget(m_ownerNote);
    connect(m_delete, &QPushButton::clicked, this, &AccountPrivacyPage::deleteAccount);
    refresh();
}

void AccountPrivacyPage::refresh()
{
    const bool owner = m_client->claims().role == QLatin1String("owner");
    m_delete->setEnabled(!owner);
    m_ownerNote->setVisible(owner);
}

bool AccountPrivacyPage::isOwnerNoteVisible() const
{
    return !m_ownerNote->isHidden();
}

void AccountPrivacyPage::deleteAccount()
{
    // The button may be stale: the role is read again before anything is sent.
    refresh();
    if (!m_delete->isEnabled())
        return;
    const std::optional<QString> typed = InputPrompt::getText(
        this, tr("Delete Account"),
        tr("This will schedule your account for permanent deletion after 30 days.\n\nType DELETE to confirm:"));
    if (!typed || *typed != QLatin1String("DELETE"))
        return;
    m_delete->setEnabled(false);
    // Unlike the other answers, this one still counts when the screen was
    // closed meanwhile: the account is on its way out, and the sign-out that
    // goes with that must not be lost.
    m_client->accountClient()->deleteAccount([this, page = QPointer<AccountPrivacyPage>(this)](bool ok) {
        if (!page)
            return;
        if (!ok) {
            refresh();
            Q_EMIT failed(tr("Failed to delete account."));
            return;
        }
        MessageBox::information(this, tr("Account Scheduled for Deletion"),
                                tr("Your account will be permanently deleted in 30 days. You can recover it by signing in before then."));
        Q_EMIT logoutRequested();
    });
}

} // namespace OrlAccount
