#pragma once

#include "ui/screens/accountpage.h"

class QLabel;
class QPushButton;

namespace OrlAccount {

// The account screen's Data & Privacy page: scheduling the account's
// deletion, confirmed by typing DELETE. A group owner cannot delete the
// account and is told why. After the service has scheduled the deletion the
// page asks for sign-out.
class AccountPrivacyPage : public AccountPage
{
    Q_OBJECT

public:
    AccountPrivacyPage(Client *client, const ReplyGuard *guard, QWidget *parent = nullptr);

    // Reads the owner role from the sign-in token; asks the service nothing.
    void refresh() override;
    void deleteAccount();

    QPushButton *deleteButton() const { return m_delete; }
    bool isOwnerNoteVisible() const;

Q_SIGNALS:
    void logoutRequested();

private:
    QPushButton *m_delete;
    QLabel *m_ownerNote;
};

} // namespace OrlAccount
