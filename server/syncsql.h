#pragma once

#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

#include <memory>

// Prepared statements on one connection: each statement text is prepared
// once per worker thread and kept for the next requests on that thread's
// connection (preparing costs more than running most of them). The first
// failure of a request is remembered, so a caller running many statements
// checks once at the end; the driver's message is logged, never the values.
class SyncSql
{
public:
    // The statements of this thread's connection `db`, with no failure
    // noted yet.
    static SyncSql &forRequest(const QSqlDatabase &db);

    // Executes the statement with the values bound in order; nullptr on
    // failure. The query's results stay readable until the same text runs
    // again.
    QSqlQuery *exec(const QString &sql, const QVariantList &values = {});

    bool failed() const { return m_failed; }

    // "?, ?, ?" for an IN list of n values.
    static QString placeholders(qsizetype n);

    explicit SyncSql(QSqlDatabase db);
    SyncSql(const SyncSql &) = delete;
    SyncSql &operator=(const SyncSql &) = delete;

private:
    QSqlQuery *prepared(const QString &sql, bool &fresh);

    QSqlDatabase m_db;
    QHash<QString, std::shared_ptr<QSqlQuery>> m_queries;
    bool m_failed = false;
};
