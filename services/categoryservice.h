#pragma once

#include "data/category.h"
#include "data/result.h"

#include <QHash>
#include <QObject>
#include <QString>

#include <optional>

class CategoryRepository;
class UndoHistory;

// Seeds the default category tree into a database that holds no live
// category, and creates and edits categories on a person's behalf. The
// defaults get name-based ids, so every device that seeds the same language
// produces the same ids and sync finds no duplicates; it never adds missing
// defaults to a database that already has categories. Create and edit each
// run in one database transaction, stamp the row for sync, keep the tree two
// levels deep and the names unique among siblings (ignoring case), and with
// an undo history set are one undoable step each. Deleting is
// CategoryRemoval's work.
class CategoryService : public QObject
{
    Q_OBJECT

public:
    // The stored state of one category for undo; no row: it did not exist.
    struct Snapshot
    {
        QString id;
        std::optional<Category> row;
    };

    static constexpr int kMaxNameLength = 100;
    static constexpr int kMaxTaxCodeLength = 100;

    explicit CategoryService(CategoryRepository *repository, QObject *parent = nullptr);

    void setUndoHistory(UndoHistory *history) { m_undo = history; }

    // Stores a new category: the trimmed name, type, parent and tax code
    // of `category` (the tax code only when tax-relevant), a new id when it
    // has none. Returns the stored row.
    Result<Category> create(Category category);
    // Changes the name, type, parent, tax fields, icon and colour of the
    // stored category with the same id; the rest stays as stored.
    Result<Category> edit(const Category &category);

    Snapshot capture(const QString &id) const;
    // Writes the snapshot back with fresh stamps: a category that did not
    // exist is deleted again (refused while anything uses it), one that did
    // gets its fields back and, when deleted since, comes back.
    Result<void> restore(const Snapshot &snapshot);

    // Seeds the whole tree in one transaction when count() is 0: either every
    // default is stored or, when any insert fails, none is.
    void ensureDefaultCategories();

private:
    // Trims and checks the fields that create and edit take; on success
    // `category` holds what is to be stored. Against the stored row, a
    // field kept unchanged passes the length limits.
    Result<void> normalize(Category &category, const Category *stored = nullptr) const;
    // Checks the place in the tree: a live top-level parent, no children
    // when becoming a subcategory, no sibling of the same name.
    Result<void> checkPlace(const Category &category, bool checkName) const;
    void record(const QString &text, const Snapshot &before);
    bool seedDefaultTree();
    bool createDefault(const QString &name, CategoryType type, const QString &parentId, bool isTaxRelevant,
                       const QString &taxCategory);

    CategoryRepository *m_repository;
    UndoHistory *m_undo = nullptr;
    QHash<QString, QString> m_nameToId;
    QHash<QString, QString> m_idToName;
};
