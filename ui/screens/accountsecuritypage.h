#pragma once

#include "account/accounttypes.h"
#include "ui/screens/accountpage.h"

namespace OrlAccount {

// The account screen's Security page: the sessions signed in to the account,
// this one marked, and revoking any other. A revocation says how it went
// once the service has answered, and the list is fetched again.
class AccountSecurityPage : public AccountPage
{
    Q_OBJECT

public:
    AccountSecurityPage(Client *client, const ReplyGuard *guard, QWidget *parent = nullptr);

    void refresh() override;
    void showSessions(const QList<Session> &sessions);
    void revokeSession(const Session &session);

private:
    quint64 m_fetch = 0;
};

} // namespace OrlAccount
