#pragma once

#include "services/backupservice.h"
#include "ui/settingspage.h"

#include <QStringList>

#include <optional>

class AppState;
class QFrame;
class QPushButton;
class SettingsDeletedAccounts;

// The Data & Sync page of the preferences: the sync section (made by the
// screen, which knows the sync engine), the backup export and restore, and
// the deleted accounts. An export is made in full
// and then written through a save file, so a failed or short write leaves
// any earlier file untouched and says so. A restore that the backup
// service refuses as a whole says why; one that went through reports its
// counts. Restores and restored accounts are announced with
// dataRestored().
class SettingsDataPage : public SettingsPage
{
    Q_OBJECT

public:
    SettingsDataPage(AppState *state, QWidget *syncSection, QWidget *parent = nullptr);

    // The deleted accounts.
    void refresh();

    // What the buttons do once a file (and a mode) was chosen.
    void exportBackupTo(const QString &path);
    void importBackupFrom(const QString &path, BackupImportMode mode);

    // The restore modes as offered, in order, and the one preselected.
    static QStringList importModeNames();
    static BackupImportMode importModeAt(int index);
    static int defaultImportMode();
    // The file name proposed for an export made on `today`.
    static QString proposedBackupName(const QDate &today);

    SettingsDeletedAccounts *deletedAccounts() const { return m_deleted; }
    QPushButton *exportButton() const { return m_export; }
    QPushButton *importButton() const { return m_import; }

public Q_SLOTS:
    void onExportBackup();
    void onImportBackup();

Q_SIGNALS:
    void dataRestored();

private:
    // Asks which restore mode to use; nothing when the person cancelled.
    std::optional<BackupImportMode> askImportMode();
    void showDeletedAccounts();

    AppState *m_state;
    QPushButton *m_export;
    QPushButton *m_import;
    QFrame *m_deletedSeparator = nullptr;
    SettingsDeletedAccounts *m_deleted;
};
