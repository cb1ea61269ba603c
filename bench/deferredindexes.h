#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QString>

// Sets the indexes and the full-text triggers of the transactions table
// aside for a bulk load, which is several times faster without them, and
// puts back exactly the statements the schema held, rebuilding the
// full-text index. If restore() was not reached (a failed load), the
// destructor puts them back so the database stays usable. Other tables'
// indexes are left alone.
class DeferredIndexes
{
public:
    explicit DeferredIndexes(const QSqlDatabase &db);
    ~DeferredIndexes();

    DeferredIndexes(const DeferredIndexes &) = delete;
    DeferredIndexes &operator=(const DeferredIndexes &) = delete;

    // Both run in one transaction each: all or nothing.
    bool setAside();
    bool restore();
    QString errorText() const { return m_error; }

private:
    struct Item
    {
        QString type;
        QString name;
        QString sql;
    };

    bool failed(const QString &error);

    QSqlDatabase m_db;
    QList<Item> m_saved;
    QString m_error;
};
