#pragma once

#include <QHash>
#include <QJsonObject>
#include <QString>
#include <QStringList>

// What an installation makes of pulled pages, as far as the server is
// concerned: arrays applied in the installation's order, a pulled row
// replaces the local one when its version is not lower, deleted rows
// unknown here are skipped, and a row whose account or category (or a
// category's parent) is not in place is refused as foreign keys would, and
// noted. The cursor of the last page is kept.
class SyncReplica
{
public:
    static const QStringList Arrays; // accounts, categories, recurring_transactions, transactions, reconciliations

    void apply(const QJsonObject &page);

    bool has(const QString &array, const QString &clientId) const;
    QJsonObject row(const QString &array, const QString &clientId) const;
    bool isLive(const QString &array, const QString &clientId) const;
    // Client ids of the array's live rows, sorted.
    QStringList liveIds(const QString &array) const;
    QStringList allIds(const QString &array) const;

    // Rows refused for a missing account or category, as "array/id".
    const QStringList &refused() const { return m_refused; }
    const QString &cursor() const { return m_cursor; }
    int pages() const { return m_pages; }
    int lastCategoryCount() const { return m_categoryCount; }

private:
    bool referencesInPlace(const QString &array, const QJsonObject &object) const;

    QHash<QString, QHash<QString, QJsonObject>> m_rows;
    QStringList m_refused;
    QString m_cursor;
    int m_pages = 0;
    int m_categoryCount = -1;
};
