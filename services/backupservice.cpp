#include "services/backupservice.h"

#include "data/changejournal.h"
#include "data/database.h"
#include "data/sqlhelpers.h"
#include "data/sqltransaction.h"
#include "data/timestamps.h"
#include "services/ziparchivereader.h"

#include <QtGui/private/qzipwriter_p.h>

#include <QBuffer>
#include <QHash>
#include <QIODevice>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QSaveFile>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <cmath>

namespace {

struct BackupTable
{
    const char *table;
    const char *folder;
    const char *countKey;
};

// Parents before children: the foreign keys need accounts and categories
// before transactions, and transactions before split lines.
constexpr BackupTable kTables[BackupImportResult::TableCount] = {
    {"accounts", "accounts", "accountCount"},
    {"categories", "categories", "categoryCount"},
    {"transactions", "transactions", "transactionCount"},
    {"split_lines", "split_lines", "splitLineCount"},
    {"recurring_transactions", "recurring", "recurringCount"},
    {"reconciliations", "reconciliations", "reconciliationCount"},
};

const QString kManifestName = QStringLiteral("manifest.json");
constexpr int kArchiveVersion = 1;

// Passes writes and seeks on to another device and leaves it open when the
// ZIP writer closes it (a QSaveFile must be committed, never closed). It
// remembers whether any write fell short.
class ForwardingDevice : public QIODevice
{
public:
    explicit ForwardingDevice(QIODevice *target)
        : m_target(target)
    {
        QIODevice::open(QIODevice::WriteOnly);
        QIODevice::seek(target->pos());
    }

    bool failed() const { return m_failed; }
    bool isSequential() const override { return false; }
    qint64 size() const override { return m_target->size(); }
    bool seek(qint64 pos) override
    {
        if (!QIODevice::seek(pos) || !m_target->seek(pos)) {
            m_failed = true;
            return false;
        }
        return true;
    }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 length) override
    {
        const qint64 written = m_target->write(data, length);
        if (written != length)
            m_failed = true;
        return written;
    }

private:
    QIODevice *m_target;
    bool m_failed = false;
};

void appendU16(QByteArray &out, quint16 value)
{
    out.append(char(value & 0xFF)).append(char(value >> 8));
}

void appendU32(QByteArray &out, quint32 value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.append(char((value >> shift) & 0xFF));
}

void appendU64(QByteArray &out, quint64 value)
{
    for (int shift = 0; shift < 64; shift += 8)
        out.append(char((value >> shift) & 0xFF));
}

// The ZIP writer stores the entry count in the 16-bit fields of the end
// record, which wrap past 65,535 entries. Readers expect the ZIP64 end
// record then, so rewrite the end with it and mark the short counts as such.
bool writeZip64End(QIODevice *device, qint64 directoryStart, quint64 entryCount)
{
    constexpr qint64 endRecordSize = 22;
    const qint64 endStart = device->pos() - endRecordSize;
    const qint64 directorySize = endStart - directoryStart;
    if (endStart < 0 || directorySize < 0 || endStart > 0xFFFFFFFFLL)
        return false;

    QByteArray tail;
    appendU32(tail, 0x06064b50);          // ZIP64 end of central directory
    appendU64(tail, 44);                  // size of the rest of this record
    appendU16(tail, 45);                  // version made by
    appendU16(tail, 45);                  // version needed
    appendU32(tail, 0);                   // this disk
    appendU32(tail, 0);                   // disk with the directory
    appendU64(tail, entryCount);
    appendU64(tail, entryCount);
    appendU64(tail, quint64(directorySize));
    appendU64(tail, quint64(directoryStart));
    appendU32(tail, 0x07064b50);          // ZIP64 end locator
    appendU32(tail, 0);
    appendU64(tail, quint64(endStart));
    appendU32(tail, 1);                   // total disks
    appendU32(tail, 0x06054b50);          // end of central directory
    appendU16(tail, 0);
    appendU16(tail, 0);
    appendU16(tail, 0xFFFF);
    appendU16(tail, 0xFFFF);
    appendU32(tail, quint32(directorySize));
    appendU32(tail, quint32(directoryStart));
    appendU16(tail, 0);                   // comment length
    return device->seek(endStart) && device->write(tail) == tail.size();
}

// Null, booleans, strings and numbers bind; integral numbers as 64-bit
// integers. Arrays and objects are not column values.
bool jsonToVariant(const QJsonValue &value, QVariant *out)
{
    switch (value.type()) {
    case QJsonValue::Null:
        *out = QVariant();
        return true;
    case QJsonValue::Bool:
        *out = value.toBool();
        return true;
    case QJsonValue::String:
        *out = value.toString();
        return true;
    case QJsonValue::Double: {
        const QVariant number = value.toVariant();
        if (number.typeId() == QMetaType::LongLong) {
            *out = number;
            return true;
        }
        const double d = value.toDouble();
        if (std::isfinite(d) && d == std::trunc(d) && std::fabs(d) < 9.2e18)
            *out = qint64(d);
        else
            *out = d;
        return true;
    }
    default:
        return false;
    }
}

QString quoted(const QString &identifier)
{
    return QLatin1Char('"') + identifier + QLatin1Char('"');
}

} // namespace

int BackupImportResult::totalImported() const
{
    int total = 0;
    for (int count : imported)
        total += count;
    return total;
}

int BackupImportResult::totalSkipped() const
{
    int total = 0;
    for (int count : skipped)
        total += count;
    return total;
}

struct BackupService::TableRestore
{
    QString table;
    bool hasSyncFields = true;
    QSet<QString> columns;
    QSqlQuery lookup;
    QHash<QString, QSqlQuery> statements; // by SQL text: rows of one table share a few shapes
};

BackupService::BackupService(Database *database, QObject *parent)
    : QObject(parent)
    , m_database(database)
{
}

QByteArray BackupService::exportBackup()
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    writeArchive(&buffer);
    return buffer.data();
}

bool BackupService::exportBackupToFile(const QString &path, QString *errorText)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (errorText)
            *errorText = file.errorString();
        return false;
    }
    if (!writeArchive(&file)) {
        if (errorText)
            *errorText = file.error() != QFileDevice::NoError ? file.errorString() : tr("Cannot write the backup");
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (errorText)
            *errorText = file.errorString();
        return false;
    }
    return true;
}

bool BackupService::writeArchive(QIODevice *target)
{
    ForwardingDevice device(target);
    QZipWriter writer(&device);
    // Row entries are a few hundred bytes each: deflating them saves little
    // and setting up the compressor once per entry dominated the export
    // (seconds for 100,000 rows). They are stored; the manifest is deflated.
    writer.setCompressionPolicy(QZipWriter::NeverCompress);

    QJsonObject manifest;
    manifest.insert(QStringLiteral("version"), kArchiveVersion);
    manifest.insert(QStringLiteral("exportedAt"), nowTimestamp());
    quint64 entries = 1;
    for (const BackupTable &entry : kTables) {
        const int count = exportTable(writer, QLatin1String(entry.table), QLatin1String(entry.folder));
        manifest.insert(QLatin1String(entry.countKey), count);
        entries += quint64(count);
    }
    writer.setCompressionPolicy(QZipWriter::AutoCompress);
    writer.addFile(kManifestName, QJsonDocument(manifest).toJson(QJsonDocument::Indented));

    const qint64 directoryStart = target->pos();
    writer.close();
    if (writer.status() != QZipWriter::NoError || device.failed())
        return false;
    if (entries > 0xFFFF)
        return writeZip64End(target, directoryStart, entries);
    return true;
}

int BackupService::exportTable(QZipWriter &writer, const QString &table, const QString &folder)
{
    QSqlQuery query = Sql::prepare(m_database->connection(), QStringLiteral("SELECT * FROM %1").arg(table));
    if (!Sql::exec(query, "BackupService export query"))
        return 0;

    const QSqlRecord record = query.record();
    QStringList columns;
    columns.reserve(record.count());
    for (int i = 0; i < record.count(); ++i)
        columns.append(record.fieldName(i));

    const QString prefix = folder + QLatin1Char('/');
    const QString suffix = QStringLiteral(".json");
    int count = 0;
    while (query.next()) {
        const QJsonObject object = rowToJson(query, columns);
        const QString id = object.value(QLatin1String("id")).toString();
        writer.addFile(prefix + id + suffix, QJsonDocument(object).toJson(QJsonDocument::Indented));
        ++count;
    }
    return count;
}

QJsonObject BackupService::rowToJson(const QSqlQuery &query, const QStringList &columns)
{
    QJsonObject object;
    for (qsizetype i = 0; i < columns.size(); ++i) {
        const QVariant value = query.value(int(i));
        QJsonValue json;
        if (value.isNull()) {
            json = QJsonValue(QJsonValue::Null);
        } else {
            switch (value.typeId()) {
            case QMetaType::LongLong:
            case QMetaType::Int:
            case QMetaType::UInt:
                json = QJsonValue(value.toLongLong());
                break;
            case QMetaType::Double:
                json = QJsonValue(value.toDouble());
                break;
            case QMetaType::Bool:
                json = QJsonValue(value.toBool());
                break;
            default:
                json = QJsonValue(value.toString());
                break;
            }
        }
        object.insert(columns.at(i), json);
    }
    return object;
}

void BackupService::resetSyncFields(QJsonObject &object)
{
    object.insert(QStringLiteral("sync_status"), QStringLiteral("pending"));
    object.insert(QStringLiteral("server_id"), QJsonValue(QJsonValue::Null));
    object.insert(QStringLiteral("version"), 1);
}

BackupImportResult BackupService::importBackup(const QByteArray &archive, BackupImportMode mode)
{
    BackupImportResult result;
    auto abandon = [&result](const QString &error) {
        result.imported.fill(0);
        result.skipped.fill(0);
        result.errors.append(error);
        return result;
    };

    ZipArchiveReader zip;
    if (!zip.open(archive, MaxEntries)) {
        return abandon(zip.exceededEntryLimit() ? tr("Backup has too many entries (more than %1)").arg(MaxEntries)
                                                : tr("Failed to open ZIP archive"));
    }
    const QList<ZipArchiveReader::Entry> &entries = zip.entries();
    auto tooLarge = [](const ZipArchiveReader::Entry &entry) {
        return tr("%1 is too large to restore (%2 bytes uncompressed)").arg(entry.name).arg(entry.uncompressedSize);
    };

    QByteArray manifestData;
    for (const ZipArchiveReader::Entry &entry : entries) {
        if (entry.name != kManifestName)
            continue;
        if (entry.uncompressedSize > MaxEntrySize)
            return abandon(tooLarge(entry));
        if (!zip.read(entry, &manifestData))
            return abandon(tr("%1: damaged entry (%2); nothing was restored").arg(entry.name, zip.errorText()));
        break;
    }
    if (manifestData.isEmpty())
        return abandon(tr("Invalid backup: missing manifest.json"));
    const int version = QJsonDocument::fromJson(manifestData).object().value(QLatin1String("version")).toInt(0);
    if (version != kArchiveVersion)
        return abandon(tr("Unsupported backup version: %1").arg(version));

    // Everything that will be inflated is measured from the central
    // directory first, so an oversized archive is refused before any work.
    std::array<QList<qsizetype>, BackupImportResult::TableCount> selected;
    qint64 totalSize = manifestData.size();
    const QString suffix = QStringLiteral(".json");
    for (int t = 0; t < BackupImportResult::TableCount; ++t) {
        const QString prefix = QLatin1String(kTables[t].folder) + QLatin1Char('/');
        for (qsizetype i = 0; i < entries.size(); ++i) {
            const ZipArchiveReader::Entry &entry = entries.at(i);
            if (!entry.name.startsWith(prefix) || !entry.name.endsWith(suffix))
                continue;
            if (entry.uncompressedSize > MaxEntrySize)
                return abandon(tooLarge(entry));
            totalSize += entry.uncompressedSize;
            if (totalSize > MaxRestoreSize)
                return abandon(tr("Backup is too large to restore (more than %1 bytes uncompressed)")
                                   .arg(MaxRestoreSize));
            selected[t].append(i);
        }
    }

    const QSqlDatabase db = m_database->connection();
    SqlTransaction transaction(db);
    if (!transaction.isActive())
        return abandon(tr("The backup could not be restored: %1").arg(transaction.errorText()));

    for (int t = 0; t < BackupImportResult::TableCount; ++t) {
        TableRestore table;
        table.table = QLatin1String(kTables[t].table);
        table.hasSyncFields = t != BackupImportResult::SplitLines;
        const QSqlRecord record = db.record(table.table);
        for (int i = 0; i < record.count(); ++i)
            table.columns.insert(record.fieldName(i));
        table.lookup = QSqlQuery(db);
        table.lookup.setForwardOnly(true);
        table.lookup.prepare(QStringLiteral("SELECT id, updated_at FROM %1 WHERE id = ?").arg(table.table));

        // Rows the database refused (a parent that comes later in the same
        // table, such as a subcategory listed before its parent) are tried
        // again after the pass for as long as that makes progress.
        QList<std::pair<qsizetype, QJsonObject>> refused;
        for (qsizetype index : std::as_const(selected[t])) {
            const ZipArchiveReader::Entry &entry = entries.at(index);
            QByteArray data;
            if (!zip.read(entry, &data))
                return abandon(tr("%1: damaged entry (%2); nothing was restored").arg(entry.name, zip.errorText()));
            QJsonObject object = QJsonDocument::fromJson(data).object();
            data = QByteArray();
            if (object.isEmpty()) {
                result.errors.append(tr("%1: invalid JSON").arg(entry.name));
                continue;
            }
            QString error;
            switch (importRow(table, object, mode, entry.name, &error)) {
            case RowOutcome::Written:
                ++result.imported[t];
                break;
            case RowOutcome::Invalid:
                result.errors.append(error);
                Q_FALLTHROUGH();
            case RowOutcome::Skipped:
                ++result.skipped[t];
                break;
            case RowOutcome::Rejected:
                refused.append({index, std::move(object)});
                break;
            }
        }
        bool progress = true;
        while (progress && !refused.isEmpty()) {
            progress = false;
            QList<std::pair<qsizetype, QJsonObject>> stillRefused;
            for (auto &[index, object] : refused) {
                QString error;
                switch (importRow(table, object, mode, entries.at(index).name, &error)) {
                case RowOutcome::Written:
                    ++result.imported[t];
                    progress = true;
                    break;
                case RowOutcome::Rejected:
                    stillRefused.append({index, std::move(object)});
                    break;
                default:
                    ++result.skipped[t];
                    break;
                }
            }
            refused = std::move(stillRefused);
        }
        result.skipped[t] += int(refused.size());
    }

    // Rows arrive by the restore's own statements, not the repositories':
    // every open screen reloads once the restore has committed.
    if (ChangeJournal *changes = m_database->changes()) {
        for (ChangeSet::Entity entity : {ChangeSet::Entity::Account, ChangeSet::Entity::Category,
                                         ChangeSet::Entity::Recurring, ChangeSet::Entity::Reconciliation})
            changes->record(entity, QString());
        changes->recordTransaction(QString(), QString());
    }
    if (!transaction.commit())
        return abandon(tr("The backup could not be restored: %1").arg(transaction.errorText()));
    return result;
}

BackupService::RowOutcome BackupService::importRow(TableRestore &table, QJsonObject object, BackupImportMode mode,
                                                   const QString &entryName, QString *error)
{
    if (table.hasSyncFields)
        resetSyncFields(object);

    const QString id = object.value(QLatin1String("id")).toString();
    if (id.isEmpty())
        return RowOutcome::Skipped;

    // Keys name columns in the statement, so only the table's own columns
    // are accepted; the values are always bound.
    const QStringList keys = object.keys();
    QVariantList values;
    values.reserve(keys.size());
    for (const QString &key : keys) {
        if (!table.columns.contains(key)) {
            *error = tr("%1: unknown column \"%2\"").arg(entryName, key.left(64));
            return RowOutcome::Invalid;
        }
        QVariant value;
        if (!jsonToVariant(object.value(key), &value)) {
            *error = tr("%1: unsupported value for \"%2\"").arg(entryName, key);
            return RowOutcome::Invalid;
        }
        values.append(value);
    }

    table.lookup.bindValue(0, id);
    if (!table.lookup.exec())
        return RowOutcome::Rejected;
    const bool exists = table.lookup.next();
    const QString localUpdatedAt = exists ? table.lookup.value(1).toString() : QString();
    table.lookup.finish();

    QString sql;
    QVariantList binds;
    if (exists) {
        if (mode == BackupImportMode::SkipExisting)
            return RowOutcome::Skipped;
        if (mode == BackupImportMode::KeepNewer) {
            const QString backupUpdatedAt = object.value(QLatin1String("updated_at")).toString();
            if (!backupUpdatedAt.isEmpty() && !(backupUpdatedAt > localUpdatedAt))
                return RowOutcome::Skipped;
        }
        QStringList assignments;
        for (qsizetype i = 0; i < keys.size(); ++i) {
            if (keys.at(i) == QLatin1String("id"))
                continue;
            assignments.append(quoted(keys.at(i)) + QLatin1String(" = ?"));
            binds.append(values.at(i));
        }
        if (assignments.isEmpty())
            return RowOutcome::Skipped;
        binds.append(id);
        sql = QStringLiteral("UPDATE %1 SET %2 WHERE id = ?").arg(table.table, assignments.join(QLatin1String(", ")));
    } else {
        QStringList columns;
        QStringList marks;
        for (const QString &key : keys) {
            columns.append(quoted(key));
            marks.append(QStringLiteral("?"));
        }
        binds = values;
        sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                  .arg(table.table, columns.join(QLatin1String(", ")), marks.join(QLatin1String(", ")));
    }

    auto statement = table.statements.find(sql);
    if (statement == table.statements.end()) {
        QSqlQuery query(m_database->connection());
        query.setForwardOnly(true);
        if (!query.prepare(sql))
            return RowOutcome::Rejected;
        statement = table.statements.insert(sql, query);
    }
    for (qsizetype i = 0; i < binds.size(); ++i)
        statement->bindValue(int(i), binds.at(i));
    return statement->exec() ? RowOutcome::Written : RowOutcome::Rejected;
}
