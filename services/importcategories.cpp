#include "services/importcategories.h"

#include "data/category.h"
#include "data/categoryrepository.h"
#include "data/uuids.h"

ImportCategories::ImportCategories(CategoryRepository *repository, const QDateTime &now)
    : m_repository(repository)
    , m_now(now)
{
    const QList<Category> all = repository->findAll();
    for (const Category &category : all)
        m_ids.insert(category.name, category.id);
}

QString ImportCategories::idFor(const QString &name, CategoryType type)
{
    if (name.isEmpty())
        return QString();
    const auto it = m_ids.constFind(name);
    if (it != m_ids.constEnd())
        return *it;
    Category category;
    category.id = newUuid();
    category.name = name;
    category.type = type;
    category.createdAt = m_now;
    category.updatedAt = m_now;
    m_repository->insert(category);
    m_ids.insert(name, category.id);
    return category.id;
}
