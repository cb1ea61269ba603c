#pragma once

#include "update/artifact.h"
#include "update/statuscallbacks.h"
#include "update/updateconfig.h"

#include <QObject>
#include <QPointer>

class PreferencesRepository;
class StatusBar;
class QWidget;

namespace OrlUpdate {
class Client;
}

// The shell's side of the update library: the what's-new display after an
// upgrade (a first start included) and the automatic update check shortly
// after start, which offers each newer version once. The Help menu's entries
// call the library directly with config() and statusCallbacks().
class UpdateWiring : public QObject
{
    Q_OBJECT

public:
    static constexpr int StartupCheckDelayMs = 1500;

    UpdateWiring(OrlUpdate::UpdateConfig config, PreferencesRepository *preferences, QWidget *window, QObject *parent = nullptr);

    // The program's update configuration: "quillby" on the channel that
    // UPDATE_BASE_URL names (default the local server's stable channel),
    // with the running version.
    static OrlUpdate::UpdateConfig config();
    static QString appName();
    // Callbacks onto the status bar; they do nothing once the bar is gone.
    static OrlUpdate::StatusCallbacks statusCallbacks(StatusBar *bar);

    // Shows the running version's notes when it is newer than the last one
    // whose notes were offered; true when it set off the display.
    bool runWhatsNewCheck();
    // One check `delayMs` after the event loop runs.
    void scheduleUpdateCheck(int delayMs = StartupCheckDelayMs);
    OrlUpdate::Client *client() const { return m_client; }

    // What the automatic check does with a newer build: the update dialog,
    // unless this version (or a newer one) was offered before.
    void onUpdateAvailable(const OrlUpdate::Artifact &artifact);

private:
    void runUpdateCheck();

    OrlUpdate::UpdateConfig m_config;
    QPointer<PreferencesRepository> m_preferences;
    QPointer<QWidget> m_window;
    OrlUpdate::Client *m_client = nullptr;
};
