#include "services/syncpushreader.h"

#include "services/syncentity.h"

#include <QDebug>
#include <QJsonObject>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>

namespace {

const QString PendingRows = QStringLiteral("sync_status = 'pending' AND id NOT LIKE 'sample-%'");

} // namespace

SyncPushReader::SyncPushReader(const QSqlDatabase &db)
    : m_db(db)
{
}

QString SyncPushReader::key(const QString &entityType, const QString &entityId)
{
    return entityType + QLatin1Char('/') + entityId;
}

QJsonArray SyncPushReader::nextBatch(QHash<QString, qint64> &versions)
{
    const QList<SyncEntity> &entities = SyncEntity::all();
    while (!m_failed && m_entityIndex < entities.size()) {
        QJsonArray batch = readBatch(m_entityIndex, versions);
        if (!batch.isEmpty())
            return batch;
        ++m_entityIndex;
        m_lastGroup = -1;
        m_lastRowId = 0;
    }
    return {};
}

QJsonArray SyncPushReader::readBatch(int entityIndex, QHash<QString, qint64> &versions)
{
    const SyncEntity &entity = SyncEntity::all().at(entityIndex);
    // Read in (group, rowid) order, continuing after the last row read. Top-level
    // categories form the first group, so a subcategory never reaches the
    // service before the category it belongs to.
    // Other tables go in rowid order alone, which SQLite reads straight off
    // the table from where the last batch ended.
    const bool grouped = entity.type == SyncEntity::Type::Category;
    const QString group = grouped ? QStringLiteral("(parent_id IS NOT NULL)") : QStringLiteral("0");
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    const QString sql = QStringLiteral("SELECT %1 AS sync_group, rowid, id, version, server_id, created_at, updated_at, "
                                       "deleted_at, %2 FROM %3 WHERE %4 AND %5 ORDER BY %6 LIMIT %7")
                            .arg(group, entity.columnList(), QLatin1String(entity.table), PendingRows,
                                 grouped ? QStringLiteral("(%1, rowid) > (?, ?)").arg(group)
                                         : QStringLiteral("rowid > ?"),
                                 grouped ? QStringLiteral("sync_group, rowid") : QStringLiteral("rowid"))
                            .arg(BatchSize);
    if (!query.prepare(sql)) {
        qWarning() << "Sync: reading pending rows failed:" << query.lastError().text();
        m_failed = true;
        return {};
    }
    if (grouped)
        query.addBindValue(m_lastGroup);
    query.addBindValue(m_lastRowId);
    if (!query.exec()) {
        qWarning() << "Sync: reading pending rows failed:" << query.lastError().text();
        m_failed = true;
        return {};
    }

    const QString entityType = QLatin1String(entity.entityType);
    QJsonArray items;
    QSet<QString> splitIds;
    while (query.next()) {
        m_lastGroup = query.value(0).toInt();
        m_lastRowId = query.value(1).toLongLong();
        const QString id = query.value(2).toString();
        const qint64 version = query.value(3).toLongLong();
        const QString serverId = query.value(4).toString();
        const QString deletedAt = query.value(7).toString();

        QJsonObject payload;
        payload.insert(QLatin1String("client_id"), id);
        if (!serverId.isEmpty())
            payload.insert(QLatin1String("server_id"), serverId);
        for (int i = 0; i < entity.fields.size(); ++i) {
            const SyncEntity::Field &field = entity.fields.at(i);
            const QVariant stored = query.value(8 + i);
            if (field.kind == SyncEntity::Kind::OptionalDate && stored.toString().isEmpty())
                continue;
            payload.insert(QLatin1String(field.key), SyncEntity::toJson(field.kind, stored));
        }
        if (entity.versionInPayload)
            payload.insert(QLatin1String("version"), version);
        payload.insert(QLatin1String("created_at"), query.value(5).toString());
        payload.insert(QLatin1String("updated_at"), query.value(6).toString());
        if (!deletedAt.isEmpty())
            payload.insert(QLatin1String("deleted_at"), deletedAt);

        if (entity.type == SyncEntity::Type::Transaction && payload.value(QLatin1String("is_split")).toBool())
            splitIds.insert(id);

        items.append(QJsonObject{{QLatin1String("entity_type"), entityType},
                                 {QLatin1String("entity_id"), id},
                                 {QLatin1String("action"), deletedAt.isEmpty() ? QLatin1String("upsert") : QLatin1String("delete")},
                                 {QLatin1String("version"), version},
                                 {QLatin1String("payload"), payload}});
        versions.insert(key(entityType, id), version);
    }
    if (!splitIds.isEmpty() && !addSplitLines(items, splitIds)) {
        m_failed = true;
        return {};
    }
    return items;
}

bool SyncPushReader::addSplitLines(QJsonArray &items, const QSet<QString> &splitIds)
{
    QHash<QString, QJsonArray> lines;
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    QStringList marks;
    marks.fill(QStringLiteral("?"), splitIds.size());
    query.prepare(QStringLiteral("SELECT transaction_id, category_id, amount, memo FROM split_lines "
                                 "WHERE transaction_id IN (%1) ORDER BY rowid")
                      .arg(marks.join(QLatin1Char(','))));
    for (const QString &id : splitIds)
        query.addBindValue(id);
    if (!query.exec()) {
        qWarning() << "Sync: reading split lines failed:" << query.lastError().text();
        return false;
    }
    while (query.next()) {
        lines[query.value(0).toString()].append(QJsonObject{{QLatin1String("category_id"), query.value(1).toString()},
                                                            {QLatin1String("amount"), query.value(2).toLongLong()},
                                                            {QLatin1String("memo"), query.value(3).toString()}});
    }
    for (qsizetype i = 0; i < items.size(); ++i) {
        QJsonObject item = items.at(i).toObject();
        const QString id = item.value(QLatin1String("entity_id")).toString();
        if (!splitIds.contains(id))
            continue;
        QJsonObject payload = item.value(QLatin1String("payload")).toObject();
        payload.insert(QLatin1String("split_lines"), lines.value(id));
        item.insert(QLatin1String("payload"), payload);
        items.replace(i, item);
    }
    return true;
}
