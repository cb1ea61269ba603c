#include "services/categoryremoval.h"

#include "data/category.h"
#include "data/categoryrepository.h"
#include "data/changejournal.h"
#include "data/database.h"
#include "data/rowstamp.h"
#include "data/sqlhelpers.h"
#include "data/sqltransaction.h"
#include "data/timestamps.h"
#include "data/uuids.h"
#include "services/undohistory.h"

#include <QSqlQuery>

namespace {

// Undo puts the rows back; redo deletes the category again, finding its
// rows anew (some may have changed in between), and the undo after it puts
// back what that redo changed rather than what the first deletion did.
class RemovalStep : public UndoStep
{
public:
    using Again = std::function<Result<CategoryRemoval::Snapshot>(const QString &)>;
    using PutBack = std::function<Result<void>(const CategoryRemoval::Snapshot &)>;

    RemovalStep(QString text, CategoryRemoval::Snapshot snapshot, Again again, PutBack putBack)
        : m_text(std::move(text))
        , m_snapshot(std::move(snapshot))
        , m_again(std::move(again))
        , m_putBack(std::move(putBack))
    {
    }
    QString text() const override { return m_text; }
    Result<void> undo() override { return m_putBack(m_snapshot); }
    Result<void> redo() override
    {
        Result<CategoryRemoval::Snapshot> removed = m_again(m_snapshot.categoryId);
        if (!removed)
            return Result<void>::failure(removed.error());
        m_snapshot = std::move(removed.value());
        return {};
    }

private:
    QString m_text;
    CategoryRemoval::Snapshot m_snapshot;
    Again m_again;
    PutBack m_putBack;
};

} // namespace

CategoryRemoval::CategoryRemoval(Database *database, CategoryRepository *categories, QObject *parent)
    : QObject(parent)
    , m_database(database)
    , m_categories(categories)
{
}

QList<QPair<QString, QString>> CategoryRemoval::pairs(const QString &sql, const QString &bind, bool *ok) const
{
    QList<QPair<QString, QString>> rows;
    QSqlQuery query = Sql::prepare(m_database->connection(), sql, {bind});
    if (!Sql::exec(query, "CategoryRemoval::pairs")) {
        *ok = false;
        return rows;
    }
    while (query.next())
        rows.append({query.value(0).toString(), query.value(1).toString()});
    return rows;
}

// Split lines of a subcategory go to its parent; those of a top-level
// category to the top-level "Uncategorized": the live one, else one an
// undo took away (so undo and redo don't pile up copies), else a new one.
QString CategoryRemoval::splitLineHome(const QString &parentId, bool *made, bool *ok)
{
    *made = false;
    if (!parentId.isEmpty())
        return parentId;
    const QString name = tr("Uncategorized");
    QSqlQuery existing = Sql::prepare(m_database->connection(),
                                      QStringLiteral("SELECT id, deleted_at IS NULL FROM categories WHERE name = ? AND "
                                                     "(parent_id IS NULL OR parent_id = '') "
                                                     "ORDER BY deleted_at IS NULL DESC, updated_at DESC LIMIT 1"),
                                      {name});
    if (!Sql::exec(existing, "CategoryRemoval::findHome")) {
        *ok = false;
        return {};
    }
    QString deletedHome;
    if (existing.next()) {
        if (existing.value(1).toBool())
            return existing.value(0).toString();
        deletedHome = existing.value(0).toString();
    }
    *made = true;
    if (!deletedHome.isEmpty()) {
        if (!Sql::execCached(m_database->connection(),
                             QLatin1String("UPDATE categories SET deleted_at = NULL, ") + RowStamp::sqlAssignments()
                                 + QLatin1String(" WHERE id = ?"),
                             {nowTimestamp(), deletedHome}, "CategoryRemoval::reviveHome")) {
            *ok = false;
            return {};
        }
        m_database->changes()->record(ChangeSet::Entity::Category, deletedHome);
        return deletedHome;
    }
    Category home;
    home.id = newUuid();
    home.name = name;
    home.type = CategoryType::Expense;
    RowStamp::fresh(home);
    if (!m_categories->insert(home)) {
        *ok = false;
        return {};
    }
    return home.id;
}

Result<CategoryRemoval::Outcome> CategoryRemoval::remove(const QString &categoryId)
{
    Result<Removed> removed = removeRows(categoryId);
    if (!removed)
        return Result<Outcome>::failure(removed.error());
    if (m_undo && !m_undo->isReplaying())
        m_undo->push(std::make_unique<RemovalStep>(
            tr("Delete Category"), removed->before,
            [this](const QString &id) -> Result<Snapshot> {
                Result<Removed> again = removeRows(id);
                if (!again)
                    return Result<Snapshot>::failure(again.error());
                return again->before;
            },
            [this](const Snapshot &s) { return putBack(s); }));
    return removed->outcome;
}

Result<CategoryRemoval::Removed> CategoryRemoval::removeRows(const QString &categoryId)
{
    const auto failed = [] {
        return Result<Removed>::failure(tr("Could not delete the category. Nothing was changed."));
    };
    const std::optional<Category> category = m_categories->findById(categoryId);
    if (!category || category->deletedAt)
        return Result<Removed>::failure(tr("This category no longer exists."));

    SqlTransaction work(m_database->connection());
    if (!work.isActive())
        return failed();
    bool ok = true;
    Snapshot before;
    before.categoryId = categoryId;
    before.transactions = pairs(QStringLiteral("SELECT id, category_id FROM transactions WHERE category_id = ? AND "
                                               "deleted_at IS NULL"),
                                categoryId, &ok);
    const QList<QPair<QString, QString>> lines =
        pairs(QStringLiteral("SELECT s.id, s.transaction_id FROM split_lines s JOIN transactions t ON "
                             "t.id = s.transaction_id WHERE s.category_id = ? AND t.deleted_at IS NULL"),
              categoryId, &ok);
    before.subcategories = pairs(QStringLiteral("SELECT id, parent_id FROM categories WHERE parent_id = ? AND "
                                                "deleted_at IS NULL"),
                                 categoryId, &ok);
    before.recurring = pairs(QStringLiteral("SELECT id, category_id FROM recurring_transactions WHERE "
                                            "category_id = ? AND deleted_at IS NULL"),
                             categoryId, &ok);
    if (!ok)
        return failed();

    Outcome outcome;
    const QString now = nowTimestamp();
    const QString stamp = RowStamp::sqlAssignments();
    const QSqlDatabase db = m_database->connection();
    ChangeJournal *changes = m_database->changes();
    for (const auto &[id, old] : std::as_const(before.transactions)) {
        if (!Sql::execCached(db, QLatin1String("UPDATE transactions SET category_id = NULL, ") + stamp
                                     + QLatin1String(" WHERE id = ?"),
                             {now, id}, "CategoryRemoval::transactions"))
            return failed();
        changes->recordTransaction(id, QString(), qint64(0));
    }
    outcome.transactions = int(before.transactions.size());

    if (!lines.isEmpty()) {
        bool made = false;
        outcome.splitLinesMovedTo = splitLineHome(category->parentId, &made, &ok);
        if (!ok)
            return failed();
        if (made)
            before.madeHome = outcome.splitLinesMovedTo;
        for (const auto &[lineId, transactionId] : lines) {
            before.splitLines.append({lineId, categoryId});
            if (!before.splitTransactions.contains(transactionId))
                before.splitTransactions.append(transactionId);
            if (!Sql::execCached(db, QStringLiteral("UPDATE split_lines SET category_id = ?, updated_at = ? WHERE id = ?"),
                                 {outcome.splitLinesMovedTo, now, lineId}, "CategoryRemoval::splitLines"))
                return failed();
        }
        // A split line is sent with its transaction.
        for (const QString &id : std::as_const(before.splitTransactions)) {
            if (!Sql::execCached(db, QLatin1String("UPDATE transactions SET ") + stamp + QLatin1String(" WHERE id = ?"),
                                 {now, id}, "CategoryRemoval::splitTransactions"))
                return failed();
            changes->recordTransaction(id, QString(), qint64(0));
        }
        outcome.splitLines = int(lines.size());
    }

    for (const auto &[id, old] : std::as_const(before.subcategories)) {
        if (!Sql::execCached(db, QLatin1String("UPDATE categories SET parent_id = NULL, ") + stamp
                                     + QLatin1String(" WHERE id = ?"),
                             {now, id}, "CategoryRemoval::subcategories"))
            return failed();
        changes->record(ChangeSet::Entity::Category, id);
    }
    outcome.subcategories = int(before.subcategories.size());

    for (const auto &[id, old] : std::as_const(before.recurring)) {
        if (!Sql::execCached(db, QLatin1String("UPDATE recurring_transactions SET category_id = NULL, ") + stamp
                                     + QLatin1String(" WHERE id = ?"),
                             {now, id}, "CategoryRemoval::recurring"))
            return failed();
        changes->record(ChangeSet::Entity::Recurring, id);
    }
    outcome.recurring = int(before.recurring.size());

    if (!m_categories->softDelete(categoryId) || !work.commit())
        return failed();
    return Removed{outcome, before};
}

Result<void> CategoryRemoval::putBack(const Snapshot &snapshot)
{
    const auto failed = [] { return Result<void>::failure(tr("Could not bring the category back.")); };
    SqlTransaction work(m_database->connection());
    if (!work.isActive())
        return failed();
    const QString now = nowTimestamp();
    const QString stamp = RowStamp::sqlAssignments();
    const QSqlDatabase db = m_database->connection();
    ChangeJournal *changes = m_database->changes();
    if (!Sql::execCached(db, QLatin1String("UPDATE categories SET deleted_at = NULL, ") + stamp + QLatin1String(" WHERE id = ?"),
                         {now, snapshot.categoryId}, "CategoryRemoval::undelete"))
        return failed();
    changes->record(ChangeSet::Entity::Category, snapshot.categoryId);
    // Rows deleted since stay as they are; the statements only touch live ones.
    for (const auto &[id, old] : snapshot.transactions) {
        if (!Sql::execCached(db, QLatin1String("UPDATE transactions SET category_id = ?, ") + stamp
                                     + QLatin1String(" WHERE id = ? AND deleted_at IS NULL"),
                             {old, now, id}, "CategoryRemoval::putBackTransactions"))
            return failed();
        changes->recordTransaction(id, QString(), qint64(0));
    }
    for (const auto &[id, old] : snapshot.splitLines) {
        if (!Sql::execCached(db, QStringLiteral("UPDATE split_lines SET category_id = ?, updated_at = ? WHERE id = ?"),
                             {old, now, id}, "CategoryRemoval::putBackSplitLines"))
            return failed();
    }
    for (const QString &id : snapshot.splitTransactions) {
        if (!Sql::execCached(db, QLatin1String("UPDATE transactions SET ") + stamp
                                     + QLatin1String(" WHERE id = ? AND deleted_at IS NULL"),
                             {now, id}, "CategoryRemoval::putBackSplitTransactions"))
            return failed();
        changes->recordTransaction(id, QString(), qint64(0));
    }
    for (const auto &[id, old] : snapshot.subcategories) {
        if (!Sql::execCached(db, QLatin1String("UPDATE categories SET parent_id = ?, ") + stamp
                                     + QLatin1String(" WHERE id = ? AND deleted_at IS NULL"),
                             {old, now, id}, "CategoryRemoval::putBackSubcategories"))
            return failed();
        changes->record(ChangeSet::Entity::Category, id);
    }
    for (const auto &[id, old] : snapshot.recurring) {
        if (!Sql::execCached(db, QLatin1String("UPDATE recurring_transactions SET category_id = ?, ") + stamp
                                     + QLatin1String(" WHERE id = ? AND deleted_at IS NULL"),
                             {old, now, id}, "CategoryRemoval::putBackRecurring"))
            return failed();
        changes->record(ChangeSet::Entity::Recurring, id);
    }
    // The "Uncategorized" this deletion brought goes again when nothing
    // uses it any more.
    if (!snapshot.madeHome.isEmpty()) {
        QSqlQuery used = Sql::prepare(
            db,
            QStringLiteral("SELECT (SELECT COUNT(*) FROM split_lines WHERE category_id = ?) + "
                           "(SELECT COUNT(*) FROM transactions WHERE category_id = ? AND deleted_at IS NULL) + "
                           "(SELECT COUNT(*) FROM categories WHERE parent_id = ? AND deleted_at IS NULL) + "
                           "(SELECT COUNT(*) FROM recurring_transactions WHERE category_id = ? AND deleted_at IS NULL)"),
            {snapshot.madeHome, snapshot.madeHome, snapshot.madeHome, snapshot.madeHome});
        if (!Sql::exec(used, "CategoryRemoval::homeInUse") || !used.next())
            return failed();
        if (used.value(0).toInt() == 0 && !m_categories->softDelete(snapshot.madeHome))
            return failed();
    }
    if (!work.commit())
        return failed();
    return {};
}
