#include "services/syncpushresults.h"

#include "data/sqlhelpers.h"
#include "data/sqltransaction.h"
#include "services/syncentity.h"
#include "services/syncpushreader.h"

#include <QDebug>
#include <QJsonObject>

SyncPushResults::Outcome SyncPushResults::apply(const QSqlDatabase &db, const QJsonArray &results,
                                                const QHash<QString, qint64> &sent)
{
    Outcome outcome;
    SqlTransaction transaction(db);
    for (const QJsonValue &value : results) {
        const QJsonObject result = value.toObject();
        const QString entityType = result.value(QLatin1String("entity_type")).toString();
        const QString entityId = result.value(QLatin1String("entity_id")).toString();
        const auto sentVersion = sent.constFind(SyncPushReader::key(entityType, entityId));
        const SyncEntity *entity = SyncEntity::byEntityType(entityType);
        if (sentVersion == sent.constEnd() || !entity)
            continue;
        if (result.value(QLatin1String("status")).toString() != QLatin1String("ok")) {
            ++outcome.refused;
            qWarning() << "Push result not ok — leaving record pending:" << entityType << entityId
                       << "status=" << result.value(QLatin1String("status")).toString()
                       << "message=" << result.value(QLatin1String("message")).toString().left(200);
            continue;
        }
        ++outcome.accepted;
        const qint64 storedVersion = result.value(QLatin1String("version")).toInteger(*sentVersion);
        const QString sql = QStringLiteral("UPDATE %1 SET sync_status = 'synced', server_id = ?, version = MAX(version, ?) "
                                           "WHERE id = ? AND version = ? AND sync_status = 'pending'")
                                .arg(QLatin1String(entity->table));
        if (!Sql::execCached(db, sql,
                             {result.value(QLatin1String("server_id")).toString(), storedVersion, entityId, *sentVersion},
                             "Sync: marking a row synced")) {
            outcome.stored = false;
            return outcome;
        }
    }
    if (outcome.refused > 0)
        qWarning() << "Push batch:" << outcome.accepted << "ok," << outcome.refused
                   << "errors — failed records remain pending for next sync";
    outcome.stored = transaction.commit();
    return outcome;
}
