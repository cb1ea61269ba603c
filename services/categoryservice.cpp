#include "services/categoryservice.h"

#include "data/clock.h"
#include "data/categoryrepository.h"
#include "data/enums.h"
#include "data/rowstamp.h"
#include "data/sqltransaction.h"
#include "data/uuids.h"
#include "services/snapshotstep.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>

#include <algorithm>

namespace {

struct DefaultCategory
{
    const char *name;
    CategoryType type;
    const char *parent;        // source text of the parent's name, nullptr at top level
    const char *taxCategory;   // nullptr when not tax relevant
};

// Parents come before their children: a child finds its parent's id by name.
const DefaultCategory kDefaults[] = {
    {QT_TRANSLATE_NOOP("CategoryService", "Charitable Donations"), CategoryType::Expense, nullptr, "charitable_contributions"},
    {QT_TRANSLATE_NOOP("CategoryService", "Medical Expenses"), CategoryType::Expense, nullptr, "medical_dental"},
    {QT_TRANSLATE_NOOP("CategoryService", "Business Expenses"), CategoryType::Expense, nullptr, "business_expense"},
    {QT_TRANSLATE_NOOP("CategoryService", "Home Office"), CategoryType::Expense, "Business Expenses", "home_office"},
    {QT_TRANSLATE_NOOP("CategoryService", "Education Expenses"), CategoryType::Expense, nullptr, "education"},
    {QT_TRANSLATE_NOOP("CategoryService", "State & Local Taxes"), CategoryType::Expense, nullptr, "salt"},
    {QT_TRANSLATE_NOOP("CategoryService", "Mortgage Interest"), CategoryType::Expense, nullptr, "mortgage_interest"},
    {QT_TRANSLATE_NOOP("CategoryService", "Property Tax"), CategoryType::Expense, nullptr, "schedule_a_property_tax"},
    {QT_TRANSLATE_NOOP("CategoryService", "Housing"), CategoryType::Expense, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Rent/Mortgage Payment"), CategoryType::Expense, "Housing", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Maintenance"), CategoryType::Expense, "Housing", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "HOA"), CategoryType::Expense, "Housing", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Utilities"), CategoryType::Expense, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Electric"), CategoryType::Expense, "Utilities", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Gas"), CategoryType::Expense, "Utilities", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Water"), CategoryType::Expense, "Utilities", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Internet"), CategoryType::Expense, "Utilities", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Phone"), CategoryType::Expense, "Utilities", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Transportation"), CategoryType::Expense, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Gas/Fuel"), CategoryType::Expense, "Transportation", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Car Payment"), CategoryType::Expense, "Transportation", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Auto Insurance"), CategoryType::Expense, "Transportation", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Maintenance"), CategoryType::Expense, "Transportation", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Public Transit"), CategoryType::Expense, "Transportation", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Groceries"), CategoryType::Expense, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Dining & Restaurants"), CategoryType::Expense, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Personal Care"), CategoryType::Expense, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Pets"), CategoryType::Expense, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Subscriptions"), CategoryType::Expense, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Gifts"), CategoryType::Expense, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Miscellaneous"), CategoryType::Expense, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Entertainment"), CategoryType::Expense, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Streaming"), CategoryType::Expense, "Entertainment", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Movies"), CategoryType::Expense, "Entertainment", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Events"), CategoryType::Expense, "Entertainment", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Shopping"), CategoryType::Expense, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Clothing"), CategoryType::Expense, "Shopping", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Electronics"), CategoryType::Expense, "Shopping", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Household"), CategoryType::Expense, "Shopping", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Insurance"), CategoryType::Expense, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Health"), CategoryType::Expense, "Insurance", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Life"), CategoryType::Expense, "Insurance", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Home/Renters"), CategoryType::Expense, "Insurance", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Auto"), CategoryType::Expense, "Insurance", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Fees & Charges"), CategoryType::Expense, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Bank Fees"), CategoryType::Expense, "Fees & Charges", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "ATM Fees"), CategoryType::Expense, "Fees & Charges", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Late Fees"), CategoryType::Expense, "Fees & Charges", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Salary / Wages"), CategoryType::Income, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Interest Income"), CategoryType::Income, nullptr, "interest_income"},
    {QT_TRANSLATE_NOOP("CategoryService", "Dividend Income"), CategoryType::Income, nullptr, "dividend_income"},
    {QT_TRANSLATE_NOOP("CategoryService", "Rental Income"), CategoryType::Income, nullptr, "rental_income"},
    {QT_TRANSLATE_NOOP("CategoryService", "Freelance / Consulting"), CategoryType::Income, nullptr, "self_employment"},
    {QT_TRANSLATE_NOOP("CategoryService", "Refunds"), CategoryType::Income, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Gifts Received"), CategoryType::Income, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Other Income"), CategoryType::Income, nullptr, nullptr},
};

QString translated(const char *sourceText)
{
    return QCoreApplication::translate("CategoryService", sourceText);
}

bool hasControlCharacter(const QString &text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.category() == QChar::Other_Control; });
}

} // namespace

CategoryService::CategoryService(CategoryRepository *repository, QObject *parent)
    : QObject(parent)
    , m_repository(repository)
{
}

void CategoryService::ensureDefaultCategories()
{
    if (m_repository->count() > 0)
        return;

    // The tree is stored whole or not at all; listeners hear of it once the
    // transaction has committed.
    SqlTransaction transaction(m_repository->connection());
    const bool seeded = transaction.isActive() && seedDefaultTree() && transaction.commit();
    if (!seeded) {
        transaction.rollback();
        qWarning().noquote() << "CategoryService::ensureDefaultCategories failed:"
                             << (transaction.errorText().isEmpty() ? QStringLiteral("the default categories were rolled back")
                                                                   : transaction.errorText());
        return;
    }
}

bool CategoryService::seedDefaultTree()
{
    m_nameToId.clear();
    m_idToName.clear();
    bool ok = true;
    for (const DefaultCategory &entry : kDefaults) {
        const QString parentId = entry.parent ? m_nameToId.value(translated(entry.parent)) : QString();
        ok = createDefault(translated(entry.name), entry.type, parentId, entry.taxCategory != nullptr,
                           entry.taxCategory ? QString::fromLatin1(entry.taxCategory) : QString());
        if (!ok)
            break;
    }
    m_nameToId.clear();
    m_idToName.clear();
    return ok;
}

bool CategoryService::createDefault(const QString &name, CategoryType type, const QString &parentId,
                                    bool isTaxRelevant, const QString &taxCategory)
{
    const QString parentName = m_idToName.value(parentId);
    const QString key = QStringLiteral("%1:%2:%3").arg(categoryTypeToString(type), parentName, name);

    Category category;
    category.id = uuidV5(kCategoryNamespace, key);
    category.name = name;
    category.type = type;
    category.parentId = parentId;
    category.isTaxRelevant = isTaxRelevant;
    category.taxCategory = taxCategory;
    category.isDefault = true;
    category.version = 1;
    category.syncStatus = SyncStatus::Pending;
    category.createdAt = Clock::now();
    category.updatedAt = category.createdAt;

    m_nameToId.insert(name, category.id);
    m_idToName.insert(category.id, name);
    return m_repository->insert(category);
}

Result<void> CategoryService::normalize(Category &category, const Category *stored) const
{
    category.name = category.name.trimmed();
    if (category.name.isEmpty())
        return Result<void>::failure(tr("Enter a name for the category."));
    // A longer name or code that came in by sync stays editable as long as
    // it is kept as it is.
    if (category.name.size() > kMaxNameLength && !(stored && stored->name == category.name))
        return Result<void>::failure(tr("The name is too long: at most %n characters.", nullptr, kMaxNameLength));
    if (hasControlCharacter(category.name))
        return Result<void>::failure(tr("The name cannot contain line breaks or other control characters."));
    category.taxCategory = category.isTaxRelevant ? category.taxCategory.trimmed() : QString();
    if (category.taxCategory.size() > kMaxTaxCodeLength && !(stored && stored->taxCategory == category.taxCategory))
        return Result<void>::failure(tr("The tax code is too long: at most %n characters.", nullptr, kMaxTaxCodeLength));
    if (hasControlCharacter(category.taxCategory))
        return Result<void>::failure(tr("The tax code cannot contain line breaks or other control characters."));
    return {};
}

Result<void> CategoryService::checkPlace(const Category &category, bool checkName) const
{
    if (!category.parentId.isEmpty()) {
        if (category.parentId == category.id)
            return Result<void>::failure(tr("A category cannot be its own parent."));
        const std::optional<Category> parent = m_repository->findById(category.parentId);
        if (!parent || parent->deletedAt)
            return Result<void>::failure(tr("The parent category no longer exists."));
        if (!parent->parentId.isEmpty())
            return Result<void>::failure(tr("A subcategory cannot have subcategories of its own."));
    }
    const QList<Category> live = m_repository->findAll();
    for (const Category &other : live) {
        if (other.id == category.id)
            continue;
        if (!category.parentId.isEmpty() && other.parentId == category.id)
            return Result<void>::failure(
                tr("\"%1\" has subcategories, so it cannot become a subcategory itself.").arg(category.name));
        if (checkName && other.parentId == category.parentId
            && other.name.compare(category.name, Qt::CaseInsensitive) == 0) {
            if (category.parentId.isEmpty())
                return Result<void>::failure(tr("There is already a category named \"%1\".").arg(other.name));
            return Result<void>::failure(
                tr("This category already has a subcategory named \"%1\".").arg(other.name));
        }
    }
    return {};
}

Result<Category> CategoryService::create(Category category)
{
    const auto failed = [] { return Result<Category>::failure(tr("Could not create the category. Nothing was changed.")); };
    if (const Result<void> checked = normalize(category); !checked)
        return Result<Category>::failure(checked.error());
    if (category.id.isEmpty())
        category.id = newUuid();
    category.isDefault = false;
    category.serverId.clear();
    RowStamp::fresh(category);

    // The check and the insert see the same rows.
    SqlTransaction work;
    if (!work.isActive())
        return failed();
    if (m_repository->findById(category.id))
        return Result<Category>::failure(tr("A category with this id already exists."));
    if (const Result<void> placed = checkPlace(category, true); !placed)
        return Result<Category>::failure(placed.error());
    if (!m_repository->insert(category) || !work.commit())
        return failed();
    record(category.parentId.isEmpty() ? tr("New Category") : tr("New Subcategory"), {category.id, std::nullopt});
    return category;
}

Result<Category> CategoryService::edit(const Category &category)
{
    const auto failed = [] { return Result<Category>::failure(tr("Could not save the category. Nothing was changed.")); };
    SqlTransaction work;
    if (!work.isActive())
        return failed();
    const std::optional<Category> existing = category.id.isEmpty() ? std::nullopt : m_repository->findById(category.id);
    if (!existing || existing->deletedAt)
        return Result<Category>::failure(tr("This category no longer exists."));
    Category changed = *existing;
    changed.name = category.name;
    changed.type = category.type;
    changed.parentId = category.parentId;
    changed.isTaxRelevant = category.isTaxRelevant;
    changed.taxCategory = category.taxCategory;
    changed.icon = category.icon;
    changed.color = category.color;
    if (const Result<void> checked = normalize(changed, &*existing); !checked)
        return Result<Category>::failure(checked.error());
    if (changed.name == existing->name && changed.type == existing->type && changed.parentId == existing->parentId
        && changed.isTaxRelevant == existing->isTaxRelevant && changed.taxCategory == existing->taxCategory
        && changed.icon == existing->icon && changed.color == existing->color)
        return changed;   // nothing to store, sync or undo
    // Rows that already share a name (from sync, say) can still be edited
    // as long as the edit keeps the name and place.
    const bool renamed = changed.name.compare(existing->name, Qt::CaseInsensitive) != 0
                         || changed.parentId != existing->parentId;
    if (const Result<void> placed = checkPlace(changed, renamed); !placed)
        return Result<Category>::failure(placed.error());
    RowStamp::touch(changed);
    if (!m_repository->update(changed) || !work.commit())
        return failed();
    record(tr("Edit Category"), {existing->id, existing});
    return changed;
}

CategoryService::Snapshot CategoryService::capture(const QString &id) const
{
    return {id, m_repository->findById(id)};
}

Result<void> CategoryService::restore(const Snapshot &snapshot)
{
    const auto failed = [] { return Result<void>::failure(tr("The change to the category could not be undone.")); };
    SqlTransaction work;
    if (!work.isActive())
        return failed();
    const std::optional<Category> current = m_repository->findById(snapshot.id);
    if (!current)
        return Result<void>::failure(tr("This category no longer exists."));
    const bool wantLive = snapshot.row && !snapshot.row->deletedAt;
    if (!wantLive) {
        if (current->deletedAt)
            return {};
        // Taking away a category that rows use would leave them pointing
        // at nothing; deleting it properly is a step of its own.
        const int uses = m_repository->usageCount(snapshot.id);
        if (uses < 0)
            return failed();
        if (uses > 0)
            return Result<void>::failure(
                tr("\"%1\" is in use now, so it cannot be taken away again. Delete the category instead.")
                    .arg(current->name));
        if (!m_repository->softDelete(snapshot.id) || !work.commit())
            return failed();
        return {};
    }
    if (current->deletedAt && !m_repository->restore(snapshot.id))
        return failed();
    Category row = *snapshot.row;
    // The stored version and server id move on; the fields go back.
    const std::optional<Category> now = m_repository->findById(snapshot.id);
    if (!now)
        return failed();
    row.version = now->version;
    row.serverId = now->serverId;
    row.syncStatus = now->syncStatus;
    if (!row.parentId.isEmpty()) {
        const std::optional<Category> parent = m_repository->findById(row.parentId);
        if (!parent || parent->deletedAt)
            row.parentId.clear();
    }
    RowStamp::touch(row);
    if (!m_repository->update(row) || !work.commit())
        return failed();
    return {};
}

void CategoryService::record(const QString &text, const Snapshot &before)
{
    if (!m_undo || m_undo->isReplaying())
        return;
    m_undo->push(std::make_unique<SnapshotStep<Snapshot>>(text, before, capture(before.id),
                                                          [this](const Snapshot &state) { return restore(state); }));
}
