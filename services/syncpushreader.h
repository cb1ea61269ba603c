#pragma once

#include <QHash>
#include <QJsonArray>
#include <QSqlDatabase>
#include <QSet>
#include <QString>

// Reads the rows waiting to be pushed ("pending"), table after table in
// push order, as change items in batches. Batches are read from the
// database when they are sent, not all at once, so a first upload of a
// large file never holds every row in memory, and each batch carries the
// rows as they are at that moment. Rows whose ids begin "sample-" belong to
// the sample data and are never pushed.
class SyncPushReader
{
public:
    static constexpr int BatchSize = 500;

    explicit SyncPushReader(const QSqlDatabase &db);

    // Up to BatchSize change items of one table; empty when every table has
    // been read (or a read failed, see failed()). `versions` receives
    // "entity_type/entity_id" → the version sent, for acknowledging.
    QJsonArray nextBatch(QHash<QString, qint64> &versions);
    bool failed() const { return m_failed; }

    static QString key(const QString &entityType, const QString &entityId);

private:
    QJsonArray readBatch(int entityIndex, QHash<QString, qint64> &versions);
    bool addSplitLines(QJsonArray &items, const QSet<QString> &splitIds);

    QSqlDatabase m_db;
    int m_entityIndex = 0;
    int m_lastGroup = -1;
    qint64 m_lastRowId = 0;
    bool m_failed = false;
};
