#pragma once

#include "data/category.h"

#include <QList>
#include <QObject>
#include <QSqlDatabase>
#include <QString>

#include <optional>

class Database;

// Reads and writes the categories table. Successful inserts, updates, soft
// deletes and resync markings announce categoriesChanged(); queries and the
// sync engine's acknowledgements do not. It stores rows one at a time and
// builds no tree: hiding a deleted category's children is the caller's job.
class CategoryRepository : public QObject
{
    Q_OBJECT

public:
    explicit CategoryRepository(Database *database, QObject *parent = nullptr);

    // The connection its statements run on, for the transaction of an
    // operation that spans several repositories.
    QSqlDatabase connection() const;

    int count() const;
    QList<Category> findAll() const;
    std::optional<Category> findById(const QString &id) const;
    // Exact, case-sensitive match among live rows; the first one SQLite yields.
    std::optional<Category> findByName(const QString &name) const;
    QList<Category> findPendingSync() const;

    bool insert(const Category &c);
    bool update(const Category &c);
    bool softDelete(const QString &id);
    int markAllPendingForResync();
    bool markSynced(const QString &id, const QString &serverId);

Q_SIGNALS:
    void categoriesChanged();

private:
    std::optional<Category> findOne(const QString &sql, const QString &bind) const;

    Database *m_database;
};
