#include "ui/screens/accountsecuritypage.h"

#include "account/authclient.h"
#include "account/client.h"
#include "ui/screens/accounttexts.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace OrlAccount {

AccountSecurityPage::AccountSecurityPage(Client *client, const ReplyGuard *guard, QWidget *parent)
    : AccountPage(tr("Security"), client, guard, parent)
{
    showSessions({});
}

void AccountSecurityPage::refresh()
{
    const quint64 fetch = ++m_fetch;
    m_client->authClient()->listSessions(guarded<const QList<Session> &>([this, fetch](const QList<Session> &sessions) {
        if (fetch == m_fetch)
            showSessions(sessions);
    }));
}

void AccountSecurityPage::showSessions(const QList<Session> &sessions)
{
    clearContent();
    addSectionHeader(tr("Active Sessions"), tr("Sessions currently signed in to your account."));
    if (sessions.isEmpty()) {
        auto *none = secondaryLabel(tr("No active sessions."));
        none->setObjectName(QStringLiteral("emptyNote"));
        content()->addWidget(none);
        return;
    }
    for (const Session &session : sessions) {
        auto *block = new QWidget;
        block->setObjectName(QStringLiteral("sessionRow"));
        auto *lines = new QVBoxLayout(block);
        lines->setContentsMargins(0, 4, 0, 4);
        lines->setSpacing(2);
        auto *client = plainLabel(sessionClientName(session.user_agent));
        client->setObjectName(QStringLiteral("sessionClient"));
        client->setWordWrap(true);
        // Escaped inside a paragraph: shown as text, and wrapped when long.
        if (!session.user_agent.isEmpty())
            client->setToolTip(QStringLiteral("<p>%1</p>").arg(session.user_agent.toHtmlEscaped()));
        setRelativeFont(client, 0, 500);
        lines->addWidget(client);
        QString when = session.is_current ? tr("This session") : relativeTime(session.last_active_at);
        if (!session.ip_address.isEmpty())
            when += QStringLiteral("  ·  %1").arg(session.ip_address);
        auto *details = secondaryLabel(when);
        details->setObjectName(QStringLiteral("sessionDetails"));
        lines->addWidget(details);
        QWidget *trailing = nullptr;
        if (session.is_current) {
            trailing = badge(tr("Current"), QStringLiteral("#2E7D32"));
        } else {
            auto *revoke = new QPushButton(tr("Revoke"));
            connect(revoke, &QPushButton::clicked, this, [this, session, revoke] {
                revoke->setEnabled(false);
                revokeSession(session);
            });
            trailing = revoke;
        }
        addRow(block, {trailing});
    }
}

void AccountSecurityPage::revokeSession(const Session &session)
{
    m_client->authClient()->revokeSession(session.id, guarded<bool>([this](bool ok) {
        if (ok)
            Q_EMIT succeeded(tr("Session revoked."));
        else
            Q_EMIT failed(tr("Could not revoke the session."));
        refresh();
    }));
}

} // namespace OrlAccount
