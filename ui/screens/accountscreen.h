#pragma once

#include "ui/screens/replyguard.h"

#include <QWidget>

class AccountStatusLine;
class QListWidget;
class QStackedWidget;

namespace OrlAccount {

class AccountDevicesPage;
class AccountGroupPage;
class AccountPrivacyPage;
class AccountProfilePage;
class AccountSecurityPage;
class Client;

// The window in which a signed-in user manages the online account: profile
// and password, the family group, devices, sessions, and the account's
// deletion. A navigation list on the left picks the page; a status line
// under the pages says how the last action went. Each page is rebuilt from
// the services on refreshAll(), which the main window runs before every
// showing. Answers that arrive after the screen was closed are dropped; the
// next showing asks again. Signing out is the main window's business: the
// screen only asks for it.
class AccountScreen : public QWidget
{
    Q_OBJECT

public:
    enum Tab { ProfileTab, GroupTab, DevicesTab, SecurityTab, PrivacyTab };
    Q_ENUM(Tab)

    explicit AccountScreen(Client *client, QWidget *parent = nullptr);

    void refreshAll();
    void refreshProfile();
    void refreshGroup();
    void refreshDevices();
    void refreshSessions();

    void selectTab(Tab tab);
    Tab currentTab() const;

    QListWidget *navigation() const { return m_navigation; }
    QStackedWidget *pageStack() const { return m_pages; }
    AccountStatusLine *statusLine() const { return m_status; }
    AccountProfilePage *profilePage() const { return m_profile; }
    AccountGroupPage *groupPage() const { return m_group; }
    AccountDevicesPage *devicesPage() const { return m_devices; }
    AccountSecurityPage *securityPage() const { return m_security; }
    AccountPrivacyPage *privacyPage() const { return m_privacy; }

    // The navigation list's style sheet for the palette in use.
    static QString navigationStyle();

Q_SIGNALS:
    void logoutRequested();

protected:
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void addPage(const QString &name, QWidget *page);
    void applyNavigationStyle();

    Client *m_client;
    ReplyGuard m_guard;
    QListWidget *m_navigation;
    QStackedWidget *m_pages;
    AccountStatusLine *m_status;
    AccountProfilePage *m_profile;
    AccountGroupPage *m_group;
    AccountDevicesPage *m_devices;
    AccountSecurityPage *m_security;
    AccountPrivacyPage *m_privacy;
    bool m_styling = false;
};

} // namespace OrlAccount
