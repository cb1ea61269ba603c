#include "app/updatewiring.h"

#include "app/onlineconfig.h"
#include "data/preferencesrepository.h"
#include "ui/statusbar.h"
#include "update/client.h"
#include "update/updatedialog.h"
#include "update/updateflows.h"
#include "update/versionnumber.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QSettings>
#include <QTimer>

Q_LOGGING_CATEGORY(lcUpdateWiring, "quillby.update")

namespace {

const QString kDismissedKey = QStringLiteral("update_dismissed_version");
const QString kOldWhatsNewKey = QStringLiteral("last_whats_new_version");
const QString kWhatsNewSetting = QStringLiteral("whatsNew/lastShownVersion");

} // namespace

UpdateWiring::UpdateWiring(OrlUpdate::UpdateConfig config, PreferencesRepository *preferences, QWidget *window, QObject *parent)
    : QObject(parent)
    , m_config(std::move(config))
    , m_preferences(preferences)
    , m_window(window)
{
}

OrlUpdate::UpdateConfig UpdateWiring::config()
{
    return OrlUpdate::UpdateConfig::fromEnvironment(QStringLiteral("quillby"), QCoreApplication::applicationVersion(),
                                                    QString::fromLatin1(OnlineConfig::DefaultServer) + QStringLiteral("/quillby/stable/"));
}

QString UpdateWiring::appName()
{
    return QStringLiteral("Orlindo Quillby");
}

OrlUpdate::StatusCallbacks UpdateWiring::statusCallbacks(StatusBar *bar)
{
    const QPointer<StatusBar> guarded(bar);
    OrlUpdate::StatusCallbacks callbacks;
    callbacks.showProgress = [guarded](const QString &text) {
        if (guarded)
            guarded->showProgress(text);
    };
    callbacks.hideProgress = [guarded] {
        if (guarded)
            guarded->hideProgress();
    };
    callbacks.showMessage = [guarded](const QString &text, int milliseconds) {
        if (guarded)
            guarded->showTimedMessage(text, milliseconds);
    };
    return callbacks;
}

bool UpdateWiring::runWhatsNewCheck()
{
    QSettings settings;
    QString shown = settings.value(kWhatsNewSetting).toString();
    if (shown.isEmpty() && m_preferences) {
        // The marker used to live in the data set; carry it over once.
        const QString older = m_preferences->getValue(kOldWhatsNewKey, QString());
        if (!older.isEmpty()) {
            settings.setValue(kWhatsNewSetting, older);
            shown = older;
        }
    }
    if (!(OrlUpdate::parseVersion(shown) < OrlUpdate::parseVersion(m_config.currentVersion)))
        return false;
    settings.setValue(kWhatsNewSetting, m_config.currentVersion);
    settings.sync();
    OrlUpdate::showStartupWhatsNew(m_config, appName(), m_window);
    return true;
}

void UpdateWiring::scheduleUpdateCheck(int delayMs)
{
    // Counted from the first turn of the event loop, when the window is up.
    QTimer::singleShot(0, this, [this, delayMs] { QTimer::singleShot(delayMs, this, &UpdateWiring::runUpdateCheck); });
}

void UpdateWiring::runUpdateCheck()
{
    if (!m_client) {
        m_client = new OrlUpdate::Client(m_config, this);
        connect(m_client, &OrlUpdate::Client::updateAvailable, this, &UpdateWiring::onUpdateAvailable);
        connect(m_client, &OrlUpdate::Client::checkFailed, this,
                [](const QString &reason) { qCWarning(lcUpdateWiring).noquote() << "update check failed:" << reason; });
    }
    m_client->check();
}

void UpdateWiring::onUpdateAvailable(const OrlUpdate::Artifact &artifact)
{
    const QString dismissed = m_preferences ? m_preferences->getValue(kDismissedKey, QString()) : QString();
    if (!dismissed.isEmpty() && !(OrlUpdate::parseVersion(dismissed) < OrlUpdate::parseVersion(artifact.version)))
        return;
    if (!m_window)
        return;
    auto *dialog = new OrlUpdate::UpdateDialog(artifact, m_config.currentVersion, appName(), m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    const QPointer<PreferencesRepository> preferences = m_preferences;
    const QString offered = artifact.version;
    // Whatever closes the dialog, this version is not offered again at start.
    connect(dialog, &QDialog::finished, this, [preferences, offered](int) {
        if (preferences && !preferences->set(kDismissedKey, offered))
            qCWarning(lcUpdateWiring) << "could not remember the offered update version";
    });
    dialog->show();
}
