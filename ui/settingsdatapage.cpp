#include "ui/settingsdatapage.h"

#include "app/appstate.h"
#include "services/undohistory.h"
#include "ui/messagebox.h"
#include "ui/settingsdeletedaccounts.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFrame>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QPushButton>
#include <QSaveFile>
#include <QStandardPaths>
#include <QVBoxLayout>

SettingsDataPage::SettingsDataPage(AppState *state, QWidget *syncSection, QWidget *parent)
    : SettingsPage(tr("Data & Sync"), parent)
    , m_state(state)
    , m_export(new QPushButton(tr("Export Backup")))
    , m_import(new QPushButton(tr("Import Backup")))
    , m_deleted(new SettingsDeletedAccounts(state->accountRepository(), state->accountService()))
{
    addSectionHeader(tr("Sync"), tr("Keep your quillby in sync across all your devices."));
    if (syncSection)
        pageLayout()->addWidget(syncSection);
    addSeparator();

    addSectionHeader(tr("Backup & Restore"), tr("Save or restore your data to a portable backup file."));
    m_export->setObjectName(QStringLiteral("exportBackupButton"));
    m_import->setObjectName(QStringLiteral("importBackupButton"));
    auto *backupRow = new QHBoxLayout;
    backupRow->setContentsMargins(12, 0, 0, 0);
    backupRow->setSpacing(8);
    backupRow->addWidget(m_export);
    backupRow->addWidget(m_import);
    backupRow->addStretch(1);
    pageLayout()->addLayout(backupRow);

    m_deletedSeparator = addSeparator();
    pageLayout()->addWidget(m_deleted);
    finish();

    connect(m_export, &QPushButton::clicked, this, &SettingsDataPage::onExportBackup);
    connect(m_import, &QPushButton::clicked, this, &SettingsDataPage::onImportBackup);
    connect(m_deleted, &SettingsDeletedAccounts::accountRestored, this, [this] {
        showDeletedAccounts();
        Q_EMIT dataRestored();
    });
    refresh();
}

void SettingsDataPage::refresh()
{
    m_deleted->reload();
    showDeletedAccounts();
}

void SettingsDataPage::showDeletedAccounts()
{
    m_deletedSeparator->setVisible(!m_deleted->isHidden());
}

QStringList SettingsDataPage::importModeNames()
{
    return {tr("Replace all with backup data"), tr("Keep newer (compare timestamps)"), tr("Skip existing items")};
}

BackupImportMode SettingsDataPage::importModeAt(int index)
{
    switch (index) {
    case 0:
        return BackupImportMode::ReplaceAll;
    case 2:
        return BackupImportMode::SkipExisting;
    default:
        return BackupImportMode::KeepNewer;
    }
}

int SettingsDataPage::defaultImportMode()
{
    // Keeping the newer copy of each row loses nothing made since the backup.
    return 1;
}

QString SettingsDataPage::proposedBackupName(const QDate &today)
{
    return QStringLiteral("quillby-backup-%1.zip").arg(today.toString(QStringLiteral("yyyy-MM-dd")));
}

void SettingsDataPage::onExportBackup()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    const QString path = QFileDialog::getSaveFileName(this, tr("Export Backup"),
                                                      QDir(folder).filePath(proposedBackupName(QDate::currentDate())),
                                                      tr("ZIP Files (*.zip)"));
    if (!path.isEmpty())
        exportBackupTo(path);
}

void SettingsDataPage::exportBackupTo(const QString &path)
{
    m_export->setEnabled(false);
    m_export->setText(tr("Exporting..."));
    // The work below keeps the event loop waiting: show the state now.
    m_export->repaint();
    const auto finish = [this] {
        m_export->setEnabled(true);
        m_export->setText(tr("Export Backup"));
    };
    const auto fail = [this, &path, &finish](const QString &reason) {
        finish();
        MessageBox::warning(this, tr("Backup Failed"),
                            tr("Could not write to:\n%1").arg(path) + (reason.isEmpty() ? QString() : QStringLiteral("\n\n") + reason));
    };

    BackupService service(m_state->database());
    const QByteArray archive = service.exportBackup();
    if (archive.isEmpty()) {
        fail(tr("The backup could not be made from the database."));
        return;
    }
    // The file appears under its name only once every byte is on disk.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        fail(file.errorString());
        return;
    }
    const qint64 written = file.write(archive);
    if (written != archive.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        fail(tr("Only %1 of %2 bytes could be written. %3").arg(qMax<qint64>(written, 0)).arg(archive.size()).arg(reason));
        return;
    }
    if (!file.commit()) {
        fail(file.errorString());
        return;
    }
    finish();
    MessageBox::information(this, tr("Backup Complete"), tr("Backup saved to:\n%1").arg(path));
}

std::optional<BackupImportMode> SettingsDataPage::askImportMode()
{
    bool ok = false;
    const QStringList names = importModeNames();
    const QString chosen = QInputDialog::getItem(this, tr("Import Mode"), tr("How should existing data be handled?"),
                                                 names, defaultImportMode(), false, &ok);
    if (!ok || !names.contains(chosen))
        return std::nullopt;
    return importModeAt(int(names.indexOf(chosen)));
}

void SettingsDataPage::onImportBackup()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Import Backup"), QString(), tr("ZIP Files (*.zip)"));
    if (path.isEmpty())
        return;
    const std::optional<BackupImportMode> mode = askImportMode();
    if (mode)
        importBackupFrom(path, *mode);
}

void SettingsDataPage::importBackupFrom(const QString &path, BackupImportMode mode)
{
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            MessageBox::warning(this, tr("Import Failed"), tr("Could not read file."));
            return;
        }
    }
    m_import->setEnabled(false);
    m_import->setText(tr("Importing..."));
    m_import->repaint();
    BackupService service(m_state->database());
    const BackupImportResult result = service.importBackupFile(path, mode);
    m_import->setEnabled(true);
    m_import->setText(tr("Import Backup"));

    // A backup refused as a whole changed nothing; the reason is the one error.
    if (result.totalImported() == 0 && result.totalSkipped() == 0 && !result.errors.isEmpty()) {
        MessageBox::warning(this, tr("Import Failed"), result.errors.first());
        return;
    }
    QString text = tr("Imported %1 items, skipped %2.").arg(result.totalImported()).arg(result.totalSkipped());
    if (!result.errors.isEmpty())
        text += QStringLiteral("\n\n") + tr("%n error(s) occurred.", nullptr, int(result.errors.size()));
    // Undo steps hold copies of rows from before the restore; replaying
    // one now would overwrite what the backup brought back.
    if (result.totalImported() > 0 && m_state->undoHistory())
        m_state->undoHistory()->clear();
    MessageBox::information(this, tr("Import Complete"), text);
    refresh();
    Q_EMIT dataRestored();
}
