#pragma once

#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

#include <functional>
#include <memory>

class SqlRow;
struct sqlite3;
struct sqlite3_stmt;

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

    // Runs a statement that returns rows and hands each to `visit`, then
    // lets the statement go; false on failure (noted as for exec()). On
    // SQLite the rows are read straight from the connection's native
    // handle: Qt's driver copies every value into a QVariant (text through
    // UTF-16), which cost more than the query itself on the rows of a pull.
    bool select(const QString &sql, const QVariantList &values, const std::function<void(const SqlRow &)> &visit);

    bool failed() const { return m_failed; }

    // "?, ?, ?" for an IN list of n values.
    static QString placeholders(qsizetype n);

    explicit SyncSql(QSqlDatabase db);
    ~SyncSql();
    SyncSql(const SyncSql &) = delete;
    SyncSql &operator=(const SyncSql &) = delete;

private:
    QSqlQuery *prepared(const QString &sql, bool &fresh);
    void followNativeHandle();
    void dropNativeStatements();
    sqlite3_stmt *nativeStatement(const QString &sql);
    bool bindNative(sqlite3_stmt *statement, const QVariantList &values);
    void failNative(const char *event);

    QSqlDatabase m_db;
    QHash<QString, std::shared_ptr<QSqlQuery>> m_queries;
    sqlite3 *m_native = nullptr; // SQLite only
    QHash<QString, sqlite3_stmt *> m_nativeStatements;
    bool m_failed = false;
};
