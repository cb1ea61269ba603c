#include "data/categoryrepository.h"

#include "data/changejournal.h"
#include "data/database.h"
#include "data/sqlhelpers.h"
#include "data/rowstamp.h"
#include "data/timestamps.h"

#include <QSqlQuery>

namespace {

const QString kColumns = QStringLiteral(
    "id, name, category_type, parent_id, is_tax_relevant, tax_category, icon, color, is_default, "
    "account_id, version, sync_status, server_id, created_at, updated_at, deleted_at");

QString withColumns(const char *sql)
{
    return QString::fromLatin1(sql).arg(kColumns);
}

Category categoryFromRow(const QSqlQuery &query)
{
    Category c;
    c.id = query.value(0).toString();
    c.name = query.value(1).toString();
    c.type = categoryTypeFromString(query.value(2).toString());
    c.parentId = query.value(3).toString();
    c.isTaxRelevant = query.value(4).toBool();
    c.taxCategory = query.value(5).toString();
    c.icon = query.value(6).toString();
    c.color = query.value(7).toString();
    c.isDefault = query.value(8).toBool();
    c.accountId = query.value(9).toString();
    c.version = query.value(10).toInt();
    c.syncStatus = syncStatusFromString(query.value(11).toString());
    c.serverId = query.value(12).toString();
    c.createdAt = timestampFromText(query.value(13).toString());
    c.updatedAt = timestampFromText(query.value(14).toString());
    c.deletedAt = optionalTimestampFromText(query.value(15).toString());
    return c;
}

} // namespace

CategoryRepository::CategoryRepository(Database *database, QObject *parent)
    : QObject(parent)
    , m_database(database)
{
    connect(m_database->changes(), &ChangeJournal::committed, this, [this](const ChangeSet &changes) {
        if (changes.contains(ChangeSet::Entity::Category))
            Q_EMIT categoriesChanged();
    });
}

int CategoryRepository::count() const
{
    QSqlQuery query = Sql::prepare(m_database->connection(),
                                   QStringLiteral("SELECT COUNT(*) FROM categories WHERE deleted_at IS NULL"));
    if (!Sql::exec(query) || !query.next())
        return 0;
    return query.value(0).toInt();
}

QList<Category> CategoryRepository::findAll() const
{
    QList<Category> categories;
    QSqlQuery query = Sql::prepare(m_database->connection(),
                                   withColumns("SELECT %1 FROM categories WHERE deleted_at IS NULL ORDER BY name"));
    if (!Sql::exec(query))
        return categories;
    while (query.next())
        categories.append(categoryFromRow(query));
    return categories;
}

std::optional<Category> CategoryRepository::findOne(const QString &sql, const QString &bind) const
{
    QSqlQuery query = Sql::prepare(m_database->connection(), sql, {bind});
    if (!Sql::exec(query) || !query.next())
        return std::nullopt;
    return categoryFromRow(query);
}

std::optional<Category> CategoryRepository::findById(const QString &id) const
{
    return findOne(withColumns("SELECT %1 FROM categories WHERE id = ?"), id);
}

std::optional<Category> CategoryRepository::findByName(const QString &name) const
{
    return findOne(withColumns("SELECT %1 FROM categories WHERE name = ? AND deleted_at IS NULL"), name);
}

QList<Category> CategoryRepository::findPendingSync() const
{
    QList<Category> categories;
    QSqlQuery query = Sql::prepare(m_database->connection(),
                                   withColumns("SELECT %1 FROM categories WHERE sync_status = 'pending'"));
    if (!Sql::exec(query))
        return categories;
    while (query.next())
        categories.append(categoryFromRow(query));
    return categories;
}

bool CategoryRepository::insert(const Category &c)
{
    QSqlQuery query = Sql::prepare(
        m_database->connection(),
        QStringLiteral("INSERT INTO categories (id, name, category_type, parent_id, is_tax_relevant, "
                       "tax_category, icon, color, is_default, account_id, version, sync_status, server_id, "
                       "created_at, updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        {c.id, c.name, categoryTypeToString(c.type), textOrNull(c.parentId), c.isTaxRelevant ? 1 : 0,
         c.taxCategory, c.icon, c.color, c.isDefault ? 1 : 0, textOrNull(c.accountId), c.version,
         syncStatusToString(c.syncStatus), c.serverId, timestampToText(c.createdAt),
         timestampToText(c.updatedAt)});
    if (!Sql::exec(query, "CategoryRepository::insert"))
        return false;
    m_database->changes()->record(ChangeSet::Entity::Category, c.id);
    return true;
}

bool CategoryRepository::update(const Category &c)
{
    QSqlQuery query = Sql::prepare(
        m_database->connection(),
        QStringLiteral("UPDATE categories SET name=?, category_type=?, parent_id=?, is_tax_relevant=?, "
                       "tax_category=?, icon=?, color=?, is_default=?, account_id=?, version=?, sync_status=?, "
                       "server_id=?, updated_at=? WHERE id=?"),
        {c.name, categoryTypeToString(c.type), textOrNull(c.parentId), c.isTaxRelevant ? 1 : 0,
         c.taxCategory, c.icon, c.color, c.isDefault ? 1 : 0, textOrNull(c.accountId), c.version,
         syncStatusToString(c.syncStatus), c.serverId, timestampToText(c.updatedAt), c.id});
    if (!Sql::exec(query, "CategoryRepository::update"))
        return false;
    m_database->changes()->record(ChangeSet::Entity::Category, c.id);
    return true;
}

bool CategoryRepository::softDelete(const QString &id)
{
    const QString now = nowTimestamp();
    QSqlQuery query = Sql::prepare(
        m_database->connection(),
        QLatin1String("UPDATE categories SET deleted_at = ?, ") + RowStamp::sqlAssignments()
            + QLatin1String(" WHERE id = ?"),
        {now, now, id});
    if (!Sql::exec(query, "CategoryRepository::softDelete"))
        return false;
    m_database->changes()->record(ChangeSet::Entity::Category, id);
    return true;
}

int CategoryRepository::markAllPendingForResync()
{
    QSqlQuery query = Sql::prepare(
        m_database->connection(),
        QStringLiteral("UPDATE categories SET sync_status = 'pending' "
                       "WHERE deleted_at IS NULL AND sync_status != 'pending'"));
    if (!Sql::exec(query, "CategoryRepository::markAllPendingForResync"))
        return 0;
    const int changed = query.numRowsAffected();
    if (changed <= 0)
        return 0;
    m_database->changes()->record(ChangeSet::Entity::Category, QString());
    return changed;
}

bool CategoryRepository::markSynced(const QString &id, const QString &serverId)
{
    QSqlQuery query = Sql::prepare(m_database->connection(),
                                   QStringLiteral("UPDATE categories SET sync_status='synced', server_id=? WHERE id=?"),
                                   {serverId, id});
    return Sql::exec(query);
}

QSqlDatabase CategoryRepository::connection() const
{
    return m_database->connection();
}
