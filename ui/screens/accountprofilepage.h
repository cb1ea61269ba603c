#pragma once

#include "ui/screens/accountpage.h"

class QLabel;
class QPushButton;

namespace OrlAccount {

struct User;

// The account screen's Profile page: the display name and e-mail address,
// renaming, sign-out and the password change. The password rules checked
// here (at least 8 characters, typed twice) spare the service a request; the
// service checks them again.
class AccountProfilePage : public AccountPage
{
    Q_OBJECT

public:
    static constexpr int MinPasswordLength = 8;

    AccountProfilePage(Client *client, const ReplyGuard *guard, QWidget *parent = nullptr);

    void refresh() override;
    void showUser(const User &user);

    void editDisplayName();
    void changePassword();

    QString nameText() const;
    QString emailText() const;

Q_SIGNALS:
    void logoutRequested();
    // The service took a new password and ended every other session.
    void passwordChanged();

private:
    QLabel *m_name;
    QLabel *m_email;
    QPushButton *m_editName;
    QPushButton *m_changePassword;
    // The name shown is a real one, not the "(not set)" stand-in.
    bool m_hasName = false;
};

} // namespace OrlAccount
