#pragma once

#include "services/ziparchivereader.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

#include <array>

class Database;
class QJsonObject;
class ZipArchiveWriter;

enum class BackupImportMode {
    SkipExisting, // a row whose id exists locally is left alone
    ReplaceAll,   // a row whose id exists is overwritten by the backup's row
    KeepNewer,    // an existing row is overwritten only by a later updated_at
};

struct BackupImportResult
{
    // Index of the per-table counts, in the order the tables are restored.
    enum Table { Accounts, Categories, Transactions, SplitLines, Recurring, Reconciliations, TableCount };

    std::array<int, TableCount> imported{};
    std::array<int, TableCount> skipped{};
    QStringList errors;

    int totalImported() const;
    int totalSkipped() const;
};

// Saves the whole data set as a ZIP archive (a manifest plus one indented
// JSON file per row of the six data tables, soft-deleted rows included) and
// restores such an archive. It works on raw rows through SQL and knows no
// record types; preferences and the search index are not part of a backup.
//
// The export streams: each row's file is made only while libzip writes it,
// so memory does not grow with the data set. A restore treats the archive as
// untrusted: libzip checks that every entry's local header agrees with the
// central directory, the manifest's row counts must match the entries found
// for each table, entry and total sizes and the entry count are bounded
// before anything is inflated, and only keys that are columns of the target
// table are written (quoted, with every value bound). The whole restore is
// one transaction, announced as one change set once committed, so an
// archive that turns out damaged changes nothing. Rows the database rejects
// are skipped and counted.
class BackupService : public QObject
{
    Q_OBJECT

public:
    // What a restore accepts, on top of what libzip checks; the sizes are
    // the uncompressed ones the archive declares.
    struct Limits
    {
        qint64 entrySize = qint64(64) << 20;
        qint64 restoreSize = qint64(1) << 30;   // all restored entries together
        qint64 entries = 4'000'000;
    };

    explicit BackupService(Database *database, QObject *parent = nullptr);

    // Tighter bounds, for hosts with little memory and for tests.
    void setLimits(const Limits &limits) { m_limits = limits; }
    const Limits &limits() const { return m_limits; }

    // The archive bytes; a table whose query fails contributes no rows.
    // Empty only when the archive itself could not be written.
    QByteArray exportBackup();
    // Writes the archive through a temporary file that replaces `path` only
    // once complete, so a failed export leaves any earlier file as it was.
    bool exportBackupToFile(const QString &path, QString *errorText = nullptr);

    BackupImportResult importBackup(const QByteArray &archive, BackupImportMode mode);
    // The same from a file, which is read entry by entry rather than whole.
    BackupImportResult importBackupFile(const QString &path, BackupImportMode mode);

private:
    struct TableRestore;
    enum class RowOutcome { Written, Skipped, Invalid, Rejected };

    bool writeArchive(ZipArchiveWriter &writer, QString *errorText);
    BackupImportResult restore(ZipArchiveReader &zip, ZipArchiveReader::OpenStatus status, BackupImportMode mode);
    RowOutcome importRow(TableRestore &table, QJsonObject object, BackupImportMode mode, const QString &entryName,
                         QString *error);
    static void resetSyncFields(QJsonObject &object);

    Database *m_database;
    Limits m_limits;
};
