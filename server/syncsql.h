#pragma once

#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

#include <memory>

// Prepared statements on one connection for the length of one request: each
// statement text is prepared once and executed many times. The first failure
// is remembered, so a caller running many statements checks once at the
// end; the driver's message is logged, never the values.
class SyncSql
{
public:
    explicit SyncSql(QSqlDatabase db);
    SyncSql(const SyncSql &) = delete;
    SyncSql &operator=(const SyncSql &) = delete;

    // Executes the statement with the values bound in order; nullptr on
    // failure. The query's results stay readable until the same text runs
    // again.
    QSqlQuery *exec(const QString &sql, const QVariantList &values = {});

    bool failed() const { return m_failed; }
    QSqlDatabase database() const { return m_db; }

    // "?, ?, ?" for an IN list of n values.
    static QString placeholders(qsizetype n);

private:
    QSqlDatabase m_db;
    QHash<QString, std::shared_ptr<QSqlQuery>> m_queries;
    bool m_failed = false;
};
