#pragma once

#include "update/statuscallbacks.h"
#include "update/updateconfig.h"

class QWidget;

namespace OrlUpdate {

// What the Help menu and the start-up run. Each returns at once; results
// arrive through the callbacks and dialogs. The parent window is held
// weakly: when it is gone by the time an answer arrives, no dialog shows,
// but the callbacks still run. The objects doing the work belong to the
// application object and delete themselves after their one answer.

// "Check for Updates...": offers every newer build (the dismissed version
// plays no part) or says that this one is current or why the check failed.
void checkForUpdatesInteractive(const UpdateConfig &config, const QString &appName, QWidget *parent, const StatusCallbacks &callbacks);
// "What's New...": the running version's notes; without them, the notes of
// a newer build with its download button; else a status message.
void showWhatsNew(const UpdateConfig &config, const QString &appName, QWidget *parent, const StatusCallbacks &callbacks);
// After an upgrade: the running version's notes, or nothing at all.
void showStartupWhatsNew(const UpdateConfig &config, const QString &appName, QWidget *parent);

} // namespace OrlUpdate
