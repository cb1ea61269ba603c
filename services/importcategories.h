#pragma once

#include "data/enums.h"

#include <QDateTime>
#include <QHash>
#include <QString>

class CategoryRepository;

// Category name (exact) to id for the length of one import, creating a
// missing name the first time a record asks for it. It writes through the
// repository on the caller's open transaction.
class ImportCategories
{
public:
    ImportCategories(CategoryRepository *repository, const QDateTime &now);

    bool contains(const QString &name) const { return m_ids.contains(name); }

    // Empty for an empty name. A failed insert still leaves the id mapped;
    // the rows that use it then fail on the foreign key and are counted.
    QString idFor(const QString &name, CategoryType type = CategoryType::Expense);

private:
    CategoryRepository *m_repository;
    QDateTime m_now;
    QHash<QString, QString> m_ids;
};
