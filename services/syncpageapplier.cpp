#include "services/syncpageapplier.h"

#include "data/changejournal.h"
#include "data/database.h"
#include "data/sqlhelpers.h"
#include "data/sqltransaction.h"
#include "data/timestamps.h"
#include "data/uuids.h"
#include "services/syncentity.h"

#include <QCoreApplication>
#include <QDebug>
#include <QHash>
#include <QJsonArray>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace {

using Kind = SyncEntity::Kind;

// Split lines of a pulled transaction get ids derived from the transaction
// and their position, so every installation that pulls them stores the same.
const QUuid SplitLineNamespace(QStringLiteral("{6f1d1c64-1f0e-4d7e-9a57-2b8e5c3a9d41}"));

struct LocalRow
{
    QString id;
    qint64 version = 0;
    bool pending = false;
    QString serverId;
    QString accountId; // transactions: the account it is in now
    QVariant leadDays; // recurring templates: kept when the pulled row has none
};

class PageWriter
{
public:
    PageWriter(Database &database, SyncPageApplier::Outcome &outcome)
        : m_db(database.connection())
        , m_journal(database.changes())
        , m_outcome(outcome)
    {
    }

    bool applyArray(const SyncEntity &entity, const QJsonArray &rows)
    {
        for (const QJsonValue &value : rows) {
            if (!value.isObject()) {
                ++m_outcome.skipped;
                continue;
            }
            if (!applyRow(entity, value.toObject()))
                return false;
        }
        return true;
    }

private:
    std::optional<LocalRow> findLocal(const SyncEntity &entity, const QString &column, const QString &value)
    {
        if (value.isEmpty())
            return std::nullopt;
        const bool transaction = entity.type == SyncEntity::Type::Transaction;
        const bool recurring = entity.type == SyncEntity::Type::Recurring;
        // One prepared lookup per table and column for the whole page.
        const QString key = QLatin1String(entity.table) + QLatin1Char('.') + column;
        auto found = m_lookups.find(key);
        if (found == m_lookups.end()) {
            QSqlQuery prepared(m_db);
            prepared.setForwardOnly(true);
            prepared.prepare(QStringLiteral("SELECT id, version, sync_status, server_id, %1 FROM %2 WHERE %3 = ? LIMIT 1")
                                 .arg(transaction ? QStringLiteral("account_id") : recurring ? QStringLiteral("lead_days")
                                                                                             : QStringLiteral("NULL"),
                                      QLatin1String(entity.table), column));
            found = m_lookups.insert(key, prepared);
        }
        QSqlQuery &query = found.value();
        query.bindValue(0, value);
        if (!query.exec()) {
            m_error = query.lastError().text();
            return std::nullopt;
        }
        if (!query.next()) {
            query.finish();
            return std::nullopt;
        }
        LocalRow row;
        row.id = query.value(0).toString();
        row.version = query.value(1).toLongLong();
        row.pending = query.value(2).toString() == QLatin1String("pending");
        row.serverId = query.value(3).toString();
        if (transaction)
            row.accountId = query.value(4).toString();
        if (recurring)
            row.leadDays = query.value(4);
        query.finish();
        return row;
    }

    bool applyRow(const SyncEntity &entity, const QJsonObject &object)
    {
        const QString serverId = object.value(QLatin1String("id")).toString();
        const QString clientId = object.value(QLatin1String("client_id")).toString();
        if (clientId.size() > 200 || serverId.size() > 200) {
            ++m_outcome.skipped;
            return true;
        }
        // By the id the row has on the devices; only a row that has none (made
        // by another kind of client) is looked for by its server id.
        std::optional<LocalRow> local = findLocal(entity, QStringLiteral("id"), clientId);
        if (!local && clientId.isEmpty())
            local = findLocal(entity, QStringLiteral("server_id"), serverId);
        if (!m_error.isEmpty())
            return false;

        const qint64 version = object.value(QLatin1String("version")).toInteger(0);
        // The service gives every accepted change a higher version, so the
        // same version from the same service row is the copy already here;
        // except a removal (an unshared account's rows), which the service
        // sends with the version the row has.
        const bool alreadyHere = local && version == local->version && !serverId.isEmpty() && local->serverId == serverId
                                 && object.value(QLatin1String("deleted_at")).toString().isEmpty();
        if (local && (local->pending || version < local->version || alreadyHere)) {
            ++m_outcome.kept;
            return true;
        }
        const QString id = local ? local->id : clientId.isEmpty() ? newUuid() : clientId;

        QVariantList values;
        for (const SyncEntity::Field &field : entity.fields) {
            const std::optional<QVariant> converted =
                SyncEntity::fromJson(field.kind, object, field.key, local ? local->leadDays : QVariant());
            if (!converted) {
                skipBroken(entity, id, field.key);
                return true;
            }
            values << *converted;
        }
        if (entity.checkedDate) {
            const int index = entity.fieldIndex(entity.checkedDate);
            if (isBrokenDate(dateFromText(values.at(index).toString()))) {
                skipBroken(entity, id, entity.checkedDate);
                return true;
            }
        }
        const std::optional<QVariant> createdAt = SyncEntity::fromJson(Kind::Timestamp, object, "created_at");
        const std::optional<QVariant> updatedAt = SyncEntity::fromJson(Kind::Timestamp, object, "updated_at");
        if (!createdAt || !updatedAt) {
            skipBroken(entity, id, "updated_at");
            return true;
        }
        QVariant deletedAt(QMetaType::fromType<QString>());
        const QString deletedText = object.value(QLatin1String("deleted_at")).toString();
        if (!deletedText.isEmpty()) {
            const std::optional<QVariant> parsed = SyncEntity::fromJson(Kind::Timestamp, object, "deleted_at");
            deletedAt = parsed ? *parsed : *updatedAt;
        }

        QList<QVariantList> splitLines;
        const bool isTransaction = entity.type == SyncEntity::Type::Transaction;
        if (isTransaction && values.at(entity.fieldIndex("is_split")).toInt() != 0) {
            const QJsonArray lines = object.value(QLatin1String("split_lines")).toArray();
            for (qsizetype i = 0; i < lines.size(); ++i) {
                const QJsonObject line = lines.at(i).toObject();
                const QString categoryId = line.value(QLatin1String("category_id")).toString();
                if (categoryId.isEmpty()) {
                    skipBroken(entity, id, "split_lines");
                    return true;
                }
                splitLines << QVariantList{uuidV5(SplitLineNamespace, id + QLatin1Char('/') + QString::number(i)), id,
                                           categoryId,
                                           *SyncEntity::fromJson(Kind::Integer, line, "amount"),
                                           *SyncEntity::fromJson(Kind::Text, line, "memo"),
                                           *createdAt, *updatedAt};
            }
        }

        values << version << textOrNull(serverId) << *createdAt << *updatedAt << deletedAt;
        values << id;
        if (!write(local ? updateSql(entity) : insertSql(entity), values))
            return false;

        if (isTransaction) {
            if (local && !write(QStringLiteral("DELETE FROM split_lines WHERE transaction_id = ?"), {id}))
                return false;
            for (const QVariantList &line : splitLines) {
                if (!write(QStringLiteral("INSERT INTO split_lines (id, transaction_id, category_id, amount, memo, "
                                          "created_at, updated_at) VALUES (?, ?, ?, ?, ?, ?, ?)"),
                           line))
                    return false;
            }
            const QString accountId = values.at(0).toString();
            m_journal->recordTransaction(id, accountId);
            if (local && local->accountId != accountId)
                m_journal->recordTransaction(id, local->accountId);
        } else {
            m_journal->record(journalEntity(entity.type), id);
        }
        ++m_outcome.written;
        return true;
    }

    // The statements of a table, made once per page rather than per row.
    const QString &updateSql(const SyncEntity &entity)
    {
        QString &sql = m_updateSql[entity.table];
        if (sql.isEmpty()) {
            QStringList assignments;
            for (const SyncEntity::Field &field : entity.fields)
                assignments << QLatin1String(field.key) + QLatin1String(" = ?");
            sql = QStringLiteral("UPDATE %1 SET %2, version = ?, server_id = ?, created_at = ?, updated_at = ?, "
                                 "deleted_at = ?, sync_status = 'synced' WHERE id = ?")
                      .arg(QLatin1String(entity.table), assignments.join(QLatin1String(", ")));
        }
        return sql;
    }

    const QString &insertSql(const SyncEntity &entity)
    {
        QString &sql = m_insertSql[entity.table];
        if (sql.isEmpty()) {
            QStringList marks;
            marks.fill(QStringLiteral("?"), entity.fields.size() + 6);
            sql = QStringLiteral("INSERT INTO %1 (%2, version, server_id, created_at, updated_at, deleted_at, id, "
                                 "sync_status) VALUES (%3, 'synced')")
                      .arg(QLatin1String(entity.table), entity.columnList(), marks.join(QLatin1Char(',')));
        }
        return sql;
    }

    bool write(const QString &sql, const QVariantList &values)
    {
        if (Sql::execCached(m_db, sql, values, "Sync: storing a pulled row"))
            return true;
        m_error = QCoreApplication::translate("SyncPageApplier", "a pulled row could not be stored");
        return false;
    }

    void skipBroken(const SyncEntity &entity, const QString &id, const char *field)
    {
        qWarning() << "Sync: skipping a pulled" << entity.entityType << "with a broken" << field << "— id" << id;
        ++m_outcome.skipped;
    }

    static ChangeSet::Entity journalEntity(SyncEntity::Type type)
    {
        switch (type) {
        case SyncEntity::Type::Account: return ChangeSet::Entity::Account;
        case SyncEntity::Type::Category: return ChangeSet::Entity::Category;
        case SyncEntity::Type::Recurring: return ChangeSet::Entity::Recurring;
        case SyncEntity::Type::Transaction: return ChangeSet::Entity::Transaction;
        case SyncEntity::Type::Reconciliation: return ChangeSet::Entity::Reconciliation;
        }
        return ChangeSet::Entity::Transaction;
    }

public:
    QString m_error;

private:
    QHash<QString, QSqlQuery> m_lookups;
    QHash<const char *, QString> m_updateSql;
    QHash<const char *, QString> m_insertSql;

    QSqlDatabase m_db;
    ChangeJournal *m_journal;
    SyncPageApplier::Outcome &m_outcome;
};

} // namespace

SyncPageApplier::SyncPageApplier(Database &database)
    : m_database(database)
{
}

SyncPageApplier::Outcome SyncPageApplier::apply(const QJsonObject &page, const QString &cursor)
{
    Outcome outcome;
    QSqlDatabase db = m_database.connection();
    SqlTransaction transaction(db);
    if (!transaction.isActive()) {
        outcome.error = QCoreApplication::translate("SyncPageApplier", "the database is busy");
        return outcome;
    }
    // References are checked when the page commits, not row by row: a page
    // may carry a row before the row it refers to.
    QSqlQuery(db).exec(QStringLiteral("PRAGMA defer_foreign_keys = ON"));

    PageWriter writer(m_database, outcome);
    for (const SyncEntity &entity : SyncEntity::all()) {
        QJsonValue rows = page.value(QLatin1String(entity.array));
        if (rows.isUndefined() && entity.type == SyncEntity::Type::Recurring)
            rows = page.value(QLatin1String("recurring"));
        if (!rows.isArray())
            continue;
        if (!writer.applyArray(entity, rows.toArray())) {
            outcome.error = writer.m_error;
            return outcome;
        }
    }
    if (!cursor.isEmpty()
        && !Sql::execCached(db, QStringLiteral("INSERT OR REPLACE INTO preferences (key, value) VALUES ('syncCursor', ?)"),
                            {cursor}, "Sync: storing the cursor")) {
        outcome.error = QCoreApplication::translate("SyncPageApplier", "the sync position could not be stored");
        return outcome;
    }
    if (!transaction.commit()) {
        // Typically a row whose account or category never arrived.
        qWarning() << "Sync: a pulled page could not be stored:" << transaction.errorText();
        outcome.error = QCoreApplication::translate("SyncPageApplier", "the pulled rows refer to records that are missing");
        outcome.written = 0;
        return outcome;
    }
    outcome.ok = true;
    return outcome;
}
