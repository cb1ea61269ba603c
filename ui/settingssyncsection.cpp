#include "ui/settingssyncsection.h"

#include "account/authclient.h"
#include "data/preferencesrepository.h"
#include "services/syncengine.h"
#include "ui/messagebox.h"
#include "ui/settingspage.h"
#include "ui/thememanager.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString stateColour(int state)
{
    const bool dark = isDarkPalette();
    switch (state) {
    case SyncEngine::Idle:
        return dark ? QStringLiteral("#66BB6A") : QStringLiteral("#2E7D32");
    case SyncEngine::Syncing:
        return QStringLiteral("#00897B");
    case SyncEngine::Error:
        return dark ? QStringLiteral("#FF8A80") : QStringLiteral("#C62828");
    default:
        return dark ? QStringLiteral("#FFA726") : QStringLiteral("#E65100");
    }
}

} // namespace

SettingsSyncSection::SettingsSyncSection(OrlAccount::AuthClient *auth, SyncEngine *engine,
                                         PreferencesRepository *preferences, const ReplyGuard *guard, QWidget *parent)
    : QWidget(parent)
    , m_auth(auth)
    , m_engine(engine)
    , m_preferences(preferences)
    , m_guard(guard)
    , m_status(new QLabel)
    , m_lastSync(new QLabel)
    , m_buttonRow(new QWidget)
    , m_syncNow(SettingsPage::primaryButton(tr("Sync Now")))
    , m_forceFull(new QPushButton(tr("Force Full Sync")))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 0, 0, 0);
    layout->setSpacing(8);

    m_status->setObjectName(QStringLiteral("syncStatusLabel"));
    m_status->setWordWrap(true);
    layout->addWidget(m_status);

    m_lastSync->setObjectName(QStringLiteral("lastSyncLabel"));
    m_lastSync->setTextFormat(Qt::PlainText);
    m_lastSync->setWordWrap(true);
    applyFontRole(m_lastSync, FontRole::Caption);
    m_lastSync->setStyleSheet(SettingsPage::mutedStyle());
    layout->addWidget(m_lastSync);

    m_syncNow->setObjectName(QStringLiteral("syncNowButton"));
    m_forceFull->setObjectName(QStringLiteral("forceFullSyncButton"));
    auto *buttons = new QHBoxLayout(m_buttonRow);
    buttons->setContentsMargins(0, 8, 0, 0);
    buttons->setSpacing(8);
    buttons->addWidget(m_syncNow);
    buttons->addWidget(m_forceFull);
    buttons->addStretch(1);
    layout->addWidget(m_buttonRow);

    connect(m_syncNow, &QPushButton::clicked, this, &SettingsSyncSection::onSyncNow);
    connect(m_forceFull, &QPushButton::clicked, this, &SettingsSyncSection::onForceFullSync);
    if (m_engine) {
        connect(m_engine, &SyncEngine::stateChanged, this,
                [this](SyncEngine::SyncState state) { onEngineStateChanged(state); });
    }
    if (m_auth)
        connect(m_auth, &OrlAccount::AuthClient::stateChanged, this, &SettingsSyncSection::showState);
    showState();
}

bool SettingsSyncSection::signedIn() const
{
    return m_auth && m_auth->isAuthenticated();
}

void SettingsSyncSection::refresh()
{
    showState();
    if (!signedIn())
        return;
    const OrlAccount::User user = m_auth->currentUser();
    if (!user.display_name.isEmpty() || !user.email.isEmpty())
        return;
    // Once per showing: the answer only redraws, whatever it holds.
    m_auth->fetchCurrentUser(m_guard->guard<const OrlAccount::User &>(this, [this](const OrlAccount::User &answer) {
        if (!answer.display_name.isEmpty() || !answer.id.isEmpty())
            showState();
    }));
}

QString SettingsSyncSection::lastSyncText(const QString &stored)
{
    if (stored.isEmpty())
        return tr("Never synced");
    const QDateTime time = QDateTime::fromString(stored, Qt::ISODate);
    if (!time.isValid())
        return tr("Last synced: %1").arg(stored);
    return tr("Last synced: %1").arg(QLocale().toString(time.toLocalTime(), QStringLiteral("MMM d, h:mm ap")));
}

void SettingsSyncSection::showState()
{
    if (!signedIn()) {
        m_status->setTextFormat(Qt::PlainText);
        m_status->setText(tr("Not signed in.\nSign in via File › Orlindo Account to enable sync."));
        m_lastSync->hide();
        m_buttonRow->hide();
        return;
    }

    const OrlAccount::User user = m_auth->currentUser();
    QString name = user.display_name;
    if (name.isEmpty())
        name = user.email.isEmpty() ? m_auth->userId() : user.email;
    const int state = m_engine ? int(m_engine->state()) : int(SyncEngine::Offline);
    // The name comes from the service: shown as text, never read as markup.
    m_status->setTextFormat(Qt::RichText);
    m_status->setText(tr("<b>Signed in as:</b> %1<br><b>Status:</b> <span style=\"color:%2\">%3</span>")
                          .arg(name.toHtmlEscaped(), stateColour(state), SyncEngine::stateText(state).toHtmlEscaped()));

    QString lastSync = lastSyncText(m_preferences ? m_preferences->getValue(QStringLiteral("lastSyncTimestamp"), QString())
                                                  : QString());
    if (m_engine && state == SyncEngine::Error && !m_engine->lastError().isEmpty())
        lastSync += tr("\nError: %1").arg(m_engine->lastError());
    m_lastSync->setText(lastSync);
    m_lastSync->show();
    m_buttonRow->show();

    const bool running = state == SyncEngine::Syncing;
    m_syncNow->setEnabled(m_engine && !m_waiting);
    m_forceFull->setEnabled(m_engine && !m_waiting && !running);
    m_forceFull->setToolTip(running ? tr("A sync is under way; a full sync can start once it has finished.") : QString());
}

void SettingsSyncSection::setWaiting(bool waiting)
{
    m_waiting = waiting;
    m_syncNow->setText(waiting ? tr("Syncing...") : tr("Sync Now"));
    showState();
}

void SettingsSyncSection::onEngineStateChanged(int state)
{
    if (m_waiting && state != SyncEngine::Syncing)
        setWaiting(false);
    else
        showState();
}

void SettingsSyncSection::onSyncNow()
{
    if (!m_engine || !signedIn())
        return;
    setWaiting(true);
    m_engine->syncNow();
    // A sync the engine did not start (or ended at once) leaves nothing to wait for.
    if (m_engine->state() != SyncEngine::Syncing)
        setWaiting(false);
}

void SettingsSyncSection::onForceFullSync()
{
    if (!m_engine || !signedIn())
        return;
    const auto refuseWhileRunning = [this] {
        if (!m_waiting && m_engine->state() != SyncEngine::Syncing)
            return false;
        MessageBox::information(this, tr("Force Full Sync"),
                                tr("A sync is under way. Start the full sync once it has finished."));
        return true;
    };
    if (refuseWhileRunning())
        return;
    const auto answer = MessageBox::question(
        this, tr("Force Full Sync"),
        tr("This will re-upload every local row to the server and re-download all server data. Use this if data "
           "appears out of sync between devices.\n\nContinue?"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    // A sync may have begun while the question was open.
    if (answer != QMessageBox::Yes || refuseWhileRunning())
        return;
    setWaiting(true);
    m_engine->forceFullSync();
    if (m_engine->state() != SyncEngine::Syncing)
        setWaiting(false);
}
