#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

#include <array>

class Database;
class QIODevice;
class QJsonObject;
class QSqlQuery;
class QZipWriter;

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
// A restore treats the archive as untrusted: entry and total sizes are
// bounded before anything is inflated, only keys that are columns of the
// target table are written (quoted, with every value bound), and the whole
// restore is one transaction, so an archive that turns out damaged changes
// nothing. Rows the database rejects are skipped and counted.
class BackupService : public QObject
{
    Q_OBJECT

public:
    static constexpr qint64 MaxEntrySize = qint64(64) << 20;   // uncompressed, per entry
    static constexpr qint64 MaxRestoreSize = qint64(1) << 30;  // uncompressed, whole restore
    static constexpr qsizetype MaxEntries = 4'000'000;

    explicit BackupService(Database *database, QObject *parent = nullptr);

    // The archive bytes; a table whose query fails contributes no rows.
    QByteArray exportBackup();
    // Writes the archive through a temporary file that replaces `path` only
    // once complete, so a failed export leaves any earlier file as it was.
    bool exportBackupToFile(const QString &path, QString *errorText = nullptr);

    BackupImportResult importBackup(const QByteArray &archive, BackupImportMode mode);

private:
    struct TableRestore;
    enum class RowOutcome { Written, Skipped, Invalid, Rejected };

    bool writeArchive(QIODevice *device);
    int exportTable(QZipWriter &writer, const QString &table, const QString &folder);
    static QJsonObject rowToJson(const QSqlQuery &query, const QStringList &columns);
    RowOutcome importRow(TableRestore &table, QJsonObject object, BackupImportMode mode, const QString &entryName,
                         QString *error);
    static void resetSyncFields(QJsonObject &object);

    Database *m_database;
};
