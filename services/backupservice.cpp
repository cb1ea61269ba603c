#include "services/backupservice.h"

#include "data/changejournal.h"
#include "data/database.h"
#include "data/sqlitehandle.h"
#include "data/sqltransaction.h"
#include "data/timestamps.h"
#include "services/ziparchivewriter.h"

#include <QDebug>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QLocale>
#include <QSet>
#include <QSqlQuery>
#include <QSqlRecord>

#include <sqlite3.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <memory>
#include <vector>

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

using Statement = std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)>;

Statement prepare(sqlite3 *db, const QByteArray &sql)
{
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &statement, nullptr) != SQLITE_OK) {
        sqlite3_finalize(statement);
        statement = nullptr;
    }
    return Statement(statement, &sqlite3_finalize);
}

QByteArrayView columnBytes(sqlite3_stmt *statement, int column)
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(statement, column));
    return QByteArrayView(text, text ? sqlite3_column_bytes(statement, column) : 0);
}

// Text as Qt's reader of the column would hand it on: valid UTF-8 as it is,
// anything else (a BLOB, or text a raw write left malformed) through QString,
// which turns invalid sequences into U+FFFD.
QByteArray validUtf8(QByteArrayView bytes)
{
    const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; });
    return ascii ? bytes.toByteArray() : QString::fromUtf8(bytes).toUtf8();
}

// Appends text as a JSON string the way QJsonDocument writes it: quote,
// backslash and control characters escaped, everything else as UTF-8.
void appendJsonString(QByteArray &out, QByteArrayView utf8)
{
    static constexpr char hex[] = "0123456789abcdef";
    out.append('"');
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < utf8.size(); ++i) {
        const uchar c = uchar(utf8[i]);
        if (c >= 0x20 && c != '"' && c != '\\')
            continue;
        out.append(utf8.sliced(runStart, i - runStart));
        runStart = i + 1;
        out.append('\\');
        switch (c) {
        case '"': out.append('"'); break;
        case '\\': out.append('\\'); break;
        case '\b': out.append('b'); break;
        case '\f': out.append('f'); break;
        case '\n': out.append('n'); break;
        case '\r': out.append('r'); break;
        case '\t': out.append('t'); break;
        default:
            out.append("u00").append(hex[c >> 4]).append(hex[c & 0xF]);
            break;
        }
    }
    out.append(utf8.sliced(runStart));
    out.append('"');
}

// One table while exporting: the statement that reads a row by its rowid,
// and the JSON key text of every column in the order QJsonObject keeps
// keys (sorted), so a row's file is the same text QJsonDocument made of it.
struct TableExport
{
    struct Key
    {
        int column;
        QByteArray text;   // `    "name": `
        bool omitWhenNull;
    };
    Statement row{nullptr, &sqlite3_finalize};
    std::vector<Key> keys;
};

// Columns added after the archive layout was fixed. They are written only
// when they hold something, so the rows of a file that never used them stay
// byte for byte what earlier versions wrote and earlier versions can read.
bool isLaterColumn(const QByteArray &name)
{
    return name == "fitid";
}

bool prepareTableExport(sqlite3 *db, const BackupTable &table, TableExport *out)
{
    out->row = prepare(db, QByteArray("SELECT * FROM ") + table.table + " WHERE rowid = ?");
    if (!out->row)
        return false;
    const int columns = sqlite3_column_count(out->row.get());
    std::vector<std::pair<QByteArray, int>> names;
    for (int c = 0; c < columns; ++c)
        names.emplace_back(QByteArray(sqlite3_column_name(out->row.get(), c)), c);
    std::sort(names.begin(), names.end());
    out->keys.clear();
    for (const auto &[name, column] : names) {
        QByteArray key("    ");
        appendJsonString(key, name);
        key.append(": ");
        out->keys.push_back({column, key, isLaterColumn(name)});
    }
    return true;
}

// The row's file: one key per column, the value by its stored type (NULL as
// null, integers exactly, reals in their shortest form, text as a string).
void appendRowJson(const TableExport &table, QByteArray *out)
{
    sqlite3_stmt *row = table.row.get();
    out->append("{\n");
    bool first = true;
    for (const TableExport::Key &key : table.keys) {
        const int column = key.column;
        if (key.omitWhenNull && sqlite3_column_type(row, column) == SQLITE_NULL)
            continue;
        if (!first)
            out->append(",\n");
        first = false;
        out->append(key.text);
        switch (sqlite3_column_type(row, column)) {
        case SQLITE_NULL:
            out->append("null");
            break;
        case SQLITE_INTEGER: {
            char digits[24];
            const auto end = std::to_chars(digits, digits + sizeof digits, sqlite3_column_int64(row, column)).ptr;
            out->append(digits, end - digits);
            break;
        }
        case SQLITE_FLOAT: {
            const double value = sqlite3_column_double(row, column);
            out->append(std::isfinite(value) ? QByteArray::number(value, 'g', QLocale::FloatingPointShortest)
                                             : QByteArray("null"));
            break;
        }
        default:
            appendJsonString(*out, validUtf8(columnBytes(row, column)));
            break;
        }
    }
    out->append(first ? "}\n" : "\n}\n");
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

// One table while restoring. Its columns are read once; rows of a table
// share one or a few sets of keys (every file of an export has them all),
// so the statements are prepared once per set of keys and the keys checked
// against the columns once per set, not per row.
struct BackupService::TableRestore
{
    struct Shape
    {
        QStringList keys;            // sorted, as QJsonObject::keys() gives them
        QString unknownKey;          // the first key that is no column, if any
        QSqlQuery insert;
        QSqlQuery update;            // prepared on first use
        QStringList updateKeys;      // the keys the update sets, without "id"
        bool updatePrepared = false;
    };

    QString table;
    bool hasSyncFields = true;
    QSet<QString> columns;
    QSqlQuery lookup;
    std::vector<std::unique_ptr<Shape>> shapes;
    Shape *lastShape = nullptr;
};

BackupService::BackupService(Database *database, QObject *parent)
    : QObject(parent)
    , m_database(database)
{
}

QByteArray BackupService::exportBackup()
{
    ZipArchiveWriter writer;
    QString error;
    if (!writer.openBuffer() || !writeArchive(writer, &error)) {
        qWarning().noquote() << "BackupService export failed:" << (error.isEmpty() ? writer.errorText() : error);
        return QByteArray();
    }
    return writer.takeBuffer();
}

bool BackupService::exportBackupToFile(const QString &path, QString *errorText)
{
    ZipArchiveWriter writer;
    QString error;
    if (!writer.openFile(path)) {
        error = writer.errorText();
    } else if (!writeArchive(writer, &error)) {
        // The temporary file is gone and any earlier file at `path` stays.
    } else {
        return true;
    }
    if (errorText)
        *errorText = tr("Cannot write the backup: %1").arg(error);
    return false;
}

bool BackupService::writeArchive(ZipArchiveWriter &writer, QString *errorText)
{
    const QSqlDatabase db = m_database->connection();
    sqlite3 *handle = SqliteHandle::of(db);
    if (!handle) {
        *errorText = tr("the database is not open");
        return false;
    }
    // Entries are named in a first pass and their files made while libzip
    // writes them; one read transaction keeps both passes on the same rows.
    SqlTransaction snapshot(db);

    std::array<TableExport, BackupImportResult::TableCount> tables;
    std::vector<std::pair<int, qint64>> rows;   // (table, rowid) of each produced entry, by key
    QByteArray buffer;
    writer.setProducer([&tables, &rows, &buffer](quint64 key, QByteArray *data) {
        if (key >= rows.size())
            return false;
        const auto [t, rowid] = rows[key];
        sqlite3_stmt *statement = tables[t].row.get();
        sqlite3_reset(statement);
        sqlite3_bind_int64(statement, 1, rowid);
        const bool found = sqlite3_step(statement) == SQLITE_ROW;
        if (found) {
            buffer.clear();
            appendRowJson(tables[t], &buffer);
            *data = buffer;
        }
        sqlite3_reset(statement);
        return found;
    });

    QJsonObject manifest;
    manifest.insert(QStringLiteral("version"), kArchiveVersion);
    manifest.insert(QStringLiteral("exportedAt"), nowTimestamp());
    for (int t = 0; t < BackupImportResult::TableCount; ++t) {
        const BackupTable &table = kTables[t];
        int count = 0;
        // Rowid order is the order of a plain scan of the table, the order
        // earlier versions wrote.
        Statement ids = prepare(handle, QByteArray("SELECT rowid, id FROM ") + table.table + " ORDER BY rowid");
        if (!ids || !prepareTableExport(handle, table, &tables[t])) {
            qWarning().noquote() << "BackupService export query failed:" << QString::fromUtf8(sqlite3_errmsg(handle));
            manifest.insert(QLatin1String(table.countKey), 0);
            continue;
        }
        const QByteArray prefix = QByteArray(table.folder) + '/';
        int step;
        while ((step = sqlite3_step(ids.get())) == SQLITE_ROW) {
            // A row's file is named by its id as text; an id that is no
            // text (only a raw write can leave one) names it as "".
            const int type = sqlite3_column_type(ids.get(), 1);
            const QByteArray id = type == SQLITE_TEXT || type == SQLITE_BLOB ? validUtf8(columnBytes(ids.get(), 1))
                                                                             : QByteArray();
            rows.emplace_back(t, sqlite3_column_int64(ids.get(), 0));
            if (!writer.addProduced(prefix + id + ".json", rows.size() - 1, ZipArchiveWriter::Compression::Store)) {
                rows.pop_back();
                if (writer.nameTaken()) {
                    // Only ids that are empty or not text can share a name;
                    // such a row could not be restored anyway.
                    qWarning().noquote() << "BackupService: a row of" << table.table
                                         << "without a usable id is left out";
                    continue;
                }
                *errorText = writer.errorText();
                return false;
            }
            ++count;
        }
        if (step != SQLITE_DONE)
            qWarning().noquote() << "BackupService export query failed:" << QString::fromUtf8(sqlite3_errmsg(handle));
        manifest.insert(QLatin1String(table.countKey), count);
    }

    // Row files are a few hundred bytes each: deflating them saves little
    // and costs much of the export's time, so they are stored; the manifest
    // is deflated.
    if (!writer.addData(kManifestName.toUtf8(), QJsonDocument(manifest).toJson(QJsonDocument::Indented),
                        ZipArchiveWriter::Compression::Deflate)
        || !writer.close()) {
        *errorText = writer.errorText();
        return false;
    }
    return true;
}

void BackupService::resetSyncFields(QJsonObject &object)
{
    object.insert(QStringLiteral("sync_status"), QStringLiteral("pending"));
    object.insert(QStringLiteral("server_id"), QJsonValue(QJsonValue::Null));
    object.insert(QStringLiteral("version"), 1);
}

BackupImportResult BackupService::importBackup(const QByteArray &archive, BackupImportMode mode)
{
    ZipArchiveReader zip;
    const ZipArchiveReader::OpenStatus status = zip.open(archive);
    return restore(zip, status, mode);
}

BackupImportResult BackupService::importBackupFile(const QString &path, BackupImportMode mode)
{
    ZipArchiveReader zip;
    const ZipArchiveReader::OpenStatus status = zip.openFile(path);
    return restore(zip, status, mode);
}

BackupImportResult BackupService::restore(ZipArchiveReader &zip, ZipArchiveReader::OpenStatus status,
                                          BackupImportMode mode)
{
    BackupImportResult result;
    auto abandon = [&result](const QString &error) {
        result.imported.fill(0);
        result.skipped.fill(0);
        result.errors.append(error);
        return result;
    };

    if (status == ZipArchiveReader::OpenStatus::NotZip)
        return abandon(tr("Failed to open ZIP archive"));
    if (status == ZipArchiveReader::OpenStatus::Inconsistent)
        return abandon(tr("The backup is damaged: the archive's table of contents does not match its entries. "
                          "Nothing was restored."));
    const qint64 entryCount = zip.count();
    if (entryCount > m_limits.entries)
        return abandon(tr("Backup has too many entries (more than %1)").arg(m_limits.entries));

    // One pass over the directory sorts the entries into their tables and
    // measures everything that will be inflated, so an oversized archive is
    // refused before any work. Only indices are kept: libzip holds the
    // directory already.
    std::array<QList<qint64>, BackupImportResult::TableCount> selected;
    qint64 manifestIndex = -1;
    qint64 firstTooLarge = -1;
    qint64 rowsSize = 0;
    std::array<QByteArray, BackupImportResult::TableCount> prefixes;
    for (int t = 0; t < BackupImportResult::TableCount; ++t)
        prefixes[t] = QByteArray(kTables[t].folder) + '/';
    const QByteArray manifestName = kManifestName.toUtf8();
    for (qint64 i = 0; i < entryCount; ++i) {
        const ZipArchiveReader::Entry entry = zip.entry(i);
        if (entry.name == manifestName) {
            if (manifestIndex < 0)
                manifestIndex = i;
            continue;
        }
        if (!entry.name.endsWith(".json"))
            continue;
        for (int t = 0; t < BackupImportResult::TableCount; ++t) {
            if (entry.name.startsWith(prefixes[t])) {
                selected[t].append(i);
                if (entry.size > m_limits.entrySize && firstTooLarge < 0)
                    firstTooLarge = i;
                rowsSize = qMin(rowsSize + entry.size, m_limits.restoreSize + 1);
                break;
            }
        }
    }

    auto tooLarge = [&zip](qint64 index) {
        const ZipArchiveReader::Entry entry = zip.entry(index);
        return tr("%1 is too large to restore (%2 bytes uncompressed)")
            .arg(QString::fromUtf8(entry.name))
            .arg(entry.size);
    };
    auto damaged = [&zip](const QString &name) {
        return tr("%1: damaged entry (%2); nothing was restored").arg(name, zip.errorText());
    };

    QByteArray manifestData;
    if (manifestIndex >= 0) {
        if (zip.entry(manifestIndex).size > m_limits.entrySize)
            return abandon(tooLarge(manifestIndex));
        if (!zip.read(manifestIndex, m_limits.entrySize, &manifestData))
            return abandon(damaged(kManifestName));
    }
    if (manifestData.isEmpty())
        return abandon(tr("Invalid backup: missing manifest.json"));
    const QJsonObject manifest = QJsonDocument::fromJson(manifestData).object();
    const int version = manifest.value(QLatin1String("version")).toInt(0);
    if (version != kArchiveVersion)
        return abandon(tr("Unsupported backup version: %1").arg(version));

    // The manifest counts what the export wrote; an entry whose name was
    // damaged, or one missing or added, shows as a difference here rather
    // than as a row silently left out.
    for (int t = 0; t < BackupImportResult::TableCount; ++t) {
        const QJsonValue listed = manifest.value(QLatin1String(kTables[t].countKey));
        const qint64 expected = listed.isDouble() ? listed.toInteger(-1) : -1;
        if (expected < 0)
            return abandon(tr("Invalid backup: manifest.json gives no row count for \"%1\"").arg(kTables[t].folder));
        if (expected != selected[t].size())
            return abandon(tr("The backup is damaged: manifest.json lists %1 rows in \"%2\" but the archive holds %3. "
                              "Nothing was restored.")
                               .arg(expected)
                               .arg(QLatin1String(kTables[t].folder))
                               .arg(selected[t].size()));
    }
    if (firstTooLarge >= 0)
        return abandon(tooLarge(firstTooLarge));
    if (manifestData.size() + rowsSize > m_limits.restoreSize)
        return abandon(tr("Backup is too large to restore (more than %1 bytes uncompressed)").arg(m_limits.restoreSize));

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
        QList<std::pair<QString, QJsonObject>> refused;
        QByteArray data;
        for (const qint64 index : std::as_const(selected[t])) {
            const QString name = QString::fromUtf8(zip.entry(index).name);
            if (!zip.read(index, m_limits.entrySize, &data))
                return abandon(damaged(name));
            QJsonObject object = QJsonDocument::fromJson(data).object();
            if (object.isEmpty()) {
                result.errors.append(tr("%1: invalid JSON").arg(name));
                continue;
            }
            QString error;
            switch (importRow(table, object, mode, name, &error)) {
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
                refused.append({name, std::move(object)});
                break;
            }
        }
        bool progress = true;
        while (progress && !refused.isEmpty()) {
            progress = false;
            QList<std::pair<QString, QJsonObject>> stillRefused;
            for (auto &[name, object] : refused) {
                QString error;
                switch (importRow(table, object, mode, name, &error)) {
                case RowOutcome::Written:
                    ++result.imported[t];
                    progress = true;
                    break;
                case RowOutcome::Rejected:
                    stillRefused.append({name, std::move(object)});
                    break;
                default:
                    ++result.skipped[t];
                    break;
                }
            }
            refused = std::move(stillRefused);
        }
        result.skipped[t] += int(refused.size());
        // SQLite ends the whole transaction by itself after some failures;
        // the rows after that would each commit on their own.
        if (!SqliteHandle::inTransaction(db))
            return abandon(tr("The backup could not be restored: the database ended the transaction"));
    }

    // The rows arrive by the restore's own statements, not the
    // repositories': what changed is announced once, after the commit.
    if (ChangeJournal *changes = m_database->changes()) {
        const std::pair<int, ChangeSet::Entity> entities[] = {
            {BackupImportResult::Accounts, ChangeSet::Entity::Account},
            {BackupImportResult::Categories, ChangeSet::Entity::Category},
            {BackupImportResult::Recurring, ChangeSet::Entity::Recurring},
            {BackupImportResult::Reconciliations, ChangeSet::Entity::Reconciliation},
        };
        for (const auto &[t, entity] : entities) {
            if (result.imported[t] > 0)
                changes->record(entity, QString());
        }
        if (result.imported[BackupImportResult::Transactions] > 0 || result.imported[BackupImportResult::SplitLines] > 0)
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

    const QStringList keys = object.keys();
    TableRestore::Shape *shape = table.lastShape;
    if (!shape || shape->keys != keys) {
        const auto found = std::find_if(table.shapes.begin(), table.shapes.end(),
                                        [&keys](const auto &candidate) { return candidate->keys == keys; });
        if (found != table.shapes.end()) {
            shape = found->get();
        } else {
            // Keys name columns in the statements, so only the table's own
            // columns are accepted; the values are always bound.
            auto made = std::make_unique<TableRestore::Shape>();
            made->keys = keys;
            QStringList columns;
            QStringList marks;
            for (const QString &key : keys) {
                if (!table.columns.contains(key)) {
                    made->unknownKey = key;
                    break;
                }
                columns.append(quoted(key));
                marks.append(QStringLiteral("?"));
                if (key != QLatin1String("id"))
                    made->updateKeys.append(key);
            }
            if (made->unknownKey.isEmpty()) {
                made->insert = QSqlQuery(m_database->connection());
                made->insert.setForwardOnly(true);
                made->insert.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                         .arg(table.table, columns.join(QLatin1String(", ")),
                                              marks.join(QLatin1String(", "))));
            }
            shape = made.get();
            table.shapes.push_back(std::move(made));
        }
        table.lastShape = shape;
    }
    if (!shape->unknownKey.isEmpty()) {
        *error = tr("%1: unknown column \"%2\"").arg(entryName, shape->unknownKey.left(64));
        return RowOutcome::Invalid;
    }

    QVariantList values;
    values.reserve(keys.size());
    for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
        QVariant value;
        if (!jsonToVariant(it.value(), &value)) {
            *error = tr("%1: unsupported value for \"%2\"").arg(entryName, it.key());
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

    QSqlQuery *statement = &shape->insert;
    if (exists) {
        if (mode == BackupImportMode::SkipExisting)
            return RowOutcome::Skipped;
        if (mode == BackupImportMode::KeepNewer) {
            const QString backupUpdatedAt = object.value(QLatin1String("updated_at")).toString();
            if (!backupUpdatedAt.isEmpty() && !(backupUpdatedAt > localUpdatedAt))
                return RowOutcome::Skipped;
        }
        if (shape->updateKeys.isEmpty())
            return RowOutcome::Skipped;
        if (!shape->updatePrepared) {
            QStringList assignments;
            for (const QString &key : std::as_const(shape->updateKeys))
                assignments.append(quoted(key) + QLatin1String(" = ?"));
            shape->update = QSqlQuery(m_database->connection());
            shape->update.setForwardOnly(true);
            shape->update.prepare(QStringLiteral("UPDATE %1 SET %2 WHERE id = ?")
                                      .arg(table.table, assignments.join(QLatin1String(", "))));
            shape->updatePrepared = true;
        }
        statement = &shape->update;
        int bound = 0;
        for (qsizetype i = 0; i < keys.size(); ++i) {
            if (keys.at(i) != QLatin1String("id"))
                statement->bindValue(bound++, values.at(i));
        }
        statement->bindValue(bound, id);
    } else {
        for (qsizetype i = 0; i < values.size(); ++i)
            statement->bindValue(int(i), values.at(i));
    }
    const bool written = statement->exec();
    statement->finish();
    return written ? RowOutcome::Written : RowOutcome::Rejected;
}
