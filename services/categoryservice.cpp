#include "services/categoryservice.h"

#include "data/clock.h"
#include "data/categoryrepository.h"
#include "data/enums.h"
#include "data/sqltransaction.h"
#include "data/uuids.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>

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
