#include "ui/screens/accountscreen.h"

#include "account/accountclient.h"
#include "account/client.h"
#include "ui/screens/accountdevicespage.h"
#include "ui/screens/accountgrouppage.h"
#include "ui/screens/accountprivacypage.h"
#include "ui/screens/accountprofilepage.h"
#include "ui/screens/accountsecuritypage.h"
#include "ui/screens/accountstatusline.h"
#include "ui/thememanager.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QListWidget>
#include <QScrollArea>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace OrlAccount {

AccountScreen::AccountScreen(Client *client, QWidget *parent)
    : QWidget(parent)
    , m_client(client)
    , m_navigation(new QListWidget)
    , m_pages(new QStackedWidget)
    , m_status(new AccountStatusLine)
    , m_profile(new AccountProfilePage(client, &m_guard))
    , m_group(new AccountGroupPage(client, &m_guard))
    , m_devices(new AccountDevicesPage(client, &m_guard))
    , m_security(new AccountSecurityPage(client, &m_guard))
    , m_privacy(new AccountPrivacyPage(client, &m_guard))
{
    m_navigation->setObjectName(QStringLiteral("accountNavigation"));
    m_navigation->setFixedWidth(180);
    m_navigation->setFrameShape(QFrame::NoFrame);
    m_navigation->setFocusPolicy(Qt::NoFocus);
    m_navigation->setSpacing(2);
    applyNavigationStyle();

    addPage(tr("Profile"), m_profile);
    addPage(tr("Group"), m_group);
    addPage(tr("Devices"), m_devices);
    addPage(tr("Security"), m_security);
    addPage(tr("Data & Privacy"), m_privacy);
    connect(m_navigation, &QListWidget::currentRowChanged, m_pages, &QStackedWidget::setCurrentIndex);
    m_navigation->setCurrentRow(ProfileTab);

    auto *column = new QVBoxLayout;
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(m_pages, 1);
    column->addWidget(m_status);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_navigation);
    layout->addLayout(column, 1);

    for (AccountPage *page : std::initializer_list<AccountPage *>{m_profile, m_group, m_devices, m_security, m_privacy}) {
        connect(page, &AccountPage::succeeded, m_status, &AccountStatusLine::showSuccess);
        connect(page, &AccountPage::failed, m_status, &AccountStatusLine::showError);
    }
    connect(m_profile, &AccountProfilePage::logoutRequested, this, &AccountScreen::logoutRequested);
    connect(m_privacy, &AccountPrivacyPage::logoutRequested, this, &AccountScreen::logoutRequested);
    // Every other session ended with the password change.
    connect(m_profile, &AccountProfilePage::passwordChanged, this, &AccountScreen::refreshSessions);
    // Joining or leaving a group changes the role the Data & Privacy page reads.
    connect(m_client->accountClient(), &AccountClient::groupChanged, m_privacy, &AccountPrivacyPage::refresh);
    connect(m_client, &Client::claimsUpdated, m_privacy, &AccountPrivacyPage::refresh);
}

void AccountScreen::addPage(const QString &name, QWidget *page)
{
    m_navigation->addItem(name);
    // A long list of sessions or devices scrolls inside its page.
    auto *scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidget(page);
    m_pages->addWidget(scroll);
}

void AccountScreen::refreshAll()
{
    applyNavigationStyle();
    refreshProfile();
    refreshGroup();
    refreshDevices();
    refreshSessions();
    m_privacy->refresh();
}

void AccountScreen::refreshProfile()
{
    m_profile->refresh();
}

void AccountScreen::refreshGroup()
{
    m_group->refresh();
}

void AccountScreen::refreshDevices()
{
    m_devices->refresh();
}

void AccountScreen::refreshSessions()
{
    m_security->refresh();
}

void AccountScreen::selectTab(Tab tab)
{
    if (tab >= ProfileTab && tab <= PrivacyTab)
        m_navigation->setCurrentRow(tab);
}

AccountScreen::Tab AccountScreen::currentTab() const
{
    return Tab(m_navigation->currentRow());
}

QString AccountScreen::navigationStyle()
{
    const QPalette palette = QApplication::palette();
    const bool dark = isDarkPalette();
    const QColor window = palette.color(QPalette::Window);
    QColor background = palette.color(QPalette::AlternateBase);
    if (!background.isValid())
        background = window.lighter(dark ? 115 : 97);
    const QColor hover = dark ? window.lighter(135) : window.darker(105);
    return QStringLiteral("QListWidget {  background: %1; border: none; padding: 12px 8px;}"
                          "QListWidget::item {  padding: 8px 12px; border-radius: 6px;}"
                          "QListWidget::item:hover { background: %2; }"
                          "QListWidget::item:selected { background: %3; color: %4; }")
        .arg(background.name(), hover.name(), palette.color(QPalette::Highlight).name(),
             palette.color(QPalette::HighlightedText).name());
}

void AccountScreen::applyNavigationStyle()
{
    const QString style = navigationStyle();
    if (style == m_navigation->styleSheet())
        return;
    m_styling = true;
    m_navigation->setStyleSheet(style);
    m_styling = false;
}

void AccountScreen::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    // Closed (not minimised): what is still on its way is of no use now.
    if (!event->spontaneous())
        m_guard.invalidate();
}

void AccountScreen::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && !m_styling)
        applyNavigationStyle();
}

} // namespace OrlAccount
