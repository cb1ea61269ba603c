#pragma once

#include <QSqlDatabase>
#include <QString>

// Connection settings for a bulk load: a large page cache (random ids spread
// the inserts over the whole primary-key index) and no sync per commit. Both
// are per-connection settings; the destructor puts the previous values back.
// It does not change the journal mode.
class BulkLoadSettings
{
public:
    explicit BulkLoadSettings(const QSqlDatabase &db);
    ~BulkLoadSettings();

    BulkLoadSettings(const BulkLoadSettings &) = delete;
    BulkLoadSettings &operator=(const BulkLoadSettings &) = delete;

private:
    QString pragmaValue(const QString &pragma) const;

    QSqlDatabase m_db;
    QString m_synchronous;
    QString m_cacheSize;
};
