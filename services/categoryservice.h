#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class CategoryRepository;
enum class CategoryType;

// Seeds the default category tree into a database that holds no live
// category. The defaults get name-based ids, so every device that seeds the
// same language produces the same ids and sync finds no duplicates. It never
// adds missing defaults to a database that already has categories.
class CategoryService : public QObject
{
    Q_OBJECT

public:
    explicit CategoryService(CategoryRepository *repository, QObject *parent = nullptr);

    // Seeds the whole tree in one transaction when count() is 0: either every
    // default is stored or, when any insert fails, none is.
    void ensureDefaultCategories();

private:
    bool seedDefaultTree();
    bool createDefault(const QString &name, CategoryType type, const QString &parentId, bool isTaxRelevant,
                       const QString &taxCategory);

    CategoryRepository *m_repository;
    QHash<QString, QString> m_nameToId;
    QHash<QString, QString> m_idToName;
};
